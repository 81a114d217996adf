#include "rules/ColorRoutines.h"

#include <gtest/gtest.h>

using namespace pagewright;

TEST(ColorRoutines, ChannelsOfAColorValue)
{
    // clang-format off
    const struct {
        int32_t color;
        int16_t red, green, blue;
        const char* hex;
    } cases[] = {
        {0, 0, 0, 0, "#000000"}, {0xFFFFFF, 255, 255, 255, "#FFFFFF"},
        {255 + 0 * 256 + 128 * 65536, 255, 0, 128, "#FF0080"},
        {0 + 128 * 256 + 255 * 65536, 0, 128, 255, "#0080FF"}, {1 + 2 * 256 + 3 * 65536, 1, 2, 3, "#010203"},
        {15 + 16 * 256 + 10 * 65536, 15, 16, 10, "#0F100A"},
        // Bits above blue (a colour the program never stores) do not leak into the channels.
        {0x7FFFFFFF, 255, 255, 255, "#FFFFFF"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(RedPart(c.color), c.red) << c.color;
        EXPECT_EQ(GreenPart(c.color), c.green) << c.color;
        EXPECT_EQ(BluePart(c.color), c.blue) << c.color;
        EXPECT_EQ(ColorToHex(c.color), QString(c.hex)) << c.color;
        EXPECT_EQ(HexTriplet(c.red, c.green, c.blue), QString(c.hex)) << c.color;
    }
}

TEST(ColorRoutines, MakeColorIsTheInverseOfTheChannels)
{
    for (const int32_t color : {0, 1, 255, 256, 65535, 65536, 0x123456, 0xFFFFFF})
        EXPECT_EQ(MakeColor(RedPart(color), GreenPart(color), BluePart(color)), color);
    EXPECT_EQ(MakeColor(0, 128, 255), 16744448);
}

TEST(ColorRoutines, ChannelsOutsideTheirRangeAreHeldToIt)
{
    EXPECT_EQ(MakeColor(300, -4, 255), MakeColor(255, 0, 255));
    EXPECT_EQ(HexTriplet(256, -1, 4096), QString("#FF00FF"));
}

TEST(ColorRoutines, ChannelText)
{
    // clang-format off
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"", true}, {"0", true}, {"7", true}, {"255", true}, {"025", true}, {"000", true}, {"256", false},
        {"1000", false}, {"0255", false}, {"12a", false}, {"-5", false}, {"+5", false}, {" 12", false},
        {"1.5", false}, {"999", false},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(IsValidChannelText(QString::fromLatin1(c.text)), c.valid) << c.text;
    // Digits of other scripts are not channel digits.
    EXPECT_FALSE(IsValidChannelText(QString::fromUtf8("\xd9\xa3")));
}
