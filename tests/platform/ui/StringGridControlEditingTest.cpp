#include "StringGridControlTestGrid.h"

#include "platform/ui/InplaceEdit.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace StringGridTest;

TEST(StringGridControl, EditorLoadsEditsAndCancels) {
    auto grid = MakeGrid();
    grid->SetOptions(grid->Options() << goEditing);
    grid->SetCells(2, 2, "before");
    std::vector<std::string> written;
    grid->OnSetEditText = [&](TObject*, int, int, const std::string& value) {
        written.push_back(value);
    };
    grid->FocusCell(2, 2, true);
    InputSimulation::KeyDown(grid.get(), VK_F2);
    ASSERT_TRUE(grid->EditorMode());
    TInplaceEdit* editor = grid->InplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Text(), "before");
    EXPECT_EQ(editor->BoundsRect(), grid->CellRect(2, 2));

    editor->SetText("after");
    EXPECT_EQ(grid->Cells(2, 2), "after") << "every change reaches the cell";
    InputSimulation::KeyDown(editor, VK_ESCAPE);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(2, 2), "before") << "Escape gives the cell its text back";
    EXPECT_EQ(written, (std::vector<std::string>{"after", "before"}));
}

TEST(StringGridControl, EditorMovesOnWithArrowsAndClosesOnEnter) {
    auto grid = MakeGrid();
    grid->SetOptions(grid->Options() << goEditing);
    grid->FocusCell(2, 2, true);
    grid->ShowEditor();
    grid->InplaceEditor()->SetText("typed");
    InputSimulation::KeyDown(grid->InplaceEditor(), VK_DOWN);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_FALSE(grid->EditorMode()) << "leaving the cell ends the edit";
    EXPECT_EQ(grid->Cells(2, 2), "typed");

    grid->ShowEditor();
    InputSimulation::KeyDown(grid->InplaceEditor(), VK_RETURN);
    EXPECT_FALSE(grid->EditorMode());
    InputSimulation::KeyPress(grid.get(), VK_RETURN, '\r');
    EXPECT_TRUE(grid->EditorMode());
}

TEST(StringGridControl, EditorOpensOnlyWhereEditingIsAllowed) {
    struct Case {
        const char* name;
        TGridOptions extra;
        TGridCoord cell;
        bool opens;
    };
    const Case cases[] = {
        {"editing", {goEditing}, {2, 2}, true},
        {"no editing", {}, {2, 2}, false},
        {"row select", {goEditing, goRowSelect}, {2, 2}, false},
        {"fixed cell", {goEditing}, {0, 2}, false},
    };
    for (const Case& c : cases) {
        auto grid = MakeGrid();
        grid->SetOptions(grid->Options() + c.extra);
        grid->FocusCell(c.cell.X, c.cell.Y, true);
        grid->ShowEditor();
        EXPECT_EQ(grid->EditorMode(), c.opens) << c.name;
    }
}

TEST(StringGridControl, EditorShowsTextWrittenToItsCell) {
    auto grid = MakeGrid();
    grid->SetOptions(grid->Options() << goEditing);
    grid->FocusCell(3, 3, true);
    grid->ShowEditor();
    grid->SetCells(3, 3, "from code");
    EXPECT_EQ(grid->InplaceEditor()->Text(), "from code");
    grid->SetCells(4, 3, "elsewhere");
    EXPECT_EQ(grid->InplaceEditor()->Text(), "from code");
}

TEST(StringGridControl, FreeingTheEditorEarlyLeavesTheGridWhole) {
    auto grid = MakeGrid();
    grid->SetOptions(grid->Options() << goEditing);
    grid->ShowEditor();
    delete grid->InplaceEditor();
    EXPECT_EQ(grid->InplaceEditor(), nullptr);
    EXPECT_FALSE(grid->EditorMode());
    grid->ShowEditor(); // a new one is made
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_NE(grid->InplaceEditor(), nullptr);
}

TEST(StringGridControl, EditorTakesTheCellsEditLimit) {
    struct TLimitedGrid : TRecordingGrid {
        using TRecordingGrid::TRecordingGrid;
        int CellEditLimit() override { return 4; }
    };
    TLimitedGrid grid(nullptr);
    grid.SetOptions(grid.Options() << goEditing);
    grid.SetCells(1, 1, "abcdef");
    grid.ShowEditor();
    TInplaceEdit* editor = grid.InplaceEditor();
    EXPECT_EQ(editor->MaxLength(), 4);
    EXPECT_EQ(editor->Text(), "abcdef") << "a longer cell text is shown whole";
    EXPECT_EQ(grid.Cells(1, 1), "abcdef");
    editor->SetText("ab");
    editor->SetSelStart(2);
    for (char16_t ch : std::u16string(u"cde"))
        InputSimulation::TypeChar(editor, ch);
    EXPECT_EQ(editor->Text(), "abcd") << "typing stops at the limit";
    EXPECT_EQ(grid.Cells(1, 1), "abcd");
}
