// The conversion cores. Each reads lines from a LineReader and writes to an Output; opening and
// closing files is left to the exported functions, so tests and fuzzers drive the cores in memory.
#pragma once

#include "vellum62.h"

#include <cstdint>
#include <string_view>

namespace vellum
{

class LineReader;
class Output;

// What convertList returns when the input, read for the first number of a list, cannot be read
// again for its items (as the exported call returns for an input it cannot open). Every converter
// returns VELLUM62_INPUT_IS_BINARY once a line of its input holds a NUL byte; the page stops there.
inline constexpr int32_t kInputNotReadAgain = VELLUM62_INPUT_NOT_OPENED;

// An HTML5 page in place of the classic one, with its language and its linked stylesheet (empty:
// the defaults; see the public header).
struct Html5Settings {
    bool on = false;
    std::string_view lang;
    std::string_view stylesheet;
};

struct TextPageOptions {
    std::string_view title;           // page title of the standard head
    bool titleIsFileName = false;     // the title is a file name, written as every title's name is
    std::string_view outputName;      // the page's file: an HTML5 page without a title takes its name
    std::string_view textColor;       // empty: the default
    std::string_view backgroundColor; // empty: the default
    LineReader* input = nullptr;      // null: the template text instead of converted lines
    LineReader* header = nullptr;     // copied in place of the standard head when set
    LineReader* footer = nullptr;     // copied in place of the standard footer when set
    int32_t frameResult = 0;          // opening the header and footer: 0 or VELLUM62_*_NOT_OPENED
    bool utf8 = false;                // the input and the title are UTF-8
    bool declareCharset = false;      // the standard head declares the encoding
    Html5Settings html5;
};
// Text to an HTML page; returns the result of txt2h.
int32_t convertTextPage(const TextPageOptions& options, Output& out);

// What became of an HTML5 code page's colouring (VELLUM62_COLORED, ...) and the language it
// was for ("python"; empty when none was found).
struct CodeColouring {
    int32_t status = VELLUM62_NOT_COLORED_CLASSIC;
    std::string_view language;
};

struct CodePageOptions {
    std::string_view inputName;
    std::string_view outputName;
    int32_t marginSpaces = 0;
    int32_t tabSpaces = 0;
    bool utf8 = false;
    bool declareCharset = false;
    Html5Settings html5;
    bool colour = false;              // HTML5: colour the code by its language
    std::string_view language;        // a language name or extension; empty: from the input
    bool lineNumbers = false;         // HTML5: each line numbered where readers see it
    CodeColouring* colouring = nullptr; // set when not null
};
// Code to a preformatted HTML page; returns VELLUM62_DONE, or VELLUM62_INPUT_IS_BINARY.
int32_t convertCodePage(LineReader& input, const CodePageOptions& options, Output& out);

struct ListOptions {
    std::string_view inputName;
    bool ordered = false;
    int32_t listType = 0;
    int32_t listSource = VELLUM62_BLANK_LIST;
    int32_t itemCount = 0;
    int32_t startNumber = 0;
    int32_t itemSeparator = VELLUM62_ITEMS_BY_LINE;
    bool htmlWrapper = false;
    bool centerList = false;
    bool utf8 = false;
    bool declareCharset = false; // in the page wrapper
    bool escapeData = false;     // & < > of the items written as entities
    Html5Settings html5;
};
// A list from `input` (when listSource says so) or a blank list; returns the number of items,
// VELLUM62_INPUT_IS_BINARY or kInputNotReadAgain.
int32_t convertList(LineReader* input, const ListOptions& options, Output& out);

struct TableOptions {
    std::string_view inputName;
    int32_t separatorChar = ',';
    int32_t paddingSpaces = 0;
    bool htmlWrapper = false;
    bool centerText = false;
    bool centerTable = false;
    std::string_view textColor;
    std::string_view backgroundColor;
    int32_t tableWidth = -1;
    bool widthInPixels = false;
    int32_t border = -1;
    int32_t cellPadding = -1;
    int32_t cellSpacing = -1;
    bool utf8 = false;
    bool declareCharset = false; // in the page wrapper
    bool csvQuotes = false;      // fields in double quotes, as in RFC 4180
    bool escapeData = false;     // & < > of the cells written as entities
    Html5Settings html5;
};
struct TableSize {
    int64_t rows = 0;
    int64_t columns = 0;
    bool binary = false; // a line held a NUL byte: the table stopped there
    bool notReadAgain = false; // the input, read once to count cells, could not be read for the rows
};
// A table from delimited data.
TableSize convertTable(LineReader& input, const TableOptions& options, Output& out);

} // namespace vellum
