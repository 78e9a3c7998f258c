// The drop-down cell editors, over a stand-in drop-down control.
#include "EditorControlTestGrid.h"

#include "grid/stringgrid/DropDownCellControl.h"
#include "grid/stringgrid/GridDropDownEditor.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

// A drop-down control reduced to what the editor uses: a text, a popup flag, a pending
// calculation, and the keys it saw itself.
class TFakeDropDown : public TDropDownCellControl {
public:
    using TDropDownCellControl::TDropDownCellControl;

    std::string Text() const override { return FValue; }
    void SetText(const std::string& value) override {
        FValue = value;
        TextChanged();
    }
    bool DroppedDown() const override { return Dropped; }
    void DoDropDown() override { Dropped = true; }
    void CalcResult() override {
        if (!Pending.empty())
            SetText(Pending);
        Pending.clear();
    }
    void SelectAllText() override { AllSelected = true; }
    // Takes the arrows and characters as the edit of a real drop-down does.
    void WndProc(TMessage& Message) override {
        TDropDownCellControl::WndProc(Message);
        if (Message.Msg == WM_GETDLGCODE)
            Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
    }

    bool Dropped = false;
    bool AllSelected = false;
    std::string Pending;
    std::vector<WORD> OwnKeys;

protected:
    void DropDownKeyDown(WORD& Key, TShiftState Shift) override { OwnKeys.push_back(Key); }

private:
    std::string FValue;
};

class GridDropDownEditorTest : public EditorControlFixture, public ::testing::Test {
protected:
    TFakeDropDown* Attach(TEditorType Kind) {
        auto* control = new TFakeDropDown(nullptr);
        Grid->SetDropDownControl(Kind, control);
        return control;
    }
};

TEST_F(GridDropDownEditorTest, NoEditorUntilAControlIsGiven) {
    EXPECT_EQ(Grid->CellEditorOfKind(edMemoDropDown), nullptr);
    TFakeDropDown* control = Attach(edMemoDropDown);
    EXPECT_EQ(control->Owner(), Grid);
    ASSERT_NE(Grid->DropDownEditor(edMemoDropDown), nullptr);
    EXPECT_EQ(Grid->DropDownEditor(edMemoDropDown)->Control(), control);
    EXPECT_EQ(Grid->CellEditorOfKind(edCalculatorDropDown), nullptr);
}

TEST_F(GridDropDownEditorTest, LoadsTheCellAndAppliesTheControlValue) {
    struct Case {
        TEditorType Kind;
        const char* Cell;
        const char* Loaded;
    };
    const Case cases[] = {{edMemoDropDown, "two\nlines", "two\nlines"},
                          {edTrackbarDropDown, " 42 ", "42"},
                          {edTrackbarDropDown, "none", "0"}};
    for (const Case& c : cases) {
        TFakeDropDown* control = Attach(c.Kind);
        TCellEditor* editor = Open(c.Kind, 1, 1, c.Cell);
        EXPECT_EQ(control->Text(), c.Loaded) << c.Cell;
        EXPECT_TRUE(control->Visible());
        EXPECT_EQ(editor->ApplyCellText(), c.Loaded);
    }
}

TEST_F(GridDropDownEditorTest, EscapeRestoresTheCellWithoutValidation) {
    TFakeDropDown* control = Attach(edCalculatorDropDown);
    Open(edCalculatorDropDown, 1, 1, "12");
    control->SetText("99");
    InputSimulation::KeyPress(control, VK_ESCAPE, 27);
    EXPECT_EQ(control->Text(), "12");
    EXPECT_TRUE(Grid->Validated.empty());
    EXPECT_TRUE(control->OwnKeys.empty());
}

TEST_F(GridDropDownEditorTest, EnterFinishesThePendingCalculationBeforeValidating) {
    TFakeDropDown* control = Attach(edCalculatorDropDown);
    Open(edCalculatorDropDown, 1, 1, "12");
    control->Pending = "36";
    InputSimulation::KeyDown(control, VK_RETURN);
    EXPECT_EQ(Grid->Validated, std::vector<std::string>{"36"});
    EXPECT_EQ(Grid->Cells(1, 1), "36");
}

TEST_F(GridDropDownEditorTest, RefusedValueStaysSelectedAndBlocksTheAdvance) {
    TFakeDropDown* control = Attach(edMemoDropDown);
    Open(edMemoDropDown, 1, 1, "a");
    control->SetText("bad");
    Grid->RefuseWith = "good";
    InputSimulation::KeyDown(control, VK_UP);
    EXPECT_EQ(control->Text(), "good");
    EXPECT_TRUE(control->AllSelected);
    EXPECT_TRUE(Grid->FNoAutoAdvance);
}

TEST_F(GridDropDownEditorTest, CommitKeysOfTheColourPickerDependOnItsPopup) {
    struct Case {
        bool Dropped;
        WORD Key;
        bool ReachesThePicker;
    };
    const Case cases[] = {
        {true, VK_UP, true},     {true, VK_HOME, true}, {true, VK_NEXT, true},
        {false, VK_HOME, false}, {false, VK_UP, false}, {true, VK_RETURN, false},
    };
    TFakeDropDown* control = Attach(edColorPickerDropDown);
    for (const Case& c : cases) {
        Open(edColorPickerDropDown, 1, 1, "x");
        control->Dropped = c.Dropped;
        control->OwnKeys.clear();
        Grid->Validated.clear();
        InputSimulation::KeyDown(control, c.Key);
        EXPECT_EQ(!control->OwnKeys.empty(), c.ReachesThePicker) << c.Key << " " << c.Dropped;
        EXPECT_EQ(Grid->Validated.size(), c.ReachesThePicker ? 0u : 1u)
            << "every key that leaves validates";
    }
}

TEST_F(GridDropDownEditorTest, EveryLeavingKeyValidatesFirst) {
    struct Case {
        WORD Key;
        bool Dropped;
        bool Validates;
    };
    const Case cases[] = {{VK_PRIOR, false, true}, {VK_NEXT, true, true},
                          {VK_END, true, true},    {VK_END, false, false},
                          {VK_DOWN, false, true},  {VK_ESCAPE, false, false}};
    TFakeDropDown* control = Attach(edTimePickerDropDown);
    for (const Case& c : cases) {
        Open(edTimePickerDropDown, 1, 1, "10:00");
        control->Dropped = c.Dropped;
        Grid->Validated.clear();
        Grid->RefuseWith = "11:00";
        InputSimulation::KeyDown(control, c.Key);
        EXPECT_EQ(Grid->Validated.size(), c.Validates ? 1u : 0u) << c.Key;
        if (c.Validates)
            EXPECT_EQ(control->Text(), "11:00") << "a refused value stays in the editor";
    }
}

TEST_F(GridDropDownEditorTest, AltDownNeverCommits) {
    TFakeDropDown* control = Attach(edMemoDropDown);
    Open(edMemoDropDown, 1, 1, "a");
    InputSimulation::KeyDown(control, VK_DOWN, TShiftState() << ssAlt);
    EXPECT_TRUE(Grid->Validated.empty());
    EXPECT_EQ(control->OwnKeys, std::vector<WORD>{VK_DOWN});
}

TEST_F(GridDropDownEditorTest, HeaderAndFooterClicksReachTheGridWithTheCurrentCell) {
    TFakeDropDown* control = Attach(edDetailDropDown);
    Open(edDetailDropDown, 2, 3, "a");
    std::vector<std::string> clicks;
    Grid->OnDropDownHeaderButtonClick = [&](TObject*, int c, int r, int i) {
        clicks.push_back("header " + std::to_string(c) + std::to_string(r) + std::to_string(i));
    };
    Grid->OnDropDownFooterButtonClick = [&](TObject*, int c, int r, int i) {
        clicks.push_back("footer " + std::to_string(c) + std::to_string(r) + std::to_string(i));
    };
    control->OnHeaderButtonClick(control, 1);
    control->OnFooterButtonClick(control, 0);
    EXPECT_EQ(clicks, (std::vector<std::string>{"header 231", "footer 230"}));
}

TEST_F(GridDropDownEditorTest, ReplacingTheControlDetachesTheOldOne) {
    TFakeDropDown* first = Attach(edMemoDropDown);
    TFakeDropDown* second = Attach(edMemoDropDown);
    EXPECT_EQ(Grid->DropDownEditor(edMemoDropDown)->Control(), second);
    Open(edMemoDropDown, 1, 1, "a");
    first->SetVisible(true);
    InputSimulation::KeyDown(first, VK_RETURN);
    EXPECT_TRUE(Grid->Validated.empty()) << "the old control is no editor any more";
}

} // namespace
