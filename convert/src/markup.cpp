#include "markup.h"

#include "bytes.h"
#include "text_utils.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace vellum
{

namespace
{

constexpr std::size_t kLongestAddress = 160;

// The length of an address in characters (a UTF-8 address of at most 160 bytes needs no count).
std::size_t addressLength(std::string_view address, bool utf8)
{
    return utf8 && address.size() > kLongestAddress ? countCharacters(address) : address.size();
}

bool startsWith(std::string_view line, std::size_t at, std::string_view text)
{
    return line.size() - at >= text.size() && line.compare(at, text.size(), text) == 0;
}

} // namespace

void mark_double_dashes(std::string& line, std::string& scratch, MarkKind dash)
{
    // A match is a character other than a hyphen, two hyphens, and another such character; the
    // scan from the left goes on after the fourth character of a match (a mark counts as one
    // character).
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
            appendMark(scratch, dash);
            scratch += ' ';
            const std::size_t after = hyphens + 2;
            const std::size_t afterSize = line[after] == kMark && after + 1 < n ? 2 : 1;
            scratch.append(line, after, afterSize);
            copied = after + afterSize;
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

void mark_spaced_hyphens(std::string& line, std::string& scratch, MarkKind dash)
{
    std::size_t at = findAnchored(line, " - ", 1);
    if (at == npos)
        return;
    scratch.clear();
    std::size_t copied = 0;
    for (; at != npos; at = findAnchored(line, " - ", 1, at + 3)) {
        scratch.append(line, copied, at + 1 - copied);
        appendMark(scratch, dash);
        copied = at + 2;
    }
    scratch.append(line, copied, npos);
    line.swap(scratch);
}

void bind_single_letter_words(std::string& line, std::string&)
{
    // The non-breaking space takes the space's place as the byte 0xA0 (in UTF-8 text too, where a
    // byte 0xA0 right after an ASCII letter is no part of a character, so the escaping routine
    // knows it); a bound space no longer starts a match.
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

std::size_t find_url_end(std::string_view line, std::size_t pos)
{
    const std::size_t n = line.size();
    for (std::size_t i = pos; i < n; ++i) {
        switch (line[i]) {
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
        case kMark:
            return i;
        case ',':
            if (i + 1 < n && line[i + 1] == ' ')
                return i;
            break;
        case '&':
            if (startsWith(line, i, "&gt;") || startsWith(line, i, "&lt;") || startsWith(line, i, "&quot;"))
                return i;
            break;
        default:
            break;
        }
    }
    return n;
}

bool inside_web_address(std::string_view line, std::size_t pos)
{
    std::size_t start = findAnchored(line, "http://", 4);
    if (start == npos || start > pos)
        return false;
    return pos < find_url_end(line, start);
}

namespace
{

void appendEscapedText(std::string& out, std::string_view text, bool utf8, bool html5)
{
    if (utf8)
        appendEscaped<Escape::TextUtf8>(out, text);
    else if (html5)
        appendEscaped<Escape::Text1252Html5>(out, text);
    else
        appendEscaped<Escape::Text1252>(out, text);
}

} // namespace

void substitute_entities(std::string& line, std::string& scratch, bool utf8, RawSpan& raw, bool html5)
{
    raw = RawSpan();
    scratch.clear();
    const std::size_t start = findAnchored(line, "http://", 4);
    if (start == npos) {
        appendEscapedText(scratch, line, utf8, html5);
        line.swap(scratch);
        return;
    }
    // Every character that ends an address escapes to a text that ends it too, so escaping never
    // moves the end of the address: it keeps its bytes and everything around it is escaped. In an
    // HTML5 page its Windows-1252 bytes are its characters in UTF-8.
    const std::size_t stop = find_url_end(line, start);
    appendEscapedText(scratch, std::string_view(line).substr(0, start), utf8, html5);
    raw.start = scratch.size();
    const std::string_view address = std::string_view(line).substr(start, stop - start);
    if (html5 && !utf8) {
        std::string work;
        scratch += windows1252ToUtf8(address, work, false);
    } else {
        scratch += address;
    }
    raw.end = scratch.size();
    appendEscapedText(scratch, std::string_view(line).substr(stop), utf8, html5);
    line.swap(scratch);
}

void make_heading(std::string& line, std::string& scratch, RawSpan& raw)
{
    if (line.size() < 3 || line[0] != '\\' || line[1] != 'H' || line[2] < '0' || line[2] > '6')
        return;
    const char level = line[2];
    const std::string_view text = trim_leading_blanks(std::string_view(line).substr(3));
    scratch.assign("<h");
    scratch += level;
    scratch += " align=center>";
    const std::size_t shift = scratch.size();
    scratch += text;
    scratch += "</h";
    scratch += level;
    scratch += '>';
    if (raw.start != npos) {
        // The text moved from the end of the line minus its length to `shift`.
        const std::size_t from = line.size() - text.size();
        raw.start = raw.start - from + shift;
        raw.end = raw.end - from + shift;
    }
    line.swap(scratch);
}

namespace
{

// What each byte of a link's address needs in an HTML5 page: nothing, percent-encoding (it may not
// stand in an address), or a look at what follows it ("%", "#" and "&").
enum class AddressByte : unsigned char { Kept, Encoded, Looked };
constexpr std::array<AddressByte, 256> kAddressBytes = [] {
    std::array<AddressByte, 256> bytes{};
    for (int c = 0; c <= 0x20; ++c)
        bytes[static_cast<std::size_t>(c)] = AddressByte::Encoded;
    for (unsigned char c : std::string_view("\"<>`{}|\\^[]\x7F"))
        bytes[c] = AddressByte::Encoded;
    for (unsigned char c : std::string_view("%#&"))
        bytes[c] = AddressByte::Looked;
    return bytes;
}();

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// What each byte after the "://" of a web address is to its host: part of a host name, not part of
// one, the end of the part that holds the host ("/", "?", "#"), the end of a user name ("@"), or
// the start of a port (":").
enum class HostByte : unsigned char { Invalid, Name, End, At, Colon };
constexpr std::array<HostByte, 256> kHostBytes = [] {
    std::array<HostByte, 256> bytes{};
    for (int c = 0; c < 256; ++c) {
        const bool name = c >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == '.' || c == '-' || c == '_';
        bytes[static_cast<std::size_t>(c)] = name ? HostByte::Name : HostByte::Invalid;
    }
    bytes['/'] = bytes['?'] = bytes['#'] = HostByte::End;
    bytes['@'] = HostByte::At;
    bytes[':'] = HostByte::Colon;
    return bytes;
}();

// True when a web address ("scheme://host:port/...", the scheme `prefix` bytes long) may be linked
// from an HTML5 page: its host is a host name (letters, digits, ".", "-", "_" and characters above
// ASCII), with no user name before it.
bool hasHostName(std::string_view address, std::size_t prefix)
{
    bool valid = true, empty = true, port = false;
    for (std::size_t i = prefix; i < address.size(); ++i) {
        switch (kHostBytes[static_cast<unsigned char>(address[i])]) {
        case HostByte::Name:
            valid = valid && (port ? address[i] >= '0' && address[i] <= '9' : true);
            empty = empty && port;
            break;
        case HostByte::Invalid:
            valid = false;
            break;
        case HostByte::End:
            return valid && !empty;
        case HostByte::At: // a user name: an HTML5 page may not link to an address with one
            return false;
        case HostByte::Colon:
            valid = valid && !port;
            port = true;
            break;
        }
    }
    return valid && !empty;
}

} // namespace

void appendLinkAddress(std::string& out, std::string_view address)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    bool fragment = false;
    const std::size_t n = address.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t run = i;
        while (run < n && kAddressBytes[static_cast<unsigned char>(address[run])] == AddressByte::Kept)
            ++run;
        out.append(address, i, run - i);
        if (run == n)
            break;
        i = run;
        const char c = address[i];
        const auto u = static_cast<unsigned char>(c);
        bool encode = kAddressBytes[u] == AddressByte::Encoded;
        if (c == '%')
            encode = !(i + 2 < n && isHexDigit(address[i + 1]) && isHexDigit(address[i + 2]));
        else if (c == '#')
            encode = std::exchange(fragment, true); // a second "#" is part of the fragment
        if (c == '&') {
            const std::size_t semicolon = address.find(';', i);
            const bool reference = semicolon != npos && semicolon > i + 1 &&
                                   std::all_of(address.begin() + i + 1, address.begin() + semicolon, [](char r) {
                                       return r == '#' || (r >= 'a' && r <= 'z') || (r >= 'A' && r <= 'Z') ||
                                              (r >= '0' && r <= '9');
                                   });
            out += reference ? "&" : "&amp;";
        } else if (encode) {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
}

void link_web_addresses(std::string& line, std::string& scratch, const RawSpan& raw, bool utf8, bool html5)
{
    static constexpr std::string_view kPrefixes[] = {"http://", "ftp://", "https://", "www."};
    // Where to look first in each prefix: its ":" or its ".", rarer in text than letters.
    static constexpr std::size_t kAnchors[] = {4, 3, 5, 3};
    constexpr std::size_t kKinds = std::size(kPrefixes);

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
        std::size_t end = find_url_end(line, start + kPrefixes[kind].size());
        if (start == raw.start)
            end = std::min(end, raw.end); // where the address ended before escaping
        if (addressLength(std::string_view(line).substr(start, end - start), utf8) > kLongestAddress)
            break;
        const bool fullStop = line[end - 1] == '.';
        const std::size_t addressEnd = end - (fullStop ? 1 : 0);
        const std::string_view target = std::string_view(line).substr(start, addressEnd - start);
        if (html5 && kind != 3 && !hasHostName(target, kPrefixes[kind].size())) {
            scratch.append(line, cursor, end - cursor); // no page can link to it: text
            cursor = end;
            continue;
        }

        scratch.append(line, cursor, start - cursor);
        scratch += "<a href=\"";
        if (kind == 3)
            scratch += "http://";
        if (html5)
            appendLinkAddress(scratch, target);
        else
            scratch += target;
        scratch += "\">";
        // Ampersands escaped already are shown as they are; raw ones are escaped here.
        const std::string_view address = std::string_view(line).substr(0, addressEnd);
        std::size_t copied = start;
        for (std::size_t amp = address.find('&', start); amp != npos; amp = address.find('&', amp + 1)) {
            if (!raw.holds(amp))
                continue;
            scratch.append(line, copied, amp - copied);
            scratch += "&amp;";
            copied = amp + 1;
        }
        scratch.append(line, copied, addressEnd - copied);
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

void link_email_address(std::string& line, std::string& scratch, bool utf8, bool html5)
{
    std::size_t start = 0;
    std::size_t end = 0;
    if (!find_email_address(line, start, end))
        return;
    const std::string_view address = std::string_view(line).substr(start, end - start);
    if (addressLength(address, utf8) > kLongestAddress)
        return;
    scratch.assign(line, 0, start);
    scratch += "<a href=\"mailto:";
    if (html5)
        appendLinkAddress(scratch, address);
    else
        scratch += address;
    scratch += "\">";
    scratch += address;
    scratch += "</a>";
    scratch.append(line, end, npos);
    line.swap(scratch);
}

} // namespace vellum
