// The editing core: whether a cell may be edited, the text road between the editor and the
// cell, and the small hooks the editors raise into the grid.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/FocusHelper.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExInplaceEdit.h"
#include "grid/stringgrid/ScopedValue.h"
#include "platform/ui/Form.h"
#include "platform/ui/Keys.h"

#include <algorithm>

namespace {
constexpr bool IsTextKind(TEditorType kind) {
    switch (kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat:
        return true;
    default:
        return false;
    }
}
} // namespace

bool TExStringGrid::IsEditable(int ACol, int ARow) {
    if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit && !FEditDisable)
        return false;
    return CellAllowsEdit(ACol, ARow);
}

bool TExStringGrid::CellAllowsEdit(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    bool canEdit = true;
    QueryCanEdit(base.X, base.Y, canEdit);
    bool isFixed = false;
    IsFixedCell(RealColIndex(base.X), base.Y, isFixed);
    return canEdit && !isFixed;
}

bool TExStringGrid::IsFixed(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    const int c = RealToDisplCol(base.X);
    const int r = base.Y;
    if (r >= RowCount() - FFixedFooters)
        return true;
    if (c >= ColCount() - FFixedRightCols && c < ColCount())
        return true;
    bool isFixed = false;
    IsFixedCell(c, r, isFixed);
    return isFixed;
}

bool TExStringGrid::IsPasswordCell(int ACol, int ARow) {
    bool isPassword = false;
    CheckPasswordCell(ACol, ARow, isPassword);
    return isPassword;
}

bool TExStringGrid::EditorWantsTab() {
    return Options().Contains(goTabs) || OnCellValidate || OnCellValidateWide;
}

TExInplaceEdit* TExStringGrid::NormalEdit() const {
    return static_cast<TExInplaceEdit*>(InplaceEditor());
}

TInplaceEdit* TExStringGrid::CreateEditor() {
    return new TExInplaceEdit(this);
}

// A merged cell is edited over its whole area.
TRect TExStringGrid::EditorRect(int ACol, int ARow) const {
    return CellRect(ACol, ARow);
}

std::string TExStringGrid::CellEditMask(int ACol, int ARow) {
    std::string value = EditMask;
    FireEvent(OnGetEditMask, this, ACol, ARow, value);
    return value;
}

// --- the framework's show-editor question ------------------------------------------------------

bool TExStringGrid::CanEditShow() {
    if (FValidating)
        return false;
    bool result = TBaseGrid::CanEditShow();
    if (Designing())
        return result;
    const TPoint base = BaseCell(RealCol(), Row());
    if (result && !EditMode && IsControlCell(base.X, base.Y))
        return false;
    if (result && !EditMode) {
        TScopedFlag quiet(FNoEditChange);
        FCellCache = CurrentCell();
        // The validation at the end of this edit compares with the cell as it is now.
        RememberCellState(Col(), Row());
        EditControl = DefaultEditor;
        GetEditorType(base.X, base.Y, EditControl);
        if (EditControl == edNone)
            return false;
        if (!IsTextKind(EditControl)) {
            try {
                ShowEditorControl(RealToDisplCol(base.X), base.Y);
            } catch (...) {
                // A control that fails to open leaves the grid out of edit mode.
                EditMode = FEditing = FSpecialEditor = FEditActive = false;
                throw;
            }
            FEntered = true;
            if (FFocusHelper->Enabled) {
                FocusWindowGrid = this;
                ShowFocusWindow(CellRect(Col(), Row()));
            }
            return false;
        }
        EditMode = true;
        FShowEditProcess = true;
    }
    if (result) {
        FEntered = true;
        FEditing = true;
    }
    return result;
}

// --- starting and ending an edit -----------------------------------------------------------------

void TExStringGrid::ShowInplaceEdit() {
    const TPoint base = BaseCell(RealCol(), Row());
    if (IsControlCell(base.X, base.Y))
        return;
    if (Row() < TopRow())
        SetTopRow(Row());
    if (Col() < LeftCol())
        SetLeftCol(Col());
    FEditText = Cells(RealCol(), Row());
    ShowEditor();
}

void TExStringGrid::HideInplaceEdit() {
    if (!EditMode)
        return;
    // Whatever leaves the editor is validated first, also when code ends the edit.
    if (!ValidatePendingValue()) {
        if (KeysWentElsewhere())
            DropRefusedEdit();
        return;
    }
    HideEditor();
    if (!CommitEditorControl(Col(), Row()))
        return;
    EditMode = false;
    FShowEditProcess = false;
    CanSelectCell(Col(), Row());
}

bool TExStringGrid::KeysWentElsewhere() const {
    const TForm* form = GetParentForm(this);
    const TWinControl* active = form != nullptr ? form->ActiveControl() : nullptr;
    return active != nullptr && active != this && !ContainsControl(active);
}

void TExStringGrid::DropRefusedEdit() {
    // Nothing of the edit is judged or stored any more: the editor goes with the cell's own text.
    FEditing = false;
    if (!FSpecialEditor) {
        if (TExInplaceEdit* editor = NormalEdit())
            editor->SetText(FCellCache);
    } else if (TCellEditor* editor = ActiveEditorControl()) {
        editor->LoadCellText(FCellCache);
    }
    HideInplaceEdit();
    EditMode = false;
}

void TExStringGrid::DoneInplaceEdit(WORD& Key, TShiftState Shift) {
    TScopedFlag blockFocus(FBlockFocus);
    if (!ValidatePendingValue())
        return;
    FEditing = false;
    HideInplaceEdit();
    if (EditMode)
        return; // the editor control kept its value back
    if (FNavigation->AppendOnArrowDown && Key == VK_DOWN && IsOnLastDataRow())
        AutoAddRow();
    if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN))
        HandleKeyDown(Key, Shift);
    TScopedValue<bool> alwaysEdit(FNavigation->AlwaysEdit, false);
    if (CanFocus())
        SetFocus();
    if (Key == VK_RETURN)
        AdvanceCell(Col(), Row(), false, true, true, false, true);
}

void TExStringGrid::ShowCellEdit() {
    TMessage message{WM_KEYDOWN, VK_F2, 0, 0};
    HandleWindowMessage(message);
}

void TExStringGrid::HideCellEdit() {
    if (!ValidatePendingValue())
        return;
    HideEditorControl(Col(), Row());
}

void TExStringGrid::PostEditDone(int ACol, int ARow) {
    FireEvent(OnEditingDone, this);
    EditMode = false;
    PostMessage(GridEditDoneMessage, static_cast<WPARAM>(ACol), static_cast<LPARAM>(ARow));
}

// --- the text road
// --------------------------------------------------------------------------------

std::string TExStringGrid::GetEditorText(int ACol, int ARow) {
    FNoEditChange = true;
    const int realCol = RealColIndex(ACol);
    if (TExInplaceEdit* editor = NormalEdit()) {
        TAlignment horizontal = FDefaultAlignment;
        TVAlignment vertical = FVAlignment;
        GetCellAlignment(realCol, ARow, horizontal, vertical);
        editor->SetVAlign(horizontal == taRightJustify);
    }
    const TPoint base = BaseCell(realCol, ARow);
    std::string text = TBaseGrid::GetEditorText(base.X, base.Y);
    return EditWithTags ? text : StripHTML(text);
}

void TExStringGrid::SetEditorText(int ACol, int ARow, const std::string& Value) {
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    TBaseGrid::SetEditorText(base.X, base.Y, Value);
}

void TExStringGrid::StoreEditorValue(int ACol, int ARow, const std::string& Value) {
    SetEditorText(RealToDisplCol(ACol), ARow, Value);
    SetCells(ACol, ARow, Value);
}

void TExStringGrid::RestoreCellCache() {
    SetCells(RealCol(), Row(), FCellCache);
}

void TExStringGrid::EllipsClick(std::string& Value) {
    FireEvent(OnEllipsClick, this, RealCol(), Row(), Value);
}

// --- hooks
// ----------------------------------------------------------------------------------------

void TExStringGrid::ClickSort(int ACol) {
    FireEvent(OnClickSort, this, ACol);
}

void TExStringGrid::PrintGetPageNum(int PageNum, int PageColNum, std::string& PageNumString) {
    FireEvent(OnPrintGetPageNum, this, PageNum, PageColNum, PageNumString);
}

void TExStringGrid::GetEditorProp(int ACol, int ARow, TObject* AEditLink) {
    FireEvent(OnGetEditorProp, this, ACol, ARow, AEditLink);
    FireEvent(OnGetEditorPropInt, this, ACol, ARow);
}

void TExStringGrid::CheckBoxClick(int ACol, int ARow, bool State) {
    FireEvent(OnCheckBoxClick, this, ACol, ARow, State);
}

void TExStringGrid::IsDesignTime(TObject* Sender, bool& IsDesigning) {
    IsDesigning = Designing();
}

void TExStringGrid::InvalidateGrid(TObject* Sender) {
    Invalidate();
}

void TExStringGrid::DisableEditing(TObject* Sender) {
    SetOptions(Options() >> goEditing);
}

void TExStringGrid::CellChanging(int NewCol, int NewRow, bool& Allow) {
    const int oldCol = Col();
    const int oldRow = Row();
    if (NewRow != oldRow)
        FireEvent(OnRowChanging, this, oldRow, NewRow, Allow);
    if (NewCol != oldCol)
        FireEvent(OnColChanging, this, oldCol, NewCol, Allow);
    if ((NewCol != oldCol || NewRow != oldRow) && !FDisableChange)
        FireEvent(OnCellChanging, this, oldRow, oldCol, NewRow, NewCol, Allow);
}

void TExStringGrid::ScrollCell(int ACol, int ARow) {
    FireEvent(OnScrollCell, this, ACol, ARow, GetScrollPosition(ACol, ARow), 0,
              std::max(0, GetScrollProp(ACol, ARow).Range));
}

bool TExStringGrid::CanShowFixedDropDown(int ACol) {
    bool canShow = true;
    FireEvent(OnCanShowFixedDropDown, this, ACol, canShow);
    return canShow;
}

void TExStringGrid::StartBlockFocus() {
    FireEvent(FOnStartBlockFocus, this);
}

void TExStringGrid::EndBlockFocus() {
    FireEvent(FOnEndBlockFocus, this);
}
