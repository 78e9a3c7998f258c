#pragma once

#include "grid/dropdown/CollectionItem.h"
#include "platform/core/StringList.h"

#include <string>

// The items of a drop-down that lists them in several columns. The multi-column drop-down and
// the grid drop-down name these into their own namespaces.
namespace DropDownList {

// One row of the list: a text per column, in column order, and an image of Images.
class TDropDownItem : public TCollectionItemBase {
public:
    using TCollectionItemBase::TCollectionItemBase;

    // From another item; anything else is ignored.
    void Assign(const TObject* Source);

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    const TStringList& Text() const { return FText; }
    TStringList& Text() { return FText; }
    void SetText(const TStringList& Value) { FText = Value; }
    // The text of Column, empty when the item has none there; never reads past its texts.
    std::string TextAt(int Column) const;
    bool HasTextAt(int Column) const { return Column >= 0 && Column < FText.Count(); }

private:
    int FImageIndex = -1;
    TStringList FText;
};

class TDropDownItems : public TButtonCollection<TDropDownItem> {
public:
    using TButtonCollection::TButtonCollection;
    TDropDownItem* Items(int Index) const { return GetItem(Index); }
    // The first item whose text at Column is Value exactly (letter case counts); items without
    // a text there never match. -1 for none.
    int IndexInColumn(int Column, const std::string& Value) const;
};

} // namespace DropDownList
