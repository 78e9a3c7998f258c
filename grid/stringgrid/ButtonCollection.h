#pragma once

#include "platform/ui/Object.h"

#include <memory>
#include <stdexcept>
#include <vector>

class TComponent;

// The part of a button collection its items and holders see: the owner it answers and the
// change notification items raise.
class TButtonCollectionBase : public TObject {
public:
    explicit TButtonCollectionBase(TComponent* AOwner) : FOwner(AOwner) {}

    TComponent* GetOwner() const { return FOwner; }
    virtual int Count() const = 0;
    // Copies the items of a collection of the same class; from anything else nothing happens.
    virtual void Assign(const TObject* Source) = 0;
    // Fires OnChange (Sender: the collection).
    void Changed() { FireEvent(OnChange, this); }

    TNotifyEvent OnChange;

private:
    TComponent* FOwner;
};

// An ordered collection of buttons of one class; it owns its items. Adding, inserting, deleting
// and copying notify once each.
template <class TItem> class TButtonCollection : public TButtonCollectionBase {
public:
    using TButtonCollectionBase::TButtonCollectionBase;

    int Count() const override { return static_cast<int>(FItems.size()); }
    TItem* Add() { return Insert(Count()); }
    // Index is clamped to 0..Count.
    TItem* Insert(int Index) {
        Index = Index < 0 ? 0 : (Index > Count() ? Count() : Index);
        auto item = std::make_unique<TItem>(this);
        TItem* added = item.get();
        FItems.insert(FItems.begin() + Index, std::move(item));
        Changed();
        return added;
    }
    // Throws std::out_of_range for an index outside 0..Count - 1.
    TItem* GetItem(int Index) const { return FItems.at(CheckedIndex(Index)).get(); }
    // Copies Value into the item at Index.
    void SetItem(int Index, const TItem* Value) { GetItem(Index)->Assign(Value); }
    void Delete(int Index) {
        FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(CheckedIndex(Index)));
        Changed();
    }
    void Clear() {
        FItems.clear();
        Changed();
    }
    void Assign(const TObject* Source) override {
        const auto* source = dynamic_cast<const TButtonCollection*>(Source);
        if (source == nullptr || source == this)
            return;
        std::vector<std::unique_ptr<TItem>> items;
        for (const auto& item : source->FItems) {
            items.push_back(std::make_unique<TItem>(this));
            items.back()->Assign(item.get());
        }
        FItems = std::move(items);
        Changed();
    }

private:
    size_t CheckedIndex(int Index) const {
        if (Index < 0 || Index >= Count())
            throw std::out_of_range("button index out of range");
        return static_cast<size_t>(Index);
    }

    std::vector<std::unique_ptr<TItem>> FItems;
};
