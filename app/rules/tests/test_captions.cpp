#include "rules/ResultCaptions.h"

#include <gtest/gtest.h>

#include <functional>

using namespace pagewright;

namespace
{

struct CaptionCase {
    const char* tool;
    std::function<RunResult(int)> result;
    int code;
    const char* caption;
    bool succeeded;
    bool discardOutput = false;
};

const CaptionCase kCases[] = {
    {"text", TextToHtmlResult, -7,
     "Input file contains \"<X-HTML>\" so appears to be HTML not text. No output file created.", false, true},
    {"text", TextToHtmlResult, -6,
     "Input file contains \"<HTML>\" so appears to be HTML not text. No output file created.", false, true},
    {"text", TextToHtmlResult, -5,
     "Could not open header file or footer file (standard header and footer used).", false},
    {"text", TextToHtmlResult, -4, "Could not open footer file (standard footer used).", false},
    {"text", TextToHtmlResult, -3, "Could not open header file (standard header used).", false},
    {"text", TextToHtmlResult, -2, "Could not open output file.", false},
    {"text", TextToHtmlResult, -1, "Could not open input file.", false},
    {"text", TextToHtmlResult, 7, "Conversion successful.", true},
    {"text", TextToHtmlResult, -8, "Conversion successful.", true},
    {"template", TemplateResult, -3, "Could not open header file (standard header used).", false},
    {"template", TemplateResult, -2, "Could not open output file.", false},
    {"template", TemplateResult, -1, "HTML template file successfully created.", true},
    {"template", TemplateResult, -6, "HTML template file successfully created.", true},
    {"code", CodeToHtmlResult, -1, "Could not open input file.", false},
    {"code", CodeToHtmlResult, -2, "Could not open output file.", false},
    {"code", CodeToHtmlResult, -3, "Conversion successful.", true},
    {"ordered list", [](int c) { return ListResult(c, true); }, 0, "No list items found in input file.",
     false},
    {"ordered list", [](int c) { return ListResult(c, true); }, 1,
     "HTML written for an ordered list with 1 item.", true},
    {"unordered list", [](int c) { return ListResult(c, false); }, 12,
     "HTML written for an unordered list with 12 items.", true},
    {"unordered list", [](int c) { return ListResult(c, false); }, -2, "Could not open output file.", false},
    {"table", TableResult, -1, "Could not open input file.", false},
    {"table", TableResult, 0, "HTML written for a table with 0 rows and 0 columns.", true},
    {"table", TableResult, 101, "HTML written for a table with 1 row and 1 column.", true},
    {"table", TableResult, 360, "HTML written for a table with 3 rows and 60 columns.", true},
    {"table", TableResult, 100000, "HTML written for a table with 1000 rows and 0 columns.", true}};

} // namespace

TEST(ResultCaptions, CaptionSuccessAndDiscardByCode)
{
    for (const CaptionCase& c : kCases) {
        const RunResult r = c.result(c.code);
        EXPECT_EQ(r.caption, QString(c.caption)) << c.tool << " " << c.code;
        EXPECT_EQ(r.succeeded, c.succeeded) << c.tool << " " << c.code;
        EXPECT_EQ(r.discardOutput, c.discardOutput) << c.tool << " " << c.code;
    }
}
