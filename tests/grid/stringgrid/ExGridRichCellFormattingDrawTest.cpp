// A rich-text cell is drawn with its formatting: the colour, size and raise its runs carry and its
// paragraphs, as the in-place rich editor shows them while the cell is edited.
#include "GridPixels.h"

#include "platform/core/RtfText.h"
#include "platform/ui/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

struct RichDrawCase {
    const char* Name;
    TRtfRuns Runs;
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
    grid->SetCells(1, 1, WriteRtf(c.Runs));
    auto rich = GridPixels::Render(*grid);
    GridPixels::SaveRichCellPicture(*rich, std::string("rich_cell_") + c.Name);
    grid->SetCells(1, 1, RtfPlainText(c.Runs));
    auto plain = GridPixels::Render(*grid);
    ASSERT_TRUE(GridPixels::InkBox(*rich, cell, GridPixels::White)) << "the text is drawn";
    EXPECT_TRUE(c.Differs(*rich, *plain, cell));
}

RichDrawCase RedCase() {
    TRtfCharFormat format;
    format.Color = 0x0000FF;
    return {"Red", {{"Alarm", format}}, [](const TBitmap& Rich, const TBitmap&, const TRect& Cell) {
                return GridPixels::Box(Rich, Cell, GridPixels::Reddish).has_value();
            }};
}

RichDrawCase LargeCase() {
    TRtfCharFormat format;
    format.SizeHalfPoints = 48;
    return {"Large",
            {{"Alarm", format}},
            [](const TBitmap& Rich, const TBitmap& Plain, const TRect& Cell) {
                const auto rich = GridPixels::InkBox(Rich, Cell, GridPixels::White);
                const auto plain = GridPixels::InkBox(Plain, Cell, GridPixels::White);
                return rich && plain &&
                       rich->Bottom - rich->Top > 3 * (plain->Bottom - plain->Top) / 2;
            }};
}

RichDrawCase RaisedCase() {
    TRtfCharFormat raised;
    raised.OffsetHalfPoints = 12;
    return {"Raised",
            {{"Alarm", {}}, {"2", raised}},
            [](const TBitmap& Rich, const TBitmap&, const TRect& Cell) {
                const auto all = GridPixels::InkBox(Rich, Cell, GridPixels::White);
                if (!all)
                    return false;
                // The digit is the rightmost ink; it ends above the base line of the word.
                const TRect digitArea{all->Right - 4, Cell.Top, all->Right, Cell.Bottom};
                const auto digit = GridPixels::InkBox(Rich, digitArea, GridPixels::White);
                return digit && digit->Bottom < all->Bottom - 4;
            }};
}

RichDrawCase TwoParagraphsCase() {
    return {"TwoParagraphs",
            {{"Alarm\nlevel", {}}},
            [](const TBitmap& Rich, const TBitmap&, const TRect& Cell) {
                const auto all = GridPixels::InkBox(Rich, Cell, GridPixels::White);
                // Under the capitals of "Alarm", which has no descender.
                const TRect secondLine{Cell.Left, all ? all->Top + 11 : Cell.Top, Cell.Right,
                                       Cell.Bottom};
                const auto below = GridPixels::InkBox(Rich, secondLine, GridPixels::White);
                // "level" stands under "Alarm", from the same left edge.
                return all && below && std::abs(below->Left - all->Left) <= 2 &&
                       below->Bottom > all->Top + 18;
            }};
}

INSTANTIATE_TEST_SUITE_P(ExGridPaint, RichCellFormattingDraw,
                         ::testing::Values(RedCase(), LargeCase(), RaisedCase(),
                                           TwoParagraphsCase()),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
