#pragma once

// The private side of controls, shared by the .cpp files of platform/ui.

#include "platform/ui/Control.h"
#include "platform/ui/Form.h"

#include <memory>

class ControlWidget;
class QWidget;

struct TControl::Impl {
    ControlWidget* Widget = nullptr;
    QWidget* Native = nullptr;
    // Cleared when the control goes, so deferred work can tell.
    std::shared_ptr<bool> Alive = std::make_shared<bool>(true);
    // A left button went down on the control and a click may follow on release.
    bool Clicked = false;
    bool MouseCaptured = false;
    // The font is being taken from the parent: it stays the parent's.
    bool TakingParentFont = false;
    // Laid out from the right (see platform/ui/BiDiMode.h).
    bool Mirrored = false;
};

class TControlAccess {
public:
    static ControlWidget* Widget(const TControl* control) { return control->FImpl->Widget; }
    static QWidget* Native(const TControl* control) { return control->FImpl->Native; }
    // The widget that takes the keyboard for the control.
    static QWidget* FocusWidget(const TControl* control);
    static void SetNative(TControl* control, QWidget* native) { control->FImpl->Native = native; }
    static std::weak_ptr<bool> Alive(const TControl* control) { return control->FImpl->Alive; }
    static TCanvas* PaintCanvas(TControl* control) { return control->PaintCanvas(); }
    static bool Mirrored(const TControl* control) { return control->FImpl->Mirrored; }
    static void SetMirrored(TControl* control, bool value);
    // A client x of a mirrored control and the widget's x of the same pixel, either way.
    static int MirroredX(const TControl* control, int x);
    // The user resized a window: take the new client size without pushing it back.
    static void WindowResized(TControl* control, int clientWidth, int clientHeight);
    static void WindowMoved(TControl* control, int left, int top);
    // Detaches the widget so no more events reach a control on its way out.
    static void Detach(TControl* control);
    // Applies the control's state (geometry, font, colour) to its widgets.
    static void ApplyGeometry(TControl* control);
    static void ApplyFont(TControl* control);
    static void ApplyColor(TControl* control);
    static void MakeWindow(TForm* form);
    // The form's close button was pressed.
    static void WindowCloseRequested(TForm* form) { form->Close(); }
    // The platform gave a control the keyboard. While a form is leaving its active control for
    // another, what the leaving does to the platform's focus (a list closing, a control hiding)
    // does not change the form's choice.
    static void FocusReceived(TControl* control);
    static bool LeavingActiveControl(const TForm* form);
    // A control leaves the form: when it holds the focus, the form forgets it without events.
    static void ForgetActiveControl(TForm* form, TControl* control);
    static bool DoKeyDown(TWinControl* control, TMessage& message) {
        return control->DoKeyDown(message);
    }
    static bool DoKeyPress(TWinControl* control, TMessage& message) {
        return control->DoKeyPress(message);
    }
    static bool DoKeyUp(TWinControl* control, TMessage& message) {
        return control->DoKeyUp(message);
    }
};
