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
        {"12", 12}, {" 7 items", 7}, {"\t3", 3}, {"-3", -3}, {"+4", 4}, {"2.5x", 2.5}, {".5", 0.5},
        {"5.", 5}, {"1e3", 1000}, {"2E-1", 0.2}, {"2e", 2}, {"2e+", 2}, {"3 4", 3}, {"x12", 0}, {"", 0},
        {"+", 0}, {"-.", 0}, {".", 0}, {"1,5", 1}, {"0x10", 0}, {"99.5", 99.5}, {"100.4", 100.4},
        {"1e-400", 0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(LeadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(LeadingNumber, NumbersTooLargeForAnyIntegerAreInfinite)
{
    EXPECT_EQ(LeadingNumber("1e400"), HUGE_VAL);
    EXPECT_EQ(LeadingNumber("-1e400"), -HUGE_VAL);
    EXPECT_EQ(LeadingNumber("99999999999999999999"), 1e20);
}

TEST(LeadingNumber, OnlyAsciiDigitsCount)
{
    // Arabic-Indic digits and full-width digits are digits to Unicode, not to the program.
    EXPECT_EQ(LeadingNumber(QString::fromUtf8("\xd9\xa3")), 0.0);
    EXPECT_EQ(LeadingNumber(QString::fromUtf8("\xef\xbc\x95")), 0.0);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    // clang-format off
    const struct {
        double value;
        double rounded;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {999.5, 1000}, {998.5, 998}, {50.5, 50}, {99.5, 100},
        {0.6, 1}, {0.4, 0}, {-0.5, -0.0}, {-1.5, -2}, {-2.5, -2}, {-0.6, -1}, {7, 7}, {1e15 + 0.5, 1e15},
        {4503599627370497.0, 4503599627370497.0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
    EXPECT_EQ(RoundHalfEven(HUGE_VAL), HUGE_VAL);
}

namespace
{

TablePropertyTexts Texts(const char* width, const char* border, const char* padding, const char* spacing,
                         bool percent = false)
{
    return {QString::fromLatin1(width), QString::fromLatin1(border), QString::fromLatin1(padding),
            QString::fromLatin1(spacing), percent};
}

QString Problem(const TablePropertyTexts& texts)
{
    return TablePropertiesProblem(texts).value_or(QStringLiteral("passes"));
}

} // namespace

TEST(TableProperties, RangesOfEachBox)
{
    const QString percent = " Width in percent must be in the range 5 through 100.";
    const QString pixels = " Width in pixels must be in the range 50 through 1000.";
    const QString border = " Border in pixels must be in the range 0 through 100.";
    const QString padding = " Cellpadding in pixels must be in the range 0 through 100.";
    const QString spacing = " Cell spacing in pixels must be in the range 0 through 100.";
    // clang-format off
    const struct {
        TablePropertyTexts texts;
        QString expected;
    } cases[] = {
        {Texts("", "", "", ""), "passes"}, {Texts("4", "", "", "", true), percent},
        {Texts("5", "", "", "", true), "passes"}, {Texts("100", "", "", "", true), "passes"},
        {Texts("101", "", "", "", true), percent}, {Texts("49", "", "", ""), pixels},
        {Texts("50", "", "", ""), "passes"}, {Texts("1000", "", "", ""), "passes"},
        {Texts("1000.5", "", "", ""), pixels}, {Texts("200", "", "", "", true), percent},
        {Texts("abc", "", "", ""), pixels}, {Texts("", "abc", "abc", "abc"), "passes"},
        {Texts("", "100.4", "", ""), border}, {Texts("", "99.5", "", ""), "passes"},
        {Texts("", "-1", "", ""), border}, {Texts("", "", "101", ""), padding},
        {Texts("", "", "", "-0.5"), spacing}, {Texts("", "", "", "1e9"), spacing},
        // Several bad boxes: only the first in the order width, border, padding, spacing.
        {Texts("1", "200", "200", "200"), pixels}, {Texts("", "200", "200", "200"), border},
        {Texts("", "", "200", "200"), padding},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(Problem(c.texts), c.expected) << qPrintable(
            c.texts.width + "|" + c.texts.border + "|" + c.texts.cellPadding + "|" + c.texts.cellSpacing);
    }
}

TEST(TableProperties, StoredValues)
{
    EXPECT_EQ(ToTableProperties(Texts("", "", "", "")), (TableProperties{-1, 1, -1, -1, -1}));
    EXPECT_EQ(ToTableProperties(Texts("", "", "", "", true)), (TableProperties{-1, 0, -1, -1, -1}));
    EXPECT_EQ(ToTableProperties(Texts("30", "99.5", "50.5", "letters")),
              (TableProperties{30, 1, 100, 50, 0}));
    EXPECT_EQ(ToTableProperties(Texts("80.5", "0", "2.5", "3.5", true)), (TableProperties{80, 0, 0, 2, 4}));
}

TEST(TableProperties, BoxesShowWhatIsGiven)
{
    const TablePropertyTexts shown = ToTablePropertyTexts({-1, 0, 1, 4, -1});
    EXPECT_EQ(shown.width, QString());
    EXPECT_TRUE(shown.percent);
    EXPECT_EQ(shown.border, QString("1"));
    EXPECT_EQ(shown.cellPadding, QString("4"));
    EXPECT_EQ(shown.cellSpacing, QString());
    EXPECT_FALSE(ToTablePropertyTexts({30, 1, 0, 0, 0}).percent);
    // What the boxes show is read back unchanged.
    const TableProperties p{750, 1, 0, 100, 12};
    EXPECT_EQ(ToTableProperties(ToTablePropertyTexts(p)), p);
}
