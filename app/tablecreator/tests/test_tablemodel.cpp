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

struct SizeCase {
    const char* name;
    std::vector<Area> before;
    Area proposed;
    bool ok;
    CellPos conflict;
};

class CellSize : public testing::TestWithParam<SizeCase>
{
};

TEST_P(CellSize, ChecksAndAppliesTheProposedArea)
{
    const SizeCase& c = GetParam();
    TableModel m = WithAreas(c.before);
    CellPos conflict;
    EXPECT_EQ(m.CellSizeOK(c.proposed.row, c.proposed.col, c.proposed.rowSpan, c.proposed.colSpan, &conflict),
              c.ok);
    const TableModel before = m;
    EXPECT_EQ(m.SetCellArea(c.proposed.row, c.proposed.col, c.proposed.rowSpan, c.proposed.colSpan), c.ok);
    EXPECT_EQ(m.InvariantProblem(), QString());
    if (!c.ok) {
        EXPECT_EQ(conflict, c.conflict);
        EXPECT_EQ(m, before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, CellSize,
    testing::Values(SizeCase{"plain", {}, {2, 2, 2, 3}, true, {}},
                    SizeCase{"cutsThroughArea", {{3, 3, 2, 2}}, {2, 2, 2, 2}, false, {3, 3}},
                    // An area reaching in from one side only: above, left, below, right.
                    SizeCase{"reachesInFromAbove", {{1, 2, 2, 2}}, {2, 1, 1, 3}, false, {1, 2}},
                    SizeCase{"reachesInFromTheLeft", {{2, 1, 2, 2}}, {1, 2, 3, 1}, false, {2, 1}},
                    SizeCase{"reachesOutBelow", {{2, 2, 2, 1}}, {1, 1, 2, 3}, false, {2, 2}},
                    SizeCase{"reachesOutRight", {{2, 2, 1, 2}}, {1, 1, 3, 2}, false, {2, 2}},
                    SizeCase{"swallowsWholeArea", {{3, 3, 2, 2}}, {2, 2, 4, 4}, true, {}},
                    SizeCase{"shrinkOwnArea", {{1, 1, 3, 3}}, {1, 1, 1, 2}, true, {}},
                    SizeCase{"beyondTable", {}, {5, 5, 3, 1}, false, {5, 5}},
                    SizeCase{"coveredCell", {{1, 1, 2, 2}}, {2, 2, 1, 1}, false, {2, 2}},
                    SizeCase{"zeroSpan", {}, {1, 1, 0, 1}, false, {1, 1}}),
    [](const testing::TestParamInfo<SizeCase>& info) { return info.param.name; });

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

struct MarkerCase {
    const char* content;
    int rows;
    bool marker;
};

class PlaceMarker : public testing::TestWithParam<MarkerCase>
{
};

TEST_P(PlaceMarker, RecognisesMarkerTextsOfTheTable)
{
    TableModel m;
    m.ApplyTableSize(GetParam().rows, 20);
    SetContent(m, 3, 3, QString::fromLatin1(GetParam().content));
    EXPECT_EQ(m.IsPlaceMarker(3, 3), GetParam().marker) << GetParam().content;
}

INSTANTIATE_TEST_SUITE_P(Texts, PlaceMarker,
                         testing::Values(MarkerCase{"R1C2", 6, true}, MarkerCase{" R1C2 ", 6, true},
                                         MarkerCase{"R01C2", 6, true}, MarkerCase{"R12C20", 20, true},
                                         MarkerCase{"R1C2x", 6, false}, MarkerCase{"R21C2", 20, false},
                                         MarkerCase{"R7C2", 6, false}, MarkerCase{"r1C2", 6, false},
                                         MarkerCase{"R1C21", 20, false}, MarkerCase{"R1C02", 6, false},
                                         MarkerCase{"R0C1", 6, false}, MarkerCase{"", 6, false}));

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

struct CopyCase {
    const char* name;
    CopyParts parts;
    CopyTarget target;
    CellPos to;
    bool sourceIsMarker;
    bool sourceColors;
    std::vector<CellPos> changed; // cells that get the source's content or colours
    bool tableColors;
};

class Copy : public testing::TestWithParam<CopyCase>
{
};

TEST_P(Copy, ReachesTheFreeCellsOfTheTarget)
{
    const CopyCase& c = GetParam();
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
    const auto colors = m.CopyCell({2, 2}, c.parts, c.target, c.to);
    EXPECT_EQ(m.InvariantProblem(), QString());
    EXPECT_EQ(colors.has_value(), c.tableColors);
    std::vector<CellPos> reached; // cells other than the source that got any part of it
    for (int r = 1; r <= 6; ++r)
        for (int col = 1; col <= 6; ++col) {
            const TableCell& cell = m.Cell(r, col);
            if (CellPos{r, col} != CellPos{2, 2} &&
                (cell.Content == source.Content || cell.HasOwnColors() || cell.FontFace == source.FontFace))
                reached.push_back({r, col});
        }
    EXPECT_EQ(reached, c.changed);
    EXPECT_EQ(m.Cell(2, 2).Content, source.Content);
    EXPECT_EQ(m.Cell(2, 2).HasOwnColors(), c.sourceColors && !c.tableColors);
}

const CopyParts kContent{false, true, false, false, false, false};
const CopyParts kColors{false, false, true, false, false, false};
const CopyParts kFontContentColors{true, true, true, false, false, false};

using T = CopyTarget;
INSTANTIATE_TEST_SUITE_P(
    Targets, Copy,
    testing::Values(
        CopyCase{"oneCell", kFontContentColors, T::OneCell, {3, 3}, false, true, {{3, 3}}, false},
        CopyCase{"coveredTargetSkipped", kContent, T::OneCell, {2, 5}, false, false, {}, false},
        CopyCase{"row", kFontContentColors, T::Row, {}, false, true, {{2, 1}, {2, 4}, {2, 6}}, false},
        CopyCase{
            "column", kContent, T::Column, {}, false, false, {{1, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}}, false},
        CopyCase{"markerSourceChangesNoContent", kContent, T::Column, {}, true, false, {}, false},
        CopyCase{"colorsToTable", kColors, T::Table, {}, false, true, {}, true},
        CopyCase{"noColorsToTable", kColors, T::Table, {}, false, false, {}, false}),
    [](const testing::TestParamInfo<CopyCase>& info) { return info.param.name; });

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
