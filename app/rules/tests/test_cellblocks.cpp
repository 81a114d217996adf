#include "rules/CellBlocks.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

// Failures show texts, not bytes.
static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

using namespace pagewright;

namespace
{

using Rows = QList<QStringList>;

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

} // namespace

TEST(HtmlTable, ReadsATableAsABrowserCopiesIt)
{
    const QString html =
        QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\r\n<!--StartFragment-->"
                       "<table class=\"data\" data-note='1 > 0'>\n  <thead><tr><th "
                       "title=\"a>b\">Name</th><th>Price</th></tr></thead>\n"
                       "  <tbody>\n    <tr>\n      <td>Tea</td>\n      <td>  1.50\n  </td>\n    </tr>\n"
                       "    <tr><td>Coffee &amp; cake</td><td>3.20</td></tr>\n  </tbody>\n</table>"
                       "<!--EndFragment-->\r\n</body></html>");
    const CellBlock block = ReadHtmlTable(html);
    EXPECT_EQ(block.cells, (Rows{{"Name", "Price"}, {"Tea", "1.50"}, {"Coffee & cake", "3.20"}}));
    EXPECT_EQ(block.rows, 3);
    EXPECT_EQ(block.columns, 2);
}

TEST(HtmlTable, SpansEntitiesAndNestedTagsAsShown)
{
    // As a spreadsheet puts a range on the clipboard: a style block, spans, styled runs, comments.
    const QString html = QString::fromUtf8(
        "<style><!--td {mso-number-format:\"<b>\";} .x1 {color:red}--></style>"
        "<table border=0><col width=64><caption>Not a cell</caption>"
        "<tr><td colspan='2' class=x1>Q1 &lt;draft&gt;</td><td rowspan=\"2\">Total</td></tr>"
        "<tr><td><span style=\"font-weight:700\">North</span><!-- a <td> in a comment --></td>"
        "<td>&#8364;&#x20ac; &euro;&#150;&nbsp;&eacute;&bogus; &amp &copy2024 &#0;</td></tr>"
        "<tr><td>two<br>lines</td><td><p>first</p><p>second</p></td><td>a <b>bold</b>\n\t word<br/></td></tr>"
        "<tr><td>out<table><tr><td>in 1</td><td>in 2</td></tr></table>after</td></tr>"
        "</table><table><tr><td>second table</td></tr></table>");
    const CellBlock block = ReadHtmlTable(html);
    EXPECT_EQ(
        block.cells,
        (Rows{{"Q1 <draft>", "", "Total"},
              {"North",
               QString::fromUtf8("\xE2\x82\xAC\xE2\x82\xAC \xE2\x82\xAC\xE2\x80\x93\xC2\xA0\xC3\xA9&bogus; "
                                 "& \xC2\xA9"
                                 "2024 \xEF\xBF\xBD"),
               ""},
              {"two\nlines", "first\nsecond", "a bold word"},
              {"out\nin 1 in 2\nafter", "", ""}}))
        << "the row span covers column 3 of row 2, so North and the euros stay in columns 1 and 2";
}

TEST(HtmlTable, SpansShapeTheBlock)
{
    const CellBlock block = ReadHtmlTable(
        QStringLiteral("<table><tr><td rowspan=2 "
                       "colspan=2>A</td><td>B</td></tr><tr><td>C</td></tr><tr><td>D<td>E<td>F</table>"));
    EXPECT_EQ(block.cells, (Rows{{"A", "", "B"}, {"", "", "C"}, {"D", "E", "F"}}))
        << "cells and rows without their end tags close at the next one";
}

TEST(HtmlTable, HostileInputStaysWithinTheTable)
{
    CellBlock block =
        ReadHtmlTable(QStringLiteral("<table><tr><td colspan=99999999999>wide</td><td>x</td></tr>"));
    EXPECT_EQ(block.columns, 21) << "a span is at most a whole table wide";
    EXPECT_EQ(block.cells.size(), 1);
    EXPECT_EQ(block.cells[0].size(), 20);
    EXPECT_EQ(block.cells[0][0], "wide");

    block = ReadHtmlTable(QStringLiteral("<table><tr><td>cut <b class=\"open"));
    EXPECT_EQ(block.cells, (Rows{{"cut"}})) << "an unclosed tag runs to the end";
    block = ReadHtmlTable(QStringLiteral("<table><tr><td>a</td><!-- never closed <td>b</td></tr></table>"));
    EXPECT_EQ(block.cells, (Rows{{"a"}}));
    block = ReadHtmlTable(
        QStringLiteral("<table><tr><td>1 < 2 <3</td><td>&#x110000;&#99999999999;</td></tr></table>"));
    EXPECT_EQ(block.cells, (Rows{{"1 < 2 <3", QString::fromUtf8("\xEF\xBF\xBD\xEF\xBF\xBD")}}));
    EXPECT_EQ(ReadHtmlTable(QStringLiteral("<p>no table</p>")).rows, 0);
    EXPECT_EQ(ReadHtmlTable(QStringLiteral("<table></table>")).rows, 0);

    // A long paste is read once through; only what can ever fit is kept.
    QString many = QStringLiteral("<table>");
    for (int row = 0; row < 50000; ++row)
        many += QStringLiteral("<tr><td>r%1</td><td rowspan=3>s</td><td>t</td></tr>").arg(row);
    block = ReadHtmlTable(many + QStringLiteral("</table>"));
    EXPECT_EQ(block.rows, 50000);
    EXPECT_EQ(block.cells.size(), 20);
    EXPECT_EQ(block.cells[19][0], "r19");
}

TEST(TabSeparated, ReadsSpreadsheetText)
{
    const CellBlock block =
        ReadTabSeparated(QStringLiteral("Item\tNote\r\n\"a\tb\"\t\"say \"\"hi\"\"\"\r\n\"two\r\nlines\"\t  "
                                        "spaced  \r\n\r\nlast\t\"x\"y\r\n"));
    EXPECT_EQ(block.cells, (Rows{{"Item", "Note"},
                                 {"a\tb", "say \"hi\""},
                                 {"two\nlines", "  spaced  "},
                                 {"", ""},
                                 {"last", "xy"}}))
        << "an empty line is an empty row, and the final line end starts none";
    EXPECT_EQ(ReadTabSeparated(QStringLiteral("a\nb")).cells, (Rows{{"a"}, {"b"}}));
    EXPECT_EQ(ReadTabSeparated(QString()).rows, 0);
    EXPECT_EQ(ReadTabSeparated(QStringLiteral("\"never closed\tb\nc")).cells, (Rows{{"never closed\tb\nc"}}));
}

TEST(TabSeparated, ClipboardPrefersATable)
{
    EXPECT_EQ(ReadClipboardBlock(QStringLiteral("<table><tr><td>html</td></tr></table>"), "text").cells,
              (Rows{{"html"}}));
    EXPECT_EQ(ReadClipboardBlock(QStringLiteral("<b>bold</b>"), "text\tonly").cells,
              (Rows{{"text", "only"}}));
    EXPECT_EQ(ReadClipboardBlock(QString(), "text").cells, (Rows{{"text"}}));
}

TEST(CopyText, WritesWhatReadsBack)
{
    const Rows block = {{"plain", "a\tb", "say \"hi\""},
                        {"two\nlines", "", "<b> & </b>"},
                        {"\"quoted\"", "x", ""},
                        {"", "", ""}};
    const QString text = WriteTabSeparated(block);
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("plain\t\"a\tb\"\t\"say \"\"hi\"\"\"\r\n\"two\nlines\"\t\t<b> & </b>\r\n")));
    EXPECT_EQ(ReadTabSeparated(text).cells, block);

    const QString html = WriteHtmlTable(block);
    EXPECT_TRUE(html.contains(
        QStringLiteral("<tr><td>two<br>lines</td><td></td><td>&lt;b&gt; &amp; &lt;/b&gt;</td></tr>")))
        << html.toStdString();
    Rows shown = block;
    shown[0][1] = "a b";
    EXPECT_EQ(ReadHtmlTable(html).cells, shown) << "HTML shows a tab as a space; the text keeps it";
}

// A pasted text shows on the page as it was; a cell's content copies as the browser shows it.
TEST(CellContent, PlainTextInAndShownTextOut)
{
    const QString text = QStringLiteral(" 1 < 2 && <b>x</b>\r\nnext\tline\x01\nlast ");
    const QString content = CellContentFromText(text);
    EXPECT_EQ(content, "1 &lt; 2 &amp;&amp; &lt;b&gt;x&lt;/b&gt;<br>next line <br>last");
    EXPECT_EQ(CellTextFromContent(content), "1 < 2 && <b>x</b>\nnext line\nlast");
    EXPECT_EQ(CellTextFromContent("<i>Tea</i>  &amp;<p>cake&nbsp;&#233;"),
              QString::fromUtf8("Tea &\ncake\xC2\xA0\xC3\xA9"));
    EXPECT_EQ(CellTextFromContent(""), "");
}

TEST(Fit, GrowsTheTableAndCountsWhatFellOff)
{
    struct Case {
        int blockRows, blockColumns, focusRow, focusColumn, tableRows, tableColumns;
        BlockFit fit;
        const char* text;
    };
    const Case cases[] = {
        {2, 2, 1, 1, 5, 5, {5, 5, 0, 0}, ""},
        {3, 4, 4, 3, 5, 5, {6, 6, 0, 0}, ""},
        {5, 4, 19, 20, 20, 20, {20, 20, 3, 3}, "3 rows and 3 columns did not fit."},
        {1, 3, 20, 19, 3, 3, {20, 20, 0, 1}, "1 column did not fit."},
        {23, 1, 1, 1, 4, 4, {20, 4, 3, 0}, "3 rows did not fit."},
        {2, 2, 20, 20, 20, 20, {20, 20, 1, 1}, "1 row and 1 column did not fit."},
    };
    for (const Case& c : cases) {
        const BlockFit fit =
            FitBlock(c.blockRows, c.blockColumns, c.focusRow, c.focusColumn, c.tableRows, c.tableColumns);
        EXPECT_EQ(fit.rows, c.fit.rows) << c.text;
        EXPECT_EQ(fit.columns, c.fit.columns) << c.text;
        EXPECT_EQ(fit.rowsLeftOut, c.fit.rowsLeftOut) << c.text;
        EXPECT_EQ(fit.columnsLeftOut, c.fit.columnsLeftOut) << c.text;
        EXPECT_EQ(FitResultText(fit), QString::fromUtf8(c.text));
    }
}

TEST(Import, ReadsDataFilesAsDataToTable)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString utf8 = writeFile(dir, "prices.CSV",
                                   "\xEF\xBB\xBFName, Note ,Price\n"
                                   "Caf\xC3\xA9,\"over\r\ntwo lines, with \"\"quotes\"\"\",\xE2\x82\xAC"
                                   "3\r\n"
                                   "   \r\n"
                                   "  \"Tea\"  ,,1.5\n");
    std::optional<CellBlock> block = ImportDelimitedFile(utf8, u';');
    ASSERT_TRUE(block);
    EXPECT_EQ(block->cells, (Rows{{"Name", "Note", "Price"},
                                  {QString::fromUtf8("Caf\xC3\xA9"), "over\ntwo lines, with \"quotes\"",
                                   QString::fromUtf8("\xE2\x82\xAC"
                                                     "3")},
                                  {"Tea", "", "1.5"}}))
        << "blank lines are skipped, blanks around fields dropped";

    const QString cp1252 = writeFile(dir, "old.txt", "Caf\xE9;\"\x93quoted\x94;\nline\"\r\n\x80;x\r\n");
    block = ImportDelimitedFile(cp1252, u';');
    ASSERT_TRUE(block);
    EXPECT_EQ(block->cells, (Rows{{QString::fromUtf8("Caf\xC3\xA9"),
                                   QString::fromUtf8("\xE2\x80\x9Cquoted\xE2\x80\x9D;\nline")},
                                  {QString::fromUtf8("\xE2\x82\xAC"), "x"}}));

    const QString tsv = writeFile(dir, "cols.tsv", "a,b\tc\t\n\\TH x\t\ty \n");
    EXPECT_EQ(ImportDelimitedFile(tsv, u',')->cells, (Rows{{"a,b", "c"}, {"x", "y"}}))
        << "a separator ending a line starts no cell, blanks after one are passed over, a header mark goes";
    const QString marks = writeFile(dir, "marks.txt", "1\\;5;two\\!;lines\n");
    EXPECT_EQ(ImportDelimitedFile(marks, u';')->cells, (Rows{{"1;5", "two\n;lines"}}))
        << "the character after a break is content, a separator too";
    QString problem;
    EXPECT_FALSE(ImportDelimitedFile(dir.filePath("missing.csv"), u',', &problem));
    EXPECT_EQ(problem, "Could not open input file.");
    EXPECT_FALSE(ImportDelimitedFile(writeFile(dir, "nul.txt", QByteArray("a\0b", 3)), u',', &problem));
    EXPECT_TRUE(problem.contains("binary")) << "Data to Table refuses a file with NUL bytes too";
    EXPECT_EQ(QString(SeparatorCharacter(0xA7, false)) + SeparatorCharacter(0x80, false) +
                  SeparatorCharacter(';', true),
              QString::fromUtf8("\xC2\xA7\xE2\x82\xAC;"))
        << "a separator byte of a Windows-1252 file is that code page's character";

    QByteArray big;
    for (int row = 0; row < 20000; ++row)
        big += "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22\n";
    block = ImportDelimitedFile(writeFile(dir, "big.csv", big), u',');
    EXPECT_EQ(block->rows, 20000);
    EXPECT_EQ(block->columns, 22);
    EXPECT_EQ(block->cells.size(), 20);
    EXPECT_EQ(block->cells[0].size(), 20);
    EXPECT_EQ(FitResultText(FitBlock(block->rows, block->columns, 1, 1, 3, 3)),
              "19980 rows and 2 columns did not fit.");
}
