#include "tablecreator/TableGeometry.h"

#include "rules/NumberText.h"
#include "widgets/Twips.h"

#include <algorithm>
#include <cmath>

namespace pagewright
{

GridMetrics ComputeGrid(int width, int height, int rows, int cols)
{
    GridMetrics g;
    g.width = width;
    g.height = height;
    g.rows = std::clamp(rows, 1, MaxRows);
    g.cols = std::clamp(cols, 1, MaxCols);
    g.CellWidth = static_cast<int>(RoundHalfEven(double(width - 2 * LeftMargin) / g.cols));
    g.CellHeight = static_cast<int>(RoundHalfEven(double(height - TopMargin) / g.rows));
    g.GridBottom = TopMargin - 2 + g.rows * g.CellHeight;
    g.GridRight = 2 * LeftMargin + g.cols * g.CellWidth;
    return g;
}

QRect CellRect(const GridMetrics& g, int row, int col, int rowSpan, int colSpan)
{
    const int top = (row - 1) * g.CellHeight + TopMargin;
    const int left = (col - 1) * g.CellWidth + 2 * LeftMargin + 2;
    const int bottom = std::min(top + rowSpan * g.CellHeight - 2, g.GridBottom);
    const int right = std::min(left + colSpan * g.CellWidth - 2, g.GridRight);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect AreaRect(const GridMetrics& g, const TableModel& table, int row, int col)
{
    const CellPos owner = table.OwnerOf(row, col);
    const TableCell& cell = table.Cell(owner.row, owner.col);
    return CellRect(g, owner.row, owner.col, cell.RowSpan, cell.ColSpan);
}

QPointF ColumnNumberPos(const GridMetrics& g, int col)
{
    double x = 2 * LeftMargin + (col - 1) * g.CellWidth;
    if (col >= 9)
        x += (g.CellWidth - 2 * LeftMargin) / 2.0 + 2;
    else
        x += (g.CellWidth - LeftMargin) / 2.0 + 2;
    return {x, 0.0};
}

QPointF RowNumberPos(const GridMetrics& g, int row)
{
    const double y = TopMargin + (row - 1) * g.CellHeight + (g.CellHeight - TopMargin) / 2.0;
    return {row >= 10 ? 0.0 : double(LeftMargin - 2), y};
}

std::optional<CellPos> HitTest(const GridMetrics& g, const TableModel& table, QPoint point)
{
    if (g.CellWidth <= 0 || g.CellHeight <= 0)
        return std::nullopt;
    // Only the cell whose grid position lies under the point can hold it; its area is its
    // owner's.
    const int row = (point.y() - TopMargin) / g.CellHeight + 1;
    const int col = (point.x() - 2 * LeftMargin - 2) / g.CellWidth + 1;
    if (point.y() < TopMargin || point.x() < 2 * LeftMargin + 2 || !table.InTable(row, col))
        return std::nullopt;
    const CellPos owner = table.OwnerOf(row, col);
    if (!AreaRect(g, table, row, col).contains(point))
        return std::nullopt;
    return owner;
}

int32_t GridBackColor(int32_t tableBackColor)
{
    const auto shift = [](int channel) { return (channel + 128) % 256; };
    return shift(tableBackColor & 0xFF) | shift((tableBackColor >> 8) & 0xFF) << 8 |
           shift((tableBackColor >> 16) & 0xFF) << 16;
}

QPoint CellDialogPosition(QPoint gridTopLeft, int cellHeight, int row, qreal logicalDpiY, QRect screen)
{
    int top = gridTopLeft.y() + TwipsToPixels(540, logicalDpiY) + (cellHeight + 1) * row;
    const int lowest = screen.top() + static_cast<int>(screen.height() * 0.8);
    top = std::min(top, lowest);
    return {gridTopLeft.x(), top};
}

} // namespace pagewright
