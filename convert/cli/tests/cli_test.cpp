// pagewright-convert as users run it: arguments checked, results reported, exit status, and the
// promise that a failed run leaves the output as it was. Run as root, the converter runs as an
// unprivileged user, so that permissions hold as they do for everyone else. It runs from a copy in
// the test's folder, since that user may not be allowed into the build folder.
#include "options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace pagewright;

namespace
{

constexpr uid_t kUnprivileged = 65534;

struct Outcome {
    int status;
    std::string output; // standard output and standard error together
    bool says(const std::string& text) const { return output.find(text) != std::string::npos; }
};

class Command : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("pagewright-cli-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir / "tmp");
        own(m_dir);
        own(m_dir / "tmp");
        const fs::path bin = m_dir / "bin"; // rwxr-xr-x, whatever the umask
        fs::create_directory(bin);
        fs::permissions(bin, fs::perms(0755));
        for (const fs::path from : {PAGEWRIGHT_CONVERT, PAGEWRIGHT_LIBRARY}) {
            fs::copy_file(from, bin / from.filename());
            fs::permissions(bin / from.filename(), fs::perms(0755));
        }
    }
    void TearDown() override
    {
        removeReadOnlyFolder();
        fs::remove_all(m_dir);
    }

    static void own(const fs::path& path)
    {
        if (::geteuid() == 0 && ::lchown(path.c_str(), kUnprivileged, kUnprivileged) != 0)
            ADD_FAILURE() << "cannot hand " << path << " to the unprivileged user";
    }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    void write(const std::string& name, const std::string& text)
    {
        std::ofstream(path(name)) << text;
        own(path(name));
    }
    std::string read(const std::string& name) const
    {
        std::ostringstream text;
        text << std::ifstream(path(name)).rdbuf();
        return text.str();
    }
    // Temporary files or folders the converter left behind.
    bool leftovers() const
    {
        for (const auto& entry : fs::recursive_directory_iterator(m_dir))
            if (entry.path().filename().string().starts_with(".pagewright-") ||
                entry.path().parent_path() == m_dir / "tmp")
                return true;
        return false;
    }

    // Runs `setUp` and then the converter with `arguments` through the shell, in the test folder.
    Outcome run(const std::string& arguments, const std::string& setUp = {})
    {
        std::ofstream(path("run.sh"))
            << "cd " << m_dir << " && export TMPDIR=" << path("tmp") << " LD_LIBRARY_PATH=" << m_dir / "bin"
            << "\n"
            << setUp << "\nexec " << m_dir / "bin" / "pagewright-convert"
            << " " << arguments << "\n";
        own(path("run.sh"));
        const std::string user =
            ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
        FILE* pipe = popen((user + "sh " + path("run.sh") + " 2>&1").c_str(), "r");
        std::string output;
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        const int status = pclose(pipe);
        fs::remove(path("run.sh"));
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
    }
    void removeReadOnlyFolder()
    {
        std::error_code absent;
        fs::permissions(m_dir / "ro", fs::perms::owner_all, absent);
        fs::remove_all(m_dir / "ro");
    }

    fs::path m_dir;
};

// Successful runs report like the program; pages say how they are encoded; UTF-8 input is found
// by itself, a .csv or .tsv input is read with quotes as plain text; tables report their true size.
TEST_F(Command, ConvertsAndReportsLikeTheProgram)
{
    const std::string utf8 = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">";
    const std::string cp1252 =
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
    const std::string table = "HTML written for a table with ",
                      made = "HTML template file successfully created.\n";
    std::string row;
    for (int c = 0; c < 120; ++c)
        row.append(c ? ";" : "").append(std::to_string(c));
    write("greek.txt", "\xCE\xB1\xCE\xB2\n");
    write("plain.txt", "ab\n");
    write("data.csv", "\"a,b\",<c>\n");
    // A dpkg-query export: the maintainers' addresses are text, not tags.
    write("packages.csv", "libc6,2.36-9,GNU Libc Maintainers <debian-glibc@lists.debian.org>\n");
    write("two.txt", "a\nb\n"); // a list from a file takes one item a line unless told otherwise
    write("wide.txt", row + "\n\n" + row + "\n");
    write("split.txt", "a;\"b\nc\";d\ne;f;g\n");
    write("split.csv", "a,\"b\nc\",d\ne,f,g\n");
    write("tabs.txt", "a\t\"b\nc\"\td\ne\tf\tg\n");
    write("f.py", "def f(): pass\n");
    const struct {
        const char* arguments;
        std::string has; // in the page
        std::string says = "Conversion successful.\n";
        const char* output = "out.htm";
        const char* setUp = "";
    } cases[] = {
        {"text greek.txt out.htm", utf8 + "\n<title>out.htm</title>"},
        {"text greek.txt out.htm", "\n\xCE\xB1\xCE\xB2\n"},
        {"text greek.txt out.htm --encoding windows-1252", cp1252},
        {"code plain.txt out.htm", cp1252},
        {"template out.htm --title \xCE\xA9", utf8 + "\n<title>\xCE\xA9</title>", made},
        {"table data.csv out.htm --padding 0", "<td>a,b</td>\n<td>&lt;c&gt;</td>",
         table + "1 row and 2 columns.\n"},
        {"table data.csv out.htm --no-csv --no-escape --padding=0",
         "<td>\"a</td>\n<td>b\"</td>\n<td><c></td>", table + "1 row and 3 columns.\n"},
        {"table packages.csv out.htm", "Maintainers &lt;debian-glibc@lists.debian.org&gt;&nbsp;&nbsp;</td>",
         table + "1 row and 3 columns.\n"},
        {"table packages.csv out.htm --no-escape", "Maintainers <debian-glibc@lists.debian.org>&nbsp;",
         table + "1 row and 3 columns.\n"},
        // The window's table attributes by default (see tst_agree); none leaves them out.
        {"table data.csv out.htm --border none --cellpadding none --cellspacing 0",
         "<table cellspacing=\"0\">", table + "1 row and 2 columns.\n"},
        // Standard input has no name: quoted fields when asked for, from a file or a pipe; its data
        // passes as HTML unless --escape is given.
        {"table - out.htm --csv --wrapper --padding 0 < data.csv", "<td>a,b</td>\n<td><c></td>",
         table + "1 row and 2 columns.\n"},
        {"table - out.htm --csv --padding 0 < fifo", "<td valign=\"top\">b<br>\nc</td>",
         table + "2 rows and 3 columns.\n", "out.htm", "mkfifo fifo; cat split.csv > fifo &"},
        {"template out.htm --title 'A </title><script>'", "<title>A &lt;/title&gt;&lt;script&gt;</title>",
         made},
        {"template out.htm --encoding windows-1252 --title 'r\xC3\xA9sum\xE2\x82\xAC \xCE\xA9 &amp;'",
         "<title>r\xE9sum\x80 &#937; &amp;amp;</title>", made},
        {"text plain.txt 'r\xC3\xA9sum\xC3\xA9<1>.htm' --encoding windows-1252",
         "<title>r&#233;sum&#233;&lt;1&gt;.htm</title>", "Conversion successful.\n",
         "r\xC3\xA9sum\xC3\xA9<1>.htm"},
        {"table wide.txt out.htm --separator semicolon", "", table + "2 rows and 120 columns.\n"},
        {"table split.txt out.htm --separator semicolon --csv", "", table + "2 rows and 3 columns.\n"},
        {"table split.txt out.htm --separator semicolon", "", table + "3 rows and 3 columns.\n"},
        {"table split.csv out.htm", "", table + "2 rows and 3 columns.\n"},
        {"table tabs.txt out.htm --separator tab --csv", "", table + "2 rows and 3 columns.\n"},
        {"list two.txt out.htm", "", "HTML written for an unordered list with 2 items.\n"},
        {"list out.htm --numbered --count 3 --style i --start 4", "",
         "HTML written for an ordered list with 3 items.\n"},
        // HTML5 pages: UTF-8 whatever the input, their language, a linked stylesheet.
        {"code plain.txt out.htm --html5 --encoding windows-1252", "<!DOCTYPE html>\n<html lang=\"en\">"},
        {"text greek.txt out.htm --html5 --lang=pt-BR",
         "<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">"},
        {"template out.htm --html5 --stylesheet 'site.css?a&b'",
         "<link rel=\"stylesheet\" href=\"site.css?a&amp;b\">", made},
        {"list out.htm --html5 --wrapper --lang de --ordered --count 2", "<html lang=\"de\">",
         "HTML written for an ordered list with 2 items.\n"},
        {"table data.csv out.htm --html5 --wrapper --stylesheet /s.css",
         "<link rel=\"stylesheet\" href=\"/s.css\">", table + "1 row and 2 columns.\n"},
        {"table data.csv out.htm --html5", "class=\"pw-table\"", table + "1 row and 2 columns.\n"},
        // Coloured code: by the name, by the language named; numbered lines; what became of it.
        {"code f.py out.htm --html5 --highlight", "<span class=\"keyword\">def</span>",
         "Conversion successful. Coloured as Python.\n"},
        {"code plain.txt out.htm --html5 --highlight --language python --line-numbers",
         "<pre class=\"pw-code pw-lines\"><code><span class=\"line\">    <span class=\"variable\">ab</span></span>",
         "Conversion successful. Coloured as Python.\n"},
        {"code plain.txt out.htm --html5 --highlight", "<code>    ab\n</code>",
         "Conversion successful. Not coloured: unknown language.\n"},
        {"code f.py out.htm --html5", "<code>    def f(): pass\n</code>"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.arguments, c.setUp);
        EXPECT_EQ(outcome.status, 0) << c.arguments;
        EXPECT_EQ(outcome.output, c.says) << c.arguments;
        EXPECT_NE(read(c.output).find(c.has), std::string::npos) << c.arguments << "\n" << read(c.output);
    }

    const Outcome header = run("template t.htm --title Home --header none.htm");
    EXPECT_EQ(header.status, 1);
    EXPECT_EQ(header.output, "pagewright-convert: cannot read 'none.htm': No such file or directory\n"
                             "Could not open header file (standard header used).\n");
}

TEST_F(Command, RefusesWrongCommandLines)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "no command given"},
        {"poem a b", "unknown command \"poem\""},
        {"text only-one", "text takes two files: INPUT and OUTPUT (got 1)"},
        {"code a b --ordered", "code does not take --ordered"},
        {"text a b --title T", "text does not take --title"},
        {"template o --output-dir d", "template does not take --output-dir"},
        {"code a b --colour red", "code has no option --colour"},
        {"code a b --margin", "code --margin needs a value"},
        {"list o --center=yes", "list --center takes no value"},
        {"code a b --margin 9", "code --margin takes a whole number from 0 to 8, not \"9\""},
        {"code a b --tab=0", "code --tab takes a whole number from 1 to 8"},
        {"table a b --padding 13", "table --padding takes a whole number from 0 to 12"},
        {"table a b --border 101", "from 0 to 100"},
        {"list o --count 1000", "list --count takes a whole number from 1 to 999"},
        {"list o --blank --count 2x", "not \"2x\""},
        {"table a b --width 200%", "table --width takes a width from 5% to 100% or from 50px to 1000px"},
        {"table a b --width 80", "not \"80\""},
        {"table a b --separator ab", "table --separator takes comma, semicolon, space, tab or one character"},
        {"template o --text-color red", "template --text-color takes a colour as #RRGGBB"},
        {"list a b --style star", "list --style takes none, disc, circle"},
        {"list a b --style square --ordered", "list --style square contradicts --ordered"},
        {"list o --ordered --unordered", "list --ordered contradicts --unordered"},
        {"list o --blank --numbered", "list --blank contradicts --numbered"},
        {"list a b --count 3", "list --count is for a blank list"},
        {"list o --item-separator numeral", "list --item-separator is for items read from INPUT"},
        {"list o --numbered --start 2", "list --start numbers an ordered list"},
        {"code --output-dir d -", "standard input (-) has no name"},
        {"code --output-dir d x/a.c y/a.txt", "'x/a.c' and 'y/a.txt' would both be written to 'a.htm'"},
        {"table a b --csv --no-csv", "table --csv contradicts --no-csv"},
        {"table a b --no-escape --escape", "table --escape contradicts --no-escape"},
        {"table a b --border nil", "table --border takes a whole number from 0 to 100 or none, not \"nil\""},
        {"text a b --encoding latin-1", "text --encoding takes auto, utf-8 or windows-1252"},
        {"code a b --escape", "code does not take --escape"},
        {"text a b --stylesheet s.css", "text --stylesheet is for an HTML5 page; it needs --html5"},
        {"template o --lang de", "template --lang is for an HTML5 page; it needs --html5"},
        {"code a b --html5 --lang pt_BR", "code --lang takes a language code of letters, digits and hyphens "
                                          "(such as de or pt-BR), not \"pt_BR\""},
        {"list o --html5 --stylesheet=", "list --stylesheet takes the address of a stylesheet, not \"\""},
        {"table a b --html5 --stylesheet s.css",
         "table --stylesheet is for a page; without --wrapper the table has none"},
        {"list o --html5 --lang de", "list --lang is for a page; without --wrapper the list has none"},
        {"code a b --html5=yes", "code --html5 takes no value"},
        {"code a b --highlight", "code --highlight is for an HTML5 page; it needs --html5"},
        {"code a b --line-numbers", "code --line-numbers is for an HTML5 page; it needs --html5"},
        {"code a b --html5 --language c", "code --language names the language to colour; it needs --highlight"},
        {"code a b --html5 --highlight --language py",
         "code --language takes one of bash, c, cpp, css, go, html, java, javascript, json, python, rust, not \"py\""},
        {"text a b --html5 --highlight", "text does not take --highlight"},
    };
    for (const auto& [arguments, says] : cases) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments;
        EXPECT_TRUE(outcome.says(says)) << arguments << " said: " << outcome.output;
    }
    EXPECT_FALSE(leftovers());
}

TEST_F(Command, HelpAndVersion)
{
    const Outcome code = run("code --help");
    EXPECT_EQ(code.status, 0);
    for (const char* part : {"Usage: pagewright-convert code", "0 to 8 (default 4)", "1 to 8 (default 4)",
                             "--output-dir DIR", "Example:\n  pagewright-convert code"})
        EXPECT_TRUE(code.says(part)) << part;
    EXPECT_FALSE(code.says("--ordered"));
    for (const char* part : {"0 to 12 (default 2)", "0 to 100 or none (default 4)", "\n  --no-escape "})
        EXPECT_TRUE(run("table --help").says(part)) << part;
    for (const char* command : {"text", "template", "code", "list", "table"}) {
        const Outcome help = run(std::string(command) + " --help");
        for (const char* part : {"\n  --html5 ", "\n  --stylesheet URL ", "\n  --lang CODE ", "default en)"})
            EXPECT_TRUE(help.says(part)) << command << " --help lacks " << part;
    }
    EXPECT_EQ(run("help code").output, code.output);
    EXPECT_TRUE(run("--help").says("'pagewright-convert COMMAND --help'"));
    EXPECT_EQ(run("--version").output, "pagewright-convert " PAGEWRIGHT_VERSION "\n");
}

// Every failure or refusal leaves the output exactly as it was and nothing temporary behind.
TEST_F(Command, FailedRunsLeaveTheOutputAlone)
{
    const char* kBinary =
        "Input file contains NUL bytes so appears to be binary not text. No output file created.";
    struct Case {
        const char* setUp; // shell commands run (unprivileged) before the conversion
        const char* arguments;
        const char* says;
    };
    const Case cases[] = {
        {"echo '<html>' > in.txt", "text in.txt out.htm",
         "appears to be HTML not text. No output file created."},
        {"", "text missing.txt out.htm",
         "cannot read 'missing.txt': No such file or directory\nCould not open input file."},
        {"mkdir folder", "code folder out.htm", "cannot read 'folder': Is a directory"},
        {"", "code out.htm ./out.htm",
         "cannot write './out.htm': it is the input file itself\nOutput file is the same as the input file."},
        {"ln out.htm hard.htm", "code hard.htm out.htm", "it is the input file itself"},
        {"ln -s out.htm link.htm", "template link.htm --header out.htm", "it is the header file itself"},
        {"", "text in.txt out.htm --footer out.htm", "Output file is the same as the footer file."},
        {"chmod 444 out.htm", "code in.txt out.htm", "cannot write 'out.htm': Permission denied"},
        {"mkdir ro && echo precious > ro/out.htm && chmod 555 ro", "code in.txt ro/out.htm",
         "cannot write 'ro/out.htm': Permission denied"},
        {"head -c 200000 /dev/zero | tr '\\0' x > in.txt; ulimit -f 20", "code in.txt out.htm",
         "cannot write 'out.htm': File too large"},
        {"", "text in.txt /dev/full", "cannot write '/dev/full': No space left on device"},
        {"", "text in.txt - >/dev/full", "cannot write standard output: No space left on device"},
        {"cp /bin/ls in.txt", "code in.txt out.htm", kBinary},
        {"printf 'a\\n\\000' > in.txt", "text in.txt out.htm", kBinary},
        {"printf '1\\n2\\000' > in.txt", "list in.txt out.htm --ordered --item-separator numeral", kBinary},
        {"printf 'a,\"b\\n\\000\"' > in.txt", "table - out.htm --csv < in.txt", kBinary},
    };
    // Each run starts from a fresh input and output, as the unprivileged user leaves them.
    const std::string fresh = "chmod -R u+w ro 2>/dev/null; rm -rf ro out.htm hard.htm link.htm\n"
                              "echo text > in.txt && echo precious > out.htm\n";
    for (const Case& c : cases) {
        const Outcome outcome = run(c.arguments, fresh + c.setUp);
        EXPECT_EQ(outcome.status, 1) << c.arguments;
        EXPECT_TRUE(outcome.says(c.says)) << c.arguments << " said: " << outcome.output;
        EXPECT_EQ(read("out.htm"), "precious\n") << c.arguments;
        EXPECT_EQ(read("ro/out.htm"), fs::exists(m_dir / "ro") ? "precious\n" : "") << c.arguments;
        EXPECT_FALSE(leftovers()) << c.arguments;
    }
}

TEST_F(Command, PagesTakeThePlaceOfTheOutput)
{
    write("in.txt", "Hello\n");
    // A missing footer still makes a page: it replaces the output, with the warning.
    const Outcome linked = run("text in.txt link.htm --footer nofooter.htm",
                               "echo old > real.htm && chmod 640 real.htm && ln -s real.htm link.htm");
    EXPECT_EQ(linked.status, 1);
    EXPECT_TRUE(linked.says("cannot read 'nofooter.htm': No such file or directory\n"
                            "Could not open footer file (standard footer used).\n"));
    EXPECT_TRUE(fs::is_symlink(path("link.htm")));
    EXPECT_NE(read("real.htm").find("<title>link.htm</title>"), std::string::npos);
    EXPECT_EQ(fs::status(path("real.htm")).permissions(), fs::perms(0640));

    const Outcome piped = run("code - - < in.txt > piped.htm");
    EXPECT_EQ(piped.output, "Conversion successful.\n");
    EXPECT_NE(read("piped.htm").find("Hello"), std::string::npos);

    const Outcome several = run("text in.txt missing.txt --output-dir pages", "mkdir pages");
    EXPECT_EQ(several.status, 1) << "the worst of the files";
    EXPECT_TRUE(several.says("in.txt -> pages/in.htm: Conversion successful.\n"));
    EXPECT_TRUE(several.says("missing.txt -> pages/missing.htm: Could not open input file.\n"));
    EXPECT_TRUE(fs::exists(path("pages/in.htm")));
    EXPECT_FALSE(leftovers());
}

TEST(Options, FilesAndDefaults)
{
    const ParseResult blank = parseArguments({"list", "out.htm", "--count", "5", "--ordered"});
    const ParseResult fromFile = parseArguments({"list", "in.txt", "out.htm", "--item-separator", "numeral"});
    const ParseResult table = parseArguments({"table", "a", "b", "--width=600px", "--separator", "tab"});
    for (const ParseResult* parsed : {&blank, &fromFile, &table})
        ASSERT_EQ(parsed->kind, ParseResult::Run) << parsed->text;
    EXPECT_EQ(std::tie(blank.request.listSource, blank.request.itemCount, blank.request.output),
              std::make_tuple(0, 5, std::string("out.htm")));
    EXPECT_EQ(std::tie(fromFile.request.listSource, fromFile.request.itemSeparator, fromFile.request.input),
              std::make_tuple(2, 2, std::string("in.txt")));
    EXPECT_EQ(std::tie(table.request.tableWidth, table.request.widthInPixels, table.request.separatorChar),
              std::make_tuple(600, true, '\t'));
    EXPECT_EQ(pageNameFor("src/main.c") + pageNameFor(".profile"), "main.htm.profile.htm");
}

// The language codes the page is written with as given; the library would write others as "en".
TEST(Options, LanguageCodes)
{
    const std::pair<const char*, bool> cases[] = {
        {"de", true},         {"pt-BR", true},
        {"sr-Latn-RS", true}, {"x1", true},
        {"pt_BR", false},     {"de-", false},
        {"1de", false},       {"a--b", false},
        {"", false},          {"abcdefghijabcdefghijabcdefghijabcdef", false}};
    for (const auto& [code, taken] : cases) {
        const ParseResult p = parseArguments({"template", "o", "--html5", "--lang", code});
        EXPECT_EQ(p.kind == ParseResult::Run ? p.request.lang : "refused", taken ? code : "refused") << code;
    }
}

// Table widths from 50px to 1000px or from 5% to 100% are taken (width 0: refused).
TEST(Options, TableWidthBounds)
{
    const std::pair<std::string, int> cases[] = {{"49px", 0}, {"50px", 50}, {"1000px", 1000}, {"1001px", 0},
                                                 {"4%", 0},   {"5%", 5},    {"100%", 100},    {"101%", 0}};
    for (const auto& [value, width] : cases) {
        const ParseResult p = parseArguments({"table", "a", "b", "--width=" + value});
        const bool taken = p.kind == ParseResult::Run;
        EXPECT_EQ(std::pair(taken ? int(p.request.tableWidth) : 0, taken && p.request.widthInPixels),
                  std::pair(width, width && value.ends_with("px")))
            << value;
    }
}

} // namespace
