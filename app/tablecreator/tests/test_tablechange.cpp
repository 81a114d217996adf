#include "tablecreator/TableChange.h"

#include <gtest/gtest.h>

#include <random>

using namespace pagewright;

namespace
{

// A change taken back and done again gives the file of the state before and after, byte for
// byte, from the state the change left (or found); it keeps only the cells it touched.
TEST(TableChange, UndoAndRedoGiveBackBothStatesExactly)
{
    std::mt19937 random(7);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 100; ++round) {
        TableDocument before;
        before.table.ApplyTableSize(pick(1, 20), pick(1, 20));
        for (int k = 0; k < 8; ++k) {
            const int r = pick(1, before.table.NumRows()), c = pick(1, before.table.NumCols());
            before.table.SetCellArea(r, c, pick(1, 3), pick(1, 3));
            TableCell values = before.table.Cell(r, c);
            values.Content = QString::number(k);
            before.table.StoreCellFields(r, c, values);
        }
        TableDocument after = before;
        switch (round % 4) {
        case 0:
            after.table.DeleteRow(pick(1, after.table.NumRows()));
            break;
        case 1:
            after.table.InsertColumn(pick(1, after.table.NumCols()));
            break;
        case 2:
            after.table.ApplyTableSize(pick(1, 20), pick(1, 20));
            break;
        case 3:
            after.table.CopyCell({1, 1}, {true, true, true, true, true, true}, CopyTarget::Table);
            after.useTableColors = true;
            after.textColor = 0x00FF00;
            break;
        }
        const TableChange change(before, after);
        EXPECT_EQ(change.IsEmpty(), before == after);
        TableDocument state = after;
        change.Undo(state);
        ASSERT_EQ(TableFileBytes(state), TableFileBytes(before)) << "round " << round;
        change.Redo(state);
        ASSERT_EQ(TableFileBytes(state), TableFileBytes(after)) << "round " << round;
    }

    TableDocument before;
    TableDocument after = before;
    after.table.RawCell(2, 3).Content = QStringLiteral("typed");
    after.center = true;
    const TableChange change(before, after);
    EXPECT_EQ(change.CellCount(), 1U);
    // What changed since, and not by this change, stays as it is.
    after.outputFile = QStringLiteral("later.htm");
    after.table.RawCell(4, 4).Content = QStringLiteral("later");
    change.Undo(after);
    EXPECT_TRUE(after.outputFile == QStringLiteral("later.htm") && !after.center &&
                after.table.Cell(2, 3).Content.isEmpty() &&
                after.table.Cell(4, 4).Content == QStringLiteral("later"));
    EXPECT_TRUE(TableChange(before, before).IsEmpty());
}

} // namespace
