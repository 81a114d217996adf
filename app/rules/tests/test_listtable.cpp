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

// A list entry gives its code; typed text gives its first character, refused when it is not one
// byte of the data's encoding. In UTF-8 data only ASCII characters are single bytes.
TEST(Separator, EntriesAndTypedText)
{
    const QString noSuch = "\" cannot be used: the data file is read as Windows-1252 text, which has no such "
                           "character.";
    const QString notAscii = "\" cannot be used: the data file is read as UTF-8 text, in which only the "
                             "characters of ASCII are single bytes.";
    const struct {
        const char* utf8;
        std::optional<int> entry;
        bool utf8Data;
        int code;
        QString problem; // after the quoted character
    } cases[] = {
        {"tab (9)", 9, false, 9, ""},
        {"comma (44)", 44, false, 44, ""},
        {"|", {}, false, '|', ""},
        {";;", {}, false, ';', ""},
        {" x", {}, false, ' ', ""},
        {"44", {}, false, '4', ""},
        {"comma", {}, false, 'c', ""},
        {"\xe2\x82\xac", {}, false, 0x80, ""}, // the euro sign has a byte of its own in Windows-1252
        {"\xc2\xa7 section", {}, false, 0xA7, ""},
        {"|", {}, true, '|', ""},
        {"\xc2\xa7", {}, true, -1, notAscii},
        {"\xce\xa9", {}, false, -1, noSuch},
        {"\xf0\x9f\x98\x80;", {}, false, -1, noSuch},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.utf8);
        const SeparatorChoice choice = ChooseSeparator(text, c.entry, c.utf8Data);
        EXPECT_EQ(choice.code, c.code) << c.utf8;
        const QString first = text.left(text.front().isHighSurrogate() ? 2 : 1);
        EXPECT_EQ(choice.problem,
                  c.problem.isEmpty() ? c.problem : "The separator character \"" + first + c.problem)
            << c.utf8;
    }
    EXPECT_EQ(ChooseSeparator("", std::nullopt).problem, QString("No separator character is given."));
}
