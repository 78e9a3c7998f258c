#include "platform/ui/ActnList.h"

#include "platform/ui/Control.h"

#include <algorithm>

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
    for (TControl* client : FClients)
        client->FAction = nullptr;
}

bool TBasicAction::Execute() {
    if (!OnExecute)
        return false;
    FireEvent(OnExecute, this);
    return true;
}

void TBasicAction::AddClient(TControl* client) {
    if (std::find(FClients.begin(), FClients.end(), client) == FClients.end())
        FClients.push_back(client);
}

void TBasicAction::RemoveClient(TControl* client) {
    std::erase(FClients, client);
}

void TBasicAction::Change() {
    // A control may unlink itself (or others) while it takes the change.
    const std::vector<TControl*> clients = FClients;
    for (TControl* client : clients)
        if (std::find(FClients.begin(), FClients.end(), client) != FClients.end())
            client->ActionChange(this, false);
}

TCustomAction::TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TCustomAction::~TCustomAction() {
    LeaveList();
}

bool TCustomAction::Execute() {
    return FEnabled && TBasicAction::Execute();
}

template <typename T> void TCustomAction::Update(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    Change();
}

void TCustomAction::SetCaption(const std::string& value) {
    Update(FCaption, value);
}

void TCustomAction::SetEnabled(bool value) {
    Update(FEnabled, value);
}

void TCustomAction::SetVisible(bool value) {
    Update(FVisible, value);
}

void TCustomAction::SetHint(const std::string& value) {
    Update(FHint, value);
}

void TCustomAction::SetImageIndex(int value) {
    Update(FImageIndex, value < -1 ? -1 : value);
}

void TCustomAction::SetChecked(bool value) {
    Update(FChecked, value);
}

void TCustomAction::SetGroupIndex(int value) {
    Update(FGroupIndex, value);
}

void TCustomAction::SetActionList(TActionList* value) {
    if (value == FActionList)
        return;
    LeaveList();
    FActionList = value;
    if (value)
        value->FActions.push_back(this);
    Change();
}

void TCustomAction::LeaveList() {
    if (FActionList)
        std::erase(FActionList->FActions, this);
    FActionList = nullptr;
}

int TCustomAction::Index() const {
    if (!FActionList)
        return -1;
    const auto& actions = FActionList->FActions;
    return static_cast<int>(std::find(actions.begin(), actions.end(), this) - actions.begin());
}

TActionList::TActionList(TComponent* AOwner) : TComponent(AOwner) {
    FImageChangeLink.OnChange = [this](TObject*) { ImagesChanged(); };
}

TActionList::~TActionList() {
    for (TCustomAction* action : FActions)
        action->FActionList = nullptr;
}

void TActionList::SetImages(TImageList* value) {
    if (value == Images())
        return;
    if (Images())
        Images()->UnRegisterChanges(&FImageChangeLink);
    if (value)
        value->RegisterChanges(&FImageChangeLink);
    ImagesChanged();
}

void TActionList::ImagesChanged() {
    const std::vector<TCustomAction*> actions = FActions;
    for (TCustomAction* action : actions)
        action->Change();
}
