// Small text routines shared by the converters. Lines are byte strings; nothing here looks at
// an encoding.
#pragma once

#include "bytes.h"
#include "page_style.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vellum
{

class LineReader;
class Output;

inline constexpr std::size_t npos = std::string_view::npos;

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// True when the line holds a NUL byte, which no text holds: the input is taken to be binary.
inline bool holdsNul(std::string_view line)
{
    return !line.empty() && std::char_traits<char>::find(line.data(), line.size(), '\0') != nullptr;
}

// Where the first two spaces in a row stand, or npos. Looks at eight bytes at a time.
inline std::size_t find_double_space(std::string_view line)
{
    const char* data = line.data();
    const std::size_t n = line.size();
    std::size_t i = 0;
    bool lastWasSpace = false;
    for (; i + 8 <= n; i += 8) {
        const uint64_t spaces = bytesEqual(loadEight(data + i), ' ');
        if ((spaces & (spaces >> 8)) != 0 || (lastWasSpace && (spaces & 0x80)))
            break;
        lastWasSpace = (spaces >> 63) != 0;
    }
    for (std::size_t k = i > 0 ? i - 1 : 0; k + 1 < n; ++k)
        if (data[k] == ' ' && data[k + 1] == ' ')
            return k;
    return npos;
}

// Removes from the end every byte below 32 (line ends and other control characters).
inline std::string_view trim_trailing_controls(std::string_view line)
{
    std::size_t n = line.size();
    while (n > 0 && static_cast<unsigned char>(line[n - 1]) < 32)
        --n;
    return line.substr(0, n);
}

// Removes the leading spaces and tabs.
inline std::string_view trim_leading_blanks(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    return line.substr(i);
}

// Removes trailing spaces (tabs stay).
inline std::string_view trim_trailing_spaces(std::string_view line)
{
    std::size_t n = line.size();
    while (n > 0 && line[n - 1] == ' ')
        --n;
    return line.substr(0, n);
}

// The first position at or after `pos` that holds neither a space nor a tab.
inline std::size_t skip_blanks(std::string_view line, std::size_t pos)
{
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    return pos;
}

// The first position at or after `pos` whose byte is not in `set`.
inline std::size_t skip_chars_in_set(std::string_view line, std::size_t pos, std::string_view set)
{
    while (pos < line.size() && set.find(line[pos]) != npos)
        ++pos;
    return pos;
}

// True when the line is empty or holds only spaces and tabs.
inline bool is_blank_line(std::string_view line)
{
    for (char c : line)
        if (!isBlank(c))
            return false;
    return true;
}

// The part of a path after its last folder separator; the whole path when it has none.
inline std::string_view base_name(std::string_view path)
{
    std::size_t slash = path.rfind('/');
    return slash == npos ? path : path.substr(slash + 1);
}

// Replaces every occurrence of `pattern` from the left. With a limit above 0, stops before the
// first replacement that would make the line longer than the limit. True when anything was
// replaced. The replacement must not contain the pattern.
bool replace_all(std::string& line, std::string_view pattern, std::string_view replacement,
                 std::size_t limit);

// The line that declares a page's encoding, written first in its head when asked for.
inline std::string_view charsetMeta(bool utf8)
{
    return utf8 ? "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                : "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
}

// The start of the page wrapper of a list or a table, up to and including "<title>\n": the head
// declares the encoding first when asked to.
void putWrapperHeadStart(Output& out, bool declareCharset, bool utf8);

struct Html5Settings;
// The start of an HTML5 page up to the open title element, and, after the title, the rest of its head
// and the open body: the frame and stylesheet every HTML5 page shares (page_style.h).
void putHtml5Start(Output& out, const Html5Settings& settings);
void putHtml5HeadEnd(Output& out, const Html5Settings& settings, const pagewright::StyleValues& values,
                     std::string_view bodyClass = {}, std::string_view headLines = {});

// Copies the lines of a file to the output unchanged but for their line ends, which become "\n".
void copy_file_lines(LineReader& file, Output& out);

// Case-sensitive search for `pattern` at or after `from`.
std::size_t findText(std::string_view text, std::string_view pattern, std::size_t from = 0);
// The same, looking first for the pattern's byte at `anchor`: fast when that byte is rare in the
// text (the ":" of "http://", the "-" of " - ").
std::size_t findAnchored(std::string_view text, std::string_view pattern, std::size_t anchor,
                         std::size_t from = 0);

// Reads an integer as C's atoi does: leading white space, an optional sign, then digits. Values
// beyond the 32-bit range are clamped to it.
int parseLeadingInt(std::string_view text);

} // namespace vellum
