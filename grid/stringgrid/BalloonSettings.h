#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <cstdint>

class TBalloonWindow;
class TWinControl;

// The grid's balloon tips: whether they are on, their colours (clNone: the platform's), their
// delays in milliseconds (-1: the platform's) and their translucency (0: opaque).
class TBalloonSettings : public TObject {
public:
    // Copies the colours, the delays and Enable of other balloon settings without notifying;
    // Transparency stays.
    void Assign(const TObject* Source);

    bool Enable() const { return FEnable; }
    // Stores the value and always fires OnEnableChange, so the grid can switch its balloons.
    void SetEnable(bool Value);

    TColor BackgroundColor = clNone;
    TColor TextColor = clNone;
    int InitialDelay = -1;
    int ReshowDelay = -1;
    int AutoHideDelay = -1;
    uint8_t Transparency = 0;

    // Creates Tool's balloon window (owned by Tool) with the title icon and text a fresh balloon
    // carries, the delays that are set and the translucency; nullptr when one was created and not
    // yet released.
    TBalloonWindow* CreateBalloonWindow(TWinControl* Tool);
    // Frees the window CreateBalloonWindow made (nullptr: nothing) and allows a new one.
    void ReleaseBalloonWindow(TBalloonWindow* Window);
    bool BalloonWindowCreated() const { return FWindowCreated; }

    TNotifyEvent OnEnableChange;

private:
    bool FEnable = false;
    bool FWindowCreated = false;
};
