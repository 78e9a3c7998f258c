#pragma once

#include "grid/foundation/BaseGridTypes.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridEvents.h"
#include "grid/foundation/GridTypes.h"
#include "platform/ui/StringGridControl.h"

#include <cstdint>
#include <string>

class TBrush;
class TCanvas;
class TExGridUndoRedo;
class TFont;

// The platform's string grid as the grid library derives from it.
class TObjStringGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
};

// The base of the string grid: cell texts with an optional TCellProperties object per cell
// (kept in the cell's object slot, created on first use), merged cells kept only in those
// properties, display-text hooks on cell reads, and the grid's own painting and navigation that
// keep the current cell on the base cells of merged areas.
//
// Coordinates are column first, then row. Cell access outside the grid's counts goes to the
// platform grid's cell store unchanged.
class TBaseGrid : public TObjStringGrid {
public:
    explicit TBaseGrid(TComponent* AOwner);
    ~TBaseGrid() override;

    // --- cell access ---
    // Text of the base cell of (c, r), through the display-text hooks for normal rows.
    std::string Cells(int c, int r) const { return GetCellEx(c, r); }
    void SetCells(int c, int r, const std::string& Value) { SetCellEx(c, r, Value); }
    std::string GetCellEx(int c, int r) const;
    void SetCellEx(int c, int r, const std::string& Value);
    // Raw text and object slot of exactly this cell: no base-cell redirection, no hooks.
    std::string GridCells(int c, int r) const { return TStringGrid::Cells(c, r); }
    std::string GetGridCell(int c, int r) const { return GridCells(c, r); }
    void SetGridCell(int c, int r, std::string_view Value) { TStringGrid::SetCells(c, r, Value); }
    TObject* GetGridObject(int c, int r) const { return TStringGrid::Objects(c, r); }
    // Whether Cells(c, r) is the stored text as it is (no object, so no merged area, and no
    // display hook): bulk readers then read CellTextView without a copy.
    bool ShowsStoredText(int c, int r) const {
        return !OnGetDisplText && !OnGetDisplWideText && !GetGridObject(c, r);
    }
    // Does not free the object it replaces.
    void SetGridObject(int c, int r, TObject* Value);
    // The cell's properties, created with the defaults on first use; never nullptr. Refuses
    // coordinates outside the cell store with Exception.
    TCellProperties* CellProperties(int c, int r) { return GetCellProperties(c, r); }
    TCellProperties* GetCellProperties(int c, int r);
    // Frees the cell's current properties and keeps Value (which the grid then owns).
    void SetCellProperties(int c, int r, TCellProperties* Value);
    // The user object (tag) of the cell; 0 when it has no properties (nothing is created).
    uintptr_t Objects(int c, int r) const { return GetObjectEx(c, r); }
    void SetObjects(int c, int r, uintptr_t Value) { SetObjectEx(c, r, Value); }
    uintptr_t GetObjectEx(int c, int r) const;
    void SetObjectEx(int c, int r, uintptr_t Value);
    TObject* GraphicObjects(int c, int r) const { return GetGraphicObjectEx(c, r); }
    void SetGraphicObjects(int c, int r, TObject* Value) { SetGraphicObjectEx(c, r, Value); }
    TObject* GetGraphicObjectEx(int c, int r) const;
    void SetGraphicObjectEx(int c, int r, TObject* Value);
    TObject* PropertiesGraphic(const TCellProperties* AProps) const;
    // True for a cell inside TotalColCount x RowCount with a properties object.
    bool HasCellProperties(int c, int r) const;

    // --- merged cells ---
    // Merges spanx columns by spany rows from (c, r). Refused (false, nothing changed) when the
    // area leaves the grid or overlaps an existing merged area other than exactly itself.
    virtual bool MergeCells(int c, int r, int spanx, int spany);
    // Splits the area (c, r) belongs to into single cells; false when the cell lies in no area.
    virtual bool SplitCells(int c, int r);
    TPoint BaseCell(int ACol, int ARow) const;
    bool FindBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    // Extra columns and rows of the cell's area.
    TPoint CellSpan(int ACol, int ARow) const;
    // Distance from the cell to the bottom-right cell of its area.
    TPoint CellExt(int ACol, int ARow) const;
    // The area in cell coordinates, right and bottom inclusive.
    TRect FullCell(int c, int r) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    // Describes the first broken rule of the merged areas, or returns empty text when every
    // area is whole and consistent; a check for tests and debugging.
    std::string CheckMergedAreas() const;

    // --- geometry ---
    // Client rectangle of the cell, of the whole area for a merged cell.
    TRect CellRect(int c, int r) const;
    TPoint CellSize(int c, int r) const;
    // Rectangle of a cell from widths and heights, also for cells scrolled out of view.
    TRect VirtualCellRect(int c, int r) const;
    void RepaintCell(int c, int r);
    int FixedColsWidth() const;
    int FixedRowsHeight() const;

    // --- detaching and freeing properties ---
    void ResetColumn(int ACol);
    void ResetRow(int ARow);
    void ResetCell(int ACol, int ARow);
    void FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow);
    void FreeCellProperties(int ACol, int ARow);
    void FreeAllCellProperties();

    // --- painting and navigation ---
    // Paints one cell as the paint loop does, content included.
    void PaintCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
    // Background and lines only, in the given rectangle, without widening a merged cell.
    void PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
    // Moves the current cell to the base cell of its area.
    void SnapToBaseCell();
    void RepaintMergedFixedRowCells();
    void RepaintMergedFixedColCells();

    // --- properties ---
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor Value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor Value);
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle Value);
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool Value);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor Value);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor Value);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor Value);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor Value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
    // Default word wrap of new cell properties.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    TExGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TExGridUndoRedo* Value);

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // --- virtual operations of the grid library ---
    virtual bool IsFixed(int ACol, int ARow) { return false; }
    virtual int GetRowIndent(int ARow) { return 0; }
    virtual bool HasNodes() { return false; }
    virtual int DisplColIndex(int ACol) { return ACol; }
    virtual int TotalColCount() const { return ColCount(); }

protected:
    // Draws Cells[ACol, ARow] on one line, centred both ways.
    virtual void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                                 TGridDrawState AState);
    virtual void LastRowChanged() {}
    // Readers of many cells skip both where ShowsStoredText holds: overrides act through the hooks.
    virtual void GetDisplText(int ACol, int ARow, std::string& Value) const;
    virtual void GetDisplWideText(int ACol, int ARow, std::string& Value) const;
    virtual void GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                          TColor& AColorTo, TColor& AMirrorColor,
                                          TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                          bool& WW, TCellGradientDirection& GD);
    virtual void CellTextChanged(int ACol, int ARow) {}
    virtual bool HasCellBorders() { return false; }
    virtual bool UsesVCLStyles() { return false; }
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print,
                                     bool Select, bool Remap, TBrush* ABrush, TColor& AColorTo,
                                     TColor& AMirrorColor, TColor& AMirrorColorTo, TFont* AFont,
                                     TAlignment& HA, TVAlignment& VA, bool& WW,
                                     TCellGradientDirection& GD) {}

    // Platform overrides.
    void Notification(TComponent* component, bool removing) override;
    void DroppingCells(const TGridRect& Range) override;
    void Paint() override;
    void DrawGridCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool CanSelectCell(int ACol, int ARow) override;
    void HandleKeyDown(WORD& Key, TShiftState Shift) override;
    bool HandleWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool HandleWheelUp(TShiftState Shift, TPoint MousePos) override;
    void HandleTopLeftChange() override;
    std::string GetEditorText(int ACol, int ARow) override;
    void SetEditorText(int ACol, int ARow, const std::string& Value) override;
    void HandleScaleChange(int M, int D) override;

    // State the string grid steers.
    bool FHideLastRow = false; // the last row is a hidden footer row
    int FNormalRowCount = 0;   // rows below it get the display-text hooks
    int FHoverRowIdx = -1;     // row under the mouse
    bool FShowSel = true;
    bool FHasCellProps = false; // some cell has ever received properties
    int FMergeCount = 0;
    int FPaintID = 1;
    bool FCustomSelect = true;

private:
    friend class TCellProperties;

    TCellProperties* PropertiesOf(int c, int r) const;
    TCellProperties* CreateCellProperties(int c, int r);
    void FreePropertiesIn(int FromCol, int FromRow, int ToCol, int ToRow);
    // Frees a properties object with the grid's own TCellGraphic it holds.
    static void DeleteProperties(TCellProperties* props);
    bool AreaIsFree(int c, int r, int spanx, int spany) const;
    void PaintCellInternal(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                           bool DrawContent);
    void PaintBackground(TCanvas* ACanvas, int ACol, TRect ARect, TGridDrawState AState,
                         TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                         TCellGradientDirection GD);
    void PaintLines(TCanvas* ACanvas, int ACol, TRect ARect, TGridDrawState AState);
    void RepaintMergedCells(int FromCol, int ToCol, int FromRow, int ToRow);
    void MoveToAreaEnd(bool Vertical);

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = 0xC0C0C0;
    TColor FGridFixedLineColor = 0x808080;
    TExGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells{hcNormal, hcSelected};
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FDestroying = false;
};
