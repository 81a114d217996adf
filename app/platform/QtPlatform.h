// The seam on the real desktop: QMessageBox, QFileDialog, QDialog::exec, QDesktopServices.
#ifndef PAGEWRIGHT_QTPLATFORM_H
#define PAGEWRIGHT_QTPLATFORM_H

#include "platform/Platform.h"

namespace pagewright
{

class QtPlatform final : public Platform
{
public:
    MsgAnswer messageBox(QWidget* parent, const QString& title, const QString& text, MsgIcon icon,
                         MsgButtons buttons) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileDialogRequest& request) override;
    void runModal(QDialog& dialog) override;
    bool openExternally(const QUrl& url) override;

    // A filter of the form "description | pattern" as QFileDialog takes it; "*.*" becomes "*",
    // since names without a dot are files too.
    static QString qtFilter(const QString& filter);
};

} // namespace pagewright

#endif
