#include "frontends/ResultCaptions.h"

#include <gtest/gtest.h>

using namespace pagewright;

TEST(ResultCaptions, TextToHtmlByCode)
{
    const struct {
        int code;
        const char* caption;
        bool ok;
    } cases[] = {
        {-7, "Input file contains \"<X-HTML>\" so appears to be HTML not text. No output file created.", false},
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
    EXPECT_FALSE(CaptionRefusesHtmlInput(ToolNotAvailableCaption()));
}
