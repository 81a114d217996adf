// Result lines of the converting tabs by the library's result code.
#ifndef PAGEWRIGHT_RESULTCAPTIONS_H
#define PAGEWRIGHT_RESULTCAPTIONS_H

#include <QString>

#include <cstdint>

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
// code: the number of items written; ordered: an ordered list was asked for.
RunResult ListResult(int code, bool ordered);
// code: the converter's result; rows and columns: the table it wrote.
RunResult TableResult(int code, int64_t rows, int64_t columns);


} // namespace pagewright

#endif
