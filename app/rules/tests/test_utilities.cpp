#include "rules/Folders.h"
#include "rules/ViewRules.h"

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
    EXPECT_TRUE(FileExists(file.fileName()));
    EXPECT_FALSE(FileExists(dir.path())) << "a folder is not a file";
    EXPECT_FALSE(FileExists(dir.filePath("missing")));
    EXPECT_FALSE(FileExists(""));
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
