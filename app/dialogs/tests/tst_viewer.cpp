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
#include <QPushButton>
#include <QRadioButton>

using namespace pagewright;

class tst_Viewer : public WindowTestCase
{
    Q_OBJECT

private:
    frmView* view() { return t->w().Viewer(); }
    QString shown() { return view()->txbText1->toPlainText(); }

private slots:
    // Input files up to 40960 bytes are shown, larger ones go to the associated program; header
    // and footer files are shown at any size; text not in UTF-8 is read as Windows-1252.
    void inputFilesShown_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("box"); // 0 the input file, 1 the header file
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("opened"); // -1: no request to open; 0 or 1: whether it opens
        QTest::addColumn<QString>("shown");
        Row("40960 bytes are shown", 1, 0, QByteArray(40960, 'a'), -1, QString(40960, 'a'));
        Row("40961 bytes go to the associated program", 1, 0, QByteArray(40961, 'a'), 1, QString());
        Row("40961 bytes, no associated program", 1, 0, QByteArray(40961, 'a'), 0, QString());
        Row("a header of any size", 0, 1, QByteArray(50000, 'h'), -1, QString(50000, 'h'));
        Row("Windows-1252", 1, 0, QByteArray("gr\xFC\xDF \x80"), -1,
            QString::fromUtf8("gr\xC3\xBC\xC3\x9F \xE2\x82\xAC"));
    }

    void inputFilesShown()
    {
        QFETCH(int, tab);
        QFETCH(int, box);
        QFETCH(QByteArray, bytes);
        QFETCH(int, opened);
        QFETCH(QString, shown);
        const QString name = t->writeFile("file.txt", bytes);
        t->showTab(tab);
        (box == 0 ? t->w().txbInputFile[TextSlot] : t->w().txbCustomHeaderFile[1])->setText(name);
        if (opened >= 0)
            t->seam().expectOpen(QUrl::fromLocalFile(name), opened == 1);
        if (opened == 0)
            t->seam().expectMessage("File too large",
                                    "The size of " + name +
                                        " is 40 KB.\r\nThis file is too large to display here.\r\n"
                                        "Please use a program such as WordPad to view this file.",
                                    MsgIcon::Exclamation);
        (box == 0 ? t->w().cmdViewInputFile[TextSlot] : t->w().cmdViewHeaderFile[1])->click();
        QCOMPARE(view()->isVisible(), opened < 0);
        if (opened < 0) {
            QCOMPARE(view()->windowTitle(), "Viewing input file " + name);
            QCOMPARE(this->shown(), shown);
        }
    }

    void outputChoices_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("opened"); // -1: no request to open
        Row("as HTML code", "cmdAsHTMLCode", 100, -1);
        Row("as HTML code, too large", "cmdAsHTMLCode", 40961, -1);
        Row("in the browser", "cmdInBrowser", 40961, 1);
        Row("in no browser", "cmdInBrowser", 100, 0);
        Row("not now", "cmdNotNow", 100, -1);
    }

    void outputChoices()
    {
        QFETCH(QString, button);
        QFETCH(int, size);
        QFETCH(int, opened);
        const QString name = t->writeFile("page.htm", QByteArray(size, 'b'));
        t->w().txbOutputFile[TextSlot]->setText(name);
        t->w().OutputReady[TextSlot] = true; // as after a run
        t->w().UpdateButtons();
        t->seam().expectDialog<frmHowToView>([button](frmHowToView& d) {
            FIND(QPushButton, choice, d, button);
            choice->setFocus(); // Enter presses the focused choice
            QTest::keyClick(choice, Qt::Key_Return);
        });
        if (opened >= 0)
            t->seam().expectOpen(QUrl::fromLocalFile(name), opened == 1);
        if (opened == 0)
            t->seam().expectMessage(
                "Error", "Error opening file " + name + ".\r\nPerhaps the file extension is incorrect.",
                MsgIcon::Exclamation);
        const bool tooLarge = button == "cmdAsHTMLCode" && size > 40960;
        if (tooLarge)
            t->seam().expectMessage(GetText(TooLargeTitle), OutputTooLargeMessage(name, size),
                                    MsgIcon::Exclamation);
        t->w().cmdViewOutputFile[TextSlot]->click();
        QCOMPARE(view()->isVisible(), button == "cmdAsHTMLCode" && !tooLarge);
        if (view()->isVisible())
            QCOMPARE(view()->windowTitle(), "Viewing output file " + name);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("file"); // in the test folder; a name ending in / is a folder
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        Row("missing input", "cmdViewInputFile_0", "txbInputFile_0", "missing.txt", "Error",
            "No such file or directory");
        Row("input not .txt", "cmdViewInputFile_3", "txbInputFile_3", "data.xls", "Invalid file extension",
            "Input file must have file extension \"txt\".");
        Row("output not .htm", "cmdViewOutputFile_0", "txbOutputFile_0", "page.txt", "Invalid file extension",
            "Output file must have file extension \"htm\" or \"html\".");
        Row("missing footer", "cmdViewFooterFile_0", "txbCustomFooterFile_0", "foot.htm", "Error",
            "Cannot display footer file!");
        Row("header that is a folder", "cmdViewHeaderFile_0", "txbCustomHeaderFile_0", "head.htm/", "Error",
            "Cannot display header file!");
        Row("input that is a folder", "cmdViewInputFile_1", "txbInputFile_1", "in.txt/", "Error",
            "Cannot display input file!");
        Row("empty header", "cmdViewHeaderFile_0", "txbCustomHeaderFile_0", "empty.htm", "",
            ""); // the empty-file message
    }

    void refusals()
    {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFETCH(QString, message);
        FIND(QPushButton, viewButton, t->w(), button);
        FIND(QLineEdit, edit, t->w(), box);
        QString name = t->path(file);
        if (file.endsWith('/'))
            QVERIFY(QDir().mkpath(name.chopped(1)));
        if (file == "empty.htm")
            t->writeFile(file, {});
        edit->setText(name.endsWith('/') ? name.chopped(1) : name);
        if (message.isEmpty())
            t->seam().expectMessage(GetText(EmptyFileTitle), GetText(EmptyFileText), MsgIcon::Exclamation);
        else
            t->seam().expectMessage(title, message, MsgIcon::Exclamation);
        emit viewButton->clicked(); // whether or not the tab's state enables it
        QVERIFY(!view()->isVisible());
    }

    void copyCloseAndReload()
    {
        const QString name = t->writeFile("copy.txt", "first line\nsecond line\n");
        t->w().txbInputFile[TextSlot]->setText(name);
        t->w().cmdViewInputFile[TextSlot]->click();
        QPushButton* copy = view()->cmdCopyToClipboard;
        QTextCursor cursor = view()->txbText1->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(15, QTextCursor::KeepAnchor);
        view()->txbText1->setTextCursor(cursor);
        QTest::mouseRelease(view()->txbText1->viewport(), Qt::LeftButton);
        QCOMPARE(copy->text(), QStringLiteral("Copy selected text to clipboard"));
        QTest::keyClick(copy, Qt::Key_Enter, Qt::KeypadModifier); // Enter presses a focused button
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("first line\nseco"));
        QCOMPARE(copy->text(), QStringLiteral("Copy to clipboard"));
        cursor.clearSelection();
        view()->txbText1->setTextCursor(cursor);
        copy->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("first line\nsecond line\n"));

        // Becoming the active window again reloads the file.
        t->writeFile("copy.txt", "after\n");
        QEvent deactivate(QEvent::WindowDeactivate);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(view(), &deactivate);
        QApplication::sendEvent(view(), &activate);
        QApplication::sendEvent(view(), &activate);
        QCOMPARE(shown(), QStringLiteral("after\n"));

        QTest::keyClick(view()->cmdClose, Qt::Key_Return);
        QVERIFY(!view()->isVisible());
    }
};

QTEST_MAIN(tst_Viewer)
#include "tst_viewer.moc"
