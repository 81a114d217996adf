#include "rules/ResultCaptions.h"

#include "messages.h"
#include "vellum62.h"

namespace pagewright
{

// The words come from the result messages the command-line converter shares.

namespace
{

// Binary input stops every converter part way: there is no page to show.
bool binary(int code)
{
    return code == VELLUM62_INPUT_IS_BINARY;
}

} // namespace

RunResult TextToHtmlResult(int code)
{
    const bool failed = code >= VELLUM62_INPUT_IS_BINARY && code <= VELLUM62_INPUT_NOT_OPENED;
    return {QString::fromStdString(textResultMessage(code)), !failed, pageWasMade(code)};
}

RunResult TemplateResult(int code)
{
    const bool failed = code >= VELLUM62_HEADER_AND_FOOTER_NOT_OPENED && code <= VELLUM62_OUTPUT_NOT_OPENED;
    return {QString::fromStdString(templateResultMessage(code)), !failed, pageWasMade(code)};
}

RunResult CodeToHtmlResult(int code)
{
    const bool failed =
        code == VELLUM62_INPUT_NOT_OPENED || code == VELLUM62_OUTPUT_NOT_OPENED || binary(code);
    return {QString::fromStdString(codeResultMessage(code)), !failed, pageWasMade(code)};
}

RunResult ColouredCodeResult(int code, int32_t coloring, const std::string& language)
{
    RunResult result = CodeToHtmlResult(code);
    const std::string note = result.pageMade ? colouringNote(coloring, language) : std::string();
    if (!note.empty())
        result.caption += QLatin1Char(' ') + QString::fromStdString(note);
    return result;
}

RunResult ListResult(int code, bool ordered)
{
    // A file without items still gets its (empty) list written, but there is nothing to show.
    const bool failed =
        code == VELLUM62_INPUT_NOT_OPENED || code == VELLUM62_OUTPUT_NOT_OPENED || code == 0 || binary(code);
    return {QString::fromStdString(listResultMessage(code, ordered)), !failed, pageWasMade(code)};
}

RunResult TableResult(int code, int64_t rows, int64_t columns)
{
    const bool failed =
        code == VELLUM62_INPUT_NOT_OPENED || code == VELLUM62_OUTPUT_NOT_OPENED || binary(code);
    return {QString::fromStdString(tableResultMessage(code, rows, columns)), !failed, pageWasMade(code)};
}

} // namespace pagewright
