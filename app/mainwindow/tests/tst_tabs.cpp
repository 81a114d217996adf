// The perform buttons of the tabs: the checks before a run, the overwrite question, and one run
// per tab through the real conversion library, its page compared with the page expected.
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyBorderEtc.h"
#include "dialogs/frmSpecifyColors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <unistd.h>

using namespace pagewright;

namespace
{

QByteArray Expected(const char* name)
{
    return TestWindow::readFile(QStringLiteral(EXPECTED_FOLDER "/") + QLatin1String(name));
}

const auto NotNow = &frmHowToView::cmdNotNow;
using Setup = std::function<void(pagewright::frmMain&)>;

} // namespace

Q_DECLARE_METATYPE(Setup)

class tst_Tabs : public WindowTestCase
{
    Q_OBJECT

private:
    // Shows a tab and fills its boxes: input (written with text when given) and output, both
    // in the test folder.
    void Files(int tab, const QString& input, const QByteArray& text, const QString& output)
    {
        t->showTab(tab);
        const int slot = SlotOfTab(tab);
        if (!input.isEmpty() && slot < kInputSlotCount)
            t->w().txbInputFile[slot]->setText(text.isNull() ? t->path(input) : t->writeFile(input, text));
        t->w().txbOutputFile[slot]->setText(t->path(output));
    }
    // A numbered blank list of this many items from this start number.
    static Setup BlankList(const char* count, const char* start)
    {
        return [=](frmMain& w) {
            w.optOrderedList->click();
            w.optBlankListWithItemNumbers->click();
            w.txbNumberOfItems->setText(count);
            w.txbStartNumber->setText(start);
        };
    }
    // The separator typed over the third entry; typed text is not added to the entries.
    static Setup Separator(const char* typed)
    {
        return [=](frmMain& w) {
            QComboBox* box = w.cboSeparatorChar;
            box->setCurrentIndex(2);
            box->lineEdit()->selectAll();
            box->lineEdit()->del();
            QTest::keyClicks(box->lineEdit(), typed);
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            QCOMPARE(box->count(), 4);
        };
    }
    QString result(int slot) { return t->w().Label2[slot]->text(); }
    QByteArray page(const QString& name) { return TestWindow::readFile(t->path(name)); }

    // A folder holding the program text and, when given, this file as the conversion library.
    QString ProgramFolderWith(const QString& library)
    {
        const QString folder = t->path("program");
        QDir().mkpath(folder);
        QFile::copy(QCoreApplication::applicationDirPath() + "/vellum_text.dat", folder + "/vellum_text.dat");
        if (!library.isEmpty())
            QFile::copy(library, folder + "/libvellum62.so");
        return folder;
    }

private slots:
    void refusedBeforeRunning_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("listBoxes"); // item count and start number afterwards
        const Setup none = [](frmMain&) {};
        const QString error = "Error", extension = "Invalid file extension";
        const QString txt = "Input file must have file extension \"txt\".";
        Row("text: not .txt", 1, "data.csv", "out.htm", none, extension, txt, "|1");
        Row("table: name ending in a dot", 4, "notes.", "out.htm", none, extension, txt, "|1");
        Row("code: missing input folder", 2, "none/a.c", "out.htm", none, error,
            "Input folder does not exist.", "|1");
        Row("list: missing output folder", 3, "notes.txt", "none/out.htm", none, error,
            "Output folder does not exist.", "|1");
        Row("template: missing output folder", 0, "", "none/out.htm", none, error,
            "Output folder does not exist.", "|1");
        Row("list: 1000 items", 3, "", "out.htm", BlankList("1000", "1"), error,
            "Number of items must be less than 1000.", "|1");
        Row("list: start 0.6", 3, "", "out.htm", BlankList("3", "0.6"), error, "Invalid start number!",
            "3|1");
        Row("table: empty separator box", 4, "notes.txt", "out.htm", Separator(""), error,
            "No separator character is given.", "|1");
    }

    void refusedBeforeRunning()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(Setup, setup);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, listBoxes);
        t->writeFile("notes.txt", "text\n");
        Files(tab, input, {}, output);
        setup(t->w());
        const int slot = SlotOfTab(tab);
        if (!input.isEmpty())
            t->w().txbInputFile[slot]->insert("  ");
        t->seam().expectMessage(title, message, MsgIcon::Exclamation);
        t->w().cmdPerformOperation[slot]->click();
        QCOMPARE(result(slot), QString());
        QVERIFY(!QFile::exists(t->path(output)));
        if (!input.isEmpty() && slot != CodeSlot)
            QCOMPARE(t->w().txbInputFile[slot]->text(), t->path(input)); // kept trimmed
        QCOMPARE(t->w().txbNumberOfItems->text() + "|" + t->w().txbStartNumber->text(), listBoxes);
    }

    void outputSameAsASourceIsRefused_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("viaLink"); // a symbolic link, else a second (hard) name
        Row("input", 1, "input", false);
        Row("input through a link", 1, "input", true);
        Row("header", 1, "header", false);
        Row("template footer through a link", 0, "footer", true);
    }

    void outputSameAsASourceIsRefused()
    {
        QFETCH(int, tab);
        QFETCH(QString, which);
        QFETCH(bool, viaLink);
        const QString source = t->writeFile("source.txt", "precious\n");
        const QString output = t->path("same.htm");
        QVERIFY(viaLink ? QFile::link(source, output) : ::link(qPrintable(source), qPrintable(output)) == 0);
        const int slot = SlotOfTab(tab);
        const int h = HeaderFooterIndexOfTab(tab);
        Files(tab, "other.txt", "x\n", "same.htm");
        if (which == "input")
            t->w().txbInputFile[slot]->setText(source);
        else
            (which == "header" ? t->w().txbCustomHeaderFile : t->w().txbCustomFooterFile)[h]->setText(source);
        t->seam().expectMessage("Error", "Output file is the same as the " + which + " file.",
                                MsgIcon::Exclamation);
        t->w().cmdPerformOperation[slot]->click();
        QCOMPARE(page("source.txt"), QByteArray("precious\n"));
        QCOMPARE(result(slot), QString());
    }

    void overwriteIsAskedForFilesOnly_data()
    {
        QTest::addColumn<bool>("folder"); // a folder has the output's name
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("caption");
        Row("No", false, int(MsgAnswer::No), "");
        Row("Cancel", false, int(MsgAnswer::Cancel), "");
        Row("Yes", false, int(MsgAnswer::Yes), "Conversion successful.");
        Row("a folder is not offered", true, -1, "Could not open output file.");
    }

    void overwriteIsAskedForFilesOnly()
    {
        QFETCH(bool, folder);
        QFETCH(int, answer);
        QFETCH(QString, caption);
        if (folder)
            QVERIFY(QDir().mkpath(t->path("out.htm")));
        else
            t->writeFile("out.htm", "old page");
        Files(1, "notes.txt", "text\n", "out.htm");
        if (answer >= 0)
            t->seam().expectMessage("Warning", "Output file exists.  Overwrite?", MsgIcon::Exclamation,
                                    MsgButtons::YesNoCancel, MsgAnswer(answer));
        if (answer == int(MsgAnswer::Yes))
            t->seam().expectHowToView(NotNow);
        t->w().cmdPerformOperation[TextSlot]->click();
        QCOMPARE(result(TextSlot), caption);
        QCOMPARE(t->w().OutputReady[TextSlot], answer == int(MsgAnswer::Yes));
        QCOMPARE(page("out.htm") == "old page",
                 answer == int(MsgAnswer::No) || answer == int(MsgAnswer::Cancel));
        QCOMPARE(QFileInfo(t->path("out.htm")).isDir(), folder);
    }

    void refusedInputLeavesTheOldPage_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("outputExisted");
        const QString html(
            "Input file contains \"%1\" so appears to be HTML not text. No output file created.");
        Row("<html>", 1, QByteArray("intro\n<html>\n<body>x</body>\n"), html.arg("<HTML>"), false);
        Row("<x-html> over an old page", 1, QByteArray("a\n<x-Html>\n"), html.arg("<X-HTML>"), true);
        const QString binary(
            "Input file contains NUL bytes so appears to be binary not text. No output file created.");
        Row("binary code over an old page", 2,
            QByteArray("\x7F"
                       "ELF\x02\x01\n\0\0\x03",
                       10),
            binary, true);
        Row("binary data", 4, QByteArray("a,b\nc\0,d\n", 9), binary, false);
    }

    void refusedInputLeavesTheOldPage()
    {
        QFETCH(int, tab);
        QFETCH(QByteArray, text);
        QFETCH(QString, caption);
        QFETCH(bool, outputExisted);
        const int slot = SlotOfTab(tab);
        Files(tab, "notes.txt", text, "notes.htm");
        const QFile::Permissions permissions =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;
        if (outputExisted) {
            t->writeFile("notes.htm", "old page");
            QFile(t->path("notes.htm")).setPermissions(permissions);
            t->seam().expectMessage("Warning", "Output file exists.  Overwrite?", MsgIcon::Exclamation,
                                    MsgButtons::YesNoCancel, MsgAnswer::Yes);
        }
        t->w().cmdPerformOperation[slot]->click();
        QCOMPARE(result(slot), caption);
        QCOMPARE(t->w().Label2[slot]->textFormat(), Qt::PlainText); // the tag shows
        // The page that was there stays, byte for byte and with its permissions, and nothing is
        // left beside it.
        QCOMPARE(QFile::exists(t->path("notes.htm")), outputExisted);
        if (outputExisted) {
            QFile old(t->path("notes.htm"));
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old page"));
            QCOMPARE(old.permissions(), permissions);
        }
        QCOMPARE(QDir(t->path("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 outputExisted ? QStringList({"notes.htm", "notes.txt"}) : QStringList({"notes.txt"}));
        QVERIFY(!t->w().cmdViewOutputFile[slot]->isEnabled());
    }

    void runWritesTheExpectedPage_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input"); // written with the text, when there is one
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("output");
        QTest::addColumn<Setup>("setup"); // the options of the run
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("expected");
        Row("template", 0, "", QByteArray(), "page.html", Setup([](frmMain& w) {
                w.txbTitle->setText(QString::fromUtf8("  Caf\xC3\xA9 \xCE\xA9 </title><script> & "));
            }),
            "HTML template file successfully created.", "template-page.htm");
        const QByteArray notes("Hello caf\xE9\n\nSecond paragraph\n");
        // The title is the output's name, in the page's encoding.
        Row("text", 1, "notes.txt", notes, QString::fromUtf8("r\xC3\xA9sum\xC3\xA9 & <notes>.htm"),
            Setup([](frmMain&) {}), "Conversion successful.", "text-notes.htm");
        Row("text with colours", 1, "notes.txt", notes, "notes.htm", Setup([](frmMain& w) {
                w.chkUseSpecifiedColors[2]->click();
                w.lblTextHex[2]->setText("#102030");
            }),
            "Conversion successful.", "text-colors.htm");
        Row("code", 2, "prog.c", QByteArray("int main()\n{\n\treturn 0; // <done> & \"ok\"\n}\n"), "prog.htm",
            Setup([](frmMain& w) { w.cboMarginSpaces->setCurrentIndex(2); }), "Conversion successful.",
            "code-prog.htm");
        Row("list", 3, "items.txt", QByteArray("Apples\n* not an item start\nPears\n\nPlums\n"), "list.htm",
            Setup([](frmMain& w) {
                w.optOrderedList->click();
                w.cboOrderedList->setCurrentIndex(2); // i,ii,iii
                w.chkAddHTMLWrapper2->click();
                w.chkCenterList->click();
            }),
            "HTML written for an ordered list with 4 items.", "list-items.htm");
        Row("table", 4, "data.txt", QByteArray("Name,Count,Price\nApples,12,0.5\nPears,7,1.25\n"), "data.htm",
            Setup([](frmMain& w) {
                w.cboPaddingSpaces->setCurrentIndex(1);
                w.chkAddHTMLWrapper3->click();
                w.chkCenterText3->click();
                w.chkUseSpecifiedColors[0]->click();
                w.lblBackgroundHex[0]->setText("#FFFFE0"); // as the colour dialog leaves them
                w.lblTextHex[0]->setText("#000080");
                w.SetTablePropertiesAt(0, {80, 0, 2, -1, 6});
            }),
            "HTML written for a table with 3 rows and 3 columns.", "table-data.htm");
        // UTF-8 input stays UTF-8 (its byte-order mark dropped, U+00A0 written &nbsp;).
        Row("text in UTF-8", 1, "notes.txt",
            QByteArray(
                "\xef\xbb\xbfKal\xce\xb7m\xce\xad\xcf\x81\xce\xb1 caf\xc3\xa9 \xc2\xb1 2 \xf0\x9f\x98\x80\n\n"
                "\xc3\x9c"
                "ber\xc2\xa0"
                "alles\n"),
            "notes.htm", Setup([](frmMain&) {}), "Conversion successful.", "text-utf8.htm");
        Row("quoted CSV as plain text", 4, "data.csv",
            QByteArray("Name,Note\n\"Smith, J\",\"<j@x.org> said \"\"hi\"\"\nand left\"\nAlone\n"),
            "data.htm", Setup([](frmMain& w) {
                w.chkQuotedFields3->click();
                w.chkEscapeData3->click();
            }),
            "HTML written for a table with 3 rows and 2 columns.", "table-csv.htm");
        Row("numbered blank list", 3, "", QByteArray(), "list.htm", BlankList("2", "1.5"),
            "HTML written for an ordered list with 2 items.", "list-blank.htm");
        const QByteArray separated("a|b|c\td\ne|f|g\th\n");
        Row("tab entry as separator", 4, "data.txt", separated, "data.htm", Separator("tab (9)"),
            "HTML written for a table with 2 rows and 2 columns.", "table-tab.htm");
        Row("typed bar as separator", 4, "data.txt", separated, "data.htm", Separator("|"),
            "HTML written for a table with 2 rows and 3 columns.", "table-bar.htm");
    }

    void runWritesTheExpectedPage()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QByteArray, text);
        QFETCH(QString, output);
        QFETCH(Setup, setup);
        QFETCH(QString, caption);
        QFETCH(QString, expected);
        Files(tab, input, text, output);
        setup(t->w());
        const int slot = SlotOfTab(tab);
        t->seam().expectHowToView(NotNow);
        t->w().cmdPerformOperation[slot]->click();
        QCOMPARE(result(slot), caption);
        QCOMPARE(page(output), Expected(qPrintable(expected)));
        QVERIFY(t->w().cmdViewOutputFile[slot]->isEnabled());
    }

    void libraryProblemsAreReportedInTheResultLine_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("caption");
        Row("missing", "", "Conversion library libvellum62.so could not be loaded: ");
        Row("without the export", NO_EXPORTS_LIBRARY,
            "Conversion library libvellum62.so has no function txt2h: ");
    }

    void libraryProblemsAreReportedInTheResultLine()
    {
        QFETCH(QString, library);
        QFETCH(QString, caption);
        TestWindow other(ProgramFolderWith(library));
        other.showTab(0);
        other.w().txbOutputFile[TemplateSlot]->setText(other.path("page.htm"));
        other.w().cmdPerformOperation[TemplateSlot]->click();
        const QString shown = other.w().Label2[TemplateSlot]->text();
        QVERIFY2(shown.startsWith(caption), qPrintable(shown));
        QVERIFY(!other.w().OutputReady[TemplateSlot]);
        QVERIFY(other.seam().verifyDone());
    }
};

QTEST_MAIN(tst_Tabs)
#include "tst_tabs.moc"
