#include "platform/core/LargeMemory.h"
#include "platform/core/BackgroundPopulate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(LargeMemory, MapsZeroedHugePageAlignedMemory) {
    std::size_t bytes = 3 * 1000 * 1000;
    void* memory = LargeMemory::Map(bytes);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(bytes, 2 * LargeMemory::HugePage);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(memory) % LargeMemory::HugePage, 0u);
    LargeMemory::Populate(memory, bytes);
    const auto* data = static_cast<const unsigned char*>(memory);
    EXPECT_EQ(data[0] | data[bytes / 2] | data[bytes - 1], 0);
    LargeMemory::Unmap(memory, bytes);
}

// Stopped at once or left to finish, the faulting leaves the memory as it was: zeroed and
// writable, every byte of it.
TEST(BackgroundPopulate, LeavesTheMemoryAsItWas) {
    for (const bool stopAtOnce : {true, false}) {
        std::size_t bytes = std::size_t(40) << 20;
        void* memory = LargeMemory::Map(bytes);
        ASSERT_NE(memory, nullptr);
        auto* data = static_cast<unsigned char*>(memory);
        {
            TBackgroundPopulate faulting(memory, bytes);
            if (stopAtOnce)
                faulting.Stop();
            for (std::size_t i = 0; i < bytes; i += 4096) {
                EXPECT_EQ(data[i], 0) << i;
                data[i] = 1;
            }
        }
        LargeMemory::Unmap(memory, bytes);
    }
}

TEST(LargeMemory, ReservesLargeStringsKeepingTheirText) {
    std::string text = "kept";
    LargeMemory::ReserveLargeString(text, std::size_t(8) << 20);
    EXPECT_EQ(text, "kept");
    EXPECT_GE(text.capacity(), std::size_t(8) << 20);
    text.append(std::size_t(8) << 20, 'x');
    EXPECT_EQ(text.compare(0, 5, "keptx"), 0);
}

} // namespace
