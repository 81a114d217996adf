// libFuzzer target for one conversion core, chosen at build time with FUZZ_CONVERTER
// (0 text, 1 code, 2 list, 3 table, 4 coloured code). The first bytes of the input choose the options; the low bits
// of the second byte are the flags of the _ex calls (UTF-8, declared encoding, CSV quotes,
// escaped data, HTML5).
#include "converters.h"
#include "grammars.h"
#include "line_reader.h"
#include "output.h"
#include "utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace vellum;

namespace
{

// The text a reader sees of a code page: what stands between <code> and </code>, without tags
// (the code's own < and > are escaped); empty when the page has no code element.
std::string shownCode(const std::string& page)
{
    const std::size_t from = page.find("<code>"), to = page.rfind("</code>");
    std::string shown;
    if (from == std::string::npos || to == std::string::npos || to < from)
        return shown;
    bool inTag = false;
    for (char ch : std::string_view(page).substr(from + 6, to - from - 6)) {
        if (ch == '<')
            inTag = true;
        else if (ch == '>' && inTag)
            inTag = false;
        else if (!inTag)
            shown += ch;
    }
    return shown;
}

// Looks for what no input may produce: a line feed followed by a mark's kind byte (a mark left
// unwritten).
// Also looks for a control character an HTML5 page may not hold.
struct Watch {
    bool markSeen = false;
    bool controlSeen = false;
    char last = 0;
    std::string page;
    static bool sink(void* self, const char* data, std::size_t size)
    {
        auto* watch = static_cast<Watch*>(self);
        watch->page.append(data, size);
        for (std::size_t i = 0; i < size; ++i) {
            if (watch->last == '\n' && data[i] >= 1 && data[i] <= 7)
                watch->markSeen = true;
            const auto c = static_cast<unsigned char>(data[i]);
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\f' && c != '\r') || c == 0x7F)
                watch->controlSeen = true;
            watch->last = data[i];
        }
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    [[maybe_unused]] const uint8_t a = data[0], b = data[1], c = data[2], d = data[3];
    [[maybe_unused]] const bool utf8 = b & 1, declare = b & 2, csv = b & 4, escape = b & 8;
    const Html5Settings html5{.on = (b & 16) != 0};
    const std::string_view text(reinterpret_cast<const char*>(data) + 4, size - 4);
    MemorySource source(text);
    Watch watch;
    // A small output block makes the flushing paths run too.
    Output out(Watch::sink, &watch, 64 + a);

    LineReader lines(source, 2 + b);
    // Options are named as they are set; the ones left out keep their defaults.
#pragma clang diagnostic ignored "-Wmissing-field-initializers"
#if FUZZ_CONVERTER == 0
    convertTextPage({.input = &lines, .utf8 = utf8, .declareCharset = declare, .html5 = html5}, out);
#elif FUZZ_CONVERTER == 1
    convertCodePage(lines,
                    {.marginSpaces = int8_t(a), .tabSpaces = int8_t(c) * 40, .utf8 = utf8, .declareCharset = declare,
                     .html5 = html5},
                    out);
#elif FUZZ_CONVERTER == 2
    convertList(&lines,
                {.ordered = (a & 1) != 0, .listType = (b >> 4) % 8, .listSource = (a >> 1) % 3,
                 .itemCount = int8_t(c), .startNumber = int8_t(d), .itemSeparator = int8_t(d) % 6,
                 .htmlWrapper = (a & 8) != 0, .centerList = (a & 16) != 0, .utf8 = utf8, .declareCharset = declare,
                 .escapeData = escape, .html5 = html5},
                out);
#elif FUZZ_CONVERTER == 4
    // Coloured in the language the first byte picks, with or without numbered lines: a reader
    // sees exactly the text of the plain page.
    const auto languages = grammars::all();
    CodePageOptions options{.marginSpaces = a % 3, .tabSpaces = c % 9, .utf8 = utf8, .html5 = {.on = true},
                            .colour = true, .language = languages[a % languages.size()].name,
                            .lineNumbers = (b & 32) != 0};
    convertCodePage(lines, options, out);
    out.flush();
    Watch plainWatch;
    Output plainOut(Watch::sink, &plainWatch);
    MemorySource plainSource(text);
    LineReader plainLines(plainSource);
    options.colour = false;
    convertCodePage(plainLines, options, plainOut);
    plainOut.flush();
    if (shownCode(watch.page) != shownCode(plainWatch.page) || watch.controlSeen)
        std::abort();
    return 0;
#else
    convertTable(lines,
                 {.separatorChar = c, .paddingSpaces = int8_t(d), .htmlWrapper = (a & 1) != 0,
                  .centerText = (a & 2) != 0, .centerTable = (a & 4) != 0, .textColor = (a & 8) ? "#FF0000" : "",
                  .tableWidth = (a & 16) ? d : -1, .widthInPixels = (a & 32) != 0, .utf8 = utf8,
                  .declareCharset = declare, .csvQuotes = csv, .escapeData = escape, .html5 = html5},
                 out);
#endif
    out.flush();
    // Marks are always written as what they stand for. (Input control bytes after a line end are
    // kept, so only inputs without them are checked.)
    if (FUZZ_CONVERTER == 0 && watch.markSeen &&
        std::find_if(text.begin(), text.end(), [](char ch) { return ch >= 1 && ch <= 7; }) == text.end())
        std::abort();
    // An HTML5 page holds no control character but white space, whatever the input; a list or a
    // table, whose data are made clean UTF-8 whether escaped or not, is valid UTF-8 that holds nothing
    // an HTML5 page may not.
    if (html5.on && watch.controlSeen)
        std::abort();
    if (html5.on && FUZZ_CONVERTER >= 2 && html5CleanPrefix(watch.page, true) != watch.page.size())
        std::abort();
    return 0;
}
