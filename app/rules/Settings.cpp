#include "rules/Settings.h"

#include <QFile>
#include <QSaveFile>

namespace pagewright
{

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

QByteArray SettingsFile::encodeLine(const QString& value)
{
    return '"' + QFile::encodeName(value.trimmed()) + '"';
}

QString SettingsFile::decodeLine(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.size() >= 2 && line.startsWith('"') && line.endsWith('"'))
        line = line.mid(1, line.size() - 2);
    else
        line = line.trimmed();
    return QFile::decodeName(line);
}

QStringList SettingsFile::read() const
{
    QStringList values;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    while (values.size() < kSettingsValueCount && !file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.isEmpty() && file.error() != QFileDevice::NoError)
            break;
        values.append(decodeLine(line));
    }
    return values;
}

bool SettingsFile::write(const QStringList& values, QString* error) const
{
    QByteArray content;
    for (int i = 0; i < kSettingsValueCount; ++i)
        content += encodeLine(i < values.size() ? values[i] : QString()) + "\r\n";

    // Unbuffered, so that a short write (a full disk) is seen here and not lost in a flush
    // that commit() would not report.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(content) != content.size()) {
        if (error)
            *error = file.errorString().isEmpty() ? QStringLiteral("Not all of the file could be written.")
                                                  : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace pagewright
