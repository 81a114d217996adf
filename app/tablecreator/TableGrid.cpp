#include "tablecreator/TableGrid.h"

#include "widgets/Controls.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace pagewright
{
namespace
{

QFont FontOfSize(const QFont& base, int points)
{
    QFont font = base;
    font.setPointSize(points);
    font.setBold(false);
    return font;
}

// A text laid out once and drawn as it stands (no markup), its top left at the place given.
void PlainStaticText(QStaticText& text, const QString& content)
{
    if (text.text() == content)
        return;
    text.setText(content);
    text.setTextFormat(Qt::PlainText);
    text.setPerformanceHint(QStaticText::AggressiveCaching);
}

} // namespace

TableGrid::TableGrid(QWidget* parent, const TableModel& table) : QWidget(parent), m_table(table)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusCell({1, 1});
    for (int n = 1; n <= MaxRows; ++n)
        PlainStaticText(m_numbers[n], QString::number(n));
}

void TableGrid::setTableColors(int32_t text, int32_t back)
{
    if (text == m_textColor && back == m_backColor)
        return;
    m_textColor = text;
    m_backColor = back;
    markDirty(rect());
}

GridMetrics TableGrid::metrics() const
{
    return ComputeGrid(width(), height(), m_table.NumRows(), m_table.NumCols());
}

QSize TableGrid::sizeHint() const
{
    return {480, 260};
}

QSize TableGrid::minimumSizeHint() const
{
    return {240, 150};
}

void TableGrid::DrawTable()
{
    m_highlight.reset();
    // The focus cell follows the table: inside it and on a free cell.
    const int row = qBound(1, m_focus.row, m_table.NumRows());
    const int col = qBound(1, m_focus.col, m_table.NumCols());
    m_focus = m_table.OwnerOf(row, col);
    setFocusCell(m_focus);
    markDirty(rect());
}

QRect TableGrid::outlineRect(CellPos cell) const
{
    return AreaRect(metrics(), m_table, cell.row, cell.col).adjusted(-1, -1, 1, 1);
}

void TableGrid::HighlightCell(int row, int col)
{
    if (m_highlight)
        markDirty(outlineRect(*m_highlight));
    m_highlight = m_table.OwnerOf(row, col);
    markDirty(outlineRect(*m_highlight));
}

void TableGrid::setFocusCell(CellPos cell)
{
    markDirty(outlineRect(m_focus));
    m_focus = m_table.OwnerOf(cell.row, cell.col);
    markDirty(outlineRect(m_focus));
    setAccessibleName(QStringLiteral("Row %1, column %2").arg(m_focus.row).arg(m_focus.col));
}

void TableGrid::markDirty(const QRegion& region)
{
    m_pending += region;
    update(region);
}

void TableGrid::paintEvent(QPaintEvent* event)
{
    m_pending -= event->region();
    const QRect dirty = event->rect();
    const GridMetrics g = metrics();
    QPainter p(this);
    p.setClipRegion(event->region());
    p.fillRect(dirty, ToQColor(GridBackColor(m_backColor)));

    // The numbers, in the table's background colour.
    p.setFont(FontOfSize(font(), 10));
    p.setPen(ToQColor(m_backColor));
    for (int col = 1; col <= g.cols; ++col)
        p.drawStaticText(ColumnNumberPos(g, col), m_numbers[col]);
    for (int row = 1; row <= g.rows; ++row)
        p.drawStaticText(RowNumberPos(g, row), m_numbers[row]);

    // The cells that meet the dirty part, each with its content clipped to its rectangle.
    p.setFont(FontOfSize(font(), 8));
    for (int row = 1; row <= g.rows; ++row) {
        for (int col = 1; col <= g.cols; ++col) {
            const TableCell& cell = m_table.Cell(row, col);
            if (cell.IsCovered())
                continue;
            const QRect r = CellRect(g, row, col, cell.RowSpan, cell.ColSpan);
            if (!r.intersects(dirty))
                continue;
            p.fillRect(r, ToQColor(cell.HasOwnColors() ? cell.CellBackColor : m_backColor));
            if (cell.Content.isEmpty())
                continue;
            const QStaticText& text = laidOut(cell.Content);
            p.save();
            p.setClipRect(r, Qt::IntersectClip);
            p.setPen(ToQColor(cell.HasOwnColors() ? cell.CellTextColor : m_textColor));
            p.drawStaticText(r.topLeft(), text);
            p.restore();
        }
    }

    // Outside the grid.
    const QColor grey = ToQColor(kOutsideGridColor);
    if (g.GridRight + 2 <= width())
        p.fillRect(QRect(QPoint(g.GridRight + 2, 0), QPoint(width() - 1, height() - 1)), grey);
    if (g.GridBottom + 2 <= height())
        p.fillRect(QRect(QPoint(0, g.GridBottom + 2), QPoint(width() - 1, height() - 1)), grey);

    // The highlight, and the focus cell while the grid has the keyboard focus.
    for (const std::optional<CellPos>& outlined :
         {m_highlight, hasFocus() ? std::optional(m_focus) : std::nullopt}) {
        if (!outlined)
            continue;
        const TableCell& cell = m_table.Cell(outlined->row, outlined->col);
        p.setPen(ToQColor(cell.HasOwnColors() ? cell.CellTextColor : m_textColor));
        p.setBrush(Qt::NoBrush);
        p.drawRect(AreaRect(g, m_table, outlined->row, outlined->col).adjusted(0, 0, -1, -1));
    }
}

const QStaticText& TableGrid::laidOut(const QString& content)
{
    auto found = m_laidOut.find(content);
    if (found == m_laidOut.end()) {
        // Enough for the table before and after any step; beyond it the texts are laid out anew.
        if (m_laidOut.size() >= 4 * MaxRows * MaxCols)
            m_laidOut.clear();
        found = m_laidOut.insert(content, QStaticText());
        PlainStaticText(*found, content);
    }
    return *found;
}

void TableGrid::request(CellPos cell, bool edit)
{
    setFocusCell(cell);
    HighlightCell(cell.row, cell.col);
    if (edit)
        emit editRequested(cell.row, cell.col);
    else
        emit copyRequested(cell.row, cell.col);
}

void TableGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const std::optional<CellPos> hit = HitTest(metrics(), m_table, event->position().toPoint());
    if (hit)
        request(*hit, event->button() == Qt::LeftButton);
}

void TableGrid::moveFocus(int key)
{
    const TableCell& cell = m_table.Cell(m_focus.row, m_focus.col);
    CellPos next = m_focus;
    switch (key) {
    case Qt::Key_Left:
        next.col -= 1;
        break;
    case Qt::Key_Right:
        next.col += cell.ColSpan;
        break;
    case Qt::Key_Up:
        next.row -= 1;
        break;
    default:
        next.row += cell.RowSpan;
        break;
    }
    if (m_table.InTable(next.row, next.col))
        setFocusCell(next);
}

void TableGrid::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        moveFocus(event->key());
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        request(m_focus, true);
        return;
    case Qt::Key_Menu:
        request(m_focus, false);
        return;
    case Qt::Key_Delete:
        emit clearRequested(m_focus.row, m_focus.col);
        return;
    case Qt::Key_F10:
        if (event->modifiers() & Qt::ShiftModifier) {
            request(m_focus, false);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void TableGrid::contextMenuEvent(QContextMenuEvent* event)
{
    // A mouse's context menu is its button's release; the keyboard's opens the copy dialog.
    if (event->reason() == QContextMenuEvent::Keyboard)
        request(m_focus, false);
}

void TableGrid::focusInEvent(QFocusEvent* event)
{
    markDirty(outlineRect(m_focus));
    QWidget::focusInEvent(event);
}

void TableGrid::focusOutEvent(QFocusEvent* event)
{
    markDirty(outlineRect(m_focus));
    QWidget::focusOutEvent(event);
}

} // namespace pagewright
