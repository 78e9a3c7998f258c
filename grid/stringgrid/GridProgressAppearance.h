#pragma once

#include "platform/ui/Object.h"

// Appearance of the progress bars drawn in cells.
class TGridProgressAppearance : public TObject {
public:
    void Assign(const TObject* Source) {
        if (dynamic_cast<const TGridProgressAppearance*>(Source))
            FireEvent(OnChange, this);
    }

    TNotifyEvent OnChange;
};
