#include "grid/dropdown/ExColorPickerDropDown.h"

#include "grid/dropdown/ColorBoxGrid.h"
#include "grid/dropdown/ColorCubePanel.h"
#include "grid/dropdown/ColorSpectrumPanel.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Screen.h"

#include <array>

namespace {
constexpr int ColorListHeight = 150;
} // namespace

TExColorPickerDropDown::TExColorPickerDropDown(TComponent* AOwner)
    : TExItemPickerDropDown(AOwner), FColors(std::make_unique<TColorItems>(this)) {
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetDropDownHeight(200);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    CreateControls();
}

TExColorPickerDropDown::~TExColorPickerDropDown() = default;

void TExColorPickerDropDown::AddDefaultColors() {
    struct TNamedColor {
        const char* Caption;
        TColor Color;
    };
    static constexpr std::array<TNamedColor, 16> basic{{
        {"Black", 0x000000},
        {"Maroon", 0x000080},
        {"Green", 0x008000},
        {"Olive", 0x008080},
        {"Navy", 0x800000},
        {"Purple", 0x800080},
        {"Teal", 0x808000},
        {"Gray", 0x808080},
        {"Silver", 0xC0C0C0},
        {"Red", 0x0000FF},
        {"Lime", 0x00FF00},
        {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},
        {"Fuchsia", 0xFF00FF},
        {"Aqua", 0xFFFF00},
        {"White", 0xFFFFFF},
    }};
    for (const TNamedColor& named : basic) {
        TColorItem* item = FColors->Add();
        item->SetCaption(named.Caption);
        item->SetColor(named.Color);
    }
}

// --- selection -----------------------------------------------------------------------------------

void TExColorPickerDropDown::SetItemIndex(int Value) {
    if (Value >= FColors->Count() || Value < -1)
        return;
    FItemIndex = Value;
    if (Value >= 0)
        FSelectedColor = FColors->GetItem(Value)->Color();
    Invalidate();
    FireEvent(OnSelect, static_cast<TObject*>(this));
}

void TExColorPickerDropDown::SetSelectedColor(TColor Value) {
    if (FSelectedColor == Value)
        return;
    FSelectedColor = Value;
    int found = -1;
    for (int i = 0; i < FColors->Count() && found < 0; ++i)
        if (FColors->GetItem(i)->Color() == Value)
            found = i;
    // A colour no entry has must not show the caption of the entry selected before.
    if (found >= 0 || FItemIndex >= 0)
        SetItemIndex(found);
    Invalidate();
}

std::string TExColorPickerDropDown::SelectedColorText() const {
    if (FColorSelectionStyle == csList && FItemIndex >= 0 && FItemIndex < FColors->Count())
        return FColors->GetItem(FItemIndex)->Caption();
    return ::ColorValueText(FSelectedColor, FColorValueText);
}

void TExColorPickerDropDown::SetShowText(bool Value) {
    if (FShowText == Value)
        return;
    FShowText = Value;
    Invalidate();
}

void TExColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    TExCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector)
        FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

// --- the popup controls --------------------------------------------------------------------------

void TExColorPickerDropDown::HostControl(TControl* Control) {
    Control->SetLeft(0);
    Control->SetTop(0);
    Control->SetColor(DropDownColor());
    SetControl(Control);
}

void TExColorPickerDropDown::CreateItemSelector() {
    if (!DropDownForm())
        return;
    if (!FItemSelector) {
        FItemSelector = new TExCustomItemSelector(this);
        FItemSelector->SetParent(DropDownForm()->ClientArea());
    }
    FItemSelector->SetSelectorType(stColor);
    FItemSelector->SetHeight(ColorListHeight);
    FItemSelector->UpdateSelectorPanel();
    HostControl(FItemSelector);
}

void TExColorPickerDropDown::CreateColorSelector() {
    if (!DropDownForm())
        return;
    if (!FColorSelector) {
        FColorSelector = new TCustomColorSelector(this);
        FColorSelector->SetParent(DropDownForm()->ClientArea());
        FColorSelector->SetDefaultColorBoxes();
    }
    FColorSelector->UpdateItems();
    HostControl(FColorSelector);
}

void TExColorPickerDropDown::CreateCubePanel() {
    if (!DropDownForm())
        return;
    if (!FColorCubePanel) {
        FColorCubePanel = new TExColorCubePanel(this);
        FColorCubePanel->SetParent(DropDownForm()->ClientArea());
    }
    HostControl(FColorCubePanel);
}

void TExColorPickerDropDown::CreateSpectrumPanel() {
    if (!DropDownForm())
        return;
    if (!FSpectrumPanel) {
        FSpectrumPanel = new TExColorSpectrumPanel(this);
        FSpectrumPanel->SetParent(DropDownForm()->ClientArea());
    }
    HostControl(FSpectrumPanel);
}

void TExColorPickerDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    PrepareStyleControl();
}

void TExColorPickerDropDown::ShowOnly(TControl* Shown) {
    for (TControl* control :
         std::array<TControl*, 4>{FItemSelector, FColorSelector, FColorCubePanel, FSpectrumPanel})
        if (control)
            control->SetVisible(control == Shown);
}

void TExColorPickerDropDown::SyncSelector() {
    if (!FItemSelector)
        return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FillSelectorItems();
    FItemSelector->SetColorBoxHeight(FColorBoxHeight);
    FItemSelector->SetColorBoxWidth(FColorBoxWidth);
    FItemSelector->SetItemAppearance(*FItemAppearance);
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(FItemIndex);
    FItemSelector->OnItemSelect = [this](TObject*) {
        SetItemIndex(FItemSelector->ItemIndex());
        if (!FInternalCall)
            DoHideDropDown(false);
    };
    FItemSelector->SetShowHint(ShowHint());
    if (OnDrawColor)
        FItemSelector->OnDrawItem = [this](TObject*, TCanvas* Canvas, const TRect& R, int Index) {
            OnDrawColor(this, Canvas, R, Index);
        };
    else
        FItemSelector->OnDrawItem = nullptr;
}

void TExColorPickerDropDown::FillSelectorItems() {
    TSelectorItems& items = *FItemSelector->Items();
    items.Clear();
    for (int i = 0; i < FColors->Count(); ++i) {
        const TColorItem& entry = *FColors->GetItem(i);
        TSelectorItem* item = items.Add();
        item->SetCaption(entry.Caption());
        item->SetColor(entry.Color());
        item->SetHint(entry.Hint());
    }
}

void TExColorPickerDropDown::ChooseFromPanel(TColor Color) {
    SetSelectedColor(Color);
    SetItemIndex(-1);
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TExColorPickerDropDown::PrepareStyleControl() {
    switch (FColorSelectionStyle) {
    case csList:
        CreateItemSelector();
        if (!FItemSelector)
            return;
        ShowOnly(FItemSelector);
        SyncSelector();
        FOldItemIndex = FItemIndex;
        break;
    case csDiscrete:
        CreateColorSelector();
        if (!FColorSelector)
            return;
        ShowOnly(FColorSelector);
        FColorSelector->OnItemSelect = nullptr;
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->UpdateItems();
        FColorSelector->OnItemSelect = [this](TObject*) {
            ChooseFromPanel(FColorSelector->SelectedColor());
        };
        FColorSelector->SetItemColorStyle(SelectionColorStyle());
        break;
    case csColorCube:
        CreateCubePanel();
        if (!FColorCubePanel)
            return;
        ShowOnly(FColorCubePanel);
        FColorCubePanel->SetSelectedColor(FSelectedColor);
        FColorCubePanel->BuildCells();
        FColorCubePanel->ResetHotCell();
        FColorCubePanel->OnSelect = [this](TObject*) {
            ChooseFromPanel(FColorCubePanel->SelectedColor());
        };
        break;
    case csSpectrum:
        CreateSpectrumPanel();
        if (!FSpectrumPanel)
            return;
        ShowOnly(FSpectrumPanel);
        FSpectrumPanel->SetSelectedColor(FSelectedColor);
        FSpectrumPanel->ArrangeSpectrum();
        FSpectrumPanel->OnSelect = [this](TObject*) {
            ChooseFromPanel(FSpectrumPanel->SelectedColor());
        };
        break;
    }
}

void TExColorPickerDropDown::DoBeforeDropDown() {
    TExCustomDropDown::DoBeforeDropDown();
    PrepareStyleControl();
    FOldItemIndex = FItemIndex;
    FOldSelectedColor = FSelectedColor;
}

void TExColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
    if (FColorSelectionStyle == Value)
        return;
    FColorSelectionStyle = Value;
    // A size the user gave the list does not fit the other choosers.
    ForgetUserDropDownSize();
    PrepareStyleControl();
    FOldSelectedColor = FSelectedColor;
    RelayoutOpenPopup();
    if (DropDownForm())
        DropDownForm()->Invalidate();
    Invalidate();
}

void TExColorPickerDropDown::PlaceDropDownControl() {
    TExCustomDropDown::PlaceDropDownControl();
    if (FColorSelectionStyle != csList && DropDownForm())
        DropDownForm()->SetSizeable(false);
}

void TExColorPickerDropDown::SizeDropDownForm() {
    if (FColorSelectionStyle == csList) {
        if (FItemSelector) {
            FItemSelector->SetAlign(alNone);
            const TSize panel = FItemSelector->GetPanelSize();
            if (DropDownWidth() < 1)
                FItemSelector->SetWidth(panel.cx);
            if (DropDownHeight() < 1)
                FItemSelector->SetHeight(panel.cy);
        }
        TExCustomDropDown::SizeDropDownForm();
        // A list taller than its room gets a vertical scroll bar, which must not take the
        // width of the names.
        if (FItemSelector && DropDownForm() &&
            FItemSelector->GetPanelSize().cy > DropDownForm()->Height() - PopupFrameHeight())
            DropDownForm()->SetWidth(DropDownForm()->Width() + GetSystemMetrics(SM_CXVSCROLL));
        return;
    }
    if (!DropDownForm())
        return;
    const bool shown = Control() && Control()->Visible();
    if (shown) {
        // Aligned to the popup, the panel took the popup's size: it gets its own back first.
        Control()->SetAlign(alNone);
        RestorePanelSize();
    }
    const int width = shown ? Control()->Width() + 2 * DropDownBorderWidth() : Width();
    const int height = PopupFrameHeight() + (shown ? Control()->Height() : 0);
    DropDownForm()->SetBounds(DropDownForm()->Left(), DropDownForm()->Top(), width, height);
}

void TExColorPickerDropDown::RestorePanelSize() {
    if (FColorSelectionStyle == csDiscrete && FColorSelector)
        FColorSelector->UpdateItems();
    else if (FColorSelectionStyle == csColorCube && FColorCubePanel)
        FColorCubePanel->ResetHotCell();
    else if (FColorSelectionStyle == csSpectrum && FSpectrumPanel)
        FSpectrumPanel->ArrangeSpectrum();
}

void TExColorPickerDropDown::DoHideDropDown(bool Cancelled) {
    const bool open = DropDownForm() && DropDownForm()->Visible();
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (!open || !Cancelled)
        return;
    // A cancel brings back the colour of the opening, whichever chooser moved it.
    const bool changed = FItemIndex != FOldItemIndex || FSelectedColor != FOldSelectedColor;
    FItemIndex = FOldItemIndex < FColors->Count() ? FOldItemIndex : -1;
    FSelectedColor = FOldSelectedColor;
    if (FItemSelector)
        Internal([&] { FItemSelector->SetItemIndex(FItemIndex); });
    Invalidate();
    if (changed)
        FireEvent(OnSelect, static_cast<TObject*>(this));
}

void TExColorPickerDropDown::DropDownFormDestroy() {
    TExCustomDropDown::DropDownFormDestroy();
    // The popup takes its children with it.
    FItemSelector = nullptr;
    FColorSelector = nullptr;
    FColorCubePanel = nullptr;
    FSpectrumPanel = nullptr;
}

// --- painting ------------------------------------------------------------------------------------

void TExColorPickerDropDown::PaintEditContent() {
    TExCustomDropDown::PaintEditContent();
    DrawSelectedColor(Canvas());
}

void TExColorPickerDropDown::DrawSelectedColor(TCanvas* Canvas) {
    if (!Canvas)
        return;
    const TRect r = Rect(1, 1, Width() - 2 - DropDownButtonWidth(), Height() - 2);
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, Canvas, r);
        return;
    }
    if (FSelectedColor == clNone)
        return;
    const int top = r.Top + (Height() - FColorBoxHeight) / 2;
    const TRect swatch = Rect(r.Left + 4, top, r.Left + 4 + FColorBoxWidth, top + FColorBoxHeight);
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(FSelectedColor);
    Canvas->Rectangle(swatch);
    if (!FShowText)
        return;
    Canvas->Font()->Assign(*Font());
    const bool focused = Focused();
    if (!EditorEnabled() && focused)
        Canvas->Font()->SetColor(clHighlightText);
    TRect text = Rect(swatch.Right + 4, r.Top, r.Right, r.Bottom);
    Canvas->Brush()->SetColor(focused ? clHighlight : Color());
    Canvas->DrawText(SelectedColorText(), text,
                     DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}
