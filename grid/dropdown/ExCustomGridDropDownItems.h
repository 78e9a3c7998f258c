#pragma once

#include "grid/dropdown/CollectionItem.h"
#include "platform/core/StringList.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <memory>
#include <string>

class TFont;

// The columns and items of the grid drop-down. The multi-column drop-down has classes of the same
// names with code of its own, so these live in a namespace of their own.
namespace GridDropDown {

enum TColumnType { ctText, ctImage };

// The settings of one column of the drop-down's grid.
class TDropDownColumn : public TCollectionItemBase {
public:
    explicit TDropDownColumn(TButtonCollectionBase* Collection);
    ~TDropDownColumn() override;

    // From another column only.
    void Assign(const TObject* Source);

    bool Wordwrap() const { return FWordwrap; }
    void SetWordwrap(bool Value) { FWordwrap = Value; }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    const std::string& Header() const { return FHeader; }
    void SetHeader(const std::string& Value) { FHeader = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColumnType ColumnType() const { return FColumnType; }
    void SetColumnType(TColumnType Value) { FColumnType = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value) { FEllipsis = Value; }

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
};

// One row of the drop-down: a text per column, in column order, and an image index.
class TDropDownItem : public TCollectionItemBase {
public:
    using TCollectionItemBase::TCollectionItemBase;

    // From another item only.
    void Assign(const TObject* Source);

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    TStringList* Text() { return &FText; }
    const TStringList* Text() const { return &FText; }
    void SetText(const TStringList& Value) { FText = Value; }
    // The text of column Column; empty when the item has fewer texts.
    std::string TextAt(int Column) const;
    bool HasTextAt(int Column) const { return Column >= 0 && Column < FText.Count(); }

private:
    int FImageIndex = -1;
    TStringList FText;
};

class TDropDownItems : public TButtonCollection<TDropDownItem> {
public:
    using TButtonCollection::TButtonCollection;
};

} // namespace GridDropDown
