// picTable, the Table Creator's grid: column numbers along the top, row numbers down the left,
// one filled rectangle per visible cell with its content, light grey outside the grid. A click
// on a cell, or Enter, Space, the menu key or Shift+F10 on the focus cell, outlines the cell and
// asks for its editor (left button, Enter, Space) or the copy dialog (the rest), and the Delete
// key for the focus cell to be cleared; the grid never changes the table itself. Arrow keys move
// the focus cell, which is outlined while the grid has the keyboard focus. Only the rectangles
// that change are repainted.
#ifndef PAGEWRIGHT_TABLEGRID_H
#define PAGEWRIGHT_TABLEGRID_H

#include "tablecreator/TableGeometry.h"
#include "tablecreator/TableModel.h"

#include <QHash>
#include <QRegion>
#include <QStaticText>
#include <QWidget>

#include <array>
#include <optional>

namespace pagewright
{

class TableGrid : public QWidget
{
    Q_OBJECT
public:
    TableGrid(QWidget* parent, const TableModel& table);

    // The table's text and background colours, used where a cell has none of its own.
    void setTableColors(int32_t text, int32_t back);
    GridMetrics metrics() const;

    // Repaints the whole grid from the table and removes the highlight.
    void DrawTable();
    // Outlines the area of the cell at (row, col) (its owner's when it is covered).
    void HighlightCell(int row, int col);
    std::optional<CellPos> highlight() const { return m_highlight; }
    CellPos focusCell() const { return m_focus; }
    void setFocusCell(CellPos cell);

    // The parts asked to be repainted and not yet painted.
    QRegion pendingRegion() const { return m_pending; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void editRequested(int row, int col);
    void copyRequested(int row, int col);
    // The Delete key on the focus cell.
    void clearRequested(int row, int col);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void markDirty(const QRegion& region);
    // The outline of a cell's area, one pixel wider all round than the area itself.
    QRect outlineRect(CellPos cell) const;
    void request(CellPos cell, bool edit);
    void moveFocus(int key);
    const QStaticText& laidOut(const QString& content);

    const TableModel& m_table;
    int32_t m_textColor = 0;
    int32_t m_backColor = 0xFFFFFF;
    std::optional<CellPos> m_highlight;
    CellPos m_focus{1, 1};
    QRegion m_pending;
    // The cells' contents laid out, by content: a cell that moves (a row or column inserted or
    // deleted, a step undone) finds its text laid out already. And the numbers 1-20.
    QHash<QString, QStaticText> m_laidOut;
    std::array<QStaticText, MaxRows + 1> m_numbers;
};

} // namespace pagewright

#endif
