#include "LimitFileSize.h"
#include "tablecreator/TableWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace pagewright;

namespace
{

QByteArray Lines(std::initializer_list<const char*> lines)
{
    QByteArray out;
    for (const char* line : lines)
        out += QByteArray(line) + "\r\n";
    return out;
}

void Store(TableModel& m, int row, int col, const std::function<void(TableCell&)>& change)
{
    TableCell values = m.Cell(row, col);
    change(values);
    m.StoreCellFields(row, col, values);
}

TEST(TableWriter, TwoByTwoExample)
{
    TableModel m;
    m.ApplyTableSize(2, 2);
    ASSERT_TRUE(m.SetCellArea(1, 1, 1, 2));
    Store(m, 1, 1, [](TableCell& c) {
        c.Content = QStringLiteral("Name");
        c.Align = 2;
    });
    Store(m, 2, 1, [](TableCell& c) { c.Content = QStringLiteral("a"); });
    const TableHtmlOptions options;
    EXPECT_EQ(TableHtmlStart(m, options) + TableHtmlRows(m, options),
              Lines({"<table border=\"1\" cellpadding=\"4\" cellspacing=\"4\">", "<tr>",
                     "<td colspan=\"2\" align=\"center\">Name</td>", "</tr>", "<tr>", "<td>a</td>",
                     "<td>&#160;</td>", "</tr>", "</table>", ""}));
}

TEST(TableWriter, WrapperCentreAndTableAttributes)
{
    TableModel m;
    m.ApplyTableSize(6, 4);
    TableHtmlOptions options;
    options.wrapper = options.center = options.useTableColors = true;
    options.tableBackColor = 0x0080FF;
    options.properties = {50, 0, 0, -1, 2};
    const QByteArray page = TableHtmlStart(m, options) + TableHtmlRows(m, options);
    EXPECT_TRUE(page.startsWith(
        Lines({"<html>", "<head>", "<title>Table of 6 rows and 4 columns.</title>", "</head>", "<body>", "",
               "<center>", "<table width=\"50%\" border=\"0\" cellspacing=\"2\" bgcolor=\"#FF8000\">"})))
        << page.constData();
    EXPECT_TRUE(page.endsWith(Lines({"</tr>", "</table>", "</center>", "", "</body>", "</html>", ""})));
}

struct RowCase {
    const char* name;
    int cols;
    bool tableColors;
    std::function<void(TableModel&)> setup;
    QByteArray row; // the first row, from "<tr" to "</tr>"
};

class Row : public testing::TestWithParam<RowCase>
{
};

TEST_P(Row, AttributesAndFontTags)
{
    const RowCase& c = GetParam();
    TableModel m;
    m.ApplyTableSize(1, c.cols);
    c.setup(m);
    EXPECT_EQ(m.InvariantProblem(), QString());
    TableHtmlOptions options;
    options.useTableColors = c.tableColors;
    const QByteArray rows = TableHtmlRows(m, options);
    EXPECT_EQ(rows.left(rows.indexOf("</tr>") + 5), c.row);
}

const auto kNothing = [](TableModel&) {};
const auto kOwnColorsX = [](TableModel& m) {
    Store(m, 1, 1, [](TableCell& c) {
        c.Content = QStringLiteral("x");
        c.CellTextColor = 0x0000FF;
        c.CellBackColor = 0xFFFF00;
    });
};

INSTANTIATE_TEST_SUITE_P(
    Cells, Row,
    testing::Values(
        RowCase{"emptyCell", 1, false, kNothing, Lines({"<tr>", "<td>&#160;</td>"}) + "</tr>"},
        RowCase{"tableColorsEmptyCell", 1, true, kNothing, Lines({"<tr>", "<td>&#160;</td>"}) + "</tr>"},
        RowCase{"tableColorsText", 1, true,
                [](TableModel& m) { Store(m, 1, 1, [](TableCell& c) { c.Content = QStringLiteral("x"); }); },
                Lines({"<tr>", "<td><font color=\"#000000\">x</font></td>"}) + "</tr>"},
        RowCase{"blanksOnly", 1, true,
                [](TableModel& m) { Store(m, 1, 1, [](TableCell& c) { c.Content = QStringLiteral("  "); }); },
                Lines({"<tr>", "<td>  </td>"}) + "</tr>"},
        RowCase{"ownColorsOnCell", 2, false, kOwnColorsX,
                Lines({"<tr>", "<td bgcolor=\"#00FFFF\"><font color=\"#FF0000\">x</font></td>",
                       "<td>&#160;</td>"}) +
                    "</tr>"},
        RowCase{"uniformBackgroundOnRow", 2, false,
                [](TableModel& m) {
                    kOwnColorsX(m);
                    Store(m, 1, 2, [](TableCell& c) { c.CellBackColor = 0xFFFF00; });
                },
                Lines({"<tr bgcolor=\"#00FFFF\">", "<td><font color=\"#FF0000\">x</font></td>",
                       "<td>&#160;</td>"}) +
                    "</tr>"},
        RowCase{
            "faceWithoutContent", 1, false,
            [](TableModel& m) { Store(m, 1, 1, [](TableCell& c) { c.FontFace = QStringLiteral("Arial"); }); },
            Lines({"<tr>", "<td><font face=\"Arial\">&#160;</font></td>"}) + "</tr>"},
        RowCase{"sizesAndUnits", 1, false,
                [](TableModel& m) {
                    Store(m, 1, 1, [](TableCell& c) {
                        c.Width = 50;
                        c.WidthInPixels = 0;
                        c.Height = 40;
                        c.FontSize = QStringLiteral("+1");
                    });
                },
                Lines({"<tr>", "<td width=\"50%\" height=\"40\"><font size=\"+1\">&#160;</font></td>"}) +
                    "</tr>"},
        RowCase{"zeroWidthLeftOut", 1, false,
                [](TableModel& m) { Store(m, 1, 1, [](TableCell& c) { c.Width = 0; }); },
                Lines({"<tr>", "<td>&#160;</td>"}) + "</tr>"},
        RowCase{"oneColumnAlignOnCell", 1, false,
                [](TableModel& m) {
                    Store(m, 1, 1, [](TableCell& c) {
                        c.Align = 3;
                        c.VAlign = 1;
                    });
                },
                Lines({"<tr>", "<td align=\"right\" valign=\"top\">&#160;</td>"}) + "</tr>"},
        RowCase{"uniformAlignOnRow", 2, false,
                [](TableModel& m) {
                    for (int c = 1; c <= 2; ++c)
                        Store(m, 1, c, [](TableCell& cell) { cell.VAlign = 3; });
                },
                Lines({"<tr valign=\"bottom\">", "<td>&#160;</td>", "<td>&#160;</td>"}) + "</tr>"},
        RowCase{"windows1252AndReferences", 1, false,
                [](TableModel& m) {
                    Store(m, 1, 1,
                          [](TableCell& c) { c.Content = QString::fromUtf8("\xc3\xa9<b>\xce\xa9</b>"); });
                },
                Lines({"<tr>", "<td>\xe9<b>&#937;</b></td>"}) + "</tr>"}),
    [](const testing::TestParamInfo<RowCase>& info) { return info.param.name; });

TEST(TableWriter, Outcomes)
{
    QTemporaryDir dir;
    TableModel m;
    const TableHtmlOptions options;
    const QString path = dir.filePath("table.htm");
    EXPECT_EQ(WriteTableHtml(path, m, options).caption, QStringLiteral("HTML for table written."));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), TableHtmlStart(m, options) + TableHtmlRows(m, options));
    file.close();

    const RunResult missing = WriteTableHtml(dir.filePath("no/such/folder/t.htm"), m, options);
    EXPECT_EQ(missing.caption, QStringLiteral("Failure: Nothing written"));
    EXPECT_FALSE(missing.succeeded);

    m.ApplyTableSize(20, 20);
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    RunResult full;
    {
        const LimitFileSize disk(200);
        full = WriteTableHtml(path, m, options);
    }
    EXPECT_EQ(full.caption, QStringLiteral("Failure: Error #4"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before) << "the old page stays as it was";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"table.htm"})
        << "no temporary file is left";
    {
        const LimitFileSize disk(200);
        EXPECT_EQ(WriteTableHtml(dir.filePath("new.htm"), m, options).caption,
                  QStringLiteral("Failure: Nothing written"));
    }
}

} // namespace
