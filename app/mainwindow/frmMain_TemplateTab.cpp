// The "HTML Template" tab (tab position 0, slot 5): an empty page with title, colours and
// optional header and footer files.
#include "mainwindow/frmMain.h"

#include "library/TextArguments.h"
#include "rules/ResultCaptions.h"
#include "text_encoding.h"
#include "widgets/Controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <vellum62.h>

namespace pagewright
{

QWidget* frmMain::BuildTemplateTab()
{
    const auto [tab, layout, grid] = BeginTab(QStringLiteral("TabTemplate"));

    lblTitle = MakeLabel(tab, QStringLiteral("lblTitle"), QStringLiteral("Title:"));
    txbTitle = MakeBox(tab, QStringLiteral("txbTitle"));
    LabelFor(lblTitle, txbTitle);
    grid->addWidget(lblTitle, 0, 0, Qt::AlignRight);
    grid->addWidget(txbTitle, 0, 1, 1, 2);
    outputRows[TemplateSlot] = FileRow::Output(
        grid, 1, TemplateSlot, QStringLiteral("Specify the file in which to save the HTML template."));
    AddHeaderFooterRows(grid, 2, 1);

    layout->addSpacing(6);
    layout->addWidget(colorRows[1] =
                          new ColorRow(1, QStringLiteral("Specify page colors"),
                                       QStringLiteral("Use specified colors for text and background")));
    layout->addSpacing(6);
    AddTabFooter(layout, 0, TemplateSlot, QStringLiteral("Create HTML template"), {}, 0);
    return tab;
}

// The HTML Template tab's tool: txt2h without an input file writes an empty page.
void frmMain::CreateHtmlTemplate(int slot)
{
    // The title goes on even while a header file disables its box; the library then ignores it.
    // The page is written in UTF-8, so a typed title keeps every character; it shows as typed, so
    // markup in it stays text.
    const QByteArray title =
        QByteArray::fromStdString(escapeHtmlText(txbTitle->text().trimmed().toStdString()));
    if (const auto code = CallTxt2h(slot, 1, title, QByteArray(), VELLUM62_UTF8 | VELLUM62_DECLARE_CHARSET))
        ShowRunResult(slot, TemplateResult(*code));
}

} // namespace pagewright
