// The mouse wheel: scrolling the view, moving the current row, zooming with Ctrl.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"

#include <algorithm>
#include <cmath>

void TExStringGrid::HandleWheelMessage(TMessage& Message, const TGridRect& Sel0) {
    const int delta = GET_WHEEL_DELTA_WPARAM(Message.WParam);
    const bool down = delta < 0; // turned towards the user
    TShiftState shift;
    if (Message.WParam & MK_CONTROL)
        shift << ssCtrl;
    if (Message.WParam & MK_SHIFT)
        shift << ssShift;
    Message.Result = 1;
    if (shift.Contains(ssCtrl) && IntelliZoom) {
        const int lines = wheelscrl > 0 ? wheelscrl : 3;
        ZoomByWheel(down ? lines : -lines);
        return;
    }
    // A disabled wheel is swallowed, so no parent scrolls in the grid's place.
    if (!EnableWheel || (FFixedRowAlways && RowCount() == 1) || delta == 0)
        return;
    const bool moveSelection = FMouseActions->WheelAction() == waMoveSelection;
    // Before window creation the system's three lines per notch.
    const int lines = wheelscrl > 0 ? wheelscrl : 3;
    int step = FMouseActions->WheelIncrement >= 1 ? FMouseActions->WheelIncrement : lines;
    int target = Row();
    if (!moveSelection) {
        if (down && TopRow() < RowCount() - VisibleRowCount() && TopRow() + step >= FixedRows()) {
            SetTopRow(TopRow() + step);
        } else if (!down) {
            if (TopRow() - step < FixedRows())
                step = TopRow() - FixedRows();
            if (TopRow() > FixedRows() && TopRow() - step >= FixedRows())
                SetTopRow(TopRow() - step);
        }
    } else {
        target = down ? Row() + step : Row() - step;
    }
    const int lastDataRow = RowCount() - FFixedFooters - 1;
    target = std::clamp(target, FixedRows(), std::max(FixedRows(), lastDataRow));
    const int leftCol = LeftCol();
    // The value being edited is validated before the current row leaves it.
    if (moveSelection && target != Row() && target < RowCount() && EditorValueAccepted()) {
        if (FMouseActions->DisjunctRowSelect())
            ClearRowSelect();
        SetRow(target);
        if (Row() != target) {
            // A selection rule refused the row: go half the way.
            const int half = static_cast<int>(std::lround((target - Row()) / 2.0));
            if (half != 0 && Row() + half >= FixedRows() && Row() + half < RowCount())
                SetRow(Row() + half);
        }
        if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll)
            SetLeftCol(leftCol);
    }
    AfterMouseWheel();
    if (FMouseActions->WheelIncrement != 0 || FMouseActions->DisjunctRowSelect()) {
        bool handled = false;
        const bool disjunct = FMouseActions->DisjunctRowSelect();
        const TShiftState eventShift = disjunct ? CurrentShiftState() : TShiftState{};
        const TPoint pos = disjunct
                               ? TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}
                               : TPoint{0, 0};
        FireEvent(down ? OnMouseWheelDown : OnMouseWheelUp, this, eventShift, pos, handled);
    }
    const TGridRect now = Selection();
    if (now != Sel0)
        SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    if (FSearchFooter->Visible() && TopRow() == RowCount() - VisibleRowCount())
        ScrollAboveSearchFooter();
}

bool TExStringGrid::HandleWheelDown(TShiftState Shift, TPoint MousePos) {
    if (FMouseActions->WheelAction() == waScroll || !EnableWheel) {
        bool handled = false;
        FireEvent(OnMouseWheelDown, this, Shift, MousePos, handled);
        return handled;
    }
    const bool directEdit = FMouseActions->DirectEdit;
    FMouseActions->DirectEdit = false;
    const int leftCol = LeftCol();
    const bool result = TBaseGrid::HandleWheelDown(Shift, MousePos);
    if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll)
        SetLeftCol(leftCol);
    FMouseActions->DirectEdit = directEdit;
    return result;
}

bool TExStringGrid::HandleWheelUp(TShiftState Shift, TPoint MousePos) {
    if (FMouseActions->WheelAction() == waScroll || !EnableWheel) {
        bool handled = false;
        FireEvent(OnMouseWheelUp, this, Shift, MousePos, handled);
        return handled;
    }
    const bool directEdit = FMouseActions->DirectEdit;
    FMouseActions->DirectEdit = false;
    const int leftCol = LeftCol();
    bool result = true;
    if (Row() < RowCount() && Col() < ColCount())
        result = TBaseGrid::HandleWheelUp(Shift, MousePos);
    if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll)
        SetLeftCol(leftCol);
    FMouseActions->DirectEdit = directEdit;
    return result;
}
