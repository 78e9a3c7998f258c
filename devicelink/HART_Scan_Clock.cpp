#include "devicelink/HART_Scan_Clock.h"

#include <chrono>

void THART_Real_Clock::Wait_Tick() {
    std::unique_lock lock(FLock);
    FWake.wait_for(lock, std::chrono::milliseconds(Tick_Ms), [this] { return FStopped; });
}

void THART_Real_Clock::Stop() {
    {
        std::lock_guard lock(FLock);
        FStopped = true;
    }
    FWake.notify_all();
}
