// The edit-with-button and value-with-unit editors.
#include "EditorControlTestGrid.h"

#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/GridEditBtn.h"
#include "grid/stringgrid/GridUnitEditBtn.h"
#include "platform/core/StringList.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MessageBeep.h"

#include <gtest/gtest.h>

namespace {

class GridEditBtnTest : public EditorControlFixture, public ::testing::Test {
protected:
    TGridEditBtn* EditBtn() { return Grid->BtnEdit(); }
    TGridUnitEditBtn* UnitEdit() {
        TStringList units;
        units.Add("kg");
        units.Add("g");
        Grid->BtnUnitEdit()->SetUnits(&units);
        return Grid->BtnUnitEdit();
    }
};

TEST_F(GridEditBtnTest, ButtonShowsWhatTheEllipsisHandlerAnswers) {
    Open(edEditBtn, 1, 1, "path");
    Grid->EllipsisAnswer = "/new/";
    EditBtn()->ButtonClick(EditBtn());
    EXPECT_EQ(EditBtn()->Text(), "/new/path");
    EXPECT_EQ(EditBtn()->SelText(), "/new/path");
}

TEST_F(GridEditBtnTest, NumericKindRefusesASecondMinusWithABeep) {
    Open(edNumericEditBtn, 1, 1, "-12");
    EditBtn()->SetSelStart(0);
    const int beeps = MessageBeepCount();
    InputSimulation::TypeChar(EditBtn(), '-');
    EXPECT_EQ(EditBtn()->Text(), "-12");
    EXPECT_EQ(MessageBeepCount(), beeps + 1);
    InputSimulation::TypeChar(EditBtn(), '7');
    EXPECT_EQ(EditBtn()->Text(), "7-12");
}

TEST_F(GridEditBtnTest, OnlyTheMaskKindAppliesTheCellMask) {
    Open(edEditBtn, 1, 1, "abc");
    EXPECT_EQ(EditBtn()->EditMask(), "");
}

TEST_F(GridEditBtnTest, RefusedEnterShowsTheValidatedTextSelected) {
    Open(edEditBtn, 1, 1, "abc");
    EditBtn()->SetText("bad");
    Grid->RefuseWith = "good";
    InputSimulation::KeyPress(EditBtn(), VK_RETURN, '\r');
    EXPECT_EQ(EditBtn()->Text(), "good");
    EXPECT_EQ(EditBtn()->SelText(), "good");
    EXPECT_TRUE(EditBtn()->Visible());
}

TEST_F(GridEditBtnTest, PageKeysLeaveOnlyThroughValidation) {
    for (WORD key : {VK_PRIOR, VK_NEXT}) {
        Open(edEditBtn, 1, 1, "abc");
        EditBtn()->SetText("bad");
        Grid->Validated.clear();
        Grid->RefuseWith = "good";
        InputSimulation::KeyDown(EditBtn(), key);
        EXPECT_EQ(Grid->Validated, std::vector<std::string>{"bad"}) << key;
        EXPECT_EQ(EditBtn()->Text(), "good") << key;
    }
    UnitEdit();
    Open(edUnitEditBtn, 1, 1, "5kg");
    Grid->Validated.clear();
    InputSimulation::KeyDown(Grid->BtnUnitEdit(), VK_NEXT);
    EXPECT_EQ(Grid->Validated, std::vector<std::string>{"5kg"});
    EXPECT_EQ(Grid->BtnUnitEdit()->TextAndUnit(), "5kg") << "the refused value stays";
}

TEST_F(GridEditBtnTest, CursorWalksIntoANeighbouringControlCellThroughValidation) {
    Grid->Navigation()->CursorWalkEditor = true;
    Grid->AddCheckBox(1, 2, false, false);
    Grid->AddCheckBox(3, 2, false, false);
    struct Case {
        WORD Key;
        int Caret;
        bool Refuse;
        int Col;
    };
    const Case cases[] = {
        {VK_LEFT, 0, false, 1},  // at the start: into the check box on the left
        {VK_RIGHT, 3, false, 3}, // after the end: into the check box on the right
        {VK_LEFT, 0, true, 2},   // a refused value keeps the cell
        {VK_LEFT, 1, false, 2},  // inside the text the caret only moves
    };
    for (const Case& c : cases) {
        Open(edEditBtn, 2, 2, "abc");
        EditBtn()->SetSelStart(c.Caret);
        if (c.Refuse)
            Grid->RefuseWith = "abc";
        else
            Grid->RefuseWith.reset();
        InputSimulation::KeyPress(EditBtn(), c.Key);
        EXPECT_EQ(Grid->Col(), c.Col) << c.Key << " at " << c.Caret;
    }
}

TEST_F(GridEditBtnTest, EscapeBringsBackTheCachedText) {
    Open(edEditBtn, 1, 1, "abc");
    EditBtn()->SetText("typed");
    InputSimulation::KeyPress(EditBtn(), VK_ESCAPE, 27);
    EXPECT_EQ(EditBtn()->Text(), "abc");
    EXPECT_TRUE(Grid->Validated.empty());
}

TEST_F(GridEditBtnTest, PasteDropsOnlyASingleTrailingLineBreak) {
    struct Case {
        const char* Clip;
        const char* Result;
    };
    const Case cases[] = {{"xy\r\n", "xy"}, {"x\r\ny", "x\r\ny"}, {"x\r\ny\r\n", "x\r\ny\r\n"}};
    for (const Case& c : cases) {
        Open(edEditBtn, 1, 1, "");
        Clipboard()->SetAsText(c.Clip);
        EditBtn()->Perform(WM_PASTE);
        EXPECT_EQ(EditBtn()->Text(), c.Result) << c.Clip;
    }
}

TEST_F(GridEditBtnTest, UnitEditorSplitsValueAndUnitAndKeepsAnUnknownUnit) {
    struct Case {
        const char* Cell;
        const char* Value;
        const char* Unit;
    };
    const Case cases[] = {
        {"12kg", "12", "kg"}, {"5g", "5", "g"}, {"7 lb", "7 lb", ""}, {"", "", ""}};
    for (const Case& c : cases) {
        TGridUnitEditBtn* unit = UnitEdit();
        TCellEditor* editor = Open(edUnitEditBtn, 2, 2, c.Cell);
        EXPECT_EQ(unit->Text(), c.Value) << c.Cell;
        EXPECT_EQ(unit->UnitID(), c.Unit) << c.Cell;
        EXPECT_EQ(editor->ApplyCellText(), c.Cell) << "value and unit join without separator";
    }
}

} // namespace
