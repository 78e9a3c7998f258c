#pragma once

#include "grid/dropdown/ExItemPickerDropDown.h"

#include <functional>
#include <memory>
#include <string>

// One entry of a detail drop-down: a caption, a note below it (mini-HTML) and a picture or an
// image of the drop-down's list, with a user value and object.
class TDetailItem : public TSelectorItem {
public:
    using TSelectorItem::TSelectorItem;

    // From another detail item; anything else is ignored.
    void Assign(const TObject* Source);

    const std::string& Notes() const { return FNotes; }
    void SetNotes(const std::string& Value) { FNotes = Value; }
    TObject* ItemObject() const { return FItemObject; }
    void SetItemObject(TObject* Value) { FItemObject = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

private:
    std::string FNotes;
    TObject* FItemObject = nullptr; // not owned
    int FTag = 0;
};

class TDetailItems : public TButtonCollection<TDetailItem> {
public:
    using TButtonCollection::TButtonCollection;
    // The first item whose caption is Value exactly, -1 for none.
    int IndexOf(const std::string& Value) const;
};

// A drop-down whose popup lists detail items (caption, note, picture) in one column. The edit
// shows the selected item's caption; typing completes the caption of the first item that starts
// with the typed text, and keys search the popup's captions.
class TExDetailDropDown : public TExItemPickerDropDown {
public:
    explicit TExDetailDropDown(TComponent* AOwner);
    ~TExDetailDropDown() override;

    TDetailItems* Items() const { return FItems.get(); }
    void SetItems(const TDetailItems& Value) { FItems->Assign(&Value); }
    int ItemIndex() const override { return FItemIndex; }
    // A valid new index shows its caption and fires OnSelect; -1 empties the edit; anything
    // else is refused.
    void SetItemIndex(int Value) override;
    int PickerItemCount() const override { return FItems->Count(); }
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(const TFont& Value);
    TFont* NotesFont() const { return FNotesFont.get(); }
    void SetNotesFont(const TFont& Value);
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool Value) { FMatchStart = Value; }

    // A text the program writes is not typing: it completes nothing.
    void SetText(const std::string& Value) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void WndProc(TMessage& Message) override;

    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void DoDropDown() override;
    void SizeDropDownForm() override;
    void DoHideDropDown(bool Cancelled) override;
    void DropDownFormSizing() override;
    void DoWheelDown() override;
    void DoWheelUp() override;
    void HandleKeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void Change() override;

private:
    void SyncSelector() override;
    void FillSelectorItems();
    void SelectorItemSelect();
    void DetailItemSize(TSize& Size) const;
    void DrawDetailItem(TCanvas* Canvas, TRect R, int Index);
    // The caption selected in the edit.
    void ShowCaption(int Index);
    // True when the key was consumed by the open popup.
    bool SelectorKey(WORD Key);
    void CompleteTypedText();

    std::unique_ptr<TDetailItems> FItems;
    int FItemIndex = -1;
    int FOldItemIndex = -1;
    int FItemHeight = 22;
    std::unique_ptr<TFont> FCaptionFont;
    std::unique_ptr<TFont> FNotesFont;
    bool FWorkMode = true;
    bool FItemChange = false;
    int FItemIdx = 0;
    int FItemSel = 0;
    bool FCompleting = false;
    bool FMatchCase = false;
    bool FMatchStart = false;
};
