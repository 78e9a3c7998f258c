#include "platform/ui/Timer.h"
#include "platform/ui/Application.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

// Runs the loop until the condition holds; the bound only keeps a broken timer from hanging.
template <typename Condition> bool ProcessUntil(Condition done) {
    for (int round = 0; round < 2000 && !done(); ++round) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

} // namespace

TEST(Timer, FiresUnderProcessMessagesWithItselfAsSender) {
    TTimer timer(nullptr);
    timer.SetInterval(1);
    int ticks = 0;
    timer.SetOnTimer([&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    });
    EXPECT_TRUE(ProcessUntil([&] { return ticks >= 2; }));
}

TEST(Timer, DisabledOrWithoutHandlerItStaysQuiet) {
    int ticks = 0;
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.SetEnabled(false);
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    for (int i = 0; i < 20; ++i) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(ticks, 0);

    timer.SetEnabled(true);
    EXPECT_TRUE(ProcessUntil([&] { return ticks > 0; }));
}

TEST(Timer, AHandlerMayFreeItsOwnTimer) {
    auto* timer = new TTimer(nullptr);
    timer->SetInterval(1);
    bool freed = false;
    timer->SetOnTimer([&](TObject* sender) {
        delete static_cast<TTimer*>(sender);
        freed = true;
    });
    EXPECT_TRUE(ProcessUntil([&] { return freed; }));
    Application->ProcessMessages();
}
