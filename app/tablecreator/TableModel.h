// The Table Creator's table: up to 20 x 20 cells, each owning an area of one or more rows and
// columns or covered by the cell that owns the area it lies in. Plain C++ (QtCore for texts):
// the grid, the dialogs, the HTML writer and the table file all work on this one model.
//
// Rows and columns count from 1. Only rows 1 to NumRows() and columns 1 to NumCols() belong to
// the table; every cell outside it is in its empty state. Areas never overlap and never reach
// beyond the table; InvariantProblem() says what is wrong when they do.
#ifndef PAGEWRIGHT_TABLEMODEL_H
#define PAGEWRIGHT_TABLEMODEL_H

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace pagewright
{

// A cell without colours of its own shows the table's colours.
constexpr int32_t UnsetColor = 2147483647;
constexpr int MaxRows = 20;
constexpr int MaxCols = 20;
// The row and column counts of a new table.
constexpr int kDefaultTableSize = 6;

struct CellPos {
    int row = 0;
    int col = 0;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

struct TableCell {
    int16_t RowSpan = 1;                // rows of the area, from this row down; 0 = covered by another cell
    int16_t ColSpan = 1;                // columns of the area, from this column rightward; 0 = covered
    int32_t CellTextColor = UnsetColor; // the two colours are given or removed together
    int32_t CellBackColor = UnsetColor;
    QString Content = {}; // may hold HTML tags; written to the page as it stands
    int16_t OwnerRow = 0; // the cell whose area holds this one; a free cell names itself
    int16_t OwnerCol = 0;
    int16_t Align = 0;         // index into AlignNames(); 0 = not specified
    int16_t VAlign = 0;        // index into VAlignNames(); 0 = not specified
    int16_t Width = -1;        // -1 = not given
    int16_t WidthInPixels = 1; // 1 pixels, 0 percent
    QString FontFace = {};     // "" = none
    QString FontSize = {};     // as typed ("3", "+1", "-2"); "" = none
    int16_t Height = -1;
    int16_t HeightInPixels = 1;

    bool IsCovered() const { return RowSpan == 0; }
    bool HasOwnColors() const { return CellTextColor != UnsetColor; }
    friend bool operator==(const TableCell&, const TableCell&) = default;
};

// " ", "left", "center", "right": the alignment names; the single blank means "not specified".
const QStringList& AlignNames();
// " ", "top", "middle", "bottom".
const QStringList& VAlignNames();

// Which parts of a cell the copy takes, and where to.
struct CopyParts {
    bool font = false;
    bool content = false;
    bool colors = false;
    bool alignment = false;
    bool width = false;
    bool height = false;
};
enum class CopyTarget { OneCell, Row, Column, Table };

// A text and a background colour.
struct CellColors {
    int32_t text = UnsetColor;
    int32_t back = UnsetColor;
    friend bool operator==(const CellColors&, const CellColors&) = default;
};

class TableModel
{
public:
    // A 6 x 6 table of empty cells.
    TableModel();

    // Start-up and a failed load: every cell of the 20 x 20 empty, 6 rows and 6 columns.
    void InitTableCreator();
    // "New": every cell empty and 6 x 6 again.
    void New() { InitTableCreator(); }

    int NumRows() const { return m_rows; }
    int NumCols() const { return m_cols; }
    static bool InGrid(int row, int col) { return row >= 1 && row <= MaxRows && col >= 1 && col <= MaxCols; }
    bool InTable(int row, int col) const { return row >= 1 && row <= m_rows && col >= 1 && col <= m_cols; }

    // The cell at (row, col) of the 20 x 20; a position outside it gives an empty cell.
    const TableCell& Cell(int row, int col) const;
    // The cell whose area holds (row, col): the cell itself when it is not covered.
    CellPos OwnerOf(int row, int col) const;

    // Gives the cell its empty state (owning itself, spans 1).
    void ResetCell(int row, int col);
    // Fits the table to these counts (each held to 1-20): cells outside are emptied, areas that
    // reach beyond the new edge are cut at it.
    void ApplyTableSize(int rows, int cols);

    // "R3C12" for row 3, column 12.
    static QString PlaceMarkerText(int row, int col);
    // The cell's content, without surrounding blanks, is the place marker text of some cell of
    // the current table (not necessarily its own): R, a row number of the table, C at the third
    // or fourth character, and a column number of the table that ends the text.
    bool IsPlaceMarker(int row, int col) const;
    // Place markers on: every free cell whose content is blank gets its marker text; off: every
    // free cell holding a marker text is emptied.
    void ApplyPlaceMarkers(bool on);

    // The area rowSpan x colSpan at (row, col) may be given to that cell: every other area it
    // meets lies wholly inside it. When not, *conflict names the owner of the first area that
    // it cuts (row by row). An area beyond the table, spans below 1 or a covered cell are
    // never admissible (conflict then names the cell itself).
    bool CellSizeOK(int row, int col, int rowSpan, int colSpan, CellPos* conflict = nullptr) const;
    // Gives the cell the area rowSpan x colSpan: the cells inside it become covered by it,
    // cells of its old area outside the new one are freed with the fields they had. Nothing
    // happens, and false is returned, when CellSizeOK says no.
    bool SetCellArea(int row, int col, int rowSpan, int colSpan);

    // A new empty row above row (1 to NumRows() + 1), or column left of col, when the table has
    // fewer than 20: the cells from there on move down (right) by one, and an area the new row
    // (column) cuts through grows by one. False, and nothing changes, otherwise.
    bool InsertRow(int row);
    bool InsertColumn(int col);
    // Removes row (column) 1 to NumRows() (NumCols()) when the table has more than one: areas
    // that cross it shrink by one, an area whose owner lies in it passes to the owner's next
    // cell below (to the right) with all the owner's fields, cells wholly in it are gone.
    bool DeleteRow(int row);
    bool DeleteColumn(int col);

    // Puts contents (rows of cell contents) into the table with its first at `at`, as far as the
    // table reaches: every area that meets those cells is first split into single cells, each
    // keeping the fields it had, so that every content lands in a cell of its own.
    void PlaceContents(CellPos at, const QList<QStringList>& contents);

    // Stores everything of values but the area (spans and owner) into the cell at (row, col).
    void StoreCellFields(int row, int col, const TableCell& values);

    // Copies the chosen parts of the cell at from to the target: toRow/toCol for OneCell, the
    // source's row or column, or the whole table. Covered cells are skipped; a source whose
    // content is a place marker text changes no content. Colours copied to the whole table
    // clear every cell's own colours; when the source has colours of its own they are returned
    // and become the table's colours (the caller stores them).
    std::optional<CellColors> CopyCell(CellPos from, const CopyParts& parts, CopyTarget target,
                                       CellPos to = {});

    // What breaks the model's rules, or "" when nothing does: every position of the table
    // covered exactly once, areas inside the table, covered cells naming their owner with
    // spans 0, free cells naming themselves, cells outside the table empty.
    QString InvariantProblem() const;

    // For the table file reader, which checks InvariantProblem() after filling: the counts
    // (1-20) without touching any cell, and a cell as it stands.
    void SetCountsUnchecked(int rows, int cols);
    TableCell& RawCell(int row, int col);

    friend bool operator==(const TableModel&, const TableModel&) = default;

private:
    // Swaps rows and columns (spans, owners, counts); the column operations are the row
    // operations between two of these.
    void Transpose();

    int m_rows = kDefaultTableSize;
    int m_cols = kDefaultTableSize;
    // Index [row - 1][col - 1].
    std::array<std::array<TableCell, MaxCols>, MaxRows> m_cells{};
};

} // namespace pagewright

#endif
