#include "rules/TableProperties.h"

#include "rules/NumberText.h"

namespace pagewright
{
namespace
{

// The box is empty, or its number lies in low..high.
bool Admissible(const QString& text, double low, double high)
{
    if (text.isEmpty())
        return true;
    const double value = LeadingNumber(text);
    return value >= low && value <= high;
}

int16_t StoredValue(const QString& text)
{
    if (text.isEmpty())
        return kNotGiven;
    return static_cast<int16_t>(RoundHalfEven(LeadingNumber(text)));
}

} // namespace

QString TablePropertyText(int16_t value)
{
    return value == kNotGiven ? QString() : QString::number(value);
}

TablePropertyTexts ToTablePropertyTexts(const TableProperties& p)
{
    return {TablePropertyText(p.width), TablePropertyText(p.border), TablePropertyText(p.cellPadding),
            TablePropertyText(p.cellSpacing), p.widthInPixels == 0};
}

std::optional<QString> TablePropertiesProblem(const TablePropertyTexts& t)
{
    if (t.percent && !Admissible(t.width, 5, 100))
        return QStringLiteral(" Width in percent must be in the range 5 through 100.");
    if (!t.percent && !Admissible(t.width, 50, 1000))
        return QStringLiteral(" Width in pixels must be in the range 50 through 1000.");
    if (!Admissible(t.border, 0, 100))
        return QStringLiteral(" Border in pixels must be in the range 0 through 100.");
    if (!Admissible(t.cellPadding, 0, 100))
        return QStringLiteral(" Cellpadding in pixels must be in the range 0 through 100.");
    if (!Admissible(t.cellSpacing, 0, 100))
        return QStringLiteral(" Cell spacing in pixels must be in the range 0 through 100.");
    return std::nullopt;
}

TableProperties ToTableProperties(const TablePropertyTexts& t)
{
    return {StoredValue(t.width), static_cast<int16_t>(t.percent ? 0 : 1), StoredValue(t.border),
            StoredValue(t.cellPadding), StoredValue(t.cellSpacing)};
}

} // namespace pagewright
