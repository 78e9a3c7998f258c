#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A white 12 x 12 bitmap with a black frame around (2, 2)-(10, 10).
std::unique_ptr<TBitmap> FramedBitmap() {
    auto bitmap = std::make_unique<TBitmap>(12, 12);
    bitmap->Canvas()->Brush()->SetColor(clBlack);
    bitmap->Canvas()->FrameRect(Rect(2, 2, 10, 10));
    return bitmap;
}

int CountPixels(const TBitmap& bitmap, TColor color) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            count += bitmap.Pixel(x, y) == color;
    return count;
}

} // namespace

TEST(CanvasFloodFill, BorderFillStopsAtTheBorderColour) {
    auto bitmap = FramedBitmap();
    bitmap->Canvas()->Brush()->SetColor(clRed);
    bitmap->Canvas()->FloodFill(5, 5, clBlack, fsBorder);
    EXPECT_EQ(CountPixels(*bitmap, clRed), 36) << "the 6 x 6 inside";
    EXPECT_EQ(bitmap->Pixel(1, 1), clWhite);
    EXPECT_EQ(bitmap->Pixel(2, 2), clBlack);
}

TEST(CanvasFloodFill, SurfaceFillSpreadsThroughOneColourOnly) {
    auto bitmap = FramedBitmap();
    bitmap->Canvas()->Brush()->SetColor(clBlue);
    bitmap->Canvas()->FloodFill(2, 5, clBlack, fsSurface);
    EXPECT_EQ(CountPixels(*bitmap, clBlue), 28) << "the frame";
    EXPECT_EQ(CountPixels(*bitmap, clBlack), 0);
}

TEST(CanvasFloodFill, DoesNotLeakThroughADiagonalLine) {
    TBitmap bitmap(10, 10);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Pen()->SetColor(clBlack);
    canvas->MoveTo(0, 0);
    canvas->LineTo(10, 10);
    canvas->Brush()->SetColor(clRed);
    canvas->FloodFill(8, 1, clBlack, fsBorder);
    EXPECT_EQ(bitmap.Pixel(1, 8), clWhite) << "the other side of the line";
    EXPECT_EQ(bitmap.Pixel(9, 0), clRed);
}

TEST(CanvasFloodFill, StaysInsideTheClipAndIgnoresAStartOutsideIt) {
    auto bitmap = FramedBitmap();
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->SetClipRect(Rect(0, 0, 6, 12));
    canvas->FloodFill(8, 5, clBlack, fsBorder);
    EXPECT_EQ(CountPixels(*bitmap, clRed), 0);
    canvas->FloodFill(5, 5, clBlack, fsBorder);
    EXPECT_EQ(CountPixels(*bitmap, clRed), 18) << "three columns of the inside";
    EXPECT_EQ(bitmap->Pixel(6, 5), clWhite);
}

namespace {

// Fills the inside of a frame while painting.
class FloodControl : public TCustomControl {
public:
    explicit FloodControl(TComponent* owner) : TCustomControl(owner) {
        SetColor(clWhite);
        SetBounds(0, 0, 12, 12);
    }

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(clBlack);
        Canvas()->FrameRect(Rect(2, 2, 10, 10));
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FloodFill(5, 5, clBlack, fsBorder);
    }
};

} // namespace

TEST(CanvasFloodFill, WorksOnAControlsCanvasWhileItPaints) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* control = new FloodControl(form.get());
    control->SetParent(form.get());
    TBitmap bitmap(20, 20);

    control->PaintTo(bitmap.Canvas(), 4, 4);

    EXPECT_EQ(CountPixels(bitmap, clRed), 36);
    EXPECT_EQ(bitmap.Pixel(4 + 5, 4 + 5), clRed) << "in the control's place";
}
