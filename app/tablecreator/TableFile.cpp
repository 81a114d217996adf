#include "tablecreator/TableFile.h"

#include "rules/FileRules.h"
#include "rules/Windows1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace pagewright
{
namespace
{

constexpr char kQuoteStandIn = char(0xFD); // the character 253
constexpr int32_t kMaxColor = 0xFFFFFF;

// Each number as a sign place (blank or "-"), its digits and one blank.
QByteArray NumberLine(std::initializer_list<qint64> numbers)
{
    QByteArray line;
    for (qint64 n : numbers) {
        line += n < 0 ? '-' : ' ';
        line += QByteArray::number(n < 0 ? -n : n);
        line += ' ';
    }
    return line + "\r\n";
}

// A text as Windows-1252 between double quotes, its double quotes written as the character
// 253. A character 253 of the text itself is written "&#253;", so it does not come back as a
// double quote (the texts are HTML, where both mean the same).
QByteArray QuotedLine(QString text)
{
    text.replace(QChar(0xFD), QStringLiteral("&#253;"));
    QByteArray bytes = ToWindows1252(text);
    bytes.replace('"', kQuoteStandIn);
    return '"' + bytes + "\"\r\n";
}

// A quoted text read back: the character 253 becomes a double quote again, and a character
// reference that QuotedLine may have written (for 253 or a character Windows-1252 lacks)
// becomes its character.
QString FromQuoted(QByteArray bytes)
{
    bytes.replace(kQuoteStandIn, '"');
    QString text = FromWindows1252(bytes);
    static const QRegularExpression reference(QStringLiteral("&#(\\d{1,7});"));
    QString out;
    qsizetype last = 0;
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const char32_t code = m.captured(1).toUInt();
        const QString character = QString::fromUcs4(&code, 1);
        const bool written = code == 0xFD || (code > 0xFF && code <= 0x10FFFF && !QChar::isSurrogate(code) &&
                                              ToWindows1252(character).startsWith("&#"));
        if (!written)
            continue;
        out += QStringView(text).mid(last, m.capturedStart() - last);
        out += character;
        last = m.capturedEnd();
    }
    if (last == 0)
        return text;
    out += QStringView(text).mid(last);
    return out;
}

// Reads the fields of a table file one after the other.
class FieldReader
{
public:
    explicit FieldReader(const QByteArray& bytes) : m_d(bytes) {}

    // A whole number; blanks, commas and line ends before it are skipped.
    std::optional<qint64> number()
    {
        while (m_i < m_d.size() && IsSeparator(m_d[m_i]))
            ++m_i;
        const qsizetype start = m_i;
        if (m_i < m_d.size() && (m_d[m_i] == '-' || m_d[m_i] == '+'))
            ++m_i;
        const qsizetype digits = m_i;
        while (m_i < m_d.size() && m_d[m_i] >= '0' && m_d[m_i] <= '9')
            ++m_i;
        if (m_i == digits || m_i - digits > 10 || (m_i < m_d.size() && !IsSeparator(m_d[m_i])))
            return std::nullopt;
        const qint64 value = m_d.mid(start, m_i - start).toLongLong();
        endField();
        return value;
    }

    // A text field: from a double quote to the next one on the same line, or up to the next
    // comma or line end without surrounding blanks.
    std::optional<QByteArray> text()
    {
        skipBlanks();
        if (m_i >= m_d.size())
            return std::nullopt;
        QByteArray value;
        if (m_d[m_i] == '"') {
            const qsizetype close = m_d.indexOf('"', m_i + 1);
            const qsizetype lineEnd = LineEnd(m_i);
            if (close < 0 || close > lineEnd)
                return std::nullopt;
            value = m_d.mid(m_i + 1, close - m_i - 1);
            m_i = close + 1;
            skipBlanks();
            if (m_i < m_d.size() && m_d[m_i] != ',' && m_d[m_i] != '\r' && m_d[m_i] != '\n')
                return std::nullopt;
        } else {
            qsizetype end = m_i;
            while (end < m_d.size() && m_d[end] != ',' && m_d[end] != '\r' && m_d[end] != '\n')
                ++end;
            value = m_d.mid(m_i, end - m_i).trimmed();
            m_i = end;
        }
        endField();
        return value;
    }

    // The rest of the line, whole; nothing at the end of the file.
    std::optional<QByteArray> line()
    {
        if (m_i >= m_d.size())
            return std::nullopt;
        const qsizetype end = LineEnd(m_i);
        const QByteArray value = m_d.mid(m_i, end - m_i);
        m_i = end;
        skipLineEnd();
        return value;
    }

    // Nothing but line ends and blanks is left.
    bool atEnd() const { return m_d.mid(m_i).trimmed().isEmpty(); }

private:
    static bool IsSeparator(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n'; }
    qsizetype LineEnd(qsizetype from) const
    {
        qsizetype end = from;
        while (end < m_d.size() && m_d[end] != '\r' && m_d[end] != '\n')
            ++end;
        return end;
    }
    void skipBlanks()
    {
        while (m_i < m_d.size() && (m_d[m_i] == ' ' || m_d[m_i] == '\t'))
            ++m_i;
    }
    void skipLineEnd()
    {
        if (m_i < m_d.size() && m_d[m_i] == '\r')
            ++m_i;
        if (m_i < m_d.size() && m_d[m_i] == '\n')
            ++m_i;
    }
    // After a field: blanks, then one comma or one line end.
    void endField()
    {
        skipBlanks();
        if (m_i < m_d.size() && m_d[m_i] == ',')
            ++m_i;
        else
            skipLineEnd();
    }

    const QByteArray& m_d;
    qsizetype m_i = 0;
};

// Reads numbers into the targets while every one lies in [low, high].
class NumberFields
{
public:
    explicit NumberFields(FieldReader& reader) : m_reader(reader) {}
    template <typename T> NumberFields& operator()(T& target, qint64 low, qint64 high)
    {
        const std::optional<qint64> n = m_ok ? m_reader.number() : std::nullopt;
        m_ok = n && *n >= low && *n <= high;
        if (m_ok)
            target = static_cast<T>(*n);
        return *this;
    }
    NumberFields& flag(bool& target)
    {
        int value = 0;
        (*this)(value, 0, 1);
        target = value == 1;
        return *this;
    }
    NumberFields& color(int32_t& target, bool unsetAllowed)
    {
        const std::optional<qint64> n = m_ok ? m_reader.number() : std::nullopt;
        m_ok = n && ((*n >= 0 && *n <= kMaxColor) || (unsetAllowed && *n == UnsetColor));
        if (m_ok)
            target = static_cast<int32_t>(*n);
        return *this;
    }
    bool ok() const { return m_ok; }

private:
    FieldReader& m_reader;
    bool m_ok = true;
};

constexpr qint64 kInt16Max = 32767;

} // namespace

QString TableFileName(const QString& name)
{
    return HasNoExtension(name) ? name + QStringLiteral(".tbl") : name;
}

QByteArray TableFileBytes(const TableDocument& d)
{
    const TableModel& t = d.table;
    QByteArray out;
    out.reserve(120 * t.NumRows() * t.NumCols() + 200);
    out += NumberLine({d.wrapper, d.center, d.placeMarkers});
    out += NumberLine({t.NumRows(), t.NumCols()});
    const TableProperties& p = d.properties;
    out += NumberLine({p.width, p.widthInPixels, p.border, p.cellPadding, p.cellSpacing});
    out += NumberLine({d.useTableColors, d.textColor, d.backColor});
    for (int r = 1; r <= t.NumRows(); ++r) {
        for (int c = 1; c <= t.NumCols(); ++c) {
            const TableCell& cell = t.Cell(r, c);
            out += NumberLine({cell.RowSpan, cell.ColSpan});
            out += NumberLine({cell.CellTextColor, cell.CellBackColor});
            out += NumberLine({cell.OwnerRow, cell.OwnerCol});
            out += NumberLine(
                {cell.Align, cell.VAlign, cell.Width, cell.WidthInPixels, cell.Height, cell.HeightInPixels});
            out += QuotedLine(cell.Content);
            out += QuotedLine(cell.FontFace);
            out += ToWindows1252(cell.FontSize) + "\r\n";
        }
    }
    out += QFile::encodeName(d.outputFile) + "\r\n";
    return out;
}

bool SaveTable(const QString& path, const TableDocument& document, QString* error)
{
    const QByteArray bytes = TableFileBytes(document);
    // Unbuffered, so that a short write (a full disk) is seen here and not lost in a flush.
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size();
    if (ok)
        ok = file.commit();
    else
        file.cancelWriting();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

std::optional<TableDocument> ParseTableFile(const QByteArray& bytes)
{
    FieldReader reader(bytes);
    TableDocument d;
    int rows = 0, cols = 0;
    TableProperties& p = d.properties;
    NumberFields n(reader);
    n.flag(d.wrapper).flag(d.center).flag(d.placeMarkers);
    n(rows, 1, MaxRows)(cols, 1, MaxCols);
    n(p.width, -1, kInt16Max)(p.widthInPixels, 0, 1)(p.border, -1, kInt16Max)(p.cellPadding, -1, kInt16Max);
    n(p.cellSpacing, -1, kInt16Max);
    n.flag(d.useTableColors).color(d.textColor, false).color(d.backColor, false);
    if (!n.ok())
        return std::nullopt;
    d.table.SetCountsUnchecked(rows, cols);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            TableCell& cell = d.table.RawCell(r, c);
            n(cell.RowSpan, 0, MaxRows)(cell.ColSpan, 0, MaxCols);
            n.color(cell.CellTextColor, true).color(cell.CellBackColor, true);
            n(cell.OwnerRow, 1, MaxRows)(cell.OwnerCol, 1, MaxCols);
            n(cell.Align, 0, 3)(cell.VAlign, 0, 3)(cell.Width, -1, kInt16Max)(cell.WidthInPixels, 0, 1);
            n(cell.Height, -1, kInt16Max)(cell.HeightInPixels, 0, 1);
            if (!n.ok())
                return std::nullopt;
            const auto content = reader.text();
            const auto face = reader.text();
            const auto size = reader.text();
            if (!content || !face || !size)
                return std::nullopt;
            cell.Content = FromQuoted(*content);
            cell.FontFace = FromQuoted(*face);
            cell.FontSize = FromWindows1252(*size);
        }
    }
    const auto output = reader.line();
    if (!output || !reader.atEnd() || !d.table.InvariantProblem().isEmpty())
        return std::nullopt;
    d.outputFile = QFile::decodeName(*output);
    return d;
}

std::optional<TableDocument> LoadTable(const QString& path)
{
    QFile file(path);
    // A table file of 20 x 20 cells holds far less than this; a larger file is not one.
    constexpr qint64 kLargest = 64 * 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargest)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return ParseTableFile(bytes);
}

} // namespace pagewright
