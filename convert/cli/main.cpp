// pagewright-convert: runs one of the four converters of libvellum62 from the command line.
#include "messages.h"
#include "options.h"
#include "page_files.h"
#include "text_encoding.h"
#include "vellum62.h"

#include <algorithm>
#include <iostream>
#include <unistd.h>

using namespace pagewright;

namespace
{

constexpr const char* kInputCaption = "Could not open input file.";
constexpr const char* kOutputCaption = "Could not open output file.";

// The library's flags for one conversion: pages declare their encoding; how the input is read
// (a template and a blank list, which read none, are written in UTF-8 as in the window); quoted
// fields and plain-text data, by the options or else by the input's name; the HTML5 page.
int32_t flagsFor(const Request& r, const std::string& readable)
{
    int32_t flags = VELLUM62_DECLARE_CHARSET;
    const bool utf8 = r.encoding == Request::Encoding::Utf8 ||
                      (r.encoding == Request::Encoding::Auto &&
                       (r.input.empty() ? r.converter == Converter::Template || r.converter == Converter::List
                                        : fileReadsAsUtf8(readable)));
    if (utf8)
        flags |= VELLUM62_UTF8;
    const bool data = isDataFileName(r.input);
    if (r.converter == Converter::Table && r.csvQuotes.value_or(data))
        flags |= VELLUM62_CSV_QUOTES;
    if ((r.converter == Converter::List || r.converter == Converter::Table) && r.escapeData.value_or(data))
        flags |= VELLUM62_ESCAPE_DATA;
    if (r.html5)
        flags |= VELLUM62_HTML5;
    return flags;
}

struct Outcome {
    bool made = false;  // the library wrote a whole page
    bool clean = false; // ... and reported no problem
    std::string caption;
};

Outcome convert(const Request& r, const std::string& input, const std::string& output)
{
    const int32_t flags = flagsFor(r, input);
    // Empty members take the library's defaults: language "en", the embedded stylesheet.
    const vellum62_html5_page page{r.lang.c_str(), r.stylesheet.c_str()};
    const char* in = input.c_str();
    const char* out = output.c_str();
    Outcome o;
    switch (r.converter) {
    case Converter::Text:
    case Converter::Template: {
        const bool text = r.converter == Converter::Text;
        // The typed title is text, in the page's encoding: a Windows-1252 page gets the characters
        // it lacks as references.
        std::string title = escapeHtmlText(r.title);
        if ((flags & VELLUM62_UTF8) == 0)
            title = toWindows1252(title);
        const int32_t result =
            txt2h_html5(title.c_str(), text ? in : "", out, r.header.c_str(), r.footer.c_str(),
                        r.textColor.c_str(), r.backgroundColor.c_str(), flags, &page);
        o.caption = text ? textResultMessage(result) : templateResultMessage(result);
        o.made = pageWasMade(result);
        o.clean = result == VELLUM62_DONE;
        break;
    }
    case Converter::Code: {
        const int32_t options = (r.highlight ? VELLUM62_COLOR_CODE : 0) | (r.lineNumbers ? VELLUM62_LINE_NUMBERS : 0);
        int32_t coloring = VELLUM62_NOT_COLORED_NOT_ASKED;
        char language[16] = "";
        const int32_t result = c2h_colored(in, out, r.marginSpaces, r.tabSpaces, flags, &page,
                                           r.language.empty() ? nullptr : r.language.c_str(), options, &coloring,
                                           language, sizeof language);
        o.caption = codeResultMessage(result);
        if (pageWasMade(result) && !colouringNote(coloring, language).empty())
            o.caption += " " + colouringNote(coloring, language);
        o.made = pageWasMade(result);
        o.clean = result == VELLUM62_DONE;
        break;
    }
    case Converter::List: {
        const int32_t result =
            datalist_html5(in, out, r.ordered, r.listType, r.listSource, r.itemCount, r.startNumber,
                           r.itemSeparator, r.htmlWrapper, r.centerList, flags, &page);
        o.caption = listResultMessage(result, r.ordered);
        o.made = pageWasMade(result);
        o.clean = result > 0;
        break;
    }
    case Converter::Table: {
        int64_t rows = 0, columns = 0;
        const int32_t result = reg_tbl_html5(
            in, out, r.separatorChar, r.paddingSpaces, r.htmlWrapper, r.centerText, r.centerTable,
            r.textColor.c_str(), r.backgroundColor.c_str(), r.tableWidth, r.widthInPixels, r.border,
            r.cellPadding, r.cellSpacing, flags, &rows, &columns, &page);
        o.made = o.clean = pageWasMade(result);
        o.caption = tableResultMessage(result, rows, columns);
        break;
    }
    }
    return o;
}

void say(const FileProblem& problem)
{
    std::cerr << "pagewright-convert: " << problem.text() << '\n';
}

// One conversion: the problems in the system's words, then the result in the words of the
// program's tabs, after `label` (the files, when several are converted). Returns the exit status.
int run(const Request& r, const std::string& label)
{
    const auto finish = [&label](const std::string& caption, int status) {
        std::cerr << label << caption << '\n';
        return status;
    };
    ScratchFolder scratch;
    std::string input;
    if (!r.input.empty()) {
        if (auto problem = readableInput(r.input, scratch, input)) {
            say(*problem);
            return finish(kInputCaption, 1);
        }
    }
    const bool namedInput = !r.input.empty() && r.input != "-";
    PageOutput output(r.output, namedInput ? pageNameFor(r.input) : "page.htm");
    if (auto problem = output.prepare()) {
        say(*problem);
        return finish(kOutputCaption, 1);
    }
    // The library sees only the temporary page, so an output that is one of the files read is
    // refused here; writing it would destroy what is still to be read.
    if (output.existing()) {
        const std::pair<const std::string*, const char*> read[] = {
            {namedInput ? &r.input : nullptr, "input"}, {&r.header, "header"}, {&r.footer, "footer"}};
        for (const auto& [file, role] : read) {
            if (file && !file->empty() && isSameFile(*output.existing(), *file)) {
                say({"write", r.output, std::string("it is the ") + role + " file itself"});
                return finish(std::string("Output file is the same as the ") + role + " file.", 1);
            }
        }
    }
    for (const std::string* file : {&r.header, &r.footer})
        if (!file->empty())
            if (auto problem = checkReadable(*file))
                say(*problem);

    const Outcome o = convert(r, input, output.pagePath());
    if (!o.made) {
        // The library names no reason; the page's own folder may tell why it was not written.
        if (o.caption == kOutputCaption)
            say(output.unwritten());
        return finish(o.caption, 1);
    }
    if (auto problem = output.commit()) {
        say(*problem);
        return finish(kOutputCaption, 1);
    }
    return finish(o.caption, o.clean ? 0 : 1);
}

} // namespace

int main(int argc, char** argv)
{
    const ParseResult parsed = parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (parsed.kind) {
    case ParseResult::Help:
        std::cout << parsed.text;
        return 0;
    case ParseResult::Version:
        std::cout << "pagewright-convert " PAGEWRIGHT_VERSION "\n";
        return 0;
    case ParseResult::Wrong:
        std::cerr << "pagewright-convert: " << parsed.text << '\n';
        return 2;
    case ParseResult::Run:
        break;
    }
    removeTemporariesOnSignals();
    const Request& r = parsed.request;
    if (r.outputDir.empty())
        return run(r, {});
    int worst = 0;
    for (const std::string& input : r.inputs) {
        Request one = r;
        one.input = input;
        one.output = r.outputDir + "/" + pageNameFor(input);
        worst = std::max(worst, run(one, input + " -> " + one.output + ": "));
    }
    return worst;
}
