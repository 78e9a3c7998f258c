// Double clicks, right clicks and the simulated click of keyboard navigation.
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"

#include <cstdlib>

namespace {

// Runs Body with a flag set, clearing it again however Body ends.
template <typename Body> void WithFlag(bool& Flag, bool Value, Body body) {
    const bool old = Flag;
    Flag = Value;
    try {
        body();
    } catch (...) {
        Flag = old;
        throw;
    }
    Flag = old;
}

} // namespace

// The framework's double click: its OnDblClick, then its press.
void TExStringGrid::FrameworkDoubleClick(TShiftState Shift, int X, int Y) {
    if (FDblClickHeldBack) {
        FDblClickHeldBack = false;
        TBaseGrid::DblClick();
    }
    HandleMouseDown(mbLeft, Shift, X, Y);
}

void TExStringGrid::HandleDoubleClick(TShiftState Shift, int X, int Y) {
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (FMouseActions->RangeSelectAndEdit && !IsControlCell(DisplToRealCol(ACol), ARow))
        FForceSel = true;
    if (ACol == -1) {
        if (FFixedRowAlways) {
            FrameworkDoubleClick(Shift, X, Y);
            FForceSel = false;
            return;
        }
        // Right of the last column counts as the last header cell.
        ACol = ColCount() - 1;
        ARow = 0;
    }
    bool done = false;
    if (ARow >= 0)
        AutoSizeOnBorderDoubleClick(ACol, ARow, X, Shift, done);
    if (done)
        return;
    const int realCol = DisplToRealCol(ACol);
    if (ARow >= 0 &&
        ((HasButton(realCol, ARow) && GetCellButtonRect(ACol, ARow).Contains(TPoint{X, Y})) ||
         (HasExpand(realCol, ARow) && GetExpandGlyphRect(ACol, ARow).Contains(TPoint{X, Y})))) {
        FDblClickHeldBack = false;
        FForceSel = false;
        return;
    }
    if (ARow >= 0 && IsControlCell(realCol, ARow)) {
        FrameworkDoubleClick(Shift, X, Y);
        FForceSel = false;
        return;
    }
    FrameworkDoubleClick(Shift, X, Y);
    int clickedCol = -1;
    int clickedRow = -1;
    MouseToCell(X, Y, clickedCol, clickedRow);
    FireEvent(OnDblClickCell, this, clickedRow, clickedCol);

    if (FMouseActions->EditOnDblClickOnly()) {
        WithFlag(FMouseActions->RangeSelectAndEdit, true, [&] {
            if (ARow >= 0 && IsEditable(ACol, ARow)) {
                SetOptions(Options() << goEditing);
                ShowInplaceEdit();
            }
        });
    }
    if (ACol >= 0 && ARow >= 0 && FMouseActions->RangeSelectAndEdit && IsEditable(realCol, ARow) &&
        !FMouseActions->EditOnDblClickOnly()) {
        SetOptions(Options() << goEditing);
        const TPoint base = BaseCell(ACol, ARow);
        const TRect r = CellRect(base.X, base.Y);
        HandleMouseDown(mbLeft, TShiftState{}, r.Left + 4, r.Top + 4);
    }
    FForceSel = false;
    if ((ARow >= 0 && ARow < FixedRows() && FMouseActions->FixedRowsEdit == fceDblClick) ||
        (ACol >= 0 && ACol < FixedCols() && FMouseActions->FixedColsEdit == fceDblClick))
        StartFixedCellEdit(ACol, ARow);
}

// A double click on a header border fits the column left of it to its contents.
void TExStringGrid::AutoSizeOnBorderDoubleClick(int ACol, int ARow, int X, TShiftState Shift,
                                                bool& Done) {
    if (ARow >= FixedRows() || !Options().Contains(goColSizing) ||
        !FMouseActions->AutoSizeColOnDblClick)
        return;
    const TRect cellR = CellRect(ACol, ARow);
    const auto fit = [this](int column) {
        bool allow = true;
        FireEvent(OnColumnSize, this, column, allow);
        if (!allow)
            return;
        AutoSizeCol(column, 0);
        FireEvent(OnEndColumnSize, this, column);
    };
    if (std::abs(X - cellR.Left) < 4) {
        // The column left of a fixed column is no column the user sizes: the right border of
        // the clicked column is tested instead.
        if (ACol - 1 >= FixedCols()) {
            FDblClk = true;
            fit(ACol - 1);
            FForceSel = false;
            FrameworkDoubleClick(Shift, cellR.Left, cellR.Top);
            Done = true;
            return;
        }
    }
    if (std::abs(X - cellR.Right) < 4 && ACol >= FixedCols()) {
        FDblClk = true;
        fit(ACol);
        FForceSel = false;
        FrameworkDoubleClick(Shift, X, cellR.Top);
        Done = true;
    }
}

void TExStringGrid::HandleRightButtonDown(TShiftState Shift, int X, int Y) {
    HandleMouseDown(mbRight, Shift, X, Y);
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const bool normalCell = ACol >= FixedCols() && ARow >= FixedRows() && !IsFixed(ACol, ARow);
    if (FMouseActions->SelectOnRightClick && ACol >= 0 && ARow >= 0 && normalCell) {
        const TGridRect sel = Selection();
        const bool selected = sel.Contains(ACol, ARow);
        if (!IsControlCell(DisplToRealCol(ACol), ARow)) {
            if (OnRightClickCell) {
                FocusCell(ACol, ARow, true);
            } else {
                HandleMouseDown(mbLeft, TShiftState{}, X, Y);
                HandleMouseUp(mbLeft, TShiftState{}, X, Y);
            }
        }
        if (selected) {
            bool canSelect = true;
            FireEvent(OnSelectCell, this, ACol, ARow, canSelect);
        } else {
            const TPoint base = BaseCell(ACol, ARow);
            const int leftCol = LeftCol();
            BeginUpdate();
            try {
                FocusCell(base.X, base.Y, true);
                if (FNavigation->KeepHorizScroll)
                    SetLeftCol(leftCol);
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
        }
    }
    FireEvent(OnRightClickCell, this, ARow, ACol);
    if (ACol >= 0 && ARow >= 0 && URLShow() && URLEdit &&
        IsURL(Cells(DisplToRealCol(ACol), ARow))) {
        SetCol(ACol);
        SetRow(ARow);
        ShowEditor();
    }
}

void TExStringGrid::SimulateCellClick(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return;
    const TRect cellR = CellRect(ACol, ARow);
    TMouseEvent down = std::move(OnMouseDown);
    TMouseEvent up = std::move(OnMouseUp);
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    const auto restore = [&] {
        OnMouseDown = std::move(down);
        OnMouseUp = std::move(up);
    };
    WithFlag(FForceSel, true, [&] {
        try {
            TBaseGrid::MouseDown(mbLeft, TShiftState{}, cellR.Left + 2, cellR.Top + 2);
            TBaseGrid::MouseUp(mbLeft, TShiftState{}, cellR.Left + 2, cellR.Top + 2);
        } catch (...) {
            restore();
            throw;
        }
    });
    restore();
    FForceSel = false;
}
