// Enter on a grid that advances after Enter: the first Enter opens the editor on the current
// cell, the Enter that commits the text moves on.
#include "KeysOnShownGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridEnterWithAdvanceOpensTheEditor, EnterEditsThenStoresAndMovesOn) {
    KeysOnShownGrid f;
    f.Grid->Navigation()->AdvanceOnEnter = true;
    f.Grid->Navigation()->AdvanceAutoEdit = false;
    f.Press(VK_RETURN, '\r');
    EXPECT_EQ(f.Current(), (TGridCoord{1, 1})) << "the first Enter stays on the cell";
    ASSERT_TRUE(f.Grid->EditorMode()) << "and opens its editor";
    f.Type("q");
    f.Press(VK_RETURN, '\r');
    EXPECT_EQ(f.Grid->Cells(1, 1), "q");
    EXPECT_EQ(f.Current(), (TGridCoord{2, 1}));
}

} // namespace
