#include "platform/ui/Form.h"

#include "platform/ui/Application.h"
#include "platform/ui/internal/ActiveWindowReturn.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"
#include "platform/ui/internal/FormActivationEvents.h"
#include "platform/ui/internal/HiddenWindowKeyboardReturn.h"
#include "platform/ui/internal/InputRouter.h"
#include "platform/ui/internal/QtConvert.h"
#include "platform/ui/internal/WindowFlags.h"

#include <QGuiApplication>
#include <QScreen>

#include <memory>
#include <utility>
#include <vector>

namespace {

// Focus moving inside a container leaves the container entered, as the framework keeps it: the
// exits go from the old control up to the one that holds the new control, the enters from there
// down to the new one. A child editor giving the focus back to its grid thus neither exits nor
// enters the grid. Both chains are taken before any handler runs and may change the tree.
struct TFocusChains {
    std::vector<std::pair<TWinControl*, std::weak_ptr<bool>>> Exits;
    std::vector<std::pair<TWinControl*, std::weak_ptr<bool>>> Enters; // outermost first
};

TFocusChains FocusChains(TForm* form, TWinControl* from, TWinControl* to) {
    TFocusChains chains;
    for (TWinControl* c = from; c && c != form && !(to && c->ContainsControl(to)); c = c->Parent())
        chains.Exits.emplace_back(c, TControlAccess::Alive(c));
    for (TWinControl* c = to; c && c != form && !(from && c->ContainsControl(from));
         c = c->Parent())
        chains.Enters.insert(chains.Enters.begin(), {c, TControlAccess::Alive(c)});
    return chains;
}

// Sends the message along the chain while the form and each control live.
void SendAlong(TForm* form, const std::vector<std::pair<TWinControl*, std::weak_ptr<bool>>>& chain,
               UINT msg) {
    std::weak_ptr<bool> formAlive = TControlAccess::Alive(form);
    for (const auto& [control, alive] : chain) {
        if (formAlive.expired() || alive.expired())
            return;
        control->Perform(msg);
    }
}

// Changing the hints hides a shown window; it comes back as it was.
void ApplyWindowFlags(TForm* form) {
    ControlWidget* widget = TControlAccess::Widget(form);
    const bool shown = widget->isVisible();
    widget->setWindowFlags(
        WindowFlagsFor(form->BorderStyle(), form->BorderIcons(), form->FormStyle()));
    if (shown)
        widget->show();
}

} // namespace

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
    TControlAccess::MakeWindow(this);
    TControlAccess::Widget(this)->setWindowFlags(
        WindowFlagsFor(FBorderStyle, FBorderIcons, FFormStyle));
    SetVisible(false);
    HiddenWindowKeyboardReturn::Watch(this);
    FormActivationEvents::Watch(this);
    TControlAccess::ApplyColor(this);
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
    RunGuarded(this, [this] { FireEvent(OnDestroy, this); });
    TControlAccess::Detach(this);
}

void TForm::DoCreate() {
    if (FCreated)
        return;
    FCreated = true;
    FireEvent(OnCreate, this);
}

// The designs give outer sizes of framed windows: the frame takes 16 pixels across and 39 down.
int TForm::ClientWidth() const {
    return FBorderStyle == bsNone ? Width() : Width() - 16;
}
int TForm::ClientHeight() const {
    return FBorderStyle == bsNone ? Height() : Height() - 39;
}

TModalResult TForm::ShowModal() {
    FModal = true;
    FModalResult = mrNone;
    // However the run ends (an exception included), the form is hidden and no longer modal, and
    // the window it was opened from gets the keyboard back.
    struct EndModal {
        TForm* Form;
        std::unique_ptr<ActiveWindowReturn> Previous;
        ~EndModal() {
            if (Form->Visible())
                Form->SetVisible(false);
            Form->FModal = false;
            Previous.reset();
            if (Form->FReleaseAfterModal) {
                Form->FReleaseAfterModal = false;
                Form->Release();
            }
        }
    } endModal{this, nullptr};
    TTestSeam& seam = Application->TestSeam();
    if (seam.Active()) {
        SetVisible(true);
        seam.RunModal(this);
        if (FModalResult != mrNone)
            CloseModal();
    } else {
        ControlWidget* widget = TControlAccess::Widget(this);
        if (Visible())
            SetVisible(false);
        endModal.Previous = std::make_unique<ActiveWindowReturn>(widget);
        widget->setWindowModality(Qt::ApplicationModal);
        SetVisible(true);
        widget->activateWindow();
        while (true) {
            Application->HandleMessage();
            if (Application->Terminated())
                FModalResult = mrCancel;
            if (FModalResult != mrNone) {
                CloseModal();
                if (FModalResult != mrNone)
                    break;
            }
        }
        widget->setWindowModality(Qt::NonModal);
    }
    return FModalResult;
}

void TForm::CloseModal() {
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action == caNone)
            FModalResult = mrNone;
        else if (action == caFree)
            Release();
        if (FModalResult != mrNone)
            SetVisible(false);
    } catch (...) {
        FModalResult = mrNone;
        Application->HandleException(this);
    }
}

void TForm::Close() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this)
        Application->Terminate();
    if (action == caHide || Application->MainForm() == this)
        SetVisible(false);
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

bool TForm::CloseQuery() {
    bool canClose = true;
    FireEvent(OnCloseQuery, this, canClose);
    return canClose;
}

void TForm::Release() {
    PostMessage(CM_RELEASE);
}

void TForm::SetVisible(bool value) {
    if (value == Visible())
        return;
    ControlWidget* widget = TControlAccess::Widget(this);
    if (value) {
        TWinControl::SetVisible(true);
        DoShow();
        PlaceForShowing();
        widget->show();
        if (!FActiveControl) {
            SelectNext(nullptr, true, true);
        } else {
            TControlAccess::FocusWidget(FActiveControl)->setFocus(Qt::OtherFocusReason);
        }
    } else {
        // A hidden window gets no leave from the platform: the control under the mouse would
        // keep its hot look until the mouse next passes over it.
        TControl* hovered = InputRouter::MouseControl();
        if (hovered && (hovered == this || ContainsControl(hovered))) {
            InputRouter::ForgetMouseControl(hovered);
            hovered->Perform(CM_MOUSELEAVE);
        }
        // The keyboard goes on from the hidden window through its watch (set up with the form).
        TWinControl::SetVisible(false);
        widget->hide();
        DoHide();
    }
}

void TForm::PlaceForShowing() {
    TForm* centreOn = nullptr;
    if (FPosition == poMainFormCenter)
        centreOn = Application->MainForm();
    else if (FPosition == poOwnerFormCenter)
        centreOn = dynamic_cast<TForm*>(Owner());
    if (centreOn == this || (centreOn && !centreOn->Visible()))
        centreOn = nullptr;
    if (centreOn) {
        SetBounds(centreOn->Left() + (centreOn->Width() - Width()) / 2,
                  centreOn->Top() + (centreOn->Height() - Height()) / 2, Width(), Height());
    } else if (FPosition == poScreenCenter || FPosition == poDesktopCenter ||
               FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) {
        QScreen* screen = QGuiApplication::primaryScreen();
        QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        SetBounds(area.x() + (area.width() - Width()) / 2,
                  area.y() + (area.height() - Height()) / 2, Width(), Height());
    }
}

bool TForm::Active() const {
    return TControlAccess::Widget(this)->isActiveWindow();
}

namespace {
// The form whose active control is being left, while the exits run.
const TForm* FormLeavingActiveControl = nullptr;

class LeavingActiveControlScope {
public:
    explicit LeavingActiveControlScope(const TForm* form)
        : FOuter(std::exchange(FormLeavingActiveControl, form)) {}
    ~LeavingActiveControlScope() { FormLeavingActiveControl = FOuter; }
    LeavingActiveControlScope(const LeavingActiveControlScope&) = delete;
    LeavingActiveControlScope& operator=(const LeavingActiveControlScope&) = delete;

private:
    const TForm* FOuter;
};
} // namespace

bool TControlAccess::LeavingActiveControl(const TForm* form) {
    return form != nullptr && form == FormLeavingActiveControl;
}

void TForm::SetActiveControl(TWinControl* control) {
    if (control == this)
        control = nullptr;
    if (control == FActiveControl)
        return;
    if (control && !control->CanFocus() && Visible())
        return;
    TWinControl* old = FActiveControl;
    FActiveControl = control;
    std::weak_ptr<bool> alive = TControlAccess::Alive(this);
    const TFocusChains chains = FocusChains(this, old, control);
    if (old) {
        std::weak_ptr<bool> oldAlive = TControlAccess::Alive(old);
        {
            const LeavingActiveControlScope leaving(this);
            old->Perform(WM_KILLFOCUS);
            SendAlong(this, chains.Exits, CM_EXIT);
        }
        if (!oldAlive.expired())
            old->Invalidate();
    }
    if (alive.expired() || FActiveControl != control)
        return;
    if (control) {
        TControlAccess::FocusWidget(control)->setFocus(Qt::OtherFocusReason);
        control->Perform(WM_SETFOCUS);
        if (!alive.expired() && FActiveControl == control)
            SendAlong(this, chains.Enters, CM_ENTER);
        if (!alive.expired() && FActiveControl == control)
            control->Invalidate();
    }
    if (!alive.expired())
        Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
    if (value == FBorderStyle)
        return;
    int clientWidth = ClientWidth();
    int clientHeight = ClientHeight();
    FBorderStyle = value;
    ControlWidget* widget = TControlAccess::Widget(this);
    bool shown = widget->isVisible();
    widget->setWindowFlags(WindowFlagsFor(FBorderStyle, FBorderIcons, FFormStyle));
    // The client area keeps its size; the frame around it changes.
    SetClientWidth(clientWidth);
    SetClientHeight(clientHeight);
    TControlAccess::ApplyGeometry(this);
    if (shown)
        widget->show();
}

void TForm::SetBorderIcons(TBorderIcons value) {
    FBorderIcons = value;
    ApplyWindowFlags(this);
}

void TForm::SetFormStyle(TFormStyle value) {
    FFormStyle = value;
    ApplyWindowFlags(this);
}

void TForm::SetWindowState(TWindowState value) {
    FWindowState = value;
    ControlWidget* widget = TControlAccess::Widget(this);
    Qt::WindowStates states = widget->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (value == wsMinimized)
        states |= Qt::WindowMinimized;
    else if (value == wsMaximized)
        states |= Qt::WindowMaximized;
    widget->setWindowState(states);
}

void TForm::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_DIALOGKEY:
        if (GetKeyState(VK_MENU) >= 0) {
            WORD key = static_cast<WORD>(Message.WParam);
            const bool movesFocus =
                (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) ||
                ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) &&
                 FActiveControl);
            // From now on native controls mark the focus, as they do after Qt's own Tab.
            if (movesFocus)
                TControlAccess::Widget(this)->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            if (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
                Message.Result = 1;
                return;
            }
            if ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) &&
                FActiveControl) {
                if (TWinControl* parent = FActiveControl->Parent())
                    parent->SelectNext(FActiveControl, key == VK_RIGHT || key == VK_DOWN, false);
                Message.Result = 1;
                return;
            }
        }
        TWinControl::WndProc(Message);
        break;
    case CM_TEXTCHANGED:
        TControlAccess::Widget(this)->setWindowTitle(QtConvert::ToQString(Text()));
        TWinControl::WndProc(Message);
        break;
    case CM_ENABLEDCHANGED:
        TWinControl::WndProc(Message);
        // Disabling a window takes the keyboard from its controls; enabled again, the keys go
        // back to the control the form still shows as focused.
        if (Enabled() && FActiveControl && FActiveControl->CanFocus())
            TControlAccess::FocusWidget(FActiveControl)->setFocus(Qt::OtherFocusReason);
        break;
    case CM_RELEASE:
        if (FModal) {
            FReleaseAfterModal = true;
            break;
        }
        delete this;
        break;
    default:
        TWinControl::WndProc(Message);
        break;
    }
}

void TForm::DoShow() {
    FireEvent(OnShow, this);
}

void TForm::DoHide() {
    FireEvent(OnHide, this);
}

void TForm::DoClose(TCloseAction& Action) {
    FireEvent(OnClose, this, Action);
}

TForm* GetParentForm(const TControl* control) {
    if (!control)
        return nullptr;
    const TControl* top = control;
    while (top->Parent())
        top = top->Parent();
    return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}
