#include "platform/ui/WindowTimer.h"

#include "platform/ui/Control.h"
#include "platform/ui/Timer.h"

namespace {

// A timer component owned by its control, so it goes when the control goes.
class TWindowTimer : public TTimer {
public:
    TWindowTimer(TControl* Target, uintptr_t ID) : TTimer(Target), FID(ID) {
        SetOnTimer([Target, ID](TObject*) { Target->Perform(WM_TIMER, ID, 0); });
    }
    uintptr_t ID() const { return FID; }

private:
    uintptr_t FID;
};

TWindowTimer* FindTimer(TControl* Control, uintptr_t IDEvent) {
    for (int i = 0; i < Control->ComponentCount(); ++i)
        if (auto* timer = dynamic_cast<TWindowTimer*>(Control->Components(i));
            timer && timer->ID() == IDEvent)
            return timer;
    return nullptr;
}

} // namespace

uintptr_t SetTimer(TControl* Control, uintptr_t IDEvent, unsigned Elapse) {
    if (!Control)
        return 0;
    TWindowTimer* timer = FindTimer(Control, IDEvent);
    if (!timer)
        timer = new TWindowTimer(Control, IDEvent);
    timer->SetInterval(Elapse);
    timer->SetEnabled(true);
    return IDEvent;
}

bool KillTimer(TControl* Control, uintptr_t IDEvent) {
    if (!Control)
        return false;
    TWindowTimer* timer = FindTimer(Control, IDEvent);
    if (!timer)
        return false;
    delete timer;
    return true;
}
