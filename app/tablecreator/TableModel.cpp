#include "tablecreator/TableModel.h"

#include "rules/NumberText.h"

#include <algorithm>
#include <cmath>

namespace pagewright
{
namespace
{

// The number at the start of a text, rounded to a whole number (halves to even); 0 when none,
// and far out of the table's range when it does not fit an int.
int LeadingWholeNumber(const QString& text)
{
    const double value = RoundHalfEven(LeadingNumber(text));
    if (!std::isfinite(value) || std::fabs(value) > 1e6)
        return -1;
    return static_cast<int>(value);
}

} // namespace

const QStringList& AlignNames()
{
    static const QStringList names{QStringLiteral(" "), QStringLiteral("left"), QStringLiteral("center"),
                                   QStringLiteral("right")};
    return names;
}

const QStringList& VAlignNames()
{
    static const QStringList names{QStringLiteral(" "), QStringLiteral("top"), QStringLiteral("middle"),
                                   QStringLiteral("bottom")};
    return names;
}

TableModel::TableModel()
{
    InitTableCreator();
}

void TableModel::InitTableCreator()
{
    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxCols; ++c)
            ResetCell(r, c);
    m_rows = kDefaultTableSize;
    m_cols = kDefaultTableSize;
}

const TableCell& TableModel::Cell(int row, int col) const
{
    static const TableCell outside;
    return InGrid(row, col) ? m_cells[row - 1][col - 1] : outside;
}

TableCell& TableModel::RawCell(int row, int col)
{
    static TableCell scratch;
    if (!InGrid(row, col)) {
        scratch = TableCell{};
        return scratch;
    }
    return m_cells[row - 1][col - 1];
}

void TableModel::SetCountsUnchecked(int rows, int cols)
{
    m_rows = std::clamp(rows, 1, MaxRows);
    m_cols = std::clamp(cols, 1, MaxCols);
}

CellPos TableModel::OwnerOf(int row, int col) const
{
    const TableCell& cell = Cell(row, col);
    if (!cell.IsCovered())
        return {row, col};
    return {cell.OwnerRow, cell.OwnerCol};
}

void TableModel::ResetCell(int row, int col)
{
    if (!InGrid(row, col))
        return;
    TableCell& cell = m_cells[row - 1][col - 1];
    cell = TableCell{};
    cell.OwnerRow = static_cast<int16_t>(row);
    cell.OwnerCol = static_cast<int16_t>(col);
}

void TableModel::ApplyTableSize(int rows, int cols)
{
    m_rows = std::clamp(rows, 1, MaxRows);
    m_cols = std::clamp(cols, 1, MaxCols);
    for (int r = 1; r <= MaxRows; ++r) {
        for (int c = 1; c <= MaxCols; ++c) {
            if (!InTable(r, c)) {
                ResetCell(r, c);
                continue;
            }
            TableCell& cell = m_cells[r - 1][c - 1];
            if (r + cell.RowSpan - 1 > m_rows)
                cell.RowSpan = static_cast<int16_t>(m_rows - r + 1);
            if (c + cell.ColSpan - 1 > m_cols)
                cell.ColSpan = static_cast<int16_t>(m_cols - c + 1);
        }
    }
}

QString TableModel::PlaceMarkerText(int row, int col)
{
    return QStringLiteral("R%1C%2").arg(row).arg(col);
}

bool TableModel::IsPlaceMarker(int row, int col) const
{
    const QString s = Cell(row, col).Content.trimmed();
    if (!s.startsWith(QLatin1Char('R')))
        return false;
    const int r = LeadingWholeNumber(s.mid(1));
    if (r < 1 || r > m_rows)
        return false;
    const qsizetype p = s.indexOf(QLatin1Char('C')) + 1; // counted from 1; 0 when there is none
    if (p != 3 && p != 4)
        return false;
    const int c = LeadingWholeNumber(s.mid(p));
    if (c < 1 || c > m_cols)
        return false;
    return p + QString::number(c).size() == s.size();
}

void TableModel::ApplyPlaceMarkers(bool on)
{
    for (int r = 1; r <= m_rows; ++r) {
        for (int c = 1; c <= m_cols; ++c) {
            TableCell& cell = m_cells[r - 1][c - 1];
            if (cell.RowSpan <= 0)
                continue;
            if (on && cell.Content.trimmed().isEmpty())
                cell.Content = PlaceMarkerText(r, c);
            else if (!on && IsPlaceMarker(r, c))
                cell.Content.clear();
        }
    }
}

bool TableModel::CellSizeOK(int row, int col, int rowSpan, int colSpan, CellPos* conflict) const
{
    const int lastRow = row + rowSpan - 1;
    const int lastCol = col + colSpan - 1;
    if (!InTable(row, col) || rowSpan < 1 || colSpan < 1 || lastRow > m_rows || lastCol > m_cols ||
        Cell(row, col).IsCovered()) {
        if (conflict)
            *conflict = {row, col};
        return false;
    }
    for (int i = row; i <= lastRow; ++i) {
        for (int j = col; j <= lastCol; ++j) {
            const CellPos owner = OwnerOf(i, j);
            if (owner == CellPos{row, col})
                continue;
            const TableCell& o = Cell(owner.row, owner.col);
            if (owner.row + o.RowSpan - 1 > lastRow || owner.row < row ||
                owner.col + o.ColSpan - 1 > lastCol || owner.col < col) {
                if (conflict)
                    *conflict = owner;
                return false;
            }
        }
    }
    return true;
}

bool TableModel::SetCellArea(int row, int col, int rowSpan, int colSpan)
{
    if (!CellSizeOK(row, col, rowSpan, colSpan))
        return false;
    TableCell& cell = m_cells[row - 1][col - 1];
    const int oldLastRow = row + cell.RowSpan - 1;
    const int oldLastCol = col + cell.ColSpan - 1;
    const int newLastRow = row + rowSpan - 1;
    const int newLastCol = col + colSpan - 1;
    for (int i = row; i <= std::max(newLastRow, oldLastRow); ++i) {
        for (int j = col; j <= std::max(newLastCol, oldLastCol); ++j) {
            if (i == row && j == col)
                continue;
            TableCell& other = m_cells[i - 1][j - 1];
            if (i <= newLastRow && j <= newLastCol) {
                other.RowSpan = other.ColSpan = 0;
                other.OwnerRow = static_cast<int16_t>(row);
                other.OwnerCol = static_cast<int16_t>(col);
            } else if (i <= oldLastRow && j <= oldLastCol) {
                other.RowSpan = other.ColSpan = 1;
                other.OwnerRow = static_cast<int16_t>(i);
                other.OwnerCol = static_cast<int16_t>(j);
            }
        }
    }
    cell.RowSpan = static_cast<int16_t>(rowSpan);
    cell.ColSpan = static_cast<int16_t>(colSpan);
    return true;
}

void TableModel::Transpose()
{
    for (int r = 1; r <= MaxRows; ++r) {
        for (int c = r; c <= MaxCols; ++c)
            std::swap(m_cells[r - 1][c - 1], m_cells[c - 1][r - 1]);
        for (TableCell& cell : m_cells[r - 1]) {
            std::swap(cell.RowSpan, cell.ColSpan);
            std::swap(cell.OwnerRow, cell.OwnerCol);
        }
    }
    std::swap(m_rows, m_cols);
}

bool TableModel::InsertRow(int row)
{
    if (m_rows >= MaxRows || row < 1 || row > m_rows + 1)
        return false;
    // The last row of the grid lies outside the table and is empty: it drops off.
    for (int r = MaxRows; r > row; --r)
        m_cells[r - 1] = m_cells[r - 2];
    ++m_rows;
    for (int c = 1; c <= MaxCols; ++c)
        ResetCell(row, c);
    for (int r = 1; r <= MaxRows; ++r) {
        for (int c = 1; c <= MaxCols; ++c) {
            TableCell& cell = m_cells[r - 1][c - 1];
            if (cell.OwnerRow >= row && r > row)
                ++cell.OwnerRow;
            // An area from above that held the old row at this place now also holds the new one.
            if (r < row && !cell.IsCovered() && r + cell.RowSpan - 1 >= row) {
                ++cell.RowSpan;
                for (int j = c; j < c + cell.ColSpan; ++j) {
                    TableCell& inner = m_cells[row - 1][j - 1];
                    inner.RowSpan = inner.ColSpan = 0;
                    inner.OwnerRow = static_cast<int16_t>(r);
                    inner.OwnerCol = static_cast<int16_t>(c);
                }
            }
        }
    }
    return true;
}

bool TableModel::DeleteRow(int row)
{
    if (m_rows <= 1 || row < 1 || row > m_rows)
        return false;
    for (int c = 1; c <= m_cols; ++c) {
        TableCell& cell = m_cells[row - 1][c - 1];
        if (cell.IsCovered()) {
            TableCell& owner = m_cells[cell.OwnerRow - 1][cell.OwnerCol - 1];
            if (cell.OwnerRow < row && cell.OwnerCol == c)
                --owner.RowSpan; // once per area: at its first column
            continue;
        }
        if (cell.RowSpan == 1)
            continue;
        // The cell below takes over the area with everything the owner had.
        TableCell heir = cell;
        --heir.RowSpan;
        heir.OwnerRow = static_cast<int16_t>(row + 1);
        for (int i = row + 1; i < row + cell.RowSpan; ++i)
            for (int j = c; j < c + cell.ColSpan; ++j)
                m_cells[i - 1][j - 1].OwnerRow = static_cast<int16_t>(row + 1);
        m_cells[row][c - 1] = heir;
    }
    for (int r = row; r < MaxRows; ++r)
        m_cells[r - 1] = m_cells[r];
    --m_rows;
    for (int c = 1; c <= MaxCols; ++c)
        ResetCell(MaxRows, c);
    // Owners below the removed row moved up by one; areas from above kept their owners.
    for (int r = row; r < MaxRows; ++r)
        for (TableCell& cell : m_cells[r - 1])
            if (cell.OwnerRow > row)
                --cell.OwnerRow;
    return true;
}

bool TableModel::InsertColumn(int col)
{
    Transpose();
    const bool done = InsertRow(col);
    Transpose();
    return done;
}

bool TableModel::DeleteColumn(int col)
{
    Transpose();
    const bool done = DeleteRow(col);
    Transpose();
    return done;
}

void TableModel::PlaceContents(CellPos at, const QList<QStringList>& contents)
{
    const int lastRow = std::min<int>(m_rows, at.row + contents.size() - 1);
    int lastCol = at.col - 1;
    for (const QStringList& row : contents)
        lastCol = std::max<int>(lastCol, at.col + row.size() - 1);
    lastCol = std::min(lastCol, m_cols);
    if (!InTable(at.row, at.col) || lastRow < at.row || lastCol < at.col)
        return;
    for (int r = at.row; r <= lastRow; ++r) {
        for (int c = at.col; c <= lastCol; ++c) {
            const CellPos owner = OwnerOf(r, c);
            SetCellArea(owner.row, owner.col, 1, 1);
        }
    }
    for (int r = at.row; r <= lastRow; ++r) {
        const QStringList& row = contents[r - at.row];
        for (int c = at.col; c <= lastCol && c - at.col < row.size(); ++c)
            m_cells[r - 1][c - 1].Content = row[c - at.col];
    }
}

void TableModel::StoreCellFields(int row, int col, const TableCell& values)
{
    if (!InGrid(row, col))
        return;
    TableCell& cell = m_cells[row - 1][col - 1];
    TableCell stored = values;
    stored.RowSpan = cell.RowSpan;
    stored.ColSpan = cell.ColSpan;
    stored.OwnerRow = cell.OwnerRow;
    stored.OwnerCol = cell.OwnerCol;
    cell = stored;
}

std::optional<CellColors> TableModel::CopyCell(CellPos from, const CopyParts& parts, CopyTarget target,
                                               CellPos to)
{
    if (!InTable(from.row, from.col))
        return std::nullopt;
    const TableCell source = Cell(from.row, from.col);
    std::optional<CellColors> tableColors;
    if (target == CopyTarget::Table && parts.colors && source.HasOwnColors())
        tableColors = CellColors{source.CellTextColor, source.CellBackColor};
    const bool contentIsMarker = IsPlaceMarker(from.row, from.col);

    int firstRow = 1, lastRow = m_rows, firstCol = 1, lastCol = m_cols;
    switch (target) {
    case CopyTarget::OneCell:
        firstRow = lastRow = to.row;
        firstCol = lastCol = to.col;
        break;
    case CopyTarget::Row:
        firstRow = lastRow = from.row;
        break;
    case CopyTarget::Column:
        firstCol = lastCol = from.col;
        break;
    case CopyTarget::Table:
        break;
    }
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstCol; c <= lastCol; ++c) {
            if (!InTable(r, c))
                continue;
            TableCell& t = m_cells[r - 1][c - 1];
            if (t.RowSpan <= 0)
                continue;
            if (parts.font) {
                t.FontFace = source.FontFace;
                t.FontSize = source.FontSize;
            }
            if (parts.content && !contentIsMarker)
                t.Content = source.Content;
            if (parts.alignment) {
                t.Align = source.Align;
                t.VAlign = source.VAlign;
            }
            if (parts.width) {
                t.Width = source.Width;
                t.WidthInPixels = source.WidthInPixels;
            }
            if (parts.height) {
                t.Height = source.Height;
                t.HeightInPixels = source.HeightInPixels;
            }
            if (parts.colors) {
                const bool toTable = target == CopyTarget::Table;
                t.CellTextColor = toTable ? UnsetColor : source.CellTextColor;
                t.CellBackColor = toTable ? UnsetColor : source.CellBackColor;
            }
        }
    }
    return tableColors;
}

QString TableModel::InvariantProblem() const
{
    const auto at = [](int r, int c) { return QStringLiteral("(%1,%2)").arg(r).arg(c); };
    if (m_rows < 1 || m_rows > MaxRows || m_cols < 1 || m_cols > MaxCols)
        return QStringLiteral("counts %1 x %2 outside 1-20").arg(m_rows).arg(m_cols);
    std::array<std::array<int, MaxCols>, MaxRows> covered{};
    for (int r = 1; r <= MaxRows; ++r) {
        for (int c = 1; c <= MaxCols; ++c) {
            const TableCell& cell = m_cells[r - 1][c - 1];
            if (!InTable(r, c)) {
                TableCell empty;
                empty.OwnerRow = static_cast<int16_t>(r);
                empty.OwnerCol = static_cast<int16_t>(c);
                if (!(cell == empty))
                    return QStringLiteral("cell %1 outside the table is not empty").arg(at(r, c));
                continue;
            }
            if (cell.RowSpan == 0 && cell.ColSpan == 0)
                continue; // checked from its owner below
            if (cell.RowSpan < 1 || cell.ColSpan < 1)
                return QStringLiteral("cell %1 has spans %2 x %3")
                    .arg(at(r, c))
                    .arg(cell.RowSpan)
                    .arg(cell.ColSpan);
            if (cell.OwnerRow != r || cell.OwnerCol != c)
                return QStringLiteral("free cell %1 names owner %2")
                    .arg(at(r, c), at(cell.OwnerRow, cell.OwnerCol));
            if (r + cell.RowSpan - 1 > m_rows || c + cell.ColSpan - 1 > m_cols)
                return QStringLiteral("area of %1 reaches beyond the table").arg(at(r, c));
            for (int i = r; i < r + cell.RowSpan; ++i) {
                for (int j = c; j < c + cell.ColSpan; ++j) {
                    if (++covered[i - 1][j - 1] > 1)
                        return QStringLiteral("position %1 is covered twice").arg(at(i, j));
                    const TableCell& inner = m_cells[i - 1][j - 1];
                    if ((i != r || j != c) && (inner.RowSpan != 0 || inner.ColSpan != 0 ||
                                               inner.OwnerRow != r || inner.OwnerCol != c))
                        return QStringLiteral("cell %1 inside the area of %2 is not covered by it")
                            .arg(at(i, j), at(r, c));
                }
            }
        }
    }
    for (int r = 1; r <= m_rows; ++r)
        for (int c = 1; c <= m_cols; ++c)
            if (covered[r - 1][c - 1] != 1)
                return QStringLiteral("position %1 is covered by no area").arg(at(r, c));
    return {};
}

} // namespace pagewright
