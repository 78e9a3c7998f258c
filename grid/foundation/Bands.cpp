#include "grid/foundation/Bands.h"

void TBands::SetActive(bool Value) {
    if (FActive == Value)
        return;
    FActive = Value;
    if (OnChange)
        OnChange(this);
}

template <typename T> void TBands::SetBandValue(T& field, T Value) {
    if (field == Value)
        return;
    field = Value;
    if (FActive && OnChange)
        OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value) {
    SetBandValue(FPrimaryColor, Value);
}
void TBands::SetSecondaryColor(TColor Value) {
    SetBandValue(FSecondaryColor, Value);
}
void TBands::SetPrimaryLength(int Value) {
    SetBandValue(FPrimaryLength, Value);
}
void TBands::SetSecondaryLength(int Value) {
    SetBandValue(FSecondaryLength, Value);
}

TColor TBands::RowColor(int RowFromFirstNormal) const {
    // Lengths of zero or less would leave no cycle; such bands show the primary colour.
    int total = TotalLength();
    if (total <= 0 || RowFromFirstNormal < 0)
        return FPrimaryColor;
    return RowFromFirstNormal % total < FPrimaryLength ? FPrimaryColor : FSecondaryColor;
}

void TBands::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TBands*>(Source);
    if (source == nullptr || source == this)
        return;
    FActive = source->FActive;
    FPrimaryColor = source->FPrimaryColor;
    FPrimaryLength = source->FPrimaryLength;
    FSecondaryColor = source->FSecondaryColor;
    FSecondaryLength = source->FSecondaryLength;
    Print = source->Print;
}
