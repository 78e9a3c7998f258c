#include "grid/stringgrid/BaseGridRowMover.h"

#include "grid/foundation/BaseGrid.h"
#include "grid/stringgrid/HiddenRowStore.h"
#include "tests/grid/stringgrid/MemoryRowGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// A base grid with one hidden column past ColCount, as the string grid keeps hidden columns.
class TGridWithHiddenColumn : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    int TotalColCount() const override { return ColCount() + 1; }
};

// Rows 0..rows-1; column 0 holds "r<row>", the hidden column 3 holds "h<row>".
std::unique_ptr<TGridWithHiddenColumn> MoverGrid(int rows) {
    auto grid = std::make_unique<TGridWithHiddenColumn>(nullptr);
    grid->SetColCount(3);
    grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        grid->SetGridCell(0, r, "r" + std::to_string(r));
        grid->SetGridCell(3, r, "h" + std::to_string(r));
    }
    return grid;
}

std::vector<std::string> Column(const TBaseGrid& grid, int col) {
    std::vector<std::string> texts;
    for (int r = 0; r < grid.RowCount(); ++r)
        texts.push_back(grid.GridCells(col, r));
    return texts;
}

TEST(BaseGridRowMover, HiddenRowsLeaveTheGridWithEveryRealColumnAndComeBack) {
    auto grid = MoverGrid(8);
    grid->SetRowHeights(2, 41);
    grid->SetRowHeights(6, 17);
    TCellProperties* props = grid->CellProperties(1, 2);
    TBaseGridRowMover mover(*grid);
    THiddenRowStore store(mover);

    ASSERT_EQ(store.HideRows(2, 3), 2);
    store.HideRowList({3}); // display row 3: real row 5
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(Column(*grid, 0), (std::vector<std::string>{"r0", "r1", "r4", "r6", "r7"}));
    EXPECT_EQ(Column(*grid, 3), (std::vector<std::string>{"h0", "h1", "h4", "h6", "h7"}));
    EXPECT_EQ(grid->RowHeights(3), 17) << "heights move with the rows";
    EXPECT_EQ(grid->RowHeights(2), grid->DefaultRowHeight());
    EXPECT_EQ(grid->GetGridObject(1, 2), nullptr);
    const TGridItem* stored = store.FindRow(2);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->Items().size(), 4u);
    EXPECT_EQ(stored->Items()[3].Text, "h2");
    EXPECT_EQ(stored->Items()[1].Object, props);
    EXPECT_EQ(stored->Height(), 41);

    store.UnHideRowList();
    store.SetFilterLevel(0);
    EXPECT_EQ(Column(*grid, 0),
              (std::vector<std::string>{"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7"}));
    EXPECT_EQ(Column(*grid, 3),
              (std::vector<std::string>{"h0", "h1", "h2", "h3", "h4", "h5", "h6", "h7"}));
    EXPECT_EQ(grid->GetGridObject(1, 2), props) << "the cell's properties come back with it";
    EXPECT_EQ(grid->RowHeights(2), 41);
    EXPECT_EQ(grid->RowHeights(6), 17);
    EXPECT_EQ(grid->RowHeights(5), grid->DefaultRowHeight());
}

TEST(BaseGridRowMover, RowsRestoredBetweenRowsOnShowLeaveNothingBehind) {
    auto grid = MoverGrid(10);
    TBaseGridRowMover mover(*grid);
    THiddenRowStore store(mover);
    store.HideRowList({1, 4, 8});
    grid->SetGridCell(1, 2, "x"); // display row 2 is real row 3
    store.UnHideRowsAll();
    EXPECT_EQ(Column(*grid, 0), (std::vector<std::string>{"r0", "r1", "r2", "r3", "r4", "r5", "r6",
                                                          "r7", "r8", "r9"}));
    EXPECT_EQ(Column(*grid, 1),
              (std::vector<std::string>{"", "", "", "x", "", "", "", "", "", ""}));
}

TEST(BaseGridRowMover, PropertiesOfRowsStillHiddenAreFreedWithTheStore) {
    // The sanitizer's leak check sees a properties object the store failed to free.
    auto grid = MoverGrid(4);
    grid->CellProperties(2, 1)->SetBrushColor(0x123456);
    TBaseGridRowMover mover(*grid);
    {
        THiddenRowStore store(mover);
        store.HideRows(1, 1);
        EXPECT_FALSE(grid->HasCellProperties(2, 1));
    }
    EXPECT_EQ(grid->RowCount(), 3);
}

TEST(BaseGridRowMover, MovesRowsAsAPlainRowListDoes) {
    std::mt19937 random(7);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto grid = MoverGrid(40);
    TBaseGridRowMover mover(*grid);
    THiddenRowStore store(mover);
    TMemoryRowGrid reference(40, 1);
    THiddenRowStore referenceStore(reference);
    for (int step = 0; step < 300; ++step) {
        const int row = below(45);
        const int last = row + below(5);
        const std::vector<int> list{below(40), below(40), below(40)};
        for (THiddenRowStore* each : {&store, &referenceStore}) {
            switch (step % 4) {
            case 0:
                each->HideRows(row, last);
                break;
            case 1:
                each->HideRowList(list);
                break;
            case 2:
                each->UnHideRows(row, last + 10);
                break;
            case 3:
                if (row % 3 == 0) {
                    each->UnHideRowList();
                    each->SetFilterLevel(std::max(each->FilterLevel() - 1, 0));
                }
                break;
            }
        }
        ASSERT_EQ(Column(*grid, 0), reference.Names()) << "step " << step;
        ASSERT_EQ(store.HiddenRows(), referenceStore.HiddenRows()) << "step " << step;
    }
    store.UnHideRowsAll();
    EXPECT_EQ(Column(*grid, 3).back(), "h39");
}

} // namespace
