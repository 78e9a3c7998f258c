#include "platform/core/BackgroundPopulate.h"

#include "platform/core/LargeMemory.h"

#include <algorithm>

namespace {

// Small enough that Stop waits only briefly, large enough for whole huge pages.
constexpr std::size_t Step = std::size_t(16) << 20;

} // namespace

TBackgroundPopulate::TBackgroundPopulate(void* memory, std::size_t bytes) {
    char* const start = static_cast<char*>(memory);
    const auto populate = [this, start, bytes] {
        for (std::size_t done = 0; done < bytes && !FStop.load(std::memory_order_relaxed);
             done += Step)
            LargeMemory::Populate(start + done, std::min(Step, bytes - done));
    };
    try {
        FThread = std::thread(populate);
    } catch (const std::system_error&) {
        // No thread to be had: the pages are faulted in as they are first written.
    }
}

void TBackgroundPopulate::Stop() {
    FStop.store(true, std::memory_order_relaxed);
    if (FThread.joinable())
        FThread.join();
}
