#include "grid/dropdown/GridDropDownEditors.h"

#include "grid/dropdown/ExGridDropDownGrid.h"
#include "grid/stringgrid/GridDropDownFactory.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/ImgList.h"

namespace {

template <typename TWrapper> TDropDownCellControl* MakeCell(TExStringGrid* Grid) {
    return (new TWrapper(Grid))->Cell();
}

struct TWrapperMaker {
    TEditorType Kind;
    TDropDownCellControl* (*Make)(TExStringGrid* Grid);
};

template <typename TWrapper> constexpr TWrapperMaker MakerOf() {
    return {TWrapper::Kind, &MakeCell<TWrapper>};
}

constexpr TWrapperMaker WrapperMakers[] = {
    MakerOf<TGridCalculatorDropDown>(), MakerOf<TGridDetailPickerDropDown>(),
    MakerOf<TGridColorDropDown>(),      MakerOf<TGridImageDropDown>(),
    MakerOf<TGridExGridDropDown>(),     MakerOf<TGridTrackbarDropDown>(),
    MakerOf<TGridMemoDropDown>(),       MakerOf<TGridTimepickerDropDown>(),
    MakerOf<TGridGridDropDown>(),
};

TDropDownCellControl* MakeWrapperCell(TExStringGrid* Grid, TEditorType Kind) {
    for (const TWrapperMaker& maker : WrapperMakers)
        if (maker.Kind == Kind)
            return maker.Make(Grid);
    return nullptr;
}

// The grid's wrapper of that class; nullptr when the program gave the kind a control of its own.
template <typename TWrapper> TWrapper* WrapperOf(TExStringGrid* Grid) {
    TGridDropDownEditor* editor = Grid->DropDownEditor(TWrapper::Kind);
    auto* cell = editor != nullptr ? dynamic_cast<TGridDropDownCell*>(editor->Control()) : nullptr;
    return cell != nullptr ? dynamic_cast<TWrapper*>(cell->DropDown()) : nullptr;
}

} // namespace

void RegisterGridDropDownEditors() {
    SetDropDownCellControlMaker(&MakeWrapperCell);
}

TGridColorDropDown::TGridColorDropDown(TComponent* AOwner) : TGridDropDownWrapper(AOwner) {
    AddDefaultColors();
    OnSelect = [this](TObject*) { SetTextDirect(SelectedColorText()); };
}

void TGridColorDropDown::WriteCellColor(TColor Value) {
    SetSelectedColor(Value);
    SetTextDirect(SelectedColorText());
}

TCellType TGridImageDropDown::EditedCellType() const {
    return Grid()->GetCellType(Grid()->GetRealCol(), Grid()->Row());
}

bool TGridImageDropDown::EditsCellImage() const {
    const TCellType type = EditedCellType();
    return type == ctImageList || type == ctDataImage;
}

void TGridImageDropDown::SetItemIndex(int Value) {
    if (!EditsCellImage()) {
        TExImagePickerDropDown::SetItemIndex(Value);
        return;
    }
    // The caption follows the pick; a pick is no edit of the text, so it is not reported.
    TExImagePickerDropDown::SetItemIndex(Value);
    ShowSelectedCaption();
}

void TGridImageDropDown::ShowSelectedCaption() {
    const int index = ItemIndex();
    SetTextDirect(index >= 0 && index < Items()->Count() ? Items()->GetItem(index)->Caption()
                                                         : std::string());
}

void TGridImageDropDown::WriteCellImageIndex(int Value) {
    SetImages(dynamic_cast<TImageList*>(Grid()->GridImages));
    if (Items()->Count() == 0)
        AddImagesFromImageList();
    SetImageIndex(Value);
    ShowSelectedCaption();
}

void TGridImageDropDown::WriteCellText(const std::string& Value) {
    FCellText = Value;
    switch (EditedCellType()) {
    case ctDataImage:
        // The number names the image: a value put back (Escape, a refused pick) shows its image.
        SetImageIndex(Grid()->DataImageShown(Grid()->GetRealCol(), Grid()->Row(), Value));
        ShowSelectedCaption();
        break;
    case ctImageList:
        ShowSelectedCaption();
        break;
    default:
        TGridDropDownWrapper::WriteCellText(Value);
        break;
    }
}

std::string TGridImageDropDown::EditedValue() {
    switch (EditedCellType()) {
    case ctDataImage:
        // A number that names no image stays as the cell holds it.
        return ImageIndex() >= 0
                   ? Grid()->DataImageText(Grid()->GetRealCol(), Grid()->Row(), ImageIndex())
                   : FCellText;
    case ctImageList:
        return FCellText;
    default:
        return Text();
    }
}

void TGridImageDropDown::Change() {
    if (EditsCellImage())
        TExImagePickerDropDown::Change();
    else
        TGridDropDownWrapper::Change();
}

void TGridImageDropDown::FinishPendingResult() {
    if (DroppedDown() && ItemSelector() != nullptr && ItemSelector()->ItemHot() >= 0)
        SetItemIndex(ItemSelector()->ItemHot());
}

void TGridExGridDropDown::WriteCellText(const std::string& Value) {
    if (UseItems()) {
        std::string found;
        int row = 0;
        if (!Value.empty())
            FindLookupRow(Value, found, row);
        SetItemIndex(row);
    }
    SetText(Value);
}

void TGridGridDropDown::WriteCellText(const std::string& Value) {
    SetItemIndex(Value.empty() ? 0 : GetItemIndex(Value));
    SetText(Value);
}

void TGridTimepickerDropDown::PlaceLoadedCaret() {
    const std::string shown = TExTimePickerDropDown::Text();
    const size_t hoursEnd = shown.find(CurrentFormatSettings().TimeSeparator);
    SetSelStart(0);
    SetSelLength(static_cast<int>(hoursEnd == std::string::npos ? shown.size() : hoursEnd));
}

TExStringGrid* TGridExGridDropDown::Grid() const {
    return GetGrid();
}

TGridCalculatorDropDown* TExStringGrid::CalculatorDropDown() {
    return WrapperOf<TGridCalculatorDropDown>(this);
}

TGridDetailPickerDropDown* TExStringGrid::DetailPickerDropDown() {
    return WrapperOf<TGridDetailPickerDropDown>(this);
}

TGridColorDropDown* TExStringGrid::ColorPickerDropDown() {
    return WrapperOf<TGridColorDropDown>(this);
}

TGridImageDropDown* TExStringGrid::ImagePickerDropDown() {
    return WrapperOf<TGridImageDropDown>(this);
}

TGridExGridDropDown* TExStringGrid::ExGridDropDown() {
    return WrapperOf<TGridExGridDropDown>(this);
}

TGridTrackbarDropDown* TExStringGrid::TrackbarDropDown() {
    return WrapperOf<TGridTrackbarDropDown>(this);
}

TGridMemoDropDown* TExStringGrid::MemoDropDown() {
    return WrapperOf<TGridMemoDropDown>(this);
}

TGridTimepickerDropDown* TExStringGrid::TimePickerDropDown() {
    return WrapperOf<TGridTimepickerDropDown>(this);
}

TGridGridDropDown* TExStringGrid::GridDropDown() {
    return WrapperOf<TGridGridDropDown>(this);
}
