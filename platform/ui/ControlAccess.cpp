#include "platform/ui/internal/ControlImpl.h"

#include "platform/ui/Font.h"
#include "platform/ui/internal/ControlWidget.h"
#include "platform/ui/internal/QtConvert.h"

#include <QPalette>

void TControlAccess::WindowResized(TControl* control, int clientWidth, int clientHeight) {
    int width = clientWidth + (control->FWidth - control->ClientWidth());
    int height = clientHeight + (control->FHeight - control->ClientHeight());
    if (width == control->FWidth && height == control->FHeight)
        return;
    control->FWidth = width;
    control->FHeight = height;
    if (QWidget* native = control->FImpl->Native)
        native->setGeometry(0, 0, clientWidth, clientHeight);
    control->Perform(WM_SIZE, 0, MAKELPARAM(clientWidth, clientHeight));
}

void TControlAccess::WindowMoved(TControl* control, int left, int top) {
    control->FLeft = left;
    control->FTop = top;
}

void TControlAccess::Detach(TControl* control) {
    control->SetComponentState(csDestroying, true);
    *control->FImpl->Alive = false;
    if (control->FImpl->Widget)
        control->FImpl->Widget->Detach();
}

void TControlAccess::ApplyGeometry(TControl* control) {
    ControlWidget* widget = control->FImpl->Widget;
    if (widget->isWindow()) {
        widget->move(control->FLeft, control->FTop);
        QSize client(control->ClientWidth(), control->ClientHeight());
        auto* form = dynamic_cast<TForm*>(control);
        // Only a sizeable frame lets the user change the window's size.
        if (form && form->BorderStyle() != bsSizeable && form->BorderStyle() != bsSizeToolWin)
            widget->setFixedSize(client);
        else {
            widget->setMinimumSize(0, 0);
            widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            widget->resize(client);
        }
    } else {
        // A child of a control laid out from the right stands mirrored in it.
        const TControl* parent = control->FParent;
        const int left = parent && parent->FImpl->Mirrored
                             ? parent->FImpl->Widget->width() - control->FLeft - control->FWidth
                             : control->FLeft;
        widget->setGeometry(left, control->FTop, control->FWidth, control->FHeight);
    }
    if (QWidget* native = control->FImpl->Native)
        native->setGeometry(0, 0, control->ClientWidth(), control->ClientHeight());
    if (control->FImpl->Mirrored)
        if (auto* holder = dynamic_cast<TWinControl*>(control))
            for (TControl* child : holder->FControls)
                ApplyGeometry(child);
}

int TControlAccess::MirroredX(const TControl* control, int x) {
    return control->FImpl->Mirrored ? control->FImpl->Widget->width() - 1 - x : x;
}

void TControlAccess::SetMirrored(TControl* control, bool value) {
    if (control->FImpl->Mirrored == value)
        return;
    control->FImpl->Mirrored = value;
    control->FImpl->Widget->setLayoutDirection(value ? Qt::RightToLeft : Qt::LeftToRight);
    if (auto* holder = dynamic_cast<TWinControl*>(control))
        for (TControl* child : holder->FControls)
            ApplyGeometry(child);
    control->Invalidate();
}

void TControlAccess::ApplyFont(TControl* control) {
    QFont font = QtConvert::ToQFont(*control->FFont);
    QColor color = QtConvert::ToQColor(control->FFont->Color());
    for (QWidget* widget :
         {static_cast<QWidget*>(control->FImpl->Widget), control->FImpl->Native}) {
        if (!widget)
            continue;
        widget->setFont(font);
        // The disabled group keeps the style's greyed text, so a disabled control looks it.
        QPalette palette = widget->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::WindowText, color);
            palette.setColor(group, QPalette::Text, color);
            palette.setColor(group, QPalette::ButtonText, color);
        }
        widget->setPalette(palette);
    }
}

void TControlAccess::ApplyColor(TControl* control) {
    QColor color = QtConvert::ToQColor(control->FColor);
    ControlWidget* widget = control->FImpl->Widget;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    // Controls that paint themselves erase their own background; plain containers and forms get
    // theirs filled.
    bool container =
        dynamic_cast<TWinControl*>(control) && !control->PaintCanvas() && !control->FImpl->Native;
    widget->setAutoFillBackground(container);
    if (QWidget* native = control->FImpl->Native) {
        QPalette nativePalette = native->palette();
        nativePalette.setColor(QPalette::Base, color);
        nativePalette.setColor(QPalette::Window, color);
        native->setPalette(nativePalette);
    }
}

void TControlAccess::MakeWindow(TForm* form) {
    ControlWidget* widget = form->FImpl->Widget;
    widget->setParent(nullptr);
    widget->setWindowFlags(Qt::Window);
    widget->hide();
}

void TControlAccess::FocusReceived(TControl* control) {
    auto* win = dynamic_cast<TWinControl*>(control);
    TForm* form = GetParentForm(control);
    if (win && form && form != win && form->ActiveControl() != win &&
        !LeavingActiveControl(form))
        form->SetActiveControl(win);
}

void TControlAccess::ForgetActiveControl(TForm* form, TControl* control) {
    TWinControl* active = form->FActiveControl;
    auto* win = dynamic_cast<TWinControl*>(control);
    if (active && (active == control || (win && win->ContainsControl(active))))
        form->FActiveControl = nullptr;
}

QWidget* TControlAccess::FocusWidget(const TControl* control) {
    if (QWidget* native = control->FImpl->Native)
        return native;
    return control->FImpl->Widget;
}
