#include "platform/ui/CheckBox.h"

#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"

#include <QCheckBox>

namespace {

QAbstractButton* NativeButton(const TControl* control) {
    return static_cast<QAbstractButton*>(NativeHost::Embedded(control));
}

QCheckBox* NativeCheckBox(const TControl* control) {
    return static_cast<QCheckBox*>(NativeHost::Embedded(control));
}

Qt::CheckState ToCheckState(TCheckBoxState state) {
    switch (state) {
    case cbChecked:
        return Qt::Checked;
    case cbGrayed:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

TCheckBoxState FromCheckState(int state) {
    switch (state) {
    case Qt::Checked:
        return cbChecked;
    case Qt::PartiallyChecked:
        return cbGrayed;
    default:
        return cbUnchecked;
    }
}

} // namespace

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
    SetControlStyle(ControlStyle() >> csClickEvents);
}

void TButtonControl::SetAlignment(TAlignment value) {
    FAlignment = value;
    NativeButton(this)->setLayoutDirection(value == taLeftJustify ? Qt::RightToLeft
                                                                  : Qt::LeftToRight);
}

void TButtonControl::SetText(const std::string& value) {
    TWinControl::SetText(value);
    NativeButton(this)->setText(QtConvert::ToQString(value));
}

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
    auto* box = new QCheckBox();
    NativeHost::Embed(this, box);
    // The one place where a new check mark is taken over and reported, from the user or not.
    QObject::connect(box, &QCheckBox::stateChanged, box, [this](int state) {
        FState = FromCheckState(state);
        NativeCheckBox(this)->setTristate(FAllowGrayed || FState == cbGrayed);
        Click();
    });
}

TCheckBox::~TCheckBox() {
    NativeCheckBox(this)->disconnect();
}

void TCheckBox::SetState(TCheckBoxState value) {
    QCheckBox* box = NativeCheckBox(this);
    if (value == cbGrayed)
        box->setTristate(true);
    box->setCheckState(ToCheckState(value));
}

void TCheckBox::SetAllowGrayed(bool value) {
    FAllowGrayed = value;
    // A grayed box keeps its state until the user clicks it.
    NativeCheckBox(this)->setTristate(value || FState == cbGrayed);
}
