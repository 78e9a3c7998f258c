// Keys on the string grid: typing into cells, Tab navigation, cursor wrapping, row keys, Home and
// End, and the modes that change what the arrows do.
#include "ExGridKeyboardTestGrid.h"

#include "grid/foundation/SyncGrid.h"
#include "grid/stringgrid/ControlLook.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

namespace {

TGridCoord KeyAt(int c, int r) {
    return TGridCoord{c, r};
}

// --- typing -----------------------------------------------------------------------------------

TEST(ExGridTyping, TheTypedCharacterReachesTheEditor) {
    struct Case {
        const char* Name;
        TChar Typed;
        std::string Editor;
    };
    const Case cases[] = {
        {"a letter replaces the text", 'x', "x"},
        {"a digit", '7', "7"},
        {"Backspace opens the editor emptied", VK_BACK, ""},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.SetOptions(grid.Options() + TGridOptions{goEditing});
        grid.Type(c.Typed);
        EXPECT_TRUE(grid.EditorMode()) << c.Name;
        EXPECT_EQ(grid.EditorText(), c.Editor) << c.Name;
    }
}

TEST(ExGridTyping, WithoutEditingTypingOpensNoEditor) {
    KeysGrid grid;
    grid.Type('x');
    EXPECT_FALSE(grid.EditorMode());
}

TEST(ExGridTyping, KeypadPointEntersTheLocaleDecimalSeparator) {
    TFormatSettings comma;
    comma.DecimalSeparator = ",";
    OverrideFormatSettings(&comma);
    struct Case {
        const char* Name;
        bool Keypad;
        bool ExcelStyle;
        std::string Editor;
    };
    const Case cases[] = {
        {"keypad point with the option", true, true, ","},
        {"main keyboard point stays", false, true, "."},
        {"keypad point without the option", true, false, "."},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.SetOptions(grid.Options() + TGridOptions{goEditing});
        grid.ExcelStyleDecimalSeparator = c.ExcelStyle;
        if (c.Keypad)
            InputSimulation::KeypadPress(&grid, VK_DECIMAL, '.');
        else
            InputSimulation::KeyPress(&grid, VK_OEM_PERIOD, '.');
        EXPECT_EQ(grid.EditorText(), c.Editor) << c.Name;
    }
    OverrideFormatSettings(nullptr);
}

TEST(ExGridTyping, IncrementalSearchGoesToTheRowFound) {
    KeysGrid grid;
    grid.Navigation()->AutoGotoWhenSorted = true;
    grid.Navigation()->AutoGotoIncremental = true;
    grid.SearchAnswer = 6;
    grid.Type('a');
    grid.Type('b');
    EXPECT_EQ(grid.Searched, (std::vector<std::string>{"A", "AB"}));
    EXPECT_EQ(grid.Row(), 6);
    grid.Type(VK_BACK);
    EXPECT_EQ(grid.Searched.back(), "A");
    grid.SearchAnswer = -1;
    grid.Type('z');
    EXPECT_EQ(grid.SearchInc, "") << "a text that finds nothing is dropped";
}

// --- Tab navigation ---------------------------------------------------------------------------

TEST(ExGridTab, MovesThroughTheNavigableCells) {
    struct Case {
        const char* Name;
        TGridCoord Start;
        bool Backward;
        TGridCoord End;
    };
    const Case cases[] = {
        {"to the next cell", KeyAt(1, 1), false, KeyAt(2, 1)},
        {"from the last column to the next row", KeyAt(4, 3), false, KeyAt(1, 4)},
        {"from the last cell to the first data row", KeyAt(4, 9), false, KeyAt(1, 1)},
        {"back to the previous cell", KeyAt(3, 2), true, KeyAt(2, 2)},
        {"back from the first column to the previous row", KeyAt(1, 4), true, KeyAt(4, 3)},
        {"back from the first cell to the last data row", KeyAt(1, 1), true, KeyAt(4, 9)},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.FocusCell(c.Start.X, c.Start.Y, true);
        EXPECT_TRUE(grid.NavigateFromEditor(c.Backward)) << c.Name;
        EXPECT_EQ(grid.Current(), c.End) << c.Name;
    }
}

TEST(ExGridTab, TheTabKeyNavigatesWithGoTabs) {
    KeysGrid grid;
    grid.SetOptions(grid.Options() + TGridOptions{goTabs});
    grid.FocusCell(4, 2, true);
    grid.Key(VK_TAB);
    EXPECT_EQ(grid.Current(), KeyAt(1, 3));
    grid.Key(VK_TAB, {ssShift});
    EXPECT_EQ(grid.Current(), KeyAt(4, 2));
}

TEST(ExGridTab, SkipsCellsRefusedByOnSelectCell) {
    KeysGrid grid;
    grid.OnSelectCell = [](TObject*, int ACol, int ARow, bool& CanSelect) {
        CanSelect = ACol != 2 && !(ARow == 4 && ACol < 4);
    };
    grid.FocusCell(1, 3, true);
    grid.NavigateFromEditor(false);
    EXPECT_EQ(grid.Current(), KeyAt(3, 3));
    grid.FocusCell(4, 3, true);
    grid.NavigateFromEditor(false);
    EXPECT_EQ(grid.Current(), KeyAt(4, 4)) << "the next row's first navigable column";
}

TEST(ExGridTab, ARowChangeRefusedByAnEventKeepsTheCell) {
    const char* refusers[] = {"row", "cell", "col"};
    for (const char* refuser : refusers) {
        KeysGrid grid;
        const std::string who = refuser;
        grid.OnRowChanging = [&](TObject*, int, int, bool& Allow) { Allow = who != "row"; };
        grid.OnCellChanging = [&](TObject*, int, int, int, int, bool& Allow) {
            Allow = who != "cell";
        };
        grid.OnColChanging = [&](TObject*, int, int, bool& Allow) { Allow = who != "col"; };
        grid.FocusCell(4, 2, true);
        grid.NavigateFromEditor(false);
        EXPECT_EQ(grid.Current(), KeyAt(4, 2)) << refuser;
    }
}

TEST(ExGridTab, AtTheEndAddsARowWhenAllowed) {
    struct Case {
        const char* Name;
        bool Allow;
        int Rows;
        TGridCoord End;
    };
    const Case cases[] = {
        {"allowed: a new row", true, 11, KeyAt(1, 10)},
        {"refused: the first data row", false, 10, KeyAt(1, 1)},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.Navigation()->SetAdvanceInsert(true);
        grid.OnCanAddRow = [&](TObject*, bool& CanAdd) { CanAdd = c.Allow; };
        int added = -1;
        grid.OnAutoAddRow = [&](TObject*, int ARow) { added = ARow; };
        grid.FocusCell(4, 9, true);
        EXPECT_TRUE(grid.NavigateFromEditor(false)) << c.Name;
        EXPECT_EQ(grid.RowCount(), c.Rows) << c.Name;
        EXPECT_EQ(grid.Current(), c.End) << c.Name;
        EXPECT_EQ(added, c.Allow ? 10 : -1) << c.Name;
    }
}

TEST(ExGridTab, TabToNextAtEndHandsTheTabToTheParent) {
    TForm form(nullptr);
    KeysGrid* grid = new KeysGrid;
    grid->SetParent(&form);
    grid->Navigation()->TabToNextAtEnd = true;
    grid->FocusCell(4, 9, true);
    EXPECT_FALSE(grid->NavigateFromEditor(false));
    EXPECT_EQ(grid->Current(), KeyAt(1, 1));
    Application->ProcessMessages();
}

// Navigation and the advance are bounded: with no cell to stop on they end where they began.
TEST(ExGridTab, AGridWithoutNavigableCellsKeepsTheCell) {
    const TAdvanceDirection directions[] = {adLeftRight, adTopBottom};
    for (TAdvanceDirection direction : directions)
        for (bool backward : {false, true}) {
            KeysGrid grid;
            grid.Navigation()->TabAdvanceDirection = direction;
            grid.FocusCell(2, 3, true);
            grid.OnSelectCell = [](TObject*, int, int, bool& CanSelect) { CanSelect = false; };
            EXPECT_TRUE(grid.NavigateFromEditor(backward));
            EXPECT_EQ(grid.Current(), KeyAt(2, 3)) << direction << " " << backward;
        }
}

TEST(ExGridTab, VerticalDirectionGoesDownTheColumn) {
    KeysGrid grid;
    grid.Navigation()->TabAdvanceDirection = adTopBottom;
    grid.FocusCell(2, 8, true);
    grid.NavigateFromEditor(false);
    EXPECT_EQ(grid.Current(), KeyAt(2, 9));
    grid.NavigateFromEditor(false);
    EXPECT_EQ(grid.Current(), KeyAt(3, 1));
    grid.NavigateFromEditor(true);
    EXPECT_EQ(grid.Current(), KeyAt(2, 9));
}

TEST(ExGridTab, ARefusedEditorValueKeepsTheCell) {
    KeysGrid grid;
    grid.SetOptions(grid.Options() + TGridOptions{goEditing});
    grid.Type('q');
    ASSERT_TRUE(grid.EditorMode());
    grid.AcceptValues = false;
    grid.NavigateFromEditor(false);
    EXPECT_EQ(grid.Current(), KeyAt(1, 1));
    EXPECT_EQ(grid.Validated, (std::vector<std::string>{"q"}));
}

// --- arrows -----------------------------------------------------------------------------------

TEST(ExGridArrows, CursorAdvanceWrapsAtTheEdges) {
    struct Case {
        const char* Name;
        TCursorAdvance Mode;
        TGridCoord Start;
        WORD Key;
        TGridCoord End;
    };
    const Case cases[] = {
        {"default stops", caDefault, KeyAt(4, 3), VK_RIGHT, KeyAt(4, 3)},
        {"loop right", caLoop, KeyAt(4, 3), VK_RIGHT, KeyAt(1, 3)},
        {"snake right", caSnake, KeyAt(4, 3), VK_RIGHT, KeyAt(1, 4)},
        {"loop left", caLoop, KeyAt(1, 3), VK_LEFT, KeyAt(4, 3)},
        {"snake left", caSnake, KeyAt(1, 3), VK_LEFT, KeyAt(4, 2)},
        {"loop down", caLoop, KeyAt(2, 9), VK_DOWN, KeyAt(2, 1)},
        {"snake down", caSnake, KeyAt(2, 9), VK_DOWN, KeyAt(3, 1)},
        {"snake up", caSnake, KeyAt(2, 1), VK_UP, KeyAt(1, 9)},
        {"inside the grid", caSnake, KeyAt(2, 3), VK_RIGHT, KeyAt(3, 3)},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.Navigation()->CursorAdvance = c.Mode;
        grid.FocusCell(c.Start.X, c.Start.Y, true);
        grid.Key(c.Key);
        EXPECT_EQ(grid.Current(), c.End) << c.Name;
    }
}

TEST(ExGridArrows, CtrlDownMovesTheSelectedRows) {
    KeysGrid grid;
    grid.Navigation()->CursorMoveRows = true;
    grid.SetSelection(TGridRect{1, 3, 4, 4});
    grid.Key(VK_DOWN, {ssCtrl});
    EXPECT_EQ(grid.Cells(1, 4), "1:3");
    EXPECT_EQ(grid.Cells(1, 5), "1:4");
    EXPECT_EQ(grid.Cells(1, 3), "1:5");
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 4, 4, 5}));

    grid.FocusCell(1, 9, true);
    grid.Key(VK_DOWN, {ssCtrl});
    EXPECT_EQ(grid.Cells(1, 9), "1:9") << "the last row stays";
    EXPECT_EQ(grid.Row(), 9);
}

TEST(ExGridArrows, MoveScrollOnlyScrollsWithoutMovingTheCell) {
    KeysGrid grid(5, 40);
    grid.Navigation()->MoveScrollOnly = true;
    const int lastTop = grid.RowCount() - grid.VisibleRowCount();
    grid.SetTopRow(lastTop);
    grid.FocusCell(1, 35, true);
    grid.SetTopRow(lastTop);
    grid.Key(VK_DOWN);
    EXPECT_EQ(grid.Row(), 35);
    EXPECT_EQ(grid.TopRow(), lastTop);
    grid.Key(VK_UP);
    EXPECT_EQ(grid.TopRow(), lastTop - 1);
    EXPECT_EQ(grid.Row(), 35);
}

TEST(ExGridArrows, DownOnTheLastRowAppendsWithAppendOnArrowDown) {
    KeysGrid grid;
    grid.Navigation()->AppendOnArrowDown = true;
    grid.FocusCell(2, 9, true);
    grid.Key(VK_DOWN);
    EXPECT_EQ(grid.RowCount(), 11);
    EXPECT_EQ(grid.Current(), KeyAt(2, 10));
    EXPECT_EQ(grid.Cells(2, 10), "");
}

TEST(ExGridArrows, HomeAndEndFollowHomeEndKey) {
    struct Case {
        const char* Name;
        THomeEndAction Action;
        WORD Key;
        TShiftState Shift;
        TGridCoord End;
    };
    const Case cases[] = {
        {"column home", heFirstLastColumn, VK_HOME, {}, KeyAt(1, 5)},
        {"column end", heFirstLastColumn, VK_END, {}, KeyAt(4, 5)},
        {"column ctrl home", heFirstLastColumn, VK_HOME, {ssCtrl}, KeyAt(1, 1)},
        {"row home", heFirstLastRow, VK_HOME, {}, KeyAt(3, 1)},
        {"row end", heFirstLastRow, VK_END, {}, KeyAt(3, 9)},
        {"cell home", heFirstLastCell, VK_HOME, {}, KeyAt(1, 1)},
        {"cell end", heFirstLastCell, VK_END, {}, KeyAt(4, 9)},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.Navigation()->HomeEndKey = c.Action;
        grid.FocusCell(3, 5, true);
        int fired = 0;
        grid.OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++fired; };
        grid.Key(c.Key, c.Shift);
        EXPECT_EQ(grid.Current(), c.End) << c.Name;
        EXPECT_GE(fired, 1) << c.Name;
    }
}

TEST(ExGridArrows, EachMoveReportsTheNewSelectionOnce) {
    KeysGrid grid;
    std::vector<TGridRect> reported;
    grid.OnSelectionChanged = [&](TObject*, int ALeft, int ATop, int ARight, int ABottom) {
        reported.push_back(TGridRect{ALeft, ATop, ARight, ABottom});
    };
    grid.FocusCell(2, 2, true);
    InputSimulation::KeyPress(&grid, VK_DOWN);
    InputSimulation::KeyPress(&grid, VK_RIGHT, 0, {ssShift});
    InputSimulation::KeyPress(&grid, VK_F5);
    EXPECT_EQ(reported, (std::vector<TGridRect>{{2, 3, 2, 3}, {2, 3, 3, 3}}));
}

TEST(ExGridArrows, ASynchronisedGridFollowsTheCurrentCell) {
    KeysGrid grid;
    KeysGrid follower;
    grid.SyncGrid()->SetGrid(&follower);
    grid.SyncGrid()->SelectionRow = true;
    grid.SyncGrid()->SelectionColumn = true;
    grid.FocusCell(2, 2, true);
    grid.Key(VK_DOWN);
    grid.Key(VK_RIGHT);
    EXPECT_EQ(follower.Current(), KeyAt(3, 3));
}

TEST(ExGridArrows, ArrowsCarryTheDisjunctRowFlags) {
    KeysGrid grid;
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.FocusCell(2, 2, true);
    grid.Key(VK_DOWN);
    EXPECT_EQ(grid.SelectedRowCount(), 1);
    EXPECT_TRUE(grid.GetRowSelect(3));
    grid.Key(VK_DOWN, {ssShift});
    EXPECT_TRUE(grid.GetRowSelect(3));
    EXPECT_TRUE(grid.GetRowSelect(4));
    grid.Key(VK_SPACE);
    EXPECT_FALSE(grid.GetRowSelect(4)) << "Space toggles the current row";
    grid.Key(VK_UP);
    EXPECT_EQ(grid.SelectedRowCount(), 1) << "a plain arrow starts anew";
}

// --- row keys ---------------------------------------------------------------------------------

TEST(ExGridRowKeys, InsertOpensARowWhereInsertPositionSays) {
    struct Case {
        const char* Name;
        TInsertPosition Position;
        int StartRow;
        bool Allow;
        int Rows;
        int EmptyRow;
        int EndRow;
    };
    const Case cases[] = {
        {"before", pInsertBefore, 3, true, 11, 3, 3},
        {"after", pInsertAfter, 3, true, 11, 4, 4},
        {"after the last row", pInsertAfter, 9, true, 11, 10, 10},
        {"refused", pInsertBefore, 3, false, 10, -1, 3},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.Navigation()->AllowInsertRow = true;
        grid.Navigation()->InsertPosition = c.Position;
        grid.OnCanInsertRow = [&](TObject*, int, bool& CanInsert) { CanInsert = c.Allow; };
        grid.FocusCell(2, c.StartRow, true);
        grid.Key(VK_INSERT);
        EXPECT_EQ(grid.RowCount(), c.Rows) << c.Name;
        if (c.EmptyRow >= 0) {
            EXPECT_EQ(grid.Cells(2, c.EmptyRow), "") << c.Name;
        }
        EXPECT_EQ(grid.Row(), c.EndRow) << c.Name;
    }
}

TEST(ExGridRowKeys, DeleteRemovesTheRowUnlessRefused) {
    for (bool allow : {true, false}) {
        KeysGrid grid;
        grid.Navigation()->AllowDeleteRow = true;
        int asked = -1;
        grid.OnCanDeleteRow = [&](TObject*, int ARow, bool& CanDelete) {
            asked = ARow;
            CanDelete = allow;
        };
        grid.FocusCell(2, 4, true);
        grid.Key(VK_DELETE);
        EXPECT_EQ(asked, 4);
        EXPECT_EQ(grid.RowCount(), allow ? 9 : 10);
        EXPECT_EQ(grid.Cells(1, 4), allow ? "1:5" : "1:4");
    }
}

TEST(ExGridRowKeys, CtrlASelectsEveryNormalCell) {
    for (bool disjunct : {false, true}) {
        KeysGrid grid;
        grid.MouseActions()->SetDisjunctRowSelect(disjunct);
        grid.Key('A', {ssCtrl});
        EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 4, 9}));
        if (disjunct) {
            EXPECT_EQ(grid.SelectedRowCount(), 9);
        }
    }
}

TEST(ExGridRowKeys, ClipboardKeysAskTheirEventFirst) {
    struct Case {
        WORD Key;
        TShiftState Shift;
        const char* Action;
    };
    const Case cases[] = {
        {'C', {ssCtrl}, "copy"},  {VK_INSERT, {ssCtrl}, "copy"},
        {'X', {ssCtrl}, "cut"},   {VK_DELETE, {ssShift}, "cut"},
        {'V', {ssCtrl}, "paste"}, {VK_INSERT, {ssShift}, "paste"},
    };
    for (const Case& c : cases)
        for (bool allow : {true, false}) {
            KeysGrid grid;
            grid.Navigation()->AllowClipboardShortCuts = true;
            const auto decide = [&](TObject*, bool& Allow) { Allow = allow; };
            grid.OnClipboardCopy = decide;
            grid.OnClipboardCut = decide;
            grid.OnClipboardPaste = decide;
            grid.Key(c.Key, c.Shift);
            EXPECT_EQ(grid.Clipboard,
                      allow ? std::vector<std::string>{c.Action} : std::vector<std::string>{})
                << c.Action;
        }
}

TEST(ExGridRowKeys, SpaceTogglesACheckBoxOnlyWhereItMayBeChanged) {
    struct Case {
        const char* Name;
        bool Editing;
        bool AlwaysActive;
        bool Toggled;
    };
    const Case cases[] = {
        {"read-only grid", false, false, false},
        {"check boxes always active", false, true, true},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.AddCheckBox(2, 3, false, false);
        grid.ControlLook()->CheckAlwaysActive = c.AlwaysActive;
        grid.FocusCell(2, 3, true);
        grid.Key(VK_SPACE);
        bool state = false;
        grid.GetCheckBoxState(2, 3, state);
        EXPECT_EQ(state, c.Toggled) << c.Name;
    }
}

} // namespace
