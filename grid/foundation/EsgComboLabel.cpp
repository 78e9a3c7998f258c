#include "grid/foundation/EsgCombo.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Label.h"

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
    const TPoint at = LabelPlace(FLabelPosition, BoundsRect(), r.Width(),
                                 {FLabel->Width(), FLabel->Height()}, FLabelMargin);
    FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}
