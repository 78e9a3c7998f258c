// Inserting, removing, moving and swapping rows and columns.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/GridChangeNotifier.h"
#include "grid/stringgrid/ShowModified.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// A grid of 3 columns and 6 rows (one fixed row and column); column 1 holds the row's name
// ("h" in the fixed row, "a" to "e" below), column 2 the name in capitals.
class RowsColsGrid : public TExStringGrid {
public:
    using TExStringGrid::ClearRows;
    using TExStringGrid::FHasCellProps;

    explicit RowsColsGrid(int Rows = 6) : TExStringGrid(nullptr) {
        SetColCount(3);
        SetRowCount(Rows);
        const std::string names = "habcdefghijklmnop";
        for (int r = 0; r < Rows; ++r) {
            SetCells(1, r, std::string(1, names[r]));
            SetCells(2, r, std::string(1, static_cast<char>(std::toupper(names[r]))));
        }
    }

    Texts Column(int ACol) const {
        Texts texts;
        for (int r = 0; r < RowCount(); ++r)
            texts.push_back(GetGridCell(ACol, r));
        return texts;
    }
    Texts Row(int ARow) const {
        Texts texts;
        for (int c = 0; c < ColCount(); ++c)
            texts.push_back(GetGridCell(c, ARow));
        return texts;
    }
};

class RecordingNotifier : public TGridChangeNotifier {
public:
    using TGridChangeNotifier::TGridChangeNotifier;
    void CellsChanged(const TRect& R) override { Changes.push_back(R); }
    std::vector<TRect> Changes;
};

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
        EXPECT_EQ(grid.Column(1), c.Expected) << c.At << " " << c.Count;
    }
}

TEST(ExGridInsertRows, NewRowsHaveNoCopyNoPropertiesAndTheDefaultHeight) {
    RowsColsGrid grid;
    grid.SetRowHeights(2, 40);
    grid.SetColors(1, 2, clRed);
    grid.InsertRows(2, 1, true);
    EXPECT_EQ(grid.Row(2), (Texts{"", "", ""}));
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
    EXPECT_EQ(grid.Column(1), (Texts{"h", "a", "", "b", "c"}));
    grid.SetRowCount(7);
    EXPECT_EQ(grid.Column(1), (Texts{"h", "a", "", "b", "c", "d", "e"}));
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
    EXPECT_EQ(grid.Column(1), (Texts{"h", "a", "b", "c", "d", "e", ""}));
}

TEST(ExGridAddRow, GoesInFrontOfAVisibleFloatingFooter) {
    RowsColsGrid grid;
    grid.FloatingFooter()->Visible = true;
    grid.AddRow();
    EXPECT_EQ(grid.Column(1), (Texts{"h", "a", "b", "c", "d", "", "e"}));
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
        {1, 100, {"h", "e"}},           // one normal row stays, the fixed row stays fixed
        {6, 1, {"h", "a", "b", "c", "d", "e"}},
        {2, 0, {"h", "a", "b", "c", "d", "e"}},
        {2, -3, {"h", "a", "b", "c", "d", "e"}},
        {-1, 2, {"h", "a", "b", "c", "d", "e"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.RemoveRows(c.At, c.Count);
        EXPECT_EQ(grid.Column(1), c.Expected) << c.At << " " << c.Count;
        EXPECT_EQ(grid.FixedRows(), 1);
        RowsColsGrid other;
        other.RemoveRowRange(c.At, c.Count);
        EXPECT_EQ(other.Column(1), c.Expected) << "RemoveRowRange " << c.At << " " << c.Count;
    }
}

TEST(ExGridRemoveRows, CurrentLastRowMovesToTheNewLastNormalRow) {
    RowsColsGrid grid;
    grid.FocusCell(1, 5, true);
    grid.RemoveRows(4, 2);
    EXPECT_EQ(grid.TStringGrid::Row(), 3);
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
    EXPECT_EQ(grid.Row(5), (Texts{"", "", ""}));
}

TEST(ExGridRemoveRows, RemoveRowsExLeavesTheObjectsToTheCaller) {
    RowsColsGrid grid;
    grid.SetColors(1, 2, clRed);
    TObject* held = grid.GetGridObject(1, 2);
    ASSERT_NE(held, nullptr);
    grid.RemoveRowsEx(2, 1);
    EXPECT_EQ(grid.Column(1), (Texts{"h", "a", "c", "d", "e"}));
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
        EXPECT_EQ(grid.Column(1), c.Expected) << c.DoCase;
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
        EXPECT_EQ(grid.Column(1), c.Expected) << c.RemoveChecked;
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
        EXPECT_EQ(grid.Column(1), c.Expected) << c.From << " " << c.To << " " << c.Count;
    }
}

TEST(ExGridMoveRow, FiresTheEventOnceAndTellsTheMouseCode) {
    RowsColsGrid grid;
    std::vector<std::pair<int, int>> moves;
    grid.OnRowMoved = [&](TObject*, int From, int To) { moves.emplace_back(From, To); };
    grid.SetRowHeights(1, 33);
    grid.MoveRow(1, 3);
    EXPECT_EQ(grid.Column(1), (Texts{"h", "b", "c", "a", "d", "e"}));
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
    EXPECT_EQ(grid.Column(1), (Texts{"h", "d", "b", "c", "a", "e"}));
    EXPECT_EQ(grid.Colors(1, 4), clRed);
    EXPECT_EQ(grid.GetGridObject(1, 1), nullptr);
    EXPECT_EQ(grid.RowHeights(4), 40);
    EXPECT_EQ(grid.RowHeights(1), grid.DefaultRowHeight());
}

} // namespace

namespace {

// --- columns -----------------------------------------------------------------------------------

TEST(ExGridInsertCols, OpensEmptyColumnsWithTheDefaultWidth) {
    struct Case {
        int At, Count;
        Texts Expected; // row 1
    };
    const Case cases[] = {
        {1, 1, {"", "", "a", "A"}}, {2, 2, {"", "a", "", "", "A"}}, {3, 1, {"", "a", "A", ""}},
        {9, 1, {"", "a", "A", ""}}, {1, 0, {"", "a", "A"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.SetColWidths(1, 99);
        grid.InsertCols(c.At, c.Count);
        EXPECT_EQ(grid.Row(1), c.Expected) << c.At << " " << c.Count;
        if (c.At == 1 && c.Count == 1) {
            EXPECT_EQ(grid.ColWidths(1), grid.DefaultColWidth());
            EXPECT_EQ(grid.ColWidths(2), 99);
        }
    }
}

TEST(ExGridInsertCols, NeverShowTextsOfColumnsCutOffBefore) {
    RowsColsGrid grid;
    grid.SetColCount(2); // column 2 keeps its cells past the count
    grid.AddColumn();
    EXPECT_EQ(grid.Row(1), (Texts{"", "a", ""}));
}

TEST(ExGridRemoveCols, RemovesTheColumnsThatExistAndKeepsTheLastNormalColumn) {
    struct Case {
        int At, Count;
        Texts Expected; // row 1
    };
    const Case cases[] = {
        {1, 1, {"", "A", "c1"}},      {2, 100, {"", "a"}}, // cut at the last column
        {1, 100, {"", "c1"}},                              // one normal column stays
        {4, 1, {"", "a", "A", "c1"}}, {1, 0, {"", "a", "A", "c1"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.AddColumn();
        grid.SetCells(3, 1, "c1");
        grid.RemoveCols(c.At, c.Count);
        EXPECT_EQ(grid.Row(1), c.Expected) << c.At << " " << c.Count;
        EXPECT_EQ(grid.FixedCols(), 1);
    }
}

TEST(ExGridRemoveCols, PropertiesGoWithTheirCellsAndAreFreedWithRemovedCells) {
    RowsColsGrid grid;
    grid.SetColors(1, 1, clRed);
    grid.SetColors(2, 3, clBlue);
    grid.RemoveCols(1, 1);
    EXPECT_EQ(grid.Colors(1, 3), clBlue);
    EXPECT_EQ(grid.CellProperties(1, 3)->OwnerCol(), 1);
    EXPECT_EQ(grid.GetGridObject(1, 1), nullptr);
}

TEST(ExGridMergeCols, JoinsTheTextsAndRemovesTheSecondColumn) {
    RowsColsGrid grid;
    grid.SetCells(2, 3, "");
    grid.MergeCols(1, 2, " ");
    EXPECT_EQ(grid.Column(1), (Texts{"h", "a A", "b B", "c", "d D", "e E"}));
    EXPECT_EQ(grid.ColCount(), 2);
}

TEST(ExGridMoveColumn, CurrentColumnAndColumnOrderFollow) {
    struct Case {
        int From, To, Current, CurrentAfter;
        Texts Row1;
    };
    const Case cases[] = {
        {1, 3, 1, 3, {"", "A", "c1", "a"}},
        {1, 3, 3, 2, {"", "A", "c1", "a"}},
        {3, 1, 2, 3, {"", "c1", "a", "A"}},
        {3, 1, 0, 0, {"", "c1", "a", "A"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.AddColumn();
        grid.SetCells(3, 1, "c1");
        grid.FocusCell(c.Current, 1, true);
        std::vector<std::pair<int, int>> moves;
        grid.OnColumnMoved = [&](TObject*, int From, int To) { moves.emplace_back(From, To); };
        grid.MoveColumn(c.From, c.To);
        EXPECT_EQ(grid.Row(1), c.Row1) << c.From << " " << c.To;
        EXPECT_EQ(grid.Col(), c.CurrentAfter) << c.From << " " << c.To << " " << c.Current;
        EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{c.From, c.To}}));
        EXPECT_EQ((*grid.ColumnOrder())[c.To], c.From);
    }
}

TEST(ExGridSwapColumns, ExchangesTextsPropertiesAndWidths) {
    RowsColsGrid grid;
    grid.SetColors(1, 2, clRed);
    grid.SetColWidths(1, 99);
    grid.SwapColumns(1, 2);
    EXPECT_EQ(grid.Row(2), (Texts{"", "B", "b"}));
    EXPECT_EQ(grid.Colors(2, 2), clRed);
    EXPECT_EQ(grid.ColWidths(2), 99);
}

// --- rectangles --------------------------------------------------------------------------------

TEST(ExGridClear, ShortcutsClearTheirRanges) {
    struct Case {
        const char* Name;
        void (*Clear)(RowsColsGrid&);
        Texts Column1;
        Texts Row1;
    };
    const Case cases[] = {
        {"ClearRows",
         [](RowsColsGrid& g) { g.ClearRows(1, 2); },
         {"h", "", "", "c", "d", "e"},
         {"", "", ""}},
        {"ClearCols",
         [](RowsColsGrid& g) { g.ClearCols(1, 1); },
         {"", "", "", "", "", ""},
         {"r1", "", "A"}},
        {"ClearNormalCols",
         [](RowsColsGrid& g) { g.ClearNormalCols(1, 1); },
         {"h", "", "", "", "", ""},
         {"r1", "", "A"}},
        {"ClearNormalCells",
         [](RowsColsGrid& g) { g.ClearNormalCells(); },
         {"h", "", "", "", "", ""},
         {"r1", "", ""}},
        {"ClearRows nothing",
         [](RowsColsGrid& g) { g.ClearRows(1, 0); },
         {"h", "a", "b", "c", "d", "e"},
         {"r1", "a", "A"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.SetCells(0, 1, "r1");
        c.Clear(grid);
        EXPECT_EQ(grid.Column(1), c.Column1) << c.Name;
        EXPECT_EQ(grid.Row(1), c.Row1) << c.Name;
    }
}

TEST(ExGridClear, FreesPropertiesUnlessOnlyTextsAreCleared) {
    RowsColsGrid grid;
    grid.SetColors(1, 1, clRed);
    grid.ClearTextOnly = true;
    grid.ClearRect(1, 1, 1, 1);
    EXPECT_EQ(grid.GetGridCell(1, 1), "");
    EXPECT_EQ(grid.Colors(1, 1), clRed);
    grid.ClearTextOnly = false;
    grid.ClearRect(1, 1, 2, 2);
    EXPECT_EQ(grid.GetGridObject(1, 1), nullptr);
}

TEST(ExGridClear, OnlyTheWholeGridForgetsThatCellsHadProperties) {
    RowsColsGrid grid;
    grid.SetColors(1, 1, clRed);
    grid.ClearRect(1, 1, 2, 5);
    EXPECT_TRUE(grid.FHasCellProps);
    grid.SetColors(1, 1, clRed);
    grid.Clear();
    EXPECT_FALSE(grid.FHasCellProps);
    EXPECT_EQ(grid.GetGridObject(1, 1), nullptr);
    EXPECT_EQ(grid.Column(2), Texts(6, ""));
}

TEST(ExGridTrim, RemovesBlanksAtBothEndsOfTheRange) {
    RowsColsGrid grid;
    grid.SetCells(1, 1, "  a b ");
    grid.SetCells(2, 1, " x ");
    grid.SetCells(1, 2, " y ");
    grid.TrimRow(1);
    EXPECT_EQ(grid.Row(1), (Texts{"", "a b", "x"}));
    EXPECT_EQ(grid.GetGridCell(1, 2), " y ");
    grid.TrimAll();
    EXPECT_EQ(grid.GetGridCell(1, 2), "y");
}

TEST(ExGridColorRect, ColoursEveryCellOfTheRectangle) {
    RowsColsGrid grid;
    grid.ColorRect(1, 1, 2, 2, clGreen);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c)
            EXPECT_EQ(grid.Colors(c, r), clGreen);
    EXPECT_EQ(grid.GetGridObject(1, 3), nullptr);
}

TEST(ExGridMergeColumnCells, RunsOfEqualTextsBecomeOneAreaEach) {
    RowsColsGrid grid;
    const Texts values = {"h", "A", "A", "B", "B", "B"};
    for (int r = 0; r < 6; ++r)
        grid.SetCells(1, r, values[r]);
    grid.MergeColumnCells(1, true);
    EXPECT_EQ(grid.CellSpan(1, 1), (TPoint{0, 1}));
    EXPECT_EQ(grid.CellSpan(1, 3), (TPoint{0, 2}));
    grid.SplitColumnCells(1);
    EXPECT_FALSE(grid.IsMergedCell(1, 1));
    EXPECT_FALSE(grid.IsMergedCell(1, 3));
}

TEST(ExGridMergeRowCells, RunsOfEqualTextsBecomeOneAreaEach) {
    RowsColsGrid grid;
    grid.SetColCount(5);
    const Texts values = {"", "x", "x", "x", "y"};
    for (int c = 0; c < 5; ++c)
        grid.SetCells(c, 2, values[c]);
    grid.MergeRowCells(2, true);
    EXPECT_EQ(grid.CellSpan(1, 2), (TPoint{2, 0}));
    EXPECT_FALSE(grid.IsMergedCell(4, 2));
    grid.SplitAllCells();
    EXPECT_FALSE(grid.IsMergedCell(1, 2));
}

// --- finding and ranges ------------------------------------------------------------------------

TEST(ExGridIsCell, FindsWholeTextsRowByRow) {
    RowsColsGrid grid;
    grid.SetCells(2, 1, "c");
    int col = -1;
    int row = -1;
    EXPECT_TRUE(grid.IsCell("c", col, row));
    EXPECT_EQ((TPoint{col, row}), (TPoint{2, 1}));
    EXPECT_FALSE(grid.IsCell("ab", col, row));
    EXPECT_FALSE(grid.IsCell("C ", col, row));
}

TEST(ExGridIsWideCell, TellsPackedWideTexts) {
    RowsColsGrid grid;
    grid.SetCells(1, 1, "|\\0041");
    EXPECT_TRUE(grid.IsWideCell(1, 1));
    EXPECT_FALSE(grid.IsWideCell(1, 2));
}

TEST(ExGridUsedCells, SpansTheNonEmptyCells) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.UsedCells(), (TRect{0, 0, 0, 0}));
    grid.SetCells(3, 1, "x");
    grid.SetCells(1, 4, "y");
    EXPECT_EQ(grid.UsedCells(), Rect(1, 1, 3, 4));
}

TEST(ExGridSaveRange, FollowsTheSaveFlags) {
    struct Case {
        bool FixedCells, FixedRows, FixedCols;
        TRect Expected; // start column, start row, end column, end row
    };
    const Case cases[] = {
        {true, false, false, Rect(0, 0, 4, 5)},
        {false, false, false, Rect(1, 1, 3, 4)},
        {false, true, false, Rect(1, 0, 3, 5)},
        {false, false, true, Rect(0, 1, 4, 4)},
    };
    for (const Case& c : cases) {
        TExStringGrid grid(nullptr);
        grid.SetColCount(5);
        grid.SetRowCount(6);
        grid.SetFixedRightCols(1);
        grid.SetFixedFooters(1);
        grid.SaveFixedCells = c.FixedCells;
        grid.SaveFixedRows = c.FixedRows;
        grid.SaveFixedCols = c.FixedCols;
        EXPECT_EQ(
            Rect(grid.SaveStartCol(), grid.SaveStartRow(), grid.SaveEndCol(), grid.SaveEndRow()),
            c.Expected);
        EXPECT_EQ(grid.SaveColCount(), c.Expected.Right - c.Expected.Left + 1);
        EXPECT_EQ(grid.SaveRowCount(), c.Expected.Bottom - c.Expected.Top + 1);
    }
}

// --- view --------------------------------------------------------------------------------------

TEST(ExGridScrollInView, BringsAFarCellIntoViewAndLeavesAVisibleOneAlone) {
    TExStringGrid grid(nullptr);
    grid.SetBounds(0, 0, 300, 200);
    grid.SetColCount(4);
    grid.SetRowCount(200);
    grid.ScrollInView(1, 3);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(grid.Row(), 1);
    grid.ScrollInView(1, 150);
    EXPECT_EQ(grid.Row(), 150);
    EXPECT_LE(grid.TopRow(), 150);
    EXPECT_GT(grid.TopRow() + grid.VisibleRowCount(), 150);
}

TEST(ExGridIsOnSizingBorder, NearTheBordersOfTheFixedCells) {
    TExStringGrid grid(nullptr);
    grid.SetBounds(0, 0, 300, 200);
    grid.SetColCount(4);
    grid.SetRowCount(5);
    TGridOptions options = grid.Options();
    options << goColSizing << goRowSizing;
    grid.SetOptions(options);
    const TRect header = grid.CellRect(2, 0);
    const TRect normal = grid.CellRect(2, 2);
    const TRect fixedCol = grid.CellRect(0, 2);
    EXPECT_TRUE(grid.IsOnSizingBorder(header.Right - 2, header.Top + 5));
    EXPECT_FALSE(grid.IsOnSizingBorder(header.Left + 20, header.Top + 5));
    EXPECT_FALSE(grid.IsOnSizingBorder(normal.Right - 2, normal.Top + 5));
    EXPECT_TRUE(grid.IsOnSizingBorder(fixedCol.Left + 10, fixedCol.Bottom - 1));
    EXPECT_FALSE(grid.IsOnSizingBorder(fixedCol.Left + 10, fixedCol.Top + 10));
}

} // namespace
