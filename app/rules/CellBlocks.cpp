#include "rules/CellBlocks.h"

#include "text_encoding.h"

#include <QFile>

#include <algorithm>

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

// Spreadsheet text (`dataFile` false) keeps every line as a row and every character of a field;
// a data file is read as Data to Table reads it: lines empty once trimmed are skipped, and blanks
// before a field and after its content are dropped.
CellBlock readDelimited(QStringView text, QChar separator, bool dataFile)
{
    const auto isBlank = [&](QChar c) { return (c == u' ' || c == u'\t') && c != separator; };
    BlockBuilder block;
    const qsizetype n = text.size();
    qsizetype i = 0;
    int row = 0;
    while (i < n) {
        if (dataFile) {
            qsizetype first = i;
            while (first < n && (isBlank(text[first]) || text[first] == u'\f'))
                ++first;
            if (first == n || isLineEnd(text[first])) {
                i = first + (first + 1 < n && text[first] == u'\r' && text[first + 1] == u'\n' ? 2 : 1);
                continue;
            }
        }
        for (int column = 0;; ++column) {
            QString field;
            if (dataFile)
                while (i < n && isBlank(text[i]))
                    ++i;
            if (i < n && text[i] == u'"') {
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
            const qsizetype start = i;
            while (i < n && text[i] != separator && !isLineEnd(text[i]))
                ++i;
            QStringView rest = text.sliced(start, i - start);
            if (dataFile)
                while (!rest.isEmpty() && (rest.back() == u' ' || rest.back() == u'\t'))
                    rest.chop(1);
            field += rest;
            block.set(row, column, field);
            if (i < n && text[i] == separator) {
                ++i;
                continue;
            }
            break;
        }
        if (i < n)
            i += text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n' ? 2 : 1;
        ++row;
    }
    return block.finish();
}

QString quotedForSpreadsheet(const QString& text)
{
    const bool quote =
        text.contains(u'\t') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r');
    if (!quote)
        return text;
    return u'"' + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
}

} // namespace

CellBlock ReadTabSeparated(const QString& text)
{
    return readDelimited(text, u'\t', false);
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

std::optional<CellBlock> ImportDelimitedFile(const QString& path, QChar separator)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    QString text;
    if (fileReadsAsUtf8(QFile::encodeName(path).toStdString())) {
        text = QString::fromUtf8(bytes);
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
    } else {
        text = QString::fromStdString(fromWindows1252(bytes.toStdString()));
    }
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        separator = u',';
    else if (path.endsWith(QLatin1String(".tsv"), Qt::CaseInsensitive))
        separator = u'\t';
    return readDelimited(text, separator, true);
}

} // namespace pagewright
