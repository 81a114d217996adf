#include "tablecreator/TableFile.h"
#include "tablecreator/TableModel.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>
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

// The model's rules read from its cells, apart from InvariantProblem(): every cell of the table
// lies in the area of the owner it names, every cell of an area names its owner (so areas do not
// overlap), areas end inside the table, and every cell outside the table is empty.
::testing::AssertionResult Sound(const TableModel& m)
{
    for (int r = 1; r <= MaxRows; ++r) {
        for (int c = 1; c <= MaxCols; ++c) {
            const TableCell& cell = m.Cell(r, c);
            const int oR = cell.OwnerRow, oC = cell.OwnerCol;
            const TableCell& o = m.Cell(oR, oC);
            TableCell empty;
            empty.OwnerRow = static_cast<int16_t>(r);
            empty.OwnerCol = static_cast<int16_t>(c);
            bool ok = m.InTable(r, c)
                          ? m.InTable(oR, oC) && o.RowSpan > 0 && o.OwnerRow == oR && o.OwnerCol == oC &&
                                r < oR + o.RowSpan && c < oC + o.ColSpan && r >= oR && c >= oC &&
                                (&o == &cell || cell.RowSpan + cell.ColSpan == 0) &&
                                m.InTable(oR + o.RowSpan - 1, oC + o.ColSpan - 1)
                          : cell == empty;
            for (int i = r; ok && &o == &cell && i < r + cell.RowSpan; ++i)
                for (int j = c; j < c + cell.ColSpan; ++j)
                    ok = ok && m.Cell(i, j).OwnerRow == r && m.Cell(i, j).OwnerCol == c;
            if (!ok)
                return ::testing::AssertionFailure() << "at (" << r << "," << c << ")";
        }
    }
    if (!m.InvariantProblem().isEmpty())
        return ::testing::AssertionFailure() << m.InvariantProblem().toStdString();
    return ::testing::AssertionSuccess();
}

QByteArray FileBytes(const TableModel& m)
{
    TableDocument document;
    document.table = m;
    return TableFileBytes(document);
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
        if (!c.ok) {
            EXPECT_TRUE(conflict == c.conflict && m == before);
        }
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

// InsertRow, InsertColumn, DeleteRow or DeleteColumn.
using Op = bool (TableModel::*)(int);
constexpr Op kOps[] = {&TableModel::InsertRow, &TableModel::InsertColumn, &TableModel::DeleteRow,
                       &TableModel::DeleteColumn};

// Areas cut by a new row or column grow, areas crossing a removed one shrink, an owner that is
// removed hands its area and everything it had to the next cell of the area.
TEST(TableModel, RowsAndColumnsKeepAreasWhole)
{
    struct Placed {
        int row, col, rowSpan, colSpan; // row 0: the area is gone
    };
    const Op insertRow = kOps[0], insertColumn = kOps[1], deleteRow = kOps[2], deleteColumn = kOps[3];
    const struct {
        const char* name;
        Op op;
        int at;
        int rows, cols;
        Placed a, b, c;
    } cases[] = {
        // Before: A (2,2) 3 x 2, B (1,5) 1 x 2, C (5,1) 2 x 1; 6 x 6.
        {"row inside A", insertRow, 3, 7, 6, {2, 2, 4, 2}, {1, 5, 1, 2}, {6, 1, 2, 1}},
        {"row above A's owner", insertRow, 2, 7, 6, {3, 2, 3, 2}, {1, 5, 1, 2}, {6, 1, 2, 1}},
        {"row after the last", insertRow, 7, 7, 6, {2, 2, 3, 2}, {1, 5, 1, 2}, {5, 1, 2, 1}},
        {"column inside A", insertColumn, 3, 6, 7, {2, 2, 3, 3}, {1, 6, 1, 2}, {5, 1, 2, 1}},
        {"column inside B", insertColumn, 6, 6, 7, {2, 2, 3, 2}, {1, 5, 1, 3}, {5, 1, 2, 1}},
        {"column first", insertColumn, 1, 6, 7, {2, 3, 3, 2}, {1, 6, 1, 2}, {5, 2, 2, 1}},
        {"row of A, from above", deleteRow, 3, 5, 6, {2, 2, 2, 2}, {1, 5, 1, 2}, {4, 1, 2, 1}},
        {"row of A's owner", deleteRow, 2, 5, 6, {2, 2, 2, 2}, {1, 5, 1, 2}, {4, 1, 2, 1}},
        {"row holding all of B", deleteRow, 1, 5, 6, {1, 2, 3, 2}, {0, 0, 0, 0}, {4, 1, 2, 1}},
        {"last row, C's last", deleteRow, 6, 5, 6, {2, 2, 3, 2}, {1, 5, 1, 2}, {5, 1, 1, 1}},
        {"row of C's owner", deleteRow, 5, 5, 6, {2, 2, 3, 2}, {1, 5, 1, 2}, {5, 1, 1, 1}},
        {"column of A, left", deleteColumn, 3, 6, 5, {2, 2, 3, 1}, {1, 4, 1, 2}, {5, 1, 2, 1}},
        {"column of A's owner", deleteColumn, 2, 6, 5, {2, 2, 3, 1}, {1, 4, 1, 2}, {5, 1, 2, 1}},
        {"last column, B's last", deleteColumn, 6, 6, 5, {2, 2, 3, 2}, {1, 5, 1, 1}, {5, 1, 2, 1}},
        {"column holding all of C", deleteColumn, 1, 6, 5, {2, 1, 3, 2}, {1, 4, 1, 2}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableModel m = WithAreas({{2, 2, 3, 2}, {1, 5, 1, 2}, {5, 1, 2, 1}});
        for (const auto& [row, col, name] : {std::tuple{2, 2, "A"}, {1, 5, "B"}, {5, 1, "C"}})
            m.StoreCellFields(row, col,
                              {.CellTextColor = 0xFF,
                               .CellBackColor = 0xFF00,
                               .Content = name,
                               .Align = 2,
                               .Width = 40,
                               .FontFace = "Serif"});
        SetContent(m, 3, 2, QStringLiteral("hidden")); // a covered cell's own text gives way to the heir's
        ASSERT_TRUE((m.*c.op)(c.at));
        ASSERT_TRUE(Sound(m));
        EXPECT_EQ(m.NumRows() * 100 + m.NumCols(), c.rows * 100 + c.cols);
        for (const auto& [name, placed] : {std::pair{"A", c.a}, {"B", c.b}, {"C", c.c}}) {
            std::vector<int> found; // row, col, spans of each cell holding the name
            for (int r = 1; r <= MaxRows; ++r)
                for (int col = 1; col <= MaxCols; ++col)
                    if (const TableCell& at = m.Cell(r, col); at.Content == QString::fromLatin1(name)) {
                        found.insert(found.end(), {r, col, at.RowSpan, at.ColSpan});
                        EXPECT_TRUE(at.CellTextColor == 0xFF && at.CellBackColor == 0xFF00 && at.Align == 2 &&
                                    at.Width == 40 && at.FontFace == QStringLiteral("Serif"));
                    }
            const std::vector<int> expected{placed.row, placed.col, placed.rowSpan, placed.colSpan};
            EXPECT_EQ(found, placed.row == 0 ? std::vector<int>{} : expected) << name;
        }
    }
}

// Pasted contents land each in a cell of its own: areas they meet are split, keeping their fields;
// what reaches beyond the table is left out.
TEST(TableModel, PlacedContentsSplitTheAreasTheyMeet)
{
    TableModel m = WithAreas({{1, 1, 2, 2}, {3, 4, 2, 3}, {5, 1, 2, 1}});
    m.StoreCellFields(3, 4, {.Content = "B", .Align = 2});
    m.PlaceContents({2, 2}, {{"a", "b", "c"}, {"d"}, {"e", "f", "g", "h", "i", "j"}});
    ASSERT_TRUE(Sound(m));
    QStringList shown;
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c)
            shown << QString::number(m.Cell(r, c).RowSpan * 10 + m.Cell(r, c).ColSpan) + m.Cell(r, c).Content;
    EXPECT_EQ(shown.join(' ').toStdString(), "11 11 11 11 11 11 " // (1,1)'s area is split: it meets (2,2)
                                             "11 11a 11b 11c 11 11 "
                                             "11 11d 11 11B 11 11 "    // (3,4)'s area too, keeping its look
                                             "11 11e 11f 11g 11h 11i " // "j" lies beyond the table
                                             "21 11 11 11 11 11 0 11 11 11 11 11");
    EXPECT_EQ(m.Cell(3, 4).Align, 2);
    const TableModel before = m;
    m.PlaceContents({7, 1}, {{"x"}});
    EXPECT_TRUE(m == before) << "outside the table nothing is placed";
}

// Inserting needs a table below 20, deleting one above 1; the grid's last row and column take
// what moves to them.
TEST(TableModel, RowsAndColumnsAtTheLimits)
{
    TableModel m;
    m.ApplyTableSize(20, 1);
    const TableModel full = m;
    EXPECT_FALSE(m.InsertRow(1) || m.DeleteColumn(1) || m.InsertRow(21) || m.DeleteRow(0) ||
                 m.DeleteRow(21) || m.InsertColumn(0) || m.InsertColumn(3));
    EXPECT_TRUE(m == full);

    m.ApplyTableSize(19, 19);
    ASSERT_TRUE(m.SetCellArea(18, 1, 2, 19)); // reaches the table's last row and column
    SetContent(m, 18, 1, QStringLiteral("edge"));
    ASSERT_TRUE(m.InsertRow(1) && m.InsertColumn(1));
    ASSERT_TRUE(Sound(m));
    EXPECT_EQ(m.OwnerOf(20, 20), (CellPos{19, 2}));
    EXPECT_EQ(m.Cell(19, 2).Content, QStringLiteral("edge"));
    EXPECT_FALSE(m.InsertRow(20) || m.InsertColumn(20));
    ASSERT_TRUE(m.DeleteRow(19) && m.DeleteColumn(2)); // the owner's row, then its column
    ASSERT_TRUE(Sound(m));
    const TableCell& heir = m.Cell(19, 2);
    EXPECT_EQ(heir.Content + QString::number(heir.RowSpan * 100 + heir.ColSpan), QStringLiteral("edge118"));

    m.ApplyTableSize(1, 2);
    ASSERT_TRUE(m.SetCellArea(1, 1, 1, 2));
    EXPECT_FALSE(m.DeleteRow(1));
    ASSERT_TRUE(m.DeleteColumn(1));
    ASSERT_TRUE(Sound(m));
}

// Inserting a row or column anywhere and deleting it again gives back the same table, byte
// for byte in its file; any mix of the four keeps the model sound.
TEST(TableModel, RowsAndColumnsRoundTripAndStaySound)
{
    std::mt19937 random(18);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 200; ++round) {
        TableModel m;
        m.ApplyTableSize(pick(1, 20), pick(1, 20));
        for (int k = 0; k < 12; ++k) {
            const int r = pick(1, m.NumRows()), c = pick(1, m.NumCols());
            m.SetCellArea(r, c, pick(1, m.NumRows() - r + 1), pick(1, m.NumCols() - c + 1));
            SetContent(m, r, c, QStringLiteral("%1/%2").arg(round).arg(k));
        }
        ASSERT_TRUE(Sound(m));
        const QByteArray before = FileBytes(m);
        const bool rows = round % 2 == 0;
        const int at = pick(1, (rows ? m.NumRows() : m.NumCols()) + 1);
        const bool full = (rows ? m.NumRows() : m.NumCols()) == 20;
        ASSERT_EQ((m.*kOps[rows ? 0 : 1])(at), !full);
        ASSERT_TRUE(Sound(m));
        if (!full) {
            ASSERT_TRUE((m.*kOps[rows ? 2 : 3])(at));
            ASSERT_EQ(FileBytes(m), before) << "round " << round << " at " << at;
        }
        for (int k = 0; k < 10; ++k) {
            (m.*kOps[pick(0, 3)])(pick(0, 21));
            ASSERT_TRUE(Sound(m)) << "round " << round << " step " << k;
        }
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
    TableModel m;
    m.RawCell(2, 2).OwnerCol = 1;
    EXPECT_FALSE(Sound(m));
}

} // namespace
