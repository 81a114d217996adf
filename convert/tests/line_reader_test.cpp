// How files are cut into lines and pieces.
#include "line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vellum;

namespace {

std::vector<std::string> pieces(const std::string& bytes, std::size_t pieceSize, std::size_t blockSize = 1 << 16)
{
    MemorySource source(bytes);
    LineReader reader(source, pieceSize, blockSize);
    std::vector<std::string> out;
    std::string_view piece;
    while (reader.next(piece))
        out.emplace_back(piece);
    return out;
}

using Pieces = std::vector<std::string>;

TEST(LineReader, LineEnds)
{
    EXPECT_EQ(pieces("", 8), Pieces{});
    EXPECT_EQ(pieces("\n", 8), Pieces{""});
    EXPECT_EQ(pieces("abc", 8), Pieces{"abc"});
    EXPECT_EQ(pieces("abc\n", 8), Pieces{"abc"});
    EXPECT_EQ(pieces("a\r\nb\r\n\r\n", 8), (Pieces{"a", "b", ""}));
    // A lone carriage return is an ordinary byte; NUL bytes stay in the line.
    EXPECT_EQ(pieces("a\rb\n\r", 8), (Pieces{"a\rb", "\r"}));
    EXPECT_EQ(pieces(std::string("a\0b\n", 4), 8), Pieces{std::string("a\0b", 3)});
}

TEST(LineReader, LongLinesArriveInPieces)
{
    // A line that fills a piece exactly leaves its line end for an extra empty line.
    EXPECT_EQ(pieces("12345678\nx\n", 8), (Pieces{"12345678", "", "x"}));
    EXPECT_EQ(pieces("12345678\r\nx", 8), (Pieces{"12345678", "", "x"}));
    EXPECT_EQ(pieces("123456789\n", 8), (Pieces{"12345678", "9"}));
    EXPECT_EQ(pieces("1234567812345678\n", 8), (Pieces{"12345678", "12345678", ""}));
    // At the end of the file there is no line end to leave over.
    EXPECT_EQ(pieces("12345678", 8), Pieces{"12345678"});
    // CR LF counts as one line end, so one byte less fits the piece exactly.
    EXPECT_EQ(pieces("1234567\r\n", 8), Pieces{"1234567"});
}

TEST(LineReader, PiecesDoNotDependOnTheBlockSize)
{
    std::string bytes;
    for (int i = 0; i < 300; ++i)
        bytes += std::string(static_cast<std::size_t>(i % 23), 'a' + i % 26) + (i % 3 ? "\r\n" : "\n");
    bytes += "tail\r";
    const Pieces expected = pieces(bytes, 8);
    for (std::size_t block : {10u, 11u, 13u, 64u})
        EXPECT_EQ(pieces(bytes, 8, block), expected) << "block " << block;
}

TEST(LineReader, RewindStartsAgain)
{
    MemorySource source("one\ntwo\n");
    LineReader reader(source, 8);
    std::string_view piece;
    ASSERT_TRUE(reader.next(piece));
    ASSERT_TRUE(reader.rewind());
    ASSERT_TRUE(reader.next(piece));
    EXPECT_EQ(piece, "one");
}

} // namespace
