// The Text to HTML tab's tool: the input file becomes a page; the title comes from the output
// file's name.
#include "shell/frmMain.h"

#include "frontends/ResultCaptions.h"
#include "frontends/TextArguments.h"

#include <QLineEdit>

namespace pagewright
{

void frmMain::ConvertTextToHtml(int slot)
{
    if (const auto code = CallTxt2h(slot, 2, QByteArray(), ToLibraryFileName(txbInputFile[slot]->text())))
        ShowRunResult(slot, TextToHtmlResult(*code));
}

} // namespace pagewright
