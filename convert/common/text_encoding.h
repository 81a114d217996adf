// How texts reach the conversion library, for the program and the command line alike: which
// input files are read as UTF-8 or as quoted CSV, and how a text typed in UTF-8 becomes part of a
// page.
#pragma once

#include <string>
#include <string_view>

namespace pagewright
{

// True when the bytes are valid UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// True when the file is valid UTF-8 and holds a byte above ASCII (a byte-order mark counts): such
// an input is converted as UTF-8, any other as Windows-1252. The file is read in blocks; a file
// that cannot be read gives false, and the converter then reports it in its own words.
bool fileReadsAsUtf8(const std::string& path);

// True for a name ending in ".csv" (any letter case): such data is read with fields in double
// quotes unless the user says otherwise.
bool isCsvName(std::string_view name);

// UTF-8 text in Windows-1252; a character Windows-1252 lacks becomes "&#NNNN;" (its code point
// in decimal), which a page reads back as the same character. Bytes that are not valid UTF-8 are
// taken as Windows-1252 already and kept.
std::string toWindows1252(std::string_view utf8);

// Windows-1252 bytes as UTF-8; the five bytes Windows-1252 leaves undefined stand for U+0081,
// U+008D, U+008F, U+0090 and U+009D.
std::string fromWindows1252(std::string_view bytes);

// A text to be shown in a page as typed: &, < and > become "&amp;", "&lt;" and "&gt;", so that no
// typed text ends the element it stands in or starts markup.
std::string escapeHtmlText(std::string_view text);

} // namespace pagewright
