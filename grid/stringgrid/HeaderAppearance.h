#pragma once

#include "grid/stringgrid/DropDownStripAppearance.h"
#include "grid/stringgrid/HeaderButtons.h"

// The look of a drop-down popup's header strip; its font is "Tahoma".
class THeaderAppearance : public TDropDownStripAppearance {
public:
    explicit THeaderAppearance(TComponent* AOwner);

    // From another header appearance only; anything else leaves this one unchanged.
    void Assign(const TObject* Source);
    // Color, ColorTo, BorderColor, Font and GradientDirection of another header appearance.
    void AssignColors(const TObject* Source);

    THeaderButtons* Buttons() const { return static_cast<THeaderButtons*>(ButtonCollection()); }
    // Copies the given buttons.
    void SetButtons(const THeaderButtons* Value) { Buttons()->Assign(Value); }
};
