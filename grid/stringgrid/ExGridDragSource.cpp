// Dragging cells and columns out of the grid: the press that may start a drag, the move that
// starts it, the drag itself with its image, and what a move takes away afterwards.
#include "grid/foundation/BeginDragDrop.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/DragDropSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HeaderDragButton.h"
#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Form.h"
#include "platform/ui/Keys.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

constexpr TDropEffect CopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

// The parts of Rect outside Cut, as at most four rectangles (bands above and below, pieces left
// and right beside it).
std::vector<TGridRect> RectMinus(const TGridRect& Rect, const TGridRect& Cut) {
    const bool overlaps = Cut.Left <= Rect.Right && Cut.Right >= Rect.Left &&
                          Cut.Top <= Rect.Bottom && Cut.Bottom >= Rect.Top;
    if (!overlaps)
        return {Rect};
    std::vector<TGridRect> parts;
    if (Cut.Top > Rect.Top)
        parts.push_back({Rect.Left, Rect.Top, Rect.Right, Cut.Top - 1});
    if (Cut.Bottom < Rect.Bottom)
        parts.push_back({Rect.Left, Cut.Bottom + 1, Rect.Right, Rect.Bottom});
    const int top = std::max(Rect.Top, Cut.Top);
    const int bottom = std::min(Rect.Bottom, Cut.Bottom);
    if (Cut.Left > Rect.Left)
        parts.push_back({Rect.Left, top, Cut.Left - 1, bottom});
    if (Cut.Right < Rect.Right)
        parts.push_back({Cut.Right + 1, top, Rect.Right, bottom});
    return parts;
}

} // namespace

// The grid's side of a drag it started: the drag image follows the mouse and goes with the drag.
class TGridDropSource : public TESGDropSource {
public:
    explicit TGridDropSource(TExStringGrid* Grid) : FGrid(Grid) {}
    TDropEffect LastEffect() const { return FLastEffect; }

protected:
    void DragDropEnded() override {
        TESGDropSource::DragDropEnded();
        if (FGrid->DragDropSettings()->ShowCells && FGrid->MoveForm) {
            delete FGrid->MoveForm;
            FGrid->MoveForm = nullptr;
        }
    }
    void CurrentEffect(TDropEffect dwEffect) override {
        if (dwEffect == DROPEFFECT_COPY || dwEffect == DROPEFFECT_MOVE)
            FLastEffect = dwEffect;
    }
    void QueryDrag() override {
        const TPoint cursor = GetCursorPos();
        if (FGrid->DragDropSettings()->ShowCells && FGrid->MoveForm) {
            FGrid->MoveForm->SetBounds(cursor.X + 4, cursor.Y + 4, FGrid->MoveForm->Width(),
                                       FGrid->MoveForm->Height());
        } else if (!FGrid->DragDropSettings()->ShowCells && FGrid->MoveButton &&
                   FGrid->MoveButton->Visible()) {
            // Its left edge at the cursor, its bottom at the cursor.
            THeaderDragButton* button = FGrid->MoveButton;
            button->SetBounds(cursor.X, cursor.Y - button->Height(), button->Width(),
                              button->Height());
        }
    }

private:
    TExStringGrid* FGrid;
    TDropEffect FLastEffect = DROPEFFECT_NONE;
};

bool TExStringGrid::PressDragCandidate(int ACol, int ARow, int RealCol, const TRect& CellR,
                                       TShiftState Shift1, int X, int Y) {
    const bool onSelection = IsSelected(ACol, ARow) || (ARow < FixedRows() && !EnhRowColMove);
    if (!onSelection || Options().Contains(goEditing) || HasButton(RealCol, ARow) ||
        HasCheckBox(RealCol, ARow) || !FDragDropSettings->OleDropSource)
        return false;
    // A header press of a column or select-all gesture goes on as one.
    if ((FMouseActions->ColSelect || FMouseActions->AllSelect) && ARow < FixedRows())
        return false;
    const bool clearOfBorders = X - CellR.Left > 3 && CellR.Right - X > 3;
    if (ACol < FixedCols() || (!clearOfBorders && Options().Contains(goColSizing)))
        return false;
    if (CanFocus())
        SetFocus();
    FireEvent(OnMouseDown, this, mbLeft, Shift1, X, Y);
    // The selection stays as it is, so that a following move can drag it.
    FSelectionClick = true;
    FireEvent(OnClickCell, this, ARow, ACol);
    return true;
}

bool TExStringGrid::ReleaseDragCandidate(TShiftState Shift, int ACol, int ARow, int X, int Y) {
    if (!FSelectionClick)
        return false;
    FSelectionClick = false;
    if (ARow < FixedRows() || ACol < FixedCols() || ACol >= ColCount() || ARow >= RowCount())
        return false;
    const bool disjunctRows =
        FMouseActions->DisjunctRowSelect() && FDragDropSettings->OleDropSource;
    const bool ctrl = Shift.Contains(ssCtrl);
    if (disjunctRows && (ctrl || FMouseActions->DisjunctRowSelectNoCtrl)) {
        SetRowSelect(ARow, !GetRowSelect(ARow));
        FireEvent(OnMouseUp, this, mbLeft, TShiftState{ssCtrl}, X, Y);
        return true;
    }
    if (disjunctRows)
        ClearRowSelect();
    if (Options().Contains(goRowSelect))
        SetSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow});
    else
        SetSelection(TGridRect{ACol, ARow, ACol, ARow});
    return false;
}

bool TExStringGrid::StartOleDrag(int ACol, int ARow, int X, int Y) {
    if (!FSelectionClick || ACol < 0 || ARow < 0 || !(GetKeyState(VK_LBUTTON) & 0x8000) ||
        (std::abs(X - Clickposx) <= 3 && std::abs(Y - Clickposy) <= 3) ||
        !FDragDropSettings->OleDropSource || GridState() == gsColSizing ||
        IsOnSelectionResizer(X, Y))
        return false;
    FSelectionClick = false;
    const TDragDropSettings& settings = *FDragDropSettings;
    const int realCol = DisplToRealCol(ACol);
    bool allow = true;
    if (settings.OleColumnsOnly && ARow >= FixedRows())
        allow = false;
    else
        FireEvent(OnOleDrag, this, ARow, realCol, Cells(realCol, ARow), allow);
    if (!allow) {
        // The gesture becomes a range selection.
        if (GridState() == gsNormal)
            SetGridState(gsSelecting);
        return false;
    }
    TGridDropSource source(this);
    FireEvent(OnOleDragStart, this, ARow, realCol);
    const TPoint screen = ClientToScreen(TPoint{X, Y});
    StartBlockFocus();
    const bool columnDrag = ARow < FixedRows() && realCol >= 0 && settings.OleColumnDragDrop;
    if (settings.ShowCells && !MoveForm) {
        TGridRect image{ACol, 0, ACol, std::min(VisibleRowCount(), RowCount() - 1)};
        if (!columnDrag) {
            const TGridRect sel = Selection();
            image = {std::max(sel.Left, LeftCol()), std::max(sel.Top, TopRow()),
                     std::min(sel.Right, LeftCol() + VisibleColCount() - 1),
                     std::min(sel.Bottom, TopRow() + VisibleRowCount() - 1)};
        }
        SetShowSelection(false);
        MoveForm = SelectionToForm(image);
        SetShowSelection(true);
        MoveForm->SetBounds(screen.X, screen.Y, MoveForm->Width(), MoveForm->Height());
        MoveForm->Show();
    }
    FOleDragging = true;
    FOwnDropDone = false;
    try {
        if (columnDrag)
            RunColumnDrag(source, realCol, screen);
        else
            RunCellDrag(source, ACol, ARow);
    } catch (...) {
        FOleDragging = false;
        delete MoveForm;
        MoveForm = nullptr;
        throw;
    }
    FOleDragging = false;
    // A drag the platform ended without telling the source leaves no image behind.
    delete MoveForm;
    MoveForm = nullptr;
    return true;
}

void TExStringGrid::RunColumnDrag(TGridDropSource& Source, int RealCol, TPoint Screen) {
    if (!FDragDropSettings->ShowCells) {
        if (!MoveButton)
            MoveButton = new THeaderDragButton(this, this);
        const int displ = DisplColIndex(RealCol);
        MoveButton->SetCaption(Cells(RealCol, 0));
        MoveButton->SetBounds(Screen.X, Screen.Y, ColWidths(displ), RowHeights(0));
        MoveButton->Show();
    }
    TDropEffect effect = DROPEFFECT_NONE;
    if (BeginColumnDragDrop(Source, RealCol, CopyOrMove, effect) != DRAGDROP_S_CANCEL)
        FireEvent(OnOleDragStop, this, static_cast<int>(effect));
    HideDropArrows();
    if (MoveButton)
        MoveButton->Hide();
}

void TExStringGrid::RunCellDrag(TGridDropSource& Source, int ACol, int ARow) {
    FDropSelection = Selection();
    std::optional<std::string> cells;
    if (FNavigation->AllowFmtClipboard)
        cells = CellStreamOfRange(FDropSelection);
    // Disjunct rows drag every selected row, as they copy.
    const std::string text =
        FMouseActions->DisjunctRowSelect()
            ? BuildSelectionText(
                  TGridRect{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1}, true)
            : GetSelectionAsText();
    TDropEffect effect = DROPEFFECT_NONE;
    const HRESULT result = BeginTextDragDrop(Source, text, Cells(DisplToRealCol(ACol), ARow),
                                             effect, CopyOrMove, cells ? &*cells : nullptr);
    if (result == DRAGDROP_S_CANCEL)
        return;
    if (!FDragDropSettings->OleCopyAlways && effect == DROPEFFECT_MOVE)
        RemoveMovedCells();
    FireEvent(OnOleDragStop, this, static_cast<int>(effect));
}

void TExStringGrid::NoteOwnDrop(const TGridRect& Dropped) {
    if (!FOleDragging)
        return;
    FOwnDropDone = true;
    FOwnDropRect = Dropped;
}

void TExStringGrid::RemoveMovedCells() {
    const TGridRect from = FDropSelection;
    const bool disjunctRows = FMouseActions->DisjunctRowSelect();
    // Cells dropped back onto this grid are the moved ones now: they stay.
    const TGridRect kept = FOwnDropDone ? FOwnDropRect : TGridRect{-1, -1, -2, -2};
    if (FDragDropSettings->OleRemoveRows && Options().Contains(goRowSelect)) {
        if (disjunctRows) {
            RemoveSelectedRows();
            return;
        }
        const TGridRect rows{0, from.Top, 0, from.Bottom};
        std::vector<TGridRect> parts = RectMinus(rows, TGridRect{0, kept.Top, 0, kept.Bottom});
        // Bottom up, so the rows above keep their numbers.
        std::sort(parts.begin(), parts.end(),
                  [](const TGridRect& a, const TGridRect& b) { return a.Top > b.Top; });
        for (const TGridRect& part : parts)
            RemoveRowRange(part.Top, part.Bottom - part.Top + 1);
        return;
    }
    if (disjunctRows) {
        ClearSelection();
        return;
    }
    for (const TGridRect& part : RectMinus(from, kept))
        ClearRect(part.Left, part.Top, part.Right, part.Bottom);
}
