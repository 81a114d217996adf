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

    const QString tsv = writeFile(dir, "cols.tsv", "a,b\tc\n");
    EXPECT_EQ(ImportDelimitedFile(tsv, u',')->cells, (Rows{{"a,b", "c"}}));
    EXPECT_FALSE(ImportDelimitedFile(dir.filePath("missing.csv"), u','));

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
