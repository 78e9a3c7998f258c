// The text editor over cells that show several lines: it edits the lines the cell shows, breaks
// a line on Enter or Ctrl+Enter only where the grid allows it, and keeps the stored breaks.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/SizeWhileTyping.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MessageBeep.h"

#include <gtest/gtest.h>

#include <vector>

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

// A line break entered with Ctrl or Shift held gives the row a line more at once (reported as
// the end of a row sizing) where the row grows while typing in a cell of several lines.
TEST(ExInplaceEditLines, ALineBreakWithCtrlOrShiftGrowsTheRowWhenAsked) {
    struct Case {
        const char* name;
        TShiftState shift;
        bool sizeWhileTyping;
        bool taller;
    };
    const Case cases[] = {
        {"ctrl+enter", TShiftState() << ssCtrl, true, true},
        {"shift+enter", TShiftState() << ssShift, true, true},
        {"plain enter", TShiftState(), true, false},
        {"not asked to grow", TShiftState() << ssCtrl, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TEditingForm f;
        f.Grid->SetWordWrap(false);
        f.Grid->Multilinecells = true;
        f.Grid->Navigation()->AllowCtrlEnter = true;
        f.Grid->Navigation()->LineFeedOnEnter = true;
        f.Grid->SizeWhileTyping()->Height = c.sizeWhileTyping;
        std::vector<int> rowSizes;
        f.Grid->OnEndRowSize = [&](TObject*, int row) { rowSizes.push_back(row); };
        f.Grid->SetCells(1, 1, "one");
        const int oneLine = f.Grid->RowHeights(1);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(f.Grid->EditorMode());
        const bool ctrl = c.shift.Contains(ssCtrl);
        std::vector<int> heights;
        for (const char* line : {"two", "three"}) {
            f.Editor()->SetSelStart(100);
            InputSimulation::KeyPress(f.Editor(), VK_RETURN, ctrl ? u'\n' : u'\r', c.shift);
            ASSERT_TRUE(f.Grid->EditorMode()) << "the editor stays open";
            heights.push_back(f.Grid->RowHeights(1));
            for (const char* p = line; *p; ++p)
                InputSimulation::TypeChar(f.Editor(), *p);
        }
        EXPECT_EQ(f.Editor()->Text(), "one\r\ntwo\r\nthree");
        if (c.taller) {
            EXPECT_GT(heights[0], oneLine) << "room for the second line";
            EXPECT_GT(heights[1], heights[0]) << "and for the third";
            EXPECT_EQ(rowSizes, (std::vector<int>{1, 1}));
        } else {
            EXPECT_EQ(heights[1], oneLine);
            EXPECT_TRUE(rowSizes.empty());
        }
    }
}
