// How texts cross to the conversion library: file names as the file system's bytes, every
// other text in Windows-1252 with numeric character references for what it lacks.
#ifndef PAGEWRIGHT_TEXTARGUMENTS_H
#define PAGEWRIGHT_TEXTARGUMENTS_H

#include "rules/Windows1252.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace pagewright
{

// A file name box's text, trimmed, as the bytes the file system knows it by.
inline QByteArray ToLibraryFileName(const QString& boxText)
{
    return QFile::encodeName(boxText.trimmed());
}

// A text such as a page title or a colour, for the library.
inline QByteArray ToLibraryText(const QString& text)
{
    return ToWindows1252(text);
}

} // namespace pagewright

#endif
