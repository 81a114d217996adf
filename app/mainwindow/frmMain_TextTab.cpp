// The "Text to HTML" tab (tab position 1, slot 0): a text file becomes a page.
#include "mainwindow/frmMain.h"

#include "library/TextArguments.h"
#include "rules/ResultCaptions.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <vellum62.h>

namespace pagewright
{

QWidget* frmMain::BuildTextTab()
{
    const auto [tab, layout, grid] = BeginTab(QStringLiteral("TabTextToHtml"));

    inputRows[TextSlot] = FileRow::Input(grid, 0, TextSlot);
    outputRows[TextSlot] = FileRow::Output(grid, 1, TextSlot);
    AddHeaderFooterRows(grid, 2, 0);
    // A label without caption; it is kept hidden so that it takes no room.
    lblCustomHeaderFile = MakeLabel(tab, QStringLiteral("lblCustomHeaderFile"));
    lblCustomHeaderFile->setVisible(false);

    layout->addSpacing(6);
    layout->addWidget(colorRows[2] =
                          new ColorRow(2, QStringLiteral("Specify page colors"),
                                       QStringLiteral("Use specified colors for text and background")));
    layout->addSpacing(6);
    AddTabFooter(layout, 1, TextSlot, QStringLiteral("Convert input text file to output HTML file"), {}, 1);
    return tab;
}

// The Text to HTML tab's tool: the input file becomes a page; the title comes from the output
// file's name.
void frmMain::ConvertTextToHtml(int slot)
{
    if (const auto code = CallTxt2h(slot, 2, QByteArray(), ToLibraryFileName(inputRows[slot]->box()->text()),
                                    InputFlags(slot)))
        ShowRunResult(slot, TextToHtmlResult(*code));
}

// The one txt2h call that the Text to HTML and HTML Template tabs share: the tab's header and
// footer files and, when ticked, its colours go with it.
std::pair<QByteArray, QByteArray> frmMain::ColorArguments(int colorIndex) const
{
    if (!colorRows[colorIndex]->useColorsCheck()->isChecked())
        return {};
    return {ToLibraryText(colorRows[colorIndex]->textHex()->text()),
            ToLibraryText(colorRows[colorIndex]->backgroundHex()->text())};
}

std::optional<int> frmMain::CallTxt2h(int slot, int colorIndex, const QByteArray& title,
                                      const QByteArray& input, int32_t flags)
{
    const auto [textColor, backColor] = ColorArguments(colorIndex);
    // The header and footer of the tab that runs, whichever tab is shown.
    const int h = HeaderFooterIndexOfTab(TabOfSlot(slot));
    const QByteArray header = ToLibraryFileName(headerRows[h]->box()->text());
    const QByteArray footer = ToLibraryFileName(footerRows[h]->box()->text());

    const auto txt2h = BindExport<vellum62_txt2h_fn>(slot, "txt2h");
    if (txt2h == nullptr)
        return std::nullopt;
    return txt2h(title.constData(), input.constData(), m_pagePath.constData(), header.constData(),
                 footer.constData(), textColor.constData(), backColor.constData(), flags);
}

void frmMain::ShowLibraryError(int slot, const QString& error)
{
    resultLines[slot]->setText(error);
}

void frmMain::ShowRunResult(int slot, const RunResult& result)
{
    resultLines[slot]->setText(result.caption);
    if (result.succeeded)
        OutputReady[slot] = true;
    m_pageMade = result.pageMade;
}

} // namespace pagewright
