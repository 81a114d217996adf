// Windows-1252, the code page of the texts the program hands to the conversion library and of
// the files it shows that are not UTF-8.
#ifndef PAGEWRIGHT_WINDOWS1252_H
#define PAGEWRIGHT_WINDOWS1252_H

#include <QByteArray>
#include <QString>

namespace pagewright
{

// The text in Windows-1252; a character Windows-1252 lacks is written as "&#NNNN;" (its code
// point in decimal), which HTML reads back as the same character.
QByteArray ToWindows1252(const QString& text);
// Bytes read as Windows-1252; the five bytes it leaves undefined stand for U+0081 etc.
QString FromWindows1252(const QByteArray& bytes);
// A file's contents for display: UTF-8 when valid, else Windows-1252.
QString DecodeFileText(const QByteArray& bytes);

} // namespace pagewright

#endif
