// libFuzzer target for one conversion core, chosen at build time with FUZZ_CONVERTER
// (0 text, 1 code, 2 list, 3 table). The first bytes of the input choose the options.
#include "converters.h"
#include "line_reader.h"
#include "output.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace vellum;

namespace
{

struct Watch {
    bool placeholderSeen = false;
    static bool sink(void* self, const char* data, std::size_t size)
    {
        auto* watch = static_cast<Watch*>(self);
        watch->placeholderSeen = watch->placeholderSeen || std::memchr(data, '\xAA', size) != nullptr;
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    [[maybe_unused]] const uint8_t a = data[0], b = data[1], c = data[2], d = data[3];
    const std::string_view text(reinterpret_cast<const char*>(data) + 4, size - 4);
    MemorySource source(text);
    Watch watch;
    // A small output block makes the flushing paths run too.
    Output out(Watch::sink, &watch, 64 + a);

#if FUZZ_CONVERTER == 0
    LineReader lines(source, 64 + b);
    TextPageOptions options;
    options.input = &lines;
    convertTextPage(options, out);
    out.flush();
    // An ampersand never comes out as the placeholder byte; only an input 0xAA can.
    if (watch.placeholderSeen && text.find('\xAA') == std::string_view::npos)
        std::abort();
#elif FUZZ_CONVERTER == 1
    LineReader lines(source, 64 + b);
    CodePageOptions options;
    options.marginSpaces = static_cast<int8_t>(a);
    options.tabSpaces = static_cast<int8_t>(c) * 40;
    convertCodePage(lines, options, out);
    out.flush();
    if (watch.placeholderSeen && text.find('\xAA') == std::string_view::npos)
        std::abort();
#elif FUZZ_CONVERTER == 2
    LineReader lines(source, 64 + b);
    ListOptions options;
    options.ordered = a & 1;
    options.listType = static_cast<int8_t>(b) % 8;
    options.listSource = (a >> 1) % 3;
    options.itemCount = static_cast<int8_t>(c);
    options.startNumber = static_cast<int8_t>(d);
    options.itemSeparator = static_cast<int8_t>(d) % 6;
    options.htmlWrapper = a & 8;
    options.centerList = a & 16;
    convertList(&lines, options, out);
    out.flush();
#else
    LineReader lines(source, 64 + b);
    TableOptions options;
    options.separatorChar = c;
    options.paddingSpaces = static_cast<int8_t>(d);
    options.htmlWrapper = a & 1;
    options.centerText = a & 2;
    options.centerTable = a & 4;
    options.textColor = (a & 8) ? "#FF0000" : "";
    options.tableWidth = (a & 16) ? b : -1;
    options.widthInPixels = a & 32;
    convertTable(lines, options, out);
    out.flush();
#endif
    return 0;
}
