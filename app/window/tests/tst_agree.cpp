// The window and pagewright-convert agree: a tab run as the program starts it and the command
// without options (or both with the same choices) write the same page of the same input, byte for
// byte, and say the same. The outputs have one name in two folders, since a title may hold it.
#include "WindowTestCase.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

using namespace pagewright;

class tst_Agree : public WindowTestCase
{
    Q_OBJECT

private slots:
    void samePage_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input"); // empty: none
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("clicks"); // on the tab; a blank list then gets 3 items
        QTest::addColumn<QStringList>("command");
        const QByteArray data("Name,Count\n<b>Apples</b>,12\n\"Pears, ripe\",7\n"
                              "libc6,GNU Libc Maintainers <debian-glibc@lists.debian.org>\n");
        const QStringList none;
        Row("template", 0, QString(), QByteArray(), none, QStringList{"template"});
        Row("text", 1, "notes.txt", QByteArray("Dear reader,\n\nthe caf\xE9 <opens> at 9 & shuts at 5.\n"),
            none, QStringList{"text"});
        Row("code", 2, "prog.c", QByteArray("int main()\n{\n\treturn 0; // <done> & \"ok\"\n}\n"), none,
            QStringList{"code"});
        Row("list", 3, "items.txt", QByteArray("Apples\n<b>Pears</b>\n\nPlums & more\n"), none,
            QStringList{"list"});
        Row("ordered list", 3, "items.txt", QByteArray("Apples\nPears\n"), QStringList{"Ordered list"},
            QStringList{"list", "--ordered"});
        Row("blank list with a page", 3, QString(), QByteArray(),
            QStringList{"Blank list (do not read items from input file)", "Add HTML wrapper"},
            QStringList{"list", "--blank", "--count", "3", "--wrapper"});
        Row("table", 4, "data.txt", data, none, QStringList{"table"});
        Row("table of a .csv", 4, "data.csv", data, none, QStringList{"table"});
    }

    void samePage()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, command);
        QVERIFY(QDir().mkpath(t->path("window")) && QDir().mkpath(t->path("cli")));
        const QString in = input.isEmpty() ? QString() : t->writeFile(input, text);
        t->showTab(tab);
        if (!in.isEmpty())
            t->control<QLineEdit>("Input file")->setText(in);
        t->control<QLineEdit>("Output file")->setText(t->path("window/out.htm"));
        for (const QString& caption : clicks)
            t->control<QAbstractButton>(caption)->click();
        if (input.isEmpty() && tab == 3)
            t->control<QLineEdit>("Number of items in list")->setText("3");
        t->seam().expectHowToView(&frmHowToView::cmdNotNow);
        t->tab()->findChildren<QPushButton*>(QRegularExpression("^cmdPerformOperation")).value(0)->click();
        const QByteArray page = TestWindow::readFile(t->path("window/out.htm"));
        QVERIFY2(!page.isEmpty(), qPrintable(t->result()));

        QProcess cli;
        cli.start(PAGEWRIGHT_CONVERT,
                  command + QStringList{in, t->path("cli/out.htm")}.filter(QRegularExpression(".")));
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(cli.readAllStandardError()).trimmed(), t->result());
        QCOMPARE(TestWindow::readFile(t->path("cli/out.htm")), page);
    }
};

QTEST_MAIN(tst_Agree)
#include "tst_agree.moc"
