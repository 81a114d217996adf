#include "rules/ResultCaptions.h"

#include <gtest/gtest.h>

using namespace pagewright;

TEST(ResultCaptions, TextToHtmlByCode)
{
    const struct {
        int code;
        const char* caption;
        bool ok;
    } cases[] = {
        {-7, "Input file contains \"<X-HTML>\" so appears to be HTML not text. No output file created.",
         false},
        {-6, "Input file contains \"<HTML>\" so appears to be HTML not text. No output file created.", false},
        {-5, "Could not open header file or footer file (standard header and footer used).", false},
        {-4, "Could not open footer file (standard footer used).", false},
        {-3, "Could not open header file (standard header used).", false},
        {-2, "Could not open output file.", false},
        {-1, "Could not open input file.", false},
        {0, "Conversion successful.", true},
        {7, "Conversion successful.", true},
        {-8, "Conversion successful.", true},
    };
    for (const auto& c : cases) {
        const RunResult r = TextToHtmlResult(c.code);
        EXPECT_EQ(r.caption, QString(c.caption)) << c.code;
        EXPECT_EQ(r.succeeded, c.ok) << c.code;
    }
}

TEST(ResultCaptions, TemplateByCode)
{
    const struct {
        int code;
        const char* caption;
        bool ok;
    } cases[] = {
        {-5, "Could not open header file or footer file (standard header and footer used).", false},
        {-4, "Could not open footer file (standard footer used).", false},
        {-3, "Could not open header file (standard header used).", false},
        {-2, "Could not open output file.", false},
        {-1, "HTML template file successfully created.", true},
        {0, "HTML template file successfully created.", true},
        {-6, "HTML template file successfully created.", true},
    };
    for (const auto& c : cases) {
        const RunResult r = TemplateResult(c.code);
        EXPECT_EQ(r.caption, QString(c.caption)) << c.code;
        EXPECT_EQ(r.succeeded, c.ok) << c.code;
    }
}

TEST(ResultCaptions, HtmlRefusalIsRecognisedInAnyCase)
{
    EXPECT_TRUE(CaptionRefusesHtmlInput(TextToHtmlResult(-6).caption));
    EXPECT_TRUE(CaptionRefusesHtmlInput(TextToHtmlResult(-7).caption));
    EXPECT_TRUE(CaptionRefusesHtmlInput("INPUT FILE CONTAINS something"));
    EXPECT_FALSE(CaptionRefusesHtmlInput(TextToHtmlResult(-1).caption));
    EXPECT_FALSE(CaptionRefusesHtmlInput("HTML for table written."));
}

TEST(ResultCaptions, CodeByCode)
{
    EXPECT_EQ(CodeToHtmlResult(-1).caption, QString("Could not open input file."));
    EXPECT_EQ(CodeToHtmlResult(-2).caption, QString("Could not open output file."));
    EXPECT_FALSE(CodeToHtmlResult(-1).succeeded);
    EXPECT_FALSE(CodeToHtmlResult(-2).succeeded);
    for (const int code : {0, 3, -3}) {
        EXPECT_EQ(CodeToHtmlResult(code).caption, QString("Conversion successful.")) << code;
        EXPECT_TRUE(CodeToHtmlResult(code).succeeded) << code;
    }
}

TEST(ResultCaptions, ListInSingularAndPlural)
{
    const struct {
        int code;
        bool ordered;
        const char* caption;
        bool ok;
    } cases[] = {
        {-1, true, "Could not open input file.", false},
        {-2, false, "Could not open output file.", false},
        {0, true, "No list items found in input file.", false},
        {1, true, "HTML written for an ordered list with 1 item.", true},
        {1, false, "HTML written for an unordered list with 1 item.", true},
        {12, false, "HTML written for an unordered list with 12 items.", true},
        {999, true, "HTML written for an ordered list with 999 items.", true},
    };
    for (const auto& c : cases) {
        const RunResult r = ListResult(c.code, c.ordered);
        EXPECT_EQ(r.caption, QString(c.caption)) << c.code;
        EXPECT_EQ(r.succeeded, c.ok) << c.code;
    }
}

TEST(ResultCaptions, TableRowsAndColumnsFromTheCode)
{
    const struct {
        int code;
        const char* caption;
        bool ok;
    } cases[] = {
        {-1, "Could not open input file.", false},
        {-2, "Could not open output file.", false},
        {0, "HTML written for a table with 0 rows and 0 columns.", true},
        {101, "HTML written for a table with 1 row and 1 column.", true},
        {304, "HTML written for a table with 3 rows and 4 columns.", true},
        {360, "HTML written for a table with 3 rows and 60 columns.", true},
        {201, "HTML written for a table with 2 rows and 1 column.", true},
        {110, "HTML written for a table with 1 row and 10 columns.", true},
        {100000, "HTML written for a table with 1000 rows and 0 columns.", true},
    };
    for (const auto& c : cases) {
        const RunResult r = TableResult(c.code);
        EXPECT_EQ(r.caption, QString(c.caption)) << c.code;
        EXPECT_EQ(r.succeeded, c.ok) << c.code;
    }
}
