// Selection of the string grid: rows, columns and cells selected by range or one by one, their
// counts and text, the row flags, the move after Enter, and the selection resizer.
#include "ExGridKeyboardTestGrid.h"

#include "platform/ui/Clipboard.h"

#include <gtest/gtest.h>

namespace {

TGridCoord At(int c, int r) {
    return TGridCoord{c, r};
}

TEST(ExGridSelection, SelectRowsIsCutToTheGrid) {
    KeysGrid grid(5, 8);
    grid.SelectRows(5, 10);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 5, 4, 7}));
    EXPECT_EQ(grid.SelectedRowCount(), 3);
    grid.SelectRows(-1, 3);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 5, 4, 7})) << "a negative row is refused";
}

TEST(ExGridSelection, AHiddenSelectionShowsNoCellAndComesBackUnhidden) {
    KeysGrid grid(5, 8);
    grid.SelectCells(2, 3, 3, 4);
    grid.HideSelection();
    EXPECT_TRUE(grid.SelHidden());
    EXPECT_FALSE(grid.IsSelected(2, 3));
    EXPECT_FALSE(grid.IsSelected(3, 4));
    grid.UnHideSelection();
    EXPECT_FALSE(grid.SelHidden());
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 3, 3, 4}));
    EXPECT_TRUE(grid.IsSelected(3, 4));
}

TEST(ExGridSelection, UnhidingASelectionThatNoLongerFitsSelectsTheFirstNormalCell) {
    KeysGrid grid(5, 8);
    grid.SelectCells(2, 6, 3, 7);
    grid.HideSelection();
    grid.SetRowCount(4);
    grid.UnHideSelection();
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST(ExGridSelection, NegativeRowsAndColumnsAreRefusedWithoutChange) {
    struct Case {
        const char* Name;
        void (*Call)(KeysGrid&);
    };
    const Case cases[] = {
        {"GotoCell", [](KeysGrid& g) { g.GotoCell(2, -1); }},
        {"FocusCell", [](KeysGrid& g) { g.FocusCell(-1, 2); }},
        {"SelectRange", [](KeysGrid& g) { g.SelectRange(1, 2, -3, 4); }},
        {"SelectCells", [](KeysGrid& g) { g.SelectCells(1, -1, 2, 2); }},
        {"SelectCols", [](KeysGrid& g) { g.SelectCols(-2, 3); }},
        {"SetRowEnabled", [](KeysGrid& g) { g.SetRowEnabled(-1, false); }},
        {"SetSelectedCells", [](KeysGrid& g) { g.SetSelectedCells(1, -1, true); }},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.SelectCells(2, 3, 3, 4);
        c.Call(grid);
        EXPECT_EQ(grid.Selection(), (TGridRect{2, 3, 3, 4})) << c.Name;
        EXPECT_EQ(grid.SelectedCellsCount(), 4) << c.Name;
    }
}

TEST(ExGridSelection, DisjunctRowsKeepTheOrderTheyWereSelectedIn) {
    KeysGrid grid;
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SelectRows(7, 1);
    grid.SelectRows(3, 1);
    EXPECT_EQ(grid.GetSelectedRow(0), 7);
    EXPECT_EQ(grid.GetSelectedRow(1), 3);
    EXPECT_EQ(grid.GetSelectedRow(2), -1);
    EXPECT_TRUE(grid.IsSelected(2, 3));
    EXPECT_FALSE(grid.IsSelected(2, 4));
    grid.UnSelectRows(7, 1);
    EXPECT_EQ(grid.SelectedRowCount(), 1);
    EXPECT_EQ(grid.GetSelectedRow(0), 3);
}

TEST(ExGridSelection, ARowSelectionRefusedByTheEventStaysAsItWas) {
    KeysGrid grid;
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.OnRowDisjunctSelect = [](TObject*, int ARow, bool, bool& Allow) { Allow = ARow != 4; };
    grid.SelectRows(3, 2);
    EXPECT_TRUE(grid.GetRowSelect(3));
    EXPECT_FALSE(grid.GetRowSelect(4));
    EXPECT_EQ(grid.RowSelectCount(), 1);
}

TEST(ExGridSelection, FlagsOutsideTheGridAreRefused) {
    struct Case {
        const char* Name;
        void (*Access)(KeysGrid&);
        const char* Message;
    };
    const Case cases[] = {
        {"row getter, negative", [](KeysGrid& g) { g.GetRowSelect(-1); },
         "Invalid row -1 accessed"},
        {"row getter, past the rows", [](KeysGrid& g) { g.GetRowSelect(10); },
         "Invalid row 10 accessed"},
        {"row getter, negative with persistent rows",
         [](KeysGrid& g) {
             g.MouseActions()->RowSelectPersistent = true;
             g.GetRowSelect(-5);
         },
         "Invalid row -5 accessed"},
        {"row setter", [](KeysGrid& g) { g.SetRowSelect(-1, true); }, "Invalid row accessed"},
        {"column getter", [](KeysGrid& g) { g.GetColSelect(5); }, "Invalid column accessed"},
        {"column setter", [](KeysGrid& g) { g.SetColSelect(-1, true); }, "Invalid column accessed"},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.MouseActions()->SetDisjunctRowSelect(true);
        try {
            c.Access(grid);
            ADD_FAILURE() << c.Name << ": no exception";
        } catch (const ROvoVariRodev& e) {
            EXPECT_EQ(std::string(e.what()), c.Message) << c.Name;
        }
    }
}

TEST(ExGridSelection, DisjunctColumnsAndCells) {
    KeysGrid grid;
    grid.MouseActions()->SetDisjunctColSelect(true);
    grid.SelectCols(2, 2);
    grid.UnSelectCols(2, 1);
    EXPECT_EQ(grid.ColSelectCount(), 1);
    EXPECT_TRUE(grid.IsSelected(3, 5));
    EXPECT_FALSE(grid.IsSelected(3, 0)) << "fixed cells are never selected";

    KeysGrid cells;
    cells.MouseActions()->SetDisjunctCellSelect(true);
    cells.SetSelectedCells(2, 3, true);
    cells.SetSelectedCells(4, 1, true);
    cells.SetSelectedCells(2, 3, false);
    EXPECT_EQ(cells.SelectedCellsCount(), 1);
    EXPECT_EQ(cells.GetSelectedCell(0), At(4, 1));
    EXPECT_EQ(cells.GetSelectedCell(1), At(-1, -1));
}

// Cells of rows and columns past 65535 keep their own number instead of sharing one with a
// cell 65536 rows or columns away.
TEST(ExGridSelection, DisjunctCellsKeepLargeRowAndColumnNumbers) {
    KeysGrid grid;
    grid.MouseActions()->SetDisjunctCellSelect(true);
    grid.SetSelectedCells(3, 70000, true);
    grid.SetSelectedCells(70001, 2, true);
    EXPECT_EQ(grid.GetSelectedCell(0), At(3, 70000));
    EXPECT_EQ(grid.GetSelectedCell(1), At(70001, 2));
    EXPECT_TRUE(grid.GetSelectedCells(3, 70000));
    EXPECT_FALSE(grid.GetSelectedCells(3, 70000 - 65536));
    EXPECT_FALSE(grid.GetSelectedCells(70001 - 65536, 2));
}

TEST(ExGridSelection, SpaceAndShiftPickDisjunctCells) {
    KeysGrid grid;
    grid.MouseActions()->SetDisjunctCellSelect(true);
    grid.FocusCell(2, 2, true);
    InputSimulation::KeyPress(&grid, VK_SPACE, ' ');
    grid.FocusCell(3, 4, true);
    InputSimulation::KeyPress(&grid, VK_SPACE, ' ', {ssCtrl});
    EXPECT_EQ(grid.SelectedCellsCount(), 2);
    EXPECT_TRUE(grid.GetSelectedCells(2, 2));
    EXPECT_TRUE(grid.GetSelectedCells(3, 4));
    InputSimulation::KeyPress(&grid, VK_SPACE, ' ', {ssCtrl});
    EXPECT_FALSE(grid.GetSelectedCells(3, 4)) << "Ctrl+Space takes a listed cell out";
    InputSimulation::KeyPress(&grid, VK_SPACE, ' ');
    EXPECT_EQ(grid.SelectedCellsCount(), 1) << "Space alone starts the list anew";
}

TEST(ExGridSelection, SelectedTextJoinsCellsWithTabsAndRowsWithLineBreaks) {
    KeysGrid grid;
    grid.SelectCells(1, 2, 2, 3);
    EXPECT_EQ(grid.SelectedText(), "1:2\t2:2\r\n1:3\t2:3");
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SelectRows(5, 1);
    grid.SelectRows(2, 1);
    grid.SelectCells(3, 1, 3, 1);
    EXPECT_EQ(grid.SelectedText(), "3:2\r\n3:5") << "flagged rows in grid order";
}

TEST(ExGridSelection, CountsFollowTheRectangle) {
    KeysGrid grid;
    grid.SelectCells(1, 2, 3, 5);
    EXPECT_EQ(grid.SelectedRowCount(), 4);
    EXPECT_EQ(grid.SelectedColCount(), 3);
    EXPECT_EQ(grid.SelectedCellsCount(), 12);
    EXPECT_EQ(grid.GetSelectedCell(11), At(3, 5));
    EXPECT_EQ(grid.GetSelectedRow(3), 5);
    EXPECT_EQ(grid.GetSelectedRow(4), -1);
}

TEST(ExGridSelection, ModifiedAndDisabledRows) {
    KeysGrid grid;
    grid.SetRowModified(4, true);
    grid.SetRowModified(6, true);
    grid.SetRowModified(4, false);
    grid.SetRowModified(-1, true);
    EXPECT_EQ(grid.ModifiedRowCount(), 1);
    EXPECT_TRUE(grid.GetRowModified(6));
    EXPECT_FALSE(grid.GetRowModified(60));

    grid.FocusCell(2, 1, true);
    grid.SetRowEnabled(1, false);
    EXPECT_EQ(grid.Row(), 2) << "the current row moves to the first other enabled row";
    EXPECT_FALSE(grid.GetRowEnabled(1));
    EXPECT_TRUE(grid.GetRowEnabled(100));
}

TEST(ExGridSelection, ArrowsPassDisabledRows) {
    KeysGrid grid;
    grid.SetRowEnabled(4, false);
    grid.SetRowEnabled(5, false);
    // As the cell-selection check does, disabled rows refuse to become current.
    grid.OnSelectCell = [&grid](TObject*, int, int ARow, bool& CanSelect) {
        CanSelect = grid.GetRowEnabled(ARow);
    };
    grid.FocusCell(2, 3, true);
    grid.Key(VK_DOWN);
    EXPECT_EQ(grid.Row(), 6);
    grid.Key(VK_UP);
    EXPECT_EQ(grid.Row(), 3);
}

// --- the move after Enter ---------------------------------------------------------------------

TEST(ExGridAdvance, MovesInTheAdvanceDirection) {
    struct Case {
        const char* Name;
        TAdvanceDirection Direction;
        bool Loop;
        TGridCoord Start;
        bool Forward;
        TGridCoord End;
    };
    const Case cases[] = {
        {"right", adLeftRight, true, At(2, 3), true, At(3, 3)},
        {"end of row to the next row", adLeftRight, true, At(4, 3), true, At(1, 4)},
        {"last cell loops to the top", adLeftRight, true, At(4, 9), true, At(1, 1)},
        {"last cell without loop stays", adLeftRight, false, At(4, 9), true, At(4, 9)},
        {"in row, loop", adLeftRightInRow, true, At(4, 3), true, At(1, 3)},
        {"in row without loop stays", adLeftRightInRow, false, At(4, 3), true, At(4, 3)},
        {"down", adTopBottom, true, At(2, 3), true, At(2, 4)},
        {"bottom to the next column", adTopBottom, true, At(2, 9), true, At(3, 1)},
        {"in column wraps to the top", adTopBottomInCol, true, At(2, 9), true, At(2, 1)},
        {"back left", adLeftRight, true, At(2, 3), false, At(1, 3)},
        {"back to the previous row", adLeftRight, true, At(1, 3), false, At(4, 2)},
        {"back up", adTopBottom, true, At(2, 3), false, At(2, 2)},
    };
    for (const Case& c : cases) {
        KeysGrid grid;
        grid.Navigation()->SetAdvanceDirection(c.Direction);
        grid.Navigation()->AdvanceOnEnterLoop = c.Loop;
        grid.FocusCell(c.Start.X, c.Start.Y, true);
        grid.AdvanceCell(c.Start.X, c.Start.Y, true, false, c.Forward, false, false);
        EXPECT_EQ(grid.Current(), c.End) << c.Name;
    }
}

TEST(ExGridAdvance, NothingMovesWithoutAdvanceOnEnterOrForce) {
    KeysGrid grid;
    grid.FocusCell(2, 3, true);
    grid.AdvanceCell(2, 3, false, false, true, false, false);
    EXPECT_EQ(grid.Current(), At(2, 3));
    grid.AdvanceCell(-1, 3, true, false, true, false, false);
    EXPECT_EQ(grid.Current(), At(2, 3)) << "a negative column is refused";
}

TEST(ExGridAdvance, ANewRowWithoutEditableCellsKeepsTheCell) {
    KeysGrid grid;
    grid.Navigation()->SetAdvanceInsert(true);
    grid.FocusCell(4, 9, true);
    grid.AdvanceCell(4, 9, true, false, true, false, false);
    EXPECT_EQ(grid.RowCount(), 11);
    EXPECT_EQ(grid.Current(), At(4, 9));
}

// Skipping read-only cells passes each cell once: with none to edit it ends where it began.
TEST(ExGridAdvance, SkippingReadOnlyCellsEndsOnAGridWithoutEditableCells) {
    KeysGrid grid;
    grid.SetOptions(grid.Options() + TGridOptions{goEditing});
    for (int r = 1; r < grid.RowCount(); ++r)
        for (int c = 1; c < grid.ColCount(); ++c)
            grid.SetReadOnly(c, r, true);
    grid.FocusCell(2, 3, true);
    grid.AdvanceCell(2, 3, true, false, true, false, false);
    EXPECT_EQ(grid.Current(), At(2, 3));
}

TEST(ExGridAdvance, AutoAdvanceMayRedirectOrRefuse) {
    KeysGrid grid;
    grid.OnAutoAdvance = [](TObject*, int, int, int& NewRow, int& NewCol, bool& Allow) {
        NewRow = 6;
        NewCol = 2;
        Allow = true;
    };
    grid.FocusCell(2, 3, true);
    grid.AdvanceCell(2, 3, true, false, true, false, false);
    EXPECT_EQ(grid.Current(), At(2, 6));
    grid.OnAutoAdvance = [](TObject*, int, int, int&, int&, bool& Allow) { Allow = false; };
    grid.AdvanceCell(2, 6, true, false, true, false, false);
    EXPECT_EQ(grid.Current(), At(2, 6));
}

TEST(ExGridAdvance, ARefusedEditorValueKeepsTheCell) {
    KeysGrid grid;
    grid.SetOptions(grid.Options() + TGridOptions{goEditing});
    grid.Type('q');
    ASSERT_TRUE(grid.EditorMode());
    grid.AcceptValues = false;
    grid.AdvanceCell(1, 1, true, false, true, false, false);
    EXPECT_EQ(grid.Current(), At(1, 1));
    EXPECT_EQ(grid.Validated, (std::vector<std::string>{"q"}));
}

// --- selection resizer ------------------------------------------------------------------------

TEST(ExGridSelectionResizer, FillsTheGrownSelectionAndLeavesTheClipboardAlone) {
    Clipboard()->SetAsText("the user's text");
    KeysGrid grid;
    grid.SetSelectionRectangle(true);
    grid.SetSelectionResizer(true);
    grid.SetCells(1, 2, "a");
    grid.SetCells(1, 3, "b");
    grid.SetReadOnly(1, 6, true);
    grid.SelectCells(1, 2, 1, 3);
    grid.BeginSelectionResize();
    grid.SelectCells(1, 2, 1, 7);
    grid.EndSelectionResize();
    std::vector<std::string> column;
    for (int r = 2; r <= 7; ++r)
        column.push_back(grid.Cells(1, r));
    EXPECT_EQ(column, (std::vector<std::string>{"a", "b", "a", "b", "1:6", "b"}));
    EXPECT_EQ(Clipboard()->AsText(), "the user's text");
}

TEST(ExGridSelectionResizer, ADragFromTheHandleGrowsAndFillsTheSelectionBetweenItsEvents) {
    KeysGrid grid;
    grid.SetOptions(grid.Options() + TGridOptions{goRangeSelect});
    grid.SetSelectionRectangle(true);
    grid.SetSelectionResizer(true);
    grid.SelectCells(1, 2, 2, 3);
    std::vector<std::string> events;
    const auto record = [&](const char* Name) {
        return [&events, &grid, Name](TObject*, const TGridRect& From, const TGridRect& To) {
            const auto text = [](const TGridRect& r) {
                return std::to_string(r.Left) + "," + std::to_string(r.Top) + "-" +
                       std::to_string(r.Right) + "," + std::to_string(r.Bottom);
            };
            events.push_back(std::string(Name) + " " + text(From) + " " + text(To) + " " +
                             grid.Cells(1, 5));
        };
    };
    grid.OnSelectionResize = record("resize");
    grid.OnSelectionResized = record("resized");
    const TRect handle = grid.CellRect(2, 3);
    InputSimulation::MouseDown(&grid, mbLeft, TPoint{handle.Right - 2, handle.Bottom - 2});
    const TRect target = grid.CellRect(2, 6);
    InputSimulation::MouseMove(&grid, TPoint{target.Left + 5, target.Top + 5}, {ssLeft});
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 2, 2, 6}));
    InputSimulation::MouseUp(&grid, mbLeft, TPoint{target.Left + 5, target.Top + 5});
    EXPECT_EQ(events, (std::vector<std::string>{"resize 1,2-2,3 1,2-2,6 1:5",
                                                "resized 1,2-2,3 1,2-2,6 1:3"}));
    std::vector<std::string> filled;
    for (int r = 2; r <= 7; ++r)
        filled.push_back(grid.Cells(1, r) + " " + grid.Cells(2, r));
    EXPECT_EQ(filled, (std::vector<std::string>{"1:2 2:2", "1:3 2:3", "1:2 2:2", "1:3 2:3",
                                                "1:2 2:2", "1:7 2:7"}));
}

TEST(ExGridSelectionResizer, TheHandleIsTheCornerOfTheLastCell) {
    KeysGrid grid;
    grid.SelectCells(1, 1, 2, 2);
    const TRect r = grid.CellRect(2, 2);
    EXPECT_FALSE(grid.IsOnSelectionResizer(r.Right - 2, r.Bottom - 2)) << "switched off";
    grid.SetSelectionRectangle(true);
    grid.SetSelectionResizer(true);
    EXPECT_TRUE(grid.IsOnSelectionResizer(r.Right - 2, r.Bottom - 2));
    EXPECT_FALSE(grid.IsOnSelectionResizer(r.Left + 2, r.Bottom - 2));
}

} // namespace
