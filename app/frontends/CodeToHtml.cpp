// The Code to HTML tab's tool: a source file becomes a preformatted page with the chosen left
// margin and tab width.
#include "shell/frmMain.h"

#include "frontends/ResultCaptions.h"
#include "frontends/TextArguments.h"

#include <QComboBox>
#include <QLineEdit>

#include <vellum62.h>

namespace pagewright
{

void frmMain::ConvertCodeToHtml(int slot)
{
    const QByteArray input = ToLibraryFileName(txbInputFile[slot]->text());
    const QByteArray output = ToLibraryFileName(txbOutputFile[slot]->text());
    // Both lists hold nothing but numbers.
    const int32_t margin = cboMarginSpaces->currentText().toInt();
    const int32_t tab = cboTabSpaces->currentText().toInt();
    if (const auto c2h = BindExport<vellum62_c2h_fn>(slot, "c2h"))
        ShowRunResult(slot, CodeToHtmlResult(c2h(input.constData(), output.constData(), margin, tab)));
    ReturnFocusToTabs();
}

} // namespace pagewright
