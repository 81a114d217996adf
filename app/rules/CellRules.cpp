#include "rules/CellRules.h"

#include "rules/NumberText.h"
#include "rules/TableProperties.h"

#include <QRegularExpression>

namespace pagewright
{

QString OneLine(QString text)
{
    static const QRegularExpression breaks(QStringLiteral("\\r\\n|\\r|\\n"));
    return text.replace(breaks, QStringLiteral(" "));
}

std::optional<QString> CellSizeProblem(const QString& width, bool widthInPercent, const QString& height,
                                       bool heightInPercent)
{
    if (widthInPercent && !SizeBoxAdmits(width, 1, 100))
        return QStringLiteral(" Width in percent must be in the range 1 through 100.");
    if (!widthInPercent && !SizeBoxAdmits(width, 10, 1000))
        return QStringLiteral(" Width in pixels must be in the range 10 through 1000.");
    if (heightInPercent && !SizeBoxAdmits(height, 1, 100))
        return QStringLiteral(" Height in percent must be in the range 1 through 100.");
    if (!heightInPercent && !SizeBoxAdmits(height, 10, 1000))
        return QStringLiteral(" Height in pixels must be in the range 10 through 1000.");
    return std::nullopt;
}

bool FontSizeOK(const QString& size)
{
    if (size.isEmpty())
        return true;
    static const QRegularExpression sizeText(QStringLiteral("^[+-]?[0-9]*$"));
    if (!sizeText.match(size).hasMatch())
        return false;
    const QChar c = size.front();
    if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
        const double n = RoundHalfEven(LeadingNumber(size.mid(1)));
        return n >= 0 && n <= 6;
    }
    if (c < QLatin1Char('1') || c > QLatin1Char('6'))
        return false;
    const double n = RoundHalfEven(LeadingNumber(size));
    return n >= 1 && n <= 6;
}

QString StoredFontFace(const QString& face)
{
    return OneLine(face).remove(QLatin1Char('"')).trimmed();
}

} // namespace pagewright
