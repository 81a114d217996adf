// The frame and the stylesheet of an HTML5 page, shared by every generator: the library's four
// converters and the program's Table Creator write their HTML5 pages through these routines, so
// that the stylesheet is written once, here.
#pragma once

#include <string>
#include <string_view>

namespace pagewright
{

// How an HTML5 page names its language and finds its stylesheet.
struct Html5Frame {
    std::string_view lang;       // the page's language; empty or not a language tag: "en"
    std::string_view stylesheet; // empty: the stylesheet is embedded; otherwise its address, linked
};

// The values a page's options choose, as CSS custom properties: "--pw-border:1px;--pw-text:red".
// They go first in the page's stylesheet, or, for a list or table written without a page around
// it, into the style attribute of its element.
class StyleValues
{
public:
    // Sets --pw-NAME to a CSS value the caller made (a length, a percentage).
    void set(std::string_view name, std::string_view value);
    void setPixels(std::string_view name, long long pixels);
    // Sets --pw-NAME to a colour the user chose, when it is one (see cssColor); true when it was.
    // Any colour set this way leaves out the dark variant of the stylesheet.
    bool setColor(std::string_view name, std::string_view color);

    bool empty() const { return m_declarations.empty(); }
    bool has(std::string_view name) const;
    bool colorsChosen() const { return m_colorsChosen; }
    const std::string& declarations() const { return m_declarations; }

private:
    std::string m_declarations;
    bool m_colorsChosen = false;
};

// A colour as CSS takes it: "#" and 3, 4, 6 or 8 hex digits; six hex digits alone, given a "#";
// a name of letters; rgb(), rgba(), hsl() or hsla() of digits, dots, commas, spaces and "%".
// Anything else gives an empty text: it cannot be a colour, and it must not reach the page.
std::string cssColor(std::string_view color);

// True for a character no HTML5 page may hold: a control character other than tab, line feed,
// form feed and carriage return (C0, DEL and C1), or a noncharacter (U+FDD0 to U+FDEF, and the last
// two code points of every plane).
constexpr bool isForbiddenInHtml5(char32_t c)
{
    const bool control = (c < 0x20 && c != '\t' && c != '\n' && c != '\f' && c != '\r') || (c >= 0x7F && c <= 0x9F);
    return control || (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
}

// The language tag written in <html lang>: `lang` when it is letters, digits and hyphens (at most
// 35, starting with a letter), otherwise "en".
std::string_view pageLanguage(std::string_view lang);

// Text for an attribute value in double quotes: & < > " as references.
std::string attributeText(std::string_view text);

// From the doctype to the open title element.
std::string html5PageStart(const Html5Frame& frame);
// From the end of the title to the open body element: the stylesheet, embedded with the page's
// values as its first rule, or linked; then <body>, with the class when one is given. `headLines`,
// when given, are written right after the title (whole lines, each ending in a line feed).
std::string html5HeadEnd(const Html5Frame& frame, const StyleValues& values, std::string_view bodyClass = {},
                         std::string_view headLines = {});
inline constexpr std::string_view kHtml5PageEnd = "</body>\n</html>\n";

// The stylesheet's rules that are the same on every page.
std::string_view html5Stylesheet();

} // namespace pagewright
