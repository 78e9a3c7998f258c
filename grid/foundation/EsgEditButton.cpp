#include "grid/foundation/EsgEditButton.h"

#include "grid/foundation/ButtonPartFocus.h"
#include "grid/foundation/ExSpeedButton.h"
#include "platform/ui/Bitmap.h"

TEsgEditButton::TEsgEditButton(TComponent* AOwner) : TWinControl(AOwner) {
    SetControlStyle((ControlStyle() << csOpaque) >> csAcceptsControls);
    FButton = new TExSpeedButton(this);
    FButton->SetParent(this);
    FButton->SetVisible(true);
    FButton->SetEnabled(true);
    FButton->SetCaption("");
    // The speed button's own click does nothing: the release of the left button clicks, also
    // when the mouse has left the button meanwhile.
    FButton->OnClick = nullptr;
    FButton->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
        if (Button == mbLeft)
            FPressed = Enabled() && FButton->Enabled();
    };
    FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
        ButtonMouseUp(Button);
    };
    SetBounds(Left(), Top(), 20, 25);
}

TEsgEditButton::~TEsgEditButton() {
    FButton->OnMouseDown = nullptr;
    FButton->OnMouseUp = nullptr;
}

void TEsgEditButton::ButtonMouseUp(TMouseButton Button) {
    // Only a release that ends a press on the button clicks.
    if (Button != mbLeft || !FPressed)
        return;
    FPressed = false;
    if (OnClick)
        OnClick(this);
    PassFocusAfterButtonPress(FFocusControl, this);
}

TBitmap* TEsgEditButton::Glyph() const {
    return FButton->Glyph();
}

void TEsgEditButton::SetGlyph(const TBitmap* value) {
    FButton->SetGlyph(value);
}

std::string TEsgEditButton::ButtonCaption() const {
    return FButton->Caption();
}

void TEsgEditButton::SetButtonCaption(const std::string& value) {
    FButton->SetCaption(value);
}

int TEsgEditButton::NumGlyphs() const {
    return FButton->NumGlyphs();
}

void TEsgEditButton::SetNumGlyphs(int value) {
    FButton->SetNumGlyphs(value);
}

void TEsgEditButton::SetFlat(bool value) {
    FFlat = value;
    FButton->SetFlat(value);
}

void TEsgEditButton::SetButtonColour(TColor& field, TColor value) {
    field = value;
    FButton->Invalidate();
}

void TEsgEditButton::SetButtonColor(TColor value) {
    SetButtonColour(FButtonColor, value);
}
void TEsgEditButton::SetButtonColorHot(TColor value) {
    SetButtonColour(FButtonColorHot, value);
}
void TEsgEditButton::SetButtonColorDown(TColor value) {
    SetButtonColour(FButtonColorDown, value);
}
void TEsgEditButton::SetButtonBorderColor(TColor value) {
    SetButtonColour(FButtonBorderColor, value);
}
void TEsgEditButton::SetButtonTextColor(TColor value) {
    SetButtonColour(FButtonTextColor, value);
}
void TEsgEditButton::SetButtonTextColorHot(TColor value) {
    SetButtonColour(FButtonTextColorHot, value);
}
void TEsgEditButton::SetButtonTextColorDown(TColor value) {
    SetButtonColour(FButtonTextColorDown, value);
}

void TEsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FillWithButton();
}

void TEsgEditButton::Resize() {
    FillWithButton();
    TWinControl::Resize();
}

void TEsgEditButton::FillWithButton() {
    if (FButton)
        FButton->SetBounds(0, 0, Width(), Height());
}
