#include "rules/Settings.h"
#include "tablecreator/tests/LimitFileSize.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace pagewright;

namespace
{

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Settings, WritesTenQuotedTrimmedCrLfLinesAndReadsWhatItCan)
{
    QTemporaryDir dir;
    const SettingsFile settings(dir.filePath("vellum.usr"));
    EXPECT_TRUE(settings.read().isEmpty()) << "missing file";
    ASSERT_TRUE(settings.write({"  /home/u/notes.txt ", "", "/d/\xC3\xBC.txt"}));
    EXPECT_EQ(ReadAll(settings.path()), "\"/home/u/notes.txt\"\r\n\"\"\r\n\"/d/\xC3\xBC.txt\"\r\n" +
                                            QByteArray("\"\"\r\n").repeated(7));
    EXPECT_EQ(settings.read(), QStringList({"/home/u/notes.txt", "", QString::fromUtf8("/d/\xC3\xBC.txt")}) +
                                   QStringList(7, QString()));
    for (const auto& [bytes, expected] :
         {std::pair{QByteArray("\"/a.txt\"\n\"/a.htm\"\r\n\"/b.c\""),
                    QStringList{"/a.txt", "/a.htm", "/b.c"}},
          std::pair{QByteArray("unquoted name \r\n\"\"\r\n"), QStringList{"unquoted name", ""}},
          std::pair{QByteArray("\"x\"\r\n").repeated(12), QStringList(kSettingsValueCount, "x")}}) {
        QFile f(settings.path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        EXPECT_EQ(settings.read(), expected) << bytes.constData();
    }
    EXPECT_TRUE(SettingsFile(dir.path()).read().isEmpty()) << "a folder is not readable as a file";
}

TEST(Settings, FailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const SettingsFile settings(dir.filePath("vellum.usr"));
    ASSERT_TRUE(settings.write({"/old.txt"}));
    const QByteArray before = ReadAll(settings.path());
    EXPECT_FALSE(SettingsFile(dir.filePath("no/such/folder/vellum.usr")).write({"/x"}));

    QString error;
    const LimitFileSize disk(1000); // a full disk
    EXPECT_FALSE(settings.write({"/" + QString(3000, 'n') + ".txt"}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadAll(settings.path()), before) << "the old file is neither truncated nor replaced";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"vellum.usr"}) << "no temporary file";
}
