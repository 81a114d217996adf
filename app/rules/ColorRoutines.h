// Colour values and their text form. A colour value holds red + 256 x green + 65536 x blue
// (red in bits 0-7, green in bits 8-15, blue in bits 16-23); its text form is "#RRGGBB" in
// upper-case hexadecimal, the form in which colours reach HTML and the user. Every part of the
// program converts colours through these routines only.
#ifndef PAGEWRIGHT_COLORROUTINES_H
#define PAGEWRIGHT_COLORROUTINES_H

#include <QString>

#include <cstdint>

namespace pagewright
{

// The channels of a colour value, each 0 to 255. Bits above the blue channel are ignored.
int16_t RedPart(int32_t color);
int16_t GreenPart(int32_t color);
int16_t BluePart(int32_t color);
// The colour value of three channels; a channel outside 0-255 is held to that range.
int32_t MakeColor(int16_t red, int16_t green, int16_t blue);
// "#" and two upper-case hexadecimal digits for each channel: 255, 0, 128 gives "#FF0080".
// A channel outside 0-255 is held to that range, so the text always has seven characters.
QString HexTriplet(int16_t red, int16_t green, int16_t blue);
QString ColorToHex(int32_t color);

// A channel text box's text is acceptable: empty, or one to three digits with a value of at
// most 255. Blanks, signs and letters make it unacceptable.
bool IsValidChannelText(const QString& text);

} // namespace pagewright

#endif
