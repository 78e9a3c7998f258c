// Radio buttons (a column of them is one group) and radio groups (a list of items in a cell).
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/StringList.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridRadioButtons, AClickChecksOneButtonOfTheColumn) {
    TExStringGrid grid(nullptr);
    grid.AddRadioButtonColumn(1);
    grid.AddRadioButtonColumn(2);
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(1), -1);
    EXPECT_TRUE(grid.ClickRadioButton(1, 3, false));
    EXPECT_TRUE(grid.ClickRadioButton(2, 5, false));
    EXPECT_TRUE(grid.ClickRadioButton(1, 7, false));
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(1), 7);
    EXPECT_FALSE(grid.IsRadioButtonChecked(1, 3));
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(2), 5) << "another column is another group";
    EXPECT_TRUE(grid.ClickRadioButton(1, 7, false)) << "clicking the checked one";
    EXPECT_TRUE(grid.IsRadioButtonChecked(1, 7));
    EXPECT_FALSE(grid.ClickRadioButton(3, 1, false)) << "no button";
}

TEST(ExGridRadioButtons, AUserClickAsksWhetherTheCellMayBeEdited) {
    TExStringGrid grid(nullptr);
    grid.SetOptions(grid.Options() + TGridOptions{goEditing});
    grid.AddRadioButton(1, 1, false);
    grid.OnCanEditCell = [](TObject*, int, int, bool& canEdit) { canEdit = false; };
    EXPECT_FALSE(grid.ClickRadioButton(1, 1, true));
    EXPECT_FALSE(grid.IsRadioButtonChecked(1, 1));
    grid.ControlLook()->CheckAlwaysActive = true;
    EXPECT_TRUE(grid.ClickRadioButton(1, 1, true));
    EXPECT_TRUE(grid.IsRadioButtonChecked(1, 1));
}

TEST(ExGridRadioButtons, SettingStatesByCodeTouchesOnlyTheButtonsNamed) {
    TExStringGrid grid(nullptr);
    grid.AddRadioButtonColumn(1);
    grid.AddCheckBox(2, 2, false, false);
    EXPECT_TRUE(grid.SetRadioButtonState(1, 2, true));
    EXPECT_TRUE(grid.SetRadioButtonState(1, 4, true));
    EXPECT_TRUE(grid.IsRadioButtonChecked(1, 2)) << "other buttons are not unchecked";
    EXPECT_FALSE(grid.SetRadioButtonState(2, 2, true)) << "a check box is no radio button";
    EXPECT_FALSE(grid.IsChecked(2, 2));

    grid.SetRadioButtonColumnIndex(1, 6);
    for (int row = 1; row < grid.RowCount(); ++row)
        EXPECT_EQ(grid.IsRadioButtonChecked(1, row), row == 6) << row;

    grid.RemoveRadioButton(2, 2);
    EXPECT_TRUE(grid.HasCheckBox(2, 2)) << "removing a radio button leaves a check box";
    grid.RemoveRadioButtonColumn(1);
    EXPECT_FALSE(grid.HasRadioButton(1, 6));
}

// A grid with a three-item radio group in (1, 1).
struct RadioGrid {
    TExStringGrid grid{nullptr};
    TStringList items;

    explicit RadioGrid(int index) {
        for (const char* item : {"a", "b", "c"})
            items.Add(item);
        grid.AddRadio(1, 1, 0, index, &items);
    }
};

TEST(ExGridRadioGroups, AddRadioKeepsTheCallersListAndCreateRadioOwnsItsOwn) {
    RadioGrid r(1);
    const TCellGraphic* graphic = r.grid.GetCellGraphic(1, 1);
    EXPECT_EQ(graphic->CellType, ctRadio);
    EXPECT_EQ(graphic->CellAngle, 3);
    EXPECT_FALSE(graphic->CellBoolean) << "direction 0 is vertical";
    EXPECT_EQ(r.grid.GetRadioStrings(1, 1), &r.items);
    EXPECT_TRUE(r.grid.IsRadio(1, 1));
    EXPECT_TRUE(r.grid.RemoveRadio(1, 1));
    EXPECT_EQ(r.items.Count(), 3) << "the caller's list lives on";

    TStringList* own = r.grid.CreateRadio(2, 1, 1, -1);
    ASSERT_NE(own, nullptr);
    own->Add("x");
    EXPECT_TRUE(r.grid.GetCellGraphic(2, 1)->CellBoolean) << "horizontal";
    EXPECT_EQ(r.grid.GetRadioStrings(2, 1), own);
    r.grid.AddCheckBox(2, 1, true, false); // replacing frees the grid's own list
}

TEST(ExGridRadioGroups, ReadingAndSettingTheSelection) {
    RadioGrid r(1);
    r.grid.SetCells(1, 1, "b");
    int index = 9;
    EXPECT_TRUE(r.grid.GetRadioIdx(1, 1, index));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(r.grid.SetRadioIdx(1, 1, 2));
    EXPECT_EQ(r.grid.Cells(1, 1), "b");
    EXPECT_TRUE(r.grid.SetRadioIdx(1, 1, -1));
    EXPECT_EQ(r.grid.Cells(1, 1), "") << "no selection empties the text";
}

TEST(ExGridRadioGroups, SelectionOperationsLeaveOtherKindsUntouched) {
    TExStringGrid grid(nullptr);
    grid.SetCells(1, 1, "keep");
    grid.CreateCellGraphic(1, 1)->SetImageIdx(5, haLeft, vaTop);
    int index = 9;
    EXPECT_FALSE(grid.GetRadioIdx(1, 1, index));
    EXPECT_EQ(index, 9);
    EXPECT_FALSE(grid.SetRadioIdx(1, 1, -1));
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->CellIndex, 5);
    EXPECT_EQ(grid.Cells(1, 1), "keep");
    EXPECT_FALSE(grid.RemoveRadio(1, 1));
    EXPECT_EQ(grid.GetRadioStrings(1, 1), nullptr);
    EXPECT_FALSE(grid.GetRadioIdx(2, 2, index)) << "no graphic";
}

TEST(ExGridRadioGroups, TheSpaceKeyCyclesTheSelection) {
    struct Case {
        const char* name;
        int index;
        const char* text;
        int indexAfter;
        const char* textAfter;
    } cases[] = {
        {"next item", 0, "", 1, "b"},
        {"after the last, the first", 2, "", 0, "a"},
        {"no selection follows the text", -1, "b", 2, "c"},
        {"no selection, unknown text", -1, "zzz", 0, "a"},
        {"driven by its text alone", -2, "a", -2, "b"},
        {"driven by its text, wrapping", -2, "c", -2, "a"},
    };
    for (const Case& c : cases) {
        RadioGrid r(c.index);
        r.grid.SetCells(1, 1, c.text);
        EXPECT_FALSE(CycleRadioSelection(&r.grid, 1, 1, false)) << c.name;
        const TCellGraphic* graphic = r.grid.GetCellGraphic(1, 1);
        EXPECT_EQ(graphic->CellIndex, c.indexAfter) << c.name;
        EXPECT_EQ(r.grid.Cells(1, 1), c.textAfter) << c.name;
    }
}

TEST(ExGridRadioGroups, TheSpaceKeyAsksWhetherTheCellMayBeEdited) {
    RadioGrid r(0);
    r.grid.SetOptions(r.grid.Options() + TGridOptions{goEditing});
    r.grid.OnCanEditCell = [](TObject*, int, int, bool& canEdit) { canEdit = false; };
    CycleRadioSelection(&r.grid, 1, 1, true);
    EXPECT_EQ(r.grid.GetCellGraphic(1, 1)->CellIndex, 0);
    r.grid.ControlLook()->RadioAlwaysActive = true;
    CycleRadioSelection(&r.grid, 1, 1, true);
    EXPECT_EQ(r.grid.GetCellGraphic(1, 1)->CellIndex, 1);
}

TEST(ExGridRadioGroups, AnEmptyGroupCyclesWithoutWritingText) {
    TExStringGrid grid(nullptr);
    grid.CreateRadio(1, 1, 0, 0);
    grid.SetCells(1, 1, "t");
    CycleRadioSelection(&grid, 1, 1, false);
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->CellIndex, 0);
    EXPECT_EQ(grid.Cells(1, 1), "t");
}

} // namespace
