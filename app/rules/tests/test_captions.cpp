#include "rules/ResultCaptions.h"

#include <gtest/gtest.h>

using namespace pagewright;

// Which codes succeed, which refuse the input as HTML (the partial page is then deleted), and the
// captions composed from a count; the fixed captions are read by the window tests.
TEST(ResultCaptions, SuccessDiscardAndCountsByCode)
{
    const char* kBinary = "Input file contains NUL bytes so appears to be binary not text. No output file created.";
    const struct {
        RunResult result;
        bool succeeded, discardOutput;
        const char* caption; // nullptr: not checked here
    } cases[] = {
        {TextToHtmlResult(-7), false, true, nullptr},
        {TextToHtmlResult(-6), false, true, nullptr},
        {TextToHtmlResult(-5), false, false, nullptr},
        {TextToHtmlResult(-1), false, false, "Could not open input file."},
        {TextToHtmlResult(-8), false, true, kBinary},
        {CodeToHtmlResult(-8), false, true, kBinary},
        {ListResult(-8, true), false, true, kBinary},
        {TableResult(-8), false, true, kBinary},
        {TemplateResult(-2), false, false, nullptr},
        {TemplateResult(-6), true, false, nullptr},
        {CodeToHtmlResult(-3), true, false, nullptr},
        {ListResult(0, true), false, false, "No list items found in input file."},
        {ListResult(1, true), true, false, "HTML written for an ordered list with 1 item."},
        {ListResult(12, false), true, false, "HTML written for an unordered list with 12 items."},
        {ListResult(-2, false), false, false, nullptr},
        {TableResult(-1), false, false, nullptr},
        {TableResult(0), true, false, "HTML written for a table with 0 rows and 0 columns."},
        {TableResult(101), true, false, "HTML written for a table with 1 row and 1 column."},
        {TableResult(100000), true, false, "HTML written for a table with 1000 rows and 0 columns."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result.succeeded, c.succeeded) << c.result.caption.toStdString();
        EXPECT_EQ(c.result.discardOutput, c.discardOutput) << c.result.caption.toStdString();
        if (c.caption) {
            EXPECT_EQ(c.result.caption, QString(c.caption));
        }
    }
}
