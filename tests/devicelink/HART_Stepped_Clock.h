#pragma once

#include "devicelink/HART_Scan_Clock.h"
#include "platform/ui/Thread.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

// The scan worker's clock in a test's hand: the worker waits at every tick until the test lets
// it pass. Step runs on the UI thread and runs the worker's reports while it waits.
class THART_Stepped_Clock : public THART_Scan_Clock {
public:
    void Wait_Tick() override {
        std::unique_lock lock(FLock);
        FWaiting = true;
        FChanged.notify_all();
        FChanged.wait(lock, [this] { return FGranted > 0 || FStopped; });
        if (FGranted > 0)
            --FGranted;
        FWaiting = false;
        ++FTicks;
    }

    void Stop() override {
        {
            std::lock_guard lock(FLock);
            FStopped = true;
        }
        FChanged.notify_all();
    }

    // Returns once the worker waits for a tick: from then on it makes no pass unless stepped.
    void Wait_For_Worker() {
        Wait_Until([this] { return FWaiting; });
    }

    // Lets the worker run `count` passes and returns when it waits for the next tick (or has
    // ended).
    void Step(int count = 1) {
        Wait_Until([this] { return FWaiting && FGranted == 0; });
        {
            std::lock_guard lock(FLock);
            FGranted = count;
        }
        FChanged.notify_all();
        Wait_Until([this] { return FWaiting && FGranted == 0; });
    }

    // Ticks the worker has passed.
    long Ticks() const {
        std::lock_guard lock(FLock);
        return FTicks;
    }

    bool Stopped() const {
        std::lock_guard lock(FLock);
        return FStopped;
    }

private:
    // With FLock held, `ready` says whether the wait is over; a stopped clock ends every wait.
    void Wait_Until(const std::function<bool()>& ready) {
        for (;;) {
            {
                std::unique_lock lock(FLock);
                if (FStopped || ready())
                    return;
                FChanged.wait_for(lock, std::chrono::milliseconds(1),
                                  [&] { return FStopped || ready(); });
                if (FStopped || ready())
                    return;
            }
            // The worker may be waiting in a report for this thread.
            CheckSynchronize();
        }
    }

    mutable std::mutex FLock;
    std::condition_variable FChanged;
    bool FWaiting = false;
    bool FStopped = false;
    int FGranted = 0;
    long FTicks = 0;
};
