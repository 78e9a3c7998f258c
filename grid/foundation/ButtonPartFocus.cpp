#include "grid/foundation/ButtonPartFocus.h"

#include "platform/ui/Control.h"

void PassFocusAfterButtonPress(TWinControl* FocusControl, TWinControl* Part) {
    if (FocusControl && FocusControl->TabStop() && FocusControl->CanFocus() &&
        !FocusControl->Focused())
        FocusControl->SetFocus();
    else if (Part->TabStop() && Part->CanFocus() && !Part->Focused())
        Part->SetFocus();
}
