// The HTML Template tab's tool: txt2h without an input file writes an empty page.
#include "shell/frmMain.h"

#include "frontends/ResultCaptions.h"
#include "frontends/TextArguments.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <vellum62.h>

namespace pagewright {

void frmMain::CreateHtmlTemplate(int slot)
{
    const int colorIndex = 1;
    const bool colors = chkUseSpecifiedColors[colorIndex]->isChecked();
    const QByteArray textColor = colors ? ToLibraryText(lblTextHex[colorIndex]->text()) : QByteArray();
    const QByteArray backColor = colors ? ToLibraryText(lblBackgroundHex[colorIndex]->text()) : QByteArray();
    const int h = GetHeaderFooterFile();
    // The title goes on even while a header file disables its box; the library then ignores it.
    const QByteArray title = ToLibraryText(txbTitle->text().trimmed());
    const QByteArray output = ToLibraryFileName(txbOutputFile[slot]->text());
    const QByteArray header = ToLibraryFileName(txbCustomHeaderFile[h]->text());
    const QByteArray footer = ToLibraryFileName(txbCustomFooterFile[h]->text());

    QString error;
    const auto txt2h = m_library.bind<vellum62_txt2h_fn>("txt2h", &error);
    if (txt2h == nullptr) {
        Label2[slot]->setText(error);
        return;
    }
    const RunResult result = TemplateResult(txt2h(title.constData(), "", output.constData(), header.constData(),
                                                  footer.constData(), textColor.constData(), backColor.constData(), 0));
    Label2[slot]->setText(result.caption);
    if (result.succeeded)
        OutputReady[slot] = true;
}

} // namespace pagewright
