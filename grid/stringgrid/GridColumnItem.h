#pragma once

#include "grid/foundation/GridDate.h"
#include "grid/foundation/GridTypes.h"
#include "platform/core/StringList.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Component.h"
#include "platform/ui/Font.h"
#include "platform/ui/Object.h"
#include "platform/ui/Types.h"

#include <string>

class TGridColumnCollection;
class TExColumnGrid;
class TPopupMenu;

// Which click on a column shows its popup menu.
enum TColumnPopupType {
    cpFixedCellsRClick,
    cpFixedCellsLClick,
    cpNormalCellsRClick,
    cpNormalCellsLClick,
    cpAllCellsRClick,
    cpAllCellsLClick
};

// The settings of one real column of a column grid. Inside a collection a change of the
// settings that shape the grid (colour, fonts, borders, fixed, password, bands) tells the
// collection, which brings the grid in step; a free-standing item (a grouped column's saved
// settings) only keeps values.
class TGridColumnItem : public TObject {
public:
    // Collection may be nullptr for a free-standing item.
    explicit TGridColumnItem(TGridColumnCollection* Collection);
    ~TGridColumnItem() override;
    TGridColumnItem(const TGridColumnItem&) = delete;
    TGridColumnItem& operator=(const TGridColumnItem&) = delete;

    TGridColumnCollection* Collection() const { return FCollection; }
    // The item's position in its collection, -1 when free-standing.
    int Index() const;
    std::string DisplayName() const;

    // Every setting but the popup type and the two print-custom flags; the width goes to the
    // stored field only. Any other source is ignored.
    void Assign(const TObject* Source);
    // As Assign, but colour and font come from the grid and the combo items, drop-down count,
    // header font, header, name and tag stay.
    void AssignVisuals(const TObject* Source);

    int AutoMinSize = 0;
    int AutoMaxSize = 0;
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders Value);
    TPen* BorderPen() { return &FBorderPen; }
    const TPen* BorderPen() const { return &FBorderPen; }
    void SetBorderPen(const TPen& Value);
    std::string CheckFalse = "N";
    std::string CheckTrue = "Y";
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TPopupMenu* ColumnPopup = nullptr;
    TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
    TStringList* ComboItems() { return &FComboItems; }
    const TStringList* ComboItems() const { return &FComboItems; }
    void SetComboItems(const TStringList& Value) { FComboItems = Value; }
    int DropDownCount = 8;
    int EditLength = 0;
    // The custom editor of edCustom cells; the grid forgets it when it is freed.
    TComponent* EditLink = nullptr;
    std::string EditMask;
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType Value);
    TStringList* Filter() { return &FFilter; }
    const TStringList* Filter() const { return &FFilter; }
    void SetFilter(const TStringList& Value);
    bool FilterCaseSensitive = false;
    bool Fixed() const { return FFixed; }
    void SetFixed(bool Value);
    const std::string& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const std::string& Value);
    TFont* Font() { return &FFont; }
    const TFont* Font() const { return &FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    const std::string& Header() const { return FHeader; }
    void SetHeader(const std::string& Value);
    // The stored header alone, for the grid's own header list refresh.
    void SetHeaderField(const std::string& Value) { FHeader = Value; }
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment Value);
    TFont* HeaderFont() { return &FHeaderFont; }
    const TFont* HeaderFont() const { return &FHeaderFont; }
    void SetHeaderFont(const TFont& Value) { FHeaderFont.Assign(Value); }
    int MinSize = 0;
    int MaxSize = 0;
    std::string Name;
    bool Password() const { return FPassword; }
    void SetPassword(bool Value);
    bool PrintBorderCustom = true;
    TCellBorders PrintBorders{cbTop, cbLeft, cbRight, cbBottom};
    TPen PrintBorderPen;
    TColor PrintColor = clWhite;
    bool PrintFontCustom = true;
    TFont PrintFont;
    bool ReadOnly = false;
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool Value);
    TSortStyle SortStyle = ssAutomatic;
    std::string SortPrefix;
    std::string SortSuffix;
    int SpinMax = 0;
    int SpinMin = 0;
    int SpinStep = 1;
    int Tag = 0;
    // The grid's stored width of the item's real column; 0 when free-standing.
    int Width() const;
    void SetWidth(int Value);
    // The width last stored or copied, kept while the grid has no such column.
    int StoredWidth() const { return FWidth; }
    void SetStoredWidth(int Value) { FWidth = Value; }

    // The position the column had when the grid was loaded.
    int DefIdx = 0;

    // Typed access to the item's column, row i.
    std::string Rows(int i) const;
    void SetRows(int i, const std::string& Value);
    int Ints(int i) const;
    void SetInts(int i, int Value);
    double Floats(int i) const;
    void SetFloats(int i, double Value);
    TDateTime Dates(int i) const;
    void SetDates(int i, TDateTime Value);
    TDateTime Times(int i) const;
    void SetTimes(int i, TDateTime Value);

private:
    TExColumnGrid* Grid() const;
    void Changed();
    void InvalidateGrid();
    void CopyFrom(const TGridColumnItem& Source, bool VisualsOnly);

    TGridColumnCollection* FCollection;
    TAlignment FAlignment = taLeftJustify;
    TCellBorders FBorders;
    TPen FBorderPen;
    TColor FColor = clWindow;
    TStringList FComboItems;
    TEditorType FEditor = edNormal;
    TStringList FFilter;
    bool FFixed = false;
    std::string FFloatFormat;
    TFont FFont;
    std::string FHeader;
    TAlignment FHeaderAlignment = taLeftJustify;
    TFont FHeaderFont;
    bool FPassword = false;
    bool FShowBands = false;
    int FWidth = 50;
};
