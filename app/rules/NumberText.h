// Numbers typed into the program's boxes: the one reading of "the number at the start of a
// text" and the one rounding to a whole number that every box of the program uses.
#ifndef PAGEWRIGHT_NUMBERTEXT_H
#define PAGEWRIGHT_NUMBERTEXT_H

#include <QString>

namespace pagewright
{

// The number at the start of a text: after blanks and tabs, an optional sign, digits with an
// optional fraction (".5" and "5." count) and an optional exponent ("1e3" is 1000). 0 when the
// text does not start with a number; "12 items" is 12. Too large a number gives infinity.
double LeadingNumber(const QString& text);

// The nearest whole number; a value exactly halfway goes to the even neighbour (0.5 -> 0,
// 1.5 -> 2, 2.5 -> 2, -0.5 -> -0). Infinity stays infinity.
double RoundHalfEven(double value);

} // namespace pagewright

#endif
