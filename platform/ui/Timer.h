#pragma once

#include "platform/ui/Component.h"

#include <memory>

// Fires OnTimer every Interval milliseconds on the UI thread while Enabled, Interval > 0 and
// OnTimer is assigned; runs under the event loop or Application->ProcessMessages.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // Writing the interval restarts the count.
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned value);
    // Assign through SetOnTimer so that a timer enabled before it starts running.
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent handler);

private:
    void UpdateTimer();
    struct Impl;
    std::unique_ptr<Impl> FImpl;
    bool FEnabled = true;
    unsigned FInterval = 1000;
    TNotifyEvent FOnTimer;
};
