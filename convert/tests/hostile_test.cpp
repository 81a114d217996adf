// Input no one should write, which must still neither crash, overflow nor hang; memory grows with
// the longest line only. CTest puts a time limit on these tests.
#include "converters.h"
#include "line_reader.h"
#include "output.h"
#include "vellum62.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

using namespace vellum;

namespace
{

// One pattern repeated, cut off after `size` bytes.
std::string repeated(const std::string& pattern, std::size_t size)
{
    std::string bytes;
    while (bytes.size() < size)
        bytes += bytes.empty() ? pattern : bytes.substr(0, size - bytes.size());
    return bytes;
}

// Counts what a conversion writes and keeps the first 64 KiB of it.
struct Tally {
    std::size_t bytes = 0;
    std::string head;
    static bool sink(void* self, const char* data, std::size_t size)
    {
        auto* tally = static_cast<Tally*>(self);
        tally->bytes += size;
        tally->head.append(data, std::min(size, (64u << 10) - std::min(tally->head.size(), std::size_t{64u << 10})));
        return true;
    }
};

// Options are named as they are set; the ones left out keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

Tally convertAll(ByteSource& source, int converter, bool utf8 = false)
{
    Tally tally;
    Output out(Tally::sink, &tally);
    LineReader lines(source);
    if (converter == 0)
        convertTextPage({.input = &lines, .utf8 = utf8}, out);
    else if (converter == 1)
        convertCodePage(lines, {.tabSpaces = 8, .utf8 = utf8}, out);
    else if (converter == 2)
        convertList(&lines, {.ordered = true, .listSource = 2, .itemSeparator = 2, .utf8 = utf8}, out);
    else
        convertTable(lines, {.separatorChar = ' ', .paddingSpaces = 1000, .utf8 = utf8, .csvQuotes = true}, out);
    out.flush();
    return tally;
}

#ifdef VELLUM62_SANITIZED
constexpr std::size_t kLarge = 4u << 20;
constexpr std::size_t kHuge = 16u << 20;
#else
constexpr std::size_t kLarge = 32u << 20;
constexpr std::size_t kHuge = 64u << 20;
#endif

using Hostile = ::testing::TestWithParam<int>;

TEST_P(Hostile, LongLinesOfSpecialCharacters)
{
    // Each pattern, repeated without end in the longest lines, and what each converter (text,
    // code, list, table) makes of it: its content, escaped where the converter escapes.
    struct Case {
        std::string pattern;
        std::string written[4];
    };
    const Case cases[] = {
        {"&", {"&amp;&amp;&amp;", "&amp;&amp;&amp;", "&&&", "&&&"}},
        {"<\"", {"&lt;&quot;&lt;&quot;", "&lt;&quot;&lt;&quot;", "<\"<\"", "<\"<\""}},
        {"http://a.com\"&<\"&gt;\xAA@",
         {"</a>&quot;&amp;&lt;&quot;&amp;gt;&ordf;@<a href=\"http://a.com\">",
          "http://a.com&quot;&amp;&lt;&quot;&amp;gt;\xAA@http", "\"&gt;\xAA@http://a.com\"&<", "&gt;\xAA@http"}},
        {"www.a.b ", {"www.a.b</a> <a href=\"http://www.a.b\">", "www.a.b www.a.b", "www.a.b www.a.b", "www.a.b"}},
        {"-- - I A ", {"&#151; I&nbsp;A &#151; &#151;", "-- - I A -- - I A", "-- - I A -- - I A", "&nbsp;I&nbsp;"}},
        {"\xAA\xB1\xB2\xB3\xB4\xB5\xB9\xA0",
         {"&ordf;&plusmn;&sup2;&sup3;&acute;&micro;&sup1;&nbsp;&ordf;", "\xB9\xA0\xAA\xB1", "\xB9\xA0\xAA\xB1",
          "\xB9\xA0\xAA\xB1"}},
        {"a\n\r\x01\x1a", {"a\n\r\x01\x1a" "a\n", "a\n\r\x01\x1a" "a\n", "a \r\x01\x1a" "a", "\x01\x1a" "a"}},
    };
    for (const Case& c : cases) {
        const std::string bytes = repeated(c.pattern, kLarge);
        MemorySource source(bytes);
        const Tally run = convertAll(source, GetParam());
        EXPECT_GE(run.bytes, kLarge / 2) << c.pattern;
        EXPECT_NE(run.head.find(c.written[GetParam()]), std::string::npos) << c.pattern << "\n" << run.head.substr(0, 400);
        // No input character became a tag.
        EXPECT_EQ(run.head.find("<pre>", 200), std::string::npos) << c.pattern;
        EXPECT_EQ(run.head.find("<hr>"), std::string::npos) << c.pattern;
    }
}

TEST_P(Hostile, RandomBytesAsWindows1252AndAsUtf8)
{
    std::mt19937 random(7);
    std::string bytes(kLarge / 4, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() % 255 + 1); // a NUL byte would stop the conversion
    for (bool utf8 : {false, true}) {
        MemorySource source(bytes);
        const Tally run = convertAll(source, GetParam(), utf8);
        EXPECT_GE(run.bytes, bytes.size() / 2);
        // Every byte above ASCII is a character of its own, or (UTF-8) at most part of U+FFFD.
        EXPECT_EQ(run.head.find("\xEF\xBF\xBD") != std::string::npos, utf8);
    }
}

TEST_P(Hostile, AVeryLongLineWithoutALineEnd)
{
    const std::string bytes(kHuge, 'x');
    MemorySource source(bytes);
    const Tally run = convertAll(source, GetParam());
    EXPECT_GT(run.bytes, kHuge);
    EXPECT_NE(run.head.find(std::string(1000, 'x')), std::string::npos);
}

// Input that cannot be read again, as from a pipe.
struct OneWay final : ByteSource {
    explicit OneWay(std::string_view text) : bytes(text) {}
    MemorySource bytes;
    long read(char* buffer, std::size_t size) override { return bytes.read(buffer, size); }
    bool rewind() override { return false; }
};

// A list read twice needs an input that can be read again.
TEST(Bounded, ListsReadTwiceOnlyWhereTheyCan)
{
    OneWay oneWay("1. a\n2. b\n");
    LineReader lines(oneWay);
    Tally tally;
    Output out(Tally::sink, &tally);
    const ListOptions options{
        .ordered = true, .listSource = VELLUM62_LIST_FROM_FILE, .itemSeparator = VELLUM62_ITEMS_BY_NUMERAL};
    EXPECT_EQ(convertList(&lines, options, out), VELLUM62_INPUT_NOT_OPENED);
}

// An HTML5 table counts the cells of its rows first where it can read its input again; read once,
// rows are only as wide as the widest before them.
TEST(Bounded, TablesCountTheirCellsFirstWhereTheyCan)
{
    const std::string_view data = "a\nb,c\nd\n";
    for (bool again : {true, false}) {
        MemorySource memory(data);
        OneWay oneWay(data);
        LineReader lines(again ? static_cast<ByteSource&>(memory) : oneWay);
        Tally tally;
        Output out(Tally::sink, &tally);
        const TableSize size = convertTable(lines, {.html5 = {.on = true}}, out);
        out.flush();
        EXPECT_EQ(size.rows * VELLUM62_ROW_FACTOR + size.columns, 302);
        EXPECT_EQ(tally.head, std::string("<table class=\"pw-table\">\n<tbody>\n<tr><td>a</td>\n") +
                                  (again ? "<td></td>\n" : "") +
                                  "</tr>\n<tr><td>b</td>\n<td>c</td>\n</tr>\n<tr><td>d</td>\n<td></td>\n</tr>\n"
                                  "</tbody>\n</table>\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Converters, Hostile, ::testing::Range(0, 4), [](const auto& info) {
    return std::string(std::array{"Text", "Code", "List", "Table"}[info.param]);
});

} // namespace

namespace
{

// A coloured HTML5 code page of `bytes`, the colouring it reports and the text a browser shows of
// its code (the <code> element without its tags).
struct Coloured {
    CodeColouring colouring;
    std::string shown;
    bool ended = false;
    std::size_t written = 0;
};
Coloured colourPage(const std::string& bytes, std::string_view language, bool lineNumbers = false)
{
    Coloured page;
    Tally tally;
    Output out(Tally::sink, &tally);
    MemorySource source(bytes);
    LineReader lines(source);
    convertCodePage(lines, {.marginSpaces = 2, .tabSpaces = 3, .utf8 = true, .html5 = {.on = true},
                            .colour = true, .language = language, .lineNumbers = lineNumbers, .colouring = &page.colouring},
                    out);
    out.flush();
    page.written = tally.bytes;
    const std::size_t from = tally.head.find("<code>") + 6, to = tally.head.rfind("</code>");
    page.ended = from > 6 && to != std::string::npos && to >= from;
    bool inTag = false;
    for (char c : tally.head.substr(from, page.ended ? to - from : 0)) {
        inTag = c == '<' || (inTag && c != '>');
        if (!inTag && c != '>')
            page.shown += c;
    }
    return page;
}

} // namespace

TEST(Colouring, HostileCodeIsColouredOrWrittenPlainInTime)
{
    struct Case {
        const char* language;
        std::string bytes;
        int32_t status;
    };
    const Case cases[] = {
        {"c", repeated("(", 4000) + "\n", VELLUM62_COLORED},
        {"c", repeated("(", 200000) + "\n", VELLUM62_NOT_COLORED_TOO_LARGE},
        {"json", repeated("[{\"a\":\n", 300000), VELLUM62_NOT_COLORED_TOO_LARGE},
        {"c", "int x = " + repeated("a+", 200000), VELLUM62_NOT_COLORED_TOO_LARGE},
        {"python", repeated("if x:\n ", 30000), VELLUM62_COLORED},
        // Trees deeper than the parser library copes with, in few bytes per level and short lines.
        {"c", "void f() { if (a) x;\n" + repeated("else if (a) x;\n", 70000) + "}\n", VELLUM62_NOT_COLORED_TOO_LARGE},
        {"c", "int x =\n" + repeated("-\n", 70000) + "1;\n", VELLUM62_NOT_COLORED_TOO_LARGE},
        {"python", "x = a\\\n" + repeated("+ a\\\n", 70000) + "\n", VELLUM62_NOT_COLORED_TOO_LARGE},
        {"bash", "a" + repeated(" &&\n a", 70000) + "\n", VELLUM62_NOT_COLORED_TOO_LARGE},
        {"javascript", repeated("a+\"\\u{1}\"/*\xFF*/\n", 1u << 16), VELLUM62_COLORED},
        {"html", repeated("<a b='", 5u << 20), VELLUM62_NOT_COLORED_TOO_LARGE},
        {"cobol", "x\n", VELLUM62_NOT_COLORED_UNKNOWN_LANGUAGE},
    };
    for (const Case& c : cases) {
        const Coloured page = colourPage(c.bytes, c.language);
        EXPECT_EQ(page.colouring.status, c.status) << c.language << ", " << c.bytes.substr(0, 20);
        EXPECT_GE(page.written, c.bytes.size()) << c.language;
    }
}

TEST(Colouring, ShowsTheTextOfTheUncolouredPage)
{
    // Each language's tricky corners: tabs inside tokens, tokens over lines, CR LF, trailing
    // blanks, characters to escape, UTF-8.
    const std::pair<const char*, std::string> cases[] = {
        {"c", "#include <a.h>\n/* x\n\t* y */\tint\tmain(void) { return s[0] < 'a' && \"\\t\"; }  \r\n"},
        {"cpp", "template <class T> auto f() -> T { return R\"(a\n\tb)\"; } // é\n"},
        {"python", "def f(x):\n\t'''doc\n\tstring'''\n\treturn f\"{x!r:>4}\" # ü\n"},
        {"javascript", "const a = `x${1 + `y`}\n\tz` /* & */ < b;\n"},
        {"bash", "cat <<EOF\n\t$x & <y>\nEOF\necho ${a:-\"b\"}\n"},
        {"java", "@Override\tpublic <T> void f(T t) { char c = '\\''; }\n"},
        {"go", "func f() {\n\ts := `a\n\tb`\n}\n"},
        {"rust", "/// doc\nfn f<'a>(x: &'a str) -> i32 { r#\"\"# ; 0 }\n"},
        {"json", "{\"a\\\"\": [1e3, \"\\u00e9\"]}\n"},
        {"css", "a > b::before { content: \"<\"; color: #fff !important }\n"},
        {"html", "<!-- x\n--><p class=\"a&amp;\">\tt<script>if (a < b) {}</script>\n"},
    };
    for (const auto& [language, bytes] : cases) {
        const Coloured coloured = colourPage(bytes, language, true), plain = colourPage(bytes, "none");
        EXPECT_EQ(coloured.colouring.status, VELLUM62_COLORED) << language;
        EXPECT_NE(plain.shown.find("  "), std::string::npos) << language;
        EXPECT_EQ(coloured.shown, plain.shown) << language;
    }
}
