#include "platform/ui/StringGridControlCells.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(GridCellText, KeepsTextsAcrossTheInlineLimit) {
    for (std::size_t length : {0, 1, 15, 16, 100}) {
        const std::string text(length, 'x');
        TGridCellText cell(text);
        EXPECT_EQ(cell.View(), text) << length;
        TGridCellText copy(cell);
        TGridCellText moved(std::move(cell));
        EXPECT_EQ(copy.View(), text);
        EXPECT_EQ(moved.View(), text);
        EXPECT_TRUE(cell.Empty()); // NOLINT: a moved-from cell is empty by design
    }
}

TEST(GridCellText, ReassignsBetweenShortAndLong) {
    TGridCellText cell("short");
    cell.Assign(std::string(40, 'L'));
    EXPECT_EQ(cell.View(), std::string(40, 'L'));
    cell.Assign(cell.View().substr(0, 20)); // a view into its own heap text
    EXPECT_EQ(cell.View(), std::string(20, 'L'));
    cell.Assign(cell.View().substr(0, 3)); // back inline, from its own text
    EXPECT_EQ(cell.View(), "LLL");
    cell.Assign("");
    EXPECT_TRUE(cell.Empty());
}

TEST(GridCellText, ShortTextsTakeAPartOfThemselves) {
    // Every inline length, each cut from the front and from the back of its own bytes.
    const std::string all = "0123456789abcdef";
    for (std::size_t length = 1; length <= TGridCellText::InlineCapacity; ++length) {
        const std::string text = all.substr(0, length);
        TGridCellText front(text);
        front.Assign(front.View().substr(1));
        EXPECT_EQ(front.View(), text.substr(1)) << length;
        TGridCellText back(text);
        back.Assign(back.View().substr(0, length - 1));
        EXPECT_EQ(back.View(), text.substr(0, length - 1)) << length;
    }
}

TEST(GridCellStore, UnwrittenCellsReadEmptyAnywhere) {
    TGridCellStore store;
    EXPECT_EQ(store.Text(3, 7), "");
    EXPECT_EQ(store.Object(3, 7), nullptr);
    EXPECT_EQ(store.Text(-1, -1), "");
    store.SetText(0, 5, "");
    EXPECT_EQ(store.RowExtent(), 0) << "clearing an empty cell allocates nothing";
}

TEST(GridCellStore, TextAndObjectAreIndependentSlots) {
    TGridCellStore store;
    int tag = 0;
    store.SetText(600, 2, "beyond any column count");
    store.SetObject(600, 2, &tag);
    store.SetText(600, 2, "");
    EXPECT_EQ(store.Text(600, 2), "");
    EXPECT_EQ(store.Object(600, 2), &tag);
    EXPECT_EQ(store.Object(599, 2), nullptr);
}

TEST(GridCellStore, RefusesIndexesOutsideItsLimits) {
    TGridCellStore store;
    EXPECT_THROW(store.SetText(-1, 0, "a"), Exception);
    EXPECT_THROW(store.SetText(0, -1, "a"), Exception);
    EXPECT_THROW(store.SetText(TGridCellStore::MaxCols, 0, "a"), Exception);
    EXPECT_EQ(store.RowExtent(), 0);
}

namespace {
// A 3x4 store whose cell (c, r) holds "c,r".
TGridCellStore Labelled() {
    TGridCellStore store;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            store.SetText(c, r, std::to_string(c) + "," + std::to_string(r));
    return store;
}

std::string Column(const TGridCellStore& store, int col) {
    std::string out;
    for (int r = 0; r < 5; ++r)
        out += std::string(store.Text(col, r)) + "|";
    return out;
}

std::string Row(const TGridCellStore& store, int row) {
    std::string out;
    for (int c = 0; c < 4; ++c)
        out += std::string(store.Text(c, row)) + "|";
    return out;
}
} // namespace

TEST(GridCellStore, RowOperationsShiftCells) {
    struct Case {
        const char* name;
        void (*change)(TGridCellStore&);
        const char* column0;
    };
    const Case cases[] = {
        {"insert", [](TGridCellStore& s) { s.InsertRows(1, 1); }, "0,0||0,1|0,2|0,3|"},
        {"delete", [](TGridCellStore& s) { s.DeleteRows(1, 2); }, "0,0|0,3||||"},
        {"delete past end", [](TGridCellStore& s) { s.DeleteRows(3, 9); }, "0,0|0,1|0,2|||"},
        {"move down", [](TGridCellStore& s) { s.MoveRow(0, 2); }, "0,1|0,2|0,0|0,3||"},
        {"move up", [](TGridCellStore& s) { s.MoveRow(3, 1); }, "0,0|0,3|0,1|0,2||"},
        {"move past end", [](TGridCellStore& s) { s.MoveRow(1, 4); }, "0,0|0,2|0,3||0,1|"},
    };
    for (const Case& c : cases) {
        TGridCellStore store = Labelled();
        c.change(store);
        EXPECT_EQ(Column(store, 0), c.column0) << c.name;
    }
}

TEST(GridCellStore, ColumnOperationsShiftCellsAndObjects) {
    struct Case {
        const char* name;
        void (*change)(TGridCellStore&);
        const char* row1;
        int objectCol; // where the object of column 0 ends up
    };
    const Case cases[] = {
        {"insert", [](TGridCellStore& s) { s.InsertCols(0, 1); }, "|0,1|1,1|2,1|", 1},
        {"delete", [](TGridCellStore& s) { s.DeleteCols(1, 1); }, "0,1|2,1|||", 0},
        {"move right", [](TGridCellStore& s) { s.MoveCol(0, 2); }, "1,1|2,1|0,1||", 2},
        {"move left", [](TGridCellStore& s) { s.MoveCol(2, 0); }, "2,1|0,1|1,1||", 1},
    };
    int tag = 0;
    for (const Case& c : cases) {
        TGridCellStore store = Labelled();
        store.SetObject(0, 1, &tag);
        c.change(store);
        EXPECT_EQ(Row(store, 1), c.row1) << c.name;
        EXPECT_EQ(store.Object(c.objectCol, 1), &tag) << c.name;
    }
}

namespace {
std::vector<std::string> RowTexts(const TGridCellStore& store, int row, int count) {
    std::vector<std::string> texts;
    for (int c = 0; c < count; ++c)
        texts.emplace_back(store.Text(c, row));
    return texts;
}
} // namespace

TEST(GridCellStore, LongTextsSurviveRowGrowthAndShifts) {
    // Texts past the inline limit live on the heap: moving them around must neither lose nor
    // free them twice.
    const std::string a(20, 'a');
    const std::string c(30, 'c');
    struct Case {
        const char* name;
        void (*change)(TGridCellStore&);
        std::vector<std::string> row;
    };
    const Case cases[] = {
        {"insert inside", [](TGridCellStore& s) { s.InsertCols(1, 2); }, {a, "", "", "b", c, ""}},
        {"insert after the last text",
         [](TGridCellStore& s) { s.InsertCols(3, 2); },
         {a, "b", c, "", "", ""}},
        {"delete across the end",
         [](TGridCellStore& s) { s.DeleteCols(1, 9); },
         {a, "", "", "", "", ""}},
        {"move past the end", [](TGridCellStore& s) { s.MoveCol(0, 5); }, {"b", c, "", "", "", a}},
        {"move an empty cell in",
         [](TGridCellStore& s) { s.MoveCol(5, 0); },
         {"", a, "b", c, "", ""}},
        {"move among empty cells",
         [](TGridCellStore& s) { s.MoveCol(4, 5); },
         {a, "b", c, "", "", ""}},
        {"grow far past the widest row",
         [](TGridCellStore& s) { s.SetText(900, 0, std::string(40, 'z')); },
         {a, "b", c, "", "", ""}},
    };
    for (const Case& k : cases) {
        TGridCellStore store;
        store.SetText(0, 0, a);
        store.SetText(1, 0, "b");
        store.SetText(2, 0, c);
        k.change(store);
        EXPECT_EQ(RowTexts(store, 0, 6), k.row) << k.name;
    }
}

TEST(GridCellStore, ARowFilledCellByCellKeepsEveryText) {
    TGridCellStore store;
    store.SetText(3, 0, "narrow"); // later rows start at this width and must grow
    for (int col = 0; col < 2000; ++col)
        store.SetText(col, 1, std::to_string(col) + (col % 7 ? "" : std::string(20, '+')));
    for (int col = 0; col < 2000; ++col)
        ASSERT_EQ(store.Text(col, 1), std::to_string(col) + (col % 7 ? "" : std::string(20, '+')));
    EXPECT_EQ(store.Text(3, 0), "narrow");
}

TEST(GridCellStore, ObjectsOnlyRowsAndTextsShareTheRow) {
    TGridCellStore store;
    int tag = 0;
    store.SetObject(4, 7, &tag); // a row with an object and no text yet
    EXPECT_EQ(store.Text(4, 7), "");
    store.SetText(9, 7, "later");
    EXPECT_EQ(store.Object(4, 7), &tag);
    EXPECT_EQ(store.Text(9, 7), "later");
    store.SetObject(4, 7, nullptr);
    EXPECT_EQ(store.Object(4, 7), nullptr);
    EXPECT_EQ(store.Text(9, 7), "later");
}

TEST(GridCellStore, PermuteRowsMovesWholeRowsWithObjectsAndHiddenCells) {
    // Rows 1..4 of a store whose row 3 is never written and whose row 4 holds a long text past
    // any visible column; rows 0 and 5 lie outside the permuted range.
    TGridCellStore store;
    int objects[3] = {};
    const std::string longText(40, 'L');
    for (int row : {0, 1, 2, 4, 5})
        store.SetText(0, row, "r" + std::to_string(row));
    store.SetObject(2, 1, &objects[0]);
    store.SetText(900, 4, longText);
    store.SetObject(1, 5, &objects[1]);

    store.PermuteRows(1, {4, 3, 1, 2}); // row 1 takes old row 4, row 2 old row 3, ...

    const struct {
        int row;
        const char* first;
        const void* object; // at column 2
        std::string hidden; // at column 900
    } expected[] = {
        {0, "r0", nullptr, ""},     {1, "r4", nullptr, longText}, {2, "", nullptr, ""},
        {3, "r1", &objects[0], ""}, {4, "r2", nullptr, ""},       {5, "r5", nullptr, ""},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(store.Text(0, e.row), e.first) << e.row;
        EXPECT_EQ(store.Object(2, e.row), e.object) << e.row;
        EXPECT_EQ(store.Text(900, e.row), e.hidden) << e.row;
    }
    EXPECT_EQ(store.Object(1, 5), &objects[1]);
}

TEST(GridCellStore, PermuteRowsRefusesOrdersThatAreNoPermutation) {
    const std::vector<std::vector<int>> bad = {
        {1, 1, 2},  // a row twice, one lost
        {1, 2, 4},  // a row from outside the range
        {0, 1, 2},  // shifted range
        {-1, 1, 2}, // negative
    };
    for (const auto& order : bad) {
        TGridCellStore store;
        for (int row = 0; row < 5; ++row)
            store.SetText(0, row, std::to_string(row));
        EXPECT_THROW(store.PermuteRows(1, order), Exception);
        for (int row = 0; row < 5; ++row) // nothing moved
            EXPECT_EQ(store.Text(0, row), std::to_string(row));
    }
    TGridCellStore store;
    EXPECT_THROW(store.PermuteRows(-1, {-1}), Exception);
    EXPECT_NO_THROW(store.PermuteRows(10, {})); // nothing to do
    store.PermuteRows(7, {8, 7});               // past the written rows: still empty
    EXPECT_EQ(store.RowExtent(), 0);
}

TEST(GridCellStore, ReservedRowsBehaveLikeRowsOfTheirOwn) {
    // Rows carved from a reserved block: grown past it, shifted, permuted, deleted, and kept
    // after the reservation is released; rows that existed before keep their cells.
    constexpr int Rows = 3000;
    const auto text = [](int c, int r) {
        return (r % 7 == 0 ? std::string(20, 'L') : std::string()) + std::to_string(c) + "," +
               std::to_string(r);
    };
    TGridCellStore store;
    store.SetText(1, 5, "before");
    store.ReserveRows(0, Rows, 3);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < 3; ++c)
            if (r != 5)
                store.SetText(c, r, text(c, r));
    store.SetText(40, 9, "grown"); // the row leaves the block for a larger one
    store.ReleaseReservedRows();
    EXPECT_EQ(store.Text(1, 5), "before");
    EXPECT_EQ(store.Text(40, 9), "grown");
    EXPECT_EQ(store.Text(2, 9), text(2, 9));

    store.DeleteRows(100, 1000);
    store.InsertCols(1, 1);
    std::vector<int> reversed;
    for (int r = 11; r >= 0; --r)
        reversed.push_back(r);
    store.PermuteRows(0, reversed);
    EXPECT_EQ(store.RowExtent(), Rows - 1000);
    EXPECT_EQ(store.Text(3, 11 - 7), text(2, 7));
    EXPECT_EQ(store.Text(0, 11), text(0, 0));
    EXPECT_EQ(store.Text(1, 11), "");
    EXPECT_EQ(store.Text(3, 100), text(2, 1100));
    EXPECT_EQ(store.Text(0, Rows - 1001), text(0, Rows - 1));

    // A reservation no row takes leaves nothing behind; a second one replaces the first.
    TGridCellStore unused;
    unused.ReserveRows(0, Rows, 4);
    unused.ReserveRows(10, Rows, 4);
    unused.ReleaseReservedRows();
    EXPECT_EQ(unused.RowExtent(), 0);
    unused.ReleaseReservedRows();
}

// A reservation of many megabytes is faulted in on a thread of its own while the rows are
// written: released with half of it taken (the rest goes back at once), or never released
// before the store goes.
TEST(GridCellStore, LargeReservationsAreFaultedInBesideTheWrites) {
    constexpr int Rows = 400000; // about 60 MB of rows of eight cells
    for (const bool release : {true, false}) {
        TGridCellStore store;
        store.ReserveRows(0, Rows, 8);
        for (int r = 0; r < Rows / 2; ++r)
            store.SetText(r % 8, r, std::to_string(r));
        if (!release)
            continue;
        store.ReleaseReservedRows();
        for (int r : {0, 1, Rows / 4, Rows / 2 - 1})
            EXPECT_EQ(store.Text(r % 8, r), std::to_string(r));
        store.SetText(0, Rows - 1, "after");
        EXPECT_EQ(store.Text(0, Rows - 1), "after");
    }
}
