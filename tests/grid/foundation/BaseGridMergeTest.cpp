#include "BaseGridTestGrid.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {
struct MergeArea {
    int c, r, spanx, spany;
};

void ExpectConsistent(const TTestBaseGrid& grid, const char* step) {
    EXPECT_EQ(grid.CheckMergedAreas(), "") << step;
}
} // namespace

TEST(BaseGridMerge, AreaKeepsExtentsInTheBaseAndOffsetsElsewhere) {
    auto grid = MakeBaseGrid();
    ASSERT_TRUE(grid->MergeCells(1, 1, 2, 3));
    ExpectConsistent(*grid, "merge");
    struct Case {
        int col, row;
        bool isBase;
        TPoint ownSpans, base, span, ext;
    };
    const Case cases[] = {
        {1, 1, true, {1, 2}, {1, 1}, {1, 2}, {1, 2}},
        {2, 3, false, {1, 2}, {1, 1}, {1, 2}, {0, 0}},
        {2, 2, false, {1, 1}, {1, 1}, {1, 2}, {0, 1}},
        {1, 3, false, {0, 2}, {1, 1}, {1, 2}, {1, 0}},
        {3, 1, true, {-1, -1}, {3, 1}, {0, 0}, {0, 0}}, // outside the area, never touched
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "cell " << c.col << "," << c.row);
        EXPECT_EQ(grid->IsBaseCell(c.col, c.row), c.isBase);
        if (grid->HasCellProperties(c.col, c.row)) {
            const TCellProperties* p = grid->CellProperties(c.col, c.row);
            EXPECT_EQ(Point(p->CellSpanX(), p->CellSpanY()), c.ownSpans);
        }
        EXPECT_EQ(grid->BaseCell(c.col, c.row), c.base);
        EXPECT_EQ(grid->CellSpan(c.col, c.row), c.span);
        EXPECT_EQ(grid->CellExt(c.col, c.row), c.ext);
    }
    EXPECT_EQ(grid->FullCell(2, 2), Rect(1, 1, 2, 3));
    EXPECT_TRUE(grid->IsMergedNonBaseCell(2, 3));
    EXPECT_TRUE(grid->IsXMergedCell(1, 3));
    EXPECT_TRUE(grid->IsYMergedCell(2, 1));
    EXPECT_FALSE(grid->HasCellProperties(3, 1)) << "a query creates nothing";
}

TEST(BaseGridMerge, WritesGoToTheBaseCellAndReadsShowIt) {
    auto grid = MakeBaseGrid();
    grid->SetGridCell(2, 2, "own text");
    grid->MergeCells(1, 1, 2, 3);
    grid->SetCells(2, 3, "merged");
    EXPECT_EQ(grid->GridCells(1, 1), "merged");
    EXPECT_EQ(grid->Cells(2, 2), "merged");
    EXPECT_EQ(grid->GridCells(2, 2), "own text") << "merging moves no text";
    grid->SplitCells(2, 2);
    EXPECT_EQ(grid->Cells(2, 2), "own text");
}

TEST(BaseGridMerge, SingleCellAreaCountsAsUnmerged) {
    auto grid = MakeBaseGrid();
    ASSERT_TRUE(grid->MergeCells(4, 4, 1, 1));
    EXPECT_FALSE(grid->IsMergedCell(4, 4));
    EXPECT_EQ(grid->CellSpan(4, 4), Point(0, 0));
    ExpectConsistent(*grid, "1x1");
}

TEST(BaseGridMerge, RefusesAreasThatLeaveTheGridOrOverlap) {
    struct Case {
        const char* name;
        int c, r, spanx, spany;
    };
    // The grid already holds the area (2, 2)..(3, 3).
    const Case cases[] = {
        {"zero width", 1, 1, 0, 2},         {"negative height", 1, 1, 2, -1},
        {"negative column", -1, 1, 2, 2},   {"past the last column", 7, 1, 2, 1},
        {"past the last row", 1, 11, 1, 2}, {"covers the area", 1, 1, 4, 4},
        {"overlaps a corner", 3, 3, 2, 2},  {"inside the area", 3, 3, 1, 1},
        {"huge span", 1, 1, 0x7FFFFFFF, 1},
    };
    for (const Case& c : cases) {
        auto grid = MakeBaseGrid();
        ASSERT_TRUE(grid->MergeCells(2, 2, 2, 2));
        EXPECT_FALSE(grid->MergeCells(c.c, c.r, c.spanx, c.spany)) << c.name;
        EXPECT_EQ(grid->FMergeCount, 1) << c.name;
        EXPECT_EQ(grid->FullCell(3, 3), Rect(2, 2, 3, 3)) << c.name << ": nothing half-merged";
        EXPECT_FALSE(grid->IsMergedCell(1, 1)) << c.name;
        ExpectConsistent(*grid, c.name);
    }
}

TEST(BaseGridMerge, SplitRestoresSingleCellsAndTheCount) {
    auto grid = MakeBaseGrid();
    grid->MergeCells(1, 1, 3, 2);
    grid->MergeCells(5, 5, 2, 2);
    EXPECT_EQ(grid->FMergeCount, 2);
    EXPECT_TRUE(grid->SplitCells(3, 2)) << "any cell of the area splits it";
    ExpectConsistent(*grid, "split");
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r) {
            EXPECT_FALSE(grid->IsMergedCell(c, r));
            EXPECT_TRUE(grid->IsBaseCell(c, r));
        }
    EXPECT_FALSE(grid->SplitCells(2, 2)) << "no longer merged";
    EXPECT_FALSE(grid->SplitCells(0, 9)) << "never merged";
    EXPECT_EQ(grid->FMergeCount, 1);
    EXPECT_TRUE(grid->IsMergedCell(6, 6));
    // Merging again where the split area was works.
    EXPECT_TRUE(grid->MergeCells(2, 1, 2, 2));
    ExpectConsistent(*grid, "merge again");
}

TEST(BaseGridMerge, RowAndColumnSpanComparisons) {
    auto grid = MakeBaseGrid();
    EXPECT_FALSE(grid->RowSpanIdentical(1, 2)) << "no merged cells";
    EXPECT_FALSE(grid->ColSpanIdentical(1, 2));
    EXPECT_EQ(grid->MinRowSpan(1), grid->RowCount());
    EXPECT_EQ(grid->MaxRowSpan(1), 0);

    grid->MergeCells(1, 1, 2, 3); // columns 1-2, rows 1-3
    grid->MergeCells(4, 2, 1, 2); // column 4, rows 2-3
    grid->MergeCells(6, 1, 1, 2); // column 6, rows 1-2
    grid->MergeCells(6, 3, 1, 2); // column 6, rows 3-4
    ExpectConsistent(*grid, "four areas");
    EXPECT_TRUE(grid->RowSpanIdentical(1, 2)) << "column 4 is not merged on row 1";
    EXPECT_FALSE(grid->RowSpanIdentical(2, 3)) << "column 6 changes area between them";
    EXPECT_TRUE(grid->ColSpanIdentical(1, 2));
    EXPECT_FALSE(grid->ColSpanIdentical(1, 4)) << "column 4 is not merged across";
    EXPECT_EQ(grid->MinRowSpan(2), 1);
    EXPECT_EQ(grid->MaxRowSpan(2), 2);
}

TEST(BaseGridMerge, CellRectCoversTheWholeArea) {
    auto grid = MakeBaseGrid();
    grid->MergeCells(1, 1, 2, 2);
    EXPECT_EQ(grid->CellRect(2, 2), Rect(40, 20, 120, 60));
    EXPECT_EQ(grid->CellRect(1, 1), Rect(40, 20, 120, 60));
    EXPECT_EQ(grid->CellSize(1, 1), Point(80, 40));
    grid->SetColWidths(4, 0);
    grid->MergeCells(3, 4, 2, 1); // its far corner is a column of width 0
    EXPECT_EQ(grid->CellRect(3, 4), Rect(120, 80, 160, 100));
    EXPECT_EQ(grid->CellRect(6, 6), Rect(200, 120, 240, 140)) << "a plain cell";
}

TEST(BaseGridMerge, VirtualCellRectFollowsScrolling) {
    auto grid = MakeBaseGrid();
    grid->SetRowCount(40);
    grid->SetTopRow(10);
    EXPECT_EQ(grid->VirtualCellRect(2, 10), Rect(80, 20, 120, 40));
    EXPECT_EQ(grid->VirtualCellRect(2, 9), Rect(80, 0, 120, 20)) << "out of view above";
    EXPECT_EQ(grid->VirtualCellRect(0, 0), Rect(0, 0, 40, 20)) << "fixed cells stay";
    EXPECT_TRUE(grid->TStringGrid::CellRect(2, 9).IsEmpty());
}

TEST(BaseGridMerge, RandomMergesAndSplitsStayConsistent) {
    // A plain model: the list of merged areas (cell coordinates, right and bottom inclusive).
    auto grid = MakeBaseGrid();
    const int cols = grid->ColCount();
    const int rows = grid->RowCount();
    std::vector<TRect> areas;
    auto areaAt = [&](int c, int r) -> const TRect* {
        for (const TRect& a : areas)
            if (c >= a.Left && c <= a.Right && r >= a.Top && r <= a.Bottom)
                return &a;
        return nullptr;
    };
    std::mt19937 random(20261210);
    for (int step = 0; step < 400; ++step) {
        SCOPED_TRACE(testing::Message() << "step " << step);
        const int c = static_cast<int>(random() % cols);
        const int r = static_cast<int>(random() % rows);
        if (random() % 3 == 0) {
            const TRect* area = areaAt(c, r);
            EXPECT_EQ(grid->SplitCells(c, r), area != nullptr);
            if (area)
                areas.erase(areas.begin() + (area - areas.data()));
        } else {
            const int w = 1 + static_cast<int>(random() % 3);
            const int h = 1 + static_cast<int>(random() % 3);
            const TRect wanted = Rect(c, r, c + w - 1, r + h - 1);
            auto overlaps = [&](const TRect& a) {
                return !(a.Right < wanted.Left || a.Left > wanted.Right || a.Bottom < wanted.Top ||
                         a.Top > wanted.Bottom);
            };
            auto singleCell = [](const TRect& a) { return a.Left == a.Right && a.Top == a.Bottom; };
            bool same = false;
            bool free = wanted.Right < cols && wanted.Bottom < rows;
            for (const TRect& a : areas) {
                same = same || a == wanted;
                // An area of one cell counts as unmerged: a larger area may take its place.
                free = free && (singleCell(a) || !overlaps(a));
            }
            EXPECT_EQ(grid->MergeCells(c, r, w, h), free || same);
            if (free && !same) {
                std::erase_if(areas, overlaps);
                areas.push_back(wanted);
            }
        }
        ASSERT_EQ(grid->CheckMergedAreas(), "");
        EXPECT_EQ(grid->FMergeCount, static_cast<int>(areas.size()));
        for (int j = 0; j < rows; ++j)
            for (int i = 0; i < cols; ++i) {
                const TRect* area = areaAt(i, j);
                ASSERT_EQ(grid->BaseCell(i, j), area ? area->TopLeft() : Point(i, j))
                    << "cell " << i << "," << j;
            }
    }
}

TEST(BaseGridMerge, SingleCellAreaGivesWayToALargerOne) {
    struct Case {
        const char* name;
        MergeArea single;
        MergeArea larger;
    };
    const Case cases[] = {
        {"the larger area's base", {2, 2, 1, 1}, {2, 2, 3, 2}},
        {"inside the larger area", {3, 3, 1, 1}, {2, 2, 3, 2}},
        {"its far corner", {4, 3, 1, 1}, {2, 2, 3, 2}},
    };
    for (const Case& c : cases) {
        auto grid = MakeBaseGrid();
        ASSERT_TRUE(grid->MergeCells(c.single.c, c.single.r, 1, 1)) << c.name;
        ASSERT_FALSE(grid->IsMergedCell(c.single.c, c.single.r)) << c.name;
        EXPECT_TRUE(grid->MergeCells(c.larger.c, c.larger.r, c.larger.spanx, c.larger.spany))
            << c.name;
        EXPECT_EQ(grid->FullCell(c.single.c, c.single.r), Rect(2, 2, 4, 3)) << c.name;
        EXPECT_EQ(grid->FMergeCount, 1) << c.name << ": one area is left";
        ExpectConsistent(*grid, c.name);
        EXPECT_TRUE(grid->SplitCells(3, 3)) << c.name;
        EXPECT_EQ(grid->FMergeCount, 0) << c.name;
    }
}
