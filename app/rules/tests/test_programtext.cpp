#include "rules/ProgramText.h"
#include "rules/ViewRules.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace pagewright;

TEST(ProgramText, FailureMessagesByCode)
{
    const struct {
        int code;
        const char* message;
    } cases[] = {
        {-1, "Cannot open file containing program text.\r\n/p/vellum_text.dat"},
        {-5, "Error -5"},
        {-500, "Error -500"},
        {-501, "Missing string at line 1."},
        {-1000, "Missing string at line 500."},
        {-1001, "String too long at line 1."},
        {-1500, "String too long at line 500."},
        {-1537, "Duplicate in program text at line 37."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramTextFailureMessage(c.code, "/p/vellum_text.dat"), QString(c.message)) << c.code;
}

TEST(ProgramText, ShippedFileHoldsEveryItemTheProgramUses)
{
    // The test runs from the program's folder, where the build puts vellum_text.dat.
    const QString path = ProgramTextPath(QString::fromLocal8Bit(TEST_PROGRAM_FOLDER), kProgramTextFile);
    ASSERT_GT(LoadProgramTextTable(path), 0) << path.toStdString();
    for (int item : {TooLargeIntro, TooLargeTitle, TooLargeLine2, TooLargeLine3a, TooLargeLine3b, ProductName,
                     EmptyFileTitle, EmptyFileText, HowToViewExplanation})
        EXPECT_FALSE(GetText(item).isEmpty()) << item;
    EXPECT_EQ(GetText(2), QString()) << "an item the table lacks is empty";
    EXPECT_TRUE(
        OutputTooLargeMessage("/d/big.htm", 40961)
            .startsWith(GetText(TooLargeIntro) + " /d/big.htm is 40 KB.\r\n" + GetText(TooLargeLine2)));
}

TEST(ProgramText, MissingOrNotUtf8FileFailsWithItsCode)
{
    QTemporaryDir dir;
    EXPECT_EQ(LoadProgramTextTable(dir.filePath("none.dat")), -1);
    for (const QByteArray& bad : {QByteArray("1\tbad \xFF byte\n"), QByteArray("1\toverlong \xC0\xAF\n"),
                                  QByteArray("1\tcut \xE2\x82\n")}) {
        QFile file(dir.filePath("bad.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bad) == bad.size() && file.flush());
        EXPECT_EQ(LoadProgramTextTable(file.fileName()), -4) << bad.toStdString();
    }
}
