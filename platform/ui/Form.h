#pragma once

#include "platform/ui/Control.h"

#include <functional>

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// A top-level window. Forms start hidden. Subclasses build their controls in the constructor;
// OnCreate fires from DoCreate, which Application->CreateForm calls after construction.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    // Fires OnCreate once.
    void DoCreate();

    // Shows the form modally and returns once ModalResult is non-zero and the form agreed to
    // close (OnCloseQuery, OnClose). Under the application's test seam it never waits: the
    // seam's modal hook drives the form, or a queued result is taken.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    bool Modal() const { return FModal; }
    // A modal form: ModalResult := mrCancel. Otherwise asks OnCloseQuery, runs OnClose and
    // hides (caHide), frees later (caFree), or stays (caNone).
    void Close();
    // OnCloseQuery's answer (true when unassigned).
    virtual bool CloseQuery();
    // Frees the form after the current handler returns.
    void Release();

    void SetVisible(bool value) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    bool Active() const;
    TWinControl* ActiveControl() const { return FActiveControl; }
    // Makes the control the focused one of this form (focus moves at once when the form is
    // shown), firing OnExit of the old and OnEnter of the new control.
    void SetActiveControl(TWinControl* control);

    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);

    void WndProc(TMessage& Message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);

private:
    friend class TControlAccess;
    // The modal run's close step: CloseQuery and OnClose may refuse (ModalResult back to 0).
    void CloseModal();
    void PlaceForShowing();

    TModalResult FModalResult = mrNone;
    bool FModal = false;
    // Release came while the modal run was still on the form: it goes once the run is over.
    bool FReleaseAfterModal = false;
    bool FCreated = false;
    TWinControl* FActiveControl = nullptr;
    bool FKeyPreview = false;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    TFormStyle FFormStyle = fsNormal;
    TWindowState FWindowState = wsNormal;
};

// The form a control sits on, or nullptr.
TForm* GetParentForm(const TControl* control);
