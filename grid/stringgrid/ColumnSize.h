#pragma once

#include "platform/ui/Object.h"

// Saving and stretching of the column widths.
class TColumnSize : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TColumnSize*>(Source)) {
            Save = source->Save;
            Stretch = source->Stretch;
            StretchColumn = source->StretchColumn;
        }
    }

    bool Save = false;
    bool Stretch = false;
    int StretchColumn = -1;
};
