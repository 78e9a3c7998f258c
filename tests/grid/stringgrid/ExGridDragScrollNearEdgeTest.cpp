// A drag held near an edge of the grid scrolls it towards that edge once the first delay passed.
#include "grid/stringgrid/DragDropSettings.h"
#include "grid/stringgrid/DragScrollOptions.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/DragBlocks.h"
#include "platform/ui/DragDrop.h"
#include "grid/foundation/DropFormats.h"
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

struct NearEdgeCase {
    const char* Name;
    TPoint At;
    int TopDirection; // -1 up, 0 stays, 1 down
    int LeftDirection;
};

int DirectionOf(int Moved) {
    return Moved < 0 ? -1 : Moved > 0 ? 1 : 0;
}

class DragHeldNearEdge : public ::testing::TestWithParam<NearEdgeCase> {};

TEST_P(DragHeldNearEdge, ScrollsTowardsThatEdge) {
    const NearEdgeCase& c = GetParam();
    TForm form(nullptr);
    form.SetBounds(0, 0, 500, 400);
    auto* grid = new TExStringGrid(&form);
    grid->SetParent(&form);
    grid->SetColCount(20);
    grid->SetRowCount(40);
    grid->SetDefaultColWidth(50);
    grid->SetDefaultRowHeight(20);
    grid->SetBounds(0, 0, 300, 220);
    grid->SetOptions(grid->Options() << goEditing);
    grid->DragDropSettings()->SetOleDropTarget(true);
    grid->DragScrollOptions()->Active = true;
    form.Show();
    grid->SetTopRow(10);
    grid->SetLeftCol(5);
    TDragDataObject data;
    data.SetData(DragFormat::UnicodeText, UnicodeTextBlock("x"));
    const TDropEffect effects = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    DragDropSimulation::DragEnter(grid, data, MK_LBUTTON, c.At, effects);
    DragDropSimulation::DragOver(grid, data, MK_LBUTTON, c.At, effects);
    // The first step comes after one second; wait a little longer.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1400);
    while (std::chrono::steady_clock::now() < until)
        Application->ProcessMessages();
    EXPECT_EQ(DirectionOf(grid->TopRow() - 10), c.TopDirection) << "top row " << grid->TopRow();
    EXPECT_EQ(DirectionOf(grid->LeftCol() - 5), c.LeftDirection) << "left column "
                                                                  << grid->LeftCol();
    DragDropSimulation::DragLeave(grid);
}

INSTANTIATE_TEST_SUITE_P(ExGridScrollBars, DragHeldNearEdge,
                         ::testing::Values(NearEdgeCase{"Top", {150, 40}, -1, 0},
                                           NearEdgeCase{"Left", {20, 110}, 0, -1},
                                           NearEdgeCase{"Middle", {150, 110}, 0, 0}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
