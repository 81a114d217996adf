#include "window/TextTab.h"

#include "library/TextArguments.h"
#include "rules/ResultCaptions.h"
#include "widgets/Controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace pagewright
{

TextTab::TextTab(TabServices& services) : PageTab(services, TextSlot, QStringLiteral("TabTextToHtml"), 0, 2)
{
    QGridLayout* const grid = addFileGrid();
    addInputRow(grid, 0);
    addOutputRow(grid, 1);
    addHeaderFooterRows(grid, 2);
    addPageStyleRow(grid, 4, Qt::AlignRight);
    // A label without caption; it is kept hidden so that it takes no room.
    MakeLabel(this, QStringLiteral("lblCustomHeaderFile"))->setVisible(false);
    addPageColors("Text to HTML: page colors");
    addPageFooter(QStringLiteral("Convert input text file to output HTML file"));
}

// The input file becomes a page; the title comes from the output file's name.
void TextTab::run()
{
    if (const auto code = callTxt2h(QByteArray(), ToLibraryFileName(m_inputRow->box()->text()), inputFlags()))
        showRunResult(TextToHtmlResult(*code));
}

} // namespace pagewright
