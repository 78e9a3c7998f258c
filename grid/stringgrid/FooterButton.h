#pragma once

#include "grid/stringgrid/HeaderButton.h"
#include "platform/ui/Types.h"

// A button on the footer strip of a drop-down: a header button that also closes the popup with
// its modal result.
class TFooterButton : public THeaderButton {
public:
    using THeaderButton::THeaderButton;

    // As a header button; from another footer button ModalResult as well.
    void Assign(const TObject* Source) override;

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

private:
    TModalResult FModalResult = mrNone;
};
