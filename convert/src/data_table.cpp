// Delimited data to an HTML table.
#include "converters.h"

#include "entities.h"
#include "line_reader.h"
#include "output.h"
#include "text_utils.h"
#include "utf8.h"

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

// With a space as separator, tabs separate too.
bool separates(char c, char separator)
{
    if (c == '\t' && separator != '\t')
        c = ' ';
    return c == separator;
}

// Says whether a record of quoted fields goes on after the end of a line: follows the fields of
// the record as TableWriter reads them, one line at a time.
class QuoteScan
{
public:
    explicit QuoteScan(char separator) : m_separator(separator) {}
    // Reads the next part of the record; true when a quoted field is still open at its end.
    bool feed(std::string_view text)
    {
        const std::size_t n = text.size();
        std::size_t i = 0;
        while (i < n) {
            const char c = text[i];
            switch (m_state) {
            case State::FieldStart:
                if (isBlank(c)) {
                    ++i;
                } else if (c == '"') {
                    m_state = State::Quoted;
                    ++i;
                } else {
                    m_state = State::Unquoted;
                }
                break;
            case State::Unquoted:
                if (c == '\\' && i + 1 < n && separates(text[i + 1], m_separator))
                    i += 2;
                else if (c == '\\' && i + 1 < n && text[i + 1] == '!')
                    i += 3; // the character after a break is content
                else {
                    if (separates(c, m_separator))
                        m_state = State::FieldStart;
                    ++i;
                }
                break;
            case State::Quoted: {
                const void* quote = std::memchr(text.data() + i, '"', n - i);
                if (!quote)
                    return true;
                i = static_cast<std::size_t>(static_cast<const char*>(quote) - text.data()) + 1;
                if (i < n && text[i] == '"')
                    ++i; // "" is a quote inside the field
                else
                    m_state = State::Unquoted;
                break;
            }
            }
        }
        return m_state == State::Quoted;
    }

private:
    enum class State { FieldStart, Unquoted, Quoted };
    State m_state = State::FieldStart;
    char m_separator;
};

// The records of a table file: its lines that are not empty once trimmed, without their leading
// blanks; with CSV quotes, a line whose quoted field is still open at its end goes on with the
// next line, after a line feed.
class RecordReader
{
public:
    RecordReader(LineReader& input, const TableOptions& options)
        : m_input(input), m_decode(options.utf8, &input), m_separator(static_cast<char>(options.separatorChar)),
          m_csv(options.csvQuotes && m_separator != '"')
    {
    }

    // The next record; false at the end of the input, or at a line that holds a NUL byte
    // (binary() then says so).
    bool next(std::string_view& record)
    {
        std::string_view piece;
        while (m_input.next(piece)) {
            if ((m_binary = holdsNul(piece)))
                return false;
            const std::string_view line = trim_leading_blanks(trim_trailing_controls(m_decode(piece)));
            if (line.empty())
                continue;
            record = line;
            if (!m_csv || line.find('"') == npos)
                return true;
            QuoteScan scan(m_separator);
            const std::size_t fields = isHeaderRow(line) ? skip_blanks(line, 3) : 0;
            if (!scan.feed(line.substr(fields)))
                return true;
            m_record.assign(line);
            while (m_input.next(piece)) {
                if ((m_binary = holdsNul(piece)))
                    return false;
                m_record += '\n';
                const std::size_t from = m_record.size();
                m_record += trim_trailing_controls(m_decode(piece));
                if (!scan.feed(std::string_view(m_record).substr(from)))
                    break;
            }
            record = m_record;
            return true;
        }
        return false;
    }

    bool binary() const { return m_binary; }

private:
    LineReader& m_input;
    InputDecoder m_decode;
    bool m_binary = false;
    const char m_separator;
    const bool m_csv;
    std::string m_record;
};

class TableWriter
{
public:
    TableWriter(const TableOptions& options, Output& out)
        : m_options(options), m_out(out), m_padding(paddingString(options.paddingSpaces)),
          m_separator(static_cast<char>(options.separatorChar)),
          m_csv(options.csvQuotes && m_separator != '"'), m_escape(options.escapeData)
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
        // A line end in a record comes from a quoted field and is a break too.
        const bool breaks = findAnchored(text, "\\!", 0) != npos || (m_csv && text.find('\n') != npos);
        // Without a backslash (or, with CSV quotes, a quote), and with a separator other than the
        // space (which tabs stand in for), a cell is everything up to the next separator less its
        // trailing spaces.
        const bool plain =
            m_separator != ' ' && text.find('\\') == npos && (!m_csv || text.find('"') == npos);

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
    bool isSeparator(char c) const { return separates(c, m_separator); }

    // Content of the data: as it stands, or with & < > escaped.
    void putData(std::string_view text)
    {
        if (m_escape)
            putEscaped<Escape::Data>(m_out, text);
        else
            m_out.put(text);
    }

    // The inside of a quoted field: every character is content, and a line end is a break.
    void putQuoted(std::string_view text)
    {
        for (std::size_t lineEnd; (lineEnd = text.find('\n')) != npos; text.remove_prefix(lineEnd + 1)) {
            putData(text.substr(0, lineEnd));
            m_out.put("<br>\n");
            m_out.put(m_padding);
        }
        putData(text);
    }

    // Writes a quoted field that starts at `pos`; returns where its closing quote ended.
    std::size_t writeQuoted(std::string_view text, std::size_t pos, bool& empty)
    {
        const std::size_t n = text.size();
        ++pos; // the opening quote
        for (;;) {
            const std::size_t quote = text.find('"', pos);
            const std::size_t end = quote == npos ? n : quote;
            if (end > pos) {
                putQuoted(text.substr(pos, end - pos));
                empty = false;
            }
            if (quote == npos)
                return n;
            if (quote + 1 < n && text[quote + 1] == '"') {
                putData("\"");
                empty = false;
                pos = quote + 2;
            } else {
                return quote + 1;
            }
        }
    }

    // Writes the cell that starts at `pos`; returns where its content ended (the separator or the
    // end of the text).
    std::size_t writeCell(std::string_view text, std::size_t pos, bool header, bool breaks, bool plain)
    {
        // A cell that starts like a number is right-aligned; other data cells are centred on
        // request. Padding goes inside data cells only, and makes them count as not empty.
        const bool quoted = m_csv && text[pos] == '"';
        const std::size_t first = quoted ? pos + 1 : pos;
        const bool number = first < text.size() && startsLikeNumber(text[first]);
        const int align = number ? 1 : m_options.centerText && !header ? 2 : 0;
        m_out.put(m_open[header][align][breaks]);
        bool empty = header || m_padding.empty();
        if (plain) {
            const void* separator = std::memchr(text.data() + pos, m_separator, text.size() - pos);
            const std::size_t end =
                separator ? static_cast<std::size_t>(static_cast<const char*>(separator) - text.data()) : text.size();
            const std::string_view content = trim_trailing_spaces(text.substr(pos, end - pos));
            putData(content);
            m_out.put(empty && content.empty() ? std::string_view("&nbsp;") : std::string_view());
            m_out.put(m_close[header]);
            return end;
        }
        std::size_t pendingSpaces = 0;
        auto writeContent = [&](char c) {
            for (; pendingSpaces > 0; --pendingSpaces)
                m_out.put(' ');
            putData(std::string_view(&c, 1));
            empty = false;
        };
        const std::size_t n = text.size();
        if (quoted)
            pos = writeQuoted(text, pos, empty);
        while (pos < n) {
            // A run of bytes that are plainly content goes out at once.
            std::size_t runEnd = pos;
            while (runEnd < n && !m_needsLook[static_cast<unsigned char>(text[runEnd])])
                ++runEnd;
            if (runEnd > pos) {
                for (; pendingSpaces > 0; --pendingSpaces)
                    m_out.put(' ');
                putData(text.substr(pos, runEnd - pos));
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
    const bool m_csv;
    const bool m_escape;
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
        putWrapperHeadStart(out, options.declareCharset, options.utf8);
        out.put("Table formed from data in ");
        putFileNameInTitle(out, base_name(options.inputName), options.utf8);
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
    RecordReader records(input, options);
    std::string_view record;
    while (!out.failed() && records.next(record))
        table.writeRow(record);
    if (records.binary()) {
        TableSize stopped = table.size(); // the table stops here, without its end
        stopped.binary = true;
        return stopped;
    }

    out.put("</table>\n");
    if (options.centerTable)
        out.put("</center>\n");
    if (options.htmlWrapper)
        out.put("\n</body></html>\n");
    return table.size();
}

} // namespace vellum
