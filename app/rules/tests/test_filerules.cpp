#include "rules/FileRules.h"

#include <gtest/gtest.h>

using namespace pagewright;

// The root alone, like C:\, is not a full path; names are judged as typed.
TEST(FileRules, FullPaths)
{
    for (const char* name : {"/a", "/home/u/notes.txt", "//server/share/x.htm"})
        EXPECT_TRUE(IsFullPath(name)) << name;
    for (const char* name : {"/", "", "notes.txt", " /a", "C:\\dir\\x.htm"})
        EXPECT_FALSE(IsFullPath(name)) << name;
}

TEST(FileRules, HtmlExtensionAsTyped)
{
    struct Case {
        const char* name;
        bool html;
    } const cases[] = {{"/x.HTML", true},  {"/x.htm", true},   {"/xhtm", true},   {"/x.html ", false},
                       {"htm", false},     {".htm", true},     {"/x.txt", false}, {"/x.Htm", true},
                       {"/x.shtml", true}, {"/x.htmx", false}, {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(HasHtmlExtension(QString::fromLatin1(c.name)), c.html) << c.name;
}

TEST(FileRules, ExtensionCheckTrimsAndNeedsTheDot)
{
    struct Case {
        const char* name;
        const char* ext1;
        const char* ext2;
        bool ok;
    } const cases[] = {{"/d/notes.txt", "txt", "", true},     {"/d/notes.TXT", "txt", "", true},
                       {"  /d/notes.txt  ", "txt", "", true}, {"/d/data.csv", "txt", "", false},
                       {"/d/notes.", "txt", "", false},       {"/d/notestxt", "txt", "", false},
                       {"/d.txt/notes", "txt", "", false},    {"/d/x.htm", "htm", "html", true},
                       {"/d/x.html", "htm", "html", true},    {"/d/x.xhtml", "htm", "html", false},
                       {"/d/x.html", "htm", "", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ExtensionMatches(QString::fromLatin1(c.name), QString::fromLatin1(c.ext1),
                                   QString::fromLatin1(c.ext2)),
                  c.ok)
            << c.name;
    }
    EXPECT_EQ(ExtensionMessage("Input", "txt", ""), QString("Input file must have file extension \"txt\"."));
    EXPECT_EQ(ExtensionMessage("Output", "htm", "html"),
              QString("Output file must have file extension \"htm\" or \"html\"."));
}

TEST(FileRules, ProposedOutputAndFolders)
{
    EXPECT_EQ(ProposedOutputName("/dir/notes.txt"), QString("/dir/notes.htm"));
    EXPECT_EQ(ProposedOutputName("/dir/notes.TXT"), QString());
    EXPECT_EQ(ProposedOutputName("/dir/notestxt"), QString("/dir/noteshtm"));
    EXPECT_EQ(ProposedOutputName("tx"), QString());
    EXPECT_EQ(ProposedOutputName("/d/data.csv", DataTableSlot), QString("/d/data.htm"));
    EXPECT_EQ(ProposedOutputName("/d/data.tsv", DataTableSlot), QString("/d/data.htm"));
    EXPECT_EQ(ProposedOutputName("/d/data.csv", TextSlot), QString());
    // Data to Table also takes spreadsheet exports; every other check stays with "txt".
    for (const char* name : {"/d/a.txt", "/d/a.CSV", " /d/a.tsv "})
        EXPECT_TRUE(InputExtensionOK(DataTableSlot, name)) << name;
    for (const char* name : {"/d/a.csv", "/d/a.tsv"})
        EXPECT_FALSE(InputExtensionOK(TextSlot, name) || InputExtensionOK(ListSlot, name)) << name;
    EXPECT_FALSE(InputExtensionOK(DataTableSlot, "/d/a.xcsv"));
    EXPECT_TRUE(IsCsvName("/d/A.CSV") && IsCsvName(" /d/a.csv ") && IsCsvName(".csv"));
    EXPECT_FALSE(IsCsvName("/d/a.tsv") || IsCsvName("/d/a.xcsv") || IsCsvName("csv"));
    EXPECT_EQ(FolderOfPath("/dir/sub/notes.txt"), QString("/dir/sub/"));
    EXPECT_EQ(FolderOfPath("/notes.txt"), QString("/"));
    EXPECT_EQ(FolderOfPath("notes.txt"), QString());
}

namespace
{

ButtonStates States(int slot, const char* in, const char* out, bool ready = false,
                    ListSource list = ListSource::ReadFile, const char* items = "")
{
    ButtonInputs inputs;
    inputs.slot = slot;
    inputs.input = QString::fromLatin1(in);
    inputs.output = QString::fromLatin1(out);
    inputs.outputReady = ready;
    inputs.listSource = list;
    inputs.numberOfItems = QString::fromLatin1(items);
    return ComputeButtonStates(inputs);
}

} // namespace

TEST(FileRules, PerformNeedsFullPathsAndHtmlOutput)
{
    for (int slot : {TextSlot, CodeSlot, DataTableSlot}) {
        EXPECT_TRUE(States(slot, "/d/a.txt", "/d/a.htm").perform) << slot;
        EXPECT_FALSE(States(slot, "a.txt", "/d/a.htm").perform) << slot;
        EXPECT_FALSE(States(slot, "/d/a.txt", "/d/a.htm ").perform) << slot;
        EXPECT_FALSE(States(slot, "/d/a.txt", "/d/a.txt").perform) << slot;
        EXPECT_TRUE(States(slot, "/d/a.txt", "").viewInput) << slot;
    }
    for (int slot : {TableCreatorSlot, TemplateSlot}) {
        EXPECT_TRUE(States(slot, "", "/d/x.HTML").perform) << slot;
        EXPECT_FALSE(States(slot, "", "x.html").perform) << slot;
        EXPECT_FALSE(States(slot, "/d/a.txt", "").viewInput) << slot;
    }
}

TEST(FileRules, ListTabFollowsItsSourceOption)
{
    EXPECT_TRUE(States(ListSlot, "", "x.htm", false, ListSource::BlankList).perform);
    EXPECT_FALSE(States(ListSlot, "", "x.htm", false, ListSource::BlankListWithItemNumbers, "0").perform);
    EXPECT_FALSE(States(ListSlot, "", "x.htm", false, ListSource::BlankListWithItemNumbers, "").perform);
    EXPECT_TRUE(States(ListSlot, "", "x.htm", false, ListSource::BlankListWithItemNumbers, "3").perform);
    EXPECT_FALSE(States(ListSlot, "", "/d/x.htm", false, ListSource::ReadFile).perform);
    EXPECT_TRUE(States(ListSlot, "/d/l.txt", "x.htm", false, ListSource::ReadFile).perform);

    ButtonInputs in;
    in.slot = ListSlot;
    in.input = "/d/l.txt";
    in.specifyInput2Enabled = false;
    EXPECT_FALSE(ComputeButtonStates(in).viewInput);
    in.specifyInput2Enabled = true;
    EXPECT_TRUE(ComputeButtonStates(in).viewInput);
}

TEST(FileRules, ViewButtonsAndTitle)
{
    EXPECT_FALSE(States(TextSlot, "/d/a.txt", "/d/a.htm", false).viewOutput);
    EXPECT_TRUE(States(TextSlot, "/d/a.txt", "/d/a.htm", true).viewOutput);
    EXPECT_FALSE(States(TextSlot, "/d/a.txt", "/d/a.txt", true).viewOutput);

    ButtonInputs in;
    in.slot = TemplateSlot;
    in.header = "/d/head.htm";
    in.footer = "foot.htm";
    in.templateHeader = "/d/head.htm";
    ButtonStates st = ComputeButtonStates(in);
    EXPECT_TRUE(st.viewHeader);
    EXPECT_FALSE(st.viewFooter);
    EXPECT_FALSE(st.title);
    in.templateHeader.clear();
    EXPECT_TRUE(ComputeButtonStates(in).title);
    in.slot = CodeSlot;
    EXPECT_FALSE(ComputeButtonStates(in).viewHeader) << "only the text and template tabs have header files";
}

TEST(FileRules, WhichSlotsReadInput)
{
    using L = ListSource;
    EXPECT_TRUE(ReadsTextInput(TextSlot, L::BlankList) && ReadsTextInput(DataTableSlot, L::BlankList));
    EXPECT_TRUE(ReadsTextInput(ListSlot, L::ReadFile) && ReadsInputFile(CodeSlot, L::ReadFile));
    EXPECT_FALSE(ReadsTextInput(ListSlot, L::BlankList) || ReadsTextInput(CodeSlot, L::ReadFile));
    EXPECT_FALSE(ReadsInputFile(TemplateSlot, L::ReadFile) || ReadsInputFile(TableCreatorSlot, L::ReadFile));
}
