// Pieces that several tabs of the main window share: file rows, colour groups, the tab footer.
#include "mainwindow/frmMain.h"

#include "widgets/Controls.h"

#include <QCheckBox>

#include <array>

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

void frmMain::AddInputRow(QGridLayout* grid, int row, int slot)
{
    QWidget* tab = grid->parentWidget();
    cmdSpecifyInputFile[slot] =
        MakeButton(tab, Indexed("cmdSpecifyInputFile", slot), QStringLiteral("Specify input file"));
    txbInputFile[slot] = MakeBox(tab, Indexed("txbInputFile", slot), QStringLiteral("Input file"));
    cmdViewInputFile[slot] =
        MakeButton(tab, Indexed("cmdViewInputFile", slot), QStringLiteral("View input file"));
    grid->addWidget(cmdSpecifyInputFile[slot], row, 0);
    grid->addWidget(txbInputFile[slot], row, 1);
    grid->addWidget(cmdViewInputFile[slot], row, 2);
}

void frmMain::AddOutputRow(QGridLayout* grid, int row, int slot, const QString& tooltip)
{
    QWidget* tab = grid->parentWidget();
    cmdSpecifyOutputFile[slot] = MakeButton(tab, Indexed("cmdSpecifyOutputFile", slot),
                                            QStringLiteral("Specify output file"), tooltip);
    txbOutputFile[slot] = MakeBox(tab, Indexed("txbOutputFile", slot), QStringLiteral("Output file"));
    cmdViewOutputFile[slot] =
        MakeButton(tab, Indexed("cmdViewOutputFile", slot), QStringLiteral("View output file"));
    grid->addWidget(cmdSpecifyOutputFile[slot], row, 0);
    grid->addWidget(txbOutputFile[slot], row, 1);
    grid->addWidget(cmdViewOutputFile[slot], row, 2);
}

void frmMain::AddHeaderFooterRows(QGridLayout* grid, int row, int index)
{
    QWidget* tab = grid->parentWidget();
    struct Row {
        const char* part; // "header" or "footer"
        const char* where;
        std::array<QPushButton*, 2>& specify;
        std::array<QLineEdit*, 2>& box;
        std::array<QPushButton*, 2>& view;
        const char* specifyName;
        const char* boxName;
        const char* viewName;
    };
    const Row rows[] = {
        {"header", "start", cmdSpecifyCustomHeaderFile, txbCustomHeaderFile, cmdViewHeaderFile,
         "cmdSpecifyCustomHeaderFile", "txbCustomHeaderFile", "cmdViewHeaderFile"},
        {"footer", "end", cmdSpecifyCustomFooterFile, txbCustomFooterFile, cmdViewFooterFile,
         "cmdSpecifyCustomFooterFile", "txbCustomFooterFile", "cmdViewFooterFile"},
    };
    for (const Row& r : rows) {
        const QString part = QString::fromLatin1(r.part);
        r.specify[index] =
            MakeButton(tab, Indexed(r.specifyName, index), QStringLiteral("Specify custom %1 file").arg(part),
                       QStringLiteral("A custom %1 file contains HTML code to be placed at the %2 of the "
                                      "HTML document.")
                           .arg(part, QString::fromLatin1(r.where)));
        r.box[index] = MakeBox(tab, Indexed(r.boxName, index), QStringLiteral("Custom %1 file").arg(part));
        r.view[index] = MakeButton(tab, Indexed(r.viewName, index), QStringLiteral("View %1 file").arg(part));
        grid->addWidget(r.specify[index], row, 0);
        grid->addWidget(r.box[index], row, 1);
        grid->addWidget(r.view[index], row, 2);
        ++row;
    }
}

QWidget* frmMain::BuildColorGroup(int index, const QString& buttonCaption, const QString& checkCaption)
{
    auto* group = new QWidget;
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    chkUseSpecifiedColors[index] = MakeCheck(group, Indexed("chkUseSpecifiedColors", index), checkCaption);
    cmdSpecifyColors[index] = MakeButton(group, Indexed("cmdSpecifyColors", index), buttonCaption);
    layout->addWidget(chkUseSpecifiedColors[index], 0, 0, 1, 4);
    layout->addWidget(cmdSpecifyColors[index], 1, 0);
    if (index < 3) {
        lblTextColor[index] = MakeLabel(group, Indexed("lblTextColor", index), QStringLiteral("Text color:"));
        lblTextHex[index] = MakeLabel(group, Indexed("lblTextHex", index), QStringLiteral("#000000"));
        lblBackgroundColor[index] =
            MakeLabel(group, Indexed("lblBackgroundColor", index), QStringLiteral("Background color:"));
        lblBackgroundHex[index] =
            MakeLabel(group, Indexed("lblBackgroundHex", index), QStringLiteral("#FFFFFF"));
        lblTextHex[index]->setAccessibleDescription(QStringLiteral("Text color"));
        lblBackgroundHex[index]->setAccessibleDescription(QStringLiteral("Background color"));
        auto* hex = new QHBoxLayout;
        hex->addWidget(lblTextColor[index]);
        hex->addWidget(lblTextHex[index]);
        hex->addSpacing(16);
        hex->addWidget(lblBackgroundColor[index]);
        hex->addWidget(lblBackgroundHex[index]);
        hex->addStretch(1);
        layout->addLayout(hex, 1, 1, 1, 3);
    } else {
        layout->setColumnStretch(3, 1);
    }
    return group;
}

void frmMain::AddTabFooter(QVBoxLayout* layout, int tabPosition, int slot, const QString& performCaption,
                           const QString& performTooltip, int clearIndex)
{
    QWidget* tab = layout->parentWidget();
    cmdPerformOperation[slot] =
        MakeButton(tab, Indexed("cmdPerformOperation", slot), performCaption, performTooltip);
    QFont bold = cmdPerformOperation[slot]->font();
    bold.setBold(true);
    cmdPerformOperation[slot]->setFont(bold);
    auto* performRow = new QHBoxLayout;
    performRow->addWidget(cmdPerformOperation[slot]);
    if (clearIndex >= 0) {
        Clear[clearIndex] = MakeButton(tab, Indexed("Clear", clearIndex), QStringLiteral("Clear"),
                                       QStringLiteral("Clear all text boxes"));
        performRow->addWidget(Clear[clearIndex]);
    }
    performRow->addStretch(1);
    layout->addLayout(performRow);

    // The result line: its text is what a screen reader reads.
    Label2[slot] = MakeLabel(tab, Indexed("Label2", slot), QStringLiteral("Result"));
    Label2[slot]->setAccessibleDescription(QStringLiteral("Result"));
    Label2[slot]->setWordWrap(true);
    Label2[slot]->setFrameShape(QFrame::StyledPanel);
    Label2[slot]->setFrameShadow(QFrame::Sunken);
    Label2[slot]->setMinimumHeight(2 * Label2[slot]->fontMetrics().lineSpacing() + 8);
    Label2[slot]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(Label2[slot]);
    layout->addStretch(1);

    auto* bottom = new QHBoxLayout;
    if (tabPosition < 5) {
        lblUserGuide[tabPosition] =
            MakeLabel(tab, Indexed("lblUserGuide", tabPosition), QStringLiteral("User guide:"));
        bottom->addWidget(lblUserGuide[tabPosition]);
    }
    lblDocumentation[tabPosition] = new LinkLabel(tab, Indexed("lblDocumentation", tabPosition));
    lblDocumentation[tabPosition]->setText(
        QUrl::fromLocalFile(
            QDir(m_options.programFolder)
                .absoluteFilePath(QStringLiteral("guide/") + QString::fromLatin1(kGuidePages[tabPosition])))
            .toString());
    bottom->addWidget(lblDocumentation[tabPosition], 1);
    cmdQuit[tabPosition] = MakeButton(tab, Indexed("cmdQuit", tabPosition), QStringLiteral("Quit"));
    bottom->addWidget(cmdQuit[tabPosition]);
    layout->addLayout(bottom);
}

} // namespace pagewright
