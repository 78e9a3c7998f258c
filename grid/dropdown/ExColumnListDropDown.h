#pragma once

#include "grid/dropdown/DropDownColumn.h"
#include "grid/dropdown/DropDownItem.h"
#include "grid/dropdown/DropDownListLook.h"
#include "grid/dropdown/ExCustomDropDown.h"

// The base of the drop-downs whose popup lists items in columns under a header row: the
// columns and items, the list's looks and the style presets that set them, and the steps of the
// selection.
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

    DropDownList::TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(const DropDownList::TDropDownColumns& Value) { FColumns->Assign(&Value); }
    DropDownList::TDropDownItems* Items() const { return FItems.get(); }
    void SetItems(const DropDownList::TDropDownItems& Value) { FItems->Assign(&Value); }
    // The column whose texts the edit shows and typing completes against.
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int Value) { FLookupColumn = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    // Kept for the designer; nothing reads it.
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool Value) { FMatchStart = Value; }
    // The popup is as wide as the list's columns.
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    // The list's columns follow the popup's width (their own Width stays).
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }

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
    std::unique_ptr<DropDownList::TDropDownColumns> FColumns;
    // Made by the derived drop-down, which may bring items of a class of its own.
    std::unique_ptr<DropDownList::TDropDownItems> FItems;
    int FLookupColumn = 0;
    bool FCaseSensitive = false;
    bool FMatchCase = false;
    bool FMatchStart = true;
    bool FDropDownAutoWidth = true;
    bool FColumnSizing = false;
    bool FColumnSizeWithDropDown = true;

private:
    bool FOffice2010Presets;
};
