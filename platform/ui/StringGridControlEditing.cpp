#include "platform/ui/StringGridControl.h"

#include "platform/ui/InplaceEdit.h"

bool TStringGrid::CanEditShow() {
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) &&
           FCurrent.X >= FFixedCols && FCurrent.Y >= FFixedRows;
}

TInplaceEdit* TStringGrid::CreateEditor() {
    return new TInplaceEdit(this);
}

// The editor is owned as a component; freed early, it leaves no dangling reference behind.
void TStringGrid::Notification(TComponent* component, bool removing) {
    TCustomControl::Notification(component, removing);
    if (removing && component == FInplaceEdit) {
        FInplaceEdit = nullptr;
        FEditorMode = false;
    }
}

void TStringGrid::SetEditorMode(bool Value) {
    if (Value)
        ShowEditor();
    else
        HideEditor();
}

void TStringGrid::ShowEditor() {
    if (FEditorMode || !CanEditShow())
        return;
    if (!FInplaceEdit)
        FInplaceEdit = CreateEditor();
    FEditorMode = true;
    FEditCell = {-1, -1};
    UpdateEditor();
}

void TStringGrid::HideEditor() {
    if (!FEditorMode)
        return;
    FEditorMode = false;
    TakeFocusFromEditor();
    if (FInplaceEdit)
        static_cast<TCellEditor*>(FInplaceEdit)->EndCellEdit();
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

// Places the editor over the current cell; a new cell loads its editor text.
void TStringGrid::UpdateEditor() {
    if (!FEditorMode || !FInplaceEdit)
        return;
    TCellEditor* editor = FInplaceEdit;
    if (!(FEditCell == FCurrent)) {
        FEditCell = FCurrent;
        FUpdatingEditor = true;
        FEditStartText = GetEditorText(FCurrent.X, FCurrent.Y);
        editor->BeginCellEdit(FCurrent.X, FCurrent.Y);
        FInplaceEdit->SetMaxLength(CellEditLimit());
        editor->LoadCellText(FEditStartText);
        FUpdatingEditor = false;
    }
    const TRect r = EditorRect(FCurrent.X, FCurrent.Y);
    if (r.IsEmpty()) {
        TakeFocusFromEditor();
        FInplaceEdit->Hide();
        return;
    }
    editor->PlaceCellEditor(r, Color());
    if (Focused() || FOptions.Contains(goAlwaysShowEditor))
        FInplaceEdit->SetFocus();
}

void TStringGrid::TakeFocusFromEditor() {
    if (FInplaceEdit && FInplaceEdit->Focused() && CanFocus())
        SetFocus();
}

TRect TStringGrid::EditorRect(int ACol, int ARow) const {
    return CellRect(ACol, ARow);
}

void TStringGrid::EditorTextChanged() {
    if (FUpdatingEditor || !FEditorMode || !FInplaceEdit)
        return;
    FUpdatingEditor = true;
    SetEditorText(FEditCell.X, FEditCell.Y,
                  static_cast<TCellEditor*>(FInplaceEdit)->ApplyCellText());
    FUpdatingEditor = false;
}

// The current cell is moving away: the edit ends there unless the editor always shows.
void TStringGrid::CommitEditor() {
    if (FEditorMode && !FOptions.Contains(goAlwaysShowEditor))
        HideEditor();
}

// Escape: the cell gets back the text it had when the edit began.
void TStringGrid::CancelEditor() {
    if (!FEditorMode || !FInplaceEdit)
        return;
    TCellEditor* editor = FInplaceEdit;
    editor->CancelCellEdit();
    if (editor->ApplyCellText() != FEditStartText) {
        FUpdatingEditor = true;
        editor->LoadCellText(FEditStartText);
        SetEditorText(FEditCell.X, FEditCell.Y, FEditStartText);
        FUpdatingEditor = false;
    }
    HideEditor();
}

void TStringGrid::DoEnter() {
    TCustomControl::DoEnter();
    if (FOptions.Contains(goAlwaysShowEditor))
        ShowEditor();
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TStringGrid::DoExit() {
    TCustomControl::DoExit();
    InvalidateCell(FCurrent.X, FCurrent.Y);
}
