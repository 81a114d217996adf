#include "LimitFileSize.h"
#include "tablecreator/TableWriter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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

struct Example {
    std::string name;
    int line = 0;
    QByteArray tableFile, page;
    bool refused = false;
    bool html5 = false;
};

void PrintTo(const Example& e, std::ostream* os)
{
    *os << e.name << ", line " << e.line;
}

// The examples of the conformance file, in order: "=== name", the table file, "---" and the page
// or "--- refused", "--- html5" and the HTML5 page, or "--- html5 NAME.htm", "===". Latin-1 keeps
// every byte as it stands.
std::vector<Example> ReadExamples()
{
    QFile file(QStringLiteral(CONFORMANCE_FOLDER "/tables.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    const QRegularExpression example("^=== ([^\n]*)\n(.*?)^---( refused| html5(?: (\\S+))?)?\n(.*?)^===$",
                                     QRegularExpression::MultilineOption |
                                         QRegularExpression::DotMatchesEverythingOption);
    std::vector<Example> examples;
    for (const QRegularExpressionMatch& m : example.globalMatch(text)) {
        const bool html5 = m.captured(3).startsWith(" html5");
        QByteArray page = m.captured(5).toLatin1();
        if (!m.captured(4).isEmpty())
            page = ReadAll(QStringLiteral(CONFORMANCE_FOLDER "/") + m.captured(4));
        else if (!html5)
            page.replace("\n", "\r\n");
        examples.push_back({m.captured(1).toStdString(), int(text.left(m.capturedStart()).count('\n')) + 1,
                            m.captured(2).toLatin1(), page, m.captured(3) == " refused", html5});
    }
    return examples;
}

class Conformance : public testing::TestWithParam<Example>
{
};

TEST_P(Conformance, ReadsWritesBackAndWritesThePage)
{
    const auto document = ParseTableFile(GetParam().tableFile);
    ASSERT_EQ(document.has_value(), !GetParam().refused);
    if (!document)
        return;
    EXPECT_EQ(document->table.InvariantProblem(), QString());
    EXPECT_EQ(ParseTableFile(TableFileBytes(*document)), document);
    TableHtmlOptions options = HtmlOptionsOf(*document);
    options.html5 = GetParam().html5;
    EXPECT_EQ(
        (TableHtmlStart(document->table, options) + TableHtmlRows(document->table, options)).toStdString(),
        GetParam().page.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Tables, Conformance, testing::ValuesIn(ReadExamples()),
                         [](const testing::TestParamInfo<Example>& info) { return info.param.name; });

// A table file and a page are written whole or not at all: a full disk leaves the old files and
// no temporary ones, and the page's result line tells which failure it was.
TEST(TableFiles, AreWrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.tbl"), page = dir.filePath("table.htm");
    const TableHtmlOptions options;
    ASSERT_TRUE(SaveTable(path, StartUp()));
    EXPECT_EQ(LoadTable(path), StartUp());
    EXPECT_EQ(WriteTableHtml(page, StartUp().table, options).caption,
              QStringLiteral("HTML for table written."));
    const QByteArray before = ReadAll(page);
    EXPECT_EQ(before, TableHtmlStart(StartUp().table, options) + TableHtmlRows(StartUp().table, options));

    TableDocument big;
    big.table.ApplyTableSize(20, 20);
    EXPECT_FALSE(SaveTable(dir.filePath("no/such/folder/t.tbl"), big));
    EXPECT_FALSE(LoadTable(dir.filePath("missing.tbl")).has_value());
    const RunResult missing = WriteTableHtml(dir.filePath("no/such/folder/t.htm"), big.table, options);
    EXPECT_EQ(missing.caption, QStringLiteral("Failure: Nothing written"));
    EXPECT_FALSE(missing.succeeded);
    const LimitFileSize disk(200);
    QString error;
    EXPECT_FALSE(SaveTable(path, big, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(WriteTableHtml(page, big.table, options).caption, QStringLiteral("Failure: Error #4"));
    EXPECT_EQ(WriteTableHtml(dir.filePath("new.htm"), big.table, options).caption,
              QStringLiteral("Failure: Nothing written"));
    EXPECT_EQ(ReadAll(path), kStartUpFile);
    EXPECT_EQ(ReadAll(page), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"t.tbl", "table.htm"}));
}

// Save adds the extension only to a name that has none.
TEST(TableFiles, NameWithoutExtensionGetsTbl)
{
    EXPECT_EQ(TableFileName("/d/sales"), QString("/d/sales.tbl"));
    EXPECT_EQ(TableFileName("/d.v2/sales"), QString("/d.v2/sales.tbl"));
    EXPECT_EQ(TableFileName("/d/sales.tbl"), QString("/d/sales.tbl"));
    EXPECT_EQ(TableFileName("/d/sales.TBL"), QString("/d/sales.TBL"));
    EXPECT_EQ(TableFileName("/d/sales.txt"), QString("/d/sales.txt"));
}

} // namespace
