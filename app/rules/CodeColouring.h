// The Code to HTML tab's colouring choices for HTML5 pages: whether the code is coloured, as
// which language (or as its file name says), and whether its lines are numbered. They are kept
// across runs in pagewright.conf, beside the page style.
#ifndef PAGEWRIGHT_CODECOLOURING_H
#define PAGEWRIGHT_CODECOLOURING_H

#include <QString>
#include <QStringList>

#include <cstdint>

namespace pagewright
{

struct CodeColouring {
    bool colour = true;
    QString language; // a language's name ("cpp"); empty: chosen by the input's name
    bool lineNumbers = false;

    bool operator==(const CodeColouring&) const = default;
};

// The entries of the "Language:" list: "Automatic", then the label of every language the
// converter colours, in its order.
QStringList CodeLanguageEntries();
// The language's name at this position of the list; empty for "Automatic" or a position beyond it.
QString CodeLanguageAt(int index);
// The position of the language with this name in the list; 0 ("Automatic") for any other name.
int CodeLanguageIndex(const QString& name);

// The options c2h_colored takes for these choices.
int32_t ColouringOptions(const CodeColouring& choices);

// The choices the file (pagewright.conf, see PageStyleFilePath) keeps under "codeColour",
// "codeLanguage" and "codeLineNumbers"; each one that is missing or unknown is the default.
CodeColouring ReadCodeColouring(const QString& path);
// Keeps the choices in the file (its other keys stay), which is replaced whole; false when it
// could not be written.
bool WriteCodeColouring(const QString& path, const CodeColouring& choices);

} // namespace pagewright

#endif
