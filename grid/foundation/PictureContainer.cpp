#include "grid/foundation/PictureContainer.h"

#include "platform/core/Text.h"

#include <algorithm>

TPictureItem::TPictureItem() : FPicture(std::make_unique<THTMLPicture>()) {}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(const TPictureItem& Source) {
    if (&Source == this)
        return;
    FName = Source.FName;
    FTag = Source.FTag;
    FPicture->Assign(Source.FPicture.get());
}

TPictureItem* TPictureCollection::Add() {
    return Insert(Count());
}

TPictureItem* TPictureCollection::Insert(int Index) {
    Index = std::clamp(Index, 0, Count());
    auto at = FItems.insert(FItems.begin() + Index, std::make_unique<TPictureItem>());
    return at->get();
}

void TPictureCollection::Delete(int Index) {
    if (Index >= 0 && Index < Count())
        FItems.erase(FItems.begin() + Index);
}

TPictureItem* TPictureCollection::Items(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[static_cast<size_t>(Index)].get() : nullptr;
}

void TPictureCollection::SetItems(int Index, const TPictureItem& Value) {
    if (TPictureItem* item = Items(Index))
        item->Assign(Value);
}

bool TPictureCollection::Animate() {
    bool changed = false;
    for (const auto& item : FItems)
        changed = item->Picture()->Step() || changed;
    return changed;
}

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this)) {}

TPictureContainer::~TPictureContainer() = default;

void TPictureContainer::SetItems(std::unique_ptr<TPictureCollection> Value) {
    if (Value)
        FItems = std::move(Value);
}

THTMLPicture* TPictureContainer::FindPicture(std::string_view Name) const {
    for (int i = 0; i < FItems->Count(); ++i)
        if (SameText(FItems->Items(i)->Name(), Name))
            return FItems->Items(i)->Picture();
    return nullptr;
}
