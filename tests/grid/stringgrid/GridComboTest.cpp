// The combo editor: the shared item list, loading a cell, the leaving keys and the wheel.
#include "EditorControlTestGrid.h"

#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/GridCombo.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Messages.h"

#include <gtest/gtest.h>

namespace {

class GridComboTest : public EditorControlFixture, public ::testing::Test {
protected:
    GridComboTest() {
        for (const char* item : {"Alpha", "Beta", "Gamma"})
            Grid->AddComboString(item);
    }

    TGridCombo* Combo() { return Grid->Combobox(); }
};

TEST(GridComboOwner, MustBeAStringGrid) {
    TForm form(nullptr);
    EXPECT_THROW(TGridCombo combo(&form), Exception);
}

TEST_F(GridComboTest, ItemListOperations) {
    TObject marker;
    Grid->AddComboStringObject("Delta", &marker);
    EXPECT_EQ(Grid->GetComboCount(), 4);
    EXPECT_EQ(Combo()->ItemObject(3), &marker);
    EXPECT_EQ(Combo()->ItemObject(0), nullptr);

    EXPECT_TRUE(Grid->RemoveComboString("Beta"));
    EXPECT_FALSE(Grid->RemoveComboString("Beta"));
    EXPECT_EQ(Combo()->ItemObject(2), &marker) << "objects follow their items";

    Grid->SetComboSelection(1);
    EXPECT_FALSE(Grid->SetComboSelectionString("Omega"));
    EXPECT_EQ(Grid->FComboIdx, 1) << "a failed search keeps the preselection";
    EXPECT_TRUE(Grid->SetComboSelectionString("Gamma"));
    EXPECT_EQ(Grid->FComboIdx, 1);
    EXPECT_TRUE(Grid->SetComboSelectionString("Delta"));
    EXPECT_EQ(Grid->FComboIdx, 2);

    Grid->ClearComboString();
    EXPECT_EQ(Grid->GetComboCount(), 0);
    EXPECT_EQ(Combo()->ItemObject(0), nullptr);
}

TEST_F(GridComboTest, ComboIndexOfACellAndWritingOne) {
    Grid->SetCells(2, 3, "Gamma");
    EXPECT_EQ(Grid->GetComboIndex(2, 3), 2);
    Grid->SetCells(2, 3, "none");
    EXPECT_EQ(Grid->GetComboIndex(2, 3), -1);
    Grid->SetComboIndex(2, 3, 1);
    EXPECT_EQ(Grid->Cells(2, 3), "Beta");
    Grid->SetComboIndex(2, 3, 7);
    EXPECT_EQ(Grid->Cells(2, 3), "Beta") << "an index beyond the list changes nothing";
}

TEST_F(GridComboTest, ListLoadsTheCellsItemOrTakesTheFirstAndSaysSo) {
    struct Case {
        const char* Name;
        const char* Text;
        int Preselect;
        bool EmptyList;
        int Index;
        int Events;
    };
    const Case cases[] = {
        {"item of the cell", "Beta", -1, false, 1, 0},
        {"no item: the first", "other", -1, false, 0, 1},
        {"no item, preselected", "other", 2, false, 2, 0},
        {"no item, empty list", "other", -1, true, -1, 0},
    };
    for (const Case& c : cases) {
        if (c.EmptyList)
            Grid->ClearComboString();
        Grid->SetComboSelection(c.Preselect);
        int events = 0;
        std::string chosen;
        Grid->OnComboChange = [&](TObject*, int ACol, int ARow, int Index, const std::string& S) {
            ++events;
            chosen = S;
            EXPECT_EQ(ACol, 1);
            EXPECT_EQ(ARow, 2);
            EXPECT_EQ(Index, 0);
        };
        Open(edComboList, 1, 2, c.Text);
        EXPECT_EQ(Combo()->Style(), csDropDownList) << c.Name;
        EXPECT_EQ(Combo()->ItemIndex(), c.Index) << c.Name;
        EXPECT_EQ(events, c.Events) << c.Name;
        if (c.Events > 0)
            EXPECT_EQ(chosen, "Alpha") << c.Name;
    }
}

TEST_F(GridComboTest, EditableComboTakesThePreselectionForATextThatIsNoItem) {
    Grid->SetComboSelection(2);
    TCellEditor* editor = Open(edComboEdit, 1, 1, "free text");
    EXPECT_EQ(Combo()->Style(), csDropDown);
    EXPECT_EQ(Combo()->ItemIndex(), 2);
    EXPECT_EQ(editor->ApplyCellText(), "Gamma");
    Open(edComboEdit, 1, 2, "typed");
    EXPECT_EQ(Combo()->ItemIndex(), 2) << "the preselection stays for later edits";
}

TEST_F(GridComboTest, ApplyAnswersTheComboText) {
    TCellEditor* editor = Open(edComboEdit, 1, 1, "typed value");
    EXPECT_EQ(editor->ApplyCellText(), "typed value");
    editor->EndCellEdit();
    EXPECT_FALSE(Combo()->Visible());
    EXPECT_FALSE(Combo()->Enabled());
}

TEST_F(GridComboTest, RefusedEnterKeepsTheEditorWithTheValidatedTextSelected) {
    Open(edComboEdit, 1, 1, "Beta");
    Combo()->SetText("wrong");
    Grid->RefuseWith = "corrected";
    InputSimulation::KeyDown(Combo(), VK_RETURN);
    ASSERT_EQ(Grid->Validated.size(), 1u);
    EXPECT_EQ(Grid->Validated[0], "wrong");
    EXPECT_EQ(Combo()->Text(), "corrected");
    EXPECT_EQ(Combo()->SelText(), "corrected");
    EXPECT_TRUE(Grid->FNoAutoAdvance) << "a refused Enter must not advance the grid";
    EXPECT_TRUE(Combo()->Visible());
}

TEST_F(GridComboTest, EveryKeyThatLeavesValidatesFirst) {
    struct Case {
        TEditorType Kind;
        WORD Key;
        bool Validates;
    };
    const Case cases[] = {
        {edComboEdit, VK_PRIOR, true},   {edComboEdit, VK_NEXT, true},
        {edComboEdit, VK_DOWN, true},    {edComboEdit, VK_END, false},
        {edComboList, VK_LEFT, true},    {edComboList, VK_RIGHT, true},
        {edComboList, VK_ESCAPE, false},
    };
    for (const Case& c : cases) {
        Open(c.Kind, 1, 1, "Beta");
        Grid->Validated.clear();
        Grid->RefuseWith = "Gamma";
        Grid->FNoAutoAdvance = false;
        InputSimulation::KeyDown(Combo(), c.Key);
        EXPECT_EQ(Grid->Validated.size(), c.Validates ? 1u : 0u) << c.Key;
        if (c.Validates) {
            EXPECT_EQ(Combo()->Text(), "Gamma") << "a refused value stays: " << c.Key;
            EXPECT_TRUE(Grid->FNoAutoAdvance) << c.Key;
        }
    }
}

TEST_F(GridComboTest, AcceptedEnterWritesTheCurrentCell) {
    Open(edComboEdit, 1, 1, "Beta");
    Combo()->SetText("new value");
    InputSimulation::KeyPress(Combo(), VK_RETURN, '\r');
    EXPECT_EQ(Grid->Validated, std::vector<std::string>{"new value"});
    EXPECT_EQ(Grid->Cells(1, 1), "new value");
    EXPECT_FALSE(Grid->FNoAutoAdvance);
}

TEST_F(GridComboTest, EscapeBringsBackTheCellsItem) {
    Open(edComboList, 1, 1, "Beta");
    Combo()->SetItemIndex(2);
    InputSimulation::KeyPress(Combo(), VK_ESCAPE, 27);
    EXPECT_EQ(Combo()->ItemIndex(), 1);
    EXPECT_TRUE(Grid->Validated.empty()) << "Escape does not validate";
}

TEST_F(GridComboTest, WheelStepsStayInsideTheList) {
    Open(edComboList, 1, 1, "Beta");
    std::vector<int> changes;
    Grid->OnComboChange = [&](TObject*, int, int, int Index, const std::string&) {
        changes.push_back(Index);
    };
    const WPARAM down = static_cast<WPARAM>(static_cast<uint16_t>(-120)) << 16;
    const WPARAM up = static_cast<WPARAM>(120) << 16;
    for (int i = 0; i < 3; ++i)
        Combo()->Perform(WM_MOUSEWHEEL, down);
    EXPECT_EQ(Combo()->ItemIndex(), 2);
    for (int i = 0; i < 4; ++i)
        Combo()->Perform(WM_MOUSEWHEEL, up);
    EXPECT_EQ(Combo()->ItemIndex(), 0);
    EXPECT_EQ(changes, (std::vector<int>{2, 1, 0})) << "a step that stays put reports nothing";
}

TEST_F(GridComboTest, TypingCompletesFromTheItems) {
    Grid->ClearComboString();
    Grid->AddComboString("Abc");
    Grid->AddComboString("abd");
    Grid->Lookup = true;
    Open(edComboEdit, 1, 1, "");
    Combo()->SetText("");
    InputSimulation::TypeChar(Combo(), 'a');
    InputSimulation::TypeChar(Combo(), 'b');
    EXPECT_EQ(Combo()->Text(), "abc");
    EXPECT_EQ(Combo()->SelText(), "c");
    EXPECT_EQ(Combo()->ItemIndex(), 0);
    InputSimulation::KeyPress(Combo(), VK_BACK, '\b');
    EXPECT_EQ(Combo()->Text(), "ab") << "deleting never completes";
}

TEST_F(GridComboTest, AutomaticDropSizeFitsTheWidestItem) {
    const std::string wide(60, 'W');
    Grid->AddComboString(wide);
    Grid->Navigation()->AutoComboDropSize = true;
    Open(edComboList, 1, 1, "Beta");
    const int textWidth = Grid->Canvas()->TextWidth(wide);
    EXPECT_GE(Combo()->DroppedWidth(), textWidth + 8);
    EXPECT_GT(Combo()->DroppedWidth(), Combo()->Width());
}

TEST_F(GridComboTest, LookupHistoryAddsANewTextWhenTheFocusLeaves) {
    Grid->LookupHistory = true;
    Open(edComboEdit, 1, 1, "Beta");
    Combo()->SetText("Epsilon");
    Grid->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(Grid->GetComboCount(), 4);
    EXPECT_EQ((*Combo()->Items())[3], "Epsilon");
}

} // namespace
