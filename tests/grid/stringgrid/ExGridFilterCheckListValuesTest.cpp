// Values ticked in the filter check list are cell texts: each is matched as it stands, whatever
// characters a condition would read as operators, and the empty text picks the empty cells.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/Filter.h"
#include "platform/core/StringList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using CheckListTexts = std::vector<std::string>;

CheckListTexts CheckListShown(const TExStringGrid& grid) {
    CheckListTexts shown;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
        shown.push_back(grid.Cells(1, r));
    return shown;
}

TEST(ExGridFilterCheckList, TickedValuesAreMatchedAsTheyStand) {
    const CheckListTexts values = {"a&b", "a|b", "x*", "!q", "", "xy", "a", "q", "b"};
    const struct {
        CheckListTexts Ticked;
        CheckListTexts Shown;
    } cases[] = {
        {{"a&b"}, {"a&b"}},
        {{"a|b"}, {"a|b"}},
        {{"x*"}, {"x*"}},
        {{"!q"}, {"!q"}},
        {{""}, {""}},
        {{"a&b", "!q"}, {"a&b", "!q"}},
        {{"x*", ""}, {"x*", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.Ticked));
        TExStringGrid grid(nullptr);
        grid.SetColCount(3);
        grid.SetRowCount(static_cast<int>(values.size()) + 1);
        for (size_t i = 0; i < values.size(); ++i)
            grid.SetCells(1, static_cast<int>(i) + 1, values[i]);
        grid.SetFilterDropDownAuto(true);
        grid.FilterDropDownCheck = true;
        grid.SetFilterColumn(1);
        grid.GetColumnFilter(1);
        grid.FilterCheckMarks.assign(grid.FilterList()->Count(), false);
        for (const std::string& value : c.Ticked) {
            const int index = grid.FilterList()->IndexOf(value);
            ASSERT_GE(index, 0) << value;
            grid.FilterCheckMarks[index] = true;
        }
        grid.FilterCheck();
        EXPECT_EQ(CheckListShown(grid), c.Shown);
    }
}

} // namespace
