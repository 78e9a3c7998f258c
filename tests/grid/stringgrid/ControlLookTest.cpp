#include "grid/stringgrid/ControlLook.h"

#include "ExGridTestGrid.h"

#include <gtest/gtest.h>

namespace {

// One gradient property of the look and the grid colour it feeds.
struct GradientCase {
    const char* Name;
    void (TControlLook::*Set)(TColor);
    TColor (TControlLook::*Get)() const;
    TColor (TExStringGrid::*GridColor)() const;
    bool PassesNone; // mirror colours reach the grid even as clNone
};

const GradientCase Gradients[] = {
    {"From", &TControlLook::SetFixedGradientFrom, &TControlLook::FixedGradientFrom,
     &TExStringGrid::ULKGradientFrom, false},
    {"MirrorTo", &TControlLook::SetFixedGradientMirrorTo, &TControlLook::FixedGradientMirrorTo,
     &TExStringGrid::ULKGradientMirrorTo, true},
    {"HoverFrom", &TControlLook::SetFixedGradientHoverFrom, &TControlLook::FixedGradientHoverFrom,
     &TExStringGrid::ULKGradientHoverFrom, false},
    {"HoverMirrorFrom", &TControlLook::SetFixedGradientHoverMirrorFrom,
     &TControlLook::FixedGradientHoverMirrorFrom, &TExStringGrid::ULKGradientHoverMirrorFrom, true},
    {"HoverBorder", &TControlLook::SetFixedGradientHoverBorder,
     &TControlLook::FixedGradientHoverBorder, &TExStringGrid::ULKGradientHoverBorder, false},
    {"DownTo", &TControlLook::SetFixedGradientDownTo, &TControlLook::FixedGradientDownTo,
     &TExStringGrid::ULKGradientDownTo, false},
    {"DownMirrorTo", &TControlLook::SetFixedGradientDownMirrorTo,
     &TControlLook::FixedGradientDownMirrorTo, &TExStringGrid::ULKGradientDownMirrorTo, true},
    {"DownBorder", &TControlLook::SetFixedGradientDownBorder,
     &TControlLook::FixedGradientDownBorder, &TExStringGrid::ULKGradientDownBorder, false},
};

TEST(ControlLookTest, GradientColoursReachTheGridAndNoneOnlyForMirrors) {
    for (const auto& c : Gradients) {
        SCOPED_TRACE(c.Name);
        TTestExGrid grid(nullptr);
        TControlLook& look = *grid.ControlLook();
        (look.*c.Set)(0x123456);
        EXPECT_EQ((look.*c.Get)(), 0x123456);
        EXPECT_EQ((grid.*c.GridColor)(), 0x123456);
        (look.*c.Set)(clNone);
        EXPECT_EQ((look.*c.Get)(), clNone);
        EXPECT_EQ((grid.*c.GridColor)(), c.PassesNone ? clNone : 0x123456);
    }
}

TEST(ControlLookTest, InitRestoresColoursAndClearsOnlyTheGridsHoverAndDownMirrors) {
    TTestExGrid grid(nullptr);
    TControlLook& look = *grid.ControlLook();
    look.SetCommentColor(clBlack);
    look.SetFixedGradientFrom(0x111111);
    look.SetFixedGradientHoverMirrorFrom(0x222222);
    look.SetFixedGradientDownMirrorTo(0x333333);

    look.Init();

    EXPECT_EQ(look.CommentColor(), clRed);
    EXPECT_EQ(look.FixedGradientFrom(), clNone);
    EXPECT_EQ(look.FixedGradientHoverFrom(), clGray);
    EXPECT_EQ(look.FixedGradientDownTo(), clSilver);
    EXPECT_EQ(grid.ULKGradientHoverMirrorFrom(), clNone);
    EXPECT_EQ(grid.ULKGradientDownMirrorTo(), clNone);
    // The grid's own gradient keeps what the look gave it before.
    EXPECT_EQ(grid.ULKGradientFrom(), 0x111111);
}

TEST(ControlLookTest, AssignCopiesTheLookButNotTheSystemSwitches) {
    TTestExGrid source(nullptr);
    TTestExGrid target(nullptr);
    TControlLook& from = *source.ControlLook();
    from.SetCheckSize(21);
    from.DropDownCount = 3;
    from.SetCommentColor(clBlack);
    from.SetProgressMarginX(7);
    from.SetFixedGradientDownFrom(0x445566);
    from.SetFlatButton(true);
    from.SetProgressXP(true);
    from.FixedDropDownButton = true;

    target.ControlLook()->Assign(&from);

    const TControlLook& to = *target.ControlLook();
    EXPECT_EQ(to.CheckSize(), 21);
    EXPECT_EQ(to.DropDownCount, 3);
    EXPECT_EQ(to.CommentColor(), clBlack);
    EXPECT_EQ(to.ProgressMarginX(), 7);
    EXPECT_EQ(to.FixedGradientDownFrom(), 0x445566);
    EXPECT_EQ(target.ULKGradientDownFrom(), 0x445566);
    EXPECT_FALSE(to.FlatButton());
    EXPECT_FALSE(to.ProgressXP());
    EXPECT_FALSE(to.FixedDropDownButton);
}

} // namespace
