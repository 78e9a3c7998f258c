#pragma once

#include "grid/stringgrid/ButtonCollection.h"

// Base of the items the drop-down panels keep in a TButtonCollection: a changed item makes its
// collection fire OnChange, so the control showing the items can redraw.
class TCollectionItemBase : public TObject {
public:
    explicit TCollectionItemBase(TButtonCollectionBase* Collection) : FCollection(Collection) {}
    TButtonCollectionBase* Collection() const { return FCollection; }

protected:
    void Changed() {
        if (FCollection)
            FCollection->Changed();
    }

private:
    TButtonCollectionBase* FCollection;
};
