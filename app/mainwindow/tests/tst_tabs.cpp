// The Code to HTML, Data to List and Data to Table tabs: their option handlers, the checks of
// their runs and what the result line says, through the scripted seam and the real library.
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace pagewright;

namespace
{

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Declines to view the output after a successful run.
void NotNow(QDialog& dialog)
{
    dialog.findChild<QPushButton*>("cmdNotNow")->click();
}

} // namespace

class tst_Tabs : public WindowTestCase
{
    Q_OBJECT

private:
    QRadioButton* Option(const char* name) { return t->find<QRadioButton>(name); }
    QComboBox* List(const char* name) { return t->find<QComboBox>(name); }

    // The list tab with a blank list (numbered or not) written into list.htm.
    void BlankList(bool ordered, bool numbered, const QString& count, const QString& start)
    {
        t->showTab(3);
        Option(ordered ? "optOrderedList" : "optUnorderedList")->click();
        Option(numbered ? "optBlankListWithItemNumbers" : "optBlankList")->click();
        t->box("txbOutputFile_2")->setText(t->path("list.htm"));
        t->box("txbNumberOfItems")->setText(count);
        t->box("txbStartNumber")->setText(start);
    }

private slots:
    void spacesLabelsFollowTheNumbers()
    {
        t->showTab(2);
        QCOMPARE(List("cboMarginSpaces")->currentText(), QStringLiteral("4"));
        QCOMPARE(t->label("lblMarginSpaces2")->text(), QStringLiteral("spaces"));
        List("cboMarginSpaces")->setCurrentIndex(1);
        QCOMPARE(t->label("lblMarginSpaces2")->text(), QStringLiteral("space"));
        List("cboMarginSpaces")->setCurrentIndex(0);
        QCOMPARE(t->label("lblMarginSpaces2")->text(), QStringLiteral("spaces"));
        List("cboTabSpaces")->setCurrentIndex(0);
        QCOMPARE(List("cboTabSpaces")->currentText(), QStringLiteral("1"));
        QCOMPARE(t->label("lblTabSpaces2")->text(), QStringLiteral("space"));
        QCOMPARE(t->label("lblMarginSpaces2")->text(), QStringLiteral("spaces"));
    }

    void optionChangesClearTheResult_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("control");
        QTest::newRow("margin") << 2 << "cboMarginSpaces";
        QTest::newRow("tab width") << 2 << "cboTabSpaces";
        QTest::newRow("ordered style") << 3 << "cboOrderedList";
        QTest::newRow("bullets") << 3 << "cboUnorderedList";
        QTest::newRow("item separator") << 3 << "cboItemSeparator";
        QTest::newRow("list wrapper") << 3 << "chkAddHTMLWrapper2";
        QTest::newRow("center list") << 3 << "chkCenterList";
        QTest::newRow("ordered") << 3 << "optOrderedList";
        QTest::newRow("blank list") << 3 << "optBlankList";
        QTest::newRow("start number") << 3 << "txbStartNumber";
        QTest::newRow("separator") << 4 << "cboSeparatorChar";
        QTest::newRow("typed separator") << 4 << "cboSeparatorCharText";
        QTest::newRow("padding") << 4 << "cboPaddingSpaces";
        QTest::newRow("table wrapper") << 4 << "chkAddHTMLWrapper3";
        QTest::newRow("center text") << 4 << "chkCenterText3";
        QTest::newRow("center table") << 4 << "chkCenterTable3";
    }

    void optionChangesClearTheResult()
    {
        QFETCH(int, tab);
        QFETCH(QString, control);
        t->showTab(tab);
        const int slot = SlotOfTab(tab);
        t->w().OutputReady[slot] = true;
        t->label(Indexed("Label2", slot))->setText("Conversion successful.");
        QWidget* w = t->w().findChild<QWidget*>(control);
        QVERIFY(w != nullptr);
        if (auto* list = qobject_cast<QComboBox*>(w))
            list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->click();
        else if (auto* box = qobject_cast<QLineEdit*>(w))
            box->setText(box->text() + "7");
        QCOMPARE(t->label(Indexed("Label2", slot))->text(), QString());
        QVERIFY(!t->w().OutputReady[slot]);
    }

    void listOptionsEnableTheirGroups_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("fileGroup");
        QTest::addColumn<bool>("countGroup");
        QTest::addColumn<bool>("startGroup");
        QTest::newRow("unordered, read file") << "optUnorderedList"
                                              << "optReadListData" << true << false << false;
        QTest::newRow("ordered, read file") << "optOrderedList"
                                            << "optReadListData" << true << false << false;
        QTest::newRow("unordered, blank") << "optUnorderedList"
                                          << "optBlankList" << false << true << false;
        QTest::newRow("ordered, blank") << "optOrderedList"
                                        << "optBlankList" << false << true << true;
        QTest::newRow("ordered, numbered") << "optOrderedList"
                                           << "optBlankListWithItemNumbers" << false << true << true;
        QTest::newRow("unordered, numbered") << "optUnorderedList"
                                             << "optBlankListWithItemNumbers" << false << true << false;
    }

    void listOptionsEnableTheirGroups()
    {
        QFETCH(QString, type);
        QFETCH(QString, source);
        QFETCH(bool, fileGroup);
        QFETCH(bool, countGroup);
        QFETCH(bool, startGroup);
        t->showTab(3);
        // Both orders of choosing give the same state.
        for (const bool typeFirst : {true, false}) {
            QRadioButton* typeOption = t->find<QRadioButton>(type);
            QRadioButton* sourceOption = t->find<QRadioButton>(source);
            if (typeFirst) {
                typeOption->click();
                sourceOption->click();
            } else {
                sourceOption->click();
                typeOption->click();
            }
            for (const char* name :
                 {"cmdSpecifyInputFile_2", "txbInputFile_2", "lblItemSeparator", "cboItemSeparator"})
                QCOMPARE(t->w().findChild<QWidget*>(name)->isEnabled(), fileGroup);
            for (const char* name : {"lblNumberOfItems", "txbNumberOfItems"})
                QCOMPARE(t->w().findChild<QWidget*>(name)->isEnabled(), countGroup);
            for (const char* name : {"lblStartNumber", "txbStartNumber"})
                QCOMPARE(t->w().findChild<QWidget*>(name)->isEnabled(), startGroup);
            const bool ordered = type == "optOrderedList";
            QCOMPARE(List("cboOrderedList")->isEnabled(), ordered);
            QCOMPARE(List("cboUnorderedList")->isEnabled(), !ordered);
            // Switching away from the tab and back keeps the state.
            t->showTab(2);
            t->showTab(3);
            QCOMPARE(t->box("txbStartNumber")->isEnabled(), startGroup);
        }
    }

    void enterInTheListBoxes()
    {
        t->showTab(3);
        Option("optBlankList")->click();
        QCOMPARE(t->w().focusWidget(), static_cast<QWidget*>(t->box("txbNumberOfItems")));
        QTest::keyClick(t->box("txbNumberOfItems"), Qt::Key_Return);
        QCOMPARE(t->w().focusWidget(), static_cast<QWidget*>(t->w().SSTab1->tabBar()));
        Option("optOrderedList")->click();
        t->box("txbStartNumber")->setText("12");
        t->box("txbNumberOfItems")->setFocus();
        QTest::keyClick(t->box("txbNumberOfItems"), Qt::Key_Return);
        QCOMPARE(t->w().focusWidget(), static_cast<QWidget*>(t->box("txbStartNumber")));
        QCOMPARE(t->box("txbStartNumber")->cursorPosition(), 2);
        QTest::keyClick(t->box("txbStartNumber"), Qt::Key_Return);
        QCOMPARE(t->w().focusWidget(), static_cast<QWidget*>(t->w().SSTab1->tabBar()));
    }

    void blankListChecks_data()
    {
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("message"); // empty: the list is written
        QTest::addColumn<QString>("countAfter");
        QTest::addColumn<QString>("startAfter");
        QTest::addColumn<QString>("caption");
        QTest::newRow("999 from 999") << true << "999"
                                      << "999"
                                      << ""
                                      << "999"
                                      << "999"
                                      << "HTML written for an ordered list with 999 items.";
        QTest::newRow("1000 items") << true << "1000"
                                    << "1"
                                    << "Number of items must be less than 1000."
                                    << ""
                                    << "1"
                                    << "";
        QTest::newRow("count too large for an integer") << true << "99999999999"
                                                        << "1"
                                                        << "Number of items must be less than 1000."
                                                        << ""
                                                        << "1"
                                                        << "";
        QTest::newRow("start 1000") << true << "5"
                                    << "1000"
                                    << "Start number must be less than 1000."
                                    << "5"
                                    << "1"
                                    << "";
        QTest::newRow("0.6 items") << false << "0.6"
                                   << "1"
                                   << ""
                                   << "0.6"
                                   << "1"
                                   << "HTML written for an unordered list with 1 item.";
        QTest::newRow("999.5 items") << true << "999.5"
                                     << "1"
                                     << "Number of items must be less than 1000."
                                     << ""
                                     << "1"
                                     << "";
        QTest::newRow("start 0.6") << true << "3"
                                   << "0.6"
                                   << "Invalid start number!"
                                   << "3"
                                   << "1"
                                   << "";
        QTest::newRow("empty start") << true << "2"
                                     << "  "
                                     << ""
                                     << "2"
                                     << "1"
                                     << "HTML written for an ordered list with 2 items.";
        QTest::newRow("letters") << true << "many"
                                 << "1"
                                 << "Invalid number of items!"
                                 << ""
                                 << "1"
                                 << "";
        QTest::newRow("unordered checks the start too") << false << "3"
                                                        << "0"
                                                        << "Invalid start number!"
                                                        << "3"
                                                        << "1"
                                                        << "";
    }

    void blankListChecks()
    {
        QFETCH(bool, ordered);
        QFETCH(QString, count);
        QFETCH(QString, start);
        QFETCH(QString, message);
        QFETCH(QString, countAfter);
        QFETCH(QString, startAfter);
        QFETCH(QString, caption);
        BlankList(ordered, false, count, start);
        if (message.isEmpty())
            t->seam().expectDialog("frmHowToView", NotNow);
        else
            t->seam().expectMessage("Error", message, MsgIcon::Exclamation);
        t->w().cmdPerformOperation_Click(ListSlot);
        QCOMPARE(t->box("txbNumberOfItems")->text(), countAfter);
        QCOMPARE(t->box("txbStartNumber")->text(), startAfter);
        QCOMPARE(t->label("Label2_2")->text(), caption);
        QCOMPARE(QFile::exists(t->path("list.htm")), message.isEmpty());
        QCOMPARE(t->w().OutputReady[ListSlot], message.isEmpty());
    }

    void startNumberIsRoundedHalfToEven()
    {
        BlankList(true, true, "2", "1.5");
        t->seam().expectDialog("frmHowToView", NotNow);
        t->w().cmdPerformOperation_Click(ListSlot);
        const QByteArray page = ReadAll(t->path("list.htm"));
        QVERIFY2(page.contains("start=2") || page.contains("start=\"2\""), page.constData());
        QVERIFY2(page.contains("Item 1"), page.constData());
    }

    void readingAFileWithoutItems()
    {
        t->showTab(3);
        t->box("txbInputFile_2")->setText(t->writeFile("empty.txt", "\n\n\n"));
        t->box("txbOutputFile_2")->setText(t->path("list.htm"));
        t->w().cmdPerformOperation_Click(ListSlot);
        QCOMPARE(t->label("Label2_2")->text(), QStringLiteral("No list items found in input file."));
        QVERIFY(!t->w().OutputReady[ListSlot]);
        QVERIFY(!t->button("cmdViewOutputFile_2")->isEnabled());
    }

    void readingAFileOfOneItemIsSingular()
    {
        t->showTab(3);
        Option("optOrderedList")->click();
        t->box("txbInputFile_2")->setText(t->writeFile("one.txt", "only\n"));
        t->box("txbOutputFile_2")->setText(t->path("list.htm"));
        t->seam().expectDialog("frmHowToView", NotNow);
        t->w().cmdPerformOperation_Click(ListSlot);
        QCOMPARE(t->label("Label2_2")->text(),
                 QStringLiteral("HTML written for an ordered list with 1 item."));
    }

    void codeRunWithAnyExtension()
    {
        t->showTab(2);
        t->box("txbInputFile_1")->setText(t->writeFile("prog.bas", "10 PRINT\n"));
        t->box("txbOutputFile_1")->setText(t->path("prog.htm"));
        t->seam().expectDialog("frmHowToView", NotNow);
        t->w().cmdPerformOperation_Click(CodeSlot);
        QCOMPARE(t->label("Label2_1")->text(), QStringLiteral("Conversion successful."));
        QVERIFY(t->w().OutputReady[CodeSlot]);
        // A later change of a number clears the result.
        List("cboTabSpaces")->setCurrentIndex(0);
        QCOMPARE(t->label("Label2_1")->text(), QString());
        QVERIFY(!t->w().OutputReady[CodeSlot]);
    }

    void codeRunWithAMissingInput()
    {
        t->showTab(2);
        t->box("txbInputFile_1")->setText(t->path("gone.c"));
        t->box("txbOutputFile_1")->setText(t->path("gone.htm"));
        t->w().cmdPerformOperation_Click(CodeSlot);
        QCOMPARE(t->label("Label2_1")->text(), QStringLiteral("Could not open input file."));
        QVERIFY(!t->w().OutputReady[CodeSlot]);
    }

    void overwriteDeclinedWritesNothing()
    {
        t->showTab(4);
        t->box("txbInputFile_3")->setText(t->writeFile("data.txt", "a,b\n"));
        t->box("txbOutputFile_3")->setText(t->writeFile("data.htm", "old"));
        t->seam().expectMessage("Warning", "Output file exists.  Overwrite?", MsgIcon::Exclamation,
                                MsgButtons::YesNoCancel, MsgAnswer::No);
        t->w().cmdPerformOperation_Click(DataTableSlot);
        QCOMPARE(ReadAll(t->path("data.htm")), QByteArray("old"));
        QCOMPARE(t->label("Label2_3")->text(), QString());
    }

    void separators_data()
    {
        QTest::addColumn<QString>("separator"); // an entry or typed text
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message"); // empty: the table is written
        QTest::addColumn<QString>("caption");
        QTest::newRow("comma entry") << "comma (44)" << QByteArray("a,b,c\n1,2,3\n") << ""
                                     << "HTML written for a table with 2 rows and 3 columns.";
        QTest::newRow("tab entry") << "tab (9)" << QByteArray("a\tb,c\n") << ""
                                   << "HTML written for a table with 1 row and 2 columns.";
        QTest::newRow("space entry splits tabs too") << "space (32)" << QByteArray("a b\tc\n") << ""
                                                     << "HTML written for a table with 1 row and 3 columns.";
        QTest::newRow("typed bar") << "|" << QByteArray("a|b\n") << ""
                                   << "HTML written for a table with 1 row and 2 columns.";
        QTest::newRow("typed text: its first character")
            << ";x" << QByteArray("a;b;c;d\n") << ""
            << "HTML written for a table with 1 row and 4 columns.";
        QTest::newRow("empty box") << "" << QByteArray("a,b\n") << "No separator character is given."
                                   << "";
        QTest::newRow("one value") << "comma (44)" << QByteArray("x\n") << ""
                                   << "HTML written for a table with 1 row and 1 column.";
    }

    void separators()
    {
        QFETCH(QString, separator);
        QFETCH(QByteArray, data);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        t->showTab(4);
        t->box("txbInputFile_3")->setText(t->writeFile("data.txt", data));
        t->box("txbOutputFile_3")->setText(t->path("data.htm"));
        QComboBox* box = List("cboSeparatorChar");
        box->setCurrentIndex(2); // an entry other than the first, so typing replaces it
        box->lineEdit()->selectAll();
        box->lineEdit()->del();
        QTest::keyClicks(box->lineEdit(), separator);
        QCOMPARE(box->count(), 4);
        if (message.isEmpty())
            t->seam().expectDialog("frmHowToView", NotNow);
        else
            t->seam().expectMessage("Error", message, MsgIcon::Exclamation);
        t->w().cmdPerformOperation_Click(DataTableSlot);
        QCOMPARE(t->label("Label2_3")->text(), caption);
        QCOMPARE(QFile::exists(t->path("data.htm")), message.isEmpty());
        // Enter in the box does not add the typed text to the entries.
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(box->count(), 4);
    }

    void tableColorsAndPropertiesReachTheTable()
    {
        t->showTab(4);
        t->box("txbInputFile_3")->setText(t->writeFile("data.txt", "a,b\n"));
        t->box("txbOutputFile_3")->setText(t->path("data.htm"));
        t->w().TableWidth[0] = 80;
        t->w().WidthInPixels[0] = 0;
        t->w().TableBorder[0] = -1;
        t->w().TableCellPadding[0] = 7;
        t->find<QCheckBox>("chkUseSpecifiedColors_0")->click();
        t->label("lblTextHex_0")->setText("#102030");
        t->seam().expectDialog("frmHowToView", NotNow);
        t->w().cmdPerformOperation_Click(DataTableSlot);
        QByteArray page = ReadAll(t->path("data.htm"));
        QVERIFY2(page.contains("#102030") && page.contains("#FFFFFF"), page.constData());
        QVERIFY2(page.contains("80%"), page.constData());
        QVERIFY2(!page.contains("border"), page.constData());
        QVERIFY2(page.contains("7"), page.constData());

        // Unticked, the colours stay out of the table whatever was chosen.
        t->find<QCheckBox>("chkUseSpecifiedColors_0")->click();
        t->seam().expectMessage("Warning", "Output file exists.  Overwrite?", MsgIcon::Exclamation,
                                MsgButtons::YesNoCancel, MsgAnswer::Yes);
        t->seam().expectDialog("frmHowToView", NotNow);
        t->w().cmdPerformOperation_Click(DataTableSlot);
        page = ReadAll(t->path("data.htm"));
        QVERIFY2(!page.contains("#102030") && !page.contains("#FFFFFF"), page.constData());
    }
};

QTEST_MAIN(tst_Tabs)
#include "tst_tabs.moc"
