// The common frame around the editor controls: every kind that is not the text editor is shown,
// loaded, validated, stored and hidden here through TCellEditor; what a kind does with the text
// lives in its control.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridDropDownEditor.h"

#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExInplaceEdit.h"
#include "grid/stringgrid/ScopedValue.h"
#include "platform/ui/CellEditor.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"

namespace {
// True when a control inside the grid, not the grid itself, has the focus.
bool FocusIsInside(const TWinControl* grid) {
    const TForm* form = GetParentForm(grid);
    const TWinControl* active = form ? form->ActiveControl() : nullptr;
    return active && active != grid && grid->ContainsControl(active);
}

constexpr bool IsDatePickerKind(TEditorType kind) {
    return kind == edDateEdit || kind == edDateEditUpDown || kind == edTimeEdit ||
           kind == edDateTimeEdit;
}

// Kinds whose control is an action, not a value: closing them stores nothing.
constexpr bool StoresNothing(TEditorType kind) {
    return kind == edCheckBox || kind == edButton;
}

// Kinds that store their value even when edit mode was already left.
constexpr bool StoresOutsideEditMode(TEditorType kind) {
    return IsSpinEditor(kind) || IsUnitEditor(kind) || kind == edCustom || kind == edRichEdit;
}
} // namespace

TCellEditor* TExStringGrid::ActiveEditorControl() {
    if (IsDatePickerKind(EditControl) && !DatePickerAvailable)
        return nullptr;
    return CellEditorOfKind(EditControl);
}

void TExStringGrid::ShowEditorControl(int ACol, int ARow) {
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    EditMode = true;

    TRect r = CellRect(ACol, ARow);
    if (UseRightToLeftAlignment())
        r.Left += 1;
    // One pixel less than the cell each way: the grid lines stay visible.
    const TRect place{r.Left, r.Top, r.Right - 1, r.Bottom - 1};

    TBrush brush;
    TFont font;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment horizontal = FDefaultAlignment;
    TVAlignment vertical = FVAlignment;
    bool wordWrap = false;
    TCellGradientDirection gradient = GradientVertical;
    TGridDrawState state;
    GetVisualProperties(ACol, Row(), state, false, false, true, &brush, colorTo, mirror, mirrorTo,
                        &font, horizontal, vertical, wordWrap, gradient);

    const int realCol = RealColIndex(ACol);
    if (EditControl != edCustom)
        FLastValidation = true;
    FValidatedValuePending = false;
    if (TCellEditor* editor = ActiveEditorControl()) {
        editor->BeginCellEdit(realCol, ARow);
        editor->PlaceCellEditor(place, brush.Color());
        editor->LoadCellText(GetEditorText(ACol, ARow));
        // The value as loaded, asked for once after the load: leaving the editor with it stores
        // nothing. A custom editor answers through the application's handler: no extra call.
        FLoadedEditorValue.reset();
        if (EditControl != edCustom)
            FLoadedEditorValue = editor->ApplyCellText();
        if (FStartEditChar != 0)
            editor->TypeStartKey(FStartEditChar);
    }
    FStartEditChar = 0;
}

void TExStringGrid::HideEditorControl(int ACol, int ARow) {
    CommitEditorControl(ACol, ARow);
}

// False when the editor control refused to give up its value: it stays open.
bool TExStringGrid::CommitEditorControl(int ACol, int ARow) {
    if (Destroying())
        return true;
    TCellEditor* editor = FSpecialEditor ? ActiveEditorControl() : nullptr;
    if (editor && EditMode && !StoresNothing(EditControl) && editor->VetoCellText())
        return false;
    FSpecialEditor = false;
    TScopedFlag blockKill(FBlockKill);
    const int realCol = RealColIndex(ACol);
    FStartEditChar = 0;
    if (EditControl == edCustom && FControlLook->DropDownAlwaysVisible())
        GetEditorTypeEvent(realCol, ARow, EditControl);
    if (editor) {
        const bool stores =
            !StoresNothing(EditControl) && (EditMode || StoresOutsideEditMode(EditControl));
        if (stores) {
            std::string value = FValidatedValuePending ? FNewCellText : editor->ApplyCellText();
            // A picker left as it was loaded (Escape restores it) picked nothing.
            auto* picker = dynamic_cast<TGridDropDownEditor*>(editor);
            if (FValidatedValuePending || value != FLoadedEditorValue ||
                (picker && picker->PickChanged())) {
                if (picker)
                    value = picker->TakePick(value);
                StoreEditorValue(realCol, ARow, value);
            }
        }
        FLoadedEditorValue.reset();
        // An editor control hidden with the focus would leave the keys with no control; the
        // grid takes them back first, as its own text editor gives them back when it hides.
        if (FocusIsInside(this) && CanFocus())
            SetFocus();
        editor->EndCellEdit();
    }
    FValidatedValuePending = false;
    EditMode = false;
    if (EditControl != edNormal && FEditActive)
        PostEditDone(realCol, ARow);
    FEditActive = false;
    return true;
}

// The value of the open editor, typed or chosen in a control, goes through validation before it
// may stay in the cell; a refused value reopens the editor on the value validation chose.
bool TExStringGrid::ValidatePendingValue() {
    if (!FEditing || !EditMode)
        return true;
    if (!FSpecialEditor) {
        TExInplaceEdit* editor = NormalEdit();
        return !editor || !EditorMode() || ValidateCell(editor->Text());
    }
    if (StoresNothing(EditControl))
        return true;
    TCellEditor* editor = ActiveEditorControl();
    if (!editor)
        return true;
    if (editor->VetoCellText())
        return false;
    const std::string value = editor->ApplyCellText();
    // Untouched, the editor stores nothing: what stays is the cell's own text.
    if (value == FLoadedEditorValue)
        return ValidateCell(CurrentCell());
    if (!ValidateCell(value))
        return false;
    FValidatedValuePending = true;
    return true;
}
