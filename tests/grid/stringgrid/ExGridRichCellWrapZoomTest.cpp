// A rich-text cell wraps its words at the cell's width as plain text does, keeping their formats,
// its row is sized to the wrapped lines, and the Ctrl+wheel zoom grows its text as it grows a
// plain cell's.
#include "GridPixels.h"

#include "platform/core/RtfText.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// "Alarm level high in the boiler", the last word red: in a 100 pixel cell it needs two lines.
std::string AlarmText() {
    TRtfCharFormat red;
    red.Color = 0x0000FF;
    return WriteRtf({{"Alarm level high in the ", {}}, {"boiler", red}});
}

// Inside the cell's grid lines.
TRect Inside(TExStringGrid& Grid, int ACol, int ARow) {
    const TRect outer = Grid.CellRect(ACol, ARow);
    return TRect{outer.Left + 1, outer.Top + 1, outer.Right - 1, outer.Bottom - 1};
}

struct WrapCase {
    const char* Name;
    bool WordWrap;
    bool Multilinecells;
    bool Wraps;
};

class RichCellWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(RichCellWrap, TheWordsWrapAtTheCellWidthInTheirFormats) {
    const WrapCase& c = GetParam();
    auto grid = GridPixels::PlainGrid(100, 80, 0);
    grid->SetWordWrap(c.WordWrap);
    grid->Multilinecells = c.Multilinecells;
    grid->SetCells(1, 1, AlarmText());
    auto picture = GridPixels::Render(*grid);
    picture->SaveToFile(::testing::TempDir() + "rich_wrap_" + c.Name + ".png");
    const TRect cell = Inside(*grid, 1, 1);
    const auto ink = GridPixels::InkBox(*picture, cell, GridPixels::White);
    ASSERT_TRUE(ink) << "the text is drawn";
    const auto red = GridPixels::Box(*picture, cell, GridPixels::Reddish);
    if (c.Wraps) {
        EXPECT_GT(ink->Bottom - ink->Top, 18) << "two lines stand below each other";
        ASSERT_TRUE(red) << "the red word is shown";
        EXPECT_GT(red->Top, ink->Top + 10) << "on the second line";
        const auto secondLine = GridPixels::InkBox(
            *picture, TRect{cell.Left, red->Top, cell.Right, red->Bottom}, GridPixels::White);
        ASSERT_TRUE(secondLine);
        EXPECT_LE(std::abs(secondLine->Left - ink->Left), 2) << "from the same left edge";
        EXPECT_LT(red->Left, cell.Right - 20) << "whole, after the words before it";
    } else {
        EXPECT_LT(ink->Bottom - ink->Top, 16) << "one line";
        EXPECT_FALSE(red) << "the red word lies beyond the cell";
    }
}

INSTANTIATE_TEST_SUITE_P(ExGridPaint, RichCellWrap,
                         ::testing::Values(WrapCase{"WordWrap", true, false, true},
                                           WrapCase{"Multilinecells", false, true, true},
                                           WrapCase{"Neither", false, false, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(RichCellWrapRow, AnAutoSizedRowShowsEveryWrappedLine) {
    auto grid = GridPixels::PlainGrid(100, 20, 0);
    grid->SetWordWrap(true);
    grid->SetCells(1, 1, AlarmText());
    grid->AutoSizeRow(1);
    auto picture = GridPixels::Render(*grid);
    picture->SaveToFile(::testing::TempDir() + "rich_wrap_row.png");
    const TRect cell = Inside(*grid, 1, 1);
    const auto ink = GridPixels::InkBox(*picture, cell, GridPixels::White);
    ASSERT_TRUE(ink);
    const auto red = GridPixels::Box(*picture, cell, GridPixels::Reddish);
    ASSERT_TRUE(red) << "the last line is inside the row";
    EXPECT_GT(red->Top, ink->Top + 10) << "below the first line";
    EXPECT_LT(cell.Bottom - ink->Bottom, 16) << "no room for a line more";
}

// The cell's text before and after the user turns the wheel towards himself with Ctrl held.
struct ZoomedInk {
    std::optional<TRect> Before;
    std::optional<TRect> After;
};

ZoomedInk InkAroundCtrlWheel(const std::string& Text) {
    auto grid = GridPixels::PlainGrid(120, 30, 0);
    grid->Font()->SetSize(10);
    grid->SetCells(1, 1, Text);
    ZoomedInk ink;
    ink.Before =
        GridPixels::InkBox(*GridPixels::Render(*grid), Inside(*grid, 1, 1), GridPixels::White);
    InputSimulation::Wheel(grid.get(), TPoint{10, 10}, -120, {ssCtrl});
    grid->SetBounds(0, 0, 400, 300);
    auto picture = GridPixels::Render(*grid);
    picture->SaveToFile(::testing::TempDir() + "rich_zoom_" + std::to_string(IsRtf(Text) ? 1 : 0) +
                        ".png");
    ink.After = GridPixels::InkBox(*picture, Inside(*grid, 1, 1), GridPixels::White);
    return ink;
}

TEST(RichCellZoom, CtrlWheelGrowsARichCellsTextAsAPlainCells) {
    TRtfCharFormat tenPoints;
    tenPoints.SizeHalfPoints = 20;
    struct Case {
        const char* Name;
        std::string Text;
    };
    const Case cases[] = {
        {"a run of its own size", WriteRtf({{"Alarm", tenPoints}})},
        {"a run in the grid's size", WriteRtf({{"Alarm", {}}})},
    };
    const ZoomedInk plain = InkAroundCtrlWheel("Alarm");
    ASSERT_TRUE(plain.Before && plain.After);
    ASSERT_GT(plain.After->Bottom - plain.After->Top, plain.Before->Bottom - plain.Before->Top);
    for (const Case& c : cases) {
        const ZoomedInk rich = InkAroundCtrlWheel(c.Text);
        ASSERT_TRUE(rich.Before && rich.After) << c.Name;
        EXPECT_NEAR(rich.Before->Bottom - rich.Before->Top,
                    plain.Before->Bottom - plain.Before->Top, 1)
            << c.Name << ": the same size before";
        EXPECT_NEAR(rich.After->Bottom - rich.After->Top, plain.After->Bottom - plain.After->Top, 1)
            << c.Name << ": taller as the plain text";
        EXPECT_NEAR(rich.After->Right - rich.After->Left, plain.After->Right - plain.After->Left, 2)
            << c.Name << ": wider as the plain text";
        EXPECT_GT(rich.After->Right - rich.After->Left, rich.Before->Right - rich.Before->Left)
            << c.Name;
    }
}

} // namespace
