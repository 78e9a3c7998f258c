// The scroll bars: thumbs proportional to the visible part, the hint of a dragged thumb, the grid
// following the thumb, bars kept on, the scroll bars inside cells and the metro indicators.
#include "ExGridTestGrid.h"

#include "grid/foundation/SyncGrid.h"
#include "grid/stringgrid/ScrollControl.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

WPARAM ScrollCode(int Code, int Position = 0) {
    return static_cast<WPARAM>(Code | (Position << 16));
}

struct TScrollInfo {
    int Max = 0;
    int Page = 0;
    int Position = 0;
};

TScrollInfo InfoOf(const TExStringGrid& grid, int Bar) {
    TScrollInfo info;
    grid.GetScrollInfo(Bar, info.Max, info.Page, info.Position);
    return info;
}

// Records the cell scroll bars that moved.
class TScrollGrid : public TTestExGrid {
public:
    using TTestExGrid::TTestExGrid;
    std::vector<std::string> Scrolled;
    void ScrollCell(int ACol, int ARow) override {
        Scrolled.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + ":" +
                           std::to_string(GetScrollPosition(ACol, ARow)));
    }
};

// No grid lines; one fixed column of 50 and ten normal ones of 50 pixels, one fixed row and
// twenty normal ones of 20 pixels, in a grid 300 x 220: half of the normal columns and rows
// are on show.
class ExGridScrollBars : public ::testing::Test {
protected:
    ExGridScrollBars() {
        Form.SetBounds(0, 0, 600, 500);
        Grid = new TScrollGrid(&Form);
        Grid->SetParent(&Form);
        Grid->SetGridLineWidth(0);
        Grid->SetColCount(11);
        Grid->SetRowCount(21);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetBounds(0, 0, 300, 220);
    }

    TForm Form{nullptr};
    TScrollGrid* Grid = nullptr; // owned by the form
};

TEST_F(ExGridScrollBars, ProportionalThumbsShowTheVisibleShare) {
    Grid->SetScrollProportional(true);
    for (const int bar : {SB_HORZ, SB_VERT}) {
        SCOPED_TRACE(bar);
        // A share of 0.5 of a track of 127 positions: Trunc(127.5 / 0.5) and that less 126.
        EXPECT_EQ(InfoOf(*Grid, bar).Max, 255);
        EXPECT_EQ(InfoOf(*Grid, bar).Page, 129);
        EXPECT_EQ(InfoOf(*Grid, bar).Position, 0);
    }
}

TEST_F(ExGridScrollBars, ProportionalThumbFollowsTheViewAndMapsBack) {
    Grid->SetScrollProportional(true);
    Grid->SetLeftCol(Grid->ColCount() - 1);
    const int lastLeft = Grid->LeftCol();
    EXPECT_EQ(InfoOf(*Grid, SB_HORZ).Position, 127);
    EXPECT_EQ(Grid->ScrollPositionToIndex(SB_HORZ, 127), lastLeft);
    Grid->Perform(WM_HSCROLL, ScrollCode(SB_THUMBPOSITION, 0));
    EXPECT_EQ(Grid->LeftCol(), 1);
}

TEST_F(ExGridScrollBars, ProportionalThumbLeavesAGridThatShowsEverything) {
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    Grid->SetScrollProportional(true);
    EXPECT_FALSE(Grid->HasScrollInfo(SB_HORZ));
    EXPECT_FALSE(Grid->HasScrollInfo(SB_VERT));
}

TEST_F(ExGridScrollBars, ProportionalOffGivesTheBarsTheirColumnsAndRowsBack) {
    Grid->SetScrollProportional(true);
    Grid->SetScrollProportional(false);
    EXPECT_FALSE(Grid->HasScrollInfo(SB_HORZ));
    EXPECT_EQ(InfoOf(*Grid, SB_VERT).Page, Grid->VisibleRowCount());
}

// Fixed cells wider than the whole grid leave no share to show: the smallest thumb, no
// division by a vanishing track.
TEST_F(ExGridScrollBars, ProportionalThumbWithFixedCellsWiderThanTheGrid) {
    Grid->SetColWidths(0, 500);
    Grid->SetScrollProportional(true);
    const TScrollInfo info = InfoOf(*Grid, SB_HORZ);
    EXPECT_EQ(info.Max, 127);
    EXPECT_EQ(info.Page, 1);
}

struct HintCase {
    std::string Name;
    TScrollHintType Hints;
    UINT Msg;
    std::string Shown; // empty: no hint
};

class ScrollHints : public ExGridScrollBars, public ::testing::WithParamInterface<HintCase> {};

TEST_P(ScrollHints, DraggedThumbShowsWhereItStands) {
    const HintCase& c = GetParam();
    Grid->ScrollHints = c.Hints;
    Grid->Perform(c.Msg, ScrollCode(SB_THUMBTRACK, 4));
    EXPECT_EQ(Grid->ScrollHintShowing(), !c.Shown.empty());
    EXPECT_EQ(Grid->ScrollHintText(), c.Shown);
    Grid->Perform(c.Msg, ScrollCode(SB_ENDSCROLL));
    EXPECT_FALSE(Grid->ScrollHintShowing());
}

INSTANTIATE_TEST_SUITE_P(ExGridScrollBars, ScrollHints,
                         ::testing::Values(HintCase{"Rows", shBoth, WM_VSCROLL, "Row : 5"},
                                           HintCase{"Columns", shBoth, WM_HSCROLL, "Col : 5"},
                                           HintCase{"VerticalOnly", shVertical, WM_HSCROLL, ""},
                                           HintCase{"None", shNone, WM_VSCROLL, ""}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ExGridScrollBars, ScrollHintHandlerRewritesTheText) {
    Grid->ScrollHints = shVertical;
    Grid->OnScrollHint = [](TObject*, int ARow, std::string& Text) {
        Text = "Record " + std::to_string(ARow * 10);
    };
    Grid->Perform(WM_VSCROLL, ScrollCode(SB_THUMBTRACK, 2));
    EXPECT_EQ(Grid->ScrollHintText(), "Record 30");
}

struct SynchCase {
    std::string Name;
    bool Synch;
    int TopAfterTrack;
};

class ScrollSynch : public ExGridScrollBars, public ::testing::WithParamInterface<SynchCase> {};

TEST_P(ScrollSynch, GridFollowsTheDraggedThumbOnlyWhenSynchronised) {
    Grid->ScrollSynch = GetParam().Synch;
    Grid->Perform(WM_VSCROLL, ScrollCode(SB_THUMBTRACK, 6));
    EXPECT_EQ(Grid->TopRow(), GetParam().TopAfterTrack);
    Grid->Perform(WM_VSCROLL, ScrollCode(SB_THUMBPOSITION, 6));
    EXPECT_EQ(Grid->TopRow(), 7) << "the released thumb always scrolls";
}

INSTANTIATE_TEST_SUITE_P(ExGridScrollBars, ScrollSynch,
                         ::testing::Values(SynchCase{"Synchronised", true, 7},
                                           SynchCase{"NotSynchronised", false, 1}),
                         [](const auto& info) { return info.param.Name; });

struct AlwaysCase {
    std::string Name;
    TScrollBarAlways Always;
    bool VerticalShown;
    bool HorizontalShown;
};

class ScrollBarAlways : public ExGridScrollBars,
                        public ::testing::WithParamInterface<AlwaysCase> {};

TEST_P(ScrollBarAlways, KeepsBarsOnWhileEverythingFits) {
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetScrollBarAlways(GetParam().Always);
    EXPECT_EQ(Grid->ClientWidth() < Grid->Width(), GetParam().VerticalShown);
    EXPECT_EQ(Grid->ClientHeight() < Grid->Height(), GetParam().HorizontalShown);
}

INSTANTIATE_TEST_SUITE_P(ExGridScrollBars, ScrollBarAlways,
                         ::testing::Values(AlwaysCase{"None", saNone, false, false},
                                           AlwaysCase{"Vertical", saVert, true, false},
                                           AlwaysCase{"Horizontal", saHorz, false, true},
                                           AlwaysCase{"Both", saBoth, true, true}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ExGridScrollBars, BarKeptOnGoesWhenTheSettingIsCleared) {
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetScrollBarAlways(saBoth);
    Grid->SetScrollBarAlways(saNone);
    EXPECT_EQ(Grid->ClientWidth(), Grid->Width());
    EXPECT_EQ(Grid->ClientHeight(), Grid->Height());
}

// Wide columns need a horizontal bar, but without that bar allowed the rows keep their room.
TEST_F(ExGridScrollBars, BarNotAllowedTakesNoRoomFromTheOtherDirection) {
    Grid->SetScrollBars(ssVertical);
    Grid->SetRowCount(11); // exactly the grid's height
    EXPECT_EQ(Grid->ClientWidth(), Grid->Width());
    EXPECT_EQ(Grid->ClientHeight(), Grid->Height());
}

struct CellBarCase {
    std::string Name;
    int Start;
    int Code;
    int TrackPos;
    int Expected;
};

class CellScrollBar : public ExGridScrollBars, public ::testing::WithParamInterface<CellBarCase> {};

TEST_P(CellScrollBar, StepsStayInsideTheRange) {
    const CellBarCase& c = GetParam();
    Grid->AddScrollBar(2, 3, false); // range 100
    Grid->SetScrollPosition(2, 3, c.Start);
    const bool moved = Grid->ScrollCellBar(2, 3, c.Code, c.TrackPos);
    EXPECT_EQ(Grid->GetScrollPosition(2, 3), c.Expected);
    EXPECT_EQ(moved, c.Expected != c.Start);
    const std::vector<std::string> scrolled =
        moved ? std::vector<std::string>{"2,3:" + std::to_string(c.Expected)}
              : std::vector<std::string>{};
    EXPECT_EQ(Grid->Scrolled, scrolled);
}

INSTANTIATE_TEST_SUITE_P(ExGridScrollBars, CellScrollBar,
                         ::testing::Values(CellBarCase{"LineDown", 50, SB_LINEDOWN, 0, 60},
                                           CellBarCase{"LineUp", 50, SB_LINEUP, 0, 40},
                                           CellBarCase{"LineUpAtTheStart", 0, SB_LINEUP, 0, 0},
                                           CellBarCase{"PageDown", 0, SB_PAGEDOWN, 0, 100},
                                           CellBarCase{"PageDownClamped", 50, SB_PAGEDOWN, 0, 100},
                                           CellBarCase{"PageUpClamped", 50, SB_PAGEUP, 0, 0},
                                           CellBarCase{"Track", 50, SB_THUMBTRACK, 77, 77},
                                           CellBarCase{"TrackClamped", 50, SB_THUMBTRACK, 500, 100},
                                           CellBarCase{"OtherCode", 50, SB_ENDSCROLL, 0, 50}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ExGridScrollBars, CellWithoutScrollBarDoesNotScroll) {
    EXPECT_FALSE(Grid->ScrollCellBar(2, 3, SB_LINEDOWN, 0));
    EXPECT_TRUE(Grid->Scrolled.empty());
}

TEST_F(ExGridScrollBars, SynchronisedGridFollowsTheTopRow) {
    TTestExGrid other(&Form);
    other.SetParent(&Form);
    other.SetRowCount(21);
    other.SetDefaultRowHeight(20);
    other.SetBounds(310, 0, 200, 220);
    Grid->SyncGrid()->SetGrid(&other);
    Grid->SyncGrid()->ScrollVertical = true;
    Grid->SetTopRow(6);
    EXPECT_EQ(other.TopRow(), 6);
    EXPECT_EQ(other.LeftCol(), 1) << "only what is synchronised follows";
    Grid->SyncGrid()->SetGrid(nullptr);
}

std::vector<TScrollControl*> Indicators(const TExStringGrid& grid) {
    std::vector<TScrollControl*> found;
    for (int i = 0; i < grid.ControlCount(); ++i)
        if (auto* indicator = dynamic_cast<TScrollControl*>(grid.Controls(i)))
            found.push_back(indicator);
    return found;
}

TScrollControl* VerticalIndicator(const TExStringGrid& grid) {
    for (TScrollControl* indicator : Indicators(grid))
        if (indicator->Direction() == sdVertical)
            return indicator;
    return nullptr;
}

TEST_F(ExGridScrollBars, MetroTypeReplacesTheBarsByIndicatorsAndBack) {
    Grid->SetScrollType(ssMetro);
    EXPECT_EQ(Grid->ScrollBars(), ssNone);
    ASSERT_EQ(Indicators(*Grid).size(), 2u);
    EXPECT_EQ(VerticalIndicator(*Grid)->Width(), 6);
    Grid->SetScrollType(ssNormal);
    EXPECT_TRUE(Indicators(*Grid).empty());
    EXPECT_EQ(Grid->ScrollBars(), ssBoth);
}

TEST_F(ExGridScrollBars, MetroThumbShowsTheRowsOnShow) {
    Grid->SetScrollType(ssMetro);
    TScrollControl* indicator = VerticalIndicator(*Grid);
    ASSERT_NE(indicator, nullptr);
    const int track = indicator->Height() - 20; // the fixed row
    EXPECT_EQ(indicator->TrackLength(), track);
    EXPECT_EQ(indicator->TrackOffset(), 20);
    int pos = 0;
    int len = 0;
    Grid->SetTopRow(5);
    indicator->GetThumb(pos, len);
    EXPECT_EQ(pos, 20 + static_cast<int>(std::nearbyint(track * 4.0 / 20)));
    EXPECT_EQ(len, std::max(20, static_cast<int>(
                                    std::nearbyint(track * double(Grid->VisibleRowCount()) / 21))));
}

TEST_F(ExGridScrollBars, MetroThumbIsNeverShorterThanTwentyPixels) {
    Grid->SetRowCount(5000);
    Grid->SetScrollType(ssMetro);
    Grid->SetTopRow(4990);
    int pos = 0;
    int len = 0;
    VerticalIndicator(*Grid)->GetThumb(pos, len);
    EXPECT_EQ(len, TScrollControl::MinThumb);
    EXPECT_LE(pos + len, VerticalIndicator(*Grid)->Height());
}

TEST_F(ExGridScrollBars, MetroPressBeyondTheThumbPages) {
    Grid->SetScrollType(ssMetro);
    TScrollControl* indicator = VerticalIndicator(*Grid);
    const int page = Grid->VisibleRowCount();
    indicator->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, indicator->Height() - 2));
    indicator->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, indicator->Height() - 2));
    EXPECT_EQ(Grid->TopRow(), 1 + page);
    indicator->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 21));
    indicator->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 21));
    EXPECT_EQ(Grid->TopRow(), 1);
}

TEST_F(ExGridScrollBars, MetroThumbDraggedScrollsTheGrid) {
    Grid->SetScrollType(ssMetro);
    TScrollControl* indicator = VerticalIndicator(*Grid);
    int pos = 0;
    int len = 0;
    indicator->GetThumb(pos, len);
    indicator->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, pos + 1));
    const int span = indicator->Height() - Grid->RowHeights(0);
    // A drag of a fifth of the span moves a fifth of the rows.
    indicator->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, pos + 1 + span / 5));
    EXPECT_EQ(Grid->TopRow(), 1 + static_cast<int>(std::nearbyint(double(span / 5) / span * 21)));
    indicator->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, pos + 1 + span / 5));
    const int top = Grid->TopRow();
    indicator->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(2, 5));
    EXPECT_EQ(Grid->TopRow(), top) << "a released thumb no longer drags";
}

TEST(ExGridScrollControl, IndicatorOutsideAGridDoesNothing) {
    TForm form(nullptr);
    TPanel panel(&form);
    panel.SetParent(&form);
    TScrollControl indicator(&form);
    indicator.SetParent(&panel);
    indicator.SetBounds(0, 0, 6, 100);
    EXPECT_EQ(indicator.GetGrid(), nullptr);
    EXPECT_EQ(indicator.TrackLength(), 0);
    int pos = -1;
    int len = -1;
    indicator.GetThumb(pos, len);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(len, TScrollControl::MinThumb);
    EXPECT_NO_THROW(indicator.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 50)));
}

} // namespace
