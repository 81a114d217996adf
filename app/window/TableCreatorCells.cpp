// The Table Creator's two click flows: the cell editor for a left click (or Enter, Space) and the
// copy dialog for any other button (or the menu key, Shift+F10). Each fills its dialog from the
// model, shows it modally, stores what was accepted and redraws the grid.
#include "window/TableCreatorTab.h"

#include "platform/Platform.h"
#include "tablecreator/frmCellInfo.h"
#include "tablecreator/frmCopyCell.h"

#include <QCheckBox>

namespace pagewright
{

void TableCreatorTab::editCell(int row, int col)
{
    const CellPos cell = m_table.OwnerOf(row, col);
    if (!m_table.InTable(cell.row, cell.col))
        return;
    if (m_cellEditor == nullptr)
        m_cellEditor = new frmCellInfo(
            platform(), [this] { return m_services.colors(); }, mainWindow());
    frmCellInfo& dialog = *m_cellEditor;
    dialog.Fill(m_table, cell.row, cell.col, {textColor(), backColor()}, usesColors());
    placeCellDialog(dialog, cell.row);
    platform().runModal(dialog);
    if (dialog.blnAccepted) {
        TableCell values = dialog.CellValues();
        // A cell left with nothing of its own, as "Clear cell" leaves it, is named so.
        TableCell blank;
        blank.RowSpan = values.RowSpan;
        blank.ColSpan = values.ColSpan;
        blank.OwnerRow = values.OwnerRow;
        blank.OwnerCol = values.OwnerCol;
        const QString step = values == blank ? QStringLiteral("clear cell at row %1 column %2")
                                             : QStringLiteral("edit cell at row %1 column %2");
        record(step.arg(cell.row).arg(cell.col), [&] {
            if (!m_table.SetCellArea(cell.row, cell.col, dialog.intRowSpan, dialog.intColSpan))
                return;
            if (m_placeMarkers->isChecked() && values.Content.isEmpty())
                values.Content = TableModel::PlaceMarkerText(cell.row, cell.col);
            m_table.StoreCellFields(cell.row, cell.col, values);
            clearShownResult();
        });
    }
    drawTable();
}

void TableCreatorTab::copyCell(int row, int col)
{
    const CellPos source = m_table.OwnerOf(row, col);
    if (!m_table.InTable(source.row, source.col))
        return;
    if (m_copyDialog == nullptr) {
        m_copyDialog = new frmCopyCell(platform(), mainWindow());
        m_copyDialog->HighlightCell = [this](int& r, int& c) {
            drawTable();
            return highlightCell(r, c);
        };
    }
    frmCopyCell& dialog = *m_copyDialog;
    dialog.Fill(m_table, source.row, source.col, {textColor(), backColor()});
    placeCellDialog(dialog, source.row);
    platform().runModal(dialog);
    if (dialog.blnDoCopy) {
        record(QStringLiteral("copy cell at row %1 column %2").arg(source.row).arg(source.col), [&] {
            if (const auto colors = m_table.CopyCell(source, dialog.Parts(), dialog.Target(), dialog.To())) {
                setColors(colors->text, colors->back);
                // The cells gave up their own colours for the table's: the page must use them
                // too, or the copy would leave the written table without any of these colours.
                if (!usesColors())
                    setUsesColors(true);
            }
            clearShownResult();
        });
    }
    drawTable();
}

} // namespace pagewright
