// pagewright-convert: runs one of the four converters of libvellum62 from the command line.
#include "line_reader.h"
#include "messages.h"
#include "options.h"
#include "text_utils.h"
#include "vellum62.h"

#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

using namespace pagewright;

namespace {

// The rows of a table: the input's lines that are not empty once trimmed, read as the converter
// reads them. The packed result of the converter then gives the true column count too.
int64_t countTableRows(const std::string& input)
{
    int fd = ::open(input.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    vellum::FileDescriptorSource source(fd);
    vellum::LineReader lines(source, vellum::kDataPieceSize);
    int64_t rows = 0;
    std::string_view piece;
    while (lines.next(piece))
        if (!vellum::trim_leading_blanks(vellum::trim_trailing_controls(piece)).empty())
            ++rows;
    ::close(fd);
    return rows;
}

int run(const Request& r)
{
    const char* in = r.input.c_str();
    const char* out = r.output.c_str();
    int32_t result = 0;
    std::string message;
    bool success = false;
    switch (r.converter) {
    case Converter::Text:
    case Converter::Template: {
        const bool page = r.converter == Converter::Text;
        result = txt2h(r.title.c_str(), page ? in : "", out, r.header.c_str(), r.footer.c_str(),
                       r.textColor.c_str(), r.backgroundColor.c_str(), 0);
        message = page ? textResultMessage(result) : templateResultMessage(result);
        success = result == VELLUM62_DONE;
        break;
    }
    case Converter::Code:
        result = c2h(in, out, r.marginSpaces, r.tabSpaces);
        message = codeResultMessage(result);
        success = result == VELLUM62_DONE;
        break;
    case Converter::List:
        result = datalist(in, out, r.ordered, r.listType, r.listSource, r.itemCount, r.startNumber, r.itemSeparator,
                          r.htmlWrapper, r.centerList);
        message = listResultMessage(result, r.ordered);
        success = result > 0;
        break;
    case Converter::Table: {
        result = reg_tbl(in, out, r.separatorChar, r.paddingSpaces, r.htmlWrapper, r.centerText, r.centerTable,
                         r.textColor.c_str(), r.backgroundColor.c_str(), r.tableWidth, r.widthInPixels, r.border,
                         r.cellPadding, r.cellSpacing);
        success = result >= 0;
        int64_t rows = 0, columns = 0;
        if (success) {
            rows = countTableRows(r.input);
            columns = result == INT32_MAX ? -1 : result - rows * VELLUM62_ROW_FACTOR;
        }
        message = tableResultMessage(result, rows, columns);
        break;
    }
    }
    std::cerr << message << '\n';
    return success ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    ParseResult parsed = parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::cout << usageText();
        return 0;
    }
    if (!parsed.ok) {
        std::cerr << "pagewright-convert: " << parsed.error << "\nTry 'pagewright-convert --help'.\n";
        return 2;
    }
    return run(parsed.request);
}
