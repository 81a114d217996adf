// The window and pagewright-convert agree: a tab run as the program starts it and the command
// without options (or a tab and the command with the same choices) write the same page of the
// same input, byte for byte. The two outputs have the same name in folders of their own, since a
// page's title may hold it.
#include "WindowTestCase.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>

using namespace pagewright;

namespace
{

const char* const kPerform[5] = {"Create HTML template", "Convert input text file to output HTML file",
                                 "Convert code file to HTML file", "Create HTML for list",
                                 "Convert data to table"};
using Setup = std::function<void(TestWindow&)>;

Setup Click(const QStringList& captions)
{
    return [=](TestWindow& w) {
        for (const QString& caption : captions)
            w.control<QAbstractButton>(caption)->click();
    };
}

// One setup, then the other.
Setup operator+(const Setup& first, const Setup& second)
{
    return [=](TestWindow& w) { first(w), second(w); };
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class tst_Agree : public WindowTestCase
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void samePage_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input"); // empty: none
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Setup>("setup");         // the tab's choices, none for its defaults
        QTest::addColumn<QStringList>("command"); // the command and its options
        const Setup defaults = [](TestWindow&) {};
        const QByteArray prose("Dear reader,\n\nthe caf\xE9 <opens> at 9 & closes at 5.\n");
        const QByteArray data("Name,Count,Price\n<b>Apples</b>,12,0.5\n\"Pears, ripe\",7,1.25\n");
        const QByteArray packages("libc6,2.36-9,GNU Libc Maintainers <debian-glibc@lists.debian.org>\n"
                                  "\"zlib1g\",\"1:1.2.13\",\"Mark Brown <broonie@debian.org>\"\n");
        Row("template", 0, QString(), QByteArray(), defaults, QStringList{"template"});
        Row("text", 1, "notes.txt", prose, defaults, QStringList{"text"});
        Row("code", 2, "prog.c", QByteArray("int main()\n{\n\treturn 0; // <done> & \"ok\"\n}\n"), defaults,
            QStringList{"code"});
        Row("list", 3, "items.txt", QByteArray("Apples\n<b>Pears</b>\n\nPlums & more\n"), defaults,
            QStringList{"list"});
        Row("ordered list", 3, "items.txt", QByteArray("Apples\nPears\n"), Click({"Ordered list"}),
            QStringList{"list", "--ordered"});
        Row("blank list with a page", 3, QString(), QByteArray(),
            Click({"Blank list (do not read items from input file)", "Add HTML wrapper"}) +
                Setup([](TestWindow& w) { w.control<QLineEdit>("Number of items in list")->setText("3"); }),
            QStringList{"list", "--blank", "--count", "3", "--wrapper"});
        Row("table", 4, "data.txt", data, defaults, QStringList{"table"});
        Row("table of a .csv", 4, "packages.csv", packages, defaults, QStringList{"table"});
        Row("table of a .tsv", 4, "packages.tsv", packages, defaults, QStringList{"table"});
        Row("HTML5 table with a page", 4, "data.txt", data,
            Setup([](TestWindow& w) { w.control<QComboBox>("Page style")->setCurrentIndex(1); }) +
                Click({"Add HTML wrapper"}),
            QStringList{"table", "--html5", "--wrapper", "--lang", "en-GB"});
    }

    void samePage()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QByteArray, text);
        QFETCH(Setup, setup);
        QFETCH(QStringList, command);
        QVERIFY(QDir().mkpath(t->path("window")) && QDir().mkpath(t->path("cli")));
        const QString in = input.isEmpty() ? QString() : t->writeFile(input, text);

        t->showTab(tab);
        if (!in.isEmpty())
            t->control<QLineEdit>("Input file")->setText(in);
        t->control<QLineEdit>("Output file")->setText(t->path("window/out.htm"));
        setup(*t);
        t->seam().expectDialog<frmHowToView>(
            [this](QDialog& d) { t->control<QAbstractButton>("Don't view now", &d)->click(); });
        t->control<QPushButton>(kPerform[tab])->click();
        const QByteArray windowPage = TestWindow::readFile(t->path("window/out.htm"));
        QVERIFY2(!windowPage.isEmpty(), qPrintable(t->result()));

        QProcess cli;
        cli.start(PAGEWRIGHT_CONVERT, command + (in.isEmpty() ? QStringList() : QStringList{in}) +
                                          QStringList{t->path("cli/out.htm")});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);
        // The same result line too.
        QCOMPARE(QString::fromUtf8(cli.readAllStandardError()).trimmed(), t->result());
        QCOMPARE(TestWindow::readFile(t->path("cli/out.htm")), windowPage);
    }
};

QTEST_MAIN(tst_Agree)
#include "tst_agree.moc"
