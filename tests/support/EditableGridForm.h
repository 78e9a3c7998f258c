#pragma once

#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"

// The form the editing tests drive: an editable grid of 5 columns and RowCount rows whose cells
// open Kind on a 500 x 300 form, and an edit below the grid to take the focus away. The grid
// class is the test's (a grid subclass may offer fake editors).
template <typename TGrid>
TGrid* PlaceEditableGrid(TForm& Form, int RowCount, TEditorType Kind, TEdit*& Other) {
    Form.SetBounds(0, 0, 500, 300);
    auto* grid = new TGrid(&Form);
    grid->SetParent(&Form);
    grid->SetBounds(0, 0, 400, 200);
    grid->SetColCount(5);
    grid->SetRowCount(RowCount);
    grid->SetOptions(grid->Options() << goEditing);
    grid->DefaultEditor = Kind;
    Other = new TEdit(&Form);
    Other->SetParent(&Form);
    Other->SetBounds(0, 220, 100, 24);
    return grid;
}

// The form shown with the grid focused on cell (1, 1), ready for a user's keys.
inline void ShowWithCellFocused(TForm& Form, TExStringGrid* Grid) {
    Form.Show();
    Grid->SetFocus();
    Grid->FocusCell(1, 1, true);
}
