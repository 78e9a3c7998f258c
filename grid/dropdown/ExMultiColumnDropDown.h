#pragma once

#include "grid/dropdown/ExColumnListDropDown.h"
#include "grid/dropdown/ExMultiColumnDropDownItems.h"
#include "platform/core/StringList.h"

#include <memory>
#include <string>

namespace MultiColumnDropDown {
class TExColGrid;
}

// A drop-down edit whose popup lists items in several columns under a header row. Each item
// holds a text per column and an image; the texts of LookupColumn are what the edit shows and
// what typing completes against. Choosing a row (keys, click, Enter) sets ItemIndex and the
// edit's text; typing while the list has the focus searches the lookup texts. The class is split
// by feature: ExMultiColumnDropDown.cpp (properties, popup) and
// ExMultiColumnDropDownKeys.cpp (keys, completion, search).
class TExMultiColumnDropDown : public TExColumnListDropDown {
public:
    using TDropDownColumns = MultiColumnDropDown::TDropDownColumns;
    using TDropDownItems = MultiColumnDropDown::TDropDownItems;
    using TExColGrid = MultiColumnDropDown::TExColGrid;

    explicit TExMultiColumnDropDown(TComponent* AOwner);
    ~TExMultiColumnDropDown() override;

    // The first item whose lookup text is Value exactly; -1 for none.
    int GetItemIndex(const std::string& Value) const;
    // Items changed between the two take part in typing and search after EndUpdate.
    void BeginUpdate() {}
    void EndUpdate() { UpdateLookupItems(); }
    // The base's looks, then the list settings, columns, items and the index (not the text).
    void Assign(const TObject* Source);

    // A program's write completes nothing.
    void SetText(const std::string& Value) override;

    int DropDownRowHeight() const { return FDropDownRowHeight; }
    // At least 1: the popup's height is rounded to whole rows of it.
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value < 1 ? 1 : Value; }
    // An index at or above the item count is ignored; a negative one empties the text.
    void SetItemIndex(int Value) override;
    int RowCount() const override;
    TExColGrid* ListGrid() const { return FExColGrid; }
    // One lookup text per item ("" for an item without one), as of the last EndUpdate.
    const TStringList& LookupItems() const { return FLookupItems; }
    // What was typed while the list had the focus.
    std::string LookupEntry() const;

    void WndProc(TMessage& Message) override;

    TNotifyEvent OnSelect;
    MultiColumnDropDown::TDrawCellEvent OnDropDownDrawItem;
    // Kept for the designer; not raised.
    MultiColumnDropDown::TGetCellPropEvent OnDropDownGetItemProp;
    MultiColumnDropDown::TGetCellTextEvent OnDropDownGetItemText;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void DoDropDown() override;
    void PlaceDropDownControl() override;
    void SizeDropDownForm() override;
    void DoHideDropDown(bool Cancelled) override;
    void ControlKeyDown(WORD& Key, TShiftState Shift) override;
    void ControlKeyUp(WORD& Key, TShiftState Shift) override;
    void ControlKeyPress(TChar& Key) override;
    void HandleKeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void Change() override;

private:
    // The list row that shows the selected item; 0 when none is or it is gone.
    int ListRowOfItem() const;
    void UpdateLookupItems();
    void SizeColumnsToDropDown() override;
    // The item of a list row; nothing for a row that stands for none.
    void ChooseRow(int ARow);
    void ListSelectCell(int ARow);
    void ListSelect();
    // Enter on a text of the lookup list (any letter case): the entry's spelling and its item.
    void ConfirmTypedEntry();
    void CompleteTypedText();
    // The lookup entry equal to Text (letter case aside); entries of items without a lookup
    // text never match. -1 for none.
    int LookupIndexIgnoringCase(const std::string& Text) const;
    int LookupKey(TChar Key);
    // The first item whose lookup text starts with Entry, with that text; false for none.
    bool FindLookupItem(const std::u16string& Entry, int& Index, std::string& Text) const;
    void SelectTextAfter(int Start);

    bool FShowing = false;
    TExColGrid* FExColGrid = nullptr; // owned as a component
    bool FWorkMode = true;
    TStringList FLookupItems;
    bool FItemChange = false;
    int FItemIdx = 0;
    int FItemSel = 0;
    int FOldItemIndex = -1;
    int FDropDownRowHeight = 22;
    std::u16string FLookupEntry;
    // Set while this control writes the text itself: the change completes nothing.
    bool FProgramWrite = false;
    // The text and selection when the last character was typed, and whether it changed it.
    bool FTypedOverSelection = false;
    bool FChangeSeen = false;
    std::string FTextAtChar;
};
