// Code to a preformatted HTML page.
#include "converters.h"

#include "entities.h"
#include "colour_apart.h"
#include "highlight.h"
#include "line_reader.h"
#include "output.h"
#include "text_utils.h"
#include "utf8.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace vellum
{
namespace
{

// The margin and a tab are at most this many spaces wide; both are built once.
constexpr int32_t kWidestSpaces = 5120;

// Removes trailing spaces and tabs: tabs become spaces (or nothing), and trailing spaces go.
std::string_view trimTrailingBlanks(std::string_view line)
{
    std::size_t n = line.size();
    while (n > 0 && isBlank(line[n - 1]))
        --n;
    return line.substr(0, n);
}

// Colouring reads the whole text first: inputs beyond this many bytes are written plain.
constexpr std::size_t kColourBytes = 4 * 1024 * 1024;
// The parse has two seconds, the whole colouring five; a tree takes some tens of bytes per byte
// of code, so the colouring process may grow by a fixed allowance and 64 bytes for each byte
// of the largest text it colours.
constexpr highlight::ApartLimits kColourLimits{2'000'000, 5'000, 256 * 1024 * 1024 + 64 * kColourBytes};

// The parser library fails on trees more than 65535 levels deep (it crashes, or takes minutes to
// walk them). Such depth comes from brackets nested without end, or from one long expression on a
// line, so a text with either beyond these bounds is written plain.
constexpr int kDeepestBrackets = 4096;
constexpr std::size_t kLongestColouredLine = 64 * 1024;

bool tooDeepToParse(std::string_view text, const std::vector<std::size_t>& lineEnds)
{
    std::size_t start = 0;
    for (std::size_t end : lineEnds) {
        if (end - start > kLongestColouredLine)
            return true;
        start = end + 1;
    }
    int depth = 0;
    for (char c : text) {
        depth += c == '(' || c == '[' || c == '{';
        depth -= depth > 0 && (c == ')' || c == ']' || c == '}');
        if (depth > kDeepestBrackets)
            return true;
    }
    return false;
}

// Writes one line of code: each tab as `tab`, the rest escaped, and each span in an element whose
// class is its capture name with dashes for dots.
void putCodeLine(Output& out, std::string_view line, const std::string& tab,
                 const std::vector<highlight::Span>* spans = nullptr)
{
    auto put = [&](std::string_view text) {
        for (const char* t; !text.empty() && (t = static_cast<const char*>(std::memchr(text.data(), '\t', text.size())));) {
            const std::size_t at = static_cast<std::size_t>(t - text.data());
            putEscaped<Escape::Code>(out, text.substr(0, at));
            out.put(tab);
            text.remove_prefix(at + 1);
        }
        putEscaped<Escape::Code>(out, text);
    };
    std::size_t done = 0;
    if (spans) {
        for (const highlight::Span& span : *spans) {
            if (span.start >= line.size())
                break;
            const std::size_t end = std::min<std::size_t>(span.end, line.size());
            put(line.substr(done, span.start - done));
            out.put("<span class=\"");
            for (char c : span.capture)
                out.put(c == '.' ? '-' : c);
            out.put("\">");
            put(line.substr(span.start, end - span.start));
            out.put("</span>");
            done = end;
        }
    }
    put(line.substr(done));
}

} // namespace

int32_t convertCodePage(LineReader& input, const CodePageOptions& options, Output& out)
{
    const std::string margin(static_cast<std::size_t>(std::clamp(options.marginSpaces, 0, kWidestSpaces)), ' ');
    const std::string tab(static_cast<std::size_t>(std::clamp(options.tabSpaces, 0, kWidestSpaces)), ' ');

    const bool html5 = options.html5.on;
    const bool utf8Title = options.utf8 || html5;
    if (html5) {
        putHtml5Start(out, options.html5);
    } else {
        out.put("<html>\n<head>\n");
        if (options.declareCharset) {
            out.put(charsetMeta(options.utf8));
            out.put('\n');
        }
        out.put("<title>");
    }
    putFileNameInTitle(out, base_name(options.inputName), utf8Title);
    out.put(" converted to ");
    putFileNameInTitle(out, base_name(options.outputName), utf8Title);
    if (html5) {
        // The page's colours are a browser's defaults, so it follows a reader's dark scheme.
        putHtml5HeadEnd(out, options.html5, {}, {}, "<meta name=\"robots\" content=\"noindex\">\n");
        out.put(options.lineNumbers ? "<pre class=\"pw-code pw-lines\"><code>" : "<pre class=\"pw-code\"><code>");
    } else {
        out.put("</title>\n<meta name=\"ROBOTS\" content=\"NOINDEX\">\n</head>\n<body bgcolor=\"#FFFFFF\" "
                "text=\"#000000\">\n<pre>");
    }

    InputDecoder decode(options.utf8, &input, html5 ? Html5Input::On : Html5Input::Off);
    auto putLine = [&](std::string_view line, const std::vector<highlight::Span>* spans) {
        if (options.lineNumbers && html5)
            out.put("<span class=\"line\">");
        out.put(margin);
        putCodeLine(out, line, tab, spans);
        if (options.lineNumbers && html5)
            out.put("</span>");
        out.put('\n');
    };
    std::string_view piece;
    bool binary = false, ended = false;
    CodeColouring result;
    auto findLanguage = [&](std::string_view firstLine) {
        result.language = options.language.empty() ? highlight::languageOfFile(options.inputName, firstLine)
                                                    : highlight::languageNamed(options.language);
    };
    if (html5 && options.colour) {
        // The whole text (up to kColourBytes) is read first, since the parse needs all of it.
        std::string text;
        std::vector<std::size_t> lineEnds;
        bool tooLarge = false;
        while (!tooLarge && input.next(piece)) {
            if (decode.onlyByteOrderMark(piece)) {
                ended = true;
                break;
            }
            if (holdsNul(piece)) {
                binary = true;
                break;
            }
            text += trimTrailingBlanks(trim_trailing_controls(decode(piece)));
            lineEnds.push_back(text.size());
            text += '\n';
            tooLarge = text.size() > kColourBytes;
        }
        if (!tooLarge && !binary)
            ended = true;
        findLanguage(std::string_view(text).substr(0, lineEnds.empty() ? 0 : lineEnds[0]));
        const highlight::Query* query = result.language.empty() ? nullptr : highlight::queryFor(result.language);
        std::vector<std::vector<highlight::Span>> spans;
        if (!query) {
            result.status = VELLUM62_NOT_COLORED_UNKNOWN_LANGUAGE;
        } else if (tooLarge || tooDeepToParse(text, lineEnds)) {
            result.status = VELLUM62_NOT_COLORED_TOO_LARGE;
        } else if (auto coloured = highlight::colourApart(result.language, text, kColourLimits)) {
            spans = std::move(*coloured);
            result.status = VELLUM62_COLORED;
        } else {
            result.status = VELLUM62_NOT_COLORED_TOO_LARGE;
        }
        std::size_t start = 0;
        for (std::size_t i = 0; i < lineEnds.size() && !out.failed(); ++i) {
            putLine(std::string_view(text).substr(start, lineEnds[i] - start), i < spans.size() ? &spans[i] : nullptr);
            start = lineEnds[i] + 1;
        }
    } else if (html5) {
        result.status = VELLUM62_NOT_COLORED_NOT_ASKED;
    }
    // The rest of the input (all of it for an uncoloured page) goes out line by line.
    bool first = result.status == VELLUM62_NOT_COLORED_NOT_ASKED;
    while (!binary && !ended && !out.failed() && input.next(piece)) {
        if (decode.onlyByteOrderMark(piece))
            break;
        if (holdsNul(piece)) {
            binary = true;
            break;
        }
        const std::string_view line = trimTrailingBlanks(trim_trailing_controls(decode(piece)));
        if (first)
            findLanguage(line);
        first = false;
        putLine(line, nullptr);
    }
    if (first)
        findLanguage({});
    if (options.colouring)
        *options.colouring = result;
    if (binary)
        return VELLUM62_INPUT_IS_BINARY; // the page stops here, without its end
    if (html5) {
        out.put("</code></pre>\n");
        out.put(pagewright::kHtml5PageEnd);
    } else {
        out.put("</pre>\n</body>\n</html>\n");
    }
    return VELLUM62_DONE;
}

} // namespace vellum
