// The platform's check box and the grid's header both name the check-box states, so this file
// reaches the grid only through the editor key helpers.
#include "grid/stringgrid/GridCheckBox.h"

#include "grid/stringgrid/GridEditorFactory.h"
#include "grid/stringgrid/GridEditorKeys.h"

using Keys = TGridEditorKeys;

TGridCheckBox* CreateGridCheckBox(TExStringGrid* Grid) {
    auto* checkBox = new TGridCheckBox(Keys::AsControl(Grid));
    checkBox->SetVisible(false);
    checkBox->SetParent(Keys::AsControl(Grid));
    return checkBox;
}

TCellEditor* CellEditorOf(TGridCheckBox* CheckBox) {
    return CheckBox;
}

TWinControl* ControlOf(TGridCheckBox* CheckBox) {
    return CheckBox;
}

TGridCheckBox::TGridCheckBox(TComponent* AOwner)
    : TCheckBox(AOwner), FGrid(Keys::GridOwner(AOwner)) {}

void TGridCheckBox::ReCreate() {
    // A disabled box lets go of a held press; the enabled state stays as it was.
    const bool enabled = Enabled();
    SetEnabled(false);
    SetEnabled(enabled);
    Invalidate();
}

// Each edit starts on a box in the state of a newly made one.
void TGridCheckBox::BeginCellEdit(int ACol, int ARow) {
    FCol = ACol;
    FRow = ARow;
    ReCreate();
}

void TGridCheckBox::PlaceCellEditor(const TRect& ARect, TColor Background) {
    SetBounds(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top);
    SetEnabled(true);
    SetVisible(true);
    if (CanFocus())
        SetFocus();
}

void TGridCheckBox::LoadCellText(const std::string& Text) {
    SetText(Text);
    SetChecked(false);
}

// The box is a choice shown over the cell; the cell keeps what it holds.
std::string TGridCheckBox::ApplyCellText() {
    return Keys::StoredText(FGrid, FCol, FRow);
}

void TGridCheckBox::EndCellEdit() {
    SetEnabled(false);
    SetVisible(false);
}

void TGridCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
    switch (Key) {
    case VK_RETURN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        break;
    default:
        TCheckBox::KeyDown(Key, Shift);
        return;
    }
    Keys::HideEditor(FGrid);
    Keys::FocusGrid(FGrid);
    if (Key == VK_RETURN)
        Keys::AdvanceFromCurrentCell(FGrid);
    if (Key == VK_UP || Key == VK_DOWN)
        Keys::GridKeyDown(FGrid, Key, Shift);
    Key = 0;
}

void TGridCheckBox::DoExit() {
    Keys::HideEditor(FGrid);
    TCheckBox::DoExit();
}
