// An icon the grid makes for a cell: the caller fills it, the cell draws it where its alignment
// says, and the grid frees it with the cell.
#include "ExGridTestGrid.h"
#include "GridPixels.h"
#include "IcoFile.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Icon.h"

#include <gtest/gtest.h>

namespace {

using GridPixels::ColourBox;
using GridPixels::PlainGrid;
using GridPixels::Red;
using GridPixels::Render;

} // namespace

TEST(ExGridCellIconDraw, ACreatedIconIsDrawnWhereItsAlignmentSays) {
    struct Case {
        const char* what;
        TCellHAlign ha;
        TCellVAlign va;
        bool right, bottom; // against the cell's right or bottom edge, else its left or top
    } cases[] = {
        {"left top", haLeft, vaTop, false, false},
        {"right bottom", haRight, vaBottom, true, true},
    };
    for (const Case& c : cases) {
        auto grid = PlainGrid(80, 40, 1);
        TIcon* icon = grid->CreateIcon(1, 1, c.ha, c.va);
        ASSERT_NE(icon, nullptr) << c.what;
        ASSERT_TRUE(icon->LoadFromIcoBytes(IcoFiles::IcoFile(8, 6, 0xFFFF0000))) << c.what;
        EXPECT_EQ(grid->GetCellType(1, 1), ctIcon) << c.what;
        EXPECT_TRUE(grid->GetCellGraphic(1, 1)->CellCreated) << c.what;
        const auto bitmap = Render(*grid);
        const TRect cell{80, 40, 160, 80};
        const auto box = ColourBox(*bitmap, cell, Red);
        ASSERT_TRUE(box) << c.what;
        EXPECT_EQ(box->Right - box->Left, 8) << c.what;
        EXPECT_EQ(box->Bottom - box->Top, 6) << c.what;
        if (c.right)
            EXPECT_GT(box->Left, 140) << c.what;
        else
            EXPECT_LT(box->Left, 90) << c.what;
        if (c.bottom)
            EXPECT_GT(box->Top, 65) << c.what;
        else
            EXPECT_LT(box->Top, 50) << c.what;
        EXPECT_FALSE(ColourBox(*bitmap, TRect{160, 40, 240, 80}, Red)) << c.what;
    }
}

TEST(ExGridCellIconDraw, ACellOutsideTheGridGetsNoIcon) {
    auto grid = PlainGrid(80, 40, 1);
    EXPECT_EQ(grid->CreateIcon(5, 5, haLeft, vaTop), nullptr);
    EXPECT_EQ(grid->CreateIcon(-1, 1, haLeft, vaTop), nullptr);
}
