#include "grid/foundation/EsgCombo.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Label.h"

namespace {

// Top-left corner of the label: w is the width of its text, size the label's own size.
TPoint LabelOrigin(TLabelPosition position, const TRect& control, TSize size, int w, int margin) {
    const int left = control.Left;
    const int top = control.Top;
    const int width = control.Width();
    const int height = control.Height();
    const int centreTop = top + (height - size.cy) / 2;
    const int bottomTop = top + height - size.cy;
    switch (position) {
    case lpLeftTop:
        return {left - w - margin, top};
    case lpLeftCenter:
        return {left - w - margin, centreTop};
    case lpLeftBottom:
        return {left - w - margin, bottomTop};
    case lpTopLeft:
        return {left, top - size.cy - margin};
    case lpBottomLeft:
        return {left, top + height + margin};
    case lpLeftTopLeft:
        return {left - margin, top};
    case lpLeftCenterLeft:
        return {left - margin, centreTop};
    case lpLeftBottomLeft:
        return {left - margin, bottomTop};
    case lpTopCenter:
        return {left + (width - size.cx) / 2, top - size.cy - margin};
    case lpBottomCenter:
        return {left + (width - size.cx) / 2, top + height + margin};
    case lpRightTop:
        return {left + width + margin, top};
    case lpRightCenter:
        return {left + width + margin, centreTop};
    case lpRighBottom:
        return {left + width + margin, bottomTop};
    }
    return {left, top};
}

} // namespace

std::string TEsgCustomCombo::LabelCaption() const {
    return FLabel ? FLabel->Caption() : std::string();
}

void TEsgCustomCombo::SetLabelCaption(const std::string& value) {
    if (!FLabel) {
        FLabel = new TLabel(this);
        FLabel->SetParent(Parent());
        FLabel->SetFont(FLabelFont.get());
        FLabel->SetParentFont(ParentFont());
    }
    FLabel->SetCaption(value);
    UpdateLabelPos();
}

void TEsgCustomCombo::SetLabelFont(const TFont* value) {
    if (!ParentFont() && value)
        FLabelFont->Assign(*value);
    UpdateLabelPos();
}

void TEsgCustomCombo::LabelFontChanged() {
    UpdateLabelPos();
    if (ComponentState().Contains(csDesigning) && !Loading())
        SetParentFont(false);
}

void TEsgCustomCombo::TakeParentFontForLabel() {
    if (FLabel && ParentFont())
        FLabel->SetFont(Font());
}

void TEsgCustomCombo::SetLabelBold(bool bold) {
    if (!FLabel)
        return;
    TFontStyles style = FLabel->Font()->Style();
    if (bold)
        style << fsBold;
    else
        style >> fsBold;
    FLabel->Font()->SetStyle(style);
}

void TEsgCustomCombo::SetLabelPosition(TLabelPosition value) {
    FLabelPosition = value;
    UpdateLabelPos();
}

void TEsgCustomCombo::SetLabelMargin(int value) {
    FLabelMargin = value;
    UpdateLabelPos();
}

void TEsgCustomCombo::SetLabelTransparent(bool value) {
    FLabelTransparent = value;
    UpdateLabelPos();
}

void TEsgCustomCombo::SetLabelAlwaysEnabled(bool value) {
    FLabelAlwaysEnabled = value;
    UpdateLabelPos();
}

void TEsgCustomCombo::UpdateLabelPos() {
    if (!FLabel)
        return;
    FLabel->SetTransparent(FLabelTransparent);
    if (!ParentFont())
        FLabel->SetFont(FLabelFont.get());
    TCanvas* canvas = FLabel->Canvas();
    canvas->Font()->Assign(*FLabel->Font());
    TRect r = Rect(0, 0, 1000, 255);
    canvas->DrawText(FLabel->Caption(), r, DT_CALCRECT | DT_SINGLELINE | DT_HIDEPREFIX);
    const TPoint at = LabelOrigin(FLabelPosition, BoundsRect(), {FLabel->Width(), FLabel->Height()},
                                  r.Width(), FLabelMargin);
    FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}
