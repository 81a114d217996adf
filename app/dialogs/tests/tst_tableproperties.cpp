// The table-properties dialog and the two buttons that open it, through the scripted seam.
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyBorderEtc.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace pagewright;

namespace
{

frmSpecifyBorderEtc* Border(QDialog& dialog)
{
    auto* border = qobject_cast<frmSpecifyBorderEtc*>(&dialog);
    if (border == nullptr)
        QTest::qFail("Not the table-properties dialog", __FILE__, __LINE__);
    return border;
}

using Values = QList<int>; // width, in pixels, border, padding, spacing

} // namespace

class tst_TableProperties : public WindowTestCase
{
    Q_OBJECT

private:
    Values Stored(int index)
    {
        frmMain& w = t->w();
        return {w.TableWidth[index], w.WidthInPixels[index], w.TableBorder[index], w.TableCellPadding[index],
                w.TableCellSpacing[index]};
    }

    // Opens the dialog of a table index, fills its boxes, then presses Accept once and, when a
    // message is expected, Cancel after it.
    void Run(int tableIndex, const QStringList& boxes, bool percent, const QString& message)
    {
        t->seam().expectDialog("frmSpecifyBorderEtc", [&](QDialog& dialog) {
            frmSpecifyBorderEtc* d = Border(dialog);
            const QList<QLineEdit*> edits = {d->txbWidth, d->txbBorder, d->txbCellPadding, d->txbCellSpacing};
            for (int i = 0; i < 4; ++i)
                edits[i]->setText(boxes[i]);
            (percent ? d->optPercent : d->optPixels)->click();
            if (!message.isEmpty())
                t->seam().expectMessage("Inadmissible input", message, MsgIcon::None);
            d->cmdAccept->click();
            if (!message.isEmpty()) {
                QVERIFY2(d->isVisible(), "the dialog stays open after a refusal");
                QVERIFY(!d->Accepted);
                // The user's text stays in place, trimmed.
                for (int i = 0; i < 4; ++i)
                    QCOMPARE(edits[i]->text(), boxes[i].trimmed());
                d->cmdCancel->click();
            }
        });
        t->button(Indexed("cmdSpecifyBorder", tableIndex))->click();
    }

private slots:
    void acceptStoresOrRefuses_data()
    {
        QTest::addColumn<int>("tableIndex");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Values>("stored");
        const Values start{-1, 1, 1, 4, 4};
        QTest::newRow("all empty, percent")
            << 0 << QStringList{"", "", "", ""} << true << "" << Values{-1, 0, -1, -1, -1};
        QTest::newRow("all empty, pixels (creator)")
            << 1 << QStringList{"", "", "", ""} << false << "" << Values{-1, 1, -1, -1, -1};
        QTest::newRow("4 percent") << 0 << QStringList{"4", "", "", ""} << true
                                   << " Width in percent must be in the range 5 through 100." << start;
        QTest::newRow("49 pixels") << 0 << QStringList{"49", "", "", ""} << false
                                   << " Width in pixels must be in the range 50 through 1000." << start;
        QTest::newRow("1000 pixels, blanks trimmed")
            << 1 << QStringList{" 1000 ", " 2", "3 ", "0"} << false << "" << Values{1000, 1, 2, 3, 0};
        QTest::newRow("100 percent") << 0 << QStringList{"100", "1", "4", "4"} << true << ""
                                     << Values{100, 0, 1, 4, 4};
        QTest::newRow("letters as border are 0")
            << 0 << QStringList{"", "none", "", ""} << false << "" << Values{-1, 1, 0, -1, -1};
        QTest::newRow("letters as width are refused")
            << 0 << QStringList{"wide", "", "", ""} << false
            << " Width in pixels must be in the range 50 through 1000." << start;
        QTest::newRow("border 100.4") << 0 << QStringList{"", "100.4", "", ""} << false
                                      << " Border in pixels must be in the range 0 through 100." << start;
        QTest::newRow("halves to even")
            << 0 << QStringList{"", "99.5", "50.5", "2.5"} << false << "" << Values{-1, 1, 100, 50, 2};
        QTest::newRow("first bad box only")
            << 0 << QStringList{"", "", "101", "-1"} << false
            << " Cellpadding in pixels must be in the range 0 through 100." << start;
        QTest::newRow("spacing") << 1 << QStringList{"", "", "", "200"} << false
                                 << " Cell spacing in pixels must be in the range 0 through 100." << start;
    }

    void acceptStoresOrRefuses()
    {
        QFETCH(int, tableIndex);
        QFETCH(QStringList, boxes);
        QFETCH(bool, percent);
        QFETCH(QString, message);
        QFETCH(Values, stored);
        t->showTab(tableIndex == 0 ? 4 : 5);
        Run(tableIndex, boxes, percent, message);
        QCOMPARE(Stored(tableIndex), stored);
        // The other table keeps its start values.
        QCOMPARE(Stored(1 - tableIndex), (Values{-1, 1, 1, 4, 4}));
    }

    void reopeningShowsTheStoredValues()
    {
        t->showTab(4);
        Run(0, {"300", "", "7", ""}, false, {});
        t->seam().expectDialog("frmSpecifyBorderEtc", [](QDialog& dialog) {
            frmSpecifyBorderEtc* d = Border(dialog);
            QCOMPARE(d->txbWidth->text(), QStringLiteral("300"));
            QVERIFY(d->optPixels->isChecked());
            QCOMPARE(d->txbBorder->text(), QString());
            QCOMPARE(d->txbCellPadding->text(), QStringLiteral("7"));
            d->cmdCancel->click();
        });
        t->button("cmdSpecifyBorder_0")->click();
        // The Table Creator's values fill the same dialog afresh.
        t->w().WidthInPixels[1] = 0;
        t->w().TableWidth[1] = 80;
        t->showTab(5);
        t->seam().expectDialog("frmSpecifyBorderEtc", [](QDialog& dialog) {
            frmSpecifyBorderEtc* d = Border(dialog);
            QCOMPARE(d->txbWidth->text(), QStringLiteral("80"));
            QVERIFY(d->optPercent->isChecked());
            QCOMPARE(d->txbBorder->text(), QStringLiteral("1"));
            QCOMPARE(d->txbCellSpacing->text(), QStringLiteral("4"));
            d->cmdCancel->click();
        });
        t->button("cmdSpecifyBorder_1")->click();
    }

    void cancelChangesNothingAndReturnsToTheTabs_data()
    {
        QTest::addColumn<bool>("byFrame");
        QTest::newRow("Cancel") << false;
        QTest::newRow("closed by the frame") << true;
    }

    void cancelChangesNothingAndReturnsToTheTabs()
    {
        QFETCH(bool, byFrame);
        t->showTab(4);
        t->w().show();
        t->label("Label2_3")->setText("HTML written for a table with 1 row and 1 column.");
        t->seam().expectDialog("frmSpecifyBorderEtc", [byFrame](QDialog& dialog) {
            frmSpecifyBorderEtc* d = Border(dialog);
            d->txbWidth->setText("75");
            d->optPercent->click();
            d->txbBorder->setText("");
            if (byFrame)
                d->close();
            else
                d->cmdCancel->click();
        });
        t->button("cmdSpecifyBorder_0")->setFocus();
        t->button("cmdSpecifyBorder_0")->click();
        QCOMPARE(Stored(0), (Values{-1, 1, 1, 4, 4}));
        QCOMPARE(t->label("Label2_3")->text(),
                 QStringLiteral("HTML written for a table with 1 row and 1 column."));
        QCOMPARE(t->w().focusWidget(), static_cast<QWidget*>(t->w().SSTab1->tabBar()));
    }

    void acceptingClearsTheResultLine()
    {
        t->showTab(4);
        t->label("Label2_3")->setText("HTML written for a table with 1 row and 1 column.");
        t->w().OutputReady[DataTableSlot] = true;
        Run(0, {"", "2", "", ""}, false, {});
        QCOMPARE(t->label("Label2_3")->text(), QString());
        QVERIFY(!t->w().OutputReady[DataTableSlot]);
    }

    void focusRules()
    {
        t->seam().expectDialog("frmSpecifyBorderEtc", [](QDialog& dialog) {
            frmSpecifyBorderEtc* d = Border(dialog);
            QCOMPARE(d->windowTitle(), QStringLiteral("Specify width, border, cell padding and spacing"));
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdCancel));
            d->txbCellPadding->setFocus();
            QTest::keyClick(d->txbCellPadding, Qt::Key_Return);
            QVERIFY2(d->isVisible(), "Enter does not accept");
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdAccept));
            d->optPercent->click();
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdCancel));
            d->cmdCancel->click();
        });
        t->showTab(4);
        t->button("cmdSpecifyBorder_0")->click();
    }
};

QTEST_MAIN(tst_TableProperties)
#include "tst_tableproperties.moc"
