#include "RecordingControl.h"

#include "platform/ui/InputSimulation.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/internal/NativeHost.h"

#include <QSlider>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class TrackBarFixture {
protected:
    TrackBarFixture() : Form(std::make_unique<TestForm>(nullptr)), Bar(new TTrackBar(Form.get())) {
        Bar->SetParent(Form.get());
        Bar->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, Bar);
            Changes.push_back(Bar->Position());
        };
    }

    QSlider* Slider() const { return static_cast<QSlider*>(NativeHost::Embedded(Bar)); }

    std::unique_ptr<TestForm> Form;
    TTrackBar* Bar;
    // Position as OnChange saw it, once per event.
    std::vector<int> Changes;
};

class TrackBarTest : public TrackBarFixture, public ::testing::Test {};

TEST_F(TrackBarTest, StartsAsTheFrameworksTrackBar) {
    EXPECT_EQ(Bar->Min(), 0);
    EXPECT_EQ(Bar->Max(), 10);
    EXPECT_EQ(Bar->Position(), 0);
    EXPECT_EQ(Bar->PageSize(), 2);
    EXPECT_EQ(Bar->LineSize(), 1);
    EXPECT_EQ(Bar->Frequency(), 1);
    EXPECT_EQ(Bar->Orientation(), trHorizontal);
    EXPECT_EQ(Bar->TickStyle(), tsAuto);
    EXPECT_EQ(Bar->Width(), 150);
    EXPECT_EQ(Bar->Height(), 45);
    EXPECT_TRUE(Bar->TabStop());
    EXPECT_NE(Bar->Perform(WM_GETDLGCODE) & DLGC_WANTARROWS, 0) << "arrows are the bar's own";
}

struct ValueCase {
    const char* Name;
    std::function<void(TTrackBar*)> Steps;
    int Min, Max, Position;
    std::vector<int> Changes;
};

class TrackBarValueTest : public TrackBarFixture, public ::testing::TestWithParam<ValueCase> {};

TEST_P(TrackBarValueTest, KeepsPositionInRangeAndReportsEachChangeOnce) {
    GetParam().Steps(Bar);
    EXPECT_EQ(Bar->Min(), GetParam().Min);
    EXPECT_EQ(Bar->Max(), GetParam().Max);
    EXPECT_EQ(Bar->Position(), GetParam().Position);
    EXPECT_EQ(Changes, GetParam().Changes);
    EXPECT_EQ(Slider()->value(), GetParam().Position) << "the slider shows the position";
}

INSTANTIATE_TEST_SUITE_P(
    Values, TrackBarValueTest,
    ::testing::Values(
        ValueCase{"PositionInRange", [](TTrackBar* b) { b->SetPosition(7); }, 0, 10, 7, {7}},
        ValueCase{"SamePositionAgainFiresNothing",
                  [](TTrackBar* b) {
                      b->SetPosition(7);
                      b->SetPosition(7);
                  },
                  0,
                  10,
                  7,
                  {7}},
        ValueCase{
            "PositionAboveMaxIsMax", [](TTrackBar* b) { b->SetPosition(50); }, 0, 10, 10, {10}},
        ValueCase{"PositionBelowMinIsMin", [](TTrackBar* b) { b->SetPosition(-5); }, 0, 10, 0, {}},
        ValueCase{"MaxBelowPositionPullsItDown",
                  [](TTrackBar* b) {
                      b->SetPosition(8);
                      b->SetMax(5);
                  },
                  0,
                  5,
                  5,
                  {8, 5}},
        ValueCase{"MinAboveMaxRaisesMax",
                  [](TTrackBar* b) {
                      b->SetMin(20);
                      b->SetMax(30);
                  },
                  20,
                  30,
                  20,
                  {20}},
        ValueCase{"MaxBelowMinLowersMin",
                  [](TTrackBar* b) {
                      b->SetMax(-10);
                      b->SetMin(-20);
                  },
                  -20,
                  -10,
                  -10,
                  {-10}},
        ValueCase{"WidestRange",
                  [](TTrackBar* b) {
                      b->SetMin(INT32_MIN);
                      b->SetMax(INT32_MAX);
                      b->SetPosition(INT32_MAX);
                  },
                  INT32_MIN,
                  INT32_MAX,
                  INT32_MAX,
                  {INT32_MAX}}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TrackKeyCase {
    const char* Name;
    int Start;
    WORD Key;
    int Position;
};

class TrackBarKeyTest : public TrackBarFixture, public ::testing::TestWithParam<TrackKeyCase> {
protected:
    TrackBarKeyTest() {
        Bar->SetMax(20);
        Bar->SetPageSize(5);
        Bar->SetLineSize(2);
    }
};

TEST_P(TrackBarKeyTest, StepsAsTheFrameworksTrackBar) {
    for (TTrackBarOrientation orientation : {trHorizontal, trVertical}) {
        Bar->SetOrientation(orientation);
        Bar->SetPosition(GetParam().Start);
        Changes.clear();
        InputSimulation::KeyPress(Bar, GetParam().Key);
        EXPECT_EQ(Bar->Position(), GetParam().Position) << "orientation " << orientation;
        const std::vector<int> expected = GetParam().Position == GetParam().Start
                                              ? std::vector<int>{}
                                              : std::vector<int>{GetParam().Position};
        EXPECT_EQ(Changes, expected) << "orientation " << orientation;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TrackBarKeyTest,
    ::testing::Values(
        TrackKeyCase{"RightStepsUp", 10, VK_RIGHT, 12}, TrackKeyCase{"DownStepsUp", 10, VK_DOWN, 12},
        TrackKeyCase{"LeftStepsDown", 10, VK_LEFT, 8}, TrackKeyCase{"UpStepsDown", 10, VK_UP, 8},
        TrackKeyCase{"PageDownPagesUp", 10, VK_NEXT, 15}, TrackKeyCase{"PageUpPagesDown", 10, VK_PRIOR, 5},
        TrackKeyCase{"HomeGoesToMin", 10, VK_HOME, 0}, TrackKeyCase{"EndGoesToMax", 10, VK_END, 20},
        TrackKeyCase{"StopsAtMax", 19, VK_RIGHT, 20}, TrackKeyCase{"StaysAtMax", 20, VK_NEXT, 20},
        TrackKeyCase{"StopsAtMin", 3, VK_PRIOR, 0}, TrackKeyCase{"OtherKeysDoNothing", 10, 'A', 10}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TrackBarTest, OnKeyDownCanTakeTheKeyFirst) {
    Bar->OnKeyDown = [](TObject*, WORD& key, TShiftState) { key = 0; };
    InputSimulation::KeyPress(Bar, VK_RIGHT);
    EXPECT_EQ(Bar->Position(), 0);
    EXPECT_TRUE(Changes.empty());
}

TEST_F(TrackBarTest, ClickBesideTheThumbStepsAPageTowardsIt) {
    Bar->SetMax(100);
    Bar->SetPageSize(10);
    Bar->SetPosition(50);
    Changes.clear();
    const int middle = Bar->Height() / 2;
    InputSimulation::Click(Bar, Point(Bar->Width() - 3, middle));
    EXPECT_EQ(Changes, std::vector<int>{60});
    InputSimulation::Click(Bar, Point(2, middle));
    EXPECT_EQ(Changes, (std::vector<int>{60, 50}));
}

TEST_F(TrackBarTest, DraggingTheThumbMovesIt) {
    const int middle = Bar->Height() / 2;
    // The thumb sits at the left end at Min; take it by its middle.
    const TPoint grip = Point(4, middle);
    InputSimulation::MouseDown(Bar, mbLeft, grip);
    InputSimulation::MouseMove(Bar, Point(Bar->Width() - 1, middle), TShiftState() << ssLeft);
    InputSimulation::MouseUp(Bar, mbLeft, Point(Bar->Width() - 1, middle));
    EXPECT_EQ(Bar->Position(), 10);
    EXPECT_EQ(Changes, std::vector<int>{10});
}

TEST_F(TrackBarTest, VerticalBarHasMinAtTheTopAndSwapsItsSize) {
    Bar->SetOrientation(trVertical);
    EXPECT_EQ(Bar->Width(), 45);
    EXPECT_EQ(Bar->Height(), 150);
    Bar->SetPosition(5);
    Changes.clear();
    InputSimulation::Click(Bar, Point(Bar->Width() / 2, Bar->Height() - 3));
    EXPECT_EQ(Changes, std::vector<int>{7}) << "a click below the thumb raises the position";
}

struct TickCase {
    const char* Name;
    TTickStyle Style;
    TTickMark Marks;
    int Frequency;
    QSlider::TickPosition Shown;
    int Interval;
};

class TrackBarTickTest : public TrackBarFixture, public ::testing::TestWithParam<TickCase> {};

TEST_P(TrackBarTickTest, ShowsTheTicks) {
    Bar->SetMax(40);
    Bar->SetTickStyle(GetParam().Style);
    Bar->SetTickMarks(GetParam().Marks);
    Bar->SetFrequency(GetParam().Frequency);
    EXPECT_EQ(Slider()->tickPosition(), GetParam().Shown);
    if (GetParam().Shown != QSlider::NoTicks)
        EXPECT_EQ(Slider()->tickInterval(), GetParam().Interval);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, TrackBarTickTest,
    ::testing::Values(
        TickCase{"NoTicks", tsNone, tmBottomRight, 5, QSlider::NoTicks, 0},
        TickCase{"EveryFrequencyBelow", tsAuto, tmBottomRight, 5, QSlider::TicksBelow, 5},
        TickCase{"EveryFrequencyAbove", tsAuto, tmTopLeft, 4, QSlider::TicksAbove, 4},
        TickCase{"BothSides", tsAuto, tmBoth, 1, QSlider::TicksBothSides, 1},
        TickCase{"ZeroFrequencyStillTicksEachPosition", tsAuto, tmBoth, 0, QSlider::TicksBothSides,
                 1},
        TickCase{"ManualMarksTheEnds", tsManual, tmBottomRight, 5, QSlider::TicksBelow, 40}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
