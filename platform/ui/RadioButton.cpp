#include "platform/ui/RadioButton.h"

#include "platform/ui/internal/NativeHost.h"

#include <QRadioButton>

namespace {

// Each control sits in a widget of its own, so the native grouping of sibling widgets never
// applies; the group is kept by TRadioButton. A click checks, it never unchecks.
class NativeRadio final : public QRadioButton {
protected:
    void nextCheckState() override {
        if (!isChecked())
            setChecked(true);
    }
};

QRadioButton* NativeRadioButton(const TControl* control) {
    return static_cast<QRadioButton*>(NativeHost::Embedded(control));
}

} // namespace

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
    SetBounds(0, 0, 113, 17);
    auto* button = new NativeRadio();
    button->setAutoExclusive(false);
    NativeHost::Embed(this, button);
    QObject::connect(button, &QRadioButton::toggled, button, [this](bool checked) {
        // Only the checked button of a group is a tab stop, as in the framework.
        SetTabStop(checked);
        if (!checked)
            return;
        if (TWinControl* parent = Parent()) {
            for (int i = 0; i < parent->ControlCount(); ++i) {
                auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
                if (sibling != nullptr && sibling != this)
                    sibling->SetChecked(false);
            }
        }
        Click();
    });
}

TRadioButton::~TRadioButton() {
    NativeRadioButton(this)->disconnect();
}

bool TRadioButton::Checked() const {
    return NativeRadioButton(this)->isChecked();
}

void TRadioButton::SetChecked(bool value) {
    NativeRadioButton(this)->setChecked(value);
}
