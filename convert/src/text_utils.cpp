#include "text_utils.h"

#include "converters.h"

#include "line_reader.h"
#include "output.h"

#include <climits>
#include <cstring>

namespace vellum
{

std::size_t findText(std::string_view text, std::string_view pattern, std::size_t from)
{
    if (from > text.size() || pattern.size() > text.size() - from)
        return npos;
    const void* hit = memmem(text.data() + from, text.size() - from, pattern.data(), pattern.size());
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : npos;
}

std::size_t findAnchored(std::string_view text, std::string_view pattern, std::size_t anchor,
                         std::size_t from)
{
    const std::size_t n = text.size(), m = pattern.size();
    if (from > n || m > n - from)
        return npos;
    const char* data = text.data();
    const char key = pattern[anchor];
    // Candidate starts run from `from` to n - m; the anchor byte sits `anchor` places later.
    const char* p = data + from + anchor;
    const char* last = data + (n - m) + anchor;
    while (p <= last) {
        p = static_cast<const char*>(std::memchr(p, key, static_cast<std::size_t>(last - p) + 1));
        if (!p)
            return npos;
        const char* start = p - anchor;
        std::size_t k = 0;
        while (k < m && start[k] == pattern[k])
            ++k;
        if (k == m)
            return static_cast<std::size_t>(start - data);
        ++p;
    }
    return npos;
}

bool replace_all(std::string& line, std::string_view pattern, std::string_view replacement, std::size_t limit)
{
    std::size_t hit = findText(line, pattern);
    if (hit == npos)
        return false;
    // Searching again from the start after each replacement finds the same occurrences as one
    // pass from the left, because no replacement holds the pattern.
    std::string result;
    result.reserve(line.size());
    std::size_t length = line.size();
    std::size_t copied = 0;
    bool replaced = false;
    while (hit != npos) {
        if (limit > 0 && length - pattern.size() + replacement.size() > limit)
            break;
        result.append(line, copied, hit - copied);
        result.append(replacement);
        length = length - pattern.size() + replacement.size();
        copied = hit + pattern.size();
        replaced = true;
        hit = findText(line, pattern, copied);
    }
    result.append(line, copied, npos);
    line.swap(result);
    return replaced;
}

void putWrapperHeadStart(Output& out, bool declareCharset, bool utf8)
{
    out.put("<html>\n<head>");
    if (declareCharset) {
        out.put('\n');
        out.put(charsetMeta(utf8));
        out.put('\n');
    }
    out.put("<title>\n");
}

void putHtml5Start(Output& out, const Html5Settings& settings)
{
    out.put(pagewright::html5PageStart({settings.lang, settings.stylesheet}));
}

void putHtml5HeadEnd(Output& out, const Html5Settings& settings, const pagewright::StyleValues& values,
                     std::string_view bodyClass, std::string_view headLines)
{
    out.put(pagewright::html5HeadEnd({settings.lang, settings.stylesheet}, values, bodyClass, headLines));
}

void copy_file_lines(LineReader& file, Output& out)
{
    std::string_view piece;
    while (!out.failed() && file.next(piece)) {
        out.put(piece);
        if (file.lineEnded())
            out.put('\n');
    }
}

int parseLeadingInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

} // namespace vellum
