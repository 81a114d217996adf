// The "Table Creator" tab (tab position 5, slot 4): table size, the grid, table options, the
// table file buttons and the output file.
#include "mainwindow/frmMain.h"

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
#include <QVBoxLayout>

namespace pagewright
{

QWidget* frmMain::BuildTableCreatorTab()
{
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabTableCreator"));
    auto* layout = new QVBoxLayout(tab);

    lblNumberOfRows = MakeLabel(tab, QStringLiteral("lblNumberOfRows"), QStringLiteral("Rows:"));
    cboNumberOfRows = MakeList(tab, QStringLiteral("cboNumberOfRows"));
    lblNumberOfColumns = MakeLabel(tab, QStringLiteral("lblNumberOfColumns"), QStringLiteral("Columns:"));
    cboNumberOfColumns = MakeList(tab, QStringLiteral("cboNumberOfColumns"));
    LabelFor(lblNumberOfRows, cboNumberOfRows);
    LabelFor(lblNumberOfColumns, cboNumberOfColumns);
    auto* size = new QHBoxLayout;
    size->addWidget(lblNumberOfRows);
    size->addWidget(cboNumberOfRows);
    size->addSpacing(12);
    size->addWidget(lblNumberOfColumns);
    size->addWidget(cboNumberOfColumns);
    size->addStretch(1);
    layout->addLayout(size);

    // The grid of the table.
    picTable = new TableGrid(tab, Table);
    picTable->setObjectName(QStringLiteral("picTable"));
    const QString gridTip =
        QStringLiteral("Left click to type a value into this cell (or to specify other cell data), "
                       "right click to copy this cell to other cells.");
    picTable->setToolTip(gridTip);
    picTable->setAccessibleDescription(gridTip);
    layout->addWidget(picTable, 1);

    chkCenterTable4 = MakeCheck(tab, QStringLiteral("chkCenterTable4"), QStringLiteral("Center table"),
                                QStringLiteral("Add <CENTER>...</CENTER>."));
    chkAddHTMLWrapper4 =
        MakeCheck(tab, QStringLiteral("chkAddHTMLWrapper4"), QStringLiteral("Add HTML wrapper"),
                  QStringLiteral("Add <HTML>...</HTML>"));
    chkAddPlaceMarkers =
        MakeCheck(tab, QStringLiteral("chkAddPlaceMarkers"), QStringLiteral("Place markers"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkCenterTable4);
    checks->addWidget(chkAddHTMLWrapper4);
    checks->addWidget(chkAddPlaceMarkers);
    checks->addStretch(1);
    layout->addLayout(checks);

    auto* options = new QHBoxLayout;
    options->addWidget(colorRows[3] = new ColorRow(3, QStringLiteral("Specify table colors"),
                                                   QStringLiteral("Use specified table colors")));
    cmdSpecifyBorder[1] =
        MakeButton(tab, Indexed("cmdSpecifyBorder", 1), QStringLiteral("Specify width etc."),
                   QStringLiteral("Specify table width, border, cell padding and spacing."));
    options->addWidget(cmdSpecifyBorder[1], 0, Qt::AlignBottom);
    options->addStretch(1);
    cmdSaveLoad[0] = MakeButton(tab, Indexed("cmdSaveLoad", 0), QStringLiteral("New"));
    cmdSaveLoad[1] = MakeButton(tab, Indexed("cmdSaveLoad", 1), QStringLiteral("Load"),
                                QStringLiteral("Load a previously saved table specification."));
    cmdSaveLoad[2] = MakeButton(tab, Indexed("cmdSaveLoad", 2), QStringLiteral("Save"),
                                QStringLiteral("Save this table specification to a file."));
    for (QPushButton* b : cmdSaveLoad)
        options->addWidget(b, 0, Qt::AlignBottom);
    layout->addLayout(options);

    auto* output = new QGridLayout;
    layout->addLayout(output);
    output->setColumnStretch(1, 1);
    outputRows[TableCreatorSlot] = FileRow::Output(output, 0, TableCreatorSlot);

    AddTabFooter(layout, 5, TableCreatorSlot, QStringLiteral("Create table"),
                 QStringLiteral("Create the HTML code for this table."));
    // The grid, not the space below the result line, takes the tab's spare height.
    for (int i = 0; i < layout->count(); ++i)
        if (layout->itemAt(i)->spacerItem() != nullptr)
            layout->setStretch(i, 0);

    connect(cboNumberOfRows, &QComboBox::currentIndexChanged, this, [this] { cboNumberOfRows_Click(); });
    connect(cboNumberOfColumns, &QComboBox::currentIndexChanged, this,
            [this] { cboNumberOfColumns_Click(); });
    connect(chkAddPlaceMarkers, &QCheckBox::clicked, this, [this] { chkAddPlaceMarkers_Click(); });
    for (QCheckBox* check : {chkAddHTMLWrapper4, chkCenterTable4})
        connect(check, &QCheckBox::clicked, this, [this] { ClearResult(-1); });
    for (int i = 0; i < 3; ++i)
        connect(cmdSaveLoad[i], &QPushButton::clicked, this, [this, i] { cmdSaveLoad_Click(i); });
    connect(picTable, &TableGrid::editRequested, this,
            [this](int row, int col) { OpenCellEditor(row, col); });
    connect(picTable, &TableGrid::copyRequested, this, [this](int row, int col) { OpenCopyCell(row, col); });
    return tab;
}

void frmMain::cboNumberOfRows_Click()
{
    if (!blnStartupCompleted)
        return;
    Table.ApplyTableSize(cboNumberOfRows->currentIndex() + 1, cboNumberOfColumns->currentIndex() + 1);
    chkAddPlaceMarkers_Click();
    ReturnFocusToTabs();
}

void frmMain::cboNumberOfColumns_Click()
{
    cboNumberOfRows_Click();
}

void frmMain::chkAddPlaceMarkers_Click()
{
    if (!blnStartupCompleted)
        return;
    Table.ApplyPlaceMarkers(chkAddPlaceMarkers->isChecked());
    DrawTable();
    ClearResult(-1);
}

void frmMain::CreateTable(int slot)
{
    const TableDocument document = CurrentTableDocument();
    const RunResult result =
        WriteTableHtml(outputRows[slot]->box()->text().trimmed(), document.table, HtmlOptionsOf(document));
    resultLines[slot]->setText(result.caption);
    OutputReady[slot] = result.succeeded;
}

void frmMain::DrawTable()
{
    picTable->setTableColors(TextColors[3], BackColors[3]);
    picTable->DrawTable();
}

bool frmMain::HighlightCell(int& row, int& col)
{
    const CellPos owner = Table.OwnerOf(row, col);
    picTable->HighlightCell(owner.row, owner.col);
    if (owner == CellPos{row, col})
        return true;
    row = intToRow = owner.row;
    col = intToCol = owner.col;
    return false;
}

void frmMain::PlaceCellDialog(QWidget& dialog, int row)
{
    // From the main window's top (its frame) and the grid's place within the window.
    const QPoint grid = frameGeometry().topLeft() + picTable->mapTo(this, QPoint(0, 0));
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    dialog.move(CellDialogPosition(grid, picTable->metrics().CellHeight, row, logicalDpiY(), area));
}

} // namespace pagewright
