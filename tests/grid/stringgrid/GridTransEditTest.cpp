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

namespace {

// Header cells opened by the click MouseActions names, edited by keys and left by a click.
class FixedCellEditByMouse : public EditorControlFixture, public ::testing::Test {
public:
    FixedCellEditByMouse() {
        Grid->MouseActions()->FixedRowsEditor = fceEdit;
        Grid->MouseActions()->FixedColsEditor = fceEdit;
        Grid->SetCells(2, 0, "Qty");
        Grid->SetCells(0, 3, "Row3");
    }
    TPoint Centre(int ACol, int ARow) const {
        const TRect r = Grid->CellRect(ACol, ARow);
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void ClickAt(TPoint p, TMouseButton button = mbLeft) {
        InputSimulation::MouseMove(Grid, p);
        InputSimulation::MouseDown(Grid, button, p);
        InputSimulation::MouseUp(Grid, button, p);
        Application->ProcessMessages();
    }
    void DoubleClickAt(TPoint p) {
        InputSimulation::DoubleClick(Grid, p);
        Application->ProcessMessages();
    }
};

TEST_F(FixedCellEditByMouse, TheNamedClickOpensTheEditorKeysEditAndAClickElsewhereStores) {
    struct Case {
        const char* name;
        TGridFixedCellEdit rowsEdit, colsEdit;
        int col, row;
        void (*open)(FixedCellEditByMouse&, TPoint);
        std::string expected;
    } cases[] = {
        {"left click on a column header", fceLeftClick, fceNone, 2, 0,
         [](FixedCellEditByMouse& t, TPoint p) { t.ClickAt(p); }, "Qty!"},
        {"right click on a row header", fceNone, fceRightClick, 0, 3,
         [](FixedCellEditByMouse& t, TPoint p) { t.ClickAt(p, mbRight); }, "Row3!"},
        {"double click on a row header", fceNone, fceDblClick, 0, 3,
         [](FixedCellEditByMouse& t, TPoint p) {
             t.ClickAt(p);
             t.DoubleClickAt(p);
         },
         "Row3!!"},
    };
    for (const Case& c : cases) {
        Grid->MouseActions()->FixedRowsEdit = c.rowsEdit;
        Grid->MouseActions()->FixedColsEdit = c.colsEdit;
        c.open(*this, Centre(c.col, c.row));
        TGridTransEdit* edit = Grid->EditTrans();
        ASSERT_TRUE(edit->Visible()) << c.name;
        EXPECT_EQ(InputSimulation::FocusedControl(), edit) << c.name;
        InputSimulation::KeyPressFocused(VK_END);
        InputSimulation::KeyPressFocused('1', '!');
        ClickAt(Centre(3, 4));
        EXPECT_FALSE(edit->Visible()) << c.name;
        EXPECT_EQ(Grid->Cells(c.col, c.row), c.expected) << c.name;
        EXPECT_EQ(InputSimulation::FocusedControl(), Grid) << c.name;
    }
}

TEST_F(FixedCellEditByMouse, OtherClicksAndTheSizingBorderOpenNothing) {
    Grid->MouseActions()->FixedRowsEdit = fceLeftClick;
    Grid->SetOptions(Grid->Options() << goColSizing);
    const TRect header = Grid->CellRect(2, 0);
    ClickAt(TPoint{header.Right - 2, header.Top + 10});
    EXPECT_FALSE(Grid->EditTrans()->Visible()) << "a press near the border sizes the column";
    ClickAt(Centre(2, 0), mbRight);
    EXPECT_FALSE(Grid->EditTrans()->Visible()) << "the right button is not the named click";
    ClickAt(Centre(0, 3));
    EXPECT_FALSE(Grid->EditTrans()->Visible()) << "row headers edit on no click";
    ClickAt(Centre(2, 0));
    EXPECT_TRUE(Grid->EditTrans()->Visible());
}

} // namespace
