#include "widgets/FileRow.h"

#include "widgets/Controls.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace pagewright
{

FileRow::FileRow(QGridLayout* grid, int row, int index, const Names& names) : QObject(grid->parentWidget())
{
    QWidget* tab = grid->parentWidget();
    m_choose = MakeButton(tab, Indexed(names.choose, index), names.chooseCaption, names.chooseTip);
    m_box = MakeBox(tab, Indexed(names.box, index), names.boxName);
    m_view = MakeButton(tab, Indexed(names.view, index), names.viewCaption);
    grid->addWidget(m_choose, row, 0);
    grid->addWidget(m_box, row, 1);
    grid->addWidget(m_view, row, 2);
    connect(m_choose, &QPushButton::clicked, this, &FileRow::chooseClicked);
    connect(m_box, &QLineEdit::textChanged, this, &FileRow::edited);
    connect(m_box, &QLineEdit::returnPressed, this, &FileRow::enterPressed);
    connect(m_view, &QPushButton::clicked, this, &FileRow::viewClicked);
}

FileRow* FileRow::Input(QGridLayout* grid, int row, int index)
{
    return new FileRow(grid, row, index,
                       {"cmdSpecifyInputFile",
                        QStringLiteral("Specify input file"),
                        {},
                        "txbInputFile",
                        QStringLiteral("Input file"),
                        "cmdViewInputFile",
                        QStringLiteral("View input file")});
}

FileRow* FileRow::Output(QGridLayout* grid, int row, int index, const QString& chooseTip)
{
    return new FileRow(grid, row, index,
                       {"cmdSpecifyOutputFile", QStringLiteral("Specify output file"), chooseTip,
                        "txbOutputFile", QStringLiteral("Output file"), "cmdViewOutputFile",
                        QStringLiteral("View output file")});
}

FileRow* FileRow::SideFile(QGridLayout* grid, int row, int index, const char* part, const char* where,
                           const char* choose, const char* box, const char* view)
{
    const QString name = QString::fromLatin1(part);
    return new FileRow(
        grid, row, index,
        {choose, QStringLiteral("Specify custom %1 file").arg(name),
         QStringLiteral("A custom %1 file contains HTML code to be placed at the %2 of the HTML document.")
             .arg(name, QString::fromLatin1(where)),
         box, QStringLiteral("Custom %1 file").arg(name), view, QStringLiteral("View %1 file").arg(name)});
}

FileRow* FileRow::Header(QGridLayout* grid, int row, int index)
{
    return SideFile(grid, row, index, "header", "start", "cmdSpecifyCustomHeaderFile", "txbCustomHeaderFile",
                    "cmdViewHeaderFile");
}

FileRow* FileRow::Footer(QGridLayout* grid, int row, int index)
{
    return SideFile(grid, row, index, "footer", "end", "cmdSpecifyCustomFooterFile", "txbCustomFooterFile",
                    "cmdViewFooterFile");
}

} // namespace pagewright
