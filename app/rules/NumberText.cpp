#include "rules/NumberText.h"

#include <cmath>

namespace pagewright
{
namespace
{

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

double LeadingNumber(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool digits = false;
    while (i < n && IsAsciiDigit(text[i])) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && IsAsciiDigit(text[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    // An exponent counts only when digits follow it: "2e" is 2, "2e3" is 2000.
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (j < n && IsAsciiDigit(text[j])) {
            while (j < n && IsAsciiDigit(text[j]))
                ++j;
            i = j;
        }
    }
    const QString number = text.mid(start, i - start);
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // Out of range: a negative exponent makes the number too small to hold, anything else too
    // large.
    if (number.contains(QLatin1String("e-"), Qt::CaseInsensitive))
        return 0.0;
    return number.startsWith(QLatin1Char('-')) ? -HUGE_VAL : HUGE_VAL;
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

} // namespace pagewright
