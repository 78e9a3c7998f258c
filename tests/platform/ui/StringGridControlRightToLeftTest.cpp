// A grid laid out from the right: column 0 stands at the right edge, the vertical scroll bar at
// the left, and the mouse and the Left and Right keys address the cells where they show.
#include "StringGridControlTestGrid.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/InplaceEdit.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/internal/NativeHost.h"

#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

using namespace StringGridTest;

namespace {

// Each column painted in a colour of its own, so a picture tells where each one stands.
TColor ColumnColor(int ACol) {
    static const TColor colors[] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0, 0xC000C0, 0xC0C000};
    return colors[ACol % 6];
}

std::unique_ptr<TRecordingGrid> MakeColouredGrid() {
    auto grid = MakeGrid();
    grid->SetDefaultDrawing(false);
    grid->OnDrawCell = [g = grid.get()](TObject*, int ACol, int ARow, const TRect& ARect,
                                        TGridDrawState) {
        g->Canvas()->Brush()->SetColor(ColumnColor(ACol));
        g->Canvas()->FillRect(ARect);
    };
    return grid;
}

// The first and last x of the pixels of a colour on row y.
std::optional<std::pair<int, int>> Span(const TBitmap& bitmap, int y, TColor color) {
    std::optional<std::pair<int, int>> span;
    for (int x = 0; x < bitmap.Width(); ++x)
        if (bitmap.Pixel(x, y) == color) {
            if (!span)
                span = std::make_pair(x, x);
            span->second = x;
        }
    return span;
}

} // namespace

TEST(StringGridControlRightToLeft, ColumnsStandMirroredFromTheRightEdge) {
    auto grid = MakeColouredGrid();
    grid->SetBiDiMode(bdRightToLeft);
    TBitmap bitmap(grid->Width(), grid->Height());
    grid->PaintTo(bitmap.Canvas(), 0, 0);
    // Columns of 50 pixels with a 1-pixel line after each, counted from the right edge (300).
    for (int c = 0; c < 5; ++c) {
        const auto span = Span(bitmap, 30, ColumnColor(c));
        ASSERT_TRUE(span) << "column " << c;
        EXPECT_EQ(span->second, 299 - 51 * c) << "column " << c;
        EXPECT_EQ(span->first, 250 - 51 * c) << "column " << c;
    }
    EXPECT_EQ(bitmap.Pixel(249, 30), bitmap.Pixel(249, 130))
        << "the line after column 0 lies at its left";
    EXPECT_NE(bitmap.Pixel(249, 30), ColumnColor(0));
    EXPECT_NE(bitmap.Pixel(249, 30), ColumnColor(1));
}

TEST(StringGridControlRightToLeft, TheVerticalScrollBarStandsAtTheLeft) {
    TForm form(nullptr);
    auto grid = MakeColouredGrid();
    grid->SetParent(&form);
    grid->SetScrollBars(ssBoth);
    grid->SetBiDiMode(bdRightToLeft);
    auto* vertical = [&]() -> QScrollBar* {
        for (QScrollBar* bar : NativeHost::Widget(grid.get())->findChildren<QScrollBar*>())
            if (bar->orientation() == Qt::Vertical)
                return bar;
        return nullptr;
    }();
    ASSERT_NE(vertical, nullptr);
    ASSERT_TRUE(vertical->isVisibleTo(NativeHost::Widget(grid.get())));
    EXPECT_EQ(vertical->x(), 0);
    const int thickness = vertical->width();
    EXPECT_EQ(grid->ClientWidth(), 300 - thickness);

    TBitmap bitmap(grid->Width(), grid->Height());
    grid->PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(Span(bitmap, 30, ColumnColor(0))->second, 299) << "column 0 keeps the right edge";
    for (int c = 0; c < 6; ++c)
        if (const auto span = Span(bitmap, 30, ColumnColor(c)))
            EXPECT_GE(span->first, thickness) << "no cell under the bar, column " << c;

    grid->SetBiDiMode(bdLeftToRight);
    EXPECT_EQ(vertical->x(), 300 - thickness) << "back at the right";
}

TEST(StringGridControlRightToLeft, LeftAndRightKeysMoveAsTheyPointOnTheScreen) {
    struct Case {
        const char* name;
        WORD key;
        int startCol;
        int endCol;
    };
    const Case cases[] = {
        {"left goes to the next column", VK_LEFT, 2, 3},
        {"right goes to the previous column", VK_RIGHT, 2, 1},
        {"right stops at the fixed column", VK_RIGHT, 1, 1},
        {"left stops at the last column", VK_LEFT, 9, 9},
    };
    for (const Case& c : cases) {
        auto grid = MakeGrid();
        grid->SetBiDiMode(bdRightToLeft);
        grid->FocusCell(c.startCol, 2, true);
        InputSimulation::KeyPress(grid.get(), c.key);
        EXPECT_EQ(grid->Col(), c.endCol) << c.name;
    }
}

TEST(StringGridControlRightToLeft, ClicksSelectTheCellUnderTheMouse) {
    auto grid = MakeGrid();
    grid->SetBiDiMode(bdRightToLeft);
    InputSimulation::Click(grid.get(), Point(225, 30)); // second column from the right
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{1, 1}));
    InputSimulation::MouseDown(grid.get(), mbLeft, Point(225, 30));
    InputSimulation::MouseMove(grid.get(), Point(125, 70), {ssLeft});
    InputSimulation::MouseUp(grid.get(), mbLeft, Point(125, 70));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 3})) << "a drag to the left widens rightwards";
    InputSimulation::Click(grid.get(), Point(60, 50)); // the fourth column from the left edge
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{4, 2}));
}

TEST(StringGridControlRightToLeft, TextKeepsItsReadingDirectionAtTheCellsRight) {
    auto grid = MakeGrid();
    grid->SetColor(clWhite);
    grid->SetBiDiMode(bdRightToLeft);
    grid->SetCells(1, 1, "LLL");
    TBitmap bitmap(grid->Width(), grid->Height());
    grid->PaintTo(bitmap.Canvas(), 0, 0);
    // Cell (1, 1) shows at x 199..248; its text ends 2 pixels in from the cell's right.
    int first = -1, last = -1, stem = -1, stemInk = 0;
    for (int x = 199; x < 249; ++x) {
        int ink = 0;
        for (int y = 22; y < 41; ++y)
            ink += bitmap.Pixel(x, y) != clWhite;
        if (ink == 0)
            continue;
        first = first < 0 ? x : first;
        last = x;
        if (ink > stemInk)
            stem = x, stemInk = ink;
    }
    ASSERT_GE(first, 0);
    EXPECT_LE(last, 248) << "inside the cell";
    EXPECT_GE(last, 240) << "the text hugs the right of the cell";
    EXPECT_LT(stem - first, 3) << "an L reads as L: its stem at its left";
}

TEST(StringGridControlRightToLeft, TheEditorOpensOverTheMirroredCell) {
    auto grid = MakeGrid();
    grid->SetOptions(grid->Options() << goEditing);
    grid->SetBiDiMode(bdRightToLeft);
    grid->FocusCell(2, 1, true);
    grid->ShowEditor();
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    const QWidget* editor = NativeHost::Widget(grid->InplaceEditor());
    // Cell (2, 1) covers x 148..197 on the screen.
    EXPECT_GE(editor->x(), 147);
    EXPECT_LE(editor->x() + editor->width(), 198);
    EXPECT_GT(editor->width(), 40);
}
