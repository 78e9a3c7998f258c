// Clicks on the controls the grid draws in cells: check boxes, radio buttons and groups,
// ratings, spin buttons, cell buttons and expand glyphs, and fixed cells that act as buttons.
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/StringList.h"
#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cmath>
#include <variant>

// A control in a cell takes clicks when it is drawn enabled: the cell may be edited.
bool TExStringGrid::CellControlEnabled(int RealCol, int ARow) {
    bool enabled = Options().Contains(goEditing);
    QueryCanEdit(RealCol, ARow, enabled);
    return enabled;
}

void TExStringGrid::PressSpinButtons(int ACol, int ARow, const TRect& CellR, int X, int Y) {
    if (!FControlLook->SpinButtonsAlwaysVisible() || !HasSpinEdit(ACol, ARow) ||
        X <= CellR.Right - 18)
        return;
    const int mid = CellR.Top + (CellR.Bottom - CellR.Top) / 2;
    if (Y > mid)
        FSpinDnClick = true;
    else
        FSpinUpClick = true;
}

bool TExStringGrid::PressOnRadioGroup(int ACol, int ARow, int RealCol, const TRect& CellR, int X,
                                      int Y) {
    if (!IsRadio(RealCol, ARow) ||
        !(CellControlEnabled(RealCol, ARow) || FControlLook->RadioAlwaysActive))
        return false;
    HideInplaceEdit();
    ToggleRadioInCell(RealCol, ARow, X - CellR.Left, Y - CellR.Top);
    if (CanFocus())
        SetFocus();
    return true;
}

void TExStringGrid::ToggleRadioInCell(int ACol, int ARow, int DX, int DY) {
    if (ACol < 0 || ARow < 0 || ARow >= RowCount())
        return;
    TCanvas* canvas = Canvas();
    // The items are measured in the cell's own font.
    GetCellColor(ACol, ARow, TGridDrawState{}, canvas->Brush(), canvas->Font());
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic || graphic->CellType != ctRadio)
        return;
    const int displCol = RealToDisplCol(base.X);
    if (displCol >= FixedCols() && base.Y >= FixedRows())
        FocusCell(displCol, base.Y, true);
    const TGridControlStyle style = FControlLook->ControlStyle();
    const int checkSize = style == csClassic || style == csFlat ? FControlLook->RadioSize() : 16;
    const TStringList* items = graphic->CellStrings;
    if (!items)
        return;
    const bool horizontal = graphic->CellBoolean;
    const int offset = horizontal ? DX : DY;
    const int itemHeight = std::max(checkSize, canvas->TextHeight("gh"));
    int start = 0;
    int hit = -1;
    for (int k = 0; k < items->Count() && hit < 0; ++k) {
        const int end =
            start + (horizontal ? canvas->TextWidth((*items)[k]) + checkSize : itemHeight);
        // A press exactly on the boundary of two items hits neither.
        if (offset > start && offset < end)
            hit = k;
        start = end;
    }
    if (hit < 0)
        return;
    if (graphic->CellIndex == -1)
        SetCells(base.X, base.Y, (*items)[hit]);
    else
        graphic->CellIndex = hit;
    // Written back unchanged so that the cell-change notification runs.
    SetCells(base.X, base.Y, Cells(base.X, base.Y));
    SetRadioIdx(base.X, base.Y, hit);
    FireEvent(OnRadioClick, this, displCol, base.Y, hit);
}

bool TExStringGrid::PressOnRating(int ACol, int ARow, int RealCol, const TRect& CellR, int X) {
    if (!HasRating(RealCol, ARow) || !CellControlEnabled(RealCol, ARow))
        return false;
    HideInplaceEdit();
    // A rating is set in half steps, each 9 pixels wide.
    const int halves = std::max(0, (X - CellR.Left) / 9);
    double value = halves / 2.0;
    if (RatingChange(RealCol, ARow, value)) {
        SetFloats(RealCol, ARow, value);
        RepaintCell(ACol, ARow);
    }
    return true;
}

bool TExStringGrid::PressOnButtonOrExpand(int ACol, int ARow, int RealCol, int X, int Y) {
    const bool button = HasButton(RealCol, ARow);
    const bool expand = !button && HasExpand(RealCol, ARow);
    if (!button && !expand)
        return false;
    HideInplaceEdit();
    if (ACol >= FixedCols() && ARow >= FixedRows()) {
        FForceSel = true;
        try {
            CanSelectCell(ACol, ARow);
        } catch (...) {
            FForceSel = false;
            throw;
        }
        FForceSel = false;
    }
    const TRect hitRect = button ? GetCellButtonRect(ACol, ARow) : GetExpandGlyphRect(ACol, ARow);
    if (!hitRect.Contains(TPoint{X, Y}))
        return false;
    if (button)
        PushButton(ACol, ARow, true);
    FPushedCellButton = TPoint{ACol, ARow};
    SetMouseCapture(true);
    FireEvent(OnClickCell, this, ARow, ACol);
    return true;
}

// A pushed button always comes up again; it clicks only when released over itself, and a cell
// button only while it is drawn enabled (which the control look may force).
void TExStringGrid::ReleasePushedButton(int X, int Y) {
    if (FPushedCellButton.X < 0 || FPushedCellButton.Y < 0)
        return;
    const TPoint pushed = FPushedCellButton;
    FPushedCellButton = TPoint{-1, -1};
    SetMouseCapture(false);
    if (!IsNode(pushed.Y))
        PushButton(pushed.X, pushed.Y, false);
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0)
        return;
    const TPoint base = BaseCell(ACol, ARow);
    if (base.X != pushed.X || base.Y != pushed.Y)
        return;
    const bool pushedFixed = pushed.X < FixedCols() || pushed.Y < FixedRows();
    const int realCol = DisplToRealCol(base.X);
    const TPoint at{X, Y};
    if (pushedFixed && !HasButton(realCol, base.Y) && !HasExpand(realCol, base.Y)) {
        ButtonClick(pushed.X, pushed.Y);
        return;
    }
    // A button drawn enabled regardless of the cell's editing clicks as it looks.
    if (!pushedFixed && !FControlLook->NoDisabledButtonLook() &&
        !CellControlEnabled(realCol, base.Y))
        return;
    if (HasButton(realCol, base.Y) && GetCellButtonRect(base.X, base.Y).Contains(at))
        ButtonClick(pushed.X, pushed.Y);
    if (HasExpand(realCol, base.Y) && GetExpandGlyphRect(base.X, base.Y).Contains(at))
        ExpandClick(pushed.X, pushed.Y, ToggleExpand(realCol, base.Y));
}

void TExStringGrid::HoverButtons(int ACol, int ARow, int X, int Y) {
    bool over = false;
    if (ACol >= 0 && ARow >= 0) {
        const int realCol = DisplToRealCol(ACol);
        const TPoint at{X, Y};
        over = (HasButton(realCol, ARow) && GetCellButtonRect(ACol, ARow).Contains(at)) ||
               (HasExpand(realCol, ARow) && GetExpandGlyphRect(ACol, ARow).Contains(at));
    }
    const TPoint old = FHoverButton;
    if (over && (old.X != ACol || old.Y != ARow)) {
        if (old.X >= 0 && old.Y >= 0)
            RepaintCell(old.X, old.Y);
        FHoverButton = TPoint{ACol, ARow};
        RepaintCell(ACol, ARow);
    } else if (!over && old.X >= 0 && old.Y >= 0) {
        FHoverButton = TPoint{-1, -1};
        RepaintCell(old.X, old.Y);
    }
}

bool TExStringGrid::PressOnCheckBox(int ACol, int ARow, int RealCol, bool CanEdit,
                                    TShiftState Shift, int X, int Y) {
    if (ACol >= ColCount() || ARow >= RowCount())
        return false;
    if (!CanEdit && !FControlLook->CheckAlwaysActive &&
        !(ACol == 0 && FMouseActions->HotmailRowSelect()))
        return false;
    const bool radio = HasRadioButton(RealCol, ARow);
    if ((!radio && !HasCheckBox(RealCol, ARow)) || !IsInCheckBox(RealCol, ARow, X, Y))
        return false;
    HideInplaceEdit();
    if (CanFocus())
        SetFocus();
    const int realRow = RealRowIndex(ARow);
    if (radio) {
        ClickRadioButton(RealCol, ARow, true);
        FireEvent(OnRadioButtonClick, this, RealCol, ARow);
    } else {
        ToggleCheckBoxEx(RealCol, ARow, true);
    }
    const bool rowBox = ACol == 0 && FMouseActions->HotmailRowSelect();
    if (rowBox)
        PressRowCheckBox(ARow);
    bool state = false;
    GetCheckBoxState(RealCol, realRow, state);
    if (!FNavigation->AlwaysEdit && ACol >= FixedCols() && ARow >= FixedRows())
        FocusCell(ACol, ARow, true);
    CheckBoxClick(ACol, ARow, state);
    if (HideFocusRect)
        RepaintCell(ACol, ARow);
    if (ARow < FixedRows() && FMouseActions->CheckAllCheck && !radio && !rowBox) {
        for (int row = FixedRows(); row < RowCount(); ++row)
            SetCheckBoxState(RealCol, row, state);
        Invalidate();
    }
    FireEvent(OnMouseDown, this, mbLeft, Shift, X, Y);
    return true;
}

void TExStringGrid::ReleaseCellControls(int ACol, int ARow) {
    const int realCol = DisplToRealCol(ACol);
    bool state = false;
    if (HasCheckBox(realCol, ARow) && GetCheckBoxState(realCol, RealRowIndex(ARow), state))
        FireEvent(OnCheckBoxMouseUp, this, realCol, ARow, state);
    int index = -1;
    if (IsRadio(realCol, ARow) && GetRadioIdx(realCol, ARow, index))
        FireEvent(OnRadioMouseUp, this, realCol, ARow, index);
}

// Fixed cells that act as buttons are drawn pressed between the press and the release.
void TExStringGrid::PressFixedCellLook(const TRect& CellR, int ACol, int ARow) {
    FPushedFixedCell = CellR;
    FPushedCellButton = TPoint{ACol, ARow};
    FFixedCellPushed = true;
    RepaintCell(ACol, ARow);
}

void TExStringGrid::ReleaseFixedCellLook() {
    if (!FFixedCellPushed)
        return;
    FFixedCellPushed = false;
    InvalidateRect(FPushedFixedCell);
}

// The node glyph of a header row stands for every node: a press expands them all or contracts
// them all, and the glyph shows which the next press does. The press goes on as any other.
void TExStringGrid::PressOnHeaderNodeGlyph(int ACol, int ARow, int X) {
    if (ACol != 0 || ARow >= FixedRows() || !IsNode(ARow) || !IsOnNodeGlyph(ARow, X) ||
        !FMouseActions->NodeAllExpandContract)
        return;
    TCellGraphic* glyph = NodeGraphic(ARow);
    if (glyph == nullptr)
        return;
    const bool contracted = glyph->CellBoolean;
    if (contracted)
        ExpandAll();
    else
        ContractAll();
    glyph->CellBoolean = !contracted;
    RepaintCell(0, ARow);
}

// A press on the glyph of a node row expands or contracts the node, as the events allow.
bool TExStringGrid::PressOnNodeGlyph(int ACol, int ARow, int X, int Y, TShiftState Shift1) {
    if (ACol != 0 || ARow < FixedRows() || !IsNode(ARow) || !IsOnNodeGlyph(ARow, X))
        return false;
    FireEvent(OnMouseDown, this, mbLeft, Shift1, X, Y);
    FireEvent(OnClickCell, this, ARow, 0);
    const int realRow = DisplToRealRow(ARow);
    bool allow = true;
    if (GetNodeState(ARow)) {
        FireEvent(OnBeforeExpandNode, this, ARow, realRow, allow);
        if (allow) {
            ExpandNode(realRow);
            FireEvent(OnExpandNode, this, ARow, realRow);
        }
    } else {
        FireEvent(OnBeforeContractNode, this, ARow, realRow, allow);
        if (allow) {
            ContractNode(realRow);
            FireEvent(OnContractNode, this, ARow, realRow);
        }
    }
    if (FMouseActions->MoveRowOnNodeClick && ARow < RowCount())
        SetRow(ARow);
    return true;
}
