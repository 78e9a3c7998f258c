#pragma once

#include "grid/stringgrid/SizingTypes.h"
#include "platform/ui/Object.h"

#include <functional>

// Saving, stretching and width synchronisation of the columns.
class TColumnSize : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TColumnSize*>(Source)) {
            Save = source->Save;
            Stretch = source->Stretch;
            StretchColumn = source->StretchColumn;
            SynchWithGrid = source->SynchWithGrid;
            SynchNormalCellsOnly = source->SynchNormalCellsOnly;
            Rows = source->Rows;
        }
    }

    // Switching the stretch on applies it at once through the owning grid's callback.
    void SetStretch(bool Value) {
        Stretch = Value;
        if (OnStretchChanged)
            OnStretchChanged();
    }

    bool Save = false;
    bool Stretch = false;
    // -1 is the last column.
    int StretchColumn = -1;
    // On a resize the columns are scaled from their remembered widths.
    bool SynchWithGrid = false;
    bool SynchNormalCellsOnly = false;
    TAutoSizeRows Rows = arAll;
    std::function<void()> OnStretchChanged;
};
