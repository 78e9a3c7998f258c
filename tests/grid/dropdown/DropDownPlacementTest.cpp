#include "grid/dropdown/DropDownPlacement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PlacementCase {
    const char* Name;
    TRect WorkArea;
    TRect Edit;
    TSize Popup;
    TDropPosition Position;
    TRect Expected;
};

class DropDownPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(DropDownPlacement, OpensInsideTheWorkArea) {
    const PlacementCase& c = GetParam();
    const TRect placed = PlaceDropDownPopup(c.Edit, c.Popup, c.WorkArea, c.Position);
    EXPECT_EQ(placed, c.Expected);
    EXPECT_GE(placed.Left, c.WorkArea.Left);
    EXPECT_GE(placed.Top, c.WorkArea.Top);
    EXPECT_LE(placed.Right, c.WorkArea.Right);
    EXPECT_LE(placed.Bottom, c.WorkArea.Bottom);
}

const TRect Primary = Rect(0, 0, 800, 600);
// A work area with a panel along its top and one along its left.
const TRect Docked = Rect(60, 40, 800, 600);
// A second screen left of the primary one.
const TRect LeftScreen = Rect(-1024, 0, 0, 768);

INSTANTIATE_TEST_SUITE_P(Edges, DropDownPlacement,
                         ::testing::Values(PlacementCase{"BelowOverlapsTheEditsLastRow",
                                                         Primary,
                                                         Bounds(10, 100, 200, 21),
                                                         {200, 150},
                                                         dpAuto,
                                                         Bounds(10, 120, 200, 150)},
                                           PlacementCase{"AutoFlipsAboveNearTheBottom",
                                                         Primary,
                                                         Bounds(10, 550, 200, 21),
                                                         {200, 150},
                                                         dpAuto,
                                                         Bounds(10, 400, 200, 150)},
                                           PlacementCase{"AutoStaysBelowWithoutRoomAbove",
                                                         Rect(0, 0, 800, 300),
                                                         Bounds(10, 100, 200, 21),
                                                         {200, 250},
                                                         dpAuto,
                                                         Bounds(10, 50, 200, 250)},
                                           PlacementCase{"DownFlipsAboveAtTheBottom",
                                                         Primary,
                                                         Bounds(10, 550, 200, 21),
                                                         {200, 150},
                                                         dpDown,
                                                         Bounds(10, 400, 200, 150)},
                                           PlacementCase{"UpMeetsTheEditsTop",
                                                         Primary,
                                                         Bounds(10, 300, 200, 21),
                                                         {200, 150},
                                                         dpUp,
                                                         Bounds(10, 150, 200, 150)},
                                           PlacementCase{"UpFlipsBelowAtTheTop",
                                                         Docked,
                                                         Bounds(70, 60, 200, 21),
                                                         {200, 150},
                                                         dpUp,
                                                         Bounds(70, 80, 200, 150)},
                                           PlacementCase{"UpWithoutRoomOnEitherSideIsPushedDown",
                                                         Rect(0, 0, 800, 300),
                                                         Bounds(10, 100, 200, 21),
                                                         {200, 250},
                                                         dpUp,
                                                         Bounds(10, 0, 200, 250)},
                                           PlacementCase{"RightEdgeMovesItLeft",
                                                         Primary,
                                                         Bounds(700, 100, 100, 21),
                                                         {250, 100},
                                                         dpAuto,
                                                         Bounds(550, 120, 250, 100)},
                                           PlacementCase{"LeftEdgeMovesItRight",
                                                         Docked,
                                                         Bounds(20, 100, 100, 21),
                                                         {250, 100},
                                                         dpAuto,
                                                         Bounds(60, 120, 250, 100)},
                                           PlacementCase{"ScreenLeftOfThePrimaryOne",
                                                         LeftScreen,
                                                         Bounds(-100, 100, 100, 21),
                                                         {250, 100},
                                                         dpAuto,
                                                         Bounds(-250, 120, 250, 100)},
                                           PlacementCase{"LargerThanTheWorkArea",
                                                         Primary,
                                                         Bounds(10, 100, 200, 21),
                                                         {900, 700},
                                                         dpAuto,
                                                         Bounds(0, 0, 800, 600)}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
