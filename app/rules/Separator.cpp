#include "rules/Separator.h"

#include "rules/Windows1252.h"

#include <QList>

namespace pagewright
{

SeparatorChoice ChooseSeparator(const QString& boxText, std::optional<int> entryCode, bool utf8Data)
{
    if (entryCode)
        return {*entryCode, {}};
    if (boxText.isEmpty())
        return {-1, QStringLiteral("No separator character is given.")};
    const QList<uint> codePoints = boxText.toUcs4();
    const QString first = QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()), 1);
    if (utf8Data && codePoints.first() >= 0x80) {
        return {-1, QStringLiteral("The separator character \"%1\" cannot be used: the data file is read as "
                                   "UTF-8 text, in which only the characters of ASCII are single bytes.")
                        .arg(first)};
    }
    const QByteArray byte = ToWindows1252(first);
    if (byte.size() != 1) {
        return {-1, QStringLiteral("The separator character \"%1\" cannot be used: the data file is read as "
                                   "Windows-1252 text, which has no such character.")
                        .arg(first)};
    }
    return {static_cast<unsigned char>(byte[0]), {}};
}

} // namespace pagewright
