#pragma once

#include "grid/dropdown/ColorItem.h"
#include "grid/dropdown/ColorValueText.h"
#include "grid/dropdown/ExItemPickerDropDown.h"

#include <functional>
#include <memory>
#include <string>

class TCustomColorSelector;
class TExColorCubePanel;
class TExColorSpectrumPanel;

// Which chooser the colour picker's popup shows.
enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };

// A drop-down for choosing a colour: the edit shows a swatch of the colour and its text, the
// popup a list of named colours, the box grid, the colour cube or the spectrum. The edit is not
// typed into; keys step through the named colours or search them by their captions.
class TExColorPickerDropDown : public TExItemPickerDropDown {
public:
    explicit TExColorPickerDropDown(TComponent* AOwner);
    ~TExColorPickerDropDown() override;

    // Appends the sixteen basic colours to Colors.
    void AddDefaultColors();

    TColorItems* Colors() const { return FColors.get(); }
    void SetColors(const TColorItems& Value) { FColors->Assign(&Value); }
    int ItemIndex() const override { return FItemIndex; }
    // An index past the colours is refused; a valid one takes its colour. Fires OnSelect.
    void SetItemIndex(int Value) override;
    int PickerItemCount() const override { return FColors->Count(); }
    TColor SelectedColor() const { return FSelectedColor; }
    // The first entry with the colour becomes the selected one; with none, no entry is.
    void SetSelectedColor(TColor Value);
    // The selected entry's caption in the list style, else the colour in ColorValueText's form.
    virtual std::string SelectedColorText() const;

    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText Value) { FColorValueText = Value; }
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value) { FColorBoxWidth = Value; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value) { FColorBoxHeight = Value; }
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);

    // The popup controls; each exists once its style was shown.
    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TExColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
    TExColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }

    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void WndProc(TMessage& Message) override;

    TOnDrawSelectedItem OnDrawSelectedColor;
    TDrawItemEvent OnDrawColor;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void PlaceDropDownControl() override;
    void SizeDropDownForm() override;
    void DoHideDropDown(bool Cancelled) override;
    void DropDownFormDestroy() override;
    void DoWheelDown() override;
    void DoWheelUp() override;
    void PaintEditContent() override;

private:
    void CreateItemSelector();
    void CreateColorSelector();
    void CreateCubePanel();
    void CreateSpectrumPanel();
    // The popup control of the current style, made when missing, the others hidden.
    void PrepareStyleControl();
    // The box grid, cube or spectrum panel at its own size.
    void RestorePanelSize();
    // Makes the control the popup's hosted one, at the top left in the popup colour.
    void HostControl(TControl* Control);
    void SyncSelector() override;
    int ListColumns() const override { return FColumns; }
    void FillSelectorItems();
    void ShowOnly(TControl* Shown);
    void ChooseFromPanel(TColor Color);
    void DrawSelectedColor(TCanvas* Canvas);
    // Keys of the list style and of the box grid; true when Enter picked the hot item.
    bool PickHotItem(WORD Key);
    void SelectorKey(WORD Key, bool EnterHandled);

    // The choosers, owned as components.
    TExColorCubePanel* FColorCubePanel = nullptr;
    TExColorSpectrumPanel* FSpectrumPanel = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    int FColumns = 1;
    std::unique_ptr<TColorItems> FColors;
    int FItemIndex = -1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = csList;
    TColor FSelectedColor = clNone;
    bool FShowText = true;
    int FOldItemIndex = -1;
    TColor FOldSelectedColor = clNone;
    TColorValueText FColorValueText = cvtNone;
};
