#include "rules/Encoding.h"
#include "rules/Windows1252.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace pagewright;

TEST(Windows1252, EncodesWithNumericReferencesForTheRest)
{
    EXPECT_EQ(ToWindows1252("Plain <title>"), QByteArray("Plain <title>"));
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D")),
              QByteArray("caf\xE9 \x80 \x93q\x94"));
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("\xCE\xA9mega")), QByteArray("&#937;mega"));
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("\xF0\x9F\x98\x80")), QByteArray("&#128512;"))
        << "a character outside the basic plane is one reference, not two halves";
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("\xC2\x81")), QByteArray("\x81"));
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("\xC2\x80\xC2\x9F\xC2\xA0\xC3\xBF\xC4\x80")),
              QByteArray("&#128;&#159;\xA0\xFF&#256;"))
        << "U+0080 to U+009F are not the bytes 0x80 to 0x9F (the euro sign ...); Latin-1 ends at U+00FF";
}

TEST(Windows1252, DecodesAndRoundTripsEveryByte)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
    EXPECT_EQ(FromWindows1252("\x80\x97"), QString::fromUtf8("\xE2\x82\xAC\xE2\x80\x94"));
}

TEST(Windows1252, DisplayTextIsUtf8WhenValid)
{
    EXPECT_TRUE(IsValidUtf8("abc \xC3\xBC"));
    EXPECT_FALSE(IsValidUtf8("abc \xFC"));
    for (const char* invalid :
         {"\xE2\x82", "\xC0\xAF", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"})
        EXPECT_FALSE(IsValidUtf8(invalid)) << "cut, overlong, surrogate, beyond U+10FFFF, stray";
    EXPECT_TRUE(IsValidUtf8("\xE0\xA0\x80\xED\x9F\xBF\xF4\x8F\xBF\xBF"));
    EXPECT_EQ(DecodeFileText("gr\xC3\xBC\xC3\x9F"), QString::fromUtf8("gr\xC3\xBC\xC3\x9F"));
    EXPECT_EQ(DecodeFileText("gr\xFC\xDF"), QString::fromUtf8("gr\xC3\xBC\xC3\x9F"));
    EXPECT_EQ(DecodeFileText(""), QString());
    EXPECT_EQ(DecodeFileText("<!DOCTYPE html>\n<meta charset=\"utf-8\">gr\xFC\xC3\x9F"),
              QString::fromUtf8("<!DOCTYPE html>\n<meta charset=\"utf-8\">gr\xEF\xBF\xBD\xC3\x9F"))
        << "an HTML5 page that declares UTF-8";
}

TEST(Encoding, InputReadsAsUtf8OnlyWhenValidAndBeyondAscii)
{
    const struct {
        QByteArray bytes;
        bool utf8;
    } cases[] = {
        {"plain ASCII\n", false},
        {"\xEF\xBB\xBFmark only", true},
        {"Am\xC3\xA9rico", true},
        {"Am\xE9rico", false},
        {"ends cut \xE2\x82", false},
        // A character split across the 64 KiB blocks the check reads is still one character.
        {QByteArray((1 << 16) - 1, 'x') + "\xC3\xA9", true},
        {QByteArray((1 << 16) + 5, 'x') + "\xFF", false},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        QFile file(dir.filePath("in.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.bytes) == c.bytes.size() && file.flush());
        EXPECT_EQ(ReadsAsUtf8(file.fileName()), c.utf8) << c.bytes.left(40).toStdString();
    }
    EXPECT_FALSE(ReadsAsUtf8(dir.filePath("missing.txt")));
}
