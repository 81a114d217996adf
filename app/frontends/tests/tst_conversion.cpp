// The Text to HTML and HTML Template tabs end to end, through the real conversion library.
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"
#include "dialogs/frmHowToView.h"
#include "dialogs/frmView.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace pagewright;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Answers the "How to view output file?" dialog with one of its buttons.
std::function<void(QDialog&)> Choose(const char* button)
{
    return [button](QDialog& dialog) {
        auto* how = qobject_cast<frmHowToView*>(&dialog);
        QVERIFY(how != nullptr);
        QCOMPARE(how->lblViewOptions->text().isEmpty(), false);
        QVERIFY(how->cmdInBrowser->isEnabled());
        how->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    };
}

} // namespace

class tst_Conversion : public WindowTestCase {
    Q_OBJECT

private:
    void SetTextFiles(const QByteArray& text)
    {
        t->box("txbInputFile_0")->setText(t->writeFile("notes.txt", text));
        t->box("txbOutputFile_0")->setText(t->path("notes.htm"));
    }

private slots:
    void successfulRunOffersTheViewAsCode()
    {
        SetTextFiles("Hello caf\xE9\n\nSecond paragraph\n");
        t->seam().expectDialog("frmHowToView", Choose("cmdAsHTMLCode"));
        QTest::mouseClick(t->button("cmdPerformOperation_0"), Qt::LeftButton);
        QCOMPARE(t->label("Label2_0")->text(), QStringLiteral("Conversion successful."));
        QVERIFY(t->w().OutputReady[TextSlot]);
        QVERIFY(t->button("cmdViewOutputFile_0")->isEnabled());
        const QByteArray page = ReadAll(t->path("notes.htm"));
        QVERIFY(page.contains("Second paragraph"));
        frmView* view = t->w().Viewer();
        QVERIFY(view->isVisible());
        QCOMPARE(view->windowTitle(), "Viewing output file " + t->path("notes.htm"));
        QCOMPARE(view->txbText1->toPlainText(), QString::fromUtf8(page));
    }

    void successfulRunShownInTheBrowser()
    {
        SetTextFiles("Text\n");
        t->seam().expectDialog("frmHowToView", Choose("cmdInBrowser"));
        t->seam().expectOpen(QUrl::fromLocalFile(t->path("notes.htm")), false);
        t->seam().expectMessage("Error",
                                "Error opening file " + t->path("notes.htm") +
                                    ".\r\nPerhaps the file extension is incorrect.",
                                MsgIcon::Exclamation);
        t->w().cmdPerformOperation_Click(TextSlot);
        QVERIFY(t->w().OutputReady[TextSlot]);
        QVERIFY(!t->w().Viewer()->isVisible());
    }

    void notViewingNowLeavesTheViewForLater()
    {
        SetTextFiles("Text\n");
        t->seam().expectDialog("frmHowToView", Choose("cmdNotNow"));
        t->w().cmdPerformOperation_Click(TextSlot);
        QVERIFY(t->w().OutputReady[TextSlot]);
        QVERIFY(t->button("cmdViewOutputFile_0")->isEnabled());
        t->seam().expectDialog("frmHowToView", Choose("cmdAsHTMLCode"));
        t->button("cmdViewOutputFile_0")->click();
        QVERIFY(t->w().Viewer()->isVisible());
    }

    void htmlInputLeavesNoOutput_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("outputExisted");
        QTest::newRow("<html> lower case") << QByteArray("intro\n<html>\n<body>x</body>\n") << "<HTML>" << false;
        QTest::newRow("<HTML> over an old file") << QByteArray("<HTML>\n") << "<HTML>" << true;
        QTest::newRow("<x-html>") << QByteArray("a\n<x-Html>\n") << "<X-HTML>" << false;
    }

    void htmlInputLeavesNoOutput()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, tag);
        QFETCH(bool, outputExisted);
        SetTextFiles(text);
        if (outputExisted) {
            t->writeFile("notes.htm", "old page");
            t->seam().expectMessage("Warning", "Output file exists.  Overwrite?", MsgIcon::Exclamation,
                                    MsgButtons::YesNoCancel, MsgAnswer::Yes);
        }
        t->w().cmdPerformOperation_Click(TextSlot);
        QCOMPARE(t->label("Label2_0")->text(),
                 "Input file contains \"" + tag + "\" so appears to be HTML not text. No output file created.");
        QCOMPARE(t->label("Label2_0")->textFormat(), Qt::PlainText);
        QVERIFY(!QFile::exists(t->path("notes.htm")));
        QVERIFY(!t->w().OutputReady[TextSlot]);
    }

    void missingHeaderIsReportedAndNotViewable()
    {
        SetTextFiles("Text\n");
        t->box("txbCustomHeaderFile_0")->setText(t->path("no-header.htm"));
        t->w().cmdPerformOperation_Click(TextSlot);
        QCOMPARE(t->label("Label2_0")->text(), QStringLiteral("Could not open header file (standard header used)."));
        QVERIFY(QFile::exists(t->path("notes.htm")));
        QVERIFY(!t->button("cmdViewOutputFile_0")->isEnabled());
    }

    void colorsArePassedOnlyWhenChecked()
    {
        SetTextFiles("Text\n");
        t->seam().expectDialog("frmHowToView", Choose("cmdNotNow"));
        t->w().cmdPerformOperation_Click(TextSlot);
        QVERIFY(!ReadAll(t->path("notes.htm")).contains("#FFFFFF"));

        t->find<QCheckBox>("chkUseSpecifiedColors_2")->click();
        t->seam().expectMessage("Warning", "Output file exists.  Overwrite?", MsgIcon::Exclamation,
                                MsgButtons::YesNoCancel, MsgAnswer::Yes);
        t->seam().expectDialog("frmHowToView", Choose("cmdNotNow"));
        t->w().cmdPerformOperation_Click(TextSlot);
        const QByteArray page = ReadAll(t->path("notes.htm"));
        QVERIFY2(page.contains("#000000") && page.contains("#FFFFFF"), page.constData());
    }

    void templateWithTitleInWindows1252()
    {
        t->showTab(0);
        t->box("txbTitle")->setText(QString::fromUtf8("  Caf\xC3\xA9 \xCE\xA9 "));
        t->box("txbOutputFile_5")->setText(t->path("page.html"));
        t->seam().expectDialog("frmHowToView", Choose("cmdNotNow"));
        t->w().cmdPerformOperation_Click(TemplateSlot);
        QCOMPARE(t->label("Label2_5")->text(), QStringLiteral("HTML template file successfully created."));
        QVERIFY(t->w().OutputReady[TemplateSlot]);
        const QByteArray page = ReadAll(t->path("page.html"));
        QVERIFY2(page.contains("Caf\xE9 &#937;"), page.constData());
        QVERIFY(page.contains("Page content goes here."));
    }
};

QTEST_MAIN(tst_Conversion)
#include "tst_conversion.moc"
