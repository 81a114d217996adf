// The Data to List tab's blank-list checks and the Data to Table tab's separator.
#include "rules/BlankList.h"
#include "rules/Separator.h"

#include <gtest/gtest.h>

using namespace pagewright;

namespace
{

const char* const kInvalidCount = "Invalid number of items!";
const char* const kCountTooLarge = "Number of items must be less than 1000.";
const char* const kInvalidStart = "Invalid start number!";
const char* const kStartTooLarge = "Start number must be less than 1000.";

} // namespace

TEST(BlankList, GoodNumbers)
{
    const struct {
        const char* count;
        const char* start;
        int32_t itemCount;
        int32_t startNumber;
    } cases[] = {
        {"10", "1", 10, 1},   {"999", "999", 999, 999},   {"0.6", "1", 1, 1},   {"1.5", "1.5", 2, 2},
        {"2.5", "2.5", 2, 2}, {"12 items", "3rd", 12, 3}, {"  4", " 7 ", 4, 7}, {"998.5", "998.9", 998, 999},
    };
    for (const auto& c : cases) {
        const BlankListCheck check = CheckBlankList(c.count, c.start);
        EXPECT_EQ(check.message, QString()) << c.count << " " << c.start;
        EXPECT_EQ(check.itemCount, c.itemCount) << c.count;
        EXPECT_EQ(check.startNumber, c.startNumber) << c.start;
        EXPECT_FALSE(check.numberOfItemsText.has_value());
        EXPECT_FALSE(check.startNumberText.has_value());
    }
}

TEST(BlankList, BadCountEmptiesItsBox)
{
    const struct {
        const char* count;
        const char* message;
    } cases[] = {
        {"0", kInvalidCount},      {"", kInvalidCount},
        {"abc", kInvalidCount},    {"0.5", kInvalidCount},
        {"-3", kInvalidCount},     {"1000", kCountTooLarge},
        {"999.5", kCountTooLarge}, {"5000000000", kCountTooLarge},
        {"1e300", kCountTooLarge}, {"1e999", kCountTooLarge},
    };
    for (const auto& c : cases) {
        // The start box is not looked at once the count has failed.
        const BlankListCheck check = CheckBlankList(c.count, "");
        EXPECT_EQ(check.message, QString(c.message)) << c.count;
        EXPECT_EQ(check.numberOfItemsText, std::optional<QString>(QString())) << c.count;
        EXPECT_FALSE(check.startNumberText.has_value()) << c.count;
    }
}

TEST(BlankList, BadStartResetsItsBoxToOne)
{
    const struct {
        const char* start;
        const char* message;
    } cases[] = {
        {"0.6", kInvalidStart},   {"0", kInvalidStart},      {"x", kInvalidStart},    {"-1", kInvalidStart},
        {"1000", kStartTooLarge}, {"999.5", kStartTooLarge}, {"1e9", kStartTooLarge},
    };
    for (const auto& c : cases) {
        const BlankListCheck check = CheckBlankList("5", c.start);
        EXPECT_EQ(check.message, QString(c.message)) << c.start;
        EXPECT_EQ(check.startNumberText, std::optional<QString>("1")) << c.start;
        EXPECT_FALSE(check.numberOfItemsText.has_value());
    }
}

TEST(BlankList, EmptyStartBecomesOneWithoutAMessage)
{
    for (const char* start : {"", "   "}) {
        const BlankListCheck check = CheckBlankList("5", start);
        EXPECT_EQ(check.message, QString());
        EXPECT_EQ(check.startNumberText, std::optional<QString>("1"));
        EXPECT_EQ(check.startNumber, 1);
    }
}

TEST(Separator, EntriesGiveTheirCode)
{
    EXPECT_EQ(ChooseSeparator("tab (9)", 9).code, 9);
    EXPECT_EQ(ChooseSeparator("comma (44)", 44).problem, QString());
}

TEST(Separator, TypedTextGivesItsFirstCharacter)
{
    const struct {
        const char* utf8;
        int code;
    } cases[] = {
        {"|", '|'},
        {";;", ';'},
        {" x", ' '},
        {"44", '4'},
        {"comma", 'c'},
        {"\xe2\x82\xac", 0x80}, // the euro sign has a byte of its own in Windows-1252
        {"\xc2\xa7 section", 0xA7},
    };
    for (const auto& c : cases) {
        const SeparatorChoice choice = ChooseSeparator(QString::fromUtf8(c.utf8), std::nullopt);
        EXPECT_EQ(choice.code, c.code) << c.utf8;
        EXPECT_EQ(choice.problem, QString()) << c.utf8;
    }
}

TEST(Separator, RefusedWhenEmptyOrNotASingleByte)
{
    EXPECT_EQ(ChooseSeparator("", std::nullopt).problem, QString("No separator character is given."));
    const struct {
        const char* utf8;
        const char* first;
    } cases[] = {{"\xce\xa9", "\xce\xa9"}, {"\xf0\x9f\x98\x80;", "\xf0\x9f\x98\x80"}};
    // In UTF-8 data only ASCII characters are single bytes: the section sign that Windows-1252
    // data may use is refused there.
    EXPECT_EQ(
        ChooseSeparator("\xc2\xa7", std::nullopt, true).problem,
        QString::fromUtf8("The separator character \"\xc2\xa7\" cannot be used: the data file is read as "
                          "UTF-8 text, in which only the characters of ASCII are single bytes."));
    EXPECT_EQ(ChooseSeparator("|", std::nullopt, true).code, '|');
    for (const auto& c : cases) {
        const SeparatorChoice choice = ChooseSeparator(QString::fromUtf8(c.utf8), std::nullopt);
        EXPECT_EQ(choice.code, -1) << c.utf8;
        EXPECT_EQ(choice.problem,
                  "The separator character \"" + QString::fromUtf8(c.first) +
                      "\" cannot be used: the data file is read as Windows-1252 text, which has no "
                      "such character.");
    }
}
