// The editor controls of the grid: created on first use, one per family, reused for every cell.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridCombo.h"
#include "grid/stringgrid/GridEditBtn.h"
#include "grid/stringgrid/GridSpin.h"
#include "grid/stringgrid/GridUnitEditBtn.h"

namespace {

// Creates an editor control owned by and placed on the grid, hidden until a cell needs it.
template <typename TEditor> TEditor* CreateHiddenEditor(TExStringGrid* Grid) {
    auto* editor = new TEditor(Grid);
    editor->SetVisible(false);
    editor->SetParent(Grid);
    return editor;
}

} // namespace

TGridCombo* TExStringGrid::Combobox() {
    if (FEditCombo == nullptr)
        FEditCombo = CreateHiddenEditor<TGridCombo>(this);
    return FEditCombo;
}

TGridSpin* TExStringGrid::SpinEdit() {
    if (FEditSpin == nullptr) {
        FEditSpin = CreateHiddenEditor<TGridSpin>(this);
        FEditSpin->SetEnabled(false);
        FEditSpin->SetBorderStyle(bsNone);
        FEditSpin->SetIsWinXP(FIsWinXP);
    }
    return FEditSpin;
}

TGridEditBtn* TExStringGrid::BtnEdit() {
    if (FEditBtn == nullptr)
        FEditBtn = CreateHiddenEditor<TGridEditBtn>(this);
    return FEditBtn;
}

TGridUnitEditBtn* TExStringGrid::BtnUnitEdit() {
    if (FUnitEditBtn == nullptr)
        FUnitEditBtn = CreateHiddenEditor<TGridUnitEditBtn>(this);
    return FUnitEditBtn;
}

TCellEditor* TExStringGrid::CellEditorOfKind(TEditorType Kind) {
    switch (Kind) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
        return SpinEdit();
    case edComboEdit:
    case edComboList:
        return Combobox();
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
        return BtnEdit();
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
        return BtnUnitEdit();
    default:
        return nullptr;
    }
}
