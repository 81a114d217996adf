// How the tabs of the main window are put together from the shared parts: file rows, the perform
// row, the result line and the tab footer.
#include "mainwindow/frmMain.h"

#include "widgets/Controls.h"

#include <QDir>
#include <QGridLayout>
#include <QUrl>
#include <QVBoxLayout>

namespace pagewright
{
namespace
{

// Guide page of each tab, by tab position, in the guide folder beside the program.
constexpr const char* kGuidePages[6] = {"html-template.htm", "text-to-html.htm",  "code-to-html.htm",
                                        "data-to-list.htm",  "data-to-table.htm", "table-creator.htm"};

} // namespace

frmMain::TabPage frmMain::BeginTab(const QString& objectName)
{
    auto* tab = new QWidget;
    tab->setObjectName(objectName);
    auto* layout = new QVBoxLayout(tab);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->setColumnStretch(1, 1);
    return {tab, layout, grid};
}

void frmMain::AddHeaderFooterRows(QGridLayout* grid, int row, int index)
{
    headerRows[index] = FileRow::Header(grid, row, index);
    footerRows[index] = FileRow::Footer(grid, row + 1, index);
}

void frmMain::AddTabFooter(QVBoxLayout* layout, int tabPosition, int slot, const QString& performCaption,
                           const QString& performTooltip, int clearIndex)
{
    QWidget* tab = layout->parentWidget();
    performRows[slot] = new PerformRow(tab, slot, performCaption, performTooltip, clearIndex);
    layout->addWidget(performRows[slot]);
    resultLines[slot] = new ResultLine(tab, Indexed("Label2", slot));
    layout->addWidget(resultLines[slot]);
    layout->addStretch(1);
    const QString guide =
        QUrl::fromLocalFile(
            QDir(m_options.programFolder)
                .absoluteFilePath(QStringLiteral("guide/") + QString::fromLatin1(kGuidePages[tabPosition])))
            .toString();
    // The Table Creator's footer has no "User guide:" caption.
    tabFooters[tabPosition] = new TabFooter(tab, tabPosition, guide, tabPosition < 5);
    layout->addWidget(tabFooters[tabPosition]);
}

} // namespace pagewright
