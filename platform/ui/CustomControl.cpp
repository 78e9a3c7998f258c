#include "platform/ui/Control.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/internal/ControlImpl.h"

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {
    TControlAccess::ApplyColor(this);
}

TCustomControl::~TCustomControl() {
    TControlAccess::Detach(this);
}

void TCustomControl::WndProc(TMessage& Message) {
    if (Message.Msg != WM_PAINT) {
        TWinControl::WndProc(Message);
        return;
    }
    if (!ControlStyle().Contains(csOpaque)) {
        FCanvas->Brush()->SetColor(Color());
        FCanvas->Brush()->SetStyle(bsSolid);
        FCanvas->FillRect(ClientRect());
    }
    Paint();
}
