#include "tablecreator/TableModel.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pagewright;

namespace
{

struct Area {
    int row, col, rowSpan, colSpan;
};

// A 6 x 6 table with these areas given in order; the invariant holds after each.
TableModel WithAreas(const std::vector<Area>& areas)
{
    TableModel m;
    for (const Area& a : areas) {
        EXPECT_TRUE(m.SetCellArea(a.row, a.col, a.rowSpan, a.colSpan));
        EXPECT_EQ(m.InvariantProblem(), QString());
    }
    return m;
}

void SetContent(TableModel& m, int row, int col, const QString& content)
{
    TableCell values = m.Cell(row, col);
    values.Content = content;
    m.StoreCellFields(row, col, values);
}

// The proposed area is checked and applied, or refused whole naming the cell it conflicts with.
TEST(TableModel, ChecksAndAppliesTheProposedArea)
{
    const struct {
        const char* name;
        std::vector<Area> before;
        Area proposed;
        bool ok;
        CellPos conflict;
    } cases[] = {
        {"plain", {}, {2, 2, 2, 3}, true, {}},
        {"cuts through an area", {{3, 3, 2, 2}}, {2, 2, 2, 2}, false, {3, 3}},
        // An area reaching in from one side only: above, left, below, right.
        {"reaches in from above", {{1, 2, 2, 2}}, {2, 1, 1, 3}, false, {1, 2}},
        {"reaches in from the left", {{2, 1, 2, 2}}, {1, 2, 3, 1}, false, {2, 1}},
        {"reaches out below", {{2, 2, 2, 1}}, {1, 1, 2, 3}, false, {2, 2}},
        {"reaches out right", {{2, 2, 1, 2}}, {1, 1, 3, 2}, false, {2, 2}},
        {"swallows a whole area", {{3, 3, 2, 2}}, {2, 2, 4, 4}, true, {}},
        {"shrinks its own area", {{1, 1, 3, 3}}, {1, 1, 1, 2}, true, {}},
        {"beyond the table", {}, {5, 5, 3, 1}, false, {5, 5}},
        {"a covered cell", {{1, 1, 2, 2}}, {2, 2, 1, 1}, false, {2, 2}},
        {"zero span", {}, {1, 1, 0, 1}, false, {1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableModel m = WithAreas(c.before);
        const TableModel before = m;
        const auto [row, col, rowSpan, colSpan] = c.proposed;
        CellPos conflict;
        EXPECT_EQ(m.CellSizeOK(row, col, rowSpan, colSpan, &conflict), c.ok);
        EXPECT_EQ(m.SetCellArea(row, col, rowSpan, colSpan), c.ok);
        EXPECT_EQ(m.InvariantProblem(), QString());
        if (!c.ok)
            EXPECT_TRUE(conflict == c.conflict && m == before);
    }
}

// A changed area frees the cells it left with their content; a smaller table cuts areas and
// empties what lies outside it.
TEST(TableModel, ChangedAreaOrSizeFreesCells)
{
    TableModel m = WithAreas({{3, 2, 3, 1}, {1, 5, 1, 2}});
    SetContent(m, 2, 1, QStringLiteral("under"));
    SetContent(m, 6, 6, QStringLiteral("gone"));
    ASSERT_TRUE(m.SetCellArea(1, 1, 2, 1) && m.SetCellArea(1, 1, 1, 2));
    EXPECT_EQ(m.Cell(2, 1).Content, QStringLiteral("under"));
    EXPECT_EQ(m.OwnerOf(1, 2), (CellPos{1, 1}));
    m.ApplyTableSize(4, 5);
    EXPECT_EQ(m.InvariantProblem(), QString());
    EXPECT_EQ(m.Cell(3, 2).RowSpan * 10 + m.Cell(1, 5).ColSpan, 21);
    m.ApplyTableSize(6, 6);
    EXPECT_EQ(m.InvariantProblem(), QString());
    EXPECT_EQ(m.Cell(6, 6).Content, QString());
    EXPECT_EQ(m.Cell(5, 2).RowSpan, 1);
}

TEST(TableModel, RecognisesMarkerTextsOfTheTable)
{
    const struct {
        const char* content;
        int rows; // of a table 20 columns wide
        bool marker;
    } cases[] = {{"R1C2", 6, true},    {" R1C2 ", 6, true},  {"R01C2", 6, true}, {"R12C20", 20, true},
                 {"R1C2x", 6, false},  {"R21C2", 20, false}, {"R7C2", 6, false}, {"r1C2", 6, false},
                 {"R1C21", 20, false}, {"R1C02", 6, false},  {"R0C1", 6, false}, {"", 6, false}};
    for (const auto& c : cases) {
        TableModel m;
        m.ApplyTableSize(c.rows, 20);
        SetContent(m, 3, 3, QString::fromLatin1(c.content));
        EXPECT_EQ(m.IsPlaceMarker(3, 3), c.marker) << c.content;
    }
}

TEST(TableModel, PlaceMarkersOnFillBlankFreeCellsOffClearThem)
{
    TableModel m = WithAreas({{1, 1, 1, 2}});
    SetContent(m, 3, 3, QStringLiteral("R1C2"));
    SetContent(m, 2, 2, QStringLiteral("text"));
    m.ApplyPlaceMarkers(true);
    EXPECT_EQ(m.Cell(4, 2).Content, QStringLiteral("R4C2"));
    EXPECT_EQ(m.Cell(1, 2).Content, QString()); // covered
    EXPECT_EQ(m.Cell(2, 2).Content, QStringLiteral("text"));
    m.ApplyPlaceMarkers(false);
    EXPECT_EQ(m.Cell(4, 2).Content, QString());
    EXPECT_EQ(m.Cell(3, 3).Content, QString());
    EXPECT_EQ(m.Cell(2, 2).Content, QStringLiteral("text"));
    EXPECT_EQ(m.InvariantProblem(), QString());
}

// A copy reaches the free cells of its target; colours copied to the whole table become the table's.
TEST(TableModel, CopyReachesTheFreeCellsOfTheTarget)
{
    const CopyParts content{false, true, false, false, false, false};
    const CopyParts colors{false, false, true, false, false, false};
    const CopyParts fontContentColors{true, true, true, false, false, false};
    using T = CopyTarget;
    const struct {
        const char* name;
        CopyParts parts;
        CopyTarget target;
        CellPos to;
        bool sourceIsMarker, sourceColors;
        std::vector<CellPos> changed; // cells that get the source's content or colours
        bool tableColors;
    } cases[] = {
        {"one cell", fontContentColors, T::OneCell, {3, 3}, false, true, {{3, 3}}, false},
        {"covered target skipped", content, T::OneCell, {2, 5}, false, false, {}, false},
        {"row", fontContentColors, T::Row, {}, false, true, {{2, 1}, {2, 4}, {2, 6}}, false},
        {"column", content, T::Column, {}, false, false, {{1, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}}, false},
        {"marker source changes no content", content, T::Column, {}, true, false, {}, false},
        {"colours to the table", colors, T::Table, {}, false, true, {}, true},
        {"no colours to the table", colors, T::Table, {}, false, false, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Source (2,2); (2,4) spans two columns, so (2,5) is covered; (1,3) spans two rows.
        TableModel m = WithAreas({{2, 4, 1, 2}, {1, 3, 2, 1}});
        TableCell source = m.Cell(2, 2);
        source.Content = c.sourceIsMarker ? QStringLiteral("R2C2") : QStringLiteral("src");
        source.FontFace = QStringLiteral("Serif");
        if (c.sourceColors) {
            source.CellTextColor = 0x0000FF;
            source.CellBackColor = 0x00FF00;
        }
        m.StoreCellFields(2, 2, source);
        EXPECT_EQ(m.CopyCell({2, 2}, c.parts, c.target, c.to).has_value(), c.tableColors);
        EXPECT_EQ(m.InvariantProblem(), QString());
        std::vector<CellPos> reached; // cells other than the source that got any part of it
        for (int r = 1; r <= 6; ++r)
            for (int col = 1; col <= 6; ++col) {
                const TableCell& cell = m.Cell(r, col);
                if (CellPos{r, col} != CellPos{2, 2} &&
                    (cell.Content == source.Content || cell.HasOwnColors() ||
                     cell.FontFace == source.FontFace))
                    reached.push_back({r, col});
            }
        EXPECT_EQ(reached, c.changed);
        EXPECT_EQ(m.Cell(2, 2).Content, source.Content);
        EXPECT_EQ(m.Cell(2, 2).HasOwnColors(), c.sourceColors && !c.tableColors);
    }
}

TEST(TableModel, InvariantCatchesBrokenModels)
{
    const auto broken = [](auto change) {
        TableModel m;
        change(m);
        return m.InvariantProblem();
    };
    EXPECT_NE(broken([](TableModel& m) { m.RawCell(1, 2).RowSpan = 0; }), QString());
    EXPECT_NE(broken([](TableModel& m) { m.RawCell(1, 1).ColSpan = 2; }), QString());
    EXPECT_NE(broken([](TableModel& m) { m.RawCell(7, 1).Content = QStringLiteral("x"); }), QString());
    EXPECT_NE(broken([](TableModel& m) { m.RawCell(3, 3).OwnerRow = 2; }), QString());
    EXPECT_NE(broken([](TableModel& m) { m.RawCell(6, 6).RowSpan = 2; }), QString());
    EXPECT_EQ(broken([](TableModel& m) { m.New(); }), QString());
}

} // namespace
