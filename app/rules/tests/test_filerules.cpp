#include "rules/FileRules.h"

#include <gtest/gtest.h>

using namespace pagewright;

// Rows name only the form's inputs that differ from a fresh form.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

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
    EXPECT_EQ(ProposedOutputName("tx"), QString("tx.htm"));
    EXPECT_EQ(ProposedOutputName("/usr/share/doc/x/copyright", CodeSlot), QString("/usr/share/doc/x/copyright.htm"));
    EXPECT_EQ(ProposedOutputName("/d/main.c", CodeSlot), QString());
    EXPECT_EQ(ProposedOutputName("/d/data.csv", DataTableSlot), QString("/d/data.htm"));
    EXPECT_EQ(ProposedOutputName("/d/data.tsv", DataTableSlot), QString("/d/data.htm"));
    EXPECT_EQ(ProposedOutputName("/d/data.csv", TextSlot), QString());
    // Data to Table also takes spreadsheet exports; every other check stays with "txt".
    for (const char* name : {"/d/a.txt", "/d/a.CSV", " /d/a.tsv "})
        EXPECT_TRUE(InputExtensionOK(DataTableSlot, name)) << name;
    for (const char* name : {"/d/a.csv", "/d/a.tsv"})
        EXPECT_FALSE(InputExtensionOK(TextSlot, name) || InputExtensionOK(ListSlot, name)) << name;
    EXPECT_FALSE(InputExtensionOK(DataTableSlot, "/d/a.xcsv"));
    // A spreadsheet export ticks both data boxes of Data to Table; no other name ticks either.
    for (const char* name : {"/d/A.CSV", " /d/a.csv ", ".csv", "/d/a.tsv", "/d/a.TsV", "a.b.csv"})
        EXPECT_EQ(TicksForDataFile(name), (DataFileTicks{true, true})) << name;
    for (const char* name : {"/d/a.txt", "/d/a.xcsv", "csv", "/d/a.csv.txt", "/d/a.ssv", "/d/a.tsvx", ""})
        EXPECT_EQ(TicksForDataFile(name), DataFileTicks{}) << name;
}

// A file without any extension is taken as text by every tab; a wrong extension is still refused.
TEST(FileRules, NamesWithoutExtensionPassTheInputCheck)
{
    for (const char* name : {"/etc/passwd", "/d/README", " /d/copyright ", "/d.d/notes", "/d/.profile", "x"}) {
        EXPECT_TRUE(HasNoExtension(name)) << name;
        for (int slot : {TextSlot, ListSlot, DataTableSlot})
            EXPECT_TRUE(InputExtensionOK(slot, name)) << name << " in slot " << slot;
    }
    for (const char* name : {"/d/notes.", "/d/a.htm", "/d/.profile.bak", "/d/", "", "/d/a.tar.gz"}) {
        EXPECT_FALSE(HasNoExtension(name)) << name;
        EXPECT_FALSE(InputExtensionOK(TextSlot, name)) << name;
    }
    EXPECT_EQ(FolderOfPath("/dir/sub/notes.txt"), QString("/dir/sub/"));
    EXPECT_EQ(FolderOfPath("/notes.txt"), QString("/"));
    EXPECT_EQ(FolderOfPath("notes.txt"), QString());
}

namespace
{

// The buttons a state enables, as letters: Perform, view Input, view Output, view Header, view
// Footer, Title.
std::string Enabled(const ButtonStates& s)
{
    return std::string(s.perform ? "P" : "") + (s.viewInput ? "I" : "") + (s.viewOutput ? "O" : "") +
           (s.viewHeader ? "H" : "") + (s.viewFooter ? "F" : "") + (s.title ? "T" : "");
}

} // namespace

// Perform needs full paths and an HTML output; the list tab follows its source option; only the
// text and template tabs have header files.
TEST(FileRules, ButtonStates)
{
    using L = ListSource;
    const std::vector<int> files{TextSlot, CodeSlot, DataTableSlot}, pages{TableCreatorSlot, TemplateSlot},
        list{ListSlot}, headed{TextSlot, TemplateSlot};
    const struct {
        std::vector<int> tabs;
        ButtonInputs in;
        const char* enabled;
    } cases[] = {
        {files, {.input = "/d/a.txt", .output = "/d/a.htm"}, "PIT"},
        {files, {.input = "a.txt", .output = "/d/a.htm"}, "T"},
        {files, {.input = "/d/a.txt", .output = "/d/a.htm "}, "IT"},
        {files, {.input = "/d/a.txt", .output = "/d/a.txt"}, "IT"},
        {files, {.input = "/d/a.txt", .output = "/d/a.htm", .outputReady = true}, "PIOT"},
        {files, {.input = "/d/a.txt", .output = "/d/a.txt", .outputReady = true}, "IT"},
        {pages, {.output = "/d/x.HTML"}, "PT"},
        {pages, {.output = "x.html", .outputReady = true}, "T"},
        {pages, {.input = "/d/a.txt"}, "T"},
        {list, {.output = "x.htm", .listSource = L::BlankList}, "PT"},
        {list, {.output = "x.htm", .listSource = L::BlankListWithItemNumbers, .numberOfItems = "0"}, "T"},
        {list, {.output = "x.htm", .listSource = L::BlankListWithItemNumbers}, "T"},
        {list, {.output = "x.htm", .listSource = L::BlankListWithItemNumbers, .numberOfItems = "3"}, "PT"},
        {list, {.output = "/d/x.htm"}, "T"},
        {list, {.input = "/d/l.txt", .output = "x.htm"}, "PIT"},
        {list, {.input = "/d/l.txt", .output = "x.htm", .specifyInput2Enabled = false}, "PT"},
        {headed, {.header = "/d/h.htm", .footer = "f.htm", .templateHeader = "/d/h.htm"}, "H"},
        {headed, {.footer = "/d/f.htm"}, "FT"},
        {{CodeSlot}, {.header = "/d/h.htm", .footer = "/d/f.htm"}, "T"},
    };
    for (const auto& c : cases)
        for (int slot : c.tabs) {
            ButtonInputs in = c.in;
            in.slot = slot;
            EXPECT_EQ(Enabled(ComputeButtonStates(in)), c.enabled) << slot << " " << c.in.input.toStdString();
        }
}

TEST(FileRules, WhichSlotsReadInput)
{
    using L = ListSource;
    EXPECT_TRUE(ReadsTextInput(TextSlot, L::BlankList) && ReadsTextInput(DataTableSlot, L::BlankList));
    EXPECT_TRUE(ReadsTextInput(ListSlot, L::ReadFile) && ReadsInputFile(CodeSlot, L::ReadFile));
    EXPECT_FALSE(ReadsTextInput(ListSlot, L::BlankList) || ReadsTextInput(CodeSlot, L::ReadFile));
    EXPECT_FALSE(ReadsInputFile(TemplateSlot, L::ReadFile) || ReadsInputFile(TableCreatorSlot, L::ReadFile));
}
