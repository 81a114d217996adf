// The number a box's text starts with, rounding half to even, and the table-properties checks
// built on them.
#include "rules/NumberText.h"
#include "rules/TableProperties.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pagewright;

TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    // clang-format off
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {" 7 items", 7}, {"\t3", 3}, {"-3", -3}, {"+4", 4}, {"2.5x", 2.5}, {".5", 0.5}, {"5.", 5},
        {"1e3", 1000}, {"2E-1", 0.2}, {"2e+", 2}, {"3 4", 3}, {"x12", 0}, {"", 0}, {"-.", 0}, {"1,5", 1},
        {"0x10", 0}, {"1e-400", 0}, {"1e400", HUGE_VAL}, {"-1e400", -HUGE_VAL},
        {"99999999999999999999", 1e20}, {"\xd9\xa3", 0},
        {"\xef\xbc\x95", 0}, // digits to Unicode, not to the program
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(LeadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    // clang-format off
    const struct {
        double value, rounded;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {999.5, 1000}, {998.5, 998}, {0.6, 1}, {0.4, 0}, {-1.5, -2},
        {-2.5, -2}, {-0.6, -1}, {7, 7}, {1e15 + 0.5, 1e15}, {4503599627370497.0, 4503599627370497.0},
        {HUGE_VAL, HUGE_VAL},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

namespace
{

TablePropertyTexts Texts(const char* width, const char* border, const char* padding, const char* spacing,
                         bool percent = false)
{
    return {width, border, padding, spacing, percent};
}

} // namespace

TEST(TableProperties, RangesOfEachBoxFirstProblemOnly)
{
    const QString percent = " Width in percent must be in the range 5 through 100.";
    const QString pixels = " Width in pixels must be in the range 50 through 1000.";
    const QString border = " Border in pixels must be in the range 0 through 100.";
    const QString padding = " Cellpadding in pixels must be in the range 0 through 100.";
    const QString spacing = " Cell spacing in pixels must be in the range 0 through 100.";
    // clang-format off
    const struct {
        TablePropertyTexts texts;
        QString expected; // empty: passes
    } cases[] = {
        {Texts("", "abc", "abc", "abc"), ""}, {Texts("4", "", "", "", true), percent},
        {Texts("5", "", "", "", true), ""}, {Texts("100", "", "", "", true), ""},
        {Texts("101", "", "", "", true), percent}, {Texts("49", "", "", ""), pixels},
        {Texts("50", "", "", ""), ""}, {Texts("1000", "", "", ""), ""},
        {Texts("1000.5", "", "", ""), pixels}, {Texts("abc", "", "", ""), pixels},
        {Texts("", "100.4", "", ""), border}, {Texts("", "99.5", "", ""), ""},
        {Texts("", "-1", "", ""), border}, {Texts("", "", "", "-0.5"), spacing},
        {Texts("1", "200", "200", "200"), pixels}, {Texts("", "", "200", "200"), padding},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(TablePropertiesProblem(c.texts).value_or(QString()), c.expected) << qPrintable(
            c.texts.width + "|" + c.texts.border + "|" + c.texts.cellPadding + "|" + c.texts.cellSpacing);
}

TEST(TableProperties, StoredAndShownValues)
{
    EXPECT_EQ(ToTableProperties(Texts("", "", "", "", true)), (TableProperties{-1, 0, -1, -1, -1}));
    EXPECT_EQ(ToTableProperties(Texts("30", "99.5", "50.5", "letters")),
              (TableProperties{30, 1, 100, 50, 0}));
    EXPECT_EQ(ToTableProperties(Texts("80.5", "0", "2.5", "3.5", true)), (TableProperties{80, 0, 0, 2, 4}));
    const TablePropertyTexts shown = ToTablePropertyTexts({-1, 0, 1, 4, -1});
    EXPECT_EQ(shown.width + "|" + shown.border + "|" + shown.cellPadding + "|" + shown.cellSpacing,
              QString("|1|4|"));
    EXPECT_TRUE(shown.percent);
    EXPECT_EQ(SizeBoxValue("-5"), -1); // held to -1..32767: no text wraps the 16-bit field
    EXPECT_EQ(SizeBoxValue("1e999"), 32767);
    const TableProperties p{750, 1, 0, 100, 12};
    EXPECT_EQ(ToTableProperties(ToTablePropertyTexts(p)), p); // what the boxes show is read back
}
