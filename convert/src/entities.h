// What each byte becomes in a page, and the marks that stand for tags while a text line is edited.
#pragma once

#include "bytes.h"
#include "output.h"

#include <algorithm>
#include <array>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>
#include <string>
#include <string_view>

namespace vellum
{

// The replacement of each byte; `replaced` says which bytes have one.
struct ByteTable {
    std::array<std::string_view, 256> replacement{};
    std::array<bool, 256> replaced{};

    std::string_view operator[](unsigned char c) const { return replacement[c]; }
    constexpr void set(unsigned char c, std::string_view text)
    {
        replacement[c] = text;
        replaced[c] = true;
    }
};

// text_entity_table: what each byte becomes in the text converter when the input is read as
// Windows-1252; an empty entry means the byte is written unchanged.
extern const ByteTable text_entity_table;

// Marks. While a text line is edited, the tags it holds and the dashes made from hyphens are
// carried as two bytes: a line feed and a kind byte. A line that was read never holds a line feed,
// so no input character can be taken for a mark; the escaping routines below write each mark as
// what it stands for.
inline constexpr char kMark = '\n';
enum MarkKind : char {
    kBreakTag = 1,     // <br>
    kParagraphTag = 2, // <p>
    kRuleTag = 3,      // <hr>
    kPreStartTag = 4,  // <pre>
    kPreEndTag = 5,    // </pre>
    kDash = 6,         // &#151;
    kHtml5Dash = 7,    // &#8212;, the same dash as an HTML5 page may write it
};
inline std::string_view markText(char kind)
{
    static constexpr std::string_view kTexts[] = {"", "<br>", "<p>", "<hr>", "<pre>", "</pre>", "&#151;", "&#8212;"};
    return kTexts[static_cast<unsigned char>(kind) & 7];
}
inline void appendMark(std::string& line, MarkKind kind)
{
    line += kMark;
    line += static_cast<char>(kind);
}

// The non-breaking space as a Windows-1252 byte.
inline constexpr unsigned char kNoBreakSpace = 0xA0;

// What every byte becomes, as eight bytes of which the first `length` count, so that a byte can
// be written with one fixed-size copy and no test (no replacement is longer than eight bytes).
struct WideByteTable {
    char text[256][8];
    unsigned char length[256];
};

// The ways of escaping a run of bytes:
//   Text1252  text lines read as Windows-1252: text_entity_table, and marks;
//   TextUtf8  text lines read as UTF-8 (valid, but for one thing: a byte 0xA0 right after an ASCII
//             byte, a space bound to a single letter): & < > " escaped, U+00A0 and that byte
//             written "&nbsp;", marks, every other byte as it is;
//   Code      & < > " escaped, every other byte as it is;
//   Data      & < > escaped, every other byte as it is (data written with VELLUM62_ESCAPE_DATA);
//   Text1252Html5  text lines read as Windows-1252 for an HTML5 page, which is UTF-8: & < > "
//             escaped, each byte above ASCII as its character in UTF-8 (0xA0 "&nbsp;", the
//             ellipsis three full stops, an undefined byte U+FFFD), control characters but tab,
//             form feed and carriage return as U+FFFD, and marks.
enum class Escape { Text1252, TextUtf8, Code, Data, Text1252Html5 };

extern const WideByteTable kText1252Wide;
extern const WideByteTable kText1252Html5Wide;
extern const WideByteTable kAsciiReservedWide; // & < > "
extern const WideByteTable kDataWide;          // & < >

namespace detail
{

template <Escape mode> inline const WideByteTable& wideTable()
{
    if constexpr (mode == Escape::Text1252)
        return kText1252Wide;
    else if constexpr (mode == Escape::Text1252Html5)
        return kText1252Html5Wide;
    else if constexpr (mode == Escape::Data)
        return kDataWide;
    else
        return kAsciiReservedWide;
}

// The high bit of every byte of eight that may need more than a copy.
template <Escape mode> inline uint64_t candidates(uint64_t word)
{
    uint64_t marked = bytesEqual(word, '&') | bytesEqual(word, '<') | bytesEqual(word, '>');
    if constexpr (mode != Escape::Data)
        marked |= bytesEqual(word, '"');
    if constexpr (mode == Escape::Text1252)
        marked |= (word & kHighBits) | bytesEqual(word, '\n');
    if constexpr (mode == Escape::Text1252Html5) // above ASCII, below the space, and DEL
        marked |= (word & kHighBits) | ((word - kEveryByteOne * 0x20) & ~word & kHighBits) | bytesEqual(word, 0x7F);
    if constexpr (mode == Escape::TextUtf8)
        marked |= bytesEqual(word, 0xC2) | bytesEqual(word, 0xA0) | bytesEqual(word, '\n');
    return marked;
}

#if defined(__SSE2__)
// The same for sixteen bytes, as a bit per byte.
template <Escape mode> inline unsigned candidates16(const char* bytes)
{
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    auto equal = [&v](char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
    __m128i marked = _mm_or_si128(_mm_or_si128(equal('&'), equal('<')), equal('>'));
    if constexpr (mode != Escape::Data)
        marked = _mm_or_si128(marked, equal('"'));
    if constexpr (mode == Escape::Text1252)
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(marked, equal('\n'))) | _mm_movemask_epi8(v));
    if constexpr (mode == Escape::Text1252Html5) {
        const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(0x1F)), v);
        marked = _mm_or_si128(marked, _mm_or_si128(control, equal(0x7F)));
        return static_cast<unsigned>(_mm_movemask_epi8(marked) | _mm_movemask_epi8(v));
    }
    if constexpr (mode == Escape::TextUtf8)
        marked = _mm_or_si128(_mm_or_si128(marked, equal('\n')),
                              _mm_or_si128(equal(static_cast<char>(0xC2)), equal(static_cast<char>(0xA0))));
    return static_cast<unsigned>(_mm_movemask_epi8(marked));
}
#endif

template <Escape mode> inline std::size_t putOne(char*& to, const char* data, std::size_t n, std::size_t i)
{
    const unsigned char c = static_cast<unsigned char>(data[i]);
    if constexpr (mode == Escape::Text1252 || mode == Escape::TextUtf8 || mode == Escape::Text1252Html5) {
        if (c == static_cast<unsigned char>(kMark) && i + 1 < n) {
            const std::string_view text = markText(data[i + 1]);
            std::memcpy(to, text.data(), text.size());
            to += text.size();
            return i + 2;
        }
    }
    if constexpr (mode == Escape::TextUtf8) {
        const bool pair = c == 0xC2 && i + 1 < n && static_cast<unsigned char>(data[i + 1]) == 0xA0;
        if (pair || (c == 0xA0 && (i == 0 || static_cast<unsigned char>(data[i - 1]) < 0x80))) {
            std::memcpy(to, "&nbsp;", 6);
            to += 6;
            return i + (pair ? 2 : 1);
        }
    }
    const WideByteTable& table = wideTable<mode>();
    std::memcpy(to, table.text[c], 8);
    to += table.length[c];
    return i + 1;
}

} // namespace detail

// Writes `text` at `to`, escaped as `mode` says; `to` needs room for 8 bytes per byte of text and
// 8 more. Returns the end of what it wrote.
template <Escape mode> char* writeEscaped(char* to, std::string_view text)
{
    const char* data = text.data();
    const std::size_t n = text.size();
    std::size_t i = 0;
#if defined(__SSE2__)
    while (i + 16 <= n) {
        // Sixteen bytes of which none needs more than a copy are copied at once; otherwise the
        // bytes before the first that does, and then one by one to the end of the sixteen.
        const unsigned marked = detail::candidates16<mode>(data + i);
        std::memcpy(to, data + i, 16);
        if (marked == 0) {
            to += 16;
            i += 16;
            continue;
        }
        const std::size_t first = static_cast<std::size_t>(__builtin_ctz(marked));
        to += first;
        const std::size_t groupEnd = i + 16;
        i += first;
        while (i < groupEnd)
            i = detail::putOne<mode>(to, data, n, i);
    }
#endif
    while (i + 8 <= n) {
        // Eight bytes of which none needs more than a copy are copied at once.
        const uint64_t word = loadEight(data + i);
        if (detail::candidates<mode>(word) == 0) {
            std::memcpy(to, &word, sizeof word);
            to += sizeof word;
            i += 8;
            continue;
        }
        const std::size_t groupEnd = i + 8;
        while (i < groupEnd)
            i = detail::putOne<mode>(to, data, n, i);
    }
    while (i < n)
        i = detail::putOne<mode>(to, data, n, i);
    return to;
}

// Appends `text` to `out`, escaped as `mode` says. Long text goes in chunks, each cut where it
// splits no mark and no UTF-8 character, so that `out` never needs room for eight times the whole
// text.
template <Escape mode> void appendEscaped(std::string& out, std::string_view text)
{
    constexpr std::size_t kChunk = 64 * 1024;
    while (!text.empty()) {
        std::size_t size = std::min(text.size(), kChunk);
        if (size < text.size() && text[size - 1] == kMark)
            ++size;
        while (size < text.size() && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
            ++size;
        const std::size_t start = out.size();
        out.resize(start + 8 * size + 8); // room for the widest replacement of every byte
        char* end = writeEscaped<mode>(out.data() + start, text.substr(0, size));
        out.resize(static_cast<std::size_t>(end - out.data()));
        text.remove_prefix(size);
    }
}

} // namespace vellum

namespace vellum
{

// Writes `text` to `out`, escaped as `mode` says (Code or Data), in chunks, so that the output
// buffer need not hold eight times the longest line.
template <Escape mode> void putEscaped(Output& out, std::string_view text)
{
    static_assert(mode == Escape::Code || mode == Escape::Data, "text marks may not be cut");
    constexpr std::size_t kChunk = 16 * 1024;
    while (!text.empty()) {
        const std::string_view chunk = text.substr(0, kChunk);
        char* start = out.reserve(8 * chunk.size() + 8);
        out.commit(static_cast<std::size_t>(writeEscaped<mode>(start, chunk) - start));
        text.remove_prefix(chunk.size());
    }
}

} // namespace vellum
