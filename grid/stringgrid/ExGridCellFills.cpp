// Test-data fills, the repaint operations other features call after changing cells, and the
// controls placed in cells.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ControlList.h"
#include "grid/stringgrid/GridFormat.h"
#include "platform/core/IntegerConversion.h"

#include <random>

// --- fills -------------------------------------------------------------------------------------

// Rows top to bottom, columns left to right within a row; the column indexes are storage columns.
template <typename Fill> void TExStringGrid::FillRange(bool DoFixed, Fill fill) {
    const int firstCol = DoFixed ? 0 : FixedCols();
    const int lastCol = DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    const int firstRow = DoFixed ? 0 : FixedRows();
    const int lastRow = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            fill(c, r);
    BulkCellsChanged();
}

void TExStringGrid::TextFill(bool DoFixed, const std::string& Txt) {
    FillRange(DoFixed, [&](int c, int r) { SetCells(c, r, Txt); });
}

void TExStringGrid::FormatFill(bool DoFixed, const std::string& Fmt) {
    FillRange(DoFixed, [&](int c, int r) { SetCells(c, r, FormatValues(Fmt, {c, r})); });
}

void TExStringGrid::RandomFill(bool DoFixed, int Rnd) {
    static std::minstd_rand generator{std::random_device{}()};
    FillRange(DoFixed, [&](int c, int r) {
        const int value = Rnd > 0 ? std::uniform_int_distribution<int>(0, Rnd - 1)(generator) : 0;
        SetInts(c, r, value);
    });
}

void TExStringGrid::LinearFill(bool DoFixed) {
    FillRange(DoFixed, [&](int c, int r) { SetCells(c, r, IntToStr(c) + ":" + IntToStr(r)); });
}

// --- repaints ----------------------------------------------------------------------------------

void TExStringGrid::RepaintRow(int ARow) {
    InvalidateRow(ARow);
}

void TExStringGrid::RepaintCol(int ACol) {
    InvalidateCol(ACol);
}

void TExStringGrid::RepaintRect(const TRect& R) {
    if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0)
        return;
    const TRect first = CellRect(R.Left, R.Top);
    const TRect last = CellRect(std::min(VisibleColCount() + FixedCols(), R.Right), R.Bottom);
    if (first.IsEmpty() || last.IsEmpty()) {
        Invalidate();
        return;
    }
    InvalidateRect(Rect(std::min(first.Left, last.Left), std::min(first.Top, last.Top),
                        std::max(first.Right, last.Right), std::max(first.Bottom, last.Bottom)));
}

// --- controls in cells -------------------------------------------------------------------------

TControl* TExStringGrid::CellControls(int i, int j) const {
    const TCellProperties* props = ExistingProperties(i, j);
    return props ? props->Control() : nullptr;
}

// The list holds each control's real column and real row; the control sits on the cell's
// rectangle, one pixel wider to the left and the top so that it covers the grid lines.
void TExStringGrid::SetCellControls(int i, int j, TControl* AControl) {
    const int realRow = RealRowIndex(j);
    const int index = FControlList->ControlIndex(i, realRow);
    if (!AControl) {
        TCellProperties* props = ExistingProperties(i, j);
        if (props && props->Control()) {
            if (index >= 0)
                FControlList->RemoveControl(index);
            --FNumCellControls;
            props->SetControl(nullptr);
        }
        return;
    }
    TCellProperties* props = GetCellProperties(i, j);
    if (index >= 0)
        FControlList->RemoveControl(index);
    if (!props->Control())
        ++FNumCellControls;
    FControlList->AddControl(i, realRow, AControl);
    props->SetControl(AControl);
    AControl->SetParent(this);
    const TRect r = CellRect(RealToDisplCol(i), j);
    AControl->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
}

void TExStringGrid::CellControlsUpdate(bool rebuildlist) {
    if (!FControlList)
        return;
    if (rebuildlist) {
        while (FControlList->Count() > 0)
            FControlList->RemoveControl(0);
        ForEachObject([&](int c, int r, TObject* object) {
            const auto* props = dynamic_cast<const TCellProperties*>(object);
            if (props && props->Control() && c < TotalColCount() && r < RowCount())
                FControlList->AddControl(c, RealRowIndex(r), props->Control());
        });
    }
    if (FNumCellControls == 0)
        return;
    const int lastCol = LeftCol() + VisibleColCount();
    const int lastRow = TopRow() + VisibleRowCount();
    for (int k = 0; k < FControlList->Count(); ++k) {
        const TControlItem* item = FControlList->Control(k);
        auto* control = dynamic_cast<TControl*>(item->Control());
        if (!control)
            continue;
        if (IsHiddenColumn(item->X()) || IsHiddenRow(item->Y())) {
            control->SetVisible(false);
            continue;
        }
        const int col = RealToDisplCol(item->X());
        const int row = DisplRowIndex(item->Y());
        if (row < FixedRows() || col < FixedCols())
            continue; // controls on fixed cells stay as they are
        if (col < LeftCol() || col > lastCol || row < TopRow() || row > lastRow) {
            control->SetVisible(false);
            continue;
        }
        const TRect r = CellRect(col, row);
        control->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
        control->SetVisible(true);
        control->Invalidate();
    }
}
