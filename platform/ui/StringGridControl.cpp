#include "platform/ui/StringGridControl.h"

#include "platform/core/Exception.h"
#include "platform/ui/InplaceEdit.h"
#include "platform/ui/StringGridControlScrollBars.h"

#include <algorithm>

namespace {
void CheckGridIndex(int index, int count) {
    if (index < 0 || index >= count)
        throw Exception("Grid index out of range");
}
} // namespace

TStringGrid::TStringGrid(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
    SetTabStop(true);
    SetColor(clWindow);
    FCols.SetCount(5);
    FRows.SetCount(5);
    FScrollBarsImpl = std::make_unique<TGridScrollBars>(
        this, [this](int Bar, int Position) { HandleScroll(Bar, Position); });
    SetBounds(0, 0, 320, 120);
}

TStringGrid::~TStringGrid() {
    // The editor is owned (and freed) as a component; it must not reach back into this grid.
    if (FInplaceEdit)
        FInplaceEdit->FGrid = nullptr;
}

// --- cells -------------------------------------------------------------------------------------

std::string TStringGrid::Cells(int ACol, int ARow) const {
    return std::string(FCells.Text(ACol, ARow));
}

void TStringGrid::SetCells(int ACol, int ARow, std::string_view Value) {
    FCells.SetText(ACol, ARow, Value);
    InvalidateCell(ACol, ARow);
    if (FEditorMode && ACol == FEditCell.X && ARow == FEditCell.Y && !FUpdatingEditor) {
        FEditCell = {-1, -1}; // the editor shows the new text
        UpdateEditor();
    }
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) {
    FCells.SetObject(ACol, ARow, Value);
}

void TStringGrid::ForEachObject(
    const std::function<void(int ACol, int ARow, TObject* Object)>& visit) const {
    FCells.ForEachObject(
        [&](int col, int row, void* object) { visit(col, row, static_cast<TObject*>(object)); });
}

// --- counts and sizes --------------------------------------------------------------------------

void TStringGrid::SetColCount(int Value) {
    ChangeCounts(Value, RowCount());
}

void TStringGrid::SetRowCount(int Value) {
    ChangeCounts(ColCount(), Value);
}

void TStringGrid::ChangeCounts(int NewColCount, int NewRowCount) {
    NewColCount = std::max(1, NewColCount);
    NewRowCount = std::max(1, NewRowCount);
    const int oldCols = ColCount();
    const int oldRows = RowCount();
    if (NewColCount == oldCols && NewRowCount == oldRows)
        return;
    if (NewRowCount < oldRows) {
        // Rows past the new count are dropped, so rows added later start empty. Columns past
        // the count keep their cells: hidden columns live there.
        DroppingCells(
            TGridRect{0, NewRowCount, TGridCellStore::MaxCols - 1, TGridCellStore::MaxRows - 1});
        FCells.DeleteRows(NewRowCount, FCells.RowExtent() - NewRowCount);
    }
    FCols.SetCount(NewColCount);
    FRows.SetCount(NewRowCount);
    FFixedCols = std::min(FFixedCols, NewColCount - 1);
    FFixedRows = std::min(FFixedRows, NewRowCount - 1);
    auto clampCoord = [&](TGridCoord& c) {
        c.X = std::min(c.X, NewColCount - 1);
        c.Y = std::min(c.Y, NewRowCount - 1);
    };
    if (FCurrent.X >= NewColCount || FCurrent.Y >= NewRowCount)
        HideEditor(); // its cell is gone
    clampCoord(FCurrent);
    clampCoord(FAnchor);
    ClampTopLeft();
    SizeChanged(oldCols, oldRows);
    UpdateScrollBars();
    Invalidate();
}

void TStringGrid::SetFixedCols(int Value) {
    SetFixedCount(Value, ColCount(), FFixedCols, &TGridCoord::X, "column");
}

void TStringGrid::SetFixedRows(int Value) {
    SetFixedCount(Value, RowCount(), FFixedRows, &TGridCoord::Y, "row");
}

// One axis of the fixed area: the current cell, the anchor and the view start after it.
void TStringGrid::SetFixedCount(int Value, int Count, int& Fixed, int TGridCoord::*Axis,
                                const char* Name) {
    const std::string name = Name;
    if (Value < 0)
        throw Exception("Fixed " + name + " count must be zero or more");
    if (Value >= Count)
        throw Exception("Fixed " + name + " count must be less than " + name + " count");
    Fixed = Value;
    FCurrent.*Axis = std::max(FCurrent.*Axis, Value);
    FAnchor.*Axis = std::max(FAnchor.*Axis, Value);
    FTopLeft.*Axis = Value;
    ClampTopLeft();
    UpdateScrollBars();
    Invalidate();
}

void TStringGrid::SetColWidths(int ACol, int Value) {
    CheckGridIndex(ACol, ColCount());
    SetAxisSize(FCols, ACol, Value, &TStringGrid::ColWidthsChanged);
}

void TStringGrid::SetRowHeights(int ARow, int Value) {
    CheckGridIndex(ARow, RowCount());
    SetAxisSize(FRows, ARow, Value, &TStringGrid::RowHeightsChanged);
}

void TStringGrid::SetDefaultColWidth(int Value) {
    SetAxisSize(FCols, -1, Value, &TStringGrid::ColWidthsChanged);
}

void TStringGrid::SetDefaultRowHeight(int Value) {
    SetAxisSize(FRows, -1, Value, &TStringGrid::RowHeightsChanged);
}

// Sets one size (index -1: the default size of all) and tells the grid what follows from it.
void TStringGrid::SetAxisSize(TGridAxis& Axis, int Index, int Value,
                              void (TStringGrid::*Changed)()) {
    if (Index < 0)
        Axis.SetDefaultSize(Value);
    else if (Axis.Size(Index) == std::max(0, Value))
        return;
    else
        Axis.SetSize(Index, Value);
    ClampTopLeft();
    (this->*Changed)();
    UpdateScrollBars();
    UpdateEditor();
    Invalidate();
}

// A border being dragged shows its size at once; what follows a size change waits for the
// release, as the grid's descendants expect one change per sizing.
void TStringGrid::ShowSizingSize(int Value) {
    TGridAxis& axis = FGridState == gsColSizing ? FCols : FRows;
    if (FSizingIndex < 0 || FSizingIndex >= axis.Count() ||
        axis.Size(FSizingIndex) == std::max(0, Value))
        return;
    axis.SetSize(FSizingIndex, Value);
    ClampTopLeft();
    UpdateScrollBars();
    UpdateEditor();
    Invalidate();
}

void TStringGrid::EndSizing() {
    const bool columns = FGridState == gsColSizing;
    TGridAxis& axis = columns ? FCols : FRows;
    if (FSizingIndex < 0 || FSizingIndex >= axis.Count() ||
        axis.Size(FSizingIndex) == FSizingStartSize)
        return;
    ClampTopLeft();
    if (columns)
        ColWidthsChanged();
    else
        RowHeightsChanged();
    UpdateScrollBars();
    UpdateEditor();
    Invalidate();
}

void TStringGrid::CancelSizing() {
    if (FGridState == gsColSizing || FGridState == gsRowSizing)
        ShowSizingSize(FSizingStartSize);
    FGridState = gsNormal;
    FSizingIndex = -1;
}

void TStringGrid::SetGridLineWidth(int Value) {
    FGridLineWidth = std::max(0, Value);
    ClampTopLeft();
    UpdateScrollBars();
    Invalidate();
}

void TStringGrid::SetOptions(TGridOptions Value) {
    if (Value == FOptions)
        return;
    FOptions = Value;
    if (FOptions.Contains(goRowSelect))
        FOptions >> goAlwaysShowEditor;
    if (!FOptions.Contains(goEditing))
        HideEditor();
    FScrollBarsImpl->SetThumbTracking(FOptions.Contains(goThumbTracking));
    if (FOptions.Contains(goAlwaysShowEditor) && Focused())
        ShowEditor();
    Invalidate();
}

void TStringGrid::SetFixedColor(TColor Value) {
    FFixedColor = Value;
    Invalidate();
}

void TStringGrid::SetDefaultDrawing(bool Value) {
    FDefaultDrawing = Value;
    Invalidate();
}

void TStringGrid::SetScrollBars(TScrollStyle Value) {
    FScrollBars = Value;
    UpdateScrollBars();
}

void TStringGrid::SetBiDiMode(TBiDiMode Value) {
    if (Value == FBiDiMode)
        return;
    FBiDiMode = Value;
    SetMirroredLayout(this, UseRightToLeftAlignment());
    UpdateScrollBars();
    if (FEditorMode)
        UpdateEditor();
    Invalidate();
    BiDiModeChanged();
}

// --- current cell and selection ---------------------------------------------------------------

void TStringGrid::SetCol(int Value) {
    FocusCell(Value, FCurrent.Y, true);
}

void TStringGrid::SetRow(int Value) {
    FocusCell(FCurrent.X, Value, true);
}

void TStringGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
    CheckGridIndex(ACol, ColCount());
    CheckGridIndex(ARow, RowCount());
    if (ACol == FCurrent.X && ARow == FCurrent.Y && (!MoveAnchor || FAnchor == FCurrent))
        return;
    if (!CanSelectCell(ACol, ARow))
        return;
    MoveCurrent(ACol, ARow, MoveAnchor, true);
}

void TStringGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return;
    const bool moved = ACol != FCurrent.X || ARow != FCurrent.Y;
    if (moved)
        CommitEditor();
    const TGridRect oldSelection = Selection();
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !FOptions.Contains(goRangeSelect))
        FAnchor = FCurrent;
    InvalidateSelection(oldSelection);
    InvalidateSelection(Selection());
    if (Show)
        ClampInView(FCurrent);
    if (moved)
        UpdateEditor();
}

TGridRect TStringGrid::Selection() const {
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y),
                std::max(FAnchor.X, FCurrent.X), std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions.Contains(goRowSelect)) {
        r.Left = FFixedCols;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TStringGrid::SetSelection(const TGridRect& Value) {
    const TGridRect oldSelection = Selection();
    auto clampCol = [&](int c) { return std::clamp(c, 0, ColCount() - 1); };
    auto clampRow = [&](int r) { return std::clamp(r, 0, RowCount() - 1); };
    const TGridCoord current{clampCol(Value.Left), clampRow(Value.Top)};
    if (current.X != FCurrent.X || current.Y != FCurrent.Y)
        CommitEditor();
    FCurrent = current;
    FAnchor = {clampCol(Value.Right), clampRow(Value.Bottom)};
    InvalidateSelection(oldSelection);
    InvalidateSelection(Selection());
    ClampInView(FCurrent);
    UpdateEditor();
}

void TStringGrid::SetSelectionShown(bool Value) {
    if (FSelectionShown == Value)
        return;
    FSelectionShown = Value;
    InvalidateSelection(Selection());
}

// --- structure ---------------------------------------------------------------------------------

void TStringGrid::MoveColumn(int FromIndex, int ToIndex) {
    CheckGridIndex(FromIndex, ColCount());
    CheckGridIndex(ToIndex, ColCount());
    if (FromIndex == ToIndex)
        return;
    HideEditor();
    FCells.MoveCol(FromIndex, ToIndex);
    FCols.Move(FromIndex, ToIndex);
    ViewChanged();
    ColumnMoved(FromIndex, ToIndex);
    Invalidate();
}

void TStringGrid::MoveRow(int FromIndex, int ToIndex) {
    CheckGridIndex(FromIndex, RowCount());
    CheckGridIndex(ToIndex, RowCount());
    if (FromIndex == ToIndex)
        return;
    HideEditor();
    FCells.MoveRow(FromIndex, ToIndex);
    FRows.Move(FromIndex, ToIndex);
    ViewChanged();
    RowMoved(FromIndex, ToIndex);
    Invalidate();
}

void TStringGrid::DeleteColumn(int ACol) {
    CheckGridIndex(ACol, ColCount());
    HideEditor();
    // The column moves to the end first, so sizes and cells leave together; its cell slots go
    // too, so that columns past the count (hidden ones) stay right after the last column.
    const int last = ColCount() - 1;
    MoveColumn(ACol, last);
    DroppingCells(TGridRect{last, 0, last, TGridCellStore::MaxRows - 1});
    FCells.DeleteCols(last, 1);
    SetColCount(last);
}

void TStringGrid::DeleteRow(int ARow) {
    CheckGridIndex(ARow, RowCount());
    HideEditor();
    MoveRow(ARow, RowCount() - 1);
    SetRowCount(RowCount() - 1); // drops the row moved to the end
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    if (OnColumnMoved)
        OnColumnMoved(this, FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
}

// --- hooks -------------------------------------------------------------------------------------

bool TStringGrid::CanSelectCell(int ACol, int ARow) {
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

std::string TStringGrid::GetEditorText(int ACol, int ARow) {
    std::string value = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditorText(int ACol, int ARow, const std::string& Value) {
    SetCells(ACol, ARow, Value);
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
}

void TStringGrid::HandleTopLeftChange() {
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}
