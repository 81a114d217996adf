// A data file, or nothing, to an ordered or unordered HTML list.
#include "converters.h"

#include "clean_output.h"
#include "entities.h"
#include "line_reader.h"
#include "output.h"
#include "text_utils.h"
#include "utf8.h"

#include <climits>
#include <optional>

namespace vellum
{
namespace
{

bool startsWithNonZeroDigit(std::string_view line)
{
    return !line.empty() && line[0] >= '1' && line[0] <= '9';
}

// The value of the leading digits of a line, held at the largest 32-bit value.
int32_t leadingNumber(std::string_view line)
{
    long long value = 0;
    for (std::size_t i = 0; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        value = std::min<long long>(value * 10 + (line[i] - '0'), INT_MAX);
    return static_cast<int32_t>(value);
}

// The type attribute for a list type, or nothing when the type has none.
std::string_view typeAttribute(bool ordered, int32_t listType)
{
    static constexpr std::string_view kUnordered[] = {"", "disc", "circle", "square"};
    static constexpr std::string_view kOrdered[] = {"", "", "i", "I", "a", "A"};
    if (listType < 0)
        return {};
    if (ordered)
        return listType < 6 ? kOrdered[listType] : std::string_view();
    return listType < 4 ? kUnordered[listType] : std::string_view();
}

// The first number of an ordered list read with numerals: the leading number of the first line
// that starts with a digit 1 to 9, or 1.
int32_t findStartNumber(LineReader& input, InputDecoder& decode)
{
    std::string_view piece;
    while (input.next(piece)) {
        std::string_view line = trim_leading_blanks(trim_trailing_controls(decode(piece)));
        if (startsWithNonZeroDigit(line))
            return std::max(leadingNumber(line), 1);
    }
    return 1;
}

// The list's tags and items. A classic list opens each item with "<li>" and closes none; an HTML5
// list closes each item and holds only items, so text before its first item stands before it,
// in a paragraph, and the list's opening tag waits for that text to end.
class ItemWriter
{
public:
    ItemWriter(Output& out, bool html5, bool centered)
        : m_out(out), m_html5(html5), m_centered(centered), m_listOpen(!html5)
    {
    }

    // The opening tag of an HTML5 list, written before its first item or its end.
    void setListStart(std::string listStart) { m_listStart = std::move(listStart); }
    void openList()
    {
        if (m_listOpen)
            return;
        if (m_introOpen)
            m_out.put("</p>\n");
        m_introOpen = false;
        m_out.put(m_listStart);
        m_listOpen = true;
    }
    void write_list_item()
    {
        if (!m_html5) {
            m_out.put("\n<li>");
        } else {
            if (m_count > 0)
                m_out.put("</li>\n");
            openList();
            m_out.put("<li>");
        }
        ++m_count;
    }
    // Starts text that goes on the text before it: an item's next line, or text before any item.
    void continueText()
    {
        if (m_html5 && m_count == 0 && !m_introOpen) {
            m_out.put(m_centered ? "<p class=\"pw-center\">" : "<p>");
            m_introOpen = true;
        } else {
            m_out.put(' ');
        }
    }
    // Closes an HTML5 list's last item and the list.
    void finish(std::string_view listEnd)
    {
        openList();
        if (m_count > 0)
            m_out.put("</li>\n");
        m_out.put(listEnd);
    }
    int32_t count() const { return m_count; }

private:
    Output& m_out;
    const bool m_html5;
    const bool m_centered;
    std::string m_listStart;
    bool m_listOpen;
    bool m_introOpen = false;
    int32_t m_count = 0;
};

// Writes the text of an item as it stands, or with & < > escaped.
void putItemText(Output& out, std::string_view text, bool escape)
{
    if (escape)
        putEscaped<Escape::Data>(out, text);
    else
        out.put(text);
}

int32_t writeItemsFromFile(LineReader& input, InputDecoder& decode, int32_t separator, bool escape,
                           ItemWriter& items, Output& out)
{
    bool newItemPending = separator == VELLUM62_ITEMS_BY_BLANK_LINE;
    std::string_view piece;
    while (!out.failed() && input.next(piece)) {
        if (holdsNul(piece))
            return VELLUM62_INPUT_IS_BINARY; // the list stops here, without its end
        std::string_view line = trim_leading_blanks(trim_trailing_controls(decode(piece)));
        if (line.empty()) {
            if (separator == VELLUM62_ITEMS_BY_BLANK_LINE)
                newItemPending = true;
            continue;
        }
        line = trim_trailing_spaces(line);
        if (line[0] == '*' && separator == VELLUM62_ITEMS_BY_ASTERISK) {
            items.write_list_item();
            putItemText(out, line.substr(skip_chars_in_set(line, 0, "* ")), escape);
        } else if (startsWithNonZeroDigit(line) && separator == VELLUM62_ITEMS_BY_NUMERAL) {
            items.write_list_item();
            std::size_t text = skip_chars_in_set(line, skip_chars_in_set(line, 0, "01234567890."), " ");
            putItemText(out, line.substr(text), escape);
        } else {
            if (separator == VELLUM62_ITEMS_BY_LINE || newItemPending) {
                items.write_list_item();
                newItemPending = false;
            } else {
                items.continueText();
            }
            putItemText(out, line, escape);
        }
    }
    return items.count();
}

// The opening tag of an HTML5 list: bullets and centring as classes, an ordered list's numbering
// as its type and start attributes.
std::string html5ListStart(bool ordered, std::string_view type, bool centered, int32_t start)
{
    std::string tag = ordered ? "<ol" : "<ul";
    std::string classes;
    if (!ordered && !type.empty()) {
        classes = "pw-";
        classes += type;
    }
    if (centered)
        classes += classes.empty() ? "pw-center" : " pw-center";
    if (!classes.empty())
        tag += " class=\"" + classes + '"';
    if (ordered && !type.empty())
        tag += " type=\"" + std::string(type) + '"';
    if (ordered && start != 1)
        tag += " start=\"" + std::to_string(start) + '"';
    return tag + ">\n";
}

} // namespace

int32_t convertList(LineReader* input, const ListOptions& options, Output& page)
{
    const bool fromFile = options.listSource == VELLUM62_LIST_FROM_FILE && input != nullptr;
    const bool html5 = options.html5.on;
    const char letter = options.ordered ? 'o' : 'u';
    const std::string_view kind = options.ordered ? "Ordered" : "Unordered";
    int32_t startNumber = !fromFile && options.ordered ? options.startNumber : 1;

    if (options.htmlWrapper) {
        if (html5)
            putHtml5Start(page, options.html5);
        else
            putWrapperHeadStart(page, options.declareCharset, options.utf8);
        page.put(kind);
        if (fromFile) {
            page.put(" list formed from items in ");
            putFileNameInTitle(page, base_name(options.inputName), options.utf8 || html5);
        } else {
            page.put(" list of ");
            page.putInt(options.itemCount);
            page.put(options.itemCount == 1 ? " item" : " items");
        }
        page.put('.');
        if (html5)
            putHtml5HeadEnd(page, options.html5, {});
        else
            page.put("\n</title></head>\n<body>\n");
    }

    // An HTML5 list is written from its input read as for a classic page, and made clean UTF-8 on its
    // way to the page: at once, which costs less than line by line.
    std::optional<CleanOutput> clean;
    if (html5)
        clean.emplace(page, options.utf8 ? CleanOutput::From::Utf8 : CleanOutput::From::Windows1252);
    Output& out = html5 ? clean->out() : page;

    const std::string_view type = typeAttribute(options.ordered, options.listType);
    if (!html5) {
        if (options.centerList)
            out.put("\n<center>\n<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">\n<tr><td>\n");
        out.put("\n<");
        out.put(letter);
        out.put('l');
        if (!type.empty()) {
            out.put(" type=\"");
            out.put(type);
            out.put('"');
        }
    }

    InputDecoder decode(options.utf8, input);
    if (fromFile && options.ordered && options.itemSeparator == VELLUM62_ITEMS_BY_NUMERAL) {
        startNumber = findStartNumber(*input, decode);
        if (!input->rewind())
            return kInputNotReadAgain; // the items are not there to write
        decode.restart();
    }

    ItemWriter items(out, html5, options.centerList);
    if (html5) {
        items.setListStart(html5ListStart(options.ordered, type, options.centerList, startNumber));
    } else if (options.ordered && startNumber != 1) {
        out.put(" start=\"");
        out.putInt(startNumber);
        out.put("\">");
    } else {
        out.put('>');
    }

    int32_t written = 0;
    if (fromFile) {
        written = writeItemsFromFile(*input, decode, options.itemSeparator, options.escapeData, items, out);
        if (written == VELLUM62_INPUT_IS_BINARY) {
            if (clean)
                clean->finish();
            return written;
        }
    } else {
        for (int32_t item = 1; item <= options.itemCount && !out.failed(); ++item) {
            items.write_list_item();
            if (options.listSource == VELLUM62_NUMBERED_BLANK_LIST) {
                out.put(html5 ? "Item " : " Item ");
                out.putInt(item);
            }
        }
        written = std::max(options.itemCount, 0);
    }

    if (html5) {
        items.finish(options.ordered ? "</ol>\n" : "</ul>\n");
        clean->finish();
        if (options.htmlWrapper)
            page.put(pagewright::kHtml5PageEnd);
        return written;
    }
    out.put("\n</");
    out.put(letter);
    out.put("l>\n");
    if (options.centerList)
        out.put("\n</td></tr></table>\n</center>\n");
    if (options.htmlWrapper)
        out.put("\n</body></html>\n");
    return written;
}

} // namespace vellum
