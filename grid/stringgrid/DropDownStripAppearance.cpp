#include "grid/stringgrid/DropDownStripAppearance.h"

#include "grid/stringgrid/ButtonCollection.h"
#include "platform/ui/Font.h"

TDropDownStripAppearance::TDropDownStripAppearance(TComponent* AOwner,
                                                   std::unique_ptr<TButtonCollectionBase> Buttons,
                                                   const std::string& FontName)
    : FOwner(AOwner), FButtons(std::move(Buttons)), FFont(std::make_unique<TFont>()) {
    if (!FontName.empty())
        FFont->SetName(FontName);
    FButtons->OnChange = [this](TObject*) { FireEvent(OnButtonsChanged, this); };
}

TDropDownStripAppearance::~TDropDownStripAppearance() = default;

void TDropDownStripAppearance::SetFont(const TFont* Value) {
    if (Value != nullptr)
        FFont->Assign(*Value);
}

void TDropDownStripAppearance::SetVisible(bool Value) {
    if (Value == FVisible)
        return;
    FVisible = Value;
    FireEvent(OnChange, this);
}

void TDropDownStripAppearance::CopyFrom(const TDropDownStripAppearance& Source) {
    FColorTo = Source.FColorTo;
    FColor = Source.FColor;
    FBorderColor = Source.FBorderColor;
    FCaption = Source.FCaption;
    FFont->Assign(*Source.FFont);
    FImageIndex = Source.FImageIndex;
    FBorderWidth = Source.FBorderWidth;
    FGradientDirection = Source.FGradientDirection;
    FHeight = Source.FHeight;
    SetVisible(Source.FVisible);
    FButtonAlignment = Source.FButtonAlignment;
    FButtons->Assign(Source.FButtons.get());
}

void TDropDownStripAppearance::CopyColorsFrom(const TDropDownStripAppearance& Source) {
    FColor = Source.FColor;
    FColorTo = Source.FColorTo;
    FBorderColor = Source.FBorderColor;
    FFont->Assign(*Source.FFont);
    FGradientDirection = Source.FGradientDirection;
}
