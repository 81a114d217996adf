// The colour controls of the tabs and the table-properties buttons: the two dialogs they open,
// where the dialogs stand, and what an accepted dialog changes.
#include "mainwindow/frmMain.h"

#include "dialogs/frmSpecifyBorderEtc.h"
#include "dialogs/frmSpecifyColors.h"
#include "platform/Platform.h"
#include "rules/ColorRoutines.h"
#include "rules/TableProperties.h"
#include "widgets/Controls.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace pagewright
{
namespace
{

// The dialog's heading for each colour index.
constexpr const char* kColorHeadings[4] = {"Data to Table: table colors", "HTML template: page colors",
                                           "Text to HTML: page colors", "Table Creator: table colors"};

} // namespace

frmSpecifyColors* frmMain::SpecifyColors()
{
    if (m_specifyColors == nullptr)
        m_specifyColors = new frmSpecifyColors(m_platform, this);
    return m_specifyColors;
}

frmSpecifyBorderEtc* frmMain::SpecifyBorderEtc()
{
    if (m_specifyBorderEtc == nullptr)
        m_specifyBorderEtc = new frmSpecifyBorderEtc(m_platform, this);
    return m_specifyBorderEtc;
}

void frmMain::cmdSpecifyColors_Click(int index)
{
    frmSpecifyColors* dialog = SpecifyColors();
    dialog->TextColor = TextColors[index];
    dialog->BackColor = BackColors[index];
    dialog->lblWhatThisIs->setText(QString::fromLatin1(kColorHeadings[index]));
    // Near the main window's top right corner: 700 twips down, 100 twips in from its right edge.
    // The dialog gets its frame only when shown; it is taken to be as wide as the main window's.
    dialog->ensurePolished();
    dialog->adjustSize();
    const QRect main = frameGeometry();
    const int dialogWidth = dialog->width() + (main.width() - width());
    dialog->move(main.x() + main.width() - dialogWidth - TwipsToPixels(100, logicalDpiX()),
                 main.y() + TwipsToPixels(700, logicalDpiY()));
    m_platform.runModal(*dialog);
    if (dialog->Accepted) {
        TextColors[index] = dialog->TextColor;
        BackColors[index] = dialog->BackColor;
        if (index < 3) {
            colorRows[index]->textHex()->setText(dialog->lblHexColor[0]->text());
            colorRows[index]->backgroundHex()->setText(dialog->lblHexColor[1]->text());
        }
        if (index == 0)
            ShowColorSample();
        else if (index == 3)
            DrawTable(); // the Table Creator's grid shows the table colours
    }
    ClearResult(-1);
}

void frmMain::chkUseSpecifiedColors_Click(int index)
{
    const ColorRow* row = colorRows[index];
    const bool on = row->useColorsCheck()->isChecked() && row->useColorsCheck()->isEnabled();
    row->specifyButton()->setEnabled(on);
    if (index < 3) {
        for (QLabel* label :
             {row->textCaption(), row->textHex(), row->backgroundCaption(), row->backgroundHex()})
            label->setEnabled(on);
    }
    if (index == 0) {
        if (on)
            ShowColorSample();
        else
            picSample->setVisible(false);
    }
    ClearResult(-1);
}

void frmMain::ShowColorSample()
{
    picSample->setVisible(true);
    picSample->setColors(TextColors[0], BackColors[0]);
}

TableProperties frmMain::TablePropertiesAt(int t) const
{
    return {TableWidth[t], WidthInPixels[t], TableBorder[t], TableCellPadding[t], TableCellSpacing[t]};
}

void frmMain::SetTablePropertiesAt(int t, const TableProperties& p)
{
    TableWidth[t] = p.width;
    WidthInPixels[t] = p.widthInPixels;
    TableBorder[t] = p.border;
    TableCellPadding[t] = p.cellPadding;
    TableCellSpacing[t] = p.cellSpacing;
}

void frmMain::cmdSpecifyBorder_Click(int tableIndex)
{
    frmSpecifyBorderEtc* dialog = SpecifyBorderEtc();
    dialog->SetTexts(ToTablePropertyTexts(TablePropertiesAt(tableIndex)));
    m_platform.runModal(*dialog);
    if (!dialog->Accepted) {
        ReturnFocusToTabs();
        return;
    }
    SetTablePropertiesAt(tableIndex, ToTableProperties(dialog->Texts()));
    ClearResult(-1);
}

} // namespace pagewright
