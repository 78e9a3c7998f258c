#include "grid/dropdown/ExItemPickerDropDown.h"

TExItemPickerDropDown::TExItemPickerDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner), FItemAppearance(std::make_unique<TItemAppearance>()) {}

TExItemPickerDropDown::~TExItemPickerDropDown() = default;

void TExItemPickerDropDown::SetComponentStyle(TULKStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExItemPickerDropDown::ControlKeyPress(TChar& Key) {
    if (DroppedDown() && Key >= u' ')
        return;
    TExCustomDropDown::ControlKeyPress(Key);
}

void TExItemPickerDropDown::DropDownFormKeyPress(TChar& Key) {
    if (DroppedDown() && Key >= u' ')
        return;
    TExCustomDropDown::DropDownFormKeyPress(Key);
}
