// Inserting, removing, moving and swapping rows.
#include "ExGridRowsColsTestGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/ShowModified.h"

#include <gtest/gtest.h>

namespace {

// --- inserting rows ----------------------------------------------------------------------------

TEST(ExGridInsertRows, OpensEmptyRowsAndMovesTheRowsBelowDown) {
    struct Case {
        int At, Count;
        Texts Expected;
    };
    const Case cases[] = {
        {2, 1, {"h", "a", "", "b", "c", "d", "e"}},
        {1, 2, {"h", "", "", "a", "b", "c", "d", "e"}},
        {6, 1, {"h", "a", "b", "c", "d", "e", ""}},
        {99, 1, {"h", "a", "b", "c", "d", "e", ""}}, // past the end: appended
        {2, 0, {"h", "a", "b", "c", "d", "e"}},
        {-1, 1, {"h", "a", "b", "c", "d", "e"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.InsertRows(c.At, c.Count, true);
        EXPECT_EQ(grid.ColumnTexts(1), c.Expected) << c.At << " " << c.Count;
    }
}

TEST(ExGridInsertRows, NewRowsHaveNoCopyNoPropertiesAndTheDefaultHeight) {
    RowsColsGrid grid;
    grid.SetRowHeights(2, 40);
    grid.SetColors(1, 2, clRed);
    grid.InsertRows(2, 1, true);
    EXPECT_EQ(grid.RowTexts(2), (Texts{"", "", ""}));
    EXPECT_EQ(grid.RowHeights(2), grid.DefaultRowHeight());
    EXPECT_EQ(grid.GetGridObject(1, 2), nullptr);
    // The moved row keeps its height and its properties, which know their new cell.
    EXPECT_EQ(grid.RowHeights(3), 40);
    EXPECT_EQ(grid.Colors(1, 3), clRed);
    EXPECT_EQ(grid.CellProperties(1, 3)->OwnerRow(), 3);
}

TEST(ExGridInsertRows, RowsCutOffByASmallerCountStayPastTheEnd) {
    RowsColsGrid grid;
    grid.SetRowCount(4); // "d" and "e" are kept
    grid.InsertRows(2, 1, true);
    EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "a", "", "b", "c"}));
    grid.SetRowCount(7);
    EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "a", "", "b", "c", "d", "e"}));
}

TEST(ExGridInsertRows, NotifiesTheRowsThatChanged) {
    RowsColsGrid grid;
    RecordingNotifier notifier(nullptr);
    grid.RegisterNotifier(&notifier);
    grid.InsertRows(2, 2, true);
    grid.UnRegisterNotifier(&notifier);
    ASSERT_EQ(notifier.Changes.size(), 1u);
    EXPECT_EQ(notifier.Changes[0], Rect(0, 2, 2, 4));
}

TEST(ExGridAddRow, AppendsAnEmptyRow) {
    RowsColsGrid grid;
    grid.AddRow();
    EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "a", "b", "c", "d", "e", ""}));
}

TEST(ExGridAddRow, GoesInFrontOfAVisibleFloatingFooter) {
    RowsColsGrid grid;
    grid.FloatingFooter()->Visible = true;
    grid.AddRow();
    EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "a", "b", "c", "d", "", "e"}));
}

// --- removing rows -----------------------------------------------------------------------------

TEST(ExGridRemoveRows, RemovesTheRowsThatExistAndKeepsTheLastNormalRow) {
    struct Case {
        int At, Count;
        Texts Expected;
    };
    const Case cases[] = {
        {2, 1, {"h", "a", "c", "d", "e"}},
        {1, 2, {"h", "c", "d", "e"}},
        {4, 100, {"h", "a", "b", "c"}}, // cut at the last row
        {1, 100, {"h", ""}},            // one empty normal row stays, the fixed row stays fixed
        {6, 1, {"h", "a", "b", "c", "d", "e"}},
        {2, 0, {"h", "a", "b", "c", "d", "e"}},
        {2, -3, {"h", "a", "b", "c", "d", "e"}},
        {-1, 2, {"h", "a", "b", "c", "d", "e"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.RemoveRows(c.At, c.Count);
        EXPECT_EQ(grid.ColumnTexts(1), c.Expected) << c.At << " " << c.Count;
        EXPECT_EQ(grid.FixedRows(), 1);
        RowsColsGrid other;
        other.RemoveRowRange(c.At, c.Count);
        EXPECT_EQ(other.ColumnTexts(1), c.Expected) << "RemoveRowRange " << c.At << " " << c.Count;
    }
}

TEST(ExGridRemoveRows, AFloatingFooterRowStaysLast) {
    RowsColsGrid grid;
    grid.FloatingFooter()->Visible = true;
    grid.RemoveRows(4, 5);
    EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "a", "b", "c", "e"}));
}

TEST(ExGridRemoveRows, CurrentLastRowMovesToTheNewLastNormalRow) {
    RowsColsGrid grid;
    grid.FocusCell(1, 5, true);
    grid.RemoveRows(4, 2);
    EXPECT_EQ(grid.Row(), 3);
}

TEST(ExGridRemoveRows, PropertiesGoWithTheirCellsAndAreFreedWithRemovedCells) {
    RowsColsGrid grid;
    grid.SetColors(1, 2, clRed);  // removed
    grid.SetColors(2, 4, clBlue); // moves up
    grid.RemoveRows(2, 1);
    EXPECT_EQ(grid.GetGridObject(1, 2), nullptr);
    EXPECT_EQ(grid.Colors(2, 3), clBlue);
    EXPECT_EQ(grid.CellProperties(2, 3)->OwnerRow(), 3);
    // Nothing of the removed row comes back when the count grows again.
    grid.SetRowCount(6);
    EXPECT_EQ(grid.RowTexts(5), (Texts{"", "", ""}));
}

TEST(ExGridRemoveRows, RemoveRowsExLeavesTheObjectsToTheCaller) {
    RowsColsGrid grid;
    grid.SetColors(1, 2, clRed);
    TObject* held = grid.GetGridObject(1, 2);
    ASSERT_NE(held, nullptr);
    grid.RemoveRowsEx(2, 1);
    EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "a", "c", "d", "e"}));
    delete held; // still alive: a double free would fail under AddressSanitizer
}

TEST(ExGridRemoveRows, ModifiedFlagsFollowTheirRows) {
    RowsColsGrid grid;
    grid.ShowModified()->Enabled = true;
    for (int r = 0; r < grid.RowCount(); ++r)
        grid.ModifiedRows()->Add(r == 3 ? 1 : 0);
    grid.RemoveRows(1, 1);
    EXPECT_EQ(grid.ModifiedRows()->StrValue(), "0,0,1,0,0");
    grid.InsertRows(1, 1, true);
    EXPECT_EQ(grid.ModifiedRows()->StrValue(), "0,0,0,1,0,0");
}

TEST(ExGridRemoveDuplicates, HonoursTheCaseFlag) {
    struct Case {
        bool DoCase;
        Texts Expected;
    };
    const Case cases[] = {
        {true, {"h", "x", "X", "y"}},
        {false, {"h", "x", "y"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid(7);
        const Texts values = {"h", "x", "X", "x", "y", "X", "y"};
        for (int r = 0; r < 7; ++r)
            grid.SetCells(1, r, values[r]);
        grid.RemoveDuplicates(1, c.DoCase);
        EXPECT_EQ(grid.ColumnTexts(1), c.Expected) << c.DoCase;
    }
}

// Check boxes read from the cell text, "Y" for checked.
class CheckTextGrid : public RowsColsGrid {
public:
    bool GetCheckBoxState(int ACol, int ARealRow, bool& State) override {
        State = GetGridCell(ACol, ARealRow) == "Y";
        return true;
    }
};

TEST(ExGridRemoveCheckedRows, RemovesTheRowsInTheAskedState) {
    struct Case {
        bool RemoveChecked;
        Texts Expected;
    };
    const Case cases[] = {{true, {"h", "b", "d"}}, {false, {"h", "a", "c", "e"}}};
    for (const Case& c : cases) {
        CheckTextGrid grid;
        const Texts checks = {"", "Y", "N", "Y", "N", "Y"};
        for (int r = 0; r < 6; ++r)
            grid.SetCells(2, r, checks[r]);
        grid.RemoveCheckedRows(2, c.RemoveChecked);
        EXPECT_EQ(grid.ColumnTexts(1), c.Expected) << c.RemoveChecked;
    }
}

// --- moving and swapping rows ------------------------------------------------------------------

TEST(ExGridMoveRows, MovesBlocksOfRows) {
    struct Case {
        int From, To, Count;
        Texts Expected;
    };
    const Case cases[] = {
        {1, 4, 1, {"h", "b", "c", "a", "d", "e"}}, // past the block: counted before the move
        {4, 1, 2, {"h", "d", "e", "a", "b", "c"}}, {1, 6, 2, {"h", "c", "d", "e", "a", "b"}},
        {2, 2, 1, {"h", "a", "b", "c", "d", "e"}}, {2, 4, 0, {"h", "a", "b", "c", "d", "e"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.MoveRows(c.From, c.To, c.Count);
        EXPECT_EQ(grid.ColumnTexts(1), c.Expected) << c.From << " " << c.To << " " << c.Count;
    }
}

TEST(ExGridMoveRow, FiresTheEventOnceAndTellsTheMouseCode) {
    RowsColsGrid grid;
    std::vector<std::pair<int, int>> moves;
    grid.OnRowMoved = [&](TObject*, int From, int To) { moves.emplace_back(From, To); };
    grid.SetRowHeights(1, 33);
    grid.MoveRow(1, 3);
    EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "b", "c", "a", "d", "e"}));
    EXPECT_EQ(grid.RowHeights(3), 33);
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_TRUE(grid.ColMoveFlg);
    // Inserting and removing move rows too, without events.
    grid.InsertRows(1, 1, true);
    grid.RemoveRows(1, 1);
    EXPECT_EQ(moves.size(), 1u);
}

TEST(ExGridSwapRows, ExchangesTextsPropertiesAndHeights) {
    RowsColsGrid grid;
    grid.SetColors(1, 1, clRed);
    grid.SetRowHeights(1, 40);
    grid.SwapRows(1, 4);
    EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "d", "b", "c", "a", "e"}));
    EXPECT_EQ(grid.Colors(1, 4), clRed);
    EXPECT_EQ(grid.GetGridObject(1, 1), nullptr);
    EXPECT_EQ(grid.RowHeights(4), 40);
    EXPECT_EQ(grid.RowHeights(1), grid.DefaultRowHeight());
}

TEST(ExGridUserInsertRow, TheKeyboardInsertShowsAnEmptyRowNotACopy) {
    RowsColsGrid grid;
    grid.SetColors(1, 2, clRed);
    grid.UserInsertRow(2);
    EXPECT_EQ(grid.RowTexts(2), (Texts{"", "", ""}));
    EXPECT_EQ(grid.GetGridObject(1, 2), nullptr);
    EXPECT_EQ(grid.RowTexts(3), (Texts{"", "b", "B"}));
}

TEST(ExGridRemoveSelectedRows, RemovesTheRowsOfTheSelectionOrTheOthers) {
    struct Case {
        bool Selected;
        Texts Expected;
    };
    const Case cases[] = {{true, {"h", "a", "d", "e"}}, {false, {"h", "b", "c"}}};
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.SetSelection(TGridRect{1, 2, 2, 3});
        if (c.Selected)
            grid.RemoveSelectedRows();
        else
            grid.RemoveUnSelectedRows();
        EXPECT_EQ(grid.ColumnTexts(1), c.Expected) << c.Selected;
    }
}

TEST(ExGridHideSelectedRows, HidesTheRowsOfTheSelectionOrTheOthersAndKeepsThem) {
    struct Case {
        bool Selected;
        Texts Shown;
        int Hidden;
    };
    const Case cases[] = {{true, {"h", "a", "d", "e"}, 2}, {false, {"h", "b", "c"}, 3}};
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.SetSelection(TGridRect{1, 2, 2, 3});
        if (c.Selected)
            grid.HideSelectedRows();
        else
            grid.HideUnSelectedRows();
        EXPECT_EQ(grid.ColumnTexts(1), c.Shown) << c.Selected;
        EXPECT_EQ(grid.NumHiddenRows(), c.Hidden) << c.Selected;
        grid.UnHideRowsAll();
        EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "a", "b", "c", "d", "e"})) << c.Selected;
    }
}

// A long grid whose column 1 names each row, with a colour and a height on every tenth row.
class LongGrid : public RowsColsGrid {
public:
    explicit LongGrid(int Rows) : RowsColsGrid(2) {
        SetRowCount(Rows);
        for (int r = 1; r < Rows; ++r) {
            SetCells(1, r, std::to_string(r));
            SetCells(2, r, std::to_string((r + 1) / 2));
            if (r % 10 == 0) {
                SetColors(1, r, static_cast<TColor>(r));
                SetRowHeights(r, 30 + r % 7);
            }
        }
    }

    // Every row still shows the name, colour and height it was given.
    void ExpectRowsKeptTheirCells() {
        for (int r = 1; r < RowCount(); ++r) {
            const int name = std::stoi(GetGridCell(1, r));
            EXPECT_EQ(Colors(1, r), name % 10 == 0 ? static_cast<TColor>(name) : clNone) << r;
            EXPECT_EQ(RowHeights(r), name % 10 == 0 ? 30 + name % 7 : DefaultRowHeight()) << r;
            if (TObject* props = GetGridObject(1, r))
                EXPECT_EQ(static_cast<TCellProperties*>(props)->OwnerRow(), r);
        }
    }
};

TEST(ExGridRemoveRows, LargeBlocksAndManyScatteredRowsKeepCellsWithTheirRows) {
    struct Case {
        const char* Name;
        void (*Remove)(LongGrid&);
        std::vector<int> Kept; // row names after the fixed row
    };
    auto range = [](int first, int last) {
        std::vector<int> names;
        for (int r = first; r <= last; ++r)
            names.push_back(r);
        return names;
    };
    std::vector<int> blockKept = range(1, 9);
    for (int r : range(260, 299))
        blockKept.push_back(r);
    std::vector<int> oddKept; // duplicates of column 2 are the even rows from 2 on
    for (int r = 1; r < 300; r += 2)
        oddKept.push_back(r);
    const Case cases[] = {
        {"block", [](LongGrid& g) { g.RemoveRows(10, 250); }, blockKept},
        {"scattered", [](LongGrid& g) { g.RemoveDuplicates(2, true); }, oddKept},
    };
    for (const Case& c : cases) {
        LongGrid grid(300);
        c.Remove(grid);
        std::vector<int> names;
        for (int r = 1; r < grid.RowCount(); ++r)
            names.push_back(std::stoi(grid.GetGridCell(1, r)));
        EXPECT_EQ(names, c.Kept) << c.Name;
        grid.ExpectRowsKeptTheirCells();
        // Nothing of the removed rows comes back when the count grows again.
        grid.SetRowCount(300);
        EXPECT_EQ(grid.RowTexts(299), (Texts{"", "", ""})) << c.Name;
        EXPECT_EQ(grid.GetGridObject(1, 299), nullptr) << c.Name;
    }
}

TEST(ExGridInsertRows, ALargeBlockOpensEmptyRowsAndKeepsCellsWithTheirRows) {
    LongGrid grid(300);
    grid.InsertRows(5, 100, true);
    ASSERT_EQ(grid.RowCount(), 400);
    for (int r = 5; r < 105; ++r) {
        EXPECT_EQ(grid.RowTexts(r), (Texts{"", "", ""})) << r;
        EXPECT_EQ(grid.GetGridObject(1, r), nullptr) << r;
        EXPECT_EQ(grid.RowHeights(r), grid.DefaultRowHeight()) << r;
    }
    EXPECT_EQ(grid.GetGridCell(1, 105), "5");
    EXPECT_EQ(grid.GetGridCell(1, 399), "299");
    grid.RemoveRows(5, 100);
    grid.ExpectRowsKeptTheirCells();
}

} // namespace
