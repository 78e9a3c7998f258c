#pragma once

#include "platform/ui/Object.h"

// Balloon tool tips of cells.
class TBalloonSettings : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TBalloonSettings*>(Source))
            SetEnable(source->Enable());
    }
    bool Enable() const { return FEnable; }
    void SetEnable(bool Value) {
        if (FEnable == Value)
            return;
        FEnable = Value;
        FireEvent(OnEnableChange, this);
    }

    TNotifyEvent OnEnableChange;

private:
    bool FEnable = false;
};
