#include "LimitFileSize.h"
#include "tablecreator/TableWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace pagewright;

namespace
{

// A 1 x 1 table as set up at start-up, with an empty output box.
const QByteArray kStartUpFile = " 0  0  0 \r\n 1  1 \r\n-1  1  1  4  4 \r\n 0  0  16777215 \r\n"
                                " 1  1 \r\n 2147483647  2147483647 \r\n 1  1 \r\n 0  0 -1  1 -1  1 \r\n"
                                "\"\"\r\n\"\"\r\n\r\n\r\n";

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TableDocument StartUp()
{
    TableDocument d;
    d.table.ApplyTableSize(1, 1);
    return d;
}

// A 3 x 2 table with a spanning cell, a covered cell keeping hidden fields, texts that need
// the character 253 and references, and an output name with a comma.
TableDocument Designed()
{
    TableDocument d;
    d.wrapper = d.placeMarkers = d.useTableColors = true;
    d.properties = {80, 0, 0, -1, 2};
    d.textColor = 0x102030;
    d.backColor = 0xABCDEF;
    d.table.ApplyTableSize(3, 2);
    TableCell hidden = d.table.Cell(2, 2);
    hidden.Content = QStringLiteral("hidden");
    d.table.StoreCellFields(2, 2, hidden);
    EXPECT_TRUE(d.table.SetCellArea(1, 2, 2, 1));
    TableCell cell = d.table.Cell(1, 1);
    cell.Content = QString::fromUtf8("say \"hi\" \xc3\xbd caf\xc3\xa9 \xce\xa9 &#60;");
    cell.FontFace = QStringLiteral("\"Odd\" Face");
    cell.FontSize = QStringLiteral("+1");
    cell.CellTextColor = 0xFF;
    cell.CellBackColor = 0xFF00;
    cell.Align = 3;
    cell.VAlign = 2;
    cell.Width = 50;
    cell.WidthInPixels = 0;
    cell.Height = 20;
    d.table.StoreCellFields(1, 1, cell);
    d.outputFile = QStringLiteral("/home/u/tables, old/t\xe9.htm");
    return d;
}

TEST(TableFile, WritesTheLayoutExactly)
{
    EXPECT_EQ(TableFileBytes(StartUp()), kStartUpFile);
    const QByteArray designed = TableFileBytes(Designed());
    EXPECT_TRUE(designed.contains(
        "\r\n\"say \xfdhi\xfd &#253; caf\xe9 &#937; &#60;\"\r\n\"\xfdOdd\xfd Face\"\r\n+1\r\n"));
    EXPECT_TRUE(designed.endsWith("\r\n/home/u/tables, old/t\xc3\xa9.htm\r\n"));
    EXPECT_EQ(designed.count("\r\n"), 4 + 7 * 3 * 2 + 1);
}

TEST(TableFile, RoundTrip)
{
    for (const TableDocument& d : {StartUp(), Designed(), TableDocument{}}) {
        const auto read = ParseTableFile(TableFileBytes(d));
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->table.InvariantProblem(), QString());
        EXPECT_EQ(*read, d);
    }
    // A reference the user typed for a character Windows-1252 lacks comes back as that
    // character, which HTML shows alike; other references stay as typed.
    TableDocument typed = StartUp();
    TableCell cell = typed.table.Cell(1, 1);
    cell.Content = QStringLiteral("&#937; &#60; &#8364;");
    typed.table.StoreCellFields(1, 1, cell);
    EXPECT_EQ(ParseTableFile(TableFileBytes(typed))->table.Cell(1, 1).Content,
              QString::fromUtf8("\xce\xa9 &#60; &#8364;"));
}

TEST(TableFile, ReadsCommasLineFeedsAndPrintZones)
{
    QByteArray commas = kStartUpFile;
    commas.replace(" 0  0  0 ", "0,0,0").replace("-1  1  1  4  4 ", "-1,1,1,4,4");
    QByteArray zones = kStartUpFile;
    zones.replace(" 0  0 -1  1 -1  1 ",
                  " 0             0            -1             1            -1             1 ");
    QByteArray lineFeeds = kStartUpFile;
    lineFeeds.replace("\r\n", "\n");
    QByteArray joined = kStartUpFile;
    joined.replace(" 1  1 \r\n 2147483647", " 1  1  2147483647"); // numbers may share a line
    for (const QByteArray& bytes : {commas, zones, lineFeeds, joined}) {
        const auto read = ParseTableFile(bytes);
        ASSERT_TRUE(read.has_value()) << bytes.constData();
        EXPECT_EQ(*read, StartUp());
    }
}

struct DamageCase {
    const char* name;
    const char* from;
    const char* to;
};

class Damaged : public testing::TestWithParam<DamageCase>
{
};

TEST_P(Damaged, IsRefusedWhole)
{
    QByteArray bytes = TableFileBytes(Designed());
    const QByteArray from(GetParam().from);
    ASSERT_TRUE(bytes.contains(from)) << from.constData();
    bytes.replace(bytes.indexOf(from), from.size(), GetParam().to);
    EXPECT_FALSE(ParseTableFile(bytes).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Files, Damaged,
    testing::Values(DamageCase{"rowsOver20", "\r\n 3  2 \r\n", "\r\n 21  2 \r\n"},
                    DamageCase{"noColumns", "\r\n 3  2 \r\n", "\r\n 3  0 \r\n"},
                    DamageCase{"moreRowsThanCells", "\r\n 3  2 \r\n", "\r\n 4  2 \r\n"},
                    DamageCase{"textForNumber", " 1  0  1 \r\n", " 1  x  1 \r\n"},
                    DamageCase{"fraction", " 1  0  1 \r\n", " 1  0.5  1 \r\n"},
                    DamageCase{"flagTwo", " 1  0  1 \r\n", " 1  0  2 \r\n"},
                    DamageCase{"unitFlag", " 80  0  0 ", " 80  3  0 "},
                    DamageCase{"alignFour", " 3  2  50  0  20  1 ", " 4  2  50  0  20  1 "},
                    DamageCase{"colorBeyond24Bits", " 255  65280 ", " 255  16777216 "},
                    DamageCase{"spanBeyondTable", " 1  1 \r\n", " 3  1 \r\n"},
                    DamageCase{"coveredNamesWrongOwner", " 0  0 \r\n 2147483647  2147483647 \r\n 1  2 ",
                               " 0  0 \r\n 2147483647  2147483647 \r\n 1  1 "},
                    DamageCase{"halfCovered", " 0  0 \r\n", " 0  1 \r\n"},
                    DamageCase{"unclosedQuote", "\"\xfdOdd\xfd Face\"", "\"\xfdOdd\xfd Face"},
                    DamageCase{"missingLastLine", "\r\n/home/u/tables, old/t\xc3\xa9.htm\r\n", "\r\n"},
                    DamageCase{"hugeNumber", " 80  0  0 ", " 99999999999999999999  0  0 "},
                    DamageCase{"trailingData", "t\xc3\xa9.htm\r\n", "t\xc3\xa9.htm\r\nmore\r\n"}),
    [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

// A table file and a page are written whole or not at all: a full disk leaves the old file
// and no temporary one.
TEST(TableFile, SaveIsWholeOrNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.tbl");
    ASSERT_TRUE(SaveTable(path, StartUp()));
    EXPECT_EQ(LoadTable(path), StartUp());
    TableDocument big;
    big.table.ApplyTableSize(20, 20);
    EXPECT_FALSE(SaveTable(dir.filePath("no/such/folder/t.tbl"), big));
    EXPECT_FALSE(LoadTable(dir.filePath("missing.tbl")).has_value());
    const LimitFileSize disk(300);
    QString error;
    EXPECT_FALSE(SaveTable(path, big, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadAll(path), kStartUpFile);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.tbl"});
}

struct Example {
    std::string name;
    int line = 0;
    QByteArray tableFile, page;
};

void PrintTo(const Example& e, std::ostream* os)
{
    *os << e.name << ", line " << e.line;
}

// The examples of the conformance file, in order: "=== name", the table file, "---", the page, "===".
std::vector<Example> ReadExamples()
{
    QFile file(QStringLiteral(CONFORMANCE_FOLDER "/tables.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<Example> examples;
    bool inExample = false, inPage = false;
    int number = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        ++number;
        if (!inExample && line.startsWith("=== ")) {
            examples.push_back({line.mid(4).toStdString(), number, {}, {}});
            inExample = true;
            inPage = false;
        } else if (inExample && line == "===") {
            inExample = false;
        } else if (inExample && line == "---") {
            inPage = true;
        } else if (inExample) {
            (inPage ? examples.back().page : examples.back().tableFile) += line + (inPage ? "\r\n" : "\n");
        }
    }
    return examples;
}

class Conformance : public testing::TestWithParam<Example>
{
};

TEST_P(Conformance, WritesTheExpectedPage)
{
    const auto document = ParseTableFile(GetParam().tableFile);
    ASSERT_TRUE(document.has_value()) << "the table file is refused";
    const TableHtmlOptions options = HtmlOptionsOf(*document);
    EXPECT_EQ(
        (TableHtmlStart(document->table, options) + TableHtmlRows(document->table, options)).toStdString(),
        GetParam().page.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Tables, Conformance, testing::ValuesIn(ReadExamples()),
                         [](const testing::TestParamInfo<Example>& info) { return info.param.name; });

TEST(TableWriter, Outcomes)
{
    QTemporaryDir dir;
    TableModel m;
    const TableHtmlOptions options;
    const QString path = dir.filePath("table.htm");
    EXPECT_EQ(WriteTableHtml(path, m, options).caption, QStringLiteral("HTML for table written."));
    const QByteArray before = ReadAll(path);
    EXPECT_EQ(before, TableHtmlStart(m, options) + TableHtmlRows(m, options));
    const RunResult missing = WriteTableHtml(dir.filePath("no/such/folder/t.htm"), m, options);
    EXPECT_EQ(missing.caption, QStringLiteral("Failure: Nothing written"));
    EXPECT_FALSE(missing.succeeded);

    m.ApplyTableSize(20, 20);
    const LimitFileSize disk(200);
    EXPECT_EQ(WriteTableHtml(path, m, options).caption, QStringLiteral("Failure: Error #4"));
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(WriteTableHtml(dir.filePath("new.htm"), m, options).caption,
              QStringLiteral("Failure: Nothing written"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"table.htm"});
}

} // namespace
