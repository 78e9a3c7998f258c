// Keyboard handling: the grid's own key rules in the key-down message, before and after the
// platform grid's navigation.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/RetEdit.h"
#include "grid/stringgrid/SearchPanel.h"
#include "grid/stringgrid/ShowModified.h"
#include "platform/core/Text.h"
#include "platform/ui/Form.h"

namespace {

bool IsEnterOrF2(WORD Key) {
    return Key == VK_RETURN || Key == VK_F2;
}

bool IsVerticalPageKey(WORD Key) {
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
}

bool HoldsControlTags(const std::string& Text) {
    return UpperCase(Text).find("<CONTROL") != std::string::npos;
}

} // namespace

void TExStringGrid::FireKeyDown(WORD Key, TShiftState Shift) {
    // Handlers get a copy: the grid has already decided what the key does.
    FireEvent(OnKeyDown, this, Key, Shift);
}

void TExStringGrid::NotifySelectionIfMoved() {
    const TGridRect now = Selection();
    if (now == FMoveSelection)
        return;
    FMoveSelection = now;
    SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

void TExStringGrid::HandleKeyDownMessage(TMessage& Message) {
    const WORD key = static_cast<WORD>(Message.WParam);
    const TShiftState shift = KeyDataToShiftState(Message.LParam);
    const auto swallow = [&] {
        Message.WParam = 0;
        Message.Result = 1;
    };

    FMoveSelection = Selection();
    const int realCol = RealColIndex(Col());
    const int leftCol = LeftCol();
    const bool keepHoriz = IsVerticalPageKey(key) && Options().Contains(goRowSelect) &&
                           LeftCol() != FixedCols() && FNavigation->KeepHorizScroll;

    if (FNavigation->MoveScrollOnly && HandleMoveScrollOnly(key)) {
        Message.Result = 1;
        return;
    }
    if (IsEnterOrF2(key) && HandleEnterOrF2(key, shift, realCol)) {
        swallow();
        return;
    }
    if (key == 'F' && shift.Contains(ssCtrl) && FSearchFooter->Visible())
        FocusSearchText();
    if ((key == VK_RETURN || key == VK_SPACE) && IsControlCell(realCol, Row()))
        HandleControlCellKey(key, realCol);
    if ((key == VK_HOME || key == VK_END) && HandleHomeEnd(key, shift)) {
        Message.Result = 0;
        return;
    }

    // Row selection scrolls sideways instead of moving a cell that the whole row stands for.
    if (Options().Contains(goRowSelect) && !IsNode(Row()) && VisibleColCount() < ColCount() &&
        (key == VK_LEFT || key == VK_RIGHT)) {
        const bool scroll = !FNavigation->LeftRightRowSelect || shift.Contains(ssCtrl);
        if (scroll) {
            if (key == VK_LEFT && LeftCol() > FixedCols())
                SetLeftCol(LeftCol() - 1);
            if (key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount())
                SetLeftCol(LeftCol() + 1);
        }
        if (!FNavigation->LeftRightRowSelect) {
            FireKeyDown(key, shift);
            Message.WParam = 0;
            Message.Result = 0;
            return;
        }
    }
    if (key == VK_TAB && Options().Contains(goTabs)) {
        NavigateFromEditor(shift.Contains(ssShift));
        NotifySelectionIfMoved();
        swallow();
        return;
    }
    WORD skipped = key;
    if (FNavigation->SkipFixedCells && HandleSkipFixedCells(skipped, shift)) {
        swallow();
        NotifySelectionIfMoved();
        return;
    }
    if (key == VK_DOWN && IsOnLastDataRow() && FNavigation->AppendOnArrowDown)
        AutoAddRow();

    TBaseGrid::WndProc(Message);

    if (keepHoriz)
        SetLeftCol(leftCol);
    if (FSelectionRectangle && Selection() != FMoveSelection) {
        InvalidateGridRect(FMoveSelection);
        InvalidateGridRect(Selection());
    }
    // A key that took the current cell down (or sideways on the last rows) keeps it clear of
    // the search footer.
    if (FSearchFooter->Visible() &&
        (key == VK_NEXT || key == VK_END || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT))
        ScrollRowAboveSearchFooter(Row());

    const int selRow = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent
                           ? RealRowIndex(Row())
                           : Row();
    if (FNavigation->AllowClipboardShortCuts && HandleClipboardKeys(key, shift)) {
        NotifySelectionIfMoved();
        return;
    }
    const bool noModifier =
        !shift.Contains(ssCtrl) && !shift.Contains(ssShift) && !shift.Contains(ssAlt);
    if (key == VK_INSERT && FNavigation->AllowInsertRow && noModifier) {
        InsertRowByKey();
    } else if (key == 'A' && shift.Contains(ssCtrl) &&
               (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect))) {
        SelectAllByKey();
    } else {
        DisjunctFlagsByKey(key, shift, selRow);
        if (key == VK_DELETE && FNavigation->AllowDeleteRow && !shift.Contains(ssAlt) &&
            DataRowCount() > 0)
            DeleteRowByKey();
        if (IsEnterOrF2(key)) {
            // While an edit is open the state taken when it began is what validation compares
            // with (the editor writes every keystroke into the cell).
            if (!EditorMode())
                RememberCellState(Col(), Row());
            if (HasControlTags(Cells(realCol, Row())))
                EditNextCellControl(Col(), Row(), std::string());
            if (key == VK_F2)
                F2KeyPressed();
        }
    }
    NotifySelectionIfMoved();
}

void TExStringGrid::FocusSearchText() {
    auto* edit = FSearchPanel->EditControl();
    if (edit && edit->CanFocus())
        edit->SetFocus();
}

// Enter and F2: switch editing on where the modes allow it, refuse cells that cannot be edited.
// True when the key ends here.
bool TExStringGrid::HandleEnterOrF2(WORD Key, TShiftState Shift, int RealCol) {
    if (!Options().Contains(goEditing)) {
        if (FMouseActions->EditOnDblClickOnly()) {
            const bool rangeEdit = FMouseActions->RangeSelectAndEdit;
            FMouseActions->RangeSelectAndEdit = true;
            const bool editable = IsEditable(RealCol, Row());
            FMouseActions->RangeSelectAndEdit = rangeEdit;
            if (editable)
                SetOptions(Options() + TGridOptions{goEditing});
        }
        if (FMouseActions->RangeSelectAndEdit && !Options().Contains(goEditing)) {
            if (!IsEditable(RealCol, Row())) {
                FireKeyDown(Key, Shift);
                return true;
            }
            SetOptions(Options() + TGridOptions{goEditing});
            ShowInplaceEdit();
        }
    }
    if (Options().Contains(goEditing) && !IsEditable(RealCol, Row())) {
        FireKeyDown(Key, Shift);
        return true;
    }
    const std::string text = Cells(RealCol, Row());
    if (GetTextKind(text, EnableHTML) == 1 && HoldsControlTags(text))
        return true;
    if (Key == VK_RETURN && !Options().Contains(goEditing) && !IsEditable(RealCol, Row())) {
        TForm* form = FindParentForm(this);
        if (form && form->KeyPreview())
            return false;
        FireKeyDown(Key, Shift);
        return true;
    }
    return false;
}

// Enter and Space work the check box, radio or button of a control cell.
bool TExStringGrid::HandleControlCellKey(WORD Key, int RealCol) {
    const int row = Row();
    bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit;
    QueryCanEdit(RealCol, row, canEdit);
    const TCellType kind = GetCellType(RealCol, row);
    if (Key == VK_SPACE && HasCheckBox(RealCol, row) &&
        (canEdit || FControlLook->CheckAlwaysActive)) {
        ToggleCheckBoxEx(RealCol, row, true);
        if (FShowModified->Enabled) {
            SetRowModified(row, true);
            RepaintCell(0, row);
        }
        bool state = false;
        GetCheckBoxState(RealCol, RealRowIndex(row), state);
        CheckBoxClick(RealCol, row, state);
    } else if (Key == VK_SPACE && kind == ctRadio && (canEdit || FControlLook->RadioAlwaysActive)) {
        CycleRadioSelection(this, RealCol, row, true);
        int index = -1;
        GetRadioIdx(RealCol, row, index);
        FireEvent(OnRadioClick, this, RealCol, row, index);
    } else if (Key == VK_SPACE && HasRadioButton(RealCol, row) &&
               (canEdit || FControlLook->RadioAlwaysActive)) {
        SetRadioButtonColumnIndex(RealCol, row);
        FireEvent(OnRadioButtonClick, this, RealCol, row);
    } else if (HasButton(RealCol, row) && canEdit) {
        ButtonClick(RealCol, row);
    }
    RepaintCell(Col(), row);
    return false;
}

// Page keys, Home, End and the vertical arrows scroll the view only; the current cell stays.
bool TExStringGrid::HandleMoveScrollOnly(WORD Key) {
    const int visible = VisibleRowCount();
    switch (Key) {
    case VK_PRIOR:
        SetTopRow(TopRow() > visible + FixedRows() ? TopRow() - visible : FixedRows());
        return true;
    case VK_NEXT:
        if (TopRow() + visible < RowCount())
            SetTopRow(std::min(TopRow() + visible, RowCount() - visible));
        return true;
    case VK_END:
        SetTopRow(RowCount() - visible);
        return true;
    case VK_HOME:
        SetTopRow(FixedRows());
        return true;
    case VK_UP:
        if (TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
        return true;
    case VK_DOWN:
        if (TopRow() + visible < RowCount())
            SetTopRow(TopRow() + 1);
        return true;
    default:
        return false;
    }
}

bool TExStringGrid::HandleHomeEnd(WORD Key, TShiftState Shift) {
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool rowSelect = Options().Contains(goRowSelect);
    const THomeEndAction action = FNavigation->HomeEndKey;
    const bool rowCase = action == heFirstLastCell || action == heFirstLastRow ||
                         (action == heFirstLastColumn && ctrl && Key == VK_HOME);
    if (rowCase && FFixedRowAlways && RowCount() == 1)
        return false;
    const auto moveTo = [&](int ACol, int ARow) {
        if (ACol < 0 || ARow < FixedRows() || ARow >= RowCount())
            return;
        FocusCell(ACol, ARow, true);
        SnapToBaseCell();
    };
    if (action == heFirstLastCell && !ctrl) {
        if (Key == VK_HOME)
            moveTo(FixedCols(), FixedRows());
        else
            moveTo(ColCount() - 1, RowCount() - 1);
    } else if (action == heFirstLastRow && !ctrl) {
        const int oldRow = Row();
        const int oldLeft = LeftCol();
        if (FMouseActions->DisjunctRowSelect() && !Shift.Contains(ssShift))
            ClearRowSelect();
        int target = FixedRows();
        if (Key == VK_END) {
            const bool floating = FFloatingFooter->Visible;
            target = floating && RowCount() > 2 ? RowCount() - 2 : LastDataRow();
        }
        if (Shift.Contains(ssShift))
            SetSelection(TGridRect{FixedCols(), std::min(oldRow, target), ColCount() - 1,
                                   std::max(oldRow, target)});
        else
            moveTo(Col(), target);
        if (Key == VK_END && (FFixedFooters > 0 || FFloatingFooter->Visible))
            SetTopRow(RowCount() - VisibleRowCount());
        if (FMouseActions->DisjunctRowSelect())
            SelectionToRowSelect(false);
        if (rowSelect && FNavigation->KeepHorizScroll)
            SetLeftCol(oldLeft);
    } else if (action == heFirstLastColumn && ctrl && Key == VK_HOME) {
        moveTo(FirstNavigableCol(FixedRows()), FixedRows());
        SetLeftCol(FirstNormalCol());
    } else if (action == heFirstLastColumn && !ctrl && !rowSelect) {
        if (Shift.Contains(ssShift)) {
            const int edge = Key == VK_HOME ? FixedCols() : ColCount() - FFixedRightCols - 1;
            SetSelection(TGridRect{std::min(Col(), edge), Row(), std::max(Col(), edge), Row()});
            RepaintRow(Row());
        } else if (Key == VK_HOME) {
            moveTo(FirstNavigableCol(Row()), Row());
            SetLeftCol(FirstNormalCol());
        } else {
            moveTo(ColCount() - 1, Row());
            SetLeftCol(ColCount() - VisibleColCount());
        }
    } else {
        return false;
    }
    FireKeyDown(Key, Shift);
    return true;
}

// Arrows step over fixed cells instead of stopping on them. True when the key was used.
bool TExStringGrid::HandleSkipFixedCells(WORD& Key, TShiftState Shift) {
    const int row = Row();
    const int col = Col();
    const bool extend = Shift.Contains(ssShift) && Options().Contains(goRangeSelect);
    int target = -1;
    switch (Key) {
    case VK_LEFT:
        if (col <= FixedCols() || !IsFixed(col - 1, row) || Options().Contains(goRowSelect))
            return false;
        for (int c = col - 1; c >= FixedCols(); --c)
            if (!IsFixed(c, row)) {
                target = c;
                break;
            }
        if (target >= 0)
            FocusCell(target, row, !extend);
        break;
    case VK_RIGHT: {
        const int last = ColCount() - FFixedRightCols - 1;
        if (col >= last || !IsFixed(col + 1, row) || Options().Contains(goRowSelect))
            return false;
        for (int c = col + 1; c <= last; ++c)
            if (!IsFixed(c, row)) {
                target = c;
                break;
            }
        if (target >= 0)
            FocusCell(target, row, !extend);
        break;
    }
    case VK_UP:
        if (row <= FixedRows() || !IsFixed(col, row - 1))
            return false;
        for (int r = row - 1; r >= FixedRows(); --r)
            if (!IsFixed(col, r) || Options().Contains(goRowSelect)) {
                target = r;
                break;
            }
        if (target >= 0)
            FocusCell(col, target, !extend);
        break;
    case VK_DOWN: {
        const int last = RowCount() - FFixedFooters - 1;
        if (row + 1 >= RowCount() || row >= last || !IsFixed(col, row + 1))
            return false;
        for (int r = row + 1; r <= last; ++r)
            if (!IsFixed(col, r) || Options().Contains(goRowSelect)) {
                target = r;
                break;
            }
        if (target >= 0)
            FocusCell(col, target, !extend);
        break;
    }
    default:
        return false;
    }
    FireKeyDown(Key, Shift);
    Key = 0;
    return true;
}
