#include "platform/ui/StringGridControl.h"

#include "platform/ui/StringGridControlScrollBars.h"
#include "platform/ui/internal/NativeHost.h"

#include <QWidget>

#include <algorithm>

void TStringGrid::SetLeftCol(int Value) {
    SetTopLeft(Value, FTopLeft.Y);
}

void TStringGrid::SetTopRow(int Value) {
    SetTopLeft(FTopLeft.X, Value);
}

void TStringGrid::SetTopLeft(int ALeft, int ATop) {
    ALeft = std::clamp(ALeft, FFixedCols, std::max(FFixedCols, MaxLeftCol()));
    ATop = std::clamp(ATop, FFixedRows, std::max(FFixedRows, MaxTopRow()));
    if (ALeft == FTopLeft.X && ATop == FTopLeft.Y)
        return;
    FTopLeft = {ALeft, ATop};
    ViewChanged();
    Invalidate();
    UpdateScrollBars();
    UpdateEditor();
    HandleTopLeftChange();
}

// Keeps the top-left cell valid after counts or sizes changed, without notifying.
void TStringGrid::ClampTopLeft() {
    ViewChanged();
    FTopLeft.X = std::clamp(FTopLeft.X, FFixedCols, std::max(FFixedCols, MaxLeftCol()));
    FTopLeft.Y = std::clamp(FTopLeft.Y, FFixedRows, std::max(FFixedRows, MaxTopRow()));
}

void TStringGrid::ClampInView(TGridCoord Coord) {
    int left = FTopLeft.X;
    int top = FTopLeft.Y;
    if (Coord.X >= FFixedCols) {
        if (Coord.X < left)
            left = Coord.X;
        else if (Coord.X >= left + VisibleColCount())
            left = std::min(Coord.X, TopLeftEndingAt(FCols, FFixedCols, FixedWidth(), ClientWidth(),
                                                     Coord.X + 1));
    }
    if (Coord.Y >= FFixedRows) {
        if (Coord.Y < top)
            top = Coord.Y;
        else if (Coord.Y >= top + VisibleRowCount())
            top = std::min(Coord.Y, TopLeftEndingAt(FRows, FFixedRows, FixedHeight(),
                                                    ClientHeight(), Coord.Y + 1));
    }
    SetTopLeft(left, top);
}

void TStringGrid::UpdateScrollBars() {
    ViewChanged(); // the bars take client room
    if (!FScrollBarsImpl)
        return;
    if (!FBarCodesWired) {
        FBarCodesWired = true;
        FScrollBarsImpl->SetCodeCallback(
            [this](int Bar, int Code, int Position) { HandleBarScroll(Bar, Code, Position); });
        FScrollBarsImpl->SetLayoutCallback([this](bool Decide) {
            if (Decide) {
                UpdateScrollBars();
            } else {
                ClampTopLeft();
                Invalidate();
            }
            UpdateEditor();
        });
    }
    const bool allowHorz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool allowVert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const int vertWidth = FScrollBarsImpl->Thickness(SB_VERT);
    const int horzHeight = FScrollBarsImpl->Thickness(SB_HORZ);
    // Each bar takes room from the other direction, so decide twice.
    bool horz = false;
    bool vert = false;
    for (int pass = 0; pass < 2; ++pass) {
        horz = allowHorz && (FBarKeptOn[SB_HORZ] || GridWidth() > Width() - (vert ? vertWidth : 0));
        vert =
            allowVert && (FBarKeptOn[SB_VERT] || GridHeight() > Height() - (horz ? horzHeight : 0));
    }
    TGridScrollBars::TBarState h;
    TGridScrollBars::TBarState v;
    h.Visible = horz;
    v.Visible = vert;
    FScrollBarsImpl->Update(h, v, Width(), Height()); // fixes the client size first
    ClampTopLeft();
    BarRange(SB_HORZ, h.Maximum, h.Page, h.Position);
    BarRange(SB_VERT, v.Maximum, v.Page, v.Position);
    h.Enabled = MaxLeftCol() > FFixedCols;
    v.Enabled = MaxTopRow() > FFixedRows;
    FScrollBarsImpl->Update(h, v, Width(), Height());
}

void TStringGrid::SetScrollBarKeptOn(int Bar, bool Value) {
    if (FBarKeptOn[Bar == SB_VERT] == Value)
        return;
    FBarKeptOn[Bar == SB_VERT] = Value;
    UpdateScrollBars();
}

void TStringGrid::SetScrollInfo(int Bar, int Max, int Page) {
    TGivenScrollInfo& info = FScrollInfo[Bar == SB_VERT];
    info.Max = std::max(0, Max);
    info.Page = std::clamp(Page, 1, std::max(1, info.Max));
    UpdateScrollBars();
}

// The thumb of a given range runs over Max - Page + 2 positions.
int TStringGrid::ScrollPositionOf(int Bar) const {
    const bool horz = Bar != SB_VERT;
    const int fixed = horz ? FFixedCols : FFixedRows;
    const int first = horz ? FTopLeft.X : FTopLeft.Y;
    const int span = (horz ? MaxLeftCol() : MaxTopRow()) - fixed;
    const TGivenScrollInfo& info = FScrollInfo[!horz];
    if (info.Max <= 0)
        return first - fixed;
    const int positions = info.Max - info.Page + 1;
    if (span <= 0 || positions <= 0)
        return 0;
    return static_cast<int>((static_cast<int64_t>(first - fixed) * positions + span / 2) / span);
}

void TStringGrid::GetScrollInfo(int Bar, int& Max, int& Page, int& Position) const {
    const bool horz = Bar != SB_VERT;
    const TGivenScrollInfo& info = FScrollInfo[!horz];
    Position = ScrollPositionOf(Bar);
    if (info.Max > 0) {
        Max = info.Max;
        Page = info.Page;
        return;
    }
    Max = (horz ? MaxLeftCol() - FFixedCols : MaxTopRow() - FFixedRows);
    Page = horz ? VisibleColCount() : VisibleRowCount();
}

// The bar widget's own terms: its largest thumb position and its page.
void TStringGrid::BarRange(int Bar, int& Maximum, int& Page, int& Position) const {
    GetScrollInfo(Bar, Maximum, Page, Position);
    if (HasScrollInfo(Bar))
        Maximum = Maximum - Page + 1;
}

int TStringGrid::ScrollPositionToIndex(int Bar, int Position) const {
    const bool horz = Bar != SB_VERT;
    const int fixed = horz ? FFixedCols : FFixedRows;
    const int span = (horz ? MaxLeftCol() : MaxTopRow()) - fixed;
    const TGivenScrollInfo& info = FScrollInfo[!horz];
    if (info.Max <= 0)
        return fixed + Position;
    const int positions = info.Max - info.Page + 1;
    if (positions <= 0 || span <= 0)
        return fixed;
    return fixed + static_cast<int>(static_cast<int64_t>(std::clamp(Position, 0, positions)) *
                                    span / positions);
}

int TStringGrid::ScrollMessagePos(int Bar, WPARAM WParam) const {
    return FMessageFromBar ? FBarMessagePos[Bar == SB_VERT] : HIWORD(WParam);
}

// The bars speak in window scroll messages, so that descendants see what the user does.
void TStringGrid::HandleBarScroll(int Bar, int Code, int Position) {
    FBarMessagePos[Bar == SB_VERT] = Position;
    FMessageFromBar = true;
    try {
        Perform(Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                static_cast<WPARAM>(Code | (std::clamp(Position, 0, 0xFFFF) << 16)), 0);
    } catch (...) {
        FMessageFromBar = false;
        throw;
    }
    FMessageFromBar = false;
}

void TStringGrid::HandleScroll(int Bar, int Position) {
    if (Bar == SB_HORZ)
        SetLeftCol(ScrollPositionToIndex(SB_HORZ, Position));
    else
        SetTopRow(ScrollPositionToIndex(SB_VERT, Position));
}

void TStringGrid::HandleScrollMessage(int Bar, WPARAM WParam) {
    const bool horz = Bar == SB_HORZ;
    const int first = horz ? FTopLeft.X : FTopLeft.Y;
    const int fixed = horz ? FFixedCols : FFixedRows;
    const int page = horz ? VisibleColCount() : VisibleRowCount();
    const int last = horz ? MaxLeftCol() : MaxTopRow();
    int target = first;
    switch (LOWORD(WParam)) {
    case SB_LINEUP:
        target = first - 1;
        break;
    case SB_LINEDOWN:
        target = first + 1;
        break;
    case SB_PAGEUP:
        target = first - page;
        break;
    case SB_PAGEDOWN:
        target = first + page;
        break;
    case SB_THUMBTRACK:
        // A dragged thumb moves the view only with thumb tracking.
        if (FMessageFromBar && !FOptions.Contains(goThumbTracking))
            return;
        target = ScrollPositionToIndex(Bar, ScrollMessagePos(Bar, WParam));
        break;
    case SB_THUMBPOSITION:
        target = ScrollPositionToIndex(Bar, ScrollMessagePos(Bar, WParam));
        break;
    case SB_TOP:
        target = fixed;
        break;
    case SB_BOTTOM:
        target = last;
        break;
    default:
        return;
    }
    if (horz)
        SetLeftCol(target);
    else
        SetTopRow(target);
}

void TStringGrid::HandleSize(TMessage& Message) {
    TCustomControl::WndProc(Message);
}

void TStringGrid::HandleHorzScroll(TMessage& Message) {
    HandleScrollMessage(SB_HORZ, Message.WParam);
    Message.Result = 0;
}

void TStringGrid::HandleVertScroll(TMessage& Message) {
    HandleScrollMessage(SB_VERT, Message.WParam);
    Message.Result = 0;
}

void TStringGrid::Resize() {
    TCustomControl::Resize();
    UpdateScrollBars();
    UpdateEditor();
}

bool TStringGrid::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    const int notches = std::max(1, std::abs(WheelDelta) / WHEEL_DELTA);
    bool handled = false;
    for (int i = 0; i < notches; ++i)
        handled =
            (WheelDelta < 0 ? HandleWheelDown(Shift, MousePos) : HandleWheelUp(Shift, MousePos)) ||
            handled;
    return handled;
}

bool TStringGrid::HandleWheelDown(TShiftState Shift, TPoint MousePos) {
    if (FCurrent.Y < RowCount() - 1)
        FocusCell(FCurrent.X, FCurrent.Y + 1, true);
    return true;
}

bool TStringGrid::HandleWheelUp(TShiftState Shift, TPoint MousePos) {
    if (FCurrent.Y > FFixedRows)
        FocusCell(FCurrent.X, FCurrent.Y - 1, true);
    return true;
}

void TStringGrid::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_HSCROLL:
        HandleHorzScroll(Message);
        return;
    case WM_VSCROLL:
        HandleVertScroll(Message);
        return;
    case WM_SIZE:
        HandleSize(Message);
        return;
    case WM_SETREDRAW:
        // Bulk changes switch drawing off and repaint once when it comes back.
        NativeHost::Widget(this)->setUpdatesEnabled(Message.WParam != 0);
        if (Message.WParam != 0)
            Invalidate();
        Message.Result = 0;
        return;
    case WM_GETDLGCODE:
        // Arrows always move the cell; Tab only with goTabs, typing only where it can edit.
        Message.Result = DLGC_WANTARROWS;
        if (FOptions.Contains(goTabs))
            Message.Result |= DLGC_WANTTAB;
        if (FOptions.Contains(goEditing))
            Message.Result |= DLGC_WANTCHARS;
        return;
    default:
        TCustomControl::WndProc(Message);
    }
}
