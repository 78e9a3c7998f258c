// Elliptic and rounded clips, and the point test that matches the elliptic clip.
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A 40 by 40 white picture filled red through the clip the setup gives.
std::unique_ptr<TBitmap> FilledThrough(void (*Clip)(TCanvas*)) {
    auto bitmap = std::make_unique<TBitmap>(40, 40);
    TCanvas* canvas = bitmap->Canvas();
    Clip(canvas);
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(0, 0, 40, 40));
    canvas->ResetClip();
    return bitmap;
}

} // namespace

TEST(CanvasRegions, AnEllipticClipKeepsTheEllipseAndDropsTheCorners) {
    TBitmap bitmap(40, 40);
    bitmap.Canvas()->IntersectClipEllipse(Rect(10, 10, 30, 30));
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 40, 40));
    const struct {
        TPoint P;
        bool Inside;
    } cases[] = {{{20, 20}, true},  {{10, 20}, true},  {{20, 11}, true}, {{11, 11}, false},
                 {{28, 28}, false}, {{30, 20}, false}, {{5, 5}, false},  {{20, 29}, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(bitmap.Pixel(c.P.X, c.P.Y) == clRed, c.Inside) << c.P.X << "," << c.P.Y;
        EXPECT_EQ(PointInEllipseRegion(Rect(10, 10, 30, 30), c.P), c.Inside)
            << c.P.X << "," << c.P.Y;
    }
}

TEST(CanvasRegions, ClipsNarrowTheClipAlreadySet) {
    const auto ellipse = FilledThrough([](TCanvas* c) {
        c->SetClipRect(Rect(0, 0, 20, 40));
        c->IntersectClipEllipse(Rect(0, 0, 40, 40));
    });
    EXPECT_EQ(ellipse->Pixel(15, 20), clRed);
    EXPECT_EQ(ellipse->Pixel(25, 20), clWhite) << "outside the rectangle set first";
    const auto rounded =
        FilledThrough([](TCanvas* c) { c->IntersectClipRoundRect(Rect(0, 0, 40, 40), 20, 20); });
    EXPECT_EQ(rounded->Pixel(0, 0), clWhite) << "the rounded corner";
    EXPECT_EQ(rounded->Pixel(39, 39), clWhite);
    EXPECT_EQ(rounded->Pixel(0, 20), clRed) << "the straight edge";
    EXPECT_EQ(rounded->Pixel(20, 20), clRed);
}
