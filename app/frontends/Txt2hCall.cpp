// The one txt2h call that the Text to HTML and HTML Template tabs share: the tab's header and
// footer files and, when ticked, its colours go with it.
#include "shell/frmMain.h"

#include "frontends/TextArguments.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <vellum62.h>

namespace pagewright
{

std::pair<QByteArray, QByteArray> frmMain::ColorArguments(int colorIndex) const
{
    if (!chkUseSpecifiedColors[colorIndex]->isChecked())
        return {};
    return {ToLibraryText(lblTextHex[colorIndex]->text()),
            ToLibraryText(lblBackgroundHex[colorIndex]->text())};
}

std::optional<int> frmMain::CallTxt2h(int slot, int colorIndex, const QByteArray& title,
                                      const QByteArray& input)
{
    const auto [textColor, backColor] = ColorArguments(colorIndex);
    const int h = GetHeaderFooterFile();
    const QByteArray output = ToLibraryFileName(txbOutputFile[slot]->text());
    const QByteArray header = ToLibraryFileName(txbCustomHeaderFile[h]->text());
    const QByteArray footer = ToLibraryFileName(txbCustomFooterFile[h]->text());

    const auto txt2h = BindExport<vellum62_txt2h_fn>(slot, "txt2h");
    if (txt2h == nullptr)
        return std::nullopt;
    return txt2h(title.constData(), input.constData(), output.constData(), header.constData(),
                 footer.constData(), textColor.constData(), backColor.constData(), 0);
}

void frmMain::ShowLibraryError(int slot, const QString& error)
{
    Label2[slot]->setText(error);
}

void frmMain::ShowRunResult(int slot, const RunResult& result)
{
    Label2[slot]->setText(result.caption);
    if (result.succeeded)
        OutputReady[slot] = true;
}

} // namespace pagewright
