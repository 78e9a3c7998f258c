#include "platform/core/LargeMemory.h"

#include <sys/mman.h>

#include <cstdint>

namespace LargeMemory {

namespace {

std::size_t RoundUp(std::size_t bytes, std::size_t unit) {
    return (bytes + unit - 1) / unit * unit;
}

// Offers the whole huge pages inside a block of memory from anywhere (a string's buffer) for
// huge pages; nothing changes for its contents.
void AdviseHugePages(void* memory, std::size_t bytes) {
    const auto start = reinterpret_cast<std::uintptr_t>(memory);
    const std::uintptr_t first = RoundUp(start, HugePage);
    const std::uintptr_t end = (start + bytes) / HugePage * HugePage;
    if (first < end)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

} // namespace

void* Map(std::size_t& bytes) {
    bytes = RoundUp(bytes == 0 ? 1 : bytes, HugePage);
    // One huge page more than asked, so that an aligned range of the size fits; the ends are
    // given back at once.
    const std::size_t mapped = bytes + HugePage;
    void* memory =
        mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return nullptr;
    char* const start = static_cast<char*>(memory);
    char* const aligned =
        reinterpret_cast<char*>(RoundUp(reinterpret_cast<std::uintptr_t>(start), HugePage));
    if (aligned > start)
        munmap(start, static_cast<std::size_t>(aligned - start));
    if (char* const tail = aligned + bytes; tail < start + mapped)
        munmap(tail, static_cast<std::size_t>(start + mapped - tail));
    madvise(aligned, bytes, MADV_HUGEPAGE);
    return aligned;
}

void Populate(void* memory, std::size_t bytes) {
    // Older kernels lack the advice: the pages are then faulted in as they are first written.
    madvise(memory, bytes, MADV_POPULATE_WRITE);
}

void ReserveLargeString(std::string& text, std::size_t bytes) {
    text.reserve(bytes);
    AdviseHugePages(text.data(), text.capacity());
}

void Unmap(void* memory, std::size_t bytes) {
    if (memory && bytes > 0)
        munmap(memory, bytes);
}

} // namespace LargeMemory
