// Code to a preformatted HTML page.
#include "converters.h"

#include "entities.h"
#include "line_reader.h"
#include "markup.h"
#include "output.h"
#include "text_utils.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vellum
{
namespace
{

// No edit may make a line longer than this; edits that would are left undone.
constexpr std::size_t kLineLimit = 5120;
// The margin is built once; a wider one than a working line makes no sense.
constexpr int32_t kWidestMargin = static_cast<int32_t>(kLineLimit);

// Replaces tabs from the left by `tabSpaces` spaces until one more would pass the line limit.
std::string_view expandTabs(std::string_view line, std::size_t tabSpaces, std::string& work)
{
    const char* tab =
        line.empty() ? nullptr : static_cast<const char*>(std::memchr(line.data(), '\t', line.size()));
    if (!tab)
        return line;
    work.clear();
    std::size_t length = line.size();
    std::size_t copied = 0;
    while (tab) {
        const std::size_t at = static_cast<std::size_t>(tab - line.data());
        if (length - 1 + tabSpaces > kLineLimit)
            break; // this tab and the ones after it stay
        work.append(line, copied, at - copied);
        work.append(tabSpaces, ' ');
        length = length - 1 + tabSpaces;
        copied = at + 1;
        tab = static_cast<const char*>(std::memchr(line.data() + copied, '\t', line.size() - copied));
    }
    work.append(line, copied, npos);
    return work;
}

// Escapes & < > " and writes 0xAA as "&amp;" straight into the output, after the margin; false,
// with nothing written, when escaping everything would pass the line limit.
bool putEscaped(std::string_view margin, std::string_view line, Output& out)
{
    // Room for the fixed-size copies: eight bytes for every byte of the line.
    char* const start = out.reserve(margin.size() + 8 * line.size() + 9);
    char* d = start;
    std::memcpy(d, margin.data(), margin.size());
    d += margin.size();
    char* const lineStart = d;
    d = writeMapped(d, line, code_entity_table_wide);
    if (static_cast<std::size_t>(d - lineStart) > kLineLimit)
        return false;
    *d++ = '\n';
    out.commit(static_cast<std::size_t>(d - start));
    return true;
}

// The same for a line that escaping everything would make too long: each kind in turn (< > "
// and then the ampersands) is escaped from the left as far as the limit allows; the rest stay raw.
void appendEscapedWithinLimit(std::string_view line, std::string& out)
{
    std::size_t less = 0, greater = 0, quotes = 0, ampersands = 0;
    for (char c : line) {
        switch (static_cast<unsigned char>(c)) {
        case '<':
            ++less;
            break;
        case '>':
            ++greater;
            break;
        case '"':
            ++quotes;
            break;
        case '&':
        case kAmpersandMark:
            ++ampersands;
            break;
        default:
            break;
        }
    }
    std::size_t length = line.size();
    auto budget = [&length](std::size_t count, std::size_t growth) {
        std::size_t allowed = std::min(count, (kLineLimit - length) / growth);
        length += allowed * growth;
        return allowed;
    };
    std::size_t lessLeft = budget(less, 3);
    std::size_t greaterLeft = budget(greater, 3);
    std::size_t quotesLeft = budget(quotes, 5);
    std::size_t ampersandsLeft = budget(ampersands, 4);
    for (char c : line) {
        switch (static_cast<unsigned char>(c)) {
        case '<':
            out += lessLeft ? (--lessLeft, "&lt;") : "<";
            break;
        case '>':
            out += greaterLeft ? (--greaterLeft, "&gt;") : ">";
            break;
        case '"':
            out += quotesLeft ? (--quotesLeft, "&quot;") : "\"";
            break;
        case '&':
        case kAmpersandMark:
            if (ampersandsLeft) {
                --ampersandsLeft;
                out += "&amp;";
            } else {
                out += c; // an ampersand stays an ampersand, a byte 0xAA stays that byte
            }
            break;
        default:
            out += c;
        }
    }
}

} // namespace

void convertCodePage(LineReader& input, const CodePageOptions& options, Output& out)
{
    const std::string margin(static_cast<std::size_t>(std::clamp(options.marginSpaces, 0, kWidestMargin)),
                             ' ');
    const std::size_t tabSpaces = static_cast<std::size_t>(std::max(options.tabSpaces, 0));

    out.put("<html>\n<head>\n<title>");
    out.put(base_name(options.inputName));
    out.put(" converted to ");
    out.put(base_name(options.outputName));
    out.put("</title>\n<meta name=\"ROBOTS\" content=\"NOINDEX\">\n</head>\n<body bgcolor=\"#FFFFFF\" "
            "text=\"#000000\">\n<pre>");

    std::string expanded;
    std::string escaped;
    expanded.reserve(kLineLimit + 1);
    std::string_view piece;
    while (!out.failed() && input.next(piece)) {
        std::string_view line =
            trim_trailing_spaces(expandTabs(trim_trailing_controls(piece), tabSpaces, expanded));
        if (!putEscaped(margin, line, out)) {
            escaped.assign(margin);
            appendEscapedWithinLimit(line, escaped);
            escaped += '\n';
            out.put(escaped);
        }
    }
    out.put("</pre>\n</body>\n</html>\n");
}

} // namespace vellum
