#pragma once

#include "platform/ui/Object.h"

// Marks rows whose cells were edited; filled in with the editors.
class TShowModified : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TShowModified*>(Source)) {
            Enabled = source->Enabled;
            FireEvent(OnChange, this);
        }
    }

    bool Enabled = false;
    TNotifyEvent OnChange;
};
