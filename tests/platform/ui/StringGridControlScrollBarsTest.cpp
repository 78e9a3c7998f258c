// The grid's scroll bars as the user works them: every action arrives as a scroll message, a
// dragged thumb moves the view only with thumb tracking, positions keep every bit, a range given
// for a proportional thumb maps back onto the rows, and a bar kept on shows disabled.
#include "platform/ui/Messages.h"
#include "platform/ui/StringGridControl.h"
#include "platform/ui/internal/NativeHost.h"

#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records the vertical scroll codes the grid receives.
class TScrollRecordingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    std::vector<int> Codes;

protected:
    void HandleVertScroll(TMessage& Message) override {
        Codes.push_back(LOWORD(Message.WParam));
        TStringGrid::HandleVertScroll(Message);
    }
};

// 3 columns and many rows of 20 pixels in a 300 x 200 grid with both bars allowed.
std::unique_ptr<TScrollRecordingGrid> MakeGrid(int rows) {
    auto grid = std::make_unique<TScrollRecordingGrid>(nullptr);
    grid->SetColCount(3);
    grid->SetRowCount(rows);
    grid->SetDefaultColWidth(50);
    grid->SetDefaultRowHeight(20);
    grid->SetBounds(0, 0, 300, 200);
    return grid;
}

QScrollBar* VerticalBar(const TStringGrid& grid) {
    for (QScrollBar* bar : NativeHost::Widget(&grid)->findChildren<QScrollBar*>())
        if (bar->orientation() == Qt::Vertical)
            return bar;
    return nullptr;
}

void DragThumb(QScrollBar* bar, int value) {
    bar->setSliderDown(true);
    bar->setValue(value);
}

void ReleaseThumb(QScrollBar* bar) {
    bar->setSliderDown(false);
}

struct TrackingCase {
    const char* Name;
    bool ThumbTracking;
    int TopWhileDragged;
};

class ScrollBarThumb : public ::testing::TestWithParam<TrackingCase> {};

TEST_P(ScrollBarThumb, DraggedThumbMovesTheViewOnlyWithThumbTracking) {
    auto grid = MakeGrid(100);
    if (GetParam().ThumbTracking)
        grid->SetOptions(grid->Options() + TGridOptions{goThumbTracking});
    QScrollBar* bar = VerticalBar(*grid);
    ASSERT_NE(bar, nullptr);
    DragThumb(bar, 30);
    EXPECT_EQ(grid->TopRow(), GetParam().TopWhileDragged);
    ReleaseThumb(bar);
    EXPECT_EQ(grid->TopRow(), 31);
    EXPECT_EQ(grid->Codes, (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
}

INSTANTIATE_TEST_SUITE_P(StringGridControl, ScrollBarThumb,
                         ::testing::Values(TrackingCase{"WithoutTracking", false, 1},
                                           TrackingCase{"WithTracking", true, 31}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(StringGridControlScrollBars, ArrowStepArrivesAsPositionAndEnd) {
    auto grid = MakeGrid(100);
    VerticalBar(*grid)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_EQ(grid->Codes, (std::vector<int>{SB_THUMBPOSITION, SB_ENDSCROLL}));
}

// A message's high word holds 16 bits; the bars' own positions reach far beyond.
TEST(StringGridControlScrollBars, ThumbPositionsBeyondSixteenBitsKeepEveryBit) {
    auto grid = MakeGrid(100'000);
    QScrollBar* bar = VerticalBar(*grid);
    DragThumb(bar, 70'000);
    ReleaseThumb(bar);
    EXPECT_EQ(grid->TopRow(), 70'001);
}

TEST(StringGridControlScrollBars, GivenRangeMapsTheThumbOntoTheRows) {
    auto grid = MakeGrid(100);
    grid->SetScrollInfo(SB_VERT, 255, 129);
    QScrollBar* bar = VerticalBar(*grid);
    EXPECT_EQ(bar->maximum(), 127);
    EXPECT_EQ(bar->pageStep(), 129);
    const int lastTop = 100 - grid->VisibleRowCount();
    DragThumb(bar, 127);
    ReleaseThumb(bar);
    EXPECT_EQ(grid->TopRow(), lastTop);
    grid->SetTopRow(1);
    EXPECT_EQ(bar->value(), 0) << "the thumb follows the view";
    grid->SetScrollInfo(SB_VERT, 0, 0);
    EXPECT_EQ(bar->maximum(), lastTop - 1) << "one position per row again";
}

TEST(StringGridControlScrollBars, BarKeptOnShowsDisabledWhileEverythingFits) {
    auto grid = MakeGrid(3);
    QScrollBar* bar = VerticalBar(*grid);
    EXPECT_FALSE(bar->isVisibleTo(NativeHost::Widget(grid.get())));
    grid->SetScrollBarKeptOn(SB_VERT, true);
    EXPECT_TRUE(bar->isVisibleTo(NativeHost::Widget(grid.get())));
    EXPECT_FALSE(bar->isEnabled());
    grid->SetRowCount(100);
    EXPECT_TRUE(bar->isEnabled());
}

} // namespace
