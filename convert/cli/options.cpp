#include "options.h"

#include "messages.h"
#include "page_style.h"
#include "vellum62.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <optional>
#include <set>

namespace pagewright
{
namespace
{

constexpr unsigned bit(Converter c)
{
    return 1u << static_cast<unsigned>(c);
}
constexpr unsigned kText = bit(Converter::Text), kTemplate = bit(Converter::Template),
                   kCode = bit(Converter::Code), kList = bit(Converter::List), kTable = bit(Converter::Table);
constexpr unsigned kPages = kText | kTemplate;
constexpr unsigned kAll = kText | kTemplate | kCode | kList | kTable;
constexpr int32_t kNone = -1; // an attribute left out of the page

struct Command {
    const char* name;
    Converter converter;
    const char* files;
    const char* summary;
    const char* example;
};

const Command kCommands[] = {
    {"text", Converter::Text, "INPUT OUTPUT",
     "A text file (prose, notes, a saved e-mail message) to an HTML page.",
     "pagewright-convert text letter.txt letter.htm --footer footer.htm"},
    {"template", Converter::Template, "OUTPUT", "An empty HTML page with a title, to fill in by hand.",
     "pagewright-convert template page.htm --title \"My page\" --background-color \"#FFFFFF\""},
    {"code", Converter::Code, "INPUT OUTPUT", "Source code or any text to a preformatted HTML page.",
     "pagewright-convert code main.c main.htm --margin 2 --tab 8"},
    {"list", Converter::List, "[INPUT] OUTPUT",
     "A data file to an ordered or unordered HTML list; without INPUT, a blank list.",
     "pagewright-convert list items.txt items.htm --ordered --style i --item-separator numeral"},
    {"table", Converter::Table, "INPUT OUTPUT", "A delimited data file to an HTML table, one row per line.",
     "pagewright-convert table data.csv data.htm --separator semicolon --width 80% --border none"},
};

struct Parser;

// One option of some converters. Whole numbers name their field and range (and whether "none"
// leaves the attribute out); the rest are read by their own routine. An option may appear twice
// with different converters and help.
struct Option {
    const char* name;
    unsigned converters;
    const char* value; // what its value looks like; nullptr for a switch
    const char* help;
    bool (Parser::*read)(const std::string& option, const std::string& value);
    int32_t Request::*number = nullptr;
    int32_t low = 0, high = 0;
    bool none = false;
};

struct Parser {
    explicit Parser(const std::vector<std::string>& arguments) : args(arguments) {}

    const std::vector<std::string>& args;
    ParseResult result;
    const Command* command = nullptr;
    std::map<std::string, std::string> seen; // option -> value as given
    std::optional<bool> orderedBySwitch, orderedByStyle;

    Request& r() { return result.request; }

    bool fail(const std::string& message)
    {
        result.kind = ParseResult::Wrong;
        result.text = message;
        return false;
    }
    bool wrongValue(const std::string& option, const std::string& what, const std::string& value)
    {
        return fail(std::string(command->name) + " " + option + " takes " + what + ", not \"" + value + "\"");
    }

    bool text(const std::string& option, const std::string& value)
    {
        std::string& field = option == "--title"    ? r().title
                             : option == "--header" ? r().header
                             : option == "--footer" ? r().footer
                                                    : r().outputDir;
        field = value;
        return true;
    }

    bool stylesheet(const std::string& option, const std::string& value)
    {
        if (value.empty())
            return wrongValue(option, "the address of a stylesheet", value);
        r().stylesheet = value;
        return true;
    }

    // The language tags the library writes as they are; it would write "en" for any other value.
    bool language(const std::string& option, const std::string& value)
    {
        if (pageLanguage(value) != value)
            return wrongValue(option, "a language code of letters, digits and hyphens (such as de or pt-BR)",
                              value);
        r().lang = value;
        return true;
    }

    bool codeLanguage(const std::string& option, const std::string& value)
    {
        std::string names;
        for (const CodeLanguage& l : codeLanguages()) {
            if (l.name == value) {
                r().language = value;
                return true;
            }
            names += (names.empty() ? "" : ", ") + std::string(l.name);
        }
        return wrongValue(option, "one of " + names, value);
    }

    bool color(const std::string& option, const std::string& value)
    {
        const bool hex = value.size() == 7 && value[0] == '#' &&
                         std::all_of(value.begin() + 1, value.end(),
                                     [](unsigned char c) { return std::isxdigit(c) != 0; });
        if (!hex)
            return wrongValue(option, "a colour as #RRGGBB (such as #E0FFFF)", value);
        (option == "--text-color" ? r().textColor : r().backgroundColor) = value;
        return true;
    }

    bool switchOn(const std::string& option, const std::string&)
    {
        if (option == "--ordered" || option == "--unordered")
            orderedBySwitch = option == "--ordered";
        else if (option == "--numbered")
            r().listSource = VELLUM62_NUMBERED_BLANK_LIST;
        else if (option == "--blank")
            r().listSource = VELLUM62_BLANK_LIST;
        else if (option == "--center")
            r().centerList = true;
        else if (option == "--wrapper")
            r().htmlWrapper = true;
        else if (option == "--center-text")
            r().centerText = true;
        else if (option == "--csv" || option == "--no-csv")
            r().csvQuotes = option == "--csv";
        else if (option == "--escape" || option == "--no-escape")
            r().escapeData = option == "--escape";
        else if (option == "--html5")
            r().html5 = true;
        else if (option == "--highlight")
            r().highlight = true;
        else if (option == "--line-numbers")
            r().lineNumbers = true;
        else
            r().centerTable = true;
        return true;
    }

    bool encoding(const std::string& option, const std::string& value)
    {
        static const std::map<std::string, Request::Encoding> kNames = {
            {"auto", Request::Encoding::Auto},
            {"utf-8", Request::Encoding::Utf8},
            {"windows-1252", Request::Encoding::Windows1252}};
        const auto found = kNames.find(value);
        if (found == kNames.end())
            return wrongValue(option, "auto, utf-8 or windows-1252", value);
        r().encoding = found->second;
        return true;
    }

    bool listStyle(const std::string& option, const std::string& value)
    {
        struct Style {
            std::optional<bool> ordered;
            int32_t type;
        };
        static const std::map<std::string, Style> kStyles = {
            {"none", {std::nullopt, 0}},
            {"disc", {false, 1}},
            {"circle", {false, 2}},
            {"square", {false, 3}},
            {"1", {true, 1}},
            {"i", {true, 2}},
            {"I", {true, 3}},
            {"a", {true, 4}},
            {"A", {true, 5}},
        };
        const auto found = kStyles.find(value);
        if (found == kStyles.end())
            return wrongValue(option, "none, disc, circle, square, 1, i, I, a or A", value);
        orderedByStyle = found->second.ordered;
        r().listType = found->second.type;
        return true;
    }

    bool itemSeparator(const std::string& option, const std::string& value)
    {
        static const std::map<std::string, int32_t> kKinds = {{"line", VELLUM62_ITEMS_BY_LINE},
                                                              {"blank", VELLUM62_ITEMS_BY_BLANK_LINE},
                                                              {"numeral", VELLUM62_ITEMS_BY_NUMERAL},
                                                              {"asterisk", VELLUM62_ITEMS_BY_ASTERISK}};
        const auto found = kKinds.find(value);
        if (found == kKinds.end())
            return wrongValue(option, "line, blank, numeral or asterisk", value);
        r().itemSeparator = found->second;
        return true;
    }

    bool separatorChar(const std::string& option, const std::string& value)
    {
        static const std::map<std::string, int32_t> kNames = {
            {"comma", ','}, {"semicolon", ';'}, {"space", ' '}, {"tab", '\t'}};
        if (const auto found = kNames.find(value); found != kNames.end())
            r().separatorChar = found->second;
        else if (value.size() == 1)
            r().separatorChar = static_cast<unsigned char>(value[0]);
        else
            return wrongValue(option, "comma, semicolon, space, tab or one character", value);
        return true;
    }

    static bool wholeNumber(const std::string& text, int32_t& value)
    {
        const char* end = text.data() + text.size();
        const auto [ptr, ec] = std::from_chars(text.data(), end, value);
        return ec == std::errc() && ptr == end && !text.empty();
    }

    // 5% to 100%, or 50px to 1000px: what the table-properties dialog accepts.
    bool width(const std::string& option, const std::string& value)
    {
        const bool pixels = value.size() > 2 && value.ends_with("px");
        const bool percent = !value.empty() && value.back() == '%';
        int32_t n = 0;
        const bool ok = (pixels || percent) &&
                        wholeNumber(value.substr(0, value.size() - (pixels ? 2 : 1)), n) &&
                        (pixels ? n >= 50 && n <= 1000 : n >= 5 && n <= 100);
        if (!ok)
            return wrongValue(option, "a width from 5% to 100% or from 50px to 1000px", value);
        r().tableWidth = n;
        r().widthInPixels = pixels;
        return true;
    }

    bool number(const Option& o, const std::string& value)
    {
        int32_t n = kNone;
        if ((!o.none || value != "none") && (!wholeNumber(value, n) || n < o.low || n > o.high))
            return wrongValue(o.name,
                              "a whole number from " + std::to_string(o.low) + " to " +
                                  std::to_string(o.high) + (o.none ? " or none" : ""),
                              value);
        r().*o.number = n;
        return true;
    }

    bool parse();
    bool parseCommand();
    bool checkList(std::size_t files);
    bool checkHtml5();
    bool placeFiles(const std::vector<std::string>& files);
};

const Option kOptions[] = {
    {"--title", kTemplate, "TEXT", "the page title", &Parser::text},
    {"--header", kPages, "FILE", "copied in place of the standard head of the page", &Parser::text},
    {"--footer", kPages, "FILE", "copied in place of the standard end of the page", &Parser::text},
    {"--text-color", kPages, "#RRGGBB", "text colour (default #000000)", &Parser::color},
    {"--background-color", kPages, "#RRGGBB", "background colour (default #E0FFFF)", &Parser::color},
    {"--margin", kCode, "N", "spaces in front of every line", nullptr, &Request::marginSpaces, 0, 8},
    {"--tab", kCode, "N", "spaces for every tab character", nullptr, &Request::tabSpaces, 1, 8},
    {"--highlight", kCode, nullptr, "colour the code by its language (with --html5)", &Parser::switchOn},
    {"--language", kCode, "NAME",
     "colour as bash, c, cpp, css, go, html, java, javascript, json, python or rust (with --highlight; "
     "default: by INPUT's extension or #! line)",
     &Parser::codeLanguage},
    {"--line-numbers", kCode, nullptr, "number the lines; copying the code leaves the numbers out (with --html5)",
     &Parser::switchOn},
    {"--ordered", kList, nullptr, "an ordered list (<ol>)", &Parser::switchOn},
    {"--unordered", kList, nullptr, "an unordered list (<ul>; the default)", &Parser::switchOn},
    {"--style", kList, "STYLE",
     "bullets disc, circle or square (unordered); numbering 1, i, I, a or A (ordered); none: the browser's "
     "(default disc, or 1 with --ordered)",
     &Parser::listStyle},
    {"--item-separator", kList, "KIND",
     "how items are told apart in INPUT: line (default), blank (a blank line), numeral (an initial 12.) or "
     "asterisk (an initial *)",
     &Parser::itemSeparator},
    {"--blank", kList, nullptr, "a blank list of empty items (no INPUT; the default with one file)",
     &Parser::switchOn},
    {"--numbered", kList, nullptr, "a blank list whose items read \" Item 1\", \" Item 2\", ...",
     &Parser::switchOn},
    {"--count", kList, "N", "items of a blank list", nullptr, &Request::itemCount, 1, 999},
    {"--start", kList, "N", "first number of an ordered blank list", nullptr, &Request::startNumber, 1, 999},
    {"--center", kList, nullptr, "centre the list on the page", &Parser::switchOn},
    {"--wrapper", kList | kTable, nullptr, "write a complete page around it", &Parser::switchOn},
    {"--separator", kTable, "SEP", "comma (default), semicolon, space, tab, or any one character",
     &Parser::separatorChar},
    {"--padding", kTable, "N", "non-breaking spaces around each data cell", nullptr, &Request::paddingSpaces,
     0, 12},
    {"--center-text", kTable, nullptr, "centre the text of cells that are not numbers", &Parser::switchOn},
    {"--center-table", kTable, nullptr, "centre the table on the page", &Parser::switchOn},
    {"--text-color", kTable, "#RRGGBB", "cell text colour (default: none)", &Parser::color},
    {"--background-color", kTable, "#RRGGBB", "table background colour (default: none)", &Parser::color},
    {"--width", kTable, "W", "table width, 5% to 100% or 50px to 1000px (default: none)", &Parser::width},
    {"--border", kTable, "N", "border width in pixels", nullptr, &Request::border, 0, 100, true},
    {"--cellpadding", kTable, "N", "cell padding in pixels", nullptr, &Request::cellPadding, 0, 100, true},
    {"--cellspacing", kTable, "N", "cell spacing in pixels", nullptr, &Request::cellSpacing, 0, 100, true},
    {"--csv", kTable, nullptr,
     "fields in double quotes may hold separators and line ends (default for .csv and .tsv)",
     &Parser::switchOn},
    {"--no-csv", kTable, nullptr, "double quotes are ordinary characters, also in a .csv or .tsv input",
     &Parser::switchOn},
    {"--escape", kList | kTable, nullptr,
     "the data is plain text: write its &, < and > as characters (default for .csv and .tsv)",
     &Parser::switchOn},
    {"--no-escape", kList | kTable, nullptr,
     "the data's &, < and > pass as HTML, also in a .csv or .tsv input", &Parser::switchOn},
    {"--encoding", kText | kCode | kList | kTable, "ENC",
     "how INPUT is read: auto (default: utf-8 when it is valid UTF-8 beyond ASCII, else windows-1252), utf-8 "
     "or windows-1252",
     &Parser::encoding},
    {"--encoding", kTemplate, "ENC",
     "how the title is written: utf-8 (default; auto is the same) or windows-1252", &Parser::encoding},
    {"--output-dir", kText | kCode | kList | kTable, "DIR",
     "convert each INPUT to DIR/NAME.htm (its name, .htm for its extension)", &Parser::text},
    {"--html5", kAll, nullptr,
     "an HTML5 page in UTF-8, its looks in a stylesheet (default: the classic page)", &Parser::switchOn},
    {"--stylesheet", kAll, "URL", "link the stylesheet at URL in place of the embedded one (with --html5)",
     &Parser::stylesheet},
    {"--lang", kAll, "CODE", "the page's language, such as de or pt-BR (with --html5; default en)",
     &Parser::language},
};

const Option* findOption(const std::string& name, Converter converter, bool* elsewhere)
{
    for (const Option& o : kOptions) {
        if (name != o.name)
            continue;
        if (o.converters & bit(converter))
            return &o;
        *elsewhere = true;
    }
    return nullptr;
}

std::string commandHelp(const Command& c)
{
    std::string text = std::string("Usage: pagewright-convert ") + c.name + " [OPTIONS] " + c.files + "\n";
    if (c.converter != Converter::Template)
        text += std::string("       pagewright-convert ") + c.name + " [OPTIONS] --output-dir DIR INPUT...\n";
    text += std::string(c.summary) + "\n\nOptions:\n";
    for (const Option& o : kOptions) {
        if (!(o.converters & bit(c.converter)))
            continue;
        std::string left = std::string("  ") + o.name + (o.value ? std::string(" ") + o.value : "");
        left.resize(std::max<std::size_t>(left.size() + 1, 28), ' ');
        std::string help = o.help;
        if (o.number) {
            const int32_t byDefault = Request{}.*o.number;
            help += ", " + std::to_string(o.low) + " to " + std::to_string(o.high) +
                    (o.none ? " or none" : "") + " (default " +
                    (byDefault == kNone ? std::string("none") : std::to_string(byDefault)) + ")";
        }
        text += left + help + "\n";
    }
    text += "  --help                    show this help\n\n"
            "INPUT may be - for standard input and OUTPUT - for standard output.\nExample:\n  ";
    return text + c.example + "\n";
}

std::string generalHelp()
{
    std::string text = "Usage: pagewright-convert COMMAND [OPTIONS] FILES\n"
                       "The converters of Pagewright from the command line.\n\nCommands:\n";
    for (const Command& c : kCommands) {
        std::string left = std::string("  ") + c.name + " " + c.files;
        left.resize(std::max<std::size_t>(left.size() + 1, 26), ' ');
        text += left + c.summary + "\n";
    }
    return text + R"(
'pagewright-convert COMMAND --help' shows the options of a command, their ranges and
defaults. '--version' prints the version. '--html5' (every command) writes an HTML5
page in place of the classic one.

A page is written to a temporary file beside OUTPUT and replaces OUTPUT only when the
conversion made it; a failed run leaves OUTPUT as it was. The result is printed on
standard error. Exit status: 0 on success, 1 when a conversion failed or reported a
problem, 2 when the command line is wrong.
)";
}

bool Parser::parse()
{
    if (args.empty())
        return fail("no command given (text, template, code, list or table)");
    const std::string& first = args[0];
    if (first == "--version") {
        result.kind = ParseResult::Version;
        return true;
    }
    if (first == "--help" || first == "-h" || (first == "help" && args.size() == 1)) {
        result.kind = ParseResult::Help;
        result.text = generalHelp();
        return true;
    }
    const std::string& name = first == "help" ? args[1] : first;
    for (const Command& c : kCommands)
        if (name == c.name)
            command = &c;
    if (command == nullptr)
        return fail("unknown command \"" + name + "\" (text, template, code, list or table)");
    r().converter = command->converter;
    if (first == "help") {
        result.kind = ParseResult::Help;
        result.text = commandHelp(*command);
        return true;
    }
    return parseCommand();
}

bool Parser::parseCommand()
{
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t next = 1; next < args.size(); ++next) {
        const std::string& arg = args[next];
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            result.kind = ParseResult::Help;
            result.text = commandHelp(*command);
            return true;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        bool elsewhere = false;
        const Option* o = findOption(name, command->converter, &elsewhere);
        if (o == nullptr)
            return fail(elsewhere ? std::string(command->name) + " does not take " + name
                                  : std::string(command->name) + " has no option " + name);
        std::string value;
        if (o->value == nullptr && equals != std::string::npos)
            return fail(std::string(command->name) + " " + name + " takes no value");
        if (o->value != nullptr) {
            if (equals != std::string::npos)
                value = arg.substr(equals + 1);
            else if (next + 1 < args.size())
                value = args[++next];
            else
                return fail(std::string(command->name) + " " + name + " needs a value (" + o->value + ")");
        }
        if (!(o->number ? number(*o, value) : (this->*o->read)(name, value)))
            return false;
        seen[name] = value;
    }
    if (command->converter == Converter::List && !checkList(files.size()))
        return false;
    if (seen.count("--csv") && seen.count("--no-csv"))
        return fail("table --csv contradicts --no-csv");
    if (seen.count("--escape") && seen.count("--no-escape"))
        return fail(std::string(command->name) + " --escape contradicts --no-escape");
    return checkHtml5() && placeFiles(files);
}

// The list's options must agree with each other and with the kind of list the files ask for.
bool Parser::checkList(std::size_t files)
{
    const auto contradiction = [this](const std::string& a, const std::string& b) {
        return fail("list " + a + " contradicts " + b);
    };
    const auto style = [this] { return "--style " + seen["--style"]; };
    if (seen.count("--ordered") && seen.count("--unordered"))
        return contradiction("--ordered", "--unordered");
    if (orderedBySwitch && orderedByStyle && *orderedBySwitch != *orderedByStyle)
        return contradiction(style(), *orderedBySwitch ? "--ordered" : "--unordered");
    if (seen.count("--blank") && seen.count("--numbered"))
        return contradiction("--blank", "--numbered");
    r().ordered = orderedBySwitch.value_or(orderedByStyle.value_or(false));

    const bool fromFile = files > 1 || !r().outputDir.empty();
    for (const char* blankOnly : {"--blank", "--numbered", "--count", "--start"})
        if (fromFile && seen.count(blankOnly))
            return fail(std::string("list ") + blankOnly +
                        " is for a blank list (one file: the output); it "
                        "contradicts reading the items from INPUT");
    if (!fromFile && seen.count("--item-separator"))
        return fail("list --item-separator is for items read from INPUT; a blank list has none");
    if (seen.count("--start") && !r().ordered)
        return fail("list --start numbers an ordered list; it contradicts " +
                    (seen.count("--unordered") ? std::string("--unordered")
                     : seen.count("--style")   ? style()
                                             : std::string("the unordered list it makes without --ordered")));
    if (fromFile)
        return true;
    if (r().listSource == VELLUM62_LIST_FROM_FILE)
        r().listSource = VELLUM62_BLANK_LIST;
    r().itemSeparator = -1;
    return true;
}

// A page's language and stylesheet belong to an HTML5 page, and a list or table has a page only
// with --wrapper.
bool Parser::checkHtml5()
{
    const std::string name = command->name;
    const bool fragment =
        (command->converter == Converter::List || command->converter == Converter::Table) && !r().htmlWrapper;
    for (const char* pageOnly : {"--stylesheet", "--lang", "--highlight", "--line-numbers"}) {
        if (!seen.count(pageOnly))
            continue;
        if (!r().html5)
            return fail(name + " " + pageOnly + " is for an HTML5 page; it needs --html5");
        if (fragment)
            return fail(name + " " + pageOnly + " is for a page; without --wrapper the " + name +
                        " has none");
    }
    if (seen.count("--language") && !r().highlight)
        return fail(name + " --language names the language to colour; it needs --highlight");
    return true;
}

bool Parser::placeFiles(const std::vector<std::string>& files)
{
    const std::string name = command->name;
    const bool noInput = command->converter == Converter::Template ||
                         (command->converter == Converter::List && r().listSource != VELLUM62_LIST_FROM_FILE);
    if (!r().outputDir.empty()) {
        if (files.empty())
            return fail(name + " --output-dir needs at least one INPUT");
        std::map<std::string, std::string> pages;
        for (const std::string& input : files) {
            if (input == "-")
                return fail(name + " --output-dir converts named files; standard input (-) has no name");
            const auto [page, added] = pages.emplace(pageNameFor(input), input);
            if (!added)
                return fail(name + " --output-dir: '" + page->second + "' and '" + input +
                            "' would both be " + "written to '" + page->first + "'");
        }
        r().inputs = files;
    } else if (files.size() != (noInput ? 1u : 2u)) {
        return fail(name + (noInput ? " takes one file: OUTPUT" : " takes two files: INPUT and OUTPUT") +
                    " (got " + std::to_string(files.size()) + ")");
    } else {
        r().input = noInput ? std::string() : files[0];
        r().output = files.back();
    }
    result.kind = ParseResult::Run;
    return true;
}

} // namespace

ParseResult parseArguments(const std::vector<std::string>& arguments)
{
    Parser parser(arguments);
    parser.parse();
    if (parser.result.kind == ParseResult::Wrong && parser.command != nullptr)
        parser.result.text += "\nTry 'pagewright-convert " + std::string(parser.command->name) + " --help'.";
    else if (parser.result.kind == ParseResult::Wrong)
        parser.result.text += "\nTry 'pagewright-convert --help'.";
    return parser.result;
}

std::string pageNameFor(const std::string& input)
{
    std::string name = input.substr(input.find_last_of('/') + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name + ".htm";
}

} // namespace pagewright
