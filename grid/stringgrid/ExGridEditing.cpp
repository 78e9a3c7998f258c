// The editing core: editor kinds, the edit road from the editor into the cell, validation and
// the cell-change checks.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::ClickSort(int ACol) {}

void TExStringGrid::StoreEditorValue(int ACol, int ARow, const std::string& Value) {}

void TExStringGrid::RestoreCellCache() {}

void TExStringGrid::PrintGetPageNum(int PageNum, int PageColNum, std::string& PageNumString) {}

void TExStringGrid::GetEditorProp(int ACol, int ARow, TObject* AEditLink) {}

void TExStringGrid::CheckBoxClick(int ACol, int ARow, bool State) {}

void TExStringGrid::EllipsClick(std::string& Value) {}

void TExStringGrid::RememberCellState(int ACol, int ARow) {}

void TExStringGrid::IsDesignTime(TObject* Sender, bool& IsDesigning) {
    IsDesigning = Designing();
}

void TExStringGrid::InvalidateGrid(TObject* Sender) {
    Invalidate();
}

void TExStringGrid::DisableEditing(TObject* Sender) {}

void TExStringGrid::CellChanging(int NewCol, int NewRow, bool& Allow) {}

void TExStringGrid::ScrollCell(int ACol, int ARow) {}

bool TExStringGrid::CanShowFixedDropDown(int ACol) {
    return false;
}

void TExStringGrid::StartBlockFocus() {}

void TExStringGrid::EndBlockFocus() {}

bool TExStringGrid::ValidateCell(const std::string& NewValue) {
    return true;
}

bool TExStringGrid::ValidateCellWide(const std::u16string& NewValue) {
    return true;
}

bool TExStringGrid::IsFixed(int ACol, int ARow) {
    return TBaseGrid::IsFixed(ACol, ARow);
}

bool TExStringGrid::CanSelectCell(int ACol, int ARow) {
    return TBaseGrid::CanSelectCell(ACol, ARow);
}

bool TExStringGrid::IsEditable(int ACol, int ARow) {
    return false;
}

bool TExStringGrid::CellAllowsEdit(int ACol, int ARow) {
    return false;
}

void TExStringGrid::ShowInplaceEdit() {}

void TExStringGrid::HideInplaceEdit() {}

void TExStringGrid::DoneInplaceEdit(WORD& Key, TShiftState Shift) {}

void TExStringGrid::ShowCellEdit() {}

void TExStringGrid::HideCellEdit() {}

bool TExStringGrid::EditorWantsTab() {
    return false;
}

void TExStringGrid::PostEditDone(int ACol, int ARow) {}

void TExStringGrid::ShowEditorControl(int ACol, int ARow) {}

void TExStringGrid::HideEditorControl(int ACol, int ARow) {}
