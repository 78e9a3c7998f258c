// A click on the filter button of a header cell opens the list of the column's values below it.
#include "ExGridMouseTestGrid.h"

#include "grid/stringgrid/DropList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ExGridFilterButton, AClickOpensTheValueListOfItsColumn) {
    for (int col : {1, 3}) {
        SCOPED_TRACE(col);
        TMouseTestGrid grid;
        for (int r = 1; r < grid.RowCount(); ++r)
            grid.SetCells(col, r, "v" + std::to_string(r % 3));
        grid.SetFilterDropDownAuto(true);
        grid.Show();
        const TRect cell = grid.CellRect(col, 0);
        const TPoint button{cell.Right - 6, (cell.Top + cell.Bottom) / 2};
        grid.ClickAt(button);
        EXPECT_EQ(grid.FilterColumn(), col);
        EXPECT_TRUE(grid.DropList()->Visible());
    }
}

} // namespace
