// Delimited data to an HTML table.
#include "converters.h"

#include "line_reader.h"
#include "output.h"
#include "text_utils.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vellum
{
namespace
{

constexpr int32_t kMostPaddingCopies = 42;

std::string paddingString(int32_t spaces)
{
    if (spaces == 0)
        return {};
    int32_t copies = std::clamp(spaces, 1, kMostPaddingCopies);
    std::string padding;
    for (int32_t i = 0; i < copies; ++i)
        padding += "&nbsp;";
    return padding;
}

bool isHeaderRow(std::string_view line)
{
    return line.size() >= 3 && line[0] == '\\' && (line[1] == 'T' || line[1] == 't') &&
           (line[2] == 'H' || line[2] == 'h');
}

bool startsLikeNumber(char c)
{
    return (c >= '0' && c <= '9') || c == '+' || c == '-';
}

class TableWriter
{
public:
    TableWriter(const TableOptions& options, Output& out)
        : m_options(options), m_out(out), m_padding(paddingString(options.paddingSpaces)),
          m_separator(static_cast<char>(options.separatorChar))
    {
        for (unsigned char c : {' ', '\\', '\t'})
            m_needsLook[c] = true;
        m_needsLook[static_cast<unsigned char>(m_separator)] = true;

        // Every cell opens and closes with one of a few fixed texts, made once.
        static constexpr std::string_view kAlign[] = {"", " align=\"right\"", " align=\"center\""};
        std::string font, fontEnd;
        if (!options.textColor.empty()) {
            font = "<font color=\"" + std::string(options.textColor) + "\">";
            fontEnd = "</font>";
        }
        for (int header = 0; header < 2; ++header) {
            const std::string tag = header ? "th" : "td";
            const std::string padding = header ? std::string() : m_padding;
            for (int align = 0; align < 3; ++align)
                for (int breaks = 0; breaks < 2; ++breaks)
                    m_open[header][align][breaks] = "<" + tag + std::string(kAlign[align]) +
                                                    (breaks ? " valign=\"top\"" : "") + ">" + font + padding;
            m_close[header] = padding + fontEnd + "</" + tag + ">\n";
        }
    }

    void writeRow(std::string_view line)
    {
        const bool header = isHeaderRow(line);
        const std::string_view text = header ? line.substr(skip_blanks(line, 3)) : line;
        const bool breaks = findAnchored(text, "\\!", 0) != npos;
        // Without a backslash, and with a separator other than the space (which tabs stand in
        // for), a cell is everything up to the next separator less its trailing spaces.
        const bool plain = m_separator != ' ' && text.find('\\') == npos;

        m_out.put("<tr>");
        int64_t cells = 0;
        std::size_t pos = skip_blanks(text, 0);
        while (pos < text.size()) {
            pos = writeCell(text, pos, header, breaks, plain);
            ++cells;
            if (pos >= text.size())
                break;
            pos = skip_blanks(text, pos + 1); // past the separator
        }
        if (cells < m_size.columns) {
            for (int64_t i = cells; i < m_size.columns; ++i)
                m_out.put("<td>&nbsp;</td>");
            m_out.put('\n');
        } else {
            m_size.columns = cells;
        }
        m_out.put("</tr>\n");
        ++m_size.rows;
    }

    TableSize size() const { return m_size; }

private:
    // With a space as separator, tabs separate too.
    bool isSeparator(char c) const
    {
        if (c == '\t' && m_separator != '\t')
            c = ' ';
        return c == m_separator;
    }

    // Writes the cell that starts at `pos`; returns where its content ended (the separator or the
    // end of the text).
    std::size_t writeCell(std::string_view text, std::size_t pos, bool header, bool breaks, bool plain)
    {
        // A cell that starts like a number is right-aligned; other data cells are centred on
        // request. Padding goes inside data cells only, and makes them count as not empty.
        const int align = startsLikeNumber(text[pos]) ? 1 : m_options.centerText && !header ? 2 : 0;
        m_out.put(m_open[header][align][breaks]);
        bool empty = header || m_padding.empty();
        if (plain) {
            const void* separator = std::memchr(text.data() + pos, m_separator, text.size() - pos);
            const std::size_t end =
                separator ? static_cast<std::size_t>(static_cast<const char*>(separator) - text.data()) : text.size();
            const std::string_view content = trim_trailing_spaces(text.substr(pos, end - pos));
            m_out.put(content);
            m_out.put(empty && content.empty() ? std::string_view("&nbsp;") : std::string_view());
            m_out.put(m_close[header]);
            return end;
        }
        std::size_t pendingSpaces = 0;
        auto writeContent = [&](char c) {
            for (; pendingSpaces > 0; --pendingSpaces)
                m_out.put(' ');
            m_out.put(c);
            empty = false;
        };
        const std::size_t n = text.size();
        while (pos < n) {
            // A run of bytes that are plainly content goes out at once.
            std::size_t runEnd = pos;
            while (runEnd < n && !m_needsLook[static_cast<unsigned char>(text[runEnd])])
                ++runEnd;
            if (runEnd > pos) {
                for (; pendingSpaces > 0; --pendingSpaces)
                    m_out.put(' ');
                m_out.put(text.substr(pos, runEnd - pos));
                empty = false;
                pos = runEnd;
                continue;
            }
            char c = text[pos];
            if (c == '\\' && pos + 1 < n && isSeparator(text[pos + 1])) {
                writeContent(text[pos + 1]); // an escaped separator is content
                pos += 2;
            } else if (c == '\\' && pos + 1 < n && text[pos + 1] == '!') {
                m_out.put("<br>\n");
                m_out.put(m_padding);
                pos += 2;
                if (pos < n)
                    writeContent(text[pos++]); // whatever follows a break is content
            } else if (isSeparator(c)) {
                break;
            } else if (c == ' ') {
                ++pendingSpaces;
                ++pos;
            } else {
                writeContent(c);
                ++pos;
            }
        }

        if (empty)
            m_out.put("&nbsp;");
        m_out.put(m_close[header]);
        return pos;
    }

    const TableOptions& m_options;
    Output& m_out;
    const std::string m_padding;
    const char m_separator;
    bool m_needsLook[256] = {};
    std::string m_open[2][3][2]; // by header row, alignment (none, right, centre) and breaks
    std::string m_close[2];      // by header row
    TableSize m_size;
};

void putAttribute(Output& out, std::string_view name, int32_t value)
{
    if (value == -1)
        return;
    out.put(name);
    out.putInt(value);
    out.put('"');
}

} // namespace

TableSize convertTable(LineReader& input, const TableOptions& options, Output& out)
{
    if (options.htmlWrapper) {
        out.put("<html>\n<head><title>\nTable formed from data in ");
        out.put(base_name(options.inputName));
        out.put(".\n</title></head>\n<body>\n");
    }
    if (options.centerTable)
        out.put("\n<center>");
    out.put("\n<table");
    if (options.tableWidth != -1) {
        out.put(" width=\"");
        out.putInt(options.tableWidth);
        if (!options.widthInPixels)
            out.put('%');
        out.put('"');
    }
    putAttribute(out, " border=\"", options.border);
    putAttribute(out, " cellpadding=\"", options.cellPadding);
    putAttribute(out, " cellspacing=\"", options.cellSpacing);
    if (!options.backgroundColor.empty()) {
        out.put(" bgcolor=\"");
        out.put(options.backgroundColor);
        out.put('"');
    }
    out.put(">\n");

    TableWriter table(options, out);
    std::string_view piece;
    while (!out.failed() && input.next(piece)) {
        std::string_view line = trim_leading_blanks(trim_trailing_controls(piece));
        if (!line.empty())
            table.writeRow(line);
    }

    out.put("</table>\n");
    if (options.centerTable)
        out.put("</center>\n");
    if (options.htmlWrapper)
        out.put("\n</body></html>\n");
    return table.size();
}

} // namespace vellum
