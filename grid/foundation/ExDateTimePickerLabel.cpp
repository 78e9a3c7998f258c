#include "grid/foundation/ExDateTimePicker.h"

#include "platform/ui/Font.h"
#include "platform/ui/Label.h"

// The label attached to the picker: made by its caption, placed beside the picker, bold while
// the picker has the focus when FocusLabel is on.

std::string TExDateTimePicker::LabelCaption() const {
    return FLabel != nullptr ? FLabel->Caption() : std::string();
}

void TExDateTimePicker::SetLabelCaption(const std::string& value) {
    if (FLabel == nullptr) {
        FLabel = new TLabel(this);
        FLabel->SetParent(Parent());
        FLabel->SetFont(FLabelFont.get());
        FLabel->OnClick = [this](TObject*) {
            if (OnLabelClick)
                OnLabelClick(this);
        };
        FLabel->OnDblClick = [this](TObject*) {
            if (OnLabelDblClick)
                OnLabelDblClick(this);
        };
    }
    FLabel->SetCaption(value);
    PlaceLabel();
}

void TExDateTimePicker::SetLabelPosition(TLabelPosition value) {
    FLabelPosition = value;
    PlaceLabel();
}

void TExDateTimePicker::SetLabelMargin(int value) {
    FLabelMargin = value;
    PlaceLabel();
}

void TExDateTimePicker::SetLabelTransparent(bool value) {
    FLabelTransparent = value;
    PlaceLabel();
}

void TExDateTimePicker::SetLabelAlwaysEnabled(bool value) {
    FLabelAlwaysEnabled = value;
    if (FLabel != nullptr && value)
        FLabel->SetEnabled(true);
    Invalidate();
}

void TExDateTimePicker::SetLabelFont(const TFont* value) {
    if (!ParentFont())
        FLabelFont->Assign(*value);
    PlaceLabel();
}

void TExDateTimePicker::PlaceLabel() {
    if (FLabel == nullptr)
        return;
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->SetFont(FLabelFont.get());
    const int textWidth = TextWidthIn(*FLabel->Font(), FLabel->Caption());
    const TPoint place = LabelPlace(FLabelPosition, BoundsRect(), textWidth,
                                    {FLabel->Width(), FLabel->Height()}, FLabelMargin);
    FLabel->SetBounds(place.X, place.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

void TExDateTimePicker::DoEnter() {
    TCustomDateTimePicker::DoEnter();
    if (FLabel != nullptr && FFocusLabel)
        FLabel->Font()->SetStyle(FLabel->Font()->Style() << fsBold);
}

void TExDateTimePicker::DoExit() {
    TCustomDateTimePicker::DoExit();
    if (FLabel != nullptr)
        FLabel->Font()->SetStyle(FLabel->Font()->Style() >> fsBold);
}
