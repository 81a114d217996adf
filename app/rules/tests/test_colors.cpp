#include "rules/ColorRoutines.h"

#include <gtest/gtest.h>

using namespace pagewright;

TEST(ColorRoutines, ChannelsHexAndBack)
{
    const struct {
        int32_t color;
        int16_t red, green, blue;
        const char* hex;
    } cases[] = {
        {0, 0, 0, 0, "#000000"},
        {255 + 128 * 65536, 255, 0, 128, "#FF0080"},
        {15 + 16 * 256 + 10 * 65536, 15, 16, 10, "#0F100A"},
        {0x7FFFFFFF, 255, 255, 255, "#FFFFFF"}, // bits above blue do not leak into the channels
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RedPart(c.color) * 65536 + GreenPart(c.color) * 256 + BluePart(c.color),
                  c.red * 65536 + c.green * 256 + c.blue);
        EXPECT_EQ(ColorToHex(c.color), QString(c.hex));
        EXPECT_EQ(HexTriplet(c.red, c.green, c.blue), QString(c.hex));
        EXPECT_EQ(MakeColor(c.red, c.green, c.blue), c.color & 0xFFFFFF);
    }
    // Channels outside their range are held to it.
    EXPECT_EQ(MakeColor(300, -4, 255), MakeColor(255, 0, 255));
    EXPECT_EQ(HexTriplet(256, -1, 4096), QString("#FF00FF"));
}

TEST(ColorRoutines, ChannelText)
{
    for (const char* valid : {"", "0", "255", "025", "000"})
        EXPECT_TRUE(IsValidChannelText(QString::fromLatin1(valid))) << valid;
    for (const char* invalid : {"256", "0255", "12a", "-5", "+5", " 12", "1.5", "999"})
        EXPECT_FALSE(IsValidChannelText(QString::fromLatin1(invalid))) << invalid;
    EXPECT_FALSE(IsValidChannelText(QString::fromUtf8("\xd9\xa3"))) << "digits of other scripts";
}
