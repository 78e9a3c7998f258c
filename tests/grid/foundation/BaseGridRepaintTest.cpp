// What a write through the base grid queues for repainting: the written cell, or the whole
// merged area it belongs to, when on screen; nothing when out of view or hidden.
#include "BaseGridTestGrid.h"

#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records the area each paint was asked to renew.
class TPaintLogBaseGrid : public TTestBaseGrid {
public:
    using TTestBaseGrid::TTestBaseGrid;
    std::vector<TRect> Painted;

protected:
    void Paint() override {
        Painted.push_back(Canvas()->ClipRect());
        TTestBaseGrid::Paint();
    }
};

// 8 columns of 40 pixels by 40 rows of 20 pixels in a 320 x 240 grid on a shown form (rows
// 0..11 on screen), with a 2 x 2 merged area at (2, 3) and another at (2, 30).
struct BaseGridRepaint : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TPaintLogBaseGrid* Grid = new TPaintLogBaseGrid(Form.get());

    void SetUp() override {
        Form->SetBounds(0, 0, 400, 300);
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(8);
        Grid->SetRowCount(40);
        Grid->SetDefaultColWidth(40);
        Grid->SetDefaultRowHeight(20);
        Grid->SetBounds(0, 0, 320, 240);
        ASSERT_TRUE(Grid->MergeCells(2, 3, 2, 2));
        ASSERT_TRUE(Grid->MergeCells(2, 30, 2, 2));
        Form->Show();
        Settle();
    }

    void Settle() {
        for (int i = 0; i < 3; ++i)
            Application->ProcessMessages();
        Grid->Painted.clear();
    }

    std::vector<TRect> PaintsAfterWriting(int col, int row) {
        Grid->SetCells(col, row, "new");
        Application->ProcessMessages();
        return Grid->Painted;
    }
};

TEST_F(BaseGridRepaint, AWriteOnScreenRepaintsItsCellOrItsWholeArea) {
    EXPECT_EQ(PaintsAfterWriting(5, 6), std::vector<TRect>{Grid->CellRect(5, 6)});
    Settle();
    EXPECT_EQ(PaintsAfterWriting(3, 4), std::vector<TRect>{Rect(80, 60, 160, 100)})
        << "a cell inside a merged area repaints the area";
    EXPECT_EQ(Grid->Cells(2, 3), "new");
}

TEST_F(BaseGridRepaint, AWriteOutOfViewOrToAHiddenGridRepaintsNothing) {
    EXPECT_TRUE(PaintsAfterWriting(5, 20).empty()) << "a plain cell below the view";
    EXPECT_TRUE(PaintsAfterWriting(3, 31).empty()) << "a merged area below the view";
    Grid->Hide();
    Settle();
    EXPECT_TRUE(PaintsAfterWriting(5, 6).empty()) << "a plain cell of a hidden grid";
    EXPECT_TRUE(PaintsAfterWriting(3, 4).empty()) << "a merged area of a hidden grid";
    EXPECT_EQ(Grid->Cells(2, 3), "new");
}

} // namespace
