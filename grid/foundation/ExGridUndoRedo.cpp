#include "grid/foundation/ExGridUndoRedo.h"

#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/ListIndex.h"

TUndoRedoItem* TUndoRedoCollection::Items(int Index) const {
    CheckListIndex(Index, Count());
    return FItems[static_cast<size_t>(Index)].get();
}

TUndoRedoItem* TUndoRedoCollection::Add() {
    FItems.push_back(std::make_unique<TUndoRedoItem>());
    return FItems.back().get();
}

void TUndoRedoCollection::Delete(int Index) {
    CheckListIndex(Index, Count());
    FItems.erase(FItems.begin() + Index);
}

void TUndoRedoCollection::Truncate(int Index) {
    if (Index >= 0 && Index < Count())
        FItems.erase(FItems.begin() + Index, FItems.end());
}

TExGridUndoRedo::~TExGridUndoRedo() {
    SetGrid(nullptr);
}

// The link is kept both ways and one to one: a component recording for one grid and undoing
// into another would write the wrong cells, and a grid left pointing at a freed component
// would record into freed memory.
void TExGridUndoRedo::SetGrid(TBaseGrid* Value) {
    if (FGrid == Value)
        return;
    TBaseGrid* old = FGrid;
    FGrid = Value;
    if (old != nullptr && old->UndoRedo() == this)
        old->SetUndoRedo(nullptr);
    if (Value != nullptr && Value->UndoRedo() != this)
        Value->SetUndoRedo(this);
}

TUndoRedoItem* TExGridUndoRedo::AppendEntry() {
    FItems.Truncate(FLevel);
    TUndoRedoItem* item = FItems.Add();
    FLevel = FItems.Count();
    return item;
}

void TExGridUndoRedo::RegisterChange(int ACol, int ARow, const std::string& OldValue,
                                     const std::string& NewValue) {
    FItems.Truncate(FLevel);
    // A limit lowered after entries were recorded is met at once, oldest entries first.
    while (FMaxLevel > 0 && FItems.Count() > 0 && FItems.Count() >= FMaxLevel)
        FItems.Delete(0);
    FLevel = FItems.Count();
    TUndoRedoItem* item = AppendEntry();
    item->Col = ACol;
    item->Row = ARow;
    item->Value = NewValue;
    item->OrigValue = OldValue;
}

void TExGridUndoRedo::StartSequence() {
    AppendEntry()->SequenceStart = true;
}

void TExGridUndoRedo::StopSequence() {
    AppendEntry()->SequenceStop = true;
}

void TExGridUndoRedo::Apply(const TUndoRedoItem& item, bool undo) {
    // A marker reached as a plain entry (its partner was dropped or never written) names no cell.
    if (item.SequenceStart || item.SequenceStop)
        return;
    if (item.Col < 0)
        return; // its column was removed
    const std::string& text = undo ? item.OrigValue : item.Value;
    const TExGridUndoRedoEvent& event = undo ? OnUndo : OnRedo;
    if (event)
        event(this, FGrid, item.Col, item.Row, FGrid->Cells(item.Col, item.Row), text);
    FGrid->SetCells(item.Col, item.Row, text);
    // Rows or columns may have gone since the change was recorded: the text is restored in the
    // cell store, but the current cell only moves to a cell that still exists.
    int col = FGrid->DisplColIndex(item.Col);
    if (col >= 0 && col < FGrid->ColCount() && item.Row >= 0 && item.Row < FGrid->RowCount())
        FGrid->FocusCell(col, item.Row, true);
}

void TExGridUndoRedo::InvalidateGrid() {
    FGrid->Invalidate();
}

void TExGridUndoRedo::Undo() {
    if (FGrid == nullptr || FLevel <= 0 || FItems.Count() < FLevel)
        return;
    const TUndoRedoItem* entry = FItems.Items(FLevel - 1);
    if (!entry->SequenceStop) {
        Apply(*entry, true);
        --FLevel;
        return;
    }
    --FLevel;
    while (FLevel > 0 && !FItems.Items(FLevel - 1)->SequenceStart) {
        Apply(*FItems.Items(FLevel - 1), true);
        --FLevel;
    }
    if (FLevel > 0)
        --FLevel; // over the start marker
    InvalidateGrid();
}

void TExGridUndoRedo::Redo() {
    if (FGrid == nullptr || FLevel >= FItems.Count() || FLevel < 0)
        return;
    ++FLevel;
    const TUndoRedoItem* entry = FItems.Items(FLevel - 1);
    if (!entry->SequenceStart) {
        Apply(*entry, false);
        return;
    }
    ++FLevel;
    while (FLevel <= FItems.Count() && !FItems.Items(FLevel - 1)->SequenceStop) {
        Apply(*FItems.Items(FLevel - 1), false);
        ++FLevel;
    }
    if (FLevel > FItems.Count())
        FLevel = FItems.Count();
    InvalidateGrid();
}

void TExGridUndoRedo::ColumnsChanged(const std::function<int(int)>& NewColumn) {
    for (int i = 0; i < FItems.Count(); ++i) {
        TUndoRedoItem* item = FItems.Items(i);
        if (!item->SequenceStart && !item->SequenceStop && item->Col >= 0)
            item->Col = NewColumn(item->Col);
    }
}

void TExGridUndoRedo::Reset() {
    FItems.Clear();
    FLevel = 0;
}

void TExGridUndoRedo::Notification(TComponent* component, bool removing) {
    TComponent::Notification(component, removing);
    if (removing && component != nullptr &&
        static_cast<const void*>(component) == static_cast<const void*>(FGrid))
        SetGrid(nullptr); // and the grid's side, if it still points here
}
