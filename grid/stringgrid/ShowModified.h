#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

// Marks rows whose cells were edited, in Color.
class TShowModified : public TObject {
public:
    // Copies Enabled and Color; the grid repaints its marks through OnChange.
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TShowModified*>(Source)) {
            Enabled = source->Enabled;
            FColor = source->FColor;
            FireEvent(OnChange, this);
        }
    }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) {
        FColor = Value;
        FireEvent(OnChange, this);
    }

    bool Enabled = false;
    TNotifyEvent OnChange;

private:
    TColor FColor = clYellow;
};
