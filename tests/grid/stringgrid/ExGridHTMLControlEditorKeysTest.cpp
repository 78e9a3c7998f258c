// The editors of a cell's mark-up elements driven by the keys a user presses in them: Tab walks
// the editable elements of the cell, Enter and a click elsewhere store what was typed, a combo
// that the application made a pick list cannot be typed into.
#include "EditorControlTestGrid.h"

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ControlCombo.h"
#include "grid/stringgrid/ControlEdit.h"
#include "platform/core/StringList.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string NameEdit = "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"Ann\" WIDTH=\"60\">";
const std::string Password = "<CONTROL TYPE=\"PASSWORD\" ID=\"p1\" VALUE=\"pw\" WIDTH=\"40\">";
const std::string ColourCombo = "<CONTROL TYPE=\"COMBO\" ID=\"c1\" VALUE=\"Blue\" WIDTH=\"80\">";
const std::string TwoDigits =
    "<CONTROL TYPE=\"MASK\" ID=\"m1\" VALUE=\"1\" WIDTH=\"30\" PROP=\"99\" MAXLEN=\"2\">";
const std::string EmptyTwoDigits =
    "<CONTROL TYPE=\"MASK\" ID=\"m1\" VALUE=\"\" WIDTH=\"30\" PROP=\"99\" MAXLEN=\"2\">";

// Every element follows the word "Name" at the start of the cell.
std::string AfterName(const std::string& Elements) {
    return "Name " + Elements;
}

const std::string ThreeElements =
    AfterName(NameEdit + " " + Password + " " + ColourCombo + " " + TwoDigits);

class HTMLControlEditorKeys : public EditorControlFixture, public ::testing::Test {
protected:
    HTMLControlEditorKeys() {
        Grid->SetColWidths(2, 220);
        Grid->SetRowHeights(1, 40);
        Grid->SetCells(2, 1, ThreeElements);
        Grid->SetOptions(Grid->Options() << goEditing);
        Grid->SetCol(2);
        Grid->SetRow(1);
        Grid->OnControlComboList = [this](TObject*, int, int, const std::string&,
                                          const std::string&, const std::string&,
                                          TStringList* Values, bool& Edit, int&) {
            Values->Clear();
            Values->Add("Red");
            Values->Add("Blue");
            Edit = ComboEditable;
        };
        Grid->SetFocus();
        Application->ProcessMessages();
    }

    // The element alone after the word "Name", opened by a click on it.
    void ClickOnTheOnlyElement(const std::string& Element) {
        Grid->SetCells(2, 1, AfterName(Element));
        ClickOnFirstElement();
    }

    // The first element follows the word "Name" at the start of the cell.
    void ClickOnFirstElement() {
        const TRect cell = Grid->CellRect(2, 1);
        const TPoint onElement{cell.Left + 60, cell.Top + 10};
        InputSimulation::MouseMove(Grid, onElement);
        InputSimulation::Click(Grid, onElement);
        Application->ProcessMessages();
    }

    // False when the click opened no editor for the element.
    bool AppendToFirstElementAndTab(const char* Text) {
        ClickOnFirstElement();
        if (InputSimulation::FocusedControl() != Grid->ControlEditor())
            return false;
        InputSimulation::KeyPressFocused(VK_END);
        Type(Text);
        InputSimulation::KeyPressFocused(VK_TAB, '\t');
        Application->ProcessMessages();
        return true;
    }

    void Type(const char* Text) {
        InputSimulation::TypeTextFocused(Text);
        Application->ProcessMessages();
    }

    std::string Stored(const char* ID) const {
        std::string value;
        GetControlValue(Grid->Cells(2, 1), ID, value);
        return value;
    }

    bool ComboEditable = true;
};

// Without automatic advance, Tab ends the element's edit and opens the next editable element
// of the same cell; after the last one the grid takes the keys.
TEST_F(HTMLControlEditorKeys, TabWalksTheEditableElementsOfTheCell) {
    ASSERT_TRUE(AppendToFirstElementAndTab("e"));
    EXPECT_EQ(Stored("e1"), "Anne") << "Tab stores the element it leaves";
    EXPECT_EQ(InputSimulation::FocusedControl(), Grid->ControlEditor())
        << "the password element's editor takes the keys";
    EXPECT_EQ(Grid->ControlEditor()->Text(), "pw");
    EXPECT_EQ(Grid->ControlEditor()->PasswordChar(), u'*');

    InputSimulation::KeyPressFocused(VK_TAB, '\t');
    Application->ProcessMessages();
    EXPECT_EQ(InputSimulation::FocusedControl(), Grid->ControlComboEditor())
        << "the combo element's editor takes the keys";
    EXPECT_EQ(Grid->ControlComboEditor()->Text(), "Blue");

    InputSimulation::KeyPressFocused(VK_TAB, '\t');
    Application->ProcessMessages();
    EXPECT_EQ(InputSimulation::FocusedControl(), Grid->ControlEditor())
        << "the mask element's editor takes the keys";
    EXPECT_EQ(Grid->ControlEditor()->EditMask(), "99");

    InputSimulation::KeyPressFocused(VK_TAB, '\t');
    Application->ProcessMessages();
    EXPECT_EQ(InputSimulation::FocusedControl(), Grid) << "after the last element, the grid";
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 1);
}

struct ControlLeaveCase {
    const char* Name;
    const std::string& Element;
    const char* ID;
    bool Empty;
    const char* Typed; // after End, at the start of an empty element
    bool ByClick;      // else Enter
    const char* Stored;
};

class HTMLControlEditorLeaves : public HTMLControlEditorKeys,
                                public ::testing::WithParamInterface<ControlLeaveCase> {};

TEST_P(HTMLControlEditorLeaves, TypedTextIsStoredAndTheGridTakesTheKeys) {
    const ControlLeaveCase& c = GetParam();
    std::string done;
    Grid->OnControlEditDone = [&](TObject*, int, int, const std::string& ID, const std::string&,
                                  const std::string& Value) { done += ID + "=" + Value + ";"; };
    ClickOnTheOnlyElement(c.Element);
    ASSERT_NE(InputSimulation::FocusedControl(), Grid) << "the click opened the element's editor";
    if (!c.Empty)
        InputSimulation::KeyPressFocused(VK_END);
    Type(c.Typed);
    if (c.ByClick) {
        const TRect other = Grid->CellRect(1, 3);
        InputSimulation::Click(Grid, {other.Left + 5, other.Top + 5});
    } else {
        InputSimulation::KeyPressFocused(VK_RETURN, '\r');
    }
    Application->ProcessMessages();
    EXPECT_EQ(Stored(c.ID), c.Stored);
    EXPECT_EQ(done, std::string(c.ID) + "=" + c.Stored + ";") << "reported once";
    EXPECT_FALSE(Grid->ControlEditor()->Visible());
    EXPECT_FALSE(Grid->ControlComboEditor()->Visible());
    EXPECT_EQ(InputSimulation::FocusedControl(), Grid);
    const int row = Grid->Row();
    InputSimulation::KeyPressFocused(VK_DOWN);
    EXPECT_EQ(Grid->Row(), row + 1) << "the grid takes the arrow keys again";
}

INSTANTIATE_TEST_SUITE_P(
    ExGridEditing, HTMLControlEditorLeaves,
    ::testing::Values(ControlLeaveCase{"EditEnter", NameEdit, "e1", false, "a", false, "Anna"},
                      ControlLeaveCase{"EditClick", NameEdit, "e1", false, "ie", true, "Annie"},
                      ControlLeaveCase{"MaskTakesDigitsOnly", EmptyTwoDigits, "m1", true, "a1b2",
                                       false, "12"},
                      ControlLeaveCase{"PasswordEnter", Password, "p1", false, "7", false, "pw7"},
                      ControlLeaveCase{"ComboEnter", ColourCombo, "c1", false, "s", false, "Blues"},
                      ControlLeaveCase{"ComboClick", ColourCombo, "c1", false, "y", true, "Bluey"}),
    [](const auto& info) { return std::string(info.param.Name); });

// A combo the application made a pick list takes no typed text; the user chooses an item in
// its open list.
TEST_F(HTMLControlEditorKeys, APickListComboTakesNoTypedTextButAChosenItem) {
    ComboEditable = false;
    int selected = -1;
    Grid->OnControlComboSelect = [&](TObject*, int, int, int Index, const std::string&,
                                     const std::string&) { selected = Index; };
    ClickOnTheOnlyElement(ColourCombo);
    TControlCombo* combo = Grid->ControlComboEditor();
    ASSERT_TRUE(combo->DroppedDown()) << "the list opens with the editor";
    Type("x");
    EXPECT_EQ(combo->Text(), "Blue");
    EXPECT_TRUE(combo->DroppedDown()) << "a key that matches no item keeps the list open";
    EXPECT_EQ(InputSimulation::FocusedControl(), combo);
    InputSimulation::KeyPressFocused(VK_UP);
    InputSimulation::KeyPressFocused(VK_RETURN, '\r');
    Application->ProcessMessages();
    EXPECT_EQ(selected, 0) << "Up and Enter in the open list choose the item above";
    if (combo->Visible())
        InputSimulation::KeyPressFocused(VK_RETURN, '\r');
    Application->ProcessMessages();
    EXPECT_EQ(Stored("c1"), "Red");
}

// With automatic advance, Tab in an element's editor stores it and moves on to the next cell.
TEST_F(HTMLControlEditorKeys, WithAutomaticAdvanceTabMovesToTheNextCell) {
    Grid->Navigation()->SetAdvanceAuto(true);
    ASSERT_TRUE(AppendToFirstElementAndTab("e"));
    EXPECT_EQ(Stored("e1"), "Anne");
    EXPECT_FALSE(Grid->ControlEditor()->Visible());
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 1);
}

} // namespace
