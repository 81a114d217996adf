// What each byte becomes in a page. Bytes 0x80 to 0xFF are read as Windows-1252.
#pragma once

#include <array>
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

// Placeholder bytes that stand for tags and marks while a text line is edited; the entity table
// turns them into what they stand for.
inline constexpr unsigned char kBreakTag = 0xB1;      // <br>
inline constexpr unsigned char kParagraphTag = 0xB2;  // <p>
inline constexpr unsigned char kPreStartTag = 0xB3;   // <pre>
inline constexpr unsigned char kPreEndTag = 0xB4;     // </pre>
inline constexpr unsigned char kDash = 0xB5;          // &#151;
inline constexpr unsigned char kRuleTag = 0xB9;       // <hr>
inline constexpr unsigned char kNoBreakSpace = 0xA0;  // &nbsp;
inline constexpr unsigned char kAmpersandMark = 0xAA; // &amp;

// text_entity_table: the replacement of each byte in the text converter; an empty entry means the
// byte is written unchanged. An ampersand and the byte 0xAA both become "&amp;".
extern const ByteTable text_entity_table;
// The same without the four reserved characters & < > " (used once those are done).
extern const ByteTable text_entity_table_after_reserved;
// code_entity_table: the code converter escapes only & < > ", and 0xAA becomes "&amp;".
extern const ByteTable code_entity_table;

// What every byte becomes, as eight bytes of which the first `length` count, so that a byte can
// be written with one fixed-size copy and no test (no replacement is longer than eight bytes).
struct WideByteTable {
    char text[256][8];
    unsigned char length[256];
};
extern const WideByteTable text_entity_table_wide;
extern const WideByteTable text_entity_table_after_reserved_wide;
extern const WideByteTable code_entity_table_wide;

} // namespace vellum
