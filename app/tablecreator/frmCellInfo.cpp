#include "tablecreator/frmCellInfo.h"

#include "dialogs/frmSpecifyColors.h"
#include "platform/Platform.h"
#include "rules/CellRules.h"
#include "rules/ColorRoutines.h"
#include "rules/TableProperties.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pagewright
{
namespace
{

const QString kTableDefault = QStringLiteral("table default");
const QString kPageDefault = QStringLiteral("page default");

QStringList Numbers(int count)
{
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items << QString::number(i);
    return items;
}

// A group of the two unit options of a width or height.
QGroupBox* UnitFrame(QWidget* parent, const QString& name, const QString& accessibleName,
                     QRadioButton* percent, QRadioButton* pixels)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(name);
    frame->setAccessibleName(accessibleName);
    percent->setParent(frame);
    pixels->setParent(frame);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(percent);
    layout->addWidget(pixels);
    return frame;
}

} // namespace

frmCellInfo::frmCellInfo(Platform& platform, std::function<frmSpecifyColors*()> colorDialog, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_colorDialog(std::move(colorDialog))
{
    setObjectName(QStringLiteral("frmCellInfo"));
    setWindowTitle(QStringLiteral("Cell specification"));
    setModal(true);

    lblCellAt = MakeLabel(this, QStringLiteral("lblCellAt"));
    QFont bold = lblCellAt->font();
    bold.setBold(true);
    lblCellAt->setFont(bold);
    lblRowSpan = MakeLabel(this, QStringLiteral("lblRowSpan"), QStringLiteral("Row span:"));
    cboRowSpan = MakeList(this, QStringLiteral("cboRowSpan"));
    lblColSpan = MakeLabel(this, QStringLiteral("lblColSpan"), QStringLiteral("Column span:"));
    cboColSpan = MakeList(this, QStringLiteral("cboColSpan"));
    lblCellContent = MakeLabel(this, QStringLiteral("lblCellContent"), QStringLiteral("Cell content:"));
    txbCellContent = MakeBox(this, QStringLiteral("txbCellContent"));
    txbCellContent->setMinimumWidth(txbCellContent->fontMetrics().averageCharWidth() * 60);
    lblCellContentMay = MakeLabel(this, QStringLiteral("lblCellContentMay"),
                                  QStringLiteral("Cell content may include HTML tags, e.g. <BR>."));
    lblAlign = MakeLabel(this, QStringLiteral("lblAlign"), QStringLiteral("Align"));
    cboAlign = MakeList(this, QStringLiteral("cboAlign"), AlignNames());
    lblVAlign = MakeLabel(this, QStringLiteral("lblVAlign"), QStringLiteral("VAlign"));
    cboVAlign = MakeList(this, QStringLiteral("cboVAlign"), VAlignNames());

    lblWidth = MakeLabel(this, QStringLiteral("lblWidth"), QStringLiteral("Width"));
    txbWidth = MakeBox(this, QStringLiteral("txbWidth"));
    optPercent = MakeOption(this, QStringLiteral("optPercent"), QStringLiteral("percent"));
    optPixels = MakeOption(this, QStringLiteral("optPixels"), QStringLiteral("pixels"));
    fraWidthUnits =
        UnitFrame(this, QStringLiteral("fraWidthUnits"), QStringLiteral("Width unit"), optPercent, optPixels);
    lblHeight = MakeLabel(this, QStringLiteral("lblHeight"), QStringLiteral("Height"));
    txbHeight = MakeBox(this, QStringLiteral("txbHeight"));
    optPerCentHeight = MakeOption(this, QStringLiteral("optPerCentHeight"), QStringLiteral("percent"));
    optPixelHeight = MakeOption(this, QStringLiteral("optPixelHeight"), QStringLiteral("pixels"));
    fraHeightUnits = UnitFrame(this, QStringLiteral("fraHeightUnits"), QStringLiteral("Height unit"),
                               optPerCentHeight, optPixelHeight);
    lblEmptyBox =
        MakeLabel(this, QStringLiteral("lblEmptyBox"), QStringLiteral("Empty box = use browser default"));

    lblFont = MakeLabel(this, QStringLiteral("lblFont"), QStringLiteral("Font"));
    lblFace = MakeLabel(this, QStringLiteral("lblFace"), QStringLiteral("Face"));
    txbFontFace = MakeBox(this, QStringLiteral("txbFontFace"));
    lblSize = MakeLabel(this, QStringLiteral("lblSize"), QStringLiteral("Size"));
    txbFontSize = MakeBox(this, QStringLiteral("txbFontSize"));

    chkUseSpecifiedCellColors =
        MakeCheck(this, QStringLiteral("chkUseSpecifiedCellColors"),
                  QStringLiteral("Use specified text and background colors for cell"));
    cmdSpecifyCellColors =
        MakeButton(this, QStringLiteral("cmdSpecifyCellColors"), QStringLiteral("Specify cell colors"));
    lblCellTextColor =
        MakeLabel(this, QStringLiteral("lblCellTextColor"), QStringLiteral("Cell text color:"));
    lblCellTextHex = MakeLabel(this, QStringLiteral("lblCellTextHex"));
    lblCellTextHex->setAccessibleDescription(QStringLiteral("Cell text color"));
    lblCellBackgroundColor =
        MakeLabel(this, QStringLiteral("lblCellBackgroundColor"), QStringLiteral("Cell background color:"));
    lblCellBackgroundHex = MakeLabel(this, QStringLiteral("lblCellBackgroundHex"));
    lblCellBackgroundHex->setAccessibleDescription(QStringLiteral("Cell background color"));
    Label1 = MakeLabel(this, QStringLiteral("Label1"),
                       QStringLiteral("Cell specification and content may be copied to other cells by "
                                      "right-clicking on this cell."));
    Label1->setWordWrap(true);
    cmdResetCell = MakeButton(this, QStringLiteral("cmdResetCell"), QStringLiteral("Clear cell"));
    cmdAccept = MakeButton(this, QStringLiteral("cmdAccept"), QStringLiteral("Accept"));
    cmdCancel = MakeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));

    LabelFor(lblRowSpan, cboRowSpan);
    LabelFor(lblColSpan, cboColSpan);
    LabelFor(lblCellContent, txbCellContent);
    LabelFor(lblAlign, cboAlign);
    LabelFor(lblVAlign, cboVAlign);
    LabelFor(lblWidth, txbWidth);
    LabelFor(lblHeight, txbHeight);
    LabelFor(lblFace, txbFontFace);
    LabelFor(lblSize, txbFontSize);
    txbFontFace->setAccessibleName(QStringLiteral("Font face"));
    txbFontSize->setAccessibleName(QStringLiteral("Font size"));
    for (QLineEdit* box : {txbWidth, txbHeight, txbFontSize})
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);

    auto* spans = new QHBoxLayout;
    spans->addWidget(lblRowSpan);
    spans->addWidget(cboRowSpan);
    spans->addSpacing(12);
    spans->addWidget(lblColSpan);
    spans->addWidget(cboColSpan);
    spans->addStretch(1);

    auto* grid = new QGridLayout;
    grid->addWidget(lblAlign, 0, 0);
    grid->addWidget(cboAlign, 0, 1);
    grid->addWidget(lblVAlign, 0, 3);
    grid->addWidget(cboVAlign, 0, 4);
    grid->addWidget(lblWidth, 1, 0);
    grid->addWidget(txbWidth, 1, 1);
    grid->addWidget(fraWidthUnits, 1, 2);
    grid->addWidget(lblHeight, 1, 3);
    grid->addWidget(txbHeight, 1, 4);
    grid->addWidget(fraHeightUnits, 1, 5);
    grid->addWidget(lblEmptyBox, 2, 0, 1, 6);
    grid->setColumnStretch(6, 1);

    auto* font = new QHBoxLayout;
    font->addWidget(lblFont);
    font->addSpacing(12);
    font->addWidget(lblFace);
    font->addWidget(txbFontFace, 1);
    font->addSpacing(12);
    font->addWidget(lblSize);
    font->addWidget(txbFontSize);

    auto* colors = new QGridLayout;
    colors->addWidget(chkUseSpecifiedCellColors, 0, 0, 1, 2);
    colors->addWidget(cmdSpecifyCellColors, 0, 2);
    colors->addWidget(lblCellTextColor, 1, 0);
    colors->addWidget(lblCellTextHex, 1, 1);
    colors->addWidget(lblCellBackgroundColor, 2, 0);
    colors->addWidget(lblCellBackgroundHex, 2, 1);
    colors->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdResetCell);
    buttons->addStretch(1);
    buttons->addWidget(cmdAccept);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCellAt);
    layout->addLayout(spans);
    layout->addWidget(lblCellContent);
    layout->addWidget(txbCellContent);
    layout->addWidget(lblCellContentMay);
    layout->addLayout(grid);
    layout->addLayout(font);
    layout->addLayout(colors);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Choosing a span, an alignment or a unit moves on to Cancel.
    for (QComboBox* list : {cboRowSpan, cboColSpan, cboAlign, cboVAlign})
        connect(list, &QComboBox::activated, this, &frmCellInfo::FocusCancel);
    for (QRadioButton* unit : {optPercent, optPixels, optPerCentHeight})
        connect(unit, &QRadioButton::clicked, this, &frmCellInfo::FocusCancel);
    connect(txbCellContent, &QLineEdit::returnPressed, this, &frmCellInfo::cmdAccept_Click);
    for (QLineEdit* box : {txbWidth, txbHeight})
        connect(box, &QLineEdit::returnPressed, this, [this] { cmdAccept->setFocus(); });
    connect(chkUseSpecifiedCellColors, &QCheckBox::clicked, this,
            &frmCellInfo::chkUseSpecifiedCellColors_Click);
    connect(cmdSpecifyCellColors, &QPushButton::clicked, this, &frmCellInfo::cmdSpecifyCellColors_Click);
    connect(cmdResetCell, &QPushButton::clicked, this, &frmCellInfo::cmdResetCell_Click);
    connect(cmdAccept, &QPushButton::clicked, this, &frmCellInfo::cmdAccept_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Cancel, Escape and closing by the frame all leave the dialog unaccepted.
    connect(this, &QDialog::rejected, this, [this] { blnAccepted = false; });
}

void frmCellInfo::Fill(const TableModel& model, int row, int col, CellColors tableColors,
                       bool tableColorsUsed)
{
    m_model = &model;
    m_row = row;
    m_col = col;
    const TableCell& cell = model.Cell(row, col);
    cboRowSpan->clear();
    cboRowSpan->addItems(Numbers(model.NumRows() - row + 1));
    cboRowSpan->setCurrentIndex(std::clamp(cell.RowSpan - 1, 0, cboRowSpan->count() - 1));
    cboColSpan->clear();
    cboColSpan->addItems(Numbers(model.NumCols() - col + 1));
    cboColSpan->setCurrentIndex(std::clamp(cell.ColSpan - 1, 0, cboColSpan->count() - 1));

    ThisCellColors = {cell.CellTextColor, cell.CellBackColor};
    TableColors = tableColors;
    TableColorsUsed = tableColorsUsed;
    lblCellAt->setText(
        QStringLiteral("Specify size, font, content, alignment, width and colors of cell at row %1 column %2")
            .arg(row)
            .arg(col));
    txbCellContent->setText(model.IsPlaceMarker(row, col) ? QString() : cell.Content);
    cboAlign->setCurrentIndex(std::clamp<int>(cell.Align, 0, 3));
    cboVAlign->setCurrentIndex(std::clamp<int>(cell.VAlign, 0, 3));
    txbWidth->setText(SizeBoxText(cell.Width));
    (cell.WidthInPixels != 0 ? optPixels : optPercent)->setChecked(true);
    txbHeight->setText(SizeBoxText(cell.Height));
    (cell.HeightInPixels != 0 ? optPixelHeight : optPerCentHeight)->setChecked(true);
    txbFontFace->setText(cell.FontFace);
    txbFontSize->setText(cell.FontSize);
}

TableCell frmCellInfo::CellValues() const
{
    TableCell values;
    values.Content = txbCellContent->text().trimmed();
    values.Align = static_cast<int16_t>(std::max(0, cboAlign->currentIndex()));
    values.VAlign = static_cast<int16_t>(std::max(0, cboVAlign->currentIndex()));
    values.Width = SizeBoxValue(txbWidth->text().trimmed());
    values.WidthInPixels = optPercent->isChecked() ? 0 : 1;
    values.Height = SizeBoxValue(txbHeight->text().trimmed());
    values.HeightInPixels = optPerCentHeight->isChecked() ? 0 : 1;
    values.FontFace = txbFontFace->text();
    values.FontSize = txbFontSize->text();
    values.CellTextColor = ThisCellColors.text;
    values.CellBackColor = ThisCellColors.back;
    return values;
}

void frmCellInfo::showEvent(QShowEvent* event)
{
    Form_Activate();
    QDialog::showEvent(event);
}

void frmCellInfo::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Showing a dialog selects the whole text of its focused box; the caret goes to the end.
    if (visible)
        txbCellContent->end(false);
}

void frmCellInfo::Form_Activate()
{
    chkUseSpecifiedCellColors->setChecked(ThisCellColors.text != UnsetColor);
    chkUseSpecifiedCellColors_Click();
    txbCellContent->setFocus();
}

void frmCellInfo::FocusCancel()
{
    if (isVisible())
        cmdCancel->setFocus();
}

void frmCellInfo::ShowColors(bool ownColors)
{
    const CellColors shown = ownColors ? ThisCellColors : TableColors;
    if (ownColors) {
        lblCellTextHex->setText(ColorToHex(shown.text));
        lblCellBackgroundHex->setText(ColorToHex(shown.back));
    }
    QPalette palette = txbCellContent->palette();
    palette.setColor(QPalette::Text, ToQColor(shown.text));
    palette.setColor(QPalette::Base, ToQColor(shown.back));
    txbCellContent->setPalette(palette);
}

void frmCellInfo::ShowDefaultColors()
{
    const QString word = TableColorsUsed ? kTableDefault : kPageDefault;
    lblCellTextHex->setText(word);
    lblCellBackgroundHex->setText(word);
    ShowColors(false);
}

void frmCellInfo::chkUseSpecifiedCellColors_Click()
{
    const bool on = chkUseSpecifiedCellColors->isChecked();
    cmdSpecifyCellColors->setEnabled(on);
    if (!on) {
        ShowDefaultColors();
    } else if (ThisCellColors.text != UnsetColor) {
        ShowColors(true);
    } else {
        lblCellTextHex->setText(kTableDefault);
        lblCellBackgroundHex->setText(kTableDefault);
        ShowColors(false);
    }
    FocusCancel();
}

void frmCellInfo::cmdSpecifyCellColors_Click()
{
    frmSpecifyColors* dialog = m_colorDialog ? m_colorDialog() : nullptr;
    if (dialog == nullptr)
        return;
    const CellColors preset = ThisCellColors.text != UnsetColor ? ThisCellColors : TableColors;
    dialog->TextColor = preset.text;
    dialog->BackColor = preset.back;
    dialog->lblWhatThisIs->setText(
        QStringLiteral("Colors for cell at row %1 column %2").arg(m_row).arg(m_col));
    m_platform.runModal(*dialog);
    if (dialog->Accepted) {
        ThisCellColors = {dialog->TextColor, dialog->BackColor};
        // The hex labels follow the chosen colours as the content box does.
        ShowColors(true);
    }
}

void frmCellInfo::cmdResetCell_Click()
{
    for (QLineEdit* box : {txbCellContent, txbWidth, txbHeight, txbFontFace, txbFontSize})
        box->clear();
    cboAlign->setCurrentIndex(0);
    cboVAlign->setCurrentIndex(0);
    optPixels->setChecked(true);
    optPixelHeight->setChecked(true);
    chkUseSpecifiedCellColors->setChecked(false);
    cmdSpecifyCellColors->setEnabled(false);
    ShowDefaultColors();
}

std::optional<QString> frmCellInfo::Problem()
{
    for (QLineEdit* box : {txbCellContent, txbWidth, txbHeight})
        box->setText(OneLine(box->text()).trimmed());
    if (auto problem = CellSizeProblem(txbWidth->text(), optPercent->isChecked(), txbHeight->text(),
                                       optPerCentHeight->isChecked()))
        return problem;

    intRowSpan = cboRowSpan->currentIndex() + 1;
    intColSpan = cboColSpan->currentIndex() + 1;
    CellPos conflict;
    if (m_model != nullptr && !m_model->CellSizeOK(m_row, m_col, intRowSpan, intColSpan, &conflict))
        return QStringLiteral("Proposed cell size is inadmissible because the resulting cell would overlap "
                              "with the cell at row %1 column %2.")
            .arg(conflict.row)
            .arg(conflict.col);

    txbFontSize->setText(txbFontSize->text().trimmed());
    if (!FontSizeOK(txbFontSize->text()))
        return QStringLiteral("Proposed font size is inadmissible.");
    return std::nullopt;
}

void frmCellInfo::cmdAccept_Click()
{
    if (const auto problem = Problem()) {
        m_platform.message(this, QStringLiteral("Inadmissible input"), *problem, MsgIcon::None);
        return;
    }
    txbFontFace->setText(StoredFontFace(txbFontFace->text()));
    if (!chkUseSpecifiedCellColors->isChecked())
        ThisCellColors = {UnsetColor, UnsetColor};
    blnAccepted = true;
    accept();
}

} // namespace pagewright
