#include "grid/dropdown/ExMultiColumnDropDownItems.h"

#include "platform/ui/Font.h"

namespace MultiColumnDropDown {

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

void TDropDownItem::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TDropDownItem*>(Source);
    if (!source || source == this)
        return;
    FImageIndex = source->FImageIndex;
    FText = source->FText;
}

std::string TDropDownItem::TextAt(int Column) const {
    return HasTextAt(Column) ? FText[Column] : std::string();
}

int TDropDownItems::IndexInColumn(int Column, const std::string& Value) const {
    for (int i = 0; i < Count(); ++i) {
        const TDropDownItem& item = *GetItem(i);
        if (item.HasTextAt(Column) && item.Text()[Column] == Value)
            return i;
    }
    return -1;
}

} // namespace MultiColumnDropDown
