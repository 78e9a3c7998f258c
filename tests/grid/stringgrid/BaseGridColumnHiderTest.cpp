#include "grid/stringgrid/BaseGridColumnHider.h"

#include "grid/foundation/BaseGrid.h"
#include "grid/stringgrid/HiddenColumnSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Six real columns of widths 10, 20, ... 60; column c holds the text "c<c>" in row 0.
struct TSixColumns {
    std::unique_ptr<TBaseGrid> Grid = std::make_unique<TBaseGrid>(nullptr);
    THiddenColumnSet Hidden;
    TBaseGridColumnHider Hider{*Grid, Hidden};

    TSixColumns() {
        Grid->SetColCount(6);
        Grid->SetRowCount(3);
        for (int c = 0; c < 6; ++c) {
            Grid->SetColWidths(c, 10 * (c + 1));
            Grid->SetGridCell(c, 0, "c" + std::to_string(c));
        }
    }
    std::vector<int> Widths() const {
        std::vector<int> widths;
        for (int c = 0; c < Grid->ColCount(); ++c)
            widths.push_back(Grid->ColWidths(c));
        return widths;
    }
};

TEST(BaseGridColumnHider, HidingAColumnClosesUpTheWidthsAndKeepsTheCells) {
    TSixColumns six;
    EXPECT_EQ(six.Hider.HideColumns(2, 2), 1);
    EXPECT_EQ(six.Grid->ColCount(), 5);
    EXPECT_EQ(six.Hider.TotalColCount(), 6);
    EXPECT_EQ(six.Widths(), (std::vector<int>{10, 20, 40, 50, 60}));
    EXPECT_EQ(six.Hidden.KeptWidth(2), 30);
    EXPECT_EQ(six.Grid->GridCells(2, 0), "c2") << "cells stay by real column";
    EXPECT_EQ(six.Grid->GridCells(six.Hidden.RealColIndex(2), 0), "c3");
    EXPECT_EQ(six.Hider.HideColumns(2, 2), 0) << "hidden twice changes nothing";
    EXPECT_EQ(six.Grid->ColCount(), 5);
}

TEST(BaseGridColumnHider, HidesARangeAroundColumnsHiddenAlready) {
    TSixColumns six;
    six.Hider.HideColumns(3, 3);
    EXPECT_EQ(six.Hider.HideColumns(1, 4), 3);
    EXPECT_EQ(six.Widths(), (std::vector<int>{10, 60}));
    EXPECT_EQ(six.Hidden.HiddenColumns(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(six.Hidden.KeptWidth(4), 50);
}

TEST(BaseGridColumnHider, KeepsOneColumnOnShow) {
    TSixColumns six;
    EXPECT_EQ(six.Hider.HideColumns(0, 100), 5);
    EXPECT_EQ(six.Grid->ColCount(), 1);
    EXPECT_EQ(six.Widths(), (std::vector<int>{60}));
    EXPECT_EQ(six.Hider.HideColumns(5, 5), 0);
}

TEST(BaseGridColumnHider, CurrentCellInTheLastColumnMovesLeft) {
    TSixColumns six;
    six.Grid->FocusCell(5, 1, true);
    six.Hider.HideColumns(1, 1);
    EXPECT_EQ(six.Grid->Col(), 4);
    six.Grid->FocusCell(2, 1, true);
    six.Hider.HideColumns(4, 4);
    EXPECT_EQ(six.Grid->Col(), 2) << "a current cell before the last column stays";
}

TEST(BaseGridColumnHider, ShowingGivesEveryColumnItsWidthBack) {
    TSixColumns six;
    six.Hider.HideColumns(1, 1);
    six.Hider.HideColumns(3, 4);
    six.Grid->SetColWidths(1, 33); // display column 1 is real column 2
    EXPECT_EQ(six.Hider.UnHideColumns(3, 3), 1);
    EXPECT_EQ(six.Widths(), (std::vector<int>{10, 33, 40, 60}));
    EXPECT_EQ(six.Hider.UnHideColumnsAll(), 2);
    EXPECT_EQ(six.Widths(), (std::vector<int>{10, 20, 33, 40, 50, 60}));
    EXPECT_EQ(six.Hidden.Count(), 0);
    EXPECT_EQ(six.Hider.UnHideColumns(0, 5), 0);
}

TEST(BaseGridColumnHider, HidesColumnsPastTheFormerLimit) {
    auto grid = std::make_unique<TBaseGrid>(nullptr);
    grid->SetColCount(700);
    grid->SetColWidths(600, 99);
    THiddenColumnSet hidden;
    TBaseGridColumnHider hider(*grid, hidden);
    EXPECT_EQ(hider.HideColumns(600, 600), 1);
    EXPECT_EQ(grid->ColCount(), 699);
    EXPECT_TRUE(hidden.IsHiddenColumn(600));
    EXPECT_EQ(hidden.RealColIndex(600), 601);
    hider.UnHideColumnsAll();
    EXPECT_EQ(grid->ColWidths(600), 99);
}

TEST(BaseGridColumnHider, WidthsFollowTheirColumnsOverRandomRanges) {
    std::mt19937 random(11);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto grid = std::make_unique<TBaseGrid>(nullptr);
    constexpr int Total = 30;
    grid->SetColCount(Total);
    std::vector<int> width(Total);
    std::vector<bool> isHidden(Total, false);
    for (int c = 0; c < Total; ++c) {
        width[c] = 5 + c;
        grid->SetColWidths(c, width[c]);
    }
    THiddenColumnSet hidden;
    TBaseGridColumnHider hider(*grid, hidden);
    for (int step = 0; step < 500; ++step) {
        const int from = below(Total + 4) - 2;
        const int to = from + below(6) - 1;
        if (below(2) == 0) {
            int onShow = static_cast<int>(std::count(isHidden.begin(), isHidden.end(), false));
            int expected = 0;
            for (int c = std::max(from, 0); c <= std::min(to, Total - 1) && onShow >= 2; ++c)
                if (!isHidden[c]) {
                    isHidden[c] = true;
                    --onShow;
                    ++expected;
                }
            ASSERT_EQ(hider.HideColumns(from, to), expected) << "step " << step;
        } else {
            int expected = 0;
            for (int c = std::max(from, 0); c <= std::min(to, Total - 1); ++c)
                if (isHidden[c]) {
                    isHidden[c] = false;
                    ++expected;
                }
            ASSERT_EQ(hider.UnHideColumns(from, to), expected) << "step " << step;
        }
        std::vector<int> shownWidths;
        for (int c = 0; c < Total; ++c) {
            if (!isHidden[c])
                shownWidths.push_back(width[c]);
            else
                ASSERT_EQ(hidden.KeptWidth(c), width[c]) << "step " << step;
        }
        std::vector<int> displayWidths;
        for (int c = 0; c < grid->ColCount(); ++c)
            displayWidths.push_back(grid->ColWidths(c));
        ASSERT_EQ(displayWidths, shownWidths) << "step " << step;
    }
}

} // namespace
