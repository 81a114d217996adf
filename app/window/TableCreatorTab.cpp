#include "window/TableCreatorTab.h"

#include "tablecreator/TableFile.h"
#include "tablecreator/TableGrid.h"
#include "tablecreator/TableWriter.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QUndoStack>
#include <QVBoxLayout>

#include <tuple>

namespace pagewright
{

TableCreatorTab::TableCreatorTab(TabServices& services)
    : ToolTab(services, TableCreatorSlot, QStringLiteral("TabTableCreator"))
{
    QVBoxLayout* const layout = tabLayout();
    auto* rowsLabel = MakeLabel(this, QStringLiteral("lblNumberOfRows"), QStringLiteral("Rows:"));
    m_rows = MakeList(this, QStringLiteral("cboNumberOfRows"));
    auto* columnsLabel = MakeLabel(this, QStringLiteral("lblNumberOfColumns"), QStringLiteral("Columns:"));
    m_columns = MakeList(this, QStringLiteral("cboNumberOfColumns"));
    LabelFor(rowsLabel, m_rows);
    LabelFor(columnsLabel, m_columns);
    auto* size = new QHBoxLayout;
    size->addWidget(rowsLabel);
    size->addWidget(m_rows);
    size->addSpacing(12);
    size->addWidget(columnsLabel);
    size->addWidget(m_columns);
    size->addStretch(1);
    const PageStyleChoice style = makePageStyleChoice();
    size->addWidget(style.label);
    size->addWidget(style.list);
    layout->addLayout(size);

    m_grid = new TableGrid(this, m_table);
    m_grid->setObjectName(QStringLiteral("picTable"));
    const QString gridTip =
        QStringLiteral("Left click to type a value into this cell (or to specify other cell data), "
                       "right click to copy this cell to other cells.");
    m_grid->setToolTip(gridTip);
    m_grid->setAccessibleDescription(gridTip);
    layout->addWidget(m_grid, 1);

    m_undo = MakeButton(this, QStringLiteral("cmdUndo"), QStringLiteral("Undo"));
    m_redo = MakeButton(this, QStringLiteral("cmdRedo"), QStringLiteral("Redo"));
    m_insertRow = MakeButton(this, QStringLiteral("cmdInsertRow"), QStringLiteral("Insert row"),
                             QStringLiteral("Insert an empty row above the focus cell."));
    m_deleteRow = MakeButton(this, QStringLiteral("cmdDeleteRow"), QStringLiteral("Delete row"),
                             QStringLiteral("Delete the row of the focus cell."));
    m_insertColumn = MakeButton(this, QStringLiteral("cmdInsertColumn"), QStringLiteral("Insert column"),
                                QStringLiteral("Insert an empty column left of the focus cell."));
    m_deleteColumn = MakeButton(this, QStringLiteral("cmdDeleteColumn"), QStringLiteral("Delete column"),
                                QStringLiteral("Delete the column of the focus cell."));
    auto* editing = new QHBoxLayout;
    editing->addWidget(m_undo);
    editing->addWidget(m_redo);
    editing->addSpacing(12);
    for (QPushButton* b : {m_insertRow, m_deleteRow, m_insertColumn, m_deleteColumn})
        editing->addWidget(b);
    editing->addStretch(1);
    layout->addLayout(editing);

    m_center = MakeCheck(this, QStringLiteral("chkCenterTable4"), QStringLiteral("Center table"),
                         QStringLiteral("Add <CENTER>...</CENTER>."));
    m_wrapper = MakeCheck(this, QStringLiteral("chkAddHTMLWrapper4"), QStringLiteral("Add HTML wrapper"),
                          QStringLiteral("Add <HTML>...</HTML>"));
    m_placeMarkers = MakeCheck(this, QStringLiteral("chkAddPlaceMarkers"), QStringLiteral("Place markers"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_center);
    checks->addWidget(m_wrapper);
    checks->addWidget(m_placeMarkers);
    checks->addStretch(1);
    m_copy = MakeButton(
        this, QStringLiteral("cmdCopyTable"), QStringLiteral("Copy"),
        QStringLiteral("Copy the table for a spreadsheet (Ctrl+C on the grid copies the focus cell)."));
    m_paste = MakeButton(
        this, QStringLiteral("cmdPaste"), QStringLiteral("Paste"),
        QStringLiteral("Paste cells copied from a spreadsheet or a web page, from the focus cell on."));
    auto* importButton =
        MakeButton(this, QStringLiteral("cmdImportData"), QStringLiteral("Import data..."),
                   QStringLiteral("Fill the table from a delimited data file, such as a .csv file."));
    for (QPushButton* b : {m_copy, m_paste, importButton})
        checks->addWidget(b);
    layout->addLayout(checks);

    auto* options = new QHBoxLayout;
    auto* colorRow =
        new ColorRow(3, QStringLiteral("Specify table colors"), QStringLiteral("Use specified table colors"));
    options->addWidget(colorRow);
    addColorRow(colorRow, "Table Creator: table colors");
    auto* properties = MakeButton(this, Indexed("cmdSpecifyBorder", 1), QStringLiteral("Specify width etc."),
                                  QStringLiteral("Specify table width, border, cell padding and spacing."));
    options->addWidget(properties, 0, Qt::AlignBottom);
    options->addStretch(1);
    auto* newButton = MakeButton(this, Indexed("cmdSaveLoad", 0), QStringLiteral("New"));
    auto* loadButton = MakeButton(this, Indexed("cmdSaveLoad", 1), QStringLiteral("Load"),
                                  QStringLiteral("Load a previously saved table specification."));
    auto* saveButton = MakeButton(this, Indexed("cmdSaveLoad", 2), QStringLiteral("Save"),
                                  QStringLiteral("Save this table specification to a file."));
    for (QPushButton* b : {newButton, loadButton, saveButton})
        options->addWidget(b, 0, Qt::AlignBottom);
    layout->addLayout(options);

    addOutputRow(addFileGrid(), 0);
    addFooter(QStringLiteral("Create table"), QStringLiteral("Create the HTML code for this table."));
    // The grid, not the space below the result line, takes the tab's spare height.
    for (int i = 0; i < layout->count(); ++i)
        if (layout->itemAt(i)->spacerItem() != nullptr)
            layout->setStretch(i, 0);

    connect(m_rows, &QComboBox::currentIndexChanged, this, &TableCreatorTab::sizeChosen);
    connect(m_columns, &QComboBox::currentIndexChanged, this, &TableCreatorTab::sizeChosen);
    connect(m_placeMarkers, &QCheckBox::clicked, this, &TableCreatorTab::placeMarkersClicked);
    for (QCheckBox* check : {m_wrapper, m_center})
        connect(check, &QCheckBox::clicked, this, [this] { clearShownResult(); });
    connect(properties, &QPushButton::clicked, this, [this] { chooseTableProperties(); });
    const std::pair<QPushButton*, void (TableCreatorTab::*)()> fileButtons[] = {
        {newButton, &TableCreatorTab::newTable},
        {loadButton, &TableCreatorTab::loadTable},
        {saveButton, &TableCreatorTab::saveTable},
        {importButton, &TableCreatorTab::importData}};
    for (const auto& [button, action] : fileButtons) {
        connect(button, &QPushButton::clicked, this, [this, action] {
            (this->*action)();
            returnFocusToTabs();
        });
    }
    m_history = new QUndoStack(this);
    m_history->setUndoLimit(200);
    connect(m_undo, &QPushButton::clicked, m_history, &QUndoStack::undo);
    connect(m_redo, &QPushButton::clicked, m_history, &QUndoStack::redo);
    connect(m_history, &QUndoStack::indexChanged, this, &TableCreatorTab::updateEditButtons);
    const std::pair<QKeySequence, void (QUndoStack::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Z), &QUndoStack::undo},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), &QUndoStack::redo},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &QUndoStack::redo}};
    for (const auto& [key, action] : keys) {
        // Only while the tab is shown: a hidden widget's shortcuts do not fire.
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, m_history, action);
    }
    // A text box takes its own Ctrl+C and Ctrl+V before these.
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this,
            &TableCreatorTab::pasteCells);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            [this] { copyCells(!m_grid->hasFocus()); });
    connect(m_copy, &QPushButton::clicked, this, [this] { copyCells(true); });
    connect(m_paste, &QPushButton::clicked, this, &TableCreatorTab::pasteCells);
    connect(m_grid, &TableGrid::clearRequested, this, &TableCreatorTab::clearCell);
    const std::tuple<QPushButton*, const char*, bool (TableModel::*)(int), bool> rowButtons[] = {
        {m_insertRow, "insert row", &TableModel::InsertRow, false},
        {m_deleteRow, "delete row", &TableModel::DeleteRow, false},
        {m_insertColumn, "insert column", &TableModel::InsertColumn, true},
        {m_deleteColumn, "delete column", &TableModel::DeleteColumn, true}};
    for (const auto& [button, step, operation, onColumn] : rowButtons)
        connect(button, &QPushButton::clicked, this,
                [this, step, operation, onColumn] { rowOrColumnStep(step, operation, onColumn); });
    connect(m_grid, &TableGrid::editRequested, this, &TableCreatorTab::editCell);
    connect(m_grid, &TableGrid::copyRequested, this, &TableCreatorTab::copyCell);
}

void TableCreatorTab::reset()
{
    ToolTab::reset();
    for (QComboBox* list : {m_rows, m_columns}) {
        list->clear();
        for (int n = 1; n <= MaxRows; ++n)
            list->addItem(QString::number(n));
        list->setCurrentIndex(kDefaultTableSize - 1);
    }
    m_table.InitTableCreator();
    m_lastTableFile.clear();
    m_history->clear();
    updateEditButtons();
}

void TableCreatorTab::shown()
{
    drawTable();
}

void TableCreatorTab::chooseSize(int rows, int columns)
{
    m_rows->setCurrentIndex(rows - 1);
    m_columns->setCurrentIndex(columns - 1);
}

void TableCreatorTab::setCentered(bool on)
{
    m_center->setChecked(on);
}

void TableCreatorTab::sizeChosen()
{
    if (!started())
        return;
    const int rows = m_rows->currentIndex() + 1;
    const int cols = m_columns->currentIndex() + 1;
    record(rows != m_table.NumRows() ? QStringLiteral("change the number of rows")
                                     : QStringLiteral("change the number of columns"),
           [&] {
               m_table.ApplyTableSize(rows, cols);
               applyPlaceMarkers();
           });
    returnFocusToTabs();
}

void TableCreatorTab::placeMarkersClicked()
{
    if (!started())
        return;
    // The box is already ticked (or cleared) when this runs.
    TableDocument before = document();
    before.placeMarkers = !before.placeMarkers;
    record(QStringLiteral("place markers"), before, [this] { applyPlaceMarkers(); });
}

void TableCreatorTab::applyPlaceMarkers()
{
    m_table.ApplyPlaceMarkers(m_placeMarkers->isChecked());
    drawTable();
    clearShownResult();
}

void TableCreatorTab::run()
{
    const TableDocument doc = document();
    TableHtmlOptions options = HtmlOptionsOf(doc);
    options.html5 = html5();
    options.lang = PageLanguage();
    showWrittenResult(WriteTableHtml(outputName(), doc.table, options));
}

void TableCreatorTab::drawTable()
{
    m_grid->setTableColors(textColor(), backColor());
    m_grid->DrawTable();
    updateEditButtons();
}

bool TableCreatorTab::highlightCell(int& row, int& col)
{
    const CellPos owner = m_table.OwnerOf(row, col);
    m_grid->HighlightCell(owner.row, owner.col);
    if (owner == CellPos{row, col})
        return true;
    row = owner.row;
    col = owner.col;
    return false;
}

void TableCreatorTab::placeCellDialog(QWidget& dialog, int row)
{
    // From the main window's top (its frame) and the grid's place within the window.
    QWidget* const window = mainWindow();
    const QPoint grid = window->frameGeometry().topLeft() + m_grid->mapTo(window, QPoint(0, 0));
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    dialog.move(CellDialogPosition(grid, m_grid->metrics().CellHeight, row, window->logicalDpiY(), area));
}

} // namespace pagewright
