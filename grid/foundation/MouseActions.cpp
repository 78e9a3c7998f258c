#include "grid/foundation/MouseActions.h"

void TMouseActions::SetWheelAction(TWheelAction Value) {
    if (FWheelAction == Value)
        return;
    FWheelAction = Value;
    if (OnChange)
        OnChange(this);
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
    FHotmailRowSelect = Value;
    if (Value) {
        FDisjunctRowSelect = true;
        CheckAllCheck = true;
    }
    if (OnInvalidate)
        OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
    FEditOnDblClickOnly = Value;
    if (Value && OnDisableEdit)
        OnDisableEdit(this);
}

bool TMouseActions::IsDesigning() {
    bool designing = false;
    if (OnIsDesigning)
        OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::SetDisjunct(bool& field, bool Value) {
    field = Value;
    if (Value && IsDesigning()) {
        FDisjunctRowSelect = &field == &FDisjunctRowSelect;
        FDisjunctColSelect = &field == &FDisjunctColSelect;
        FDisjunctCellSelect = &field == &FDisjunctCellSelect;
    }
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
    SetDisjunct(FDisjunctRowSelect, Value);
}
void TMouseActions::SetDisjunctColSelect(bool Value) {
    SetDisjunct(FDisjunctColSelect, Value);
}
void TMouseActions::SetDisjunctCellSelect(bool Value) {
    SetDisjunct(FDisjunctCellSelect, Value);
}

void TMouseActions::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TMouseActions*>(Source);
    if (source == nullptr || source == this)
        return;
    FWheelAction = source->FWheelAction;
    FDisjunctRowSelect = source->FDisjunctRowSelect;
    FDisjunctColSelect = source->FDisjunctColSelect;
    FDisjunctCellSelect = source->FDisjunctCellSelect;
    AllColumnSize = source->AllColumnSize;
    AllRowSize = source->AllRowSize;
    AllSelect = source->AllSelect;
    AutoSizeColOnDblClick = source->AutoSizeColOnDblClick;
    CaretPositioning = source->CaretPositioning;
    CheckAllCheck = source->CheckAllCheck;
    ColSelect = source->ColSelect;
    DirectComboClose = source->DirectComboClose;
    DirectComboDrop = source->DirectComboDrop;
    DirectDateClose = source->DirectDateClose;
    DirectDateDrop = source->DirectDateDrop;
    DirectEdit = source->DirectEdit;
    DisjunctRowSelectNoCtrl = source->DisjunctRowSelectNoCtrl;
    FixedRowsEdit = source->FixedRowsEdit;
    FixedRowsEditor = source->FixedRowsEditor;
    FixedColsEditor = source->FixedColsEditor;
    FixedColsEdit = source->FixedColsEdit;
    MoveRowOnNodeClick = source->MoveRowOnNodeClick;
    NoAutoRangeScroll = source->NoAutoRangeScroll;
    NodeAllExpandContract = source->NodeAllExpandContract;
    NoScrollOnPartialRow = source->NoScrollOnPartialRow;
    PreciseCheckBoxCheck = source->PreciseCheckBoxCheck;
    PreciseNodeClick = source->PreciseNodeClick;
    RangeSelectAndEdit = source->RangeSelectAndEdit;
    RowSelect = source->RowSelect;
    RowSelectPersistent = source->RowSelectPersistent;
    SelectOnRightClick = source->SelectOnRightClick;
    SizeFixedCol = source->SizeFixedCol;
    WheelIncrement = source->WheelIncrement;
}
