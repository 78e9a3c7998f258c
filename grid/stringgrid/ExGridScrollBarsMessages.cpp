// The grid's answer to its scroll bars: the hint with the row or column a dragged thumb stands
// at, scrolling while the thumb is dragged, what follows every change of the top-left cell, and
// the steps of the scroll bars inside cells.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/HTMLHintWindow.h"
#include "grid/stringgrid/ScrollControl.h"
#include "platform/ui/FloatingWindow.h"

#include <algorithm>
#include <string>

namespace {

bool HintsHorizontal(TScrollHintType Hints) {
    return Hints == shHorizontal || Hints == shBoth;
}

bool HintsVertical(TScrollHintType Hints) {
    return Hints == shVertical || Hints == shBoth;
}

} // namespace

void TExStringGrid::ShowScrollHint(const std::string& Prefix, int Index) {
    std::string text = Prefix + std::to_string(Index);
    if (OnScrollHint)
        OnScrollHint(this, Index, text);
    FScrollHintText = text;
    if (!FScrollHintWnd)
        FScrollHintWnd = std::make_shared<THTMLHintWindow>(nullptr);
    FScrollHintWnd->SetColor(HintColor);
    TRect r = FScrollHintWnd->CalcHintRect(100, text, nullptr);
    // Beside the mouse that drags the thumb, clear of the pointer.
    const TPoint cursor = GetCursorPos();
    OffsetRect(r, cursor.X + 10, cursor.Y);
    FScrollHintWnd->ActivateHint(r, text);
    FScrollHintShow = true;
}

void TExStringGrid::HideScrollHint() {
    if (FScrollHintShow && FScrollHintWnd)
        FScrollHintWnd->ReleaseHandle();
    FScrollHintShow = false;
    FScrollHintText.clear();
}

void TExStringGrid::HandleHorzScroll(TMessage& Message) {
    const int code = LOWORD(Message.WParam);
    const int newLeft = ScrollPositionToIndex(SB_HORZ, ScrollMessagePos(SB_HORZ, Message.WParam));
    if (HintsHorizontal(ScrollHints)) {
        if (code == SB_ENDSCROLL)
            HideScrollHint();
        else if (code == SB_THUMBTRACK)
            ShowScrollHint("Col : ", newLeft);
    }
    if (code == SB_THUMBTRACK && ScrollSynch)
        SetLeftCol(newLeft);
    if (FixedCols() == 0 && newLeft >= Col())
        HideInplaceEdit();
    // A dragged thumb moves the grid only while synchronised (or thumb tracking is on).
    if (code != SB_THUMBTRACK || Options().Contains(goThumbTracking))
        TBaseGrid::HandleHorzScroll(Message);
    // Merged areas scrolled in a mirrored layout repaint whole.
    if (code == SB_ENDSCROLL && (ColCount() == 1 || (UseRightToLeftAlignment() && FMergeCount > 0)))
        Invalidate();
    SyncFlatScrollBars();
    if (Col() < ColCount() && Row() < RowCount() && HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
    UpdateFooter();
}

void TExStringGrid::HandleVertScroll(TMessage& Message) {
    if (Designing()) {
        TBaseGrid::HandleVertScroll(Message);
        return;
    }
    const int code = LOWORD(Message.WParam);
    const int newTop = ScrollPositionToIndex(SB_VERT, ScrollMessagePos(SB_VERT, Message.WParam));
    if (HintsVertical(ScrollHints)) {
        if (code == SB_ENDSCROLL)
            HideScrollHint();
        else if (code == SB_THUMBTRACK)
            ShowScrollHint("Row : ", newTop);
    }
    if (code == SB_THUMBTRACK && ScrollSynch)
        SetTopRow(newTop);
    const bool footerShown = FSearchFooter->Visible();
    const bool stepsDown = code == SB_ENDSCROLL || code == SB_LINEDOWN;
    // Once the last row clears the search panel the bar has nothing more to show below.
    if (footerShown && stepsDown && IsLastRowAboveSearchFooter()) {
        Message.Result = 1;
        return;
    }
    if (code != SB_THUMBTRACK || Options().Contains(goThumbTracking))
        TBaseGrid::HandleVertScroll(Message);
    if (footerShown) {
        const int lastTop = RowCount() - VisibleRowCount();
        // The view stood past the bar's end to clear the panel: a step up from there must move.
        if (code == SB_LINEUP && TopRow() == lastTop && TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
        else if (stepsDown && TopRow() == lastTop)
            ScrollAboveSearchFooter();
    }
    SyncFlatScrollBars();
    if (Col() < ColCount() && Row() < RowCount() && HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
}

void TExStringGrid::HandleTopLeftChange() {
    TBaseGrid::HandleTopLeftChange();
    const TGridRect selection = Selection();
    if (FSelectionRectangle && selection.Bottom > selection.Top)
        Invalidate();
    if (EditMode && EditControl != edNormal)
        HideInplaceEdit();
    SyncFlatScrollBars();
    UpdateFooter();
    CellControlsUpdate(false);
    FollowCellScrollBar();
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    if (Designing())
        Invalidate();
    if (FSyncGrid && FSyncGrid->Grid()) {
        if (FSyncGrid->ScrollVertical)
            FSyncGrid->Grid()->SetTopRow(TopRow());
        if (FSyncGrid->ScrollHorizontal)
            FSyncGrid->Grid()->SetLeftCol(LeftCol());
    }
    if (vscrlctrl)
        vscrlctrl->Invalidate();
    if (hscrlctrl)
        hscrlctrl->Invalidate();
}

bool TExStringGrid::ScrollCellBar(int ACol, int ARow, int Code, int TrackPos) {
    if (!HasScrollBar(ACol, ARow))
        return false;
    const int old = GetScrollPosition(ACol, ARow);
    // The last position still shows a full page of the text.
    const TScrollProp prop = GetScrollProp(ACol, ARow);
    const int maximum = std::max(0, prop.Range - std::max(0, prop.PageSize));
    int position = old;
    switch (Code) {
    case SB_LINEUP:
        position = old - 10;
        break;
    case SB_LINEDOWN:
        position = old + 10;
        break;
    case SB_PAGEUP:
        position = old - 100;
        break;
    case SB_PAGEDOWN:
        position = old + 100;
        break;
    case SB_THUMBTRACK:
        position = TrackPos;
        break;
    default:
        return false;
    }
    // Every step stays inside the bar's range, page steps included.
    position = std::clamp(position, 0, maximum);
    if (position == old)
        return false;
    SetScrollPosition(ACol, ARow, position);
    ScrollCell(ACol, ARow);
    return true;
}
