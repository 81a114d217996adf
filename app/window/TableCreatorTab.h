// The "Table Creator" tab: the table's size, the grid its cells are designed on, the table
// options, the table file buttons (New, Load, Save) and the output file. Every change to the
// table is one step of its history, which "Undo" and "Redo" walk.
#ifndef PAGEWRIGHT_TABLECREATORTAB_H
#define PAGEWRIGHT_TABLECREATORTAB_H

#include "tablecreator/TableModel.h"
#include "window/ToolTab.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QUndoStack;

namespace pagewright
{

class TableGrid;
class frmCellInfo;
class frmCopyCell;
struct TableDocument;
class TableChange;
struct BlockFit;
struct CellBlock;

class TableCreatorTab : public ToolTab
{
    Q_OBJECT
public:
    explicit TableCreatorTab(TabServices& services);
    ~TableCreatorTab() override;
    void reset() override;
    void shown() override;
    // Loads the table file as Load does; every dropped file is taken for one.
    void openFile(const QString& name) override;
    bool takesDroppedFiles() const override { return true; }

    // The table being designed: its cells and its row and column counts (which the size lists
    // show).
    TableModel& table() { return m_table; }
    // Chooses the table's size in the size lists, as a user does.
    void chooseSize(int rows, int columns);
    void setCentered(bool on);

protected:
    void run() override;
    bool writesThroughPage() const override { return false; }
    void colorsChosen() override { drawTable(); } // the grid shows the table colours

private:
    friend class TableStep;
    // Runs change and keeps what it did to the table file's state as one step named name ("edit
    // cell at row 2 column 3"); before is that state as it stood before the change.
    void record(const QString& name, const std::function<void()>& change);
    void record(const QString& name, const TableDocument& before, const std::function<void()>& change);
    // Sets the tab to the state before (forward: after) the change.
    void restore(const TableChange& change, bool forward);
    // "Insert row" and the rest, at the grid's focus cell: the step named "insert row 3" and so on.
    void rowOrColumnStep(const char* step, bool (TableModel::*operation)(int), bool onColumn);
    // The size lists and the markers of a table whose counts changed by a row or column.
    void countsChanged();
    void updateEditButtons();

    // Paste, copy, import and the Delete key (TableCreatorBlocks.cpp).
    // Ctrl+V and "Paste": the clipboard's cells from the grid's focus cell on.
    void pasteCells();
    // Ctrl+C: the focus cell while the grid has the keyboard, else (and for "Copy") the table.
    void copyCells(bool wholeTable);
    // "Import data...": a delimited file's cells become the table's.
    void importData();
    // The Delete key: the cell loses its content and look, keeping its area.
    void clearCell(int row, int col);
    // Puts block's texts into the table from `at` on as one step; the table takes fit's size,
    // and the result line says what did not fit.
    void placeBlock(const QString& step, const CellBlock& block, CellPos at, const BlockFit& fit);
    // Empties the result line, as any change of the table does, and shows note on it.
    void showNote(const QString& note);

    void sizeChosen();
    void placeMarkersClicked();
    void applyPlaceMarkers();
    // Redraws the whole grid from the model; this also removes the highlight.
    void drawTable();
    // Outlines the cell in the grid. A covered cell outlines its owner instead: row and col
    // become the owner, and the result is false.
    bool highlightCell(int& row, int& col);
    // Places a cell dialog below the given row of the grid, within 80 % of the screen height.
    void placeCellDialog(QWidget& dialog, int row);
    // The two click flows of the grid: a left click (or Enter, Space) opens the cell editor,
    // any other button (or the menu key, Shift+F10) the copy dialog. Each redraws the grid
    // before it returns.
    void editCell(int row, int col);
    void copyCell(int row, int col);
    // The options, properties, colours, table and output name, as a table file holds them, and
    // the tab set from them.
    TableDocument document() const;
    void applyDocument(const TableDocument& document);
    void newTable();
    void loadTable();
    void saveTable();

    TableModel m_table;
    // The name under which the table was last saved; proposed by the next Save.
    QString m_lastTableFile;
    QComboBox* m_rows;
    QComboBox* m_columns;
    TableGrid* m_grid;
    QCheckBox* m_center;
    QCheckBox* m_wrapper;
    QCheckBox* m_placeMarkers;
    QUndoStack* m_history;
    QPushButton* m_undo;
    QPushButton* m_redo;
    QPushButton* m_insertRow;
    QPushButton* m_deleteRow;
    QPushButton* m_insertColumn;
    QPushButton* m_deleteColumn;
    QPushButton* m_copy;
    QPushButton* m_paste;
    frmCellInfo* m_cellEditor = nullptr; // created on first use
    frmCopyCell* m_copyDialog = nullptr;
};

} // namespace pagewright

#endif
