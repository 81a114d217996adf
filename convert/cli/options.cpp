#include "options.h"

#include "vellum62.h"

#include <charconv>
#include <functional>
#include <map>

namespace pagewright {
namespace {

bool parseInt(const std::string& text, int32_t& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

struct Parser {
    const std::vector<std::string>& args;
    std::size_t next = 0;
    ParseResult result;

    bool fail(std::string message)
    {
        result.error = std::move(message);
        return false;
    }

    bool value(const std::string& option, std::string& out)
    {
        if (next >= args.size())
            return fail("option " + option + " needs a value");
        out = args[next++];
        return true;
    }

    bool number(const std::string& option, int32_t& out, int32_t low, int32_t high)
    {
        std::string text;
        if (!value(option, text))
            return false;
        if (!parseInt(text, out) || out < low || out > high)
            return fail("option " + option + " takes a whole number from " + std::to_string(low) + " to " +
                        std::to_string(high) + ", not \"" + text + "\"");
        return true;
    }

    bool listStyle(const std::string& option)
    {
        static const std::map<std::string, std::pair<bool, int32_t>> kStyles = {
            {"disc", {false, 1}}, {"circle", {false, 2}}, {"square", {false, 3}}, {"1", {true, 1}},
            {"i", {true, 2}},     {"I", {true, 3}},       {"a", {true, 4}},       {"A", {true, 5}},
        };
        std::string text;
        if (!value(option, text))
            return false;
        auto found = kStyles.find(text);
        if (found == kStyles.end())
            return fail("unknown list style \"" + text + "\" (disc, circle, square, 1, i, I, a or A)");
        result.request.ordered = found->second.first;
        result.request.listType = found->second.second;
        return true;
    }

    bool itemSeparator(const std::string& option)
    {
        static const std::map<std::string, int32_t> kKinds = {
            {"line", VELLUM62_ITEMS_BY_LINE},
            {"blank", VELLUM62_ITEMS_BY_BLANK_LINE},
            {"numeral", VELLUM62_ITEMS_BY_NUMERAL},
            {"asterisk", VELLUM62_ITEMS_BY_ASTERISK},
        };
        std::string text;
        if (!value(option, text))
            return false;
        auto found = kKinds.find(text);
        if (found == kKinds.end())
            return fail("unknown item separator \"" + text + "\" (line, blank, numeral or asterisk)");
        result.request.itemSeparator = found->second;
        return true;
    }

    bool separatorChar(const std::string& option)
    {
        static const std::map<std::string, int32_t> kNames = {
            {"comma", ','}, {"semicolon", ';'}, {"space", ' '}, {"tab", '\t'}};
        std::string text;
        if (!value(option, text))
            return false;
        if (auto found = kNames.find(text); found != kNames.end())
            result.request.separatorChar = found->second;
        else if (text.size() == 1)
            result.request.separatorChar = static_cast<unsigned char>(text[0]);
        else
            return fail("the separator must be one character, or comma, semicolon, space or tab, not \"" + text +
                        "\"");
        return true;
    }

    bool width(const std::string& option)
    {
        std::string text;
        if (!value(option, text))
            return false;
        Request& r = result.request;
        r.widthInPixels = text.size() > 2 && text.compare(text.size() - 2, 2, "px") == 0;
        std::string digits = text.substr(0, text.size() - (r.widthInPixels ? 2 : (!text.empty() && text.back() == '%')));
        if (!parseInt(digits, r.tableWidth) || r.tableWidth < 0)
            return fail("option " + option + " takes a width such as 80% or 600px, not \"" + text + "\"");
        return true;
    }

    bool parse()
    {
        if (args.empty())
            return fail("no converter named");
        const std::string command = args[next++];
        if (command == "--help" || command == "-h" || command == "help") {
            result.help = true;
            return true;
        }
        static const std::map<std::string, Converter> kCommands = {
            {"text", Converter::Text}, {"template", Converter::Template}, {"code", Converter::Code},
            {"list", Converter::List}, {"table", Converter::Table}};
        auto found = kCommands.find(command);
        if (found == kCommands.end())
            return fail("unknown converter \"" + command + "\" (text, template, code, list or table)");
        Request& r = result.request;
        r.converter = found->second;

        std::vector<std::string> files;
        bool blankCount = false;
        const std::map<std::string, std::function<bool(const std::string&)>> options = {
            {"--title", [&](auto& o) { return value(o, r.title); }},
            {"--header", [&](auto& o) { return value(o, r.header); }},
            {"--footer", [&](auto& o) { return value(o, r.footer); }},
            {"--text-color", [&](auto& o) { return value(o, r.textColor); }},
            {"--background-color", [&](auto& o) { return value(o, r.backgroundColor); }},
            {"--margin", [&](auto& o) { return number(o, r.marginSpaces, 0, 5120); }},
            {"--tab", [&](auto& o) { return number(o, r.tabSpaces, 0, 5120); }},
            {"--ordered", [&](auto&) { return r.ordered = true; }},
            {"--unordered", [&](auto&) { r.ordered = false; return true; }},
            {"--style", [&](auto& o) { return listStyle(o); }},
            {"--blank", [&](auto&) { r.listSource = VELLUM62_BLANK_LIST; return true; }},
            {"--numbered", [&](auto&) { r.listSource = VELLUM62_NUMBERED_BLANK_LIST; return true; }},
            {"--count", [&](auto& o) { blankCount = true; return number(o, r.itemCount, 1, 999); }},
            {"--start", [&](auto& o) { return number(o, r.startNumber, 1, 999); }},
            {"--item-separator", [&](auto& o) { return itemSeparator(o); }},
            {"--center", [&](auto&) { return r.centerList = true; }},
            {"--separator", [&](auto& o) { return separatorChar(o); }},
            {"--padding", [&](auto& o) { return number(o, r.paddingSpaces, 0, 42); }},
            {"--wrapper", [&](auto&) { return r.htmlWrapper = true; }},
            {"--center-text", [&](auto&) { return r.centerText = true; }},
            {"--center-table", [&](auto&) { return r.centerTable = true; }},
            {"--width", [&](auto& o) { return width(o); }},
            {"--border", [&](auto& o) { return number(o, r.border, 0, 32767); }},
            {"--cellpadding", [&](auto& o) { return number(o, r.cellPadding, 0, 32767); }},
            {"--cellspacing", [&](auto& o) { return number(o, r.cellSpacing, 0, 32767); }},
        };
        while (next < args.size()) {
            const std::string arg = args[next++];
            if (arg == "--help" || arg == "-h") {
                result.help = true;
                return true;
            }
            if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
                auto option = options.find(arg);
                if (option == options.end())
                    return fail("unknown option " + arg);
                if (!option->second(arg))
                    return false;
            } else {
                files.push_back(arg);
            }
        }

        const bool list = r.converter == Converter::List;
        if (list && r.listSource == VELLUM62_LIST_FROM_FILE && files.size() == 1 && blankCount)
            r.listSource = VELLUM62_BLANK_LIST;
        const bool noInput = r.converter == Converter::Template || (list && r.listSource != VELLUM62_LIST_FROM_FILE);
        const std::size_t wanted = noInput ? 1 : 2;
        if (files.size() != wanted)
            return fail(noInput ? "give exactly one file: the output" : "give two files: the input and the output");
        if (!noInput)
            r.input = files[0];
        r.output = files.back();
        if (list && r.listSource != VELLUM62_LIST_FROM_FILE)
            r.itemSeparator = -1;
        return true;
    }
};

} // namespace

ParseResult parseArguments(const std::vector<std::string>& arguments)
{
    Parser parser{arguments, 0, {}};
    parser.result.ok = parser.parse();
    return parser.result;
}

std::string usageText()
{
    return R"(Usage: pagewright-convert CONVERTER [OPTIONS] FILES

Converters:
  text IN OUT        a text file to an HTML page
  template OUT       an empty HTML page to fill in by hand
  code IN OUT        source code to a preformatted HTML page
  list [IN] OUT      a data file to an HTML list; without IN, a blank list
  table IN OUT       a delimited data file to an HTML table

Text and template pages:
  --title TEXT               page title (template only)
  --header FILE              copy FILE in place of the standard page head
  --footer FILE              copy FILE in place of the standard page end
  --text-color #RRGGBB       text colour (default #000000)
  --background-color #RRGGBB background colour (default #E0FFFF)

Code pages:
  --margin N                 spaces in front of every line (default 4)
  --tab N                    spaces for every tab character (default 4)

Lists:
  --ordered | --unordered    kind of list (default unordered)
  --style S                  disc, circle or square; or 1, i, I, a or A (ordered)
  --item-separator K         how items are delimited in IN: line (default), blank,
                             numeral or asterisk
  --blank                    a blank list of empty items (no IN)
  --numbered                 a blank list whose items read " Item 1", " Item 2", ...
  --count N                  number of items of a blank list, 1 to 999 (default 1)
  --start N                  first number of an ordered blank list, 1 to 999
  --center                   centre the list on the page
  --wrapper                  write a complete page around the list

Tables:
  --separator C              comma (default), semicolon, space, tab, or any one character
  --padding N                non-breaking spaces around each data cell, 0 to 42
  --center-text              centre the text of non-numeric cells
  --center-table             centre the table on the page
  --wrapper                  write a complete page around the table
  --text-color #RRGGBB       cell text colour
  --background-color #RRGGBB table background colour
  --width N% | Npx           table width
  --border N, --cellpadding N, --cellspacing N

The result is printed on standard error. Exit status: 0 on success, 1 when the
conversion failed or reported a problem, 2 when the command line is wrong.
)";
}

} // namespace pagewright
