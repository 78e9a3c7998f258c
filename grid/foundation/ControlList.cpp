#include "grid/foundation/ControlList.h"

#include "grid/foundation/ListIndex.h"
#include "platform/ui/Control.h"

void TControlList::AddControl(int X, int Y, TObject* AObject) {
    FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<size_t>(i)]->X() == X && FItems[static_cast<size_t>(i)]->Y() == Y)
            return i;
    return -1;
}

TControlItem* TControlList::Control(int i) const {
    CheckListIndex(i, Count());
    return FItems[static_cast<size_t>(i)].get();
}

void TControlList::RemoveControl(int i) {
    CheckListIndex(i, Count());
    FItems.erase(FItems.begin() + i);
}

bool TControlList::HasHandle(const TWinControl* Handle) const {
    if (Handle == nullptr)
        return false;
    for (const auto& item : FItems)
        if (dynamic_cast<const TWinControl*>(item->Control()) == Handle)
            return true;
    return false;
}
