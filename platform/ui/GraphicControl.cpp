#include "platform/ui/Control.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/internal/ControlImpl.h"

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {
    TControlAccess::ApplyColor(this);
}

TGraphicControl::~TGraphicControl() {
    TControlAccess::Detach(this);
}

void TGraphicControl::WndProc(TMessage& Message) {
    if (Message.Msg == WM_PAINT)
        Paint();
    else
        TControl::WndProc(Message);
}
