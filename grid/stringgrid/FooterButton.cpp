#include "grid/stringgrid/FooterButton.h"

void TFooterButton::Assign(const TObject* Source) {
    THeaderButton::Assign(Source);
    if (const auto* source = dynamic_cast<const TFooterButton*>(Source))
        SetModalResult(source->ModalResult());
}
