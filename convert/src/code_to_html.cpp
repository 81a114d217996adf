// Code to a preformatted HTML page.
#include "converters.h"

#include "entities.h"
#include "line_reader.h"
#include "output.h"
#include "text_utils.h"
#include "utf8.h"

#include <algorithm>
#include <cstring>
#include <string>

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
        out.put("<pre class=\"pw-code\"><code>");
    } else {
        out.put("</title>\n<meta name=\"ROBOTS\" content=\"NOINDEX\">\n</head>\n<body bgcolor=\"#FFFFFF\" "
                "text=\"#000000\">\n<pre>");
    }

    InputDecoder decode(options.utf8, &input, html5 ? Html5Input::On : Html5Input::Off);
    std::string_view piece;
    while (!out.failed() && input.next(piece)) {
        if (decode.onlyByteOrderMark(piece))
            break;
        if (holdsNul(piece))
            return VELLUM62_INPUT_IS_BINARY; // the page stops here, without its end
        std::string_view line = trimTrailingBlanks(trim_trailing_controls(decode(piece)));
        out.put(margin);
        // Each tab becomes the same number of spaces, wherever it stands.
        for (const char* t; !line.empty() && (t = static_cast<const char*>(std::memchr(line.data(), '\t', line.size())));) {
            const std::size_t at = static_cast<std::size_t>(t - line.data());
            putEscaped<Escape::Code>(out, line.substr(0, at));
            out.put(tab);
            line.remove_prefix(at + 1);
        }
        putEscaped<Escape::Code>(out, line);
        out.put('\n');
    }
    if (html5) {
        out.put("</code></pre>\n");
        out.put(pagewright::kHtml5PageEnd);
    } else {
        out.put("</pre>\n</body>\n</html>\n");
    }
    return VELLUM62_DONE;
}

} // namespace vellum
