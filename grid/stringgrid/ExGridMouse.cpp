// The mouse front end: how the platform's button messages reach the grid's handlers, and the
// left-button press.
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Menus.h"

namespace {

// The one modifier a press reports to OnMouseDown: Alt before Shift before Ctrl.
TShiftState SingleModifier(TShiftState Shift) {
    for (TShiftStateElement key : {ssAlt, ssShift, ssCtrl})
        if (Shift.Contains(key))
            return TShiftState{key};
    return {};
}

} // namespace

// --- the platform's handlers -------------------------------------------------------------------

void TExStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    NoteFilterListAtPress();
    const bool doubled = Shift.Contains(ssDouble);
    if (Button == mbLeft && doubled)
        HandleDoubleClick(Shift, X, Y);
    else if (Button == mbLeft)
        HandleLeftButtonDown(Shift, X, Y);
    else if (Button == mbRight && !doubled)
        HandleRightButtonDown(Shift, X, Y);
    else
        HandleMouseDown(Button, Shift, X, Y);
    FFilterColClosedByFocus = -1;
}

void TExStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft)
        HandleLeftButtonUp(Shift, X, Y);
    else
        HandleMouseUp(Button, Shift, X, Y);
}

void TExStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    // A list that lost the focus some other way is no list open at the next press.
    FFilterColClosedByFocus = -1;
    HandleMouseMove(Shift, X, Y);
}

void TExStringGrid::MouseLeave() {
    HandleMouseLeave();
}

// The platform announces a double click before the press that carries it; the double-click
// handler fires it at the point its order asks for.
void TExStringGrid::DblClick() {
    FDblClickHeldBack = true;
}

void TExStringGrid::Click() {
    if (FMouseDownMove) {
        FClickHeldBack = true;
        return;
    }
    ClickCell();
}

// --- left-button press -------------------------------------------------------------------------

void TExStringGrid::HandleLeftButtonDown(TShiftState Shift, int X, int Y) {
    FDoOnClick = true;
    FMouseDownMove = true;
    FMouseKeepDown = true;
    FClickHeldBack = false;
    FFrameworkPressed = false;
    FSpinUpClick = false;
    FSpinDnClick = false;
    FMovedByDrag = false;
    bool startRange = false;
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const TGridRect sel0 = Selection();
    if (IsOnSelectionResizer(X, Y)) {
        PressSelectionResizer();
        return;
    }

    if (Options().Contains(goEditing) && FMouseActions->RangeSelectAndEdit &&
        !(ACol >= sel0.Left && ACol < sel0.Right && ARow >= sel0.Top && ARow < sel0.Bottom))
        SetOptions(Options() >> goEditing);

    bool allow = true;
    FireEvent(OnCanClickCell, this, ARow, ACol, allow);
    if (!allow) {
        FDoOnClick = false; // a refused press is no click
        return;
    }
    const int ACol0 = ACol;
    const int ARow0 = ARow;
    if (FCellSelectorMode) {
        CellSelectorClick(ACol, ARow);
        return;
    }
    const TShiftState shift1 = SingleModifier(Shift);
    DisjunctCellPress(ACol, ARow, Shift);

    FMoveColInd = -1;
    FMoveRowInd = -1;
    FSelectionClick = false;
    FPushedCellButton = TPoint{-1, -1};
    const int leftCol0 = LeftCol();
    const int topRow0 = TopRow();
    FOldTopRow = TopRow();
    FOldKeepLeftCol = LeftCol();

    // The border a press would size lies left of and above the press.
    if (ARow == 0)
        MouseToCell(X - 5, Y, Colclicked, Rowclicked);
    else if (ACol == 0)
        MouseToCell(X, Y - 4, Colclicked, Rowclicked);
    else
        MouseToCell(X - 5, Y - 4, Colclicked, Rowclicked);
    if (FLook == glListView && FHotFixedCell.X >= 0 && FHotFixedCell.Y >= 0 &&
        (FHotFixedCell.X < FixedCols() || FHotFixedCell.Y < FixedRows()))
        RepaintCell(FHotFixedCell.X, FHotFixedCell.Y);
    if (Colclicked >= 0 && Rowclicked >= 0) {
        Colclickedsize = ColWidths(Colclicked);
        Rowclickedsize = RowHeights(Rowclicked);
    }
    Clickposx = X;
    Clickposy = Y;
    const bool clickedFixed = ACol >= 0 && ARow >= 0 && (ARow < FixedRows() || ACol < FixedCols());

    if (ACol == -1 || ARow == -1) {
        HideInplaceEdit();
        if (!FFixedRowAlways)
            HandleMouseDown(mbLeft, Shift, X, Y);
        return;
    }
    const TPoint base = BaseCell(ACol, ARow);
    ACol = base.X;
    ARow = base.Y;
    TRect cellR = CellRect(ACol, ARow);
    if (FMouseActions->CaretPositioning)
        LButFlg = true;

    if (FSizeFixed) {
        StartFixedSizing(X, Y, true);
        return;
    }
    if (FSizeFixedR) {
        StartFixedSizing(X, Y, false);
        return;
    }
    const bool isFixed = IsFixed(ACol, ARow);
    if (clickedFixed || isFixed)
        HideInplaceEdit();
    const bool fixedLike = isFixed && !clickedFixed;
    const bool onNodeGlyph = ACol == 0 && IsNode(ARow) && IsOnNodeGlyph(ARow, X);
    if ((clickedFixed || fixedLike) && FixedAsButtons && Options().Contains(goFixedVertLine) &&
        Options().Contains(goFixedHorzLine) && !onNodeGlyph)
        PressFixedCellLook(cellR, ACol, ARow);
    const int realCol = DisplToRealCol(ACol);

    if (!Designing()) {
        PressSpinButtons(ACol, ARow, cellR, X, Y);
        PressOnHeaderNodeGlyph(ACol, ARow, X);
        if (PressOnNodeGlyph(ACol, ARow, X, Y, shift1) ||
            PressOnRadioGroup(ACol, ARow, realCol, cellR, X, Y))
            return;
    }
    // Column 0 of a tree grid belongs to the node glyphs: it never starts a selection.
    if (ACol == 0 && ARow >= FixedRows() && HasNodes() && !FMouseActions->RowSelect &&
        !Options().Contains(goRowSizing)) {
        FireEvent(OnMouseDown, this, mbLeft, shift1, X, Y);
        FireEvent(OnClickCell, this, ARow, ACol);
        return;
    }
    if (PressDragCandidate(ACol, ARow, realCol, cellR, shift1, X, Y))
        return;
    if (PressOnRating(ACol, ARow, realCol, cellR, X) ||
        PressOnButtonOrExpand(ACol, ARow, realCol, X, Y))
        return;

    // A press anywhere in a merged area acts on its base cell.
    if (IsMergedCell(ACol, ARow) && !isFixed && !OnMouseDown) {
        X = cellR.Left + 2;
        Y = cellR.Top + 2;
    }
    if (ACol >= ColCount() || ARow >= RowCount()) {
        HandleMouseDown(mbLeft, Shift, X, Y);
        return;
    }
    const TRect sizing =
        Colclicked >= 0 && Rowclicked >= 0 ? CellRect(Colclicked, Rowclicked) : TRect{0, 0, 0, 0};
    Clickposdx = Clickposx - sizing.Right;
    Clickposdy = Clickposy - sizing.Bottom;
    if (DisjunctRowColPress(ACol, ARow, Shift, sel0, X, Y))
        return;

    if (PressOnLink(ACol, ARow, ACol0, ARow0, X, Y))
        return;
    Movecell = -1;
    HeaderSelectionPress(ACol, ARow, Shift);
    if (ACol >= FixedCols() && ARow < FixedRows())
        Movecell = ACol;
    if (ACol < FixedCols() && ARow >= FixedRows())
        Movecell = ARow;
    cellR = CellRect(ACol, ARow);
    MoveOfsX = X - cellR.Left;
    MoveOfsY = Y - cellR.Top;

    bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit;
    QueryCanEdit(realCol, ARow, canEdit);
    if (PressOnCheckBox(ACol, ARow, realCol, canEdit, Shift, X, Y))
        return;
    const bool normalCell = ACol >= FixedCols() && ARow >= FixedRows();
    const bool dropDown =
        normalCell && FControlLook->DropDownAlwaysVisible() && HasComboBox(realCol, ARow);
    const bool editsOnPress =
        normalCell && (canEdit || (FMouseActions->EditOnDblClickOnly() && dropDown)) &&
        (FMouseActions->DirectEdit || (FControlLook->DropDownAlwaysVisible() && dropDown));
    if (editsOnPress) {
        if (FMouseActions->EditOnDblClickOnly() && dropDown)
            FEditActive = false;
        HideInplaceEdit();
        // A refused value keeps the user in the cell with its editor: the press ends before
        // taking the keys from that editor a second time.
        if (EditMode)
            return;
        if (CanFocus())
            SetFocus();
    }
    const TGridRect current = Selection();
    const bool onCurrent = cellR.Contains(TPoint{X, Y}) && current.Left == ACol &&
                           current.Right == ACol && current.Top == ARow && current.Bottom == ARow;
    if (!onCurrent && FMouseActions->RangeSelectAndEdit && !isFixed && !canEdit) {
        startRange = true;
        SetOptions(Options() >> goEditing);
    }
    if (fixedLike) {
        FireEvent(OnClickCell, this, ARow, ACol);
        return;
    }
    PressFramework(Shift, X, Y, ACol, ARow, leftCol0, topRow0);

    const bool onSizingBorder = ARow < FixedRows() && Options().Contains(goColSizing) &&
                                (X - cellR.Left < 4 || cellR.Right - X < 4);
    if (!onSizingBorder)
        FireEvent(OnClickCell, this, ARow, ACol);
    if (IsMergedCell(ACol, ARow) && !isFixed && canEdit && (onCurrent || FMouseActions->DirectEdit))
        ShowInplaceEdit();
    if (editsOnPress && X - cellR.Left > 3 && cellR.Right - X > 3 && !IsControlCell(realCol, ARow))
        DirectEditPress(ACol, ARow, dropDown);
    if (startRange)
        SetGridState(gsSelecting);
}

// The framework's press inside the grid's rules: a partly visible cell may keep the grid from
// scrolling, and with KeepHorizScroll a row-select click never scrolls sideways.
void TExStringGrid::PressFramework(TShiftState Shift, int X, int Y, int ACol, int ARow,
                                   int LeftCol0, int TopRow0) {
    const bool partlyVisible = ARow == TopRow() + VisibleRowCount() ||
                               ACol == LeftCol() + VisibleColCount() ||
                               (ACol == LeftCol() && LeftCol() > FixedCols());
    const bool keepLeft = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll;
    if (keepLeft)
        BeginUpdate();
    try {
        const bool alwaysEdit = FNavigation->AlwaysEdit;
        FNavigation->AlwaysEdit = false;
        try {
            HandleMouseDown(mbLeft, Shift, X, Y);
        } catch (...) {
            FNavigation->AlwaysEdit = alwaysEdit;
            throw;
        }
        FNavigation->AlwaysEdit = alwaysEdit;
        if (GridState() == gsSelecting && partlyVisible && FMouseActions->NoAutoRangeScroll)
            SetGridState(gsNormal);
        if (TopRow() != TopRow0 && FMouseActions->NoScrollOnPartialRow) {
            SetTopRow(TopRow0);
            // A drag from here would scroll again: the press ends the range drag.
            if (GridState() == gsSelecting)
                SetGridState(gsNormal);
        }
    } catch (...) {
        if (keepLeft) {
            SetLeftCol(LeftCol0);
            EndUpdate();
        }
        throw;
    }
    if (keepLeft) {
        SetLeftCol(LeftCol0);
        EndUpdate();
    }
}

// A press on an editable cell opens its editor at once, once the row, column and cell
// changes are allowed.
void TExStringGrid::DirectEditPress(int ACol, int ARow, bool DropDown) {
    if (FMouseActions->EditOnDblClickOnly() && DropDown && !Options().Contains(goEditing)) {
        SetOptions(Options() << goEditing);
        if (CanFocus())
            SetFocus();
    }
    bool allow = true;
    if (Row() != ARow || Col() != ACol)
        CellChanging(ACol, ARow, allow);
    if (!allow)
        return;
    const TPoint base = BaseCell(ACol, ARow);
    SetSelection(TGridRect{base.X, base.Y, base.X, base.Y});
    RememberCellState(base.X, base.Y);
    ShowEditor();
}

// --- the framework's mouse-down step -----------------------------------------------------------

void TExStringGrid::HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (Button == mbLeft)
        FFrameworkPressed = true;
    if (FMouseActions->RangeSelectAndEdit && Button == mbLeft &&
        !FMouseActions->EditOnDblClickOnly()) {
        const bool current = ACol == Col() && ARow == Row();
        if (current && !Options().Contains(goEditing) && IsEditable(DisplToRealCol(ACol), ARow)) {
            SetOptions(Options() << goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            ShowInplaceEdit();
            return;
        }
        if (!current && Options().Contains(goEditing) && Shift.Contains(ssShift)) {
            SetOptions(Options() >> goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }
    if (Button == mbLeft && ACol >= 0 && ARow >= 0 && PressFixedDropDownButton(ACol, ARow, X))
        return;
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    if (Shift.Contains(ssShift) && FSelectionRectangle) {
        const TGridRect sel = Selection();
        RepaintRect(TRect{sel.Left, sel.Top, sel.Right, sel.Bottom});
    }
    if (ACol >= 0 && ARow >= 0 && (ARow < FixedRows() || ACol < FixedCols()))
        PressEditsFixedCell(Button, ACol, ARow, X, Y);
}

// A header cell opens its editor on the click MouseActions names for it; a left click on a
// sizable header only inside its borders, so sizing keeps working.
void TExStringGrid::PressEditsFixedCell(TMouseButton Button, int ACol, int ARow, int X, int Y) {
    const TGridFixedCellEdit click = Button == mbLeft    ? fceLeftClick
                                     : Button == mbRight ? fceRightClick
                                                         : fceNone;
    if (click == fceNone)
        return;
    const bool inFixedRow = ARow < FixedRows() && FMouseActions->FixedRowsEdit == click;
    const bool inFixedCol = ACol < FixedCols() && FMouseActions->FixedColsEdit == click;
    if (!inFixedRow && !inFixedCol)
        return;
    if (Button == mbLeft) {
        const TGridOption sizing = inFixedRow ? goColSizing : goRowSizing;
        TRect inner = CellRect(ACol, ARow);
        inner = TRect{inner.Left + 4, inner.Top + 4, inner.Right - 4, inner.Bottom - 4};
        if (Options().Contains(sizing) && !inner.Contains(TPoint{X, Y}))
            return;
    }
    StartFixedCellEdit(ACol, ARow);
}

// --- the drop-down button of fixed cells -------------------------------------------------------

bool TExStringGrid::PressFixedDropDownButton(int ACol, int ARow, int X) {
    const TRect cellR = CellRect(ACol, ARow);
    const int right = Options().Contains(goColSizing) ? cellR.Right - 2 : cellR.Right;
    if (X <= cellR.Right - 16 || X >= right || !IsHoverFixedCell(ACol, ARow) ||
        !ControlLook()->FixedDropDownButton)
        return false;
    FDropDownDown = true;
    if (!FixedDropDownMenu && !OnFixedDropDownClick)
        return false;
    bool keep = false;
    FNoMouseLeave = true;
    TPopupMenu* menu = FixedDropDownMenu;
    if (menu)
        menu->SetTag(ACol);
    FireEvent(OnFixedDropDownClick, this, ACol, ARow, menu, keep);
    if (menu) {
        // The cell keeps its hover look while its menu is open.
        FMouseDownMove = false;
        FHoverFixedX = ACol;
        FHoverFixedY = ARow;
        RepaintCell(ACol, ARow);
        const TPoint at = ClientToScreen(TPoint{cellR.Right - 16, cellR.Bottom});
        menu->Popup(at.X, at.Y);
        FHoverFixedX = -1;
        FHoverFixedY = -1;
        RepaintCell(ACol, ARow);
    }
    FNoMouseLeave = keep;
    return true;
}
