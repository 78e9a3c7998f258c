#pragma once

#include "grid/foundation/ExStyleIF.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <memory>

class TExButtonAppearance;
class TFont;

// Caption font and colours of a button panel's buttons. The face colours are kept and copied for
// the styles that set them; the faces themselves are drawn by the desktop style.
class TButtonAppearance : public TObject {
public:
    TButtonAppearance();
    ~TButtonAppearance() override;

    void Assign(const TButtonAppearance& Source);
    // The keypad's colours follow the drop-down's button colours once a style is applied; the
    // checked look borrows from the disabled and hot ones.
    void TakeStyleColors(const TExButtonAppearance& Source, TULKStyle Style);

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { Store(FBorderColorHot, Value); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor Value) { Store(FBorderColorDown, Value); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor Value) { Store(FBorderColorChecked, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Store(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { Store(FColorTo, Value); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value) { Store(FColorDown, Value); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value) { Store(FColorDownTo, Value); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { Store(FColorHot, Value); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { Store(FColorHotTo, Value); }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value) { Store(FColorChecked, Value); }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value) { Store(FColorCheckedTo, Value); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor Value) { Store(FColorDisabled, Value); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor Value) { Store(FColorDisabledTo, Value); }
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor Value) { Store(FTextColor, Value); }
    TColor SpecialTextColor() const { return FSpecialTextColor; }
    void SetSpecialTextColor(TColor Value) { Store(FSpecialTextColor, Value); }
    // Kept only: nothing is repainted for it.
    TColor ShineColor() const { return FShineColor; }
    void SetShineColor(TColor Value) { FShineColor = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value);

    TColor GlowColorHot = 0xD5C244;
    TColor GlowColorDown = 0xD5C244;
    TNotifyEvent OnChange;

private:
    void Store(TColor& Field, TColor Value);

    TColor FBorderColor = 0;
    TColor FBorderColorHot = 0;
    TColor FBorderColorDown = 0;
    TColor FBorderColorChecked = 0xFF0000;
    TColor FColor = 0x9A915F;
    TColor FColorTo = 0xB0A170;
    TColor FColorDown = 0x4B2F08;
    TColor FColorDownTo = 0xADB514;
    TColor FColorHot = 0x9F6F1C;
    TColor FColorHotTo = 0xD5C244;
    // The 0xF5F0E1 and 0xF9D2B2 tones with red and green 10 % darker; white 5 % darker.
    TColor FColorCheckedTo = 0xF9BDA0;
    TColor FColorDisabled = 0xF2F2F2;
    TColor FColorDisabledTo = 0xF2F2F2;
    TColor FColorChecked = 0xF5D8CA;
    std::unique_ptr<TFont> FFont;
    TColor FShineColor = 0xFFFFFF;
    TColor FTextColor = 0;
    TColor FSpecialTextColor = 0x000080;
};
