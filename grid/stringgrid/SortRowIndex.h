#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

// One row of a sort: its position in the block being sorted and a 64-bit key whose order agrees
// with the full comparison, so that most comparisons are one integer test.
struct TSortEntry {
    uint64_t Prefix = 0;
    int32_t Pos = 0;
};

// Sorts the entries stably: by Prefix, then by Less(PosA, PosB) where the prefixes are equal.
// A merge sort with guarded loops, so an inconsistent Less (a user's compare hook) can spoil the
// order but never reach outside the entries.
template <typename TLess> void StableSortEntries(std::vector<TSortEntry>& Entries, TLess Less) {
    const auto before = [&](const TSortEntry& a, const TSortEntry& b) {
        return a.Prefix != b.Prefix ? a.Prefix < b.Prefix : Less(a.Pos, b.Pos);
    };
    const size_t n = Entries.size();
    constexpr size_t Run = 24;
    for (size_t lo = 0; lo < n; lo += Run) {
        const size_t hi = std::min(n, lo + Run);
        for (size_t i = lo + 1; i < hi; ++i) {
            const TSortEntry x = Entries[i];
            size_t j = i;
            while (j > lo && before(x, Entries[j - 1])) {
                Entries[j] = Entries[j - 1];
                --j;
            }
            Entries[j] = x;
        }
    }
    if (n <= Run)
        return;
    std::vector<TSortEntry> buffer(n);
    std::vector<TSortEntry>* from = &Entries;
    std::vector<TSortEntry>* to = &buffer;
    for (size_t width = Run; width < n; width *= 2) {
        for (size_t lo = 0; lo < n; lo += 2 * width) {
            const size_t mid = std::min(n, lo + width);
            const size_t hi = std::min(n, lo + 2 * width);
            size_t i = lo, j = mid, k = lo;
            const std::vector<TSortEntry>& src = *from;
            std::vector<TSortEntry>& dst = *to;
            if (mid == hi || !before(src[mid], src[mid - 1])) {
                // Already in order: one copy instead of a merge.
                std::copy(src.begin() + lo, src.begin() + hi, dst.begin() + lo);
                continue;
            }
            while (i < mid && j < hi)
                dst[k++] = before(src[j], src[i]) ? src[j++] : src[i++];
            while (i < mid)
                dst[k++] = src[i++];
            while (j < hi)
                dst[k++] = src[j++];
        }
        std::swap(from, to);
    }
    if (from != &Entries)
        Entries.swap(buffer);
}
