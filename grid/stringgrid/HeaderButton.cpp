#include "grid/stringgrid/HeaderButton.h"

#include "grid/stringgrid/ButtonCollection.h"

void THeaderButton::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const THeaderButton*>(Source);
    if (source == nullptr || source == this)
        return;
    SetCaption(source->Caption());
    SetImageIndex(source->ImageIndex());
    SetEnabled(source->Enabled());
    SetWidth(source->Width());
    SetHeight(source->Height());
}

void THeaderButton::SetCaption(const std::string& Value) {
    if (Value == FCaption)
        return;
    FCaption = Value;
    Changed();
}

void THeaderButton::SetEnabled(bool Value) {
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    Changed();
}

void THeaderButton::SetWidth(int Value) {
    if (Value == FWidth)
        return;
    FWidth = Value;
    Changed();
}

void THeaderButton::Changed() {
    if (FCollection != nullptr)
        FCollection->Changed();
}
