// The main window's start-up, enabling rules, file choosers, Clear, Quit and the settings file.
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace pagewright;

class tst_frmMain : public WindowTestCase
{
    Q_OBJECT

private:
private slots:
    void startUpState()
    {
        frmMain& w = t->w();
        QCOMPARE(w.windowTitle(), QStringLiteral("Pagewright 8.42"));
        QVERIFY(w.blnStartupCompleted);
        QCOMPARE(w.SSTab1->currentIndex(), 1);
        QCOMPARE(w.SSTab1->tabText(0), QStringLiteral("HTML Template"));
        QCOMPARE(w.SSTab1->tabText(5), QStringLiteral("Table Creator"));
        QCOMPARE(w.GetIndex(), int(TextSlot));
        QCOMPARE(w.ViewLimitKB, 40);
        for (int s = 0; s < kSlotCount; ++s) {
            QCOMPARE(t->label(Indexed("Label2", s))->text(), QString());
            QCOMPARE(t->box(Indexed("txbOutputFile", s))->text(), QString());
            QVERIFY(!w.OutputReady[s]);
        }
        QVERIFY(!t->button("cmdPerformOperation_0")->isEnabled());
        QVERIFY(!t->button("cmdViewInputFile_0")->isEnabled());
        QVERIFY(!t->button("cmdViewOutputFile_0")->isEnabled());
        QCOMPARE(t->button("cmdPerformOperation_0")->text(),
                 QStringLiteral("Convert input text file to output HTML file"));
        QCOMPARE(t->button("cmdPerformOperation_5")->text(), QStringLiteral("Create HTML template"));
        QCOMPARE(t->button("cmdSpecifyOutputFile_5")->toolTip(),
                 QStringLiteral("Specify the file in which to save the HTML template."));
        QCOMPARE(t->button("Clear_1")->toolTip(), QStringLiteral("Clear all text boxes"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(t->label(Indexed("lblTextHex", i))->text(), QStringLiteral("#000000"));
            QCOMPARE(t->label(Indexed("lblBackgroundHex", i))->text(), QStringLiteral("#FFFFFF"));
            QVERIFY(!t->find<QCheckBox>(Indexed("chkUseSpecifiedColors", i))->isChecked());
            QVERIFY(!t->button(Indexed("cmdSpecifyColors", i))->isEnabled());
            QVERIFY(!t->label(Indexed("lblTextHex", i))->isEnabled());
        }
        QCOMPARE(w.TextColors[3], 0);
        QCOMPARE(w.BackColors[3], 0xFFFFFF);
        QCOMPARE(w.TableWidth[1], int16_t(-1));
        QCOMPARE(w.TableCellSpacing[0], int16_t(4));
        QVERIFY(t->label("lblDocumentation_1")->text().endsWith("/guide/text-to-html.htm"));
        QVERIFY(t->label("lblDocumentation_1")->text().startsWith("file:///"));
        QVERIFY(w.findChild<QLabel*>("lblUserGuide_5") == nullptr);
    }

    void startUpLists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("selected");
        QTest::newRow("margin") << "cboMarginSpaces"
                                << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8"} << 4;
        QTest::newRow("tab") << "cboTabSpaces" << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"} << 3;
        QTest::newRow("ordered") << "cboOrderedList" << QStringList{"unspecified", "1,2,3", "i,ii,iii",
                                                                    "I, II, III",  "a,b,c", "A,B,C"}
                                 << 1;
        QTest::newRow("bullets") << "cboUnorderedList"
                                 << QStringList{"unspecified", "disc", "circle", "square"} << 1;
        QTest::newRow("item separator") << "cboItemSeparator"
                                        << QStringList{"End-of-line (CR/LF)", "Blank line",
                                                       "Initial numeral (e.g. 12.)", "Initial asterisk (*)"}
                                        << 0;
        QTest::newRow("separator char")
            << "cboSeparatorChar" << QStringList{"comma (44)", "semicolon (59)", "space (32)", "tab (9)"}
            << 0;
        QTest::newRow("padding") << "cboPaddingSpaces" << QStringList{"0", "1", "2", "3",  "4",  "5", "6",
                                                                      "7", "8", "9", "10", "11", "12"}
                                 << 2;
        QStringList sizes;
        for (int n = 1; n <= 20; ++n)
            sizes << QString::number(n);
        QTest::newRow("rows") << "cboNumberOfRows" << sizes << 5;
        QTest::newRow("columns") << "cboNumberOfColumns" << sizes << 5;
    }

    void startUpLists()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        QFETCH(int, selected);
        auto* list = t->find<QComboBox>(name);
        QVERIFY(list != nullptr);
        QStringList actual;
        for (int i = 0; i < list->count(); ++i)
            actual << list->itemText(i);
        QCOMPARE(actual, items);
        QCOMPARE(list->currentIndex(), selected);
    }

    void startUpListOptions()
    {
        QVERIFY(t->find<QRadioButton>("optUnorderedList")->isChecked());
        QVERIFY(t->find<QRadioButton>("optReadListData")->isChecked());
        QCOMPARE(t->box("txbStartNumber")->text(), QStringLiteral("1"));
        QVERIFY(t->find<QComboBox>("cboSeparatorChar")->isEditable());
        const QList<int> codes{44, 59, 32, 9};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(t->find<QComboBox>("cboSeparatorChar")->itemData(i).toInt(), codes[i]);
    }

    void performEnabling_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("text: both full") << 1 << "/d/notes.txt"
                                         << "/d/notes.htm" << true;
        QTest::newRow("text: html upper case") << 1 << "/d/notes.txt"
                                               << "/d/x.HTML" << true;
        QTest::newRow("text: trailing blank") << 1 << "/d/notes.txt"
                                              << "/d/x.HTML " << false;
        QTest::newRow("text: no dot") << 1 << "/d/notes.txt"
                                      << "/d/xhtm" << true;
        QTest::newRow("text: relative input") << 1 << "notes.txt"
                                              << "/d/x.htm" << false;
        QTest::newRow("text: root only") << 1 << "/d/a.txt"
                                         << "/" << false;
        QTest::newRow("template: output only") << 0 << ""
                                               << "/d/page.htm" << true;
        QTest::newRow("template: relative") << 0 << ""
                                            << "page.htm" << false;
        QTest::newRow("code: any input") << 2 << "/d/main.cpp"
                                         << "/d/main.htm" << true;
        QTest::newRow("list: read needs input") << 3 << ""
                                                << "/d/list.htm" << false;
        QTest::newRow("list: read with input") << 3 << "/d/l.txt"
                                               << "list.htm" << true;
        QTest::newRow("table: both") << 4 << "/d/t.txt"
                                     << "/d/t.htm" << true;
        QTest::newRow("creator: output") << 5 << ""
                                         << "/d/grid.html" << true;
    }

    void performEnabling()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(bool, enabled);
        t->showTab(tab);
        const int slot = SlotOfTab(tab);
        if (slot < kInputSlotCount)
            t->box(Indexed("txbInputFile", slot))->setText(input);
        t->box(Indexed("txbOutputFile", slot))->setText(output);
        QCOMPARE(t->button(Indexed("cmdPerformOperation", slot))->isEnabled(), enabled);
        if (slot < kInputSlotCount)
            QCOMPARE(t->button(Indexed("cmdViewInputFile", slot))->isEnabled(), IsFullPath(input));
    }

    void blankListEnabling()
    {
        t->showTab(3);
        t->box("txbOutputFile_2")->setText("list.htm");
        t->find<QRadioButton>("optBlankListWithItemNumbers")->click();
        QVERIFY(!t->box("txbInputFile_2")->isEnabled());
        QVERIFY(t->box("txbNumberOfItems")->isEnabled());
        QVERIFY2(!t->box("txbStartNumber")->isEnabled(), "only ordered lists have a start number");
        QVERIFY(!t->button("cmdPerformOperation_2")->isEnabled());
        t->box("txbNumberOfItems")->setText("0");
        QVERIFY(!t->button("cmdPerformOperation_2")->isEnabled());
        t->box("txbNumberOfItems")->setText("3");
        QVERIFY(t->button("cmdPerformOperation_2")->isEnabled());
        t->find<QRadioButton>("optOrderedList")->click();
        QVERIFY(t->box("txbStartNumber")->isEnabled());
        QVERIFY(t->find<QComboBox>("cboOrderedList")->isEnabled());
        QVERIFY(!t->find<QComboBox>("cboUnorderedList")->isEnabled());
        t->find<QRadioButton>("optBlankList")->click();
        t->box("txbNumberOfItems")->setText("");
        QVERIFY(t->button("cmdPerformOperation_2")->isEnabled());
    }

    void editingClearsTheResult()
    {
        t->w().OutputReady[TextSlot] = true;
        t->label("Label2_0")->setText("Conversion successful.");
        t->box("txbOutputFile_0")->setText("/d/other.htm");
        QVERIFY(!t->w().OutputReady[TextSlot]);
        QCOMPARE(t->label("Label2_0")->text(), QString());
    }

    void headerFileDisablesTitleAndColors()
    {
        t->showTab(0);
        QVERIFY(t->box("txbTitle")->isEnabled());
        t->find<QCheckBox>("chkUseSpecifiedColors_1")->click();
        QVERIFY(t->button("cmdSpecifyColors_1")->isEnabled());
        t->box("txbCustomHeaderFile_1")->setText("  /d/head.htm ");
        QCOMPARE(t->box("txbCustomHeaderFile_1")->text(), QStringLiteral("/d/head.htm"));
        QVERIFY(!t->box("txbTitle")->isEnabled());
        QVERIFY(!t->label("lblTitle")->isEnabled());
        QVERIFY(!t->find<QCheckBox>("chkUseSpecifiedColors_1")->isEnabled());
        QVERIFY(!t->button("cmdSpecifyColors_1")->isEnabled());
        QVERIFY(t->button("cmdViewHeaderFile_1")->isEnabled());
        t->box("txbCustomHeaderFile_1")->clear();
        QVERIFY(t->box("txbTitle")->isEnabled());
        QVERIFY2(t->button("cmdSpecifyColors_1")->isEnabled(), "the check box is still ticked");
    }

    void chooseInputProposesOutput_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("output");
        QTest::newRow("txt") << "/dir/notes.txt"
                             << "/dir/notes.htm";
        QTest::newRow("upper case TXT") << "/dir/notes.TXT"
                                        << "/old/out.htm";
        QTest::newRow("csv") << "/dir/data.csv"
                             << "/old/out.htm";
    }

    void chooseInputProposesOutput()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, output);
        t->box("txbOutputFile_0")->setText("/old/out.htm");
        t->seam().expectFileDialog(
            {FileDialogRequest::Open, "Specify input file", "All files (*.*) | *.*", true}, chosen);
        QTest::mouseClick(t->button("cmdSpecifyInputFile_0"), Qt::LeftButton);
        QCOMPARE(t->box("txbInputFile_0")->text(), chosen);
        QCOMPARE(t->box("txbOutputFile_0")->text(), output);
        QVERIFY(t->button("cmdPerformOperation_0")->isEnabled());
    }

    void chooseOutputHeaderFooterAndCancel()
    {
        t->seam().expectFileDialog(
            {FileDialogRequest::Save, "Specify output file", ".htm files (*.htm) | *.htm", false},
            "/d/page.htm");
        QTest::mouseClick(t->button("cmdSpecifyOutputFile_0"), Qt::LeftButton);
        QCOMPARE(t->box("txbOutputFile_0")->text(), QStringLiteral("/d/page.htm"));
        t->seam().expectFileDialog(
            {FileDialogRequest::Open, "Specify custom header file", "All files (*.*) | *.*", false},
            "/d/head.htm");
        QTest::mouseClick(t->button("cmdSpecifyCustomHeaderFile_0"), Qt::LeftButton);
        QCOMPARE(t->box("txbCustomHeaderFile_0")->text(), QStringLiteral("/d/head.htm"));
        t->seam().expectFileDialog(
            {FileDialogRequest::Open, "Specify custom footer file", "All files (*.*) | *.*", false},
            QString());
        QTest::mouseClick(t->button("cmdSpecifyCustomFooterFile_0"), Qt::LeftButton);
        QCOMPARE(t->box("txbCustomFooterFile_0")->text(), QString());
    }

    void clearEmptiesTheTabsBoxes()
    {
        t->box("txbInputFile_0")->setText("/d/a.txt");
        t->box("txbOutputFile_0")->setText("/d/a.htm");
        t->box("txbCustomFooterFile_0")->setText("/d/f.htm");
        t->box("txbOutputFile_5")->setText("/d/t.htm");
        QTest::mouseClick(t->button("Clear_1"), Qt::LeftButton);
        QCOMPARE(t->box("txbInputFile_0")->text(), QString());
        QCOMPARE(t->box("txbCustomFooterFile_0")->text(), QString());
        QVERIFY(!t->button("cmdPerformOperation_0")->isEnabled());
        QCOMPARE(t->box("txbOutputFile_5")->text(), QStringLiteral("/d/t.htm"));
        t->showTab(0);
        t->box("txbTitle")->setText("Title");
        QTest::mouseClick(t->button("Clear_0"), Qt::LeftButton);
        QCOMPARE(t->box("txbTitle")->text(), QString());
        QCOMPARE(t->box("txbOutputFile_5")->text(), QString());
    }

    void documentationLinkOpensTheGuide()
    {
        const QString address = t->label("lblDocumentation_1")->text();
        QVERIFY(QFile::exists(QUrl(address).toLocalFile()));
        t->seam().expectOpen(QUrl(address), true);
        QTest::mouseClick(t->label("lblDocumentation_1"), Qt::LeftButton);
        t->seam().expectOpen(QUrl(address), false);
        t->seam().expectMessage(
            "Pagewright",
            "Error launching web browser. Please make sure that your web browser is correctly "
            "installed and configured",
            MsgIcon::Exclamation);
        t->w().lblDocumentation_Click(1);
    }

    void settingsRoundTripAcrossTwoWindows()
    {
        const QString settings = t->settingsFile();
        QStringList names;
        for (int s = 0; s < kSlotCount; ++s) {
            if (s < kInputSlotCount) {
                names << QStringLiteral("/in/%1 file.txt").arg(s);
                t->box(Indexed("txbInputFile", s))
                    ->setText(QStringLiteral("  ") + names.last() + QStringLiteral(" "));
            }
            names << QString::fromUtf8("/out/\xC3\xBC%1.htm").arg(s);
            t->box(Indexed("txbOutputFile", s))->setText(names.last());
        }
        t->showTab(5);
        t->seam().expectMessage("Quit", "Really quit?", MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No);
        QTest::mouseClick(t->button("cmdQuit_5"), Qt::LeftButton);
        QVERIFY(t->w().isVisible());
        QVERIFY(!QFile::exists(settings));
        t->button("cmdQuit_0")->click();
        QVERIFY(!t->w().isVisible());
        QFile file(settings);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("\r\n"), 10);
        QVERIFY(bytes.startsWith("\"/in/0 file.txt\"\r\n\"/out/\xC3\xBC"
                                 "0.htm\"\r\n"));

        TestWindow second({}, settings);
        int n = 0;
        for (int s = 0; s < kSlotCount; ++s) {
            if (s < kInputSlotCount)
                QCOMPARE(second.box(Indexed("txbInputFile", s))->text(), names[n++]);
            QCOMPARE(second.box(Indexed("txbOutputFile", s))->text(), names[n++]);
        }
        QVERIFY(second.button("cmdPerformOperation_0")->isEnabled());
        QVERIFY(second.seam().verifyDone());
    }

    void closingTheWindowSavesWithoutAsking()
    {
        t->showTab(5);
        t->box("txbOutputFile_4")->setText("/d/grid.htm");
        t->w().close();
        QVERIFY(QFile::exists(t->settingsFile()));
    }

    void shortSettingsFileFillsWhatItCan()
    {
        const QString settings =
            t->writeFile("short.usr", "\"/a/in.txt\"\r\n\"/a/out.htm\"\r\n\"/b/code.c\"\r\n");
        TestWindow second({}, settings);
        QCOMPARE(second.box("txbInputFile_0")->text(), QStringLiteral("/a/in.txt"));
        QCOMPARE(second.box("txbOutputFile_0")->text(), QStringLiteral("/a/out.htm"));
        QCOMPARE(second.box("txbInputFile_1")->text(), QStringLiteral("/b/code.c"));
        QCOMPARE(second.box("txbOutputFile_1")->text(), QString());
        QCOMPARE(second.box("txbOutputFile_5")->text(), QString());
        QVERIFY(second.button("cmdPerformOperation_0")->isEnabled());
        QVERIFY(second.seam().verifyDone());
    }

    void tabSwitching()
    {
        t->box("txbOutputFile_3")->setText("/d/t.htm");
        t->box("txbInputFile_3")->setText("/d/t.txt");
        QVERIFY2(!t->button("cmdPerformOperation_3")->isEnabled(), "buttons follow the shown tab");
        t->showTab(4);
        QCOMPARE(t->w().GetIndex(), int(DataTableSlot));
        QVERIFY(t->button("cmdPerformOperation_3")->isEnabled());
        t->showTab(0);
        QCOMPARE(t->w().GetIndex(), int(TemplateSlot));
        QCOMPARE(t->w().GetHeaderFooterFile(), 1);
    }

    void missingProgramTextEndsStartUp()
    {
        ScriptedPlatform seam;
        const QString folder = t->path("empty");
        QDir().mkpath(folder);
        seam.expectMessage(QString(),
                           "Cannot open file containing program text.\r\n" + folder + "/vellum_text.dat",
                           MsgIcon::Stop);
        frmMain window(seam, {folder, t->path("x.usr")});
        QVERIFY(!window.Form_Load());
        QVERIFY(seam.verifyDone());
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
