#include "dialogs/ShellUtils.h"
#include "dialogs/StringRoutines.h"
#include "dialogs/ViewRules.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace pagewright;

TEST(ShellUtils, FoldersAndSettingsPath)
{
    QTemporaryDir dir;
    EXPECT_TRUE(FolderExists(dir.path()));
    EXPECT_FALSE(FolderExists(""));
    EXPECT_FALSE(FolderExists(dir.filePath("missing")));
    QFile file(dir.filePath("plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(FolderExists(file.fileName())) << "a file is not a folder";
    EXPECT_EQ(AppDataFolder(5), QString()) << "only the configuration folder is known";

    const QString config = dir.filePath("config");
    EXPECT_EQ(SettingsFilePath("vellum.usr", "Brindlecote", config + "/", dir.filePath("home")),
              config + "/Brindlecote/vellum.usr");
    EXPECT_TRUE(FolderExists(config + "/Brindlecote")) << "the folder is created";

    const QString home = dir.filePath("home");
    EXPECT_EQ(SettingsFilePath("vellum.usr", "X", "", home), home + "/X/vellum.usr")
        << "no configuration folder";
    EXPECT_TRUE(FolderExists(home + "/X"));
}

TEST(ShellUtils, StartUpFolderIsHome)
{
    const QString before = QDir::currentPath();
    GoToFirstFixedDriveRoot();
    EXPECT_EQ(QDir::currentPath(), QDir::homePath());
    QDir::setCurrent(before);
}

TEST(StringRoutines, KeepSignedNumberChars)
{
    const struct {
        const char* in;
        bool minus;
        const char* out;
    } cases[] = {
        {"+3", true, "+3"},    {"-2", true, "-2"},   {"1+2", true, "12"}, {"a-b5", true, "-5"},
        {"++12", true, "+12"}, {"-12", false, "12"}, {"12-", true, "12"}, {"+-4", true, "+-4"},
        {"--4", true, "-4"},   {"x", true, ""},
    };
    for (const auto& c : cases) {
        QString text = c.in;
        KeepSignedNumberChars(text, c.minus);
        EXPECT_EQ(text, QString(c.out)) << c.in;
    }
}

TEST(StringRoutines, RemoveAndReplaceChars)
{
    QString face = "\"Arial\", \"Sans\"";
    RemoveChars(face, "\"");
    EXPECT_EQ(face, QString("Arial, Sans"));
    RemoveChars(face, ", ");
    EXPECT_EQ(face, QString("ArialSans"));

    const QString original = "say \"hi\" \xC3\xBC";
    QString text = QString::fromUtf8(original.toUtf8());
    ReplaceCharCode(text, 34, 253);
    EXPECT_EQ(text.size(), original.size());
    EXPECT_FALSE(text.contains('"'));
    EXPECT_EQ(text.count(QChar(253)), 2);
    ReplaceCharCode(text, 253, 34);
    EXPECT_EQ(text, original);
    ReplaceCharCode(text, 'h', 256 + 'H');
    EXPECT_EQ(text, QString("say \"Hi\" \xC3\xBC"));
}

TEST(ViewRules, LimitAndSizeMessages)
{
    EXPECT_EQ(FitsViewLimit(40960, 40), 1);
    EXPECT_EQ(FitsViewLimit(40961, 40), 0);
    EXPECT_EQ(FitsViewLimit(0, 40), 1);
    EXPECT_EQ(SizeInKBText(40961), QString(" 40"));
    EXPECT_EQ(SizeInKBText(1023), QString(" 0"));
    EXPECT_EQ(InputTooLargeMessage("/d/big.txt", 52000),
              QString("The size of /d/big.txt is 50 KB.\r\nThis file is too large to display here.\r\n"
                      "Please use a program such as WordPad to view this file."));
    EXPECT_EQ(OpenDocumentFailureMessage("/d/x.zzz"),
              QString("Error opening file /d/x.zzz.\r\nPerhaps the file extension is incorrect."));
    EXPECT_EQ(LaunchBrowserFailureMessage(),
              QString("Error launching web browser. Please make sure that your web "
                      "browser is correctly installed and configured"));
    EXPECT_EQ(ReadErrorMessage(5, "Permission denied"), QString("Error 5.  Permission denied"));
}
