#include "rules/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace pagewright
{

QString AppDataFolder(int folderId)
{
    if (folderId != kAppDataFolderId)
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

bool FolderExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    std::error_code ec;
    return std::filesystem::is_directory(std::filesystem::path(QFile::encodeName(path).toStdString()), ec);
}

bool FileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString FirstFixedDrive()
{
    const QString home = QDir::homePath();
    return FolderExists(home) ? home : QString();
}

QString SettingsFilePath(const QString& fileName, const QString& folderName)
{
    return SettingsFilePath(fileName, folderName, AppDataFolder(kAppDataFolderId), FirstFixedDrive());
}

QString SettingsFilePath(const QString& fileName, const QString& folderName, const QString& appData,
                         const QString& fallback)
{
    QString base = appData.isEmpty() ? fallback : appData;
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
    const QString folder = base + QLatin1Char('/') + folderName;
    if (!FolderExists(folder))
        QDir().mkpath(folder);
    return folder + QLatin1Char('/') + fileName;
}

void GoToFirstFixedDriveRoot()
{
    const QString home = FirstFixedDrive();
    QDir::setCurrent(home.isEmpty() ? QStringLiteral("/") : home);
}

} // namespace pagewright
