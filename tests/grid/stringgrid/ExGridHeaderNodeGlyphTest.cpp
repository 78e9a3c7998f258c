// The node glyph of a header row expands or contracts every node of the grid at once.
#include "ExGridMouseTestGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridHeaderNodeGlyph, APressOnItExpandsAllThenContractsAll) {
    TMouseTestGrid grid; // rows 1 to 7 normal
    grid.AddNode(1, 3);
    grid.AddNode(4, 3);
    grid.ContractAll();
    ASSERT_EQ(grid.RowCount(), 4);
    grid.AddNode(0, 1);
    grid.GetCellGraphic(0, 0)->CellBoolean = true; // drawn contracted, as the nodes are
    grid.MouseActions()->NodeAllExpandContract = true;
    struct Step {
        int RowCount;
        bool HeaderContracted;
    } steps[] = {{8, false}, {4, true}};
    for (const Step& s : steps) {
        grid.ClickAt(grid.At(0, 0, 5, 5));
        EXPECT_EQ(grid.RowCount(), s.RowCount);
        EXPECT_EQ(grid.GetCellGraphic(0, 0)->CellBoolean, s.HeaderContracted);
    }
}

} // namespace
