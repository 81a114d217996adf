// The "Table Creator" tab (tab position 5, slot 4): table size, the grid, table options, the
// table file buttons and the output file.
#include "mainwindow/frmMain.h"

#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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

    // The grid of the table; it draws its cells once the Table Creator is built on it.
    auto* grid = new QFrame(tab);
    grid->setObjectName(QStringLiteral("picTable"));
    grid->setFrameShape(QFrame::StyledPanel);
    grid->setAutoFillBackground(true);
    QPalette white = grid->palette();
    white.setColor(QPalette::Window, Qt::white);
    grid->setPalette(white);
    grid->setMinimumHeight(150);
    const QString gridTip =
        QStringLiteral("Left click to type a value into this cell (or to specify other cell data), "
                       "right click to copy this cell to other cells.");
    grid->setToolTip(gridTip);
    grid->setAccessibleName(QStringLiteral("Table grid"));
    grid->setAccessibleDescription(gridTip);
    picTable = grid;
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
    options->addWidget(BuildColorGroup(3, QStringLiteral("Specify table colors"),
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
    AddOutputRow(output, 0, TableCreatorSlot);

    AddTabFooter(layout, 5, TableCreatorSlot, QStringLiteral("Create table"),
                 QStringLiteral("Create the HTML code for this table."));
    return tab;
}

void frmMain::DrawTable()
{
    picTable->update();
}

bool frmMain::HighlightCell(int& row, int& col)
{
    const CellPos owner = Table.OwnerOf(row, col);
    if (owner == CellPos{row, col})
        return true;
    row = intToRow = owner.row;
    col = intToCol = owner.col;
    return false;
}

void frmMain::PlaceCellDialog(QWidget& dialog, int row)
{
    Q_UNUSED(dialog);
    Q_UNUSED(row);
}

} // namespace pagewright
