#include "RecordingControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/HintMonitor.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A hint window that records the data it was given.
class DataHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
    void ActivateHintData(TRect R, const std::string& AHint, TObject* AData) override {
        Data = AData;
        THintWindow::ActivateHintData(R, AHint, AData);
    }
    TObject* Data = nullptr;
};

// A control of 20 x 20 cells whose hint names the cell under the mouse.
class CellControl : public TCustomControl {
public:
    explicit CellControl(TWinControl* parent) : TCustomControl(parent) {
        SetParent(parent);
        SetBounds(10, 10, 100, 60);
        SetShowHint(true);
    }
    void WndProc(TMessage& message) override {
        if (message.Msg != CM_HINTSHOW) {
            TCustomControl::WndProc(message);
            return;
        }
        ++Requests;
        auto* info = reinterpret_cast<THintInfo*>(message.LParam);
        Seen = *info;
        message.Result = Refuse ? 1 : 0;
        if (!Answer)
            return;
        const int col = info->CursorPos.X / 20;
        const int row = info->CursorPos.Y / 20;
        info->HintStr = "cell " + std::to_string(col) + "," + std::to_string(row);
        info->CursorRect = Bounds(col * 20, row * 20, 20, 20);
        info->HintPos = ClientToScreen({col * 20, row * 20 + 20});
        info->HintColor = clYellow;
        info->HintData = &Data;
        info->HintWindowClass = [](TComponent* owner) {
            return std::make_unique<DataHintWindow>(owner);
        };
    }
    int Requests = 0;
    bool Answer = true;
    bool Refuse = false;
    THintInfo Seen;
    TObject Data;
};

struct HintMonitorTest : ::testing::Test {
    std::unique_ptr<TestForm> form = std::make_unique<TestForm>(nullptr);
    CellControl* control = new CellControl(form.get());
    THintMonitor* monitor = new THintMonitor(control);
};

} // namespace

TEST_F(HintMonitorTest, AsksTheControlAndShowsItsAnswer) {
    ASSERT_TRUE(monitor->ShowHintAt({45, 25}));
    EXPECT_EQ(control->Seen.HintControl, control);
    EXPECT_EQ(control->Seen.CursorPos, (TPoint{45, 25}));
    EXPECT_EQ(control->Seen.CursorRect, control->ClientRect());
    auto* window = dynamic_cast<DataHintWindow*>(monitor->HintWindow());
    ASSERT_NE(window, nullptr) << "the window class the control asked for";
    EXPECT_EQ(window->Caption(), "cell 2,1");
    EXPECT_EQ(window->Color(), clYellow);
    EXPECT_EQ(window->Data, &control->Data);
    EXPECT_EQ(window->BoundsRect().TopLeft(), control->ClientToScreen({40, 40}));
    EXPECT_EQ(window->BoundsRect().Width(), window->CalcHintRect(0, "cell 2,1", nullptr).Width());
}

TEST_F(HintMonitorTest, TheShortHintBelowTheMouseUnlessTheControlChangesIt) {
    control->Answer = false;
    control->SetHint("Short|Long help");
    ASSERT_TRUE(monitor->ShowHintAt({5, 5}));
    EXPECT_EQ(control->Seen.HintStr, "Short");
    EXPECT_EQ(control->Seen.HintPos, control->ClientToScreen({5, 25}));
    EXPECT_EQ(monitor->HintWindow()->Caption(), "Short");
    EXPECT_EQ(monitor->HintWindow()->Color(), clInfoBk);
}

TEST_F(HintMonitorTest, NoHintWhenRefusedEmptyOrSwitchedOff) {
    struct Case {
        const char* What;
        bool ShowHint, Answer, Refuse;
    };
    for (const Case& c : {Case{"refused", true, true, true}, Case{"empty", true, false, false},
                          Case{"ShowHint off", false, true, false}}) {
        control->SetShowHint(c.ShowHint);
        control->Answer = c.Answer;
        control->Refuse = c.Refuse;
        EXPECT_FALSE(monitor->ShowHintAt({5, 5})) << c.What;
        EXPECT_EQ(monitor->HintWindow(), nullptr) << c.What;
    }
}

TEST_F(HintMonitorTest, TheHintStaysInItsCellAndGoesWhenTheMouseLeavesIt) {
    ASSERT_TRUE(monitor->ShowHintAt({5, 5}));
    monitor->MouseMovedTo({19, 19});
    EXPECT_NE(monitor->HintWindow(), nullptr);
    EXPECT_EQ(control->Requests, 1);
    monitor->MouseMovedTo({21, 5});
    EXPECT_EQ(monitor->HintWindow(), nullptr);
}

TEST_F(HintMonitorTest, RestingMouseShowsTheHintAndLeavingHidesIt) {
    form->Show();
    monitor->HintPause = 0;
    monitor->HintShortPause = 0;
    InputSimulation::MouseMove(control, {25, 5});
    for (int i = 0; i < 20 && monitor->HintWindow() == nullptr; ++i)
        Application->ProcessMessages();
    ASSERT_NE(monitor->HintWindow(), nullptr);
    EXPECT_EQ(monitor->HintWindow()->Caption(), "cell 1,0");
    // Into the next cell: the old hint goes and the new one follows.
    InputSimulation::MouseMove(control, {65, 5});
    for (int i = 0; i < 20 && (monitor->HintWindow() == nullptr ||
                               monitor->HintWindow()->Caption() != "cell 3,0");
         ++i)
        Application->ProcessMessages();
    ASSERT_NE(monitor->HintWindow(), nullptr);
    EXPECT_EQ(monitor->HintWindow()->Caption(), "cell 3,0");
    InputSimulation::MouseDown(control, mbLeft, {65, 5});
    EXPECT_EQ(monitor->HintWindow(), nullptr);
    InputSimulation::MouseUp(control, mbLeft, {65, 5});
    ASSERT_TRUE(monitor->ShowHintAt({5, 5}));
    InputSimulation::MouseLeave(control);
    EXPECT_EQ(monitor->HintWindow(), nullptr);
}

TEST_F(HintMonitorTest, FreedWithItsControl) {
    ASSERT_TRUE(monitor->ShowHintAt({5, 5}));
    delete control;
    SUCCEED() << "the monitor and its hint window went with the control";
}

TEST(HintMonitorWithoutControl, ShowsNothing) {
    THintMonitor monitor(nullptr);
    EXPECT_FALSE(monitor.ShowHintAt({1, 1}));
    EXPECT_EQ(monitor.HintWindow(), nullptr);
}
