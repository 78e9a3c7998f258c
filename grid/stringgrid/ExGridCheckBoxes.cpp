// Check boxes in cells: adding and removing them, reading and setting their state, the user's
// toggle with its event and undo record, and the hit test of a box.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExGridUndoRedo.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/Grouping.h"
#include "platform/ui/Canvas.h"

namespace {

bool IsToggleKind(TCellType kind) {
    switch (kind) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        return true;
    default:
        return false;
    }
}

bool IsDataKind(TCellType kind) {
    return kind == ctDataCheckBox || kind == ctVirtCheckBox;
}

TCellVAlign CellVAlignOf(TVAlignment Value) {
    switch (Value) {
    case vtaCenter:
        return vaCenter;
    case vtaBottom:
        return vaBottom;
    default:
        return vaTop;
    }
}

// The user's step on a tri-state box: a node's box only checks and unchecks, any other box
// cycles unchecked, grayed, checked.
TCheckBoxState NextTriState(TCheckBoxState State, bool NodeRow) {
    if (NodeRow)
        return State == cbChecked ? cbUnchecked : cbChecked;
    switch (State) {
    case cbUnchecked:
        return cbGrayed;
    case cbGrayed:
        return cbChecked;
    default:
        return cbUnchecked;
    }
}

} // namespace

// --- helpers -----------------------------------------------------------------------------------

void TExStringGrid::RefuseInvalidCell(int ACol, int ARow) const {
    // Negative indexes are refused too: they would reach no cell of the grid. Rows are display
    // rows: the cell store holds no row past the count, whatever rows are hidden.
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount())
        throw Exception("Invalid cell");
}

TCellGraphic* TExStringGrid::CheckStateGraphic(int ACol, int ARealRow, bool& OnlyDataKinds) {
    OnlyDataKinds = false;
    if (NumHiddenRows() == 0)
        return GetCellGraphic(ACol, ARealRow);
    if (const auto* props = dynamic_cast<const TCellProperties*>(GetGridObjectsEx(ACol, ARealRow)))
        return dynamic_cast<TCellGraphic*>(props->GraphicObject());
    OnlyDataKinds = true;
    return GetCellGraphic(ACol, ARealRow);
}

bool TExStringGrid::CheckTextIsTrue(int ACol, int ARealRow) {
    std::string checkTrue;
    GetCheckTrue(ACol, ARealRow, checkTrue);
    return AllCells(ACol, ARealRow) == checkTrue;
}

void TExStringGrid::WriteCheckText(int ACol, int ARealRow, bool State) {
    std::string text;
    if (State)
        GetCheckTrue(ACol, ARealRow, text);
    else
        GetCheckFalse(ACol, ARealRow, text);
    SetAllCells(ACol, ARealRow, text);
}

template <typename Apply> void TExStringGrid::ForCheckBoxRows(int ACol, Apply apply) {
    const int first = FMouseActions->CheckAllCheck ? 0 : FixedRows();
    for (int row = first; row < RowCount(); ++row)
        apply(row);
}

// --- adding and removing -----------------------------------------------------------------------

void TExStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
    RefuseInvalidCell(ACol, ARow);
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->SetCheckBox(State, Data, true, haBeforeText, CellVAlignOf(FVAlignment));
    if (!Data)
        return;
    // A data box shows its cell text: a text that is already a state stays.
    std::string checkTrue;
    std::string checkFalse;
    GetCheckTrue(ACol, ARow, checkTrue);
    GetCheckFalse(ACol, ARow, checkFalse);
    const std::string text = GetGridCell(ACol, ARow);
    if (text != checkTrue && text != checkFalse)
        SetCells(ACol, ARow, State ? checkTrue : checkFalse);
}

void TExStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
    RefuseInvalidCell(ACol, ARow);
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetCheckBox(State, true, haBeforeText, CellVAlignOf(FVAlignment));
}

void TExStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
    ForCheckBoxRows(ACol, [&](int row) {
        if (IsSummary(row))
            return;
        if (IsNode(row))
            AddCheckBox(ACol, row, cbUnchecked);
        else
            AddCheckBox(ACol, row, DefaultState, DataCheckBox);
    });
}

void TExStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State) {
    ForCheckBoxRows(ACol, [&](int row) { AddCheckBox(ACol, row, State); });
}

void TExStringGrid::RemoveCheckBox(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || (graphic->CellType != ctCheckBox && graphic->CellType != ctDataCheckBox &&
                     graphic->CellType != ctTriStateCheckBox))
        return;
    RemoveCellGraphic(ACol, ARow); // frees an attached balloon list with the graphic
}

void TExStringGrid::RemoveCheckBoxColumn(int ACol) {
    ForCheckBoxRows(ACol, [&](int row) {
        if (HasCheckBox(ACol, row))
            RemoveCheckBox(ACol, row);
    });
}

// --- reading and setting -----------------------------------------------------------------------

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
    TCheckBoxState state = cbUnchecked;
    if (!GetCheckBoxState(ACol, ARow, state))
        return false;
    // A tri-state box reads as checked only when it is fully checked.
    State = state == cbChecked;
    return true;
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State) {
    bool onlyDataKinds = false;
    const TCellGraphic* graphic = CheckStateGraphic(ACol, ARow, onlyDataKinds);
    if (!graphic)
        return false;
    if (IsDataKind(graphic->CellType)) {
        State = BoolToCheckBoxState(CheckTextIsTrue(ACol, ARow));
        return true;
    }
    if (graphic->CellType == ctRowCheckBox && ACol == 0) {
        // The header's box stands for all rows.
        State = BoolToCheckBoxState(ARow < FixedRows() ? graphic->CellBoolean : GetRowSelect(ARow));
        return true;
    }
    if (onlyDataKinds)
        return false;
    switch (graphic->CellType) {
    case ctCheckBox:
        State = BoolToCheckBoxState(graphic->CellBoolean);
        return true;
    case ctTriStateCheckBox:
        State = graphic->CellCheckBoxState;
        return true;
    default:
        return false;
    }
}

bool TExStringGrid::IsChecked(int ACol, int ARow) {
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
    bool onlyDataKinds = false;
    TCellGraphic* graphic = CheckStateGraphic(ACol, ARow, onlyDataKinds);
    if (!graphic)
        return false;
    if (IsDataKind(graphic->CellType)) {
        WriteCheckText(ACol, ARow, State);
        return true;
    }
    if (graphic->CellType == ctRowCheckBox && ACol == 0) {
        SetRowSelect(ARow, State);
        return true;
    }
    if (onlyDataKinds || graphic->CellType != ctCheckBox)
        return false;
    graphic->CellBoolean = State;
    RepaintTypedCell(ACol, DisplRowIndex(ARow));
    return true;
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
    bool onlyDataKinds = false;
    TCellGraphic* graphic = CheckStateGraphic(ACol, ARow, onlyDataKinds);
    if (!graphic || onlyDataKinds || graphic->CellType != ctTriStateCheckBox)
        return false;
    graphic->CellCheckBoxState = State;
    RepaintTypedCell(ACol, DisplRowIndex(ARow));
    return true;
}

bool TExStringGrid::SetCheckStateNotify(int ACol, int ARow, bool State) {
    const int realRow = RealRowIndex(ARow);
    bool onlyDataKinds = false;
    TCellGraphic* graphic = CheckStateGraphic(ACol, realRow, onlyDataKinds);
    if (!graphic)
        return false;
    if (IsDataKind(graphic->CellType)) {
        const bool was = CheckTextIsTrue(ACol, realRow);
        WriteCheckText(ACol, realRow, State);
        if (was != State)
            CheckBoxChange(ACol, ARow, State);
        return true;
    }
    if (graphic->CellType == ctRowCheckBox && ACol == 0) {
        if (GetRowSelect(ARow) != State) {
            SetRowSelect(ARow, State);
            CheckBoxChange(ACol, ARow, State);
        }
        return true;
    }
    if (onlyDataKinds || graphic->CellType != ctCheckBox)
        return false;
    if (graphic->CellBoolean != State) {
        graphic->CellBoolean = State;
        CheckBoxChange(ACol, ARow, State);
        RepaintTypedCell(ACol, ARow);
    }
    return true;
}

void TExStringGrid::CheckAll(int ACol) {
    for (int row = FixedRows(); row < RowCount(); ++row)
        SetCheckStateNotify(ACol, row, true);
    if (NumHiddenColumns() > 0)
        RepaintCol(DisplColIndex(ACol));
}

void TExStringGrid::UnCheckAll(int ACol) {
    for (int row = FixedRows(); row < RowCount(); ++row)
        SetCheckStateNotify(ACol, row, false);
    if (NumHiddenColumns() > 0)
        RepaintCol(DisplColIndex(ACol));
}

// --- the user's toggle -------------------------------------------------------------------------

bool TExStringGrid::ToggleCheckBoxEx(int ACol, int ARow, bool Event) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    // A row box's state is the row selection, which its own feature toggles.
    if (!graphic || !IsToggleKind(graphic->CellType) || graphic->CellType == ctRowCheckBox)
        return false;
    if (Event && !FControlLook->CheckAlwaysActive) {
        bool allow = true;
        QueryCanEdit(ACol, ARow, allow);
        if (!allow)
            return false;
    }
    std::string checkTrue;
    std::string checkFalse;
    GetCheckTrue(ACol, ARow, checkTrue);
    GetCheckFalse(ACol, ARow, checkFalse);
    // The undo record keeps the state before and after as texts.
    std::string oldValue;
    std::string newValue;
    bool newState = false;
    switch (graphic->CellType) {
    case ctCheckBox:
        oldValue = graphic->CellBoolean ? checkTrue : checkFalse;
        graphic->CellBoolean = !graphic->CellBoolean;
        newState = graphic->CellBoolean;
        break;
    case ctTriStateCheckBox: {
        const bool nodeRow = FGrouping->AutoCheckGroup && IsNode(ARow);
        oldValue = graphic->CellCheckBoxState == cbChecked ? checkTrue : checkFalse;
        graphic->CellCheckBoxState = NextTriState(graphic->CellCheckBoxState, nodeRow);
        newState = nodeRow && graphic->CellCheckBoxState == cbChecked;
        break;
    }
    default: // the state is the cell text
        oldValue = Cells(ACol, ARow);
        newState = oldValue != checkTrue;
        SetCells(ACol, ARow, newState ? checkTrue : checkFalse);
        break;
    }
    if (graphic->CellType == ctTriStateCheckBox)
        newValue = graphic->CellCheckBoxState == cbChecked ? checkTrue : checkFalse;
    else
        newValue = newState ? checkTrue : checkFalse;
    RepaintCell(DisplColIndex(ACol), ARow);
    CheckBoxChange(ACol, ARow, newState);
    if (FGrouping->AutoCheckGroup)
        PropagateGroupCheck(ACol, ARow, newState);
    if (UndoRedo())
        UndoRedo()->RegisterChange(ACol, ARow, oldValue, newValue);
    return true;
}

// A node's box sets its rows' boxes silently; a row's box makes its node's tri-state box show
// whether the rows agree.
void TExStringGrid::PropagateGroupCheck(int ACol, int ARow, bool State) {
    if (IsNode(ARow)) {
        const int span = GetNodeSpan(ARow);
        const bool contracted = GetNodeState(ARow);
        for (int e = 1; e < span; ++e) {
            const int child = contracted ? RealRowIndex(ARow) + e : RealRowIndex(ARow + e);
            SetCheckBoxState(ACol, child, State);
        }
        return;
    }
    const int parent = GetParentRow(ARow);
    if (parent < 0)
        return;
    const int span = GetNodeSpan(parent);
    bool first = false;
    GetCheckBoxState(ACol, RealRowIndex(parent + 1), first);
    bool allSame = true;
    for (int e = 1; e < span && allSame; ++e) {
        bool state = false;
        GetCheckBoxState(ACol, RealRowIndex(parent + e), state);
        allSame = state == first;
    }
    SetCheckBoxState(ACol, RealRowIndex(parent), !allSame ? cbGrayed : BoolToCheckBoxState(first));
}

// --- hit test ----------------------------------------------------------------------------------

bool TExStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || (!IsToggleKind(graphic->CellType) && graphic->CellType != ctRadioButton))
        return false;
    if (!FMouseActions->PreciseCheckBoxCheck)
        return true;
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    const int size = FControlLook->CheckSize();
    int top = r.Top + 2;
    if (graphic->CellVAlign == vaBottom)
        top = r.Bottom - size - 2;
    else if (graphic->CellVAlign == vaCenter)
        top = r.Top + (r.Bottom - r.Top - size) / 2;
    TAlignment hAlign = Alignments(ACol, ARow);
    TVAlignment vAlign = FVAlignment;
    GetAlignment(ACol, ARow, hAlign, vAlign);
    int left = r.Left + 2;
    if (hAlign == taRightJustify) {
        left = r.Right - size - 2;
        const std::string text = GetGridCell(ACol, ARow);
        if (!text.empty() && Canvas())
            left -= Canvas()->TextWidth(text);
    } else if (hAlign == taCenter) {
        left = r.Left + (r.Right - r.Left - size) / 2;
    }
    return XPos >= left && XPos < left + size && YPos >= top && YPos < top + size;
}
