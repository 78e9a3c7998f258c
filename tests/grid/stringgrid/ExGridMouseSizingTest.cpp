// Sizing and moving columns and rows by mouse: fixed columns and rows, the veto and the events
// of the framework's sizing, the sizing hint, and moves with the grid's own drag.
#include "ExGridMouseTestGrid.h"

#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/DragDropSettings.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Two fixed columns of 64 and 40 pixels: the border of column 1 lies at 64 + 1 + 40 = 105.
class ExGridFixedSizing : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetFixedCols(2);
        grid.SetColWidths(0, 64);
        grid.SetColWidths(1, 40);
        grid.OnEndColumnSize = [this](TObject*, int ACol) { ended.push_back(ACol); };
    }
    TMouseTestGrid grid;
    std::vector<int> ended;
};

TEST_F(ExGridFixedSizing, AFixedColumnTakesTheWidthUpToTheRelease) {
    struct Case {
        int release;
        int width;
    } cases[] = {{130, 66}, {100, 36}, {64, 0}, {10, 0}}; // never below zero
    for (const Case& c : cases) {
        grid.SetColWidths(1, 40);
        grid.MouseActions()->SizeFixedCol = true;
        grid.Move(TPoint{103, 50});
        EXPECT_TRUE(grid.FSizeFixed);
        EXPECT_EQ(grid.Cursor(), crHSplit);
        grid.Press(TPoint{103, 50});
        grid.Move(TPoint{c.release, 50}, TShiftState{ssLeft});
        grid.Release(TPoint{c.release, 50});
        EXPECT_EQ(grid.ColWidths(1), c.width) << "release at " << c.release;
        EXPECT_EQ(grid.ColWidths(0), 64);
    }
    EXPECT_EQ(ended, (std::vector<int>{1, 1, 1, 1}));
}

TEST_F(ExGridFixedSizing, WithoutSizeFixedColTheBorderIsNoBorder) {
    grid.Move(TPoint{103, 50});
    EXPECT_FALSE(grid.FSizeFixed);
    EXPECT_NE(grid.Cursor(), crHSplit);
    grid.Drag(TPoint{103, 50}, TPoint{130, 50});
    EXPECT_EQ(grid.ColWidths(1), 40);
    EXPECT_TRUE(ended.empty());
}

TEST_F(ExGridFixedSizing, OnUpdateColumnSizeHasTheLastWord) {
    grid.MouseActions()->SizeFixedCol = true;
    grid.OnUpdateColumnSize = [](TObject*, int, int& AWidth) { AWidth = 50; };
    grid.Drag(TPoint{103, 50}, TPoint{130, 50});
    EXPECT_EQ(grid.ColWidths(1), 50);
}

TEST(ExGridMouseSizing, AFixedRowIsSizedTheSameWay) {
    TMouseTestGrid grid;
    grid.MouseActions()->SizeFixedRow = true;
    std::vector<int> ended;
    grid.OnEndRowSize = [&](TObject*, int ARow) { ended.push_back(ARow); };
    const int border = grid.RowHeights(0);
    grid.Drag(TPoint{100, border - 1}, TPoint{100, 40});
    EXPECT_EQ(grid.RowHeights(0), 40);
    EXPECT_EQ(ended, std::vector<int>{0});
}

// Column 2 is sized at its right border in the header.
TPoint ColumnBorder(TMouseTestGrid& grid, int ACol) {
    return TPoint{grid.CellRect(ACol, 0).Right, 10};
}

TEST(ExGridMouseSizing, OnColumnSizeMayRefuseAColumnSizing) {
    for (const bool allow : {true, false}) {
        TMouseTestGrid grid;
        grid.SetOptions(grid.Options() << goColSizing);
        std::vector<int> asked;
        grid.OnColumnSize = [&](TObject*, int ACol, bool& Allow) {
            asked.push_back(ACol);
            Allow = allow;
        };
        const TPoint border = ColumnBorder(grid, 2);
        grid.Drag(border, TPoint{border.X + 16, 10});
        EXPECT_EQ(grid.ColWidths(2), allow ? 80 : 64) << "allow " << allow;
        ASSERT_FALSE(asked.empty());
        EXPECT_EQ(asked.back(), 2);
    }
}

TEST(ExGridMouseSizing, SizingEventsAndTheHintShowTheWidthBeingDragged) {
    TMouseTestGrid grid;
    grid.SetOptions(grid.Options() << goColSizing);
    grid.HintShowSizing = true;
    std::vector<std::pair<int, int>> sizing;
    grid.OnColumnSizing = [&](TObject*, int ACol, int Size) { sizing.emplace_back(ACol, Size); };
    const TPoint border = ColumnBorder(grid, 2);
    grid.Move(border);
    grid.Press(border);
    grid.Move(TPoint{border.X + 16, 10}, TShiftState{ssLeft});
    ASSERT_NE(grid.SizingHintWindow(), nullptr);
    EXPECT_EQ(grid.SizingHintWindow()->Text(), "cw=<b>80</b>");
    EXPECT_TRUE(grid.SizingHintWindow()->Visible());
    const TPoint corner = grid.ClientToScreen(grid.CellRect(2, 0).TopLeft());
    EXPECT_EQ(grid.SizingHintWindow()->Left(), corner.X);
    grid.Release(TPoint{border.X + 16, 10});
    EXPECT_FALSE(grid.SizingHintWindow()->Visible());
    EXPECT_EQ(sizing.back(), (std::pair<int, int>{2, 80}));
}

// A border dragged over several moves shows each size at once, but the sizing ends once, at the
// release: the end event fires once with the final size, and the other columns (rows) scale by
// the final size, not by the first move.
TEST(ExGridMouseSizing, ADragOfSeveralMovesEndsOnceAtTheRelease) {
    struct Case {
        const char* Name;
        bool Columns;
    };
    for (const Case& c : {Case{"column", true}, Case{"row", false}}) {
        SCOPED_TRACE(c.Name);
        TMouseTestGrid grid;
        grid.SetOptions(grid.Options() << (c.Columns ? goColSizing : goRowSizing));
        grid.MouseActions()->AllColumnSize = true;
        grid.MouseActions()->AllRowSize = true;
        const auto size = [&](int i) { return c.Columns ? grid.ColWidths(i) : grid.RowHeights(i); };
        std::vector<std::pair<int, int>> ended;
        grid.OnEndColumnSize = [&](TObject*, int ACol) { ended.emplace_back(ACol, size(2)); };
        grid.OnEndRowSize = [&](TObject*, int ARow) { ended.emplace_back(ARow, size(2)); };
        const int start = size(2);
        const TRect cell = grid.CellRect(c.Columns ? 2 : 0, c.Columns ? 0 : 2);
        const TPoint border = c.Columns ? TPoint{cell.Right, 10} : TPoint{20, cell.Bottom};
        const auto at = [&](int d) {
            return c.Columns ? TPoint{border.X + d, 10} : TPoint{20, border.Y + d};
        };
        grid.Move(border);
        grid.Press(border);
        for (const int d : {4, 10, start / 2}) {
            grid.Move(at(d), TShiftState{ssLeft});
            EXPECT_EQ(size(2), start + d) << "shown while dragging";
            EXPECT_EQ(size(3), start) << "the others wait for the release";
        }
        EXPECT_TRUE(ended.empty());
        grid.Release(at(start / 2));
        const int final = start + start / 2;
        EXPECT_EQ(ended, (std::vector<std::pair<int, int>>{{2, final}}));
        EXPECT_EQ(size(2), final);
        EXPECT_EQ(size(3), final) << "scaled by the final size";
        EXPECT_EQ(size(0), start) << "the fixed one keeps its size";
    }
}

TEST(ExGridMouseSizing, ASizingReleasedOutsideTheGridIsDropped) {
    TMouseTestGrid grid;
    grid.SetOptions(grid.Options() << goColSizing);
    const TPoint border = ColumnBorder(grid, 2);
    grid.Drag(border, TPoint{grid.Width() + 30, 10});
    EXPECT_EQ(grid.ColWidths(2), 64);
    EXPECT_EQ(grid.GridState(), gsNormal);
    EXPECT_TRUE(grid.Calls.empty()) << "and no header click sorts";
}

class ExGridMouseMoving : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetOptions(grid.Options() << goColMoving);
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.SetCells(c, 0, "H" + std::to_string(c));
    }
    std::vector<std::string> Headers() {
        std::vector<std::string> texts;
        for (int c = 0; c < grid.ColCount(); ++c)
            texts.push_back(grid.Cells(c, 0));
        return texts;
    }
    TMouseTestGrid grid;
};

TEST_F(ExGridMouseMoving, AHeaderDraggedOntoAnotherColumnMovesThere) {
    grid.Drag(grid.Centre(2, 0), grid.Centre(4, 0));
    EXPECT_EQ(Headers(), (std::vector<std::string>{"H0", "H1", "H3", "H4", "H2", "H5"}));
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_TRUE(grid.Calls.empty()) << "a move does not sort";
}

TEST_F(ExGridMouseMoving, NoMoveOntoItselfOrAFixedColumn) {
    const std::vector<std::string> before = Headers();
    for (const TPoint to : {grid.At(2, 0, 5, 5), grid.Centre(0, 0)}) {
        grid.Drag(grid.Centre(2, 0), to);
        EXPECT_EQ(Headers(), before);
    }
}

TEST_F(ExGridMouseMoving, TheMoveEventsMayRefuseTheMoveOrTheDropPlace) {
    struct Case {
        const char* name;
        bool allowMove, allowDrop;
        TCursor cursor; // while over column 4
    } cases[] = {{"refused move", false, true, crDefault}, {"refused drop", true, false, crNoDrop}};
    for (const Case& c : cases) {
        TMouseTestGrid g;
        g.SetOptions(g.Options() << goColMoving);
        g.SetCells(2, 0, "moved?");
        g.OnColumnMove = [&](TObject*, int, bool& Allow) { Allow = c.allowMove; };
        g.OnColumnMoving = [&](TObject*, int, bool& Allow) { Allow = c.allowDrop; };
        g.Move(g.Centre(2, 0));
        g.Press(g.Centre(2, 0));
        g.Move(g.Centre(4, 0), TShiftState{ssLeft});
        EXPECT_EQ(Screen->Cursor(), c.cursor) << c.name;
        g.Release(g.Centre(4, 0));
        EXPECT_EQ(g.Cells(2, 0), "moved?") << c.name;
        EXPECT_EQ(Screen->Cursor(), crDefault) << c.name;
    }
}

TEST_F(ExGridMouseMoving, DraggingBeyondTheRightEdgeScrollsOneColumnPerMove) {
    grid.SetColCount(20);
    grid.Move(grid.Centre(2, 0));
    grid.Press(grid.Centre(2, 0));
    for (int step = 1; step <= 3; ++step) {
        grid.Move(TPoint{grid.Width() + 5 + step, 10}, TShiftState{ssLeft});
        EXPECT_EQ(grid.LeftCol(), 1 + step);
    }
    grid.Release(TPoint{grid.Width() + 9, 10});
}

// Columns where a column of the painted grid differs from another one, over rows From..To.
int RowsDiffering(TMouseTestGrid& grid, int X, int OtherX, int From, int To) {
    TBitmap shot(grid.Width(), grid.Height());
    grid.PaintTo(shot.Canvas(), 0, 0);
    int count = 0;
    for (int y = From; y < To; ++y)
        count += shot.Pixel(X, y) != shot.Pixel(OtherX, y) ? 1 : 0;
    return count;
}

TEST_F(ExGridFixedSizing, ADottedLineFollowsTheFixedBorderBeingDragged) {
    grid.MouseActions()->SizeFixedCol = true;
    grid.Move(TPoint{103, 100});
    grid.Press(TPoint{103, 100});
    grid.Move(TPoint{150, 100}, TShiftState{ssLeft});
    const int dotted = RowsDiffering(grid, 150, 145, 30, 190);
    EXPECT_GT(dotted, 40) << "every other pixel down the grid";
    EXPECT_LT(dotted, 120);
    grid.Move(TPoint{160, 100}, TShiftState{ssLeft});
    EXPECT_EQ(RowsDiffering(grid, 150, 145, 30, 190), 0) << "the line left its old place";
    EXPECT_GT(RowsDiffering(grid, 160, 145, 30, 190), 40);
    grid.Release(TPoint{160, 100});
    EXPECT_EQ(RowsDiffering(grid, 150, 145, 30, 190), 0) << "no line after the release";
    EXPECT_EQ(grid.ColWidths(1), 160 - 64);
}

TEST_F(ExGridMouseMoving, TheHeaderFollowsTheMouseAndArrowsMarkTheDropPlace) {
    grid.DragDropSettings()->ShowCells = false;
    const TPoint from = grid.Centre(2, 0);
    const int ofsX = from.X - grid.CellRect(2, 0).Left;
    const int ofsY = from.Y - grid.CellRect(2, 0).Top;
    grid.Move(from);
    grid.Press(from);
    grid.Move(grid.Centre(3, 0), TShiftState{ssLeft});
    auto* button = grid.HeaderDragButton();
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->Visible());
    EXPECT_EQ(button->Caption(), "H2");
    EXPECT_EQ(button->Width(), grid.ColWidths(2));
    EXPECT_EQ(button->Height(), grid.RowHeights(0));
    const TPoint to = grid.Centre(4, 0);
    grid.Move(to, TShiftState{ssLeft});
    const TPoint at = grid.ClientToScreen(TPoint{to.X - ofsX, to.Y - ofsY});
    EXPECT_EQ((TPoint{button->Left(), button->Top()}), at) << "held where the header was taken";

    // Over column 3, right of the moved one: the drop goes after it.
    TArrowWindow* up = grid.DropArrow(arrUp);
    TArrowWindow* down = grid.DropArrow(arrDown);
    ASSERT_TRUE(up && down);
    const TRect over = grid.CellRect(3, 0);
    const TPoint tl = grid.ClientToScreen(over.TopLeft());
    const TPoint br = grid.ClientToScreen(TPoint{over.Right, over.Bottom});
    EXPECT_TRUE(up->Visible());
    EXPECT_TRUE(down->Visible());
    EXPECT_EQ(up->Left(), tl.X + grid.ColWidths(3) - 5);
    EXPECT_EQ(up->Top(), br.Y);
    EXPECT_EQ(down->Left(), up->Left());
    EXPECT_EQ(down->Top(), tl.Y - 8);
    grid.Move(grid.Centre(1, 0), TShiftState{ssLeft});
    EXPECT_EQ(up->Left(),
              grid.ClientToScreen(grid.CellRect(4, 0).TopLeft()).X + grid.ColWidths(4) - 5);
    grid.Move(grid.Centre(1, 0), TShiftState{ssLeft});
    EXPECT_EQ(up->Left(), grid.ClientToScreen(grid.CellRect(1, 0).TopLeft()).X - 5)
        << "left of the moved one the drop goes before the column";

    grid.Release(grid.Centre(1, 0));
    EXPECT_FALSE(button->Visible());
    EXPECT_FALSE(up->Visible());
    EXPECT_FALSE(down->Visible());
    EXPECT_EQ(Headers(), (std::vector<std::string>{"H0", "H2", "H1", "H3", "H4", "H5"}));
}

TEST_F(ExGridMouseMoving, WithShowCellsAPictureOfTheColumnFollowsInstead) {
    grid.DragDropSettings()->ShowCells = true;
    grid.SetCells(2, 3, "c23");
    grid.Move(grid.Centre(2, 0));
    grid.Press(grid.Centre(2, 0));
    grid.Move(grid.Centre(4, 0), TShiftState{ssLeft});
    TForm* picture = grid.DragImageForm();
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->Visible());
    EXPECT_EQ(picture->Width(), grid.ColWidths(2) + 1);
    EXPECT_GT(picture->Height(), grid.RowHeights(0) * 4) << "the header and the cells below it";
    EXPECT_TRUE(!grid.HeaderDragButton() || !grid.HeaderDragButton()->Visible());
    TBitmap shot(picture->Width(), picture->Height());
    picture->PaintTo(shot.Canvas(), 0, 0);
    const int middle = grid.CellRect(2, 4).Top + 10; // an empty cell
    int marked = 0;
    for (int x = 0; x < shot.Width(); ++x)
        marked += shot.Pixel(x, grid.CellRect(2, 3).Top + 8) != shot.Pixel(x, middle) ? 1 : 0;
    EXPECT_GT(marked, 3) << "the cell text is in the picture";
    grid.Release(grid.Centre(4, 0));
    EXPECT_EQ(grid.DragImageForm(), nullptr);
    EXPECT_EQ(grid.Cells(4, 3), "c23");
}

TEST(ExGridMouseRowMoving, ArrowsBesideTheRowMarkTheDropPlace) {
    TMouseTestGrid grid;
    grid.SetOptions(grid.Options() << goRowMoving);
    grid.Move(grid.Centre(0, 2));
    grid.Press(grid.Centre(0, 2));
    grid.Move(grid.Centre(0, 4), TShiftState{ssLeft});
    grid.Move(grid.Centre(0, 5), TShiftState{ssLeft});
    TArrowWindow* left = grid.DropArrow(arrLeft);
    TArrowWindow* right = grid.DropArrow(arrRight);
    ASSERT_TRUE(left && right);
    const TRect over = grid.CellRect(0, 4);
    const TPoint tl = grid.ClientToScreen(over.TopLeft());
    EXPECT_TRUE(left->Visible());
    EXPECT_TRUE(right->Visible());
    EXPECT_EQ(left->Left(), tl.X - 10);
    EXPECT_EQ(right->Left(), grid.ClientToScreen(TPoint{over.Right, 0}).X);
    EXPECT_EQ(left->Top(), tl.Y + grid.RowHeights(4) - 5);
    grid.Release(grid.Centre(0, 5));
    EXPECT_FALSE(left->Visible());
    EXPECT_FALSE(right->Visible());
}

} // namespace
