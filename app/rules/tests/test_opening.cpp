#include "rules/CommandLine.h"
#include "rules/Opening.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace pagewright;

TEST(Opening, TheTabThatTakesAFileGoesByItsExtension)
{
    struct Case {
        const char* name;
        Slot slot;
    } const cases[] = {{"/d/t.tbl", TableCreatorSlot}, {"/d/T.TBL", TableCreatorSlot},
                       {"/d/a.csv", DataTableSlot},    {"/d/a.TSV", DataTableSlot},
                       {"/d/main.c", CodeSlot},        {"/d/x.Hpp", CodeSlot},
                       {"/d/app.mjs", CodeSlot},       {"/d/page.html", CodeSlot},
                       {"/d/run.bash", CodeSlot},      {"/d/notes.txt", TextSlot},
                       {"/d/page.htm", TextSlot},      {"/d/README", TextSlot},
                       {"/d/.bash", TextSlot},         {"/d/x.cs", TextSlot},
                       {"/src.c/README", TextSlot},    {"/d/archive.tbl.gz", TextSlot},
                       {"/d/notes.", TextSlot},        {"relative.py", CodeSlot}};
    for (const auto& c : cases)
        EXPECT_EQ(SlotForFile(QString::fromLatin1(c.name)), c.slot) << c.name;
    // Every extension the library colours reaches the Code to HTML tab.
    EXPECT_EQ(CodeExtensions().size(), 16);
    for (const QString& extension : CodeExtensions())
        EXPECT_EQ(SlotForFile("/d/f." + extension.toUpper()), CodeSlot) << extension.toStdString();
}

TEST(Opening, ADropBringsItsFirstLocalFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("a b.txt");
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    const QUrl web("https://example.org/a.txt"), folder = QUrl::fromLocalFile(dir.path());
    EXPECT_EQ(DroppedFile({web, folder, QUrl::fromLocalFile(file), QUrl::fromLocalFile("/d/other.txt")}), file);
    EXPECT_EQ(DroppedFile({QUrl::fromLocalFile("/no/such/file.txt")}), QString("/no/such/file.txt"))
        << "a file that vanished is still named, as typing it would";
    EXPECT_EQ(DroppedFile({web, folder}), QString());
    EXPECT_EQ(DroppedFile({}), QString());
}

TEST(CommandLine, HelpVersionAndOneFile)
{
    const auto parse = [](QStringList arguments) {
        arguments.prepend("vellum842");
        return ParseCommandLine(arguments, "/home/u/work");
    };
    for (const char* help : {"--help", "-h", "-?"})
        EXPECT_EQ(parse({help}).action, CommandLine::ShowHelp) << help;
    for (const char* version : {"--version", "-v"})
        EXPECT_EQ(parse({version}).action, CommandLine::ShowVersion) << version;
    EXPECT_EQ(parse({"notes.txt", "--help"}).action, CommandLine::ShowHelp);

    EXPECT_EQ(parse({}).action, CommandLine::Run);
    EXPECT_EQ(parse({}).file, QString());
    EXPECT_EQ(parse({"notes.txt"}).file, QString("/home/u/work/notes.txt"));
    EXPECT_EQ(parse({"../x/./README"}).file, QString("/home/u/x/README"));
    EXPECT_EQ(parse({"/d/t.tbl"}).file, QString("/d/t.tbl"));
    EXPECT_EQ(parse({"--", "-notes.txt"}).file, QString("/home/u/work/-notes.txt"));
    // Qt's own options are left to Qt, with their values.
    const CommandLine qt = parse({"-platform", "offscreen", "-reverse", "a.c", "-style=fusion"});
    EXPECT_EQ(qt.action, CommandLine::Run);
    EXPECT_EQ(qt.file, QString("/home/u/work/a.c"));

    for (const QStringList& wrong : {QStringList{"a.txt", "b.txt"}, QStringList{"--frobnicate"},
                                     QStringList{"-platform"}, QStringList{""}}) {
        const CommandLine c = parse(wrong);
        EXPECT_EQ(c.action, CommandLine::Fail) << wrong.join(' ').toStdString();
        EXPECT_FALSE(c.error.isEmpty());
    }
}

TEST(CommandLine, HelpAndVersionTexts)
{
    EXPECT_EQ(VersionText(), QString("vellum842 8.42\n"));
    const QString help = HelpText();
    EXPECT_TRUE(help.startsWith("Usage: vellum842 [FILE]\n"));
    for (const char* part : {"-h, --help", "-v, --version", ".tbl", ".csv", ".tsv", ".c .h .cc", ".css .html\n"})
        EXPECT_TRUE(help.contains(part)) << part;
}
