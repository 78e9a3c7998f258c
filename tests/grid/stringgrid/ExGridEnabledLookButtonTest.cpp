// A cell button drawn enabled although its cell may not be edited (NoDisabledButtonLook) clicks
// like any button the user sees enabled.
#include "ExGridMouseTestGrid.h"

#include "grid/stringgrid/ControlLook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ExGridEnabledLookButton, AButtonDrawnEnabledClicksInACellThatMayNotBeEdited) {
    TMouseTestGrid grid;
    grid.SetOptions(grid.Options() >> goEditing);
    grid.ControlLook()->SetNoDisabledButtonLook(true);
    grid.AddButton(2, 3, 40, 18, "Go", haLeft, vaTop);
    std::vector<std::string> clicks;
    grid.OnButtonClick = [&](TObject*, int ACol, int ARow) {
        clicks.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    };
    const TRect r = grid.GetCellButtonRect(2, 3);
    grid.ClickAt(TPoint{r.Left + 5, r.Top + 5});
    EXPECT_EQ(clicks, std::vector<std::string>{"2,3"});
    EXPECT_FALSE(grid.GetCellGraphic(2, 3)->CellBoolean) << "the button comes up again";
}

} // namespace
