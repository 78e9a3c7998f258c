#include "grid/stringgrid/HTMLHintWindow.h"
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "platform/core/CodePage.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <vector>

TEST(HTMLHintWindow, SizesHTMLByTheRendererWithItsMargins) {
    THTMLHintWindow hint(nullptr);
    const std::string text = "<b>Bold</b> and plain";
    TBitmap measure(10, 10);
    measure.Canvas()->Font()->Assign(*hint.Font());
    TPoint extent;
    DrawHTMLText(measure.Canvas(), text, Rect(0, 0, 1008, 4096), nullptr, false, nullptr, extent);
    ASSERT_GT(extent.X, 0);
    EXPECT_EQ(hint.CalcHintRect(0, text, nullptr), Rect(0, 0, extent.X + 16, extent.Y + 4));
}

TEST(HTMLHintWindow, PackedWideTextIsUnpackedOnOneLineInTheGridsFont) {
    THTMLHintWindow hint(nullptr);
    const std::string plain = "Wide \xE2\x9C\x93 text";
    const std::string packed = PackWideText(Utf8ToUtf16(plain));
    THTMLHintData data;
    data.FontName = "Courier New";
    TBitmap measure(10, 10);
    measure.Canvas()->Font()->Assign(*hint.Font());
    measure.Canvas()->Font()->SetName("Courier New");
    const TRect r = hint.CalcHintRect(0, packed, &data);
    EXPECT_EQ(hint.FontName, "Courier New");
    EXPECT_EQ(r.Width(), measure.Canvas()->TextWidth(plain) + 8);
    EXPECT_EQ(r.Height(), measure.Canvas()->TextHeight(plain) + 4);
}

TEST(HTMLHintWindow, TakesPicturesAndFontFromTheGridsData) {
    THTMLHintWindow hint(nullptr);
    THTMLHintData data;
    data.Images = reinterpret_cast<const TImageList*>(&data);
    data.FontName = "Arial";
    TObject other;
    hint.ActivateHintData(Bounds(10, 10, 50, 20), "text", &other);
    EXPECT_EQ(hint.Images, nullptr) << "other data is ignored";
    data.Images = nullptr;
    hint.ActivateHintData(Bounds(10, 10, 50, 20), "text", &data);
    EXPECT_EQ(hint.FontName, "Arial");
    EXPECT_TRUE(hint.Visible());
    EXPECT_EQ(hint.Caption(), "text");
}

TEST(HTMLHintWindow, PlacedAtTheTopLeftAndKeptTwoPixelsInsideTheMonitor) {
    const TRect monitor = MonitorRectNear({0, 0});
    THTMLHintWindow probe(nullptr);
    const TRect size = probe.CalcHintRect(0, "<i>Hint</i>", nullptr);
    const int w = size.Width();
    const int h = size.Height();
    struct Case {
        TPoint At;
        TPoint Expected;
    };
    const std::vector<Case> cases = {
        {{100, 80}, {100, 80}},
        {{monitor.Right - 5, 80}, {monitor.Right - 2 - w, 80}},
        {{100, monitor.Bottom - 3}, {100, monitor.Bottom - 2 - h}},
        {{monitor.Right, monitor.Bottom}, {monitor.Right - 2 - w, monitor.Bottom - 2 - h}},
    };
    for (const Case& c : cases) {
        THTMLHintWindow hint(nullptr);
        // The size given is not used: the window takes its text's size.
        hint.ActivateHint(Bounds(c.At.X, c.At.Y, 5, 5), "<i>Hint</i>");
        EXPECT_EQ(hint.BoundsRect(), Bounds(c.Expected.X, c.Expected.Y, w, h))
            << c.At.X << "," << c.At.Y;
    }
}

TEST(HTMLHintWindow, PaintsARaisedFrameAroundTheText) {
    THTMLHintWindow hint(nullptr);
    hint.SetColor(clYellow);
    hint.ActivateHint(Bounds(20, 20, 1, 1), "<b>Hint</b>");
    const int w = hint.Width();
    const int h = hint.Height();
    TBitmap bitmap(w, h);
    hint.PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.Pixel(0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(bitmap.Pixel(0, h - 2), ColorToRGB(cl3DLight));
    EXPECT_EQ(bitmap.Pixel(w / 2, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(bitmap.Pixel(0, h - 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(bitmap.Pixel(w - 1, h / 2), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(bitmap.Pixel(w / 2, h - 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(bitmap.Pixel(2, 2), clYellow);
    int textPixels = 0;
    for (int y = 1; y < h - 1; ++y)
        for (int x = 4; x < w - 4; ++x)
            textPixels += bitmap.Pixel(x, y) != clYellow;
    EXPECT_GT(textPixels, 5);
}
