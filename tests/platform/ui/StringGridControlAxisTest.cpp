#include "platform/ui/StringGridControlAxis.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// Offsets and hit-tests of an axis against a plain walk over its sizes.
// Each size is followed by a grid line of 0 or 1 pixels.
void ExpectMatchesWalk(const TGridAxis& axis) {
    for (int gap : {0, 1}) {
        int64_t offset = 0;
        for (int i = 0; i < axis.Count(); ++i) {
            ASSERT_EQ(axis.Offset(i, gap), offset) << "offset of " << i << " gap " << gap;
            for (int64_t p = offset; p < offset + axis.Size(i) + gap; ++p)
                ASSERT_EQ(axis.IndexAt(p, gap), i) << "position " << p << " gap " << gap;
            offset += axis.Size(i) + gap;
        }
        EXPECT_EQ(axis.Total(gap), offset);
        EXPECT_EQ(axis.IndexAt(offset, gap), -1);
        EXPECT_EQ(axis.IndexAt(-1, gap), -1);
    }
}
} // namespace

TEST(GridAxis, UniformSizesNeedNoTable) {
    TGridAxis axis(22);
    axis.SetCount(1'000'000);
    EXPECT_EQ(axis.Offset(1'000'000), 22'000'000);
    EXPECT_EQ(axis.IndexAt(21), 0);
    EXPECT_EQ(axis.IndexAt(22), 1);
    EXPECT_EQ(axis.IndexAt(21'999'999), 999'999);
}

TEST(GridAxis, MixedSizesMatchAWalk) {
    TGridAxis axis(5);
    axis.SetCount(37);
    const std::vector<std::pair<int, int>> writes = {{0, 1}, {3, 0}, {4, 0}, {10, 12}, {36, 2}};
    for (auto [index, size] : writes) {
        axis.SetSize(index, size);
        ExpectMatchesWalk(axis);
    }
    EXPECT_EQ(axis.Size(3), 0);
    EXPECT_EQ(axis.Size(99), 5) << "outside the axis reads the default";
}

TEST(GridAxis, GrowingAndShrinkingKeepsSizes) {
    TGridAxis axis(4);
    axis.SetCount(3);
    axis.SetSize(1, 9);
    for (int count : {4, 5, 8, 17, 16, 2, 33}) {
        axis.SetCount(count);
        ExpectMatchesWalk(axis);
    }
    EXPECT_EQ(axis.Size(1), 9);
    EXPECT_EQ(axis.Size(20), 4);
}

TEST(GridAxis, StructuralChangesMoveSizes) {
    struct Case {
        const char* name;
        void (*change)(TGridAxis&);
        std::vector<int> sizes;
    };
    const Case cases[] = {
        {"insert", [](TGridAxis& a) { a.Insert(1, 2); }, {1, 3, 3, 2, 3, 4}},
        {"delete", [](TGridAxis& a) { a.Delete(1, 2); }, {1, 4}},
        {"move down", [](TGridAxis& a) { a.Move(0, 3); }, {2, 3, 4, 1}},
        {"move up", [](TGridAxis& a) { a.Move(3, 0); }, {4, 1, 2, 3}},
        {"new default", [](TGridAxis& a) { a.SetDefaultSize(7); }, {7, 7, 7, 7}},
    };
    for (const Case& c : cases) {
        TGridAxis axis(3);
        axis.SetCount(4);
        for (int i = 0; i < 4; ++i)
            axis.SetSize(i, i + 1);
        c.change(axis);
        std::vector<int> sizes;
        for (int i = 0; i < axis.Count(); ++i)
            sizes.push_back(axis.Size(i));
        EXPECT_EQ(sizes, c.sizes) << c.name;
        ExpectMatchesWalk(axis);
    }
}
