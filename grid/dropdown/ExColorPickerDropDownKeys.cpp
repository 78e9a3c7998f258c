#include "grid/dropdown/ExColorPickerDropDown.h"

#include "grid/dropdown/ColorBoxGrid.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/ui/Keys.h"

#include <algorithm>

bool TExColorPickerDropDown::PickHotItem(WORD Key) {
    if (Key != VK_RETURN || !Enabled() || !DroppedDown())
        return false;
    if (FColorSelectionStyle == csList && FItemSelector && FItemSelector->ItemHot() >= 0) {
        FItemSelector->SetItemIndex(FItemSelector->ItemHot());
        return true;
    }
    if (FColorSelectionStyle == csDiscrete && FColorSelector && FColorSelector->ItemHot() >= 0) {
        FColorSelector->SetItemIndex(FColorSelector->ItemHot());
        return true;
    }
    return false;
}

void TExColorPickerDropDown::SelectorKey(WORD Key, bool EnterHandled) {
    if (Key == VK_RETURN && !EnterHandled)
        FireEvent(OnSelect, static_cast<TObject*>(this));
    ListKey(Key);
}

void TExColorPickerDropDown::WndProc(TMessage& Message) {
    if (Message.Msg != WM_KEYDOWN) {
        TExCustomDropDown::WndProc(Message);
        return;
    }
    const auto key = static_cast<WORD>(Message.WParam);
    const bool enterHandled = PickHotItem(key);
    TExCustomDropDown::WndProc(Message);
    if (!Enabled() || CurrentShiftState().Contains(ssAlt))
        return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        SelectorKey(key, enterHandled);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        Internal([&] { FColorSelector->ProcessKey(key, EditorEnabled(), DroppedDown()); });
        if (key == VK_RETURN && !enterHandled)
            FireEvent(OnSelect, static_cast<TObject*>(this));
    }
}

void TExColorPickerDropDown::DoWheelDown() {
    TExCustomDropDown::DoWheelDown();
    if (!Enabled() || ReadOnly())
        return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (DroppedDown())
            FItemSelector->HotNext();
        else
            Internal([this] { FItemSelector->SelectNext(); });
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (DroppedDown())
            FColorSelector->HotNext();
        else
            Internal([this] { FColorSelector->SelectNext(); });
    }
}

void TExColorPickerDropDown::DoWheelUp() {
    TExCustomDropDown::DoWheelUp();
    if (!Enabled() || ReadOnly())
        return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (DroppedDown())
            FItemSelector->HotPrevious();
        else
            Internal([this] { FItemSelector->SelectPrevious(); });
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (DroppedDown())
            FColorSelector->HotPrevious();
        else
            Internal([this] { FColorSelector->SelectPrevious(); });
    }
}
