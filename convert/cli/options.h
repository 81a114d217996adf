// The command line of pagewright-convert: which converter, its files and every argument of its
// call, checked against what the program's own controls offer.
#pragma once

#include "vellum62.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pagewright
{

enum class Converter { Text, Template, Code, List, Table };

struct Request {
    Converter converter = Converter::Text;
    // One conversion: input (empty when the converter reads none; "-" standard input) and output
    // ("-" standard output). With an output folder, every name in inputs is converted into it.
    std::string input;
    std::string output;
    std::vector<std::string> inputs;
    std::string outputDir;
    // Text and template pages.
    std::string title;
    std::string header;
    std::string footer;
    std::string textColor;
    std::string backgroundColor;
    // Code pages.
    int32_t marginSpaces = 4;
    int32_t tabSpaces = 4;
    // HTML5 code pages: coloured by their language (named here, or else told by the input's name),
    // with numbered lines.
    bool highlight = false;
    std::string language;
    bool lineNumbers = false;
    // Lists. The defaults here and below are the window's: a list of disc bullets (numbered 1, 2, 3
    // when ordered), a table with padding 2, border 1, cell padding 4 and cell spacing 4.
    bool ordered = false;
    int32_t listType = 1;
    int32_t listSource = VELLUM62_LIST_FROM_FILE;
    int32_t itemCount = 1;
    int32_t startNumber = 1;
    int32_t itemSeparator = VELLUM62_ITEMS_BY_LINE;
    bool centerList = false;
    // Tables.
    int32_t separatorChar = ',';
    int32_t paddingSpaces = 2;
    bool centerText = false;
    bool centerTable = false;
    int32_t tableWidth = -1;
    bool widthInPixels = true;
    int32_t border = 1;
    int32_t cellPadding = 4;
    int32_t cellSpacing = 4;
    // Lists and tables.
    bool htmlWrapper = false;
    // & < > of the data written as entities. Unset: on for a data file's name (isDataFileName).
    std::optional<bool> escapeData;
    // Tables: fields in double quotes may hold separators and line ends. Unset: as escapeData.
    std::optional<bool> csvQuotes;
    // How the input (and a template's title) is read: Auto reads UTF-8 when the input is valid
    // UTF-8 holding a byte above ASCII, else Windows-1252; a template is UTF-8 unless told otherwise.
    enum class Encoding { Auto, Utf8, Windows1252 } encoding = Encoding::Auto;
    // Every converter: an HTML5 page (always UTF-8, its looks in a stylesheet) in place of the
    // classic one, with its language and, when given, the address of a stylesheet it links.
    bool html5 = false;
    std::string lang;
    std::string stylesheet;
};

struct ParseResult {
    enum Kind { Run, Help, Version, Wrong } kind = Wrong;
    std::string text; // Help: the usage to print; Wrong: what is wrong
    Request request;
};

ParseResult parseArguments(const std::vector<std::string>& arguments);

// The name a converted input gets in an output folder: its file name with the last extension
// replaced by ".htm" (notes.txt gives notes.htm).
std::string pageNameFor(const std::string& input);

} // namespace pagewright
