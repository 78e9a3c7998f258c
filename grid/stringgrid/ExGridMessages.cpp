// Window messages: the grid's window procedure, the edit-done message the editors post, and
// the grid timer (incremental-search reset, hovering, blinking text).
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SyncGrid.h"
#include "platform/core/Text.h"
#include "platform/ui/WindowTimer.h"

void TExStringGrid::HandleWindowMessage(TMessage& Message) {
    if (Message.Msg == WM_DESTROY && FGridTimerID != 0) {
        ::KillTimer(this, GridTimerIdentifier);
        FGridTimerID = 0;
    }
    if (Destroying()) {
        TBaseGrid::WndProc(Message);
        return;
    }
    const TGridRect sel0 = Selection();
    if (GridEditDoneMessage != 0 && Message.Msg == GridEditDoneMessage) {
        // Column and row travel whole in the parameters; a negative one is no cell.
        const auto col = static_cast<intptr_t>(Message.WParam);
        const auto row = static_cast<intptr_t>(Message.LParam);
        if (col >= 0 && row >= 0 && col <= INT32_MAX && row <= INT32_MAX)
            FireEvent(OnEditCellDone, this, static_cast<int>(col), static_cast<int>(row));
        if (FMouseActions->EditOnDblClickOnly()) {
            HideInplaceEdit();
            EditMode = false;
            SetOptions(Options() - TGridOptions{goEditing});
        }
        Message.Result = 0;
        return;
    }
    const bool pressed = Message.Msg == WM_MBUTTONDOWN || Message.Msg == WM_LBUTTONDOWN ||
                         Message.Msg == WM_RBUTTONDOWN || Message.Msg == WM_KEYDOWN;
    if (wheelpan && pressed) {
        StopIntelliPan();
        if (Message.Msg == WM_MBUTTONDOWN)
            return;
    } else if (Message.Msg == WM_MBUTTONDOWN && IntelliPan != ipNone && RowCount() > FixedRows()) {
        StartIntelliPan(TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
        return;
    }
    if (wheelpan && Message.Msg == WM_TIMER) {
        IntelliPanStep();
        return;
    }
    switch (Message.Msg) {
    case WM_KEYDOWN:
        HandleKeyDownMessage(Message);
        return;
    case WM_CHAR:
        HandleCharMessage(Message);
        return;
    case WM_TIMER:
        if (Message.WParam == GridTimerIdentifier) {
            HandleTimer();
            Message.Result = 0;
            return;
        }
        break;
    case WM_MOUSEWHEEL:
        HandleWheelMessage(Message, sel0);
        return;
    case WM_COMMAND:
        if (HandleChildNotification(Message))
            return;
        break;
    case WM_GETDLGCODE:
        HandleGetDlgCode(Message);
        return;
    case CM_HINTSHOW:
        HandleHintShow(Message);
        return;
    case WM_SETFOCUS:
        HandleSetFocus(Message);
        return;
    case WM_KILLFOCUS:
        HandleKillFocus(Message);
        return;
    case WM_MOUSEMOVE:
        FHoverPos = TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        FMouseInside = true;
        break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        FMouseInside = false;
        break;
    case CM_DIALOGCHAR:
        // An accelerator of the search footer's buttons; any other character goes on as usual.
        HandleDialogChar(Message);
        if (Message.Result != 0)
            return;
        break;
    case WM_THEMECHANGED:
        if (FAutoThemeAdapt)
            AdaptToOfficeTheme();
        break;
    default:
        break;
    }
    const int row0 = Row();
    TBaseGrid::WndProc(Message);
    if (Row() != row0 && FSyncGrid->SelectionRow)
        SetRowEx(Row());
}

void TExStringGrid::HandleGetDlgCode(TMessage& Message) {
    TBaseGrid::WndProc(Message);
    // Typed characters reach the grid for the incremental search and to start editing.
    if (FNavigation->AutoGotoWhenSorted || !Options().Contains(goEditing))
        Message.Result |= DLGC_WANTCHARS;
}

void TExStringGrid::HandleTimer() {
    ++FTimerTicks;
    if (FNavigation->AutoGotoIncremental) {
        // The search text is forgotten on the fourth tick after the last search key.
        if (SearchTics == 3) {
            SearchInc.clear();
            SearchTics = 0;
        } else {
            ++SearchTics;
        }
    }
    if (Hovering && !Designing())
        HoverTick();
    if (EnableBlink)
        BlinkTick();
}

// The normal cell under a resting mouse becomes the current cell.
void TExStringGrid::HoverTick() {
    if (!FMouseInside || FHoverPos.X < 0 || FHoverPos.Y < 0 || FHoverPos.X >= ClientWidth() ||
        FHoverPos.Y >= ClientHeight())
        return;
    int col = -1;
    int row = -1;
    MouseToCell(FHoverPos.X, FHoverPos.Y, col, row);
    if (col < FixedCols() || col >= ColCount() || row < FixedRows() || row >= RowCount())
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    SetRow(row);
    SetCol(col);
}

// Blinking text flips each tick: only the cells on show that hold the blink tag repaint.
void TExStringGrid::BlinkTick() {
    FGridBlink = !FGridBlink;
    const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount() - 1);
    const int lastCol =
        std::min(TotalColCount() - 1, LeftCol() + VisibleColCount() + NumHiddenColumns() - 1);
    const auto repaintIfBlinking = [this](int ARealCol, int ARow) {
        if (UpperCase(Cells(ARealCol, ARow)).find("<BLI") != std::string::npos)
            RepaintCell(DisplColIndex(ARealCol), ARow);
    };
    for (int r = TopRow(); r <= lastRow; ++r)
        for (int c = LeftCol(); c <= lastCol; ++c)
            repaintIfBlinking(c, r);
    for (int r = 0; r < FixedRows() && r < RowCount(); ++r)
        for (int c = LeftCol(); c <= lastCol; ++c)
            repaintIfBlinking(c, r);
    for (int r = TopRow(); r <= lastRow; ++r)
        for (int c = 0; c < FixedCols(); ++c)
            repaintIfBlinking(RealColIndex(c), r);
}
