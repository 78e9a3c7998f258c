// Check boxes in grid cells: adding, reading and setting, the user's toggle, events, undo.
#include "ExGridTestGrid.h"

#include "grid/foundation/ExGridUndoRedo.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/Grouping.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// A grid that records its check-box events.
struct CheckGrid {
    TExStringGrid grid{nullptr};
    std::vector<std::tuple<int, int, bool>> changes;

    CheckGrid() {
        grid.OnCheckBoxChange = [this](TObject*, int c, int r, bool state) {
            changes.emplace_back(c, r, state);
        };
    }
};

TEST(ExGridCheckBoxes, AddingOutsideTheGridIsRefusedWithTheGeneralException) {
    struct Case {
        int col, row;
    } cases[] = {{5, 1}, {1, 10}, {-1, 1}, {1, -1}, {100, 100}};
    for (const Case& c : cases) {
        TExStringGrid grid(nullptr);
        for (int variant = 0; variant < 3; ++variant) {
            try {
                if (variant == 0)
                    grid.AddCheckBox(c.col, c.row, true, false);
                else if (variant == 1)
                    grid.AddCheckBox(c.col, c.row, cbChecked);
                else
                    grid.AddRadioButton(c.col, c.row, true);
                ADD_FAILURE() << c.col << "," << c.row << " variant " << variant;
            } catch (const ROvoVariRodev&) {
                ADD_FAILURE() << "the grid's own exception";
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message, "Invalid cell");
            }
        }
    }
    TExStringGrid grid(nullptr);
    grid.AddCheckBox(4, 9, true, false);
    EXPECT_TRUE(grid.HasCheckBox(4, 9)) << "the last cell is inside";
}

TEST(ExGridCheckBoxes, ANewBoxIsFlatBeforeTheTextAndFollowsTheGridsVerticalAlignment) {
    const struct {
        TVAlignment grid;
        TCellVAlign cell;
    } cases[] = {{vtaTop, vaTop}, {vtaCenter, vaCenter}, {vtaBottom, vaBottom}};
    for (const auto& c : cases) {
        TExStringGrid grid(nullptr);
        grid.SetVAlignment(c.grid);
        grid.AddCheckBox(1, 1, true, false);
        grid.AddCheckBox(2, 1, cbGrayed);
        grid.AddRadioButton(3, 1, false);
        for (int col = 1; col <= 3; ++col) {
            const TCellGraphic* graphic = grid.GetCellGraphic(col, 1);
            EXPECT_TRUE(graphic->CellTransparent);
            EXPECT_EQ(graphic->CellHAlign, haBeforeText);
            EXPECT_EQ(graphic->CellVAlign, c.cell);
        }
    }
}

TEST(ExGridCheckBoxes, DataBoxesKeepATextThatIsAStateAndReplaceAnyOther) {
    const struct {
        const char* text;
        bool state;
        const char* after;
        bool checked;
    } cases[] = {
        {"Y", false, "Y", true},      {"N", true, "N", false}, {"maybe", true, "Y", true},
        {"maybe", false, "N", false}, {"", true, "Y", true},
    };
    for (const auto& c : cases) {
        TExStringGrid grid(nullptr);
        grid.SetCells(1, 1, c.text);
        grid.AddCheckBox(1, 1, c.state, true);
        EXPECT_EQ(grid.GetCellType(1, 1), ctDataCheckBox);
        EXPECT_EQ(grid.Cells(1, 1), c.after) << c.text;
        EXPECT_EQ(grid.IsChecked(1, 1), c.checked) << c.text;
    }
}

TEST(ExGridCheckBoxes, ADataBoxIsItsCellText) {
    TExStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, true, true);
    grid.SetCells(1, 1, "");
    EXPECT_FALSE(grid.IsChecked(1, 1)) << "clearing the text unchecks";
    grid.CheckTrue = "yes";
    grid.SetCells(1, 1, "yes");
    EXPECT_TRUE(grid.IsChecked(1, 1));
}

TEST(ExGridCheckBoxes, ColumnsOfBoxesSkipSummariesAndGiveNodesTriStateBoxes) {
    TTestExGrid grid(nullptr); // row 3 is a node, row 4 a summary
    grid.AddCheckBoxColumn(2, true, false);
    EXPECT_FALSE(grid.HasCheckBox(2, 0)) << "fixed row";
    EXPECT_EQ(grid.GetCellType(2, 1), ctCheckBox);
    EXPECT_EQ(grid.GetCellType(2, 3), ctTriStateCheckBox);
    EXPECT_EQ(grid.GetCellGraphic(2, 3)->CellCheckBoxState, cbUnchecked);
    EXPECT_EQ(grid.GetCellType(2, 4), ctEmpty);
    EXPECT_EQ(grid.GetCellType(2, 9), ctCheckBox);

    grid.MouseActions()->CheckAllCheck = true;
    grid.AddCheckBoxColumn(3, false, true);
    EXPECT_EQ(grid.GetCellType(3, 0), ctDataCheckBox) << "the header gets its box too";

    grid.AddTriStateCheckBoxColumn(1, cbGrayed);
    for (int row = 0; row < grid.RowCount(); ++row)
        EXPECT_EQ(grid.GetCellType(1, row), ctTriStateCheckBox) << "no skipping: " << row;

    grid.RemoveCheckBoxColumn(2);
    for (int row = 0; row < grid.RowCount(); ++row)
        EXPECT_FALSE(grid.HasCheckBox(2, row)) << row;
}

TEST(ExGridCheckBoxes, ReadingACellWithoutBoxLeavesTheCallersValue) {
    TExStringGrid grid(nullptr);
    grid.AddRadioButton(2, 1, true);
    for (int col : {1, 2}) {
        bool state = true;
        EXPECT_FALSE(grid.GetCheckBoxState(col, 1, state));
        EXPECT_TRUE(state);
        TCheckBoxState triState = cbGrayed;
        EXPECT_FALSE(grid.GetCheckBoxState(col, 1, triState));
        EXPECT_EQ(triState, cbGrayed);
        EXPECT_FALSE(grid.IsChecked(col, 1));
        EXPECT_FALSE(grid.SetCheckBoxState(col, 1, true));
    }
}

TEST(ExGridCheckBoxes, ReadingAndSettingByKind) {
    TExStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, false, false);
    grid.AddCheckBox(2, 1, false, true);
    grid.AddCheckBox(3, 1, cbUnchecked);
    for (int col = 1; col <= 3; ++col)
        EXPECT_FALSE(grid.IsChecked(col, 1)) << col;
    EXPECT_TRUE(grid.SetCheckBoxState(1, 1, true));
    EXPECT_TRUE(grid.SetCheckBoxState(2, 1, true));
    EXPECT_FALSE(grid.SetCheckBoxState(3, 1, true)) << "a tri-state box takes its own state";
    EXPECT_TRUE(grid.SetCheckBoxState(3, 1, cbChecked));
    EXPECT_FALSE(grid.SetCheckBoxState(1, 1, cbChecked));
    for (int col = 1; col <= 3; ++col)
        EXPECT_TRUE(grid.IsChecked(col, 1)) << col;
    EXPECT_EQ(grid.Cells(2, 1), "Y");
    EXPECT_EQ(grid.Cells(1, 1), "") << "a plain box keeps its state apart from the text";

    grid.SetCheckBoxState(3, 1, cbGrayed);
    TCheckBoxState state = cbUnchecked;
    EXPECT_TRUE(grid.GetCheckBoxState(3, 1, state));
    EXPECT_EQ(state, cbGrayed);
    EXPECT_FALSE(grid.IsChecked(3, 1)) << "grayed is not checked";
    EXPECT_TRUE(grid.GetCheckBoxState(1, 1, state));
    EXPECT_EQ(state, cbChecked);
}

TEST(ExGridCheckBoxes, TheSilentSetterFiresNoEventAndCheckAllFiresPerChangedBox) {
    CheckGrid g;
    g.grid.AddCheckBoxColumn(1, false, false);
    g.grid.AddCheckBoxColumn(2, false, true);
    g.grid.SetCheckBoxState(1, 2, true);
    g.grid.SetCheckBoxState(2, 2, true);
    EXPECT_TRUE(g.changes.empty());

    g.grid.CheckAll(1);
    EXPECT_EQ(g.changes.size(), 8u) << "rows 1 to 9 less the one checked already";
    g.changes.clear();
    g.grid.CheckAll(2);
    EXPECT_EQ(g.changes.size(), 8u);
    for (int row = 1; row < 10; ++row)
        EXPECT_EQ(g.grid.Cells(2, row), "Y") << row;
    g.changes.clear();
    g.grid.UnCheckAll(1);
    ASSERT_EQ(g.changes.size(), 9u);
    EXPECT_EQ(g.changes[0], std::make_tuple(1, 1, false));
    EXPECT_FALSE(g.grid.IsChecked(1, 5));
}

TEST(ExGridCheckBoxes, SetCheckStateNotifyAnswersByKind) {
    CheckGrid g;
    g.grid.AddCheckBox(1, 1, true, false);
    g.grid.AddCheckBox(2, 1, cbChecked);
    EXPECT_TRUE(g.grid.SetCheckStateNotify(1, 1, true)) << "true even when nothing changed";
    EXPECT_FALSE(g.grid.SetCheckStateNotify(2, 1, false)) << "not for tri-state boxes";
    EXPECT_FALSE(g.grid.SetCheckStateNotify(3, 1, false)) << "no box";
    EXPECT_TRUE(g.changes.empty());
}

TEST(ExGridCheckBoxes, ToggleFlipsEveryKindAndReportsTheNewState) {
    CheckGrid g;
    g.grid.AddCheckBox(1, 1, false, false);
    g.grid.AddCheckBox(2, 1, true, true);
    EXPECT_TRUE(g.grid.ToggleCheckBox(1, 1));
    EXPECT_TRUE(g.grid.ToggleCheckBox(2, 1));
    EXPECT_TRUE(g.grid.IsChecked(1, 1));
    EXPECT_EQ(g.grid.Cells(2, 1), "N");
    ASSERT_EQ(g.changes.size(), 2u);
    EXPECT_EQ(g.changes[0], std::make_tuple(1, 1, true));
    EXPECT_EQ(g.changes[1], std::make_tuple(2, 1, false));

    g.grid.SetCells(2, 1, "other");
    g.grid.ToggleCheckBox(2, 1);
    EXPECT_EQ(g.grid.Cells(2, 1), "Y") << "any text but the true text counts as unchecked";

    g.grid.AddRadioButton(3, 1, false);
    EXPECT_FALSE(g.grid.ToggleCheckBox(3, 1));
    EXPECT_FALSE(g.grid.ToggleCheckBox(4, 1));
    EXPECT_EQ(g.changes.size(), 3u);
}

TEST(ExGridCheckBoxes, ATriStateBoxCyclesAndReportsFalse) {
    CheckGrid g;
    g.grid.AddCheckBox(1, 1, cbUnchecked);
    const TCheckBoxState expected[] = {cbGrayed, cbChecked, cbUnchecked, cbGrayed};
    for (TCheckBoxState next : expected) {
        EXPECT_TRUE(g.grid.ToggleCheckBox(1, 1));
        EXPECT_EQ(g.grid.GetCellGraphic(1, 1)->CellCheckBoxState, next);
        EXPECT_FALSE(std::get<2>(g.changes.back()));
    }
}

TEST(ExGridCheckBoxes, ANodesTriStateBoxOnlyChecksAndUnchecksWithAutoCheckGroup) {
    TTestExGrid grid(nullptr); // row 3 is a node
    grid.Grouping()->AutoCheckGroup = true;
    std::vector<bool> reported;
    grid.OnCheckBoxChange = [&](TObject*, int, int, bool state) { reported.push_back(state); };
    grid.AddCheckBox(1, 3, cbGrayed);
    grid.ToggleCheckBox(1, 3);
    EXPECT_EQ(grid.GetCellGraphic(1, 3)->CellCheckBoxState, cbChecked);
    grid.ToggleCheckBox(1, 3);
    EXPECT_EQ(grid.GetCellGraphic(1, 3)->CellCheckBoxState, cbUnchecked);
    EXPECT_EQ(reported, (std::vector<bool>{true, false}));
}

TEST(ExGridCheckBoxes, AUserToggleAsksWhetherTheCellMayBeEdited) {
    CheckGrid g;
    g.grid.SetOptions(g.grid.Options() + TGridOptions{goEditing});
    g.grid.AddCheckBox(1, 1, false, true);
    g.grid.AddCheckBox(2, 1, false, false);
    g.grid.OnCanEditCell = [](TObject*, int, int, bool& canEdit) { canEdit = false; };
    EXPECT_FALSE(g.grid.ToggleCheckBoxEx(1, 1, true));
    EXPECT_FALSE(g.grid.ToggleCheckBoxEx(2, 1, true));
    EXPECT_EQ(g.grid.Cells(1, 1), "N");
    EXPECT_FALSE(g.grid.IsChecked(2, 1));
    EXPECT_TRUE(g.changes.empty());

    EXPECT_TRUE(g.grid.ToggleCheckBoxEx(2, 1, false)) << "a toggle by code does not ask";
    g.grid.ControlLook()->CheckAlwaysActive = true;
    EXPECT_TRUE(g.grid.ToggleCheckBoxEx(1, 1, true));
    EXPECT_EQ(g.grid.Cells(1, 1), "Y");
}

TEST(ExGridCheckBoxes, TheUndoRecordHoldsTheRealOldAndNewState) {
    TExStringGrid grid(nullptr);
    TExGridUndoRedo undo(nullptr);
    grid.SetUndoRedo(&undo);
    grid.AddCheckBox(1, 1, false, false);
    grid.AddCheckBox(2, 1, true, false);
    grid.SetCells(3, 1, "Y");
    grid.AddCheckBox(3, 1, false, true);
    grid.AddCheckBox(4, 1, cbGrayed);
    for (int col = 1; col <= 4; ++col)
        grid.ToggleCheckBox(col, 1);
    const struct {
        const char* before;
        const char* after;
    } expected[] = {{"N", "Y"}, {"Y", "N"}, {"Y", "N"}, {"N", "Y"}};
    ASSERT_EQ(undo.Items().Count(), 4);
    for (int k = 0; k < 4; ++k) {
        const TUndoRedoItem* item = undo.Items().Items(k);
        EXPECT_EQ(item->Col, k + 1);
        EXPECT_EQ(item->OrigValue, expected[k].before) << k;
        EXPECT_EQ(item->Value, expected[k].after) << k;
    }
    grid.SetUndoRedo(nullptr);
}

TEST(ExGridCheckBoxes, RemovingLeavesOtherKinds) {
    TExStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, true, true);
    grid.AddRadioButton(2, 1, true);
    grid.RemoveCheckBox(1, 1);
    grid.RemoveCheckBox(2, 1);
    EXPECT_FALSE(grid.HasCheckBox(1, 1));
    EXPECT_EQ(grid.Cells(1, 1), "Y") << "the text stays";
    EXPECT_TRUE(grid.HasRadioButton(2, 1));
}

TEST(ExGridCheckBoxes, HitTestOfABox) {
    TExStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, true, false);
    grid.AddRadioButton(2, 1, true);
    grid.CreateCellGraphic(3, 1)->SetButton(20, 20, "", haLeft, vaTop);
    const TRect r = grid.CellRect(1, 1);
    EXPECT_TRUE(grid.IsInCheckBox(1, 1, r.Right - 1, r.Bottom - 1)) << "the whole cell counts";
    EXPECT_FALSE(grid.IsInCheckBox(3, 1, r.Left, r.Top)) << "not a box";
    EXPECT_FALSE(grid.IsInCheckBox(4, 1, r.Left, r.Top)) << "no graphic";

    grid.MouseActions()->PreciseCheckBoxCheck = true;
    const struct {
        int dx, dy;
        bool hit;
    } points[] = {{2, 2, true},  {16, 16, true}, {17, 2, false},
                  {1, 2, false}, {2, 17, false}, {2, 1, false}};
    for (const auto& p : points)
        EXPECT_EQ(grid.IsInCheckBox(1, 1, r.Left + p.dx, r.Top + p.dy), p.hit)
            << p.dx << "," << p.dy;
    const TRect r2 = grid.CellRect(2, 1);
    EXPECT_TRUE(grid.IsInCheckBox(2, 1, r2.Left + 16, r2.Top + 16)) << "radio: the check size";

    grid.GetCellGraphic(1, 1)->CellVAlign = vaBottom;
    grid.SetAlignments(1, 1, taCenter);
    const int left = r.Left + (r.Right - r.Left - 15) / 2;
    EXPECT_TRUE(grid.IsInCheckBox(1, 1, left, r.Bottom - 17));
    EXPECT_FALSE(grid.IsInCheckBox(1, 1, left - 1, r.Bottom - 17));
    EXPECT_FALSE(grid.IsInCheckBox(1, 1, left, r.Bottom - 18));
}

TEST(ExGridCheckBoxes, SavedTextOfAPlainBoxIsItsState) {
    TExStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, true, false);
    grid.AddCheckBox(2, 1, cbChecked);
    grid.AddCheckBox(3, 1, cbGrayed);
    const char* expected[] = {"Y", "Y", "N"};
    for (int col = 1; col <= 3; ++col) {
        std::string saved;
        grid.SaveCell(col, 1, saved);
        EXPECT_EQ(saved, expected[col - 1]) << col;
    }
}

} // namespace

namespace {

TEST(ExGridCheckBoxes, RowSelectionBoxesAreNotToggledThroughTheCellText) {
    CheckGrid g;
    g.grid.MouseActions()->SetHotmailRowSelect(true);
    g.grid.SetCells(0, 2, "2");
    EXPECT_TRUE(g.grid.HasCheckBox(0, 2));
    EXPECT_FALSE(g.grid.ToggleCheckBox(0, 2));
    EXPECT_EQ(g.grid.Cells(0, 2), "2");
    EXPECT_TRUE(g.changes.empty());
}

} // namespace

namespace {

// Row 3 is a node over rows 4 to 6.
class TGroupGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    bool Contracted = false;

    bool IsNode(int ARow) override { return ARow == 3; }
    int GetParentRow(int ARow) override { return ARow >= 4 && ARow <= 6 ? 3 : -1; }
    int GetNodeSpan(int ARow) override { return ARow == 3 ? 4 : 0; }
    bool GetNodeState(int) override { return Contracted; }
};

TEST(ExGridCheckBoxes, AGroupNodeChecksItsRowsSilently) {
    TGroupGrid grid(nullptr);
    grid.Grouping()->AutoCheckGroup = true;
    grid.AddCheckBoxColumn(1, false, false);
    int events = 0;
    grid.OnCheckBoxChange = [&](TObject*, int, int, bool) { ++events; };
    grid.ToggleCheckBox(1, 3);
    for (int row = 4; row <= 6; ++row)
        EXPECT_TRUE(grid.IsChecked(1, row)) << row;
    EXPECT_FALSE(grid.IsChecked(1, 7)) << "past the group";
    EXPECT_EQ(events, 1) << "no events for the rows";
}

TEST(ExGridCheckBoxes, TheRowsOfAGroupDecideTheNodesBox) {
    TGroupGrid grid(nullptr);
    grid.Grouping()->AutoCheckGroup = true;
    grid.AddCheckBoxColumn(1, false, false);
    TCheckBoxState node = cbUnchecked;
    grid.ToggleCheckBox(1, 4);
    ASSERT_TRUE(grid.GetCheckBoxState(1, 3, node));
    EXPECT_EQ(node, cbGrayed) << "the rows differ";
    grid.ToggleCheckBox(1, 5);
    grid.ToggleCheckBox(1, 6);
    grid.GetCheckBoxState(1, 3, node);
    EXPECT_EQ(node, cbChecked) << "all rows checked";
    for (int row : {4, 5, 6})
        grid.ToggleCheckBox(1, row);
    grid.GetCheckBoxState(1, 3, node);
    EXPECT_EQ(node, cbUnchecked) << "all rows unchecked";

    grid.Grouping()->AutoCheckGroup = false;
    grid.ToggleCheckBox(1, 4);
    grid.GetCheckBoxState(1, 3, node);
    EXPECT_EQ(node, cbUnchecked) << "without AutoCheckGroup the node stays";
}

} // namespace
