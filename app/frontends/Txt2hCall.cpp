// The one txt2h call that the Text to HTML and HTML Template tabs share: the tab's header and
// footer files and, when ticked, its colours go with it.
#include "shell/frmMain.h"

#include "frontends/TextArguments.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <vellum62.h>

namespace pagewright {

std::optional<int> frmMain::CallTxt2h(int slot, int colorIndex, const QByteArray& title, const QByteArray& input)
{
    const bool colors = chkUseSpecifiedColors[colorIndex]->isChecked();
    const QByteArray textColor = colors ? ToLibraryText(lblTextHex[colorIndex]->text()) : QByteArray();
    const QByteArray backColor = colors ? ToLibraryText(lblBackgroundHex[colorIndex]->text()) : QByteArray();
    const int h = GetHeaderFooterFile();
    const QByteArray output = ToLibraryFileName(txbOutputFile[slot]->text());
    const QByteArray header = ToLibraryFileName(txbCustomHeaderFile[h]->text());
    const QByteArray footer = ToLibraryFileName(txbCustomFooterFile[h]->text());

    QString error;
    const auto txt2h = m_library.bind<vellum62_txt2h_fn>("txt2h", &error);
    if (txt2h == nullptr) {
        Label2[slot]->setText(error);
        return std::nullopt;
    }
    return txt2h(title.constData(), input.constData(), output.constData(), header.constData(), footer.constData(),
                 textColor.constData(), backColor.constData(), 0);
}

void frmMain::ShowRunResult(int slot, const RunResult& result)
{
    Label2[slot]->setText(result.caption);
    if (result.succeeded)
        OutputReady[slot] = true;
}

} // namespace pagewright
