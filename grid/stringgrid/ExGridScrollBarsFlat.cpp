// Flat scroll bars: with ScrollType ssFlat or ssEncarta the grid's own bars are made flat and
// take ScrollColor behind their thumb and ScrollWidth as their thickness.
#include "grid/stringgrid/ExGrid.h"

#include "platform/ui/FlatScrollBars.h"

#include <algorithm>

namespace {

bool ScrollBarsAllow(TScrollStyle Bars, int Bar) {
    if (Bar == SB_HORZ)
        return Bars == ssHorizontal || Bars == ssBoth;
    if (Bar == SB_VERT)
        return Bars == ssVertical || Bars == ssBoth;
    return true;
}

// The grid's scroll information of a bar in the window's terms: a range whose last page ends at
// Max.
TScrollInfo GridScrollInfo(const TExStringGrid& Grid, int Bar) {
    int max = 0;
    int page = 0;
    int position = 0;
    Grid.GetScrollInfo(Bar, max, page, position);
    page = std::max(page, 1);
    TScrollInfo info;
    // Without scroll information of its own a bar counts its thumb positions.
    info.Max = Grid.HasScrollInfo(Bar) ? max : max + page - 1;
    info.Page = page;
    info.Pos = position;
    info.TrackPos = position;
    return info;
}

} // namespace

void TExStringGrid::InitFlatScrollBars() {
    FIsFlat = TFlatScrollBars::Initialize(this);
}

void TExStringGrid::UninitFlatScrollBars() {
    FIsFlat = false;
    TFlatScrollBars::Uninitialize(this);
}

void TExStringGrid::FlatSetScrollProp(int Index, int Value, bool /*Redraw*/) {
    if (FIsFlat)
        TFlatScrollBars::SetScrollProp(this, Index, Value, true);
}

void TExStringGrid::FlatSetScrollInfo(int Bar, const TScrollInfo& Info, bool /*Redraw*/) {
    TFlatScrollBars::SetScrollInfo(this, Bar, Info, true);
}

void TExStringGrid::FlatShowScrollBar(int Bar, bool Show) {
    if (FIsFlat && ScrollBarsAllow(ScrollBars(), Bar))
        TFlatScrollBars::ShowScrollBar(this, Bar, Show);
}

void TExStringGrid::ApplyFlatScrollStyle() {
    int mode = FSB_REGULAR_MODE;
    switch (ScrollType) {
    case ssNormal:
        break;
    case ssFlat:
        mode = FSB_FLAT_MODE;
        break;
    case ssEncarta:
        mode = FSB_ENCARTA_MODE;
        break;
    case ssMetro:
        return;
    }
    FlatSetScrollProp(WSB_PROP_VSTYLE, mode, true);
    FlatSetScrollProp(WSB_PROP_HSTYLE, mode, true);
}

// clNone gives the bars their regular track back rather than keeping the last colour.
void TExStringGrid::ApplyFlatScrollColor() {
    FlatSetScrollProp(WSB_PROP_VBKGCOLOR, static_cast<int>(ScrollColor), true);
    FlatSetScrollProp(WSB_PROP_HBKGCOLOR, static_cast<int>(ScrollColor), true);
}

void TExStringGrid::ApplyFlatScrollWidth() {
    FlatSetScrollProp(WSB_PROP_CXVSCROLL, ScrollWidth, true);
    FlatSetScrollProp(WSB_PROP_CYHSCROLL, ScrollWidth, true);
}

void TExStringGrid::SyncFlatVertScroll() {
    if (FIsFlat && ScrollBarsAllow(ScrollBars(), SB_VERT))
        FlatSetScrollInfo(SB_VERT, GridScrollInfo(*this, SB_VERT), true);
}

void TExStringGrid::SyncFlatHorzScroll() {
    if (FIsFlat && ScrollBarsAllow(ScrollBars(), SB_HORZ))
        FlatSetScrollInfo(SB_HORZ, GridScrollInfo(*this, SB_HORZ), true);
}

// After every scroll and every change of the top-left cell.
void TExStringGrid::SyncFlatScrollBars() {
    SyncFlatVertScroll();
    SyncFlatHorzScroll();
}

void TExStringGrid::UpdateFlatScrollBars() {
    ApplyFlatScrollStyle();
    ApplyFlatScrollColor();
    ApplyFlatScrollWidth();
    const bool rowsBeyond = VisibleRowCount() + FixedRows() < RowCount();
    FlatShowScrollBar(SB_VERT, rowsBeyond);
    if (rowsBeyond)
        SyncFlatVertScroll();
    const bool colsBeyond = VisibleColCount() + FixedCols() < ColCount();
    FlatShowScrollBar(SB_HORZ, colsBeyond);
    if (colsBeyond)
        SyncFlatHorzScroll();
}
