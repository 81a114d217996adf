// How files are cut into lines.
#include "line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vellum;

namespace
{

std::vector<std::string> pieces(const std::string& bytes, std::size_t blockSize = 1 << 16)
{
    MemorySource source(bytes);
    LineReader reader(source, blockSize);
    std::vector<std::string> out;
    std::string_view piece;
    while (reader.next(piece))
        out.emplace_back(piece);
    return out;
}

using Pieces = std::vector<std::string>;

TEST(LineReader, LineEnds)
{
    EXPECT_EQ(pieces(""), Pieces{});
    EXPECT_EQ(pieces("\n"), Pieces{""});
    EXPECT_EQ(pieces("abc"), Pieces{"abc"});
    EXPECT_EQ(pieces("abc\n"), Pieces{"abc"});
    EXPECT_EQ(pieces("a\r\nb\r\n\r\n"), (Pieces{"a", "b", ""}));
    // A lone carriage return is an ordinary byte; NUL bytes stay in the line.
    EXPECT_EQ(pieces("a\rb\n\r"), (Pieces{"a\rb", "\r"}));
    EXPECT_EQ(pieces(std::string("a\0b\n", 4)), Pieces{std::string("a\0b", 3)});
}

TEST(LineReader, LinesComeWholeWhateverTheBlockSize)
{
    std::string bytes;
    for (int i = 0; i < 300; ++i)
        bytes += std::string(static_cast<std::size_t>(i * 7 % 101), 'a' + i % 26) + (i % 3 ? "\r\n" : "\n");
    bytes += "tail\r";
    const Pieces expected = pieces(bytes);
    ASSERT_EQ(expected.size(), 301u);
    EXPECT_EQ(expected[13], std::string(13 * 7 % 101, 'n'));
    for (std::size_t block : {2u, 3u, 10u, 64u})
        EXPECT_EQ(pieces(bytes, block), expected) << "block " << block;
}

TEST(LineReader, RewindStartsAgain)
{
    MemorySource source("one\ntwo\n");
    LineReader reader(source, 2);
    std::string_view piece;
    ASSERT_TRUE(reader.next(piece));
    ASSERT_TRUE(reader.rewind());
    ASSERT_TRUE(reader.next(piece));
    EXPECT_EQ(piece, "one");
}

} // namespace
