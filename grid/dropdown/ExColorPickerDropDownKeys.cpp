#include "grid/dropdown/ExColorPickerDropDown.h"

#include "grid/dropdown/ColorBoxGrid.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/ui/Keys.h"

#include <algorithm>

void TExColorPickerDropDown::SelectInList(int Index) {
    if (Index < 0 || Index >= FItemSelector->Items()->Count())
        return;
    Internal([&] {
        FItemSelector->SetItemIndex(Index);
        FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
    });
}

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

void TExColorPickerDropDown::ListKey(WORD Key, bool EnterHandled) {
    const bool open = DroppedDown();
    switch (Key) {
    case VK_RETURN:
        if (!EnterHandled)
            FireEvent(OnSelect, static_cast<TObject*>(this));
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (FItemSelector->Items()->Count() != FColors->Count())
            SyncSelector();
        SelectInList(FItemSelector->PageStepTarget(Key == VK_NEXT, FColors->Count() - 1));
        break;
    case VK_END:
        if (open)
            Internal([this] { FItemSelector->SelectLast(); });
        else
            SelectLast();
        break;
    case VK_HOME:
        if (open)
            Internal([this] { FItemSelector->SelectFirst(); });
        else
            SelectFirst();
        break;
    case VK_LEFT:
        if (open && !EditorEnabled())
            Internal([this] { FItemSelector->SelectPrevious(); });
        break;
    case VK_RIGHT:
        if (open && !EditorEnabled())
            Internal([this] { FItemSelector->SelectNext(); });
        break;
    case VK_UP:
        if (!open) {
            SelectPrevious();
        } else {
            const int i =
                FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() - FColumns;
            if (i >= 0)
                SelectInList(i);
        }
        break;
    case VK_DOWN:
        if (!open)
            SelectNext();
        else
            SelectInList(FItemSelector->ItemIndex() < 0 ? 0
                                                        : FItemSelector->ItemIndex() + FColumns);
        break;
    default:
        if (!CurrentShiftState().Contains(ssCtrl))
            Internal([&] { FKeySearch.Type(Key, *FItemSelector); });
        break;
    }
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
        ListKey(key, enterHandled);
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
