#include "platform/ui/Control.h"

#include "platform/ui/ActnList.h"
#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Menus.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"
#include "platform/ui/internal/InputRouter.h"
#include "platform/ui/internal/MessageQueue.h"
#include "platform/ui/internal/QtConvert.h"

#include <QCursor>

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FImpl(std::make_unique<Impl>()), FFont(std::make_unique<TFont>()) {
    Application->Initialize();
    FImpl->Widget = new ControlWidget(this);
    FImpl->Widget->hide();
    FFont->OnChange = [this](TObject*) {
        if (!FImpl->TakingParentFont)
            FParentFont = false;
        TControlAccess::ApplyFont(this);
        Perform(CM_FONTCHANGED);
        Invalidate();
    };
    TControlAccess::ApplyFont(this);
}

TControl::~TControl() {
    if (FAction)
        FAction->RemoveClient(this);
    if (FPopupMenu)
        FPopupMenu->RemoveControl(this);
    TControlAccess::Detach(this);
    InputRouter::ForgetMouseControl(this);
    if (FParent)
        FParent->RemoveControl(this);
    MessageQueue::Forget(this);
    delete FImpl->Widget;
    FImpl->Widget = nullptr;
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent || AParent == this)
        return;
    if (FParent)
        FParent->RemoveControl(this);
    FParent = AParent;
    ControlWidget* widget = FImpl->Widget;
    if (!AParent) {
        widget->hide();
        widget->setParent(nullptr);
        return;
    }
    widget->setParent(TControlAccess::Widget(AParent));
    AParent->InsertControl(this);
    TControlAccess::ApplyGeometry(this);
    UpdateAnchorRules();
    widget->setVisible(FVisible);
    // Taking a font equal to the own one would only redo the widget's font and the control's
    // measuring.
    if (FParentFont && !FFont->SameAs(*AParent->Font())) {
        FImpl->TakingParentFont = true;
        FFont->Assign(*AParent->Font());
        FImpl->TakingParentFont = false;
    }
    if (FParentColor)
        SetColor(AParent->Color()), FParentColor = true;
    if (FAlign != alNone)
        AParent->Realign();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    bool resized = AWidth != FWidth || AHeight != FHeight;
    if (!resized && ALeft == FLeft && ATop == FTop)
        return;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    TControlAccess::ApplyGeometry(this);
    if (FParent && !FParent->FAnchoring)
        UpdateAnchorRules();
    if (resized)
        Perform(WM_SIZE, 0, MAKELPARAM(ClientWidth(), ClientHeight()));
    if (FParent && FAlign != alNone && FParent->FAlignDisabled == 0)
        FParent->Realign();
}

TPoint TControl::ClientToScreen(TPoint p) const {
    QPoint global = FImpl->Widget->mapToGlobal(QPoint(TControlAccess::MirroredX(this, p.X), p.Y));
    return {global.x(), global.y()};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    QPoint local = FImpl->Widget->mapFromGlobal(QPoint(p.X, p.Y));
    return {TControlAccess::MirroredX(this, local.x()), local.y()};
}

void TControl::SetAlign(TAlign value) {
    if (value == FAlign)
        return;
    FAlign = value;
    if (FParent)
        FParent->Realign();
}

void TControl::SetAnchors(TAnchors value) {
    FAnchors = value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (!FParent)
        return;
    FAnchorRightGap = FParent->ClientWidth() - (FLeft + FWidth);
    FAnchorBottomGap = FParent->ClientHeight() - (FTop + FHeight);
}

void TControl::ApplyAnchors() {
    if (!FParent || FAlign != alNone)
        return;
    int left = FLeft;
    int top = FTop;
    int width = FWidth;
    int height = FHeight;
    int right = FParent->ClientWidth() - FAnchorRightGap;
    int bottom = FParent->ClientHeight() - FAnchorBottomGap;
    if (FAnchors.Contains(akRight)) {
        if (FAnchors.Contains(akLeft))
            width = right - left;
        else
            left = right - width;
    }
    if (FAnchors.Contains(akBottom)) {
        if (FAnchors.Contains(akTop))
            height = bottom - top;
        else
            top = bottom - height;
    }
    SetBounds(left, top, width, height);
}

void TControl::SetVisible(bool value) {
    if (value == FVisible)
        return;
    FVisible = value;
    if (FParent)
        FImpl->Widget->setVisible(value);
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

bool TControl::Showing() const {
    if (!FVisible)
        return false;
    if (FParent)
        return FParent->Showing();
    return dynamic_cast<const TForm*>(this) != nullptr;
}

void TControl::SetEnabled(bool value) {
    if (value == FEnabled)
        return;
    FEnabled = value;
    FImpl->Widget->setEnabled(value);
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

void TControl::SetText(const std::string& value) {
    if (value == FText)
        return;
    FText = value;
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TControl::SetFont(const TFont* value) {
    if (value)
        FFont->Assign(*value);
}

void TControl::SetParentFont(bool value) {
    FParentFont = value;
    if (value && FParent) {
        FImpl->TakingParentFont = true;
        FFont->Assign(*FParent->Font());
        FImpl->TakingParentFont = false;
    }
}

void TControl::SetColor(TColor value) {
    FParentColor = false;
    if (value == FColor)
        return;
    FColor = value;
    TControlAccess::ApplyColor(this);
    Perform(CM_COLORCHANGED);
    Invalidate();
}

void TControl::SetParentColor(bool value) {
    FParentColor = value;
    if (value && FParent) {
        SetColor(FParent->Color());
        FParentColor = true;
    }
}

void TControl::SetHint(const std::string& value) {
    FHint = value;
    SetShowHint(FShowHint);
}

void TControl::SetShowHint(bool value) {
    FShowHint = value;
    // The short hint: the part before '|'.
    std::string shortHint = FHint.substr(0, FHint.find('|'));
    QWidget* target = FImpl->Native ? FImpl->Native : FImpl->Widget;
    target->setToolTip(value ? QtConvert::ToQString(shortHint) : QString());
}

void TControl::SetCursor(TCursor value) {
    FCursor = value;
    QWidget* target = FImpl->Native ? FImpl->Native : FImpl->Widget;
    if (value == crDefault)
        target->unsetCursor();
    else
        target->setCursor(QtConvert::ToQCursor(value));
}

void TControl::SetShownCursor(TCursor value) {
    QWidget* target = FImpl->Native ? FImpl->Native : FImpl->Widget;
    if (value == crDefault)
        target->unsetCursor();
    else
        target->setCursor(QtConvert::ToQCursor(value));
}

bool TControl::MouseCapture() const {
    return FImpl->MouseCaptured;
}

void TControl::SetMouseCapture(bool value) {
    // The platform already keeps the mouse with the widget a button went down on; the flag is
    // what the framework's code asks about.
    FImpl->MouseCaptured = value;
}

void TControl::BringToFront() {
    FImpl->Widget->raise();
    if (FParent) {
        auto& list = FParent->FControls;
        list.erase(std::find(list.begin(), list.end(), this));
        list.push_back(this);
    }
}

void TControl::SendToBack() {
    FImpl->Widget->lower();
    if (FParent) {
        auto& list = FParent->FControls;
        list.erase(std::find(list.begin(), list.end(), this));
        list.insert(list.begin(), this);
    }
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage message{Msg, WParam, LParam, 0};
    Dispatch(message);
    return message.Result;
}

void TControl::Dispatch(TMessage& Message) {
    if (WindowProc) {
        // Through a copy: the subclassing handler may restore the control's own procedure.
        auto windowProc = WindowProc;
        windowProc(Message);
    } else {
        WndProc(Message);
    }
}

void TControl::PostMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
    MessageQueue::Post(this, TControlAccess::Alive(this), {Msg, WParam, LParam, 0});
}

bool PostMessage(TControl* Control, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (!Control)
        return false;
    Control->PostMessage(Msg, WParam, LParam);
    return true;
}

void TControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        HandleMouseMessage(Message);
        break;
    case WM_MOUSEWHEEL: {
        TShiftState shift = KeyDataToShiftState(0);
        if (GetKeyState(VK_MENU) < 0)
            shift << ssAlt;
        TPoint pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        if (DoMouseWheel(shift, GET_WHEEL_DELTA_WPARAM(Message.WParam), pos))
            Message.Result = 1;
        else
            InputRouter::DefaultWheel(this, Message);
        break;
    }
    case CM_MOUSEENTER:
        MouseEnter();
        break;
    case CM_MOUSELEAVE:
        MouseLeave();
        break;
    case WM_SIZE:
        Resize();
        break;
    case CM_PARENTFONTCHANGED:
        if (FParentFont && FParent) {
            FImpl->TakingParentFont = true;
            FFont->Assign(*FParent->Font());
            FImpl->TakingParentFont = false;
        }
        break;
    case CM_PARENTCOLORCHANGED:
        if (FParentColor && FParent) {
            SetColor(FParent->Color());
            FParentColor = true;
        }
        break;
    default:
        DefaultHandler(Message);
        break;
    }
}

void TControl::HandleMouseMessage(TMessage& Message) {
    int x = GET_X_LPARAM(Message.LParam);
    int y = GET_Y_LPARAM(Message.LParam);
    TShiftState shift;
    if (Message.WParam & MK_SHIFT)
        shift << ssShift;
    if (Message.WParam & MK_CONTROL)
        shift << ssCtrl;
    if (Message.WParam & MK_LBUTTON)
        shift << ssLeft;
    if (Message.WParam & MK_RBUTTON)
        shift << ssRight;
    if (Message.WParam & MK_MBUTTON)
        shift << ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift << ssAlt;
    std::weak_ptr<bool> alive = FImpl->Alive;
    auto gone = [&] { return alive.expired(); };
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
        MouseMove(shift, x, y);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FControlStyle.Contains(csCaptureMouse))
            SetMouseCapture(true);
        if (Message.Msg == WM_LBUTTONDBLCLK) {
            if (FControlStyle.Contains(csClickEvents))
                DblClick();
            if (gone())
                return;
            shift << ssDouble;
        } else if (FControlStyle.Contains(csClickEvents)) {
            FImpl->Clicked = true;
        }
        MouseDown(mbLeft, shift, x, y);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        if (Message.Msg == WM_RBUTTONDBLCLK || Message.Msg == WM_MBUTTONDBLCLK)
            shift << ssDouble;
        MouseDown(Message.Msg <= WM_RBUTTONDBLCLK ? mbRight : mbMiddle, shift, x, y);
        break;
    case WM_LBUTTONUP:
        if (FControlStyle.Contains(csCaptureMouse))
            SetMouseCapture(false);
        if (FImpl->Clicked) {
            FImpl->Clicked = false;
            if (ClientRect().Contains({x, y}))
                Click();
            if (gone())
                return;
        }
        MouseUp(mbLeft, shift, x, y);
        break;
    case WM_RBUTTONUP:
        MouseUp(mbRight, shift, x, y);
        if (!gone() && FPopupMenu && FPopupMenu->AutoPopup() && ClientRect().Contains({x, y})) {
            FPopupMenu->SetPopupComponent(this);
            TPoint screen = ClientToScreen({x, y});
            FPopupMenu->Popup(screen.X, screen.Y);
        }
        break;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shift, x, y);
        break;
    default:
        break;
    }
}

void TControl::Invalidate() {
    FImpl->Widget->update();
}

void TControl::InvalidateRect(const TRect& r) {
    if (FImpl->Mirrored)
        FImpl->Widget->update(
            QRect(FImpl->Widget->width() - r.Right, r.Top, r.Width(), r.Height()));
    else
        FImpl->Widget->update(QtConvert::ToQRect(r));
}

void TControl::Repaint() {
    FImpl->Widget->repaint();
}

void TControl::Update() {
    FImpl->Widget->repaint();
}

void TControl::Click() {
    if (OnClick)
        FireEvent(OnClick, this);
    else
        ExecuteLinkedAction();
}

bool TControl::ExecuteLinkedAction() {
    return FAction && FAction->Execute();
}

void TControl::SetPopupMenu(TPopupMenu* value) {
    if (value == FPopupMenu)
        return;
    if (FPopupMenu)
        FPopupMenu->RemoveControl(this);
    FPopupMenu = value;
    if (value)
        value->AddControl(this);
    // Some controls mark an attached menu.
    Invalidate();
}

void TControl::SetAction(TBasicAction* value) {
    if (value == FAction)
        return;
    if (FAction)
        FAction->RemoveClient(this);
    FAction = value;
    if (value) {
        value->AddClient(this);
        ActionChange(value, ComponentState().Contains(csLoading));
    }
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action)
        return;
    if (!CheckDefaults || Caption().empty())
        SetCaption(action->Caption());
    if (!CheckDefaults || Enabled())
        SetEnabled(action->Enabled());
    if (!CheckDefaults || Hint().empty())
        SetHint(action->Hint());
    if (!CheckDefaults || Visible())
        SetVisible(action->Visible());
}

void TControl::PaintTo(TCanvas* canvas, int X, int Y) {
    QImage* image = canvas ? TCanvasAccess::Image(*canvas) : nullptr;
    if (!image)
        return;
    QWidget::RenderFlags flags = QWidget::DrawChildren;
    if (FImpl->Widget->isWindow() || FImpl->Widget->autoFillBackground())
        flags |= QWidget::DrawWindowBackground;
    FImpl->Widget->render(image, QPoint(X, Y), QRegion(), flags);
}

void TControl::PaintOwnTo(TCanvas* canvas, int X, int Y) {
    QImage* image = canvas ? TCanvasAccess::Image(*canvas) : nullptr;
    if (!image)
        return;
    TCanvasAccess::ReleasePainter(*canvas);
    FImpl->Widget->render(image, QPoint(X, Y), QRegion(), QWidget::DrawWindowBackground);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FireEvent(OnMouseDown, this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    FireEvent(OnMouseMove, this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FireEvent(OnMouseUp, this, Button, Shift, X, Y);
}

void TControl::DblClick() {
    FireEvent(OnDblClick, this);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    bool handled = false;
    FireEvent(OnMouseWheel, this, Shift, WheelDelta, MousePos, handled);
    return handled;
}

void TControl::MouseEnter() {
    FireEvent(OnMouseEnter, this);
}

void TControl::MouseLeave() {
    FireEvent(OnMouseLeave, this);
}

void TControl::Resize() {
    FireEvent(OnResize, this);
}
