// Validation of an edited value and the check before the current cell moves.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExGridUndoRedo.h"
#include "grid/foundation/ExStringGridCheck.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/DropDownCellControl.h"
#include "grid/stringgrid/ExInplaceEdit.h"
#include "grid/stringgrid/GridDropDownEditor.h"
#include "grid/stringgrid/InvalidEntryBalloon.h"
#include "grid/stringgrid/ScopedValue.h"
#include "grid/stringgrid/ShowModified.h"
#include "platform/core/CodePage.h"
#include "platform/ui/CellEditor.h"

#include <functional>

namespace {
// Runs at the end of a validation however it ends, so that the next validation compares with
// the cell as it is now and the grid never stays in the validating state.
class TValidationEnd {
public:
    explicit TValidationEnd(std::function<void()> Finish) : FFinish(std::move(Finish)) {}
    ~TValidationEnd() { FFinish(); }

private:
    std::function<void()> FFinish;
};

void FocusRefusingEditor(TCellEditor* Editor) {
    auto* control = dynamic_cast<TWinControl*>(Editor);
    if (auto* dropDown = dynamic_cast<TGridDropDownEditor*>(Editor))
        control = dropDown->Control();
    if (control && control->CanFocus())
        control->SetFocus();
}
} // namespace

void TExStringGrid::RememberCellState(int ACol, int ARow) {
    FOldCol = ACol;
    FOldRow = ARow;
    const int realCol = RealColIndex(ACol);
    FOldCellText = Cells(realCol, ARow);
    FOldCellTextWide = WideCells(realCol, ARow);
    FOldModifiedValue = FModified;
}

void TExStringGrid::ClickCell() {
    TBaseGrid::Click();
    FEntered = false;
    RememberCellState(Col(), Row());
}

bool TExStringGrid::ValidateCell(const std::string& NewValue) {
    if (!FEditing || FValidating)
        return true;
    FEditing = false;
    bool valid = true;
    {
        TScopedFlag validating(FValidating);
        TValidationEnd end([this] { RememberCellState(Col(), Row()); });
        const int c = RealColIndex(FOldCol);
        const int r = FOldRow;
        FNewCellText = NewValue;
        if (NewValue != FOldCellText || AlwaysValidate) {
            const bool changed = NewValue != FOldCellText;
            std::string value = NewValue;
            {
                // The key that ends this edit must not also advance while the handler runs.
                TScopedValue<bool> advance(FNavigation->AdvanceOnEnter, false);
                if (CellChecker && CellChecker->AutoCorrect)
                    value = CellChecker->Correct(c, r, value);
                FireEvent(OnCellValidate, this, c, r, value, valid);
                // A refused value marks nothing modified: the cell keeps its old text.
                if (valid && value != FOldCellText) {
                    FGridModified = true;
                    FModified = true;
                    if (FixedCols() > 0) {
                        SetRowModified(RealRowIndex(Row()), true);
                        if (FShowModified->Enabled)
                            RepaintCell(0, Row());
                    }
                }
                if (valid)
                    ColumnValueChanged(c, r);
                if (CellChecker && CellChecker->AutoMarkError)
                    value = CellChecker->MarkError(c, r, value);
                if (valid && UndoRedo())
                    // Old value first: an undo step gives the cell back the text it had.
                    UndoRedo()->RegisterChange(c, r, FOldCellText, value);
                if (valid && changed)
                    NotifyCellsChanged(TRect{c, r, c, r});
            }
            FNewCellText = value;
            if (valid) {
                SetCells(c, r, value);
                if (IsMergedNonBaseCell(c, r)) {
                    const TPoint base = BaseCell(c, r);
                    SetCells(base.X, base.Y, value);
                }
            } else {
                FLastValidation = false;
                FModified = FOldModifiedValue;
                ReopenRefusedEdit(c, r, value != NewValue ? value : FOldCellText);
                ShowInvalidEntryBalloon();
            }
            FOldCellText = Cells(c, r);
        }
    }
    if (valid)
        HideFocusWindow();
    return valid;
}

bool TExStringGrid::ValidateCellWide(const std::u16string& NewValue) {
    if (!FEditing || FValidating)
        return true;
    FEditing = false;
    bool valid = true;
    {
        TScopedFlag validating(FValidating);
        TValidationEnd end([this] { RememberCellState(Col(), Row()); });
        const int c = RealColIndex(FOldCol);
        const int r = FOldRow;
        if (NewValue != FOldCellTextWide || AlwaysValidate) {
            const bool changed = NewValue != FOldCellTextWide;
            ColumnValueChanged(c, r);
            std::u16string value = NewValue;
            FireEvent(OnCellValidateWide, this, c, r, value, valid);
            if (valid) {
                SetWideCells(c, r, value);
                if (changed) {
                    FGridModified = true;
                    FModified = true;
                    if (FShowModified->Enabled && FixedCols() > 0) {
                        SetRowModified(r, true);
                        RepaintCell(0, r);
                    }
                    NotifyCellsChanged(TRect{c, r, c, r});
                }
            } else {
                FModified = FOldModifiedValue;
                ReopenRefusedEdit(c, r, Utf16ToUtf8(value != NewValue ? value : FOldCellTextWide));
            }
            FOldCellTextWide = WideCells(c, r);
        }
    }
    if (valid)
        HideFocusWindow();
    return valid;
}

// The cell gets Value and the user is put back into it with the editor open on that value.
void TExStringGrid::ReopenRefusedEdit(int ACol, int ARow, const std::string& Value) {
    if (FSpecialEditor && EditMode) {
        SetCells(ACol, ARow, Value);
        FEditing = true;
        if (TCellEditor* editor = ActiveEditorControl()) {
            editor->LoadCellText(Value);
            // The grid took the keys from the editor to move on (a press on another cell): they
            // go back, and the move that wanted them ends there.
            if (Focused())
                FocusRefusingEditor(editor);
        }
        return;
    }
    HideEditor();
    EditMode = false;
    SetCells(ACol, ARow, Value);
    const int displayCol = RealToDisplCol(ACol);
    if (displayCol >= 0 && displayCol < ColCount() && ARow < RowCount() &&
        (Col() != displayCol || Row() != ARow)) {
        TScopedFlag force(FForceSel);
        FocusCell(displayCol, ARow, true);
    }
    FValidating = false;
    FEditing = true;
    ShowInplaceEdit();
}

void TExStringGrid::ShowInvalidEntryBalloon() {
    if (InvalidEntryTitle.empty() && InvalidEntryText.empty())
        return;
    if (!EditMode)
        return;
    if (!FSpecialEditor) {
        if (NormalEdit())
            NormalEdit()->ShowInvalidEntry(InvalidEntryTitle, InvalidEntryText, InvalidEntryIcon);
        return;
    }
    // Every editor control that is a control of its own shows the balloon on itself; a drop-down
    // editor on the control the user sees, the one its events name.
    TCellEditor* editor = ActiveEditorControl();
    auto* control = dynamic_cast<TWinControl*>(editor);
    if (auto* dropDown = dynamic_cast<TGridDropDownEditor*>(editor);
        dropDown && dropDown->Control())
        control = dynamic_cast<TWinControl*>(dropDown->Control()->EventSender());
    ::ShowInvalidEntryBalloon(control, InvalidEntryTitle, InvalidEntryText, InvalidEntryIcon);
}

bool TExStringGrid::CanSelectCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0)
        return false;
    if (FForceSel)
        return true;
    const bool moving = ACol != Col() || ARow != Row();
    // The value being edited is validated before the cell may be left; a refused value keeps
    // the user in the cell.
    if (moving && EditMode && !FValidating) {
        HideInplaceEdit();
        if (EditMode)
            return false;
    }
    // Without a window the cell checks below have nothing to act on; the application's answer
    // still holds.
    if (!Parent())
        return TBaseGrid::CanSelectCell(ACol, ARow);

    bool result = false;
    FEditText = Cells(RealColIndex(ACol), ARow);
    if (IsMergedNonBaseCell(RealColIndex(ACol), ARow) && !Options().Contains(goRangeSelect)) {
        const TPoint base = BaseCell(RealColIndex(ACol), ARow);
        TScopedFlag force(FForceSel);
        FocusCell(RealToDisplCol(base.X), base.Y, true);
        if (FMouseActions->DirectEdit ||
            (FControlLook->DropDownAlwaysVisible() && HasComboBox(ACol, ARow)))
            ShowEditor();
        return false;
    }
    if (ACol == 0 && HasNodes() && !Options().Contains(goRowSelect))
        return false;
    if (FUseEnabledRows && FNavigation->SkipDisabledRows && !GetRowEnabled(ARow))
        return false;

    const TGridRect oldSel = Selection();
    const TPoint oldCell{Col(), Row()};
    const int realCol = RealColIndex(ACol);
    std::string target = Cells(realCol, ARow);
    if (IsControlCell(realCol, ARow)) {
        bool canEdit = true;
        QueryCanEdit(realCol, ARow, canEdit);
        const bool editingOn = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit;
        if (!FEditDisable)
            FEditDisable = !canEdit && editingOn;
        if (!Options().Contains(goEditing) && !Options().Contains(goRowSelect) && canEdit) {
            FEditChange = true;
            SetOptions(Options() << goEditing); // the control cell reacts to the space key
        }
    } else {
        bool canEdit = Options().Contains(goEditing) || FEditDisable;
        QueryCanEdit(realCol, ARow, canEdit);
        if (canEdit && FMouseActions->DirectEdit) {
            EditControl = DefaultEditor;
            if (HasNoEditor(realCol, ARow))
                canEdit = false;
        }
        if (FMouseActions->EditOnDblClickOnly())
            canEdit = false;
        if (canEdit) {
            FEditDisable = false;
            if (!Options().Contains(goEditing)) {
                FEditChange = true;
                if (!FEditing)
                    RememberCellState(ACol, ARow);
                TGridOptions options = Options();
                if (options.Contains(goRowSelect) && FMouseActions->RangeSelectAndEdit)
                    options = options >> goRowSelect;
                SetOptions(options << goEditing);
            }
        } else if (Options().Contains(goEditing)) {
            EditMode = false;
            FEditDisable = true;
            FEditChange = true;
            SetOptions(Options() >> goEditing);
            HideEditor();
        }
    }

    bool allow = true;
    CellChanging(ACol, ARow, allow);
    if (IsFixed(ACol, ARow) || !allow)
        result = (allow && Options().Contains(goRowSelect)) ||
                 (FFixedRowAlways && RowCount() == FixedRows());
    else
        result = TBaseGrid::CanSelectCell(ACol, ARow);

    if (FSelListener)
        FSelListener->SelectionChanged(Col(), ARow, Col(), ARow);
    if (FActiveCellShow) {
        // The highlight follows every move, whatever made it.
        RepaintActiveHeaders(oldCell.X, oldCell.Y, ACol, ARow);
        if (oldSel.Left != oldCell.X && oldSel.Top != oldCell.Y)
            RepaintActiveHeaders(oldSel.Left, oldSel.Top, oldSel.Left, oldSel.Top);
    }
    if (ActiveRowShow()) {
        RepaintRow(ARow);
        RepaintRow(oldSel.Top);
    }
    if (!Loading() && ARow != FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, FOldRowSel, ARow);
        FOldRowSel = ARow;
    }
    if (result && (moving || !FEditorHandingBack))
        FCellCache = target;
    return result;
}
