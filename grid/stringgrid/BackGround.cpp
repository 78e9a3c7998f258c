#include "grid/stringgrid/BackGround.h"

#include "platform/ui/Bitmap.h"

TBackGround::TBackGround() : FBitmap(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TBackGround*>(Source);
    if (!source)
        return;
    FBitmap->Assign(source->FBitmap.get());
    FLeft = source->FLeft;
    FTop = source->FTop;
    FDisplay = source->FDisplay;
    FCells = source->FCells;
    FColor = source->FColor;
    FColorTo = source->FColorTo;
    FireEvent(OnChange, this);
}

void TBackGround::SetBitmap(const TBitmap* Value) {
    if (Value)
        FBitmap->Assign(Value);
    else
        FBitmap = std::make_unique<TBitmap>();
    FireEvent(OnChange, this);
}
