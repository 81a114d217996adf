// In-line markup of one text line: typographic marks, character entities, headings and links.
// Each routine edits the line in place, using `scratch` as working space. Tags and dashes are
// carried as marks (entities.h) until substitute_entities writes them.
#pragma once

#include "entities.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vellum
{

// Where the first http address of a line keeps its bytes as they are, once substitute_entities
// has run; empty (start == npos) when the line has none.
struct RawSpan {
    std::size_t start = std::string_view::npos;
    std::size_t end = std::string_view::npos;
    bool holds(std::size_t pos) const { return start != std::string_view::npos && pos >= start && pos < end; }
};

// A word, two hyphens and a word become the words around a spaced dash mark (`dash`: kDash, or
// kHtml5Dash for an HTML5 page).
void mark_double_dashes(std::string& line, std::string& scratch, MarkKind dash = kDash);
// A hyphen between two spaces becomes the dash mark.
void mark_spaced_hyphens(std::string& line, std::string& scratch, MarkKind dash = kDash);
// The space after a free-standing capital I or A becomes a non-breaking space: the byte 0xA0, in
// UTF-8 text too (see Escape::TextUtf8).
void bind_single_letter_words(std::string& line, std::string& scratch);

// Where a web address that starts at or before `pos` ends: the end of the line, a comma followed by
// a space, one of  " ()[]{}<>  and the double quote, a mark, or the text "&gt;", "&lt;" or "&quot;".
std::size_t find_url_end(std::string_view line, std::size_t pos);
// True when `pos` lies inside the line's first "http://" address.
bool inside_web_address(std::string_view line, std::size_t pos);

// Escapes the line (Windows-1252 entities, or UTF-8 as it is) and writes its marks, except inside
// the line's first "http://" address, whose bytes stay as they are; `raw` says where they are.
// With `html5` a Windows-1252 line is written in UTF-8 (Escape::Text1252Html5).
void substitute_entities(std::string& line, std::string& scratch, bool utf8, RawSpan& raw, bool html5 = false);

// "\H" and a digit 0 to 6 at the start of the line make a centred heading of the rest.
void make_heading(std::string& line, std::string& scratch, RawSpan& raw);

// Wraps "http://", "ftp://", "https://" and "www." addresses of at most 160 characters in links.
// The link text escapes the ampersands that are still raw (those inside `raw`) and no others.
// With `html5` the address is written as an HTML5 page must hold it (see appendLinkAddress), and
// a web address whose host is not a host name, or that holds a user name, is not linked.
void link_web_addresses(std::string& line, std::string& scratch, const RawSpan& raw, bool utf8, bool html5);

// Finds the e-mail address around the line's first "@". False when there is none.
bool find_email_address(std::string_view line, std::size_t& start, std::size_t& end);
// Wraps the e-mail address around the line's first "@", if any, in a mailto link.
void link_email_address(std::string& line, std::string& scratch, bool utf8, bool html5);

// Appends a link's address for an HTML5 page: characters that may not stand in an address
// percent-encoded, and an ampersand that starts no character reference escaped.
void appendLinkAddress(std::string& out, std::string_view address);

} // namespace vellum
