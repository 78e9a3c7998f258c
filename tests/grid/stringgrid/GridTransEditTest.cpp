// The transient editors of fixed cells.
#include "EditorControlTestGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/GridTransCombo.h"
#include "grid/stringgrid/GridTransEdit.h"
#include "platform/core/StringList.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

class GridTransEditTest : public EditorControlFixture, public ::testing::Test {
protected:
    GridTransEditTest() {
        Grid->SetFixedCols(2);
        Grid->MouseActions()->FixedColsEditor = fceEdit;
        Grid->MouseActions()->FixedRowsEditor = fceComboList;
        TStringList values;
        values.Add("North");
        values.Add("South");
        Grid->MouseActions()->SetFixedComboValues(values);
        Grid->SetCells(0, 3, "row head");
        Grid->SetCells(2, 0, "South");
    }
};

TEST_F(GridTransEditTest, ColumnZeroTakesTheFixedColumnEditorEveryOtherTheFixedRowEditor) {
    struct Case {
        int Col;
        int Row;
        bool Edit;
    };
    const Case cases[] = {{0, 3, true}, {2, 0, false}, {1, 3, false}};
    for (const Case& c : cases) {
        Grid->StartFixedCellEdit(c.Col, c.Row);
        EXPECT_EQ(Grid->EditTrans()->Visible(), c.Edit) << c.Col << "," << c.Row;
        EXPECT_EQ(Grid->ComboTrans()->Visible(), !c.Edit) << c.Col << "," << c.Row;
        Grid->EditTrans()->SetVisible(false);
        Grid->ComboTrans()->SetVisible(false);
    }
}

TEST_F(GridTransEditTest, ComboOffersTheFixedValuesAndShowsTheCell) {
    Grid->StartFixedCellEdit(2, 0);
    TGridTransCombo* combo = Grid->ComboTrans();
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->Items()->Count(), 2);
    EXPECT_EQ(combo->Text(), "South");
    EXPECT_EQ(combo->Col, 2);
}

TEST_F(GridTransEditTest, EnterDoesNothingLeavingStoresTheValidatedText) {
    std::vector<std::string> changes;
    Grid->OnEditChange = [&](TObject*, int c, int r, const std::string& v) {
        changes.push_back(std::to_string(c) + std::to_string(r) + v);
    };
    Grid->OnCellValidate = [](TObject*, int, int, std::string& Value, bool& Valid) {
        Value += "!";
        Valid = true;
    };
    Grid->StartFixedCellEdit(0, 3);
    TGridTransEdit* edit = Grid->EditTrans();
    EXPECT_EQ(edit->Text(), "row head");
    edit->SetText("renamed");
    InputSimulation::KeyPress(edit, VK_RETURN, '\r');
    EXPECT_TRUE(edit->Visible()) << "Enter neither commits nor closes";
    EXPECT_EQ(Grid->Cells(0, 3), "row head");
    EXPECT_TRUE(edit->StopEdit());
    EXPECT_EQ(Grid->Cells(0, 3), "renamed!");
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(changes.back(), "03renamed");
}

TEST_F(GridTransEditTest, ARefusedValueKeepsTheEditorAndBlocksAnotherOne) {
    Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& Valid) { Valid = false; };
    Grid->StartFixedCellEdit(0, 3);
    Grid->EditTrans()->SetText("bad");
    Grid->StartFixedCellEdit(2, 0);
    EXPECT_TRUE(Grid->EditTrans()->Visible());
    EXPECT_FALSE(Grid->ComboTrans()->Visible()) << "the other editor is not opened";
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->Cells(0, 3), "row head");
}

TEST_F(GridTransEditTest, CanEditCellMayRefuse) {
    Grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    Grid->StartFixedCellEdit(0, 3);
    EXPECT_FALSE(Grid->EditTrans()->Visible());
}

TEST(GridTransEditWithoutGrid, OnlyHides) {
    TGridTransEdit edit(nullptr);
    edit.SetVisible(true);
    EXPECT_TRUE(edit.StopEdit());
    EXPECT_FALSE(edit.Visible());
}

} // namespace
