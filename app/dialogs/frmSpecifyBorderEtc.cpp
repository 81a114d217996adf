#include "dialogs/frmSpecifyBorderEtc.h"

#include "platform/Platform.h"
#include "widgets/Controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pagewright
{

frmSpecifyBorderEtc::frmSpecifyBorderEtc(Platform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmSpecifyBorderEtc"));
    setWindowTitle(QStringLiteral("Specify width, border, cell padding and spacing"));
    setModal(true);

    lblTableWidth = MakeLabel(this, QStringLiteral("lblTableWidth"), QStringLiteral("Table width"));
    txbWidth = MakeBox(this, QStringLiteral("txbWidth"));
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Width unit"));
    optPercent = MakeOption(Frame1, QStringLiteral("optPercent"), QStringLiteral("percent"));
    optPixels = MakeOption(Frame1, QStringLiteral("optPixels"), QStringLiteral("pixels"));
    auto* units = new QHBoxLayout(Frame1);
    units->addWidget(optPercent);
    units->addWidget(optPixels);
    lblBorder = MakeLabel(this, QStringLiteral("lblBorder"), QStringLiteral("Border (in pixels)"));
    txbBorder = MakeBox(this, QStringLiteral("txbBorder"));
    lblCellPadding =
        MakeLabel(this, QStringLiteral("lblCellPadding"), QStringLiteral("Cell padding (in pixels)"));
    txbCellPadding = MakeBox(this, QStringLiteral("txbCellPadding"));
    lblCellSpacing =
        MakeLabel(this, QStringLiteral("lblCellSpacing"), QStringLiteral("Cell spacing (in pixels)"));
    txbCellSpacing = MakeBox(this, QStringLiteral("txbCellSpacing"));
    lblLeaveEmpty =
        MakeLabel(this, QStringLiteral("lblLeaveEmpty"), QStringLiteral("Empty box = use browser default"));
    cmdAccept = MakeButton(this, QStringLiteral("cmdAccept"), QStringLiteral("Accept"));
    cmdCancel = MakeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));

    auto* grid = new QGridLayout;
    const std::pair<QLabel*, QLineEdit*> rows[] = {{lblTableWidth, txbWidth},
                                                   {lblBorder, txbBorder},
                                                   {lblCellPadding, txbCellPadding},
                                                   {lblCellSpacing, txbCellSpacing}};
    int row = 0;
    for (const auto& [label, box] : rows) {
        LabelFor(label, box);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        // Enter moves on to Accept; it does not accept.
        connect(box, &QLineEdit::returnPressed, this, [this] { cmdAccept->setFocus(); });
        ++row;
    }
    grid->addWidget(Frame1, 0, 2);
    grid->setColumnStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblLeaveEmpty);
    buttons->addStretch(1);
    buttons->addWidget(cmdAccept);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QRadioButton* unit : {optPercent, optPixels}) {
        connect(unit, &QRadioButton::clicked, this, [this] {
            if (isVisible())
                cmdCancel->setFocus();
        });
    }
    connect(cmdAccept, &QPushButton::clicked, this, [this] { cmdAccept_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { Accepted = false; });
}

void frmSpecifyBorderEtc::SetTexts(const TablePropertyTexts& texts)
{
    txbWidth->setText(texts.width);
    txbBorder->setText(texts.border);
    txbCellPadding->setText(texts.cellPadding);
    txbCellSpacing->setText(texts.cellSpacing);
    (texts.percent ? optPercent : optPixels)->setChecked(true);
}

TablePropertyTexts frmSpecifyBorderEtc::Texts() const
{
    return {txbWidth->text(), txbBorder->text(), txbCellPadding->text(), txbCellSpacing->text(),
            optPercent->isChecked()};
}

void frmSpecifyBorderEtc::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    cmdCancel->setFocus();
}

void frmSpecifyBorderEtc::cmdAccept_Click()
{
    for (QLineEdit* box : {txbWidth, txbBorder, txbCellPadding, txbCellSpacing})
        box->setText(box->text().trimmed());
    // The first inadmissible box is reported; the dialog stays open with the user's text.
    if (const auto problem = TablePropertiesProblem(Texts())) {
        m_platform.message(this, QStringLiteral("Inadmissible input"), *problem, MsgIcon::None);
        return;
    }
    Accepted = true;
    accept();
}

} // namespace pagewright
