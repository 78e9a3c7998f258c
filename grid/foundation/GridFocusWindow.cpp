#include "grid/foundation/GridFocusWindow.h"

#include "grid/foundation/GridAlphaMask.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/PopupWindow.h"

#include <cstdint>

namespace {
const TPopupWindowOptions FocusWindowOptions{pwoToolWindow, pwoTopMost, pwoDisabled};
}

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 0, 0);
    SetColor(clRed);
    MakePopupWindow(this, FocusWindowOptions);
}

TGridFocusWindow::~TGridFocusWindow() = default;

void TGridFocusWindow::SetParent(TWinControl* AParent) {
    TCustomControl::SetParent(AParent);
    MakePopupWindow(this, FocusWindowOptions);
}

void TGridFocusWindow::SetPicture(const TGridAlphaMask* Picture) {
    if (!Picture) {
        FPicture.reset();
    } else {
        FPicture = std::make_unique<TGridAlphaMask>();
        FPicture->Assign(Picture);
        // The opacity goes into the pixels, which are premultiplied: every channel scales.
        const int opacity = FPicture->Opacity();
        for (int y = 0; y < FPicture->Height(); ++y) {
            uint8_t* line = FPicture->ScanLine(y);
            for (int x = 0; x < 4 * FPicture->Width(); ++x)
                line[x] = static_cast<uint8_t>(line[x] * opacity / 255);
        }
    }
    Invalidate();
}

void TGridFocusWindow::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(TRect{0, 0, Width(), Height()});
    if (FPicture)
        canvas->Draw(0, 0, FPicture.get());
}
