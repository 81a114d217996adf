// Random text and code files converted by the library and by the step-by-step converters of
// tests/reference; the two output files must agree byte for byte. The files are built from fragments
// that meet in the tricky places: addresses next to escaped characters, tags, mail headers, dashes,
// rules, placeholder bytes, NUL and CR bytes, and lines at the read and length limits.
#include "literal_convert.h"
#include "vellum62.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr unsigned SEED = 20240601;
#ifdef VELLUM62_SANITIZED
// Sanitized builds run several times slower; fewer cases keep the run short.
constexpr int TEXT_CASES = 600;
constexpr int CODE_CASES = 300;
#else
constexpr int TEXT_CASES = 3000;
constexpr int CODE_CASES = 2000;
#endif
constexpr int LATE_MARKER_CASES = 60;
constexpr int MISMATCHES_SHOWN = 3;

// ---------------------------------------------------------------------------------------------
// Files

class Scratch {
public:
    Scratch() : m_dir(fs::path(::testing::TempDir()) / ("vellum62-differential-" + std::to_string(getpid())))
    {
        fs::create_directories(m_dir);
    }
    ~Scratch()
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    std::string write(const std::string& name, const std::string& bytes) const
    {
        fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::string fresh(const std::string& name) const
    {
        fs::path path = m_dir / name;
        std::error_code ignored;
        fs::remove(path, ignored);
        return path.string();
    }
    static std::string read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    fs::path m_dir;
};

// ---------------------------------------------------------------------------------------------
// Reporting

// Printable form of bytes; runs of one byte longer than eight are written as {count x byte}.
std::string escaped(std::string_view bytes)
{
    std::ostringstream out;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t run = 1;
        while (i + run < bytes.size() && bytes[i + run] == bytes[i])
            ++run;
        auto c = static_cast<unsigned char>(bytes[i]);
        std::string shown;
        if (c == '\n')
            shown = "\\n";
        else if (c == '\r')
            shown = "\\r";
        else if (c == '\t')
            shown = "\\t";
        else if (c == '\\')
            shown = "\\\\";
        else if (c >= 32 && c < 127)
            shown = std::string(1, static_cast<char>(c));
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            shown = hex;
        }
        if (run > 8) {
            out << "{" << run << " x " << shown << "}";
            i += run;
        } else {
            out << shown;
            i += 1;
        }
    }
    return out.str();
}

std::string difference(const std::string& expected, const std::string& actual)
{
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    std::size_t from = at > 80 ? at - 80 : 0;
    std::ostringstream out;
    out << "first difference at offset " << at << " (lengths " << expected.size() << " expected, "
        << actual.size() << " from the library)\n"
        << "  expected: ..." << escaped(std::string_view(expected).substr(from, at - from + 80)) << "\n"
        << "  library:  ..." << escaped(std::string_view(actual).substr(from, at - from + 80)) << "\n";
    return out.str();
}

// ---------------------------------------------------------------------------------------------
// Random files

class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T> const T& pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(between(0, static_cast<int>(items.size()) - 1))];
    }

    std::string high_byte()
    {
        static const std::vector<int> favoured = {0xAA, 0xA0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB9, 0xD0, 0xEF, 0x85};
        return std::string(1, static_cast<char>(chance(60) ? pick(favoured) : between(0x80, 0xFF)));
    }

    // A web address, often around the 160-character link limit, often running into characters that
    // end it or that its escaping changes.
    std::string address()
    {
        static const std::vector<std::string> kinds = {"http://", "http://", "https://", "ftp://", "www."};
        static const std::string url_chars = "abcxyz019./?=&;-_~%,:@\xAA\xA0\xE9";
        static const std::vector<std::string> edges = {"\"", "<", ">", "&", "&gt;", ", ", ".", "-", "\xAA",
                                                       "(", ")", "<br>", "<pre>", "\xB1", " ", "\t", "@"};
        std::string text = pick(kinds);
        int length = chance(30) ? between(145, 170) - static_cast<int>(text.size()) : between(1, 20);
        for (int i = 0; i < length; ++i) {
            if (chance(10))
                text += pick(edges);
            else
                text += url_chars[static_cast<std::size_t>(between(0, static_cast<int>(url_chars.size()) - 1))];
        }
        return text;
    }

    std::string fragment()
    {
        static const std::vector<std::string> pieces = {
            "http://", "https://", "ftp://", "www.", ".", ",", ", ", "&", "&gt;", "<", ">", "\"", "@",
            "x@y.com", "a.b@c.d.org", ";", ":", "(", ")", " ", "  ", "   ", "\t", "-", "--", " - ", " I ",
            " A ", "I", "A", "\\H2", "\\H0 ", "\\H7", "From: ", "Subject: ", "Sub: ", "X-Mailer: ",
            "Received: ", "From ???@???", "<br>", "<BR>", "<Br>", "<p>", "<P>", "<pre>", "</pre>", "<PRE>",
            "</PRE>", "<hr>", "<HR>", "----------", "----", "====", "50%", "%", "%s", " =", "=", "word",
            "b", "x.com", "com.", "1", "23", "+", std::string(1, '\0'), "\r", "\x01", "[", "]", "{", "}",
        };
        int kind = between(1, 100);
        if (kind <= 8)
            return high_byte();
        if (kind <= 14)
            return address();
        return pick(pieces);
    }

    // Starts that matter to a line as a whole: headers, headings, quotes, rules, indents.
    std::string line_start()
    {
        static const std::vector<std::string> starts = {
            "From: ", "To: ", "Date:\t", "Subject: ", "Content-Type: ", "From ???@???", "\\H1", "\\H3 ", ">",
            "> ", "----------", "-----------", "---------", "====", "\xA0\xA0\xA0", "  ", "-- ", "--", "<pre>",
            "</pre>", "Note: ", "Xy: ",
        };
        return chance(25) ? pick(starts) : std::string();
    }

    // Lines shaped for one rule at a time: rules with a width, words broken at the line end, and
    // addresses at the link limit that run into the line end.
    std::string shaped_line()
    {
        using Texts = std::vector<std::string>;
        switch (between(0, 2)) {
        case 0:
            return std::string(static_cast<std::size_t>(between(10, 13)), '-') +
                   pick(Texts{"", " ", "\t", "\r", "\v", "+", "-", "x"}) + std::to_string(between(0, 120)) +
                   pick(Texts{"%", " %", "%x", "% ", ""});
        case 1:
            return pick(Texts{"", "> ", "From: ", "\xA0\xA0\xA0"}) + fragment() + "word" + fragment() + "-";
        default:
            return pick(Texts{"", "see ", "ftp://a.b ", "\"q\" "}) + pick(Texts{"http://", "www.", "https://"}) +
                   std::string(static_cast<std::size_t>(between(148, 158)), 'a') + fragment() +
                   pick(Texts{"-", ".", ".-", " x-", "&b-", "\"x-", "--"});
        }
    }

    std::string line()
    {
        if (chance(10))
            return shaped_line();
        std::string text = line_start();
        int count = between(0, 12);
        for (int i = 0; i < count; ++i)
            text += fragment();
        if (chance(8))
            text += pick(std::vector<std::string>{"-", " -", "--", " =", " \t", "\r", "."});
        return text;
    }

    // A line made to a length at or around the read limit, filled from fragments.
    std::string long_line(const std::vector<int>& lengths)
    {
        std::size_t length = static_cast<std::size_t>(pick(lengths));
        std::string text;
        while (text.size() < length)
            text += chance(70) ? std::string(static_cast<std::size_t>(between(1, 200)), 'x') + " " : fragment();
        text.resize(length);
        return text;
    }

    std::string text_file()
    {
        std::string file;
        int lines = between(0, 25);
        for (int i = 0; i < lines; ++i) {
            if (chance(12))
                file += chance(50) ? "" : pick(std::vector<std::string>{" ", "\t", " \t ", "\r"});
            else if (chance(3))
                file += long_line({4094, 4095, 4096, 4100, 8190, 8191});
            else
                file += line();
            if (i + 1 < lines || chance(80))
                file += chance(30) ? "\r\n" : "\n";
        }
        return file;
    }

    // Code lines aim at the 5120 limit: many tabs, and reserved characters near the end.
    std::string code_file(int tab_spaces)
    {
        std::string file;
        int lines = between(0, 15);
        for (int i = 0; i < lines; ++i) {
            std::string text;
            if (chance(15) && tab_spaces > 1) {
                int tabs = between(300, 5120 / tab_spaces + 50);
                text = std::string(static_cast<std::size_t>(tabs), '\t');
                int fill = 5120 - tabs * tab_spaces + between(-20, 20);
                for (int k = 0; k < fill && text.size() < 4095; ++k)
                    text += pick(std::vector<std::string>{"a", "&", "<", ">", "\"", "\xAA", "\t", " "});
                if (text.size() > 4095)
                    text.resize(4095);
            } else if (chance(5)) {
                text = long_line({4094, 4095, 4096, 5000, 8190});
            } else {
                text = line();
            }
            file += text;
            if (i + 1 < lines || chance(80))
                file += chance(30) ? "\r\n" : "\n";
        }
        return file;
    }

private:
    std::mt19937 m_random;
};

bool holds_html_marker(const std::string& text)
{
    std::string upper = text;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper.find("<HTML>") != std::string::npos || upper.find("<X-HTML>") != std::string::npos;
}

// ---------------------------------------------------------------------------------------------
// Comparison

class Differential : public ::testing::Test {
protected:
    Scratch m_scratch;
    int m_mismatches = 0;

    // Converts one text file both ways; false once enough mismatches were shown.
    bool compare_text(const std::string& input, int case_number, Generator& random)
    {
        static const std::vector<std::string> names = {"page.htm", "page.html", "50%d.htm", "a b.htm"};
        static const std::vector<std::string> colours = {"", "", "#123456", "%s", "red"};
        const std::string& name = random.pick(names);
        const std::string& text_colour = random.pick(colours);
        const std::string& background = random.pick(colours);

        std::string in = m_scratch.write("in.txt", input);
        std::string out = m_scratch.fresh(name);
        int32_t code = txt2h("", in.c_str(), out.c_str(), "", "", text_colour.c_str(), background.c_str(), 0);
        std::string html = Scratch::read(out);
        auto expected = vellum::literal::txt2h(input, out, text_colour, background);

        if (code == expected.code && html == expected.html)
            return true;
        ADD_FAILURE() << "text case " << case_number << ": result " << code << ", expected " << expected.code
                      << "\n  colours: \"" << text_colour << "\" on \"" << background << "\", output " << name
                      << "\n  input: " << escaped(input) << "\n"
                      << difference(expected.html, html);
        return ++m_mismatches < MISMATCHES_SHOWN;
    }

    bool compare_code(const std::string& input, int margin, int tab, int case_number)
    {
        std::string in = m_scratch.write("in%s.c", input);
        std::string out = m_scratch.fresh("code.htm");
        int32_t code = c2h(in.c_str(), out.c_str(), margin, tab);
        std::string html = Scratch::read(out);
        std::string expected = vellum::literal::c2h(input, in, out, margin, tab);

        if (code == 0 && html == expected)
            return true;
        ADD_FAILURE() << "code case " << case_number << ": result " << code << ", margin " << margin << ", tab "
                      << tab << "\n  input: " << escaped(input) << "\n"
                      << difference(expected, html);
        return ++m_mismatches < MISMATCHES_SHOWN;
    }
};

TEST_F(Differential, TextFilesConvertAlike)
{
    Generator random(SEED);
    for (int n = 0; n < TEXT_CASES; ++n) {
        std::string input = random.text_file();
        if (holds_html_marker(input))
            continue;
        if (!compare_text(input, n, random))
            break;
    }
}

TEST_F(Differential, HtmlMarkerLateInTheFile)
{
    Generator random(SEED + 1);
    static const std::vector<std::string> markers = {"<html>", "<HTML>", "x <HtMl> y", "<x-html>", "<X-Html>z"};
    for (int n = 0; n < LATE_MARKER_CASES; ++n) {
        std::string input = random.text_file() + "\n" + random.line() + random.pick(markers) + random.line() +
                            "\n" + random.text_file();
        if (!compare_text(input, n, random))
            break;
    }
}

TEST_F(Differential, CodeFilesConvertAlike)
{
    Generator random(SEED + 2);
    for (int n = 0; n < CODE_CASES; ++n) {
        int margin = random.pick(std::vector<int>{-1, 0, 0, 1, 3, 8});
        int tab = random.pick(std::vector<int>{-2, 0, 1, 2, 4, 4, 8, 13});
        if (!compare_code(random.code_file(tab), margin, tab, n))
            break;
    }
}

} // namespace
