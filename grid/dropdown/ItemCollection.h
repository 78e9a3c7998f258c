#pragma once

#include "platform/core/Exception.h"
#include "platform/ui/Object.h"

#include <memory>
#include <string>
#include <vector>

// The part of a collection its items talk to: a changed item makes the collection fire OnChange
// with itself as the sender, so the control showing the items can redraw.
class TCollectionNotifier : public TObject {
public:
    void Changed() { FireEvent(OnChange, static_cast<TObject*>(this)); }

    TNotifyEvent OnChange;
};

// Base of the items: knows the collection it belongs to.
class TCollectionItemBase : public TObject {
public:
    explicit TCollectionItemBase(TCollectionNotifier* Collection) : FCollection(Collection) {}
    TCollectionNotifier* Collection() const { return FCollection; }

protected:
    void Changed() {
        if (FCollection)
            FCollection->Changed();
    }

private:
    TCollectionNotifier* FCollection;
};

// An ordered list of owned items of one kind. TItem is made from the collection and has
// Assign(const TItem&). A bad index is refused with an exception and changes nothing.
template <class TItem> class TItemCollection : public TCollectionNotifier {
public:
    explicit TItemCollection(TObject* AOwner) : FMyOwner(AOwner) {}

    // The object the collection belongs to (the control showing its items).
    TObject* Owner() const { return FMyOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }

    TItem* Add() { return Insert(Count()); }
    TItem* Insert(int Index) {
        if (Index < 0 || Index > Count())
            throw Exception("List index out of bounds (" + std::to_string(Index) + ")");
        auto item = std::make_unique<TItem>(this);
        TItem* added = item.get();
        FItems.insert(FItems.begin() + Index, std::move(item));
        Changed();
        return added;
    }
    TItem* Items(int Index) const { return FItems[CheckedIndex(Index)].get(); }
    // Writes assign into the item that is there.
    void SetItems(int Index, const TItem& Value) { Items(Index)->Assign(Value); }
    void Delete(int Index) {
        FItems.erase(FItems.begin() + CheckedIndex(Index));
        Changed();
    }
    void Clear() {
        FItems.clear();
        Changed();
    }
    void Assign(const TItemCollection& Source) {
        if (&Source == this)
            return;
        FItems.clear();
        for (const auto& item : Source.FItems) {
            FItems.push_back(std::make_unique<TItem>(this));
            FItems.back()->Assign(*item);
        }
        Changed();
    }

private:
    size_t CheckedIndex(int Index) const {
        if (Index < 0 || Index >= Count())
            throw Exception("List index out of bounds (" + std::to_string(Index) + ")");
        return static_cast<size_t>(Index);
    }

    TObject* FMyOwner;
    std::vector<std::unique_ptr<TItem>> FItems;
};
