// In-line markup of one text line: typographic marks, character entities, headings and links.
// Each routine edits the line in place, using `scratch` as working space.
#pragma once

#include "entities.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vellum
{

// Writes `text` at `to` with every byte as `table` says (a byte below 0x80 other than & < > " must
// stand for itself); `to` needs room for 8 bytes per byte of text. Returns the end of what it wrote.
char* writeMapped(char* to, std::string_view text, const WideByteTable& table);
// Appends `text` to `out` with every byte written as `table` says.
void appendMapped(std::string& out, std::string_view text, const WideByteTable& table);

// A word, two hyphens and a word become the words around a spaced dash mark.
void mark_double_dashes(std::string& line, std::string& scratch);
// A hyphen between two spaces becomes the dash mark.
void mark_spaced_hyphens(std::string& line, std::string& scratch);
// The space after a free-standing capital I or A becomes a non-breaking space.
void bind_single_letter_words(std::string& line, std::string& scratch);

// Where a web address that starts at or before `pos` ends: the end of the line, a comma followed by
// a space, one of  " ()[]{}<>  and the double quote, a tag placeholder, or the text "&gt;".
std::size_t find_url_end(std::string_view line, std::size_t pos);
// True when `pos` lies inside the line's first "http://" address.
bool inside_web_address(std::string_view line, std::size_t pos);

// Writes every byte as the entity table says, except inside the line's first "http://" address,
// where bytes stay as they are (a greater-than sign ends an address, so it is always escaped).
// An ampersand that the address grows over after it was marked is still written "&amp;".
void substitute_entities(std::string& line, std::string& scratch);

// "\H" and a digit 0 to 6 at the start of the line make a centred heading of the rest.
void make_heading(std::string& line, std::string& scratch);

// Wraps "http://", "ftp://", "https://" and "www." addresses of at most 160 characters in links.
void link_web_addresses(std::string& line, std::string& scratch);

// Finds the e-mail address around the line's first "@". False when there is none.
bool find_email_address(std::string_view line, std::size_t& start, std::size_t& end);
// Wraps the e-mail address around the line's first "@", if any, in a mailto link.
void link_email_address(std::string& line, std::string& scratch);

} // namespace vellum
