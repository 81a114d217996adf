#include "tablecreator/TableChange.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace pagewright;

namespace
{

// A change taken back and done again gives the file of the state before and after, byte for
// byte; it keeps only what it touched and leaves what changed since without it.
TEST(TableChange, UndoAndRedoGiveBackBothStatesExactly)
{
    TableDocument before;
    before.table.ApplyTableSize(20, 8);
    for (const auto& [r, c, rows, cols] : {std::tuple{1, 1, 2, 3}, {5, 2, 16, 1}, {19, 7, 2, 2}}) {
        ASSERT_TRUE(before.table.SetCellArea(r, c, rows, cols));
        before.table.RawCell(r, c).Content = QStringLiteral("%1,%2").arg(r).arg(c);
    }
    const std::function<void(TableDocument&)> changes[] = {
        [](TableDocument& d) { d.table.DeleteRow(5); },
        [](TableDocument& d) { d.table.InsertColumn(2); },
        [](TableDocument& d) { d.table.ApplyTableSize(3, 20); },
        [](TableDocument& d) {
            d.table.CopyCell({1, 1}, {true, true, true, true, true, true}, CopyTarget::Table);
            d.useTableColors = true;
            d.textColor = 0x00FF00;
        }};
    for (const auto& change : changes) {
        TableDocument after = before;
        change(after);
        const TableChange step(before, after);
        ASSERT_FALSE(step.IsEmpty());
        TableDocument state = after;
        step.Undo(state);
        EXPECT_EQ(TableFileBytes(state), TableFileBytes(before));
        step.Redo(state);
        EXPECT_EQ(TableFileBytes(state), TableFileBytes(after));
    }

    TableDocument after = before;
    after.table.RawCell(2, 6).Content = QStringLiteral("typed");
    after.center = true;
    const TableChange step(before, after);
    EXPECT_EQ(step.CellCount(), 1U);
    after.outputFile = QStringLiteral("later.htm");
    after.table.RawCell(4, 4).Content = QStringLiteral("later");
    step.Undo(after);
    EXPECT_TRUE(after.outputFile == QStringLiteral("later.htm") && !after.center &&
                after.table.Cell(2, 6).Content.isEmpty() && after.table.Cell(4, 4).Content == QStringLiteral("later"));
    EXPECT_TRUE(TableChange(before, before).IsEmpty());
}

} // namespace
