#include "grid/stringgrid/HiddenColumnSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

// Six real columns, column 2 hidden with the width it had.
THiddenColumnSet SixColumnsWithSecondHidden() {
    THiddenColumnSet set;
    EXPECT_TRUE(set.Hide(2, 77));
    return set;
}

TEST(HiddenColumnSet, MapsAroundAHiddenColumn) {
    const THiddenColumnSet set = SixColumnsWithSecondHidden();
    EXPECT_EQ(set.Count(), 1);
    EXPECT_TRUE(set.IsHiddenColumn(2));
    EXPECT_FALSE(set.IsHiddenColumn(3));
    EXPECT_EQ(set.KeptWidth(2), 77);
    EXPECT_EQ(set.KeptWidth(3), 0);
    struct Case {
        int display, real;
    };
    for (const Case c : {Case{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 5}})
        EXPECT_EQ(set.RealColIndex(c.display), c.real) << "display " << c.display;
    EXPECT_EQ(set.DisplColIndex(3), 2);
    EXPECT_EQ(set.DisplColIndex(2), 2) << "a hidden column maps to the next one on show";
    EXPECT_EQ(set.DisplColIndex(1), 1);
    EXPECT_EQ(set.RealColIndex(-1), -1);
    EXPECT_EQ(set.DisplColIndex(-1), -1);
}

TEST(HiddenColumnSet, HidesColumnsFarBeyondTheFormerTable) {
    THiddenColumnSet set;
    ASSERT_TRUE(set.Hide(600, 10));
    ASSERT_TRUE(set.Hide(100000, 20));
    EXPECT_TRUE(set.IsHiddenColumn(600));
    EXPECT_EQ(set.RealColIndex(599), 599);
    EXPECT_EQ(set.RealColIndex(600), 601);
    EXPECT_EQ(set.DisplColIndex(601), 600);
    EXPECT_EQ(set.RealColIndex(99998), 100000 - 1);
    EXPECT_EQ(set.RealColIndex(99999), 100001);
    EXPECT_EQ(set.DisplColIndex(100001), 99999);
    EXPECT_EQ(set.KeptWidth(100000), 20);
}

TEST(HiddenColumnSet, RefusesWhatCannotBeHidden) {
    THiddenColumnSet set = SixColumnsWithSecondHidden();
    EXPECT_FALSE(set.Hide(2, 5)) << "already hidden";
    EXPECT_EQ(set.KeptWidth(2), 77) << "the first width is kept";
    EXPECT_FALSE(set.Hide(-1, 5));
    EXPECT_FALSE(set.Show(3)) << "not hidden";

    EXPECT_FALSE(set.CanHide(2, 6)) << "already hidden";
    EXPECT_FALSE(set.CanHide(6, 6)) << "no such column";
    EXPECT_FALSE(set.CanHide(-1, 6));
    EXPECT_TRUE(set.CanHide(5, 6));
    THiddenColumnSet two;
    EXPECT_TRUE(two.CanHide(0, 2));
    two.Hide(0, 10);
    EXPECT_FALSE(two.CanHide(1, 2)) << "the last column on show stays";
}

// The columns as a plain row of flags: the model the set must agree with.
struct TColumnModel {
    std::vector<bool> Hidden;
    std::vector<int> Width;

    int RealOfDisplay(int display) const {
        int shown = -1;
        for (int c = 0; c < static_cast<int>(Hidden.size()); ++c)
            if (!Hidden[c] && ++shown == display)
                return c;
        // Past the known columns every column is on show.
        return static_cast<int>(Hidden.size()) + display - shown - 1;
    }
    int DisplayOfReal(int real) const {
        int before = 0;
        for (int c = 0; c < std::min(real, static_cast<int>(Hidden.size())); ++c)
            before += Hidden[c];
        return real - before;
    }
};

TEST(HiddenColumnSet, AgreesWithAFlagPerColumnOverRandomHidingAndShowing) {
    std::mt19937 random(20261210);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    THiddenColumnSet set;
    TColumnModel model;
    model.Hidden.assign(40, false);
    model.Width.assign(40, 0);
    for (int step = 0; step < 3000; ++step) {
        const int total = static_cast<int>(model.Hidden.size());
        const int col = below(total + 3);
        switch (below(2)) {
        case 0: {
            const int width = 1 + below(200);
            const bool allowed = set.CanHide(col, total);
            const int onShow =
                static_cast<int>(std::count(model.Hidden.begin(), model.Hidden.end(), false));
            ASSERT_EQ(allowed, col < total && !model.Hidden[col] && onShow >= 2) << step;
            if (allowed) {
                ASSERT_TRUE(set.Hide(col, width));
                model.Hidden[col] = true;
                model.Width[col] = width;
            }
            break;
        }
        case 1:
            ASSERT_EQ(set.Show(col), col < total && model.Hidden[col]) << step;
            if (col < total)
                model.Hidden[col] = false;
            break;
        }
        for (int i = 0; i < total + 5; ++i) {
            const bool hidden = i < total && model.Hidden[i];
            ASSERT_EQ(set.IsHiddenColumn(i), hidden) << "step " << step << " column " << i;
            if (hidden) {
                ASSERT_EQ(set.KeptWidth(i), model.Width[i]) << "step " << step;
            }
            ASSERT_EQ(set.RealColIndex(i), model.RealOfDisplay(i)) << "step " << step;
            ASSERT_EQ(set.DisplColIndex(i), model.DisplayOfReal(i)) << "step " << step;
        }
    }
}

} // namespace
