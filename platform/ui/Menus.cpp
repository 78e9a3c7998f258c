#include "platform/ui/Menus.h"

#include "platform/core/Exception.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/internal/QtConvert.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <map>

namespace {

// The caption as shown: "&&" is a literal '&', a single '&' only marks the accelerator.
std::string WithoutAccelerators(const std::string& caption) {
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == '&')
            continue;
        shown += caption[i];
    }
    return shown;
}

bool Holds(const TMenuItem* ancestor, const TMenuItem* item) {
    for (const TMenuItem* step = item; step; step = step->Parent())
        if (step == ancestor)
            return true;
    return false;
}

using TChoiceMap = std::map<const QAction*, TMenuItem*>;

void BuildMenu(QMenu& menu, const TMenuItem* items, TChoiceMap& choices) {
    for (int i = 0; i < items->Count(); ++i) {
        TMenuItem* item = items->Items(i);
        if (!item->Visible())
            continue;
        if (item->IsLine()) {
            menu.addSeparator();
        } else if (item->Count() > 0) {
            QMenu* sub = menu.addMenu(QtConvert::ToQString(item->Caption()));
            sub->setEnabled(item->Enabled());
            BuildMenu(*sub, item, choices);
        } else {
            QAction* action = menu.addAction(QtConvert::ToQString(item->Caption()));
            action->setEnabled(item->Enabled());
            action->setCheckable(item->Checked());
            action->setChecked(item->Checked());
            choices[action] = item;
        }
    }
}

} // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    // Each held item leaves this one as it goes.
    while (!FItems.empty())
        delete FItems.back();
    if (FParent)
        FParent->Remove(this);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TMenuItem::Add(TMenuItem* Item) {
    if (!Item)
        return;
    if (Item->FParent)
        throw Exception("Menu inserted twice");
    if (Holds(Item, this))
        throw Exception("A menu item cannot hold itself");
    Item->FParent = this;
    FItems.push_back(Item);
}

void TMenuItem::Remove(TMenuItem* Item) {
    auto found = std::find(FItems.begin(), FItems.end(), Item);
    if (found == FItems.end())
        return;
    FItems.erase(found);
    Item->FParent = nullptr;
}

void TMenuItem::Clear() {
    while (!FItems.empty())
        delete FItems.back();
}

TMenuItem* TMenuItem::Find(const std::string& Caption) const {
    const std::string wanted = WithoutAccelerators(Caption);
    for (TMenuItem* item : FItems)
        if (SameText(WithoutAccelerators(item->FCaption), wanted))
            return item;
    return nullptr;
}

void TMenuItem::Click() {
    if (FEnabled)
        FireEvent(OnClick, this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() {
    for (TControl* control : FControls)
        control->FPopupMenu = nullptr;
}

void TPopupMenu::AddControl(TControl* control) {
    if (std::find(FControls.begin(), FControls.end(), control) == FControls.end())
        FControls.push_back(control);
}

void TPopupMenu::RemoveControl(TControl* control) {
    std::erase(FControls, control);
    if (FPopupComponent == control)
        FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int X, int Y) {
    FPopupPoint = {X, Y};
    std::weak_ptr<bool> alive = FAlive;
    FireEvent(OnPopup, this);
    if (alive.expired())
        return;
    TMenuItem* chosen = ShowAndChoose(FPopupPoint);
    if (alive.expired() || !Choosable(chosen))
        return;
    chosen->Click();
}

bool TPopupMenu::Choosable(const TMenuItem* item) const {
    if (!item)
        return false;
    // Found by pointer before it is looked at: it may have been freed while the menu was open.
    std::vector<const TMenuItem*> pending{FItems.get()};
    while (!pending.empty()) {
        const TMenuItem* holder = pending.back();
        pending.pop_back();
        for (int i = 0; i < holder->Count(); ++i) {
            const TMenuItem* entry = holder->Items(i);
            if (!entry->Visible() || !entry->Enabled())
                continue;
            if (entry == item)
                return !entry->IsLine() && entry->Count() == 0;
            pending.push_back(entry);
        }
    }
    return false;
}

TMenuItem* TPopupMenu::ShowAndChoose(TPoint point) {
    TTestSeam& seam = Application->TestSeam();
    if (seam.Active())
        return seam.AnswerPopup(this, point);
    Application->Initialize();
    QMenu menu;
    TChoiceMap choices;
    BuildMenu(menu, FItems.get(), choices);
    if (menu.isEmpty())
        return nullptr;
    const QAction* picked = menu.exec(QPoint(point.X, point.Y));
    auto found = choices.find(picked);
    return found == choices.end() ? nullptr : found->second;
}
