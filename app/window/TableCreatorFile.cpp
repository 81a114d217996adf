// The Table Creator's New, Load and Save buttons: the table file dialogs, their messages, and
// the tab's state as a table file holds it.
#include "window/TableCreatorTab.h"

#include "platform/Platform.h"
#include "rules/TableProperties.h"
#include "tablecreator/TableFile.h"
#include "tablecreator/TableGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace pagewright
{
namespace
{

const QString kTableFilter = QStringLiteral("Table files (*.tbl) | *.tbl");

} // namespace

TableDocument TableCreatorTab::document() const
{
    TableDocument d;
    d.wrapper = m_wrapper->isChecked();
    d.center = m_center->isChecked();
    d.placeMarkers = m_placeMarkers->isChecked();
    d.properties = tableProperties();
    d.useTableColors = usesColors();
    d.textColor = textColor();
    d.backColor = backColor();
    d.table = m_table;
    d.outputFile = m_outputRow->box()->text();
    return d;
}

void TableCreatorTab::applyDocument(const TableDocument& d)
{
    m_wrapper->setChecked(d.wrapper);
    m_center->setChecked(d.center);
    m_placeMarkers->setChecked(d.placeMarkers);
    setTableProperties(d.properties);
    setColors(d.textColor, d.backColor);
    setUsesColors(d.useTableColors);
    m_table = d.table;
    {
        // The lists show the table's counts; the table is already fitted to them.
        const QSignalBlocker rows(m_rows);
        const QSignalBlocker cols(m_columns);
        m_rows->setCurrentIndex(m_table.NumRows() - 1);
        m_columns->setCurrentIndex(m_table.NumCols() - 1);
    }
    m_outputRow->box()->setText(d.outputFile);
    drawTable();
    clearResult();
}

void TableCreatorTab::saveTable()
{
    const std::optional<QString> name = askForFile({.kind = FileDialogRequest::Save,
                                                    .title = QStringLiteral("Save table as"),
                                                    .filter = kTableFilter,
                                                    .initialName = m_lastTableFile,
                                                    .confirmOverwrite = true,
                                                    .defaultSuffix = QStringLiteral("tbl")});
    if (!name || name->isEmpty())
        return;
    const QString file = TableFileName(*name);
    if (SaveTable(file, document()))
        m_lastTableFile = file;
    else
        platform().message(mainWindow(), QStringLiteral("Save table error"),
                           QStringLiteral("Error when attempting to save table."), MsgIcon::None);
}

void TableCreatorTab::loadTable()
{
    const std::optional<QString> name = askForFile(
        {.kind = FileDialogRequest::Open, .title = QStringLiteral("Load table"), .filter = kTableFilter});
    if (name && !name->isEmpty())
        openFile(*name);
}

void TableCreatorTab::openFile(const QString& name)
{
    // The whole file is read and checked first; a file that fails changes nothing.
    if (const std::optional<TableDocument> loaded = LoadTable(name))
        record(QStringLiteral("load table"), [&] { applyDocument(*loaded); });
    else
        platform().message(mainWindow(), QStringLiteral("Load table error"),
                           QStringLiteral("Error when attempting to load table."), MsgIcon::None);
}

void TableCreatorTab::newTable()
{
    if (platform().messageBox(mainWindow(), QStringLiteral("New table"),
                              QStringLiteral("Clear table and start anew?"), MsgIcon::Question,
                              MsgButtons::YesNoCancel) != MsgAnswer::Yes)
        return;
    record(QStringLiteral("new table"), [this] {
        for (QCheckBox* check : {m_wrapper, m_center, m_placeMarkers})
            check->setChecked(false);
        m_table.New();
        {
            const QSignalBlocker rows(m_rows);
            const QSignalBlocker cols(m_columns);
            m_rows->setCurrentIndex(kDefaultTableSize - 1);
            m_columns->setCurrentIndex(kDefaultTableSize - 1);
        }
        drawTable();
        clearResult();
    });
}

} // namespace pagewright
