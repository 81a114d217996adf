// pagewright-convert as users run it: arguments checked, results reported, exit status.
#include "options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace pagewright;

namespace
{

struct Outcome {
    int status;
    std::string output; // standard output and standard error together
};

class Command : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("pagewright-cli-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    void write(const std::string& name, const std::string& text) { std::ofstream(path(name)) << text; }

    Outcome run(const std::string& arguments)
    {
        const std::string command = std::string(PAGEWRIGHT_CONVERT) + " " + arguments + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        std::string output;
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        int status = pclose(pipe);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
    }

    fs::path m_dir;
};

TEST_F(Command, ConvertsAndReportsLikeTheProgram)
{
    write("in.txt", "Hello\n");
    EXPECT_EQ(run("text " + path("in.txt") + " " + path("out.htm")).output, "Conversion successful.\n");
    EXPECT_TRUE(fs::exists(path("out.htm")));

    write("page.txt", "<html>\n");
    Outcome html = run("text " + path("page.txt") + " " + path("page.htm"));
    EXPECT_EQ(html.status, 1);
    EXPECT_EQ(html.output,
              "Input file contains \"<HTML>\" so appears to be HTML not text. No output file created.\n");

    Outcome missing = run("code " + path("nothing.txt") + " " + path("code.htm") + " --margin 2 --tab 8");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.output, "Could not open input file.\n");

    Outcome list = run("list " + path("list.htm") + " --numbered --count 3 --style i --start 4");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.output, "HTML written for an ordered list with 3 items.\n");

    Outcome header = run("template " + path("t.htm") + " --title Home --header " + path("none.htm"));
    EXPECT_EQ(header.status, 1);
    EXPECT_EQ(header.output, "Could not open header file (standard header used).\n");
}

TEST_F(Command, ReportsTheTrueSizeOfWideTables)
{
    std::string row;
    for (int c = 0; c < 120; ++c) {
        row += c ? ";" : "";
        row += std::to_string(c);
    }
    write("wide.txt", row + "\n\n" + row + "\n");
    Outcome table = run("table " + path("wide.txt") + " " + path("wide.htm") + " --separator semicolon");
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(table.output, "HTML written for a table with 2 rows and 120 columns.\n");
}

TEST_F(Command, RefusesWrongArguments)
{
    struct Case {
        std::string arguments;
        std::string says;
    };
    const Case cases[] = {
        {"", "no converter named"},
        {"poem a b", "unknown converter \"poem\""},
        {"text only-one", "give two files"},
        {"list out.htm --count 0", "--count takes a whole number from 1 to 999, not \"0\""},
        {"list out.htm --count 1000", "from 1 to 999"},
        {"list out.htm --blank --start 0", "--start takes a whole number from 1 to 999"},
        {"list out.htm --blank --count 2x", "not \"2x\""},
        {"table a b --separator ab", "the separator must be one character"},
        {"table a b --width wide", "takes a width such as 80% or 600px"},
        {"code a b --colour red", "unknown option --colour"},
        {"list a b --style star", "unknown list style \"star\""},
    };
    for (const Case& c : cases) {
        Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.arguments;
        EXPECT_NE(outcome.output.find(c.says), std::string::npos)
            << c.arguments << " said: " << outcome.output;
    }
    Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("Usage: pagewright-convert"), std::string::npos);
}

TEST(Options, FilesAndDefaults)
{
    ParseResult blank = parseArguments({"list", "out.htm", "--count", "5", "--ordered"});
    ASSERT_TRUE(blank.ok) << blank.error;
    EXPECT_EQ(blank.request.listSource, 0);
    EXPECT_EQ(blank.request.itemCount, 5);
    EXPECT_EQ(blank.request.output, "out.htm");

    ParseResult fromFile = parseArguments({"list", "in.txt", "out.htm", "--item-separator", "numeral"});
    ASSERT_TRUE(fromFile.ok) << fromFile.error;
    EXPECT_EQ(fromFile.request.listSource, 2);
    EXPECT_EQ(fromFile.request.itemSeparator, 2);
    EXPECT_EQ(fromFile.request.input, "in.txt");

    ParseResult table = parseArguments({"table", "a", "b", "--width", "600px", "--separator", "tab"});
    ASSERT_TRUE(table.ok) << table.error;
    EXPECT_EQ(table.request.tableWidth, 600);
    EXPECT_TRUE(table.request.widthInPixels);
    EXPECT_EQ(table.request.separatorChar, '\t');
    ParseResult percent = parseArguments({"table", "a", "b", "--width", "80%", "--separator", "|"});
    ASSERT_TRUE(percent.ok) << percent.error;
    EXPECT_EQ(percent.request.tableWidth, 80);
    EXPECT_FALSE(percent.request.widthInPixels);
    EXPECT_EQ(percent.request.separatorChar, '|');
}

} // namespace
