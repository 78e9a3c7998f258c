#include "grid/dropdown/ExImagePickerDropDown.h"

#include "platform/ui/Keys.h"

#include <algorithm>

void TExImagePickerDropDown::SelectInSelector(int Index) {
    if (!FItemSelector || Index < 0 || Index >= FItemSelector->Items()->Count())
        return;
    FInternalCall = true;
    FItemSelector->SetItemIndex(Index);
    FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
    FInternalCall = false;
}

void TExImagePickerDropDown::SelectorKey(WORD Key, bool EnterHandled) {
    const bool open = DroppedDown() && FItemSelector;
    const auto internal = [this](auto Step) {
        FInternalCall = true;
        Step(*FItemSelector);
        FInternalCall = false;
    };
    switch (Key) {
    case VK_RETURN:
        if (!EnterHandled)
            FireEvent(OnSelect, static_cast<TObject*>(this));
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (!FItemSelector)
            break;
        if (FItemSelector->Items()->Count() != FItems->Count())
            SyncSelector();
        SelectInSelector(FItemSelector->PageStepTarget(Key == VK_NEXT, FItems->Count() - 1));
        break;
    case VK_END:
        if (open)
            internal([](TExCustomItemSelector& S) { S.SelectLast(); });
        else
            SelectLast();
        break;
    case VK_HOME:
        if (open)
            internal([](TExCustomItemSelector& S) { S.SelectFirst(); });
        else
            SelectFirst();
        break;
    case VK_LEFT:
        if (open && !EditorEnabled())
            internal([](TExCustomItemSelector& S) { S.SelectPrevious(); });
        break;
    case VK_RIGHT:
        if (open && !EditorEnabled())
            internal([](TExCustomItemSelector& S) { S.SelectNext(); });
        break;
    case VK_UP:
    case VK_DOWN: {
        if (!open) {
            Key == VK_UP ? SelectPrevious() : SelectNext();
            break;
        }
        const int current = FItemSelector->ItemIndex();
        const int step = Key == VK_UP ? -FColumns : FColumns;
        SelectInSelector(current < 0 ? 0 : current + step);
        break;
    }
    default:
        if (!FItemSelector || CurrentShiftState().Contains(ssCtrl))
            break;
        FInternalCall = true;
        FKeySearch.Type(Key, *FItemSelector);
        FInternalCall = false;
        break;
    }
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
