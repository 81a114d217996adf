// Clean-up routines for texts typed into the Table Creator and stored in table files.
#ifndef PAGEWRIGHT_STRINGROUTINES_H
#define PAGEWRIGHT_STRINGROUTINES_H

#include <QString>

namespace pagewright
{

// Keeps digits, at most one leading "+" and (when allowMinus) one leading "-", in the order they
// came and before the first digit; drops everything else. With allowMinus: 1+2 -> 12, a-b5 -> -5.
void KeepSignedNumberChars(QString& text, bool allowMinus);
// Deletes every occurrence of each of the characters from text.
void RemoveChars(QString& text, const QString& characters);
// Replaces every character of code fromCode by the character of code toCode mod 256.
void ReplaceCharCode(QString& text, unsigned char fromCode, int toCode);

} // namespace pagewright

#endif
