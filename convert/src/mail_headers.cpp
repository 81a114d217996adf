#include "mail_headers.h"

#include "text_utils.h"

namespace vellum {

int classify_header_line(std::string_view line)
{
    const std::size_t colon = line.find(':');
    if (colon == npos || line.empty() || line[0] < 'A' || line[0] > 'Z' || colon < 2)
        return kOrdinaryLine;
    const std::string_view name = line.substr(0, colon);
    if (name.find(' ') != npos)
        return kOrdinaryLine;
    if (colon + 1 >= line.size() || !isBlank(line[colon + 1]))
        return kOrdinaryLine;
    // A line holding a tag is text, whatever it starts with.
    for (std::string_view tag : {"br>", "BR>", "p>", "P>", "pre>", "PRE>"})
        if (findText(line, tag) != npos)
            return kOrdinaryLine;
    if (name.find('-') != npos)
        return kDroppedHeader;
    if (std::string_view("DateSubjectFromTo").find(name) != npos)
        return kWrittenHeader;
    return kOrdinaryLine;
}

} // namespace vellum
