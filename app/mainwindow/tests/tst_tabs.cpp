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

#include <unistd.h>

using namespace pagewright;

namespace
{

QByteArray Expected(const char* name)
{
    return TestWindow::readFile(QStringLiteral(EXPECTED_FOLDER "/") + QLatin1String(name));
}

// The perform button of each tab, by position.
const char* const kPerform[6] = {
    "Create HTML template",           "Convert input text file to output HTML file",
    "Convert code file to HTML file", "Create HTML for list",
    "Convert data to table",          "Create table"};
using Setup = std::function<void(TestWindow&)>;

// Clicks these buttons, check boxes and options of the shown tab, in order.
Setup Click(const QStringList& captions)
{
    return [=](TestWindow& w) {
        for (const QString& caption : captions)
            w.control<QAbstractButton>(caption)->click();
    };
}
// A numbered blank list of this many items from this start number.
Setup BlankList(const char* count, const char* start)
{
    return [=](TestWindow& w) {
        Click({"Ordered list", "Blank list with item numbers"})(w);
        w.control<QLineEdit>("Number of items in list")->setText(count);
        w.control<QLineEdit>("Start number")->setText(start);
    };
}
// The separator typed over the third entry; typed text is not added to the entries.
Setup Separator(const char* typed)
{
    return [=](TestWindow& w) {
        QComboBox* box = w.control<QComboBox>("Separator character");
        box->setCurrentIndex(2);
        box->lineEdit()->selectAll();
        box->lineEdit()->del();
        QTest::keyClicks(box->lineEdit(), typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(box->count(), 4);
    };
}
// Ticks the tab's colour check box and accepts these colours (text, then background, as red,
// green and blue) from its colour dialog.
Setup Colors(const char* specify, const QList<int>& channels)
{
    return [=](TestWindow& w) {
        w.control<QCheckBox>("Use specified colors for text and background")->click();
        w.seam().expectDialog<frmSpecifyColors>([&w, channels](QDialog& d) {
            int i = 0;
            for (const char* group : {"Text color ", "Background color "})
                for (const char* channel : {"red", "green", "blue"})
                    w.control<QLineEdit>(QString(group) + channel, &d)
                        ->setText(QString::number(channels[i++]));
            w.control<QPushButton>("Accept", &d)->click();
        });
        w.control<QPushButton>(specify)->click();
    };
}
// Answers "How to view output file?" with "Don't view now".
void NotNow(TestWindow& w)
{
    w.seam().expectDialog<frmHowToView>(
        [&w](QDialog& d) { w.control<QPushButton>("Don't view now", &d)->click(); });
}

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
        if (!input.isEmpty())
            t->control<QLineEdit>("Input file")
                ->setText(text.isNull() ? t->path(input) : t->writeFile(input, text));
        t->control<QLineEdit>("Output file")->setText(t->path(output));
    }
    QPushButton* Perform(int tab) { return t->control<QPushButton>(kPerform[tab]); }
    bool OutputToView() { return t->control<QPushButton>("View output file")->isEnabled(); }
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
        const Setup none = [](TestWindow&) {};
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
        setup(*t);
        if (!input.isEmpty())
            t->control<QLineEdit>("Input file")->insert("  ");
        t->seam().expectMessage(title, message, MsgIcon::Exclamation);
        Perform(tab)->click();
        QCOMPARE(t->result(), QString());
        QVERIFY(!QFile::exists(t->path(output)));
        if (!input.isEmpty() && tab != 2)
            QCOMPARE(t->control<QLineEdit>("Input file")->text(), t->path(input)); // kept trimmed
        if (tab == 3)
            QCOMPARE(t->control<QLineEdit>("Number of items in list")->text() + "|" +
                         t->control<QLineEdit>("Start number")->text(),
                     listBoxes);
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
        Files(tab, tab == 0 ? "" : "other.txt", "x\n", "same.htm");
        t->control<QLineEdit>(which == "input" ? "Input file" : "Custom " + which + " file")->setText(source);
        t->seam().expectMessage("Error", "Output file is the same as the " + which + " file.",
                                MsgIcon::Exclamation);
        Perform(tab)->click();
        QCOMPARE(page("source.txt"), QByteArray("precious\n"));
        QCOMPARE(t->result(), QString());
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
            NotNow(*t);
        Perform(1)->click();
        QCOMPARE(t->result(), caption);
        QCOMPARE(OutputToView(), answer == int(MsgAnswer::Yes));
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
        Files(tab, "notes.txt", text, "notes.htm");
        const QFile::Permissions permissions =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;
        if (outputExisted) {
            t->writeFile("notes.htm", "old page");
            QFile(t->path("notes.htm")).setPermissions(permissions);
            t->seam().expectMessage("Warning", "Output file exists.  Overwrite?", MsgIcon::Exclamation,
                                    MsgButtons::YesNoCancel, MsgAnswer::Yes);
        }
        Perform(tab)->click();
        QCOMPARE(t->result(), caption);
        for (QLabel* label : t->tab()->findChildren<QLabel*>())
            if (label->accessibleDescription() == "Result")
                QCOMPARE(label->textFormat(), Qt::PlainText); // the tag shows
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
        QVERIFY(!OutputToView());
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
        Row("template", 0, "", QByteArray(), "page.html", Setup([](TestWindow& w) {
                w.control<QLineEdit>("Title")->setText(
                    QString::fromUtf8("  Caf\xC3\xA9 \xCE\xA9 </title><script> & "));
            }),
            "HTML template file successfully created.", "template-page.htm");
        const QByteArray notes("Hello caf\xE9\n\nSecond paragraph\n");
        const Setup none = [](TestWindow&) {};
        // The title is the output's name, in the page's encoding.
        Row("text", 1, "notes.txt", notes, QString::fromUtf8("r\xC3\xA9sum\xC3\xA9 & <notes>.htm"), none,
            "Conversion successful.", "text-notes.htm");
        Row("text with colours", 1, "notes.txt", notes, "notes.htm",
            Colors("Specify page colors", {16, 32, 48, 255, 255, 255}), "Conversion successful.",
            "text-colors.htm");
        Row("code", 2, "prog.c", QByteArray("int main()\n{\n\treturn 0; // <done> & \"ok\"\n}\n"), "prog.htm",
            Setup([](TestWindow& w) { w.control<QComboBox>("Add left margin of")->setCurrentIndex(2); }),
            "Conversion successful.", "code-prog.htm");
        Row("list", 3, "items.txt", QByteArray("Apples\n* not an item start\nPears\n\nPlums\n"), "list.htm",
            Setup([](TestWindow& w) {
                Click({"Ordered list"})(w);
                w.control<QComboBox>("Ordered list numbering")->setCurrentIndex(2); // i,ii,iii
                Click({"Add HTML wrapper", "Center list"})(w);
            }),
            "HTML written for an ordered list with 4 items.", "list-items.htm");
        Row("table", 4, "data.txt", QByteArray("Name,Count,Price\nApples,12,0.5\nPears,7,1.25\n"), "data.htm",
            Setup([](TestWindow& w) {
                w.control<QComboBox>("Number of left/right padding spaces")->setCurrentIndex(1);
                Click({"Add HTML wrapper", "Center text (other than numbers) in cells"})(w);
                Colors("Specify table colors", {0, 0, 128, 255, 255, 224})(w);
                w.seam().expectDialog<frmSpecifyBorderEtc>([&w](QDialog& d) {
                    w.control<QLineEdit>("Table width", &d)->setText("80");
                    w.control<QLineEdit>("Border (in pixels)", &d)->setText("2");
                    w.control<QLineEdit>("Cell padding (in pixels)", &d)->clear();
                    w.control<QLineEdit>("Cell spacing (in pixels)", &d)->setText("6");
                    w.control<QAbstractButton>("percent", &d)->click();
                    w.control<QPushButton>("Accept", &d)->click();
                });
                Click({"Specify width, border, cell padding and spacing"})(w);
            }),
            "HTML written for a table with 3 rows and 3 columns.", "table-data.htm");
        // UTF-8 input stays UTF-8 (its byte-order mark dropped, U+00A0 written &nbsp;).
        Row("text in UTF-8", 1, "notes.txt",
            QByteArray(
                "\xef\xbb\xbfKal\xce\xb7m\xce\xad\xcf\x81\xce\xb1 caf\xc3\xa9 \xc2\xb1 2 \xf0\x9f\x98\x80\n\n"
                "\xc3\x9c"
                "ber\xc2\xa0"
                "alles\n"),
            "notes.htm", none, "Conversion successful.", "text-utf8.htm");
        Row("quoted CSV as plain text", 4, "data.csv",
            QByteArray("Name,Note\n\"Smith, J\",\"<j@x.org> said \"\"hi\"\"\nand left\"\nAlone\n"),
            "data.htm", Click({"Fields may be quoted (CSV)", "Data is plain text (escape <, > and &&)"}),
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
        setup(*t);
        NotNow(*t);
        Perform(tab)->click();
        QCOMPARE(t->result(), caption);
        QCOMPARE(page(output), Expected(qPrintable(expected)));
        QVERIFY(OutputToView());
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
        other.control<QLineEdit>("Output file")->setText(other.path("page.htm"));
        other.control<QPushButton>(kPerform[0])->click();
        QVERIFY2(other.result().startsWith(caption), qPrintable(other.result()));
        QVERIFY(!other.control<QPushButton>("View output file")->isEnabled());
        QVERIFY(other.seam().verifyDone());
    }
};

QTEST_MAIN(tst_Tabs)
#include "tst_tabs.moc"
