#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <cstdint>

// Alternating row colour bands: below the fixed rows, runs of PrimaryLength rows in PrimaryColor
// alternate with runs of SecondaryLength rows in SecondaryColor.
class TBands : public TObject {
public:
    // Copies from other bands only, without notifying.
    void Assign(const TObject* Source);

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    // The colours and lengths notify OnChange only while the bands are active.
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor Value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor Value);
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int Value);
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int Value);
    // Saturates at the int range instead of overflowing.
    int TotalLength() const;
    // The band colour of a row counted from the first non-fixed row (0 is that row).
    TColor RowColor(int RowFromFirstNormal) const;

    bool Print = false;

    TNotifyEvent OnChange;

private:
    template <typename T> void SetBandValue(T& field, T Value);
    // The two lengths summed without overflow.
    int64_t CycleLength() const;

    bool FActive = false;
    TColor FPrimaryColor = clInfoBk;
    TColor FSecondaryColor = clWindow;
    int FPrimaryLength = 1;
    int FSecondaryLength = 1;
};
