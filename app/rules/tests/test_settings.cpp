#include "rules/CodeColouring.h"
#include "rules/PageStyle.h"
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

TEST(PageStyle, KeptUnderItsKeyInAFileOfItsOwnBesideTheSettingsFile)
{
    QTemporaryDir dir;
    const QString path = PageStyleFilePath(dir.filePath("vellum.usr"));
    EXPECT_EQ(path, dir.filePath("pagewright.conf"));
    EXPECT_EQ(ReadPageStyle(path), PageStyle::Classic) << "missing file";
    ASSERT_TRUE(WritePageStyle(path, PageStyle::Html5));
    EXPECT_EQ(ReadAll(path), "[General]\npageStyle=html5\n");
    EXPECT_EQ(ReadPageStyle(path), PageStyle::Html5);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("[General]\nother=1\npageStyle=fancy\n") > 0);
    f.close();
    EXPECT_EQ(ReadPageStyle(path), PageStyle::Classic) << "an unknown value";
    ASSERT_TRUE(WritePageStyle(path, PageStyle::Classic));
    EXPECT_EQ(ReadAll(path), "[General]\nother=1\npageStyle=classic\n") << "other keys stay";
    EXPECT_FALSE(WritePageStyle(path + "/pagewright.conf", PageStyle::Html5)) << "a file as the folder";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pagewright.conf"});
}

// The Code to HTML tab's colouring choices share pagewright.conf with the page style.
TEST(CodeColouring, KeptBesideThePageStyleEachUnknownValueTheDefault)
{
    QTemporaryDir dir;
    const QString path = PageStyleFilePath(dir.filePath("vellum.usr"));
    const CodeColouring defaults{true, "", false};
    EXPECT_EQ(ReadCodeColouring(path), defaults) << "missing file";
    ASSERT_TRUE(WritePageStyle(path, PageStyle::Html5));
    ASSERT_TRUE(WriteCodeColouring(path, {false, "python", true}));
    EXPECT_EQ(ReadAll(path), "[General]\ncodeColour=false\ncodeLanguage=python\ncodeLineNumbers=true\n"
                             "pageStyle=html5\n");
    EXPECT_EQ(ReadCodeColouring(path), (CodeColouring{false, "python", true}));
    EXPECT_EQ(ReadPageStyle(path), PageStyle::Html5);
    ASSERT_TRUE(WriteCodeColouring(path, defaults));
    EXPECT_EQ(ReadCodeColouring(path), defaults) << "Automatic";

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) &&
                f.write("[General]\ncodeColour=no\ncodeLanguage=Python\ncodeLineNumbers=1\n") > 0);
    f.close();
    EXPECT_EQ(ReadCodeColouring(path), defaults) << "unknown values, a label for a name";
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("[General]\ncodeLanguage=javascript\n") > 0);
    f.close();
    EXPECT_EQ(ReadCodeColouring(path), (CodeColouring{true, "javascript", false}));
    EXPECT_FALSE(WriteCodeColouring(path + "/pagewright.conf", defaults)) << "a file as the folder";
}

// The "Language:" list: "Automatic", then the languages, each entry's name found back.
TEST(CodeColouring, LanguageList)
{
    const QStringList entries = CodeLanguageEntries();
    ASSERT_EQ(entries.size(), 12);
    EXPECT_EQ(entries.mid(0, 4), (QStringList{"Automatic", "Bash", "C", "C++"}));
    EXPECT_EQ(CodeLanguageAt(3), "cpp");
    EXPECT_EQ(CodeLanguageAt(12), "") << "beyond the list";
    for (int i = 0; i < entries.size(); ++i)
        EXPECT_EQ(CodeLanguageIndex(CodeLanguageAt(i)), i) << entries[i].toStdString();
}

TEST(PageStyle, PageLanguageIsTheLocalesTagAndEnglishForTheCLocale)
{
    EXPECT_EQ(PageLanguage(QLocale::c()), "en");
    EXPECT_EQ(PageLanguage(QLocale(QLocale::English, QLocale::UnitedKingdom)), "en-GB");
    EXPECT_EQ(PageLanguage(QLocale(QLocale::Portuguese, QLocale::Portugal)), "pt-PT");
}
