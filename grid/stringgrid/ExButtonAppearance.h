#pragma once

#include "grid/stringgrid/DropDownStripAppearance.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <memory>

class TFont;

// The look of the drop-down buttons per state (normal, hot, down, checked, disabled). A colour or
// Gradient write that changes the value fires OnChange; the font is only stored.
class TExButtonAppearance : public TObject {
public:
    TExButtonAppearance();
    ~TExButtonAppearance() override;

    // From another button appearance: every colour and Gradient through the setters, so OnChange
    // fires once per changed value; the font stays.
    void Assign(const TObject* Source);

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Set(FBorderColor, Value); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { Set(FBorderColorHot, Value); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor Value) { Set(FBorderColorDown, Value); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor Value) { Set(FBorderColorChecked, Value); }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor Value) { Set(FBorderColorDisabled, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Set(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { Set(FColorTo, Value); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor Value) { Set(FColorDisabled, Value); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor Value) { Set(FColorDisabledTo, Value); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value) { Set(FColorDown, Value); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value) { Set(FColorDownTo, Value); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { Set(FColorHot, Value); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { Set(FColorHotTo, Value); }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value) { Set(FColorChecked, Value); }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value) { Set(FColorCheckedTo, Value); }
    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection Value);
    TFont* Font() const { return FFont.get(); }
    // Copies the font into the appearance's own.
    void SetFont(const TFont* Value);

    TNotifyEvent OnChange;

private:
    void Set(TColor& Field, TColor Value);

    TColor FBorderColor = clNone;
    TColor FBorderColorHot = 0x808080;
    TColor FBorderColorDown = 0x800000;
    TColor FBorderColorChecked = 0xFF0000;
    TColor FBorderColorDisabled = 0x808080;
    TColor FColor = clNone;
    TColor FColorTo = clNone;
    TColor FColorDisabled = 0xF2F2F2;
    TColor FColorDisabledTo = clNone;
    TColor FColorDown = 0xF5D8CA;
    TColor FColorDownTo = 0xF9BDA0;
    TColor FColorHot = 0xF5F0E1;
    TColor FColorHotTo = 0xF9D2B2;
    TColor FColorChecked;
    TColor FColorCheckedTo;
    TGradientDirection FGradient = gdVertical;
    std::unique_ptr<TFont> FFont;
};
