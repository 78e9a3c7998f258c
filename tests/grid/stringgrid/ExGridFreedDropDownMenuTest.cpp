// A header drop-down menu freed while the grid lives is let go, whoever owned it.
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Menus.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridFreedDropDownMenu, AMenuOwnedByTheFormIsLetGoWhenFreed) {
    TComponent form(nullptr);
    TExStringGrid grid(&form);
    auto* menu = new TPopupMenu(&form);
    grid.FixedDropDownMenu = menu;
    delete menu;
    EXPECT_EQ(grid.FixedDropDownMenu, nullptr);
}

TEST(ExGridFreedDropDownMenu, AMenuWithoutOwnerIsLetGoWhenFreed) {
    TExStringGrid grid(nullptr);
    auto* menu = new TPopupMenu(nullptr);
    grid.FixedDropDownMenu = menu;
    delete menu;
    EXPECT_EQ(grid.FixedDropDownMenu, nullptr);
}

} // namespace
