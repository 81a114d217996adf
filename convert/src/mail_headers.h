// Mail header lines in a saved message: in a mail header some are dropped, some are written as
// they stand.
#pragma once

#include <string_view>

namespace vellum
{

inline constexpr int kOrdinaryLine = 0;
inline constexpr int kDroppedHeader = 1; // a header name with a hyphen: Message-ID, X-Mailer, ...
inline constexpr int kWrittenHeader = 2; // Date, Subject, From, To (or a part of that run of names)

// The name of a line shaped like a mail header, "Name: value": a capital letter first, two or more
// characters before the colon and no space among them, a space or tab after it. Empty otherwise.
std::string_view header_name(std::string_view line);

// True for the names that make a block of header lines a mail header: Date, Subject, From, To.
bool names_mail_header(std::string_view name);

// What the text converter does with a line, were it in a mail header.
int classify_header_line(std::string_view line);

} // namespace vellum
