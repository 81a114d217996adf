#include "entities.h"

#include "text_encoding.h"

namespace vellum
{
namespace
{

constexpr std::string_view kLatin1Names[64] = {
    "&Agrave;", "&Aacute;", "&Acirc;",  "&Atilde;", "&Auml;",   "&Aring;",  "&AElig;", "&Ccedil;",
    "&Egrave;", "&Eacute;", "&Ecirc;",  "&Euml;",   "&Igrave;", "&Iacute;", "&Icirc;", "&Iuml;",
    "&ETH;",    "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;",  "&Otilde;", "&Ouml;",  "&times;",
    "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;",  "&Uuml;",   "&Yacute;", "&THORN;", "&szlig;",
    "&agrave;", "&aacute;", "&acirc;",  "&atilde;", "&auml;",   "&aring;",  "&aelig;", "&ccedil;",
    "&egrave;", "&eacute;", "&ecirc;",  "&euml;",   "&igrave;", "&iacute;", "&icirc;", "&iuml;",
    "&eth;",    "&ntilde;", "&ograve;", "&oacute;", "&ocirc;",  "&otilde;", "&ouml;",  "&divide;",
    "&oslash;", "&ugrave;", "&uacute;", "&ucirc;",  "&uuml;",   "&yacute;", "&thorn;", "&yuml;",
};

constexpr void setReserved(ByteTable& t, bool withQuote)
{
    t.set('&', "&amp;");
    t.set('<', "&lt;");
    t.set('>', "&gt;");
    if (withQuote)
        t.set('"', "&quot;");
}

constexpr ByteTable makeTextTable()
{
    ByteTable t{};
    setReserved(t, true);
    t.set(0x80, "&euro;");
    t.set(0x85, "...");
    t.set(0x91, "&#8216;");
    t.set(0x92, "&#8217;");
    t.set(0x93, "&#8220;");
    t.set(0x94, "&#8221;");
    t.set(0x97, "&#151;");
    t.set(0xA0, "&nbsp;");
    t.set(0xA1, "&iexcl;");
    t.set(0xA2, "&cent;");
    t.set(0xA3, "&pound;");
    t.set(0xA4, "&curren;");
    t.set(0xA5, "&yen;");
    t.set(0xA6, "&brvbar;");
    t.set(0xA7, "&sect;");
    t.set(0xA9, "&copy;");
    t.set(0xAA, "&ordf;");
    t.set(0xAB, "&laquo;");
    t.set(0xB0, "&deg;");
    t.set(0xB1, "&plusmn;");
    t.set(0xB2, "&sup2;");
    t.set(0xB3, "&sup3;");
    t.set(0xB4, "&acute;");
    t.set(0xB5, "&micro;");
    t.set(0xB8, "&cedil;");
    t.set(0xB9, "&sup1;");
    t.set(0xBA, "&ordm;");
    t.set(0xBB, "&raquo;");
    t.set(0xBF, "&iquest;");
    for (int i = 0; i < 64; ++i)
        t.set(static_cast<unsigned char>(0xC0 + i), kLatin1Names[i]);
    return t;
}

constexpr ByteTable makeReservedTable(bool withQuote)
{
    ByteTable t{};
    setReserved(t, withQuote);
    return t;
}

constexpr WideByteTable widen(const ByteTable& table)
{
    WideByteTable wide{};
    for (int c = 0; c < 256; ++c) {
        const std::string_view text = table.replaced[c] ? table.replacement[c] : std::string_view();
        if (text.empty()) {
            wide.text[c][0] = static_cast<char>(c);
            wide.length[c] = 1;
        } else {
            static_assert(sizeof wide.text[0] == 8);
            for (std::size_t k = 0; k < text.size() && k < 8; ++k)
                wide.text[c][k] = text[k];
            wide.length[c] = static_cast<unsigned char>(text.size());
        }
    }
    return wide;
}

// The text table of an HTML5 page read from Windows-1252: characters in UTF-8, not references.
struct Html5TextTable {
    char bytes[256][4] = {};
    ByteTable table{};
    constexpr Html5TextTable()
    {
        setReserved(table, true);
        for (int c = 1; c < 0x20; ++c)
            if (c != '\t' && c != '\f' && c != '\r')
                encode(c, 0xFFFD);
        encode(0x7F, 0xFFFD);
        for (int c = 0x80; c < 0x100; ++c) {
            const auto byte = static_cast<unsigned char>(c);
            encode(c, pagewright::isUndefinedInWindows1252(byte) ? 0xFFFD : pagewright::windows1252Character(byte));
        }
        table.set(0x85, "...");
        table.set(0xA0, "&nbsp;");
    }
    constexpr void encode(int c, char32_t code)
    {
        table.set(static_cast<unsigned char>(c), std::string_view(bytes[c], pagewright::encodeUtf8(code, bytes[c])));
    }
};

} // namespace

const ByteTable text_entity_table = makeTextTable();
const WideByteTable kText1252Wide = widen(makeTextTable());
const WideByteTable kAsciiReservedWide = widen(makeReservedTable(true));
const WideByteTable kDataWide = widen(makeReservedTable(false));
const WideByteTable kText1252Html5Wide = widen(Html5TextTable().table);

} // namespace vellum
