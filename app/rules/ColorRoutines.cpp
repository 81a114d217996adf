#include "rules/ColorRoutines.h"

#include <algorithm>

namespace pagewright
{
namespace
{

int16_t Channel(int16_t value)
{
    return std::clamp<int16_t>(value, 0, 255);
}

} // namespace

int16_t RedPart(int32_t color)
{
    return static_cast<int16_t>(color & 0xFF);
}

int16_t GreenPart(int32_t color)
{
    return static_cast<int16_t>((color >> 8) & 0xFF);
}

int16_t BluePart(int32_t color)
{
    return static_cast<int16_t>((color >> 16) & 0xFF);
}

int32_t MakeColor(int16_t red, int16_t green, int16_t blue)
{
    return Channel(red) + 256 * Channel(green) + 65536 * Channel(blue);
}

QString HexTriplet(int16_t red, int16_t green, int16_t blue)
{
    QString text = QStringLiteral("#");
    for (const int16_t c : {red, green, blue})
        text += QStringLiteral("%1").arg(Channel(c), 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

QString ColorToHex(int32_t color)
{
    return HexTriplet(RedPart(color), GreenPart(color), BluePart(color));
}

bool IsValidChannelText(const QString& text)
{
    if (text.size() > 3)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return text.isEmpty() || text.toInt() <= 255;
}

} // namespace pagewright
