// One change to what a table file holds, kept as what it touched: the cells that differ, the
// row and column counts, and those of the options, properties, colours and output name that
// differ, each as it was before and after. Applied to a document that stands where the change
// left it (or found it), it gives back the state before (or after) exactly; what the change did
// not touch stays as the document has it.
#ifndef PAGEWRIGHT_TABLECHANGE_H
#define PAGEWRIGHT_TABLECHANGE_H

#include "tablecreator/TableFile.h"

#include <vector>

namespace pagewright
{

class TableChange
{
public:
    TableChange(const TableDocument& before, const TableDocument& after);

    bool IsEmpty() const;
    void Undo(TableDocument& document) const { Apply(document, false); }
    void Redo(TableDocument& document) const { Apply(document, true); }
    // How many cells the change keeps.
    size_t CellCount() const { return m_cells.size(); }

private:
    struct CellChange {
        int row, col;
        TableCell before, after;
    };
    // A document's state apart from its table.
    struct Settings {
        bool wrapper, center, placeMarkers;
        TableProperties properties;
        bool useTableColors;
        int32_t textColor, backColor;
        QString outputFile;
        friend bool operator==(const Settings&, const Settings&) = default;
    };
    static Settings SettingsOf(const TableDocument& document);
    void Apply(TableDocument& document, bool forward) const;

    std::vector<CellChange> m_cells;
    int m_rows[2], m_cols[2]; // before, after
    Settings m_settings[2];
};

} // namespace pagewright

#endif
