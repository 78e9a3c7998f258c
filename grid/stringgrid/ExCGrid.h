#pragma once

#include "grid/foundation/GridEvents.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridColumnCollection.h"
#include "grid/stringgrid/GridColumnItem.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TCellGraphic;
class TPopupMenu;

using TColumnPopupEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
using TColumnMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

// What the cell editors of a column take from its item when the editing core asks a cell's
// editor kind: the combo items and rows, the spin limits and the custom editor. The editors
// read it when they open.
struct TColumnEditorSettings {
    TStringList ComboItems;
    int DropDownCount = 8;
    int SpinMin = 0;
    int SpinMax = 0;
    int SpinStep = 1;
    TComponent* EditLink = nullptr;
};

// The string grid with one settings item per real column (Columns): header, width, colours,
// fonts, borders, alignment, editor kind, check texts, read-only and fixed flags, sort style,
// float format and size limits. The grid's cell decisions take their answers from the item of
// the real column before the grid's own events run. The item count follows the column count
// (hidden columns included) and a change of the items sets the column count and the header list.
class TExColumnGrid : public TExStringGrid {
public:
    explicit TExColumnGrid(TComponent* AOwner);
    ~TExColumnGrid() override;

    void Loaded() override;
    // Also brings the item count in step.
    void SetColCount(int Value) override;
    TGridColumnCollection* Columns() const { return FColumnCollection.get(); }
    void SetColumns(const TGridColumnCollection& Value) { FColumnCollection->Assign(Value); }
    // The first item named exactly Value, nullptr when none.
    TGridColumnItem* GetColumnByName(const std::string& Value) const;
    // The item of a real column, nullptr when the collection has none for it.
    TGridColumnItem* ColumnItem(int ARealCol) const;

    // The column settings as one component image appended to Stream. Loading replaces the
    // values of the items from such an image read at Position (moved past it); the column
    // count stays. A stream that is no such image throws EReadError and leaves the items and
    // the grid as they were.
    void SaveColumnsToStream(std::string& Stream);
    void LoadColumnsFromStream(std::string_view Stream, size_t& Position);
    void LoadColumnsFromStream(std::string_view Stream);

    // Column positions (ExCGridPositions.cpp): for every position, the load-time position of
    // the column now there, as the position keys store them ...
    std::vector<int> ColumnPositions() const;
    // ... and the columns moved back to such positions. A list that is not one position per
    // item, each once, changes nothing and answers false.
    bool RestoreColumnPositions(const std::vector<int>& Positions);
    // The positions as "CP" + position keys in Section of the INI file Key. Loading changes
    // nothing while a key is missing, and throws Exception for values that are not one
    // position per item, each once.
    void SaveColumnPositions(const std::string& Key, const std::string& Section);
    void LoadColumnPositions(const std::string& Key, const std::string& Section);
    // An INI file location keeps the item positions; the registry the string grid's order.
    void SaveColPositions() override;
    void LoadColPositions() override;

    bool AutoFilterDisplay = false;
    TColumnPopupEvent OnColumnPopup;
    TColumnMovedEvent OnAfterColumnMoved;
    TFloatFormatEvent OnGetFloatFormat;
    // Filled by GetEditorType for the cell asked about.
    TColumnEditorSettings ColumnEditor;

    // --- the string grid's hooks, answered from the column items (ExCGridHooks.cpp) ---------
    std::string GetFormattedCell(int ACol, int ARow) override;
    std::string GetColumnFloatFormat(int ACol, int ARow) override;
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
    void UpdateColumnSize(int ACol, int& Width) override;
    void UpdateAutoColumnSize(int ACol, int& Width) override;
    void ColumnHeadersChanged() override;
    void BulkCellsChanged() override;
    void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                      TFont* AFont) override;
    void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                           TFont* AFont) override;
    void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void GetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void GetFormat(int ACol, TSortStyle& AStyle, std::string& APrefix,
                   std::string& ASuffix) override;
    void GetEditorType(int ACol, int ARow, TEditorType& AEditor) override;
    void IsFixedCell(int ACol, int ARow, bool& IsFixed) override;
    void QueryCanEdit(int ACol, int ARow, bool& CanEdit) override;
    void CheckPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool HasComboBox(int ACol, int ARow) override;
    void GetCheckTrue(int ACol, int ARow, std::string& Value) override;
    void GetCheckFalse(int ACol, int ARow, std::string& Value) override;

    // --- column operations that carry the items along (ExCGrid.cpp) -------------------------
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    void SwapColumns(int ACol1, int ACol2) override;
    void Group(int ColIndex) override;
    void UnGroup() override;
    uint32_t GetVersionNr() override;
    std::string GetVersionString() override;

protected:
    virtual std::unique_ptr<TGridColumnCollection> CreateColumns();
    void GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                  TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                  TAlignment& HA, TVAlignment& VA, bool& WW,
                                  TCellGradientDirection& GD) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void ColWidthsChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    int CellEditLimit() override;
    std::string CellEditMask(int ACol, int ARow) override;
    void Notification(TComponent* AComponent, bool removing) override;
    void HandleScaleChange(int M, int D) override;

    // A cell inside the normal rows and columns (right fixed columns and footers excluded),
    // by real column.
    bool IsDataCell(int ARealCol, int ARow);
    // The item of the real column of a display column at or past FixedCols, else nullptr.
    TGridColumnItem* ItemOfDisplayColumn(int ACol) const;

    std::unique_ptr<TGridColumnCollection> FColumnCollection;
    std::unique_ptr<TGridColumnItem> FSaveCol;
    std::unique_ptr<TCellGraphic> FColumnCellGraphic;
    bool FColMoving = false;
    // Set while InsertCols or RemoveCols place the items of the columns they change themselves.
    bool FPlacingColumnItems = false;

private:
    friend class TGridColumnItem;
    friend class TGridColumnCollection;
    // Items added or freed until there is one per real column.
    void SynchronizeItems();
    // The header list from the Header of every item in order.
    void RebuildHeaderList();
    void ShowColumnPopup(TMouseButton Button, int ACol, int ARow);
};
