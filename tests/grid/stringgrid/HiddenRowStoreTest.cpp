#include "grid/stringgrid/HiddenRowStore.h"

#include "tests/grid/stringgrid/MemoryRowGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

Names RowNames(std::initializer_list<int> rows) {
    Names names;
    for (int r : rows)
        names.push_back("r" + std::to_string(r));
    return names;
}

TEST(HiddenRowStore, MapsAroundHiddenRows) {
    TMemoryRowGrid grid(10, 3);
    THiddenRowStore store(grid);
    ASSERT_EQ(store.HideRows(3, 4), 2);
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(store.Count(), 2);
    EXPECT_EQ(grid.Names(), RowNames({0, 1, 2, 5, 6, 7, 8, 9}));
    EXPECT_EQ(store.RealRowIndex(2), 2);
    EXPECT_EQ(store.RealRowIndex(3), 5);
    EXPECT_EQ(store.RealRowIndex(7), 9);
    EXPECT_EQ(store.RealRowIndex(-1), -1);
    EXPECT_EQ(store.DisplRowIndex(5), 3);
    EXPECT_EQ(store.DisplRowIndex(4), 3) << "a hidden row maps to the next row on show";
    EXPECT_EQ(store.DisplRowIndex(2), 2);
    EXPECT_TRUE(store.IsHiddenRow(3));
    EXPECT_FALSE(store.IsHiddenRow(5));
    ASSERT_NE(store.FindRow(3), nullptr);
    EXPECT_EQ(store.FindRow(3)->Items()[0].Text, "r3");
    EXPECT_EQ(store.FindRow(3)->Height(), 20);
    EXPECT_EQ(store.FindRow(3)->Items().size(), 3u) << "every real column is stored";
}

TEST(HiddenRowStore, HidingARangeSkipsRowsAlreadyHidden) {
    TMemoryRowGrid grid(10, 1);
    THiddenRowStore store(grid);
    store.HideRows(4, 4);
    EXPECT_EQ(store.HideRows(2, 6), 4);
    EXPECT_EQ(grid.RowCount(), 5) << "the grid loses exactly the four rows still on show";
    EXPECT_EQ(store.HiddenRows(), (std::vector<int>{2, 3, 4, 5, 6}));
    for (int r : {2, 3, 4, 5, 6})
        EXPECT_EQ(store.FindRow(r)->Items()[0].Text, "r" + std::to_string(r));
    EXPECT_EQ(store.HideRows(3, 5), 0) << "all hidden already";
    EXPECT_EQ(store.HideRows(8, 50), 2) << "rows past the grid are skipped";
    EXPECT_EQ(grid.Names(), RowNames({0, 1, 7}));
}

TEST(HiddenRowStore, HidesAListOfRealRowsInOneBatch) {
    TMemoryRowGrid grid(10, 1);
    THiddenRowStore store(grid);
    store.HideRows(4, 4);
    grid.Batches = 0;
    EXPECT_EQ(store.HideRealRows({8, 1, 4, 6, 1, -3, 12}), 3)
        << "4 is hidden, -3 and 12 are no rows";
    EXPECT_EQ(grid.Batches, 1);
    EXPECT_EQ(store.HiddenRows(), (std::vector<int>{1, 4, 6, 8}));
    EXPECT_EQ(grid.Names(), RowNames({0, 2, 3, 5, 7, 9}));
    EXPECT_EQ(store.Item(0).Level, 0);
}

TEST(HiddenRowStore, ShowsRowsBackInTheirPlaces) {
    TMemoryRowGrid grid(10, 1);
    grid.Rows[3].Height = 33;
    THiddenRowStore store(grid);
    store.HideRows(3, 4);
    store.HideRows(7, 7);

    EXPECT_EQ(store.UnHideRows(2, 4), 0) << "row 2 is not hidden";
    EXPECT_EQ(store.UnHideRow(5), 0);
    EXPECT_EQ(store.UnHideRows(3, 4), 2);
    EXPECT_EQ(grid.Names(), RowNames({0, 1, 2, 3, 4, 5, 6, 8, 9}));
    EXPECT_EQ(grid.Rows[3].Height, 33);
    EXPECT_EQ(store.UnHideRow(7), 1);
    EXPECT_EQ(grid.Names(), RowNames({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(store.Count(), 0);
}

TEST(HiddenRowStore, ShowsEveryRowInOneBatch) {
    TMemoryRowGrid grid(12, 1);
    THiddenRowStore store(grid);
    store.HideRows(1, 2);
    store.HideRows(5, 5);
    store.HideRows(9, 11);
    grid.Batches = 0;
    EXPECT_EQ(store.UnHideRowsAll(), 6);
    EXPECT_EQ(grid.Batches, 1);
    EXPECT_EQ(grid.Names(), RowNames({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(HiddenRowStore, KeepsAtLeastOneRowOnShow) {
    TMemoryRowGrid grid(4, 1);
    THiddenRowStore store(grid);
    EXPECT_EQ(store.HideRows(0, 3), 0);
    EXPECT_EQ(store.HideRowList({0, 1, 2, 3}), 0);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(store.HideRows(0, 2), 3);
    EXPECT_EQ(grid.Names(), RowNames({3}));
}

TEST(HiddenRowStore, FilterLevelsComeBackNewestFirst) {
    TMemoryRowGrid grid(10, 1);
    THiddenRowStore store(grid);
    EXPECT_EQ(store.HideRowList({1, 3, 5}), 3); // real rows 1, 3, 5
    EXPECT_EQ(store.FilterLevel(), 1);
    EXPECT_EQ(grid.Names(), RowNames({0, 2, 4, 6, 7, 8, 9}));
    EXPECT_EQ(store.HideRowList({2, 4}), 2); // display rows 2 and 4: real rows 4 and 7
    EXPECT_EQ(store.FilterLevel(), 2);
    EXPECT_EQ(grid.Names(), RowNames({0, 2, 6, 8, 9}));
    EXPECT_EQ(store.HiddenRows(), (std::vector<int>{1, 3, 4, 5, 7}))
        << "filtered rows keep their real index";

    EXPECT_EQ(store.UnHideRowList(), 2);
    store.SetFilterLevel(1);
    EXPECT_EQ(grid.Names(), RowNames({0, 2, 4, 6, 7, 8, 9}));
    EXPECT_EQ(store.HiddenRows(), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(store.UnHideRowList(), 3);
    store.SetFilterLevel(0);
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(grid.Names(), RowNames({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(HiddenRowStore, FirstFilterLevelBringsBackRowsHiddenByRange) {
    TMemoryRowGrid grid(10, 1);
    THiddenRowStore store(grid);
    store.HideRows(8, 9);
    store.HideRowList({0, 2});
    store.HideRows(4, 4); // level 0, hidden while the filter is on
    EXPECT_EQ(store.UnHideRowList(), 5);
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(grid.Names(), RowNames({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(HiddenRowStore, UnHideRowListWithoutAFilterShowsRowsInsteadOfDroppingThem) {
    TMemoryRowGrid grid(5, 1);
    THiddenRowStore store(grid);
    store.HideRows(1, 1);
    EXPECT_EQ(store.UnHideRowList(), 1);
    EXPECT_EQ(grid.Names(), RowNames({0, 1, 2, 3, 4}));
}

TEST(HiddenRowStore, HideRowListSkipsRowsOutsideTheGridAndRepeats) {
    TMemoryRowGrid grid(6, 1);
    THiddenRowStore store(grid);
    EXPECT_EQ(store.HideRowList({4, -1, 2, 9, 2}), 2);
    EXPECT_EQ(store.HiddenRows(), (std::vector<int>{2, 4}));
}

TEST(HiddenRowStore, OwnsTheObjectsOfStoredRows) {
    const int liveBefore = TCountedObject::Live;
    {
        TMemoryRowGrid grid(6, 2);
        for (int r = 0; r < 6; ++r)
            grid.Rows[r].Cells[1].Object = new TCountedObject(r);
        THiddenRowStore store(grid);
        store.HideRows(1, 2);
        store.HideRows(4, 4);
        EXPECT_EQ(static_cast<TCountedObject*>(store.FindRow(2)->Items()[1].Object)->Id, 2);

        store.UnHideRow(2);
        EXPECT_EQ(static_cast<TCountedObject*>(grid.Rows[1].Cells[1].Object)->Id, 2)
            << "the object comes back with its row (row 1 is still hidden)";
        EXPECT_EQ(grid.Freed, 0);

        store.ClearStoredCells();
        EXPECT_EQ(grid.Freed, 2);
        EXPECT_TRUE(store.IsHiddenRow(1)) << "rows stay hidden, emptied";
        EXPECT_TRUE(store.FindRow(1)->Items().empty());
        store.UnHideRow(1);
        EXPECT_EQ(grid.Names()[1], "");

        store.HideRows(5, 5); // row 5 with its object stays hidden when the store goes
    }
    EXPECT_EQ(TCountedObject::Live, liveBefore);
}

TEST(HiddenRowStore, RemovingRowsAroundHiddenOnesKeepsTheirPlaces) {
    // Rows 0..9, rows 3 and 6 hidden: display rows are 0 1 2 4 5 7 8 9.
    TMemoryRowGrid grid(10, 1);
    THiddenRowStore store(grid);
    store.HideRows(3, 3);
    store.HideRows(6, 6);
    // Remove display rows 2..4 (real rows 2, 4, 5); hidden row 3 lies inside the range.
    grid.Rows.erase(grid.Rows.begin() + 2, grid.Rows.begin() + 5);
    store.RowsRemoved(2, 3);
    EXPECT_EQ(store.HiddenRows(), (std::vector<int>{2, 3}));
    EXPECT_EQ(grid.Names(), RowNames({0, 1, 7, 8, 9}));
    store.UnHideRowsAll();
    EXPECT_EQ(grid.Names(), RowNames({0, 1, 3, 6, 7, 8, 9}));
}

TEST(HiddenRowStore, InsertedRowsGoBeforeTheRowOnShowAtTheirPlace) {
    TMemoryRowGrid grid(6, 1);
    THiddenRowStore store(grid);
    store.HideRows(2, 2);
    store.HideRows(5, 5);
    // Display rows 0 1 3 4; insert two rows at display row 2, before real row 3.
    grid.Rows.insert(grid.Rows.begin() + 2, 2, TStoredRow{20, {TStoredCell{"new"}}});
    store.RowsInserted(2, 2);
    EXPECT_EQ(store.HiddenRows(), (std::vector<int>{2, 7}));
    store.UnHideRowsAll();
    EXPECT_EQ(grid.Names(), (Names{"r0", "r1", "r2", "new", "new", "r3", "r4", "r5"}));
}

TEST(HiddenRowStore, StoredRowsFollowColumnChanges) {
    struct Case {
        const char* name;
        void (*change)(THiddenRowStore&);
        Names cells;
    };
    // A stored row with cells "a" "b" "c" "d".
    const Case cases[] = {
        {"insert",
         [](THiddenRowStore& s) { s.ColumnsInserted(1, 2); },
         {"a", "", "", "b", "c", "d"}},
        {"insert past the row",
         [](THiddenRowStore& s) { s.ColumnsInserted(9, 1); },
         {"a", "b", "c", "d"}},
        {"remove", [](THiddenRowStore& s) { s.ColumnsRemoved(1, 2); }, {"a", "d"}},
        {"remove past the end", [](THiddenRowStore& s) { s.ColumnsRemoved(2, 9); }, {"a", "b"}},
        {"move right", [](THiddenRowStore& s) { s.ColumnMoved(0, 2); }, {"b", "c", "a", "d"}},
        {"move left", [](THiddenRowStore& s) { s.ColumnMoved(3, 1); }, {"a", "d", "b", "c"}},
        {"move in from past the row",
         [](THiddenRowStore& s) { s.ColumnMoved(6, 1); },
         {"a", "", "b", "c", "d", "", ""}},
    };
    for (const Case& c : cases) {
        TMemoryRowGrid grid(3, 4);
        grid.Rows[1].Cells = {{"a"}, {"b"}, {"c"}, {"d"}};
        THiddenRowStore store(grid);
        store.HideRows(1, 1);
        c.change(store);
        Names cells;
        for (const TStoredCell& cell : store.FindRow(1)->Items())
            cells.push_back(cell.Text);
        EXPECT_EQ(cells, c.cells) << c.name;
    }
}

TEST(HiddenRowStore, RemovedColumnsFreeTheObjectsOfStoredRows) {
    TMemoryRowGrid grid(3, 3);
    grid.Rows[1].Cells[2].Object = new TCountedObject(1);
    THiddenRowStore store(grid);
    store.HideRows(1, 1);
    store.ColumnsRemoved(2, 1);
    EXPECT_EQ(grid.Freed, 1);
}

// The real rows as a plain list with a hidden flag each: the model the store and the grid must
// agree with after every change.
struct TRowModel {
    struct TRow {
        std::string Name;
        bool Hidden = false;
        int Level = 0;
    };
    std::vector<TRow> Rows;
    int FilterLevel = 0;

    int Total() const { return static_cast<int>(Rows.size()); }
    int Shown() const {
        return static_cast<int>(
            std::count_if(Rows.begin(), Rows.end(), [](const TRow& r) { return !r.Hidden; }));
    }
    // Past the last row every row counts as on show.
    int RealOfDisplay(int display) const {
        if (display < 0)
            return -1;
        int shown = 0;
        for (int r = 0; r < Total(); ++r)
            if (!Rows[r].Hidden && shown++ == display)
                return r;
        return Total() + display - shown;
    }
    int DisplayOfReal(int real) const {
        int hiddenBefore = 0;
        for (int r = 0; r < std::min(real, Total()); ++r)
            hiddenBefore += Rows[r].Hidden;
        return real - hiddenBefore;
    }
    // Shows the rows that `pick` selects; the number shown.
    template <typename Pick> int Show(Pick pick) {
        int shown = 0;
        for (int r = 0; r < Total(); ++r)
            if (Rows[r].Hidden && pick(r, Rows[r])) {
                Rows[r].Hidden = false;
                ++shown;
            }
        return shown;
    }
};

void ExpectAgreement(const TRowModel& model, const TMemoryRowGrid& grid,
                     const THiddenRowStore& store, int step) {
    Names shown;
    std::vector<int> hidden;
    for (int r = 0; r < model.Total(); ++r) {
        if (model.Rows[r].Hidden)
            hidden.push_back(r);
        else
            shown.push_back(model.Rows[r].Name);
    }
    ASSERT_EQ(grid.Names(), shown) << "step " << step;
    ASSERT_EQ(store.HiddenRows(), hidden) << "step " << step;
    for (int i = 0; i < store.Count(); ++i) {
        const TRowModel::TRow& row = model.Rows[store.Item(i).Idx];
        ASSERT_EQ(store.Item(i).Items()[0].Text, row.Name) << "step " << step;
        ASSERT_EQ(store.Item(i).Level, row.Level) << "step " << step;
    }
    for (int i = -1; i < model.Total() + 3; ++i) {
        ASSERT_EQ(store.RealRowIndex(i), model.RealOfDisplay(i)) << "step " << step << " row " << i;
        ASSERT_EQ(store.DisplRowIndex(i), model.DisplayOfReal(i))
            << "step " << step << " row " << i;
        ASSERT_EQ(store.IsHiddenRow(i), i >= 0 && i < model.Total() && model.Rows[i].Hidden);
    }
}

TEST(HiddenRowStore, AgreesWithAFlagPerRowOverRandomChanges) {
    std::mt19937 random(20261210);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    TMemoryRowGrid grid(30, 1);
    THiddenRowStore store(grid);
    TRowModel model;
    for (int r = 0; r < 30; ++r)
        model.Rows.push_back({"r" + std::to_string(r)});
    int nextName = 30;

    for (int step = 0; step < 4000; ++step) {
        const int total = model.Total();
        const int shown = model.Shown();
        switch (below(9)) {
        case 0: { // hide a real range
            const int from = below(total + 2);
            const int to = from + below(6);
            std::vector<int> rows;
            for (int r = from; r <= std::min(to, total - 1); ++r)
                if (!model.Rows[r].Hidden)
                    rows.push_back(r);
            const bool refused = static_cast<int>(rows.size()) >= shown;
            ASSERT_EQ(store.HideRows(from, to), refused ? 0 : static_cast<int>(rows.size()));
            if (!refused)
                for (int r : rows)
                    model.Rows[r] = {model.Rows[r].Name, true, 0};
            break;
        }
        case 1: { // hide a list of display rows as a filter level
            std::vector<int> list;
            for (int n = below(6); n > 0; --n)
                list.push_back(below(shown + 2) - 1);
            std::vector<int> valid;
            for (int d : list)
                if (d >= 0 && d < shown)
                    valid.push_back(d);
            std::sort(valid.begin(), valid.end());
            valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
            const bool refused = valid.empty() || static_cast<int>(valid.size()) >= shown;
            std::vector<int> reals;
            for (int d : valid)
                reals.push_back(model.RealOfDisplay(d));
            ASSERT_EQ(store.HideRowList(list), refused ? 0 : static_cast<int>(valid.size()));
            if (!refused)
                for (int r : reals)
                    model.Rows[r] = {model.Rows[r].Name, true, model.FilterLevel};
            ++model.FilterLevel;
            break;
        }
        case 2: { // show one row
            const int row = below(total + 1);
            ASSERT_EQ(store.UnHideRow(row), model.Show([&](int r, auto&) { return r == row; }));
            break;
        }
        case 3: { // show a real range
            const int from = below(total + 1);
            const int to = from + below(8);
            const bool fromHidden = from < total && model.Rows[from].Hidden;
            const int expected =
                fromHidden ? model.Show([&](int r, auto&) { return r >= from && r <= to; }) : 0;
            ASSERT_EQ(store.UnHideRows(from, to), expected);
            break;
        }
        case 4:
            if (below(4) == 0) {
                ASSERT_EQ(store.UnHideRowsAll(), model.Show([](int, auto&) { return true; }));
            }
            break;
        case 5: { // undo the newest filter level
            const int newest = std::max(model.FilterLevel - 1, 0);
            ASSERT_EQ(store.UnHideRowList(),
                      model.Show([&](int, auto& row) { return row.Level >= newest; }));
            model.FilterLevel = newest;
            store.SetFilterLevel(newest);
            break;
        }
        case 6: { // insert display rows
            if (total > 120)
                break;
            const int at = below(shown + 1);
            const int count = 1 + below(3);
            int real = model.RealOfDisplay(at);
            for (int i = 0; i < count; ++i) {
                const std::string name = "n" + std::to_string(nextName++);
                grid.Rows.insert(grid.Rows.begin() + at + i, TStoredRow{20, {TStoredCell{name}}});
                model.Rows.insert(model.Rows.begin() + real + i, {name});
            }
            store.RowsInserted(at, count);
            break;
        }
        case 8: { // hide a list of real rows
            std::vector<int> list;
            for (int n = below(6); n > 0; --n)
                list.push_back(below(total + 2) - 1);
            std::vector<int> rows;
            for (int r : list)
                if (r >= 0 && r < total && !model.Rows[r].Hidden)
                    rows.push_back(r);
            std::sort(rows.begin(), rows.end());
            rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
            const bool refused = static_cast<int>(rows.size()) >= shown;
            ASSERT_EQ(store.HideRealRows(list), refused ? 0 : static_cast<int>(rows.size()));
            if (!refused)
                for (int r : rows)
                    model.Rows[r] = {model.Rows[r].Name, true, 0};
            break;
        }
        case 7: { // remove display rows, keeping one on show
            if (shown < 3)
                break;
            const int at = below(shown - 1);
            const int count = std::min(1 + below(4), shown - 1 - at);
            std::vector<int> reals;
            for (int d = at; d < at + count; ++d)
                reals.push_back(model.RealOfDisplay(d));
            for (auto it = reals.rbegin(); it != reals.rend(); ++it)
                model.Rows.erase(model.Rows.begin() + *it);
            grid.Rows.erase(grid.Rows.begin() + at, grid.Rows.begin() + at + count);
            store.RowsRemoved(at, count);
            break;
        }
        }
        ExpectAgreement(model, grid, store, step);
        if (HasFatalFailure())
            return;
    }
}

} // namespace
