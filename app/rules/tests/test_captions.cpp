#include "rules/ResultCaptions.h"

#include <gtest/gtest.h>

#include <vellum62.h>

using namespace pagewright;

// Which codes succeed, which leave a whole page to replace the output, and the captions composed
// from a count; the fixed captions are read by the window tests.
TEST(ResultCaptions, SuccessPageAndCountsByCode)
{
    const char* kBinary =
        "Input file contains NUL bytes so appears to be binary not text. No output file created.";
    const struct {
        RunResult result;
        bool succeeded, pageMade;
        const char* caption; // nullptr: not checked here
    } cases[] = {
        {TextToHtmlResult(-7), false, false, nullptr},
        {TextToHtmlResult(-6), false, false, nullptr},
        {TextToHtmlResult(-5), false, true, nullptr},
        {TextToHtmlResult(-1), false, false, "Could not open input file."},
        {TextToHtmlResult(-3), false, true, nullptr},
        {TextToHtmlResult(-8), false, false, kBinary},
        {CodeToHtmlResult(-8), false, false, kBinary},
        {ListResult(-8, true), false, false, kBinary},
        {TableResult(-8, 0, 0), false, false, kBinary},
        {TemplateResult(-2), false, false, nullptr},
        {TemplateResult(-4), false, true, nullptr},
        {CodeToHtmlResult(0), true, true, "Conversion successful."},
        {ListResult(0, true), false, true, "No list items found in input file."},
        {ListResult(1, true), true, true, "HTML written for an ordered list with 1 item."},
        {ListResult(12, false), true, true, "HTML written for an unordered list with 12 items."},
        {ListResult(-2, false), false, false, nullptr},
        {TableResult(-1, 0, 0), false, false, nullptr},
        {TableResult(0, 0, 0), true, true, "HTML written for a table with 0 rows and 0 columns."},
        {TableResult(101, 1, 1), true, true, "HTML written for a table with 1 row and 1 column."},
        {TableResult(250, 1, 150), true, true, "HTML written for a table with 1 row and 150 columns."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::pair(c.result.succeeded, c.result.pageMade), std::pair(c.succeeded, c.pageMade))
            << c.result.caption.toStdString();
        EXPECT_EQ(c.result.caption, c.caption ? QString(c.caption) : c.result.caption);
    }
}

// An HTML5 code page's result line says what became of its colours, once the page was made.
TEST(ResultCaptions, ColouredCodeAddsTheColouringNote)
{
    EXPECT_EQ(ColouredCodeResult(0, VELLUM62_COLORED, "python").caption,
              "Conversion successful. Coloured as Python.");
    EXPECT_EQ(ColouredCodeResult(0, VELLUM62_NOT_COLORED_UNKNOWN_LANGUAGE, "").caption,
              "Conversion successful. Not coloured: unknown language.");
    EXPECT_EQ(ColouredCodeResult(0, VELLUM62_NOT_COLORED_NOT_ASKED, "").caption, "Conversion successful.");
    const RunResult failed =
        ColouredCodeResult(VELLUM62_INPUT_NOT_OPENED, VELLUM62_NOT_COLORED_UNKNOWN_LANGUAGE, "");
    EXPECT_EQ(failed.caption, CodeToHtmlResult(VELLUM62_INPUT_NOT_OPENED).caption);
    EXPECT_FALSE(failed.succeeded);
}
