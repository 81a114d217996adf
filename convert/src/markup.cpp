#include "markup.h"

#include "text_utils.h"

#include <cstdint>
#include <vector>

namespace vellum {

void appendMapped(std::string& out, std::string_view text, const ByteTable& table)
{
    const char* data = text.data();
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view replacement = table[static_cast<unsigned char>(data[i])];
        if (!replacement.empty()) {
            out.append(data + run, i - run);
            out.append(replacement);
            run = i + 1;
        }
    }
    out.append(data + run, text.size() - run);
}

void mark_double_dashes(std::string& line, std::string& scratch)
{
    if (findText(line, "--") == npos)
        return;
    scratch.clear();
    const std::size_t n = line.size();
    std::size_t i = 0;
    while (i < n) {
        if (i + 3 < n && line[i + 1] == '-' && line[i + 2] == '-' && line[i] != '-' && line[i + 3] != '-') {
            scratch += line[i];
            scratch += ' ';
            scratch += static_cast<char>(kDash);
            scratch += ' ';
            scratch += line[i + 3];
            i += 4;
        } else {
            scratch += line[i++];
        }
    }
    line.swap(scratch);
}

void mark_spaced_hyphens(std::string& line, std::string& scratch)
{
    std::size_t hit = findText(line, " - ");
    if (hit == npos)
        return;
    scratch.clear();
    std::size_t copied = 0;
    while (hit != npos) {
        scratch.append(line, copied, hit - copied);
        scratch += ' ';
        scratch += static_cast<char>(kDash);
        scratch += ' ';
        copied = hit + 3;
        hit = findText(line, " - ", copied);
    }
    scratch.append(line, copied, npos);
    line.swap(scratch);
}

void bind_single_letter_words(std::string& line, std::string& scratch)
{
    if (findText(line, " I ") == npos && findText(line, " A ") == npos)
        return;
    scratch.clear();
    const std::size_t n = line.size();
    std::size_t i = 0;
    while (i < n) {
        if (i + 2 < n && line[i] == ' ' && (line[i + 1] == 'I' || line[i + 1] == 'A') && line[i + 2] == ' ') {
            scratch += ' ';
            scratch += line[i + 1];
            scratch += static_cast<char>(kNoBreakSpace);
            i += 3;
        } else {
            scratch += line[i++];
        }
    }
    line.swap(scratch);
}

namespace {

// A line as a sequence of units, so that an ampersand already marked for escaping can be told
// apart from an input byte 0xAA while the first web address of the line is worked out.
using Units = std::vector<uint16_t>;
constexpr uint16_t kMarkedAmpersand = 0x100 | kAmpersandMark;

template <typename Unit> unsigned unitValue(Unit u)
{
    if constexpr (sizeof(Unit) == 1)
        return static_cast<unsigned char>(u);
    else
        return u;
}

template <typename Sequence> std::size_t urlEnd(const Sequence& s, std::size_t pos)
{
    const std::size_t n = s.size();
    for (std::size_t i = pos; i < n; ++i) {
        switch (unitValue(s[i])) {
        case '"': case ' ': case '(': case ')': case '[': case ']': case '{': case '}': case '<': case '>':
        case kBreakTag: case kParagraphTag: case kPreStartTag: case kPreEndTag: case kRuleTag:
            return i;
        case ',':
            if (i + 1 < n && unitValue(s[i + 1]) == ' ')
                return i;
            break;
        case '&':
            if (i + 3 < n && unitValue(s[i + 1]) == 'g' && unitValue(s[i + 2]) == 't' && unitValue(s[i + 3]) == ';')
                return i;
            break;
        default:
            break;
        }
    }
    return n;
}

// One row of the entity table over the tail of a line that starts with its first web address,
// whose end is at `end`. Occurrences inside the address stay unless `always`. Escaping the stop
// character that ends the address lets the address run on to the next stop, unless the
// replacement itself is a stop.
void escapeAroundAddress(const Units& in, std::size_t& end, uint16_t byte, std::string_view replacement,
                         bool always, bool replacementStops, Units& out)
{
    out.clear();
    std::size_t stop = end;
    std::size_t newEnd = npos;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (i == stop)
            newEnd = out.size();
        uint16_t c = in[i];
        if (c == byte && (always || i >= stop)) {
            if (i == stop && !replacementStops) {
                stop = urlEnd(in, i + 1);
                newEnd = npos;
            }
            if (byte == '&')
                out.push_back(kMarkedAmpersand);
            else
                out.insert(out.end(), replacement.begin(), replacement.end());
        } else {
            out.push_back(c);
        }
    }
    end = newEnd == npos ? out.size() : newEnd;
}

} // namespace

std::size_t find_url_end(std::string_view line, std::size_t pos)
{
    return urlEnd(line, pos);
}

bool inside_web_address(std::string_view line, std::size_t pos)
{
    std::size_t start = findText(line, "http://");
    if (start == npos || start > pos)
        return false;
    return pos < find_url_end(line, start);
}

void substitute_entities(std::string& line, std::string& scratch)
{
    scratch.clear();
    std::size_t start = findText(line, "http://");
    if (start == npos) {
        appendMapped(scratch, line, text_entity_table);
        line.swap(scratch);
        return;
    }
    // Before the first http address nothing is inside it.
    appendMapped(scratch, std::string_view(line).substr(0, start), text_entity_table);

    // From the address on, the four reserved characters go first, one row after another, since
    // each escaped stop character can make the address longer for the rows that follow.
    Units tail(line.begin() + static_cast<std::ptrdiff_t>(start), line.end());
    for (auto& u : tail)
        u = static_cast<unsigned char>(u);
    std::size_t end = urlEnd(tail, 0);
    Units next;
    escapeAroundAddress(tail, end, '&', {}, false, false, next);
    escapeAroundAddress(next, end, '<', "&lt;", false, false, tail);
    escapeAroundAddress(tail, end, '>', "&gt;", true, true, next);
    escapeAroundAddress(next, end, '"', "&quot;", false, false, tail);

    // The other rows leave the address alone; a marked ampersand is "&amp;" wherever it is.
    for (std::size_t i = 0; i < tail.size(); ++i) {
        uint16_t u = tail[i];
        if (u == kMarkedAmpersand) {
            scratch += "&amp;";
            continue;
        }
        char c = static_cast<char>(u);
        std::string_view replacement = i < end ? std::string_view() : text_entity_table_after_reserved[u];
        if (replacement.empty())
            scratch += c;
        else
            scratch += replacement;
    }
    line.swap(scratch);
}

void make_heading(std::string& line, std::string& scratch)
{
    if (line.size() < 3 || line[0] != '\\' || line[1] != 'H' || line[2] < '0' || line[2] > '6')
        return;
    const char level = line[2];
    scratch.assign("<h");
    scratch += level;
    scratch += " align=center>";
    scratch += trim_leading_blanks(std::string_view(line).substr(3));
    scratch += "</h";
    scratch += level;
    scratch += '>';
    line.swap(scratch);
}

void link_web_addresses(std::string& line, std::string& scratch)
{
    static constexpr std::string_view kPrefixes[] = {"http://", "ftp://", "https://", "www."};
    constexpr std::size_t kKinds = std::size(kPrefixes);
    constexpr std::size_t kLongestAddress = 160;

    // Where each kind of address occurs next; npos once it occurs no more.
    std::size_t next[kKinds];
    bool any = false;
    for (std::size_t k = 0; k < kKinds; ++k) {
        next[k] = findText(line, kPrefixes[k]);
        any = any || next[k] != npos;
    }
    if (!any)
        return;

    scratch.clear();
    std::size_t cursor = 0;
    for (;;) {
        // The kinds are tried in their order, not by position.
        std::size_t kind = kKinds;
        for (std::size_t k = 0; k < kKinds && kind == kKinds; ++k) {
            if (next[k] != npos && next[k] < cursor)
                next[k] = findText(line, kPrefixes[k], cursor);
            if (next[k] != npos)
                kind = k;
        }
        if (kind == kKinds)
            break;
        const std::size_t start = next[kind];
        const std::size_t end = find_url_end(line, start + kPrefixes[kind].size());
        if (end - start > kLongestAddress)
            break;
        const bool fullStop = line[end - 1] == '.';
        const std::string_view address = std::string_view(line).substr(start, end - start - (fullStop ? 1 : 0));

        scratch.append(line, cursor, start - cursor);
        scratch += "<a href=\"";
        if (kind == 3)
            scratch += "http://";
        scratch += address;
        scratch += "\">";
        for (char c : address) {
            if (c == '&')
                scratch += "&amp;";
            else
                scratch += c;
        }
        scratch += "</a>";
        if (fullStop)
            scratch += '.';
        cursor = end;
    }
    scratch.append(line, cursor, npos);
    line.swap(scratch);
}

bool find_email_address(std::string_view line, std::size_t& start, std::size_t& end)
{
    const std::size_t at = line.find('@');
    if (at == npos || at == 0 || at + 1 >= line.size())
        return false;

    std::size_t s = at;
    while (s > 0) {
        char c = line[s - 1];
        // Stopping at ; > and " as well keeps an escaped "<" or a tag out of the address.
        if (c == ' ' || c == '<' || c == ':' || c == ';' || c == '>' || c == '"')
            break;
        --s;
    }

    std::size_t e = at + 1;
    int fullStops = 0;
    std::size_t lastStop = npos;
    std::size_t stopBeforeLast = npos;
    for (; e < line.size(); ++e) {
        char c = line[e];
        if (c == '<' || c == '&' || c == ' ')
            break;
        if (c == '.') {
            ++fullStops;
            stopBeforeLast = lastStop;
            lastStop = e;
        }
    }
    if (line[e - 1] == '.' && e - 1 > at) {
        --e;
        --fullStops;
        lastStop = stopBeforeLast;
    }
    if (fullStops != 1 || lastStop == npos || lastStop < at + 2)
        return false;
    start = s;
    end = e;
    return true;
}

void link_email_address(std::string& line, std::string& scratch)
{
    std::size_t start = 0;
    std::size_t end = 0;
    if (!find_email_address(line, start, end) || end - start > 160)
        return;
    const std::string_view address = std::string_view(line).substr(start, end - start);
    scratch.assign(line, 0, start);
    scratch += "<a href=\"mailto:";
    scratch += address;
    scratch += "\">";
    scratch += address;
    scratch += "</a>";
    scratch.append(line, end, npos);
    line.swap(scratch);
}

} // namespace vellum
