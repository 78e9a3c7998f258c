// The editors of control elements inside a cell's mark-up.
#include "EditorControlTestGrid.h"

#include "grid/foundation/EsgHTMLE.h"
#include "grid/stringgrid/ControlCombo.h"
#include "grid/stringgrid/ControlEdit.h"
#include "platform/core/StringList.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

const std::string Markup = "Name <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"Ann\" WIDTH=\"60\"> "
                           "<CONTROL TYPE=\"MASK\" ID=\"m1\" VALUE=\"12\" WIDTH=\"40\" "
                           "PROP=\"99\" MAXLEN=\"2\"> <CONTROL TYPE=\"COMBO\" ID=\"c1\" "
                           "VALUE=\"Blue\" WIDTH=\"80\">";

class ExGridFixedEditControlsTest : public EditorControlFixture, public ::testing::Test {
protected:
    ExGridFixedEditControlsTest() { Grid->SetCells(2, 1, Markup); }

    void Show(const char* Type, const char* ID, const char* Value) {
        Grid->ShowCellControlEditor(Markup, Type, ID, Value, {10, 10, 90, 30}, 2, 2, 1);
    }
};

TEST_F(ExGridFixedEditControlsTest, EditElementsTakeTheirKindsMaskAndLimit) {
    struct Case {
        const char* Type;
        const char* ID;
        TChar Password;
        const char* Mask;
        int MaxLength;
    };
    const Case cases[] = {
        {"EDIT", "e1", 0, "", 0}, {"PASSWORD", "e1", u'*', "", 0}, {"MASK", "m1", 0, "99", 2}};
    for (const Case& c : cases) {
        Show(c.Type, c.ID, "12");
        TControlEdit* edit = Grid->ControlEditor();
        EXPECT_TRUE(edit->Visible()) << c.Type;
        EXPECT_EQ(edit->PasswordChar(), c.Password) << c.Type;
        EXPECT_EQ(edit->EditMask(), c.Mask) << c.Type;
        EXPECT_EQ(edit->MaxLength(), c.MaxLength) << c.Type;
        Grid->CommitCellControlEditor(edit);
    }
}

TEST_F(ExGridFixedEditControlsTest, CommitRewritesTheElementAndReportsIt) {
    std::string done;
    Grid->OnControlEditDone = [&](TObject*, int ARow, int ACol, const std::string& ID,
                                  const std::string& Type, const std::string& Value) {
        done = std::to_string(ACol) + std::to_string(ARow) + ID + Type + Value;
    };
    Show("EDIT", "e1", "Ann");
    Grid->ControlEditor()->SetText("Bob");
    InputSimulation::KeyPress(Grid->ControlEditor(), VK_RETURN, '\r');
    std::string value;
    ASSERT_TRUE(GetControlValue(Grid->Cells(2, 1), "e1", value));
    EXPECT_EQ(value, "Bob");
    EXPECT_EQ(done, "21e1EDITBob");
    EXPECT_FALSE(Grid->ControlEditor()->Visible());
    Grid->CommitCellControlEditor(nullptr);
    EXPECT_EQ(done, "21e1EDITBob") << "a second commit does nothing";
}

TEST_F(ExGridFixedEditControlsTest, ComboIsFilledByTheApplicationAndSelectsTheValue) {
    Grid->OnControlComboList = [](TObject*, int, int, const std::string&, const std::string&,
                                  const std::string&, TStringList* Values, bool& Edit,
                                  int& DropCount) {
        Values->Clear();
        Values->Add("Red");
        Values->Add("Blue");
        Edit = false;
        DropCount = 4;
    };
    Show("COMBO", "c1", "Blue");
    TControlCombo* combo = Grid->ControlComboEditor();
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->DropDownCount(), 4);
    int selected = -1;
    std::string selectedText;
    Grid->OnControlComboSelect = [&](TObject*, int, int, int Index, const std::string&,
                                     const std::string& Value) {
        selected = Index;
        selectedText = Value;
    };
    combo->SetItemIndex(0);
    Grid->CellControlComboSelect(combo);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(selectedText, "Red");
    Grid->CommitCellControlEditor(combo);
    std::string value;
    ASSERT_TRUE(GetControlValue(Grid->Cells(2, 1), "c1", value));
    EXPECT_EQ(value, "Red");
}

TEST_F(ExGridFixedEditControlsTest, OtherElementKindsOpenNothing) {
    Show("BUTTON", "b1", "Go");
    EXPECT_FALSE(Grid->ControlEditor()->Visible());
    EXPECT_FALSE(Grid->ControlComboEditor()->Visible());
}

} // namespace
