#include "utf8.h"

#include "bytes.h"
#include "entities.h"
#include "page_style.h"
#include "text_encoding.h"

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

// The bit of each of sixteen bytes that may be, or start, a character an HTML5 page may not hold:
// a control byte other than tab, line feed and carriage return, and DEL; with `high` (UTF-8 text)
// also the lead bytes of C1 controls (C2) and of noncharacters (EF, F0 to F4), whose characters are
// then told apart one by one; without `high` (Windows-1252 text) every byte above ASCII, which
// the line's own reading then writes as UTF-8.
#if defined(__SSE2__)
template <bool high> unsigned suspects16(const unsigned char* s)
{
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
    __m128i below = _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(0x1F)), v);
    if constexpr (high) {
        const __m128i c2 = _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(0xC2)));
        const __m128i ef = _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(0xEF)));
        const __m128i f0 = _mm_cmpeq_epi8(_mm_max_epu8(v, _mm_set1_epi8(static_cast<char>(0xF0))), v);
        below = _mm_or_si128(below, _mm_or_si128(c2, _mm_or_si128(ef, f0)));
    } else {
        below = _mm_or_si128(below, _mm_cmplt_epi8(v, _mm_setzero_si128())); // every byte above ASCII
    }
    const __m128i blank = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\t')),
                                       _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')),
                                                    _mm_cmpeq_epi8(v, _mm_set1_epi8('\r'))));
    const __m128i del = _mm_cmpeq_epi8(v, _mm_set1_epi8(0x7F));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(_mm_andnot_si128(blank, below), del)));
}
#endif

template <bool high> bool isSuspect(unsigned char c)
{
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F ||
           (high ? c == 0xC2 || c == 0xEF || c >= 0xF0 : c >= 0x80);
}

// Where the first suspect byte stands at or after `i`, or n.
template <bool high = true> std::size_t nextSuspect(const unsigned char* s, std::size_t n, std::size_t i)
{
#if defined(__SSE2__)
    for (; i + 16 <= n; i += 16)
        if (const unsigned marked = suspects16<high>(s + i))
            return i + static_cast<std::size_t>(__builtin_ctz(marked));
    if (i < n && n >= 16) {
        // The last sixteen bytes, of which those before `i` are left out.
        const unsigned marked = suspects16<high>(s + n - 16) >> (i - (n - 16));
        return marked ? i + static_cast<std::size_t>(__builtin_ctz(marked)) : n;
    }
#endif
    while (i < n && !isSuspect<high>(s[i]))
        ++i;
    return i;
}

// The number of bytes of the character at `i` (the text is valid UTF-8), negated when it is one
// an HTML5 page may not hold.
long characterForHtml5(const unsigned char* s, std::size_t n, std::size_t i)
{
    const unsigned char lead = s[i];
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length && i + k < n; ++k)
        code = (code << 6) | (s[i + k] & 0x3Fu);
    const auto signedLength = static_cast<long>(length);
    return pagewright::isForbiddenInHtml5(code) ? -signedLength : signedLength;
}

} // namespace

std::size_t html5CleanPrefix(std::string_view text, bool utf8)
{
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0;;) {
        i = utf8 ? nextSuspect<true>(s, n, i) : nextSuspect<false>(s, n, i);
        if (i >= n)
            return n;
        if (!utf8)
            return i;
        if (s[i] >= 0x80 && lengthAt(s, n, i) < 0)
            return i; // not UTF-8: repaired line by line
        const long length = characterForHtml5(s, n, i);
        if (length < 0)
            return i;
        i += static_cast<std::size_t>(length);
    }
}

std::string_view cleanForHtml5(std::string_view line, std::string& work)
{
    const auto* s = reinterpret_cast<const unsigned char*>(line.data());
    std::size_t n = line.size();
    while (n > 0 && s[n - 1] < 0x20)
        --n; // trimmed by the converters
    bool cleaning = false;
    std::size_t copied = 0;
    for (std::size_t i = nextSuspect(s, n, 0); i < n; i = nextSuspect(s, n, i)) {
        const long length = characterForHtml5(s, n, i);
        if (length > 0) {
            i += static_cast<std::size_t>(length);
            continue;
        }
        if (!cleaning) {
            work.clear();
            cleaning = true;
        }
        work.append(line, copied, i - copied);
        work += kReplacementCharacter;
        i += static_cast<std::size_t>(-length);
        copied = i;
    }
    if (!cleaning)
        return line;
    work.append(line, copied, std::string_view::npos);
    return work;
}

std::string_view windows1252ToUtf8(std::string_view line, std::string& work, bool dotsForEllipsis)
{
    const auto* s = reinterpret_cast<const unsigned char*>(line.data());
    std::size_t n = line.size();
    while (n > 0 && s[n - 1] < 0x20)
        --n; // control bytes at the end stay: the converters trim them
    std::size_t i = nextSuspect<false>(s, n, 0);
    if (i == n)
        return line;
    work.assign(line, 0, i);
    while (i < n) {
        const std::size_t plain = nextSuspect<false>(s, n, i);
        work.append(line, i, plain - i);
        if (plain == n)
            break;
        const unsigned char c = s[plain];
        i = plain + 1;
        if (c < 0x80) {
            // A control character: form feed is white space to a page, the others stand for nothing.
            work += c == '\f' ? std::string_view("\f") : kReplacementCharacter;
            continue;
        }
        if (c == 0x85 && dotsForEllipsis) {
            work += "...";
        } else {
            char utf8[3];
            work.append(utf8, pagewright::encodeUtf8(pagewright::isUndefinedInWindows1252(c)
                                                         ? 0xFFFD
                                                         : pagewright::windows1252Character(c),
                                                     utf8));
        }
    }
    work.append(line, n, std::string_view::npos);
    return work;
}

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
