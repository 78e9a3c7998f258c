#include "grid/foundation/SyncGrid.h"

void TSyncGrid::SetGrid(TBaseGrid* Value) {
    if (Value != nullptr && Value == FOwner)
        return;
    FGrid = Value;
}

void TSyncGrid::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TSyncGrid*>(Source);
    if (source == nullptr || source == this)
        return;
    SetGrid(source->FGrid);
    ScrollVertical = source->ScrollVertical;
    ScrollHorizontal = source->ScrollHorizontal;
    SelectionColumn = source->SelectionColumn;
    SelectionRow = source->SelectionRow;
    MoveColumn = source->MoveColumn;
    MoveRow = source->MoveRow;
}
