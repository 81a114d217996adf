// Result lines of the converting tabs by the library's result code.
#ifndef PAGEWRIGHT_RESULTCAPTIONS_H
#define PAGEWRIGHT_RESULTCAPTIONS_H

#include <QString>

#include <cstdint>
#include <string>

namespace pagewright
{

struct RunResult {
    QString caption;
    bool succeeded = false; // the output may be shown and viewed
    bool pageMade = false;  // a whole page was written, which replaces the output
};

RunResult TextToHtmlResult(int code);
RunResult TemplateResult(int code);
RunResult CodeToHtmlResult(int code);
// The same for an HTML5 code page, followed by what became of its colouring (coloring: a
// VELLUM62_COLORED or VELLUM62_NOT_COLORED_* value; language: the language it was coloured as)
// when the page was made and there is something to say.
RunResult ColouredCodeResult(int code, int32_t coloring, const std::string& language);
// code: the number of items written; ordered: an ordered list was asked for.
RunResult ListResult(int code, bool ordered);
// code: the converter's result; rows and columns: the table it wrote.
RunResult TableResult(int code, int64_t rows, int64_t columns);


} // namespace pagewright

#endif
