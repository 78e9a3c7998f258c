#include "platform/ui/HintWindow.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <vector>

TEST(HintWindow, StartsHiddenOnTheInfoColour) {
    THintWindow hint(nullptr);
    EXPECT_FALSE(hint.Visible());
    EXPECT_EQ(hint.Color(), clInfoBk);
    EXPECT_EQ(hint.Font()->Color(), clInfoText);
}

TEST(HintWindow, CalcHintRectFitsTheTextWithItsMargins) {
    THintWindow hint(nullptr);
    TCanvas* canvas = hint.Canvas();
    const std::string text = "Full text of a narrow cell";
    TRect r = hint.CalcHintRect(0, text, nullptr);
    EXPECT_EQ(r.TopLeft(), (TPoint{0, 0}));
    EXPECT_EQ(r.Width(), canvas->TextWidth(text) + 8);
    EXPECT_EQ(r.Height(), canvas->TextHeight(text) + 6);
    // A maximum width wraps the text into more lines.
    TRect wrapped = hint.CalcHintRect(canvas->TextWidth("Full text of"), text, nullptr);
    EXPECT_LT(wrapped.Width(), r.Width());
    EXPECT_GE(wrapped.Height(), 2 * canvas->TextHeight(text) + 6);
}

TEST(HintWindow, ActivateHintShowsTheTextInsideTheMonitor) {
    const TRect monitor = MonitorRectNear({0, 0});
    struct Case {
        TRect R;
        TRect Expected;
    };
    const std::vector<Case> cases = {
        {Bounds(100, 100, 60, 20), Bounds(100, 100, 60, 20)},
        // Past the right and bottom edges: moved back in.
        {Bounds(monitor.Right - 30, 50, 60, 20), Bounds(monitor.Right - 60, 50, 60, 20)},
        {Bounds(40, monitor.Bottom - 5, 60, 20), Bounds(40, monitor.Bottom - 20, 60, 20)},
        // Before the left and top edges: moved in as well.
        {Bounds(monitor.Left - 25, monitor.Top - 9, 60, 20),
         Bounds(monitor.Left, monitor.Top, 60, 20)},
    };
    for (const Case& c : cases) {
        THintWindow hint(nullptr);
        hint.ActivateHint(c.R, "Hint text");
        EXPECT_TRUE(hint.Visible());
        EXPECT_EQ(hint.Caption(), "Hint text");
        EXPECT_EQ(hint.BoundsRect(), c.Expected) << c.R.Left << "," << c.R.Top;
        hint.ReleaseHandle();
        EXPECT_FALSE(hint.Visible());
    }
}

TEST(HintWindow, PaintsFrameBackgroundAndText) {
    THintWindow hint(nullptr);
    TRect r = hint.CalcHintRect(0, "Hint", nullptr);
    OffsetRect(r, 50, 50);
    hint.ActivateHint(r, "Hint");
    TBitmap bitmap(r.Width(), r.Height());
    hint.PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.Pixel(0, 0), ColorToRGB(clInfoText));
    EXPECT_EQ(bitmap.Pixel(r.Width() - 1, r.Height() - 1), ColorToRGB(clInfoText));
    EXPECT_EQ(bitmap.Pixel(1, 1), ColorToRGB(clInfoBk));
    int textPixels = 0;
    for (int y = 1; y < r.Height() - 1; ++y)
        for (int x = 1; x < r.Width() - 1; ++x)
            textPixels += bitmap.Pixel(x, y) != ColorToRGB(clInfoBk);
    EXPECT_GT(textPixels, 5);
}
