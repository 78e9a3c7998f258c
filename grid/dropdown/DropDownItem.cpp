#include "grid/dropdown/DropDownItem.h"

namespace DropDownList {

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

} // namespace DropDownList
