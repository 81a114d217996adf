// How texts reach the conversion library, for the program and the command line alike: which
// input files are read as UTF-8 or as quoted CSV, and how a text typed in UTF-8 becomes part of a
// page.
#pragma once

#include <cstddef>
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

// True for a name ending in ".csv" or ".tsv" (any letter case): a spreadsheet's export, which is
// data, not HTML. It is read with fields in double quotes and its &, < and > are written as text,
// in the window and on the command line alike, unless the user says otherwise.
bool isDataFileName(std::string_view name);

// UTF-8 text in Windows-1252; a character Windows-1252 lacks becomes "&#NNNN;" (its code point
// in decimal), which a page reads back as the same character. Bytes that are not valid UTF-8 are
// taken as Windows-1252 already and kept.
std::string toWindows1252(std::string_view utf8);

// The character a Windows-1252 byte stands for; each of the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stands for the control character of its own value.
constexpr char32_t windows1252Character(unsigned char byte)
{
    constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : byte;
}

// True for the five bytes Windows-1252 leaves undefined.
constexpr bool isUndefinedInWindows1252(unsigned char byte)
{
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// The UTF-8 bytes of a character below U+10000, at `to`; returns how many (1 to 3).
constexpr std::size_t encodeUtf8(char32_t c, char* to)
{
    if (c < 0x80) {
        to[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        to[0] = static_cast<char>(0xC0 | (c >> 6));
        to[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    to[0] = static_cast<char>(0xE0 | (c >> 12));
    to[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    to[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
}

// Windows-1252 bytes as UTF-8; the five bytes Windows-1252 leaves undefined stand for U+0081,
// U+008D, U+008F, U+0090 and U+009D.
std::string fromWindows1252(std::string_view bytes);

// A text to be shown in a page as typed: &, < and > become "&amp;", "&lt;" and "&gt;", so that no
// typed text ends the element it stands in or starts markup.
std::string escapeHtmlText(std::string_view text);

} // namespace pagewright
