// The string grid's window messages: the edit-done message, the grid timer, the wheel, the
// dialog code and focus.
#include "ExGridKeyboardTestGrid.h"

#include "platform/ui/Application.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(ExGridMessages, EditDoneFiresOnEditCellDoneWhenHandled) {
    KeysGrid grid;
    std::vector<std::pair<int, int>> done;
    grid.OnEditCellDone = [&](TObject*, int ACol, int ARow) { done.emplace_back(ACol, ARow); };
    grid.PostMessage(GridEditDoneMessage, 3, 70000);
    EXPECT_TRUE(done.empty()) << "posted: handled after the current handler";
    Application->ProcessMessages();
    EXPECT_EQ(done, (std::vector<std::pair<int, int>>{{3, 70000}}))
        << "rows past 65535 arrive whole";
    grid.Perform(GridEditDoneMessage, 3, static_cast<LPARAM>(-1));
    EXPECT_EQ(done.size(), 1u) << "a negative row is no cell";
}

TEST(ExGridMessages, EditDoneEndsEditingInDoubleClickOnlyMode) {
    KeysGrid grid;
    grid.MouseActions()->SetEditOnDblClickOnly(true);
    grid.SetOptions(grid.Options() + TGridOptions{goEditing});
    grid.EditMode = true;
    grid.Perform(GridEditDoneMessage, 1, 1);
    EXPECT_FALSE(grid.Options().Contains(goEditing));
    EXPECT_FALSE(grid.EditMode);
}

TEST(ExGridMessages, IncrementalSearchTextIsForgottenOnTheFourthTick) {
    KeysGrid grid;
    grid.Navigation()->AutoGotoIncremental = true;
    grid.SearchInc = "AB";
    grid.SearchTics = 0;
    for (int tick = 1; tick <= 3; ++tick) {
        grid.Perform(WM_TIMER, GridTimerIdentifier);
        EXPECT_EQ(grid.SearchInc, "AB") << tick;
    }
    grid.Perform(WM_TIMER, GridTimerIdentifier);
    EXPECT_EQ(grid.SearchInc, "");
    EXPECT_EQ(grid.TimerTicks(), 4);
}

TEST(ExGridMessages, HoveringMakesTheCellUnderTheMouseCurrent) {
    struct Case {
        const char* Name;
        TPoint Mouse;
        TGridCoord Current;
    };
    const Case cases[] = {
        {"over a normal cell", TPoint{150, 70}, TGridCoord{2, 3}},
        {"over a fixed cell", TPoint{10, 70}, TGridCoord{1, 1}},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.Hovering = true;
        InputSimulation::MouseMove(&grid, c.Mouse);
        grid.Perform(WM_TIMER, GridTimerIdentifier);
        EXPECT_EQ(grid.Current(), c.Current) << c.Name;
    }
}

TEST(ExGridMessages, BlinkFlipsEveryTick) {
    KeysGrid grid;
    grid.EnableBlink = true;
    grid.Perform(WM_TIMER, GridTimerIdentifier);
    EXPECT_TRUE(grid.GridBlink());
    grid.Perform(WM_TIMER, GridTimerIdentifier);
    EXPECT_FALSE(grid.GridBlink());
}

TEST(ExGridWheel, MovesTheCurrentRowOrScrolls) {
    struct Case {
        const char* Name;
        TWheelAction Action;
        int Increment;
        int StartRow;
        int StartTop;
        int Delta;
        int Row;
        int Top;
    };
    const Case cases[] = {
        {"one notch down moves three rows", waMoveSelection, 0, 10, -1, -120, 13, -1},
        {"near the end stops at the last row", waMoveSelection, 0, 98, -1, -120, 99, -1},
        {"up", waMoveSelection, 0, 10, -1, 120, 7, -1},
        {"increment", waMoveSelection, 5, 10, -1, -120, 15, -1},
        {"scroll down", waScroll, 0, 1, 10, -120, 1, 13},
        {"scroll up by what is left", waScroll, 0, 1, 2, 120, 1, 1},
    };
    for (const Case& c : cases) {
        KeysGrid grid(5, 100);
        grid.MouseActions()->SetWheelAction(c.Action);
        grid.MouseActions()->WheelIncrement = c.Increment;
        grid.FocusCell(2, c.StartRow, true);
        if (c.StartTop >= 0)
            grid.SetTopRow(c.StartTop);
        InputSimulation::Wheel(&grid, TPoint{100, 100}, c.Delta);
        EXPECT_EQ(grid.Row(), c.Row) << c.Name;
        if (c.Top >= 0) {
            EXPECT_EQ(grid.TopRow(), c.Top) << c.Name;
        }
    }
}

TEST(ExGridWheel, ADisabledWheelIsSwallowed) {
    KeysGrid grid(5, 100);
    grid.EnableWheel = false;
    grid.FocusCell(2, 10, true);
    EXPECT_EQ(grid.Perform(WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint16_t>(-120)) << 16),
              1);
    EXPECT_EQ(grid.Row(), 10);
}

TEST(ExGridWheel, CtrlZoomsByTheWheelLines) {
    KeysGrid grid(5, 100);
    InputSimulation::Wheel(&grid, TPoint{100, 100}, -120, {ssCtrl});
    InputSimulation::Wheel(&grid, TPoint{100, 100}, 120, {ssCtrl});
    EXPECT_EQ(grid.Zooms, (std::vector<int>{3, -3}));
    EXPECT_EQ(grid.Row(), 1);
}

TEST(ExGridWheel, ARefusedEditorValueKeepsTheRow) {
    KeysGrid grid(5, 100);
    grid.SetOptions(grid.Options() + TGridOptions{goEditing});
    grid.Type('q');
    grid.AcceptValues = false;
    InputSimulation::Wheel(&grid, TPoint{100, 100}, -120);
    EXPECT_EQ(grid.Row(), 1);
}

TEST(ExGridPan, TheMiddleButtonPansOutsideTheDeadZone) {
    struct Case {
        const char* Name;
        TPoint Mouse;
        TGridCoord Current;
    };
    const Case cases[] = {
        {"5 pixels down stays", TPoint{100, 105}, TGridCoord{2, 5}},
        {"6 pixels down moves down", TPoint{100, 106}, TGridCoord{2, 6}},
        {"6 pixels up moves up", TPoint{100, 94}, TGridCoord{2, 4}},
        {"sideways is not panned vertically only", TPoint{140, 100}, TGridCoord{2, 5}},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.FocusCell(2, 5, true);
        InputSimulation::MouseDown(&grid, mbMiddle, TPoint{100, 100});
        ASSERT_TRUE(grid.Panning()) << c.Name;
        InputSimulation::MouseMove(&grid, c.Mouse);
        grid.Perform(WM_TIMER, 999);
        EXPECT_EQ(grid.Current(), c.Current) << c.Name;
        grid.Key(VK_F5);
        EXPECT_FALSE(grid.Panning()) << c.Name << ": a key stops panning";
    }
}

TEST(ExGridPan, OffWithoutAPanMode) {
    KeysGrid off;
    off.IntelliPan = TExStringGrid::ipNone;
    InputSimulation::MouseDown(&off, mbMiddle, TPoint{100, 100});
    EXPECT_FALSE(off.Panning());
}

TEST(ExGridMessages, TypedCharactersAreWantedWhereTheyStartSomething) {
    KeysGrid grid;
    EXPECT_NE(grid.Perform(WM_GETDLGCODE) & DLGC_WANTCHARS, 0) << "incremental search";
    grid.SetOptions(grid.Options() + TGridOptions{goEditing});
    EXPECT_NE(grid.Perform(WM_GETDLGCODE) & DLGC_WANTCHARS, 0) << "editing";
    EXPECT_NE(grid.Perform(WM_GETDLGCODE) & DLGC_WANTARROWS, 0);
}

TEST(ExGridMessages, BlockedFocusLossIsIgnored) {
    KeysGrid grid;
    int exits = 0;
    grid.OnExit = [&](TObject*) { ++exits; };
    grid.Perform(CM_EXIT);
    EXPECT_EQ(exits, 1);
    grid.StartBlockFocus();
    grid.Perform(CM_EXIT);
    grid.EndBlockFocus();
    EXPECT_GE(exits, 1);
}

} // namespace
