#include "tablecreator/TableGeometry.h"

#include <gtest/gtest.h>

using namespace pagewright;

namespace
{

// Cell sizes are rounded half to even.
TEST(TableGeometry, GridSizeRoundsHalvesToEven)
{
    const struct {
        int width, height, rows, cols;
        int cellWidth, cellHeight, gridRight, gridBottom;
    } cases[] = {
        {412, 214, 1, 1, 400, 200, 412, 212}, // one cell fills it
        {17, 19, 2, 2, 2, 2, 16, 16},         // 2.5 -> 2
        {19, 21, 2, 2, 4, 4, 20, 20},         // 3.5 -> 4
        {612, 614, 6, 6, 100, 100, 612, 612}, // exact
        {100, 50, 20, 20, 4, 2, 92, 52},      // 4.4, 1.8
    };
    for (const auto& c : cases) {
        const GridMetrics g = ComputeGrid(c.width, c.height, c.rows, c.cols);
        EXPECT_EQ(std::tie(g.CellWidth, g.CellHeight, g.GridRight, g.GridBottom),
                  std::tie(c.cellWidth, c.cellHeight, c.gridRight, c.gridBottom))
            << c.width << "x" << c.height;
    }
}

TEST(TableGeometry, CellRectanglesStandTwoPixelsApartWithinTheGrid)
{
    const GridMetrics g = ComputeGrid(612, 614, 6, 6);
    EXPECT_EQ(CellRect(g, 1, 1), QRect(QPoint(14, 14), QPoint(112, 112)));
    EXPECT_EQ(CellRect(g, 1, 2).left(), 114);
    EXPECT_EQ(CellRect(g, 2, 2, 2, 3), QRect(QPoint(114, 114), QPoint(412, 312)));
    EXPECT_EQ(CellRect(g, 6, 6, 3, 3), QRect(QPoint(514, 514), QPoint(612, 612))); // held to the grid
}

TEST(TableGeometry, NumberPositions)
{
    const GridMetrics g = ComputeGrid(612, 614, 20, 20);               // cells 30 x 30
    EXPECT_DOUBLE_EQ(ColumnNumberPos(g, 8).x(), 12 + 7 * 30 + 12 + 2); // (30 - 6) / 2
    EXPECT_DOUBLE_EQ(ColumnNumberPos(g, 9).x(), 12 + 8 * 30 + 9 + 2);  // like two digits: (30 - 12) / 2
    EXPECT_DOUBLE_EQ(ColumnNumberPos(g, 10).x(), 12 + 9 * 30 + 9 + 2);
    EXPECT_DOUBLE_EQ(RowNumberPos(g, 9).x(), 4);
    EXPECT_DOUBLE_EQ(RowNumberPos(g, 10).x(), 0);
    EXPECT_DOUBLE_EQ(RowNumberPos(g, 1).y(), 14 + 8);
    const GridMetrics odd = ComputeGrid(612, 613, 6, 6); // cell height 99.8 -> 100; width 100
    EXPECT_DOUBLE_EQ(ColumnNumberPos(odd, 1).x(), 12 + 47 + 2);
    const GridMetrics half = ComputeGrid(12 + 7 * 5, 614, 6, 5); // cell width 7: fractional place
    EXPECT_DOUBLE_EQ(ColumnNumberPos(half, 1).x(), 12 + 0.5 + 2);
}

// A point finds the free cell drawn under it, or nothing.
TEST(TableGeometry, HitFindsTheFreeCellUnderThePoint)
{
    TableModel table;
    ASSERT_TRUE(table.SetCellArea(2, 2, 2, 2));
    const GridMetrics g = ComputeGrid(612, 614, 6, 6);
    const std::optional<CellPos> none;
    const struct {
        const char* name;
        QPoint point;
        std::optional<CellPos> cell;
    } cases[] = {
        {"top left corner", {14, 14}, CellPos{1, 1}},
        {"bottom right corner", {112, 112}, CellPos{1, 1}},
        {"gap between columns", {113, 50}, none},
        {"gap between rows", {50, 113}, none},
        {"column numbers", {50, 5}, none},
        {"row numbers", {5, 50}, none},
        {"inside a span on a covered position", {250, 250}, CellPos{2, 2}},
        {"former gap inside a span", {213, 213}, CellPos{2, 2}},
        {"last cell", {612, 612}, CellPos{6, 6}},
        {"grey right", {614, 50}, none},
        {"grey below", {50, 700}, none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitTest(g, table, c.point), c.cell) << c.name;
}

TEST(TableGeometry, BackColorAndDialogPlace)
{
    EXPECT_EQ(GridBackColor(0xFFFFFF), 0x7F7F7F);
    EXPECT_EQ(GridBackColor(0x000000), 0x808080);
    EXPECT_EQ(GridBackColor(0x10FF80), 0x907F00);
    const QRect screen(0, 0, 1000, 800);
    EXPECT_EQ(CellDialogPosition({100, 200}, 30, 2, 96, screen), QPoint(100, 200 + 36 + 62));
    EXPECT_EQ(CellDialogPosition({100, 500}, 30, 6, 96, screen), QPoint(100, 640)); // 80 % of 800
}

} // namespace
