#pragma once

#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/dropdown/ItemKeySearch.h"
#include "grid/dropdown/ItemSelector.h"

#include <memory>
#include <string>

// What the drop-downs that pick one item of a list in an item selector share (the colour, detail
// and image pickers): the item layout and look, the popup's selector, the key search over the
// captions and stepping through the items.
class TExItemPickerDropDown : public TExCustomDropDown {
public:
    explicit TExItemPickerDropDown(TComponent* AOwner);
    ~TExItemPickerDropDown() override;

    // -1 for none; each picker says what a change does.
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int Value) = 0;
    // How many items the picker offers; the list steps move through them without the popup.
    virtual int PickerItemCount() const = 0;

    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance->Assign(Value); }
    // The preset reaches the items too.
    void SetComponentStyle(TULKStyle AStyle) override;
    TExCustomItemSelector* ItemSelector() const { return FItemSelector; }

    // Clears the typed search text, as the key timer does.
    void KeyTimerTick() { FKeySearch.Clear(); }
    const std::string& CurrentSearch() const { return FKeySearch.Text(); }
    void SelectFirst() { Step(TListStep::First); }
    void SelectLast() { Step(TListStep::Last); }
    void SelectNext() { Step(TListStep::Next); }
    void SelectPrevious() { Step(TListStep::Previous); }

    TNotifyEvent OnSelect;

protected:
    // A character typed in the open popup searches the items with its key; it types nothing into
    // the edit.
    // The wheel over the open list moves the selection, as it does over the popup's edge.
    bool WheelStepsOverControl() const override { return true; }
    void ControlKeyPress(TChar& Key) override;
    void DropDownFormKeyPress(TChar& Key) override;
    // The keys over the item list, one table for every picker: Page Up and Page Down by a page,
    // Home and End to the ends, Left and Right by one item (in the open list of a picker that
    // takes no typing), Up and Down by a row of the open list (by one item while it is closed),
    // and any other key searches the captions (unless it is typed into an editable edit).
    void ListKey(WORD Key);
    // Selects Index in the open selector and scrolls it into view; nothing outside its items.
    void SelectInSelector(int Index);
    // Fills the selector with the picker's items again.
    virtual void SyncSelector() = 0;
    // Items a row of the selector holds.
    virtual int ListColumns() const { return 1; }
    // Runs Step as the picker's own move: the selector's select event does not close the popup.
    template <typename TStep> void Internal(TStep Step) {
        const bool was = FInternalCall;
        FInternalCall = true;
        Step();
        FInternalCall = was;
    }

    TExCustomItemSelector* FItemSelector = nullptr; // owned as a component
    TItemLayout FLayout = ilCaptionRight;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    TItemKeySearch FKeySearch{this};
    bool FInternalCall = false;

private:
    void Step(TListStep Step) { StepItemIndex(*this, Step, PickerItemCount()); }
};
