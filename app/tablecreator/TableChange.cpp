#include "tablecreator/TableChange.h"

namespace pagewright
{

TableChange::TableChange(const TableDocument& before, const TableDocument& after)
    : m_rows{before.table.NumRows(), after.table.NumRows()},
      m_cols{before.table.NumCols(), after.table.NumCols()}, m_settings{SettingsOf(before), SettingsOf(after)}
{
    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxCols; ++c)
            if (!(before.table.Cell(r, c) == after.table.Cell(r, c)))
                m_cells.push_back({r, c, before.table.Cell(r, c), after.table.Cell(r, c)});
}

TableChange::Settings TableChange::SettingsOf(const TableDocument& d)
{
    return {d.wrapper,        d.center,    d.placeMarkers, d.properties,
            d.useTableColors, d.textColor, d.backColor,    d.outputFile};
}

bool TableChange::IsEmpty() const
{
    return m_cells.empty() && m_rows[0] == m_rows[1] && m_cols[0] == m_cols[1] &&
           m_settings[0] == m_settings[1];
}

void TableChange::Apply(TableDocument& d, bool forward) const
{
    const Settings& from = m_settings[forward ? 0 : 1];
    const Settings& to = m_settings[forward ? 1 : 0];
    const auto take = [&](auto TableDocument::*field, auto Settings::*kept) {
        if (!(from.*kept == to.*kept))
            d.*field = to.*kept;
    };
    take(&TableDocument::wrapper, &Settings::wrapper);
    take(&TableDocument::center, &Settings::center);
    take(&TableDocument::placeMarkers, &Settings::placeMarkers);
    take(&TableDocument::properties, &Settings::properties);
    take(&TableDocument::useTableColors, &Settings::useTableColors);
    take(&TableDocument::textColor, &Settings::textColor);
    take(&TableDocument::backColor, &Settings::backColor);
    take(&TableDocument::outputFile, &Settings::outputFile);
    d.table.SetCountsUnchecked(m_rows[forward ? 1 : 0], m_cols[forward ? 1 : 0]);
    for (const CellChange& cell : m_cells)
        d.table.RawCell(cell.row, cell.col) = forward ? cell.after : cell.before;
}

} // namespace pagewright
