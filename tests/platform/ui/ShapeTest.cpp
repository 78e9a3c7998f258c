#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Shape.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ShapeCase {
    const char* Name;
    TShapeType Kind;
    TRect Bounds;
    TPoint Probe;
    TColor Expected;
};

class ShapeDrawing : public ::testing::TestWithParam<ShapeCase> {};

// A shape with a red outline and a blue fill on a white form.
TEST_P(ShapeDrawing, DrawsOutlineAndFillInsideItsBounds) {
    const ShapeCase& c = GetParam();
    auto form = std::make_unique<TestForm>(nullptr);
    form->SetColor(clWhite);
    auto* shape = new TShape(form.get());
    shape->SetParent(form.get());
    shape->SetShape(c.Kind);
    shape->SetBoundsRect(c.Bounds);
    shape->Pen()->SetColor(clRed);
    shape->Brush()->SetColor(clBlue);
    TBitmap bitmap(form->Width(), form->Height());

    form->PaintTo(bitmap.Canvas(), 0, 0);

    EXPECT_EQ(bitmap.Pixel(c.Probe.X, c.Probe.Y), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShapeDrawing,
    ::testing::Values(
        ShapeCase{"RectangleOutline", stRectangle, Bounds(10, 10, 30, 20), {10, 10}, clRed},
        ShapeCase{"RectangleFill", stRectangle, Bounds(10, 10, 30, 20), {25, 20}, clBlue},
        ShapeCase{"RectangleOutside", stRectangle, Bounds(10, 10, 30, 20), {9, 9}, clWhite},
        ShapeCase{"RectangleLastColumn", stRectangle, Bounds(10, 10, 30, 20), {39, 20}, clRed},
        ShapeCase{"OnePixelHighIsALine", stRectangle, Bounds(10, 50, 100, 1), {60, 50}, clRed},
        ShapeCase{"CircleCornerIsEmpty", stCircle, Bounds(10, 10, 40, 40), {11, 11}, clWhite},
        ShapeCase{"CircleCentreIsFilled", stCircle, Bounds(10, 10, 40, 40), {30, 30}, clBlue},
        ShapeCase{
            "SquareIsCentredInAWideControl", stSquare, Bounds(10, 10, 60, 20), {15, 20}, clWhite}),
    [](const ::testing::TestParamInfo<ShapeCase>& info) { return std::string(info.param.Name); });

} // namespace
