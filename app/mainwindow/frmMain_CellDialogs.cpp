// The Table Creator's two click flows: the cell editor for a left click (or Enter, Space) and the
// copy dialog for any other button (or the menu key, Shift+F10). Each fills its dialog from the
// model, shows it modally, stores what was accepted and redraws the grid.
#include "mainwindow/frmMain.h"

#include "platform/Platform.h"
#include "tablecreator/frmCellInfo.h"
#include "tablecreator/frmCopyCell.h"

#include <QCheckBox>

namespace pagewright
{

void frmMain::OpenCellEditor(int row, int col)
{
    const CellPos cell = Table.OwnerOf(row, col);
    if (!Table.InTable(cell.row, cell.col))
        return;
    if (m_cellInfo == nullptr)
        m_cellInfo = new frmCellInfo(
            m_platform, [this] { return SpecifyColors(); }, this);
    frmCellInfo& dialog = *m_cellInfo;
    dialog.Fill(Table, cell.row, cell.col, {TextColors[3], BackColors[3]},
                colorRows[3]->useColorsCheck()->isChecked());
    lngTableTextColor = TextColors[3];
    lngTableBackgroundColor = BackColors[3];
    PlaceCellDialog(dialog, cell.row);
    m_platform.runModal(dialog);
    lngThisCellTextColor = dialog.ThisCellColors.text;
    lngThisCellBackgroundColor = dialog.ThisCellColors.back;
    if (dialog.blnAccepted && Table.SetCellArea(cell.row, cell.col, dialog.intRowSpan, dialog.intColSpan)) {
        TableCell values = dialog.CellValues();
        if (chkAddPlaceMarkers->isChecked() && values.Content.isEmpty())
            values.Content = TableModel::PlaceMarkerText(cell.row, cell.col);
        Table.StoreCellFields(cell.row, cell.col, values);
        ClearResult(-1);
    }
    DrawTable();
}

void frmMain::OpenCopyCell(int row, int col)
{
    const CellPos source = Table.OwnerOf(row, col);
    if (!Table.InTable(source.row, source.col))
        return;
    if (m_copyCell == nullptr) {
        m_copyCell = new frmCopyCell(m_platform, this);
        m_copyCell->HighlightCell = [this](int& r, int& c) {
            DrawTable();
            return HighlightCell(r, c);
        };
    }
    frmCopyCell& dialog = *m_copyCell;
    dialog.Fill(Table, source.row, source.col, {TextColors[3], BackColors[3]});
    PlaceCellDialog(dialog, source.row);
    m_platform.runModal(dialog);
    if (dialog.blnDoCopy) {
        if (const auto colors = Table.CopyCell(source, dialog.Parts(), dialog.Target(), dialog.To())) {
            TextColors[3] = colors->text;
            BackColors[3] = colors->back;
            // The cells gave up their own colours for the table's: the page must use them too,
            // or the copy would leave the written table without any of these colours.
            if (!colorRows[3]->useColorsCheck()->isChecked()) {
                colorRows[3]->useColorsCheck()->setChecked(true);
                chkUseSpecifiedColors_Click(3);
            }
        }
        ClearResult(-1);
    }
    DrawTable();
}

} // namespace pagewright
