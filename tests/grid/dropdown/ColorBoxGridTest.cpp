// The colour box grid: the palette's layout, selection by mouse and by keyboard, the hot box, and
// the frames a box is painted with.
#include "grid/dropdown/ColorBoxGrid.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class ColorBoxGrid : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetDefaultColorBoxes();
        grid.UpdateItems();
        grid.OnItemSelect = [this](TObject*) { selects.push_back(grid.ItemIndex()); };
    }
    TPoint CentreOf(int index) const {
        const TRect r = grid.GetItemRect(index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void Render(TBitmap& bitmap) {
        bitmap.SetSize(grid.Width(), grid.Height());
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(Rect(0, 0, grid.Width(), grid.Height()));
        grid.DrawItems(bitmap.Canvas());
    }

    TCustomColorSelector grid{nullptr};
    std::vector<int> selects;
};

} // namespace

TEST_F(ColorBoxGrid, ThePaletteLaysOutSixRowsOfTenWithAGapUnderTheStandAloneRow) {
    EXPECT_EQ(grid.Items()->Count(), 60);
    EXPECT_EQ(grid.Width(), 165);
    EXPECT_EQ(grid.Height(), 84);
    const int rowTops[6] = {4, 20, 32, 44, 56, 68};
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 10; ++col)
            EXPECT_EQ(grid.GetItemRect(row * 10 + col), Bounds(4 + 16 * col, rowTops[row], 12, 12))
                << row << "," << col;
    EXPECT_EQ(grid.Items()->GetItem(0)->Color(), clWhite);
    EXPECT_EQ(grid.Items()->GetItem(3)->Color(), RGB(0x1F, 0x49, 0x7D)) << "red comes first";
    EXPECT_EQ(grid.Items()->GetItem(59)->ColorBoxPos(), ipBottom);
}

TEST_F(ColorBoxGrid, FiveColumnsPutTheGapUnderBothRowsOfStandAloneBoxes) {
    grid.SetColumns(5);
    const int rowTops[12] = {4, 20, 36, 48, 60, 72, 84, 96, 108, 120, 132, 144};
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(grid.GetItemRect(row * 5).Top, rowTops[row]) << row;
    EXPECT_EQ(grid.Width(), 4 + 4 * 16 + 12 + 4 + 1);
    grid.SetColumns(0);
    EXPECT_EQ(grid.Columns(), 5) << "a row without boxes is refused";
}

TEST_F(ColorBoxGrid, AnEmptyGridIsOneHundredByFiftyAndHasNoBoxes) {
    grid.Items()->Clear();
    grid.UpdateItems();
    EXPECT_EQ(grid.Width(), 100);
    EXPECT_EQ(grid.Height(), 50);
    EXPECT_EQ(grid.ItemAtPos(10, 10), -1);
    EXPECT_EQ(grid.GetItemRect(0), Rect(-1, -1, -1, -1));
    grid.ProcessKey(VK_DOWN, false, true);
    grid.SelectLast();
    EXPECT_EQ(grid.ItemIndex(), -1);
}

TEST_F(ColorBoxGrid, HitTestingTakesLeftAndTopEdgesButNotRightAndBottom) {
    struct Case {
        TPoint P;
        int Expected;
    };
    const std::vector<Case> cases = {
        {{4, 4}, 0},    {{15, 15}, 0}, {{16, 4}, -1},   {{4, 16}, -1},
        {{20, 20}, 11}, {{3, 4}, -1},  {{159, 79}, 59}, {{160, 79}, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(grid.ItemAtPos(c.P.X, c.P.Y), c.Expected) << c.P.X << "," << c.P.Y;
}

TEST_F(ColorBoxGrid, AClickSelectsTheBoxUnderThePointerAndTakesItsColour) {
    InputSimulation::Click(&grid, CentreOf(25));
    EXPECT_EQ(grid.ItemIndex(), 25);
    EXPECT_EQ(grid.SelectedColor(), WebColor(0xE5B9B7));
    InputSimulation::Click(&grid, CentreOf(25), mbRight);
    InputSimulation::Click(&grid, {2, 2});
    EXPECT_EQ(grid.ItemIndex(), 25) << "a click between boxes keeps the selection";
    EXPECT_EQ(selects, (std::vector<int>{25, 25})) << "every button press counts";
}

TEST_F(ColorBoxGrid, ADisabledBoxTakesNeitherTheHoverNorAClick) {
    grid.Items()->GetItem(7)->SetEnabled(false);
    InputSimulation::MouseMove(&grid, CentreOf(6));
    EXPECT_EQ(grid.ItemHot(), 6);
    InputSimulation::MouseMove(&grid, CentreOf(7));
    EXPECT_EQ(grid.ItemHot(), -1);
    InputSimulation::Click(&grid, CentreOf(7));
    EXPECT_EQ(grid.ItemIndex(), -1);
    grid.SetItemIndex(7);
    EXPECT_EQ(grid.ItemIndex(), -1);
    EXPECT_TRUE(selects.empty());
}

TEST_F(ColorBoxGrid, TheHotBoxFollowsThePointerAndGoesWhenItLeaves) {
    InputSimulation::MouseMove(&grid, CentreOf(12));
    EXPECT_EQ(grid.ItemHot(), 12);
    InputSimulation::MouseMove(&grid, {2, 2});
    EXPECT_EQ(grid.ItemHot(), -1);
    InputSimulation::MouseMove(&grid, CentreOf(40));
    InputSimulation::MouseLeave(&grid);
    EXPECT_EQ(grid.ItemHot(), -1);
    InputSimulation::MouseMove(&grid, CentreOf(40));
    grid.UpdateItems();
    EXPECT_EQ(grid.ItemHot(), -1) << "a new layout clears the hot box";
}

TEST_F(ColorBoxGrid, KeysMoveTheSelection) {
    struct Case {
        int Start;
        WORD Key;
        bool EditorEnabled;
        bool DroppedDown;
        int Expected;
    };
    const std::vector<Case> cases = {
        {3, VK_DOWN, false, true, 13},   {3, VK_UP, false, true, 3},
        {-1, VK_DOWN, false, true, 0},   {-1, VK_UP, false, true, 0},
        {55, VK_DOWN, false, true, 55},  {3, VK_DOWN, false, false, 4},
        {3, VK_UP, false, false, 2},     {3, VK_LEFT, false, true, 2},
        {3, VK_RIGHT, true, true, 4},    {3, VK_RIGHT, true, false, 3},
        {3, VK_LEFT, true, false, 3},    {20, VK_HOME, true, false, 0},
        {20, VK_PRIOR, false, true, 0},  {20, VK_END, false, true, 59},
        {20, VK_NEXT, false, false, 59}, {59, VK_RIGHT, false, true, 59},
        {0, VK_LEFT, false, true, -1},   {3, VK_RETURN, false, true, 3},
    };
    for (const Case& c : cases) {
        grid.SetItemIndex(c.Start);
        grid.ProcessKey(c.Key, c.EditorEnabled, c.DroppedDown);
        EXPECT_EQ(grid.ItemIndex(), c.Expected)
            << "from " << c.Start << " key " << c.Key << " editor " << c.EditorEnabled
            << " dropped " << c.DroppedDown;
    }
    grid.SetItemIndex(3);
    grid.SetEnabled(false);
    grid.ProcessKey(VK_DOWN, false, true);
    EXPECT_EQ(grid.ItemIndex(), 3) << "a disabled grid ignores keys";
}

TEST_F(ColorBoxGrid, SelectedColourPicksTheFirstBoxOfThatColour) {
    struct Case {
        TColor Color;
        int Expected;
    };
    const std::vector<Case> cases = {
        {WebColor(0x7F7F7F), 11}, {clBlack, 1}, {0x123456, -1}, {clWhite, 0}, {clNone, -1}};
    for (const Case& c : cases) {
        grid.SetSelectedColor(c.Color);
        EXPECT_EQ(grid.ItemIndex(), c.Expected) << std::hex << c.Color;
        EXPECT_EQ(grid.SelectedColor(), c.Color);
    }
}

TEST_F(ColorBoxGrid, AnIndexPastTheBoxesSelectsNothing) {
    grid.SetItemIndex(5);
    grid.SetItemIndex(60);
    EXPECT_EQ(grid.ItemIndex(), -1);
    EXPECT_EQ(grid.SelectedColor(), grid.Items()->GetItem(5)->Color());
}

TEST_F(ColorBoxGrid, BoxesArePaintedWithTheFramesOfTheirState) {
    grid.SetItemIndex(22);
    grid.SetItemHot(23);
    TBitmap bitmap;
    Render(bitmap);
    const TColorBoxAppearance& look = *grid.ColorBoxAppearance();
    struct Case {
        int Index;
        TColor Outer;
        TColor Inner;
    };
    const std::vector<Case> cases = {
        {22, look.OuterBorderColorSelected, look.InnerBorderColorSelected},
        {23, look.OuterBorderColorHot, look.InnerBorderColorHot},
        {0, look.BorderColor, grid.Items()->GetItem(0)->Color()},
        {24, look.BorderColor, grid.Items()->GetItem(24)->Color()},
    };
    for (const Case& c : cases) {
        const TRect r = grid.GetItemRect(c.Index);
        EXPECT_EQ(bitmap.Pixel(r.Left, r.Top + 5), c.Outer) << c.Index;
        EXPECT_EQ(bitmap.Pixel(r.Left + 1, r.Top + 5), c.Inner) << c.Index;
        EXPECT_EQ(bitmap.Pixel(r.Left + 5, r.Top + 5), grid.Items()->GetItem(c.Index)->Color())
            << c.Index;
    }
    // A box joined to the one above has no top line of its own.
    const TRect middle = grid.GetItemRect(34);
    EXPECT_EQ(bitmap.Pixel(middle.Left + 5, middle.Top), grid.Items()->GetItem(34)->Color());
    const TRect top = grid.GetItemRect(14);
    EXPECT_EQ(bitmap.Pixel(top.Left + 5, top.Top), look.BorderColor);
}

TEST_F(ColorBoxGrid, EveryFramePresetGivesTheSameColoursAndCustomKeepsTheUsersOwn) {
    for (TSelectionColorStyle style : {scWindowsVista, scWindows7, scOffice2007}) {
        grid.ColorBoxAppearance()->OuterBorderColorSelected = clGreen;
        grid.ColorBoxAppearance()->BorderColor = clGreen;
        grid.SetItemColorStyle(scCustom);
        EXPECT_EQ(grid.ColorBoxAppearance()->OuterBorderColorSelected, clGreen);
        grid.SetItemColorStyle(style);
        const TColorBoxAppearance& look = *grid.ColorBoxAppearance();
        EXPECT_EQ(look.OuterBorderColorSelected, 0x0000FFu) << style;
        EXPECT_EQ(look.InnerBorderColorSelected, 0x94E2FFu) << style;
        EXPECT_EQ(look.OuterBorderColorHot, 0x3694F2u) << style;
        EXPECT_EQ(look.InnerBorderColorHot, 0x94E2FFu) << style;
        EXPECT_EQ(look.BorderColor, 0xC5C5C5u) << style;
    }
}

TEST(ColorBoxItems, AChangedColourNotifiesTheCollectionAndABadIndexIsRefused) {
    TColorBoxItems items(nullptr);
    int changes = 0;
    TObject* sender = nullptr;
    TColorBoxItem* item = items.Add();
    items.OnChange = [&](TObject* s) {
        ++changes;
        sender = s;
    };
    item->SetColor(clRed);
    item->SetColor(clRed);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sender, &items);
    EXPECT_THROW(items.GetItem(1), std::out_of_range);
    EXPECT_EQ(items.Count(), 1);
    TColorBoxItems copy(nullptr);
    copy.Assign(&items);
    EXPECT_EQ(copy.GetItem(0)->Color(), clRed);
}
