// The perform buttons of the tabs: the checks before a run, the overwrite question, and one run
// per tab through the real conversion library, its page compared with the page expected; with the
// HTML5 page style too (expected pages "html5-*.htm", the language from the locale, en-GB here).
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyBorderEtc.h"
#include "dialogs/frmSpecifyColors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <unistd.h>

using namespace pagewright;

namespace
{

// The perform button of each tab, by position.
const char* const kPerform[6] = {
    "Create HTML template",           "Convert input text file to output HTML file",
    "Convert code file to HTML file", "Create HTML for list",
    "Convert data to table",          "Create table"};
using Setup = std::function<void(TestWindow&)>;
using After = QStringList;

// Clicks these buttons, check boxes and options of the shown tab (or scope), in order.
void Click(TestWindow& w, const QStringList& captions, QWidget* scope = nullptr)
{
    for (const QString& caption : captions)
        w.control<QAbstractButton>(caption, scope)->click();
}
// Fills boxes of the shown tab (or scope): a box's name, then its text, and so on.
void Fill(TestWindow& w, const QStringList& boxes, QWidget* scope = nullptr)
{
    for (int i = 0; i < boxes.size(); i += 2)
        w.control<QLineEdit>(boxes[i], scope)->setText(boxes[i + 1]);
}
// One setup, then the other.
Setup operator+(const Setup& first, const Setup& second)
{
    return [=](TestWindow& w) { first(w), second(w); };
}
// Expects a message box with the exclamation icon, answered so.
Setup Message(const QString& title, const QString& text, MsgAnswer answer = MsgAnswer::Ok)
{
    const MsgButtons buttons = answer == MsgAnswer::Ok ? MsgButtons::Ok : MsgButtons::YesNoCancel;
    return [=](TestWindow& w) { w.seam().expectMessage(title, text, MsgIcon::Exclamation, buttons, answer); };
}
// An old page at the output, with permissions of its own; the overwrite question answered so.
Setup OldPage(MsgAnswer answer)
{
    return [=](TestWindow& w) {
        QFile old(w.control<QLineEdit>("Output file")->text());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old page") == 8);
        old.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::ReadGroup);
        Message("Warning", "Output file exists.  Overwrite?", answer)(w);
    };
}
// The output is a second name (a symbolic link, else a hard link) of the file named in this box.
Setup SameAs(const QString& box, bool viaLink)
{
    return [=](TestWindow& w) {
        const QString source = w.writeFile("source.txt", "precious\n");
        const QString output = w.control<QLineEdit>("Output file")->text();
        QVERIFY(viaLink ? QFile::link(source, output) : ::link(qPrintable(source), qPrintable(output)) == 0);
        Fill(w, {box, source});
        Message("Error",
                "Output file is the same as the " + box.section(' ', -2, -2).toLower() + " file.")(w);
    };
}
// A numbered blank list of this many items from this start number.
Setup BlankList(const char* count, const char* start)
{
    return [=](TestWindow& w) {
        Click(w, {"Ordered list", "Blank list with item numbers"});
        Fill(w, {"Number of items in list", count, "Start number", start});
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
// A little Python, which the converter colours.
const QByteArray kPython("def greet(name):\n    # say hello\n    return \"<b>\" + name * 2\n");

// Chooses the HTML5 page style on the shown tab.
const Setup Html5 = [](TestWindow& w) { w.control<QComboBox>("Page style")->setCurrentIndex(1); };
// Ticks the tab's colour check box and accepts these channels (text red, green, blue, then
// background) in the colour dialog opened by this button.
void Colors(TestWindow& w, const char* specify, const QList<int>& channels)
{
    Click(w, {"Use specified colors for text and background"});
    w.seam().expectDialog<frmSpecifyColors>([&w, channels](QDialog& d) {
        int i = 0;
        for (const char* group : {"Text color ", "Background color "})
            for (const char* channel : {"red", "green", "blue"})
                Fill(w, {group + QString(channel), QString::number(channels[i++])}, &d);
        Click(w, {"Accept"}, &d);
    });
    Click(w, {specify});
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class tst_Tabs : public WindowTestCase
{
    Q_OBJECT

private:
    QByteArray page(const QString& name) { return TestWindow::readFile(t->path(name)); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    // A run writes the page expected, or (with no page expected) leaves the output and its folder
    // exactly as they were.
    void run_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input"); // written with the text, when there is one
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("output");
        QTest::addColumn<Setup>("setup"); // the options of the run, and the messages it shows
        QTest::addColumn<After>("after"); // result line, page expected, list item count|start number
        const QString error = "Error", extension = "Invalid file extension", ok = "Conversion successful.";
        const QString txt = "Input file must have file extension \"txt\".",
                      folder = "Output folder does not exist.";
        const QByteArray line("text\n"), none;
        const Setup nothing = [](TestWindow&) {};
        Row("text: not .txt", 1, "data.csv", line, "out.htm", Message(extension, txt), After());
        Row("table: name ending in a dot", 4, "notes.", line, "out.htm", Message(extension, txt), After());
        Row("code: missing input folder", 2, "none/a.c", none, "out.htm",
            Message(error, "Input folder does not exist."), After());
        Row("list: missing output folder", 3, "notes.txt", line, "none/out.htm", Message(error, folder),
            After());
        Row("template: missing output folder", 0, "", none, "none/out.htm", Message(error, folder), After());
        Row("list: 1000 items", 3, "", none, "out.htm",
            BlankList("1000", "1") + Message("Error", "Number of items must be less than 1000."),
            After{"", "", "|1"});
        Row("list: start 0.6", 3, "", none, "out.htm",
            BlankList("3", "0.6") + Message("Error", "Invalid start number!"), After{"", "", "3|1"});
        Row("table: empty separator box", 4, "notes.txt", line, "out.htm",
            Separator("") + Message("Error", "No separator character is given."), After());
        Row("output is the input", 1, "source.txt", none, "same.htm", SameAs("Input file", false), After());
        Row("output is the input through a link", 1, "source.txt", none, "same.htm",
            SameAs("Input file", true), After());
        Row("output is the header", 1, "other.txt", line, "same.htm", SameAs("Custom header file", false),
            After());
        Row("output is the template footer through a link", 0, "", none, "same.htm",
            SameAs("Custom footer file", true), After());
        Row("old page kept: No", 1, "notes.txt", line, "notes.htm", OldPage(MsgAnswer::No), After());
        Row("old page kept: Cancel", 1, "notes.txt", line, "notes.htm", OldPage(MsgAnswer::Cancel), After());
        Row("a folder is not offered", 1, "notes.txt", line, "notes.htm",
            Setup([](TestWindow& w) { QDir().mkpath(w.control<QLineEdit>("Output file")->text()); }),
            After{"Could not open output file."});
        const QString html(
            "Input file contains \"%1\" so appears to be HTML not text. No output file created.");
        const QString binary(
            "Input file contains NUL bytes so appears to be binary not text. No output file created.");
        Row("<html>", 1, "notes.txt", QByteArray("intro\n<html>\n<body>x</body>\n"), "notes.htm", nothing,
            After{html.arg("<HTML>")});
        Row("<x-html> over an old page", 1, "notes.txt", QByteArray("a\n<x-Html>\n"), "notes.htm",
            OldPage(MsgAnswer::Yes), After{html.arg("<X-HTML>")});
        Row("binary code over an old page", 2, "notes.txt", QByteArray("\x7F\x45LF\x02\x01\n\0\0\x03", 10),
            "notes.htm", OldPage(MsgAnswer::Yes), After{binary});
        Row("binary data", 4, "notes.txt", QByteArray("a,b\nc\0,d\n", 9), "notes.htm", nothing,
            After{binary});

        Row("template", 0, "", none, "page.html", Setup([](TestWindow& w) {
                Fill(w, {"Title", QString::fromUtf8("  Caf\xC3\xA9 \xCE\xA9 </title><script> & ")});
            }),
            After{"HTML template file successfully created.", "template-page.htm"});
        const QByteArray notes("Hello caf\xE9\n\nSecond paragraph\n");
        // The title is the output's name, in the page's encoding; the old page is replaced.
        Row("text over an old page", 1, "notes.txt", notes,
            QString::fromUtf8("r\xC3\xA9sum\xC3\xA9 & <notes>.htm"), OldPage(MsgAnswer::Yes),
            After{ok, "text-notes.htm"});
        Row("text with colours", 1, "notes.txt", notes, "notes.htm", Setup([](TestWindow& w) {
                Colors(w, "Specify page colors", {16, 32, 48, 255, 255, 255});
            }),
            After{ok, "text-colors.htm"});
        Row("text from a file without an extension", 1, "notes", notes, "notes.htm", Setup([](TestWindow& w) {
                Colors(w, "Specify page colors", {16, 32, 48, 255, 255, 255});
            }),
            After{ok, "text-colors.htm"});
        Row("code", 2, "prog.c", QByteArray("int main()\n{\n\treturn 0; // <done> & \"ok\"\n}\n"), "prog.htm",
            Setup([](TestWindow& w) { w.control<QComboBox>("Add left margin of")->setCurrentIndex(2); }),
            After{ok, "code-prog.htm"});
        Row("list", 3, "items.txt", QByteArray("Apples\n* not an item start\nPears\n\nPlums\n"), "list.htm",
            Setup([](TestWindow& w) {
                Click(w, {"Ordered list"});
                w.control<QComboBox>("Ordered list numbering")->setCurrentIndex(2); // i,ii,iii
                Click(w, {"Add HTML wrapper", "Center list"});
            }),
            After{"HTML written for an ordered list with 4 items.", "list-items.htm"});
        Row("table", 4, "data.txt", QByteArray("Name,Count,Price\nApples,12,0.5\nPears,7,1.25\n"), "data.htm",
            Setup([](TestWindow& w) {
                w.control<QComboBox>("Number of left/right padding spaces")->setCurrentIndex(1);
                Click(w, {"Add HTML wrapper", "Center text (other than numbers) in cells"});
                Colors(w, "Specify table colors", {0, 0, 128, 255, 255, 224});
                w.seam().expectDialog<frmSpecifyBorderEtc>([&w](QDialog& d) {
                    Fill(w,
                         {"Table width", "80", "Border (in pixels)", "2", "Cell padding (in pixels)", "",
                          "Cell spacing (in pixels)", "6"},
                         &d);
                    Click(w, {"percent", "Accept"}, &d);
                });
                Click(w, {"Specify width, border, cell padding and spacing"});
            }),
            After{"HTML written for a table with 3 rows and 3 columns.", "table-data.htm"});
        // UTF-8 input stays UTF-8 (its byte-order mark dropped, U+00A0 written &nbsp;).
        Row("text in UTF-8", 1, "notes.txt",
            QByteArray(
                "\xef\xbb\xbfKal\xce\xb7m\xce\xad\xcf\x81\xce\xb1 caf\xc3\xa9 \xc2\xb1 2 \xf0\x9f\x98\x80\n\n"
                "\xc3\x9c\x62\x65r\xc2\xa0\x61lles\n"),
            "notes.htm", nothing, After{ok, "text-utf8.htm"});
        // A .csv name typed and run at once is read as quoted, plain-text data.
        Row("CSV typed and run: quoted, plain text", 4, "data.csv",
            QByteArray("Name,Note\n\"Smith, J\",\"<j@x.org> said \"\"hi\"\"\nand left\"\nAlone\n"),
            "data.htm", nothing,
            After{"HTML written for a table with 3 rows and 2 columns.", "table-csv.htm"});
        Row("numbered blank list", 3, "", none, "list.htm", BlankList("2", "1.5"),
            After{"HTML written for an ordered list with 2 items.", "list-blank.htm", "2|1.5"});
        const QByteArray separated("a|b|c\td\ne|f|g\th\n");
        Row("tab entry as separator", 4, "data.txt", separated, "data.htm", Separator("tab (9)"),
            After{"HTML written for a table with 2 rows and 2 columns.", "table-tab.htm"});
        Row("typed bar as separator", 4, "data.txt", separated, "data.htm", Separator("|"),
            After{"HTML written for a table with 2 rows and 3 columns.", "table-bar.htm"});

        Row("HTML5 template", 0, "", none, "page.html",
            Html5 + Setup([](TestWindow& w) {
                Fill(w, {"Title", QString::fromUtf8("Caf\xC3\xA9 \xCE\xA9 </title> & more")});
            }),
            After{"HTML template file successfully created.", "html5-template-page.htm"});
        Row("HTML5 text with colours", 1, "notes.txt", notes, "notes.htm",
            Html5 + Setup([](TestWindow& w) {
                Colors(w, "Specify page colors", {16, 32, 48, 255, 255, 224});
            }),
            After{ok, "html5-text-colors.htm"});
        // Without colouring the HTML5 code page is the plain one; with it, coloured spans and numbered
        // lines. The classic page ignores the colouring choices.
        Row("HTML5 code", 2, "prog.c", QByteArray("int main()\n{\n\treturn 0; // <done> & \"ok\"\n}\n"),
            "prog.htm", Html5 + Setup([](TestWindow& w) { Click(w, {"Colour the code"}); }),
            After{ok, "html5-code-prog.htm"});
        Row("HTML5 code coloured, lines numbered", 2, "prog.py", kPython, "prog.htm",
            Html5 + Setup([](TestWindow& w) { Click(w, {"Line numbers"}); }),
            After{ok + " Coloured as Python.", "html5-code-python.htm"});
        Row("classic code after colouring choices", 2, "prog.c",
            QByteArray("int main()\n{\n\treturn 0; // <done> & \"ok\"\n}\n"), "prog.htm",
            Html5 + Setup([](TestWindow& w) {
                w.control<QComboBox>("Language")->setCurrentIndex(10); // Python
                Click(w, {"Line numbers"});
                w.control<QComboBox>("Page style")->setCurrentIndex(0);
                w.control<QComboBox>("Add left margin of")->setCurrentIndex(2);
            }),
            After{ok, "code-prog.htm"});
        Row("HTML5 list", 3, "items.txt", QByteArray("Apples\n* not an item start\nPears\n\nPlums\n"),
            "list.htm", Html5 + Setup([](TestWindow& w) {
                            Click(w, {"Ordered list"});
                            w.control<QComboBox>("Ordered list numbering")->setCurrentIndex(2); // i,ii,iii
                            Click(w, {"Add HTML wrapper", "Center list"});
                        }),
            After{"HTML written for an ordered list with 4 items.", "html5-list-items.htm"});
        Row("HTML5 table", 4, "data.txt", QByteArray("Name,Count,Price\nApples,12,0.5\nPears,7,1.25\n"),
            "data.htm",
            Html5 + Setup([](TestWindow& w) {
                Click(w, {"Add HTML wrapper", "Center text (other than numbers) in cells", "Center table"});
                Colors(w, "Specify table colors", {0, 0, 128, 255, 255, 224});
                w.seam().expectDialog<frmSpecifyBorderEtc>([&w](QDialog& d) {
                    Fill(w, {"Table width", "80", "Border (in pixels)", "2", "Cell spacing (in pixels)", "6"},
                         &d);
                    Click(w, {"percent", "Accept"}, &d);
                });
                Click(w, {"Specify width, border, cell padding and spacing"});
            }),
            After{"HTML written for a table with 3 rows and 3 columns.", "html5-table-data.htm"});
    }

    void run()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QByteArray, text);
        QFETCH(QString, output);
        QFETCH(Setup, setup);
        QFETCH(After, after);
        const QString caption = after.value(0), expected = after.value(1), listBoxes = after.value(2);
        t->showTab(tab);
        if (!input.isEmpty()) // with blanks after it, which the run trims
            Fill(*t, {"Input file",
                      (text.isNull() ? t->path(input) : t->writeFile(input, text)) + (tab == 2 ? "" : "  ")});
        Fill(*t, {"Output file", t->path(output)});
        setup(*t);
        // The folder's names and the output's bytes and permissions: what a run without a page keeps.
        const auto state = [&] {
            return QDir(t->path("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                   << page(output).toHex() << QString::number(QFileInfo(t->path(output)).permissions());
        };
        const QStringList before = state();
        if (!expected.isEmpty())
            t->seam().expectDialog<frmHowToView>([this](QDialog& d) { Click(*t, {"Don't view now"}, &d); });
        t->control<QPushButton>(kPerform[tab])->click();
        QCOMPARE(t->result(), caption);
        for (QLabel* label : t->tab()->findChildren<QLabel*>())
            if (label->accessibleDescription() == "Result")
                QCOMPARE(label->textFormat(), Qt::PlainText); // a tag in it shows
        QCOMPARE(t->control<QPushButton>("View output file")->isEnabled(), !expected.isEmpty());
        if (!input.isEmpty() && tab != 2)
            QCOMPARE(t->control<QLineEdit>("Input file")->text(), t->path(input));
        if (!listBoxes.isNull())
            QCOMPARE(t->control<QLineEdit>("Number of items in list")->text() + "|" +
                         t->control<QLineEdit>("Start number")->text(),
                     listBoxes);
        if (expected.startsWith("html5-"))
            QVERIFY(page(output).startsWith("<!DOCTYPE html>\n"));
        if (expected.isEmpty())
            QCOMPARE(state(), before);
        else
            QCOMPARE(page(output), TestWindow::readFile(EXPECTED_FOLDER "/" + expected));
    }

    // An HTML5 code page is coloured as the language chosen or, with "Automatic", as the input's name
    // says, and its lines are numbered on request; the result line says what became of the colours.
    void colouringOfHtml5CodePages_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("note");      // after "Conversion successful."
        QTest::addColumn<QStringList>("holds"); // markup the page holds
        QTest::addColumn<QStringList>("lacks"); // and markup it does not
        const QString keyword = "<span class=\"keyword\">def</span>",
                      lines = "<pre class=\"pw-code pw-lines\">";
        const Setup nothing = [](TestWindow&) {};
        const auto language = [](int index) {
            return Setup(
                [index](TestWindow& w) { w.control<QComboBox>("Language")->setCurrentIndex(index); });
        };
        Row("by the input's name", "prog.py", nothing, " Coloured as Python.", QStringList{keyword},
            QStringList{lines, "<span class=\"line\">"});
        Row("chosen over the input's name", "prog.c", language(10), " Coloured as Python.",
            QStringList{keyword}, QStringList());
        Row("unknown name", "prog.xyz", nothing, " Not coloured: unknown language.", QStringList(),
            QStringList{"<span"});
        Row("Automatic again", "prog.xyz", language(10) + language(0), " Not coloured: unknown language.",
            QStringList(), QStringList{"<span"});
        Row("lines numbered, not coloured", "prog.py", Setup([](TestWindow& w) {
                Click(w, {"Colour the code", "Line numbers"});
            }),
            "", QStringList{lines, "<span class=\"line\">    def greet(name):</span>\n"},
            QStringList{keyword});
    }

    void colouringOfHtml5CodePages()
    {
        QFETCH(QString, input);
        QFETCH(Setup, setup);
        QFETCH(QString, note);
        QFETCH(QStringList, holds);
        QFETCH(QStringList, lacks);
        t->showTab(2);
        Html5(*t);
        Fill(*t, {"Input file", t->writeFile(input, kPython), "Output file", t->path("prog.htm")});
        setup(*t);
        t->seam().expectDialog<frmHowToView>([this](QDialog& d) { Click(*t, {"Don't view now"}, &d); });
        t->control<QPushButton>(kPerform[2])->click();
        QCOMPARE(t->result(), "Conversion successful." + note);
        const QString html = QString::fromUtf8(page("prog.htm"));
        for (const QString& markup : holds)
            QVERIFY2(html.contains(markup), qPrintable(markup));
        for (const QString& markup : lacks)
            QVERIFY2(!html.contains(markup), qPrintable(markup));
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
        const QString folder = t->path("program"); // the program text, and this file as the library
        QVERIFY(QDir().mkpath(folder));
        QFile::copy(QCoreApplication::applicationDirPath() + "/vellum_text.dat", folder + "/vellum_text.dat");
        if (!library.isEmpty())
            QFile::copy(library, folder + "/libvellum62.so");
        TestWindow other(folder);
        other.showTab(0);
        Fill(other, {"Output file", other.path("page.htm")});
        other.control<QPushButton>(kPerform[0])->click();
        QVERIFY2(other.result().startsWith(caption), qPrintable(other.result()));
        QVERIFY(!other.control<QPushButton>("View output file")->isEnabled());
        QVERIFY(other.seam().verifyDone());
    }
};

QTEST_MAIN(tst_Tabs)
#include "tst_tabs.moc"
