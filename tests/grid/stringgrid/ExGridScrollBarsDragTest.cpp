// Scrolling while something is dragged near the grid's edges.
#include "ExGridTestGrid.h"

#include "grid/stringgrid/DragScrollOptions.h"
#include "platform/ui/Timer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TDragScrollGrid : public TTestExGrid {
public:
    using TExStringGrid::DragScrollStep;
    using TExStringGrid::FDragScrollDirection;
    using TExStringGrid::FDragTmr;
    using TTestExGrid::TTestExGrid;
};

// 300 x 220 pixels, the view scrolled to row 10 and column 5 so that it can move every way.
class ExGridDragScroll : public ::testing::Test {
protected:
    ExGridDragScroll() {
        Grid.SetScrollBars(ssNone);
        Grid.SetColCount(20);
        Grid.SetRowCount(50);
        Grid.SetDefaultColWidth(50);
        Grid.SetDefaultRowHeight(20);
        Grid.SetBounds(0, 0, 300, 220);
        Grid.SetTopRow(10);
        Grid.SetLeftCol(5);
        Grid.DragScrollOptions()->Active = true;
    }

    TDragScrollGrid Grid{nullptr};
};

struct EdgeCase {
    std::string Name;
    int X;
    int Y;
    TDragScrollDirection Direction;
    int TopAfterStep;
    int LeftAfterStep;
};

class DragScrollEdge : public ExGridDragScroll, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(DragScrollEdge, ScrollsTowardsTheEdgeTheDragIsNear) {
    const EdgeCase& c = GetParam();
    Grid.HandleDragOver(c.X, c.Y, dsDragEnter);
    EXPECT_EQ(Grid.FDragScrollDirection, c.Direction);
    if (c.Direction.Empty()) {
        EXPECT_EQ(Grid.FDragTmr, nullptr);
        return;
    }
    ASSERT_NE(Grid.FDragTmr, nullptr);
    EXPECT_TRUE(Grid.FDragTmr->Enabled());
    EXPECT_EQ(Grid.FDragTmr->Interval(), 1000u) << "the first step waits the initial delay";
    Grid.DragScrollStep();
    EXPECT_EQ(Grid.FDragTmr->Interval(), 250u) << "then the repeat delay";
    EXPECT_EQ(Grid.TopRow(), c.TopAfterStep);
    EXPECT_EQ(Grid.LeftCol(), c.LeftAfterStep);
}

INSTANTIATE_TEST_SUITE_P(ExGridScrollBars, DragScrollEdge,
                         ::testing::Values(EdgeCase{"Top", 150, 40, {dsdUp}, 9, 5},
                                           EdgeCase{"Bottom", 150, 200, {dsdDown}, 11, 5},
                                           EdgeCase{"Left", 30, 110, {dsdLeft}, 10, 4},
                                           EdgeCase{"Right", 290, 110, {dsdRight}, 10, 6},
                                           EdgeCase{
                                               "TopLeftCorner", 30, 30, {dsdUp, dsdLeft}, 9, 4},
                                           EdgeCase{"Middle", 150, 110, {}, 10, 5}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ExGridDragScroll, MovingAwayFromTheEdgeOrLeavingStopsTheTimer) {
    Grid.HandleDragOver(150, 40, dsDragEnter);
    Grid.HandleDragOver(150, 110, dsDragMove);
    EXPECT_EQ(Grid.FDragTmr, nullptr);
    Grid.HandleDragOver(150, 40, dsDragMove);
    Grid.HandleDragOver(150, 40, dsDragLeave);
    EXPECT_EQ(Grid.FDragTmr, nullptr);
    EXPECT_TRUE(Grid.FDragScrollDirection.Empty());
}

TEST_F(ExGridDragScroll, RefusedScrollMovesNothingAndTheHandlerMayTurnTheDirection) {
    bool allow = false;
    Grid.OnDragScroll = [&](TObject*, int ATopRow, int ALeftCol, TDragScrollDirection& Dir,
                            bool& CanScroll) {
        EXPECT_EQ(ATopRow, Grid.TopRow());
        EXPECT_EQ(ALeftCol, Grid.LeftCol());
        CanScroll = allow;
        Dir = TDragScrollDirection{dsdDown};
    };
    Grid.HandleDragOver(150, 40, dsDragEnter);
    Grid.DragScrollStep();
    EXPECT_EQ(Grid.TopRow(), 10);
    allow = true;
    Grid.DragScrollStep();
    EXPECT_EQ(Grid.TopRow(), 11);
}

TEST_F(ExGridDragScroll, StopsAtTheFirstAndLastRows) {
    Grid.SetTopRow(1);
    Grid.HandleDragOver(150, 40, dsDragEnter);
    Grid.DragScrollStep();
    EXPECT_EQ(Grid.TopRow(), 1);
    Grid.SetTopRow(Grid.RowCount());
    const int last = Grid.TopRow();
    Grid.HandleDragOver(150, 200, dsDragMove);
    Grid.DragScrollStep();
    EXPECT_EQ(Grid.TopRow(), last);
}

TEST_F(ExGridDragScroll, SwitchedOffItNeitherStartsNorScrolls) {
    Grid.HandleDragOver(150, 40, dsDragEnter);
    Grid.DragScrollOptions()->Active = false;
    Grid.DragScrollStep();
    EXPECT_EQ(Grid.TopRow(), 10);
    EXPECT_FALSE(Grid.FDragTmr->Enabled());
    Grid.HandleDragOver(150, 40, dsDragMove);
    EXPECT_EQ(Grid.FDragTmr, nullptr);
}

TEST(ExGridDragScrollOptions, AssignCopiesDelaysAndMarginsFromItsOwnClassOnly) {
    TDragScrollOptions source;
    source.Active = true;
    source.Delays.RepeatDelay = 40;
    source.Margins.LeftMargin = 7;
    TDragScrollOptions target;
    target.Assign(&source);
    EXPECT_TRUE(target.Active);
    EXPECT_EQ(target.Delays.RepeatDelay, 40);
    EXPECT_EQ(target.Margins.LeftMargin, 7);
    TDragScrollDelays other;
    target.Assign(&other);
    EXPECT_TRUE(target.Active) << "another class is ignored";
}

} // namespace
