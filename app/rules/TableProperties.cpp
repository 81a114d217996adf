#include "rules/TableProperties.h"

#include "rules/NumberText.h"

#include <algorithm>
#include <cmath>

namespace pagewright
{

QString SizeBoxText(int16_t value)
{
    return value == kNotGiven ? QString() : QString::number(value);
}

bool SizeBoxAdmits(const QString& text, double low, double high)
{
    if (text.isEmpty())
        return true;
    const double value = LeadingNumber(text);
    return value >= low && value <= high;
}

int16_t SizeBoxValue(const QString& text)
{
    if (text.isEmpty())
        return kNotGiven;
    const double value = RoundHalfEven(LeadingNumber(text));
    return static_cast<int16_t>(std::isfinite(value) ? std::clamp(value, -1.0, 32767.0) : 32767.0);
}

TablePropertyTexts ToTablePropertyTexts(const TableProperties& p)
{
    return {SizeBoxText(p.width), SizeBoxText(p.border), SizeBoxText(p.cellPadding),
            SizeBoxText(p.cellSpacing), p.widthInPixels == 0};
}

std::optional<QString> TablePropertiesProblem(const TablePropertyTexts& t)
{
    if (t.percent && !SizeBoxAdmits(t.width, 5, 100))
        return QStringLiteral(" Width in percent must be in the range 5 through 100.");
    if (!t.percent && !SizeBoxAdmits(t.width, 50, 1000))
        return QStringLiteral(" Width in pixels must be in the range 50 through 1000.");
    if (!SizeBoxAdmits(t.border, 0, 100))
        return QStringLiteral(" Border in pixels must be in the range 0 through 100.");
    if (!SizeBoxAdmits(t.cellPadding, 0, 100))
        return QStringLiteral(" Cellpadding in pixels must be in the range 0 through 100.");
    if (!SizeBoxAdmits(t.cellSpacing, 0, 100))
        return QStringLiteral(" Cell spacing in pixels must be in the range 0 through 100.");
    return std::nullopt;
}

TableProperties ToTableProperties(const TablePropertyTexts& t)
{
    return {SizeBoxValue(t.width), static_cast<int16_t>(t.percent ? 0 : 1), SizeBoxValue(t.border),
            SizeBoxValue(t.cellPadding), SizeBoxValue(t.cellSpacing)};
}

} // namespace pagewright
