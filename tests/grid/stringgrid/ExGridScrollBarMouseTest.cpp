// The scroll bars as a user works them with the mouse: the bar laid over a scroll-bar cell, the
// grid's own thumb dragged with and without synchronous scrolling and with the scroll hint, and
// the arrow of the vertical bar with the search footer shown.
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HTMLHintWindow.h"
#include "grid/stringgrid/ScrollControl.h"
#include "grid/stringgrid/SearchPanel.h"
#include "platform/ui/Application.h"
#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TScrollMouseGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    std::vector<int> Scrolled;
    void ScrollCell(int ACol, int ARow) override {
        Scrolled.push_back(GetScrollPosition(ACol, ARow));
    }
};

// A shown form with a grid 300 x 220 of one fixed and forty normal rows of 20 pixels, one fixed
// and four normal columns of 60: the vertical bar is shown at the right edge.
class ExGridScrollBarMouse : public ::testing::Test {
protected:
    ExGridScrollBarMouse() {
        Form.SetBounds(0, 0, 500, 400);
        Grid = new TScrollMouseGrid(&Form);
        Grid->SetParent(&Form);
        Grid->SetScrollBars(ssVertical);
        Grid->SetGridLineWidth(0);
        Grid->SetColCount(5);
        Grid->SetRowCount(41);
        Grid->SetDefaultColWidth(55);
        Grid->SetDefaultRowHeight(20);
        Grid->SetBounds(0, 0, 300, 220);
        Form.Show();
        Grid->SetFocus();
        Pump();
    }
    void Pump() { Application->ProcessMessages(); }
    // A point in the vertical bar: Y from the grid's top.
    TPoint OnBar(int Y) const { return TPoint{Grid->ClientWidth() + 8, Y}; }
    TPoint LowerArrow() const { return OnBar(Grid->ClientHeight() - 6); }

    TForm Form{nullptr};
    TScrollMouseGrid* Grid = nullptr; // owned by the form
};

TEST_F(ExGridScrollBarMouse, TheLowerArrowOfACellBarStepsItsTextByTen) {
    Grid->SetRowHeights(2, 100);
    Grid->AddScrollBar(2, 2, false); // range 100
    const TRect cell = Grid->CellRect(2, 2);
    InputSimulation::MouseMove(Grid, TPoint{cell.Left + 10, cell.Top + 10});
    Pump();
    const TPoint arrow{cell.Right - 8, cell.Bottom - 6};
    InputSimulation::Click(Grid, arrow);
    Pump();
    EXPECT_EQ(Grid->GetScrollPosition(2, 2), 10);
    EXPECT_EQ(Grid->Scrolled, std::vector<int>{10});
    EXPECT_EQ(Grid->TopRow(), 1) << "the cell's bar leaves the grid where it is";
}

struct ThumbDragCase {
    std::string Name;
    bool Synch;
    bool MovesWhileDragged;
};

class ThumbDrag : public ExGridScrollBarMouse,
                  public ::testing::WithParamInterface<ThumbDragCase> {};

TEST_P(ThumbDrag, TheGridFollowsTheThumbWhileDraggedOnlyWhenSynchronised) {
    Grid->ScrollSynch = GetParam().Synch;
    Grid->ScrollHints = shVertical;
    // The mouse pointer goes where the events say it is.
    const auto moveTo = [&](TPoint p, TShiftState shift) {
        SetCursorPos(Grid->ClientToScreen(p));
        InputSimulation::MouseMove(Grid, p, shift);
    };
    // The thumb lies just under the upper arrow while the first rows show.
    const TPoint thumb = OnBar(24);
    moveTo(thumb, {});
    InputSimulation::MouseDown(Grid, mbLeft, thumb);
    for (int y = 40; y <= 120; y += 20) {
        moveTo(OnBar(y), TShiftState{ssLeft});
        const THTMLHintWindow* hint = Grid->ScrollHintWindow();
        ASSERT_NE(hint, nullptr);
        EXPECT_TRUE(hint->Visible());
        const TPoint cursor = Grid->ClientToScreen(OnBar(y));
        EXPECT_EQ(hint->Left(), cursor.X + 10) << "10 pixels right of the pointer";
        EXPECT_EQ(hint->Top(), cursor.Y) << "at the pointer's height";
    }
    Pump();
    EXPECT_EQ(Grid->TopRow() > 1, GetParam().MovesWhileDragged);
    const std::string hinted = Grid->ScrollHintText();
    InputSimulation::MouseUp(Grid, mbLeft, OnBar(120));
    Pump();
    EXPECT_GT(Grid->TopRow(), 1) << "the released thumb scrolls";
    EXPECT_EQ(hinted, "Row : " + std::to_string(Grid->TopRow()))
        << "the hint showed the row the thumb stood at";
    EXPECT_EQ(Grid->ScrollHintText(), "") << "releasing the thumb hides the hint";
    EXPECT_FALSE(Grid->ScrollHintWindow()->Visible());
}

INSTANTIATE_TEST_SUITE_P(ExGridScrollBars, ThumbDrag,
                         ::testing::Values(ThumbDragCase{"Synchronised", true, true},
                                           ThumbDragCase{"NotSynchronised", false, false}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ExGridScrollBarMouse, AMetroIndicatorLiesOnTheEdgeAndPagesWhenPressedBelowItsThumb) {
    Grid->SetScrollType(ssMetro);
    Pump();
    TScrollControl* indicator = nullptr;
    for (int i = 0; i < Grid->ControlCount(); ++i)
        if (auto* found = dynamic_cast<TScrollControl*>(Grid->Controls(i)))
            if (found->Direction() == sdVertical)
                indicator = found;
    ASSERT_NE(indicator, nullptr);
    EXPECT_EQ(indicator->Left() + indicator->Width(), Grid->ClientWidth())
        << "the indicator stands at the grid's right edge, where the scroll bar was";
    const int page = Grid->VisibleRowCount();
    const TPoint below{indicator->Left() + 3, indicator->Top() + indicator->Height() - 20};
    InputSimulation::MouseMove(Grid, below);
    InputSimulation::Click(Grid, below);
    Pump();
    EXPECT_EQ(Grid->TopRow(), 1 + page);
}

// Clicked down to the end, the last row stands above the search panel, not under it.
TEST_F(ExGridScrollBarMouse, TheArrowScrollsTheLastRowAboveTheSearchFooter) {
    Grid->SearchFooter()->SetVisible(true);
    Pump();
    for (int i = 0; i < 60; ++i)
        InputSimulation::Click(Grid, LowerArrow());
    Pump();
    const int panelTop = Grid->ClientHeight() - Grid->SearchPanel()->Height();
    const TRect last = Grid->CellRect(1, Grid->RowCount() - 1);
    EXPECT_GT(last.Height(), 0) << "the last row is on show";
    EXPECT_LE(last.Bottom, panelTop + 2) << "the last row lies under the search panel";
}

} // namespace
