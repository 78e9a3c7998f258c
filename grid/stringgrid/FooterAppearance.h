#pragma once

#include "grid/stringgrid/DropDownStripAppearance.h"
#include "grid/stringgrid/FooterButtons.h"

// The look of a drop-down popup's footer strip, with a size grip; its font is the platform's
// default.
class TFooterAppearance : public TDropDownStripAppearance {
public:
    explicit TFooterAppearance(TComponent* AOwner);

    // From another footer appearance only; anything else leaves this one unchanged.
    void Assign(const TObject* Source);
    // Color, ColorTo, BorderColor, Font and GradientDirection of another footer appearance.
    void AssignColors(const TObject* Source);

    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value) { FSizeGrip = Value; }
    TFooterButtons* Buttons() const { return static_cast<TFooterButtons*>(ButtonCollection()); }
    // Copies the given buttons.
    void SetButtons(const TFooterButtons* Value) { Buttons()->Assign(Value); }

private:
    bool FSizeGrip = true;
};
