#include "mail_headers.h"

#include "text_utils.h"

namespace vellum
{

std::string_view header_name(std::string_view line)
{
    const std::size_t colon = line.find(':');
    if (colon == npos || line[0] < 'A' || line[0] > 'Z' || colon < 2)
        return {};
    const std::string_view name = line.substr(0, colon);
    if (name.find(' ') != npos || colon + 1 >= line.size() || !isBlank(line[colon + 1]))
        return {};
    return name;
}

bool names_mail_header(std::string_view name)
{
    return name == "Date" || name == "Subject" || name == "From" || name == "To";
}

int classify_header_line(std::string_view line)
{
    const std::string_view name = header_name(line);
    if (name.empty())
        return kOrdinaryLine;
    // A line holding "br>", "BR>", "p>", "P>", "pre>" or "PRE>" is text, whatever it starts with.
    for (std::size_t at = line.find('>'); at != npos; at = line.find('>', at + 1)) {
        const std::string_view before = line.substr(0, at);
        if (before.ends_with('p') || before.ends_with('P') || before.ends_with("br") ||
            before.ends_with("BR") || before.ends_with("pre") || before.ends_with("PRE"))
            return kOrdinaryLine;
    }
    if (name.find('-') != npos)
        return kDroppedHeader;
    if (std::string_view("DateSubjectFromTo").find(name) != npos)
        return kWrittenHeader;
    return kOrdinaryLine;
}

} // namespace vellum
