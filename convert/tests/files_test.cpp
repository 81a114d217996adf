// How the calls treat their files: names that collide, outputs that cannot be written, missing
// arguments, and calls running side by side.
#include "vellum62.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{

// One converter, by its letter (text, code, list, table), with plain options, a page around a
// list or table, and the caller's title "<b>" for text.
int32_t convert(char kind, const char* in, const char* out, int32_t flags = 0, const char* header = "",
                const char* footer = "")
{
    switch (kind) {
    case 't':
        return txt2h("<b>", in, out, header, footer, "", "", flags);
    case 'c':
        return c2h_ex(in, out, 0, 4, flags);
    case 'l':
        return datalist_ex(in, out, 0, 0, VELLUM62_LIST_FROM_FILE, -1, -1, 0, 1, 0, flags);
    default:
        return reg_tbl_ex(in, out, ',', 0, 1, 0, 0, nullptr, nullptr, -1, 0, -1, -1, -1, flags);
    }
}

TEST(Files, FilesThatCannotBeOpenedOrWouldOverwriteAnInputAreReportedAndLeftAlone)
{
    const TempDir dir;
    const std::string in = dir.write("in.txt", "Some text, 1,2,3\n* an item\n"), link = dir.path("link.txt"),
                      head = dir.write("head.htm", "<head>"), out = dir.path("out.htm"),
                      fresh = dir.path("new.htm"), missing = dir.path("no/such/folder.htm");
    std::filesystem::create_hard_link(in, link);
    const struct {
        const char *kinds, *in, *out, *header, *footer;
        int32_t result;
    } cases[] = {
        {"tclr", in.c_str(), in.c_str(), "", "", VELLUM62_OUTPUT_NOT_OPENED},
        {"tclr", in.c_str(), link.c_str(), "", "", VELLUM62_OUTPUT_NOT_OPENED},
        {"t", "", head.c_str(), head.c_str(), "", VELLUM62_OUTPUT_NOT_OPENED},
        {"t", "", head.c_str(), "", head.c_str(), VELLUM62_OUTPUT_NOT_OPENED},
        {"tclr", in.c_str(), "/dev/full", "", "", VELLUM62_OUTPUT_NOT_OPENED},
        {"t", in.c_str(), missing.c_str(), "", "", VELLUM62_OUTPUT_NOT_OPENED},
        {"clr", "", out.c_str(), "", "", VELLUM62_INPUT_NOT_OPENED},
        {"clr", nullptr, out.c_str(), "", "", VELLUM62_INPUT_NOT_OPENED},
        {"tclr", "/nonexistent/in.txt", out.c_str(), "", "", VELLUM62_INPUT_NOT_OPENED},
        {"t", dir.dir.c_str(), out.c_str(), "", "", VELLUM62_INPUT_NOT_OPENED}, // a folder is no text file
        // A header named like the new output is not read back from it.
        {"t", "", fresh.c_str(), fresh.c_str(), "", VELLUM62_HEADER_NOT_OPENED},
    };
    for (const auto& c : cases)
        for (const char* kind = c.kinds; *kind; ++kind)
            EXPECT_EQ(convert(*kind, c.in, c.out, 0, c.header, c.footer), c.result)
                << *kind << " " << (c.in ? c.in : "(null)") << " to " << c.out;
    EXPECT_EQ(readFile(in), "Some text, 1,2,3\n* an item\n");
    EXPECT_EQ(readFile(head), "<head>");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_NE(readFile(fresh).find("<title><b></title>"), std::string::npos);
    EXPECT_EQ(txt2h(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0),
              VELLUM62_OUTPUT_NOT_OPENED);
}

// A file name in a title is text in the page's encoding, in every converter that writes one; the
// caller's own title is written as given.
TEST(Files, FileNamesInTitlesAreTextOfThePage)
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
    const TempDir dir;
    const std::string in = dir.write("in.txt", "a,b\n"), out = dir.path("out.htm");
    for (const auto& c : cases) {
        const std::string named = dir.write(c.name, "a,b\n");
        const struct {
            char kind;
            const std::string &in, &out, title;
            int32_t result;
        } calls[] = {
            {'l', named, out, "items in " + c.title + ".\n</title>", 1},
            {'r', named, out, "data in " + c.title + ".\n</title>", 102},
            {'c', in, named, "<title>in.txt converted to " + c.title + "</title>", 0},
            {'c', named, out, "<title>" + c.title + " converted to out.htm</title>", 0},
            {'t', in, named, "<title>" + c.title + "</title>", 0},
            {'t', "", out, "<title><b></title>", 0},
        };
        for (const auto& call : calls) {
            EXPECT_EQ(convert(call.kind, call.in.c_str(), call.out.c_str(), c.flags), call.result)
                << call.kind;
            EXPECT_NE(readFile(call.out).find(call.title), std::string::npos)
                << call.kind << readFile(call.out);
        }
        std::filesystem::remove(named);
    }
}

TEST(Files, CallsMayRunAtTheSameTime)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "Line " + std::to_string(i) + " with http://a.com/x&y \"quotes\" & mail me@x.com -- see\n\n";
    const TempDir dir;
    const std::string in = dir.write("big.txt", text);
    // Each run writes into a folder of its own, under the same file names.
    auto runAll = [&](int run) {
        const std::filesystem::path folder = dir.dir / std::to_string(run);
        std::filesystem::create_directories(folder);
        txt2h("", in.c_str(), (folder / "t.htm").c_str(), "", "", "", "", 0);
        c2h(in.c_str(), (folder / "c.htm").c_str(), 2, 4);
        datalist(in.c_str(), (folder / "l.htm").c_str(), 1, 2, 2, -1, -1, 1, 1, 1);
        reg_tbl(in.c_str(), (folder / "r.htm").c_str(), ' ', 2, 1, 1, 1, "#000000", "", 80, 0, 1, 2, 3);
    };
    runAll(0);
    std::vector<std::thread> threads;
    for (int run = 1; run <= 4; ++run)
        threads.emplace_back(runAll, run);
    for (auto& thread : threads)
        thread.join();
    for (const char* name : {"t.htm", "c.htm", "l.htm", "r.htm"}) {
        const std::string alone = readFile(dir.dir / "0" / name);
        ASSERT_FALSE(alone.empty()) << name;
        for (int run = 1; run <= 4; ++run)
            EXPECT_TRUE(readFile(dir.dir / std::to_string(run) / name) == alone) << name << " of run " << run;
    }
}

} // namespace
