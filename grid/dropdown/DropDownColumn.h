#pragma once

#include "grid/dropdown/CollectionItem.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <memory>
#include <string>

class TFont;

// The columns of a drop-down that lists its items in several columns under a header row. The
// multi-column drop-down and the grid drop-down name these into their own namespaces.
namespace DropDownList {

// ctImage shows the item's image of the drop-down's Images in front of the text.
enum TColumnType { ctText, ctImage };

// How one column of the list looks.
class TDropDownColumn : public TCollectionItemBase {
public:
    explicit TDropDownColumn(TButtonCollectionBase* Collection);
    ~TDropDownColumn() override;

    // From another column; anything else is ignored.
    void Assign(const TObject* Source);

    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    // Single-line texts that do not fit end in "...".
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value) { FEllipsis = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value);
    TColumnType ColumnType() const { return FColumnType; }
    void SetColumnType(TColumnType Value) { FColumnType = Value; }
    const std::string& Header() const { return FHeader; }
    void SetHeader(const std::string& Value) { FHeader = Value; }
    // Texts wrap onto several lines and the rows grow to fit.
    bool Wordwrap() const { return FWordwrap; }
    void SetWordwrap(bool Value) { FWordwrap = Value; }
    // The width follows the widest item text whenever the list is filled.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }

private:
    bool FWordwrap = false;
    int FWidth = 80;
    bool FAutoSize = false;
    std::string FHeader;
    TAlignment FAlignment = taLeftJustify;
    TColor FColor = 0xFFFFFF;
    TColumnType FColumnType = ctText;
    std::unique_ptr<TFont> FFont;
    bool FEllipsis = false;
};

class TDropDownColumns : public TButtonCollection<TDropDownColumn> {
public:
    using TButtonCollection::TButtonCollection;
    TDropDownColumn* Items(int Index) const { return GetItem(Index); }
};

} // namespace DropDownList
