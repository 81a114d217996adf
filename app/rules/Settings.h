// The settings file vellum.usr: the last input and output file names, one quoted value a line.
#ifndef PAGEWRIGHT_SETTINGS_H
#define PAGEWRIGHT_SETTINGS_H

#include <QString>
#include <QStringList>

namespace pagewright
{

// Number of values in the file: input and output of slots 0-3, output of slots 4 and 5.
constexpr int kSettingsValueCount = 10;

class SettingsFile
{
public:
    explicit SettingsFile(QString path);

    const QString& path() const { return m_path; }

    // Reads up to 10 values in file order. A missing or unreadable file gives none, a short
    // one as many as it holds. Values are file names in the file system's encoding.
    QStringList read() const;

    // Writes the values (trimmed, at most 10) as quoted lines ending CR LF. The file is replaced
    // whole or not at all; on failure returns false and, when error is given, the reason.
    bool write(const QStringList& values, QString* error = nullptr) const;

    // One line of the file for a value, without the line end.
    static QByteArray encodeLine(const QString& value);
    // The value of one line (line end removed); a line without enclosing quotes is taken whole.
    static QString decodeLine(QByteArray line);

private:
    QString m_path;
};

} // namespace pagewright

#endif
