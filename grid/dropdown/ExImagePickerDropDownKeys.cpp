#include "grid/dropdown/ExImagePickerDropDown.h"

#include "platform/ui/Keys.h"

#include <algorithm>

void TExImagePickerDropDown::SelectorKey(WORD Key, bool EnterHandled) {
    if (Key == VK_RETURN && !EnterHandled)
        FireEvent(OnSelect, static_cast<TObject*>(this));
    ListKey(Key);
}

void TExImagePickerDropDown::WndProc(TMessage& Message) {
    if (Message.Msg != WM_KEYDOWN) {
        TExCustomDropDown::WndProc(Message);
        return;
    }
    const auto key = static_cast<WORD>(Message.WParam);
    bool enterHandled = false;
    if (Enabled() && DroppedDown() && key == VK_RETURN && FItemSelector &&
        FItemSelector->ItemHot() >= 0) {
        FItemSelector->SetItemIndex(FItemSelector->ItemHot());
        enterHandled = true;
    }
    TExCustomDropDown::WndProc(Message);
    if (Enabled() && !CurrentShiftState().Contains(ssAlt))
        SelectorKey(key, enterHandled);
}

void TExImagePickerDropDown::WheelStep(bool Down) {
    if (!Enabled() || ReadOnly() || !FItemSelector)
        return;
    if (DroppedDown()) {
        Down ? FItemSelector->HotNext() : FItemSelector->HotPrevious();
        return;
    }
    FInternalCall = true;
    Down ? FItemSelector->SelectNext() : FItemSelector->SelectPrevious();
    FInternalCall = false;
}

void TExImagePickerDropDown::DoWheelDown() {
    TExCustomDropDown::DoWheelDown();
    WheelStep(true);
}

void TExImagePickerDropDown::DoWheelUp() {
    TExCustomDropDown::DoWheelUp();
    WheelStep(false);
}
