#include "grid/dropdown/ColorItem.h"

void TColorItem::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TColorItem*>(Source);
    if (!source)
        return;
    SetCaption(source->FCaption);
    SetColor(source->FColor);
    FEnabled = source->FEnabled;
    FHint = source->FHint;
}

void TColorItem::SetCaption(const std::string& Value) {
    if (FCaption == Value)
        return;
    FCaption = Value;
    Changed();
}

void TColorItem::SetColor(TColor Value) {
    if (FColor == Value)
        return;
    FColor = Value;
    Changed();
}
