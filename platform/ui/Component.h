#pragma once

#include "platform/ui/Object.h"
#include "platform/ui/Set.h"

#include <cstdint>
#include <string>
#include <vector>

enum TComponentStateElement { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateElement>;

// A component is freed by its owner: deleting the owner deletes everything it owns, last
// created first. Deleting an owned component earlier removes it from its owner.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(static_cast<size_t>(index)); }
    // The owned component of that name (ASCII case-insensitive), or nullptr.
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // This component's Notification hears when component goes, whoever owns it (or when
    // nothing does); the arrangement ends when either of the two goes first.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name) { FName = name; }
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t tag) { FTag = tag; }
    TComponentState ComponentState() const { return FComponentState; }

protected:
    // Called on the owner when a component it owns is about to go; lets it drop references.
    virtual void Notification(TComponent* component, bool removing) {}
    void SetComponentState(TComponentStateElement element, bool on);

private:
    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    // Both ends of every free-notification arrangement this component takes part in.
    std::vector<TComponent*> FFreeNotifies;
    std::string FName;
    intptr_t FTag = 0;
    TComponentState FComponentState;
};

// A component another one refers to, kept by that one (the keeper): assigning it asks for a free
// notification, so that the keeper's Notification, which compares the going component with it
// and assigns nullptr, hears of its going whoever owns it.
template <class T>
class TComponentLink {
public:
    explicit TComponentLink(TComponent* Keeper) : FKeeper(Keeper) {}
    TComponentLink(const TComponentLink&) = delete;
    TComponentLink& operator=(const TComponentLink&) = delete;

    TComponentLink& operator=(T* Value) {
        FValue = Value;
        if (Value)
            FKeeper->FreeNotification(Value);
        return *this;
    }
    operator T*() const { return FValue; }
    T* operator->() const { return FValue; }

private:
    TComponent* FKeeper;
    T* FValue = nullptr;
};
