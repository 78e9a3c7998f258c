// The item list shared by every combo editor of the grid.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridCombo.h"

void TExStringGrid::ClearComboString() {
    Combobox()->ClearItems();
}

void TExStringGrid::AddComboString(const std::string& S) {
    Combobox()->Items()->Add(S);
}

void TExStringGrid::AddComboStringObject(const std::string& S, TObject* AObject) {
    TGridCombo* combo = Combobox();
    combo->SetItemObject(combo->Items()->Add(S), AObject);
}

bool TExStringGrid::RemoveComboString(const std::string& S) {
    TGridCombo* combo = Combobox();
    const int index = combo->Items()->IndexOf(S);
    if (index < 0)
        return false;
    combo->DeleteItem(index);
    return true;
}

bool TExStringGrid::SetComboSelectionString(const std::string& S) {
    const int index = Combobox()->Items()->IndexOf(S);
    if (index < 0)
        return false;
    FComboIdx = index;
    return true;
}

void TExStringGrid::SetComboSelection(int Index) {
    FComboIdx = Index;
}

int TExStringGrid::GetComboCount() {
    return Combobox()->Items()->Count();
}

int TExStringGrid::GetComboIndex(int ACol, int ARow) {
    GetEditorProp(ACol, ARow, nullptr);
    return Combobox()->Items()->IndexOf(Cells(ACol, ARow));
}

void TExStringGrid::SetComboIndex(int ACol, int ARow, int Index) {
    GetEditorProp(ACol, ARow, nullptr);
    const TItemStrings& items = *Combobox()->Items();
    // An index outside the list leaves the cell as it is.
    if (Index >= 0 && Index < items.Count())
        SetCells(ACol, ARow, items[Index]);
}
