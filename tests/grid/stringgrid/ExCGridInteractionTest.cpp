// What the column grid does on its own: column popups on clicks, widths, loading, scaling and
// the settings of a grouped column.
#include "grid/stringgrid/ExCGrid.h"

#include "platform/ui/Application.h"
#include "platform/ui/Font.h"
#include "platform/ui/Menus.h"
#include "platform/ui/TestSeam.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TClickColumnGrid : public TExColumnGrid {
public:
    using TExColumnGrid::FGroupColumn;
    using TExColumnGrid::HandleScaleChange;
    using TExColumnGrid::MouseDown;
    using TExColumnGrid::TExColumnGrid;

    // The client point in the middle of a cell.
    TPoint Centre(int ACol, int ARow) const {
        const TRect r = CellRect(ACol, ARow);
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void Click(TMouseButton Button, int ACol, int ARow) {
        const TPoint p = Centre(ACol, ARow);
        MouseDown(Button, TShiftState{}, p.X, p.Y);
    }
};

class ExCGridPopup : public ::testing::Test {
protected:
    void SetUp() override {
        Application->TestSeam().Reset();
        grid.SetBounds(0, 0, 400, 200);
        grid.SetColCount(4);
        grid.SetRowCount(4);
        menu = new TPopupMenu(&grid);
        grid.Columns()->GetItem(2)->ColumnPopup = menu;
        grid.OnColumnPopup = [this](TObject*, int col, int row, TPopupMenu* shown) {
            fired.push_back({col, row});
            EXPECT_EQ(shown, menu);
        };
    }
    void TearDown() override { Application->TestSeam().Reset(); }

    TClickColumnGrid grid{nullptr};
    TPopupMenu* menu = nullptr;
    std::vector<std::pair<int, int>> fired;
};

TEST_F(ExCGridPopup, TheColumnsClickTypeDecidesWhereAndWithWhichButtonTheMenuOpens) {
    struct Case {
        TColumnPopupType type;
        TMouseButton button;
        int row;
        bool fires, shows;
    } cases[] = {
        {cpFixedCellsRClick, mbRight, 0, true, true},
        {cpFixedCellsRClick, mbRight, 2, true, false}, // the event, but no menu in a data row
        {cpFixedCellsRClick, mbLeft, 0, false, false},
        {cpNormalCellsLClick, mbLeft, 2, true, true},
        {cpNormalCellsLClick, mbLeft, 0, true, false},
        {cpAllCellsLClick, mbLeft, 0, true, true},
        {cpAllCellsRClick, mbRight, 3, true, true},
        {cpAllCellsRClick, mbLeft, 3, false, false},
    };
    for (const Case& c : cases) {
        Application->TestSeam().Reset();
        fired.clear();
        grid.Columns()->GetItem(2)->ColumnPopupType = c.type;
        grid.Click(c.button, 2, c.row);
        EXPECT_EQ(fired.size(), c.fires ? 1u : 0u) << c.type << " row " << c.row;
        const auto& popups = Application->TestSeam().Popups();
        ASSERT_EQ(popups.size(), c.shows ? 1u : 0u) << c.type << " row " << c.row;
        if (c.shows) {
            const TRect r = grid.CellRect(2, c.row);
            EXPECT_EQ(popups[0].Point, grid.ClientToScreen(TPoint{r.Left, r.Bottom}));
        }
    }
}

TEST_F(ExCGridPopup, ADisplayColumnOpensTheMenuOfTheRealColumnShownThere) {
    grid.Columns()->GetItem(2)->ColumnPopupType = cpAllCellsRClick;
    grid.HideColumn(1);
    grid.Click(mbRight, 1, 2);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0], (std::pair<int, int>{1, 2}));
    EXPECT_EQ(Application->TestSeam().Popups().size(), 1u);
}

TEST_F(ExCGridPopup, AColumnWithoutAMenuOpensNone) {
    grid.Click(mbRight, 1, 0);
    EXPECT_TRUE(fired.empty());
    EXPECT_TRUE(Application->TestSeam().Popups().empty());
}

TEST(ExCGridWidths, ChangedColumnWidthsAreKeptInTheItems) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetColWidths(2, 120);
    EXPECT_EQ(grid.Columns()->GetItem(2)->StoredWidth(), 120);
}

TEST(ExCGridLoading, LoadedNumbersThePositionsOfTheColumns) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(4);
    for (int i = 0; i < 4; ++i)
        grid.Columns()->GetItem(i)->DefIdx = 9;
    grid.Loaded();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(grid.Columns()->GetItem(i)->DefIdx, i);
}

TEST(ExCGridScaling, AScaleChangeScalesTheColumnFonts) {
    TClickColumnGrid grid(nullptr);
    grid.SetColCount(2);
    TGridColumnItem* item = grid.Columns()->GetItem(1);
    item->Font()->SetSize(8);
    item->HeaderFont()->SetSize(10);
    grid.HandleScaleChange(3, 2);
    EXPECT_EQ(item->Font()->Size(), 12);
    EXPECT_EQ(item->HeaderFont()->Size(), 15);
    grid.HandleScaleChange(1, 1);
    EXPECT_EQ(item->Font()->Size(), 12);
}

TEST(ExCGridGrouping, UngroupingGivesTheGroupedColumnItsSettingsBack) {
    TClickColumnGrid grid(nullptr);
    grid.SetColCount(4);
    grid.Columns()->GetItem(2)->Name = "grouped";
    grid.Columns()->GetItem(2)->SetEditor(edComboList);
    grid.Group(2);
    // Grouping takes the column out; the item at its place changes meanwhile.
    grid.FGroupColumn = 2;
    grid.Columns()->GetItem(2)->Name = "other";
    grid.Columns()->GetItem(2)->SetEditor(edNormal);
    grid.UnGroup();
    EXPECT_EQ(grid.Columns()->GetItem(2)->Name, "grouped");
    EXPECT_EQ(grid.Columns()->GetItem(2)->Editor(), edComboList);
}

} // namespace

namespace {

std::vector<std::string> ItemNames(const TExColumnGrid& grid) {
    std::vector<std::string> names;
    for (int i = 0; i < grid.Columns()->Count(); ++i)
        names.push_back(grid.Columns()->GetItem(i)->Name);
    return names;
}

TEST(ExCGridPositions, SavedPositionsMoveTheColumnsBack) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(4);
    for (int i = 0; i < 4; ++i) {
        grid.Columns()->GetItem(i)->Name = "c" + std::to_string(i);
        grid.SetCells(i, 1, "v" + std::to_string(i));
    }
    grid.Loaded();
    grid.MoveColumn(3, 1);
    const std::vector<int> saved = grid.ColumnPositions();
    EXPECT_EQ(saved, (std::vector<int>{0, 3, 1, 2}));

    TExColumnGrid restored(nullptr);
    restored.SetColCount(4);
    for (int i = 0; i < 4; ++i) {
        restored.Columns()->GetItem(i)->Name = "c" + std::to_string(i);
        restored.SetCells(i, 1, "v" + std::to_string(i));
    }
    restored.Loaded();
    EXPECT_TRUE(restored.RestoreColumnPositions(saved));
    EXPECT_EQ(ItemNames(restored), (std::vector<std::string>{"c0", "c3", "c1", "c2"}));
    EXPECT_EQ(restored.Cells(1, 1), "v3") << "the cells move with their items";
    EXPECT_EQ(restored.ColumnPositions(), saved);
}

TEST(ExCGridPositions, AListThatIsNoPermutationChangesNothing) {
    const std::vector<std::vector<int>> lists{
        {0, 1, 2},     // one missing
        {0, 1, 2, -1}, // a key read as missing
        {0, 1, 1, 2},  // a position twice
        {0, 1, 2, 9},  // beyond the columns
    };
    for (const std::vector<int>& list : lists) {
        TExColumnGrid grid(nullptr);
        grid.SetColCount(4);
        for (int i = 0; i < 4; ++i)
            grid.Columns()->GetItem(i)->Name = "c" + std::to_string(i);
        grid.Loaded();
        EXPECT_FALSE(grid.RestoreColumnPositions(list));
        EXPECT_EQ(ItemNames(grid), (std::vector<std::string>{"c0", "c1", "c2", "c3"}));
        EXPECT_EQ(grid.ColumnPositions(), (std::vector<int>{0, 1, 2, 3}));
    }
}

} // namespace
