#pragma once

#include "platform/ui/Component.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/TestSeam.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>

using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

// The running program: its forms, the event loop, the error report and the dialogs' test seam.
// Owns the forms created through CreateForm and frees them when it goes.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Starts the platform's application object (once); safe to call again.
    void Initialize();
    bool Initialized() const;
    // Frees the forms and the platform application; called by the destructor at the latest.
    void Finalize();

    // Creates a form owned by the application; the first one becomes MainForm. OnCreate fires.
    template <typename T> void CreateForm(T*& reference) {
        T* form = new T(this);
        reference = form;
        FormCreated(form);
    }
    TForm* MainForm() const { return FMainForm; }

    // Shows the main form and runs the event loop until Terminate or the main form closes.
    // Terminated is true only while the run is ending.
    void Run();
    // Start-up work the main form's first picture does not need: Run does it once, right after
    // the main form has been painted on the screen (or after a second when the window system
    // never asks for a paint, and at the latest when the run ends). Replaces an earlier action
    // that has not run yet.
    void AfterMainFormShown(std::function<void()> action);
    // Handles every pending event, posted message and synchronised call, then returns.
    void ProcessMessages();
    // Waits for one event and handles it.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // The error report: called with an exception that escaped an event handler. Fires
    // OnException when assigned, else shows the exception's message in an error box; the program
    // goes on.
    void ShowException(const std::exception& E);
    // For use inside a catch block: reports the exception being handled.
    void HandleException(TObject* Sender);
    TExceptionEvent OnException;

    // The hint of a control whose ShowHint is set: ActivateHint shows the hint of the control at
    // the screen point at once, as when the mouse rested there; CancelHint takes a shown hint
    // away. HintShowing tells whether one shows.
    void ActivateHint(TPoint CursorPos);
    void CancelHint();
    bool HintShowing() const;

    // Returns IDOK, IDYES ... as the button chosen.
    int MessageBox(const std::string& Text, const std::string& Caption, int Flags = MB_OK);

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    bool MainFormOnTaskBar() const { return FMainFormOnTaskBar; }
    void SetMainFormOnTaskBar(bool value) { FMainFormOnTaskBar = value; }
    // Full path of the running program.
    std::string ExeName() const;

    TTestSeam& TestSeam() { return FTestSeam; }

protected:
    void Notification(TComponent* component, bool removing) override;

private:
    void FormCreated(TForm* form);
    void RunAfterShownAction();

    struct Impl;
    std::unique_ptr<Impl> FImpl;
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    std::string FTitle;
    bool FMainFormOnTaskBar = false;
    TTestSeam FTestSeam;
};

extern TApplication* Application;

// Runs the action, reporting an escaping exception through Application's error report instead
// of letting it leave an event dispatch.
void RunGuarded(TObject* Sender, const std::function<void()>& action);
