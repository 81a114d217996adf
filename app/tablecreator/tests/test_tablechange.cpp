#include "tablecreator/TableChange.h"

#include <gtest/gtest.h>

using namespace pagewright;

namespace
{

// A change taken back and done again gives the file of the state before and after, byte for
// byte; it keeps only what it touched and leaves what changed since without it. (The widget
// tests take each kind of step through it.)
TEST(TableChange, UndoAndRedoGiveBackBothStatesExactly)
{
    TableDocument before;
    ASSERT_TRUE(before.table.SetCellArea(1, 1, 2, 3));
    before.table.RawCell(1, 1).Content = QStringLiteral("owner");
    TableDocument after = before;
    ASSERT_TRUE(after.table.DeleteRow(1) && after.table.InsertColumn(2));
    after.useTableColors = true;
    TableChange step(before, after);
    TableDocument state = after;
    step.Undo(state);
    EXPECT_EQ(TableFileBytes(state), TableFileBytes(before));
    step.Redo(state);
    EXPECT_EQ(TableFileBytes(state), TableFileBytes(after));

    after = before;
    after.table.RawCell(2, 6).Content = QStringLiteral("typed");
    after.center = true;
    step = TableChange(before, after);
    EXPECT_EQ(step.CellCount(), 1U);
    after.outputFile = QStringLiteral("later.htm");
    after.table.RawCell(4, 4).Content = QStringLiteral("later");
    step.Undo(after);
    EXPECT_TRUE(after.outputFile == QStringLiteral("later.htm") && !after.center &&
                after.table.Cell(2, 6).Content.isEmpty() &&
                after.table.Cell(4, 4).Content == QStringLiteral("later"));
    EXPECT_TRUE(TableChange(before, before).IsEmpty());
}

} // namespace
