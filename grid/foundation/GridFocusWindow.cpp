#include "grid/foundation/GridFocusWindow.h"

#include "platform/ui/PopupWindow.h"

namespace {
const TPopupWindowOptions FocusWindowOptions{pwoToolWindow, pwoTopMost, pwoDisabled};
}

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 0, 0);
    SetColor(clRed);
    MakePopupWindow(this, FocusWindowOptions);
}

void TGridFocusWindow::SetParent(TWinControl* AParent) {
    TCustomControl::SetParent(AParent);
    MakePopupWindow(this, FocusWindowOptions);
}
