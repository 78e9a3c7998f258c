#include "platform/ui/Panel.h"

#include "platform/ui/Canvas.h"

#include <algorithm>

void Frame3D(TCanvas* canvas, TRect& r, TColor topColor, TColor bottomColor, int width) {
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetStyle(psSolid);
    // Outline points are inclusive here; the rectangle's right and bottom are not.
    --r.Bottom;
    --r.Right;
    for (; width > 0; --width) {
        canvas->Pen()->SetColor(topColor);
        canvas->Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
        canvas->Pen()->SetColor(bottomColor);
        canvas->Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}});
        InflateRect(r, -1, -1);
    }
    ++r.Bottom;
    ++r.Right;
}

namespace {

void DrawBevel(TCanvas* canvas, TRect& r, TBevelCut bevel, int width) {
    if (bevel == bvNone)
        return;
    const bool lowered = bevel == bvLowered;
    Frame3D(canvas, r, lowered ? clBtnShadow : clBtnHighlight,
            lowered ? clBtnHighlight : clBtnShadow, width);
}

} // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() << csAcceptsControls << csOpaque);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut value) {
    FBevelOuter = value;
    FrameChanged();
}

void TPanel::SetBevelInner(TBevelCut value) {
    FBevelInner = value;
    FrameChanged();
}

void TPanel::SetBevelWidth(int value) {
    FBevelWidth = std::max(value, 1);
    FrameChanged();
}

void TPanel::SetBorderWidth(int value) {
    FBorderWidth = std::max(value, 0);
    FrameChanged();
}

void TPanel::SetAlignment(TAlignment value) {
    FAlignment = value;
    Invalidate();
}

void TPanel::SetVerticalAlignment(TVerticalAlignment value) {
    FVerticalAlignment = value;
    Invalidate();
}

void TPanel::SetShowCaption(bool value) {
    FShowCaption = value;
    Invalidate();
}

void TPanel::FrameChanged() {
    Realign();
    Invalidate();
}

int TPanel::FrameWidth() const {
    return FBorderWidth + (FBevelOuter != bvNone ? FBevelWidth : 0) +
           (FBevelInner != bvNone ? FBevelWidth : 0);
}

void TPanel::AlignControls(TControl* control, TRect& rect) {
    const int frame = FrameWidth();
    InflateRect(rect, -frame, -frame);
    TCustomControl::AlignControls(control, rect);
}

void TPanel::Paint() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    DrawBevel(canvas, r, FBevelOuter, FBevelWidth);
    Frame3D(canvas, r, Color(), Color(), FBorderWidth);
    DrawBevel(canvas, r, FBevelInner, FBevelWidth);
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
    if (!FShowCaption || Caption().empty())
        return;
    unsigned flags = DT_EXPANDTABS | DT_SINGLELINE;
    flags |= FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT;
    flags |= FVerticalAlignment == taVerticalCenter ? DT_VCENTER
             : FVerticalAlignment == taAlignBottom  ? DT_BOTTOM
                                                    : DT_TOP;
    canvas->Font()->Assign(*Font());
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawText(Caption(), r, flags);
}
