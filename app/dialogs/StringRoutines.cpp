#include "dialogs/StringRoutines.h"

namespace pagewright
{

void KeepSignedNumberChars(QString& text, bool allowMinus)
{
    QString kept;
    bool digitKept = false;
    bool plusKept = false;
    bool minusKept = false;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            kept += c;
            digitKept = true;
        } else if (c == QLatin1Char('+') && !digitKept && !plusKept) {
            kept += c;
            plusKept = true;
        } else if (c == QLatin1Char('-') && allowMinus && !digitKept && !minusKept) {
            kept += c;
            minusKept = true;
        }
    }
    text = kept;
}

void RemoveChars(QString& text, const QString& characters)
{
    for (const QChar c : characters)
        text.remove(c);
}

void ReplaceCharCode(QString& text, unsigned char fromCode, int toCode)
{
    const QChar to(static_cast<ushort>(((toCode % 256) + 256) % 256));
    for (QChar& c : text) {
        if (c.unicode() == fromCode)
            c = to;
    }
}

} // namespace pagewright
