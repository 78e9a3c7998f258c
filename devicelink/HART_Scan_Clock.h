#pragma once

#include <condition_variable>
#include <mutex>

// The scan worker's tick: one pass of its loop per tick. Its time-outs and pauses are counted in
// ticks, so whoever gives the ticks decides how fast the scan's time runs.
class THART_Scan_Clock {
public:
    virtual ~THART_Scan_Clock() = default;

    // Worker thread, after each pass: returns when the next tick is due, or at once once stopped.
    virtual void Wait_Tick() = 0;
    // The worker is ending (or has ended): a waiting worker is let go and no tick waits again.
    virtual void Stop() = 0;
};

// A tick every 10 ms of real time.
class THART_Real_Clock : public THART_Scan_Clock {
public:
    static constexpr int Tick_Ms = 10;

    void Wait_Tick() override;
    void Stop() override;

private:
    std::mutex FLock;
    std::condition_variable FWake;
    bool FStopped = false;
};
