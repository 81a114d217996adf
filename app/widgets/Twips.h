// Window geometry given in twips (1/1440 inch) turned into pixels of the screen.
#ifndef PAGEWRIGHT_TWIPS_H
#define PAGEWRIGHT_TWIPS_H

#include <QtGlobal>

namespace pagewright
{

// pixels = twips x logical DPI / 1440, rounded; 15 twips a pixel at 96 DPI.
inline int TwipsToPixels(int twips, qreal logicalDpi)
{
    return qRound(twips * logicalDpi / 1440.0);
}

} // namespace pagewright

#endif
