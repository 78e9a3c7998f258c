// How the grid passes its looks on: the flat colour tones to itself and its editors, and the
// tones and style presets to the drop-down editors it already made.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/CellNode.h"
#include "grid/foundation/ControlGlyphBitmaps.h"
#include "grid/foundation/EsgEditButton.h"
#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/DropDownCellControl.h"
#include "grid/stringgrid/GridCombo.h"
#include "grid/stringgrid/GridDatePicker.h"
#include "grid/stringgrid/GridDropDownEditor.h"
#include "grid/stringgrid/GridEditBtn.h"
#include "grid/stringgrid/GridSpin.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Font.h"

#include <array>
#include <vector>

namespace {

// The button colours an editor takes from the tones: face, hot, pressed and frame.
template <typename TButtonOwner>
void ApplyButtonTones(TButtonOwner& Owner, const TColorTones& Tones) {
    Owner.SetButtonColor(Tones.Background.BrushColor);
    Owner.SetButtonColorHot(Tones.Hover.BrushColor);
    Owner.SetButtonColorDown(Tones.Selected.BrushColor);
    Owner.SetButtonBorderColor(Tones.Background.BorderColor);
}

void LoadToneGlyph(TControlLook& Look, void (TControlLook::*Setter)(const TBitmap*),
                   const char* Name) {
    TBitmap glyph;
    if (BuildControlGlyph(Name, glyph))
        (Look.*Setter)(&glyph);
}

// The drop-down editors made so far, in the order of Kinds; kinds not made yet are skipped.
template <size_t N, typename TApply>
void ForMadeDropDowns(const std::vector<TGridDropDownEditor*>& Editors,
                      const std::array<TEditorType, N>& Kinds, TApply Apply) {
    for (TEditorType kind : Kinds)
        for (TGridDropDownEditor* editor : Editors)
            if (editor->Kind() == kind && editor->Control() != nullptr)
                Apply(*editor->Control());
}

} // namespace

void TExStringGrid::SetColorTones(const TColorTones& ATones) {
    Tones = ATones;
    SetLook(glClassic);
    SetFlat(true);
    SetScrollType(ssMetro);

    SetFixedColor(ATones.Foreground.BrushColor);
    FFixedFont->SetColor(ATones.Foreground.TextColor);
    FFixedFont->SetName(GetDefaultFontName());
    SetColor(ATones.Background.BrushColor);
    Font()->SetName(GetDefaultFontName());
    Font()->SetColor(ATones.Background.TextColor);

    SetSelectionColor(ATones.Selected.BrushColor);
    SetSelectionTextColor(ATones.Selected.TextColor);
    SetSelectionColorTo(clNone);

    SetGridLineColor(0xE6E6E6);
    SetGridFixedLineColor(ShadeColor(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(bsNone);

    FControlLook->SetControlStyle(csGlyph);
    LoadToneGlyph(*FControlLook, &TControlLook::SetCheckedGlyph, "metrocheckon");
    LoadToneGlyph(*FControlLook, &TControlLook::SetUnCheckedGlyph, "metrocheckoff");
    LoadToneGlyph(*FControlLook, &TControlLook::SetRadioOffGlyph, "metroradiooff");
    LoadToneGlyph(*FControlLook, &TControlLook::SetRadioOnGlyph, "metroradioon");

    if (!Designing())
        ApplyTonesToEditors(ATones);
    static constexpr std::array<TEditorType, 9> TonedDropDowns{
        edMemoDropDown,       edTrackbarDropDown, edTimePickerDropDown,
        edCalculatorDropDown, edExGridDropDown,   edDetailDropDown,
        edGridDropDown,       edColorPickerDropDown, edImagePickerDropDown};
    ForMadeDropDowns(FDropDownEditors, TonedDropDowns,
                     [&ATones](TDropDownCellControl& Control) { Control.ApplyColorTones(ATones); });

    FControlLook->SetFlatButton(true);
    FFloatingFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
    FCellNode->SetNodeType(cnFlat);
}

void TExStringGrid::ApplyTonesToEditors(const TColorTones& ATones) {
    ApplyButtonTones(*BtnEdit()->Button(), ATones);

    TGridCombo* combo = Combobox();
    combo->SetBorderColor(Color());
    ApplyButtonTones(*combo, ATones);
    combo->SetFlat(true);

    TEsgSpinButton* spin = SpinEdit()->Button();
    spin->ButtonColor = ATones.Background.BrushColor;
    spin->ButtonColorHot = ATones.Hover.BrushColor;
    spin->ButtonColorDown = ATones.Selected.BrushColor;
    spin->ButtonBorderColor = ATones.Background.BorderColor;

    if (DatePickerAvailable) {
        TGridDatePicker* picker = DateTimePicker();
        ApplyButtonTones(*picker, ATones);
        picker->SetBorderColor(ATones.Background.BrushColor);
        picker->SetMetroStyle(true);
    }
}

void TExStringGrid::StyleDropDownEditors(TULKStyle AStyle) {
    static constexpr std::array<TEditorType, 7> StyledDropDowns{
        edColorPickerDropDown, edImagePickerDropDown, edGridDropDown, edDetailDropDown,
        edTimePickerDropDown,  edCalculatorDropDown,  edMemoDropDown};
    ForMadeDropDowns(FDropDownEditors, StyledDropDowns,
                     [AStyle](TDropDownCellControl& Control) { Control.ApplyComponentStyle(AStyle); });
}
