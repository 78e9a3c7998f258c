#pragma once

#include "platform/ui/Component.h"
#include "platform/ui/Types.h"

#include <memory>
#include <string>
#include <vector>

class TControl;

// One entry of a menu, and the sub-menu of the entries it holds. An item frees the items it
// holds; an item freed earlier leaves its parent. The caption "-" makes a separator line.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { FCaption = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool value) { FChecked = value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool IsLine() const { return FCaption == "-"; }

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
    TMenuItem* Parent() const { return FParent; }
    int IndexOf(const TMenuItem* item) const;
    // Appends the item. Throws for an item that already has a parent or would hold itself.
    void Add(TMenuItem* Item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* Item);
    // Frees the items held.
    void Clear();
    // The held item whose caption, without its '&' marks, is Caption (ASCII case-insensitive).
    TMenuItem* Find(const std::string& Caption) const;

    // Fires OnClick when enabled.
    virtual void Click();
    TNotifyEvent OnClick;

private:
    std::string FCaption;
    bool FEnabled = true;
    bool FVisible = true;
    bool FChecked = false;
    std::string FHint;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
};

// A menu that opens at a point of the screen, for a control's right click or for a control that
// opens it itself. Freeing it unlinks the controls that show it.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // The root item: its items are the menu's entries.
    TMenuItem* Items() const { return FItems.get(); }
    // A right click on a linked control opens the menu.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    // The control the menu was last opened for; nullptr once that control lets go of the menu.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value) { FPopupComponent = value; }
    TPoint PopupPoint() const { return FPopupPoint; }

    // Fires OnPopup, shows the menu at the screen point and waits until an item is chosen (its
    // OnClick fires) or the menu is dismissed. Under the active test seam the seam chooses.
    virtual void Popup(int X, int Y);
    TNotifyEvent OnPopup;

private:
    friend class TControl;
    void AddControl(TControl* control);
    void RemoveControl(TControl* control);
    // The choice, when it is still an enabled entry of this menu shown to the user.
    bool Choosable(const TMenuItem* item) const;
    TMenuItem* ShowAndChoose(TPoint point);

    std::unique_ptr<TMenuItem> FItems;
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
    TPoint FPopupPoint;
    std::vector<TControl*> FControls;
    // Expires when the menu goes, which a handler run during Popup may do.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
