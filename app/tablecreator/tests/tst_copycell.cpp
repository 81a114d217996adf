// The copy dialog opened from the Table Creator's grid, through the scripted seam: what it shows
// of the source, the proposed and the covered targets, "Do it" with its messages, and the copy.
#include "OpenFromGrid.h"
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"
#include "rules/ColorRoutines.h"
#include "tablecreator/frmCopyCell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace pagewright;

namespace
{

const int32_t kRed = MakeColor(255, 0, 0);
const int32_t kYellow = MakeColor(255, 255, 0);

} // namespace

class tst_CopyCell : public WindowTestCase
{
    Q_OBJECT

private:
    const TableCell& Cell(int row, int col) { return t->w().Table.Cell(row, col); }

    // Clicks the cell at its centre with the right button and runs act on the copy dialog.
    void CopyFrom(int row, int col, std::function<void(frmCopyCell*)> act, Qt::Key key = Qt::Key_unknown)
    {
        OpenFromGrid<frmCopyCell>(*t, Qt::RightButton, row, col, act, key);
    }

    // The cells of the table whose content is text, as "row,col" in order.
    QStringList CellsHolding(const QString& text)
    {
        QStringList found;
        for (int r = 1; r <= t->w().Table.NumRows(); ++r)
            for (int c = 1; c <= t->w().Table.NumCols(); ++c)
                if (Cell(r, c).Content == text)
                    found << QStringLiteral("%1,%2").arg(r).arg(c);
        return found;
    }

private slots:
    void init()
    {
        t = std::make_unique<TestWindow>();
        t->showTab(5);
        t->w().resize(800, 600);
        // Source (2, 2): content, colours, alignment, width 25 %, height 40; cell (3, 3)
        // spans rows 3 and 4, so (4, 3) is covered.
        TableModel& table = t->w().Table;
        table.StoreCellFields(2, 2,
                              TableCell{.CellTextColor = kRed,
                                        .CellBackColor = kYellow,
                                        .Content = "x",
                                        .Align = 2,
                                        .Width = 25,
                                        .WidthInPixels = 0,
                                        .Height = 40});
        QVERIFY(table.SetCellArea(3, 3, 2, 1));
    }

    void showsTheSource()
    {
        CopyFrom(2, 2, [](frmCopyCell* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Copy cell"));
            QCOMPARE(d->lblOfCellAt->text(), QStringLiteral("of cell at row 2 column 2"));
            QCOMPARE(d->txbFromCellContent->text(), QStringLiteral("x"));
            QCOMPARE(d->txbFromCellContent->palette().color(QPalette::Base), QColor(Qt::yellow));
            QCOMPARE(d->lblAlign->text(), QStringLiteral("Align = center"));
            QCOMPARE(d->lblVAlign->text(), QStringLiteral("VAlign =  "));
            QCOMPARE(d->lblWidth->text(), QStringLiteral("Width = 25%"));
            QCOMPARE(d->optToAllCellsInRow->text(), QStringLiteral("to all cells in row 2"));
            QCOMPARE(d->optToAllCellsInColumn->text(), QStringLiteral("to all cells in column 2"));
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdCancel));
            d->cmdCancel->click();
        });
        t->w().Table.ApplyPlaceMarkers(true);
        CopyFrom(
            1, 1,
            [](frmCopyCell* d) {
                QCOMPARE(d->txbFromCellContent->text(), QString()); // its place marker
                QCOMPARE(d->lblWidth->text(), QStringLiteral("Width ="));
                QTest::keyClick(d->cmdCancel, Qt::Key_Return);
            },
            Qt::Key_F10); // with Shift
    }

    void proposedTarget_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("target"); // "row,col" or "" for none
        QTest::newRow("the next cell") << 1 << 1 << "1,2";
        QTest::newRow("last column: the cell below") << 2 << 6 << "3,6";
        QTest::newRow("bottom right: none") << 6 << 6 << "";
        QTest::newRow("next cell covered: none") << 4 << 2 << "";
    }

    void proposedTarget()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, target);
        CopyFrom(row, col, [&](frmCopyCell* d) {
            const QString chosen = d->cboToRow->currentIndex() < 0
                                       ? QString()
                                       : d->cboToRow->currentText() + "," + d->cboToCol->currentText();
            QCOMPARE(chosen, target);
            QCOMPARE(d->cboToRow->count(), 6);
            QCOMPARE(d->cmdDoCopy->isEnabled(), !target.isEmpty());
            d->optToAllCellsInTable->click();
            QVERIFY(d->cmdDoCopy->isEnabled());
            QVERIFY(!d->cboToRow->isEnabled());
            d->optToOneCell->click();
            d->cboToRow->setCurrentIndex(0);
            d->cboToCol->setCurrentIndex(0);
            QVERIFY(d->cmdDoCopy->isEnabled());
            d->cmdCancel->click();
        });
    }

    void coveredChoiceMovesToItsOwner()
    {
        CopyFrom(2, 2, [](frmCopyCell* d) {
            d->cboToCol->setCurrentIndex(2);
            d->cboToRow->setCurrentIndex(3); // (4, 3), covered by (3, 3)
            QCOMPARE(d->cboToRow->currentText() + "," + d->cboToCol->currentText(), QStringLiteral("3,3"));
            d->chkContent->setChecked(true);
            d->cmdDoCopy->click();
        });
        QCOMPARE(CellsHolding("x"), (QStringList{"2,2", "3,3"}));
    }

    void doIt_data()
    {
        QTest::addColumn<QString>(
            "parts"); // letters f c k a w h: font, content, colours, alignment, width, height
        QTest::addColumn<int>("target");          // CopyTarget
        QTest::addColumn<QString>("to");          // the one cell chosen
        QTest::addColumn<QString>("message");     // "" when the copy is done
        QTest::addColumn<QStringList>("holding"); // cells with content "x" afterwards
        const int one = int(CopyTarget::OneCell);
        const QStringList sourceOnly{"2,2"};
        const QString none =
            "At least one of font, content, colors,\r\nalignment, width and height must be checked.";
        QTest::newRow("content to one cell") << "c" << one << "5,6"
                                             << "" << QStringList{"2,2", "5,6"};
        QTest::newRow("nothing checked") << "" << one << "5,6" << none << sourceOnly;
        QTest::newRow("height alone") << "h" << one << "5,6"
                                      << "" << sourceOnly;
        QTest::newRow("to itself") << "c" << one << "2,2"
                                   << "Cell is being copied to itself." << sourceOnly;
        QTest::newRow("row") << "c" << int(CopyTarget::Row) << ""
                             << "" << QStringList{"2,1", "2,2", "2,3", "2,4", "2,5", "2,6"};
        QTest::newRow("column") << "c" << int(CopyTarget::Column) << ""
                                << "" << QStringList{"1,2", "2,2", "3,2", "4,2", "5,2", "6,2"};
    }

    void doIt()
    {
        QFETCH(QString, parts);
        QFETCH(int, target);
        QFETCH(QString, to);
        QFETCH(QString, message);
        QFETCH(QStringList, holding);
        t->w().Label2[TableCreatorSlot]->setText("HTML written.");
        CopyFrom(2, 2, [&](frmCopyCell* d) {
            const QList<QCheckBox*> checks = {d->chkFont,      d->chkContent, d->chkColors,
                                              d->chkAlignment, d->chkWidth,   d->chkHeight};
            for (int i = 0; i < 6; ++i)
                checks[i]->setChecked(parts.contains(QLatin1Char("fckawh"[i])));
            const QList<QRadioButton*> options = {d->optToOneCell, d->optToAllCellsInRow,
                                                  d->optToAllCellsInColumn, d->optToAllCellsInTable};
            options[target]->click();
            if (!to.isEmpty()) {
                d->cboToRow->setCurrentIndex(to.section(',', 0, 0).toInt() - 1);
                d->cboToCol->setCurrentIndex(to.section(',', 1).toInt() - 1);
            }
            if (!message.isEmpty())
                t->seam().expectMessage("Error", message, MsgIcon::None);
            d->cmdDoCopy->click();
            if (!message.isEmpty()) {
                QVERIFY2(d->isVisible(), "the dialog stays open after a refusal");
                d->cmdCancel->click();
            }
        });
        QCOMPARE(CellsHolding("x"), holding);
        QCOMPARE(Cell(5, 6).Height, parts == "h" ? 40 : -1);
        QCOMPARE(t->w().Label2[TableCreatorSlot]->text(),
                 message.isEmpty() ? QString() : QStringLiteral("HTML written."));
    }

    void colorsToTheTable_data()
    {
        QTest::addColumn<int>("col"); // source (2, col)
        QTest::addColumn<int32_t>("tableText");
        QTest::newRow("own colours become the table's") << 2 << kRed;
        QTest::newRow("no own colours: the table's stay") << 1 << 0x000000;
    }

    void colorsToTheTable()
    {
        QFETCH(int, col);
        QFETCH(int32_t, tableText);
        CopyFrom(2, col, [](frmCopyCell* d) {
            for (QCheckBox* part : {d->chkContent, d->chkColors, d->chkHeight})
                part->setChecked(true);
            d->optToAllCellsInTable->click();
            d->cmdDoCopy->click();
        });
        QCOMPARE(Cell(6, 1).Height, col == 2 ? 40 : -1);
        QCOMPARE(Cell(6, 1).Content, col == 2 ? QStringLiteral("x") : QString());
        QCOMPARE(Cell(4, 3).Content, QString()); // covered: skipped
        QCOMPARE(Cell(2, 2).CellTextColor, UnsetColor);
        QCOMPARE(t->w().TextColors[3], tableText);
        // The table's colours are then used for the page as well.
        QCOMPARE(t->w().chkUseSpecifiedColors[3]->isChecked(), col == 2);
    }
};

QTEST_MAIN(tst_CopyCell)
#include "tst_copycell.moc"
