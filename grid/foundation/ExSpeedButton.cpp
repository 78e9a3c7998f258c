#include "grid/foundation/ExSpeedButton.h"

#include "grid/foundation/EsgEditButton.h"
#include "grid/foundation/SolidPaint.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ThemeServices.h"

void TExSpeedButton::SetIsWinXP(bool value) {
    FIsWinXP = value;
    Invalidate();
}

void TExSpeedButton::SetFlat(bool value) {
    FFlat = value;
    Invalidate();
}

// Every look of this button shows the hot state, not only the platform's flat one.
void TExSpeedButton::MouseEnter() {
    TSpeedButton::MouseEnter();
    Invalidate();
}

void TExSpeedButton::MouseLeave() {
    TSpeedButton::MouseLeave();
    Invalidate();
}

void TExSpeedButton::Paint() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    const bool down = FState == bsDown;
    const bool hot = Hot();
    const auto* part = dynamic_cast<const TEsgEditButton*>(Owner());
    if (part && part->ButtonColor() != clNone) {
        FFlat = true;
        FillSolid(canvas, r,
                  down  ? part->ButtonColorDown()
                  : hot ? part->ButtonColorHot()
                        : part->ButtonColor());
    } else if (FIsWinXP && ThemeServicesActive()) {
        FillSolid(canvas, r, clBtnFace);
        DrawThemePart(canvas, TThemePart::PushButton,
                      down  ? tsfPressed
                      : hot ? tsfHot
                            : tsfNormal,
                      r);
    } else if (FFlat) {
        FillSolid(canvas, r, clBtnFace);
        DrawButtonEdge(canvas, r, down);
    } else {
        // The classic push button: two bevels, pressed in while down.
        FillSolid(canvas, r, clBtnFace);
        TRect edge = r;
        if (down) {
            Frame3D(canvas, edge, cl3DDkShadow, clBtnHighlight, 1);
            Frame3D(canvas, edge, clBtnShadow, cl3DLight, 1);
        } else {
            Frame3D(canvas, edge, clBtnHighlight, cl3DDkShadow, 1);
            Frame3D(canvas, edge, cl3DLight, clBtnShadow, 1);
        }
        r = edge;
    }
    DrawGlyphAndCaption(r, down, clBlack);
}
