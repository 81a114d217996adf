#include "entities.h"

namespace vellum {
namespace {

constexpr std::string_view kLatin1Names[64] = {
    "&Agrave;", "&Aacute;", "&Acirc;",  "&Atilde;", "&Auml;",   "&Aring;",  "&AElig;",  "&Ccedil;",
    "&Egrave;", "&Eacute;", "&Ecirc;",  "&Euml;",   "&Igrave;", "&Iacute;", "&Icirc;",  "&Iuml;",
    "&ETH",     "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;",  "&Otilde;", "&Ouml;",   "&times;",
    "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;",  "&Uuml;",   "&Yacute;", "&THORN;",  "&szlig;",
    "&agrave;", "&aacute;", "&acirc;",  "&atilde;", "&auml;",   "&aring;",  "&aelig;",  "&ccedil;",
    "&egrave;", "&eacute;", "&ecirc;",  "&euml;",   "&igrave;", "&iacute;", "&icirc;",  "'",
    "&eth;",    "&ntilde;", "&ograve;", "&oacute;", "&ocirc;",  "&otilde;", "&ouml;",   "&divide;",
    "&oslash;", "&ugrave;", "&uacute;", "&ucirc;",  "&uuml;",   "&yacute;", "&thorn;",  "&yuml;",
};

constexpr ByteTable makeTextTable(bool withReserved)
{
    ByteTable t{};
    if (withReserved) {
        t['&'] = "&amp;";
        t['<'] = "&lt;";
        t['>'] = "&gt;";
        t['"'] = "&quot;";
    }
    t[0x80] = "&euro;";
    t[0x85] = "...";
    t[0x91] = "&#8216;";
    t[0x92] = "&#8217;";
    t[0x93] = "&#8220;";
    t[0x94] = "&#8221;";
    t[0x97] = "&#151;";
    t[0xA0] = "&nbsp;";
    t[0xA1] = "&iexcl;";
    t[0xA2] = "&cent;";
    t[0xA3] = "&pound;";
    t[0xA4] = "&curren;";
    t[0xA5] = "&yen;";
    t[0xA6] = "&brvbar;";
    t[0xA7] = "&sect;";
    t[0xA9] = "&copy;";
    t[0xAA] = "&amp;";
    t[0xAB] = "&laquo;";
    t[0xB0] = "&deg;";
    t[0xB1] = "<br>";
    t[0xB2] = "<p>";
    t[0xB3] = "<pre>";
    t[0xB4] = "</pre>";
    t[0xB5] = "&#151;";
    t[0xB8] = "&copy;";
    t[0xB9] = "<hr>";
    t[0xBA] = "&deg;";
    t[0xBB] = "&raquo;";
    t[0xBF] = "&iquest;";
    for (int i = 0; i < 64; ++i)
        t[0xC0 + i] = kLatin1Names[i];
    return t;
}

constexpr ByteTable makeCodeTable()
{
    ByteTable t{};
    t['&'] = "&amp;";
    t['<'] = "&lt;";
    t['>'] = "&gt;";
    t['"'] = "&quot;";
    t[0xAA] = "&amp;";
    return t;
}

} // namespace

constexpr ByteTable kTextTable = makeTextTable(true);
const ByteTable text_entity_table = kTextTable;
const ByteTable text_entity_table_after_reserved = makeTextTable(false);
const ByteTable code_entity_table = makeCodeTable();

} // namespace vellum
