// Drops on the string grid through the platform's drag simulation.
#include "ExGridTestGrid.h"

#include "grid/foundation/DropFormats.h"
#include "grid/foundation/GridDragBlocks.h"
#include "grid/stringgrid/DragDropSettings.h"
#include "platform/ui/DragBlocks.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr TDropEffect CopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

class ExGridDragDrop : public ::testing::Test {
protected:
    void SetUp() override {
        Grid = new TExStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 400, 300);
        Grid->SetColCount(3);
        Grid->SetRowCount(8);
        Grid->SetOptions(Grid->Options() << goEditing);
        Grid->DragDropSettings()->SetOleDropTarget(true);
    }
    // The middle of a cell, in the grid's client area.
    TPoint CellPoint(int ACol, int ARow) {
        const TRect r = Grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    static TDragDataObject Text(const std::string& text) {
        TDragDataObject data;
        data.SetData(DragFormat::UnicodeText, UnicodeTextBlock(text));
        return data;
    }
    // What a drag over the point shows: a refused drag is never dropped there.
    TDropEffect OverAt(const TDragDataObject& data, TPoint point) {
        DragDropSimulation::DragEnter(Grid, data, MK_LBUTTON, point, CopyOrMove);
        return DragDropSimulation::DragOver(Grid, data, MK_LBUTTON, point, CopyOrMove);
    }
    TDropEffect DropAt(const TDragDataObject& data, TPoint point) {
        DragDropSimulation::DragEnter(Grid, data, MK_LBUTTON, point, CopyOrMove);
        DragDropSimulation::DragOver(Grid, data, MK_LBUTTON, point, CopyOrMove);
        return DragDropSimulation::Drop(Grid, data, 0, point, CopyOrMove);
    }

    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TExStringGrid* Grid = nullptr;
};

TEST_F(ExGridDragDrop, RegistersAndRevokesWithTheSetting) {
    EXPECT_TRUE(Grid->OleDropTargetAssigned());
    Grid->DragDropSettings()->SetOleDropTarget(false);
    EXPECT_FALSE(Grid->OleDropTargetAssigned());
    EXPECT_EQ(DropAt(Text("x"), CellPoint(1, 2)), DROPEFFECT_NONE);
}

TEST_F(ExGridDragDrop, DroppedTextIsPastedAndSelected) {
    EXPECT_EQ(DropAt(Text("a\t\"b\r\nc\"\r\nd\r\n"), CellPoint(1, 2)), DROPEFFECT_MOVE);
    EXPECT_EQ(Grid->Cells(1, 2), "a");
    EXPECT_EQ(Grid->Cells(2, 2), "b\r\nc");
    EXPECT_EQ(Grid->Cells(1, 3), "d");
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 2, 3}));
}

TEST_F(ExGridDragDrop, WithInsertRowsTheDroppedLinesGetRowsOfTheirOwn) {
    Grid->DragDropSettings()->OleInsertRows = true;
    Grid->SetCells(1, 5, "old");
    DropAt(Text("x\r\ny\r\n"), CellPoint(1, 5));
    EXPECT_EQ(Grid->RowCount(), 10);
    EXPECT_EQ(Grid->Cells(1, 5), "x");
    EXPECT_EQ(Grid->Cells(1, 6), "y");
    EXPECT_EQ(Grid->Cells(1, 7), "old");
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 5, 1, 6}));
}

TEST_F(ExGridDragDrop, TextOnAFixedRowIsRefusedAndTheEventMayRefuse) {
    EXPECT_EQ(OverAt(Text("x"), CellPoint(1, 0)), DROPEFFECT_NONE);
    EXPECT_EQ(OverAt(Text("x"), CellPoint(1, 3)), DROPEFFECT_MOVE);
    Grid->OnOleDragOver = [](TObject*, int, int, bool& Allow) { Allow = false; };
    EXPECT_EQ(OverAt(Text("x"), CellPoint(1, 3)), DROPEFFECT_NONE);
}

TEST_F(ExGridDragDrop, ColumnDragsAreTakenOnlyOverTheHeaderRow) {
    Grid->DragDropSettings()->OleColumnDragDrop = true;
    Grid->DragDropSettings()->SetOleDropTarget(false);
    Grid->DragDropSettings()->SetOleDropTarget(true);
    TDragDataObject column;
    column.SetData(CFSTR_GRIDCOLUMN, GridColumnBlock(2));
    int droppedColumn = -1;
    Grid->OnOleDropCol = [&](TObject*, int, int, int DropCol) { droppedColumn = DropCol; };
    EXPECT_EQ(OverAt(column, CellPoint(1, 3)), DROPEFFECT_NONE);
    EXPECT_NE(OverAt(column, CellPoint(1, 0)), DROPEFFECT_NONE);
    EXPECT_NE(DropAt(column, CellPoint(1, 0)), DROPEFFECT_NONE);
    EXPECT_EQ(droppedColumn, 2);
}

} // namespace
