#include "rules/Folders.h"
#include "rules/ViewRules.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace pagewright;

TEST(Folders, ExistsTellsFilesFromFoldersAndTheSettingsFolderIsMade)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_TRUE(FolderExists(dir.path()) && FileExists(file.fileName()));
    EXPECT_FALSE(FolderExists(file.fileName()) || FileExists(dir.path()));
    EXPECT_FALSE(FolderExists("") || FileExists("") || FileExists(dir.filePath("missing")));
    const QString config = dir.filePath("config"), home = dir.filePath("home");
    EXPECT_EQ(SettingsFilePath("vellum.usr", "Brindlecote", config + "/", home),
              config + "/Brindlecote/vellum.usr");
    EXPECT_EQ(SettingsFilePath("vellum.usr", "X", "", home), home + "/X/vellum.usr")
        << "no configuration folder";
    EXPECT_TRUE(FolderExists(config + "/Brindlecote") && FolderExists(home + "/X"));
    const QString before = QDir::currentPath();
    GoToFirstFixedDriveRoot();
    EXPECT_EQ(QDir::currentPath(), QDir::homePath());
    QDir::setCurrent(before);
}

TEST(ViewRules, LimitAndSizeInKB)
{
    EXPECT_EQ(FitsViewLimit(40960, 40), 1);
    EXPECT_EQ(FitsViewLimit(40961, 40), 0);
    EXPECT_EQ(SizeInKBText(1023), QString(" 0"));
    EXPECT_EQ(InputTooLargeMessage("/d/big.txt", 52000),
              QString("The size of /d/big.txt is 50 KB.\r\nThis file is too large to display here.\r\n"
                      "Please use a program such as WordPad to view this file."));
}
