// Step-by-step rendering of txt2h and c2h; see literal_convert.h.
//
// The working line is a string of 16-bit units. Input bytes keep their values 0x00 to 0xFF; the
// placeholder that an ampersand becomes is the unit AMP, which no input byte can equal, so that an
// input byte 0xAA and an escaped ampersand stay apart until each gets its own treatment.
#include "literal_convert.h"

#include <cstddef>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace vellum::literal {
namespace {

using Line = std::u16string;

constexpr char16_t AMP = 0x1AA;          // an ampersand of the input, waiting to become "&amp;"
constexpr char16_t BREAK_MARK = 0xB1;    // "<br>"
constexpr char16_t PARAGRAPH_MARK = 0xB2; // "<p>"
constexpr char16_t PRE_START_MARK = 0xB3; // "<pre>"
constexpr char16_t PRE_END_MARK = 0xB4;   // "</pre>"
constexpr char16_t DASH_MARK = 0xB5;      // "&#151;"
constexpr char16_t RULE_MARK = 0xB9;      // "<hr>"
constexpr char16_t NBSP = 0xA0;           // "&nbsp;"

constexpr std::size_t TEXT_PIECE = 4095;  // bytes read at a time by txt2h and c2h
constexpr std::size_t CODE_LIMIT = 5120;  // longest line c2h's substitutions may make
constexpr std::size_t ADDRESS_LIMIT = 160; // longest web or e-mail address that gets a link

Line to_line(std::string_view bytes)
{
    Line line;
    for (char c : bytes)
        line += static_cast<char16_t>(static_cast<unsigned char>(c));
    return line;
}

Line unit(char16_t u) { return Line(1, u); }

// Back to bytes. Only c2h can leave AMP units in a line (when its length limit stopped their
// replacement); they come out as the ampersand they stand for.
std::string to_bytes(const Line& line)
{
    std::string bytes;
    for (char16_t u : line)
        bytes += u == AMP ? '&' : static_cast<char>(u & 0xFF);
    return bytes;
}

bool starts_with(const Line& line, const Line& prefix) { return line.compare(0, prefix.size(), prefix) == 0; }

bool contains(const Line& line, const Line& text) { return line.find(text) != Line::npos; }

// ---------------------------------------------------------------------------------------------
// Reading: the input's lines in pieces of at most `piece` bytes, as a text-mode line read delivers
// them. CR LF is a line end; a lone CR is an ordinary byte. A line that ends at the line end after a
// whole number of pieces is followed by an extra empty line.
std::vector<std::string> read_lines(std::string_view input, std::size_t piece)
{
    std::string text;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n')
            continue;
        text += input[i];
    }

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t newline = text.find('\n', start);
        bool ended = newline != std::string::npos;
        std::string content = text.substr(start, ended ? newline - start : std::string::npos);
        if (content.empty())
            lines.push_back("");
        for (std::size_t at = 0; at < content.size(); at += piece)
            lines.push_back(content.substr(at, piece));
        if (ended && !content.empty() && content.size() % piece == 0)
            lines.push_back("");
        if (!ended)
            break;
        start = newline + 1;
    }
    return lines;
}

std::string base_name(std::string_view path)
{
    std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// ---------------------------------------------------------------------------------------------
// Shared line helpers.

void trim_trailing_controls(Line& line)
{
    while (!line.empty() && line.back() < 32)
        line.pop_back();
}

void trim_trailing_spaces(Line& line)
{
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
}

void trim_leading_blanks(Line& line)
{
    std::size_t n = 0;
    while (n < line.size() && (line[n] == ' ' || line[n] == '\t'))
        ++n;
    line.erase(0, n);
}

bool is_blank_line(const Line& line)
{
    for (char16_t u : line)
        if (u != ' ' && u != '\t')
            return false;
    return true;
}

// Replaces the first occurrence of the pattern, then searches again from the start of the line, until
// none is left or (limit > 0) the next replacement would make the line longer than the limit.
bool replace_all(Line& line, const Line& pattern, const Line& replacement, std::size_t limit)
{
    bool replaced = false;
    for (;;) {
        std::size_t at = line.find(pattern);
        if (at == Line::npos)
            break;
        if (limit > 0 && line.size() - pattern.size() + replacement.size() > limit)
            break;
        line = line.substr(0, at) + replacement + line.substr(at + pattern.size());
        replaced = true;
    }
    return replaced;
}

// ---------------------------------------------------------------------------------------------
// Web addresses.

bool is_url_stop(char16_t u)
{
    static const Line stops = u"\" ()[]{}<>";
    return stops.find(u) != Line::npos || u == BREAK_MARK || u == PARAGRAPH_MARK || u == PRE_START_MARK ||
           u == PRE_END_MARK || u == RULE_MARK;
}

std::size_t find_url_end(const Line& line, std::size_t position)
{
    std::size_t i = position;
    while (i < line.size()) {
        if (line[i] == ',' && i + 1 < line.size() && line[i + 1] == ' ')
            break;
        if (is_url_stop(line[i]))
            break;
        if (line.compare(i, 4, u"&gt;") == 0)
            break;
        ++i;
    }
    return i;
}

bool inside_web_address(const Line& line, std::size_t position)
{
    std::size_t start = line.find(u"http://");
    if (start == Line::npos || start > position)
        return false;
    return position < find_url_end(line, start);
}

// ---------------------------------------------------------------------------------------------
// Typographic marks.

void mark_double_dashes(Line& line)
{
    Line scratch;
    std::size_t i = 0;
    while (i < line.size()) {
        if (i + 3 < line.size() && line[i + 1] == '-' && line[i + 2] == '-' && line[i] != '-' &&
            line[i + 3] != '-') {
            scratch += line[i];
            scratch += u' ';
            scratch += DASH_MARK;
            scratch += u' ';
            scratch += line[i + 3];
            i += 4;
        } else {
            scratch += line[i];
            i += 1;
        }
    }
    line = scratch;
}

void mark_spaced_hyphens(Line& line)
{
    Line scratch;
    std::size_t i = 0;
    while (i < line.size()) {
        if (i + 2 < line.size() && line[i] == ' ' && line[i + 1] == '-' && line[i + 2] == ' ') {
            scratch += u' ';
            scratch += DASH_MARK;
            scratch += u' ';
            i += 3;
        } else {
            scratch += line[i];
            i += 1;
        }
    }
    line = scratch;
}

void bind_single_letter_words(Line& line)
{
    Line scratch;
    std::size_t i = 0;
    while (i < line.size()) {
        if (i + 2 < line.size() && line[i] == ' ' && (line[i + 1] == 'I' || line[i + 1] == 'A') &&
            line[i + 2] == ' ') {
            scratch += u' ';
            scratch += line[i + 1];
            scratch += NBSP;
            i += 3;
        } else {
            scratch += line[i];
            i += 1;
        }
    }
    line = scratch;
}

// ---------------------------------------------------------------------------------------------
// Character entities.

struct EntityRow {
    char16_t byte;
    const char* replacement; // nullptr: the AMP unit
};

// Applied row by row in this order.
const EntityRow text_entity_table[] = {
    {0x26, nullptr},      {0x3C, "&lt;"},       {0x3E, "&gt;"},       {0x22, "&quot;"},    {0x80, "&euro;"},
    {0x85, "..."},        {0x91, "&#8216;"},    {0x92, "&#8217;"},    {0x93, "&#8220;"},   {0x94, "&#8221;"},
    {0x97, "&#151;"},     {0xA0, "&nbsp;"},     {0xA1, "&iexcl;"},    {0xA2, "&cent;"},    {0xA3, "&pound;"},
    {0xA4, "&curren;"},   {0xA5, "&yen;"},      {0xA6, "&brvbar;"},   {0xA7, "&sect;"},    {0xA9, "&copy;"},
    {0xAA, "&amp;"},      {0xAB, "&laquo;"},    {0xB0, "&deg;"},      {0xB1, "<br>"},      {0xB2, "<p>"},
    {0xB3, "<pre>"},      {0xB4, "</pre>"},     {0xB5, "&#151;"},     {0xB8, "&copy;"},    {0xB9, "<hr>"},
    {0xBA, "&deg;"},      {0xBB, "&raquo;"},    {0xBF, "&iquest;"},   {0xC0, "&Agrave;"},  {0xC1, "&Aacute;"},
    {0xC2, "&Acirc;"},    {0xC3, "&Atilde;"},   {0xC4, "&Auml;"},     {0xC5, "&Aring;"},   {0xC6, "&AElig;"},
    {0xC7, "&Ccedil;"},   {0xC8, "&Egrave;"},   {0xC9, "&Eacute;"},   {0xCA, "&Ecirc;"},   {0xCB, "&Euml;"},
    {0xCC, "&Igrave;"},   {0xCD, "&Iacute;"},   {0xCE, "&Icirc;"},    {0xCF, "&Iuml;"},    {0xD0, "&ETH"},
    {0xD1, "&Ntilde;"},   {0xD2, "&Ograve;"},   {0xD3, "&Oacute;"},   {0xD4, "&Ocirc;"},   {0xD5, "&Otilde;"},
    {0xD6, "&Ouml;"},     {0xD7, "&times;"},    {0xD8, "&Oslash;"},   {0xD9, "&Ugrave;"},  {0xDA, "&Uacute;"},
    {0xDB, "&Ucirc;"},    {0xDC, "&Uuml;"},     {0xDD, "&Yacute;"},   {0xDE, "&THORN;"},   {0xDF, "&szlig;"},
    {0xE0, "&agrave;"},   {0xE1, "&aacute;"},   {0xE2, "&acirc;"},    {0xE3, "&atilde;"},  {0xE4, "&auml;"},
    {0xE5, "&aring;"},    {0xE6, "&aelig;"},    {0xE7, "&ccedil;"},   {0xE8, "&egrave;"},  {0xE9, "&eacute;"},
    {0xEA, "&ecirc;"},    {0xEB, "&euml;"},     {0xEC, "&igrave;"},   {0xED, "&iacute;"},  {0xEE, "&icirc;"},
    {0xEF, "'"},          {0xF0, "&eth;"},      {0xF1, "&ntilde;"},   {0xF2, "&ograve;"},  {0xF3, "&oacute;"},
    {0xF4, "&ocirc;"},    {0xF5, "&otilde;"},   {0xF6, "&ouml;"},     {0xF7, "&divide;"},  {0xF8, "&oslash;"},
    {0xF9, "&ugrave;"},   {0xFA, "&uacute;"},   {0xFB, "&ucirc;"},    {0xFC, "&uuml;"},    {0xFD, "&yacute;"},
    {0xFE, "&thorn;"},    {0xFF, "&yuml;"},
};
static_assert(std::size(text_entity_table) == 97);

// Each row replaces every occurrence of its byte, searching on in the changed line after each
// replacement. An occurrence inside the line's first "http://" address (asked afresh for every
// occurrence, since earlier replacements move where that address ends) stays as it is, except a
// greater-than sign, and except an escaped ampersand: that one always becomes "&amp;".
void substitute_entities(Line& line)
{
    for (const EntityRow& row : text_entity_table) {
        Line replacement = row.replacement ? to_line(row.replacement) : unit(AMP);
        Line wanted = row.byte == 0xAA ? Line{char16_t(0xAA), AMP} : unit(row.byte);
        std::size_t position = 0;
        for (;;) {
            std::size_t at = line.find_first_of(wanted, position);
            if (at == Line::npos)
                break;
            bool always = row.byte == '>' || line[at] == AMP;
            if (!always && inside_web_address(line, at)) {
                position = at + 1;
                continue;
            }
            line = line.substr(0, at) + replacement + line.substr(at + 1);
            position = at + replacement.size();
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Headings and links.

void make_heading(Line& line)
{
    if (line.size() < 3 || line[0] != '\\' || line[1] != 'H' || line[2] < '0' || line[2] > '6')
        return;
    char16_t digit = line[2];
    Line heading = line.substr(3);
    trim_leading_blanks(heading);
    line = u"<h" + unit(digit) + u" align=center>" + heading + u"</h" + unit(digit) + u">";
}

Line with_ampersands_escaped(const Line& text)
{
    Line escaped;
    for (char16_t u : text)
        escaped += u == '&' ? Line(u"&amp;") : unit(u);
    return escaped;
}

void link_web_addresses(Line& line)
{
    static const Line kinds[] = {u"http://", u"ftp://", u"https://", u"www."};
    std::size_t offset = 0;
    for (;;) {
        std::size_t start = Line::npos;
        Line prefix;
        for (const Line& kind : kinds) {
            start = line.find(kind, offset);
            if (start != Line::npos) {
                prefix = kind;
                break;
            }
        }
        if (start == Line::npos)
            return;

        std::size_t end = find_url_end(line, start + prefix.size());
        Line address = line.substr(start, end - start);
        if (address.size() > ADDRESS_LIMIT)
            return;
        bool full_stop = !address.empty() && address.back() == '.';
        if (full_stop)
            address.pop_back();

        Line rebuilt = line.substr(0, start) + u"<a href=\"";
        if (prefix == u"www.")
            rebuilt += u"http://";
        rebuilt += address + u"\">" + with_ampersands_escaped(address) + u"</a>";
        if (full_stop)
            rebuilt += u'.';
        offset = rebuilt.size();
        rebuilt += line.substr(end);
        line = rebuilt;
    }
}

// Start and end of the e-mail address around the line's first "@".
std::optional<std::pair<std::size_t, std::size_t>> find_email_address(const Line& line)
{
    std::size_t at = line.find(u'@');
    if (at == Line::npos || at == 0)
        return std::nullopt;

    static const Line left_stops = u" <:;>\"";
    std::size_t start = at;
    while (start > 0 && left_stops.find(line[start - 1]) == Line::npos)
        --start;

    if (at + 1 >= line.size())
        return std::nullopt;

    std::size_t end = at + 1;
    int full_stops = 0;
    std::size_t last_full_stop = Line::npos;
    while (end < line.size() && line[end] != '<' && line[end] != '&' && line[end] != ' ') {
        if (line[end] == '.') {
            ++full_stops;
            last_full_stop = end;
        }
        ++end;
    }
    if (line[end - 1] == '.') {
        // A full stop that ends the sentence is no part of the address: neither counted nor the
        // last one seen.
        --end;
        --full_stops;
        last_full_stop = line.rfind(u'.', end - 1);
        if (last_full_stop != Line::npos && last_full_stop <= at)
            last_full_stop = Line::npos;
    }
    if (full_stops == 1 && last_full_stop != Line::npos && last_full_stop >= at + 2)
        return std::make_pair(start, end);
    return std::nullopt;
}

void link_email_address(Line& line)
{
    auto found = find_email_address(line);
    if (!found)
        return;
    auto [start, end] = *found;
    if (end - start > ADDRESS_LIMIT)
        return;
    Line address = line.substr(start, end - start);
    line = line.substr(0, start) + u"<a href=\"mailto:" + address + u"\">" + address + u"</a>" + line.substr(end);
}

// ---------------------------------------------------------------------------------------------
// Mail header lines: 0 ordinary text, 1 a header that is dropped, 2 a header that is written.
int classify_header_line(const Line& line)
{
    for (const Line& tag : {Line(u"br>"), Line(u"BR>"), Line(u"p>"), Line(u"P>"), Line(u"pre>"), Line(u"PRE>")})
        if (contains(line, tag))
            return 0;
    std::size_t colon = line.find(u':');
    if (colon == Line::npos)
        return 0;
    Line name = line.substr(0, colon);
    if (line[0] < 'A' || line[0] > 'Z')
        return 0;
    if (contains(name, u" "))
        return 0;
    if (name.size() < 2)
        return 0;
    if (colon + 1 >= line.size() || (line[colon + 1] != ' ' && line[colon + 1] != '\t'))
        return 0;
    if (contains(name, u"-"))
        return 1;
    if (contains(u"DateSubjectFromTo", name))
        return 2;
    return 0;
}

Line to_upper(Line line)
{
    for (char16_t& u : line)
        if (u >= 'a' && u <= 'z')
            u = static_cast<char16_t>(u - 'a' + 'A');
    return line;
}

// The number after a rule's hyphens, read as atoi reads it: leading white space (space, tab, line
// feed, vertical tab, form feed, carriage return) skipped, an optional sign, the digits up to the
// first non-digit.
int rule_width(const Line& line, std::size_t from)
{
    static const Line white_space = u" \t\n\v\f\r";
    std::size_t i = from;
    while (i < line.size() && white_space.find(line[i]) != Line::npos)
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }
    int value = 0; // at most three digits stand before the percent sign
    while (i < line.size() && line[i] >= '0' && line[i] <= '9')
        value = value * 10 + (line[i++] - '0');
    return negative ? -value : value;
}

// ---------------------------------------------------------------------------------------------
// The text converter's line loop.

class TextPage {
public:
    std::string out;
    int32_t result = 0;

    // Returns false when the line holds an HTML marker and the conversion stops.
    bool convert(Line line);

private:
    bool paragraph_open = false;
    bool in_preformatted = false;

    void write(const std::string& text)
    {
        out += text;
        paragraph_open = false;
    }
    void write_line_out(Line& line);
};

bool TextPage::convert(Line line)
{
    trim_trailing_controls(line);

    Line upper = to_upper(line);
    if (contains(upper, u"<HTML>")) {
        result = -6;
        return false;
    }
    if (contains(upper, u"<X-HTML>")) {
        result = -7;
        return false;
    }

    if (is_blank_line(line)) {
        if (!paragraph_open) {
            out += "\n<p>";
            paragraph_open = true;
        }
        return true;
    }

    if (starts_with(line, u"From ???@???"))
        return true;

    int header = classify_header_line(line);
    if (header == 1)
        return true;
    if (header == 2 && !in_preformatted) {
        substitute_entities(line);
        write("\n" + std::string(paragraph_open ? "" : "<br>") + to_bytes(line));
        return true;
    }

    if (line[0] == '>' && !paragraph_open)
        write("<br>");

    if (line.size() >= 2 && line[line.size() - 2] == ' ' && line.back() == '=')
        line.pop_back();

    replace_all(line, u"<BR>", unit(BREAK_MARK), 0);
    replace_all(line, u"<br>", unit(BREAK_MARK), 0);
    replace_all(line, u"<P>", unit(PARAGRAPH_MARK), 0);
    replace_all(line, u"<p>", unit(PARAGRAPH_MARK), 0);
    replace_all(line, u"<HR>", unit(RULE_MARK), 0);
    replace_all(line, u"<hr>", unit(RULE_MARK), 0);

    bool check_indent = true;
    if (replace_all(line, u"<PRE>", unit(PRE_START_MARK), 0))
        in_preformatted = true;
    if (replace_all(line, u"<pre>", unit(PRE_START_MARK), 0))
        in_preformatted = true;
    if (!in_preformatted) {
        mark_double_dashes(line);
        mark_spaced_hyphens(line);
        bind_single_letter_words(line);
    } else {
        bool ended = replace_all(line, u"</PRE>", unit(PRE_END_MARK), 0);
        if (!ended)
            ended = replace_all(line, u"</pre>", unit(PRE_END_MARK), 0);
        if (ended)
            in_preformatted = false;
        else
            check_indent = false;
    }

    // A line indented with non-breaking spaces starts a paragraph.
    if (check_indent && line.size() > 3 && !paragraph_open && line[0] == NBSP && line[1] == NBSP &&
        line[2] == NBSP)
        write("\n<p>");

    substitute_entities(line);
    make_heading(line);
    link_web_addresses(line);
    link_email_address(line);

    write_line_out(line);
    return true;
}

void TextPage::write_line_out(Line& line)
{
    if (line.empty())
        return;
    if (in_preformatted || line.size() == 1) {
        write(to_bytes(line) + "\n");
        return;
    }

    replace_all(line, u"  ", u" ", 0);

    // A word broken across lines: drop the hyphen and let the next line follow directly.
    std::size_t n = line.size();
    if (n >= 2 && line[n - 1] == '-' && line[n - 2] != '-' && !inside_web_address(line, n - 2)) {
        line.pop_back();
        write(to_bytes(line));
        return;
    }

    std::size_t hyphens = 0;
    while (hyphens < line.size() && line[hyphens] == '-')
        ++hyphens;
    if (hyphens >= 10) {
        std::string paragraph = paragraph_open ? "" : "<p>";
        if (hyphens == line.size()) {
            write(paragraph + "<hr>\n");
            return;
        }
        bool percent = (hyphens + 2 < line.size() && line[hyphens + 2] == '%') ||
                       (hyphens + 3 < line.size() && line[hyphens + 3] == '%');
        if (percent) {
            write(paragraph + "<hr width=" + std::to_string(rule_width(line, hyphens)) + "%>\n");
            return;
        }
    }

    if (starts_with(line, u"----") || starts_with(line, u"====")) {
        write("<br>\n" + to_bytes(line) + "<br>\n");
        return;
    }
    write(to_bytes(line) + "\n");
}

} // namespace

PageResult txt2h(std::string_view input_bytes, std::string_view output_file_name, std::string_view text_color,
                 std::string_view background_color)
{
    TextPage page;
    std::string& out = page.out;
    out += "\n<html>\n<head>";
    out += "\n<title>" + base_name(output_file_name) + "</title>";
    out += "\n<meta name=\"DESCRIPTION\" content=\"\">";
    out += "\n<meta name=\"KEYWORDS\" content=\"\">";
    out += "\n</head>\n\n<body ";
    out += "bgcolor=\"" + std::string(background_color.empty() ? "#E0FFFF" : background_color) + "\" ";
    out += "text=\"" + std::string(text_color.empty() ? "#000000" : text_color) + "\"";
    out += " link=\"#0000FF\" alink=\"#FF00FF\" vlink=\"#800080\" background=\"\">\n<blockquote>\n\n";

    for (const std::string& piece : read_lines(input_bytes, TEXT_PIECE))
        if (!page.convert(to_line(piece)))
            break;

    if (page.result != -6 && page.result != -7)
        out += "\n</blockquote>\n</body>\n</html>\n\n";
    return {page.result, out};
}

std::string c2h(std::string_view input_bytes, std::string_view input_file_name, std::string_view output_file_name,
                int32_t margin_spaces, int32_t tab_spaces)
{
    std::string margin(margin_spaces > 0 ? static_cast<std::size_t>(margin_spaces) : 0, ' ');
    // A tab string longer than the limit can never be put in; capping it changes nothing.
    std::size_t tab_width = tab_spaces > 0 ? static_cast<std::size_t>(tab_spaces) : 0;
    Line tab(tab_width > CODE_LIMIT + 1 ? CODE_LIMIT + 1 : tab_width, u' ');

    std::string out;
    out += "<html>";
    out += "\n<head>";
    out += "\n<title>" + base_name(input_file_name) + " converted to " + base_name(output_file_name) + "</title>";
    out += "\n<meta name=\"ROBOTS\" content=\"NOINDEX\">";
    out += "\n</head>";
    out += "\n<body bgcolor=\"#FFFFFF\" text=\"#000000\">";
    out += "\n<pre>";

    for (const std::string& piece : read_lines(input_bytes, TEXT_PIECE)) {
        Line line = to_line(piece);
        trim_trailing_controls(line);
        replace_all(line, u"\t", tab, CODE_LIMIT);
        trim_trailing_spaces(line);

        replace_all(line, u"&", unit(AMP), CODE_LIMIT);
        replace_all(line, u"<", u"&lt;", CODE_LIMIT);
        replace_all(line, u">", u"&gt;", CODE_LIMIT);
        replace_all(line, u"\"", u"&quot;", CODE_LIMIT);
        // The last row takes escaped ampersands and input bytes 0xAA alike, leftmost first.
        for (;;) {
            std::size_t at = line.find_first_of(Line{char16_t(0xAA), AMP});
            if (at == Line::npos || line.size() - 1 + 5 > CODE_LIMIT)
                break;
            line = line.substr(0, at) + u"&amp;" + line.substr(at + 1);
        }

        out += margin + to_bytes(line) + "\n";
    }

    out += "</pre>\n</body>\n</html>\n";
    return out;
}

} // namespace vellum::literal
