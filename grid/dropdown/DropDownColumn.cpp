#include "grid/dropdown/DropDownColumn.h"

#include "platform/ui/Font.h"

namespace DropDownList {

TDropDownColumn::TDropDownColumn(TButtonCollectionBase* Collection)
    : TCollectionItemBase(Collection), FFont(std::make_unique<TFont>()) {}

TDropDownColumn::~TDropDownColumn() = default;

void TDropDownColumn::SetFont(const TFont& Value) {
    FFont->Assign(Value);
}

void TDropDownColumn::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TDropDownColumn*>(Source);
    if (!source || source == this)
        return;
    FWordwrap = source->FWordwrap;
    FWidth = source->FWidth;
    FHeader = source->FHeader;
    FAlignment = source->FAlignment;
    FColor = source->FColor;
    FColumnType = source->FColumnType;
    FFont->Assign(*source->FFont);
    FEllipsis = source->FEllipsis;
    FAutoSize = source->FAutoSize;
}

} // namespace DropDownList
