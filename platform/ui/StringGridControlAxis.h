#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

// A pixel position of a long axis as a client coordinate; far-off positions are kept well inside
// the int range so that sums of two of them cannot overflow.
constexpr int ClampToPixels(int64_t position) {
    return static_cast<int>(std::clamp<int64_t>(position, std::numeric_limits<int>::min() / 2,
                                                std::numeric_limits<int>::max() / 2));
}

// The sizes of the columns (or rows) of a grid with their running offsets. While every entry
// has the default size, offsets are a multiplication; once one differs, a Fenwick tree keeps
// offsets and position look-ups at O(log n), so hit-testing and scrolling never walk the axis.
class TGridAxis {
public:
    explicit TGridAxis(int defaultSize) : FDefaultSize(defaultSize) {}

    int Count() const { return FCount; }
    void SetCount(int count);

    int DefaultSize() const { return FDefaultSize; }
    // Gives every entry the new default size, as the framework's default width and height do.
    void SetDefaultSize(int size);

    // An index outside the axis reads as the default size; writes there are ignored.
    int Size(int index) const;
    void SetSize(int index, int size);

    // Sum of the sizes of the entries before `index` (clamped to 0..Count()), each followed by
    // `gap` pixels (the grid lines between cells).
    int64_t Offset(int index, int gap = 0) const;
    int64_t Total(int gap = 0) const { return Offset(FCount, gap); }
    // The entry whose size or following gap covers `position`, counted from the start of entry
    // 0; -1 before it or past the end.
    int IndexAt(int64_t position, int gap = 0) const;

    void Insert(int at, int count);
    void Delete(int at, int count);
    void Move(int from, int to);

private:
    bool Uniform() const { return FSizes.empty(); }
    void MakeExplicit();
    void Rebuild();
    void AppendToTree(int size);
    int64_t PrefixSum(int count) const;

    int FCount = 0;
    int FDefaultSize;
    std::vector<int> FSizes;    // empty while every size is the default
    std::vector<int64_t> FTree; // Fenwick tree over FSizes, 1-based
};
