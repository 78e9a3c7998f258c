#pragma once

#include "grid/stringgrid/GridColumnItem.h"
#include "platform/ui/Object.h"

#include <memory>
#include <vector>

class TExColumnGrid;

// The column items of a column grid, item n for real column n. A change of any item brings the
// grid in step (column count, header list, repaint) unless the collection is updating, the
// grid is loading or FNoRecursiveUpdate breaks the loop back from the grid.
class TGridColumnCollection : public TObject {
public:
    // Owner may be nullptr: a collection that only carries values (the column stream's).
    explicit TGridColumnCollection(TExColumnGrid* Owner);
    ~TGridColumnCollection() override;

    TExColumnGrid* GetOwner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // Index must be below Count.
    TGridColumnItem* GetItem(int Index) const;
    TGridColumnItem* Items(int Index) const { return GetItem(Index); }
    void SetItem(int Index, const TGridColumnItem* Value) { GetItem(Index)->Assign(Value); }
    TGridColumnItem* operator[](int Index) const { return GetItem(Index); }

    // A new last item; after the first it takes the visual settings of the item before it.
    TGridColumnItem* Add();
    // A new item with the initial values at Index (0..Count).
    TGridColumnItem* Insert(int Index);
    void Delete(int Index);
    // The item at FromIndex moves to ToIndex, the items between shift; out-of-range does nothing.
    void Move(int FromIndex, int ToIndex);
    void Clear();
    int IndexOf(const TGridColumnItem* Item) const;
    // The same number of items with the values of Source's.
    void Assign(const TGridColumnCollection& Source);

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    // Brings the item count in line with the grid and numbers DefIdx by position.
    void SetOrganization();
    // Moves every column back to its DefIdx position.
    void ResetOrganization();

    // The change notification every item change ends in.
    void Update();

    bool FNoRecursiveUpdate = false;

private:
    friend class TGridColumnItem;
    TGridColumnItem* Adopt(int Index);

    TExColumnGrid* FOwner;
    std::vector<std::unique_ptr<TGridColumnItem>> FItems;
    int FUpdateCount = 0;
};

// Sets FNoRecursiveUpdate for one scope, giving back the value it found.
class TNoRecursiveUpdate {
public:
    explicit TNoRecursiveUpdate(TGridColumnCollection& Columns)
        : FColumns(Columns), FOld(Columns.FNoRecursiveUpdate) {
        Columns.FNoRecursiveUpdate = true;
    }
    ~TNoRecursiveUpdate() { FColumns.FNoRecursiveUpdate = FOld; }
    TNoRecursiveUpdate(const TNoRecursiveUpdate&) = delete;
    TNoRecursiveUpdate& operator=(const TNoRecursiveUpdate&) = delete;

private:
    TGridColumnCollection& FColumns;
    bool FOld;
};
