// Delimited data to an HTML table.
#include "converters.h"

#include "clean_output.h"
#include "entities.h"
#include "line_reader.h"
#include "output.h"
#include "text_utils.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The separators of a text, found sixteen bytes at a time, and whether the text holds a backslash
// or (`quotes`) a double quote, which only the careful way through its cells reads right, or a NUL
// byte.
struct SeparatorScan {
    int64_t count = 0;
    std::size_t last = npos; // where the last separator stands
    bool careful = false;
};
// The number of bits set in sixteen.
unsigned bitCount16(unsigned bits)
{
    static constexpr auto kByteCounts = [] {
        std::array<unsigned char, 256> counts{};
        for (unsigned byte = 0; byte < 256; ++byte)
            counts[byte] = static_cast<unsigned char>(std::popcount(byte));
        return counts;
    }();
    return kByteCounts[bits & 0xFF] + kByteCounts[bits >> 8];
}

SeparatorScan scanSeparators(std::string_view text, char separator, bool quotes)
{
    SeparatorScan scan;
    const char* s = text.data();
    const std::size_t n = text.size();
    std::size_t i = 0;
#if defined(__SSE2__)
    if (n >= 16) {
        const __m128i sep = _mm_set1_epi8(separator), backslash = _mm_set1_epi8('\\');
        const __m128i quote = _mm_set1_epi8(quotes ? '"' : '\\'), nul = _mm_setzero_si128();
        unsigned careful = 0, lastMarks = 0;
        std::size_t lastAt = 0;
        // Sixteen bytes from `at`, of which the first `skip` were looked at before.
        auto look = [&](std::size_t at, unsigned skip) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at));
            const unsigned marks = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, sep))) >> skip;
            const __m128i odd = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, backslash), _mm_cmpeq_epi8(v, quote)),
                                             _mm_cmpeq_epi8(v, nul));
            careful |= static_cast<unsigned>(_mm_movemask_epi8(odd)) >> skip;
            scan.count += bitCount16(marks);
            lastAt = marks ? at + skip : lastAt;
            lastMarks = marks ? marks : lastMarks;
        };
        for (; i + 16 <= n; i += 16)
            look(i, 0);
        if (i < n)
            look(n - 16, static_cast<unsigned>(16 - (n - i))); // the last bytes, in sixteen that end with them
        scan.careful = careful != 0;
        if (lastMarks)
            scan.last = lastAt + 31 - static_cast<std::size_t>(__builtin_clz(lastMarks));
        return scan;
    }
#endif
    for (; i < n; ++i) {
        if (s[i] == separator) {
            ++scan.count;
            scan.last = i;
        }
        scan.careful |= s[i] == '\\' || (quotes && s[i] == '"') || s[i] == '\0';
    }
    return scan;
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
    RecordReader(LineReader& input, const TableOptions& options, Html5Input html5 = Html5Input::Off)
        : m_input(input), m_decode(options.utf8, &input, html5), m_separator(static_cast<char>(options.separatorChar)),
          m_csv(options.csvQuotes && m_separator != '"')
    {
    }

    // The next record; false at the end of the input, or at a line that holds a NUL byte
    // (binary() then says so).
    bool next(std::string_view& record)
    {
        std::string_view piece;
        while (m_input.next(piece))
            if (take(piece, record) || m_binary)
                return !m_binary;
        return false;
    }

    // The record that starts with `piece`, the line just read, read on to the end of a quoted field;
    // false for a line that starts none: an empty line, or one that holds a NUL byte (binary()).
    bool take(std::string_view piece, std::string_view& record)
    {
        if ((m_binary = holdsNul(piece)))
            return false;
        const std::string_view line = trim_leading_blanks(trim_trailing_controls(m_decode(piece)));
        if (line.empty())
            return false;
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
        : m_options(options), m_out(out), m_html5(options.html5.on),
          m_padding(m_html5 ? std::string() : paddingString(options.paddingSpaces)),
          m_separator(static_cast<char>(options.separatorChar)), m_csv(options.csvQuotes && m_separator != '"'),
          m_escape(options.escapeData), m_emptyCell(m_html5 ? "" : "&nbsp;")
    {
        for (unsigned char c : {' ', '\\', '\t'})
            m_needsLook[c] = true;
        m_needsLook[static_cast<unsigned char>(m_separator)] = true;

        // Every cell opens and closes with one of a few fixed texts, made once.
        if (m_html5) {
            // The looks are the stylesheet's: only a number's cell differs, and the header cells of
            // the table's head name what they head.
            for (int align = 0; align < 3; ++align)
                for (int breaks = 0; breaks < 2; ++breaks) {
                    m_open[0][align][breaks] = align == 1 ? "<td class=\"pw-num\">" : "<td>";
                    m_open[1][align][breaks] = "<th scope=\"col\">";
                }
            m_close[0] = "</td>\n";
            m_close[1] = "</th>\n";
            return;
        }
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
        const Row row = shape(line);
        // A line end in a record comes from a quoted field and is a break too.
        const bool breaks = findAnchored(row.text, "\\!", 0) != npos || (m_csv && row.text.find('\n') != npos);
        if (m_html5)
            startHtml5Row(row.header, breaks);
        else
            m_out.put("<tr>");
        const int64_t cells = rowCells<true>(row, breaks);
        const int64_t width = std::max(m_size.columns, m_counted);
        if (cells < width) {
            for (int64_t i = cells; i < width; ++i)
                m_out.put(m_html5 ? std::string_view("<td></td>") : std::string_view("<td>&nbsp;</td>"));
            m_out.put('\n');
        }
        m_size.columns = std::max(m_size.columns, cells);
        m_out.put("</tr>\n");
        ++m_size.rows;
    }

    // The number of cells writeRow writes for a record, found without writing anything.
    int64_t countCells(std::string_view line)
    {
        if (!isBlank(m_separator)) {
            const SeparatorScan scan = scanSeparators(line, m_separator, m_csv);
            if (!scan.careful)
                return plainCells(line, scan);
        }
        return rowCells<false>(shape(line), false);
    }
    // The same for a line as read that holds no backslash, NUL byte or (CSV) quote, with a separator
    // that is neither a blank nor a control byte: a cell more than separators, but for a last
    // separator that only blanks follow. A line of blanks is no row: 0.
    static int64_t plainCells(std::string_view line, const SeparatorScan& scan)
    {
        const std::size_t end = trim_trailing_controls(line).size();
        if (skip_blanks(line, 0) >= end)
            return 0;
        return scan.count + 1 - (scan.count > 0 && skip_blanks(line, scan.last + 1) >= end);
    }
    // Rows with fewer cells are filled up to `columns` (and to the widest row before them).
    void fillRowsTo(int64_t columns) { m_counted = columns; }

    // Closes the head or body of an HTML5 table.
    void endHtml5Rows()
    {
        if (m_section != Section::None)
            m_out.put(m_section == Section::Head ? "</thead>\n" : "</tbody>\n");
    }

    TableSize size() const { return m_size; }

private:
    // What decides a record's cells: whether it is a header row, the text of its cells, and whether
    // each cell simply runs to the next separator.
    struct Row {
        bool header;
        std::string_view text;
        bool plain;
    };
    Row shape(std::string_view line) const
    {
        const bool header = isHeaderRow(line);
        const std::string_view text = header ? line.substr(skip_blanks(line, 3)) : line;
        // Without a backslash (or, with CSV quotes, a quote), and with a separator other than the
        // space (which tabs stand in for), a cell is everything up to the next separator less its
        // trailing spaces.
        const bool plain =
            m_separator != ' ' && text.find('\\') == npos && (!m_csv || text.find('"') == npos);
        return {header, text, plain};
    }

    // Header rows that come first form the table's head; the others, header rows among them, its body.
    void startHtml5Row(bool header, bool breaks)
    {
        if (header && m_section == Section::None) {
            m_out.put("<thead>\n");
            m_section = Section::Head;
        } else if (!header && m_section != Section::Body) {
            m_out.put(m_section == Section::Head ? "</thead>\n<tbody>\n" : "<tbody>\n");
            m_section = Section::Body;
            for (auto& byAlign : m_open[1])
                for (std::string& open : byAlign)
                    open = "<th>";
        }
        m_out.put(breaks ? std::string_view("<tr class=\"pw-top\">") : std::string_view("<tr>"));
    }

    // Writes the cells of a row, or with kWrite false only finds where they end; returns their number.
    template <bool kWrite> int64_t rowCells(const Row& row, bool breaks)
    {
        const std::string_view text = row.text;
        int64_t cells = 0;
        std::size_t pos = skip_blanks(text, 0);
        while (pos < text.size()) {
            pos = writeCell<kWrite>(text, pos, row.header, breaks, row.plain);
            ++cells;
            if (pos >= text.size())
                break;
            pos = skip_blanks(text, pos + 1); // past the separator
        }
        return cells;
    }

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
    template <bool kWrite> std::size_t writeQuoted(std::string_view text, std::size_t pos, bool& empty)
    {
        const std::size_t n = text.size();
        ++pos; // the opening quote
        for (;;) {
            const std::size_t quote = text.find('"', pos);
            const std::size_t end = quote == npos ? n : quote;
            if constexpr (kWrite) {
                if (end > pos) {
                    putQuoted(text.substr(pos, end - pos));
                    empty = false;
                }
            }
            if (quote == npos)
                return n;
            if (quote + 1 < n && text[quote + 1] == '"') {
                if constexpr (kWrite) {
                    putData("\"");
                    empty = false;
                }
                pos = quote + 2;
            } else {
                return quote + 1;
            }
        }
    }

    // Writes the cell that starts at `pos` (with kWrite false, only finds its end); returns where its
    // content ended (the separator or the end of the text).
    template <bool kWrite>
    std::size_t writeCell(std::string_view text, std::size_t pos, bool header, bool breaks, bool plain)
    {
        // A cell that starts like a number is right-aligned; other data cells are centred on
        // request. Padding goes inside data cells only, and makes them count as not empty.
        const bool quoted = m_csv && text[pos] == '"';
        if constexpr (kWrite) {
            const std::size_t first = quoted ? pos + 1 : pos;
            const bool number = first < text.size() && startsLikeNumber(text[first]);
            const int align = number ? 1 : m_options.centerText && !header ? 2 : 0;
            m_out.put(m_open[header][align][breaks]);
        }
        bool empty = header || m_padding.empty();
        if (plain) {
            const void* separator = std::memchr(text.data() + pos, m_separator, text.size() - pos);
            const std::size_t end =
                separator ? static_cast<std::size_t>(static_cast<const char*>(separator) - text.data()) : text.size();
            if constexpr (kWrite) {
                const std::string_view content = trim_trailing_spaces(text.substr(pos, end - pos));
                putData(content);
                m_out.put(empty && content.empty() ? m_emptyCell : std::string_view());
                m_out.put(m_close[header]);
            }
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
            pos = writeQuoted<kWrite>(text, pos, empty);
        while (pos < n) {
            // A run of bytes that are plainly content goes out at once.
            std::size_t runEnd = pos;
            while (runEnd < n && !m_needsLook[static_cast<unsigned char>(text[runEnd])])
                ++runEnd;
            if (runEnd > pos) {
                if constexpr (kWrite) {
                    for (; pendingSpaces > 0; --pendingSpaces)
                        m_out.put(' ');
                    putData(text.substr(pos, runEnd - pos));
                    empty = false;
                }
                pos = runEnd;
                continue;
            }
            char c = text[pos];
            if (c == '\\' && pos + 1 < n && isSeparator(text[pos + 1])) {
                if constexpr (kWrite)
                    writeContent(text[pos + 1]); // an escaped separator is content
                pos += 2;
            } else if (c == '\\' && pos + 1 < n && text[pos + 1] == '!') {
                if constexpr (kWrite) {
                    m_out.put("<br>\n");
                    m_out.put(m_padding);
                }
                pos += 2;
                if (pos < n) {
                    if constexpr (kWrite)
                        writeContent(text[pos]); // whatever follows a break is content
                    ++pos;
                }
            } else if (isSeparator(c)) {
                break;
            } else if (c == ' ') {
                ++pendingSpaces;
                ++pos;
            } else {
                if constexpr (kWrite)
                    writeContent(c);
                ++pos;
            }
        }

        if constexpr (kWrite) {
            if (empty)
                m_out.put(m_emptyCell);
            m_out.put(m_close[header]);
        }
        return pos;
    }

    const TableOptions& m_options;
    Output& m_out;
    const bool m_html5;
    const std::string m_padding;
    const char m_separator;
    const bool m_csv;
    const bool m_escape;
    const std::string_view m_emptyCell; // what an empty cell holds
    bool m_needsLook[256] = {};
    std::string m_open[2][3][2]; // by header row, alignment (none, right, centre) and breaks
    std::string m_close[2];      // by header row
    TableSize m_size;
    int64_t m_counted = 0; // the widest row, when the rows were counted first
    enum class Section { None, Head, Body } m_section = Section::None;
};

void putAttribute(Output& out, std::string_view name, int32_t value)
{
    if (value == -1)
        return;
    out.put(name);
    out.putInt(value);
    out.put('"');
}

// The most cells a record of the input has, as `table` writes them; reads to the end of the input,
// or to a line that holds a NUL byte. Most lines are counted as they are read, without the record
// made of them; the first goes through the record, which drops a byte-order mark.
int64_t countWidest(LineReader& input, const TableOptions& options, TableWriter& table)
{
    RecordReader records(input, options);
    const char separator = static_cast<char>(options.separatorChar);
    const bool quotes = options.csvQuotes && separator != '"';
    const bool plainLines = separator > ' ' && separator < 127;
    int64_t widest = 0;
    std::string_view piece, record;
    for (bool first = true; input.next(piece); first = false) {
        const SeparatorScan scan =
            plainLines && !first ? scanSeparators(piece, separator, quotes) : SeparatorScan{0, npos, true};
        if (!scan.careful)
            widest = std::max(widest, TableWriter::plainCells(piece, scan));
        else if (records.take(piece, record))
            widest = std::max(widest, table.countCells(record));
        else if (records.binary())
            break;
    }
    return widest;
}

// The values of an HTML5 table's options: its width, border, cell padding and spacing, the
// padding spaces of its data cells as an indent, and its colours. Negative sizes are left out.
pagewright::StyleValues html5TableValues(const TableOptions& options)
{
    pagewright::StyleValues values;
    if (options.tableWidth >= 0)
        values.set("width", std::to_string(options.tableWidth) + (options.widthInPixels ? "px" : "%"));
    if (options.border >= 0) {
        values.setPixels("border", options.border);
        if (options.border > 0)
            values.set("cell-border", "1px");
    }
    if (options.cellPadding >= 0)
        values.setPixels("padding", options.cellPadding);
    if (options.cellSpacing >= 0)
        values.setPixels("spacing", options.cellSpacing);
    if (options.paddingSpaces != 0) {
        // A space is about a quarter of an em wide.
        const int32_t copies = std::clamp(options.paddingSpaces, 1, kMostPaddingCopies);
        static constexpr std::string_view kQuarters[] = {"", ".25", ".5", ".75"};
        values.set("indent", std::to_string(copies / 4) + std::string(kQuarters[copies % 4]) + "em");
    }
    values.setColor("cell-text", options.textColor);
    values.setColor("table-background", options.backgroundColor);
    return values;
}

TableSize convertHtml5Table(LineReader& input, const TableOptions& options, Output& page)
{
    const pagewright::StyleValues values = html5TableValues(options);
    if (options.htmlWrapper) {
        putHtml5Start(page, options.html5);
        page.put("Table formed from data in ");
        putFileNameInTitle(page, base_name(options.inputName), true);
        page.put('.');
        putHtml5HeadEnd(page, options.html5, values);
    }
    page.put("<table class=\"pw-table");
    if (options.centerTable)
        page.put(" pw-center");
    if (options.centerText)
        page.put(" pw-center-text");
    page.put('"');
    if (!options.htmlWrapper && !values.empty()) {
        page.put(" style=\"");
        page.put(values.declarations());
        page.put('"');
    }
    page.put(">\n");

    // The rows are written from the input read as clean UTF-8 line by line, with a separator that
    // splits such lines as it splits the input's own: a printable ASCII character or a tab. Others
    // (a byte above ASCII, part of characters in UTF-8; a control byte, which an HTML5 page may not
    // hold) split the input's own bytes, as for a classic page, and the rows are made clean on their
    // way to the page.
    const auto separator = static_cast<unsigned char>(options.separatorChar);
    const bool ownBytes = separator != '\t' && (separator < ' ' || separator >= 127);
    std::optional<CleanOutput> clean;
    if (ownBytes)
        clean.emplace(page, !options.utf8      ? CleanOutput::From::Windows1252
                            : separator >= 0x80 ? CleanOutput::From::CutUtf8
                                                : CleanOutput::From::Utf8);
    Output& out = ownBytes ? clean->out() : page;

    TableWriter table(options, out);
    std::string_view record;
    // Every row gets as many cells as the widest: an input that can go back to its start is read
    // once first to count them. (Counting needs no clean text, as cells split alike in both.)
    if (input.rewind()) {
        table.fillRowsTo(countWidest(input, options, table));
        if (!input.rewind())
            return {.notReadAgain = true};
    }
    RecordReader records(input, options, ownBytes ? Html5Input::Off : Html5Input::On);
    while (!out.failed() && records.next(record))
        table.writeRow(record);
    if (records.binary()) {
        if (clean)
            clean->finish();
        TableSize stopped = table.size(); // the table stops here, without its end
        stopped.binary = true;
        return stopped;
    }
    table.endHtml5Rows();
    if (clean)
        clean->finish();
    page.put("</table>\n");
    if (options.htmlWrapper)
        page.put(pagewright::kHtml5PageEnd);
    return table.size();
}

} // namespace

TableSize convertTable(LineReader& input, const TableOptions& options, Output& out)
{
    if (options.html5.on)
        return convertHtml5Table(input, options, out);
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
