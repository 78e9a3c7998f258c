#pragma once

#include "grid/dropdown/ExItemPickerDropDown.h"

#include <memory>
#include <string>
#include <vector>

// One image of an image picker: a picture of its own or an image of the picker's list, with a
// caption and a hint; the popup's items are of the same kind.
using TImageItem = TSelectorItem;
using TImageItems = TButtonCollection<TImageItem>;

// A drop-down that shows the selected image instead of text and offers the images in a popup
// grid of Columns columns. Keys and the wheel move the selection; typed keys search the
// captions.
class TExImagePickerDropDown : public TExItemPickerDropDown {
public:
    explicit TExImagePickerDropDown(TComponent* AOwner);
    ~TExImagePickerDropDown() override;

    TImageItems* Items() const { return FItems.get(); }
    void SetItems(const TImageItems& Value) { FItems->Assign(&Value); }
    int ItemIndex() const override { return FItemIndex; }
    // An index of the items, or any negative value for none (read back as -1); a change
    // repaints and fires OnChange and OnSelect. An index past the items is ignored.
    void SetItemIndex(int Value) override;
    int PickerItemCount() const override { return FItems->Count(); }
    // The selected item's image index, -1 without one.
    int ImageIndex() const;
    // Selects the first item with that image index, none when no item has it.
    void SetImageIndex(int Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }

    // Appends an item per readable picture file of the folder that matches the pattern ending
    // Pattern ("folder/*.bmp"); sub-folders are not entries. Returns the names of the matching
    // files it skipped because they hold no picture it can read.
    std::vector<std::string> AddImagesFromFolder(const std::string& Pattern, bool SetImageCaption);
    // Appends an item per image of Images.
    void AddImagesFromImageList();

    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void WndProc(TMessage& Message) override;

    TOnDrawSelectedItem OnDrawSelectedImage;
    TDrawItemEvent OnDrawItem;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void SizeDropDownForm() override;
    void DoHideDropDown(bool Cancelled) override;
    void DoWheelDown() override;
    void DoWheelUp() override;
    void PaintEditContent() override;

private:
    void SyncSelector() override;
    void HighlightSelectedItem();
    int ListColumns() const override { return FColumns; }
    void SelectorKey(WORD Key, bool EnterHandled);
    void WheelStep(bool Down);
    void DrawSelectedImage(TCanvas* Canvas);

    int FColumns = 1;
    std::unique_ptr<TImageItems> FItems;
    int FItemIndex = -1;
    int FOldItemIndex = -1;
};
