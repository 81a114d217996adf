// What each result of the converters means to the user, in the words the program's tabs use.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pagewright
{

// Whether a converter's result means that it wrote a whole page, which then takes the output's
// place: a success, a page with the standard head or footer in place of a missing header or footer
// file, or a list without items. Any other result leaves the output as it was.
bool pageWasMade(int32_t result);

std::string textResultMessage(int32_t result);
std::string templateResultMessage(int32_t result);
std::string codeResultMessage(int32_t result);
// A language the converter colours: the name the library and the command line take ("cpp") and
// the name users know it by ("C++").
struct CodeLanguage
{
    std::string_view name;
    std::string_view label;
};
// Every language the converter colours, in the order a list offers them.
std::span<const CodeLanguage> codeLanguages();

// The file extensions (lower case, without the dot) the converter tells a language by, and that
// language's name.
struct CodeExtension
{
    std::string_view extension;
    std::string_view language;
};
std::span<const CodeExtension> codeExtensions();

// What became of a code page's colouring (a VELLUM62_COLORED or VELLUM62_NOT_COLORED_* value), in
// a few words to add after the result: "Coloured as Python.", "Not coloured: unknown language.",
// "Not coloured: too large or too complex."; empty when colouring was not asked for or the page
// is classic.
std::string colouringNote(int32_t coloring, const std::string& language);
std::string listResultMessage(int32_t result, bool ordered);
// rows and columns as counted, which may exceed what the packed result can carry; columns below 0
// when they are not known.
std::string tableResultMessage(int32_t result, int64_t rows, int64_t columns);

} // namespace pagewright
