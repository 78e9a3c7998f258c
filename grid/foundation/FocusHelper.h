#pragma once

#include "platform/ui/Object.h"

class TComponent;

// The switch of the grid's focus helper window.
class TFocusHelper : public TObject {
public:
    explicit TFocusHelper(TComponent* AOwner) : FOwner(AOwner) {}

    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TFocusHelper*>(Source))
            Enabled = source->Enabled;
    }
    TComponent* Owner() const { return FOwner; }

    bool Enabled = false;

private:
    TComponent* FOwner;
};
