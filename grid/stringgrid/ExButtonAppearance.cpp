#include "grid/stringgrid/ExButtonAppearance.h"

#include "grid/stringgrid/DropDownUtil.h"
#include "platform/ui/Font.h"

// The checked state is the hot state a shade darker in red and green.
TExButtonAppearance::TExButtonAppearance()
    : FColorChecked(ShadeColorChannels(0xF5F0E1, -10, -10, 0)),
      FColorCheckedTo(ShadeColorChannels(0xF9D2B2, -10, -10, 0)), FFont(std::make_unique<TFont>()) {
    FFont->SetName("Tahoma");
}

TExButtonAppearance::~TExButtonAppearance() = default;

void TExButtonAppearance::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TExButtonAppearance*>(Source);
    if (source == nullptr || source == this)
        return;
    SetColor(source->Color());
    SetColorTo(source->ColorTo());
    SetColorHot(source->ColorHot());
    SetColorHotTo(source->ColorHotTo());
    SetColorDown(source->ColorDown());
    SetColorDownTo(source->ColorDownTo());
    SetColorChecked(source->ColorChecked());
    SetColorCheckedTo(source->ColorCheckedTo());
    SetColorDisabled(source->ColorDisabled());
    SetColorDisabledTo(source->ColorDisabledTo());
    SetBorderColor(source->BorderColor());
    SetBorderColorHot(source->BorderColorHot());
    SetBorderColorDown(source->BorderColorDown());
    SetBorderColorChecked(source->BorderColorChecked());
    SetBorderColorDisabled(source->BorderColorDisabled());
    SetGradient(source->Gradient());
}

void TExButtonAppearance::SetGradient(TGradientDirection Value) {
    if (Value == FGradient)
        return;
    FGradient = Value;
    FireEvent(OnChange, this);
}

void TExButtonAppearance::SetFont(const TFont* Value) {
    if (Value != nullptr)
        FFont->Assign(*Value);
}

void TExButtonAppearance::Set(TColor& Field, TColor Value) {
    if (Value == Field)
        return;
    Field = Value;
    FireEvent(OnChange, this);
}
