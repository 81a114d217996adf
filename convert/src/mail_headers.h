// Mail header lines in a saved message: some are dropped, some are written as they stand.
#pragma once

#include <string_view>

namespace vellum {

inline constexpr int kOrdinaryLine = 0;
inline constexpr int kDroppedHeader = 1; // a header name with a hyphen: Message-ID, X-Mailer, ...
inline constexpr int kWrittenHeader = 2; // Date, Subject, From, To (or a part of that run of names)

int classify_header_line(std::string_view line);

} // namespace vellum
