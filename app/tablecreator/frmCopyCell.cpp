#include "tablecreator/frmCopyCell.h"

#include "platform/Platform.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pagewright
{
namespace
{

void FillNumbers(QComboBox* list, int count)
{
    list->clear();
    for (int i = 1; i <= count; ++i)
        list->addItem(QString::number(i));
}

} // namespace

frmCopyCell::frmCopyCell(Platform& platform, QWidget* parent) : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmCopyCell"));
    setWindowTitle(QStringLiteral("Copy cell"));
    setModal(true);

    lblCopy = MakeLabel(this, QStringLiteral("lblCopy"), QStringLiteral("Copy"));
    chkFont = MakeCheck(this, QStringLiteral("chkFont"), QStringLiteral("font"));
    chkContent = MakeCheck(this, QStringLiteral("chkContent"), QStringLiteral("content"));
    chkColors = MakeCheck(this, QStringLiteral("chkColors"), QStringLiteral("colors"));
    chkAlignment = MakeCheck(this, QStringLiteral("chkAlignment"), QStringLiteral("alignment"));
    chkWidth = MakeCheck(this, QStringLiteral("chkWidth"), QStringLiteral("width"));
    chkHeight = MakeCheck(this, QStringLiteral("chkHeight"), QStringLiteral("height"));
    lblOfCellAt = MakeLabel(this, QStringLiteral("lblOfCellAt"));
    // The source as it stands; the copy takes its values from the cell itself, so these boxes
    // only show them.
    txbFromCellContent = MakeBox(this, QStringLiteral("txbFromCellContent"), QStringLiteral("Cell content"));
    txbFromCellContent->setMinimumWidth(txbFromCellContent->fontMetrics().averageCharWidth() * 50);
    lblFace = MakeLabel(this, QStringLiteral("lblFace"), QStringLiteral("Face"));
    txbFontFace = MakeBox(this, QStringLiteral("txbFontFace"));
    lblSize = MakeLabel(this, QStringLiteral("lblSize"), QStringLiteral("Size"));
    txbFontSize = MakeBox(this, QStringLiteral("txbFontSize"));
    LabelFor(lblFace, txbFontFace);
    LabelFor(lblSize, txbFontSize);
    txbFontFace->setAccessibleName(QStringLiteral("Font face"));
    txbFontSize->setAccessibleName(QStringLiteral("Font size"));
    txbFontSize->setFixedWidth(txbFontSize->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    for (QLineEdit* box : {txbFromCellContent, txbFontFace, txbFontSize})
        box->setReadOnly(true);
    lblAlign = MakeLabel(this, QStringLiteral("lblAlign"));
    lblVAlign = MakeLabel(this, QStringLiteral("lblVAlign"));
    lblWidth = MakeLabel(this, QStringLiteral("lblWidth"));

    optToOneCell = MakeOption(this, QStringLiteral("optToOneCell"), QStringLiteral("to cell at row"));
    cboToRow = MakeList(this, QStringLiteral("cboToRow"));
    cboToRow->setAccessibleName(QStringLiteral("Target row"));
    lblToCol = MakeLabel(this, QStringLiteral("lblToCol"), QStringLiteral("column"));
    cboToCol = MakeList(this, QStringLiteral("cboToCol"));
    cboToCol->setAccessibleName(QStringLiteral("Target column"));
    optToAllCellsInRow =
        MakeOption(this, QStringLiteral("optToAllCellsInRow"), QStringLiteral("to all cells in row"));
    optToAllCellsInColumn =
        MakeOption(this, QStringLiteral("optToAllCellsInColumn"), QStringLiteral("to all cells in column"));
    optToAllCellsInTable =
        MakeOption(this, QStringLiteral("optToAllCellsInTable"), QStringLiteral("to all cells in table"));
    cmdDoCopy = MakeButton(this, QStringLiteral("cmdDoCopy"), QStringLiteral("Do it"));
    cmdCancel = MakeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));

    auto* parts = new QHBoxLayout;
    parts->addWidget(lblCopy);
    for (QCheckBox* part : {chkFont, chkContent, chkColors, chkAlignment, chkWidth, chkHeight})
        parts->addWidget(part);
    parts->addStretch(1);

    auto* font = new QHBoxLayout;
    font->addWidget(lblFace);
    font->addWidget(txbFontFace, 1);
    font->addSpacing(12);
    font->addWidget(lblSize);
    font->addWidget(txbFontSize);

    auto* shown = new QHBoxLayout;
    for (QLabel* label : {lblAlign, lblVAlign, lblWidth}) {
        shown->addWidget(label);
        shown->addSpacing(18);
    }
    shown->addStretch(1);

    auto* oneCell = new QHBoxLayout;
    oneCell->addWidget(optToOneCell);
    oneCell->addWidget(cboToRow);
    oneCell->addWidget(lblToCol);
    oneCell->addWidget(cboToCol);
    oneCell->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDoCopy);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(parts);
    layout->addWidget(lblOfCellAt);
    layout->addWidget(txbFromCellContent);
    layout->addLayout(font);
    layout->addLayout(shown);
    layout->addSpacing(6);
    layout->addLayout(oneCell);
    layout->addWidget(optToAllCellsInRow);
    layout->addWidget(optToAllCellsInColumn);
    layout->addWidget(optToAllCellsInTable);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QCheckBox* part : {chkFont, chkContent, chkColors, chkAlignment, chkWidth})
        connect(part, &QCheckBox::clicked, this, &frmCopyCell::FocusCancel);
    for (QRadioButton* target :
         {optToOneCell, optToAllCellsInRow, optToAllCellsInColumn, optToAllCellsInTable})
        connect(target, &QRadioButton::clicked, this, &frmCopyCell::UpdateCopyControls);
    // A choice in a target list, also one made by ShowCopyTarget itself.
    for (QComboBox* list : {cboToRow, cboToCol})
        connect(list, &QComboBox::currentIndexChanged, this, &frmCopyCell::TargetList_Click);
    connect(cmdDoCopy, &QPushButton::clicked, this, &frmCopyCell::cmdDoCopy_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Cancel, Escape and closing by the frame all leave the dialog without copying.
    connect(this, &QDialog::rejected, this, [this] { blnDoCopy = false; });
}

void frmCopyCell::FillCopyTargetLists(int rows, int cols)
{
    FillNumbers(cboToRow, rows);
    FillNumbers(cboToCol, cols);
}

void frmCopyCell::Fill(const TableModel& model, int row, int col, CellColors tableColors)
{
    m_model = &model;
    m_row = row;
    m_col = col;
    const int rows = model.NumRows();
    const int cols = model.NumCols();
    const TableCell& cell = model.Cell(row, col);
    lblOfCellAt->setText(QStringLiteral("of cell at row %1 column %2").arg(row).arg(col));
    txbFromCellContent->setText(model.IsPlaceMarker(row, col) ? QString() : cell.Content);
    const CellColors shown =
        cell.HasOwnColors() ? CellColors{cell.CellTextColor, cell.CellBackColor} : tableColors;
    QPalette palette = txbFromCellContent->palette();
    palette.setColor(QPalette::Text, ToQColor(shown.text));
    palette.setColor(QPalette::Base, ToQColor(shown.back));
    txbFromCellContent->setPalette(palette);
    lblAlign->setText(QStringLiteral("Align = ") + AlignNames().value(cell.Align));
    lblVAlign->setText(QStringLiteral("VAlign = ") + VAlignNames().value(cell.VAlign));
    QString width = QStringLiteral("Width =");
    if (cell.Width > 0)
        width += QLatin1Char(' ') + QString::number(cell.Width) +
                 (cell.WidthInPixels != 0 ? QStringLiteral(" pixels") : QStringLiteral("%"));
    lblWidth->setText(width);

    // The proposed target: the next cell to the right, or below from the last column.
    FillCopyTargetLists(rows, cols);
    cboToRow->setCurrentIndex(-1);
    cboToCol->setCurrentIndex(-1);
    CellPos proposed;
    if (col < cols && model.Cell(row, col + 1).RowSpan >= 1)
        proposed = {row, col + 1};
    else if (col == cols && row < rows && model.Cell(row + 1, col).RowSpan >= 1)
        proposed = {row + 1, col};
    if (proposed.row > 0) {
        cboToRow->setCurrentIndex(proposed.row - 1);
        cboToCol->setCurrentIndex(proposed.col - 1);
    }
    optToOneCell->setChecked(true);
    txbFontFace->setText(cell.FontFace);
    txbFontSize->setText(cell.FontSize);
}

CopyParts frmCopyCell::Parts() const
{
    return {chkFont->isChecked(),      chkContent->isChecked(), chkColors->isChecked(),
            chkAlignment->isChecked(), chkWidth->isChecked(),   chkHeight->isChecked()};
}

CopyTarget frmCopyCell::Target() const
{
    if (optToAllCellsInRow->isChecked())
        return CopyTarget::Row;
    if (optToAllCellsInColumn->isChecked())
        return CopyTarget::Column;
    if (optToAllCellsInTable->isChecked())
        return CopyTarget::Table;
    return CopyTarget::OneCell;
}

CellPos frmCopyCell::To() const
{
    return {cboToRow->currentIndex() + 1, cboToCol->currentIndex() + 1};
}

void frmCopyCell::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    optToAllCellsInRow->setText(QStringLiteral("to all cells in row %1").arg(m_row));
    optToAllCellsInColumn->setText(QStringLiteral("to all cells in column %1").arg(m_col));
    UpdateCopyControls();
}

void frmCopyCell::FocusCancel()
{
    if (isVisible())
        cmdCancel->setFocus();
}

void frmCopyCell::UpdateCopyControls()
{
    if (!isVisible())
        return;
    const bool oneCell = optToOneCell->isChecked();
    cboToRow->setEnabled(oneCell);
    cboToCol->setEnabled(oneCell);
    cmdDoCopy->setEnabled(!oneCell || (cboToRow->currentIndex() >= 0 && cboToCol->currentIndex() >= 0));
    cmdCancel->setFocus();
}

void frmCopyCell::TargetList_Click()
{
    if (!isVisible())
        return;
    ShowCopyTarget();
    UpdateCopyControls();
}

void frmCopyCell::ShowCopyTarget()
{
    if (!isVisible() || cboToRow->currentIndex() < 0 || cboToCol->currentIndex() < 0)
        return;
    int row = cboToRow->currentIndex() + 1;
    int col = cboToCol->currentIndex() + 1;
    bool free = true;
    if (HighlightCell) {
        free = HighlightCell(row, col);
    } else if (m_model != nullptr) {
        const CellPos owner = m_model->OwnerOf(row, col);
        free = owner == CellPos{row, col};
        row = owner.row;
        col = owner.col;
    }
    if (free)
        return;
    // A covered cell cannot take a copy: the choice moves to the cell that covers it.
    cboToRow->setCurrentIndex(row - 1);
    cboToCol->setCurrentIndex(col - 1);
}

void frmCopyCell::cmdDoCopy_Click()
{
    blnDoCopy = false;
    const CopyParts parts = Parts();
    if (!(parts.font || parts.content || parts.colors || parts.alignment || parts.width || parts.height)) {
        m_platform.message(this, QStringLiteral("Error"),
                           QStringLiteral("At least one of font, content, colors,\r\n"
                                          "alignment, width and height must be checked."),
                           MsgIcon::None);
        return;
    }
    if (Target() == CopyTarget::OneCell) {
        const CellPos to = To();
        if (to.row < 1 || to.col < 1)
            return; // no target chosen yet; "Do it" is disabled then
        if (to == CellPos{m_row, m_col}) {
            m_platform.message(this, QStringLiteral("Error"),
                               QStringLiteral("Cell is being copied to itself."), MsgIcon::None);
            return;
        }
    }
    blnDoCopy = true;
    accept();
}

} // namespace pagewright
