// Where the Table Creator's grid puts things, in pixels of the grid: the cell size, the cell
// rectangles, the row and column numbers, the hit test and the place of the cell dialogs. Pure
// functions of the table and the grid's size, so the painting, the mouse and the tests agree.
#ifndef PAGEWRIGHT_TABLEGEOMETRY_H
#define PAGEWRIGHT_TABLEGEOMETRY_H

#include "tablecreator/TableModel.h"

#include <QPoint>
#include <QPointF>
#include <QRect>

#include <cstdint>
#include <optional>

namespace pagewright
{

// The space above the grid for the column numbers, and the margin left of it (twice this
// holds the row numbers).
constexpr int TopMargin = 14;
constexpr int LeftMargin = 6;
// The area right of and below the grid.
constexpr int32_t kOutsideGridColor = 0xC0C0C0;

struct GridMetrics {
    int width = 0; // the grid's drawing area
    int height = 0;
    int rows = 1;
    int cols = 1;
    int CellWidth = 0;  // (width - 2 x LeftMargin) / cols and (height - TopMargin) / rows,
    int CellHeight = 0; // rounded half to even
    int GridRight = 0;  // 2 x LeftMargin + cols x CellWidth
    int GridBottom = 0; // TopMargin - 2 + rows x CellHeight
};

GridMetrics ComputeGrid(int width, int height, int rows, int cols);

// The rectangle of the cell at (row, col) with these spans, corners included: cells stand 2
// pixels apart, and no rectangle reaches beyond GridRight or GridBottom.
QRect CellRect(const GridMetrics& g, int row, int col, int rowSpan = 1, int colSpan = 1);
// The rectangle of a free cell with its own spans; of a covered cell, its owner's.
QRect AreaRect(const GridMetrics& g, const TableModel& table, int row, int col);

// Where the number of a column is written (its top left); the numbers from 9 on stand like
// two-digit ones. Fractional positions are kept.
QPointF ColumnNumberPos(const GridMetrics& g, int col);
QPointF RowNumberPos(const GridMetrics& g, int row);

// The free cell whose rectangle holds the point; nothing for a gap, a margin or the grey area.
std::optional<CellPos> HitTest(const GridMetrics& g, const TableModel& table, QPoint point);

// The grid's background: each channel of the table background moved by 128, so the gaps
// between the cells stand out from them.
int32_t GridBackColor(int32_t tableBackColor);

// The top left corner of a cell dialog for a click in this row: 540 twips plus (CellHeight + 1)
// per row below the grid's top (gridTop: the main window's top plus the grid's top within
// it), but never below 80 % of the screen's height; its left edge at the grid's left.
QPoint CellDialogPosition(QPoint gridTopLeft, int cellHeight, int row, qreal logicalDpiY, QRect screen);

} // namespace pagewright

#endif
