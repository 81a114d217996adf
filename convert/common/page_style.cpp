#include "page_style.h"

#include <algorithm>
#include <utility>

namespace pagewright
{
namespace
{

// The colours of a page whose user chose none: the light ones a browser gives a page without
// colours, and a dark variant for readers who ask for a dark colour scheme.
constexpr std::pair<std::string_view, std::string_view> kLightColors[] = {
    {"text", "#000000"}, {"background", "#FFFFFF"}, {"link", "#0000EE"}, {"visited", "#551A8B"}, {"active", "#EE0000"}};
constexpr std::string_view kDarkColors =
    "@media (prefers-color-scheme: dark) {\n"
    "  :root { --pw-text:#E8E6E3;--pw-background:#181A1B;--pw-link:#8AB4F8;--pw-visited:#C58AF9;"
    "--pw-active:#FF8A80; }\n"
    "}\n";

// Every look the generators write: the page, links, the text page's margin and headings, the
// code block, lists and tables. The values come from the custom properties of the first rule.
constexpr std::string_view kRules =
    "body { color: var(--pw-text); background-color: var(--pw-background); }\n"
    "a:link { color: var(--pw-link); }\n"
    "a:visited { color: var(--pw-visited); }\n"
    "a:active { color: var(--pw-active); }\n"
    "body.pw-text { margin: 1em 48px; }\n"
    "h1.pw-center, h2.pw-center, h3.pw-center, h4.pw-center, h5.pw-center, h6.pw-center, p.pw-center "
    "{ text-align: center; }\n"
    "hr.pw-part { margin-left: auto; margin-right: auto; }\n"
    "pre.pw-code { margin: 0; }\n"
    "pre.pw-code { --pw-keyword:#A626A4;--pw-string:#1A7F37;--pw-comment:#57606A;--pw-function:#0550AE;"
    "--pw-type:#953800;--pw-constant:#CF222E;--pw-property:#0A3069;--pw-punctuation:#4C566A; }\n"
    "@media (prefers-color-scheme: dark) {\n"
    "  pre.pw-code { --pw-keyword:#D2A8FF;--pw-string:#7EE787;--pw-comment:#8B949E;--pw-function:#79C0FF;"
    "--pw-type:#FFA657;--pw-constant:#FF7B72;--pw-property:#A5D6FF;--pw-punctuation:#ADBAC7; }\n"
    "}\n"
    ".pw-code .keyword, .pw-code .tag, .pw-code .label { color: var(--pw-keyword); }\n"
    ".pw-code .string, .pw-code .string-special, .pw-code .embedded { color: var(--pw-string); }\n"
    ".pw-code .comment, .pw-code .comment-documentation { color: var(--pw-comment); font-style: italic; }\n"
    ".pw-code .function, .pw-code .function-builtin, .pw-code .function-method, .pw-code .function-macro, "
    ".pw-code .function-special { color: var(--pw-function); }\n"
    ".pw-code .type, .pw-code .type-builtin, .pw-code .constructor, .pw-code .namespace "
    "{ color: var(--pw-type); }\n"
    ".pw-code .number, .pw-code .constant, .pw-code .constant-builtin, .pw-code .escape, "
    ".pw-code .string-escape { color: var(--pw-constant); }\n"
    ".pw-code .property, .pw-code .attribute, .pw-code .variable-builtin, .pw-code .string-special-key "
    "{ color: var(--pw-property); }\n"
    ".pw-code .operator, .pw-code .delimiter, .pw-code .punctuation-bracket, .pw-code .punctuation-delimiter, "
    ".pw-code .punctuation-special { color: var(--pw-punctuation); }\n"
    ".pw-code .variable, .pw-code .variable-parameter { color: inherit; }\n"
    ".pw-code .tag-error { text-decoration: underline wavy var(--pw-constant); }\n"
    "pre.pw-lines { counter-reset: pw-line; }\n"
    ".pw-lines .line { counter-increment: pw-line; }\n"
    ".pw-lines .line::before { content: counter(pw-line); display: inline-block; min-width: 4ch;\n"
    "  margin-right: 2ch; text-align: right; color: var(--pw-comment); user-select: none; }\n"
    "ul.pw-disc { list-style-type: disc; }\n"
    "ul.pw-circle { list-style-type: circle; }\n"
    "ul.pw-square { list-style-type: square; }\n"
    "ol.pw-center, ul.pw-center { display: table; margin-left: auto; margin-right: auto; }\n"
    "table.pw-table { border-collapse: separate; border-spacing: var(--pw-spacing, 2px);\n"
    "  border: var(--pw-border, 0px) outset; width: var(--pw-width, auto);\n"
    "  background-color: var(--pw-table-background, transparent); }\n"
    "table.pw-center { margin-left: auto; margin-right: auto; }\n"
    ".pw-table td, .pw-table th { padding: var(--pw-padding, 1px); border: var(--pw-cell-border, 0px) inset;\n"
    "  color: var(--pw-cell-text, inherit); }\n"
    ".pw-table td { padding-left: calc(var(--pw-padding, 1px) + var(--pw-indent, 0em));\n"
    "  padding-right: calc(var(--pw-padding, 1px) + var(--pw-indent, 0em)); }\n"
    ".pw-center-text td { text-align: center; }\n"
    ".pw-table td.pw-num { text-align: right; }\n"
    ".pw-table tr.pw-top > td, .pw-table tr.pw-top > th { vertical-align: top; }\n";

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool allOf(std::string_view text, bool (*test)(char))
{
    return !text.empty() && std::all_of(text.begin(), text.end(), test);
}

} // namespace

std::string cssColor(std::string_view color)
{
    while (!color.empty() && color.front() == ' ')
        color.remove_prefix(1);
    while (!color.empty() && color.back() == ' ')
        color.remove_suffix(1);
    if (color.size() > 64)
        return {};
    if (color.starts_with('#')) {
        const std::string_view digits = color.substr(1);
        const std::size_t n = digits.size();
        return (n == 3 || n == 4 || n == 6 || n == 8) && allOf(digits, isHex) ? std::string(color) : std::string();
    }
    if (color.size() == 6 && allOf(color, isHex)) {
        std::string hash(1, '#');
        hash += color;
        return hash;
    }
    if (allOf(color, isLetter))
        return std::string(color);
    for (std::string_view function : {"rgb(", "rgba(", "hsl(", "hsla("}) {
        if (color.starts_with(function) && color.ends_with(')')) {
            const std::string_view inside = color.substr(function.size(), color.size() - function.size() - 1);
            const bool plain = std::all_of(inside.begin(), inside.end(), [](char c) {
                return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == ' ' || c == '%';
            });
            return plain ? std::string(color) : std::string();
        }
    }
    return {};
}

std::string_view pageLanguage(std::string_view lang)
{
    const bool tag = !lang.empty() && lang.size() <= 35 && isLetter(lang.front()) &&
                     std::all_of(lang.begin(), lang.end(), [](char c) {
                         return isLetter(c) || (c >= '0' && c <= '9') || c == '-';
                     }) &&
                     lang.back() != '-' && lang.find("--") == std::string_view::npos;
    return tag ? lang : std::string_view("en");
}

std::string attributeText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

void StyleValues::set(std::string_view name, std::string_view value)
{
    if (!m_declarations.empty())
        m_declarations += ';';
    m_declarations += "--pw-";
    m_declarations += name;
    m_declarations += ':';
    m_declarations += value;
}

bool StyleValues::has(std::string_view name) const
{
    for (std::size_t at = m_declarations.find("--pw-"); at != std::string::npos;
         at = m_declarations.find("--pw-", at + 1)) {
        const std::size_t start = at + 5;
        if (m_declarations.compare(start, name.size(), name) == 0 && start + name.size() < m_declarations.size() &&
            m_declarations[start + name.size()] == ':')
            return true;
    }
    return false;
}

void StyleValues::setPixels(std::string_view name, long long pixels)
{
    set(name, std::to_string(pixels) + "px");
}

bool StyleValues::setColor(std::string_view name, std::string_view color)
{
    const std::string css = cssColor(color);
    if (css.empty())
        return false;
    set(name, css);
    m_colorsChosen = true;
    return true;
}

std::string html5PageStart(const Html5Frame& frame)
{
    std::string out = "<!DOCTYPE html>\n<html lang=\"";
    out += pageLanguage(frame.lang);
    out += "\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    return out;
}

std::string html5HeadEnd(const Html5Frame& frame, const StyleValues& values, std::string_view bodyClass,
                         std::string_view headLines)
{
    std::string out = "</title>\n";
    out += headLines;
    if (!frame.stylesheet.empty()) {
        out += "<link rel=\"stylesheet\" href=\"";
        out += attributeText(frame.stylesheet);
        out += "\">\n";
    } else {
        // The page's own values come after the defaults in the same rule, so they win.
        out += "<style>\n:root { ";
        if (!values.colorsChosen())
            out += "color-scheme: light dark; ";
        for (const auto& [name, color] : kLightColors) {
            if (!values.has(name)) {
                out += "--pw-";
                out += name;
                out += ':';
                out += color;
                out += ';';
            }
        }
        out += values.declarations();
        out += " }\n";
        if (!values.colorsChosen())
            out += kDarkColors;
        out += kRules;
        out += "</style>\n";
    }
    out += "</head>\n<body";
    if (!bodyClass.empty()) {
        out += " class=\"";
        out += bodyClass;
        out += '"';
    }
    out += ">\n";
    return out;
}

std::string_view html5Stylesheet()
{
    return kRules;
}

} // namespace pagewright
