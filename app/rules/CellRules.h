// The cell editor's entry rules: what its width, height and font size boxes admit and how its
// boxes' texts become a cell's fields. Plain functions of the texts, so they are tested without
// widgets; the dialog trims the boxes first.
#ifndef PAGEWRIGHT_CELLRULES_H
#define PAGEWRIGHT_CELLRULES_H

#include <QString>

#include <optional>

namespace pagewright
{

// A text with its line breaks (CR LF, CR or LF) as blanks. A pasted content or face must stay on
// one line of the table file; in the page a line break and a blank read alike.
QString OneLine(QString text);

// The first size box that fails, width before height, as the message the user is shown; nothing
// when both pass. An empty box passes; any other is judged by the number its text starts with
// (0 when none): 1 to 100 in percent, 10 to 1000 in pixels.
std::optional<QString> CellSizeProblem(const QString& width, bool widthInPercent, const QString& height,
                                       bool heightInPercent);

// The font size box: empty (the browser's default size), or digits with at most one sign, which
// comes first; without a sign a digit 1-6 starting a number of 1 to 6, with one a number of 0 to
// 6 (a lone sign counts as 0).
bool FontSizeOK(const QString& size);

// The font face as stored: line breaks as blanks, no double quote (it is written inside a quoted
// attribute), trimmed, so " \"Arial\" " becomes "Arial".
QString StoredFontFace(const QString& face);

} // namespace pagewright

#endif
