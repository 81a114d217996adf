// The "Text to HTML" tab (tab position 1, slot 0): a text file becomes a page.
#include "shell/frmMain.h"

#include "shell/Controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pagewright
{

QWidget* frmMain::BuildTextTab()
{
    const auto [tab, layout, grid] = BeginTab(QStringLiteral("TabTextToHtml"));

    AddInputRow(grid, 0, TextSlot);
    AddOutputRow(grid, 1, TextSlot);
    AddHeaderFooterRows(grid, 2, 0);
    // A label without caption; it is kept hidden so that it takes no room.
    lblCustomHeaderFile = MakeLabel(tab, QStringLiteral("lblCustomHeaderFile"));
    lblCustomHeaderFile->setVisible(false);

    layout->addSpacing(6);
    layout->addWidget(BuildColorGroup(2, QStringLiteral("Specify page colors"),
                                      QStringLiteral("Use specified colors for text and background")));
    layout->addSpacing(6);
    AddTabFooter(layout, 1, TextSlot, QStringLiteral("Convert input text file to output HTML file"), {}, 1);
    return tab;
}

} // namespace pagewright
