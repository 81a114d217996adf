// What each result of the converters means to the user, in the words the program's tabs use.
#pragma once

#include <cstdint>
#include <string>

namespace pagewright
{

// Whether a converter's result means that it wrote a whole page, which then takes the output's
// place: a success, a page with the standard head or footer in place of a missing header or footer
// file, or a list without items. Any other result leaves the output as it was.
bool pageWasMade(int32_t result);

std::string textResultMessage(int32_t result);
std::string templateResultMessage(int32_t result);
std::string codeResultMessage(int32_t result);
std::string listResultMessage(int32_t result, bool ordered);
// rows and columns as counted, which may exceed what the packed result can carry; columns below 0
// when they are not known.
std::string tableResultMessage(int32_t result, int64_t rows, int64_t columns);

} // namespace pagewright
