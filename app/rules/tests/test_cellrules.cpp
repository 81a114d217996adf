// The cell editor's entry rules: the size boxes, the font size and the texts as stored.
#include "rules/CellRules.h"

#include <gtest/gtest.h>

using namespace pagewright;

TEST(CellRules, SizeBoxesFirstProblemOnly)
{
    const QString widthPercent = " Width in percent must be in the range 1 through 100.";
    const QString widthPixels = " Width in pixels must be in the range 10 through 1000.";
    const QString heightPercent = " Height in percent must be in the range 1 through 100.";
    const QString heightPixels = " Height in pixels must be in the range 10 through 1000.";
    // clang-format off
    const struct {
        const char *width, *height, *units; // width and height: % or p
        QString expected;                   // empty: passes
    } cases[] = {
        {"", "", "%p", ""}, {"1", "10", "%p", ""}, {"100", "1000", "%p", ""}, {"99.5", "2.5", "%%", ""},
        {"20px", "", "pp", ""}, {"10", "1", "p%", ""}, {"0.9", "", "%p", widthPercent},
        {"100.4", "", "%p", widthPercent}, {"9.9", "", "pp", widthPixels}, {"wide", "1001", "pp", widthPixels},
        {"", "0", "p%", heightPercent}, {"", "101", "p%", heightPercent}, {"", "1001", "pp", heightPixels},
        {"", "abc", "%p", heightPixels}, {"5000", "0", "p%", widthPixels},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(
            CellSizeProblem(c.width, c.units[0] == '%', c.height, c.units[1] == '%').value_or(QString()),
            c.expected)
            << c.width << "|" << c.height;
}

TEST(CellRules, FontSizeIsOneSignAndZeroToSix)
{
    for (const char* size : {"", "1", "3", "6", "+2", "-1", "+0", "-6", "+", "-", "+06"})
        EXPECT_TRUE(FontSizeOK(size)) << size;
    // "-+1" has its sign after another sign; "06" starts with a digit outside 1-6.
    for (const char* size : {"7", "0", "06", "10", "+7", "3a", "+-1", "-+1", "3.5", "1e0", " 3", "\xd9\xa3"})
        EXPECT_FALSE(FontSizeOK(QString::fromUtf8(size))) << size;
}

TEST(CellRules, TextsKeptOnOneLine)
{
    EXPECT_EQ(OneLine("a\r\nb\nc\rd\n\re"), "a b c d  e");
    EXPECT_EQ(StoredFontFace(" \"Arial\" "), "Arial");
    EXPECT_EQ(StoredFontFace("Times\r\nNew \"Roman\"\n"), "Times New Roman");
}
