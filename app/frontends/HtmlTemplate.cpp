// The HTML Template tab's tool: txt2h without an input file writes an empty page.
#include "shell/frmMain.h"

#include "frontends/ResultCaptions.h"
#include "frontends/TextArguments.h"

#include <QLineEdit>

namespace pagewright
{

void frmMain::CreateHtmlTemplate(int slot)
{
    // The title goes on even while a header file disables its box; the library then ignores it.
    if (const auto code = CallTxt2h(slot, 1, ToLibraryText(txbTitle->text().trimmed()), QByteArray()))
        ShowRunResult(slot, TemplateResult(*code));
}

} // namespace pagewright
