// Runs the examples of the conformance files through the exported calls; their format is
// described in conformance/README.md.
#include "vellum62.h"

#include "page_style.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace
{

struct Example {
    std::string file, section, converter;
    int number = 0, line = 0;
    std::map<std::string, std::string> options;
    std::map<std::string, std::string> blocks; // by kind: example (the input), header, footer, expect
};

void PrintTo(const Example& e, std::ostream* os)
{
    *os << e.file << ", section \"" << e.section << "\", example " << e.number << " (line " << e.line << ")";
}

// The bytes an escaped text stands for; a "\$" clears *lineEnd.
std::string Unescape(const std::string& text, bool* lineEnd = nullptr)
{
    static const std::map<char, char> kChars = {{'t', '\t'}, {'r', '\r'}, {'\\', '\\'}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = text[i] == '\\' && i + 1 < text.size() ? text[i + 1] : 0;
        if (kChars.count(next)) {
            out += kChars.at(next);
            ++i;
        } else if (next == '$') {
            if (lineEnd)
                *lineEnd = false;
            ++i;
        } else if (next == 'x') {
            out += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else if (next == '{') {
            const std::size_t star = text.find('*', i), close = text.find('}', i);
            const std::string copy = Unescape(text.substr(star + 1, close - star - 1));
            for (long n = std::stol(text.substr(i + 2, star - i - 2)); n > 0; --n)
                out += copy;
            i = close;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<Example> LoadExamples()
{
    std::set<fs::path> files;
    for (const auto& entry : fs::directory_iterator(CONFORMANCE_DIR))
        if (entry.path().extension() == ".txt")
            files.insert(entry.path());
    std::vector<Example> examples;
    for (const fs::path& path : files) {
        std::ifstream in(path, std::ios::binary);
        Example next;
        next.file = path.filename().string();
        std::string line, *block = nullptr;
        for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
            if (line.rfind("~~~", 0) == 0) {
                std::istringstream words(line.substr(3));
                std::string kind, word;
                words >> kind;
                if (kind != "example" && kind != "header" && kind != "footer" && kind != "expect") {
                    examples.push_back(next);
                    block = nullptr;
                    continue;
                }
                if (kind == "example")
                    next = {next.file, next.section, next.converter, next.number + 1, lineNumber, {}, {}};
                while (words >> word) {
                    const auto eq = word.find('=');
                    next.options[word.substr(0, eq)] =
                        eq == std::string::npos ? "1" : Unescape(word.substr(eq + 1));
                }
                block = &next.blocks[kind];
            } else if (block) {
                bool lineEnd = true;
                *block += Unescape(line, &lineEnd);
                *block += lineEnd ? "\n" : "";
            } else if (line.rfind("converter: ", 0) == 0) {
                next.converter = line.substr(11);
            } else if (line.rfind("## ", 0) == 0) {
                next.section = line.substr(3);
            }
        }
    }
    return examples;
}

// The options each converter takes, besides input, output, result and flags.
const std::map<std::string, std::set<std::string>> kKeys = {
    {"text", {"title", "text", "background", "header", "footer", "frame"}},
    {"code", {"margin", "tab", "frame", "name", "colour", "language", "numbers", "coloring", "used"}},
    {"list", {"ordered", "type", "source", "count", "start", "separator", "wrapper", "center"}},
    {"table",
     {"separator", "padding", "wrapper", "centertext", "centertable", "text", "background", "width", "pixels",
      "border", "cellpadding", "cellspacing", "rows", "columns", "counts"}},
};

int32_t ParseFlags(const std::string& text)
{
    static const std::map<std::string, int32_t> kNames = {{"utf8", VELLUM62_UTF8},
                                                          {"charset", VELLUM62_DECLARE_CHARSET},
                                                          {"csv", VELLUM62_CSV_QUOTES},
                                                          {"escape", VELLUM62_ESCAPE_DATA},
                                                          {"html5", VELLUM62_HTML5}};
    int32_t flags = 0;
    std::istringstream parts(text);
    for (std::string part; std::getline(parts, part, '+');)
        flags |= kNames.count(part) ? kNames.at(part) : std::stoi(part);
    return flags;
}

// The name of an example, as its test and its page are named: "table_3".
std::string ExampleName(const Example& e)
{
    return e.file.substr(0, e.file.find('.')) + "_" + std::to_string(e.number);
}

// With PAGEWRIGHT_HTML5_PAGES naming a folder, every HTML5 output is written there as a whole page
// (a list or table without its page wrapper inside a minimal page), for the HTML checker.
void KeepHtml5Page(const Example& e, const std::string& output)
{
    const char* folder = std::getenv("PAGEWRIGHT_HTML5_PAGES");
    if (!folder || !*folder)
        return;
    std::string page = output;
    if (!page.starts_with("<!DOCTYPE html>"))
        page = pagewright::html5PageStart({}) + ExampleName(e) + pagewright::html5HeadEnd({}, {}) + page +
               std::string(pagewright::kHtml5PageEnd);
    std::ofstream(fs::path(folder) / (ExampleName(e) + ".htm"), std::ios::binary) << page;
}

// The body of a text or code page: what lies between its standard head and end.
std::string Body(const std::string& page, bool text)
{
    const bool html5 = page.starts_with("<!DOCTYPE html>");
    const std::string head = html5 ? (text ? "<body class=\"pw-text\">\n" : "<code>")
                                   : (text ? "<blockquote>\n\n" : "<pre>");
    const std::string end = html5 ? (text ? "\n</body>\n</html>\n" : "</code></pre>\n</body>\n</html>\n")
                                  : (text ? "\n</blockquote>\n</body>\n</html>\n\n" : "</pre>\n</body>\n</html>\n");
    const std::size_t start = page.find(head);
    if (start == std::string::npos)
        return "(no standard head and end in)\n" + page;
    std::string body = page.substr(start + head.size());
    if (body.ends_with(end))
        body.resize(body.size() - end.size());
    else
        body += "[no page end]";
    return body;
}

using Conformance = ::testing::TestWithParam<Example>;

TEST_P(Conformance, Example)
{
    const Example& e = GetParam();
    SCOPED_TRACE(::testing::PrintToString(e));
    const TempDir dir;
    auto Option = [&](const std::string& key, const std::string& fallback = "") {
        return e.options.count(key) ? e.options.at(key) : fallback;
    };
    auto Number = [&](const std::string& key, int32_t fallback) {
        return std::stoi(Option(key, std::to_string(fallback)));
    };
    // The name to pass for a block: its file written, a missing one, or "" for none.
    auto FileFor = [&](const std::string& key, const std::string& kind, const std::string& name) {
        if (Option(key) == "missing")
            return dir.path("missing-" + key);
        return Option(key) == "none" || !e.blocks.count(kind) ? "" : dir.write(name, e.blocks.at(kind));
    };
    ASSERT_TRUE(kKeys.count(e.converter)) << "unknown converter " << e.converter;
    for (const auto& [key, value] : e.options)
        ASSERT_TRUE(kKeys.at(e.converter).count(key) || key == "input" || key == "output" ||
                    key == "result" || key == "flags" || key == "lang" || key == "stylesheet")
            << "unknown option " << key;
    const std::string input = FileFor("input", "example", Option("name", "in.txt")), output = dir.path("out.htm");
    const char *in = input.c_str(), *out = output.c_str();
    const int32_t flags = ParseFlags(Option("flags", "0"));
    // lang= and stylesheet= call the _html5 forms.
    const std::string lang = Option("lang"), stylesheet = Option("stylesheet");
    const vellum62_html5_page settings{lang.c_str(), stylesheet.c_str()};
    const vellum62_html5_page* page5 =
        e.options.count("lang") || e.options.count("stylesheet") ? &settings : nullptr;
    int32_t result = 0;
    if (e.converter == "text") {
        const std::string header = FileFor("header", "header", "header.htm"),
                          footer = FileFor("footer", "footer", "footer.htm");
        result = page5 ? txt2h_html5(Option("title").c_str(), in, out, header.c_str(), footer.c_str(),
                                     Option("text").c_str(), Option("background").c_str(), flags, page5)
                       : txt2h(Option("title").c_str(), in, out, header.c_str(), footer.c_str(),
                               Option("text").c_str(), Option("background").c_str(), flags);
    } else if (e.converter == "code") {
        const int32_t margin = Number("margin", 0), tab = Number("tab", 4);
        // colour=, language=, numbers=, coloring= and used= call c2h_colored and check what it says.
        if (e.options.count("colour") || e.options.count("language") || e.options.count("numbers") ||
            e.options.count("coloring") || e.options.count("used")) {
            const std::string language = Option("language");
            int32_t coloring = -1;
            char used[16] = "?";
            result = c2h_colored(in, out, margin, tab, flags, page5, e.options.count("language") ? language.c_str() : nullptr,
                                 (Number("numbers", 0) ? VELLUM62_LINE_NUMBERS : 0) |
                                     (Number("colour", 0) ? VELLUM62_COLOR_CODE : 0),
                                 &coloring, used, sizeof used);
            EXPECT_EQ("coloring " + std::to_string(coloring) + ", used " + used,
                      "coloring " + Option("coloring", "0") + ", used " + Option("used"));
        } else {
            result = page5   ? c2h_html5(in, out, margin, tab, flags, page5)
                     : flags ? c2h_ex(in, out, margin, tab, flags)
                             : c2h(in, out, margin, tab);
        }
    } else if (e.converter == "list") {
        const int32_t a[] = {Number("ordered", 0), Number("type", 0),   Number("source", 2),
                             Number("count", -1),  Number("start", -1), Number("separator", 0),
                             Number("wrapper", 0), Number("center", 0)};
        result = page5   ? datalist_html5(in, out, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], flags, page5)
                 : flags ? datalist_ex(in, out, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], flags)
                         : datalist(in, out, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
    } else {
        const int32_t a[] = {Number("separator", ','), Number("padding", 0), Number("wrapper", 0),
                             Number("centertext", 0), Number("centertable", 0)};
        const int32_t b[] = {Number("width", -1), Number("pixels", 0), Number("border", -1),
                             Number("cellpadding", -1), Number("cellspacing", -1)};
        const std::string text = Option("text"), background = Option("background");
        int64_t rows = -1, columns = -1, *counts = Option("counts") == "none" ? nullptr : &rows;
        int64_t* asked = e.options.count("rows") ? counts : nullptr;
        if (page5)
            result = reg_tbl_html5(in, out, a[0], a[1], a[2], a[3], a[4], text.c_str(), background.c_str(), b[0],
                                   b[1], b[2], b[3], b[4], flags, asked, asked ? &columns : nullptr, page5);
        else if (e.options.count("rows") || !counts)
            result = reg_tbl_sized(in, out, a[0], a[1], a[2], a[3], a[4], text.c_str(), background.c_str(),
                                   b[0], b[1], b[2], b[3], b[4], flags, counts, counts ? &columns : nullptr);
        else
            result = flags ? reg_tbl_ex(in, out, a[0], a[1], a[2], a[3], a[4], text.c_str(),
                                        background.c_str(), b[0], b[1], b[2], b[3], b[4], flags)
                           : reg_tbl(in, out, a[0], a[1], a[2], a[3], a[4], text.c_str(), background.c_str(),
                                     b[0], b[1], b[2], b[3], b[4]);
        EXPECT_EQ(std::to_string(rows) + " rows, " + std::to_string(columns) + " columns",
                  Option("rows", "-1") + " rows, " + Option("columns", "-1") + " columns");
    }
    EXPECT_EQ(result, Number("result", 0));
    if (Option("output") == "none") {
        EXPECT_FALSE(fs::exists(output));
        return;
    }
    std::string page = readFile(output);
    const bool stoppedEarly = result == VELLUM62_INPUT_HOLDS_HTML || result == VELLUM62_INPUT_HOLDS_X_HTML ||
                              result == VELLUM62_INPUT_IS_BINARY;
    if ((flags & VELLUM62_HTML5) && !stoppedEarly)
        KeepHtml5Page(e, page);
    if ((e.converter == "text" || e.converter == "code") && Option("frame") != "full")
        page = Body(page, e.converter == "text");
    EXPECT_EQ(page, e.blocks.count("expect") ? e.blocks.at("expect") : "");
}

INSTANTIATE_TEST_SUITE_P(Files, Conformance, ::testing::ValuesIn(LoadExamples()),
                         [](const ::testing::TestParamInfo<Example>& info) {
                             std::string name = ExampleName(info.param);
                             std::replace(name.begin(), name.end(), '-', '_'); // test names take no "-"
                             return name;
                         });

} // namespace
