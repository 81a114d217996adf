#include "tablecreator/TableWriter.h"

#include "rules/ColorRoutines.h"
#include "rules/Windows1252.h"

#include <QFile>
#include <QFileInfo>

#include "page_files.h"

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

} // namespace

TableHtmlOptions HtmlOptionsOf(const TableDocument& d)
{
    return {d.wrapper, d.center, d.useTableColors, d.textColor, d.backColor, d.properties};
}

QByteArray TableHtmlStart(const TableModel& table, const TableHtmlOptions& options)
{
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
