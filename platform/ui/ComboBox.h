#pragma once

#include "platform/ui/ListBox.h"

#include <cstdint>
#include <memory>
#include <string>

class TCanvas;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// What a combo box tells its parent in WM_COMMAND: the code in the high word of WParam, the
// combo box itself (a TComboBox*) in LParam.
constexpr uint16_t CBN_SELCHANGE = 1;
constexpr uint16_t CBN_EDITCHANGE = 5;
constexpr uint16_t CBN_DROPDOWN = 7;
constexpr uint16_t CBN_CLOSEUP = 8;

// A combo box: a drop-down list (csDropDownList) or an edit with a list (csDropDown, csSimple).
// When the user picks an item (by the mouse in the list, the arrow keys, a typed letter or the
// wheel), OnClick fires and then OnSelect, or OnChange when OnSelect is unassigned, and the parent
// hears CBN_SELCHANGE when the selection moved; typing in the edit fires OnChange and tells the
// parent CBN_EDITCHANGE. Opening the list tells it CBN_DROPDOWN after OnDropDown, closing it
// CBN_CLOSEUP after OnCloseUp (after the pick that closed it). What the program sets
// (ItemIndex, Text, Items) fires nothing. Items start unselected: ItemIndex is -1 until an item
// is chosen.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;

    TItemStrings* Items() const { return FItems.get(); }
    int ItemIndex() const;
    // Any index outside the list selects nothing.
    void SetItemIndex(int value);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);

    // The selected item's text in a drop-down list, the edit's text otherwise.
    std::string Text() const override;
    // A drop-down list selects the item of that text (letter case ignored), or nothing when no
    // item has it; the other styles show the text in the edit.
    void SetText(const std::string& value) override;
    void Clear();

    int DropDownCount() const;
    void SetDropDownCount(int value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    // Typed input limit of the edit in UTF-16 units; 0 = no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    // Width of the opened list in pixels; the list is never narrower than the control, so 0
    // keeps it as wide as the control.
    int DroppedWidth() const { return FDroppedWidth; }
    void SetDroppedWidth(int value);
    // The selection in the edit of the editable styles, in UTF-16 units as the framework's;
    // a drop-down list has no edit: 0 and nothing happens.
    int SelStart() const;
    void SetSelStart(int value);
    // The character boundary of the edit nearest a point of the client area; -1 outside the
    // control or without an edit.
    int CharFromPos(TPoint ClientPoint) const;
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    void SelectAll();
    // The canvas the combo box is painted on: descendants draw on it in PaintOver.
    TCanvas* Canvas() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    // Runs each time the platform has painted the combo box, with Canvas drawing on that paint,
    // so a descendant can draw its own frame and button over the platform's.
    virtual void PaintOver() {}

private:
    void NotifyParent(uint16_t Code);

    struct Impl;
    std::unique_ptr<Impl> FImpl;
    std::unique_ptr<TItemStrings> FItems;
    TComboBoxStyle FStyle = csDropDown;
    int FMaxLength = 0;
    int FDroppedWidth = 0;
};
