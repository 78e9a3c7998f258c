// A rich-text cell is drawn with its formatting: the colour and the size its runs carry, as the
// in-place rich editor shows them while the cell is edited.
#include "GridPixels.h"

#include "platform/core/RtfText.h"
#include "platform/ui/Bitmap.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Reddish(TColor pixel) {
    const int r = pixel & 0xFF;
    const int g = (pixel >> 8) & 0xFF;
    const int b = (pixel >> 16) & 0xFF;
    return r > 150 && g < 90 && b < 90;
}

struct RichDrawCase {
    const char* Name;
    TRtfCharFormat Format;
    // Checks the drawn cell against the same text drawn plainly.
    bool (*Differs)(const TBitmap& Rich, const TBitmap& Plain, const TRect& Cell);
};

class RichCellFormattingDraw : public ::testing::TestWithParam<RichDrawCase> {};

TEST_P(RichCellFormattingDraw, TheCellShowsTheFormatOfItsRuns) {
    const RichDrawCase& c = GetParam();
    auto grid = GridPixels::PlainGrid(160, 60, 0);
    // Inside the cell's grid lines, which run through its whole height.
    const TRect outer = grid->CellRect(1, 1);
    const TRect cell{outer.Left + 1, outer.Top + 1, outer.Right - 1, outer.Bottom - 1};
    grid->SetCells(1, 1, WriteRtf({{"Alarm", c.Format}}));
    auto rich = GridPixels::Render(*grid);
    rich->SaveToFile(::testing::TempDir() + "rich_cell_" + c.Name + ".png");
    grid->SetCells(1, 1, "Alarm");
    auto plain = GridPixels::Render(*grid);
    ASSERT_TRUE(GridPixels::InkBox(*rich, cell, GridPixels::White)) << "the text is drawn";
    EXPECT_TRUE(c.Differs(*rich, *plain, cell));
}

RichDrawCase RedCase() {
    TRtfCharFormat format;
    format.Color = 0x0000FF;
    return {"Red", format, [](const TBitmap& Rich, const TBitmap&, const TRect& Cell) {
                return GridPixels::Box(Rich, Cell, Reddish).has_value();
            }};
}

RichDrawCase LargeCase() {
    TRtfCharFormat format;
    format.SizeHalfPoints = 48;
    return {"Large", format, [](const TBitmap& Rich, const TBitmap& Plain, const TRect& Cell) {
                const auto rich = GridPixels::InkBox(Rich, Cell, GridPixels::White);
                const auto plain = GridPixels::InkBox(Plain, Cell, GridPixels::White);
                return rich && plain &&
                       rich->Bottom - rich->Top > 3 * (plain->Bottom - plain->Top) / 2;
            }};
}

INSTANTIATE_TEST_SUITE_P(ExGridPaint, RichCellFormattingDraw,
                         ::testing::Values(RedCase(), LargeCase()),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
