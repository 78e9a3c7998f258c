#include "StringGridControlTestGrid.h"

#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace StringGridTest;

TEST(StringGridControl, PaintDrawsOnlyTheVisibleCells) {
    for (int rows : {20, 1'000'000}) {
        auto grid = MakeGrid();
        grid->SetRowCount(rows);
        grid->SetTopRow(rows / 2);
        grid->Drawn.clear();
        Render(*grid);
        // 300 x 200 pixels hold 6 columns (the sixth partly) and 10 rows (the tenth partly).
        const std::set<std::pair<int, int>> cells(grid->Drawn.begin(), grid->Drawn.end());
        EXPECT_EQ(grid->Drawn.size(), 60u) << rows << " rows";
        EXPECT_EQ(cells.size(), grid->Drawn.size()) << "each cell painted once";
        EXPECT_TRUE(cells.count({0, 0}));
        EXPECT_TRUE(cells.count({5, grid->TopRow() + 8}));
    }
}

TEST(StringGridControl, PaintPassesTheDrawState) {
    auto grid = MakeGrid();
    grid->SetSelection(TGridRect{2, 2, 3, 2});
    Render(*grid);
    auto stateOf = [&](int col, int row) {
        for (std::size_t i = 0; i < grid->Drawn.size(); ++i)
            if (grid->Drawn[i] == std::make_pair(col, row))
                return grid->States[i];
        return TGridDrawState{gdPressed};
    };
    EXPECT_EQ(stateOf(0, 2), TGridDrawState{gdFixed});
    EXPECT_EQ(stateOf(3, 2), TGridDrawState{gdSelected});
    EXPECT_FALSE(stateOf(2, 2).Contains(gdSelected)) << "the current cell is not highlighted";
    EXPECT_EQ(stateOf(4, 2), TGridDrawState{});
}

TEST(StringGridControl, PaintFillsCellsAndLines) {
    auto grid = MakeGrid();
    grid->SetColor(clWhite);
    grid->SetFixedColor(clSilver);
    grid->SetCells(1, 1, "");
    TBitmap bitmap(grid->Width(), grid->Height());
    grid->PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.Pixel(10, 10), clSilver) << "fixed cell";
    EXPECT_EQ(bitmap.Pixel(75, 55), clWhite) << "normal cell";
    EXPECT_EQ(bitmap.Pixel(101, 55), clSilver) << "vertical line after column 1";
    EXPECT_EQ(bitmap.Pixel(75, 62), clSilver) << "horizontal line after row 2";
}

TEST(StringGridControl, PaintRenewsOnlyTheDamagedCells) {
    auto grid = MakeGrid();
    grid->Damaged = Rect(60, 30, 140, 70); // inside cells (1..2, 1..3)
    Render(*grid);
    const std::set<std::pair<int, int>> cells(grid->Drawn.begin(), grid->Drawn.end());
    const std::set<std::pair<int, int>> expected = {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}, {2, 3}};
    EXPECT_EQ(cells, expected);
}
