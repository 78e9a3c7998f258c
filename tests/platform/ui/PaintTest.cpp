#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/internal/CanvasAccess.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Paints a red square at (2,2)-(6,6) on a blue face.
class SquareControl : public TCustomControl {
public:
    explicit SquareControl(TComponent* owner) : TCustomControl(owner) {
        SetColor(clBlue);
        SetBounds(0, 0, 10, 10);
    }

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(Rect(2, 2, 6, 6));
        ++Paints;
    }

public:
    int Paints = 0;
};

} // namespace

TEST(Paint, CustomControlPaintsIntoABitmapThroughItsCanvas) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* control = new SquareControl(form.get());
    control->SetParent(form.get());
    TBitmap bitmap(10, 10);

    control->PaintTo(bitmap.Canvas(), 0, 0);

    EXPECT_EQ(control->Paints, 1);
    EXPECT_EQ(bitmap.Pixel(2, 2), clRed);
    EXPECT_EQ(bitmap.Pixel(5, 5), clRed);
    EXPECT_EQ(bitmap.Pixel(6, 6), clBlue) << "right and bottom are exclusive";
    EXPECT_EQ(bitmap.Pixel(0, 9), clBlue) << "the face is erased with Color";
}

namespace {

// Draws a half-transparent platform picture through the canvas bridge while painting.
class ImageControl : public TCustomControl {
public:
    explicit ImageControl(TComponent* owner) : TCustomControl(owner) {
        SetColor(clWhite);
        SetBounds(0, 0, 4, 4);
    }

protected:
    void Paint() override {
        QImage picture(2, 2, QImage::Format_ARGB32);
        picture.fill(QColor(0, 0, 0, 128));
        picture.setPixelColor(1, 1, QColor(0, 0, 0, 0));
        TCanvasAccess::DrawImage(*Canvas(), QPoint(1, 1), picture);
        DrewOnPainter = TCanvasAccess::Painter(*Canvas()) != nullptr;
    }

public:
    bool DrewOnPainter = false;
};

} // namespace

TEST(Paint, PlatformPicturesBlendOntoAControlCanvasWhilePainting) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* control = new ImageControl(form.get());
    control->SetParent(form.get());
    TBitmap bitmap(4, 4);

    control->PaintTo(bitmap.Canvas(), 0, 0);

    EXPECT_TRUE(control->DrewOnPainter);
    TColor half = bitmap.Pixel(1, 1);
    EXPECT_GT(GetRValue(half), 100);
    EXPECT_LT(GetRValue(half), 160) << "blended half way to black";
    EXPECT_EQ(bitmap.Pixel(2, 2), clWhite) << "transparent pixels leave the face";
    EXPECT_EQ(TCanvasAccess::Painter(*control->Canvas()), nullptr) << "only while painting";
}
