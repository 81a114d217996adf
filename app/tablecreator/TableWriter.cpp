#include "tablecreator/TableWriter.h"

#include "rules/ColorRoutines.h"
#include "rules/Windows1252.h"

#include <QFile>
#include <QFileInfo>

#include "page_files.h"
#include "page_style.h"

#include <algorithm>
#include <array>

namespace pagewright
{
namespace
{

constexpr char kLineEnd[] = "\r\n";

// ` name="value"`.
void Attribute(QByteArray& out, const char* name, const QString& value)
{
    out += ' ';
    out += name;
    out += "=\"";
    out += ToWindows1252(value);
    out += '"';
}

void Attribute(QByteArray& out, const char* name, int value, bool percent = false)
{
    Attribute(out, name, QString::number(value) + (percent ? QStringLiteral("%") : QString()));
}

struct RowUniformity {
    bool align = true;
    bool valign = true;
    bool background = true;
};

// Whether every cell of the row from the second column on, covered ones included, has the
// first cell's alignment, vertical alignment and background.
RowUniformity Uniformity(const TableModel& table, int row)
{
    RowUniformity u;
    const TableCell& first = table.Cell(row, 1);
    for (int c = 2; c <= table.NumCols(); ++c) {
        const TableCell& cell = table.Cell(row, c);
        u.align = u.align && cell.Align == first.Align;
        u.valign = u.valign && cell.VAlign == first.VAlign;
        u.background = u.background && cell.CellBackColor == first.CellBackColor;
    }
    return u;
}

QString AlignName(int index)
{
    return AlignNames().value(index, AlignNames().first());
}

QString VAlignName(int index)
{
    return VAlignNames().value(index, VAlignNames().first());
}

void WriteCell(QByteArray& out, const TableCell& cell, bool rowAttributes, const RowUniformity& u,
               const TableHtmlOptions& options)
{
    out += "<td";
    if (cell.RowSpan > 1)
        Attribute(out, "rowspan", cell.RowSpan);
    if (cell.ColSpan > 1)
        Attribute(out, "colspan", cell.ColSpan);
    if (cell.Width > 0)
        Attribute(out, "width", cell.Width, cell.WidthInPixels == 0);
    if (cell.Height > 0)
        Attribute(out, "height", cell.Height, cell.HeightInPixels == 0);
    if (cell.Align > 0 && !(rowAttributes && u.align))
        Attribute(out, "align", AlignName(cell.Align));
    if (cell.VAlign > 0 && !(rowAttributes && u.valign))
        Attribute(out, "valign", VAlignName(cell.VAlign));
    if (cell.CellBackColor != UnsetColor && !(rowAttributes && u.background))
        Attribute(out, "bgcolor", ColorToHex(cell.CellBackColor));
    out += '>';

    const bool fontGiven = !cell.FontSize.isEmpty() || !cell.FontFace.isEmpty();
    const bool color = (cell.HasOwnColors() || options.useTableColors) && !cell.Content.trimmed().isEmpty();
    const bool fontTag = fontGiven || color;
    if (fontTag) {
        out += "<font";
        if (color)
            Attribute(out, "color",
                      ColorToHex(cell.HasOwnColors() ? cell.CellTextColor : options.tableTextColor));
        if (!cell.FontFace.isEmpty())
            Attribute(out, "face", cell.FontFace);
        if (!cell.FontSize.isEmpty())
            Attribute(out, "size", cell.FontSize);
        out += '>';
    }
    out += cell.Content.isEmpty() ? QByteArray("&#160;") : ToWindows1252(cell.Content);
    if (fontTag)
        out += "</font>";
    out += "</td>";
    out += kLineEnd;
}

// --- The HTML5 page ------------------------------------------------------------------------------

// Text for an HTML5 page in UTF-8: the control characters and noncharacters that no HTML5 page
// may hold become U+FFFD, as in the library's pages.
QByteArray PageText(const QString& text)
{
    QList<uint> characters = text.toUcs4();
    for (uint& c : characters)
        if (isForbiddenInHtml5(c))
            c = QChar::ReplacementCharacter;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size()).toUtf8();
}

// A width or height as CSS: pixels or a percentage.
QString Length(int value, int16_t inPixels)
{
    return QString::number(value) + (inPixels != 0 ? QStringLiteral("px") : QStringLiteral("%"));
}

// The font size of <font size> as the keyword browsers give it: 1 to 7, or +N and -N from 3, held
// to 1 to 7 (x-small to xxx-large). Empty for a size without digits ("+", "-").
QString FontSizeCss(const QString& size)
{
    static const std::array<const char*, 7> keywords{"x-small", "small",    "medium",   "large",
                                                     "x-large", "xx-large", "xxx-large"};
    const QString t = size.trimmed();
    const bool plus = t.startsWith(QLatin1Char('+')), minus = t.startsWith(QLatin1Char('-'));
    const QString digits = plus || minus ? t.mid(1) : t;
    if (digits.isEmpty())
        return {};
    const int n = digits.size() > 3 ? 999 : digits.toInt();
    const int value = std::clamp(plus ? 3 + n : minus ? 3 - n : n, 1, 7);
    return QString::fromLatin1(keywords[value - 1]);
}

// The faces of <font face> ("Arial, Helvetica") as a CSS font-family: each name quoted, the
// generic families as keywords.
QString FontFamilyCss(const QString& faces)
{
    static const QStringList generic{"serif", "sans-serif", "monospace", "cursive", "fantasy", "system-ui"};
    QStringList names;
    for (QString name : faces.split(QLatin1Char(','))) {
        name = name.trimmed();
        if (name.isEmpty())
            continue;
        if (generic.contains(name, Qt::CaseInsensitive)) {
            names << name.toLower();
            continue;
        }
        QString quoted = QStringLiteral("'");
        for (const QChar c : name) {
            if (c == QLatin1Char('\\') || c == QLatin1Char('\''))
                quoted += QLatin1Char('\\');
            quoted += c.unicode() < 0x20 ? QChar(QLatin1Char(' ')) : c;
        }
        names << quoted + QLatin1Char('\'');
    }
    return names.join(QLatin1Char(','));
}

// The table's options as the stylesheet's values.
StyleValues TableStyleValues(const TableHtmlOptions& options)
{
    StyleValues values;
    const TableProperties& p = options.properties;
    if (p.width > 0)
        values.set("width", Length(p.width, p.widthInPixels).toStdString());
    if (p.border >= 0) {
        values.setPixels("border", p.border);
        if (p.border > 0)
            values.setPixels("cell-border", 1);
    }
    if (p.cellPadding >= 0)
        values.setPixels("padding", p.cellPadding);
    if (p.cellSpacing >= 0)
        values.setPixels("spacing", p.cellSpacing);
    if (options.useTableColors) {
        values.setColor("table-background", ColorToHex(options.tableBackColor).toStdString());
        values.setColor("cell-text", ColorToHex(options.tableTextColor).toStdString());
    }
    return values;
}

// The cell's looks as CSS declarations.
QString CellStyle(const TableCell& cell)
{
    QStringList css;
    if (cell.Align > 0)
        css << QStringLiteral("text-align:") + AlignName(cell.Align);
    if (cell.VAlign > 0)
        css << QStringLiteral("vertical-align:") + VAlignName(cell.VAlign);
    if (cell.Width > 0)
        css << QStringLiteral("width:") + Length(cell.Width, cell.WidthInPixels);
    if (cell.Height > 0)
        css << QStringLiteral("height:") + Length(cell.Height, cell.HeightInPixels);
    if (cell.CellBackColor != UnsetColor)
        css << QStringLiteral("background-color:") + ColorToHex(cell.CellBackColor);
    if (cell.HasOwnColors())
        css << QStringLiteral("color:") + ColorToHex(cell.CellTextColor);
    if (const QString family = FontFamilyCss(cell.FontFace); !family.isEmpty())
        css << QStringLiteral("font-family:") + family;
    if (const QString size = FontSizeCss(cell.FontSize); !size.isEmpty())
        css << QStringLiteral("font-size:") + size;
    return css.join(QLatin1Char(';'));
}

QByteArray Html5Start(const TableModel& table, const TableHtmlOptions& options)
{
    const Html5Frame frame{std::string_view(options.lang.constData(), options.lang.size()), {}};
    const StyleValues values = TableStyleValues(options);
    std::string out;
    if (options.wrapper) {
        out += html5PageStart(frame);
        out += QStringLiteral("Table of %1 rows and %2 columns.")
                   .arg(table.NumRows())
                   .arg(table.NumCols())
                   .toStdString();
        out += html5HeadEnd(frame, values);
    }
    out += options.center ? "<table class=\"pw-table pw-center\"" : "<table class=\"pw-table\"";
    // Without the page, its values go with the table, for the page it is pasted into.
    if (!options.wrapper && !values.empty())
        out += " style=\"" + attributeText(values.declarations()) + '"';
    out += ">\n";
    return QByteArray::fromStdString(out);
}

QByteArray Html5Rows(const TableModel& table, const TableHtmlOptions& options)
{
    // The rows and columns in which some cell begins; a span counts only those.
    std::array<bool, MaxRows + 1> rowUsed{};
    std::array<bool, MaxCols + 1> colUsed{};
    for (int r = 1; r <= table.NumRows(); ++r) {
        for (int c = 1; c <= table.NumCols(); ++c) {
            if (!table.Cell(r, c).IsCovered())
                rowUsed[r] = colUsed[c] = true;
        }
    }
    const auto used = [](const auto& flags, int from, int span) {
        return int(std::count(flags.begin() + from, flags.begin() + from + span, true));
    };
    QByteArray out;
    out.reserve(48 * table.NumRows() * table.NumCols() + 64);
    for (int r = 1; r <= table.NumRows(); ++r) {
        if (!rowUsed[r])
            continue;
        out += "<tr>\n";
        for (int c = 1; c <= table.NumCols(); ++c) {
            const TableCell& cell = table.Cell(r, c);
            if (cell.IsCovered())
                continue;
            out += "<td";
            if (const int rows = used(rowUsed, r, cell.RowSpan); rows > 1)
                Attribute(out, "rowspan", rows);
            if (const int cols = used(colUsed, c, cell.ColSpan); cols > 1)
                Attribute(out, "colspan", cols);
            if (const QString style = CellStyle(cell); !style.isEmpty())
                out += " style=\"" + QByteArray::fromStdString(attributeText(PageText(style).toStdString())) +
                       '"';
            out += '>';
            out += PageText(cell.Content);
            out += "</td>\n";
        }
        out += "</tr>\n";
    }
    out += "</table>\n";
    if (options.wrapper)
        out += kHtml5PageEnd.data();
    return out;
}

} // namespace

TableHtmlOptions HtmlOptionsOf(const TableDocument& d)
{
    return {.wrapper = d.wrapper,
            .center = d.center,
            .useTableColors = d.useTableColors,
            .tableTextColor = d.textColor,
            .tableBackColor = d.backColor,
            .properties = d.properties};
}

QByteArray TableHtmlStart(const TableModel& table, const TableHtmlOptions& options)
{
    if (options.html5)
        return Html5Start(table, options);
    QByteArray out;
    if (options.wrapper) {
        // The page declares its encoding, so that a browser does not take it for UTF-8.
        out += "<html>\r\n<head>\r\n"
               "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n";
        out += QStringLiteral("<title>Table of %1 rows and %2 columns.</title>")
                   .arg(table.NumRows())
                   .arg(table.NumCols())
                   .toLatin1();
        out += "\r\n</head>\r\n<body>\r\n\r\n";
    }
    if (options.center)
        out += "<center>\r\n";
    const TableProperties& p = options.properties;
    out += "<table";
    if (p.width > 0)
        Attribute(out, "width", p.width, p.widthInPixels == 0);
    if (p.border >= 0)
        Attribute(out, "border", p.border);
    if (p.cellPadding >= 0)
        Attribute(out, "cellpadding", p.cellPadding);
    if (p.cellSpacing >= 0)
        Attribute(out, "cellspacing", p.cellSpacing);
    if (options.useTableColors)
        Attribute(out, "bgcolor", ColorToHex(options.tableBackColor));
    out += '>';
    out += kLineEnd;
    return out;
}

QByteArray TableHtmlRows(const TableModel& table, const TableHtmlOptions& options)
{
    if (options.html5)
        return Html5Rows(table, options);
    QByteArray out;
    out.reserve(64 * table.NumRows() * table.NumCols() + 64);
    const bool rowAttributes = table.NumCols() > 1;
    for (int r = 1; r <= table.NumRows(); ++r) {
        out += "<tr";
        const RowUniformity u = Uniformity(table, r);
        if (rowAttributes) {
            const TableCell& first = table.Cell(r, 1);
            if (u.align && first.Align > 0)
                Attribute(out, "align", AlignName(first.Align));
            if (u.valign && first.VAlign > 0)
                Attribute(out, "valign", VAlignName(first.VAlign));
            if (u.background && first.CellBackColor != UnsetColor)
                Attribute(out, "bgcolor", ColorToHex(first.CellBackColor));
        }
        out += '>';
        out += kLineEnd;
        for (int c = 1; c <= table.NumCols(); ++c) {
            const TableCell& cell = table.Cell(r, c);
            if (cell.RowSpan > 0)
                WriteCell(out, cell, rowAttributes, u, options);
        }
        out += "</tr>";
        out += kLineEnd;
    }
    out += "</table>\r\n";
    if (options.center)
        out += "</center>\r\n";
    out += kLineEnd;
    if (options.wrapper)
        out += "</body>\r\n</html>\r\n\r\n";
    return out;
}

RunResult WriteTableHtml(const QString& path, const TableModel& table, const TableHtmlOptions& options)
{
    // The page is made beside the output and takes its place only when every byte is written, so
    // a failed write leaves the page that was there.
    PageOutput page(QFile::encodeName(path).toStdString(), "table.htm");
    int step = 2;
    if (!page.prepare()) {
        QFile file(QFile::decodeName(QByteArray::fromStdString(page.pagePath())));
        if (file.open(QIODevice::WriteOnly)) {
            step = 3;
            const QByteArray start = TableHtmlStart(table, options);
            if (file.write(start) == start.size()) {
                step = 4;
                const QByteArray rows = TableHtmlRows(table, options);
                if (file.write(rows) == rows.size() && file.flush()) {
                    file.close();
                    if (!page.commit())
                        step = 0;
                }
            }
        }
    }
    if (step == 0)
        return {QStringLiteral("HTML for table written."), true, true};
    const QFileInfo written(path);
    if (!written.exists() || written.size() == 0)
        return {QStringLiteral("Failure: Nothing written"), false};
    return {QStringLiteral("Failure: Error #%1").arg(step), false};
}

} // namespace pagewright
