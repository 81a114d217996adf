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

struct Example {
    QString name;
    int line = 0;
    QByteArray tableFile;
    QByteArray page;
};

void PrintTo(const Example& e, std::ostream* os)
{
    *os << e.name.toStdString();
}

// The examples of the conformance file, in order.
std::vector<Example> ReadExamples()
{
    QFile file(QStringLiteral(CONFORMANCE_FOLDER "/tables.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<Example> examples;
    Example* current = nullptr;
    bool inPage = false;
    int number = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        ++number;
        if (current == nullptr) {
            if (line.startsWith("=== ")) {
                examples.push_back({QString::fromUtf8(line.mid(4)), number, {}, {}});
                current = &examples.back();
                inPage = false;
            }
        } else if (line == "===") {
            current = nullptr;
        } else if (line == "---") {
            inPage = true;
        } else if (inPage) {
            current->page += line + "\r\n";
        } else {
            current->tableFile += line + '\n';
        }
    }
    return examples;
}

class Conformance : public testing::TestWithParam<Example>
{
};

TEST_P(Conformance, WritesTheExpectedPage)
{
    const Example& e = GetParam();
    const auto document = ParseTableFile(e.tableFile);
    ASSERT_TRUE(document.has_value())
        << "table file of example " << e.name.toStdString() << ", line " << e.line;
    const TableHtmlOptions options = HtmlOptionsOf(*document);
    EXPECT_EQ(TableHtmlStart(document->table, options) + TableHtmlRows(document->table, options), e.page)
        << "example " << e.name.toStdString() << ", line " << e.line;
}

INSTANTIATE_TEST_SUITE_P(Tables, Conformance, testing::ValuesIn(ReadExamples()),
                         [](const testing::TestParamInfo<Example>& info) {
                             return info.param.name.toStdString();
                         });

TEST(TableWriter, TextsInWindows1252WithReferences)
{
    TableModel m;
    TableCell cell = m.Cell(1, 1);
    cell.Content = QString::fromUtf8("\xc3\xa9<b>\xce\xa9</b>");
    cell.FontFace = QString::fromUtf8("Caf\xc3\xa9");
    m.StoreCellFields(1, 1, cell);
    EXPECT_TRUE(TableHtmlRows(m, {}).startsWith(
        "<tr>\r\n<td><font face=\"Caf\xe9\">\xe9<b>&#937;</b></font></td>\r\n"));
}

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
