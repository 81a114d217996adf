#include "rules/Windows1252.h"

#include "rules/Encoding.h"
#include "text_encoding.h"

namespace pagewright
{

QByteArray ToWindows1252(const QString& text)
{
    return QByteArray::fromStdString(toWindows1252(text.toStdString()));
}

QString FromWindows1252(const QByteArray& bytes)
{
    return QString::fromStdString(fromWindows1252(bytes.toStdString()));
}

QString DecodeFileText(const QByteArray& bytes)
{
    const QByteArray head = bytes.left(1024).toLower();
    const bool utf8Page = head.startsWith("<!doctype html>") && head.contains("<meta charset=\"utf-8\">");
    return utf8Page || IsValidUtf8(bytes) ? QString::fromUtf8(bytes) : FromWindows1252(bytes);
}

} // namespace pagewright
