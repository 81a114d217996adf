// The helpers that look at eight or sixteen bytes at a time agree with a plain byte-by-byte scan
// wherever their pattern stands: at every offset from the start, and with every tail after it.
#include "bytes.h"
#include "clean_output.h"
#include "converters.h"
#include "entities.h"
#include "line_reader.h"
#include "text_utils.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace vellum;
using std::to_string;

namespace
{

using Scan = std::function<std::string(std::string_view)>;

std::string plainEscape(std::string_view s, std::string_view reserved)
{
    static const char* kEntities[] = {"&amp;", "&lt;", "&gt;", "&quot;"};
    std::string out;
    for (char c : s)
        out += reserved.find(c) == npos ? std::string(1, c) : kEntities[reserved.find(c)];
    return out;
}

template <Escape mode> std::string escaped(std::string_view s)
{
    std::string out;
    appendEscaped<mode>(out, s);
    return out;
}

// The valid start of text made of ASCII, two-byte characters and bytes that are neither.
std::size_t plainValidPrefix(std::string_view s)
{
    std::size_t i = 0;
    for (auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); }; i < s.size();)
        if (at(i) < 0x80)
            ++i;
        else if (at(i) >= 0xC2 && at(i) <= 0xDF && i + 1 < s.size() && (at(i + 1) & 0xC0) == 0x80)
            i += 2;
        else
            break;
    return i;
}

TEST(FastScans, AgreeWithAPlainScanAtEveryOffset)
{
    const struct {
        const char* helper;
        std::string pattern, fill; // the pattern stands in a line of the fill repeated
        Scan fast, plain;
    } rows[] = {
        {"find_double_space", "  ", "ab ", [](auto s) { return to_string(find_double_space(s)); },
         [](auto s) { return to_string(s.find("  ")); }},
        {"holdsThreeInARow", "www.a.com", "see: w.",
         [](auto s) { return to_string(holdsThreeInARow(s.data(), s.size(), 'w', 'w', '.')); },
         [](auto s) { return to_string(s.find("ww.") != npos); }},
        {"findAnchored", "http://a.com", "ttp:/h", [](auto s) { return to_string(findAnchored(s, "http://", 4)); },
         [](auto s) { return to_string(s.find("http://")); }},
        {"code", "<&\">", "ab", escaped<Escape::Code>, [](auto s) { return plainEscape(s, "&<>\""); }},
        {"data", "<&\">", "ab", escaped<Escape::Data>, [](auto s) { return plainEscape(s, "&<>"); }},
        {"UTF-8 text", "\xC3\xA9<&\"", "a", escaped<Escape::TextUtf8>, [](auto s) { return plainEscape(s, "&<>\""); }},
        {"Windows-1252 text", "\xE9\x7F\x80\x9F\xA0\xFF", "a", escaped<Escape::Text1252>,
         [](auto s) {
             std::string out;
             for (unsigned char c : s)
                 out += text_entity_table.replaced[c] ? std::string(text_entity_table[c]) : std::string(1, char(c));
             return out;
         }},
        {"validUtf8Prefix", "\xC3\xA9\xFF", "ab", [](auto s) { return to_string(validUtf8Prefix(s)); },
         [](auto s) { return to_string(plainValidPrefix(s)); }},
        {"repairUtf8", "\xC3\xA9\xFF", "ab", [](auto s) { static std::string work; return std::string(repairUtf8(s, work)); },
         [](auto s) {
             const std::size_t bad = plainValidPrefix(s);
             return bad == s.size() ? std::string(s) : std::string(s.substr(0, bad)) + "\xEF\xBF\xBD" + std::string(s.substr(bad + 1));
         }},
    };
    for (const auto& row : rows)
        for (std::size_t offset = 0; offset <= 24; ++offset)
            for (std::size_t tail = 0; tail <= 17; ++tail) {
                std::string line;
                while (line.size() < offset + tail + row.pattern.size())
                    line += row.fill;
                line.replace(offset, row.pattern.size(), row.pattern);
                line.resize(offset + row.pattern.size() + tail);
                // Without the pattern too: the fill alone must not be taken for it.
                for (const std::string& text : {line, line.substr(0, offset)})
                    EXPECT_EQ(row.fast(text), row.plain(text)) << row.helper << " at " << offset << ", tail " << tail;
            }
}

// A body made clean in blocks of any size is the text made clean at once: a character, or bytes to
// replace, that the end of a block cuts are taken whole.
TEST(CleanOutput, BlocksOfAnySizeGiveTheTextMadeCleanAtOnce)
{
    // é, U+FDD0 (no character), U+0085 (a control character), a control byte, an emoji, a byte that
    // is no UTF-8 (and a control byte at the very end).
    const std::string text = "ab\xC3\xA9" "c\xEF\xB7\x90\xC2\x85\x01\xF0\x9F\x98\x80" "d\xFF\x02";
    const struct {
        CleanOutput::From from;
        std::string expected;
    } rows[] = {
        {CleanOutput::From::Windows1252, "ab\xC3\x83\xC2\xA9" "c\xC3\xAF\xC2\xB7\xEF\xBF\xBD\xC3\x82\xE2\x80\xA6\xEF\xBF\xBD"
                                         "\xC3\xB0\xC5\xB8\xCB\x9C\xE2\x82\xAC" "d\xC3\xBF\xEF\xBF\xBD"},
        {CleanOutput::From::CutUtf8, "ab\xC3\xA9" "c\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xF0\x9F\x98\x80" "d\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& row : rows)
        for (std::size_t block = 1; block <= text.size() + 1; ++block) {
            std::string page;
            Output out([](void* to, const char* data, std::size_t size) {
                static_cast<std::string*>(to)->append(data, size);
                return true;
            }, &page, block);
            CleanOutput clean(out, row.from);
            for (char c : text)
                clean.out().put(c);
            clean.finish();
            out.flush();
            EXPECT_EQ(page, row.expected) << "blocks of " << block;
        }
}

// An HTML5 table counts its cells before it writes them, by rules of its own for most lines: every
// row of random tables gets exactly as many cells as the widest has of its own.
TEST(FastScans, TablesCountTheCellsTheyWrite)
{
    std::mt19937 random(11);
    const std::string pieces[] = {"a", "1", " ", "  ", "\t", "\\", "\\!", "\"", "\n", "\r\n", "\\TH ", "\x01", "\xC3\xA9", "\xEF\xBB\xBF", std::string(1, '\0')};
    const int separators[] = {',', ' ', '\t', ';', 0xA7, 0x1F};
    for (int round = 0; round < 4000; ++round) {
        TableOptions options;
        options.html5.on = true;
        options.escapeData = true;
        options.csvQuotes = round % 2 == 1;
        options.utf8 = round % 3 == 1;
        options.separatorChar = separators[round / 2 % std::size(separators)];
        std::string input = options.utf8 && round % 5 == 1 ? "\xEF\xBB\xBF" : "";
        for (int k = static_cast<int>(random() % 60); k > 0; --k)
            input += random() % 3 ? pieces[random() % std::size(pieces)] : std::string(1, char(options.separatorChar));
        MemorySource source(input);
        LineReader lines(source, 2 + random() % 100);
        std::string page;
        Output out([](void* to, const char* data, std::size_t size) {
            static_cast<std::string*>(to)->append(data, size);
            return true;
        }, &page, 64);
        const TableSize size = convertTable(lines, options, out);
        out.flush();
        for (std::size_t row = page.find("<tr"); row != npos; row = page.find("<tr", row + 1)) {
            const std::string_view cells = std::string_view(page).substr(row, page.find("</tr>", row) - row);
            int64_t count = 0;
            for (std::string_view end : {"</td>", "</th>"})
                for (std::size_t at = cells.find(end); at != npos; at = cells.find(end, at + 1))
                    ++count;
            ASSERT_EQ(count, size.columns) << "separator " << options.separatorChar << ", input:\n" << input;
        }
    }
}

} // namespace
