#include "rules/PageStyle.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace pagewright
{
namespace
{

constexpr char kKey[] = "pageStyle";

} // namespace

QString PageStyleFilePath(const QString& settingsFile)
{
    return QFileInfo(settingsFile).dir().filePath(QStringLiteral("pagewright.conf"));
}

PageStyle ReadPageStyle(const QString& path)
{
    const QSettings file(path, QSettings::IniFormat);
    return file.value(kKey).toString() == QLatin1String("html5") ? PageStyle::Html5 : PageStyle::Classic;
}

bool WritePageStyle(const QString& path, PageStyle style)
{
    // QSettings writes the whole file through QSaveFile, so a failed write leaves the old one.
    QSettings file(path, QSettings::IniFormat);
    file.setValue(kKey, style == PageStyle::Html5 ? QStringLiteral("html5") : QStringLiteral("classic"));
    file.sync();
    return file.status() == QSettings::NoError;
}

QByteArray PageLanguage(const QLocale& locale)
{
    const QString name = locale.bcp47Name();
    return name.isEmpty() || name == QLatin1String("C") ? QByteArray("en") : name.toLatin1();
}

} // namespace pagewright
