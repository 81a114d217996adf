// What each result of the converters means to the user, in the words the program's tabs use.
#pragma once

#include <cstdint>
#include <string>

namespace pagewright
{

std::string textResultMessage(int32_t result);
std::string templateResultMessage(int32_t result);
std::string codeResultMessage(int32_t result);
std::string listResultMessage(int32_t result, bool ordered);
// rows and columns as counted, which may exceed what the packed result can carry; columns below 0
// when they are not known.
std::string tableResultMessage(int32_t result, int64_t rows, int64_t columns);

} // namespace pagewright
