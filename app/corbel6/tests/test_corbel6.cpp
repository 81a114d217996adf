#include "corbel6.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace
{

class Corbel6Test : public ::testing::Test
{
protected:
    std::filesystem::path m_dir;

    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("corbel6-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Write(const std::string& content)
    {
        const auto p = m_dir / "text.dat";
        std::ofstream(p, std::ios::binary) << content;
        return p.string();
    }

    static std::string Item(int32_t n, int32_t size = corbel6::kMaxItemBytes)
    {
        std::string buffer(static_cast<size_t>(size), '\0');
        const int32_t len = corbel6::GetTextItem(n, 0, buffer.data(), size, 1);
        return len > 0 ? buffer.substr(0, static_cast<size_t>(len)) : std::string();
    }
};

TEST_F(Corbel6Test, LoadsItemsWithCommentsBlankLinesCrLfAndEscapes)
{
    const auto path = Write("# program text\r\n\r\n1\tThe size of\r\n19\tFirst line\\nsecond \\\\ line\n"
                            "7\tUmlaut \xC3\xBC\n");
    ASSERT_EQ(corbel6::LoadTextTable(path.c_str(), 0), 3);
    EXPECT_EQ(Item(1), "The size of");
    EXPECT_EQ(Item(19), "First line\nsecond \\ line");
    EXPECT_EQ(Item(7), "Umlaut \xC3\xBC");
    EXPECT_EQ(Item(2), "");
    EXPECT_EQ(Item(1, 3), "The");
    std::string buffer(16, '\0');
    EXPECT_EQ(corbel6::GetTextItem(1, 1, buffer.data(), 16, 1), 0) << "only language 0 exists";
}

TEST_F(Corbel6Test, FailureCodes)
{
    EXPECT_EQ(corbel6::LoadTextTable((m_dir / "missing.dat").string().c_str(), 0), corbel6::kCannotOpen);
    EXPECT_EQ(corbel6::LoadTextTable(m_dir.string().c_str(), 0), corbel6::kReadError) << "a folder";
    std::string many;
    for (int i = 1; i <= corbel6::kMaxItems + 1; ++i)
        many += std::to_string(i) + "\tx\n";
    const std::pair<std::string, int> cases[] = {
        {"", corbel6::kFileEmpty},
        {"# only a comment\n\n", corbel6::kNoText},
        {"1\tok\n1\tagain\n", -1502},
        {"1\tok\n\n3\t" + std::string(1025, 'x') + "\n", -1003},
        {"1\t" + std::string(1024, 'x') + "\n", 1}, // the longest item, kept by the failures below
        {"1\tok\n2\n", -502},                       // a number without text
        {"text without number\n", -501},
        {"0\tzero is no item\n", -501},
        {"40000\ttoo high\n", -501},
        {many, corbel6::kTooMuchText},
    };
    for (const auto& [content, code] : cases)
        EXPECT_EQ(corbel6::LoadTextTable(Write(content).c_str(), 0), code) << content.substr(0, 40);
    EXPECT_EQ(Item(1), std::string(1024, 'x')) << "the failed loads after it keep the one table read";
}

} // namespace
