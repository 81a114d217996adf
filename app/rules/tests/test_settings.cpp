#include "rules/Settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace pagewright;

namespace
{

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(Settings, WritesTenQuotedTrimmedCrLfLines)
{
    QTemporaryDir dir;
    const SettingsFile settings(dir.filePath("vellum.usr"));
    ASSERT_TRUE(settings.write({"  /home/u/notes.txt ", "/home/u/notes.htm", "", "/d/\xC3\xBC.txt"}));
    const QByteArray expected =
        "\"/home/u/notes.txt\"\r\n\"/home/u/notes.htm\"\r\n\"\"\r\n\"/d/\xC3\xBC.txt\"\r\n" +
        QByteArray("\"\"\r\n").repeated(6);
    EXPECT_EQ(ReadAll(settings.path()), expected);
    const QStringList back = settings.read();
    ASSERT_EQ(back.size(), kSettingsValueCount);
    EXPECT_EQ(back[0], QString("/home/u/notes.txt"));
    EXPECT_EQ(back[3], QString::fromUtf8("/d/\xC3\xBC.txt"));
    EXPECT_EQ(back[9], QString());
}

TEST(Settings, ReadsWhatItCan)
{
    QTemporaryDir dir;
    const SettingsFile settings(dir.filePath("vellum.usr"));
    EXPECT_TRUE(settings.read().isEmpty()) << "missing file";

    WriteAll(settings.path(), "\"/a.txt\"\n\"/a.htm\"\r\n\"/b.c\"");
    EXPECT_EQ(settings.read(), (QStringList{"/a.txt", "/a.htm", "/b.c"})) << "short file, LF or CR LF";

    WriteAll(settings.path(), "unquoted name \r\n\"\"\r\n");
    EXPECT_EQ(settings.read(), (QStringList{"unquoted name", ""}));

    WriteAll(settings.path(), QByteArray("\"x\"\r\n").repeated(12));
    EXPECT_EQ(settings.read().size(), kSettingsValueCount) << "lines after the tenth are ignored";

    EXPECT_TRUE(SettingsFile(dir.path()).read().isEmpty()) << "a folder is not readable as a file";
}

TEST(Settings, FailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const SettingsFile settings(dir.filePath("vellum.usr"));
    ASSERT_TRUE(settings.write({"/old.txt"}));
    const QByteArray before = ReadAll(settings.path());

    // A full disk: the process may not write files larger than 1000 bytes.
    struct rlimit saved {
    };
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = settings.write({"/" + QString(3000, 'n') + ".txt"}, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadAll(settings.path()), before) << "the old file is neither truncated nor replaced";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"vellum.usr"})
        << "no temporary file is left";

    const SettingsFile inMissingFolder(dir.filePath("no/such/folder/vellum.usr"));
    EXPECT_FALSE(inMissingFolder.write({"/x"}));
}
