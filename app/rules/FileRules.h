// Rules for the file names of the tool tabs: full paths, extensions, folders and which
// buttons a tab enables. Plain functions of the box texts, so they are tested without widgets.
#ifndef PAGEWRIGHT_FILERULES_H
#define PAGEWRIGHT_FILERULES_H

#include "rules/NumberText.h"

#include <QString>

namespace pagewright
{

// Slots of the tool tabs (the index of their file controls and result line).
enum Slot {
    TextSlot = 0,
    CodeSlot = 1,
    ListSlot = 2,
    DataTableSlot = 3,
    TableCreatorSlot = 4,
    TemplateSlot = 5
};
constexpr int kSlotCount = 6;
constexpr int kInputSlotCount = 4;

// Slot of the tab at a tab position, and back.
int SlotOfTab(int tabPosition);
int TabOfSlot(int slot);
// Index of the header and footer controls of the tab at a tab position.
int HeaderFooterIndexOfTab(int tabPosition);

// An absolute path: starts with "/" and has at least 2 characters.
bool IsFullPath(const QString& text);
// The output name as typed ends in "htm" or "html" (any case) and has at least 4 characters.
bool HasHtmlExtension(const QString& output);
// The trimmed name ends in "." + ext1, or "." + ext2 when ext2 is not empty (any case).
bool ExtensionMatches(const QString& name, const QString& ext1, const QString& ext2);
// Message shown when ExtensionMatches fails, e.g. Input file must have file extension "txt".
QString ExtensionMessage(const QString& kind, const QString& ext1, const QString& ext2);
// Output name proposed for a chosen input file: notes.txt gives notes.htm, README README.htm;
// "" when none.
QString ProposedOutputName(const QString& input, int slot = TextSlot);
// The trimmed name's last part (after its last "/") is not empty and has no "." but at its start:
// README, copyright, .profile. Such files are plain text as often as not.
bool HasNoExtension(const QString& name);
// The input extensions a slot's checks accept: "txt" everywhere; the Data to Table tab also
// takes comma- and tab-separated exports ending in "csv" or "tsv" (any letter case, as "txt").
// A name without any extension passes everywhere.
bool InputExtensionOK(int slot, const QString& name);
// The check boxes of the Data to Table tab that an input's name ticks once it is chosen or typed:
// a ".csv" or ".tsv" export (any letter case, blanks around the name ignored) is data, not HTML, so
// "Fields may be quoted (CSV)" and "Data is plain text (escape <, > and &)" both; any other name
// ticks none and clears none. The command line's defaults follow the same rule (isDataFileName).
struct DataFileTicks {
    bool quotedFields = false;
    bool plainText = false;
    friend bool operator==(const DataFileTicks&, const DataFileTicks&) = default;
};
DataFileTicks TicksForDataFile(const QString& name);
// The text up to and including its last "/"; "" when it has none.
QString FolderOfPath(const QString& path);

// The Data to List tab's choice of list source.
enum class ListSource { ReadFile, BlankList, BlankListWithItemNumbers };

// Everything the enabling rules read for the current slot.
struct ButtonInputs {
    int slot = TextSlot;
    QString input;
    QString output;
    bool outputReady = false;
    ListSource listSource = ListSource::ReadFile;
    QString numberOfItems;
    bool specifyInput2Enabled = true;
    QString header; // header box of the tab's header/footer index
    QString footer;
    QString templateHeader; // header box of the HTML Template tab
};

struct ButtonStates {
    bool perform = false;
    bool viewInput = false;
    bool viewOutput = false;
    bool viewHeader = false; // meaningful for the Text to HTML and Template slots only
    bool viewFooter = false;
    bool title = false; // meaningful for the Template slot only
};

ButtonStates ComputeButtonStates(const ButtonInputs& in);

// Whether the slot reads an input file checked for "txt", and whether it reads one at all.
bool ReadsTextInput(int slot, ListSource listSource);
bool ReadsInputFile(int slot, ListSource listSource);

} // namespace pagewright

#endif
