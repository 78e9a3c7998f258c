// Disjunct row, column and cell selections made with the mouse: a click picks one, Ctrl+click
// adds one or takes a picked one away, Shift+click spans from the last pick.
#include "ExGridMouseTestGrid.h"

#include "grid/foundation/MouseActions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const TShiftState Ctrl{ssCtrl};
const TShiftState Shift{ssShift};

struct Click {
    int Col, Row;
    TShiftState Keys;
};

class ExGridMouseDisjunct : public ::testing::Test {
protected:
    void ClickAll(const std::vector<Click>& clicks) {
        for (const Click& c : clicks)
            grid.ClickAt(grid.Centre(c.Col, c.Row), c.Keys);
    }
    std::set<int> SelectedRows() {
        std::set<int> rows;
        for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
            if (grid.IsSelected(2, r))
                rows.insert(r);
        return rows;
    }
    std::set<int> SelectedCols() {
        std::set<int> cols;
        for (int c = grid.FixedCols(); c < grid.ColCount(); ++c)
            if (grid.GetColSelect(c))
                cols.insert(c);
        return cols;
    }
    std::set<std::pair<int, int>> SelectedCells() {
        std::set<std::pair<int, int>> cells;
        for (int i = 0; i < grid.SelectedCellsCount(); ++i)
            cells.insert({grid.GetSelectedCell(i).X, grid.GetSelectedCell(i).Y});
        return cells;
    }
    TMouseTestGrid grid;
};

TEST_F(ExGridMouseDisjunct, CtrlClicksBuildASetOfRows) {
    grid.MouseActions()->SetDisjunctRowSelect(true);
    struct Step {
        const char* name;
        std::vector<Click> clicks;
        std::set<int> rows;
    } steps[] = {
        {"a click picks its row", {{2, 2, {}}}, {2}},
        {"Ctrl adds rows", {{3, 4, Ctrl}, {1, 6, Ctrl}}, {2, 4, 6}},
        {"Ctrl on a picked row takes it out", {{5, 4, Ctrl}}, {2, 6}},
        {"a plain click starts again", {{2, 3, {}}}, {3}},
        {"Shift spans from the current cell", {{2, 5, Shift}}, {3, 4, 5}},
    };
    for (const Step& s : steps) {
        ClickAll(s.clicks);
        EXPECT_EQ(SelectedRows(), s.rows) << s.name;
        EXPECT_EQ(grid.SelectedRowCount(), static_cast<int>(s.rows.size())) << s.name;
    }
}

TEST_F(ExGridMouseDisjunct, RowsAreListedInTheOrderTheyWerePicked) {
    grid.MouseActions()->SetDisjunctRowSelect(true);
    ClickAll({{2, 6, {}}, {2, 3, Ctrl}, {2, 5, Ctrl}});
    EXPECT_EQ(grid.GetSelectedRow(0), 6);
    EXPECT_EQ(grid.GetSelectedRow(1), 3);
    EXPECT_EQ(grid.GetSelectedRow(2), 5);
}

TEST_F(ExGridMouseDisjunct, WithoutCtrlOptionEveryClickToggles) {
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.MouseActions()->DisjunctRowSelectNoCtrl = true;
    ClickAll({{2, 2, {}}, {2, 4, {}}, {2, 2, {}}});
    EXPECT_EQ(SelectedRows(), (std::set<int>{4}));
}

TEST_F(ExGridMouseDisjunct, CtrlClicksBuildASetOfColumns) {
    grid.MouseActions()->SetDisjunctColSelect(true);
    struct Step {
        const char* name;
        std::vector<Click> clicks;
        std::set<int> cols;
    } steps[] = {
        {"a click picks its column", {{2, 3, {}}}, {2}},
        {"Ctrl adds columns", {{4, 3, Ctrl}, {5, 1, Ctrl}}, {2, 4, 5}},
        {"Ctrl on a picked column takes it out, whatever the row", {{2, 6, Ctrl}}, {4, 5}},
        {"a plain click starts again", {{3, 1, {}}}, {3}},
    };
    for (const Step& s : steps) {
        ClickAll(s.clicks);
        EXPECT_EQ(SelectedCols(), s.cols) << s.name;
        for (int c = grid.FixedCols(); c < grid.ColCount(); ++c)
            EXPECT_EQ(grid.IsSelected(c, 4), s.cols.count(c) == 1) << s.name << " column " << c;
    }
}

TEST_F(ExGridMouseDisjunct, CtrlClicksBuildASetOfCells) {
    grid.MouseActions()->SetDisjunctCellSelect(true);
    using Cells = std::set<std::pair<int, int>>;
    struct Step {
        const char* name;
        std::vector<Click> clicks;
        Cells cells;
    } steps[] = {
        {"a click picks its cell", {{1, 1, {}}}, {{1, 1}}},
        {"Ctrl adds cells", {{3, 2, Ctrl}, {4, 5, Ctrl}}, {{1, 1}, {3, 2}, {4, 5}}},
        {"Ctrl on a picked cell takes it out", {{3, 2, Ctrl}}, {{1, 1}, {4, 5}}},
        {"a Ctrl click on a header keeps the cells", {{2, 0, Ctrl}}, {{1, 1}, {4, 5}}},
        {"a plain click starts again", {{2, 2, {}}}, {{2, 2}}},
        {"Shift spans a range of cells", {{3, 3, Shift}}, {{2, 2}, {3, 2}, {2, 3}, {3, 3}}},
    };
    for (const Step& s : steps) {
        ClickAll(s.clicks);
        EXPECT_EQ(SelectedCells(), s.cells) << s.name;
        for (const auto& [c, r] : s.cells)
            EXPECT_TRUE(grid.IsSelected(c, r)) << s.name << " " << c << "," << r;
    }
    EXPECT_FALSE(grid.IsSelected(4, 5));
}

TEST_F(ExGridMouseDisjunct, ACellThatOnSelectCellRefusesIsNotPicked) {
    grid.MouseActions()->SetDisjunctCellSelect(true);
    grid.OnSelectCell = [](TObject*, int ACol, int ARow, bool& CanSelect) {
        CanSelect = !(ACol == 4 && ARow == 4);
    };
    ClickAll({{1, 1, {}}, {4, 4, Ctrl}, {2, 3, Ctrl}});
    EXPECT_EQ(SelectedCells(), (std::set<std::pair<int, int>>{{1, 1}, {2, 3}}));
}

} // namespace
