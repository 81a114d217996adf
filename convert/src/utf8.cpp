#include "utf8.h"

#include "bytes.h"
#include "entities.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vellum
{
namespace
{

// The length of the valid character that starts at `i` (i < n and s[i] >= 0x80), or, when there
// is none, the negated length of the maximal run of bytes that a decoder takes before it fails.
long characterAt(const unsigned char* s, std::size_t n, std::size_t i)
{
    const unsigned char c = s[i];
    std::size_t need;
    unsigned char lower = 0x80, upper = 0xBF;
    if (c >= 0xC2 && c <= 0xDF)
        need = 1;
    else if (c >= 0xE0 && c <= 0xEF) {
        need = 2;
        if (c == 0xE0)
            lower = 0xA0;
        if (c == 0xED)
            upper = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        need = 3;
        if (c == 0xF0)
            lower = 0x90;
        if (c == 0xF4)
            upper = 0x8F;
    } else {
        return -1;
    }
    for (std::size_t k = 1; k <= need; ++k) {
        if (i + k >= n || s[i + k] < lower || s[i + k] > upper)
            return -static_cast<long>(k);
        lower = 0x80;
        upper = 0xBF;
    }
    return static_cast<long>(need + 1);
}

// Where the first byte above ASCII stands at or after `i`, or n.
std::size_t skipAscii(const unsigned char* s, std::size_t n, std::size_t i)
{
#if defined(__SSE2__)
    auto highBits = [s](std::size_t at) {
        return static_cast<unsigned>(
            _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at))));
    };
    for (; i + 16 <= n; i += 16) {
        if (const unsigned high = highBits(i))
            return i + static_cast<std::size_t>(__builtin_ctz(high));
    }
    if (i < n && n >= 16) {
        // The last sixteen bytes, of which those before `i` are left out.
        const unsigned high = highBits(n - 16) >> (i - (n - 16));
        return high ? i + static_cast<std::size_t>(__builtin_ctz(high)) : n;
    }
#endif
    for (; i + 8 <= n; i += 8) {
        const uint64_t high = loadEight(reinterpret_cast<const char*>(s) + i) & kHighBits;
        if (high != 0)
            return i + lowestMarkedByte(high);
    }
    while (i < n && s[i] < 0x80)
        ++i;
    return i;
}

// The length of the character that starts at s[i] (above ASCII), or minus the length of the bytes
// that cannot form one. Most characters above ASCII in text take two bytes, or three starting E1
// to EC: those are told at once.
inline long lengthAt(const unsigned char* s, std::size_t n, std::size_t i)
{
    const unsigned char c = s[i];
    if (c >= 0xC2 && c <= 0xDF && i + 1 < n && (s[i + 1] & 0xC0) == 0x80)
        return 2;
    if (c >= 0xE1 && c <= 0xEC && i + 2 < n && (s[i + 1] & 0xC0) == 0x80 && (s[i + 2] & 0xC0) == 0x80)
        return 3;
    return characterAt(s, n, i);
}

} // namespace

std::size_t validUtf8Prefix(std::string_view text)
{
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    for (;;) {
        i = skipAscii(s, n, i);
        if (i == n)
            return n;
        const long length = lengthAt(s, n, i);
        if (length < 0)
            return i;
        i += static_cast<std::size_t>(length);
    }
}

std::string_view repairUtf8(std::string_view line, std::string& work)
{
    const auto* s = reinterpret_cast<const unsigned char*>(line.data());
    const std::size_t n = line.size();
    std::size_t i = 0;
    bool repairing = false;
    std::size_t copied = 0;
    for (;;) {
        i = skipAscii(s, n, i);
        if (i == n)
            break;
        const long length = lengthAt(s, n, i);
        if (length > 0) {
            i += static_cast<std::size_t>(length);
            continue;
        }
        if (!repairing) {
            work.clear();
            repairing = true;
        }
        work.append(line, copied, i - copied);
        work += kReplacementCharacter;
        i += static_cast<std::size_t>(-length);
        copied = i;
    }
    if (!repairing)
        return line;
    work.append(line, copied, std::string_view::npos);
    return work;
}

std::size_t countCharacters(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

void putFileNameInTitle(Output& out, std::string_view name, bool utf8)
{
    if (utf8) {
        std::string work;
        putEscaped<Escape::Data>(out, repairUtf8(name, work));
        return;
    }
    if (validUtf8Prefix(name) != name.size()) {
        putEscaped<Escape::Data>(out, name);
        return;
    }
    const auto* s = reinterpret_cast<const unsigned char*>(name.data());
    const std::size_t n = name.size();
    for (std::size_t i = 0; i < n;) {
        const std::size_t ascii = skipAscii(s, n, i);
        putEscaped<Escape::Data>(out, name.substr(i, ascii - i));
        if (ascii == n)
            break;
        // A valid character of 2 to 4 bytes: its lead byte says how many, and which bits count.
        const unsigned char lead = s[ascii];
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        uint32_t code = lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (s[ascii + k] & 0x3Fu);
        out.put("&#");
        out.putInt(code);
        out.put(';');
        i = ascii + length;
    }
}

} // namespace vellum
