// Every converting tab end to end, through the real conversion library.
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"
#include "dialogs/frmHowToView.h"
#include "dialogs/frmSpecifyBorderEtc.h"
#include "dialogs/frmSpecifyColors.h"
#include "dialogs/frmView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace pagewright;

namespace
{

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

// The page a tab is expected to write, from the expected folder beside this test.
QByteArray Expected(const char* name)
{
    return ReadAll(QStringLiteral(EXPECTED_FOLDER "/") + QString::fromLatin1(name));
}

} // namespace

class tst_Conversion : public WindowTestCase
{
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
        QTest::newRow("<html> lower case")
            << QByteArray("intro\n<html>\n<body>x</body>\n") << "<HTML>" << false;
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
                 "Input file contains \"" + tag +
                     "\" so appears to be HTML not text. No output file created.");
        QCOMPARE(t->label("Label2_0")->textFormat(), Qt::PlainText);
        QVERIFY(!QFile::exists(t->path("notes.htm")));
        QVERIFY(!t->w().OutputReady[TextSlot]);
    }

    void missingHeaderIsReportedAndNotViewable()
    {
        SetTextFiles("Text\n");
        t->box("txbCustomHeaderFile_0")->setText(t->path("no-header.htm"));
        t->w().cmdPerformOperation_Click(TextSlot);
        QCOMPARE(t->label("Label2_0")->text(),
                 QStringLiteral("Could not open header file (standard header used)."));
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

    void codeTabWritesTheExpectedPage()
    {
        t->showTab(2);
        t->box("txbInputFile_1")
            ->setText(t->writeFile("prog.c", "int main()\n{\n\treturn 0; // <done> & \"ok\"\n}\n"));
        t->box("txbOutputFile_1")->setText(t->path("prog.htm"));
        t->find<QComboBox>("cboMarginSpaces")->setCurrentIndex(2);
        t->seam().expectDialog("frmHowToView", Choose("cmdNotNow"));
        QTest::mouseClick(t->button("cmdPerformOperation_1"), Qt::LeftButton);
        QCOMPARE(t->label("Label2_1")->text(), QStringLiteral("Conversion successful."));
        QCOMPARE(ReadAll(t->path("prog.htm")), Expected("code-prog.htm"));
    }

    void listTabWritesTheExpectedPage()
    {
        t->showTab(3);
        t->find<QRadioButton>("optOrderedList")->click();
        t->find<QComboBox>("cboOrderedList")->setCurrentIndex(2); // i,ii,iii
        t->find<QCheckBox>("chkAddHTMLWrapper2")->click();
        t->find<QCheckBox>("chkCenterList")->click();
        t->box("txbInputFile_2")
            ->setText(t->writeFile("items.txt", "Apples\n* not an item start\nPears\n\nPlums\n"));
        t->box("txbOutputFile_2")->setText(t->path("list.htm"));
        t->seam().expectDialog("frmHowToView", Choose("cmdNotNow"));
        QTest::mouseClick(t->button("cmdPerformOperation_2"), Qt::LeftButton);
        QCOMPARE(t->label("Label2_2")->text(),
                 QStringLiteral("HTML written for an ordered list with 4 items."));
        QCOMPARE(ReadAll(t->path("list.htm")), Expected("list-items.htm"));
    }

    void tableTabWritesTheExpectedPage()
    {
        t->showTab(4);
        t->box("txbInputFile_3")
            ->setText(t->writeFile("data.txt", "Name,Count,Price\nApples,12,0.5\nPears,7,1.25\n"));
        t->box("txbOutputFile_3")->setText(t->path("data.htm"));
        t->find<QComboBox>("cboPaddingSpaces")->setCurrentIndex(1);
        t->find<QCheckBox>("chkAddHTMLWrapper3")->click();
        t->find<QCheckBox>("chkCenterText3")->click();
        t->find<QCheckBox>("chkUseSpecifiedColors_0")->click();
        t->seam().expectDialog("frmSpecifyColors", [](QDialog& dialog) {
            auto* d = qobject_cast<frmSpecifyColors*>(&dialog);
            d->txbBlue[0]->setText("128");
            d->txbBlue[1]->setText("224");
            d->cmdAccept->click();
        });
        t->button("cmdSpecifyColors_0")->click();
        t->seam().expectDialog("frmSpecifyBorderEtc", [](QDialog& dialog) {
            auto* d = qobject_cast<frmSpecifyBorderEtc*>(&dialog);
            d->txbWidth->setText("80");
            d->optPercent->click();
            d->txbBorder->setText("2");
            d->txbCellPadding->clear();
            d->txbCellSpacing->setText("6");
            d->cmdAccept->click();
        });
        t->button("cmdSpecifyBorder_0")->click();
        t->seam().expectDialog("frmHowToView", Choose("cmdNotNow"));
        QTest::mouseClick(t->button("cmdPerformOperation_3"), Qt::LeftButton);
        QCOMPARE(t->label("Label2_3")->text(),
                 QStringLiteral("HTML written for a table with 3 rows and 3 columns."));
        QCOMPARE(ReadAll(t->path("data.htm")), Expected("table-data.htm"));
    }
};

QTEST_MAIN(tst_Conversion)
#include "tst_conversion.moc"
