// The in-place editor over a cell that shows several lines: the stored line breaks come back as
// they were, positions count them as stored, Up and Down leave the cell only from the edge
// lines, and right-to-left reading puts the text on the right.
#include "StringGridControlTestGrid.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Font.h"
#include "platform/ui/InplaceEdit.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>

using namespace StringGridTest;

namespace {
// A grid editing cell (1, 2) with its editor in the given layout.
std::unique_ptr<TRecordingGrid> EditingGrid(TEditLines lines, const std::string& text) {
    auto grid = MakeGrid();
    grid->SetOptions(grid->Options() << goEditing);
    grid->SetRowHeights(2, 80);
    grid->SetCells(1, 2, text);
    grid->FocusCell(1, 2, true);
    grid->ShowEditor();
    grid->InplaceEditor()->SetLines(lines);
    grid->InplaceEditor()->LoadCellText(text);
    return grid;
}
} // namespace

TEST(InplaceEditLines, StoredLineBreaksComeBackAsTheyWere) {
    const std::string texts[] = {
        "one\r\ntwo\r\n", "one\ntwo", "one\rtwo", "no break at all", "a\u00a0b\r\n\tc", "",
    };
    for (const std::string& text : texts) {
        auto grid = EditingGrid(elWordWrap, text);
        TInplaceEdit* editor = grid->InplaceEditor();
        EXPECT_EQ(editor->Text(), text);
        EXPECT_EQ(grid->Cells(1, 2), text) << "loading changes nothing in the cell";
        editor->SetLines(elSingleLine);
        EXPECT_EQ(editor->Text(), text) << "the text survives a change of layout";
    }
}

TEST(InplaceEditLines, PositionsCountALineBreakAsStored) {
    auto grid = EditingGrid(elMultiLine, "ab\r\ncd");
    TInplaceEdit* editor = grid->InplaceEditor();
    editor->SetSelStart(1);
    editor->SetSelLength(4);
    EXPECT_EQ(editor->SelText(), "b\r\nc");
    EXPECT_EQ(editor->SelStart(), 1);
    EXPECT_EQ(editor->SelLength(), 4);
    editor->SetSelText("X");
    EXPECT_EQ(editor->Text(), "aXd");
    EXPECT_EQ(editor->SelStart(), 2);
    editor->InsertLineBreak();
    EXPECT_EQ(editor->Text(), "aX\r\nd");
    EXPECT_EQ(editor->SelStart(), 4) << "the caret stands after the whole break";
    EXPECT_EQ(grid->Cells(1, 2), "aX\r\nd") << "every change reaches the cell";
}

TEST(InplaceEditLines, TypingGoesIntoTheEditorOfTheLayoutInUse) {
    for (TEditLines lines : {elSingleLine, elMultiLine, elWordWrap}) {
        auto grid = EditingGrid(lines, "");
        InputSimulation::TypeChar(grid->InplaceEditor(), u'q');
        EXPECT_EQ(grid->InplaceEditor()->Text(), "q") << lines;
        EXPECT_EQ(grid->Cells(1, 2), "q") << lines;
    }
}

TEST(InplaceEditLines, UpAndDownLeaveTheCellOnlyFromTheEdgeLines) {
    struct Case {
        const char* name;
        TEditLines lines;
        int caret;
        WORD key;
        int row; // the current row afterwards
    };
    const Case cases[] = {
        {"up inside the text", elMultiLine, 5, VK_UP, 2},
        {"up from the first line", elMultiLine, 1, VK_UP, 1},
        {"down inside the text", elMultiLine, 1, VK_DOWN, 2},
        {"down from the last line", elMultiLine, 11, VK_DOWN, 3},
        {"one line leaves at once", elSingleLine, 5, VK_UP, 1},
    };
    for (const Case& c : cases) {
        auto grid = EditingGrid(c.lines, "one\r\ntwo\r\nsix");
        grid->InplaceEditor()->SetSelStart(c.caret);
        InputSimulation::KeyPress(grid->InplaceEditor(), c.key);
        EXPECT_EQ(grid->Row(), c.row) << c.name;
        EXPECT_EQ(grid->Cells(1, 2), "one\r\ntwo\r\nsix") << c.name;
        if (c.row == 2) {
            EXPECT_NE(grid->InplaceEditor()->SelStart(), c.caret) << c.name << ": the caret moved";
        }
    }
}

TEST(InplaceEditLines, EnterNeverBreaksALineByItself) {
    auto grid = EditingGrid(elWordWrap, "ab");
    InputSimulation::KeyPress(grid->InplaceEditor(), VK_RETURN, u'\r', TShiftState() << ssShift);
    InputSimulation::KeyPress(grid->InplaceEditor(), VK_RETURN, u'\n', TShiftState() << ssCtrl);
    EXPECT_EQ(grid->Cells(1, 2), "ab");
}

// Left-aligned text of a right-to-left editor stands at its right edge, on one line and on many.
TEST(InplaceEditLines, RightToLeftReadingPutsTheTextOnTheRight) {
    for (TEditLines lines : {elSingleLine, elWordWrap}) {
        for (bool rightToLeft : {false, true}) {
            auto grid = EditingGrid(lines, "iiii");
            TInplaceEdit* editor = grid->InplaceEditor();
            editor->SetAlignment(taLeftJustify);
            editor->SetRightToLeftReading(rightToLeft);
            editor->SetColor(clWhite);
            editor->Font()->SetColor(clBlack);
            TBitmap bitmap(editor->Width(), editor->Height());
            editor->PaintTo(bitmap.Canvas(), 0, 0);
            int left = 0, right = 0; // dark pixels in each half
            for (int y = 0; y < bitmap.Height(); ++y)
                for (int x = 0; x < bitmap.Width(); ++x)
                    if ((bitmap.Pixel(x, y) & 0xFF) < 0x80)
                        (x < bitmap.Width() / 2 ? left : right) += 1;
            EXPECT_GT(left + right, 0) << lines;
            EXPECT_EQ(right > left, rightToLeft) << lines << " rtl " << rightToLeft;
        }
    }
}
