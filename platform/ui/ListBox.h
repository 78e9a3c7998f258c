#pragma once

#include "platform/ui/Control.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TStringList;

// Receives every change of a TItemStrings, so that a list control can mirror it in its widget.
class TItemStringsObserver {
public:
    virtual void ItemInserted(int index, const std::string& text) = 0;
    virtual void ItemDeleted(int index) = 0;
    virtual void ItemChanged(int index, const std::string& text) = 0;
    virtual void ItemsCleared() = 0;

protected:
    ~TItemStringsObserver() = default;
};

// The item texts of a list control (list box, combo box): an ordered list of lines whose every
// change reaches the control at once.
class TItemStrings {
public:
    explicit TItemStrings(TItemStringsObserver& observer) : FObserver(observer) {}
    TItemStrings(const TItemStrings&) = delete;
    TItemStrings& operator=(const TItemStrings&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    // Returns the index of the new item.
    int Add(std::string_view text);
    // An index outside 0..Count() throws Exception.
    void Insert(int index, std::string_view text);
    // An index outside the list throws Exception.
    void Delete(int index);
    void Clear();
    // An index outside the list throws Exception.
    const std::string& operator[](int index) const;
    void Put(int index, std::string_view text);
    // -1 when absent; letter case is ignored, as the framework's item lists do.
    int IndexOf(std::string_view text) const;

    // The items joined with "\n"; SetText splits at "\n", "\r\n" or "\r".
    std::string Text() const;
    void SetText(std::string_view text);
    void Assign(const TStringList& source);
    void Assign(const std::vector<std::string>& source);
    void AddStrings(const TStringList& source);

    std::vector<std::string>::const_iterator begin() const { return FItems.begin(); }
    std::vector<std::string>::const_iterator end() const { return FItems.end(); }

private:
    void CheckIndex(int index, int limit) const;

    TItemStringsObserver& FObserver;
    std::vector<std::string> FItems;
};

// A list of texts the user picks from. OnClick fires when the user selects an item, by a click
// on an item (also the selected one) or by the keyboard; a selection made by the program fires
// nothing.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;

    TItemStrings* Items() const { return FItems.get(); }
    int Count() const { return FItems->Count(); }
    // The selected item (with MultiSelect, the focused one), -1 for none.
    int ItemIndex() const;
    // -1 (or any index outside the list) clears the selection.
    void SetItemIndex(int value);
    bool MultiSelect() const;
    void SetMultiSelect(bool value);
    bool Selected(int index) const;
    void SetSelected(int index, bool value);
    int SelCount() const;
    void ClearSelection();
    void Clear() { FItems->Clear(); }
    // The item under a point of the client area; -1 when there is none there.
    int ItemAtPos(TPoint pos) const;
    // The item's rectangle in the client area; empty when the item is not in view.
    TRect ItemRect(int index) const;
    int TopIndex() const;
    void SetTopIndex(int value);
    // Every item shows a check box; the marks are set by the program (a check list decides
    // itself which input toggles them).
    bool CheckMarks() const;
    void SetCheckMarks(bool value);
    // An index outside the list throws Exception.
    bool Checked(int index) const;
    void SetChecked(int index, bool value);

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
    std::unique_ptr<TItemStrings> FItems;
};
