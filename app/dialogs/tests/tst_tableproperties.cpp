// The table-properties dialog and the two buttons that open it, through the scripted seam.
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyBorderEtc.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

using namespace pagewright;

namespace
{

using Values = QList<int>; // width, in pixels, border, padding, spacing
const Values kStart{-1, 1, 1, 4, 4};

} // namespace

class tst_TableProperties : public WindowTestCase
{
    Q_OBJECT

private:
    Values Stored(int t)
    {
        const TableProperties p = this->t->w().TablePropertiesAt(t);
        return {p.width, p.widthInPixels, p.border, p.cellPadding, p.cellSpacing};
    }
    void Open(int tableIndex, std::function<void(frmSpecifyBorderEtc&)> act)
    {
        t->showTab(tableIndex == 0 ? 4 : 5);
        t->seam().expectDialog<frmSpecifyBorderEtc>(std::move(act));
        t->w().cmdSpecifyBorder[tableIndex]->click();
    }

private slots:
    void acceptStoresOrRefuses_data()
    {
        QTest::addColumn<int>("tableIndex");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Values>("stored");
        Row("creator: trimmed, halves to even", 1, QStringList{" 1000 ", " 2.5", "3 ", "0"}, false, "",
            Values{1000, 1, 2, 3, 0});
        Row("4 percent", 0, QStringList{"4", "", "", ""}, true,
            " Width in percent must be in the range 5 through 100.", kStart);
        Row("creator: first bad box only", 1, QStringList{"", "", "101", "-1"}, false,
            " Cellpadding in pixels must be in the range 0 through 100.", kStart);
    }

    void acceptStoresOrRefuses()
    {
        QFETCH(int, tableIndex);
        QFETCH(QStringList, boxes);
        QFETCH(bool, percent);
        QFETCH(QString, message);
        QFETCH(Values, stored);
        const int slot = tableIndex == 0 ? DataTableSlot : TableCreatorSlot;
        t->w().Label2[slot]->setText("HTML written for a table with 1 row and 1 column.");
        Open(tableIndex, [&](frmSpecifyBorderEtc& d) {
            const QList<QLineEdit*> edits = {d.txbWidth, d.txbBorder, d.txbCellPadding, d.txbCellSpacing};
            for (int i = 0; i < 4; ++i)
                edits[i]->setText(boxes[i]);
            (percent ? d.optPercent : d.optPixels)->click();
            if (!message.isEmpty())
                t->seam().expectMessage("Inadmissible input", message, MsgIcon::None);
            d.cmdAccept->click();
            QCOMPARE(d.isVisible(), !message.isEmpty()); // a refusal keeps the dialog open
            QCOMPARE(d.Texts().cellPadding, boxes[2].trimmed());
            d.close();
        });
        QCOMPARE(Stored(tableIndex), stored);
        QCOMPARE(Stored(1 - tableIndex), kStart);
        QCOMPARE(t->w().Label2[slot]->text().isEmpty(), message.isEmpty());
    }

    void reopeningShowsTheStoredValues()
    {
        Open(0, [](frmSpecifyBorderEtc& d) {
            d.txbWidth->setText("300");
            d.txbBorder->clear();
            d.cmdAccept->click();
        });
        Open(0, [](frmSpecifyBorderEtc& d) {
            QCOMPARE(d.Texts().width + "|" + d.Texts().border + "|" + d.Texts().cellPadding,
                     QStringLiteral("300||4"));
            QVERIFY(!d.Texts().percent);
            d.cmdCancel->click();
        });
        t->w().SetTablePropertiesAt(1, {80, 0, 1, 4, 4});
        Open(1, [](frmSpecifyBorderEtc& d) { // the Table Creator's values fill the same dialog afresh
            QCOMPARE(d.Texts().width + "|" + d.Texts().border, QStringLiteral("80|1"));
            QVERIFY(d.optPercent->isChecked());
            d.cmdCancel->click();
        });
    }

    void cancelChangesNothingAndReturnsToTheTabs_data()
    {
        QTest::addColumn<bool>("byFrame");
        Row("Cancel", false);
        Row("closed by the frame", true);
    }

    void cancelChangesNothingAndReturnsToTheTabs()
    {
        QFETCH(bool, byFrame);
        t->w().Label2[DataTableSlot]->setText("HTML written for a table with 1 row and 1 column.");
        t->w().cmdSpecifyBorder[0]->setFocus();
        Open(0, [byFrame](frmSpecifyBorderEtc& d) {
            d.txbWidth->setText("75");
            d.optPercent->click();
            if (byFrame)
                d.close();
            else
                d.cmdCancel->click();
        });
        QCOMPARE(Stored(0), kStart);
        QCOMPARE(t->w().Label2[DataTableSlot]->text(),
                 QStringLiteral("HTML written for a table with 1 row and 1 column."));
        QCOMPARE(t->w().focusWidget(), t->w().SSTab1->tabBar());
    }

    void focusAndEnter_data() { EnterKeyRows(); }

    void focusAndEnter()
    {
        QFETCH(int, key);
        Open(0, [key](frmSpecifyBorderEtc& d) {
            QCOMPARE(d.focusWidget(), d.cmdCancel);
            d.optPercent->click();
            QCOMPARE(d.focusWidget(), d.cmdCancel);
            d.txbCellPadding->setText("9");
            PressEnter(d.txbCellPadding, key);
            QVERIFY2(d.isVisible(), "Enter in a box does not accept");
            QCOMPARE(d.focusWidget(), d.cmdAccept);
            PressEnter(d.cmdAccept, key);
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(Stored(0), (Values{-1, 0, 1, 9, 4}));
    }
};

QTEST_MAIN(tst_TableProperties)
#include "tst_tableproperties.moc"
