// The text editor over cells that show several lines: it edits the lines the cell shows, breaks
// a line on Enter or Ctrl+Enter only where the grid allows it, and keeps the stored breaks.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/Navigation.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MessageBeep.h"

#include <gtest/gtest.h>

using namespace EditingTest;

TEST(ExInplaceEditLines, TheEditorLaysOutTheLinesAsTheCellShowsThem) {
    struct Case {
        const char* name;
        bool gridWraps;
        bool multilineCells;
        bool cellWraps;    // the cell's own property, set when true
        bool eventUnwraps; // OnGetWordWrap turns wrapping off
        TEditorType kind;
        TEditLines lines;
    };
    const Case cases[] = {
        {"the grid wraps", true, false, false, false, edNormal, elWordWrap},
        {"one line", false, false, false, false, edNormal, elSingleLine},
        {"line breaks without wrapping", false, true, false, false, edNormal, elMultiLine},
        {"the cell wraps on its own", false, false, true, false, edNormal, elWordWrap},
        {"the event unwraps the cell", true, false, false, true, edNumeric, elSingleLine},
        {"a password stays on one line", true, true, false, false, edPassword, elSingleLine},
    };
    for (const Case& c : cases) {
        TEditingForm f(c.kind);
        f.Grid->SetWordWrap(c.gridWraps);
        f.Grid->Multilinecells = c.multilineCells;
        if (c.cellWraps)
            f.Grid->SetWordWraps(1, 1, true);
        if (c.eventUnwraps)
            f.Grid->OnGetWordWrap = [](TObject*, int, int, bool& wraps) { wraps = false; };
        f.Grid->SetCells(1, 1, "12");
        f.Grid->ShowInplaceEdit();
        ASSERT_TRUE(f.Grid->EditorMode()) << c.name;
        EXPECT_EQ(f.Editor()->Lines(), c.lines) << c.name;
        EXPECT_EQ(f.Editor()->Text(), "12") << c.name;
    }
}

TEST(ExInplaceEditLines, EnterBreaksALineOnlyWhereTheGridAllowsIt) {
    struct Case {
        const char* name;
        bool gridWraps;
        bool lineFeedOnEnter;
        bool allowCtrlEnter;
        TEditorType kind;
        bool ctrl;
        std::string text; // the cell afterwards
        bool editing;     // the editor still open
        int beeps;
    };
    const Case cases[] = {
        {"enter ends the edit", true, false, true, edNormal, false, "12", false, 0},
        {"enter breaks the line", true, true, true, edNormal, false, "1\r\n2", true, 0},
        {"enter breaks no number", true, true, true, edNumeric, false, "12", true, 0},
        {"enter in a one-line cell", false, true, true, edNormal, false, "12", true, 0},
        {"ctrl+enter breaks the line", true, false, true, edNormal, true, "1\r\n2", true, 0},
        {"ctrl+enter not allowed", true, false, false, edNormal, true, "12", true, 0},
        {"ctrl+enter in a one-line cell", false, false, true, edNormal, true, "12", true, 0},
        {"ctrl+enter refused by a number", true, false, true, edNumeric, true, "12", true, 1},
        {"ctrl+enter with line feed on enter", true, true, true, edUpperCase, true, "1\r\n2", true,
         0},
    };
    for (const Case& c : cases) {
        TEditingForm f(c.kind);
        f.Grid->SetWordWrap(c.gridWraps);
        f.Grid->Navigation()->LineFeedOnEnter = c.lineFeedOnEnter;
        f.Grid->Navigation()->AllowCtrlEnter = c.allowCtrlEnter;
        f.Grid->SetCells(1, 1, "12");
        f.Grid->ShowInplaceEdit();
        f.Editor()->SetSelStart(1);
        const int beepsBefore = MessageBeepCount();
        TShiftState shift;
        if (c.ctrl)
            shift << ssCtrl;
        InputSimulation::KeyPress(f.Editor(), VK_RETURN, c.ctrl ? u'\n' : u'\r', shift);
        EXPECT_EQ(f.Grid->Cells(1, 1), c.text) << c.name;
        EXPECT_EQ(f.Grid->EditorMode(), c.editing) << c.name;
        EXPECT_EQ(MessageBeepCount() - beepsBefore, c.beeps) << c.name;
    }
}

TEST(ExInplaceEditLines, AnEditKeepsTheLineBreaksTheCellHolds) {
    for (const char* stored : {"one\ntwo", "one\r\ntwo", "one\rtwo"}) {
        TEditingForm f;
        f.Grid->Multilinecells = true;
        std::string validated;
        f.Grid->OnCellValidate = [&](TObject*, int, int, std::string& value, bool&) {
            validated = value;
        };
        f.Grid->SetCells(1, 1, stored);
        f.Grid->ShowInplaceEdit();
        f.Editor()->SetSelStart(100);
        InputSimulation::TypeChar(f.Editor(), u'!');
        InputSimulation::KeyPress(f.Editor(), VK_RETURN, u'\r');
        EXPECT_EQ(validated, std::string(stored) + "!") << "validation sees the stored breaks";
        EXPECT_EQ(f.Grid->Cells(1, 1), std::string(stored) + "!");
        EXPECT_FALSE(f.Grid->EditorMode());
    }
}

TEST(ExInplaceEditLines, UpWalksTheLinesBeforeItLeavesTheCell) {
    TEditingForm f;
    int validations = 0;
    f.Grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++validations; };
    f.Grid->FocusCell(1, 2, true);
    f.Grid->SetCells(1, 2, "one\r\ntwo");
    f.Grid->ShowInplaceEdit();
    ASSERT_EQ(f.Editor()->Lines(), elWordWrap);
    f.Editor()->SetText("one\r\ntwo!");
    f.Editor()->SetSelStart(7);
    InputSimulation::KeyPress(f.Editor(), VK_UP);
    EXPECT_EQ(f.Grid->Row(), 2) << "the caret goes up a line";
    EXPECT_TRUE(f.Grid->EditorMode());
    EXPECT_EQ(validations, 0);
    EXPECT_LT(f.Editor()->SelStart(), 3);
    InputSimulation::KeyPress(f.Editor(), VK_UP);
    EXPECT_EQ(f.Grid->Row(), 1) << "from the first line Up leaves the cell";
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(f.Grid->Cells(1, 2), "one\r\ntwo!");
}

TEST(ExInplaceEditLines, ChangingTheLayoutWhileEditingKeepsTheEditGoing) {
    TEditingForm f;
    f.Grid->SetCells(1, 1, "kept");
    f.Grid->ShowInplaceEdit();
    ASSERT_TRUE(f.Editor()->Focused());
    for (bool wraps : {false, true}) {
        f.Editor()->SetWordWrap(wraps);
        EXPECT_EQ(f.Editor()->Lines(), wraps ? elWordWrap : elSingleLine);
        EXPECT_TRUE(f.Editor()->Focused()) << wraps;
        EXPECT_TRUE(f.Grid->EditorMode()) << wraps;
        EXPECT_EQ(f.Editor()->Text(), "kept") << wraps;
    }
    f.Pump();
    EXPECT_TRUE(f.Grid->EditDoneMessages.empty()) << "the editor never lost the focus";
}
