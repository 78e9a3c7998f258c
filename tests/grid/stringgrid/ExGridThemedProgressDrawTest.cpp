// Progress cells in the desktop style's own bar: the chunk fills the cell's share of the bar from
// the left, kept to 0..100 percent; other looks keep the plain two-colour bar.
#include "ExGridTestGrid.h"
#include "GridPixels.h"

#include "grid/stringgrid/ControlLook.h"
#include "platform/ui/Bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

using GridPixels::Green;
using GridPixels::Red;

const TRect ThemedCell{100, 30, 200, 60};

// A progress cell (1, 1) at Value percent, drawn by the style when Themed.
std::unique_ptr<TBitmap> ProgressPicture(double Value, bool Themed,
                                         TGridControlStyle Style = csTheme) {
    auto grid = GridPixels::PlainGrid(100, 30, 1);
    grid->AddProgress(1, 1, Red, Green);
    grid->SetFloats(1, 1, Value);
    grid->ControlLook()->SetControlStyle(Style);
    grid->ControlLook()->SetProgressXP(Themed);
    return GridPixels::Render(*grid);
}

// The box of the cell's pixels where the two pictures differ.
std::optional<TRect> ProgressDifference(const TBitmap& A, const TBitmap& B) {
    std::optional<TRect> box;
    for (int y = ThemedCell.Top; y < ThemedCell.Bottom; ++y)
        for (int x = ThemedCell.Left; x < ThemedCell.Right; ++x) {
            if (A.Pixel(x, y) == B.Pixel(x, y))
                continue;
            if (!box)
                box = TRect{x, y, x + 1, y + 1};
            box->Left = std::min(box->Left, x);
            box->Right = std::max(box->Right, x + 1);
            box->Top = std::min(box->Top, y);
            box->Bottom = std::max(box->Bottom, y + 1);
        }
    return box;
}

} // namespace

TEST(ExGridThemedProgressDraw, TheChunkFillsTheValuesShareFromTheLeft) {
    const auto empty = ProgressPicture(0, true);
    const auto full = ProgressPicture(100, true);
    EXPECT_FALSE(GridPixels::ColourBox(*full, ThemedCell, Red)) << "the style's colours, not the cell's";
    const auto fullSpan = ProgressDifference(*empty, *full);
    ASSERT_TRUE(fullSpan) << "a full bar shows its chunk";
    const int inside = fullSpan->Right - fullSpan->Left;
    EXPECT_GT(inside, 80);
    for (const double value : {25.0, 50.0, 75.0}) {
        const auto span = ProgressDifference(*empty, *ProgressPicture(value, true));
        ASSERT_TRUE(span) << value;
        EXPECT_EQ(span->Left, fullSpan->Left) << value;
        EXPECT_NEAR(span->Right - span->Left, inside * value / 100, 4) << value;
    }
    EXPECT_FALSE(ProgressDifference(*full, *ProgressPicture(150, true))) << "above 100 fills 100";
    EXPECT_FALSE(ProgressDifference(*empty, *ProgressPicture(-20, true))) << "below 0 fills nothing";
}

TEST(ExGridThemedProgressDraw, OtherLooksKeepThePlainBar) {
    struct Case {
        const char* what;
        bool themed;
        TGridControlStyle style;
    } cases[] = {{"without ProgressXP", false, csTheme},
                 {"classic control style", true, csClassic},
                 {"flat control style", true, csFlat}};
    for (const Case& c : cases) {
        const auto bitmap = ProgressPicture(50, c.themed, c.style);
        const auto filled = GridPixels::ColourBox(*bitmap, ThemedCell, Red);
        const auto rest = GridPixels::ColourBox(*bitmap, ThemedCell, Green);
        ASSERT_TRUE(filled && rest) << c.what;
        EXPECT_LT(filled->Left, rest->Left) << c.what;
    }
    const auto xpStyle = ProgressPicture(50, true, csWinXP);
    EXPECT_FALSE(GridPixels::ColourBox(*xpStyle, ThemedCell, Red)) << "the XP style is themed too";
}
