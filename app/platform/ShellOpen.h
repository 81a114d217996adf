// Opening a file or a web address with the desktop's associated program, through the seam, with
// the program's message when that fails.
#ifndef PAGEWRIGHT_SHELLOPEN_H
#define PAGEWRIGHT_SHELLOPEN_H

#include <QString>

namespace pagewright
{

class Platform;

// Opens a file (a local path) with its associated program; when that fails and report is
// true, says so in a message box. True when the desktop opened it.
bool OpenDocument(Platform& platform, const QString& path, bool report);
// Opens a web or file address in the browser; reports a failure with a message box whose
// title is defaultTitle.
void LaunchBrowser(Platform& platform, const QString& address, const QString& defaultTitle);

} // namespace pagewright

#endif
