// The main window's shell: which handler each control reaches, the enabling and focus rules,
// Enter on buttons and in boxes, tooltips, the file choosers, Clear, Quit and the
// settings file.
#include "WindowTestCase.h"
#include "rules/Settings.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>

using namespace pagewright;

class tst_frmMain : public WindowTestCase
{
    Q_OBJECT

private:
    QWidget* focus() { return t->w().focusWidget(); }
    QWidget* tabBar() { return t->w().SSTab1->tabBar(); }

private slots:
    void editsClearTheResult_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("control");
        const char* const controls[] = {
            "txbTitle txbOutputFile_5 txbCustomFooterFile_1",
            "txbInputFile_0 txbCustomHeaderFile_0 chkUseSpecifiedColors_2", "cboMarginSpaces cboTabSpaces",
            "cboOrderedList cboUnorderedList cboItemSeparator chkAddHTMLWrapper2 chkCenterList "
            "optOrderedList "
            "optBlankList txbNumberOfItems txbStartNumber",
            "cboSeparatorChar cboSeparatorCharText cboPaddingSpaces chkAddHTMLWrapper3 chkCenterText3 "
            "chkCenterTable3 chkUseSpecifiedColors_0"};
        for (int tab = 0; tab < 5; ++tab)
            for (const QString& control : QString::fromLatin1(controls[tab]).split(' '))
                Row(qPrintable(control), tab, control);
    }

    void editsClearTheResult()
    {
        QFETCH(int, tab);
        QFETCH(QString, control);
        t->showTab(tab);
        const int slot = SlotOfTab(tab);
        t->w().OutputReady[slot] = true;
        t->w().Label2[slot]->setText("Conversion successful.");
        FIND(QWidget, w, t->w(), control);
        if (auto* list = qobject_cast<QComboBox*>(w))
            list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->click();
        else if (auto* box = qobject_cast<QLineEdit*>(w))
            box->insert("x");
        QCOMPARE(t->w().Label2[slot]->text(), QString());
        QVERIFY(!t->w().OutputReady[slot]);
    }

    void performAndViewFollowTheBoxes_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("source"); // the list tab's source option
        QTest::addColumn<QString>("items");
        QTest::addColumn<bool>("perform");
        QTest::addColumn<bool>("viewInput");
        Row("text", 1, "/d/a.txt", "/d/a.htm", "", "", true, true);
        Row("template", 0, "", "/d/a.htm", "", "", true, false);
        Row("code, no output", 2, "/d/a.c", "", "", "", false, true);
        Row("list from no file", 3, "", "a.htm", "optReadListData", "", false, false);
        Row("numbered list of 3", 3, "/d/a.txt", "a.htm", "optBlankListWithItemNumbers", "3", true, false);
        Row("table, text output", 4, "/d/a.txt", "/d/a.txt", "", "", false, true);
    }

    void performAndViewFollowTheBoxes()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, source);
        QFETCH(QString, items);
        QFETCH(bool, perform);
        QFETCH(bool, viewInput);
        frmMain& w = t->w();
        const int slot = SlotOfTab(tab);
        t->showTab(tab == 1 ? 2 : 1); // the boxes are filled while another tab is shown
        if (!source.isEmpty()) {
            FIND(QRadioButton, option, w, source);
            option->click();
        }
        w.txbNumberOfItems->setText(items);
        if (slot < kInputSlotCount)
            w.txbInputFile[slot]->setText(input);
        w.txbOutputFile[slot]->setText(output);
        QVERIFY(!w.cmdPerformOperation[slot]->isEnabled());
        t->showTab(tab);
        QCOMPARE(w.cmdPerformOperation[slot]->isEnabled(), perform);
        if (slot < kInputSlotCount)
            QCOMPARE(w.cmdViewInputFile[slot]->isEnabled(), viewInput);
        w.txbOutputFile[slot]->clear();
        QVERIFY(!w.cmdPerformOperation[slot]->isEnabled());
        w.txbOutputFile[slot]->setText(output);
        QCOMPARE(w.cmdPerformOperation[slot]->isEnabled(), perform);
    }

    void listOptionsEnableTheirGroups_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("fileGroup");
        QTest::addColumn<bool>("startGroup");
        Row("unordered, read file", "optUnorderedList", "optReadListData", true, false);
        Row("ordered, read file", "optOrderedList", "optReadListData", true, false);
        Row("unordered, blank", "optUnorderedList", "optBlankList", false, false);
        Row("ordered, numbered", "optOrderedList", "optBlankListWithItemNumbers", false, true);
    }

    void listOptionsEnableTheirGroups()
    {
        QFETCH(QString, type);
        QFETCH(QString, source);
        QFETCH(bool, fileGroup);
        QFETCH(bool, startGroup);
        frmMain& w = t->w();
        FIND(QRadioButton, typeOption, w, type);
        FIND(QRadioButton, sourceOption, w, source);
        t->showTab(3);
        for (const bool typeFirst : {true, false}) { // both orders of choosing give the same state
            (typeFirst ? typeOption : sourceOption)->click();
            (typeFirst ? sourceOption : typeOption)->click();
            for (const bool comingBack : {false, true}) { // and so does coming back to the tab
                if (comingBack) {
                    t->showTab(2);
                    t->showTab(3);
                    QCOMPARE(focus(), fileGroup ? tabBar() : static_cast<QWidget*>(w.txbNumberOfItems));
                }
                for (QWidget* c : {static_cast<QWidget*>(w.cmdSpecifyInputFile[ListSlot]),
                                   static_cast<QWidget*>(w.txbInputFile[ListSlot]),
                                   static_cast<QWidget*>(w.cboItemSeparator)})
                    QCOMPARE(c->isEnabled(), fileGroup);
                QCOMPARE(w.txbNumberOfItems->isEnabled(), !fileGroup);
                QCOMPARE(w.txbStartNumber->isEnabled(), startGroup);
                QCOMPARE(w.lblStartNumber->isEnabled(), startGroup);
                QCOMPARE(w.cboOrderedList->isEnabled(), type == "optOrderedList");
                QCOMPARE(w.cboUnorderedList->isEnabled(), type != "optOrderedList");
            }
        }
    }

    void headerFileTakesTitleColorsAndFocus_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("chooser"); // chosen with its button rather than typed
        Row("template, typed", 0, false);
        Row("template, chosen", 0, true);
        Row("text, chosen", 1, true);
    }

    void headerFileTakesTitleColorsAndFocus()
    {
        QFETCH(int, tab);
        QFETCH(bool, chooser);
        frmMain& w = t->w();
        t->showTab(tab);
        const int h = HeaderFooterIndexOfTab(tab);
        const int color = tab == 0 ? 1 : 2;
        w.chkUseSpecifiedColors[color]->click();
        QVERIFY(w.cmdSpecifyColors[color]->isEnabled());
        tabBar()->setFocus();
        if (chooser) {
            t->seam().expectFileDialog(
                {FileDialogRequest::Open, "Specify custom header file", "All files (*.*) | *.*", false},
                "/d/head.htm");
            QTest::keyClick(w.cmdSpecifyCustomHeaderFile[h], Qt::Key_Space);
        } else {
            QTest::keyClicks(w.txbCustomHeaderFile[h], "  /d/head.htm");
        }
        QCOMPARE(w.txbCustomHeaderFile[h]->text(), QStringLiteral("/d/head.htm"));
        QCOMPARE(focus(), w.txbCustomHeaderFile[h]);
        QCOMPARE(w.txbCustomHeaderFile[h]->cursorPosition(), 11);
        QCOMPARE(w.txbTitle->isEnabled(), tab != 0);
        QVERIFY(!w.chkUseSpecifiedColors[color]->isEnabled());
        QVERIFY(!w.cmdSpecifyColors[color]->isEnabled());
        QVERIFY(!w.lblTextHex[color]->isEnabled());
        QVERIFY(w.cmdViewHeaderFile[h]->isEnabled());
        w.txbCustomHeaderFile[h]->clear();
        QVERIFY(w.txbTitle->isEnabled());
        QVERIFY2(w.cmdSpecifyColors[color]->isEnabled(), "the check box is still ticked");
        QVERIFY(w.lblTextHex[color]->isEnabled());
    }

    void enterInABoxMovesTheFocus_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<QString>("next"); // empty: the tab bar
        Row("input", 1, "txbInputFile_0", false, "cmdSpecifyOutputFile_0");
        Row("output, perform enabled", 1, "txbOutputFile_0", false, "cmdPerformOperation_0");
        Row("output, perform disabled", 2, "txbOutputFile_1", false, "txbOutputFile_1");
        Row("header", 0, "txbCustomHeaderFile_1", false, "txbCustomFooterFile_1");
        Row("title, perform enabled", 0, "txbTitle", false, "cmdPerformOperation_5");
        Row("title, perform disabled", 0, "txbTitle", true, "cmdSpecifyOutputFile_5");
        Row("unordered list size", 3, "txbNumberOfItems", false, "");
        Row("ordered list size", 3, "txbNumberOfItems", true, "txbStartNumber");
        Row("start number", 3, "txbStartNumber", true, "");
    }

    void enterInABoxMovesTheFocus()
    {
        QFETCH(int, tab);
        QFETCH(QString, box);
        QFETCH(bool, ordered);
        QFETCH(QString, next);
        frmMain& w = t->w();
        t->showTab(tab);
        w.optBlankList->click();
        (ordered ? w.optOrderedList : w.optUnorderedList)->click();
        w.txbInputFile[TextSlot]->setText("/d/a.txt");
        w.txbOutputFile[TextSlot]->setText("/d/a.htm");
        w.txbOutputFile[TemplateSlot]->setText(ordered ? "" : "/d/a.htm"); // "ordered" rows: no output
        w.txbStartNumber->setText("12");
        FIND(QLineEdit, edit, w, box);
        edit->setFocus();
        for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
            edit->setFocus();
            PressEnter(edit, key);
            QCOMPARE(focus(), next.isEmpty() ? tabBar() : w.findChild<QWidget*>(next));
        }
        if (next == "txbStartNumber")
            QCOMPARE(w.txbStartNumber->cursorPosition(), 2);
    }

    void enterOnAButtonPressesIt_data() { EnterKeyRows(); }

    void enterOnAButtonPressesIt()
    {
        QFETCH(int, key);
        frmMain& w = t->w();
        t->seam().expectFileDialog(
            {FileDialogRequest::Save, "Specify output file", ".htm files (*.htm) | *.htm", false}, {});
        w.cmdSpecifyOutputFile[TextSlot]->setFocus();
        PressEnter(w.cmdSpecifyOutputFile[TextSlot], key);
        QVERIFY(t->seam().verifyDone());
        // Enter in the output box only moves to the perform button; a second Enter runs it.
        w.txbInputFile[TextSlot]->setText(t->writeFile("a.txt", "a\n"));
        w.txbOutputFile[TextSlot]->setText(t->path("missing/a.htm"));
        w.txbOutputFile[TextSlot]->setFocus();
        PressEnter(w.txbOutputFile[TextSlot], key);
        QCOMPARE(focus(), w.cmdPerformOperation[TextSlot]);
        QVERIFY(t->seam().verifyDone());
        t->seam().expectMessage("Error", "Output folder does not exist.", MsgIcon::Exclamation);
        PressEnter(focus(), key);
    }

    void tooltipsShowTheirTextAsWritten()
    {
        // Tooltips with tags read as written; every tooltip of the window and its dialogs reads as
        // its description says.
        FIND(QWidget, center, t->w(), "chkCenterTable4");
        FIND(QWidget, wrapper, t->w(), "chkAddHTMLWrapper4");
        QCOMPARE(center->accessibleDescription(), QStringLiteral("Add <CENTER>...</CENTER>."));
        QCOMPARE(wrapper->accessibleDescription(), QStringLiteral("Add <HTML>...</HTML>"));
        t->w().SpecifyColors();
        t->w().SpecifyBorderEtc();
        int tips = 0;
        for (QWidget* w : t->w().findChildren<QWidget*>()) {
            if (w->toolTip().isEmpty())
                continue;
            ++tips;
            QTextDocument shown;
            shown.setHtml(Qt::mightBeRichText(w->toolTip()) ? w->toolTip() : w->toolTip().toHtmlEscaped());
            QCOMPARE(shown.toPlainText(), w->accessibleDescription());
        }
        QVERIFY(tips >= 10);
    }

    void choosersFillTheirBoxes_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("quoted"); // the table tab's quoted-fields box ticked afterwards
        Row("a .txt input proposes its .htm", 1, "/dir/notes.txt", "/dir/notes.htm", false);
        Row("other inputs keep the output", 1, "/dir/data.csv", "/old/out.htm", false);
        Row("cancelled", 1, "", "/old/out.htm", false);
        Row("table: a .tsv input proposes its .htm", 4, "/dir/data.tsv", "/dir/data.htm", false);
        Row("table: a .csv input also ticks quoted fields", 4, "/dir/data.csv", "/dir/data.htm", true);
    }

    void choosersFillTheirBoxes()
    {
        QFETCH(int, tab);
        QFETCH(QString, chosen);
        QFETCH(QString, output);
        QFETCH(bool, quoted);
        frmMain& w = t->w();
        const int slot = SlotOfTab(tab);
        t->showTab(tab);
        w.txbInputFile[slot]->setText("/old/in.txt");
        w.txbOutputFile[slot]->setText("/old/out.htm");
        t->seam().expectFileDialog(
            {FileDialogRequest::Open, "Specify input file", "All files (*.*) | *.*", true}, chosen);
        w.cmdSpecifyInputFile[slot]->click();
        QCOMPARE(w.txbInputFile[slot]->text(), chosen.isEmpty() ? "/old/in.txt" : chosen);
        QCOMPARE(w.txbOutputFile[slot]->text(), output);
        QCOMPARE(w.chkQuotedFields3->isChecked(), quoted);
        QCOMPARE(focus(), tabBar());
        t->seam().expectFileDialog(
            {FileDialogRequest::Save, "Specify output file", ".htm files (*.htm) | *.htm", false}, chosen);
        w.cmdSpecifyOutputFile[slot]->click();
        QCOMPARE(w.txbOutputFile[slot]->text(), chosen.isEmpty() ? output : chosen);
        t->seam().expectFileDialog(
            {FileDialogRequest::Open, "Specify custom footer file", "All files (*.*) | *.*", false}, chosen);
        w.cmdSpecifyCustomFooterFile[0]->click();
        QCOMPARE(w.txbCustomFooterFile[0]->text(), chosen);
    }

    void clearEmptiesItsTabsBoxes()
    {
        frmMain& w = t->w();
        const QList<QLineEdit*> text{w.txbInputFile[TextSlot], w.txbOutputFile[TextSlot],
                                     w.txbCustomHeaderFile[0], w.txbCustomFooterFile[0]};
        const QList<QLineEdit*> page{w.txbTitle, w.txbOutputFile[TemplateSlot], w.txbCustomHeaderFile[1],
                                     w.txbCustomFooterFile[1]};
        for (QLineEdit* box : text + page)
            box->setText("/d/a.htm");
        for (const int index : {1, 0}) {
            t->showTab(index);
            w.Clear[index]->click();
            for (QLineEdit* box : text + page)
                QCOMPARE(box->text(), QString(index == 1 && page.contains(box) ? "/d/a.htm" : ""));
            QVERIFY(!w.cmdPerformOperation[index == 1 ? TextSlot : TemplateSlot]->isEnabled());
        }
    }

    void guideLinkOpensTheTabsPage()
    {
        t->showTab(3);
        const QString address = t->w().lblDocumentation[3]->text();
        QCOMPARE(QUrl(address).toLocalFile(),
                 QDir(QCoreApplication::applicationDirPath()).filePath("guide/data-to-list.htm"));
        t->seam().expectOpen(QUrl(address), true);
        QTest::mouseClick(t->w().lblDocumentation[3], Qt::LeftButton);
        t->seam().expectOpen(QUrl(address), false);
        t->seam().expectMessage("Pagewright",
                                "Error launching web browser. Please make sure that your web browser is "
                                "correctly installed and configured",
                                MsgIcon::Exclamation);
        QTest::mouseClick(t->w().lblDocumentation[3], Qt::LeftButton);
    }

    void quitSavesTheNamesForTheNextStart()
    {
        QStringList names;
        for (int s = 0; s < kSlotCount; ++s) {
            if (s < kInputSlotCount)
                t->w().txbInputFile[s]->setText(names.emplaceBack(QStringLiteral("/in/%1 file.txt").arg(s)));
            t->w().txbOutputFile[s]->setText(
                names.emplaceBack(QString::fromUtf8("/out/\xC3\xBC%1.htm").arg(s)));
        }
        t->w().txbInputFile[TextSlot]->setText(" /in/0 file.txt  ");
        t->showTab(5);
        t->seam().expectMessage("Quit", "Really quit?", MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No);
        t->w().cmdQuit[5]->click();
        QVERIFY(t->w().isVisible());
        QVERIFY(!QFile::exists(t->settingsFile()));
        t->seam().expectMessage("Quit", "Really quit?", MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes);
        t->w().cmdQuit[5]->click();
        QVERIFY(!t->w().isVisible());
        QVERIFY(TestWindow::readFile(t->settingsFile()).startsWith("\"/in/0 file.txt\"\r\n\"/out/\xC3\xBC"));

        TestWindow next({}, t->settingsFile());
        QStringList shown;
        for (int s = 0; s < kSlotCount; ++s) {
            if (s < kInputSlotCount)
                shown << next.w().txbInputFile[s]->text();
            shown << next.w().txbOutputFile[s]->text();
        }
        QCOMPARE(shown, names);
        QVERIFY(next.w().cmdPerformOperation[TextSlot]->isEnabled());
        // Closing the window saves without asking.
        next.w().txbOutputFile[DataTableSlot]->setText("/d/grid.htm");
        next.w().close();
        QCOMPARE(SettingsFile(t->settingsFile()).read().value(7), QStringLiteral("/d/grid.htm"));
        QVERIFY(next.seam().verifyDone());
    }

    void missingProgramTextEndsStartUp()
    {
        const QString folder = t->path("empty");
        QVERIFY(QDir().mkpath(folder));
        ScriptedPlatform seam;
        seam.expectMessage({}, "Cannot open file containing program text.\r\n" + folder + "/vellum_text.dat",
                           MsgIcon::Stop);
        frmMain window(seam, {folder, t->path("x.usr")});
        QVERIFY(!window.Form_Load());
        QVERIFY(seam.verifyDone());
        // A started window takes its title from the program text.
        QCOMPARE(t->w().windowTitle(), QStringLiteral("Pagewright 8.42"));
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
