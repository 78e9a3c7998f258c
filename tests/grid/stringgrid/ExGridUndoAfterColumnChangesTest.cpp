// Undo puts a pasted cell back in the column it was pasted into, even after that column was moved,
// swapped or pushed aside by an inserted or removed column: no other column's cell is written.
#include "grid/foundation/ExGridUndoRedo.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::string UndoRowTwo(const TExStringGrid& grid) {
    std::string texts;
    for (int c = 0; c < grid.TotalColCount(); ++c)
        texts += grid.AllCells(c, 2) + ",";
    return texts;
}

TEST(ExGridUndoAfterColumnChanges, UndoRestoresThePastedCellWhereItsColumnWent) {
    const struct {
        const char* Name;
        std::function<void(TExStringGrid&)> Change;
        const char* AfterUndo;
    } cases[] = {
        {"moved right", [](TExStringGrid& g) { g.MoveColumn(2, 4); }, "r0,r1,r3,r4,r2,"},
        {"moved left", [](TExStringGrid& g) { g.MoveColumn(2, 0); }, "r2,r0,r1,r3,r4,"},
        {"swapped", [](TExStringGrid& g) { g.SwapColumns(2, 3); }, "r0,r1,r3,r2,r4,"},
        {"column inserted before", [](TExStringGrid& g) { g.InsertCols(1, 1); },
         "r0,,r1,r2,r3,r4,"},
        {"column removed before", [](TExStringGrid& g) { g.RemoveCols(0, 1); }, "r1,r2,r3,r4,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TExStringGrid grid(nullptr);
        TExGridUndoRedo undo(nullptr);
        grid.SetUndoRedo(&undo);
        grid.Navigation()->AllowClipboardAlways = true;
        grid.SetColCount(5);
        grid.SetRowCount(4);
        for (int col = 0; col < 5; ++col)
            grid.SetCells(col, 2, "r" + std::to_string(col));
        grid.PasteText(2, 2, "new");
        c.Change(grid);
        undo.Undo();
        EXPECT_EQ(UndoRowTwo(grid), c.AfterUndo);
        grid.SetUndoRedo(nullptr);
    }
}

} // namespace
