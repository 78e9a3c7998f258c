// Sizing a row or a column to its cells measures a rich-text cell as it shows its text: in the
// size its runs carry, not in the grid's font.
#include "GridPixels.h"

#include "platform/core/RtfText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RichSizeCase {
    const char* Name;
    int (*Sized)(TExStringGrid& Grid); // sizes the grid and answers the measured extent
};

class RichCellAutoSize : public ::testing::TestWithParam<RichSizeCase> {};

TEST_P(RichCellAutoSize, ALargeRunMakesTheRowOrColumnLarger) {
    const RichSizeCase& c = GetParam();
    auto measure = [&](int SizeHalfPoints) {
        auto grid = GridPixels::PlainGrid(40, 20, 0);
        TRtfCharFormat format;
        format.SizeHalfPoints = SizeHalfPoints;
        grid->SetCells(1, 1, WriteRtf({{"Alarm level", format}}));
        return c.Sized(*grid);
    };
    const int normal = measure(20);
    const int large = measure(60);
    EXPECT_GT(large, normal * 2) << "a 30 pt run against a 10 pt one";
}

INSTANTIATE_TEST_SUITE_P(
    ExGridSizing, RichCellAutoSize,
    ::testing::Values(RichSizeCase{"Row",
                                   [](TExStringGrid& Grid) {
                                       Grid.AutoSizeRow(1);
                                       return Grid.RowHeights(1);
                                   }},
                      RichSizeCase{"Column",
                                   [](TExStringGrid& Grid) {
                                       Grid.AutoSizeCol(1);
                                       return Grid.ColWidths(1);
                                   }}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
