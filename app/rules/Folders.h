// Folder routines of the program: the configuration folder, folder tests, the settings file's
// place and the start-up folder.
#ifndef PAGEWRIGHT_FOLDERS_H
#define PAGEWRIGHT_FOLDERS_H

#include <QString>

namespace pagewright
{

// The only special folder the program asks for: the per-user configuration folder.
constexpr int kAppDataFolderId = 26;

// Path of a special folder; "" for an id the program does not know or when the system has none.
QString AppDataFolder(int folderId);
// True when path names an existing folder; an empty path never exists.
bool FolderExists(const QString& path);
// True when path names an existing file (a folder is not a file); an empty path never exists.
bool FileExists(const QString& path);
// The user's home folder, which stands in for the first fixed disk; "" when there is none.
QString FirstFixedDrive();
// <base>/<folderName>/<fileName>, base being the configuration folder or, when there is
// none, the home folder; the folder is created when missing.
QString SettingsFilePath(const QString& fileName, const QString& folderName);
// The same with the two candidate bases given (used by the first form and by tests).
QString SettingsFilePath(const QString& fileName, const QString& folderName, const QString& appData,
                         const QString& fallback);
// Makes the home folder the current folder, so that file dialogs open there.
void GoToFirstFixedDriveRoot();

} // namespace pagewright

#endif
