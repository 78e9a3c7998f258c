#pragma once

#include "platform/ui/Object.h"

class TBaseGrid;

// Another grid whose scrolling, selection and row or column moves follow the owning grid.
class TSyncGrid : public TObject {
public:
    explicit TSyncGrid(TBaseGrid* AOwner) : FOwner(AOwner) {}

    void Assign(const TObject* Source);

    TBaseGrid* Owner() const { return FOwner; }
    TBaseGrid* Grid() const { return FGrid; }
    // A grid cannot follow itself: the owning grid is refused and the link stays as it was.
    void SetGrid(TBaseGrid* Value);

    bool ScrollVertical = false;
    bool ScrollHorizontal = false;
    bool SelectionColumn = false;
    bool SelectionRow = false;
    bool MoveColumn = false;
    bool MoveRow = false;

private:
    TBaseGrid* FOwner;
    TBaseGrid* FGrid = nullptr;
};
