#pragma once

// The drop-down controls as the string grid's cell editors, one wrapper per editor kind. The
// grid creates each on first use for its kind and publishes it (CalculatorDropDown(), ...) once
// RegisterGridDropDownEditors() has run; a program calls it once at start-up.

#include "grid/dropdown/ExCalculatorDropdown.h"
#include "grid/dropdown/ExColorPickerDropDown.h"
#include "grid/dropdown/ExCustomGridDropDown.h"
#include "grid/dropdown/ExDetailDropDown.h"
#include "grid/dropdown/ExImagePickerDropDown.h"
#include "grid/dropdown/ExMemoDropDown.h"
#include "grid/dropdown/ExMultiColumnDropDown.h"
#include "grid/dropdown/ExTimePickerDropDown.h"
#include "grid/dropdown/ExTrackBarDropDown.h"
#include "grid/dropdown/GridDropDownWrapper.h"

void RegisterGridDropDownEditors();

class TGridCalculatorDropDown
    : public TGridDropDownWrapper<TExCalculatorDropdown, edCalculatorDropDown, caretAtClick> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;

protected:
    // Enter stores the result of the pending operation, not the operand on display. A value
    // the user left untouched stays as the cell holds it: neither the result nor the leaving
    // rewrites it in the number format.
    void FinishPendingResult() override {
        if (!Untouched())
            CalcResult();
    }
    bool FormatsValueOnExit() const override { return !Untouched(); }
    // Each cell starts a calculation of its own.
    void WriteCellText(const std::string& Value) override {
        TGridDropDownWrapper::WriteCellText(Value);
        FLoadedText = Text();
        Engine().DropPendingOperation();
    }

private:
    bool Untouched() const { return Text() == FLoadedText && Engine().PendingOperator() == -1; }

    std::string FLoadedText;
};

class TGridDetailPickerDropDown : public TGridDropDownWrapper<TExDetailDropDown, edDetailDropDown> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};

class TGridColorDropDown
    : public TGridDropDownWrapper<TExColorPickerDropDown, edColorPickerDropDown> {
public:
    explicit TGridColorDropDown(TComponent* AOwner);

protected:
    // The cell's colour is the value; the edit holds the colour's text, which the cell stores.
    void WriteCellColor(TColor Value) override;
    TColor CellColorValue() override { return SelectedColor(); }
};

// Over an image cell (an image of the grid's list, or a data image whose number is the cell's
// value) the value is the image: the edit shows the chosen image with its caption, and the
// cell keeps its text, or takes the chosen number. Over any other cell it edits the text.
class TGridImageDropDown
    : public TGridDropDownWrapper<TExImagePickerDropDown, edImagePickerDropDown> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;

    // Each pick over an image cell shows its caption in the edit.
    void SetItemIndex(int Value) override;

protected:
    int CellImageIndexValue() override { return ImageIndex(); }
    // The grid's image list is the picker's: an empty picker offers every image of it.
    void WriteCellImageIndex(int Value) override;
    // Enter reaches the grid before the picker: the open popup's hot image is taken first.
    void FinishPendingResult() override;
    void WriteCellText(const std::string& Value) override;
    std::string EditedValue() override;
    std::string CellValue() override { return EditedValue(); }
    // The caption in the edit follows the pick: no edit of an image cell's value.
    void Change() override;

private:
    TCellType EditedCellType() const;
    bool EditsCellImage() const;
    void ShowSelectedCaption();

    // The text the cell held when it was written into the editor.
    std::string FCellText;
};

class TGridExGridDropDown
    : public TGridDropDownWrapper<GridDropDown::TCustomExGridDropDown, edExGridDropDown> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;

    // The drop-down's own grid, in its popup.
    TExStringGrid* Grid() const;

protected:
    // The item the cell's text begins; the text itself stays as the cell holds it.
    void WriteCellText(const std::string& Value) override;
};

class TGridTrackbarDropDown
    : public TGridDropDownWrapper<TExTrackBarDropDown, edTrackbarDropDown, caretAtClick> {
public:
    // A cell's number is typed as well as slid.
    explicit TGridTrackbarDropDown(TComponent* AOwner) : TGridDropDownWrapper(AOwner) {
        SetEditorEnabled(true);
    }
    void DoChange() {}

protected:
    // The track bar follows the text only through the virtual writer.
    void WriteCellText(const std::string& Value) override { SetText(Value); }
};

class TGridMemoDropDown
    : public TGridDropDownWrapper<TExMemoDropDown, edMemoDropDown, caretAtClick> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;

protected:
    // The edit shows the first line only: the cell holds all of them.
    void WriteCellText(const std::string& Value) override { SetMemoLines(Value); }
    std::string CellValue() override { return MemoText().Text(); }
    // The editor's text follows the memo as it is typed into, so a key that ends the edit while
    // the popup is open stores what the memo holds.
    void MemoChanged() override {
        TGridDropDownWrapper::MemoChanged();
        if (DroppedDown() && !WritingMemo())
            TakeMemoText();
    }
};

class TGridTimepickerDropDown
    : public TGridDropDownWrapper<TExTimePickerDropDown, edTimePickerDropDown> {
public:
    // A cell's time is typed as well as picked on the clock.
    explicit TGridTimepickerDropDown(TComponent* AOwner) : TGridDropDownWrapper(AOwner) {
        SetFocusDraw(false);
        SetEditorEnabled(true);
    }

protected:
    // The hours are selected, so that typing replaces them.
    void PlaceLoadedCaret() override;
};

class TGridGridDropDown : public TGridDropDownWrapper<TExMultiColumnDropDown, edGridDropDown> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;

protected:
    // The item the cell's text names; the text itself stays as the cell holds it.
    void WriteCellText(const std::string& Value) override;
};
