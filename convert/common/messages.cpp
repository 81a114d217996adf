#include "messages.h"

#include "vellum62.h"

namespace pagewright
{
namespace
{

std::string frameMessage(int32_t result)
{
    switch (result) {
    case VELLUM62_INPUT_IS_BINARY:
        return "Input file contains NUL bytes so appears to be binary not text. No output file created.";
    case VELLUM62_HEADER_AND_FOOTER_NOT_OPENED:
        return "Could not open header file or footer file (standard header and footer used).";
    case VELLUM62_FOOTER_NOT_OPENED:
        return "Could not open footer file (standard footer used).";
    case VELLUM62_HEADER_NOT_OPENED:
        return "Could not open header file (standard header used).";
    case VELLUM62_OUTPUT_NOT_OPENED:
        return "Could not open output file.";
    case VELLUM62_INPUT_NOT_OPENED:
        return "Could not open input file.";
    default:
        return {};
    }
}

std::string counted(int64_t count, const char* one, const char* many)
{
    std::string text = " ";
    text += std::to_string(count);
    text += count == 1 ? one : many;
    return text;
}

// The results every converter that reads an input may give besides its own.
bool inputOrOutputFailed(int32_t result)
{
    return result == VELLUM62_INPUT_NOT_OPENED || result == VELLUM62_OUTPUT_NOT_OPENED ||
           result == VELLUM62_INPUT_IS_BINARY;
}

} // namespace

bool pageWasMade(int32_t result)
{
    return result >= VELLUM62_DONE ||
           (result <= VELLUM62_HEADER_NOT_OPENED && result >= VELLUM62_HEADER_AND_FOOTER_NOT_OPENED);
}

std::string textResultMessage(int32_t result)
{
    if (result == VELLUM62_INPUT_HOLDS_X_HTML || result == VELLUM62_INPUT_HOLDS_HTML) {
        const char* tag = result == VELLUM62_INPUT_HOLDS_X_HTML ? "<X-HTML>" : "<HTML>";
        return std::string("Input file contains \"") + tag + "\" so appears to be HTML not text." +
               " No output file created.";
    }
    std::string message = frameMessage(result);
    return message.empty() ? "Conversion successful." : message;
}

std::string templateResultMessage(int32_t result)
{
    // A template reads no input, so input results do not arise; were they given, the page was made.
    std::string message = result == VELLUM62_INPUT_NOT_OPENED || result == VELLUM62_INPUT_IS_BINARY
                              ? std::string()
                              : frameMessage(result);
    return message.empty() ? "HTML template file successfully created." : message;
}

std::string codeResultMessage(int32_t result)
{
    if (inputOrOutputFailed(result))
        return frameMessage(result);
    return "Conversion successful.";
}

std::span<const CodeLanguage> codeLanguages()
{
    static constexpr CodeLanguage kLanguages[] = {
        {"bash", "Bash"}, {"c", "C"},       {"cpp", "C++"},   {"css", "CSS"},
        {"go", "Go"},     {"html", "HTML"}, {"java", "Java"}, {"javascript", "JavaScript"},
        {"json", "JSON"}, {"python", "Python"}, {"rust", "Rust"},
    };
    return kLanguages;
}

std::span<const CodeExtension> codeExtensions()
{
    // A header (.h) is read as C++: its grammar takes C headers as well, the C++ headers that
    // share the extension, and the attribute and linkage macros of system headers with fewer
    // errors, which also makes it parse about half again as fast.
    static constexpr CodeExtension kExtensions[] = {
        {"c", "c"},          {"h", "cpp"},          {"cc", "cpp"},         {"cpp", "cpp"},   {"hpp", "cpp"},
        {"py", "python"},    {"js", "javascript"},  {"mjs", "javascript"}, {"sh", "bash"},   {"bash", "bash"},
        {"java", "java"},    {"go", "go"},          {"rs", "rust"},        {"json", "json"}, {"css", "css"},
        {"html", "html"},
    };
    return kExtensions;
}

std::string colouringNote(int32_t coloring, const std::string& language)
{
    switch (coloring) {
    case VELLUM62_COLORED:
        for (const CodeLanguage& l : codeLanguages())
            if (l.name == language)
                return "Coloured as " + std::string(l.label) + ".";
        return "Coloured as " + language + ".";
    case VELLUM62_NOT_COLORED_UNKNOWN_LANGUAGE:
        return "Not coloured: unknown language.";
    case VELLUM62_NOT_COLORED_TOO_LARGE:
        return "Not coloured: too large or too complex.";
    default:
        return {};
    }
}

std::string listResultMessage(int32_t result, bool ordered)
{
    if (inputOrOutputFailed(result))
        return frameMessage(result);
    if (result == 0)
        return "No list items found in input file.";
    return std::string("HTML written for an ") + (ordered ? "ordered" : "unordered") + " list with" +
           counted(result, " item.", " items.");
}

std::string tableResultMessage(int32_t result, int64_t rows, int64_t columns)
{
    if (inputOrOutputFailed(result))
        return frameMessage(result);
    if (columns < 0) // more rows than the packed result can carry: the columns are not known
        return "HTML written for a table with" + counted(rows, " row.", " rows.");
    return "HTML written for a table with" + counted(rows, " row and", " rows and") +
           counted(columns, " column.", " columns.");
}

} // namespace pagewright
