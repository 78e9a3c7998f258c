#include "grid/stringgrid/FooterAppearance.h"

TFooterAppearance::TFooterAppearance(TComponent* AOwner)
    : TDropDownStripAppearance(AOwner, std::make_unique<TFooterButtons>(AOwner), "") {}

void TFooterAppearance::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TFooterAppearance*>(Source);
    if (source == nullptr || source == this)
        return;
    CopyFrom(*source);
    FSizeGrip = source->FSizeGrip;
}

void TFooterAppearance::AssignColors(const TObject* Source) {
    if (const auto* source = dynamic_cast<const TFooterAppearance*>(Source);
        source && source != this)
        CopyColorsFrom(*source);
}
