#pragma once

#include "platform/ui/Bitmap.h"
#include "platform/ui/StringGridControl.h"

#include <memory>
#include <utility>
#include <vector>

// Shared by the string-grid control tests.
namespace StringGridTest {

// A grid that records which cells its paint loop drew.
class TRecordingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    std::vector<std::pair<int, int>> Drawn;
    std::vector<TGridDrawState> States;
    TRect Damaged = Rect(0, 0, 100000, 100000); // the area a paint is told to renew

protected:
    void Paint() override { PaintArea(Damaged); }
    void DrawGridCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override {
        Drawn.emplace_back(ACol, ARow);
        States.push_back(AState);
        TStringGrid::DrawGridCell(ACol, ARow, ARect, AState);
    }
};

// 10 x 20 cells of 50 x 20 pixels with 1-pixel lines, in a 300 x 200 window without scroll bars.
inline std::unique_ptr<TRecordingGrid> MakeGrid() {
    auto grid = std::make_unique<TRecordingGrid>(nullptr);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(10);
    grid->SetRowCount(20);
    grid->SetDefaultColWidth(50);
    grid->SetDefaultRowHeight(20);
    grid->SetBounds(0, 0, 300, 200);
    return grid;
}

inline void Render(TStringGrid& grid) {
    TBitmap bitmap(grid.Width(), grid.Height());
    grid.PaintTo(bitmap.Canvas(), 0, 0);
}

} // namespace StringGridTest
