// A table's width, border, cell padding and cell spacing as the table-properties dialog edits
// them, and the checks its Accept button makes. -1 means "not given": the HTML attribute is then
// left out and the browser's default applies.
#ifndef PAGEWRIGHT_TABLEPROPERTIES_H
#define PAGEWRIGHT_TABLEPROPERTIES_H

#include <QString>

#include <cstdint>
#include <optional>

namespace pagewright
{

constexpr int16_t kNotGiven = -1;

struct TableProperties {
    int16_t width = kNotGiven;
    int16_t widthInPixels = 1; // 1 pixels, 0 percent; kept while the width is not given
    int16_t border = kNotGiven;
    int16_t cellPadding = kNotGiven;
    int16_t cellSpacing = kNotGiven;
    friend bool operator==(const TableProperties&, const TableProperties&) = default;
};

// What a new table has, in the Data to Table tab and in the Table Creator alike: no width (in
// pixels once one is given), border 1, cell padding 4, cell spacing 4.
inline constexpr TableProperties kDefaultTableProperties{kNotGiven, 1, 1, 4, 4};

// The four boxes of the dialog as typed, and the unit chosen.
struct TablePropertyTexts {
    QString width;
    QString border;
    QString cellPadding;
    QString cellSpacing;
    bool percent = false;
};

// A size box, as in this dialog and in the cell editor. A stored value as its box shows it:
// empty when not given.
QString SizeBoxText(int16_t value);
// An empty box passes; any other is judged by the number its text starts with (0 when none),
// which must lie in low..high.
bool SizeBoxAdmits(const QString& text, double low, double high);
// A box's value as stored: kNotGiven for an empty box, else its number rounded half to even and
// held to -1..32767.
int16_t SizeBoxValue(const QString& text);

// The boxes of the dialog for these properties.
TablePropertyTexts ToTablePropertyTexts(const TableProperties& properties);

// The first box that fails, in the order width, border, cell padding, cell spacing, as the
// message the user is shown; nothing when every box passes. An empty box passes; any other is
// judged by the number its text starts with (0 when none). The texts are taken as they are;
// the dialog trims them first.
std::optional<QString> TablePropertiesProblem(const TablePropertyTexts& texts);

// The properties of boxes that passed the checks: an empty box is not given, any other holds its
// number rounded half to even.
TableProperties ToTableProperties(const TablePropertyTexts& texts);

} // namespace pagewright

#endif
