#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// Mapping between real indexes (every row or column) and display indexes (those on show), given
// the hidden real indexes in ascending order (`key` reads the index of an entry). Both are binary
// searches, so a lookup costs O(log h) for h hidden entries.

// A real index less the hidden ones before it; a hidden index maps to the display index of the
// next one on show. Negative indexes map to themselves.
template <typename T, typename Key>
int RealToDisplayIndex(const std::vector<T>& hidden, int realIndex, Key key) {
    if (realIndex < 0)
        return realIndex;
    const auto before = std::partition_point(hidden.begin(), hidden.end(),
                                             [&](const T& h) { return key(h) < realIndex; });
    return realIndex - static_cast<int>(before - hidden.begin());
}

// The (displayIndex + 1)-th real index on show, or -1 for a negative display index. The i-th
// hidden entry has key - i entries on show before it, a count that never falls along the list;
// it lies before the wanted one exactly when that count is at most displayIndex, so the hidden
// ones to skip are a prefix of the list.
template <typename T, typename Key>
int DisplayToRealIndex(const std::vector<T>& hidden, int displayIndex, Key key) {
    if (displayIndex < 0)
        return -1;
    std::size_t low = 0;
    std::size_t high = hidden.size();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (key(hidden[mid]) - static_cast<int>(mid) <= displayIndex)
            low = mid + 1;
        else
            high = mid;
    }
    return displayIndex + static_cast<int>(low);
}
