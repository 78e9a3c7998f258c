// Validation of edited values: what reaches the cell, what is marked modified, how a refused
// value puts the user back, and that every way out of the editor validates first.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/ExGridUndoRedo.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace EditingTest;

namespace {
// A form whose grid edits cell (1, 1) holding "old", with "typed" in the text editor.
struct TTypedEdit : TEditingForm {
    std::vector<std::string> validated;
    TTypedEdit() {
        Grid->SetFixedCols(1);
        Grid->SetCells(1, 1, "old");
        Grid->ShowInplaceEdit();
        Editor()->SetText("typed");
    }
    // The handler answers Valid and, when not empty, changes the value.
    void Answer(bool valid, const std::string& changed = {}) {
        Grid->OnCellValidate = [this, valid, changed](TObject*, int col, int row,
                                                      std::string& value, bool& ok) {
            validated.push_back(std::to_string(col) + "," + std::to_string(row) + " " + value);
            if (!changed.empty())
                value = changed;
            ok = valid;
        };
    }
};
} // namespace

TEST(ExGridValidation, AnUnchangedValueIsValidatedOnlyWithAlwaysValidate) {
    for (bool always : {false, true}) {
        TEditingForm f;
        f.Grid->SetCells(1, 1, "same");
        f.Grid->AlwaysValidate = always;
        int calls = 0;
        f.Grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++calls; };
        f.Grid->ShowInplaceEdit();
        InputSimulation::KeyDown(f.Editor(), VK_RETURN);
        EXPECT_EQ(calls, always ? 1 : 0) << always;
        EXPECT_FALSE(f.Grid->Modified()) << always;
    }
}

TEST(ExGridValidation, TheHandlersAnswerDecidesWhatTheCellHolds) {
    struct Case {
        const char* name;
        bool valid;
        std::string changed;
        std::string cell; // the cell afterwards
        bool editorOpen;  // the user is back in the cell
        bool modified;    // the grid's and the row's modified flags
    };
    const Case cases[] = {
        {"accepted", true, "", "typed", false, true},
        {"accepted and corrected", true, "fixed", "fixed", false, true},
        {"refused", false, "", "old", true, false},
        {"refused with a proposal", false, "proposal", "proposal", true, false},
    };
    for (const Case& c : cases) {
        TTypedEdit f;
        f.Answer(c.valid, c.changed);
        InputSimulation::KeyDown(f.Editor(), VK_RETURN);
        EXPECT_EQ(f.validated, (std::vector<std::string>{"1,1 typed"})) << c.name;
        EXPECT_EQ(f.Grid->Cells(1, 1), c.cell) << c.name;
        EXPECT_EQ(f.Grid->EditorMode(), c.editorOpen) << c.name;
        EXPECT_EQ(f.Grid->Modified(), c.modified) << c.name;
        EXPECT_EQ(f.Grid->GridModified(), c.modified) << c.name;
        EXPECT_EQ(f.Grid->GetRowModified(1), c.modified) << c.name;
        EXPECT_EQ(f.Grid->Row(), 1) << c.name;
        if (c.editorOpen)
            EXPECT_EQ(f.Editor()->Text(), c.cell) << c.name << ": the editor shows it";
    }
}

TEST(ExGridValidation, WithoutFixedColumnsNoRowIsMarked) {
    TTypedEdit f;
    f.Grid->SetFixedCols(0);
    f.Answer(true);
    InputSimulation::KeyDown(f.Editor(), VK_RETURN);
    EXPECT_TRUE(f.Grid->GridModified());
    EXPECT_FALSE(f.Grid->GetRowModified(1));
}

TEST(ExGridValidation, EveryKeyThatLeavesTheEditorValidatesFirst) {
    struct Case {
        const char* name;
        WORD key;
        TShiftState shift;
    };
    const Case cases[] = {
        {"Enter", VK_RETURN, {}},       {"Tab", VK_TAB, {}},
        {"Down", VK_DOWN, {}},          {"Up", VK_UP, {}},
        {"Page Down", VK_NEXT, {}},     {"Page Up", VK_PRIOR, {}},
        {"Ctrl+End", VK_END, {ssCtrl}}, {"Ctrl+Home", VK_HOME, {ssCtrl}},
    };
    for (const Case& c : cases) {
        TTypedEdit f;
        f.Grid->SetOptions(f.Grid->Options() << goTabs);
        f.Answer(false);
        InputSimulation::KeyDown(f.Editor(), c.key, c.shift);
        EXPECT_EQ(f.validated.size(), 1u) << c.name;
        EXPECT_EQ(f.Grid->Cells(1, 1), "old") << c.name << ": nothing reached the cell";
        EXPECT_EQ(f.Grid->Col(), 1) << c.name;
        EXPECT_EQ(f.Grid->Row(), 1) << c.name << ": the user stays in the cell";
        EXPECT_TRUE(f.Grid->EditorMode()) << c.name;
        EXPECT_FALSE(f.Grid->Modified()) << c.name;
    }
}

TEST(ExGridValidation, AnAcceptedValueLeavesWithTheKey) {
    TTypedEdit f;
    f.Answer(true);
    InputSimulation::KeyDown(f.Editor(), VK_DOWN);
    EXPECT_EQ(f.Grid->Cells(1, 1), "typed");
    EXPECT_EQ(f.Grid->Row(), 2);
    EXPECT_FALSE(f.Grid->EditMode);
}

TEST(ExGridValidation, MovingTheCurrentCellValidatesTheOpenEdit) {
    TTypedEdit f;
    f.Answer(false);
    f.Grid->FocusCell(3, 3, true);
    EXPECT_EQ(f.validated.size(), 1u);
    EXPECT_EQ(f.Grid->Col(), 1);
    EXPECT_EQ(f.Grid->Cells(1, 1), "old");
}

TEST(ExGridValidation, LosingTheFocusValidatesAndReportsTheEditDone) {
    TTypedEdit f;
    f.Answer(true);
    int done = 0;
    f.Grid->OnEditingDone = [&](TObject*) { ++done; };
    f.Other->SetFocus();
    EXPECT_EQ(f.validated.size(), 1u);
    EXPECT_EQ(f.Grid->Cells(1, 1), "typed");
    EXPECT_FALSE(f.Grid->EditorMode());
    EXPECT_EQ(done, 1);
    f.Pump();
    EXPECT_EQ(f.Grid->EditDoneMessages.size(), 1u);
}

TEST(ExGridValidation, AnEditorControlsValueIsValidatedBeforeItIsStored) {
    for (bool valid : {true, false}) {
        TEditingForm f(edComboList);
        f.Grid->SetCells(1, 1, "old");
        std::vector<std::string> seen;
        f.Grid->OnCellValidate = [&](TObject*, int, int, std::string& value, bool& ok) {
            seen.push_back(value);
            ok = valid;
        };
        f.Grid->ShowInplaceEdit();
        f.Grid->Fake.Value = "chosen";
        WORD key = VK_RETURN;
        f.Grid->DoneInplaceEdit(key, {});
        EXPECT_EQ(seen, (std::vector<std::string>{"chosen"})) << valid;
        EXPECT_EQ(f.Grid->Cells(1, 1), valid ? "chosen" : "old") << valid;
        EXPECT_EQ(f.Grid->Fake.Open, !valid) << valid << ": a refused value keeps it open";
        EXPECT_EQ(f.Grid->Modified(), valid) << valid;
        if (!valid)
            EXPECT_EQ(f.Grid->Fake.Value, "old") << "the control shows the old value again";
    }
}

TEST(ExGridValidation, AHandlersCorrectionReachesTheBaseCellOfAMergedArea) {
    TEditingForm f;
    f.Grid->MergeCells(1, 1, 2, 1);
    f.Grid->SetCells(1, 1, "old");
    f.Grid->OnCellValidate = [](TObject*, int, int, std::string& value, bool&) {
        value = "corrected";
    };
    f.Grid->ShowInplaceEdit();
    f.Editor()->SetText("typed");
    InputSimulation::KeyDown(f.Editor(), VK_RETURN);
    EXPECT_EQ(f.Grid->Cells(1, 1), "corrected");
}

TEST(ExGridValidation, UndoGivesTheCellTheTextItHadBeforeTheEdit) {
    TTypedEdit f;
    auto* undo = new TExGridUndoRedo(&f.Form);
    f.Grid->SetUndoRedo(undo);
    f.Answer(true);
    InputSimulation::KeyDown(f.Editor(), VK_RETURN);
    ASSERT_EQ(f.Grid->Cells(1, 1), "typed");
    undo->Undo();
    EXPECT_EQ(f.Grid->Cells(1, 1), "old");
    undo->Redo();
    EXPECT_EQ(f.Grid->Cells(1, 1), "typed");
}

TEST(ExGridValidation, AThrowingHandlerLeavesNoValidationRunning) {
    TTypedEdit f;
    f.Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool&) {
        throw std::runtime_error("handler failed");
    };
    f.Grid->FEditing = true;
    EXPECT_THROW(f.Grid->ValidateCell("typed"), std::runtime_error);
    f.Answer(true);
    f.Grid->FEditing = true;
    EXPECT_TRUE(f.Grid->ValidateCell("again"));
    EXPECT_EQ(f.validated.size(), 1u) << "the next validation runs";
    EXPECT_EQ(f.Grid->Cells(1, 1), "again");
}

TEST(ExGridValidation, TheWideVariantStoresAcceptedValuesAndRestoresRefusedOnes) {
    for (bool valid : {true, false}) {
        TEditingForm f;
        f.Grid->SetCells(1, 1, "old");
        f.Grid->OnCellValidateWide = [valid](TObject*, int, int, std::u16string&, bool& ok) {
            ok = valid;
        };
        f.Grid->ShowInplaceEdit();
        EXPECT_EQ(f.Grid->ValidateCellWide(u"wide \u00e9"), valid);
        EXPECT_EQ(f.Grid->WideCells(1, 1), valid ? u"wide \u00e9" : u"old") << valid;
        EXPECT_EQ(f.Grid->Modified(), valid) << valid;
    }
}

TEST(ExGridValidation, RowUpdateFiresOnlyWhenTheRowChanges) {
    TEditingForm f;
    std::vector<std::pair<int, int>> updates;
    f.Grid->OnRowUpdate = [&](TObject*, int from, int to) { updates.emplace_back(from, to); };
    f.Grid->FocusCell(2, 1, true);
    f.Grid->FocusCell(2, 3, true);
    f.Grid->FocusCell(3, 3, true);
    ASSERT_FALSE(updates.empty());
    EXPECT_EQ(updates.back(), std::make_pair(1, 3));
    for (size_t i = 1; i < updates.size(); ++i)
        EXPECT_NE(updates[i].first, updates[i].second);
}

TEST(ExGridValidation, EndingTheEditFromCodeValidatesToo) {
    TTypedEdit text;
    text.Answer(false);
    text.Grid->HideInplaceEdit();
    EXPECT_EQ(text.validated.size(), 1u);
    EXPECT_EQ(text.Grid->Cells(1, 1), "old");
    EXPECT_TRUE(text.Grid->EditorMode()) << "the refused value keeps the text editor open";

    TEditingForm control(edEditBtn);
    control.Grid->SetCells(1, 1, "old");
    control.Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& ok) { ok = false; };
    control.Grid->ShowInplaceEdit();
    control.Grid->Fake.Value = "new";
    control.Grid->HideCellEdit();
    EXPECT_EQ(control.Grid->Cells(1, 1), "old");
    EXPECT_TRUE(control.Grid->Fake.Open) << "the refused value keeps the control open";
}

// The text editor closing, reopening on a refused value and closing again hands the focus
// between itself and its grid only: the grid is neither left nor entered, so the cell state
// taken when the edit began stays what the next validation compares with.
TEST(ExGridValidation, ARefusalAndARetryByKeysNeverLeaveOrEnterTheGrid) {
    TEditingForm f;
    f.Grid->SetCells(1, 1, "old");
    std::vector<std::string> log;
    f.Grid->OnEnter = [&](TObject*) { log.push_back("enter"); };
    f.Grid->OnExit = [&](TObject*) { log.push_back("exit"); };
    f.Grid->OnCellValidate = [&](TObject*, int, int, std::string& value, bool& ok) {
        log.push_back("validate " + value);
        ok = value != "oldx";
    };
    InputSimulation::KeyPress(f.Grid, VK_F2);
    ASSERT_TRUE(f.Grid->EditorMode());
    InputSimulation::KeyPress(f.Editor(), VK_END);
    InputSimulation::TypeChar(f.Editor(), 'x');
    InputSimulation::KeyPress(f.Editor(), VK_RETURN, '\r');
    f.Pump();
    ASSERT_TRUE(f.Grid->EditorMode()) << "the refused value keeps the user in the cell";
    EXPECT_EQ(f.Editor()->Text(), "old");
    EXPECT_EQ(f.Form.ActiveControl(), f.Editor());
    InputSimulation::KeyPress(f.Editor(), VK_END);
    InputSimulation::TypeChar(f.Editor(), 'y');
    InputSimulation::KeyPress(f.Editor(), VK_RETURN, '\r');
    f.Pump();
    EXPECT_FALSE(f.Grid->EditorMode());
    EXPECT_EQ(f.Grid->Cells(1, 1), "oldy");
    EXPECT_TRUE(f.Grid->Modified());
    EXPECT_EQ(f.Form.ActiveControl(), f.Grid);
    EXPECT_EQ(log, (std::vector<std::string>{"validate oldx", "validate oldy"}));
}
