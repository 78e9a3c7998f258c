#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// One row of a sort: its position in the block being sorted and a 64-bit key whose order agrees
// with the full comparison, so that most comparisons are one integer test.
struct TSortEntry {
    uint64_t Prefix = 0;
    int32_t Pos = 0;
};

// Sorts the entries stably by Prefix alone: a radix sort by bytes, lowest first, that passes
// over the bytes every prefix shares (the high bytes of most number columns, all of them when
// there is no prefix).
inline void RadixSortByPrefix(std::vector<TSortEntry>& Entries) {
    const size_t n = Entries.size();
    if (n < 2)
        return;
    std::array<std::array<size_t, 256>, 8> counts{};
    for (const TSortEntry& e : Entries)
        for (size_t b = 0; b < 8; ++b)
            ++counts[b][(e.Prefix >> (8 * b)) & 0xFF];
    std::vector<TSortEntry> buffer;
    std::vector<TSortEntry>* from = &Entries;
    std::vector<TSortEntry>* to = &buffer;
    for (size_t b = 0; b < 8; ++b) {
        const std::array<size_t, 256>& count = counts[b];
        if (std::find(count.begin(), count.end(), n) != count.end())
            continue;
        if (buffer.empty())
            buffer.resize(n);
        std::array<size_t, 256> next{};
        for (size_t d = 1; d < 256; ++d)
            next[d] = next[d - 1] + count[d - 1];
        for (const TSortEntry& e : *from)
            (*to)[next[(e.Prefix >> (8 * b)) & 0xFF]++] = e;
        std::swap(from, to);
    }
    if (from != &Entries)
        Entries.swap(buffer);
}

// Sorts Count entries from First stably by Less(PosA, PosB). A merge sort with guarded loops,
// so an inconsistent Less (a user's compare hook) can spoil the order but never reach outside
// the entries.
template <typename TLess>
void MergeSortEntries(TSortEntry* First, size_t Count, std::vector<TSortEntry>& Buffer,
                      TLess Less) {
    const auto before = [&](const TSortEntry& a, const TSortEntry& b) {
        return Less(a.Pos, b.Pos);
    };
    constexpr size_t Run = 24;
    for (size_t lo = 0; lo < Count; lo += Run) {
        const size_t hi = std::min(Count, lo + Run);
        for (size_t i = lo + 1; i < hi; ++i) {
            const TSortEntry x = First[i];
            size_t j = i;
            while (j > lo && before(x, First[j - 1])) {
                First[j] = First[j - 1];
                --j;
            }
            First[j] = x;
        }
    }
    if (Count <= Run)
        return;
    if (Buffer.size() < Count)
        Buffer.resize(Count);
    TSortEntry* from = First;
    TSortEntry* to = Buffer.data();
    for (size_t width = Run; width < Count; width *= 2) {
        for (size_t lo = 0; lo < Count; lo += 2 * width) {
            const size_t mid = std::min(Count, lo + width);
            const size_t hi = std::min(Count, lo + 2 * width);
            size_t i = lo, j = mid, k = lo;
            if (mid == hi || !before(from[mid], from[mid - 1])) {
                // Already in order: one copy instead of a merge.
                std::copy(from + lo, from + hi, to + lo);
                continue;
            }
            while (i < mid && j < hi)
                to[k++] = before(from[j], from[i]) ? from[j++] : from[i++];
            while (i < mid)
                to[k++] = from[i++];
            while (j < hi)
                to[k++] = from[j++];
        }
        std::swap(from, to);
    }
    if (from != First)
        std::copy(from, from + Count, First);
}

// The positions of the entries, sorted by prefix, whose prefix another entry shares: the rows
// whose order the full comparison decides. In ascending order, so that reading their keys walks
// the rows forward.
inline std::vector<int32_t> TiedPositions(const std::vector<TSortEntry>& Entries) {
    const size_t n = Entries.size();
    std::vector<bool> isTied(n, false);
    size_t count = 0;
    for (size_t lo = 0; lo < n;) {
        size_t hi = lo + 1;
        while (hi < n && Entries[hi].Prefix == Entries[lo].Prefix)
            ++hi;
        if (hi - lo > 1) {
            for (size_t k = lo; k < hi; ++k)
                isTied[static_cast<size_t>(Entries[k].Pos)] = true;
            count += hi - lo;
        }
        lo = hi;
    }
    std::vector<int32_t> tied;
    tied.reserve(count);
    for (size_t pos = 0; pos < n; ++pos)
        if (isTied[pos])
            tied.push_back(static_cast<int32_t>(pos));
    return tied;
}

// Sorts the entries stably: by Prefix, then by Less(PosA, PosB) where the prefixes are equal.
// The prefixes decide most of the order in linear passes; Less only orders the runs of equal
// prefixes. BeforeTies(TiedPositions) runs first, so that the keys Less needs can be read in
// one forward pass instead of one random read per comparison.
template <typename TLess, typename TBeforeTies>
void StableSortEntries(std::vector<TSortEntry>& Entries, TLess Less, TBeforeTies BeforeTies) {
    RadixSortByPrefix(Entries);
    BeforeTies(TiedPositions(Entries));
    std::vector<TSortEntry> buffer;
    const size_t n = Entries.size();
    for (size_t lo = 0; lo < n;) {
        size_t hi = lo + 1;
        while (hi < n && Entries[hi].Prefix == Entries[lo].Prefix)
            ++hi;
        if (hi - lo > 1)
            MergeSortEntries(Entries.data() + lo, hi - lo, buffer, Less);
        lo = hi;
    }
}
