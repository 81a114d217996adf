#include "rules/CellBlocks.h"

#include "messages.h"
#include "text_encoding.h"
#include "vellum62.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>

namespace pagewright
{

namespace
{

// Collects the cells of a block: texts are kept only where a table could ever show them, while the
// size counts everything read.
class BlockBuilder
{
public:
    void grow(int rows, int columns)
    {
        m_block.rows = std::max(m_block.rows, rows);
        m_block.columns = std::max(m_block.columns, columns);
    }

    static bool keeps(int row, int column) { return row < kMaxBlockRows && column < kMaxBlockColumns; }

    void set(int row, int column, const QString& text)
    {
        grow(row + 1, column + 1);
        if (!keeps(row, column) || text.isEmpty())
            return;
        if (m_block.cells.size() <= row)
            m_block.cells.resize(row + 1);
        QStringList& cells = m_block.cells[row];
        if (cells.size() <= column)
            cells.resize(column + 1);
        cells[column] = text;
    }

    // The block with every kept row as wide as the kept columns; a block without cells has no rows.
    CellBlock finish()
    {
        if (m_block.columns == 0)
            return {};
        const int rows = std::min(m_block.rows, kMaxBlockRows);
        const int columns = std::min(m_block.columns, kMaxBlockColumns);
        m_block.cells.resize(rows);
        for (QStringList& cells : m_block.cells)
            cells.resize(columns);
        return std::move(m_block);
    }

private:
    CellBlock m_block;
};

// ---------------------------------------------------------------------------------------------
// Delimited text

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Spreadsheet text (`dataFile` false) keeps every line as a row and every character of a field. A
// data file is read as Data to Table reads it: lines empty once trimmed are skipped, blanks (tabs
// too) before a field and spaces after its content are dropped, a separator that ends a line starts
// no cell, a row may start with the header mark "\TH", and outside quotes "\" before a separator
// makes it content and "\!" is a line break followed by a character taken as it is. With a space as
// separator, tabs separate too.
CellBlock readDelimited(QStringView text, QChar separator, bool dataFile)
{
    const qsizetype n = text.size();
    const auto separates = [&](QChar c) {
        return c == separator || (dataFile && separator == u' ' && c == u'\t');
    };
    const auto skipBlanks = [&](qsizetype at) {
        while (dataFile && at < n && (text[at] == u' ' || text[at] == u'\t'))
            ++at;
        return at;
    };
    const auto endsLine = [&](qsizetype at) { return at == n || isLineEnd(text[at]); };
    BlockBuilder block;
    qsizetype i = 0;
    int row = 0;
    while (i < n) {
        if (dataFile) {
            qsizetype end = i;
            while (!endsLine(end) && (text[end] == u' ' || text[end].unicode() < 32))
                ++end;
            if (endsLine(end)) {
                i = end + (end + 1 < n && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
                continue;
            }
            i = skipBlanks(i);
            if (text.sliced(i).startsWith(QLatin1String("\\TH"), Qt::CaseInsensitive))
                i += 3;
        }
        for (int column = 0;; ++column) {
            QString field;
            i = skipBlanks(i);
            if (i < n && text[i] == u'"' && separator != u'"') {
                // Inside quotes everything is content, "" is a quote, and CR LF is a line break.
                for (++i; i < n;) {
                    const qsizetype quote = text.indexOf(u'"', i);
                    const QStringView part = text.sliced(i, (quote < 0 ? n : quote) - i);
                    field += part.toString().replace(QLatin1String("\r\n"), QLatin1String("\n"));
                    if (quote < 0) {
                        i = n;
                    } else if (quote + 1 < n && text[quote + 1] == u'"') {
                        field += u'"';
                        i = quote + 2;
                        continue;
                    } else {
                        i = quote + 1;
                    }
                    break;
                }
            }
            // What follows a closing quote up to the separator belongs to the field as typed.
            QString rest;
            while (!endsLine(i) && !separates(text[i])) {
                if (dataFile && text[i] == u'\\' && i + 1 < n && separates(text[i + 1])) {
                    rest += text[i + 1];
                    i += 2;
                } else if (dataFile && text[i] == u'\\' && i + 1 < n && text[i + 1] == u'!') {
                    rest += u'\n';
                    i += 2;
                    if (!endsLine(i))
                        rest += text[i++];
                } else {
                    rest += text[i++];
                }
            }
            if (dataFile)
                while (rest.endsWith(u' ') || (rest.endsWith(u'\t') && endsLine(i)))
                    rest.chop(1);
            block.set(row, column, field + rest);
            if (i == n || !separates(text[i]))
                break;
            ++i;
            if (dataFile && endsLine(skipBlanks(i))) {
                i = skipBlanks(i);
                break;
            }
        }
        if (i < n)
            i += text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n' ? 2 : 1;
        ++row;
    }
    return block.finish();
}

// ---------------------------------------------------------------------------------------------
// HTML

// The named entities of Latin-1, U+00A0 to U+00FF in order.
constexpr std::array<const char*, 96> kLatin1Entities = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",
    "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",
    "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12",
    "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde",
    "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",
    "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",
    "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

const QHash<QString, char16_t>& namedEntities()
{
    static const QHash<QString, char16_t> entities = [] {
        QHash<QString, char16_t> table = {
            {"amp", u'&'},      {"lt", u'<'},       {"gt", u'>'},       {"quot", u'"'},
            {"apos", u'\''},    {"euro", 0x20AC},   {"ndash", 0x2013},  {"mdash", 0x2014},
            {"lsquo", 0x2018},  {"rsquo", 0x2019},  {"sbquo", 0x201A},  {"ldquo", 0x201C},
            {"rdquo", 0x201D},  {"bdquo", 0x201E},  {"bull", 0x2022},   {"hellip", 0x2026},
            {"trade", 0x2122},  {"dagger", 0x2020}, {"Dagger", 0x2021}, {"permil", 0x2030},
            {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"ensp", 0x2002},   {"emsp", 0x2003},
            {"thinsp", 0x2009}, {"zwnj", 0x200C},   {"zwj", 0x200D},    {"minus", 0x2212},
            {"larr", 0x2190},   {"uarr", 0x2191},   {"rarr", 0x2192},   {"darr", 0x2193},
            {"le", 0x2264},     {"ge", 0x2265},     {"ne", 0x2260},     {"infin", 0x221E},
            {"OElig", 0x0152},  {"oelig", 0x0153},  {"Scaron", 0x0160}, {"scaron", 0x0161},
            {"Yuml", 0x0178},   {"fnof", 0x0192},   {"circ", 0x02C6},   {"tilde", 0x02DC}};
        for (std::size_t k = 0; k < kLatin1Entities.size(); ++k)
            table.insert(QString::fromLatin1(kLatin1Entities[k]), static_cast<char16_t>(0xA0 + k));
        return table;
    }();
    return entities;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isHtmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Text with its character references decoded: named ones of the table (with their ';'), decimal and
// hexadecimal ones as a browser takes them; an '&' that starts none stays.
QString decodeEntities(QStringView text)
{
    if (!text.contains(u'&'))
        return text.toString();
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const qsizetype amp = text.indexOf(u'&', i);
        if (amp < 0) {
            out += text.sliced(i);
            break;
        }
        out += text.sliced(i, amp - i);
        i = amp + 1;
        if (i < n && text[i] == u'#') {
            const bool hex = i + 1 < n && (text[i + 1] == u'x' || text[i + 1] == u'X');
            qsizetype j = i + (hex ? 2 : 1);
            char32_t value = 0;
            const qsizetype digitsFrom = j;
            for (; j < n; ++j) {
                const char16_t c = text[j].toLower().unicode();
                const int digit = c >= u'0' && c <= u'9'          ? c - u'0'
                                  : hex && c >= u'a' && c <= u'f' ? c - u'a' + 10
                                                                  : -1;
                if (digit < 0)
                    break;
                value = std::min<char32_t>(value * (hex ? 16 : 10) + digit, 0x110000);
            }
            if (j == digitsFrom) {
                out += u'&';
                continue;
            }
            i = j < n && text[j] == u';' ? j + 1 : j;
            if (value >= 0x80 && value <= 0x9F)
                value = windows1252Character(static_cast<unsigned char>(value));
            if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
                value = 0xFFFD;
            out += QString::fromUcs4(&value, 1);
            continue;
        }
        qsizetype j = i;
        while (j < n && j - i < 16 && (isAsciiLetter(text[j]) || text[j].isDigit()))
            ++j;
        const QHash<QString, char16_t>& entities = namedEntities();
        auto found = j < n && text[j] == u';' ? entities.constFind(text.sliced(i, j - i).toString())
                                              : entities.constEnd();
        if (found != entities.constEnd()) {
            i = j + 1;
        } else {
            // Without its ';', an entity of Latin-1 (and &amp; &lt; &gt; &quot;) is still read, the
            // longest that starts the name.
            for (qsizetype length = j - i; length >= 2; --length) {
                found = entities.constFind(text.sliced(i, length).toString());
                if (found != entities.constEnd() && *found <= 0xFF && *found != u'\'') {
                    i += length;
                    break;
                }
                found = entities.constEnd();
            }
        }
        out += found == entities.constEnd() ? QChar(u'&') : QChar(*found);
    }
    return out;
}

// The text of a cell as a browser lays it out: runs of white space shown as one space, none at the
// start or end of a line, a line break for <br> and between blocks such as paragraphs.
class CellText
{
public:
    void add(QStringView text)
    {
        for (const QChar c : text) {
            if (isHtmlSpace(c)) {
                m_space = true;
                continue;
            }
            const bool lineStart = m_text.isEmpty() || m_text.back() == u'\n';
            if (m_block && !lineStart)
                m_text += u'\n';
            else if (m_space && !lineStart)
                m_text += u' ';
            m_space = m_block = false;
            m_text += c;
        }
    }
    void lineBreak()
    {
        m_text += u'\n';
        m_space = m_block = false;
    }
    void blockBreak() { m_block = true; }
    // A break that ends the cell shows no empty line after it.
    QString finish() const { return m_text.endsWith(u'\n') ? m_text.chopped(1) : m_text; }

private:
    QString m_text;
    bool m_space = false;
    bool m_block = false;
};

struct Tag {
    QString name; // lower case
    bool end = false;
    int colspan = 1;
    int rowspan = 1;
};

// A span attribute as a browser reads it (leading digits), at least 1 and at most a table's size.
int spanValue(QStringView value, int most)
{
    value = value.trimmed();
    if (value.startsWith(u'+'))
        value = value.sliced(1);
    int span = 0;
    for (qsizetype k = 0; k < value.size() && value[k].isDigit() && span <= most; ++k)
        span = span * 10 + value[k].digitValue();
    return std::clamp(span, 1, most);
}

bool isBlockTag(const QString& name)
{
    static const QStringList blocks = {"p",  "div", "li",         "ul",    "ol", "dl",     "dt",
                                       "dd", "h1",  "h2",         "h3",    "h4", "h5",     "h6",
                                       "hr", "pre", "blockquote", "table", "tr", "address"};
    return blocks.contains(name);
}

class HtmlTableReader
{
public:
    CellBlock read(QStringView html)
    {
        const qsizetype n = html.size();
        qsizetype i = 0;
        while (i < n && !m_done) {
            if (html[i] != u'<') {
                qsizetype next = html.indexOf(u'<', i);
                if (next < 0)
                    next = n;
                addText(html.sliced(i, next - i));
                i = next;
                continue;
            }
            const QStringView rest = html.sliced(i);
            if (rest.startsWith(QLatin1String("<!--"))) {
                const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
                i = end < 0 ? n : end + 3;
            } else if (rest.startsWith(u"<!") || rest.startsWith(u"<?")) {
                const qsizetype end = html.indexOf(u'>', i);
                i = end < 0 ? n : end + 1;
            } else if (rest.size() > 1 && (isAsciiLetter(rest[1]) ||
                                           (rest[1] == u'/' && rest.size() > 2 && isAsciiLetter(rest[2])))) {
                Tag tag;
                i = readTag(html, i, tag);
                handle(tag);
                if (!tag.end && (tag.name == u"style" || tag.name == u"script" || tag.name == u"title")) {
                    const qsizetype end =
                        html.indexOf(QLatin1String("</") + tag.name, i, Qt::CaseInsensitive);
                    i = end < 0 ? n : end;
                }
            } else {
                addText(u"<");
                ++i;
            }
        }
        closeCell();
        return m_block.finish();
    }

private:
    // Reads the tag at `i` (a '<' and a letter, or "</" and a letter); returns where it ends. A tag
    // without its '>' runs to the end, as in a browser.
    static qsizetype readTag(QStringView html, qsizetype i, Tag& tag)
    {
        const qsizetype n = html.size();
        ++i;
        if (html[i] == u'/') {
            tag.end = true;
            ++i;
        }
        const qsizetype nameStart = i;
        while (i < n && !isHtmlSpace(html[i]) && html[i] != u'/' && html[i] != u'>')
            ++i;
        tag.name = html.sliced(nameStart, i - nameStart).toString().toLower();
        while (i < n && html[i] != u'>') {
            if (isHtmlSpace(html[i]) || html[i] == u'/') {
                ++i;
                continue;
            }
            const qsizetype attributeStart = i;
            while (i < n && !isHtmlSpace(html[i]) && html[i] != u'=' && html[i] != u'>' && html[i] != u'/')
                ++i;
            const QStringView attribute =
                html.sliced(attributeStart, std::max<qsizetype>(i - attributeStart, 1));
            while (i < n && isHtmlSpace(html[i]))
                ++i;
            if (i >= n || html[i] != u'=') {
                i = std::max(i, attributeStart + 1);
                continue;
            }
            ++i;
            while (i < n && isHtmlSpace(html[i]))
                ++i;
            QStringView value;
            if (i < n && (html[i] == u'"' || html[i] == u'\'')) {
                const qsizetype close = html.indexOf(html[i], i + 1);
                const qsizetype end = close < 0 ? n : close;
                value = html.sliced(i + 1, end - i - 1);
                i = close < 0 ? n : close + 1;
            } else {
                const qsizetype valueStart = i;
                while (i < n && !isHtmlSpace(html[i]) && html[i] != u'>')
                    ++i;
                value = html.sliced(valueStart, i - valueStart);
            }
            if (attribute.compare(QLatin1String("colspan"), Qt::CaseInsensitive) == 0)
                tag.colspan = spanValue(value, kMaxBlockColumns);
            else if (attribute.compare(QLatin1String("rowspan"), Qt::CaseInsensitive) == 0)
                tag.rowspan = spanValue(value, kMaxBlockRows);
        }
        return i < n ? i + 1 : n;
    }

    void handle(const Tag& tag)
    {
        const QString& name = tag.name;
        if (name == u"table") {
            if (!tag.end) {
                if (m_depth > 0 && m_cell)
                    m_cell->blockBreak();
                ++m_depth;
            } else if (m_depth == 1) {
                m_done = true;
            } else if (m_depth > 1) {
                --m_depth;
                if (m_cell)
                    m_cell->blockBreak();
            }
            return;
        }
        if (m_depth == 0)
            return;
        if (m_depth == 1 && name == u"caption") {
            closeCell(); // its text belongs to no cell
            return;
        }
        if (m_depth == 1 && name == u"tr") {
            closeCell();
            m_rowOpen = false;
            if (!tag.end)
                startRow();
            return;
        }
        if (m_depth == 1 && (name == u"td" || name == u"th")) {
            closeCell();
            if (!tag.end)
                openCell(tag);
            return;
        }
        if (!m_cell)
            return;
        if (name == u"br")
            m_cell->lineBreak();
        else if (name == u"td" || name == u"th")
            m_cell->add(u" ");
        else if (isBlockTag(name))
            m_cell->blockBreak();
    }

    void startRow()
    {
        ++m_row;
        m_column = 0;
        m_rowOpen = true;
        m_block.grow(m_row + 1, 0);
    }

    void openCell(const Tag& tag)
    {
        if (!m_rowOpen)
            startRow();
        // Columns still covered by a cell spanning down from a row above are passed over.
        while (m_column < m_coveredUntil.size() && m_coveredUntil[m_column] > m_row)
            ++m_column;
        const int end = m_column + tag.colspan;
        if (m_coveredUntil.size() < end)
            m_coveredUntil.resize(end, 0);
        for (int column = m_column; column < end; ++column)
            m_coveredUntil[column] = m_row + tag.rowspan;
        m_block.grow(m_row + 1, end);
        m_cellRow = m_row;
        m_cellColumn = m_column;
        m_column = end;
        // Text that no table could show is not collected.
        if (BlockBuilder::keeps(m_cellRow, m_cellColumn))
            m_cell.emplace();
    }

    void closeCell()
    {
        if (m_cell)
            m_block.set(m_cellRow, m_cellColumn, m_cell->finish());
        m_cell.reset();
    }

    void addText(QStringView text)
    {
        if (m_cell)
            m_cell->add(decodeEntities(text));
    }

    BlockBuilder m_block;
    QList<int> m_coveredUntil; // per column: the first row no longer covered by a row span
    std::optional<CellText> m_cell;
    int m_depth = 0;
    int m_row = -1;
    int m_column = 0;
    int m_cellRow = 0;
    int m_cellColumn = 0;
    bool m_rowOpen = false;
    bool m_done = false;
};

QString quotedForSpreadsheet(const QString& text)
{
    const bool quote =
        text.contains(u'\t') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r');
    if (!quote)
        return text;
    return u'"' + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
}

} // namespace

CellBlock ReadHtmlTable(const QString& html)
{
    return HtmlTableReader().read(html);
}

CellBlock ReadTabSeparated(const QString& text)
{
    return readDelimited(text, u'\t', false);
}

CellBlock ReadClipboardBlock(const QString& html, const QString& text)
{
    if (!html.isEmpty()) {
        CellBlock block = ReadHtmlTable(html);
        if (block.rows > 0)
            return block;
    }
    return ReadTabSeparated(text);
}

QString WriteTabSeparated(const QList<QStringList>& cells)
{
    QString out;
    for (const QStringList& row : cells) {
        for (qsizetype k = 0; k < row.size(); ++k) {
            if (k > 0)
                out += u'\t';
            out += quotedForSpreadsheet(row[k]);
        }
        out += QLatin1String("\r\n");
    }
    return out;
}

QString WriteHtmlTable(const QList<QStringList>& cells)
{
    QString out = QStringLiteral("<table>\n");
    for (const QStringList& row : cells) {
        out += QLatin1String("<tr>");
        for (const QString& text : row) {
            QString escaped = text.toHtmlEscaped();
            escaped.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\n', QLatin1String("<br>"));
            out += QLatin1String("<td>") + escaped + QLatin1String("</td>");
        }
        out += QLatin1String("</tr>\n");
    }
    return out + QLatin1String("</table>\n");
}

QString CellContentFromText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    const QString trimmed = text.trimmed();
    for (qsizetype k = 0; k < trimmed.size(); ++k) {
        const QChar c = trimmed[k];
        if (c == u'&')
            out += QLatin1String("&amp;");
        else if (c == u'<')
            out += QLatin1String("&lt;");
        else if (c == u'>')
            out += QLatin1String("&gt;");
        else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && k + 1 < trimmed.size() && trimmed[k + 1] == u'\n')
                ++k;
            out += QLatin1String("<br>");
        } else if (c.category() == QChar::Other_Control)
            out += u' ';
        else
            out += c;
    }
    return out;
}

QString CellTextFromContent(const QString& content)
{
    // The content read as the one cell of a table, as a browser lays out a cell.
    const CellBlock block =
        ReadHtmlTable(QLatin1String("<table><tr><td>") + content + QLatin1String("</td></tr></table>"));
    return block.rows > 0 && !block.cells.isEmpty() && !block.cells[0].isEmpty() ? block.cells[0][0]
                                                                                 : QString();
}

BlockFit FitBlock(int blockRows, int blockColumns, int focusRow, int focusColumn, int tableRows,
                  int tableColumns)
{
    const int lastRow = focusRow - 1 + blockRows;
    const int lastColumn = focusColumn - 1 + blockColumns;
    BlockFit fit;
    fit.rows = std::clamp(lastRow, tableRows, kMaxBlockRows);
    fit.columns = std::clamp(lastColumn, tableColumns, kMaxBlockColumns);
    fit.rowsLeftOut = std::max(0, lastRow - kMaxBlockRows);
    fit.columnsLeftOut = std::max(0, lastColumn - kMaxBlockColumns);
    return fit;
}

QString FitResultText(const BlockFit& fit)
{
    const QString rows =
        fit.rowsLeftOut == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(fit.rowsLeftOut);
    const QString columns = fit.columnsLeftOut == 1 ? QStringLiteral("1 column")
                                                    : QStringLiteral("%1 columns").arg(fit.columnsLeftOut);
    if (fit.rowsLeftOut > 0 && fit.columnsLeftOut > 0)
        return QStringLiteral("%1 and %2 did not fit.").arg(rows, columns);
    if (fit.rowsLeftOut > 0)
        return rows + QLatin1String(" did not fit.");
    if (fit.columnsLeftOut > 0)
        return columns + QLatin1String(" did not fit.");
    return {};
}

std::optional<QChar> SeparatorForDataName(const QString& path)
{
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return u',';
    if (path.endsWith(QLatin1String(".tsv"), Qt::CaseInsensitive))
        return u'\t';
    return std::nullopt;
}

QChar SeparatorCharacter(int code, bool utf8Data)
{
    if (utf8Data || code < 0x80)
        return QChar(code);
    return QString::fromStdString(fromWindows1252(std::string(1, static_cast<char>(code)))).at(0);
}

std::optional<CellBlock> ImportDelimitedFile(const QString& path, QChar separator, QString* problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (problem != nullptr)
            *problem = QString::fromStdString(textResultMessage(VELLUM62_INPUT_NOT_OPENED));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0')) {
        if (problem != nullptr)
            *problem = QStringLiteral(
                "Input file contains NUL bytes so appears to be binary not text. Nothing imported.");
        return std::nullopt;
    }
    QString text;
    if (fileReadsAsUtf8(QFile::encodeName(path).toStdString())) {
        text = QString::fromUtf8(bytes);
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
    } else {
        text = QString::fromStdString(fromWindows1252(bytes.toStdString()));
    }
    return readDelimited(text, SeparatorForDataName(path).value_or(separator), true);
}

} // namespace pagewright
