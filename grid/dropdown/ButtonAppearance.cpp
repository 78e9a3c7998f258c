#include "grid/dropdown/ButtonAppearance.h"

#include "grid/stringgrid/ExButtonAppearance.h"
#include "platform/ui/Font.h"

TButtonAppearance::TButtonAppearance() : FFont(std::make_unique<TFont>()) {
    FFont->SetSize(10);
    FFont->SetStyle(TFontStyles{fsBold});
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::Store(TColor& Field, TColor Value) {
    if (Field == Value)
        return;
    Field = Value;
    FireEvent(OnChange, static_cast<TObject*>(this));
}

void TButtonAppearance::SetFont(const TFont& Value) {
    FFont->Assign(Value);
}

void TButtonAppearance::Assign(const TButtonAppearance& Source) {
    if (&Source == this)
        return;
    SetColor(Source.FColor);
    SetColorTo(Source.FColorTo);
    SetShineColor(Source.FShineColor);
    SetColorHot(Source.FColorHot);
    SetColorHotTo(Source.FColorHotTo);
    GlowColorHot = Source.GlowColorHot;
    SetColorDown(Source.FColorDown);
    SetColorDownTo(Source.FColorDownTo);
    GlowColorDown = Source.GlowColorDown;
    SetColorChecked(Source.FColorChecked);
    SetColorCheckedTo(Source.FColorCheckedTo);
    SetColorDisabled(Source.FColorDisabled);
    SetColorDisabledTo(Source.FColorDisabledTo);
    SetBorderColor(Source.FBorderColor);
    SetBorderColorHot(Source.FBorderColorHot);
    SetBorderColorDown(Source.FBorderColorDown);
    SetBorderColorChecked(Source.FBorderColorChecked);
    SetFont(*Source.FFont);
    SetTextColor(Source.FTextColor);
    SetSpecialTextColor(Source.FSpecialTextColor);
}

void TButtonAppearance::TakeStyleColors(const TExButtonAppearance& Source, TULKStyle Style) {
    SetBorderColorChecked(Source.BorderColorDisabled());
    SetBorderColor(Source.BorderColor());
    SetBorderColorHot(Source.BorderColorHot());
    SetBorderColorDown(Source.BorderColorDown());
    SetColor(Source.Color());
    SetColorTo(Source.ColorTo());
    SetColorDown(Source.ColorDown());
    SetColorDownTo(Source.ColorDownTo());
    SetColorChecked(Source.ColorDisabledTo());
    SetColorCheckedTo(Source.ColorHotTo());
    SetColorDisabled(Source.ColorDisabled());
    SetColorDisabledTo(Source.ColorDisabledTo());
    SetColorHot(Source.ColorHot());
    SetColorHotTo(Source.ColorHotTo());
    const bool office2010 =
        Style == tsOffice2010Blue || Style == tsOffice2010Silver || Style == tsOffice2010Black;
    GlowColorDown = office2010 ? Source.ColorHot() : 0xD5C244;
    GlowColorHot = office2010 ? Source.ColorHot() : Source.ColorDownTo();
}
