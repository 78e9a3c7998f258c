// The push-button editor.
#include "EditorControlTestGrid.h"

#include "grid/stringgrid/GridButton.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

class GridButtonTest : public EditorControlFixture, public ::testing::Test {
protected:
    TGridButton* Button() { return Grid->Btn(); }
};

TEST_F(GridButtonTest, CoversTheCellWithTheCellTextAsCaption) {
    Open(edButton, 2, 2, "Press");
    const TRect cell = Grid->CellRect(2, 2);
    EXPECT_EQ(Button()->Left(), cell.Left - 1);
    EXPECT_EQ(Button()->Width(), cell.Right - cell.Left + 2);
    EXPECT_EQ(Button()->Text(), "Press");
    EXPECT_TRUE(Button()->Visible());
}

TEST_F(GridButtonTest, ClickAndSpaceTakeTheEllipsisAnswerIntoTheCell) {
    Grid->EllipsisAnswer = ">";
    TCellEditor* editor = Open(edButton, 2, 2, "Press");
    InputSimulation::Click(Button(), {5, 5});
    EXPECT_EQ(Button()->Text(), ">Press");
    EXPECT_EQ(Grid->Cells(2, 2), ">Press");
    InputSimulation::KeyPress(Button(), VK_SPACE, ' ');
    EXPECT_EQ(Grid->Cells(2, 2), ">>Press");
    EXPECT_EQ(editor->ApplyCellText(), ">>Press");
}

TEST_F(GridButtonTest, ArrowsAndEscapeGiveTheKeyboardBack) {
    for (WORD key : {VK_DOWN, VK_ESCAPE}) {
        Open(edButton, 2, 2, "Press");
        InputSimulation::KeyDown(Button(), key);
        EXPECT_FALSE(Button()->Visible()) << key;
        EXPECT_FALSE(Grid->EditMode) << key;
    }
}

TEST_F(GridButtonTest, PaintsItsCaption) {
    Open(edButton, 2, 2, "WWWW");
    TBitmap bitmap(Button()->Width(), Button()->Height());
    Button()->PaintTo(bitmap.Canvas(), 0, 0);
    const TColor face = bitmap.Pixel(3, 3);
    int differing = 0;
    for (int x = 0; x < bitmap.Width(); ++x)
        for (int y = 0; y < bitmap.Height(); ++y)
            differing += bitmap.Pixel(x, y) != face ? 1 : 0;
    EXPECT_GT(differing, 10) << "frame and caption are drawn";
}

} // namespace
