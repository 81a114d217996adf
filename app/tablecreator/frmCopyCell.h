// The copy dialog "Copy cell": shows what a cell (the source) holds and lets the user choose
// which parts of it to copy (font, content, colours, alignment, width, height) to one other
// cell, the source's row or column, or the whole table. The main window fills it (Fill), shows
// it modally and, when blnDoCopy, performs the copy with Parts(), Target() and To().
#ifndef PAGEWRIGHT_FRMCOPYCELL_H
#define PAGEWRIGHT_FRMCOPYCELL_H

#include "tablecreator/TableModel.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pagewright
{

class Platform;

class frmCopyCell : public QDialog
{
    Q_OBJECT
public:
    explicit frmCopyCell(Platform& platform, QWidget* parent = nullptr);

    bool blnDoCopy = false;
    // Redraws the grid and outlines the cell at (row, col); for a covered cell it outlines the
    // cell that covers it, sets row and col to that cell and returns false.
    std::function<bool(int& row, int& col)> HighlightCell;

    // Fills the dialog for the source cell at (row, col) of model, which must own its area;
    // tableColors are shown for a source without colours of its own.
    void Fill(const TableModel& model, int row, int col, CellColors tableColors);
    // Fills the target lists with "1" to the row and the column count.
    void FillCopyTargetLists(int rows, int cols);

    CopyParts Parts() const;
    CopyTarget Target() const;
    // The cell chosen in the target lists (0 where a list has no selection).
    CellPos To() const;

    QLabel* lblCopy;
    QCheckBox *chkFont, *chkContent, *chkColors, *chkAlignment, *chkWidth, *chkHeight;
    QLabel* lblOfCellAt;
    QLineEdit *txbFromCellContent, *txbFontFace, *txbFontSize;
    QLabel *lblFace, *lblSize;
    QLabel *lblAlign, *lblVAlign, *lblWidth;
    QRadioButton *optToOneCell, *optToAllCellsInRow, *optToAllCellsInColumn, *optToAllCellsInTable;
    QComboBox *cboToRow, *cboToCol;
    QLabel* lblToCol;
    QPushButton *cmdDoCopy, *cmdCancel;

    void UpdateCopyControls();
    void ShowCopyTarget();
    void cmdDoCopy_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void TargetList_Click();
    void FocusCancel();

    Platform& m_platform;
    const TableModel* m_model = nullptr;
    int m_row = 1;
    int m_col = 1;
};

} // namespace pagewright

#endif
