#include "grid/dropdown/DropDownEditButton.h"

#include "grid/dropdown/ExDropDownSpeedButton.h"
#include "platform/ui/Bitmap.h"

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TWinControl(AOwner) {
    SetControlStyle((ControlStyle() >> csAcceptsControls >> csSetCaption) << csOpaque);
    SetTabStop(false);
    FButton = new TExDropDownSpeedButton(this);
    FButton->SetParent(this);
    FButton->SetCaption("");
    FButton->SetButtonStyle(bsDropDown);
    // The popup opens on release: the inner button's own click does nothing.
    FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
        if (Button == mbLeft && OnClick)
            OnClick(this);
    };
    SetBounds(0, 0, FBWidth, 25);
}

TDropDownEditButton::~TDropDownEditButton() = default;

void TDropDownEditButton::SetButtonWidth(int Value) {
    FBWidth = Value;
    SetBounds(Left(), Top(), FBWidth, Height());
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TWinControl::SetBounds(ALeft, ATop, FBWidth, AHeight);
    if (FButton)
        FButton->SetBounds(0, 0, FBWidth, Height());
}

void TDropDownEditButton::SetEnabled(bool Value) {
    TWinControl::SetEnabled(Value);
    FButton->SetEnabled(Value);
}

TBitmap* TDropDownEditButton::Glyph() const {
    return FButton->Glyph();
}

void TDropDownEditButton::SetGlyph(const TBitmap* Value) {
    FButton->SetGlyph(Value);
}

int TDropDownEditButton::NumGlyphs() const {
    return FButton->NumGlyphs();
}

void TDropDownEditButton::SetNumGlyphs(int Value) {
    FButton->SetNumGlyphs(Value);
}

std::string TDropDownEditButton::ButtonCaption() const {
    return FButton->Caption();
}

void TDropDownEditButton::SetButtonCaption(const std::string& Value) {
    FButton->SetCaption(Value);
}

void TDropDownEditButton::SetButtonColor(TColor Value) {
    FButtonColor = Value;
    FButton->Invalidate();
}
