#include "platform/ShellOpen.h"

#include "platform/Platform.h"
#include "rules/ViewRules.h"

#include <QUrl>

namespace pagewright
{

bool OpenDocument(Platform& platform, const QString& path, bool report)
{
    if (platform.openExternally(QUrl::fromLocalFile(path)))
        return true;
    if (report)
        platform.message(nullptr, QStringLiteral("Error"), OpenDocumentFailureMessage(path),
                         MsgIcon::Exclamation);
    return false;
}

void LaunchBrowser(Platform& platform, const QString& address, const QString& defaultTitle)
{
    if (!platform.openExternally(QUrl(address)))
        platform.message(nullptr, defaultTitle, LaunchBrowserFailureMessage(), MsgIcon::Exclamation);
}

} // namespace pagewright
