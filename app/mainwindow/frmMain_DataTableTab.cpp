// The "Data to Table" tab (tab position 4, slot 3): separator, padding, centring, colours and
// the table's width, border and spacing.
#include "mainwindow/frmMain.h"

#include "library/TextArguments.h"
#include "platform/Platform.h"
#include "rules/ResultCaptions.h"
#include "rules/Separator.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <vellum62.h>

namespace pagewright
{

QWidget* frmMain::BuildDataTableTab()
{
    const auto [tab, layout, grid] = BeginTab(QStringLiteral("TabDataToTable"));
    inputRows[DataTableSlot] = FileRow::Input(grid, 0, DataTableSlot);
    outputRows[DataTableSlot] = FileRow::Output(grid, 1, DataTableSlot);

    lblSeparatorChar =
        MakeLabel(tab, QStringLiteral("lblSeparatorChar"), QStringLiteral("Separator character:"));
    const QString separatorTip =
        QStringLiteral("The character used to separate table values in the input file.");
    SetTip(lblSeparatorChar, separatorTip);
    cboSeparatorChar = MakeList(tab, QStringLiteral("cboSeparatorChar"), {}, true);
    SetTip(cboSeparatorChar, separatorTip);
    cboSeparatorChar->lineEdit()->setObjectName(QStringLiteral("cboSeparatorCharText"));
    lblNumberRightLeftPaddingSpaces = MakeLabel(tab, QStringLiteral("lblNumberRightLeftPaddingSpaces"),
                                                QStringLiteral("Number of left/right padding spaces:"));
    cboPaddingSpaces = MakeList(tab, QStringLiteral("cboPaddingSpaces"));
    LabelFor(lblSeparatorChar, cboSeparatorChar);
    cboSeparatorChar->lineEdit()->setAccessibleName(cboSeparatorChar->accessibleName());
    LabelFor(lblNumberRightLeftPaddingSpaces, cboPaddingSpaces);
    auto* options = new QGridLayout;
    options->addWidget(lblSeparatorChar, 0, 0);
    options->addWidget(cboSeparatorChar, 0, 1);
    options->addWidget(lblNumberRightLeftPaddingSpaces, 1, 0);
    options->addWidget(cboPaddingSpaces, 1, 1);
    options->setColumnStretch(2, 1);
    layout->addSpacing(6);
    layout->addLayout(options);

    chkAddHTMLWrapper3 =
        MakeCheck(tab, QStringLiteral("chkAddHTMLWrapper3"), QStringLiteral("Add HTML wrapper"));
    chkCenterText3 = MakeCheck(tab, QStringLiteral("chkCenterText3"),
                               QStringLiteral("Center text (other than numbers) in cells"));
    chkCenterTable3 = MakeCheck(tab, QStringLiteral("chkCenterTable3"), QStringLiteral("Center table"));
    chkQuotedFields3 =
        MakeCheck(tab, QStringLiteral("chkQuotedFields3"), QStringLiteral("Fields may be quoted (CSV)"));
    chkEscapeData3 = MakeCheck(tab, QStringLiteral("chkEscapeData3"),
                               QStringLiteral("Data is plain text (escape <, > and &)"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkAddHTMLWrapper3);
    checks->addWidget(chkCenterText3);
    checks->addWidget(chkCenterTable3);
    checks->addStretch(1);
    layout->addLayout(checks);
    auto* dataChecks = new QHBoxLayout;
    dataChecks->addWidget(chkQuotedFields3);
    dataChecks->addWidget(chkEscapeData3);
    dataChecks->addStretch(1);
    layout->addLayout(dataChecks);

    auto* colors = new QHBoxLayout;
    colors->addWidget(colorRows[0] =
                          new ColorRow(0, QStringLiteral("Specify table colors"),
                                       QStringLiteral("Use specified colors for text and background")));
    // The sample stands beside the hex colours it shows.
    picSample = new ColorSample(tab, QStringLiteral("picSample"));
    picSample->setVisible(false);
    colors->addSpacing(12);
    colors->addWidget(picSample, 0, Qt::AlignBottom);
    colors->addStretch(1);
    layout->addLayout(colors);

    cmdSpecifyBorder[0] = MakeButton(tab, Indexed("cmdSpecifyBorder", 0),
                                     QStringLiteral("Specify width, border, cell padding and spacing"));
    auto* border = new QHBoxLayout;
    border->addWidget(cmdSpecifyBorder[0]);
    border->addStretch(1);
    layout->addLayout(border);
    layout->addSpacing(6);

    AddTabFooter(layout, 4, DataTableSlot, QStringLiteral("Convert data to table"));

    // Typing into the separator box changes the run as much as choosing an entry does.
    cboSeparatorChar->setInsertPolicy(QComboBox::NoInsert);
    connect(cboSeparatorChar, &QComboBox::currentTextChanged, this, [this] { ClearResult(-1); });
    connect(cboPaddingSpaces, &QComboBox::currentIndexChanged, this, [this] { ClearResult(-1); });
    for (QCheckBox* check :
         {chkAddHTMLWrapper3, chkCenterText3, chkCenterTable3, chkQuotedFields3, chkEscapeData3})
        connect(check, &QCheckBox::clicked, this, [this] { ClearResult(-1); });
    return tab;
}

// The Data to Table tab's tool: a delimited data file becomes a table with the tab's separator,
// padding, centring and wrapper, and the colours and table properties of table index 0.
void frmMain::ConvertDataToTable(int slot)
{
    int32_t flags = InputFlags(slot);
    if (chkQuotedFields3->isChecked())
        flags |= VELLUM62_CSV_QUOTES;
    if (chkEscapeData3->isChecked())
        flags |= VELLUM62_ESCAPE_DATA;
    const QString typed = cboSeparatorChar->currentText();
    const int entry = cboSeparatorChar->findText(typed);
    const SeparatorChoice separator = ChooseSeparator(
        typed, entry >= 0 ? std::optional<int>(cboSeparatorChar->itemData(entry).toInt()) : std::nullopt,
        (flags & VELLUM62_UTF8) != 0);
    if (!separator.problem.isEmpty()) {
        m_platform.message(this, QStringLiteral("Error"), separator.problem, MsgIcon::Exclamation);
        return;
    }
    const int t = slot - DataTableSlot; // the table index of this tab
    const auto [textColor, backColor] = ColorArguments(0);
    const QByteArray input = ToLibraryFileName(inputRows[slot]->box()->text());
    const auto regTbl = BindExport<vellum62_reg_tbl_sized_fn>(slot, "reg_tbl_sized");
    if (regTbl == nullptr)
        return;
    int64_t rows = 0, columns = 0;
    const int32_t result = regTbl(
        input.constData(), m_pagePath.constData(), separator.code, cboPaddingSpaces->currentText().toInt(),
        chkAddHTMLWrapper3->isChecked() ? 1 : 0, chkCenterText3->isChecked() ? 1 : 0,
        chkCenterTable3->isChecked() ? 1 : 0, textColor.constData(), backColor.constData(), TableWidth[t],
        WidthInPixels[t], TableBorder[t], TableCellPadding[t], TableCellSpacing[t], flags, &rows, &columns);
    ShowRunResult(slot, TableResult(result, rows, columns));
}

} // namespace pagewright
