// Input no one should write, which must still neither crash, overflow, hang nor grow memory.
// CTest puts a time limit on these tests.
#include "converters.h"
#include "line_reader.h"
#include "output.h"
#include "vellum62.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

using namespace vellum;

namespace {

// An endless supply of one pattern, cut off after `size` bytes, made on the fly.
class PatternSource final : public ByteSource {
public:
    PatternSource(std::string pattern, std::size_t size) : m_pattern(std::move(pattern)), m_size(size) {}
    long read(char* buffer, std::size_t size) override
    {
        std::size_t count = std::min(size, m_size - m_position);
        for (std::size_t i = 0; i < count; ++i)
            buffer[i] = m_pattern[(m_position + i) % m_pattern.size()];
        m_position += count;
        return static_cast<long>(count);
    }
    bool rewind() override
    {
        m_position = 0;
        return true;
    }

private:
    std::string m_pattern;
    std::size_t m_size;
    std::size_t m_position = 0;
};

// Counts what a conversion writes and looks for bytes that must never appear.
struct Tally {
    std::size_t bytes = 0;
    bool placeholderSeen = false;
    static bool sink(void* self, const char* data, std::size_t size)
    {
        auto* tally = static_cast<Tally*>(self);
        tally->bytes += size;
        tally->placeholderSeen = tally->placeholderSeen || std::memchr(data, '\xAA', size) != nullptr;
        return true;
    }
};

struct Outcome {
    std::size_t bytes;
    bool placeholderSeen;
};

Outcome convertAll(ByteSource& source, int converter)
{
    Tally tally;
    Output out(Tally::sink, &tally);
    switch (converter) {
    case 0: {
        LineReader lines(source, kTextPieceSize);
        TextPageOptions options;
        options.input = &lines;
        convertTextPage(options, out);
        break;
    }
    case 1: {
        LineReader lines(source, kTextPieceSize);
        CodePageOptions options;
        options.tabSpaces = 8;
        convertCodePage(lines, options, out);
        break;
    }
    case 2: {
        LineReader lines(source, kDataPieceSize);
        ListOptions options;
        options.listSource = 2;
        options.ordered = true;
        options.itemSeparator = 2;
        convertList(&lines, options, out);
        break;
    }
    default: {
        LineReader lines(source, kDataPieceSize);
        TableOptions options;
        options.separatorChar = ' ';
        options.paddingSpaces = 1000;
        convertTable(lines, options, out);
        break;
    }
    }
    out.flush();
    return {tally.bytes, tally.placeholderSeen};
}

#ifdef VELLUM62_SANITIZED
constexpr std::size_t kLarge = 4u << 20;
constexpr std::size_t kHuge = 16u << 20;
#else
constexpr std::size_t kLarge = 32u << 20;
constexpr std::size_t kHuge = 1u << 30;
#endif

class Hostile : public ::testing::TestWithParam<int> {};

TEST_P(Hostile, LongLinesOfSpecialCharactersStayLinear)
{
    // Every byte that grows when escaped, in the longest lines the readers take.
    for (const char* pattern : {"&", "<", "\"", "&<>\"\xAA", "http://a.com\"&<\"&gt;\xAA@", "www.a.b ", "-- - I A "}) {
        PatternSource source(pattern, kLarge);
        Outcome run = convertAll(source, GetParam());
        EXPECT_GT(run.bytes, 0u) << pattern;
        EXPECT_FALSE(GetParam() <= 1 && run.placeholderSeen && std::strchr(pattern, '\xAA') == nullptr) << pattern;
    }
}

TEST_P(Hostile, PlaceholderAndControlBytes)
{
    using namespace std::string_literals;
    for (const std::string& pattern : {"\xAA\xB1\xB2\xB3\xB4\xB5\xB9\xA0"s, "\0\0\0\n\r\x01\x1a"s, "\xFF\xFE\n\n\n"s}) {
        PatternSource source(pattern, kLarge);
        EXPECT_GT(convertAll(source, GetParam()).bytes, 0u);
    }
}

TEST_P(Hostile, RandomBinary)
{
    std::mt19937 random(7);
    std::string bytes(kLarge / 4, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    MemorySource source(bytes);
    EXPECT_GT(convertAll(source, GetParam()).bytes, 0u);
}

TEST_P(Hostile, AGigabyteWithoutALineEnd)
{
    PatternSource source("x", kHuge);
    EXPECT_GT(convertAll(source, GetParam()).bytes, kHuge);
}

std::string converterName(const ::testing::TestParamInfo<int>& info)
{
    static const char* kNames[] = {"Text", "Code", "List", "Table"};
    return kNames[info.param];
}

INSTANTIATE_TEST_SUITE_P(Converters, Hostile, ::testing::Range(0, 4), converterName);

} // namespace
