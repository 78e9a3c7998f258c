// The colour spectrum: its layout, the swatches, and a press choosing the colour under the
// pointer.
#include "grid/dropdown/ColorSpectrumPanel.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Image.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class ColorSpectrum : public ::testing::Test {
protected:
    void SetUp() override {
        panel.ArrangeSpectrum();
        panel.OnSelect = [this](TObject*) { ++selects; };
        panel.OnShouldHide = [this](TObject*) { ++hides; };
    }
    TImage* picture() { return panel.SpectrumImage(); }

    TExColorSpectrumPanel panel{nullptr};
    int selects = 0;
    int hides = 0;
};

} // namespace

TEST_F(ColorSpectrum, ThePictureIsCentredWithTheSwatchesBelowIt) {
    EXPECT_EQ(panel.Width(), 150);
    EXPECT_EQ(panel.Height(), 174);
    EXPECT_EQ(picture()->BoundsRect(), Rect(11, 10, 139, 138));
    EXPECT_EQ(panel.SelectedRect(), Rect(10, 146, 73, 166));
    EXPECT_EQ(panel.HotRect(), Rect(77, 146, 140, 166));
}

TEST_F(ColorSpectrum, StartsWithWhiteChosenAndNoHotColour) {
    EXPECT_EQ(panel.SelectedColor(), clWhite);
    EXPECT_EQ(panel.HotColor(), clNone);
}

TEST_F(ColorSpectrum, TheSpectrumHoldsManyColoursFromWhiteToBlack) {
    std::set<TColor> colours;
    for (int y = 0; y < 128; y += 8)
        for (int x = 0; x < 128; x += 8)
            colours.insert(panel.SpectrumColorAt(x, y));
    EXPECT_GT(colours.size(), 150u);
    EXPECT_EQ(panel.SpectrumColorAt(0, 0), clWhite);
    EXPECT_EQ(panel.SpectrumColorAt(0, 64), clRed);
    EXPECT_EQ(panel.SpectrumColorAt(128, 0), clNone);
    EXPECT_EQ(panel.SpectrumColorAt(-1, 5), clNone);
}

TEST_F(ColorSpectrum, APressChoosesTheColourUnderThePointerEvenWithoutAMoveFirst) {
    for (TPoint p : {TPoint{0, 64}, TPoint{40, 30}, TPoint{100, 120}, TPoint{127, 127}}) {
        panel.ArrangeSpectrum();
        InputSimulation::MouseDown(picture(), mbLeft, p);
        EXPECT_EQ(panel.SelectedColor(), panel.SpectrumColorAt(p.X, p.Y)) << p.X << "," << p.Y;
        EXPECT_NE(panel.SelectedColor(), clNone);
        InputSimulation::MouseUp(picture(), mbLeft, p);
    }
    EXPECT_EQ(selects, 4);
    EXPECT_EQ(hides, 4);
}

TEST_F(ColorSpectrum, MovingOverThePictureShowsTheHotColour) {
    InputSimulation::MouseMove(picture(), {20, 100});
    EXPECT_EQ(panel.HotColor(), panel.SpectrumColorAt(20, 100));
    EXPECT_EQ(panel.SelectedColor(), clWhite);
    EXPECT_EQ(selects, 0);
    panel.ArrangeSpectrum();
    EXPECT_EQ(panel.HotColor(), clNone);
}

TEST_F(ColorSpectrum, AReleaseOutsideThePictureAlsoAsksToClose) {
    InputSimulation::Click(&panel, {5, 160});
    EXPECT_EQ(hides, 1);
    EXPECT_EQ(selects, 0);
}

TEST_F(ColorSpectrum, TheSwatchesShowTheChosenAndTheHotColour) {
    InputSimulation::MouseDown(picture(), mbLeft, {0, 64});
    InputSimulation::MouseMove(picture(), {0, 0});
    TBitmap bitmap;
    bitmap.SetSize(panel.Width(), panel.Height());
    panel.PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.Pixel(40, 156), clRed);
    EXPECT_EQ(bitmap.Pixel(100, 156), clWhite);
    EXPECT_EQ(bitmap.Pixel(9, 145), 0x808080u) << "grey frame around the chosen swatch";
    EXPECT_EQ(bitmap.Pixel(11, 74), clRed) << "the spectrum itself";
}
