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
    const bool allowHorz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool allowVert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const int thickness = FScrollBarsImpl->Thickness();
    // Each bar takes room from the other direction, so decide twice.
    bool horz = false;
    bool vert = false;
    for (int pass = 0; pass < 2; ++pass) {
        horz = allowHorz && GridWidth() > Width() - (vert ? thickness : 0);
        vert = allowVert && GridHeight() > Height() - (horz ? thickness : 0);
    }
    TGridScrollBars::TBarState h;
    TGridScrollBars::TBarState v;
    h.Visible = horz;
    v.Visible = vert;
    FScrollBarsImpl->Update(h, v, Width(), Height()); // fixes the client size first
    ClampTopLeft();
    h.Maximum = MaxLeftCol() - FFixedCols;
    h.Position = FTopLeft.X - FFixedCols;
    h.Page = VisibleColCount();
    v.Maximum = MaxTopRow() - FFixedRows;
    v.Position = FTopLeft.Y - FFixedRows;
    v.Page = VisibleRowCount();
    FScrollBarsImpl->Update(h, v, Width(), Height());
}

void TStringGrid::HandleScroll(int Bar, int Position) {
    if (Bar == SB_HORZ)
        SetLeftCol(FFixedCols + Position);
    else
        SetTopRow(FFixedRows + Position);
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
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        target = fixed + HIWORD(WParam);
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
        HandleScrollMessage(SB_HORZ, Message.WParam);
        Message.Result = 0;
        return;
    case WM_VSCROLL:
        HandleScrollMessage(SB_VERT, Message.WParam);
        Message.Result = 0;
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
