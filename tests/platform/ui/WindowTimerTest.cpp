// Window timers: WM_TIMER with the timer's identifier, as the framework's SetTimer sends it.
#include "platform/ui/WindowTimer.h"

#include "platform/ui/Application.h"
#include "platform/ui/Control.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace {

class TTimedControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<WPARAM> Ticks;
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_TIMER)
            Ticks.push_back(Message.WParam);
        TCustomControl::WndProc(Message);
    }
};

// Runs the message loop until `done` or a generous deadline.
template <typename Done> void RunUntil(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

TEST(WindowTimer, TicksCarryTheTimersIdentifier) {
    TTimedControl control(nullptr);
    EXPECT_EQ(SetTimer(&control, 111, 20), 111u);
    RunUntil([&] { return control.Ticks.size() >= 2; });
    ASSERT_GE(control.Ticks.size(), 2u);
    for (WPARAM id : control.Ticks)
        EXPECT_EQ(id, 111u);
}

TEST(WindowTimer, SettingAnIdentifierAgainKeepsOneTimer) {
    TTimedControl control(nullptr);
    SetTimer(&control, 7, 1000);
    const int components = control.ComponentCount();
    SetTimer(&control, 7, 20);
    EXPECT_EQ(control.ComponentCount(), components);
    RunUntil([&] { return !control.Ticks.empty(); });
    EXPECT_FALSE(control.Ticks.empty()) << "the new interval applies";
}

TEST(WindowTimer, KillTimerStopsOnlyThatTimer) {
    TTimedControl control(nullptr);
    SetTimer(&control, 1, 20);
    SetTimer(&control, 2, 20);
    EXPECT_TRUE(KillTimer(&control, 1));
    EXPECT_FALSE(KillTimer(&control, 1));
    EXPECT_FALSE(KillTimer(&control, 99));
    control.Ticks.clear();
    RunUntil([&] { return control.Ticks.size() >= 3; });
    for (WPARAM id : control.Ticks)
        EXPECT_EQ(id, 2u);
}

TEST(WindowTimer, EndsWithItsControl) {
    auto control = std::make_unique<TTimedControl>(nullptr);
    SetTimer(control.get(), 3, 10);
    control.reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    Application->ProcessMessages();
    EXPECT_EQ(SetTimer(nullptr, 3, 10), 0u);
    EXPECT_FALSE(KillTimer(nullptr, 3));
}

} // namespace
