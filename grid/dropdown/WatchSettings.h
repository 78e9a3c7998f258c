#pragma once

#include "platform/ui/Object.h"

// Stores Value in Field; true when that changed it, so the caller reports the change.
template <typename T> bool StoreChanged(T& Field, const T& Value) {
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}

// How a clock runs by itself from the system clock.
class TWatchSettings : public TObject {
public:
    // Second and TimeOffset copied quietly; Auto written, so a change of it is reported.
    void Assign(const TWatchSettings& Source) {
        FSeconds = Source.FSeconds;
        FTimeOffset = Source.FTimeOffset;
        SetAuto(Source.FAuto);
    }
    void Changed() { FireEvent(OnChange, static_cast<TObject*>(this)); }

    // The system time plus TimeOffset minutes, running; input is then ignored.
    bool Auto() const { return FAuto; }
    void SetAuto(bool Value) { Store(FAuto, Value); }
    // The second hand, drawn only while Auto.
    bool Second() const { return FSeconds; }
    void SetSecond(bool Value) { Store(FSeconds, Value); }
    int TimeOffset() const { return FTimeOffset; }
    void SetTimeOffset(int Value) { Store(FTimeOffset, Value); }

    TNotifyEvent OnChange;

private:
    template <typename T> void Store(T& Field, T Value) {
        if (StoreChanged(Field, Value))
            Changed();
    }

    bool FAuto = false;
    bool FSeconds = true;
    int FTimeOffset = 0;
};
