// The Data to Table tab's tool: a delimited data file becomes a table with the tab's separator,
// padding, centring and wrapper, and the colours and table properties of table index 0.
#include "shell/frmMain.h"

#include "frontends/ResultCaptions.h"
#include "frontends/Separator.h"
#include "frontends/TextArguments.h"
#include "shell/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <vellum62.h>

namespace pagewright
{

void frmMain::ConvertDataToTable(int slot)
{
    const QString typed = cboSeparatorChar->currentText();
    const int entry = cboSeparatorChar->findText(typed);
    const SeparatorChoice separator = ChooseSeparator(
        typed, entry >= 0 ? std::optional<int>(cboSeparatorChar->itemData(entry).toInt()) : std::nullopt);
    if (!separator.problem.isEmpty()) {
        m_platform.message(this, QStringLiteral("Error"), separator.problem, MsgIcon::Exclamation);
        return;
    }
    const int t = slot - DataTableSlot; // the table index of this tab
    const auto [textColor, backColor] = ColorArguments(0);
    const QByteArray input = ToLibraryFileName(txbInputFile[slot]->text());
    const QByteArray output = ToLibraryFileName(txbOutputFile[slot]->text());
    const auto regTbl = BindExport<vellum62_reg_tbl_fn>(slot, "reg_tbl");
    if (regTbl == nullptr)
        return;
    const int32_t result =
        regTbl(input.constData(), output.constData(), separator.code, cboPaddingSpaces->currentText().toInt(),
               chkAddHTMLWrapper3->isChecked() ? 1 : 0, chkCenterText3->isChecked() ? 1 : 0,
               chkCenterTable3->isChecked() ? 1 : 0, textColor.constData(), backColor.constData(),
               TableWidth[t], WidthInPixels[t], TableBorder[t], TableCellPadding[t], TableCellSpacing[t]);
    ShowRunResult(slot, TableResult(result));
}

} // namespace pagewright
