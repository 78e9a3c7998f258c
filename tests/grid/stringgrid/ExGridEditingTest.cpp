// The editing core: which editor a cell gets, the frame every editor control runs in, the
// text road between editor and cell, and the edit-done notification.
#include "ExGridEditingTestGrid.h"

#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using namespace EditingTest;

TEST(ExGridEditing, TheEditorKindDecidesWhatOpens) {
    struct Case {
        const char* name;
        TEditorType kind;
        bool editMode;     // edit mode entered
        bool textEditor;   // the grid's text editor shown
        bool controlShown; // an editor control began
    };
    const Case cases[] = {
        {"text kind", edNormal, true, true, false},
        {"numeric text kind", edNumeric, true, true, false},
        {"no editor", edNone, false, false, false},
        {"editor control", edSpinEdit, true, false, true},
        {"drop-down", edMemoDropDown, true, false, true},
        {"data check box: edit mode without a control", edDataCheckBox, true, false, false},
    };
    for (const Case& c : cases) {
        TEditingForm f(c.kind);
        f.Grid->SetCells(1, 1, "v");
        f.Grid->ShowInplaceEdit();
        EXPECT_EQ(f.Grid->EditMode, c.editMode) << c.name;
        EXPECT_EQ(f.Grid->EditorMode(), c.textEditor) << c.name;
        EXPECT_EQ(f.Grid->Fake.Open, c.controlShown) << c.name;
        EXPECT_EQ(f.Grid->CurrentEditor(), c.kind) << c.name;
    }
}

TEST(ExGridEditing, TheKindComesFromTheHookForTheBaseCellAndItsRealColumn) {
    TEditingForm f;
    f.Grid->HideColumn(1); // display column 1 is real column 2
    f.Grid->MergeCells(2, 2, 2, 2);
    std::vector<std::pair<int, int>> asked;
    f.Grid->OnGetEditorType = [&](TObject*, int col, int row, TEditorType& kind) {
        asked.emplace_back(col, row);
        kind = edComboList;
    };
    f.Grid->FocusCell(1, 3, true); // a non-base cell of the merged area moves to its base
    f.Grid->ShowInplaceEdit();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), std::make_pair(2, 2));
    EXPECT_EQ(f.Grid->Fake.Calls.front(), "Begin 2,2");
}

TEST(ExGridEditing, ControlCellsOpenNoEditor) {
    TEditingForm f;
    f.Grid->AddCheckBox(1, 1, false, false);
    f.Grid->ShowInplaceEdit();
    EXPECT_FALSE(f.Grid->EditMode);
    EXPECT_FALSE(f.Grid->EditorMode());
}

TEST(ExGridEditing, AnEditorControlRunsBeginPlaceLoadThenApplyIntoTheCellAndEnd) {
    TEditingForm f(edSpinEdit);
    f.Grid->HideColumn(1); // display column 1 is real column 2 from here on
    f.Grid->SetCells(2, 1, "7");
    f.Grid->FocusCell(1, 1, true);
    int done = 0;
    f.Grid->OnEditingDone = [&](TObject*) { ++done; };
    f.Grid->ShowInplaceEdit();
    TFakeCellEditor& fake = f.Grid->Fake;
    // The value as loaded is asked for once: leaving the editor with it stores nothing.
    EXPECT_EQ(fake.Calls, (std::vector<std::string>{"Begin 2,1", "Place", "Load 7", "Apply"}));
    const TRect cell = f.Grid->CellRect(1, 1);
    EXPECT_EQ(fake.Placed, (TRect{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1}))
        << "one pixel less each way: the grid lines stay visible";
    EXPECT_TRUE(f.Grid->EditActive());

    fake.Value = "8";
    f.Grid->HideInplaceEdit();
    f.Grid->HideInplaceEdit(); // a second hide has nothing left to do
    EXPECT_EQ(f.Grid->Cells(2, 1), "8");
    EXPECT_EQ(std::count(fake.Calls.begin(), fake.Calls.end(), "End"), 1);
    EXPECT_FALSE(f.Grid->EditMode);
    EXPECT_FALSE(f.Grid->EditActive());
    EXPECT_EQ(done, 1) << "OnEditingDone fires at once";
    EXPECT_TRUE(f.Grid->EditDoneMessages.empty()) << "the message is posted, not sent";
    f.Pump();
    ASSERT_EQ(f.Grid->EditDoneMessages.size(), 1u);
    EXPECT_EQ(f.Grid->EditDoneMessages[0].Col, 2u) << "the real column";
    EXPECT_EQ(f.Grid->EditDoneMessages[0].Row, 1);
}

TEST(ExGridEditing, ActionControlsStoreNothingAndOtherKindsStoreWhatTheyHold) {
    struct Case {
        TEditorType kind;
        std::string stored;
    };
    const Case cases[] = {
        {edCheckBox, "old"}, {edButton, "old"},      {edComboList, "new"},
        {edEditBtn, "new"},  {edUnitEditBtn, "new"}, {edColorPickerDropDown, "new"},
    };
    for (const Case& c : cases) {
        TEditingForm f(c.kind);
        f.Grid->SetCells(1, 1, "old");
        f.Grid->ShowInplaceEdit();
        f.Grid->Fake.Value = "new";
        f.Grid->HideInplaceEdit();
        EXPECT_EQ(f.Grid->Cells(1, 1), c.stored) << c.kind;
        EXPECT_FALSE(f.Grid->Fake.Open) << c.kind;
    }
}

TEST(ExGridEditing, AVetoKeepsTheControlOpenWithTheCellUntouched) {
    TEditingForm f(edEditBtn);
    f.Grid->SetCells(1, 1, "old");
    f.Grid->ShowInplaceEdit();
    f.Grid->Fake.Value = "half typed";
    f.Grid->Fake.Veto = true;
    f.Grid->HideInplaceEdit();
    EXPECT_TRUE(f.Grid->Fake.Open);
    EXPECT_TRUE(f.Grid->EditMode);
    EXPECT_EQ(f.Grid->Cells(1, 1), "old");
    f.Grid->Fake.Veto = false;
    f.Grid->HideInplaceEdit();
    EXPECT_EQ(f.Grid->Cells(1, 1), "half typed");
}

TEST(ExGridEditing, TheStartKeyIsTypedIntoTheControlOnce) {
    TEditingForm f(edComboEdit);
    f.Grid->FStartEditChar = u'x';
    f.Grid->ShowInplaceEdit();
    EXPECT_EQ(f.Grid->Fake.Calls.back(), "Key x");
    EXPECT_EQ(f.Grid->FStartEditChar, 0);
}

TEST(ExGridEditing, WithoutAControlLeavingOnlyReportsTheEditDone) {
    TEditingForm f(edCustom);
    f.Grid->OfferFake = false; // a custom kind without its link
    f.Grid->SetCells(1, 1, "kept");
    int done = 0;
    f.Grid->OnEditingDone = [&](TObject*) { ++done; };
    f.Grid->ShowInplaceEdit();
    EXPECT_TRUE(f.Grid->EditMode);
    f.Grid->HideInplaceEdit();
    f.Pump();
    EXPECT_EQ(done, 1);
    EXPECT_EQ(f.Grid->EditDoneMessages.size(), 1u);
    EXPECT_EQ(f.Grid->Cells(1, 1), "kept");
}

TEST(ExGridEditing, TheEditDoneMessageCarriesLargeRowAndColumnNumbersWhole) {
    TEditingForm f;
    f.Grid->PostEditDone(70000, 123456);
    f.Pump();
    ASSERT_EQ(f.Grid->EditDoneMessages.size(), 1u);
    EXPECT_EQ(f.Grid->EditDoneMessages[0].Col, 70000u);
    EXPECT_EQ(f.Grid->EditDoneMessages[0].Row, 123456);
}

TEST(ExGridEditing, ShowCellEditOpensAsF2AndEscapeGivesTheTextBack) {
    TEditingForm f;
    f.Grid->SetCells(1, 1, "before");
    f.Grid->ShowCellEdit();
    ASSERT_TRUE(f.Grid->EditorMode());
    EXPECT_EQ(f.Editor()->Text(), "before");
    f.Editor()->SetText("after");
    InputSimulation::KeyDown(f.Editor(), VK_ESCAPE);
    EXPECT_FALSE(f.Grid->EditorMode());
    EXPECT_FALSE(f.Grid->EditMode);
    EXPECT_EQ(f.Grid->Cells(1, 1), "before");
}

TEST(ExGridEditing, TypingOnTheGridOpensTheEditorWithTheKey) {
    TEditingForm f;
    f.Grid->SetCells(1, 1, "old");
    InputSimulation::TypeChar(f.Grid, u'n');
    ASSERT_TRUE(f.Grid->EditorMode());
    EXPECT_EQ(f.Editor()->Text(), "n");
}

TEST(ExGridEditing, MarkUpReachesTheEditorOnlyWithEditWithTags) {
    for (bool withTags : {false, true}) {
        TEditingForm f;
        f.Grid->EditWithTags = withTags;
        f.Grid->SetCells(1, 1, "<b>bold</b>");
        EXPECT_EQ(f.Grid->GetEditorText(1, 1), withTags ? "<b>bold</b>" : "bold");
    }
}

TEST(ExGridEditing, FooterRowsAndRightFixedColumnsAreFixed) {
    TEditingForm f;
    f.Grid->SetFixedFooters(1);
    f.Grid->SetFixedRightCols(1);
    struct Case {
        int col, row;
        bool fixed;
    };
    const Case cases[] = {{0, 2, true}, {2, 0, true}, {2, 2, false},
                          {2, 5, true}, {4, 2, true}, {3, 4, false}};
    for (const Case& c : cases)
        EXPECT_EQ(f.Grid->IsFixed(c.col, c.row), c.fixed) << c.col << "," << c.row;
}

TEST(ExGridEditing, WhetherACellAllowsEditing) {
    TEditingForm f;
    f.Grid->SetReadOnly(2, 2, true);
    f.Grid->OnCanEditCell = [](TObject*, int row, int col, bool& canEdit) {
        if (row == 3 && col == 3)
            canEdit = false;
    };
    struct Case {
        int col, row;
        bool allows;
    };
    const Case cases[] = {{1, 1, true},  {2, 2, false}, {3, 3, false},
                          {0, 1, false}, {1, 0, false}, {1, -1, false}};
    for (const Case& c : cases)
        EXPECT_EQ(f.Grid->IsEditable(c.col, c.row), c.allows) << c.col << "," << c.row;
    f.Grid->SetOptions(f.Grid->Options() >> goEditing);
    EXPECT_FALSE(f.Grid->IsEditable(1, 1)) << "no editing option";
}

TEST(ExGridEditing, ANegativeCellIsNeverSelected) {
    TEditingForm f;
    EXPECT_FALSE(f.Grid->CanSelectCell(1, -1));
    EXPECT_FALSE(f.Grid->CanSelectCell(-1, 1));
    EXPECT_TRUE(f.Grid->CanSelectCell(2, 2));
}

TEST(ExGridEditing, TabBelongsToTheEditorWhenTheGridTabsOrValidates) {
    TEditingForm f;
    EXPECT_FALSE(f.Grid->EditorWantsTab());
    f.Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool&) {};
    EXPECT_TRUE(f.Grid->EditorWantsTab());
    f.Grid->OnCellValidate = nullptr;
    f.Grid->SetOptions(f.Grid->Options() << goTabs);
    EXPECT_TRUE(f.Grid->EditorWantsTab());
}

TEST(ExGridEditing, TheSmallHooksAnswerTheirEvents) {
    TEditingForm f;
    f.Grid->FocusCell(2, 3, true);
    f.Grid->OnEllipsClick = [](TObject*, int col, int row, std::string& s) {
        s += "@" + std::to_string(col) + "," + std::to_string(row);
    };
    std::string s = "x";
    f.Grid->EllipsClick(s);
    EXPECT_EQ(s, "x@2,3");
    f.Grid->OnIsPasswordCell = [](TObject*, int row, int col, bool& is) { is = col == 4; };
    EXPECT_TRUE(f.Grid->IsPasswordCell(4, 1));
    EXPECT_FALSE(f.Grid->IsPasswordCell(3, 1));
    f.Grid->FCellCache = "cached";
    f.Grid->RestoreCellCache();
    EXPECT_EQ(f.Grid->Cells(2, 3), "cached");

    std::vector<std::string> changing;
    f.Grid->OnRowChanging = [&](TObject*, int, int, bool&) { changing.push_back("row"); };
    f.Grid->OnColChanging = [&](TObject*, int, int, bool&) { changing.push_back("col"); };
    f.Grid->OnCellChanging = [&](TObject*, int, int, int, int, bool& allow) {
        changing.push_back("cell");
        allow = false;
    };
    f.Grid->FocusCell(3, 4, true);
    EXPECT_EQ(changing, (std::vector<std::string>{"row", "col", "cell"}));
    EXPECT_EQ(f.Grid->Col(), 2) << "a refused change keeps the current cell";
}

TEST(ExGridEditing, AFailingKindHandlerLeavesTheGridReadyForTheNextEdit) {
    TEditingForm f;
    f.Grid->OnGetEditorType = [](TObject*, int, int, TEditorType&) {
        throw std::runtime_error("no kind");
    };
    EXPECT_THROW(f.Grid->ShowInplaceEdit(), std::runtime_error);
    EXPECT_FALSE(f.Grid->EditMode);
    f.Grid->OnGetEditorType = nullptr;
    f.Grid->ShowInplaceEdit();
    EXPECT_TRUE(f.Grid->EditorMode());
    int changes = 0;
    f.Grid->OnEditChange = [&](TObject*, int, int, const std::string&) { ++changes; };
    InputSimulation::TypeChar(f.Editor(), u'z');
    EXPECT_EQ(changes, 1) << "the editor's change events are not left silenced";
}
