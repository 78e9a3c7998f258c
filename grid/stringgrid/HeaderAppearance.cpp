#include "grid/stringgrid/HeaderAppearance.h"

THeaderAppearance::THeaderAppearance(TComponent* AOwner)
    : TDropDownStripAppearance(AOwner, std::make_unique<THeaderButtons>(AOwner), "Tahoma") {}

void THeaderAppearance::Assign(const TObject* Source) {
    if (const auto* source = dynamic_cast<const THeaderAppearance*>(Source);
        source && source != this)
        CopyFrom(*source);
}

void THeaderAppearance::AssignColors(const TObject* Source) {
    if (const auto* source = dynamic_cast<const THeaderAppearance*>(Source);
        source && source != this)
        CopyColorsFrom(*source);
}
