// The colour cube: the honeycomb's cells, hit testing, the hot cell and its hint, and a click
// choosing a cell.
#include "grid/dropdown/ColorCubePanel.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ColorCube : public ::testing::Test {
protected:
    void SetUp() override {
        cube.ResetHotCell();
        cube.OnSelect = [this](TObject*) { selected.push_back(cube.SelectedIndex()); };
        cube.OnShouldHide = [this](TObject*) { ++hides; };
    }
    TPoint CentreOf(int number) const { return cube.Cell(number).Centre; }

    TExColorCubePanel cube{nullptr};
    std::vector<int> selected;
    int hides = 0;
};

} // namespace

TEST_F(ColorCube, CellsFormThirteenRowsWideningToTheMiddle) {
    struct Case {
        int Number;
        TPoint Centre;
        unsigned Rrggbb;
    };
    const std::vector<Case> cases = {
        {1, {55, 20}, 0x003366},     {7, {127, 20}, 0x000066},   {8, {49, 30}, 0x006666},
        {58, {19, 80}, 0x003300},    {64, {91, 80}, 0xFFFFFF},   {70, {163, 80}, 0x660066},
        {101, {121, 110}, 0xFF0066}, {121, {55, 140}, 0x663300}, {127, {127, 140}, 0xA50021},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cube.Cell(c.Number).Centre, c.Centre) << c.Number;
        EXPECT_EQ(cube.Cell(c.Number).Color, WebColor(c.Rrggbb)) << c.Number;
    }
    EXPECT_EQ(cube.Width(), 182);
    EXPECT_EQ(cube.Height(), 160);
}

TEST_F(ColorCube, APointBelongsToTheLowestCellWithinSixPixels) {
    struct Case {
        TPoint P;
        int Expected;
    };
    const std::vector<Case> cases = {
        {{55, 20}, 1},  {{61, 20}, 1},  {{55, 26}, 1}, // edge of the circle
        {{55, 27}, -1}, // midway between rows, farther than 6 from every centre
        {{52, 25}, 1},  // within 6 of cells 1 and 8: the lower number wins
        {{0, 0}, -1},   {{91, 80}, 64},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cube.CellAtPos(c.P.X, c.P.Y), c.Expected) << c.P.X << "," << c.P.Y;
}

TEST_F(ColorCube, SelectedColourFramesTheFirstCellOfThatColour) {
    struct Case {
        TColor Color;
        int Expected;
    };
    const std::vector<Case> cases = {
        {clWhite, 64}, {0x123456, -1}, {WebColor(0x003366), 1}, {clNone, -1}};
    for (const Case& c : cases) {
        cube.SetSelectedColor(c.Color);
        EXPECT_EQ(cube.SelectedIndex(), c.Expected) << std::hex << c.Color;
        EXPECT_EQ(cube.SelectedColor(), c.Color);
    }
}

TEST_F(ColorCube, AClickOnACellChoosesItAndAClickBetweenCellsDoesNothing) {
    InputSimulation::Click(&cube, CentreOf(30));
    EXPECT_EQ(cube.SelectedIndex(), 30);
    EXPECT_EQ(cube.SelectedColor(), WebColor(0x3399FF));
    InputSimulation::Click(&cube, {55, 27});
    EXPECT_EQ(cube.SelectedIndex(), 30);
    InputSimulation::Click(&cube, CentreOf(64), mbRight);
    EXPECT_EQ(cube.SelectedColor(), clWhite);
    EXPECT_EQ(selected, (std::vector<int>{30, 64}));
    EXPECT_EQ(hides, 3) << "every release asks the picker to close";
}

TEST_F(ColorCube, TheHintNamesTheChannelsOfTheHotCellAndTheFrameStaysOffTheCells) {
    InputSimulation::MouseMove(&cube, CentreOf(101));
    EXPECT_EQ(cube.HotIndex(), 101);
    EXPECT_EQ(cube.Hint(), "Red: 255,  Green: 0,  Blue: 102");
    InputSimulation::MouseMove(&cube, {0, 0});
    EXPECT_EQ(cube.Hint(), "");
    EXPECT_EQ(cube.HotIndex(), 101) << "the last hot cell keeps its frame";
    cube.SetShowRGBHint(false);
    EXPECT_FALSE(cube.ShowHint());
    InputSimulation::MouseMove(&cube, CentreOf(2));
    EXPECT_EQ(cube.HotIndex(), 2);
    EXPECT_EQ(cube.Hint(), "");
    cube.ResetHotCell();
    EXPECT_EQ(cube.HotIndex(), -1);
}

TEST_F(ColorCube, TheSelectedFrameIsPaintedOverTheHotFrame) {
    cube.SetSelectedColor(clWhite);
    InputSimulation::MouseMove(&cube, CentreOf(64));
    TBitmap bitmap;
    bitmap.SetSize(cube.Width(), cube.Height());
    cube.PaintTo(bitmap.Canvas(), 0, 0);
    const TPoint c = CentreOf(64);
    EXPECT_EQ(bitmap.Pixel(c.X - 5, c.Y), clBlack);
    EXPECT_EQ(bitmap.Pixel(c.X - 4, c.Y), clWhite);
    const TPoint other = CentreOf(65);
    EXPECT_EQ(bitmap.Pixel(other.X - 5, other.Y), cube.Cell(65).Color);
}
