#include "markup.h"

#include "bytes.h"
#include "text_utils.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vellum
{

namespace
{

// The high bit of every byte of eight that may have a replacement: bytes of 0x80 and above, and
// the four characters HTML reserves (the only replaced bytes below 0x80).
uint64_t candidateBytes(const char* bytes)
{
    const uint64_t word = loadEight(bytes);
    return (word & kHighBits) | bytesEqual(word, '&') | bytesEqual(word, '<') | bytesEqual(word, '>') |
           bytesEqual(word, '"');
}

} // namespace

char* writeMapped(char* to, std::string_view text, const WideByteTable& table)
{
    const char* data = text.data();
    const std::size_t n = text.size();
    auto put = [&to, &table](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        std::memcpy(to, table.text[u], 8);
        to += table.length[u];
    };
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        // Eight bytes of which none may have a replacement are copied at once.
        const uint64_t word = loadEight(data + i);
        if (candidateBytes(data + i) == 0) {
            std::memcpy(to, &word, sizeof word);
            to += sizeof word;
            continue;
        }
        for (std::size_t k = 0; k < 8; ++k)
            put(data[i + k]);
    }
    for (; i < n; ++i)
        put(data[i]);
    return to;
}

void appendMapped(std::string& out, std::string_view text, const WideByteTable& table)
{
    const std::size_t start = out.size();
    out.resize(start + 8 * text.size() + 8); // room for the widest replacement of every byte
    char* end = writeMapped(out.data() + start, text, table);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

void mark_double_dashes(std::string& line, std::string& scratch)
{
    // A match is a character other than a hyphen, two hyphens, and another such character; the
    // scan from the left goes on after the fourth character of a match.
    const std::size_t n = line.size();
    std::size_t copied = 0;
    std::size_t hyphens = findAnchored(line, "--", 0, 1);
    bool changed = false;
    while (hyphens != npos) {
        const std::size_t before = hyphens - 1;
        if (line[before] != '-' && hyphens + 2 < n && line[hyphens + 2] != '-') {
            if (!changed) {
                scratch.clear();
                changed = true;
            }
            scratch.append(line, copied, before + 1 - copied);
            scratch += ' ';
            scratch += static_cast<char>(kDash);
            scratch += ' ';
            scratch += line[hyphens + 2];
            copied = hyphens + 3;
            hyphens = findAnchored(line, "--", 0, copied + 1);
        } else {
            hyphens = findAnchored(line, "--", 0, hyphens + 1);
        }
    }
    if (!changed)
        return;
    scratch.append(line, copied, npos);
    line.swap(scratch);
}

void mark_spaced_hyphens(std::string& line, std::string&)
{
    // The dash mark takes the hyphen's place, so the line keeps its length.
    for (std::size_t at = findAnchored(line, " - ", 1); at != npos; at = findAnchored(line, " - ", 1, at + 3))
        line[at + 1] = static_cast<char>(kDash);
}

void bind_single_letter_words(std::string& line, std::string&)
{
    // The non-breaking space takes the space's place; a bound space no longer starts a match.
    std::size_t nextI = findAnchored(line, " I ", 1);
    std::size_t nextA = findAnchored(line, " A ", 1);
    while (nextI != npos || nextA != npos) {
        const std::size_t at = std::min(nextI, nextA);
        line[at + 2] = static_cast<char>(kNoBreakSpace);
        if (nextI != npos && nextI < at + 3)
            nextI = findAnchored(line, " I ", 1, at + 3);
        if (nextA != npos && nextA < at + 3)
            nextA = findAnchored(line, " A ", 1, at + 3);
    }
}

namespace
{

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
        case '"':
        case ' ':
        case '(':
        case ')':
        case '[':
        case ']':
        case '{':
        case '}':
        case '<':
        case '>':
        case kBreakTag:
        case kParagraphTag:
        case kPreStartTag:
        case kPreEndTag:
        case kRuleTag:
            return i;
        case ',':
            if (i + 1 < n && unitValue(s[i + 1]) == ' ')
                return i;
            break;
        case '&':
            if (i + 3 < n && unitValue(s[i + 1]) == 'g' && unitValue(s[i + 2]) == 't' &&
                unitValue(s[i + 3]) == ';')
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
    std::size_t start = findAnchored(line, "http://", 4);
    if (start == npos || start > pos)
        return false;
    return pos < find_url_end(line, start);
}

void substitute_entities(std::string& line, std::string& scratch)
{
    scratch.clear();
    std::size_t start = findAnchored(line, "http://", 4);
    if (start == npos) {
        appendMapped(scratch, line, text_entity_table_wide);
        line.swap(scratch);
        return;
    }
    // Before the first http address nothing is inside it.
    appendMapped(scratch, std::string_view(line).substr(0, start), text_entity_table_wide);

    // The address only grows when the character that ends it is escaped into something that
    // does not end it: an "&" (of "&gt;"), a "<" or a double quote. Otherwise it keeps its raw
    // bytes and the rest of the line is escaped as usual.
    const std::size_t stop = find_url_end(line, start);
    if (stop == line.size() || (line[stop] != '&' && line[stop] != '<' && line[stop] != '"')) {
        scratch.append(line, start, stop - start);
        appendMapped(scratch, std::string_view(line).substr(stop), text_entity_table_wide);
        line.swap(scratch);
        return;
    }

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
    // Where to look first in each prefix: its ":" or its ".", rarer in text than letters.
    static constexpr std::size_t kAnchors[] = {4, 3, 5, 3};
    constexpr std::size_t kKinds = std::size(kPrefixes);
    constexpr std::size_t kLongestAddress = 160;

    // Where each kind of address occurs next; npos once it occurs no more. Without a colon
    // there is no "://" to look for, and without "ww." no "www.".
    std::size_t next[kKinds];
    const bool colon = line.find(':') != npos;
    const bool www = holdsThreeInARow(line.data(), line.size(), 'w', 'w', '.');
    bool any = false;
    for (std::size_t k = 0; k < kKinds; ++k) {
        next[k] = (k == 3 ? www : colon) ? findAnchored(line, kPrefixes[k], kAnchors[k]) : npos;
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
                next[k] = findAnchored(line, kPrefixes[k], kAnchors[k], cursor);
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
        const std::string_view address =
            std::string_view(line).substr(start, end - start - (fullStop ? 1 : 0));

        scratch.append(line, cursor, start - cursor);
        scratch += "<a href=\"";
        if (kind == 3)
            scratch += "http://";
        scratch += address;
        scratch += "\">";
        std::size_t copied = 0;
        for (std::size_t amp = address.find('&'); amp != npos; amp = address.find('&', copied)) {
            scratch.append(address, copied, amp - copied);
            scratch += "&amp;";
            copied = amp + 1;
        }
        scratch.append(address, copied);
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
