// Row and column counts, fixed rows and columns and their sizes, alignment, word wrap, integral
// height, the scroll bars kept on, and the update lock.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/SyncGrid.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/FooterPanel.h"
#include "platform/ui/Screen.h"

#include <algorithm>

// --- counts ------------------------------------------------------------------------------------

// A floating footer is the last row: the whole row (texts, calculations, height) moves to the new
// last row, so every path that changes the row count keeps it last and calculating.
void TExStringGrid::SetRowCount(int Value) {
    const int oldCount = RowCount();
    const bool moveFooter = FFloatingFooter && FFloatingFooter->Visible && Value != oldCount &&
                            Value >= 1 && oldCount >= 1;
    if (moveFooter && Value < oldCount)
        MoveRowQuietly(oldCount - 1, Value - 1);
    FKeepingCutOffRows = true;
    try {
        TBaseGrid::SetRowCount(Value);
    } catch (...) {
        FKeepingCutOffRows = false;
        throw;
    }
    FKeepingCutOffRows = false;
    if (RowCount() > oldCount)
        BringBackCutOffRows(oldCount, RowCount());
    if (moveFooter && RowCount() > oldCount)
        MoveRowQuietly(oldCount - 1, RowCount() - 1);
    if (FFixedRowAlways && RowCount() > FFixedRowsMin)
        TBaseGrid::SetFixedRows(std::min(FFixedRowsMin, RowCount() - 1));
    FMaxRowCount = std::max(FMaxRowCount, Value);
    FNormalRowCount = Value;
    UpdateFooter();
    UpdateScrollProportional();
    UpdateScrollBarsAlways(false);
    if (moveFooter) {
        PropertiesFollowCells();
        CalcFooter(-1);
    }
}

void TExStringGrid::SetColCount(int Value) {
    TBaseGrid::SetColCount(Value);
    if (FFixedColAlways && ColCount() > FFixedColsMin)
        TBaseGrid::SetFixedCols(std::min(FFixedColsMin, ColCount() - 1));
    FMaxColCount = std::max(FMaxColCount, Value);
    UpdateFooter();
    SetBounds(Left(), Top(), Width(), Height());
    UpdateScrollProportional();
    UpdateScrollBarsAlways(false);
}

void TExStringGrid::SetCol(int Value) {
    TBaseGrid::SetCol(Value);
    if (FSyncGrid && FSyncGrid->Grid() && FSyncGrid->SelectionColumn)
        FSyncGrid->Grid()->SetCol(Col());
}

// Called by the platform grid with the old counts after they changed.
void TExStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
    if (!Parent() || Loading() || ComponentState().Contains(csReading) || Destroying())
        return;
    ColumnStretchChanged(OldColCount, OldRowCount);
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
}

// Rows cut off by a smaller RowCount keep their cells and properties in FCutOffCells instead of
// being dropped, so that they come back when the count grows again. Rows the platform grid
// drops itself (a deleted row) are gone, and so are the kept rows behind them.
void TExStringGrid::DroppingCells(const TGridRect& Range) {
    const bool rowsDropped = Range.Left == 0 && Range.Right == TGridCellStore::MaxCols - 1 &&
                             Range.Bottom == TGridCellStore::MaxRows - 1;
    if (rowsDropped && !Destroying()) {
        if (!FKeepingCutOffRows || FCutOffFirst != RowCount())
            DiscardCutOffRows(Range.Top);
        if (FKeepingCutOffRows)
            KeepCutOffRows(Range.Top, RowCount());
    }
    TBaseGrid::DroppingCells(Range);
}

// The kept properties go back into the cell store past the count, inside the range about to be
// dropped, where the base grid frees them with the rest.
void TExStringGrid::DiscardCutOffRows(int DroppedFrom) {
    if (FCutOffRows == 0)
        return;
    const int first = std::max({FCutOffFirst, DroppedFrom, RowCount()});
    FCutOffCells.ForEachObject([&](int c, int k, void* object) {
        SetGridObject(c, first + k, static_cast<TObject*>(object));
    });
    FCutOffCells.Clear();
    FCutOffRows = 0;
    FCutOffWidth = 0;
}

void TExStringGrid::KeepCutOffRows(int FromRow, int ToRow) {
    if (FromRow >= ToRow)
        return;
    const int count = ToRow - FromRow;
    // The kept rows run on from the count, so the new ones go in front of those kept before.
    if (FCutOffRows > 0)
        FCutOffCells.InsertRows(0, count);
    FCutOffFirst = FromRow;
    FCutOffRows += count;
    const int width = std::max({FMaxColCount, TotalColCount(), ColCount()});
    FCutOffWidth = std::max(FCutOffWidth, width);
    for (int r = FromRow; r < ToRow; ++r) {
        for (int c = 0; c < width; ++c) {
            const std::string text = GetGridCell(c, r);
            if (!text.empty())
                FCutOffCells.SetText(c, r - FromRow, text);
        }
    }
    // Objects may lie past the columns on show (hidden or cut-off columns).
    ForEachObject([&](int c, int r, TObject* object) {
        if (r >= FromRow && r < ToRow)
            FCutOffCells.SetObject(c, r - FromRow, object);
    });
    ForEachObject([&](int c, int r, TObject*) {
        if (r >= FromRow && r < ToRow)
            SetGridObject(c, r, nullptr);
    });
}

void TExStringGrid::BringBackCutOffRows(int FromRow, int ToRow) {
    if (FCutOffRows == 0 || FromRow != FCutOffFirst)
        return;
    const int count = std::min(ToRow - FromRow, FCutOffRows);
    for (int k = 0; k < count; ++k)
        for (int c = 0; c < FCutOffWidth; ++c)
            if (std::string_view text = FCutOffCells.Text(c, k); !text.empty())
                SetGridCell(c, FromRow + k, std::string(text));
    FCutOffCells.ForEachObject([&](int c, int k, void* object) {
        if (k < count)
            SetGridObject(c, FromRow + k, static_cast<TObject*>(object));
    });
    FCutOffCells.DeleteRows(0, count);
    FCutOffFirst += count;
    FCutOffRows -= count;
    if (FCutOffRows == 0) {
        FCutOffCells.Clear();
        FCutOffWidth = 0;
    }
}

// --- fixed rows and columns --------------------------------------------------------------------

int TExStringGrid::FixedRows() const {
    const int fixed = TBaseGrid::FixedRows();
    return fixed == 0 && FFixedRowAlways ? 1 : fixed;
}

void TExStringGrid::SetFixedRows(int Value) {
    int fixed = Value;
    if (FFixedRowAlways && fixed >= RowCount())
        fixed = RowCount() - 1;
    TBaseGrid::SetFixedRows(fixed);
    if (!Loading())
        FFixedRowsMin = Value;
}

int TExStringGrid::FixedCols() const {
    const int fixed = TBaseGrid::FixedCols();
    return fixed == 0 && FFixedColAlways ? 1 : fixed;
}

void TExStringGrid::SetFixedCols(int Value) {
    int fixed = Value;
    if (FFixedColAlways && fixed >= ColCount())
        fixed = ColCount() - 1;
    TBaseGrid::SetFixedCols(fixed);
    if (!Loading())
        FFixedColsMin = Value;
}

void TExStringGrid::SetFixedColWidth(int Value) {
    if (Loading() || Value == DefaultColWidth())
        return;
    for (int c = 0; c < TBaseGrid::FixedCols(); ++c)
        SetColWidths(c, Value);
}

void TExStringGrid::SetFixedRowHeight(int Value) {
    FFixedRowHeight = Value;
    if (Loading())
        return;
    if (Value == DefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (int r = 0; r < TBaseGrid::FixedRows(); ++r)
        SetRowHeights(r, Value);
}

void TExStringGrid::SetDefaultRowHeight(int Value) {
    TBaseGrid::SetDefaultRowHeight(Value);
    if (Designing())
        FFixedRowHeight = Value;
    if (FFloatingFooter) {
        FFloatingFooter->Height = Value;
        if (FFloatingFooter->Visible && FFooterPanel)
            FFooterPanel->SetHeight(Value);
    }
}

void TExStringGrid::SetFixedRightCols(int Value) {
    FFixedRightCols = Value;
    Invalidate();
}

void TExStringGrid::SetFixedFooters(int Value) {
    FFixedFooters = Value;
    Invalidate();
}

// --- alignment, word wrap, selection -----------------------------------------------------------

void TExStringGrid::SetDefaultAlignment(TAlignment Value) {
    if (FDefaultAlignment == Value)
        return;
    FDefaultAlignment = Value;
    Invalidate();
}

void TExStringGrid::SetVAlignment(TVAlignment Value) {
    FVAlignment = Value;
    FVAlign = Value == vtaTop ? 0 : Value == vtaBottom ? 8 : 4;
    InvalidateUnlessLocked();
}

void TExStringGrid::SetWordWrap(bool Value) {
    TBaseGrid::SetWordWrap(Value);
    FWordWrapEx = Value;
    InvalidateUnlessLocked();
}

void TExStringGrid::SetSelection(const TGridRect& Value) {
    TBaseGrid::SetSelection(Value);
    if (FActiveCellShow) {
        InvalidateRow(0);
        InvalidateCol(0);
    }
    if (ActiveRowShow())
        RepaintRow(Value.Bottom);
}

// --- bounds and scroll bars --------------------------------------------------------------------

void TExStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0)
        AHeight = IntegralHeightFor(AHeight);
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (Parent())
        PaintOuterBorder();
}

int TExStringGrid::IntegralHeightFor(int AHeight) const {
    const int scrollBar = VisibleColCount() + TBaseGrid::FixedCols() < ColCount()
                              ? GetSystemMetrics(SM_CYHSCROLL)
                              : 0;
    const int border = FBorderSingle ? 2 : 0;
    // C++ % truncates like the design's mod.
    return AHeight - ((AHeight - scrollBar - border) % DefaultRowHeight()) + border;
}

void TExStringGrid::SetScrollBarAlways(TScrollBarAlways Value) {
    FScrollBarAlways = Value;
    UpdateScrollBarsAlways(true);
}

// --- update lock -------------------------------------------------------------------------------

void TExStringGrid::BeginUpdate() {
    ++FUpdateCount;
    Perform(WM_SETREDRAW, 0, 0);
}

void TExStringGrid::EndUpdate() {
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (Destroying() || FUpdateCount > 0)
        return;
    FSelectionChanged = false;
    Perform(WM_SETREDRAW, 1, 0);
    Invalidate();
    PaintOuterBorder();
}

void TExStringGrid::SetLockUpdate(bool Value) {
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

void TExStringGrid::InvalidateUnlessLocked() {
    if (FUpdateCount == 0)
        Invalidate();
}
