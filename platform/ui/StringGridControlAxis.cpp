#include "platform/ui/StringGridControlAxis.h"

#include <algorithm>

namespace {
int LowBit(int i) {
    return i & -i;
}
} // namespace

void TGridAxis::SetCount(int count) {
    count = std::max(0, count);
    if (!Uniform()) {
        if (count < FCount) {
            FSizes.resize(count);
            FTree.resize(count + 1);
        } else {
            FSizes.reserve(count);
            for (int i = FCount; i < count; ++i)
                AppendToTree(FDefaultSize);
        }
    }
    FCount = count;
}

void TGridAxis::SetDefaultSize(int size) {
    FDefaultSize = std::max(0, size);
    FSizes.clear();
    FTree.clear();
}

int TGridAxis::Size(int index) const {
    if (index < 0 || index >= FCount || Uniform())
        return FDefaultSize;
    return FSizes[index];
}

void TGridAxis::SetSize(int index, int size) {
    if (index < 0 || index >= FCount)
        return;
    size = std::max(0, size);
    if (size == Size(index))
        return;
    MakeExplicit();
    const int delta = size - FSizes[index];
    FSizes[index] = size;
    for (int i = index + 1; i <= FCount; i += LowBit(i))
        FTree[i] += delta;
}

int64_t TGridAxis::PrefixSum(int count) const {
    int64_t sum = 0;
    for (int i = count; i > 0; i -= LowBit(i))
        sum += FTree[i];
    return sum;
}

int64_t TGridAxis::Offset(int index, int gap) const {
    index = std::clamp(index, 0, FCount);
    const int64_t gaps = static_cast<int64_t>(index) * gap;
    if (Uniform())
        return static_cast<int64_t>(index) * FDefaultSize + gaps;
    return PrefixSum(index) + gaps;
}

int TGridAxis::IndexAt(int64_t position, int gap) const {
    if (position < 0 || position >= Total(gap))
        return -1;
    if (Uniform())
        return static_cast<int>(position / (FDefaultSize + gap));
    // Descend the tree to the longest run of entries whose sum does not pass the position; a
    // node of the descent covers exactly `step` entries, hence `step` gaps.
    int found = 0;
    int64_t rest = position;
    int step = 1;
    while (step * 2 <= FCount)
        step *= 2;
    for (; step > 0; step /= 2) {
        const int next = found + step;
        if (next <= FCount && FTree[next] + static_cast<int64_t>(step) * gap <= rest) {
            found = next;
            rest -= FTree[next] + static_cast<int64_t>(step) * gap;
        }
    }
    return found;
}

void TGridAxis::MakeExplicit() {
    if (!Uniform())
        return;
    FSizes.assign(FCount, FDefaultSize);
    Rebuild();
}

void TGridAxis::Rebuild() {
    FTree.assign(FCount + 1, 0);
    for (int i = 1; i <= FCount; ++i) {
        FTree[i] += FSizes[i - 1];
        const int parent = i + LowBit(i);
        if (parent <= FCount)
            FTree[parent] += FTree[i];
    }
}

void TGridAxis::AppendToTree(int size) {
    FSizes.push_back(size);
    const int i = static_cast<int>(FSizes.size());
    // Node i covers the entries (i - LowBit(i), i]: the new size plus the sums before it.
    FTree.push_back(size + PrefixSum(i - 1) - PrefixSum(i - LowBit(i)));
}

void TGridAxis::Insert(int at, int count) {
    if (at < 0 || at > FCount || count <= 0)
        return;
    if (!Uniform()) {
        FSizes.insert(FSizes.begin() + at, count, FDefaultSize);
        FCount += count;
        Rebuild();
        return;
    }
    FCount += count;
}

void TGridAxis::Delete(int at, int count) {
    if (at < 0 || at >= FCount || count <= 0)
        return;
    count = std::min(count, FCount - at);
    if (!Uniform()) {
        FSizes.erase(FSizes.begin() + at, FSizes.begin() + at + count);
        FCount -= count;
        Rebuild();
        return;
    }
    FCount -= count;
}

void TGridAxis::Move(int from, int to) {
    if (from < 0 || to < 0 || from >= FCount || to >= FCount || from == to || Uniform())
        return;
    if (from < to)
        std::rotate(FSizes.begin() + from, FSizes.begin() + from + 1, FSizes.begin() + to + 1);
    else
        std::rotate(FSizes.begin() + to, FSizes.begin() + from, FSizes.begin() + from + 1);
    Rebuild();
}
