// The Table Creator's New, Load and Save buttons: the table file dialogs, their messages, and
// the window's Table Creator state as a table file holds it.
#include "mainwindow/frmMain.h"

#include "platform/Platform.h"
#include "rules/TableProperties.h"
#include "tablecreator/TableFile.h"
#include "tablecreator/TableGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace pagewright
{
namespace
{

const QString kTableFilter = QStringLiteral("Table files (*.tbl) | *.tbl");

} // namespace

TableDocument frmMain::CurrentTableDocument() const
{
    TableDocument d;
    d.wrapper = chkAddHTMLWrapper4->isChecked();
    d.center = chkCenterTable4->isChecked();
    d.placeMarkers = chkAddPlaceMarkers->isChecked();
    d.properties = TablePropertiesAt(1);
    d.useTableColors = colorRows[3]->useColorsCheck()->isChecked();
    d.textColor = TextColors[3];
    d.backColor = BackColors[3];
    d.table = Table;
    d.outputFile = outputRows[TableCreatorSlot]->box()->text();
    return d;
}

void frmMain::ApplyTableDocument(const TableDocument& d)
{
    chkAddHTMLWrapper4->setChecked(d.wrapper);
    chkCenterTable4->setChecked(d.center);
    chkAddPlaceMarkers->setChecked(d.placeMarkers);
    SetTablePropertiesAt(1, d.properties);
    TextColors[3] = d.textColor;
    BackColors[3] = d.backColor;
    colorRows[3]->useColorsCheck()->setChecked(d.useTableColors);
    chkUseSpecifiedColors_Click(3);
    Table = d.table;
    {
        // The lists show the table's counts; the table is already fitted to them.
        const QSignalBlocker rows(cboNumberOfRows);
        const QSignalBlocker cols(cboNumberOfColumns);
        cboNumberOfRows->setCurrentIndex(Table.NumRows() - 1);
        cboNumberOfColumns->setCurrentIndex(Table.NumCols() - 1);
    }
    outputRows[TableCreatorSlot]->box()->setText(d.outputFile);
    DrawTable();
    ClearResult(TableCreatorSlot);
}

void frmMain::cmdSaveLoad_Click(int index)
{
    switch (index) {
    case 0:
        NewTable();
        break;
    case 1:
        LoadTableFile();
        break;
    default:
        SaveTableFile();
        break;
    }
    ReturnFocusToTabs();
}

void frmMain::SaveTableFile()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Save;
    request.title = QStringLiteral("Save table as");
    request.filter = kTableFilter;
    request.initialName = LastTableFile;
    request.confirmOverwrite = true;
    const std::optional<QString> name = m_platform.chooseFile(this, request);
    if (!name || name->isEmpty())
        return;
    if (SaveTable(*name, CurrentTableDocument()))
        LastTableFile = *name;
    else
        m_platform.message(this, QStringLiteral("Save table error"),
                           QStringLiteral("Error when attempting to save table."), MsgIcon::None);
}

void frmMain::LoadTableFile()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Open;
    request.title = QStringLiteral("Load table");
    request.filter = kTableFilter;
    const std::optional<QString> name = m_platform.chooseFile(this, request);
    if (!name || name->isEmpty())
        return;
    // The whole file is read and checked first; a file that fails changes nothing.
    if (const std::optional<TableDocument> document = LoadTable(*name))
        ApplyTableDocument(*document);
    else
        m_platform.message(this, QStringLiteral("Load table error"),
                           QStringLiteral("Error when attempting to load table."), MsgIcon::None);
}

void frmMain::NewTable()
{
    if (m_platform.messageBox(this, QStringLiteral("New table"),
                              QStringLiteral("Clear table and start anew?"), MsgIcon::Question,
                              MsgButtons::YesNoCancel) != MsgAnswer::Yes)
        return;
    for (QCheckBox* check : {chkAddHTMLWrapper4, chkCenterTable4, chkAddPlaceMarkers})
        check->setChecked(false);
    Table.New();
    {
        const QSignalBlocker rows(cboNumberOfRows);
        const QSignalBlocker cols(cboNumberOfColumns);
        cboNumberOfRows->setCurrentIndex(kDefaultTableSize - 1);
        cboNumberOfColumns->setCurrentIndex(kDefaultTableSize - 1);
    }
    DrawTable();
    ClearResult(TableCreatorSlot);
}

} // namespace pagewright
