// Looks taken from the grid's settings: the level progress bars and read-only check boxes.
#include "ExGridTestGrid.h"
#include "GridPixels.h"

#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/GridProgressAppearance.h"
#include "platform/ui/Bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using GridPixels::White;
using GridPixels::Red;

std::unique_ptr<TTestExGrid> ProgressGrid() {
    return GridPixels::PlainGrid(100, 30, 1);
}

const TRect Cell11{101, 31, 199, 59};
} // namespace

TEST(ExGridProgressDraw, ProgressAppearanceNotifiesChangesOnly) {
    TGridProgressAppearance look;
    EXPECT_EQ(look.Steps(), 11);
    EXPECT_EQ(look.Level1Perc(), 70);
    EXPECT_EQ(look.Level0Color(), TColor(0x00FF00));
    EXPECT_EQ(look.UnCompleteColor(), clNone);
    EXPECT_TRUE(look.ShowPercentage());
    int changes = 0;
    look.OnChange = [&](TObject*) { ++changes; };
    look.SetSteps(11);
    EXPECT_EQ(changes, 0) << "the same value";
    look.SetSteps(5);
    EXPECT_EQ(changes, 1);
    TGridProgressAppearance other;
    other.SetLevel0Color(Red);
    other.SetStacked(true);
    look.Assign(&other);
    EXPECT_EQ(changes, 2) << "once for the whole copy";
    EXPECT_EQ(look.Level0Color(), Red);
    EXPECT_TRUE(look.Stacked());
    EXPECT_EQ(look.Steps(), 11);
}

TEST(ExGridProgressDraw, LevelProgressTakesTheGridsProgressAppearance) {
    auto grid = ProgressGrid();
    grid->AddExProgress(1, 1, 0, 100);
    grid->SetInts(1, 1, 50);
    grid->ProgressAppearance()->SetLevel0Color(Red);
    grid->ProgressAppearance()->SetLevel0ColorTo(Red);
    grid->ProgressAppearance()->SetShowGradient(false);
    grid->ProgressAppearance()->SetShowPercentage(false);
    const auto bitmap = GridPixels::Render(*grid);
    const auto bar = GridPixels::ColourBox(*bitmap, Cell11, Red);
    ASSERT_TRUE(bar);
    EXPECT_NEAR(bar->Right - Cell11.Left, (Cell11.Right - Cell11.Left) / 2, 8) << "half full";
}

TEST(ExGridProgressDraw, NoDisabledCheckRadioLookKeepsAReadOnlyCheckBoxWhite) {
    for (const bool noDisabledLook : {false, true}) {
        auto grid = ProgressGrid();
        grid->ControlLook()->SetControlStyle(csClassic);
        grid->ControlLook()->SetNoDisabledCheckRadioLook(noDisabledLook);
        grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
        grid->AddCheckBox(1, 1, false, false);
        const auto bitmap = GridPixels::Render(*grid);
        const auto box = GridPixels::ColourBox(*bitmap, Cell11, clSilver);
        EXPECT_EQ(box.has_value(), !noDisabledLook)
            << "NoDisabledCheckRadioLook " << noDisabledLook;
    }
}

TEST(ExGridProgressDraw, BarsKeepTheProgressMarginsFromTheCellEdges) {
    struct Case {
        const char* what;
        std::function<void(TTestExGrid&)> add; // a full bar in cell 1,1 drawn in Red
    };
    const Case cases[] = {
        {"range indicator",
         [](TTestExGrid& g) {
             g.AddRangeIndicator(1, 1, 10, GridPixels::Green, Red, false);
             g.SetInts(1, 1, 10);
         }},
        {"level progress",
         [](TTestExGrid& g) {
             g.AddExProgress(1, 1, 0, 100);
             g.SetInts(1, 1, 100);
             g.ProgressAppearance()->SetLevel0Color(Red);
             g.ProgressAppearance()->SetLevel0ColorTo(Red);
             g.ProgressAppearance()->SetLevel1Perc(100);
             g.ProgressAppearance()->SetLevel2Perc(100);
             g.ProgressAppearance()->SetShowGradient(false);
             g.ProgressAppearance()->SetShowPercentage(false);
             g.ProgressAppearance()->SetShowBorder(false);
         }},
    };
    const auto barWithMargins = [](const Case& c, int x, int y) {
        auto grid = ProgressGrid();
        c.add(*grid);
        grid->ControlLook()->SetProgressMarginX(x);
        grid->ControlLook()->SetProgressMarginY(y);
        return GridPixels::ColourBox(*GridPixels::Render(*grid), Cell11, Red);
    };
    for (const Case& c : cases) {
        const auto narrow = barWithMargins(c, 0, 0);
        const auto wide = barWithMargins(c, 8, 5);
        ASSERT_TRUE(narrow && wide) << c.what;
        EXPECT_EQ(wide->Top - narrow->Top, 5) << c.what;
        EXPECT_EQ(narrow->Bottom - wide->Bottom, 5) << c.what;
        EXPECT_EQ(narrow->Right - wide->Right, 8) << c.what;
    }
}
