#pragma once

#include "platform/ui/Object.h"
#include "platform/ui/Thread.h"

// Fades a glyph button's hot-track blend: every 30 ms it runs the button's fade step on the UI
// thread; the fade step suspends the thread again when the blend is gone.
class TGlyphButtonThread : public TThread {
public:
    explicit TGlyphButtonThread(TNotifyEvent notify);

    // Starts the thread the first time, resumes it when it is suspended.
    void Wake();

protected:
    void Execute() override;

private:
    TNotifyEvent FNotify;
    bool FStarted = false;
};
