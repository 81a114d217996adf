// UTF-8 checks of the program: the program text file, the files the viewer shows and the input
// files of the converting tabs, which are read as UTF-8 when they are UTF-8 text with at least one
// character beyond ASCII (a byte-order mark counts), else as Windows-1252.
#ifndef PAGEWRIGHT_ENCODING_H
#define PAGEWRIGHT_ENCODING_H

#include <QByteArray>
#include <QString>

namespace pagewright
{

// True when the bytes are valid UTF-8.
bool IsValidUtf8(const QByteArray& bytes);

// True when the file is valid UTF-8 and holds a byte above ASCII. A file that cannot be read
// gives false: the library then reports it in its own words.
bool ReadsAsUtf8(const QString& path);

} // namespace pagewright

#endif
