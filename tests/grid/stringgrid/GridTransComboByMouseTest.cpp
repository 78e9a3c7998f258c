// A column header edited through the transient combo that a click opens: typing or stepping
// through the offered values reports each change, Enter keeps the combo open, a click elsewhere
// stores the text, and a refused text keeps the combo open with the keys.
#include "EditorControlTestGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/GridTransCombo.h"
#include "platform/core/StringList.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TransComboByMouse : public EditorControlFixture, public ::testing::Test {
protected:
    TransComboByMouse() {
        Grid->MouseActions()->FixedRowsEdit = fceLeftClick;
        TStringList values;
        values.Add("North");
        values.Add("South");
        values.Add("West");
        Grid->MouseActions()->SetFixedComboValues(values);
        Grid->SetCells(2, 0, "North");
        Grid->SetCells(3, 0, "Qty");
        Grid->OnEditChange = [this](TObject*, int ACol, int ARow, const std::string& Value) {
            Changes.push_back(std::to_string(ACol) + std::to_string(ARow) + Value);
        };
    }

    void ClickAt(int ACol, int ARow) {
        const TRect r = Grid->CellRect(ACol, ARow);
        const TPoint p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        InputSimulation::MouseMove(Grid, p);
        InputSimulation::Click(Grid, p);
        Application->ProcessMessages();
    }

    std::vector<std::string> Changes;
};

struct TransComboCase {
    const char* Name;
    TGridFixedCellEditor Kind;
    void (*Change)();
    const char* Stored;
};

class TransComboChanges : public TransComboByMouse,
                          public ::testing::WithParamInterface<TransComboCase> {};

TEST_P(TransComboChanges, EachChangeIsReportedEnterStaysAClickElsewhereStores) {
    const TransComboCase& c = GetParam();
    Grid->MouseActions()->FixedRowsEditor = c.Kind;
    ClickAt(2, 0);
    TGridTransCombo* combo = Grid->ComboTrans();
    ASSERT_TRUE(combo->Visible());
    ASSERT_EQ(InputSimulation::FocusedControl(), combo);
    EXPECT_EQ(combo->Text(), "North");
    c.Change();
    Application->ProcessMessages();
    ASSERT_FALSE(Changes.empty()) << "the change is reported";
    EXPECT_EQ(Changes.back(), std::string("20") + c.Stored);
    InputSimulation::KeyPressFocused(VK_RETURN, '\r');
    Application->ProcessMessages();
    EXPECT_TRUE(combo->Visible()) << "Enter neither commits nor closes";
    EXPECT_EQ(InputSimulation::FocusedControl(), combo);
    EXPECT_EQ(Grid->Cells(2, 0), "North");
    ClickAt(3, 3);
    EXPECT_FALSE(combo->Visible());
    EXPECT_EQ(Grid->Cells(2, 0), c.Stored);
    EXPECT_EQ(InputSimulation::FocusedControl(), Grid);
}

INSTANTIATE_TEST_SUITE_P(
    ExGridEditing, TransComboChanges,
    ::testing::Values(
        TransComboCase{"TypedIntoAnEditableCombo", fceComboEdit,
                       [] {
                           InputSimulation::KeyPressFocused(VK_END);
                           InputSimulation::KeyPressFocused('X', 'x');
                       },
                       "Northx"},
        TransComboCase{"StepInAPickList", fceComboList,
                       [] { InputSimulation::KeyPressFocused(VK_DOWN); }, "South"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TransComboByMouse, ARefusedTextKeepsTheComboOpenWithTheKeys) {
    Grid->MouseActions()->FixedRowsEditor = fceComboEdit;
    Grid->OnCellValidate = [](TObject*, int, int, std::string& Value, bool& Valid) {
        Valid = Value != "Northx";
    };
    ClickAt(2, 0);
    TGridTransCombo* combo = Grid->ComboTrans();
    ASSERT_TRUE(combo->Visible());
    InputSimulation::KeyPressFocused(VK_END);
    InputSimulation::KeyPressFocused('X', 'x');
    ClickAt(3, 3);
    EXPECT_TRUE(combo->Visible()) << "a refused text keeps the combo";
    EXPECT_EQ(InputSimulation::FocusedControl(), combo);
    EXPECT_EQ(Grid->Cells(2, 0), "North");
    ClickAt(3, 0);
    EXPECT_EQ(combo->Col, 2) << "no other header opens meanwhile";
    EXPECT_EQ(Grid->Cells(2, 0), "North");
    InputSimulation::KeyPressFocused(VK_BACK, '\b');
    ClickAt(3, 3);
    EXPECT_FALSE(combo->Visible());
    EXPECT_EQ(Grid->Cells(2, 0), "North");
}

} // namespace

namespace {

// The header's pick list takes the keys with its list open too: Down there moves only the
// highlight, Enter takes it and closes the list, the combo keeps the keys.
TEST_F(TransComboByMouse, ItsOpenListTakesTheKeys) {
    Grid->MouseActions()->FixedRowsEditor = fceComboList;
    ClickAt(2, 0);
    TGridTransCombo* combo = Grid->ComboTrans();
    ASSERT_EQ(InputSimulation::FocusedControl(), combo);
    InputSimulation::KeyPressFocused(VK_DOWN, 0, TShiftState() << ssAlt);
    Application->ProcessMessages();
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_EQ(InputSimulation::FocusedControl(), combo) << "the open list is the combo's";
    InputSimulation::KeyPressFocused(VK_DOWN);
    Application->ProcessMessages();
    EXPECT_EQ(combo->Text(), "North") << "the highlight moved, nothing is chosen yet";
    EXPECT_TRUE(Changes.empty());
    InputSimulation::KeyPressFocused(VK_RETURN, '\r');
    Application->ProcessMessages();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "South");
    ASSERT_FALSE(Changes.empty());
    EXPECT_EQ(Changes.back(), "20South");
    EXPECT_TRUE(combo->Visible());
    EXPECT_EQ(InputSimulation::FocusedControl(), combo);
    EXPECT_EQ(Form->ActiveControl(), combo);
}

} // namespace
