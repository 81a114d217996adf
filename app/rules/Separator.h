// The separator character of the Data to Table tab. Its box lists four separators, each carrying
// its character code; text typed into the box that names no entry gives its first character.
#ifndef PAGEWRIGHT_SEPARATOR_H
#define PAGEWRIGHT_SEPARATOR_H

#include <QString>

#include <optional>

namespace pagewright
{

struct SeparatorChoice {
    int code = -1;   // the byte that separates values, when there is no problem
    QString problem; // why the run is refused; empty when code holds the separator
};

// boxText: the text of the separator box; entryCode: the code of the entry whose caption is
// exactly that text, if any; utf8Data: the data file is read as UTF-8 (else as Windows-1252).
// An empty box is refused, and so is a first character that is not one byte in the data file's
// encoding: a character without a byte of its own in Windows-1252, or one beyond ASCII in UTF-8.
SeparatorChoice ChooseSeparator(const QString& boxText, std::optional<int> entryCode, bool utf8Data = false);

} // namespace pagewright

#endif
