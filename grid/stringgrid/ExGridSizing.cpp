// The grid's reaction to size changes: the stretch column, the widths kept in step with the
// grid's width, the grid following its form, and what follows every change of a column width
// or row height (sizing by the mouse included).
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ColumnSize.h"
#include "grid/stringgrid/FlagScope.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/FooterPanel.h"
#include "grid/stringgrid/LayoutRounding.h"
#include "grid/stringgrid/SearchPanel.h"
#include "platform/core/Exception.h"
#include "platform/ui/Form.h"

#include <memory>

void TExStringGrid::UpdateColumnSize(int ACol, int& Width) {
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, Width);
}

void TExStringGrid::UpdateAutoColumnSize(int ACol, int& Width) {
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, Width);
}

void TExStringGrid::ColumnHeadersChanged() {}

void TExStringGrid::InitOrigColSizes() {
    FOrigColSizes->Clear();
    for (int c = 0; c < ColCount(); ++c)
        FOrigColSizes->Add(ColWidths(c));
    FOldSize = Width();
}

// The framework's size-changed step: new counts may change what the stretch column gets. It runs
// inside row and column operations that have more to do after the count changed, so a stretch
// column the new count no longer has is left alone here instead of failing them half-way.
void TExStringGrid::ColumnStretchChanged(int OldColCount, int OldRowCount) {
    if (!FColumnSize || !FColumnSize->Stretch)
        return;
    const int index = FColumnSize->StretchColumn;
    if (index == -1 || (index >= 0 && index < ColCount()))
        ApplyColumnStretch(index);
}

int64_t TExStringGrid::WidthsBesides(int ACol) const {
    int64_t sum = 0;
    for (int c = 0; c < ColCount(); ++c)
        if (c != ACol)
            sum += ColWidths(c);
    return sum;
}

void TExStringGrid::StretchRightColumn() {
    ApplyColumnStretch(ColCount() - 1);
}

void TExStringGrid::ApplyColumnStretch(int Index) {
    if (Loading() || Destroying())
        return;
    if (Index == -1)
        Index = ColCount() - 1;
    if (Index < 0 || Index >= ColCount())
        throw Exception("Stretch column index out of range");
    if (ColCount() == 0 || !FColumnSize->Stretch || FIsColChanging)
        return;
    {
        TFlagScope changing(FIsColChanging, true);
        TFlagScope quiet(ColchgFlg, false);
        const int clientWidth = ClientWidth();
        if (ColCount() == 1) {
            SetColWidths(Index, clientWidth);
            return;
        }
        const int64_t sum = WidthsBesides(Index);
        if (sum < clientWidth)
            SetColWidths(Index, static_cast<int>(clientWidth - sum - 1));
        else if (LeftCol() == FixedCols())
            SetColWidths(Index, DefaultColWidth());
    }
    if (FFloatingFooter && FFloatingFooter->Visible && FFooterPanel)
        FFooterPanel->SetAlign(alBottom);
}

void TExStringGrid::ColWidthsChanged() {
    // Sizes set while the grid is being built or freed need no follow-up.
    if (!FColumnSize || Destroying()) {
        TBaseGrid::ColWidthsChanged();
        return;
    }
    if (ColchgFlg && FColumnSize && FColumnSize->Stretch)
        ApplyColumnStretch(FColumnSize->StretchColumn);
    if (Designing())
        HideScrollHint();
    TBaseGrid::ColWidthsChanged();
    ColSizeFlg = true;

    if (ColSized && FMouseActions->AllColumnSize && Colclickedsize > 0 && Colclicked >= 0 &&
        Colclicked < ColCount()) {
        TFlagScope quiet(ColSized, false);
        const double ratio = static_cast<double>(ColWidths(Colclicked)) / Colclickedsize;
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (c != Colclicked)
                SetColWidths(c, RoundHalfEven(ColWidths(c) * ratio));
    }
    if (ColSized && OnEndColumnSize)
        OnEndColumnSize(this, Colclicked);
    if (ColSized && Colclicked >= 0 && Colclicked < ColCount()) {
        int width = ColWidths(Colclicked);
        UpdateColumnSize(Colclicked, width);
        if (width != ColWidths(Colclicked)) {
            ColSized = false;
            SetColWidths(Colclicked, width);
        }
    }
    if (ColSized) {
        Colclicked = -1;
        Rowclicked = -1;
    }
    ColSized = false;
    if (Col() < ColCount() && Row() < RowCount() && HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
    UpdateFooter();
    CellControlsUpdate(false);
    if (FColumnSize->Stretch && FScrollProportional)
        UpdateProportionalVertScroll();
}

void TExStringGrid::RowHeightsChanged() {
    if (!FColumnSize || Destroying()) {
        TBaseGrid::RowHeightsChanged();
        return;
    }
    if (Designing())
        HideScrollHint();
    TBaseGrid::RowHeightsChanged();
    if (Rowsized && FMouseActions->AllRowSize && Rowclickedsize > 0 && Rowclicked >= 0 &&
        Rowclicked < RowCount()) {
        TFlagScope quiet(Rowsized, false);
        const double ratio = static_cast<double>(RowHeights(Rowclicked)) / Rowclickedsize;
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != Rowclicked)
                SetRowHeights(r, RoundHalfEven(RowHeights(r) * ratio));
    }
    if (Rowsized && OnEndRowSize)
        OnEndRowSize(this, Rowclicked);
    if (Rowsized) {
        Colclicked = -1;
        Rowclicked = -1;
    }
    Rowsized = false;
    if (Col() < ColCount() && Row() < RowCount() && HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
    CellControlsUpdate(false);
}

void TExStringGrid::HandleSize(TMessage& Message) {
    if (FSearchPanel && FSearchPanel->Visible()) {
        // Setting the height twice makes the panel lay out again at its place.
        FSearchPanel->SetHeight(33);
        FSearchPanel->SetHeight(32);
        FSearchPanel->SetAlign(alBottom);
    }
    if (!FColumnSize)
        return;

    if (FOldSize > 0 && FColumnSize->SynchWithGrid) {
        HideInplaceEdit();
        const int newWidth = LOWORD(Message.LParam) + (FBorderSingle ? 2 : 0);
        const double ratio = static_cast<double>(newWidth) / FOldSize;
        const bool normalOnly = FColumnSize->SynchNormalCellsOnly;
        const int first = normalOnly ? FixedCols() : 0;
        const int last = normalOnly ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
        for (int c = first; c <= last && c < FOrigColSizes->Count(); ++c)
            SetColWidths(c, static_cast<int>((*FOrigColSizes)[c] * ratio));
    }

    bool stretched = false;
    if (FColumnSize->Stretch && (FScrollBarAlways == saNone || FScrollBarAlways == saVert)) {
        const int stretchCol =
            FColumnSize->StretchColumn == -1 ? ColCount() - 1 : FColumnSize->StretchColumn;
        if (WidthsBesides(stretchCol) < Width()) {
            ApplyColumnStretch(FColumnSize->StretchColumn);
            stretched = true;
        }
    }
    // The framework's step lays out the bars and fires OnResize.
    TBaseGrid::HandleSize(Message);
    if (stretched && FScrollBarAlways == saNone)
        return;
    if (FScrollProportional) {
        UpdateProportionalHorzScroll();
        UpdateProportionalVertScroll();
    }
}

void TExStringGrid::SetSizeWithForm(bool Value) {
    FSizeWithForm = Value;
    if (!Value || FFollowingForm || Designing())
        return;
    auto* form = dynamic_cast<TForm*>(Owner());
    if (!form)
        return;
    FFollowingForm = true;
    PrevSizeX = form->Width();
    PrevSizeY = form->Height();
    FOnResize = form->OnResize;
    ResizeAssigned = static_cast<bool>(FOnResize);
    // The form may outlive the grid: then its own handler runs alone again.
    std::weak_ptr<bool> alive = FAliveToken;
    form->OnResize = [this, alive, previous = FOnResize](TObject* Sender) {
        if (!alive.expired())
            FollowFormSize(Sender);
        else if (previous)
            previous(Sender);
    };
}

void TExStringGrid::FollowFormSize(TObject* Sender) {
    if (Designing() || Destroying())
        return;
    if (auto* form = dynamic_cast<TForm*>(Sender); form && FSizeWithForm) {
        const int width = form->Width() + Width() - PrevSizeX;
        const int height = form->Height() + Height() - PrevSizeY;
        if (width > 0 && height > 0) {
            SetBounds(Left(), Top(), width, height);
            PrevSizeX = form->Width();
            PrevSizeY = form->Height();
        }
    }
    if (ResizeAssigned) {
        // The form's own handler must not stop the grid from following.
        try {
            FOnResize(Sender);
        } catch (...) {
        }
    }
    if (FColumnSize && FColumnSize->Stretch)
        ApplyColumnStretch(FColumnSize->StretchColumn);
}
