#pragma once

#include "platform/ui/Component.h"
#include "platform/ui/ImgList.h"

#include <string>
#include <vector>

class TControl;
class TActionList;

// One command that several controls share. Linked controls are told of its changes and run it
// when clicked; freeing the action unlinks them.
class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;

    // Fires OnExecute; false when there is none.
    virtual bool Execute();
    TNotifyEvent OnExecute;

    int ClientCount() const { return static_cast<int>(FClients.size()); }

protected:
    // Tells every linked control that the action changed.
    void Change();

private:
    friend class TControl;
    void AddClient(TControl* client);
    void RemoveClient(TControl* client);

    std::vector<TControl*> FClients;
};

// An action with the properties its controls take over: caption, enabled state, visibility,
// hint, and a picture of its action list's image list.
class TCustomAction : public TBasicAction {
public:
    explicit TCustomAction(TComponent* AOwner);
    ~TCustomAction() override;

    // A disabled action does not run.
    bool Execute() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value);
    // Index into the action list's Images; -1 for none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // The checked state and the group of mutually exclusive actions (0: none) that controls
    // showing a checked look take over.
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);

    // The list the action belongs to (nullptr for none); it goes when the list goes.
    TActionList* ActionList() const { return FActionList; }
    void SetActionList(TActionList* value);
    // Position in its action list, or -1.
    int Index() const;

private:
    friend class TActionList;
    template <typename T> void Update(T& field, const T& value);
    void LeaveList();

    std::string FCaption;
    bool FEnabled = true;
    bool FVisible = true;
    std::string FHint;
    int FImageIndex = -1;
    bool FChecked = false;
    int FGroupIndex = 0;
    TActionList* FActionList = nullptr;
};

class TAction : public TCustomAction {
public:
    explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
};

// The actions of a window and the image list their pictures come from.
class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* AOwner);
    ~TActionList() override;

    int ActionCount() const { return static_cast<int>(FActions.size()); }
    TCustomAction* Actions(int index) const { return FActions.at(static_cast<size_t>(index)); }

    // nullptr once the image list is freed. Changing the list or its pictures tells the
    // actions' controls.
    TImageList* Images() const { return FImageChangeLink.Sender(); }
    void SetImages(TImageList* value);

private:
    friend class TCustomAction;
    void ImagesChanged();

    std::vector<TCustomAction*> FActions;
    TChangeLink FImageChangeLink;
};
