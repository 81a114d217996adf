// How the calls treat their files: names that collide, outputs that cannot be written, missing
// arguments, and calls running side by side.
#include "vellum62.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace
{

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Files : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("vellum-files-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
        write("in.txt", "Some text, 1,2,3\n* an item\n");
    }
    void TearDown() override { fs::remove_all(m_dir); }
    void write(const char* name, const std::string& bytes)
    {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
    }
    std::string path(const char* name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

TEST_F(Files, AnOutputThatIsAnInputIsRefusedAndLeftAlone)
{
    const std::string in = path("in.txt");
    const std::string before = readFile(in);
    fs::create_hard_link(in, path("link.txt"));
    const std::string link = path("link.txt");
    write("head.htm", "<head>");
    const std::string head = path("head.htm");

    EXPECT_EQ(txt2h("", in.c_str(), in.c_str(), "", "", "", "", 0), VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(txt2h("", in.c_str(), link.c_str(), "", "", "", "", 0), VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(txt2h("t", "", head.c_str(), head.c_str(), "", "", "", 0), VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(txt2h("t", "", head.c_str(), "", head.c_str(), "", "", 0), VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(c2h(in.c_str(), link.c_str(), 0, 4), VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(datalist(in.c_str(), in.c_str(), 0, 0, VELLUM62_LIST_FROM_FILE, -1, -1, 0, 0, 0),
              VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(reg_tbl(in.c_str(), link.c_str(), ',', 0, 0, 0, 0, "", "", -1, 0, -1, -1, -1),
              VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(readFile(in), before);
    EXPECT_EQ(readFile(head), "<head>");
}

TEST_F(Files, AHeaderNamedLikeANewOutputIsNotReadBack)
{
    const std::string out = path("new.htm");
    EXPECT_EQ(txt2h("t", "", out.c_str(), out.c_str(), "", "", "", 0), VELLUM62_HEADER_NOT_OPENED);
    EXPECT_NE(readFile(out).find("<title>t</title>"), std::string::npos);
}

TEST_F(Files, AFailedWriteIsReported)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const std::string in = path("in.txt");
    EXPECT_EQ(txt2h("", in.c_str(), "/dev/full", "", "", "", "", 0), VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(c2h(in.c_str(), "/dev/full", 0, 4), VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(datalist("", "/dev/full", 0, 0, 1, 5, 1, 0, 1, 0), VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(reg_tbl(in.c_str(), "/dev/full", ',', 0, 0, 0, 0, "", "", -1, 0, -1, -1, -1),
              VELLUM62_OUTPUT_NOT_OPENED);
}

TEST_F(Files, InputsThatDoNotOpenCreateNoOutput)
{
    const std::string out = path("out.htm");
    for (const char* input : {"", static_cast<const char*>(nullptr), "/nonexistent/in.txt"}) {
        EXPECT_EQ(c2h(input, out.c_str(), 0, 4), VELLUM62_INPUT_NOT_OPENED);
        EXPECT_EQ(reg_tbl(input, out.c_str(), ',', 0, 0, 0, 0, nullptr, nullptr, -1, 0, -1, -1, -1),
                  VELLUM62_INPUT_NOT_OPENED);
        EXPECT_EQ(datalist(input, out.c_str(), 0, 0, VELLUM62_LIST_FROM_FILE, -1, -1, 0, 0, 0),
                  VELLUM62_INPUT_NOT_OPENED);
    }
    // A folder is not a text file.
    EXPECT_EQ(txt2h("", m_dir.c_str(), out.c_str(), "", "", "", "", 0), VELLUM62_INPUT_NOT_OPENED);
    EXPECT_FALSE(fs::exists(out));
    // An output that cannot be created.
    EXPECT_EQ(txt2h("", path("in.txt").c_str(), path("no/such/folder.htm").c_str(), "", "", "", "", 0),
              VELLUM62_OUTPUT_NOT_OPENED);
    EXPECT_EQ(txt2h(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0),
              VELLUM62_OUTPUT_NOT_OPENED);
}

// A file name in a title is text in the page's encoding, in every converter that writes one.
TEST_F(Files, FileNamesInTitlesAreTextOfThePage)
{
    const struct {
        std::string name;
        int32_t flags;
        std::string title;
    } cases[] = {
        {"r\xC3\xA9sum\xC3\xA9.htm", 0, "r&#233;sum&#233;.htm"},
        {"\xE2\x82\xAC\xF0\x9F\x98\x80\xC2\x80\x7F", 0, "&#8364;&#128512;&#128;\x7F"},
        {"r\xC3\xA9sum\xC3\xA9.htm", VELLUM62_UTF8, "r\xC3\xA9sum\xC3\xA9.htm"},
        {"\xE9t\xE9.htm", 0, "\xE9t\xE9.htm"},
        {"\xE9t\xE9.htm", VELLUM62_UTF8, "\xEF\xBF\xBDt\xEF\xBF\xBD.htm"},
        {"a&b<\\title>.htm", 0, "a&amp;b&lt;\\title&gt;.htm"},
        {"a&b<\\title>.htm", VELLUM62_UTF8, "a&amp;b&lt;\\title&gt;.htm"},
    };
    const std::string in = path("in.txt"), out = path("out.htm");
    for (const auto& c : cases) {
        const std::string named = (m_dir / c.name).string();
        write(c.name.c_str(), "a,b\n");
        EXPECT_EQ(datalist_ex(named.c_str(), out.c_str(), 0, 0, VELLUM62_LIST_FROM_FILE, -1, -1, 0, 1, 0, c.flags), 1);
        EXPECT_NE(readFile(out).find("items in " + c.title + ".\n</title>"), std::string::npos) << readFile(out);
        EXPECT_EQ(reg_tbl_ex(named.c_str(), out.c_str(), ',', 0, 1, 0, 0, "", "", -1, 0, -1, -1, -1, c.flags), 102);
        EXPECT_NE(readFile(out).find("data in " + c.title + ".\n</title>"), std::string::npos) << readFile(out);
        EXPECT_EQ(c2h_ex(in.c_str(), named.c_str(), 0, 4, c.flags), 0);
        EXPECT_NE(readFile(named).find("<title>in.txt converted to " + c.title + "</title>"), std::string::npos)
            << readFile(named);
        EXPECT_EQ(c2h_ex(named.c_str(), out.c_str(), 0, 4, c.flags), 0);
        EXPECT_NE(readFile(out).find("<title>" + c.title + " converted to out.htm</title>"), std::string::npos);
        EXPECT_EQ(txt2h("<b>", in.c_str(), named.c_str(), "", "", "", "", c.flags), 0);
        EXPECT_NE(readFile(named).find("<title>" + c.title + "</title>"), std::string::npos) << readFile(named);
        fs::remove(named);
    }
    // The template's title is the caller's own, written as given.
    EXPECT_EQ(txt2h("<b>&amp;", "", out.c_str(), "", "", "", "", 0), 0);
    EXPECT_NE(readFile(out).find("<title><b>&amp;</title>"), std::string::npos);
}

TEST_F(Files, CallsMayRunAtTheSameTime)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "Line " + std::to_string(i) + " with http://a.com/x&y \"quotes\" & mail me@x.com -- see\n\n";
    write("big.txt", text);
    const std::string in = path("big.txt");
    // Each run writes into a folder of its own, under the same file names.
    auto runAll = [&](int run) {
        const fs::path dir = m_dir / std::to_string(run);
        fs::create_directories(dir);
        txt2h("", in.c_str(), (dir / "t.htm").c_str(), "", "", "", "", 0);
        c2h(in.c_str(), (dir / "c.htm").c_str(), 2, 4);
        datalist(in.c_str(), (dir / "l.htm").c_str(), 1, 2, 2, -1, -1, 1, 1, 1);
        reg_tbl(in.c_str(), (dir / "r.htm").c_str(), ' ', 2, 1, 1, 1, "#000000", "", 80, 0, 1, 2, 3);
    };
    runAll(0);
    std::vector<std::thread> threads;
    for (int run = 1; run <= 4; ++run)
        threads.emplace_back(runAll, run);
    for (auto& thread : threads)
        thread.join();
    for (const char* name : {"t.htm", "c.htm", "l.htm", "r.htm"}) {
        const std::string alone = readFile(m_dir / "0" / name);
        ASSERT_FALSE(alone.empty()) << name;
        for (int run = 1; run <= 4; ++run)
            EXPECT_TRUE(readFile(m_dir / std::to_string(run) / name) == alone) << name << " of run " << run;
    }
}

} // namespace
