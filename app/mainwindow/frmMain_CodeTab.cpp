// The "Code to HTML" tab (tab position 2, slot 1): left margin and tab width of a code page.
#include "mainwindow/frmMain.h"

#include "library/TextArguments.h"
#include "rules/ResultCaptions.h"
#include "widgets/Controls.h"

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

QWidget* frmMain::BuildCodeTab()
{
    const auto [tab, layout, grid] = BeginTab(QStringLiteral("TabCodeToHtml"));
    inputRows[CodeSlot] = FileRow::Input(grid, 0, CodeSlot);
    outputRows[CodeSlot] = FileRow::Output(grid, 1, CodeSlot);

    lblMarginSpaces1 =
        MakeLabel(tab, QStringLiteral("lblMarginSpaces1"), QStringLiteral("Add left margin of"));
    cboMarginSpaces = MakeList(tab, QStringLiteral("cboMarginSpaces"));
    lblMarginSpaces2 = MakeLabel(tab, QStringLiteral("lblMarginSpaces2"), QStringLiteral("spaces"));
    lblTabSpaces1 =
        MakeLabel(tab, QStringLiteral("lblTabSpaces1"), QStringLiteral("Convert tab characters to"));
    cboTabSpaces = MakeList(tab, QStringLiteral("cboTabSpaces"));
    lblTabSpaces2 = MakeLabel(tab, QStringLiteral("lblTabSpaces2"), QStringLiteral("spaces"));
    LabelFor(lblMarginSpaces1, cboMarginSpaces);
    LabelFor(lblTabSpaces1, cboTabSpaces);

    auto* options = new QGridLayout;
    options->addWidget(lblMarginSpaces1, 0, 0);
    options->addWidget(cboMarginSpaces, 0, 1);
    options->addWidget(lblMarginSpaces2, 0, 2);
    options->addWidget(lblTabSpaces1, 1, 0);
    options->addWidget(cboTabSpaces, 1, 1);
    options->addWidget(lblTabSpaces2, 1, 2);
    options->setColumnStretch(3, 1);
    layout->addSpacing(6);
    layout->addLayout(options);
    layout->addSpacing(6);

    AddTabFooter(layout, 2, CodeSlot, QStringLiteral("Convert code file to HTML file"));

    connect(cboMarginSpaces, &QComboBox::currentIndexChanged, this,
            [this] { SpacesChoice_Click(cboMarginSpaces, lblMarginSpaces2); });
    connect(cboTabSpaces, &QComboBox::currentIndexChanged, this,
            [this] { SpacesChoice_Click(cboTabSpaces, lblTabSpaces2); });
    return tab;
}

void frmMain::SpacesChoice_Click(QComboBox* list, QLabel* after)
{
    after->setText(list->currentText() == QLatin1String("1") ? QStringLiteral("space")
                                                             : QStringLiteral("spaces"));
    ClearResult(-1);
}

// The Code to HTML tab's tool: a source file becomes a preformatted page with the chosen left
// margin and tab width.
void frmMain::ConvertCodeToHtml(int slot)
{
    const QByteArray input = ToLibraryFileName(inputRows[slot]->box()->text());
    // Both lists hold nothing but numbers.
    const int32_t margin = cboMarginSpaces->currentText().toInt();
    const int32_t tab = cboTabSpaces->currentText().toInt();
    if (const auto c2h = BindExport<vellum62_c2h_ex_fn>(slot, "c2h_ex"))
        ShowRunResult(slot, CodeToHtmlResult(c2h(input.constData(), m_pagePath.constData(), margin, tab,
                                                 InputFlags(slot))));
    ReturnFocusToTabs();
}

} // namespace pagewright
