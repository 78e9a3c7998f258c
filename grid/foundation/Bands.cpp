#include "grid/foundation/Bands.h"

#include <algorithm>
#include <cstdint>
#include <limits>

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

int64_t TBands::CycleLength() const {
    return int64_t{FPrimaryLength} + FSecondaryLength;
}

int TBands::TotalLength() const {
    return static_cast<int>(std::clamp<int64_t>(CycleLength(), std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

TColor TBands::RowColor(int RowFromFirstNormal) const {
    // Lengths of zero or less would leave no cycle; such bands show the primary colour.
    const int64_t total = CycleLength();
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
