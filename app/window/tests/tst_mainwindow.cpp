// The main window's shell: which handler each control reaches, the enabling and focus rules,
// Enter on buttons and in boxes, tooltips, the file choosers, Clear, Quit, the settings file and
// the page style. Controls are found by their captions and accessible names.
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyBorderEtc.h"
#include "dialogs/frmSpecifyColors.h"
#include "rules/CodeColouring.h"
#include "rules/PageStyle.h"
#include "rules/Settings.h"
#include "tablecreator/TableFile.h"
#include "widgets/Controls.h"

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>

using namespace pagewright;

namespace
{

// The perform button's caption of each tab but the Table Creator, by tab position.
const QString kPerform[] = {"Create HTML template", "Convert input text file to output HTML file",
                            "Convert code file to HTML file", "Create HTML for list",
                            "Convert data to table"};
const QString kColors = "Use specified colors for text and background";
const QString kBlank = "Blank list (do not read items from input file)";

// Drags the addresses over the widget and, when the drag is accepted, drops them; whether the
// drop was taken.
bool Drop(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPointF at = target->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

class tst_MainWindow : public WindowTestCase
{
    Q_OBJECT

private:
    QWidget* focus() { return t->w().focusWidget(); }
    QWidget* tabBar() { return t->w().findChild<QTabWidget*>()->tabBar(); }
    QWidget* page(int tab, TestWindow* w = nullptr)
    {
        return (w ? w : t.get())->w().findChild<QTabWidget*>()->widget(tab);
    }
    // The control of class W on the shown tab (or in scope) known by this name; a missing one
    // fails the test, which the null pointer then ends.
    template <typename W = QWidget> W* c(const QString& name, QWidget* scope = nullptr)
    {
        W* const found = t->control<W>(name, scope);
        if (!found)
            QTest::qFail(qPrintable("No single control known as " + name), __FILE__, __LINE__);
        return found;
    }

private slots:
    void editsClearTheResult_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("control");
        const QStringList controls[] = {
            {"Title", "Output file", "Custom footer file", "Page style"},
            {"Input file", "Custom header file", kColors, "Page style"},
            {"Add left margin of", "Convert tab characters to", "Page style"},
            {"Ordered list numbering", "Unordered list bullets", "Item separator is", "Add HTML wrapper",
             "Center list", "Ordered list", kBlank, "Number of items in list", "Start number", "Page style"},
            {"Separator character", "Number of left/right padding spaces", "Add HTML wrapper",
             "Center text (other than numbers) in cells", "Center table", kColors, "Page style"}};
        for (int tab = 0; tab < 5; ++tab)
            for (const QString& control : controls[tab])
                Row(qPrintable(QString::number(tab) + " " + control), tab, control);
    }

    void editsClearTheResult()
    {
        QFETCH(int, tab);
        QFETCH(QString, control);
        t->showTab(tab); // a run leaves its result and the output to view
        if (tab != 0)
            c<QLineEdit>("Input file")->setText(t->writeFile("a.txt", "a,b\n"));
        c<QLineEdit>("Output file")->setText(t->path("a.htm"));
        t->seam().expectDialog<frmHowToView>(
            [this](frmHowToView& d) { c<QPushButton>("Don't view now", &d)->click(); });
        c<QPushButton>(kPerform[tab])->click();
        QVERIFY(!t->result().isEmpty() && c("View output file")->isEnabled());
        if (auto* const box = t->control<QLineEdit>(control)) // a list's own text box first
            box->insert("x");
        else if (auto* const list = t->control<QComboBox>(control))
            list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
        else
            c<QAbstractButton>(control)->click();
        QCOMPARE(t->result(), QString());
        t->showTab(5); // coming back shows whether the output is still the one to view
        t->showTab(tab);
        QVERIFY(!c("View output file")->isEnabled());
    }

    void performAndViewFollowTheBoxes_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("source"); // the list tab's source option, for a list of 3 items
        QTest::addColumn<bool>("perform");
        QTest::addColumn<bool>("viewInput");
        Row("text", 1, "/d/a.txt", "/d/a.htm", "", true, true);
        Row("template", 0, "", "/d/a.htm", "", true, false);
        Row("code, no output", 2, "/d/a.c", "", "", false, true);
        Row("list from no file", 3, "", "a.htm", "Read (and count) list items from input file", false, false);
        Row("numbered list", 3, "/d/a.txt", "a.htm", "Blank list with item numbers", true, false);
        Row("table, text output", 4, "/d/a.txt", "/d/a.txt", "", false, true);
    }

    void performAndViewFollowTheBoxes()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, source);
        QFETCH(bool, perform);
        QFETCH(bool, viewInput);
        t->showTab(tab == 1 ? 2 : 1); // the boxes are filled while another tab is shown
        if (tab == 3) {
            c<QAbstractButton>(source, page(3))->click();
            c<QLineEdit>("Number of items in list", page(3))->setText("3");
        }
        if (tab != 0)
            c<QLineEdit>("Input file", page(tab))->setText(input);
        auto* const box = c<QLineEdit>("Output file", page(tab));
        box->setText(output);
        QWidget* const run = c(kPerform[tab], page(tab));
        QVERIFY(!run->isEnabled());
        t->showTab(tab);
        QCOMPARE(run->isEnabled(), perform);
        if (tab != 0)
            QCOMPARE(c("View input file")->isEnabled(), viewInput);
        box->clear();
        QVERIFY(!run->isEnabled());
        box->setText(output);
        QCOMPARE(run->isEnabled(), perform);
    }

    void listOptionsEnableTheirGroups_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("fileGroup");
        QTest::addColumn<bool>("startGroup");
        const QString read = "Read (and count) list items from input file";
        Row("unordered, read file", "Unordered list", read, true, false);
        Row("ordered, read file", "Ordered list", read, true, false);
        Row("unordered, blank", "Unordered list", kBlank, false, false);
        Row("ordered, numbered", "Ordered list", "Blank list with item numbers", false, true);
    }

    void listOptionsEnableTheirGroups()
    {
        QFETCH(QString, type);
        QFETCH(QString, source);
        QFETCH(bool, fileGroup);
        QFETCH(bool, startGroup);
        t->showTab(3);
        for (const bool typeFirst : {true, false}) { // both orders of choosing give the same state
            c<QAbstractButton>(typeFirst ? type : source)->click();
            c<QAbstractButton>(typeFirst ? source : type)->click();
            for (const bool comingBack : {false, true}) { // and so does coming back to the tab
                if (comingBack) {
                    t->showTab(2);
                    t->showTab(3);
                    QCOMPARE(focus(), fileGroup ? tabBar() : c("Number of items in list"));
                }
                for (const char* name : {"Specify input file", "Input file", "Item separator is"})
                    QCOMPARE(c(name)->isEnabled(), fileGroup);
                QCOMPARE(c("Number of items in list")->isEnabled(), !fileGroup);
                QCOMPARE(c("Start number")->isEnabled(), startGroup);
                QCOMPARE(c("Ordered list numbering")->isEnabled(), type == "Ordered list");
                QCOMPARE(c("Unordered list bullets")->isEnabled(), type != "Ordered list");
                for (const QLabel* label : t->tab()->findChildren<QLabel*>()) // as the boxes they name
                    QVERIFY(!label->buddy() || label->isEnabled() == label->buddy()->isEnabled());
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
        t->showTab(tab);
        auto* const check = c<QAbstractButton>(kColors);
        QWidget* const colors = c("Specify page colors");
        QWidget* const title = c("Title", page(0));
        QWidget* hex = nullptr; // the text colour's "#RRGGBB"
        for (QWidget* label : t->tab()->findChildren<QLabel*>())
            hex = label->accessibleDescription() == "Text color" ? label : hex;
        auto* const header = c<QLineEdit>("Custom header file");
        check->click();
        QVERIFY(colors->isEnabled() && hex->isEnabled());
        tabBar()->setFocus();
        if (chooser) {
            t->seam().expectFileDialog(
                {FileDialogRequest::Open, "Specify custom header file", "All files (*.*) | *.*", false},
                "/d/head.htm");
            QTest::keyClick(c("Specify custom header file"), Qt::Key_Space);
        } else {
            QTest::keyClicks(header, "  /d/head.htm");
        }
        QCOMPARE(header->text(), QStringLiteral("/d/head.htm"));
        QCOMPARE(focus(), header);
        QCOMPARE(header->cursorPosition(), 11);
        QCOMPARE(title->isEnabled(), tab != 0);
        QVERIFY(!check->isEnabled() && !colors->isEnabled() && !hex->isEnabled());
        QVERIFY(c("View header file")->isEnabled());
        header->clear();
        QVERIFY(title->isEnabled());
        QVERIFY2(colors->isEnabled() && hex->isEnabled(), "the check box is still ticked");
    }

    void enterInABoxMovesTheFocus_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("ordered"); // also: the template has no output
        QTest::addColumn<QString>("next"); // empty: the tab bar
        Row("input", 1, "Input file", false, "Specify output file");
        Row("output, perform enabled", 1, "Output file", false, kPerform[1]);
        Row("output, perform disabled", 2, "Output file", false, "Output file");
        Row("header", 0, "Custom header file", false, "Custom footer file");
        Row("title, perform enabled", 0, "Title", false, kPerform[0]);
        Row("title, perform disabled", 0, "Title", true, "Specify output file");
        Row("unordered list size", 3, "Number of items in list", false, "");
        Row("ordered list size", 3, "Number of items in list", true, "Start number");
        Row("start number", 3, "Start number", true, "");
    }

    void enterInABoxMovesTheFocus()
    {
        QFETCH(int, tab);
        QFETCH(QString, box);
        QFETCH(bool, ordered);
        QFETCH(QString, next);
        t->showTab(tab);
        c<QAbstractButton>(kBlank, page(3))->click();
        c<QAbstractButton>(ordered ? "Ordered list" : "Unordered list", page(3))->click();
        c<QLineEdit>("Start number", page(3))->setText("12");
        c<QLineEdit>("Input file", page(1))->setText("/d/a.txt");
        c<QLineEdit>("Output file", page(1))->setText("/d/a.htm");
        c<QLineEdit>("Output file", page(0))->setText(ordered ? "" : "/d/a.htm");
        for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
            c(box)->setFocus();
            PressEnter(c(box), key);
            QCOMPARE(focus(), next.isEmpty() ? tabBar() : c(next));
        }
        if (next == "Start number")
            QCOMPARE(c<QLineEdit>(next)->cursorPosition(), 2);
    }

    void tooltipsShowTheirTextAsWritten()
    {
        // Tooltips with tags read as written; every tooltip of the window and of the dialogs it
        // has shown reads as its description says.
        t->showTab(5);
        QCOMPARE(c("Center table")->accessibleDescription(), QStringLiteral("Add <CENTER>...</CENTER>."));
        QCOMPARE(c("Add HTML wrapper")->accessibleDescription(), QStringLiteral("Add <HTML>...</HTML>"));
        t->showTab(4);
        c<QAbstractButton>(kColors)->click();
        t->seam().expectDialog<frmSpecifyColors>([](QDialog& d) { d.reject(); });
        c<QAbstractButton>("Specify table colors")->click();
        t->seam().expectDialog<frmSpecifyBorderEtc>([](QDialog& d) { d.reject(); });
        c<QAbstractButton>("Specify width, border, cell padding and spacing")->click();
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
        QTest::addColumn<bool>("data"); // the table tab's two data boxes ticked afterwards
        Row("a .txt input proposes its .htm", 1, "/dir/notes.txt", "/dir/notes.htm", false);
        Row("other inputs keep the output", 1, "/dir/data.csv", "/old/out.htm", false);
        Row("cancelled", 1, "", "/old/out.htm", false);
        Row("table: a .txt input ticks no data box", 4, "/dir/data.txt", "/dir/data.htm", false);
        Row("table: a .tsv input proposes its .htm, ticks the data boxes", 4, "/dir/data.tsv",
            "/dir/data.htm", true);
        Row("table: a .csv input too", 4, "/dir/data.csv", "/dir/data.htm", true);
    }

    void choosersFillTheirBoxes()
    {
        QFETCH(int, tab);
        QFETCH(QString, chosen);
        QFETCH(QString, output);
        QFETCH(bool, data);
        t->showTab(tab);
        auto* const input = c<QLineEdit>("Input file");
        auto* const box = c<QLineEdit>("Output file");
        input->setText("/old/in.txt");
        box->setText("/old/out.htm");
        t->seam().expectFileDialog(
            {FileDialogRequest::Open, "Specify input file", "All files (*.*) | *.*", true}, chosen);
        c<QAbstractButton>("Specify input file")->click();
        QCOMPARE(input->text(), chosen.isEmpty() ? "/old/in.txt" : chosen);
        QCOMPARE(box->text(), output);
        QCOMPARE(c<QAbstractButton>("Fields may be quoted (CSV)", page(4))->isChecked(), data);
        QCOMPARE(c<QAbstractButton>("Data is plain text (escape <, > and &)", page(4))->isChecked(), data);
        QCOMPARE(focus(), tabBar());
        for (const int key : {Qt::Key_Return, Qt::Key_Enter}) { // Enter presses the focused button
            t->seam().expectFileDialog(
                {FileDialogRequest::Save, "Specify output file", ".htm files (*.htm) | *.htm", false},
                chosen);
            c("Specify output file")->setFocus();
            PressEnter(focus(), key);
        }
        QCOMPARE(box->text(), chosen.isEmpty() ? output : chosen);
        t->seam().expectFileDialog(
            {FileDialogRequest::Open, "Specify custom footer file", "All files (*.*) | *.*", false}, chosen);
        c<QAbstractButton>("Specify custom footer file", page(1))->click();
        QCOMPARE(c<QLineEdit>("Custom footer file", page(1))->text(), chosen);
    }

    // A file named on the command line goes to the tab that takes it as if chosen there; dropped
    // on a tab, on its boxes too, it goes to that tab.
    void filesFromOutsideGoToTheirTab_data()
    {
        QTest::addColumn<QString>("name"); // in the test's folder
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("output"); // proposed, in the test's folder; empty: none
        Row("source code", "main.CPP", 2, "");
        Row("data", "data.csv", 4, "data.htm");
        Row("text without an extension", "README", 1, "README.htm");
        Row("other text", "page.htm", 1, "");
        Row("missing file", "missing/notes.txt", 1, "missing/notes.htm");
    }

    void filesFromOutsideGoToTheirTab()
    {
        QFETCH(QString, name);
        QFETCH(int, tab);
        QFETCH(QString, output);
        const QString file = t->path(name);
        t->w().openFile(file);
        QCOMPARE(t->w().findChild<QTabWidget*>()->currentIndex(), tab);
        QCOMPARE(c<QLineEdit>("Input file")->text(), file);
        QCOMPARE(c<QLineEdit>("Output file")->text(), output.isEmpty() ? QString() : t->path(output));
        QCOMPARE(c(kPerform[tab])->isEnabled(), !output.isEmpty());
        QCOMPARE(c<QAbstractButton>("Fields may be quoted (CSV)", page(4))->isChecked(), name.endsWith(".csv"));

        t->showTab(3);
        QVERIFY(Drop(c<QLineEdit>("Output file"),
                     {QUrl("https://example.org/a.txt"), QUrl::fromLocalFile(file), QUrl::fromLocalFile("/b.txt")}));
        QCOMPARE(c<QLineEdit>("Input file")->text(), file);
        QCOMPARE(t->w().findChild<QTabWidget*>()->currentIndex(), 3);
    }

    void dropsTakeOnlyLocalFiles()
    {
        const QString file = t->writeFile("notes.txt", "x\n");
        t->showTab(1);
        QVERIFY(!Drop(t->tab(), {QUrl("https://example.org/a.txt")}));
        QVERIFY2(!Drop(t->tab(), {QUrl::fromLocalFile(t->path(""))}), "a folder");
        QVERIFY(Drop(t->tab(), {QUrl::fromLocalFile(file)}));
        QCOMPARE(c<QLineEdit>("Input file")->text(), file);
        QCOMPARE(focus(), tabBar());
        // A blank list reads no input file, nor does the template.
        t->showTab(3);
        c<QAbstractButton>(kBlank)->click();
        QVERIFY(!Drop(c<QLineEdit>("Output file"), {QUrl::fromLocalFile(file)}));
        QCOMPARE(c<QLineEdit>("Input file")->text(), QString());
        t->showTab(0);
        QVERIFY(!Drop(t->tab(), {QUrl::fromLocalFile(file)}));
    }

    // A table file opened from outside is loaded as Load does, with Load's message on failure.
    void tableFilesFromOutsideAreLoaded()
    {
        TableDocument document;
        document.center = true;
        document.outputFile = "/out/grid.htm";
        document.table.ApplyTableSize(3, 7);
        const QString table = t->writeFile("grid.TBL", TableFileBytes(document));
        t->w().openFile(table);
        QCOMPARE(t->w().findChild<QTabWidget*>()->currentIndex(), 5);
        QCOMPARE(c<QLineEdit>("Output file")->text(), "/out/grid.htm");
        QCOMPARE(c<QComboBox>("Columns")->currentText(), "7");
        QVERIFY(c<QAbstractButton>("Center table")->isChecked());

        const QString damaged = t->writeFile("damaged.txt", "1\r\n");
        t->seam().expectMessage("Load table error", "Error when attempting to load table.", MsgIcon::None);
        QVERIFY(Drop(c<QComboBox>("Rows"), {QUrl::fromLocalFile(damaged)}));
        QCOMPARE(c<QComboBox>("Columns")->currentText(), "7");
    }

    // A typed name ticks the data boxes as a chosen one does once it is committed (the focus leaves
    // the box, or Enter), not while it is typed; a box cleared by hand stays cleared for that name.
    void typedDataNamesTickTheDataBoxes()
    {
        t->w().activateWindow(); // focus leaves a box only in the active window
        QVERIFY(QTest::qWaitForWindowActive(&t->w()));
        t->showTab(4);
        auto* const input = c<QLineEdit>("Input file");
        auto* const plain = c<QAbstractButton>("Data is plain text (escape <, > and &)");
        const auto ticks = [&] {
            return QString("%1%2")
                .arg(c<QAbstractButton>("Fields may be quoted (CSV)")->isChecked())
                .arg(plain->isChecked());
        };
        const auto type = [&](const char* name, int key) {
            input->setFocus();
            input->selectAll();
            QTest::keyClicks(input, name);
            QCOMPARE(ticks(), QString(key ? "10" : "00"));
            key ? QTest::keyClick(input, Qt::Key(key)) : c("Specify output file")->setFocus();
        };
        type("/dir/data.csv", 0);
        QCOMPARE(ticks(), QString("11"));
        plain->click();
        type("/dir/data.csv", Qt::Key_Return);
        QCOMPARE(ticks(), QString("10"));
        type("/dir/data.TSV", Qt::Key_Return);
        QCOMPARE(ticks(), QString("11"));
    }

    void clearEmptiesItsTabsBoxes()
    {
        QList<QLineEdit*> boxes[2]; // of the template and the text tab
        for (const int tab : {0, 1})
            for (const char* name :
                 {tab ? "Input file" : "Title", "Output file", "Custom header file", "Custom footer file"})
                (boxes[tab] << c<QLineEdit>(name, page(tab))).last()->setText("/d/a.htm");
        for (const int tab : {1, 0}) {
            t->showTab(tab);
            c<QAbstractButton>("Clear")->click();
            for (const int other : {0, 1})
                for (QLineEdit* box : boxes[other])
                    QCOMPARE(box->text(), QString(tab == 1 && other == 0 ? "/d/a.htm" : ""));
            QVERIFY(!c(kPerform[tab])->isEnabled());
        }
    }

    void guideLinkOpensTheTabsPage()
    {
        t->showTab(3);
        auto* const link = t->tab()->findChild<LinkLabel*>();
        const QString address = link->text();
        QCOMPARE(QUrl(address).toLocalFile(),
                 QDir(QCoreApplication::applicationDirPath()).filePath("guide/data-to-list.htm"));
        t->seam().expectOpen(QUrl(address), true);
        QTest::mouseClick(link, Qt::LeftButton);
        t->seam().expectOpen(QUrl(address), false);
        t->seam().expectMessage("Pagewright",
                                "Error launching web browser. Please make sure that your web browser is "
                                "correctly installed and configured",
                                MsgIcon::Exclamation);
        QTest::mouseClick(link, Qt::LeftButton);
    }

    void quitSavesTheNamesForTheNextStart()
    {
        // The file boxes of every tab, in the order the settings file keeps them.
        const auto boxes = [this](TestWindow& window) {
            QList<QLineEdit*> all;
            for (int s = 0; s < kSlotCount; ++s) {
                if (s < kInputSlotCount)
                    all << window.control<QLineEdit>("Input file", page(TabOfSlot(s), &window));
                all << window.control<QLineEdit>("Output file", page(TabOfSlot(s), &window));
            }
            return all;
        };
        QStringList names;
        for (QLineEdit* box : boxes(*t))
            box->setText(names.emplaceBack(QString::fromUtf8("/f/\xC3\xBC %1.htm").arg(names.size())));
        boxes(*t).first()->setText(" /f/\xC3\xBC 0.htm  ");
        t->showTab(5);
        for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
            QVERIFY(t->w().isVisible() && !QFile::exists(t->settingsFile()));
            t->seam().expectMessage("Quit", "Really quit?", MsgIcon::Question, MsgButtons::YesNo, answer);
            c<QAbstractButton>("Quit")->click();
        }
        QVERIFY(!t->w().isVisible());
        QVERIFY(
            TestWindow::readFile(t->settingsFile()).startsWith("\"/f/\xC3\xBC 0.htm\"\r\n\"/f/\xC3\xBC 1"));

        TestWindow next({}, t->settingsFile());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(boxes(next)[i]->text(), names[i]);
        QVERIFY(next.control<QWidget>(kPerform[1], page(1, &next))->isEnabled());
        // Closing the window saves without asking.
        boxes(next)[7]->setText("/d/grid.htm");
        next.w().close();
        QCOMPARE(SettingsFile(t->settingsFile()).read().value(7), QStringLiteral("/d/grid.htm"));
        QVERIFY(next.seam().verifyDone());
    }

    // One page style for the window, chosen on any tab: every tab shows it, and it is kept for the
    // next start in pagewright.conf beside the settings file, which it leaves alone.
    void pageStyleIsSharedAndKept_data()
    {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < 6; ++tab)
            Row(qPrintable("chosen on tab " + QString::number(tab)), tab);
    }

    void pageStyleIsSharedAndKept()
    {
        QFETCH(int, tab);
        const QString conf = PageStyleFilePath(t->settingsFile());
        const auto shown = [this](TestWindow& window) {
            QStringList texts;
            for (int i = 0; i < 6; ++i)
                texts << window.control<QComboBox>("Page style", page(i, &window))->currentText();
            return texts;
        };
        QCOMPARE(shown(*t), QStringList(6, "Classic HTML"));
        t->showTab(tab);
        c<QComboBox>("Page style")->setCurrentIndex(1);
        QCOMPARE(shown(*t), QStringList(6, "HTML5 with CSS"));
        QCOMPARE(TestWindow::readFile(conf), QByteArray("[General]\npageStyle=html5\n"));
        QVERIFY(!QFile::exists(t->settingsFile()));

        TestWindow next({}, t->settingsFile());
        QCOMPARE(shown(next), QStringList(6, "HTML5 with CSS"));
        next.showTab((tab + 1) % 6);
        next.control<QComboBox>("Page style")->setCurrentIndex(0);
        QCOMPARE(shown(next), QStringList(6, "Classic HTML"));
        QCOMPARE(ReadPageStyle(conf), PageStyle::Classic);
        next.w().close();
        QCOMPARE(TestWindow::readFile(t->settingsFile()),
                 QByteArray("\"\"\r\n").repeated(kSettingsValueCount));
        QVERIFY(next.seam().verifyDone());
    }

    // The Code to HTML tab's colouring choices serve HTML5 pages only, "Language" only while the code
    // is coloured; Tab reaches them after "Page style", and each change is kept in pagewright.conf
    // for the next start.
    void codeColouringFollowsThePageStyleAndIsKept()
    {
        const QString conf = PageStyleFilePath(t->settingsFile());
        const auto enabled = [this] {
            return QList<bool>{c("Colour the code")->isEnabled(), c("Language")->isEnabled(),
                               c("Line numbers")->isEnabled()};
        };
        t->showTab(2);
        QCOMPARE(enabled(), QList<bool>({false, false, false}));
        QVERIFY(c<QAbstractButton>("Colour the code")->isChecked());
        QCOMPARE(c<QComboBox>("Language")->currentText(), "Automatic");
        QVERIFY(!c<QAbstractButton>("Line numbers")->isChecked());
        t->showTab(1); // chosen on another tab
        c<QComboBox>("Page style")->setCurrentIndex(1);
        t->showTab(2);
        QCOMPARE(enabled(), QList<bool>({true, true, true}));

        c("Page style")->setFocus();
        for (const char* next : {"Colour the code", "Language", "Line numbers"}) {
            QTest::keyClick(focus(), Qt::Key_Tab);
            QCOMPARE(focus(), c(next));
        }
        c("Colour the code")->setFocus();
        QTest::keyClick(focus(), Qt::Key_Space);
        QCOMPARE(enabled(), QList<bool>({true, false, true}));
        for (const QLabel* label : t->tab()->findChildren<QLabel*>())
            QVERIFY(!label->buddy() || label->isEnabled() == label->buddy()->isEnabled());
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focus(), c("Line numbers"));
        QCOMPARE(ReadCodeColouring(conf), (CodeColouring{false, "", false}));

        c<QAbstractButton>("Colour the code")->click();
        c<QComboBox>("Language")->setCurrentIndex(5);
        c<QAbstractButton>("Line numbers")->click();
        QCOMPARE(ReadCodeColouring(conf), (CodeColouring{true, "go", true}));

        TestWindow next({}, t->settingsFile());
        next.showTab(2);
        QCOMPARE(next.control<QComboBox>("Language")->currentText(), "Go");
        QVERIFY(next.control<QAbstractButton>("Line numbers")->isChecked());
        QVERIFY(next.control<QWidget>("Language")->isEnabled());
        next.control<QComboBox>("Page style")->setCurrentIndex(0);
        QVERIFY(!next.control<QWidget>("Line numbers")->isEnabled());
        QVERIFY(next.control<QAbstractButton>("Line numbers")->isChecked()); // kept, only disabled
        QVERIFY(next.seam().verifyDone());
    }

    void missingProgramTextEndsStartUp()
    {
        const QString folder = t->path("empty");
        QVERIFY(QDir().mkpath(folder));
        ScriptedPlatform seam;
        seam.expectMessage({}, "Cannot open file containing program text.\r\n" + folder + "/vellum_text.dat",
                           MsgIcon::Stop);
        MainWindow window(seam, {folder, t->path("x.usr")});
        QVERIFY(!window.start());
        QVERIFY(seam.verifyDone());
        // A started window takes its title from the program text.
        QCOMPARE(t->w().windowTitle(), QStringLiteral("Pagewright 8.42"));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
