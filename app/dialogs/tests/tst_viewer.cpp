// The viewer, the how-to-view choice and the size limit, driven through the main window.
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"
#include "dialogs/frmHowToView.h"
#include "dialogs/frmView.h"
#include "rules/ProgramText.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace pagewright;

class tst_Viewer : public WindowTestCase
{
    Q_OBJECT

private:
    static std::function<void(QDialog&)> AsCode()
    {
        return [](QDialog& d) { d.findChild<QPushButton*>("cmdAsHTMLCode")->click(); };
    }

private slots:
    void inputSizeLimit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("associatedProgramOpens");
        QTest::newRow("40960 bytes are shown") << 40960 << false;
        QTest::newRow("40961 bytes go to the associated program") << 40961 << true;
        QTest::newRow("40961 bytes, no associated program") << 40961 << false;
    }

    void inputSizeLimit()
    {
        QFETCH(int, size);
        QFETCH(bool, associatedProgramOpens);
        const QString name = t->writeFile("big.txt", QByteArray(size, 'a'));
        t->box("txbInputFile_0")->setText(name);
        if (size > 40960) {
            t->seam().expectOpen(QUrl::fromLocalFile(name), associatedProgramOpens);
            if (!associatedProgramOpens)
                t->seam().expectMessage("File too large",
                                        "The size of " + name +
                                            " is 40 KB.\r\nThis file is too large to display here.\r\n"
                                            "Please use a program such as WordPad to view this file.",
                                        MsgIcon::Exclamation);
        }
        QTest::mouseClick(t->button("cmdViewInputFile_0"), Qt::LeftButton);
        frmView* view = t->w().Viewer();
        QCOMPARE(view->isVisible(), size <= 40960);
        if (size <= 40960) {
            QCOMPARE(view->windowTitle(), "Viewing input file " + name);
            QCOMPARE(view->txbText1->toPlainText().size(), size);
        }
    }

    void outputSizeLimit()
    {
        const QString name = t->writeFile("big.htm", QByteArray(40961, 'b'));
        t->box("txbOutputFile_0")->setText(name);
        t->seam().expectDialog("frmHowToView", AsCode());
        t->seam().expectMessage(GetText(TooLargeTitle),
                                GetText(TooLargeIntro) + " " + name + " is 40 KB.\r\n" +
                                    GetText(TooLargeLine2) + "\r\n" + GetText(TooLargeLine3a) + " " +
                                    GetText(TooLargeLine3b),
                                MsgIcon::Exclamation);
        t->w().cmdViewOutputFile_Click(TextSlot);
        QVERIFY(!t->w().Viewer()->isVisible());
    }

    void missingAndWrongFiles()
    {
        t->box("txbInputFile_0")->setText(t->path("missing.txt"));
        t->seam().expectMessage("Error", "No such file or directory", MsgIcon::Exclamation);
        t->w().cmdViewInputFile_Click(TextSlot);

        t->box("txbInputFile_3")->setText(t->path("data.csv"));
        t->seam().expectMessage("Invalid file extension", "Input file must have file extension \"txt\".",
                                MsgIcon::Exclamation);
        t->w().cmdViewInputFile_Click(DataTableSlot);

        t->box("txbOutputFile_5")->setText(t->path("page.txt"));
        t->seam().expectMessage("Invalid file extension",
                                "Output file must have file extension \"htm\" or \"html\".",
                                MsgIcon::Exclamation);
        t->w().cmdViewOutputFile_Click(TemplateSlot);

        t->box("txbCustomFooterFile_0")->setText(t->path("foot.htm"));
        t->seam().expectMessage("Error", "Cannot display footer file!", MsgIcon::Exclamation);
        t->w().cmdViewFooterFile_Click(0);

        t->box("txbOutputFile_0")->setText(t->path("gone.htm"));
        t->seam().expectDialog("frmHowToView", AsCode());
        t->seam().expectMessage("Error", "No such file or directory", MsgIcon::Exclamation);
        t->w().cmdViewOutputFile_Click(TextSlot);
    }

    void blankListInputSkipsTheSizeTest()
    {
        t->showTab(3);
        t->find<QRadioButton>("optBlankList")->click();
        t->box("txbInputFile_2")->setText(t->path("list.txt"));
        t->seam().expectMessage("Error", "Cannot display input file!", MsgIcon::Exclamation);
        t->w().cmdViewInputFile_Click(ListSlot);
    }

    void emptyFileIsNotShown()
    {
        t->box("txbCustomHeaderFile_0")->setText(t->writeFile("empty.htm", QByteArray()));
        t->seam().expectMessage(GetText(EmptyFileTitle), GetText(EmptyFileText), MsgIcon::Exclamation);
        t->w().cmdViewHeaderFile_Click(0);
        QVERIFY(!t->w().Viewer()->isVisible());
    }

    void headerOfAnySizeIsShownAsInputFile()
    {
        const QString name = t->writeFile("head.htm", QByteArray(50000, 'h'));
        t->showTab(0);
        t->box("txbCustomHeaderFile_1")->setText(name);
        t->w().cmdViewHeaderFile_Click(1);
        QCOMPARE(t->w().Viewer()->windowTitle(), "Viewing input file " + name);
        QCOMPARE(t->w().Viewer()->txbText1->toPlainText().size(), 50000);
    }

    void textIsUtf8OrWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("utf-8") << QByteArray("gr\xC3\xBC\xC3\x9F \xE2\x82\xAC")
                               << QString::fromUtf8("gr\xC3\xBC\xC3\x9F \xE2\x82\xAC");
        QTest::newRow("windows-1252")
            << QByteArray("gr\xFC\xDF \x80") << QString::fromUtf8("gr\xC3\xBC\xC3\x9F \xE2\x82\xAC");
    }

    void textIsUtf8OrWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        t->box("txbInputFile_0")->setText(t->writeFile("text.txt", bytes));
        t->w().cmdViewInputFile_Click(TextSlot);
        QCOMPARE(t->w().Viewer()->txbText1->toPlainText(), shown);
    }

    void copyButtonAndClipboard()
    {
        t->box("txbInputFile_0")->setText(t->writeFile("copy.txt", "first line\nsecond line\n"));
        t->w().cmdViewInputFile_Click(TextSlot);
        frmView* view = t->w().Viewer();
        QCOMPARE(view->cmdCopyToClipboard->text(), QStringLiteral("Copy to clipboard"));
        const int plainWidth = view->cmdCopyToClipboard->width();

        QTextCursor cursor = view->txbText1->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(15, QTextCursor::KeepAnchor);
        view->txbText1->setTextCursor(cursor);
        QTest::mouseRelease(view->txbText1->viewport(), Qt::LeftButton);
        QCOMPARE(view->cmdCopyToClipboard->text(), QStringLiteral("Copy selected text to clipboard"));
        QVERIFY(view->cmdCopyToClipboard->width() > plainWidth);

        view->cmdCopyToClipboard->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("first line\nseco"));
        QCOMPARE(view->cmdCopyToClipboard->text(), QStringLiteral("Copy to clipboard"));
        QCOMPARE(view->cmdCopyToClipboard->width(), plainWidth);

        cursor.clearSelection();
        view->txbText1->setTextCursor(cursor);
        view->cmdCopyToClipboard->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("first line\nsecond line\n"));

        view->cmdClose->click();
        QVERIFY(!view->isVisible());
    }

    void reloadsWhenActivatedAgain()
    {
        const QString name = t->writeFile("live.txt", "before\n");
        t->box("txbInputFile_0")->setText(name);
        t->w().cmdViewInputFile_Click(TextSlot);
        frmView* view = t->w().Viewer();
        QCOMPARE(view->txbText1->toPlainText(), QStringLiteral("before\n"));
        t->writeFile("live.txt", "after\n");
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(view, &deactivate);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(view, &activate);
        QApplication::sendEvent(view, &activate);
        QCOMPARE(view->txbText1->toPlainText(), QStringLiteral("after\n"));
    }

    void viewerKeepsItsMinimumSize()
    {
        t->box("txbInputFile_0")->setText(t->writeFile("a.txt", "a\n"));
        t->w().cmdViewInputFile_Click(TextSlot);
        frmView* view = t->w().Viewer();
        view->resize(10, 10);
        QVERIFY(view->width() >= 8000 * view->logicalDpiX() / 1440 - 1);
        QVERIFY(view->height() >= 2000 * view->logicalDpiY() / 1440 - 1);
    }
};

QTEST_MAIN(tst_Viewer)
#include "tst_viewer.moc"
