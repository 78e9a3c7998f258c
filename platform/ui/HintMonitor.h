#pragma once

#include "platform/ui/Component.h"
#include "platform/ui/Types.h"

#include <memory>

class TControl;
class THintWindow;

// Shows a control's hints in a hint window, as the application does for the controls whose
// ShowHint is set: when the mouse rests on the control for HintPause milliseconds, the control
// gets CM_HINTSHOW with a THintInfo (LParam) holding its short hint below the mouse, which it
// may change (text, position, window class, colour, maximum width, the rectangle the hint
// belongs to). A non-zero answer or an empty text shows nothing. The hint goes when the mouse
// leaves that rectangle or the control, or a button, key or wheel is used; moving on into
// another rectangle asks again after HintShortPause. Owned by the control.
class THintMonitor : public TComponent {
public:
    explicit THintMonitor(TControl* Control);
    ~THintMonitor() override;

    TControl* Control() const { return FControl; }
    int HintPause = 500;
    int HintShortPause = 50;

    // Asks the control for its hint for the mouse at ClientPos and shows it at once; false when
    // no hint shows.
    bool ShowHintAt(TPoint ClientPos);
    void HideHint();
    // The window of the hint shown, or nullptr.
    THintWindow* HintWindow() const;

    // The mouse moved on the control (client coordinates): hides a hint it left and times the
    // next one. Called by the monitor's own watch of the control's input.
    void MouseMovedTo(TPoint ClientPos);

private:
    struct Impl;
    TControl* FControl;
    std::unique_ptr<Impl> FImpl;
};
