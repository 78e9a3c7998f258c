// The scroll-bar settings: scroll type, flat bars and the metro indicators, bars kept on, thumbs
// proportional to the visible part of the grid, and the auto-range cell scroll bars.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/ScrollControl.h"

#include <algorithm>
#include <cmath>

namespace {

// The thumb share Ratio of a track of 127 positions: the range and page that give it. Ratios
// below 0 (fixed cells wider than the grid) show the smallest thumb.
void ProportionalRange(float Ratio, int& Max, int& Page) {
    Ratio = std::max(Ratio, 0.0f);
    Max = static_cast<int>((Ratio + 127.0f) / (1.0f - Ratio));
    Page = Max - 126;
}

} // namespace

void TExStringGrid::SetScrollType(TScrollType Value) {
    if (Value != ScrollType) {
        ScrollType = Value;
        if (Value == ssFlat || Value == ssEncarta) {
            InitFlatScrollBars();
            UpdateFlatScrollBars();
        } else {
            UninitFlatScrollBars();
        }
        if (Parent() && Value == ssMetro) {
            CreateScrollControls();
            SetScrollBars(ssNone);
            // The bars gave their room back: the indicators move out to the edges they left.
            Realign();
        } else if (Parent() && vscrlctrl) {
            FreeScrollControls();
            SetScrollBars(ssBoth);
        }
    }
    ApplyFlatScrollStyle();
}

void TExStringGrid::SetScrollColor(TColor Value) {
    ScrollColor = Value;
    ApplyFlatScrollColor();
}

void TExStringGrid::SetScrollWidth(int Value) {
    ScrollWidth = Value;
    ApplyFlatScrollWidth();
}

void TExStringGrid::CreateScrollControls() {
    if (vscrlctrl)
        return;
    vscrlctrl = new TScrollControl(this);
    vscrlctrl->SetDirection(sdVertical);
    vscrlctrl->SetWidth(6);
    vscrlctrl->SetAlign(alRight);
    vscrlctrl->SetParent(this);
    hscrlctrl = new TScrollControl(this);
    hscrlctrl->SetDirection(sdHorizontal);
    hscrlctrl->SetHeight(6);
    hscrlctrl->SetAlign(alBottom);
    hscrlctrl->SetParent(this);
}

void TExStringGrid::FreeScrollControls() {
    delete vscrlctrl;
    vscrlctrl = nullptr;
    delete hscrlctrl;
    hscrlctrl = nullptr;
}

void TExStringGrid::SetScrollProportional(bool Value) {
    FScrollProportional = Value;
    if (Value) {
        UpdateProportionalVertScroll();
        UpdateProportionalHorzScroll();
    } else {
        if (FIsFlat && ScrollType == ssNormal)
            UninitFlatScrollBars();
        // The bars count columns and rows again.
        SetScrollInfo(SB_HORZ, 0, 0);
        SetScrollInfo(SB_VERT, 0, 0);
    }
}

void TExStringGrid::UpdateScrollProportional() {
    UpdateProportionalVertScroll();
    UpdateProportionalHorzScroll();
}

void TExStringGrid::UpdateProportionalHorzScroll() {
    if (Loading() || Designing() || !FScrollProportional || FScrollLock)
        return;
    const int line = GridLineWidth();
    int64_t fixedWidth = line;
    for (int c = 0; c < FixedCols(); ++c)
        fixedWidth += line + ColWidths(c);
    int64_t totalWidth = line;
    for (int c = FixedCols(); c < ColCount(); ++c)
        totalWidth += line + ColWidths(c);
    if (totalWidth <= 0)
        return;
    const float ratio = static_cast<float>(Width() - fixedWidth) / static_cast<float>(totalWidth);
    if (ratio >= 0.9999f || fixedWidth + totalWidth - Width() < 5)
        return;
    int max = 0;
    int page = 0;
    ProportionalRange(ratio, max, page);
    SetScrollInfo(SB_HORZ, max, page);
    SyncFlatHorzScroll();
}

void TExStringGrid::UpdateProportionalVertScroll() {
    if (Loading() || Designing() || !FScrollProportional || FScrollLock)
        return;
    if (VisibleRowCount() + FixedRows() >= RowCount())
        return;
    const int line = GridLineWidth();
    int64_t fixedHeight = line;
    for (int r = 0; r < FixedRows(); ++r)
        fixedHeight += line + RowHeights(r);
    int64_t totalHeight = line;
    for (int r = FixedRows(); r < RowCount(); ++r)
        totalHeight += line + RowHeights(r);
    if (totalHeight <= 0)
        return;
    const float ratio =
        static_cast<float>(Height() - fixedHeight) / static_cast<float>(totalHeight);
    if (ratio >= 0.9999f)
        return;
    int max = 0;
    int page = 0;
    ProportionalRange(ratio, max, page);
    SetScrollInfo(SB_VERT, max, page);
    SyncFlatVertScroll();
}

// A bar kept on shows disabled while its rows or columns all fit; without bars kept on a bar
// shows only while something lies beyond the view, which the bars see to themselves.
void TExStringGrid::UpdateScrollBarsAlways(bool Force) {
    if (FScrollBarAlways == saNone && !Force)
        return;
    SetScrollBarKeptOn(SB_VERT, FScrollBarAlways == saVert || FScrollBarAlways == saBoth);
    SetScrollBarKeptOn(SB_HORZ, FScrollBarAlways == saHorz || FScrollBarAlways == saBoth);
}

void TExStringGrid::CellTextChanged(int ACol, int ARow) {
    if (HasAutoRangeScrollBar(ACol, ARow))
        UpdateAutoRangeScrollBar(ACol, ARow);
}
