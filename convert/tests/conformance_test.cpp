// Runs the examples of the conformance files through the exported calls.
//
// File format: a first line "converter: NAME" (text, code, list or table); "## " starts a section;
// other prose is ignored. An example is
//
//   ~~~ example OPTIONS      input lines
//   ~~~ header               (optional) header file lines
//   ~~~ footer               (optional) footer file lines
//   ~~~ expect OPTIONS       expected output lines
//   ~~~                      end of the example
//
// Every line of a block stands for its text and a "\n". Escapes: \t tab, \r carriage return,
// \xHH any byte, \\ backslash, \{N*TEXT} N copies of TEXT (itself escaped), and \$ at the end of a
// line for "no line end here".
// Options are key=value words (values use the same escapes); a key the converter does not take
// fails the example. result= is the expected result code (0 when not given); flags= is a number or
// names joined by "+" (utf8, charset, csv, escape) and calls the _ex form (txt2h takes them itself).
// For text and code pages the expected lines are the page body between the standard head and end,
// unless frame=full; a text page that stops early ends its body with the words "[no page end]".
#include "vellum62.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace
{

struct Example {
    std::string file;
    std::string section;
    int number = 0;
    int line = 0;
    std::string converter;
    std::map<std::string, std::string> options;
    std::string input;
    std::string header;
    std::string footer;
    bool hasHeader = false;
    bool hasFooter = false;
    std::string expected;
};

void PrintTo(const Example& example, std::ostream* os)
{
    *os << example.file << " example " << example.number << " (line " << example.line << ")";
}

std::string unescape(const std::string& text, bool& lineEnd)
{
    std::string out;
    lineEnd = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char next = text[++i];
        switch (next) {
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        case '$':
            lineEnd = false;
            break;
        case 'x':
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
            break;
        case '{': {
            const std::size_t star = text.find('*', i), close = text.find('}', i);
            bool unused;
            const std::string copy = unescape(text.substr(star + 1, close - star - 1), unused);
            for (long n = std::stol(text.substr(i + 1, star - i - 1)); n > 0; --n)
                out += copy;
            i = close;
            break;
        }
        default:
            out += '\\';
            out += next;
            break;
        }
    }
    return out;
}

std::map<std::string, std::string> parseOptions(std::istringstream words)
{
    std::map<std::string, std::string> options;
    std::string word;
    while (words >> word) {
        auto eq = word.find('=');
        bool unused;
        options[word.substr(0, eq)] = eq == std::string::npos ? "1" : unescape(word.substr(eq + 1), unused);
    }
    return options;
}

std::vector<Example> loadExamples()
{
    std::vector<Example> examples;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(CONFORMANCE_DIR))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& path : files) {
        std::ifstream in(path, std::ios::binary);
        std::string line, converter, section;
        int lineNumber = 0, number = 0;
        Example current;
        std::string* block = nullptr;
        while (std::getline(in, line)) {
            ++lineNumber;
            if (line.rfind("~~~", 0) == 0) {
                std::istringstream words(line.substr(3));
                std::string kind;
                words >> kind;
                if (kind == "example") {
                    current = Example{path.filename().string(),
                                      section,
                                      ++number,
                                      lineNumber,
                                      converter,
                                      {},
                                      {},
                                      {},
                                      {},
                                      false,
                                      false,
                                      {}};
                    current.options = parseOptions(std::move(words));
                    block = &current.input;
                } else if (kind == "header") {
                    current.hasHeader = true;
                    block = &current.header;
                } else if (kind == "footer") {
                    current.hasFooter = true;
                    block = &current.footer;
                } else if (kind == "expect") {
                    for (auto& [key, value] : parseOptions(std::move(words)))
                        current.options[key] = value;
                    block = &current.expected;
                } else {
                    examples.push_back(current);
                    block = nullptr;
                }
            } else if (block) {
                bool lineEnd;
                *block += unescape(line, lineEnd);
                if (lineEnd)
                    *block += '\n';
            } else if (line.rfind("converter: ", 0) == 0) {
                converter = line.substr(11);
            } else if (line.rfind("## ", 0) == 0) {
                section = line.substr(3);
            }
        }
    }
    return examples;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class Conformance : public ::testing::TestWithParam<Example>
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("vellum-conformance-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string option(const std::string& key, const std::string& fallback = "") const
    {
        auto found = GetParam().options.find(key);
        return found == GetParam().options.end() ? fallback : found->second;
    }
    int32_t number(const std::string& key, int32_t fallback) const
    {
        return std::stoi(option(key, std::to_string(fallback)));
    }

    // The file name to pass for a block: written when the example has it, missing when asked.
    std::string fileFor(const std::string& name, bool present, const std::string& bytes,
                        const std::string& key)
    {
        if (option(key) == "missing")
            return (m_dir / ("missing-" + name)).string();
        if (!present)
            return "";
        writeFile(m_dir / name, bytes);
        return (m_dir / name).string();
    }

    fs::path m_dir;
};

// The body of a text page: what lies between the standard head and the standard end.
std::string textBody(const std::string& page)
{
    const std::string headEnd = "<blockquote>\n\n";
    const std::string footer = "\n</blockquote>\n</body>\n</html>\n\n";
    std::size_t start = page.find(headEnd);
    if (start == std::string::npos)
        return "(no standard head in)\n" + page;
    std::string body = page.substr(start + headEnd.size());
    if (body.size() >= footer.size() && body.compare(body.size() - footer.size(), footer.size(), footer) == 0)
        body.resize(body.size() - footer.size());
    else
        body += "[no page end]";
    return body;
}

std::string codeBody(const std::string& page)
{
    const std::string end = "</pre>\n</body>\n</html>\n";
    std::size_t start = page.find("<pre>");
    if (start == std::string::npos || page.size() < end.size() ||
        page.compare(page.size() - end.size(), end.size(), end) != 0)
        return "(not a code page)\n" + page;
    return page.substr(start + 5, page.size() - end.size() - start - 5);
}

const std::map<std::string, std::set<std::string>> kKeys = {
    {"text", {"title", "text", "background", "header", "footer", "frame"}},
    {"code", {"margin", "tab", "frame"}},
    {"list", {"ordered", "type", "source", "count", "start", "separator", "wrapper", "center"}},
    {"table",
     {"separator", "padding", "wrapper", "centertext", "centertable", "text", "background", "width", "pixels",
      "border", "cellpadding", "cellspacing"}},
};

int32_t parseFlags(const std::string& text)
{
    static const std::map<std::string, int32_t> kNames = {{"utf8", VELLUM62_UTF8},
                                                          {"charset", VELLUM62_DECLARE_CHARSET},
                                                          {"csv", VELLUM62_CSV_QUOTES},
                                                          {"escape", VELLUM62_ESCAPE_DATA}};
    int32_t flags = 0;
    std::istringstream parts(text);
    for (std::string part; std::getline(parts, part, '+');)
        flags |= kNames.count(part) ? kNames.at(part) : std::stoi(part);
    return flags;
}

TEST_P(Conformance, Example)
{
    const Example& example = GetParam();
    SCOPED_TRACE(example.file + ", section \"" + example.section + "\", example " +
                 std::to_string(example.number) + " (line " + std::to_string(example.line) + ")");
    ASSERT_TRUE(kKeys.count(example.converter)) << "unknown converter " << example.converter;
    for (const auto& [key, value] : example.options)
        ASSERT_TRUE(kKeys.at(example.converter).count(key) || key == "input" || key == "output" ||
                    key == "result" || key == "flags")
            << "unknown option " << key;
    const std::string input = option("input") == "none" ? ""
                              : option("input") == "missing"
                                  ? (m_dir / "missing.txt").string()
                                  : (writeFile(m_dir / "in.txt", example.input), (m_dir / "in.txt").string());
    const std::string output = (m_dir / "out.htm").string();
    const int32_t flags = parseFlags(option("flags", "0"));
    const char *in = input.c_str(), *out = output.c_str();
    int32_t result = 0;
    bool body = option("frame") != "full";
    if (example.converter == "text") {
        std::string header = fileFor("header.htm", example.hasHeader, example.header, "header");
        std::string footer = fileFor("footer.htm", example.hasFooter, example.footer, "footer");
        result = txt2h(option("title").c_str(), in, out, header.c_str(), footer.c_str(), option("text").c_str(),
                       option("background").c_str(), flags);
    } else if (example.converter == "code") {
        const int32_t margin = number("margin", 0), tab = number("tab", 4);
        result = flags ? c2h_ex(in, out, margin, tab, flags) : c2h(in, out, margin, tab);
    } else if (example.converter == "list") {
        body = false;
        const int32_t a[] = {number("ordered", 0), number("type", 0),      number("source", 2), number("count", -1),
                             number("start", -1),  number("separator", 0), number("wrapper", 0), number("center", 0)};
        result = flags ? datalist_ex(in, out, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], flags)
                       : datalist(in, out, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
    } else {
        body = false;
        const int32_t a[] = {number("separator", ','), number("padding", 0), number("wrapper", 0),
                             number("centertext", 0),  number("centertable", 0)};
        const int32_t b[] = {number("width", -1), number("pixels", 0), number("border", -1),
                             number("cellpadding", -1), number("cellspacing", -1)};
        const std::string text = option("text"), background = option("background");
        result = flags ? reg_tbl_ex(in, out, a[0], a[1], a[2], a[3], a[4], text.c_str(), background.c_str(), b[0],
                                    b[1], b[2], b[3], b[4], flags)
                       : reg_tbl(in, out, a[0], a[1], a[2], a[3], a[4], text.c_str(), background.c_str(), b[0],
                                 b[1], b[2], b[3], b[4]);
    }
    EXPECT_EQ(result, number("result", 0));
    if (option("output") == "none") {
        EXPECT_FALSE(fs::exists(output));
        return;
    }
    std::string page = readFile(output);
    if (body)
        page = example.converter == "code" ? codeBody(page) : textBody(page);
    EXPECT_EQ(page, example.expected);
}

std::string exampleName(const ::testing::TestParamInfo<Example>& info)
{
    std::string name =
        info.param.file.substr(0, info.param.file.find('.')) + "_" + std::to_string(info.param.number);
    return name;
}

INSTANTIATE_TEST_SUITE_P(Files, Conformance, ::testing::ValuesIn(loadExamples()), exampleName);

} // namespace
