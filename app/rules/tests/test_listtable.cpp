// The Data to List tab's blank-list checks and the Data to Table tab's separator.
#include "rules/BlankList.h"
#include "rules/Separator.h"

#include <gtest/gtest.h>

using namespace pagewright;

TEST(BlankList, NumbersMessagesAndTheBoxesRewritten)
{
    const char* bad = "Invalid number of items!";
    const char* big = "Number of items must be less than 1000.";
    const char* badStart = "Invalid start number!";
    const char* bigStart = "Start number must be less than 1000.";
    const char* kept = "kept"; // the box is left as typed
    // clang-format off
    const struct {
        const char* count;
        const char* start;
        const char* message;     // "" when the numbers are good
        const char* countBox;    // the box's new text
        const char* startBox;
        int32_t itemCount = 0, startNumber = 0;
    } cases[] = {
        {"10", "1", "", kept, kept, 10, 1}, {"999", "999", "", kept, kept, 999, 999},
        {"0.6", "1", "", kept, kept, 1, 1}, {"1.5", "1.5", "", kept, kept, 2, 2},
        {"2.5", "2.5", "", kept, kept, 2, 2}, {"12 items", "3rd", "", kept, kept, 12, 3},
        {" 4", " 7 ", "", kept, kept, 4, 7}, {"998.5", "998.9", "", kept, kept, 998, 999},
        {"5", "", "", kept, "1", 5, 1}, {"5", "   ", "", kept, "1", 5, 1},
        // A bad count empties its box; the start box is not looked at.
        {"0", "", bad, "", kept}, {"", "", bad, "", kept}, {"abc", "x", bad, "", kept},
        {"0.5", "", bad, "", kept}, {"-3", "", bad, "", kept}, {"1000", "", big, "", kept},
        {"999.5", "", big, "", kept}, {"5000000000", "", big, "", kept}, {"1e300", "", big, "", kept},
        {"1e999", "", big, "", kept},
        // A bad start number resets its box to 1.
        {"5", "0.6", badStart, kept, "1"}, {"5", "0", badStart, kept, "1"}, {"5", "x", badStart, kept, "1"},
        {"5", "-1", badStart, kept, "1"}, {"5", "1000", bigStart, kept, "1"},
        {"5", "999.5", bigStart, kept, "1"}, {"5", "1e9", bigStart, kept, "1"},
    };
    // clang-format on
    const auto box = [kept](const char* text) {
        return text == kept ? std::nullopt : std::optional<QString>(QString::fromLatin1(text));
    };
    for (const auto& c : cases) {
        const BlankListCheck check = CheckBlankList(c.count, c.start);
        const std::string row = std::string(c.count) + "|" + c.start;
        EXPECT_EQ(check.message, QString(c.message)) << row;
        EXPECT_EQ(check.numberOfItemsText, box(c.countBox)) << row;
        EXPECT_EQ(check.startNumberText, box(c.startBox)) << row;
        if (check.message.isEmpty()) {
            EXPECT_EQ(check.itemCount, c.itemCount) << row;
            EXPECT_EQ(check.startNumber, c.startNumber) << row;
        }
    }
}

TEST(Separator, EntriesGiveTheirCode)
{
    EXPECT_EQ(ChooseSeparator("tab (9)", 9).code, 9);
    EXPECT_EQ(ChooseSeparator("comma (44)", 44).problem, QString());
}

TEST(Separator, TypedTextGivesItsFirstCharacter)
{
    // clang-format off
    const struct {
        const char* utf8;
        int code;
    } cases[] = {
        {"|", '|'}, {";;", ';'}, {" x", ' '}, {"44", '4'}, {"comma", 'c'},
        {"\xe2\x82\xac", 0x80}, // the euro sign has a byte of its own in Windows-1252
        {"\xc2\xa7 section", 0xA7},
    };
    // clang-format on
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
