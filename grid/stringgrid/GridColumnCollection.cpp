#include "grid/stringgrid/GridColumnCollection.h"

#include "grid/stringgrid/ExCGrid.h"
#include "grid/stringgrid/GridStrings.h"

#include <algorithm>
#include <cassert>

TGridColumnCollection::TGridColumnCollection(TExColumnGrid* Owner) : FOwner(Owner) {}

TGridColumnCollection::~TGridColumnCollection() = default;

TGridColumnItem* TGridColumnCollection::GetItem(int Index) const {
    assert(Index >= 0 && Index < Count());
    return FItems[static_cast<size_t>(Index)].get();
}

int TGridColumnCollection::IndexOf(const TGridColumnItem* Item) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<size_t>(i)].get() == Item)
            return i;
    return -1;
}

// The item is in the list before its constructor reads the grid, so that it knows its index.
TGridColumnItem* TGridColumnCollection::Adopt(int Index) {
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, std::make_unique<TGridColumnItem>(this));
    return FItems[static_cast<size_t>(Index)].get();
}

TGridColumnItem* TGridColumnCollection::Add() {
    TGridColumnItem* item = Adopt(Count());
    if (Count() > 1)
        item->AssignVisuals(GetItem(Count() - 2));
    Update();
    return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index) {
    TGridColumnItem* item = Adopt(Index);
    Update();
    return item;
}

void TGridColumnCollection::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        return;
    FItems.erase(FItems.begin() + Index);
    Update();
}

void TGridColumnCollection::Move(int FromIndex, int ToIndex) {
    if (FromIndex < 0 || FromIndex >= Count() || ToIndex < 0 || ToIndex >= Count() ||
        FromIndex == ToIndex)
        return;
    std::unique_ptr<TGridColumnItem> item = std::move(FItems[static_cast<size_t>(FromIndex)]);
    FItems.erase(FItems.begin() + FromIndex);
    FItems.insert(FItems.begin() + ToIndex, std::move(item));
    Update();
}

void TGridColumnCollection::Clear() {
    if (FItems.empty())
        return;
    FItems.clear();
    Update();
}

void TGridColumnCollection::Assign(const TGridColumnCollection& Source) {
    if (&Source == this)
        return;
    BeginUpdate();
    while (Count() > Source.Count())
        FItems.pop_back();
    while (Count() < Source.Count())
        Adopt(Count());
    for (int i = 0; i < Count(); ++i)
        GetItem(i)->Assign(Source.GetItem(i));
    EndUpdate();
}

void TGridColumnCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Update();
}

void TGridColumnCollection::SetOrganization() {
    if (FOwner) {
        TNoRecursiveUpdate guard(*this);
        FOwner->SynchronizeItems();
    }
    for (int i = 0; i < Count(); ++i)
        GetItem(i)->DefIdx = i;
}

void TGridColumnCollection::ResetOrganization() {
    if (!FOwner)
        return;
    // Positions read from outside may repeat; a bounded number of passes keeps such a list
    // from moving columns round for ever.
    bool moved = true;
    for (int pass = 0; moved && pass <= Count(); ++pass) {
        moved = false;
        for (int i = 0; i < Count(); ++i) {
            const int target = GetItem(i)->DefIdx;
            if (target >= 0 && target < i && target < FOwner->ColCount() &&
                i < FOwner->ColCount()) {
                FOwner->MoveColumn(i, target);
                moved = true;
            }
        }
    }
}

void TGridColumnCollection::Update() {
    if (FUpdateCount > 0 || FNoRecursiveUpdate || !FOwner || FOwner->Loading())
        return;
    TExColumnGrid* grid = FOwner;
    const int shown = Count() - grid->NumHiddenColumns();
    if (shown != grid->ColCount() && shown > grid->FixedCols()) {
        // The grid's column count must not create items back.
        TNoRecursiveUpdate guard(*this);
        grid->TExStringGrid::SetColCount(shown);
    }
    if (grid->FixedRows() > 0) {
        TStringList headers;
        for (int i = 0; i < Count(); ++i) {
            TGridColumnItem* item = GetItem(i);
            if (item->Header().empty() && i < grid->TotalColCount()) {
                const std::string text = grid->Cells(i, 0);
                if (!text.empty())
                    item->SetHeaderField(text);
            }
            headers.Add(item->Header());
        }
        grid->ColumnHeaders()->Assign(headers);
    }
    grid->Invalidate();
}
