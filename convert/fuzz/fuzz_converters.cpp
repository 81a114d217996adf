// libFuzzer target for one conversion core, chosen at build time with FUZZ_CONVERTER
// (0 text, 1 code, 2 list, 3 table). The first bytes of the input choose the options; the low bits
// of the second byte are the flags of the _ex calls (UTF-8, declared encoding, CSV quotes,
// escaped data).
#include "converters.h"
#include "line_reader.h"
#include "output.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace vellum;

namespace
{

// Looks for what no input may produce: a line feed followed by a mark's kind byte (a mark left
// unwritten).
struct Watch {
    bool markSeen = false;
    char last = 0;
    static bool sink(void* self, const char* data, std::size_t size)
    {
        auto* watch = static_cast<Watch*>(self);
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

#if FUZZ_CONVERTER == 0
    LineReader lines(source, 2 + b);
    TextPageOptions options;
    options.input = &lines;
    options.utf8 = utf8;
    options.declareCharset = declare;
    convertTextPage(options, out);
    out.flush();
    // Marks are always written as what they stand for. (Input control bytes after a line end
    // are kept, so only inputs without them are checked.)
    if (watch.markSeen && std::find_if(text.begin(), text.end(), [](char ch) { return ch >= 1 && ch <= 6; }) == text.end())
        std::abort();
#elif FUZZ_CONVERTER == 1
    LineReader lines(source, 2 + b);
    CodePageOptions options;
    options.marginSpaces = static_cast<int8_t>(a);
    options.tabSpaces = static_cast<int8_t>(c) * 40;
    options.utf8 = utf8;
    options.declareCharset = declare;
    convertCodePage(lines, options, out);
    out.flush();
#elif FUZZ_CONVERTER == 2
    LineReader lines(source, 2 + b);
    ListOptions options;
    options.utf8 = utf8;
    options.declareCharset = declare;
    options.escapeData = escape;
    options.ordered = a & 1;
    options.listType = (b >> 4) % 8;
    options.listSource = (a >> 1) % 3;
    options.itemCount = static_cast<int8_t>(c);
    options.startNumber = static_cast<int8_t>(d);
    options.itemSeparator = static_cast<int8_t>(d) % 6;
    options.htmlWrapper = a & 8;
    options.centerList = a & 16;
    convertList(&lines, options, out);
    out.flush();
#else
    LineReader lines(source, 2 + b);
    TableOptions options;
    options.utf8 = utf8;
    options.declareCharset = declare;
    options.csvQuotes = csv;
    options.escapeData = escape;
    options.separatorChar = c;
    options.paddingSpaces = static_cast<int8_t>(d);
    options.htmlWrapper = a & 1;
    options.centerText = a & 2;
    options.centerTable = a & 4;
    options.textColor = (a & 8) ? "#FF0000" : "";
    options.tableWidth = (a & 16) ? d : -1;
    options.widthInPixels = a & 32;
    convertTable(lines, options, out);
    out.flush();
#endif
    return 0;
}
