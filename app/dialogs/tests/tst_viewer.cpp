// The view buttons: the size limit, the refusals, the "How to view output file?" choice and the
// viewer with its copy button, driven through the main window.
#include "WindowTestCase.h"
#include "dialogs/frmView.h"
#include "rules/ProgramText.h"
#include "rules/ViewRules.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace pagewright;

class tst_Viewer : public WindowTestCase
{
    Q_OBJECT

private:
    // The viewer window while it is shown, else null.
    QWidget* Viewer() const
    {
        auto* v = t->w().findChild<frmView*>();
        return v && v->isVisible() ? v : nullptr;
    }
    QPlainTextEdit* Text() const { return t->control<QPlainTextEdit>("File text", Viewer()); }
    // Answers "How to view output file?" with Enter on one of its choices, which presses it.
    void Choose(const QString& choice)
    {
        t->seam().expectDialog<frmHowToView>([this, choice](QDialog& d) {
            t->control<QPushButton>(choice, &d)->setFocus();
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        });
    }

private slots:
    // Input files up to 40960 bytes are shown, larger ones opened; header and footer files at any
    // size; text not in UTF-8 is read as Windows-1252. An output file is viewed as the user chooses.
    void filesShownOrRefused_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("file");     // in the test folder; a name ending in / is a folder
        QTest::addColumn<QByteArray>("bytes"); // null: no such file
        QTest::addColumn<int>("opened");       // -1: no request to open; 0 or 1: whether it opens
        QTest::addColumn<QString>("message");  // title|text (%1: the file); empty: none or the empty-file one
        QTest::addColumn<QString>("shown");    // null: no viewer
        QTest::addColumn<QString>("choice");   // of "How to view output file?"; empty: not asked
        const QString in("Input file"), out("Output file"), head("Custom header file"), no,
            error("Error|Cannot display %1 file!");
        const QByteArray big(40961, 'a'), none, x("x"), page(100, 'b');
        Row("40960 bytes are shown", 1, in, "a.txt", QByteArray(40960, 'a'), -1, "", QString(40960, 'a'), "");
        Row("40961 bytes go to the associated program", 1, in, "a.txt", big, 1, "", no, "");
        Row("40961 bytes, no associated program", 1, in, "a.txt", big, 0,
            "File too large|The size of %1 is 40 KB.\r\nThis file is too large to display here.\r\n"
            "Please use a program such as WordPad to view this file.",
            no, "");
        Row("any header size", 0, head, "h.htm", QByteArray(50000, 'h'), -1, "", QString(50000, 'h'), "");
        Row("Windows-1252", 1, in, "a.txt", QByteArray("gr\xFC\xDF \x80"), -1, "",
            QString::fromUtf8("gr\xC3\xBC\xC3\x9F \xE2\x82\xAC"), "");
        Row("missing input", 1, in, "missing.txt", none, -1, "Error|No such file or directory", no, "");
        Row("input not .txt", 4, in, "data.xls", x, -1,
            "Invalid file extension|Input file must have file extension \"txt\".", no, "");
        Row("output not .htm", 1, out, "page.txt", x, -1,
            "Invalid file extension|Output file must have file extension \"htm\" or \"html\".", no, "");
        Row("missing footer", 1, "Custom footer file", "foot.htm", none, -1, error.arg("footer"), no, "");
        Row("header that is a folder", 1, head, "head.htm/", none, -1, error.arg("header"), no, "");
        Row("input that is a folder", 2, in, "in.txt/", none, -1, error.arg("input"), no, "");
        Row("empty header", 1, head, "empty.htm", QByteArray(""), -1, "", no, "");
        Row("output as HTML code", 5, out, "page.htm", page, -1, "", QString(page), "As HTML code");
        // An HTML5 page is UTF-8, also when a byte in it is not (from a header file in Windows-1252).
        const QByteArray html5("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n");
        Row("HTML5 output as HTML code", 5, out, "page.htm", html5 + "Caf\xC3\xA9 \xE2\x82\xAC", -1, "",
            QString::fromUtf8(html5 + "Caf\xC3\xA9 \xE2\x82\xAC"), "As HTML code");
        Row("HTML5 output with a byte beyond UTF-8", 5, out, "page.htm", html5 + "Caf\xC3\xA9 \xE9", -1, "",
            QString::fromUtf8(html5 + "Caf\xC3\xA9 \xEF\xBF\xBD"), "As HTML code");
        Row("output as HTML code, too large", 5, out, "page.htm", big, -1, "too large", no, "As HTML code");
        Row("output in the browser", 5, out, "page.htm", big, 1, "", no, "In web browser");
        Row("output in no browser", 5, out, "page.htm", page, 0,
            "Error|Error opening file %1.\r\nPerhaps the file extension is incorrect.", no, "In web browser");
        Row("output not now", 5, out, "page.htm", page, -1, "", no, "Don't view now");
    }

    void filesShownOrRefused()
    {
        QFETCH(int, tab);
        QFETCH(QString, box);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(int, opened);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(QString, choice);
        t->showTab(tab);
        const QString name = t->path(file.endsWith('/') ? file.chopped(1) : file);
        if (tab == 5) { // the Table Creator's run makes an output to view
            t->control<QLineEdit>("Output file")->setText(name);
            Choose("Don't view now");
            t->control<QPushButton>("Create table")->click();
        }
        if (file.endsWith('/'))
            QVERIFY(QDir().mkpath(name));
        else if (!bytes.isNull())
            t->writeFile(file, bytes);
        if (!choice.isEmpty())
            Choose(choice);
        if (opened >= 0)
            t->seam().expectOpen(QUrl::fromLocalFile(name), opened == 1);
        if (message.isEmpty() && bytes.isEmpty() && !bytes.isNull())
            message = GetText(EmptyFileTitle) + '|' + GetText(EmptyFileText);
        if (message == "too large")
            message = GetText(TooLargeTitle) + '|' + OutputTooLargeMessage(name, bytes.size());
        if (!message.isEmpty())
            t->seam().expectMessage(message.section('|', 0, 0), message.section('|', 1).replace("%1", name),
                                    MsgIcon::Exclamation);
        t->control<QLineEdit>(box)->setText(name); // its button pressed whether or not the tab enables it
        emit t->control<QPushButton>("View " + box.section(' ', -2).toLower())->clicked();
        QCOMPARE(Viewer() != nullptr, !shown.isNull());
        if (Viewer()) {
            QCOMPARE(Viewer()->windowTitle(),
                     (box == "Output file" ? "Viewing output file " : "Viewing input file ") + name);
            QCOMPARE(Text()->toPlainText(), shown);
        }
    }

    void copyCloseAndReload()
    {
        t->showTab(1);
        t->control<QLineEdit>("Input file")->setText(t->writeFile("copy.txt", "first line\nsecond line\n"));
        t->control<QPushButton>("View input file")->click();
        QPushButton* copy = t->control<QPushButton>("Copy to clipboard", Viewer());
        QTextCursor cursor = Text()->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(15, QTextCursor::KeepAnchor);
        Text()->setTextCursor(cursor);
        QTest::mouseRelease(Text()->viewport(), Qt::LeftButton);
        QCOMPARE(copy->text(), QStringLiteral("Copy selected text to clipboard"));
        QTest::keyClick(copy, Qt::Key_Enter, Qt::KeypadModifier); // Enter presses a focused button
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("first line\nseco"));
        QCOMPARE(copy->text(), QStringLiteral("Copy to clipboard"));
        Text()->moveCursor(QTextCursor::Start); // no selection
        copy->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("first line\nsecond line\n"));

        // Becoming the active window again reloads the file.
        t->writeFile("copy.txt", "after\n");
        for (QEvent::Type type : {QEvent::WindowDeactivate, QEvent::WindowActivate, QEvent::WindowActivate}) {
            QEvent event(type);
            QApplication::sendEvent(Viewer(), &event);
        }
        QCOMPARE(Text()->toPlainText(), QStringLiteral("after\n"));

        QTest::keyClick(t->control<QPushButton>("Close", Viewer()), Qt::Key_Return);
        QVERIFY(!Viewer());
    }
};

QTEST_MAIN(tst_Viewer)
#include "tst_viewer.moc"
