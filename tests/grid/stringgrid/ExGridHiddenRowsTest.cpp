// Hidden rows of the string grid: they leave the display with their cells and come back in
// their places; real and display rows map both ways while rows around them come and go.
#include "ExGridTestGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/stringgrid/HiddenRowStore.h"
#include "platform/ui/Panel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A grid of 10 real rows and 4 columns; cell (c, r) holds "c:r" for its real row r.
class ExGridHiddenRows : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetColCount(4);
        grid.SetRowCount(10);
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 4; ++c)
                grid.SetCells(c, r, Name(c, r));
    }
    static std::string Name(int c, int r) { return std::to_string(c) + ":" + std::to_string(r); }
    // Column 1 of every display row, as "1:r" names.
    std::vector<std::string> Shown() const {
        std::vector<std::string> names;
        for (int r = 0; r < grid.RowCount(); ++r)
            names.push_back(grid.Cells(1, r));
        return names;
    }
    static std::vector<std::string> Names(std::initializer_list<int> rows) {
        std::vector<std::string> names;
        for (int r : rows)
            names.push_back(Name(1, r));
        return names;
    }
    // Every real row of the grid maps to a display row and back; rows on show show their own
    // cells and hidden rows are read through AllCells. `names[k]` is the name real row k had
    // when it was written.
    void ExpectMappedBothWays(const std::vector<int>& names) const {
        ASSERT_EQ(grid.TotalRowCount(), static_cast<int>(names.size()));
        for (int real = 0; real < grid.TotalRowCount(); ++real) {
            SCOPED_TRACE("real row " + std::to_string(real));
            EXPECT_EQ(grid.AllCells(1, real), Name(1, names[real]));
            if (grid.IsHiddenRow(real))
                continue;
            const int display = grid.DisplRowIndex(real);
            EXPECT_EQ(grid.RealRowIndex(display), real);
            EXPECT_EQ(grid.Cells(1, display), Name(1, names[real]));
        }
    }

    TTestExGrid grid{nullptr};
};

TEST_F(ExGridHiddenRows, TwoHiddenRowsLeaveTheDisplayAndStayReachableByRealRow) {
    grid.HideRows(3, 4);
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.NumHiddenRows(), 2);
    EXPECT_EQ(grid.TotalRowCount(), 10);
    EXPECT_EQ(grid.AllRowCount(), 10);
    EXPECT_TRUE(grid.IsHiddenRow(3));
    EXPECT_FALSE(grid.IsHiddenRow(5));
    EXPECT_EQ(grid.RealRowIndex(3), 5);
    EXPECT_EQ(grid.DisplRowIndex(5), 3);
    EXPECT_EQ(grid.DisplRowIndex(4), 3); // a hidden row maps to the next row on show
    EXPECT_EQ(grid.RealRowIndex(-1), -1);
    EXPECT_EQ(grid.AllCells(2, 3), "2:3");
    EXPECT_EQ(Shown(), Names({0, 1, 2, 5, 6, 7, 8, 9}));
    ExpectMappedBothWays({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
}

TEST_F(ExGridHiddenRows, HidingARangeAroundAHiddenRowStoresEachRowWithItsOwnCells) {
    grid.HideRow(4);
    grid.HideRows(2, 6);
    EXPECT_EQ(grid.RowCount(), 5); // four more rows left the display
    EXPECT_EQ(Shown(), Names({0, 1, 7, 8, 9}));
    for (int r : {2, 3, 4, 5, 6}) {
        EXPECT_TRUE(grid.IsHiddenRow(r)) << r;
        EXPECT_EQ(grid.AllCells(3, r), Name(3, r));
    }
}

TEST_F(ExGridHiddenRows, ShownRowsComeBackInPlaceWithHeightsAndProperties) {
    grid.SetRowHeights(4, 41);
    grid.SetColors(2, 4, clRed);
    grid.SetAllObjects(3, 4, 1234);
    grid.HideRows(3, 5);
    EXPECT_EQ(grid.Colors(2, 4), clNone); // display row 4 now shows real row 7
    grid.UnHideRows(3, 5);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_EQ(Shown(), Names({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(grid.RowHeights(4), 41);
    EXPECT_EQ(grid.RowHeights(3), grid.DefaultRowHeight());
    EXPECT_EQ(grid.Colors(2, 4), clRed);
    EXPECT_EQ(grid.Objects(3, 4), 1234u);
}

TEST_F(ExGridHiddenRows, PropertiesOfRowsThatMoveKnowTheirNewCell) {
    grid.SetColors(2, 7, clRed);
    grid.HideRows(3, 4);
    EXPECT_EQ(grid.CellProperties(2, 5)->OwnerRow(), 5);
    grid.UnHideRows(3, 4);
    EXPECT_EQ(grid.CellProperties(2, 7)->OwnerRow(), 7);
}

// A hidden row's cell colour, check box and object go where its column goes, as its text does.
TEST_F(ExGridHiddenRows, CellObjectsOfHiddenRowsFollowTheirColumns) {
    const struct {
        const char* Name;
        std::function<void(TExStringGrid&)> Change;
        int NewCol; // where column 1 went
    } cases[] = {
        {"moved right", [](TExStringGrid& g) { g.MoveColumn(1, 3); }, 3},
        {"moved left", [](TExStringGrid& g) { g.MoveColumn(1, 0); }, 0},
        {"swapped", [](TExStringGrid& g) { g.SwapColumns(1, 2); }, 2},
        {"column inserted before", [](TExStringGrid& g) { g.InsertCols(0, 2); }, 3},
        {"column removed before", [](TExStringGrid& g) { g.RemoveCols(0, 1); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTestExGrid g{nullptr};
        g.SetColCount(4);
        g.SetRowCount(10);
        for (int col = 0; col < 4; ++col)
            g.SetCells(col, 4, Name(col, 4));
        g.SetColors(1, 4, clRed);
        g.AddCheckBox(1, 4, true, false);
        g.SetAllObjects(1, 4, 4321);
        g.HideRows(3, 5);
        c.Change(g);
        g.UnHideRows(3, 5);
        for (int col = 0; col < g.ColCount(); ++col) {
            SCOPED_TRACE(col);
            const bool moved = col == c.NewCol;
            EXPECT_EQ(g.Cells(col, 4) == Name(1, 4), moved);
            EXPECT_EQ(g.Colors(col, 4), moved ? clRed : clNone);
            EXPECT_EQ(g.HasCheckBox(col, 4), moved);
            EXPECT_EQ(g.Objects(col, 4), moved ? 4321u : 0u);
            if (g.CellProperties(col, 4))
                EXPECT_EQ(g.CellProperties(col, 4)->OwnerCol(), col);
        }
    }
}

TEST_F(ExGridHiddenRows, ShowingNeedsTheFirstRowOfTheRangeToBeHidden) {
    grid.HideRows(3, 4);
    grid.UnHideRows(2, 4); // row 2 is on show
    EXPECT_EQ(grid.NumHiddenRows(), 2);
    grid.UnHideRow(7); // not hidden
    EXPECT_EQ(grid.NumHiddenRows(), 2);
    grid.UnHideRow(4);
    EXPECT_EQ(Shown(), Names({0, 1, 2, 4, 5, 6, 7, 8, 9}));
    grid.UnHideRowsAll();
    EXPECT_EQ(Shown(), Names({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ExGridHiddenRows, HidingEveryRowLeavesTheGridAsItWas) {
    grid.HideRows(0, 9);
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
}

TEST_F(ExGridHiddenRows, HideRowsExDoesNothingWhenItsFirstRowIsHidden) {
    grid.HideRow(2);
    grid.HideRowsEx(2, 4);
    EXPECT_EQ(grid.NumHiddenRows(), 1);
    grid.HideRowsEx(3, 4);
    EXPECT_EQ(Shown(), Names({0, 1, 5, 6, 7, 8, 9}));
}

TEST_F(ExGridHiddenRows, TheCachedHiddenTestAnswersAsThePlainOne) {
    grid.HideRows(3, 4);
    grid.HideRow(8);
    TIntList* cache = nullptr;
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(grid.IsHiddenRow(r, cache), grid.IsHiddenRow(r)) << r;
    ASSERT_NE(cache, nullptr);
    EXPECT_EQ(cache->Count(), 3);
    delete cache;
}

TEST_F(ExGridHiddenRows, FilterLevelsAreUndoneNewestFirst) {
    TIntList first(0, 0);
    for (int displayRow : {2, 5})
        first.Add(displayRow);
    grid.HideRowList(first); // real rows 2 and 5
    EXPECT_EQ(grid.FilterLevel(), 1);
    TIntList second(0, 0);
    second.Add(0); // real row 0
    grid.HideRowList(second);
    EXPECT_EQ(grid.FilterLevel(), 2);
    EXPECT_EQ(Shown(), Names({1, 3, 4, 6, 7, 8, 9}));

    grid.UnHideRowList();
    grid.SetFilterLevel(grid.FilterLevel() - 1);
    EXPECT_EQ(Shown(), Names({0, 1, 3, 4, 6, 7, 8, 9}));
    grid.HideRow(9); // hidden outside the filter: the first level brings it back too
    grid.UnHideRowList();
    grid.SetFilterLevel(grid.FilterLevel() - 1);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_EQ(Shown(), Names({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

// The row operations insert or remove display rows in the cell store and tell the hidden rows.
void InsertDisplayRows(TTestExGrid& grid, int at, int count) {
    grid.SetRowCount(grid.RowCount() + count);
    for (int k = 0; k < count; ++k)
        grid.MoveRow(grid.RowCount() - 1, at);
    grid.HiddenRowsFollowInsert(at, count);
}

void RemoveDisplayRow(TTestExGrid& grid, int at) {
    grid.DeleteRow(at);
    grid.HiddenRowsFollowRemove(at, 1);
}

TEST_F(ExGridHiddenRows, HiddenRowsKeepTheirPlacesWhenRowsAreInsertedAndRemovedBeforeThem) {
    grid.HideRow(5);
    grid.HideRow(8);
    InsertDisplayRows(grid, 2, 2); // before both hidden rows
    for (int r : {2, 3})
        grid.SetCells(1, r, Name(1, 100 + r));
    EXPECT_TRUE(grid.IsHiddenRow(7));
    EXPECT_TRUE(grid.IsHiddenRow(10));
    ExpectMappedBothWays({0, 1, 102, 103, 2, 3, 4, 5, 6, 7, 8, 9});

    RemoveDisplayRow(grid, 0);                     // real row 0, named 0
    RemoveDisplayRow(grid, grid.DisplRowIndex(8)); // real row 8 now, named 7
    EXPECT_TRUE(grid.IsHiddenRow(6));
    EXPECT_TRUE(grid.IsHiddenRow(8));
    ExpectMappedBothWays({1, 102, 103, 2, 3, 4, 5, 6, 8, 9});

    grid.UnHideRowsAll();
    EXPECT_EQ(Shown(), Names({1, 102, 103, 2, 3, 4, 5, 6, 8, 9}));
}

TEST_F(ExGridHiddenRows, RowsCutOffByASmallerRowCountSurviveHidingAndShowing) {
    grid.SetRowCount(14);
    for (int r = 10; r < 14; ++r)
        grid.SetCells(1, r, Name(1, r));
    grid.SetRowCount(10); // rows 10 to 13 are kept until the count grows again
    grid.HideRow(3);
    grid.SetRowCount(13);
    EXPECT_EQ(Shown(), Names({0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    grid.SetRowCount(9);
    grid.UnHideRow(3);
    grid.SetRowCount(14);
    EXPECT_EQ(Shown(), Names({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

TEST_F(ExGridHiddenRows, ACellControlHidesWithItsRowAndComesBackAtItsNewPlace) {
    TPanel panel(nullptr);
    grid.SetCellControls(2, 5, &panel);
    grid.HideRow(5);
    EXPECT_FALSE(panel.Visible());
    grid.HideRow(1); // the row shows one display row higher when it comes back
    grid.UnHideRow(5);
    EXPECT_TRUE(panel.Visible());
    EXPECT_EQ(panel.Top(), grid.CellRect(2, 4).Top - 1);
    grid.SetCellControls(2, 4, nullptr);
    EXPECT_EQ(grid.NumCellControls(), 0);
    panel.SetParent(nullptr);
}

TEST_F(ExGridHiddenRows, TopRowIsSetOnlyWithinTheScrollableRows) {
    grid.SetRowCount(200);
    grid.SetTopRowEx(50);
    EXPECT_EQ(grid.GetTopRowEx(), 50);
    for (int outside : {-3, 0, 200, 1000}) {
        grid.SetTopRowEx(outside);
        EXPECT_EQ(grid.GetTopRowEx(), 50) << outside;
    }
}

TEST_F(ExGridHiddenRows, RowUpdateFiresOnlyForAChangedRow) {
    std::vector<std::pair<int, int>> updates;
    grid.OnRowUpdate = [&](TObject*, int oldRow, int newRow) {
        updates.emplace_back(oldRow, newRow);
    };
    for (int row : {3, 3, 5})
        grid.SetRowEx(row);
    EXPECT_EQ(updates, (std::vector<std::pair<int, int>>{{-1, 3}, {3, 5}}));
    EXPECT_EQ(grid.GetRowEx(), 5);
}

TEST_F(ExGridHiddenRows, GridsSynchronisedWithEachOtherFollowTheRowOnce) {
    TTestExGrid other(nullptr);
    other.SetRowCount(10);
    grid.SyncGrid()->SetGrid(&other);
    grid.SyncGrid()->SelectionRow = true;
    other.SyncGrid()->SetGrid(&grid);
    other.SyncGrid()->SelectionRow = true;
    int updates = 0;
    other.OnRowUpdate = [&](TObject*, int, int) { ++updates; };
    grid.SetRowEx(6);
    EXPECT_EQ(other.Row(), 6);
    EXPECT_EQ(updates, 1);
    grid.SyncGrid()->SetGrid(nullptr);
    other.SyncGrid()->SetGrid(nullptr);
}

} // namespace
