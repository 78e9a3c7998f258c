#pragma once

#include "grid/dropdown/CollectionItem.h"
#include "platform/core/StringList.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <functional>
#include <memory>
#include <string>

class TCanvas;
class TFont;

// The columns and items of the multi-column drop-down. The grid drop-down has classes of the
// same names with other code; the namespace keeps them apart.
namespace MultiColumnDropDown {

// ctImage shows the item's image of the drop-down's Images in front of the text.
enum TColumnType { ctText, ctImage };

using TDrawCellEvent =
    std::function<void(TObject* Sender, int Column, int Row, TCanvas* ACanvas, const TRect& ARect)>;
using TGetCellTextEvent =
    std::function<void(TObject* Sender, int Column, int Row, std::string& Text)>;
using TGetCellPropEvent = std::function<void(TObject* Sender, int Column, int Row, TFont* Font,
                                             TColor& AColor, TColor& AColorTo)>;

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

} // namespace MultiColumnDropDown
