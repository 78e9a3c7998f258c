#include "grid/dropdown/ExItemPickerDropDown.h"

#include "platform/ui/Keys.h"

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

void TExItemPickerDropDown::SelectInSelector(int Index) {
    if (!FItemSelector || Index < 0 || Index >= FItemSelector->Items()->Count())
        return;
    Internal([&] {
        FItemSelector->SetItemIndex(Index);
        FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
    });
}

void TExItemPickerDropDown::ListKey(WORD Key) {
    const bool open = DroppedDown() && FItemSelector;
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT:
        if (!FItemSelector)
            break;
        if (FItemSelector->Items()->Count() != PickerItemCount())
            SyncSelector();
        SelectInSelector(FItemSelector->PageStepTarget(Key == VK_NEXT, PickerItemCount() - 1));
        break;
    case VK_HOME:
    case VK_END:
        if (open)
            Internal([&] {
                Key == VK_HOME ? FItemSelector->SelectFirst() : FItemSelector->SelectLast();
            });
        else if (!EditorEnabled())
            Key == VK_HOME ? SelectFirst() : SelectLast();
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (open && !EditorEnabled())
            Internal([&] {
                Key == VK_LEFT ? FItemSelector->SelectPrevious() : FItemSelector->SelectNext();
            });
        break;
    case VK_UP:
    case VK_DOWN: {
        if (!open) {
            Key == VK_UP ? SelectPrevious() : SelectNext();
            break;
        }
        const int current = FItemSelector->ItemIndex();
        const int step = Key == VK_UP ? -ListColumns() : ListColumns();
        SelectInSelector(current < 0 ? 0 : current + step);
        Invalidate();
        break;
    }
    default:
        // A closed edit that takes typing completes the typed text instead.
        if (!FItemSelector || CurrentShiftState().Contains(ssCtrl) ||
            (!DroppedDown() && EditorEnabled()))
            break;
        Internal([&] { FKeySearch.Type(Key, *FItemSelector); });
        break;
    }
}
