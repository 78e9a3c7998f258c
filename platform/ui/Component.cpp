#include "platform/ui/Component.h"

#include "platform/core/Text.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    FComponentState << csDestroying;
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        std::erase(other->FFreeNotifies, this);
        other->Notification(this, true);
    }
    // Last created first, as the owned components may refer to earlier ones.
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        Notification(last, true);
        FComponents.pop_back();
        last->FOwner = nullptr;
        delete last;
    }
    if (FOwner)
        FOwner->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* component : FComponents)
        if (SameText(component->FName, name))
            return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->FOwner == this)
        return;
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* component) {
    auto found = std::find(FComponents.begin(), FComponents.end(), component);
    if (found == FComponents.end())
        return;
    Notification(component, true);
    FComponents.erase(found);
    component->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this ||
        std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) != FFreeNotifies.end())
        return;
    FFreeNotifies.push_back(component);
    component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component)
        return;
    std::erase(FFreeNotifies, component);
    std::erase(component->FFreeNotifies, this);
}

void TComponent::SetComponentState(TComponentStateElement element, bool on) {
    if (on)
        FComponentState << element;
    else
        FComponentState >> element;
}
