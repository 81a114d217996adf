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
// A file's contents for display: UTF-8 when valid, else Windows-1252. An HTML5 page that declares
// UTF-8 (it starts with "<!DOCTYPE html>" and holds <meta charset="utf-8"> in its first 1024 bytes,
// where a browser looks for it) is read as UTF-8 as a browser reads it, a byte that is not UTF-8
// (from a header file copied into it) shown as U+FFFD.
QString DecodeFileText(const QByteArray& bytes);

} // namespace pagewright

#endif
