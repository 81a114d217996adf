// libFuzzer target for one conversion core, chosen at build time with FUZZ_CONVERTER
// (0 text, 1 code, 2 list, 3 table). The first bytes of the input choose the options; the low bits
// of the second byte are the flags of the _ex calls (UTF-8, declared encoding, CSV quotes,
// escaped data); bit 6 of the first asks lists and tables for HTML5.
#include "converters.h"
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

// Looks for what no input may produce: a line feed followed by a mark's kind byte (a mark left
// unwritten).
struct Watch {
    bool markSeen = false;
    char last = 0;
    std::string page;
    static bool sink(void* self, const char* data, std::size_t size)
    {
        auto* watch = static_cast<Watch*>(self);
        watch->page.append(data, size);
        for (std::size_t i = 0; i < size; ++i) {
            if (watch->last == '\n' && data[i] >= 1 && data[i] <= 6)
                watch->markSeen = true;
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
    const std::string_view text(reinterpret_cast<const char*>(data) + 4, size - 4);
    MemorySource source(text);
    Watch watch;
    // A small output block makes the flushing paths run too.
    Output out(Watch::sink, &watch, 64 + a);

    LineReader lines(source, 2 + b);
    // Options are named as they are set; the ones left out keep their defaults.
#pragma clang diagnostic ignored "-Wmissing-field-initializers"
#if FUZZ_CONVERTER == 0
    convertTextPage({.input = &lines, .utf8 = utf8, .declareCharset = declare}, out);
#elif FUZZ_CONVERTER == 1
    convertCodePage(lines,
                    {.marginSpaces = int8_t(a), .tabSpaces = int8_t(c) * 40, .utf8 = utf8, .declareCharset = declare},
                    out);
#elif FUZZ_CONVERTER == 2
    convertList(&lines,
                {.ordered = (a & 1) != 0, .listType = (b >> 4) % 8, .listSource = (a >> 1) % 3,
                 .itemCount = int8_t(c), .startNumber = int8_t(d), .itemSeparator = int8_t(d) % 6,
                 .htmlWrapper = (a & 8) != 0, .centerList = (a & 16) != 0, .utf8 = utf8, .declareCharset = declare,
                 .escapeData = escape, .html5 = {.on = (a & 64) != 0}},
                out);
#else
    convertTable(lines,
                 {.separatorChar = c, .paddingSpaces = int8_t(d), .htmlWrapper = (a & 1) != 0,
                  .centerText = (a & 2) != 0, .centerTable = (a & 4) != 0, .textColor = (a & 8) ? "#FF0000" : "",
                  .tableWidth = (a & 16) ? d : -1, .widthInPixels = (a & 32) != 0, .utf8 = utf8,
                  .declareCharset = declare, .csvQuotes = csv, .escapeData = escape, .html5 = {.on = (a & 64) != 0}},
                 out);
#endif
    out.flush();
    // Marks are always written as what they stand for. (Input control bytes after a line end are
    // kept, so only inputs without them are checked.)
    if (FUZZ_CONVERTER == 0 && watch.markSeen &&
        std::find_if(text.begin(), text.end(), [](char ch) { return ch >= 1 && ch <= 6; }) == text.end())
        std::abort();
    // An HTML5 list or table is valid UTF-8 that holds nothing an HTML5 page may not.
    std::string work;
    if ((FUZZ_CONVERTER == 2 || FUZZ_CONVERTER == 3) && (a & 64) &&
        (validUtf8Prefix(watch.page) != watch.page.size() || cleanForHtml5(watch.page, work, true) != watch.page))
        std::abort();
    return 0;
}
