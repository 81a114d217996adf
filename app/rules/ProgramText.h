// The program text table: numbered texts of the user interface, read from vellum_text.dat
// beside the program through corbel6.
#ifndef PAGEWRIGHT_PROGRAMTEXT_H
#define PAGEWRIGHT_PROGRAMTEXT_H

#include <QString>

namespace pagewright
{

// Items the program uses.
enum ProgramTextItem {
    TooLargeIntro = 1,        // first words of the output-file too-large message
    TooLargeTitle = 6,        // its title
    TooLargeLine2 = 8,        // its second line
    TooLargeLine3a = 9,       // its third line, first part
    TooLargeLine3b = 10,      // its third line, second part
    ProductName = 11,         // the product name in the window caption
    EmptyFileTitle = 13,      // title of the viewer's empty-file message
    EmptyFileText = 17,       // text of the viewer's empty-file message
    HowToViewExplanation = 19 // explanation in the "How to view output file?" dialog
};

constexpr const char* kProgramTextFile = "vellum_text.dat";

// folder + "/" + fileName, without a second "/" when folder already ends in one.
QString ProgramTextPath(const QString& folder, const QString& fileName);
// Loads the table; returns the corbel6 result (items read, or a failure code).
int LoadProgramTextTable(const QString& path);
// The message shown for a failed load with result n.
QString ProgramTextFailureMessage(int n, const QString& path);
// The text of an item; "" when the table lacks it. mainWindowLoaded is passed on to corbel6.
QString GetText(int item, bool mainWindowLoaded = true);

} // namespace pagewright

#endif
