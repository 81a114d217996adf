#include "text_encoding.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pagewright
{
namespace
{

// The byte for a character, or -1 when Windows-1252 lacks it.
int windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (unsigned b = 0x80; b <= 0x9F; ++b)
        if (windows1252Character(static_cast<unsigned char>(b)) == c)
            return static_cast<int>(b);
    return -1;
}

// The length of the valid UTF-8 character at the start of `s`: 0 when the bytes there are not
// one, -1 when they may become one but `s` ends first. `c` gets the character.
int utf8Character(std::string_view s, char32_t& c)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    int length;
    char32_t lowest;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, lowest = 0x80, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, lowest = 0x800, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, lowest = 0x10000, c = lead & 0x07;
    } else {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if (static_cast<std::size_t>(i) >= s.size())
            return -1;
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    if (c < lowest || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return 0;
    return length;
}

// How many bytes at the start of `s` are ASCII, looked at eight at a time: most text is, and
// the input check reads every byte of a file.
std::size_t asciiPrefix(std::string_view s)
{
    std::size_t i = 0;
    for (uint64_t word; i + 8 <= s.size(); i += 8) {
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080u)
            break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80)
        ++i;
    return i;
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    char32_t c;
    while (!(bytes = bytes.substr(asciiPrefix(bytes))).empty()) {
        const int length = utf8Character(bytes, c);
        if (length <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(length));
    }
    return true;
}

bool fileReadsAsUtf8(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool beyondAscii = false, valid = true;
    std::string block;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            valid = n == 0 && block.empty(); // a character left unfinished at the end is invalid
            break;
        }
        block.append(buffer, static_cast<std::size_t>(n));
        // Whole characters are checked; one cut at the end of the block waits for the next.
        std::string_view rest = block;
        char32_t c;
        int length = 1; // 0: not UTF-8; -1: a character cut at the end
        while (!(rest = rest.substr(asciiPrefix(rest))).empty() && (length = utf8Character(rest, c)) > 0) {
            beyondAscii = true;
            rest.remove_prefix(static_cast<std::size_t>(length));
        }
        if (length == 0) {
            valid = false;
            break;
        }
        block.erase(0, block.size() - rest.size());
    }
    ::close(fd);
    return valid && beyondAscii;
}

bool isDataFileName(std::string_view name)
{
    if (name.size() < 4)
        return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    const std::string_view end = name.substr(name.size() - 4);
    return end[0] == '.' && (lower(end[1]) == 'c' || lower(end[1]) == 't') && lower(end[2]) == 's' &&
           lower(end[3]) == 'v';
}

std::string toWindows1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    char32_t c;
    while (!utf8.empty()) {
        const int length = utf8Character(utf8, c);
        if (length <= 0) {
            out += utf8.front();
            utf8.remove_prefix(1);
            continue;
        }
        utf8.remove_prefix(static_cast<std::size_t>(length));
        const int b = windows1252Byte(c);
        if (b >= 0)
            out += static_cast<char>(b);
        else
            out += "&#" + std::to_string(static_cast<uint32_t>(c)) + ';';
    }
    return out;
}

std::string fromWindows1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    char utf8[3];
    for (const char b : bytes)
        out.append(utf8, encodeUtf8(windows1252Character(static_cast<unsigned char>(b)), utf8));
    return out;
}

std::string escapeHtmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

} // namespace pagewright
