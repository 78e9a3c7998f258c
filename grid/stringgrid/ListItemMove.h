#pragma once

#include <algorithm>
#include <vector>

// Moves the item at `from` to `to`; the items between shift one place towards `from`. Both must
// lie inside the list.
template <typename T> void MoveListItem(std::vector<T>& list, int from, int to) {
    const auto source = list.begin() + from;
    const auto target = list.begin() + to;
    if (from < to)
        std::rotate(source, source + 1, target + 1);
    else
        std::rotate(target, source, source + 1);
}
