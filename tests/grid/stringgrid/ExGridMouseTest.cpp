// The grid's mouse handling: clicks and their events, header selection, right and double
// clicks, the header click that may sort, hovering and the simulated click.
#include "ExGridMouseTestGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ControlLook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string CellName(int ACol, int ARow) {
    return std::to_string(ACol) + "," + std::to_string(ARow);
}

class ExGridMouse : public ::testing::Test {
protected:
    void SetUp() override {
        grid.OnClickCell = [this](TObject*, int ARow, int ACol) {
            events.push_back("ClickCell " + CellName(ACol, ARow));
        };
        grid.OnClick = [this](TObject*) { events.push_back("Click"); };
    }
    TMouseTestGrid grid;
    std::vector<std::string> events;
};

TEST_F(ExGridMouse, AClickFiresOnClickCellOnPressAndOnClickOnceOnRelease) {
    struct Case {
        const char* name;
        int col, row;
        std::vector<std::string> expected;
    } cases[] = {
        {"normal cell", 2, 3, {"ClickCell 2,3", "Click"}},
        {"header cell", 2, 0, {"ClickCell 2,0", "Click"}},
        {"row header", 0, 3, {"ClickCell 0,3", "Click"}},
    };
    for (const Case& c : cases) {
        events.clear();
        grid.ClickAt(grid.Centre(c.col, c.row));
        EXPECT_EQ(events, c.expected) << c.name;
    }
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 3) << "the fixed cells left the current cell where it was";
}

TEST_F(ExGridMouse, ARefusedPressChangesNothingAndClicksNothing) {
    grid.OnCanClickCell = [](TObject*, int ARow, int ACol, bool& Allow) {
        Allow = ARow != 4 && ACol != 3;
    };
    grid.ClickAt(grid.Centre(2, 4));
    grid.ClickAt(grid.Centre(3, 0));
    EXPECT_TRUE(events.empty()) << "neither on a normal nor on a fixed cell";
    EXPECT_EQ(grid.Row(), 1);
    grid.ClickAt(grid.Centre(2, 5));
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(events, (std::vector<std::string>{"ClickCell 2,5", "Click"}));
}

TEST_F(ExGridMouse, OnClickStaysSilentWhileTheColumnSizingCursorShows) {
    grid.SetOptions(grid.Options() << goColSizing);
    const TRect header = grid.CellRect(2, 0);
    grid.ClickAt(TPoint{header.Right, 10});
    EXPECT_EQ(grid.Cursor(), crHSplit);
    EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 0);
}

TEST_F(ExGridMouse, FixedCellsSelectWholeColumnsRowsOrEverything) {
    struct Case {
        const char* name;
        bool colSelect, rowSelect, allSelect;
        TPoint from, to; // press and release cells
        TGridRect expected;
    } cases[] = {
        {"a column", true, false, false, {3, 0}, {3, 0}, {3, 1, 3, 7}},
        {"columns dragged", true, false, false, {2, 0}, {4, 0}, {2, 1, 4, 7}},
        {"a row", false, true, false, {0, 3}, {0, 3}, {1, 3, 5, 3}},
        {"rows dragged upwards", false, true, false, {0, 5}, {0, 2}, {1, 2, 5, 5}},
        {"everything", false, false, true, {0, 0}, {0, 0}, {1, 1, 5, 7}},
        {"nothing without the option", false, false, false, {3, 0}, {3, 0}, {1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        TMouseTestGrid g;
        g.MouseActions()->ColSelect = c.colSelect;
        g.MouseActions()->RowSelect = c.rowSelect;
        g.MouseActions()->AllSelect = c.allSelect;
        g.Drag(g.Centre(c.from.X, c.from.Y), g.Centre(c.to.X, c.to.Y));
        EXPECT_EQ(g.Selection(), c.expected) << c.name;
        EXPECT_EQ(g.MouseSelectMode, msNormal) << c.name << ": the release ends the gesture";
    }
}

TEST_F(ExGridMouse, ShiftExtendsAColumnSelectionFromTheLastOne) {
    grid.MouseActions()->ColSelect = true;
    grid.ClickAt(grid.Centre(4, 0));
    grid.ClickAt(grid.Centre(2, 0), TShiftState{ssShift});
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 1, 4, 7}));
}

TEST_F(ExGridMouse, RightClickReportsEveryCellAndSelectsOnlyWhenAsked) {
    std::vector<std::string> right;
    grid.OnRightClickCell = [&](TObject*, int ARow, int ACol) {
        right.push_back(CellName(ACol, ARow));
    };
    InputSimulation::Click(&grid, grid.Centre(3, 4), mbRight);
    InputSimulation::Click(&grid, grid.Centre(3, 0), mbRight);
    InputSimulation::Click(&grid, TPoint{480, 280}, mbRight);
    EXPECT_EQ(right, (std::vector<std::string>{"3,4", "3,0", "-1,-1"}));
    EXPECT_EQ(grid.Row(), 1) << "the right button leaves the current cell";

    grid.MouseActions()->SelectOnRightClick = true;
    InputSimulation::Click(&grid, grid.Centre(3, 4), mbRight);
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{3, 4}));
}

TEST_F(ExGridMouse, RightClickSelectingACheckBoxCellDoesNotToggleIt) {
    grid.SetOptions(grid.Options() << goEditing);
    grid.MouseActions()->SelectOnRightClick = true;
    grid.AddCheckBox(2, 3, false, false);
    InputSimulation::Click(&grid, grid.Centre(2, 3), mbRight);
    EXPECT_FALSE(grid.IsChecked(2, 3));
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{2, 3}));
}

TEST_F(ExGridMouse, DoubleClickOnAHeaderBorderFitsTheColumnLeftOfIt) {
    struct Case {
        const char* name;
        TPoint at;
        bool colSizing;
        std::vector<std::string> expected;
    } cases[] = {
        {"right border", grid.At(2, 0, 62, 8), true, {"AutoSizeCol 2"}},
        {"left border", grid.At(3, 0, 2, 8), true, {"AutoSizeCol 2"}},
        {"left border beside the fixed column tests the right one", grid.At(1, 0, 1, 8), true, {}},
        {"right of the last column",
         TPoint{grid.CellRect(5, 0).Right + 2, 8},
         true,
         {"AutoSizeCol 5"}},
        {"middle of the header", grid.Centre(2, 0), true, {}},
        {"without column sizing", grid.At(2, 0, 62, 8), false, {}},
    };
    for (const Case& c : cases) {
        TMouseTestGrid g;
        if (c.colSizing)
            g.SetOptions(g.Options() << goColSizing);
        InputSimulation::DoubleClick(&g, c.at);
        const auto sized = std::count_if(g.Calls.begin(), g.Calls.end(), [](const auto& s) {
            return s.rfind("AutoSizeCol", 0) == 0;
        });
        EXPECT_EQ(sized, static_cast<long>(c.expected.size())) << c.name;
        for (const std::string& call : c.expected)
            EXPECT_NE(std::find(g.Calls.begin(), g.Calls.end(), call), g.Calls.end()) << c.name;
        if (!c.expected.empty())
            EXPECT_EQ(
                std::count_if(g.Calls.begin(), g.Calls.end(),
                              [](const auto& s) { return s.rfind("HeaderClickSort", 0) == 0; }),
                0)
                << c.name << ": a double click that sized does not sort";
    }
}

TEST_F(ExGridMouse, OnColumnSizeMayRefuseTheAutoSizeOfADoubleClick) {
    grid.SetOptions(grid.Options() << goColSizing);
    std::vector<int> ended;
    grid.OnColumnSize = [](TObject*, int, bool& Allow) { Allow = false; };
    grid.OnEndColumnSize = [&](TObject*, int ACol) { ended.push_back(ACol); };
    InputSimulation::DoubleClick(&grid, grid.At(2, 0, 62, 8));
    EXPECT_TRUE(grid.Calls.empty());
    EXPECT_TRUE(ended.empty());
}

TEST_F(ExGridMouse, DoubleClickOnACellFiresOnDblClickCellAndOnDblClick) {
    std::vector<std::string> fired;
    grid.OnDblClickCell = [&](TObject*, int ARow, int ACol) {
        fired.push_back("DblClickCell " + CellName(ACol, ARow));
    };
    grid.OnDblClick = [&](TObject*) { fired.push_back("DblClick"); };
    InputSimulation::DoubleClick(&grid, grid.Centre(2, 3));
    EXPECT_EQ(fired, (std::vector<std::string>{"DblClick", "DblClickCell 2,3"}));
}

TEST_F(ExGridMouse, AHeaderReleaseSortsOnlyAwayFromBordersAndButtons) {
    struct Case {
        const char* name;
        TPoint press, release;
        bool sorts;
    } cases[] = {
        {"middle of a header", grid.Centre(2, 0), grid.Centre(2, 0), true},
        {"near the right border", grid.At(2, 0, 61, 8), grid.At(2, 0, 61, 8), false},
        {"near the left border", grid.At(2, 0, 2, 8), grid.At(2, 0, 2, 8), false},
        {"released in a data row", grid.Centre(2, 0), grid.Centre(2, 1), false},
        {"pressed in a data row", grid.Centre(2, 1), grid.Centre(2, 0), false},
        {"the fixed column", grid.Centre(0, 0), grid.Centre(0, 0), false},
    };
    for (const Case& c : cases) {
        TMouseTestGrid g;
        g.SetOptions(g.Options() << goColSizing);
        g.Move(c.press);
        g.Press(c.press);
        g.Move(c.release, TShiftState{ssLeft});
        g.Release(c.release);
        const bool sorted =
            std::find(g.Calls.begin(), g.Calls.end(), "HeaderClickSort 2") != g.Calls.end();
        EXPECT_EQ(sorted, c.sorts) << c.name;
    }
    TMouseTestGrid small;
    small.SetRowCount(2);
    small.ClickAt(small.Centre(2, 0));
    EXPECT_TRUE(small.Calls.empty()) << "a grid of two rows never sorts by click";
}

TEST_F(ExGridMouse, NoScrollOnPartialRowKeepsTheTopRow) {
    for (const bool keep : {false, true}) {
        TMouseTestGrid g;
        g.SetRowCount(30);
        g.MouseActions()->NoScrollOnPartialRow = keep;
        const int partial = g.TopRow() + g.VisibleRowCount();
        g.ClickAt(g.At(2, partial, 10, 5));
        EXPECT_EQ(g.TopRow() == 1, keep) << "keep " << keep;
        EXPECT_EQ(g.Row(), partial);
    }
}

TEST_F(ExGridMouse, KeepHorizScrollWithRowSelectNeverScrollsSideways) {
    grid.SetColCount(20);
    grid.SetOptions(grid.Options() << goRowSelect);
    grid.Navigation()->KeepHorizScroll = true;
    const int partial = grid.LeftCol() + grid.VisibleColCount();
    grid.ClickAt(grid.At(partial, 3, 5, 5));
    EXPECT_EQ(grid.LeftCol(), 1);
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(ExGridMouse, HoverRowFollowsTheMouseAndLeavesWithIt) {
    grid.SetHoverRow(true);
    grid.Move(grid.Centre(2, 3));
    EXPECT_EQ(grid.HoverRowIndex(), 3);
    grid.Move(grid.Centre(4, 5));
    EXPECT_EQ(grid.HoverRowIndex(), 5);
    InputSimulation::MouseLeave(&grid);
    EXPECT_EQ(grid.HoverRowIndex(), -1);
}

TEST_F(ExGridMouse, SimulatedClickMovesTheCellWithoutMouseEvents) {
    int downs = 0;
    grid.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    grid.SimulateCellClick(4, 6);
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{4, 6}));
    EXPECT_EQ(downs, 0);
    grid.ClickAt(grid.Centre(2, 2));
    EXPECT_EQ(downs, 1) << "the handler is attached again";
    grid.SimulateCellClick(-1, 3);
    EXPECT_EQ(grid.Row(), 2) << "a cell outside the grid is refused";
}

} // namespace

namespace {

// The drop-down button takes the rightmost 16 pixels of a hover-highlighted fixed cell.
TEST_F(ExGridMouse, TheFixedCellDropDownButtonAsksForItsMenuInsteadOfPressingTheCell) {
    grid.HoverFixedCells = hfFixedRows;
    grid.ControlLook()->FixedDropDownButton = true;
    std::vector<std::string> asked;
    grid.OnFixedDropDownClick = [&](TObject*, int ACol, int ARow, TPopupMenu*& AMenu, bool&) {
        asked.push_back(CellName(ACol, ARow));
        AMenu = nullptr; // no menu to show: the press is still taken
    };
    struct Case {
        const char* Name;
        int DX;
        bool Taken;
    };
    const Case cases[] = {{"on the button", 64 - 8, true}, {"left of it", 64 - 30, false}};
    for (const Case& c : cases) {
        asked.clear();
        events.clear();
        grid.ClickAt(grid.At(2, 0, c.DX, 12));
        EXPECT_EQ(asked, c.Taken ? std::vector<std::string>{"2,0"} : std::vector<std::string>{})
            << c.Name;
    }
    grid.HoverFixedCells = hfNone;
    asked.clear();
    grid.ClickAt(grid.At(2, 0, 64 - 8, 12));
    EXPECT_TRUE(asked.empty()) << "a cell without hovering has no button";
}

} // namespace
