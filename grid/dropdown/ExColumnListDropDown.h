#pragma once

#include "grid/dropdown/DropDownListLook.h"
#include "grid/dropdown/ExCustomDropDown.h"

// The base of the drop-downs whose popup lists items in columns under a header row: the list's
// looks and the style presets that set them.
class TExColumnListDropDown : public TExCustomDropDown, public TDropDownListLook {
public:
    // Office2010Presets: whether the Office 2010 styles also set the list's looks (otherwise
    // they take the base's colours only).
    TExColumnListDropDown(TComponent* AOwner, bool Office2010Presets);

    void SetComponentStyle(TULKStyle AStyle) override;
    // Office 2007, Vista and 7 bring their own line colours.
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }

    // The chosen item (or row), -1 for none.
    int ItemIndex() const { return FItemIndex; }
    virtual void SetItemIndex(int Value) = 0;
    // What the selection steps through.
    virtual int RowCount() const = 0;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectNextPage();
    void SelectPrevious();
    void SelectPreviousPage();

protected:
    // PageUp, PageDown, Up and Down step the selection; End and Home only with HomeEnd.
    void SelectByMoveKey(WORD Key, bool HomeEnd);
    // The list's columns follow the popup's width.
    virtual void SizeColumnsToDropDown() = 0;

    void DropDownFormSizing() override;
    // A wheel step moves the selection.
    void DoWheelDown() override;
    void DoWheelUp() override;
    // Enter, when it moves on as Tab, types nothing.
    void HandleKeyPress(TChar& Key) override;

    // The list's looks of AStyle alone; the base's colours stay.
    void ApplyListStyle(TULKStyle AStyle);

    TColor FSelectionTextColor = 0;
    int FItemIndex = -1;

private:
    bool FOffice2010Presets;
};
