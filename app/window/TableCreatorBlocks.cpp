// The Table Creator's blocks of cells: paste from the clipboard (an HTML table or tab-separated
// text, as spreadsheets and browsers put them there), copy for a spreadsheet, import of a
// delimited data file, and the Delete key. Each change is one step of the table's history.
#include "window/TableCreatorTab.h"

#include "platform/Platform.h"
#include "rules/CellBlocks.h"
#include "tablecreator/TableGrid.h"
#include "text_encoding.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

namespace pagewright
{

void TableCreatorTab::showNote(const QString& note)
{
    // What a paste or an import did to the table; the page written before no longer matches it.
    clearResult();
    m_resultLine->setText(note);
}

void TableCreatorTab::placeBlock(const QString& step, const CellBlock& block, CellPos at, const BlockFit& fit)
{
    QList<QStringList> contents;
    contents.reserve(block.cells.size());
    for (const QStringList& row : block.cells) {
        QStringList cells;
        cells.reserve(row.size());
        for (const QString& text : row)
            cells.append(CellContentFromText(text));
        contents.append(cells);
    }
    record(step, [&] {
        m_table.ApplyTableSize(fit.rows, fit.columns);
        m_table.PlaceContents(at, contents);
        countsChanged();
    });
    showNote(FitResultText(fit));
}

void TableCreatorTab::pasteCells()
{
    const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
    const CellBlock block =
        offered == nullptr
            ? CellBlock{}
            : ReadClipboardBlock(offered->hasHtml() ? offered->html() : QString(), offered->text());
    if (block.rows == 0) {
        showNote(QStringLiteral("Nothing to paste."));
        return;
    }
    const CellPos at = m_grid->focusCell();
    placeBlock(QStringLiteral("paste at row %1 column %2").arg(at.row).arg(at.col), block, at,
               FitBlock(block.rows, block.columns, at.row, at.col, m_table.NumRows(), m_table.NumCols()));
}

void TableCreatorTab::copyCells(bool wholeTable)
{
    const CellPos focus = m_grid->focusCell();
    const CellPos first = wholeTable ? CellPos{1, 1} : focus;
    const CellPos last = wholeTable ? CellPos{m_table.NumRows(), m_table.NumCols()} : focus;
    QList<QStringList> cells;
    for (int r = first.row; r <= last.row; ++r) {
        QStringList row;
        for (int c = first.col; c <= last.col; ++c) {
            // A covered cell shows nothing of its own, and a place marker only holds a place.
            const bool empty = m_table.Cell(r, c).IsCovered() || m_table.IsPlaceMarker(r, c);
            row.append(empty ? QString() : CellTextFromContent(m_table.Cell(r, c).Content));
        }
        cells.append(row);
    }
    auto* data = new QMimeData;
    data->setText(WriteTabSeparated(cells));
    data->setHtml(WriteHtmlTable(cells));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TableCreatorTab::importData()
{
    const std::optional<QString> name = askForFile({.kind = FileDialogRequest::Open,
                                                    .title = QStringLiteral("Import data"),
                                                    .filter = QStringLiteral("All files (*.*) | *.*"),
                                                    .mustExist = true});
    if (!name || name->isEmpty())
        return;
    const std::optional<QChar> byName = SeparatorForDataName(*name);
    QChar separator = byName.value_or(u',');
    if (!byName && m_services.dataSeparator) {
        const bool utf8 = fileReadsAsUtf8(QFile::encodeName(*name).toStdString());
        const SeparatorChoice choice = m_services.dataSeparator(utf8);
        if (!choice.problem.isEmpty()) {
            platform().message(mainWindow(), QStringLiteral("Error"), choice.problem, MsgIcon::Exclamation);
            return;
        }
        separator = SeparatorCharacter(choice.code, utf8);
    }
    QString problem;
    const std::optional<CellBlock> block = ImportDelimitedFile(*name, separator, &problem);
    if (!block || block->rows == 0) {
        showNote(block ? QStringLiteral("Nothing imported: the file holds no data.") : problem);
        return;
    }
    // The file's cells become the table, from its first cell, at the file's size.
    placeBlock(QStringLiteral("import %1").arg(QFileInfo(*name).fileName()), *block, {1, 1},
               FitBlock(block->rows, block->columns, 1, 1, 1, 1));
}

void TableCreatorTab::clearCell(int row, int col)
{
    const CellPos cell = m_table.OwnerOf(row, col);
    record(QStringLiteral("clear cell at row %1 column %2").arg(cell.row).arg(cell.col), [&] {
        TableCell blank;
        if (m_placeMarkers->isChecked())
            blank.Content = TableModel::PlaceMarkerText(cell.row, cell.col);
        m_table.StoreCellFields(cell.row, cell.col, blank);
        drawTable();
        clearShownResult();
    });
}

} // namespace pagewright
