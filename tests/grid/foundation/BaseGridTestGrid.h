#pragma once

#include "grid/foundation/BaseGrid.h"

#include <memory>
#include <string>

// A base grid whose steering state and hooks tests can reach.
class TTestBaseGrid : public TBaseGrid {
public:
    using TBaseGrid::FHasCellProps;
    using TBaseGrid::FHideLastRow;
    using TBaseGrid::FHoverRowIdx;
    using TBaseGrid::FMergeCount;
    using TBaseGrid::FNormalRowCount;
    using TBaseGrid::FPaintID;
    using TBaseGrid::FShowSel;
    using TBaseGrid::TBaseGrid;

    int LastRowChanges = 0;
    int ContentDraws = 0;
    bool Nodes = false;

    bool HasNodes() override { return Nodes; }

protected:
    void LastRowChanged() override { ++LastRowChanges; }
    void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                         TGridDrawState AState) override {
        ++ContentDraws;
        TBaseGrid::DrawCellContent(ACanvas, ACol, ARow, ARect, AState);
    }
};

// 8 columns of 40 pixels by 12 rows of 20 pixels, one fixed row and column, no scroll bars.
inline std::unique_ptr<TTestBaseGrid> MakeBaseGrid() {
    auto grid = std::make_unique<TTestBaseGrid>(nullptr);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(8);
    grid->SetRowCount(12);
    grid->SetDefaultColWidth(40);
    grid->SetDefaultRowHeight(20);
    grid->SetBounds(0, 0, 320, 240);
    return grid;
}
