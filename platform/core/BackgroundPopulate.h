#pragma once

#include <atomic>
#include <cstddef>
#include <thread>

// Faults a large block of fresh memory in on a thread of its own, front to back, while the
// program fills the same block from its front: the kernel's zeroing of hundreds of megabytes
// then runs beside the filling instead of before it. The memory must stay mapped until Stop
// returns (or the object is gone).
class TBackgroundPopulate {
public:
    TBackgroundPopulate(void* memory, std::size_t bytes);
    ~TBackgroundPopulate() { Stop(); }
    TBackgroundPopulate(const TBackgroundPopulate&) = delete;
    TBackgroundPopulate& operator=(const TBackgroundPopulate&) = delete;

    // Ends the faulting after the step under way and waits for it.
    void Stop();

private:
    std::atomic<bool> FStop{false};
    std::thread FThread;
};
