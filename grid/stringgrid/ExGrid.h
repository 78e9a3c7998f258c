#pragma once

#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/CellGraphics.h"
#include "grid/foundation/ExStyleIF.h"
#include "grid/foundation/GridDate.h"
#include "grid/stringgrid/CellDrawContext.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/EditorControlEvents.h"
#include "grid/stringgrid/ExGridEvents.h"
#include "grid/stringgrid/ExGridTypes.h"
#include "grid/stringgrid/GridLookTypes.h"
#include "grid/stringgrid/ScrollProp.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StringGridControlCells.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class TBackGround;
class TBalloonSettings;
class TBands;
class TBitmap;
class TCellGraphic;
class TCellEditor;
class TCellNode;
class TColumnSize;
class TControlList;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TDropCheckList;
class TDropList;
class TExStringGridCheck;
class TFilePicture;
class TFilter;
class TFilterDropDown;
class TFloatingFooter;
class TFocusHelper;
class TFooterPanel;
class TForm;
class TGridChangeNotifier;
class TGridProgressAppearance;
class TGridStrings;
class TGrouping;
class THTMLPictureCache;
class THTMLSettings;
class TIntList;
class TMouseActions;
class TNavigation;
class TPicture;
class TPictureContainer;
class TPrintSettings;
class TSearchFooter;
class TSearchPanel;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TStringList;
class TSyncGrid;
struct TStoredRow;
class TBaseGridRowMover;
class THiddenColumnSet;
class THiddenRowStore;
// Editor controls.
class TControlCombo;
class TControlEdit;
class TDropDownCellControl;
class TEditLink;
class TExRichEdit;
class TGridButton;
class TGridCheckBox;
class TGridCombo;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridDropDownEditor;
class TGridEditBtn;
class TGridSpin;
class TGridTransCombo;
class TGridTransEdit;
class TGridUnitEditBtn;
class TRichEdit;

using TRowUpdateEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;

// Listens to the selection of a grid (one listener per grid).
class ITExStringGridSelect {
public:
    virtual ~ITExStringGridSelect() = default;
    virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom) = 0;
};

// The string grid: a table of text cells with fixed header rows and columns, hidden rows and
// columns, typed cell access, per-cell decisions through hooks and events, editing, sorting,
// filtering, exchange and printing. One class whose implementation is split by feature over the
// ExGrid*.cpp files.
//
// Cell addressing: the cell store is addressed by display row and real column. Hidden rows
// leave the store (the hidden-row store keeps them); hidden columns stay in it and are only
// marked, so ColCount counts the columns on show and TotalColCount the real ones.
class TExStringGrid : public TBaseGrid, public IULKStyle, public IULKTones {
public:
    explicit TExStringGrid(TComponent* AOwner);
    ~TExStringGrid() override;

    // --- life cycle ---------------------------------------------------------------------------
    // Copies settings, sizes and cells of another TExStringGrid; any other source is ignored.
    virtual void Assign(TObject* Source);
    // Virtual so that the column grid keeps its column items in step.
    virtual void Loaded();
    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Does nothing for the one paint that a pending edit change asked to skip.
    void Invalidate();

    // --- geometry (ExGridGeometry.cpp) --------------------------------------------------------
    // Fewer rows keep the cells of the rows cut off: they come back when the count grows again
    // and are freed with the grid.
    void SetRowCount(int Value);
    virtual void SetColCount(int Value);
    void SetCol(int Value);
    int FixedRows() const;
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    int FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int Value);
    void SetDefaultRowHeight(int Value);
    int FixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(int Value);
    int FixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(int Value);
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
    bool FixedColAlways() const { return FFixedColAlways; }
    void SetFixedColAlways(bool Value) { FFixedColAlways = Value; }
    TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment Value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    // The text-drawing vertical flag of VAlignment: 0 top, 4 centre, 8 bottom.
    int VAlign() const { return FVAlign; }
    bool WordWrap() const { return FWordWrapEx; }
    void SetWordWrap(bool Value);
    void SetSelection(const TGridRect& Value);
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool Value) { FIntegralHeight = Value; }
    // Single border (2 pixels) or none, for the integral-height arithmetic.
    bool BorderSingle() const { return FBorderSingle; }
    void SetBorderSingle(bool Value) { FBorderSingle = Value; }
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    void SetScrollBarAlways(TScrollBarAlways Value);
    void UpdateScrollBarsAlways(bool Force);
    int MaxRowCount() const { return FMaxRowCount; }
    int MaxColCount() const { return FMaxColCount; }

    // --- update lock (ExGridGeometry.cpp) -----------------------------------------------------
    // One count for both: every BeginUpdate or StartUpdate is undone by one EndUpdate, whether
    // the grid is on show or not, so a grid never stays locked. BeginUpdate also switches
    // drawing off; the EndUpdate that brings the count to 0 switches it on and repaints once.
    void BeginUpdate();
    void StartUpdate() { ++FUpdateCount; }
    void EndUpdate();
    void ResetUpdate() { FUpdateCount = 0; }
    int UpdateCount() const { return FUpdateCount; }
    bool LockUpdate() const { return FUpdateCount != 0; }
    void SetLockUpdate(bool Value);

    // --- header lists -------------------------------------------------------------------------
    TGridStrings* ColumnHeaders() const { return FColumnHeaders.get(); }
    void SetColumnHeaders(const TStringList& Value);
    TGridStrings* RowHeaders() const { return FRowHeaders.get(); }
    void SetRowHeaders(const TStringList& Value);
    void ShowColumnHeaders();
    void ClearColumnHeaders();
    void ShowRowHeaders();
    void ClearRowHeaders();

    // --- notifiers, listeners, version --------------------------------------------------------
    void RegisterNotifier(TGridChangeNotifier* Item);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    const std::vector<TGridChangeNotifier*>& Notifiers() const { return FNotifierList; }
    void RegisterSelListener(ITExStringGridSelect* AListener) { FSelListener = AListener; }
    void UnRegisterSelListener(ITExStringGridSelect* = nullptr) { FSelListener = nullptr; }
    ITExStringGridSelect* SelListener() const { return FSelListener; }
    std::string Version() const;
    void SetVersion(const std::string&) {}
    // The cell's font, or the grid's font for a cell without properties; the grid keeps it.
    TFont* GetCellFont(int ACol, int ARow);

    // --- appearance properties of the frame (ExGrid.cpp) --------------------------------------
    bool ShowDesignHelper() const { return FShowDesignHelper; }
    void SetShowDesignHelper(bool Value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value);
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(TColor Value);
    bool ActiveCellShow() const { return FActiveCellShow; }
    void SetActiveCellShow(bool Value);
    TColor ActiveCellColor() const { return FActiveCellColor; }
    void SetActiveCellColor(TColor Value);
    TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
    void SetActiveCellColorTo(TColor Value);
    TPoint XYOffset() const { return FXYOffset; }
    void SetXYOffset(TPoint Value);
    void UpdateXYOffset(int X, int Y) { FXYOffset = TPoint{X, Y}; }
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor Value);
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor Value);
    TColor SelectionMirrorColor() const { return FSelectionMirrorColor; }
    void SetSelectionMirrorColor(TColor Value);
    TColor SelectionMirrorColorTo() const { return FSelectionMirrorColorTo; }
    void SetSelectionMirrorColorTo(TColor Value);
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value);
    bool SelectionColorMixer() const { return FSelectionColorMixer; }
    void SetSelectionColorMixer(bool Value);
    int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    void SetSelectionColorMixerFactor(int Value);
    bool SelectionRectangle() const { return FSelectionRectangle; }
    void SetSelectionRectangle(bool Value);
    bool SelectionResizer() const { return FSelectionResizer; }
    void SetSelectionResizer(bool Value);
    bool ShowSelection() const { return FShowSelection; }
    void SetShowSelection(bool Value);
    int MaxEditLength() const { return FMaxEditLength; }
    // 0 for no limit; the in-place editor follows at once when it exists.
    void SetMaxEditLength(int Value);
    void SetSpreadSheet(bool Value);
    bool SpreadSheet() const { return FSpreadSheet; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    TGridLook Look() const { return FLook; }
    // Applies the look's colours to the grid and its settings.
    virtual void SetLook(TGridLook Value);
    // --- looks and styles ---
    // The name of a look in settings files and its caption; glCustom has neither and leaves
    // Text as it was.
    static void LookToString(TGridLook ALook, std::string& Text);
    static void LookCaption(TGridLook ALook, std::string& Text);
    // Applies one of the XP colour schemes to the fixed-cell gradient; does not repaint.
    void SetTheme(TXPColorScheme Scheme);
    // Fixed-cell gradient under the mouse and while pressed (clNone: none).
    TColor ULKGradientHoverFrom() const { return FULKGradientHoverFrom; }
    void SetULKGradientHoverFrom(TColor Value) { FULKGradientHoverFrom = Value; }
    TColor ULKGradientHoverTo() const { return FULKGradientHoverTo; }
    void SetULKGradientHoverTo(TColor Value) { FULKGradientHoverTo = Value; }
    TColor ULKGradientHoverMirrorFrom() const { return FULKGradientHoverMirrorFrom; }
    void SetULKGradientHoverMirrorFrom(TColor Value) { FULKGradientHoverMirrorFrom = Value; }
    TColor ULKGradientHoverMirrorTo() const { return FULKGradientHoverMirrorTo; }
    void SetULKGradientHoverMirrorTo(TColor Value) { FULKGradientHoverMirrorTo = Value; }
    TColor ULKGradientHoverBorder() const { return FULKGradientHoverBorder; }
    void SetULKGradientHoverBorder(TColor Value) { FULKGradientHoverBorder = Value; }
    TColor ULKGradientDownFrom() const { return FULKGradientDownFrom; }
    void SetULKGradientDownFrom(TColor Value) { FULKGradientDownFrom = Value; }
    TColor ULKGradientDownTo() const { return FULKGradientDownTo; }
    void SetULKGradientDownTo(TColor Value) { FULKGradientDownTo = Value; }
    TColor ULKGradientDownMirrorFrom() const { return FULKGradientDownMirrorFrom; }
    void SetULKGradientDownMirrorFrom(TColor Value) { FULKGradientDownMirrorFrom = Value; }
    TColor ULKGradientDownMirrorTo() const { return FULKGradientDownMirrorTo; }
    void SetULKGradientDownMirrorTo(TColor Value) { FULKGradientDownMirrorTo = Value; }
    TColor ULKGradientDownBorder() const { return FULKGradientDownBorder; }
    void SetULKGradientDownBorder(TColor Value) { FULKGradientDownBorder = Value; }
    TCursor Cursor() const { return TBaseGrid::Cursor(); }
    // Also remembered as the cursor the grid gives back when it is freed.
    void SetCursor(TCursor Value);
    void SetLookupItems(const TStringList* Value);
    TStringList* LookupItems() const { return FLookupItems.get(); }
    void SetFixedFont(const TFont* Value);
    TFont* FixedFont() const { return FFixedFont.get(); }
    void SetActiveCellFont(const TFont* Value);
    TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
    // Stored as RGB (system colours resolved).
    TColor ULKGradientFrom() const { return FULKGradientFrom; }
    void SetULKGradientFrom(TColor Value);
    TColor ULKGradientTo() const { return FULKGradientTo; }
    void SetULKGradientTo(TColor Value);
    TColor ULKGradientMirrorFrom() const { return FULKGradientMirrorFrom; }
    void SetULKGradientMirrorFrom(TColor Value);
    TColor ULKGradientMirrorTo() const { return FULKGradientMirrorTo; }
    void SetULKGradientMirrorTo(TColor Value);
    // Whether hints show mini-HTML (the hint window is chosen when a hint shows).
    bool UseHTMLHints() const { return FUseHTMLHints; }
    void SetUseHTMLHints(bool Value) { FUseHTMLHints = Value; }

    // --- owned settings objects ---------------------------------------------------------------
    TFooterPanel* FooterPanel() const { return FFooterPanel; }
    TSearchPanel* SearchPanel() const { return FSearchPanel; }
    TFocusHelper* FocusHelper() const { return FFocusHelper.get(); }
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
    TPrintSettings* PrintSettings() const { return FPrintSettings.get(); }
    THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
    TSortSettings* SortSettings() const { return FSortSettings.get(); }
    TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }
    TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
    TControlLook* ControlLook() const { return FControlLook.get(); }
    TNavigation* Navigation() const { return FNavigation.get(); }
    TColumnSize* ColumnSize() const { return FColumnSize.get(); }
    TCellNode* CellNode() const { return FCellNode.get(); }
    TBands* Bands() const { return FBands.get(); }
    TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping.get(); }
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    TGrouping* Grouping() const { return FGrouping.get(); }
    THTMLPictureCache* ImageCache() const { return FImageCache.get(); }
    TBitmap* RowIndicator() const { return FRowIndicator.get(); }
    TBackGround* BackGround() const { return FBackGround.get(); }
    TControlList* ControlList() const { return FControlList.get(); }
    TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance.get(); }
    TSyncGrid* SyncGrid() const { return FSyncGrid.get(); }
    // The hidden rows, kept out of the cell store, and the hidden columns' marks.
    THiddenRowStore* GridItems() const { return FGridItems.get(); }
    THiddenColumnSet* HiddenColumns() const { return FHiddenColumns.get(); }
    TFilter* Filter() const { return FFilter.get(); }
    TBalloonSettings* Balloon() const { return FBalloonSettings.get(); }
    TShowModified* ShowModified() const { return FShowModified.get(); }
    TCellGraphic* SharedCellGraphic() const { return FCellGraphic.get(); }
    TFilterDropDown* FilterDropDown() const { return FFilterDropDown.get(); }
    TDropList* DropList() const { return FDropList; }
    TDropCheckList* DropCheckList() const { return FDropCheckList; }
    TStringList* FilterList() const { return FFilterList.get(); }
    TStringList* SortList() const { return FSortList.get(); }
    TSortIndexList* SortIndexes() const { return FSortIndexes.get(); }
    TIntList* SortRowXRef() const { return FSortRowXRef.get(); }
    TIntList* UnSortRowXRef() const { return FUnSortRowXRef.get(); }
    TIntList* MergedColumns() const { return FMergedColumns.get(); }
    TIntList* SelectedCells() const { return FSelectedCells.get(); }
    TIntList* SelectedRows() const { return FSelectedRows.get(); }
    TIntList* ModifiedRows() const { return FModifiedRows.get(); }
    TIntList* EnabledRows() const { return FEnabledRows.get(); }
    TIntList* ColumnOrder() const { return FColumnOrder.get(); }
    TIntList* IgnoreColumns() const { return FIgnoreColumns.get(); }
    TIntList* OrigColSizes() const { return FOrigColSizes.get(); }
    // Setters of owned objects copy into them.
    void SetBands(const TBands* Value);
    void SetFocusHelper(const TFocusHelper* Value);
    void SetBackGround(const TBackGround* Value);
    void SetShowModified(const TShowModified* Value);
    void SetBalloon(const TBalloonSettings* Value);
    void SetProgressAppearance(const TGridProgressAppearance* Value);
    void SetDragScrollOptions(const TDragScrollOptions* Value);
    void SetSortSettings(const TSortSettings* Value);
    void SetRowIndicator(const TBitmap* Value);

    // --- hidden rows and columns (ExGridHidden*.cpp) ------------------------------------------
    // Real indexes count every row or column, display indexes those on show. Any column can be
    // hidden, whatever its index, and every index maps both ways; mappings are binary searches
    // over the hidden ones. Negative display indexes map to -1, negative real ones to
    // themselves.
    int RealColIndex(int ACol) const;
    int DisplColIndex(int ACol) override;
    int RealRowIndex(int ARow) const;
    int DisplRowIndex(int ARow) const;
    int DisplToRealCol(int ACol) const { return RealColIndex(ACol); }
    int RealToDisplCol(int ACol) const;
    int DisplToRealRow(int ARow) const { return RealRowIndex(ARow); }
    int RealToDisplRow(int ARow) const { return DisplRowIndex(ARow); }
    int GetRealCol() const { return RealColIndex(Col()); }
    int RealCol() const { return GetRealCol(); }
    int GetRealRow() const { return RealRowIndex(Row()); }
    int RealRow() const { return GetRealRow(); }
    bool IsHiddenColumn(int ColIndex) const;
    bool IsHiddenRow(int RowIndex) const;
    // The same test through a list of the hidden rows: made when ListHidden is nullptr and
    // handed back (the caller frees it), so a series of tests shares one list.
    bool IsHiddenRow(int RowIndex, TIntList*& ListHidden) const;
    int NumHiddenColumns() const;
    int NumHiddenRows() const;
    int TotalColCount() const override { return ColCount() + NumHiddenColumns(); }
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    bool IsIgnoredColumn(int ACol) const;
    // The stored cells of a hidden real row, nullptr when the row is on show.
    TStoredRow* HiddenRowItems(int ARealRow) const;
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int APos);
    // Records the present column order: position p holds column p.
    virtual void SetColumnOrder();
    // The first real column whose row-0 text is exactly AValue, hidden columns included; -1.
    int ColumnByHeader(const std::string& AValue) const;
    // Row arguments are real rows and column arguments real columns. Hiding leaves at least one
    // row and one column on show; hiding what is hidden and showing what is on show do nothing.
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    virtual void UnHideColumnsAll();
    void HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }
    void HideRows(int FromRow, int ToRow);
    // The same as HideRows, unless FromRow is hidden already: then nothing.
    void HideRowsEx(int FromRow, int ToRow);
    // Hides the listed display rows as one filter level and raises the level.
    void HideRowList(const TIntList& RowList);
    void UnHideRow(int RowIndex);
    // Nothing unless FromRow itself is hidden.
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    // Shows the rows of the newest filter level; the caller lowers the level.
    void UnHideRowList();
    // Number of nested row-hiding levels of HideRowList.
    int FilterLevel() const;
    void SetFilterLevel(int Value);
    int GetRowEx() const { return Row(); }
    // The current row: fires OnRowUpdate when it differs from the row remembered at the last
    // change, and moves the current row of a grid synchronised by row along.
    void SetRowEx(int Value);
    TRowUpdateEvent OnRowUpdate;
    int GetTopRowEx() const { return TopRow(); }
    // Nothing outside FixedRows to RowCount - 1.
    void SetTopRowEx(int Value);

    // --- cell access (ExGridCells.cpp) --------------------------------------------------------
    // Typed views of a cell: integer and float readers throw ROvoVariRodev for texts that are
    // no number; the writers store the text through the cell store.
    int Ints(int i, int j) const;
    void SetInts(int i, int j, int Value);
    int AllInts(int i, int j) const;
    void SetAllInts(int i, int j, int Value);
    double Floats(int i, int j) const;
    void SetFloats(int i, int j, double Value);
    double AllFloats(int i, int j) const;
    void SetAllFloats(int i, int j, double Value);
    TDateTime Dates(int i, int j) const;
    void SetDates(int i, int j, TDateTime Value);
    TDateTime Times(int i, int j) const;
    void SetTimes(int i, int j, TDateTime Value);
    std::string ControlValues(int i, int j, const std::string& ID) const;
    void SetControlValues(int i, int j, const std::string& ID, const std::string& Value);
    std::string GetCtrlVal(int i, int j, const std::string& ID) const {
        return ControlValues(i, j, ID);
    }
    void SetCtrlVal(int i, int j, const std::string& ID, const std::string& Value) {
        SetControlValues(i, j, ID, Value);
    }
    // By real row j: hidden rows are read from (and written to) the hidden-row store.
    std::string AllCells(int i, int j) const;
    void SetAllCells(int i, int j, const std::string& Value);
    std::string AllGridCells(int i, int j) const;
    void SetAllGridCells(int i, int j, const std::string& Value);
    std::u16string AllWideCells(int i, int j) const;
    void SetAllWideCells(int i, int j, std::u16string_view Value);
    std::u16string WideCells(int i, int j) const;
    void SetWideCells(int i, int j, std::u16string_view Value);
    uintptr_t AllObjects(int i, int j) const;
    void SetAllObjects(int i, int j, uintptr_t Value);
    std::string UnSortedCells(int i, int j) const;
    void SetUnSortedCells(int i, int j, const std::string& Value);
    std::string OriginalCells(int i, int j) const;
    void SetOriginalCells(int i, int j, const std::string& Value);
    int AllColWidths(int i) const;
    void SetAllColWidths(int i, int Value);
    std::string StrippedCells(int i, int j) const;
    std::string GetStrippedCell(int i, int j) const { return StrippedCells(i, j); }
    int LinesInCell(int i, int j) const;
    TColor Colors(int i, int j) const;
    void SetColors(int i, int j, TColor Value);
    TColor ColorsTo(int i, int j) const;
    void SetColorsTo(int i, int j, TColor Value);
    TCellGradientDirection Gradients(int i, int j) const;
    void SetGradients(int i, int j, TCellGradientDirection Value);
    TFont* Fonts(int i, int j) { return GetCellFont(i, j); }
    void SetCellFont(int i, int j, const TFont* Value);
    TColor FontColors(int i, int j) const;
    void SetFontColors(int i, int j, TColor Value);
    TFontStyles FontStyles(int i, int j) const;
    void SetFontStyles(int i, int j, TFontStyles Value);
    int FontSizes(int i, int j) const;
    void SetFontSizes(int i, int j, int Value);
    std::string FontNames(int i, int j) const;
    void SetFontNames(int i, int j, const std::string& Value);
    TAlignment Alignments(int i, int j) const;
    void SetAlignments(int i, int j, TAlignment Value);
    bool ReadOnly(int i, int j) const;
    void SetReadOnly(int i, int j, bool Value);
    // Creates the cell's properties when it has none.
    bool WordWraps(int i, int j);
    void SetWordWraps(int i, int j, bool Value);
    void SetRowColor(int j, TColor Value);
    void SetRowColorTo(int j, TColor Value);
    void SetRowFontColor(int j, TColor Value);
    TControl* CellControls(int i, int j) const;
    void SetCellControls(int i, int j, TControl* AControl);
    int NumCellControls() const { return FNumCellControls; }
    // The same cell texts by their accessor names.
    std::string GetCellsEx(int i, int j) const { return Cells(i, j); }
    void SetCellsEx(int i, int j, const std::string& Value) { SetCells(i, j, Value); }
    std::string GetGridCellsEx(int i, int j) const { return GetGridCell(i, j); }
    void SetGridCellsEx(int i, int j, const std::string& Value) { SetGridCell(i, j, Value); }
    // The raw object slot of a real row: a hidden row's stored object, else the store's.
    TObject* GetGridObjectsEx(int i, int ARealRow) const;
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    int AllColCount() const { return ColCount() + NumHiddenColumns(); }
    int AllRowCount() const { return RowCount() + NumHiddenRows(); }
    TEditorType CurrentEditor() const { return EditControl; }
    // Test data: every cell of the normal area (all cells with DoFixed).
    void TextFill(bool DoFixed, const std::string& Txt);
    // Format(Fmt, [column, row]) in the printf style: "%d:%d" gives "column:row".
    void FormatFill(bool DoFixed, const std::string& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    // Repaints; column arguments are display columns.
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    void RepaintRect(const TRect& R);
    // Exchanges texts and objects of two storage cells; no repaint, no events.
    void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
    void CellControlsUpdate(bool rebuildlist);
    std::string CurrentCell() { return GetCurrentCell(); }
    void SetCurrentCell(const std::string& Value) { SetCurrentCellValue(Value); }

    // --- cell graphics and check boxes (ExGridGraphics.cpp, ExGridCheckBoxes.cpp, ExGridRadio.cpp)
    // Columns are real columns, rows display rows, unless a line says otherwise. Adding a
    // graphic replaces (and frees) the graphic the cell had.
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType);
    // Kind of the graphic of the cell's base cell; false without one.
    bool IsCellTypeIn(int ACol, int ARow, std::initializer_list<TCellType> Kinds);
    bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    bool HasButton(int ACol, int ARow);
    bool HasProgress(int ACol, int ARow);
    bool HasRating(int ACol, int ARow);
    bool HasScrollBar(int ACol, int ARow);
    bool HasBalloon(int ACol, int ARow);
    bool HasExpand(int ACol, int ARow);
    bool HasDataImage(int ACol, int ARow);
    // Cells operated by clicks and the space key instead of a text editor.
    bool IsControlCell(int ACol, int ARow);
    TIntList* GetCellImages(int ACol, int ARow);
    // The sort key of a cell image: the object for bitmaps and icons, the index for image-list
    // images, -1 otherwise.
    intptr_t GetCellImageKey(int ACol, int ARow);
    // Check boxes. The "Invalid cell" Exception refuses cells outside the grid.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    // By real row (the same as the display row while no row is hidden); false, with State
    // untouched, for a cell without a readable check box.
    virtual bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    bool IsChecked(int ACol, int ARow);
    // Silent setters: no event fires.
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheckBoxEx(ACol, ARow, false); }
    // Fire OnCheckBoxChange for every box that changes.
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool SetCheckStateNotify(int ACol, int ARow, bool State);
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    // Radio buttons: one per cell, a column of them is one group.
    void AddRadioButton(int ACol, int ARow, bool State = false);
    void RemoveRadioButton(int ACol, int ARow);
    bool HasRadioButton(int ACol, int ARow);
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButtonColumn(int ACol);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    int GetRadioButtonColumnIndex(int ACol);
    // Radio groups: one cell shows a list of items. AddRadio keeps the caller's list; the list
    // of CreateRadio belongs to the cell.
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl);
    TStringList* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool RemoveRadio(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TStringList* GetRadioStrings(int ACol, int ARow);
    // --- cell images, buttons, indicators and annotations (ExGridCellImages*.cpp)
    // Add* keeps the caller's object (it must outlive the graphic); Create* makes one the cell
    // owns and frees. Get*/Remove* act only on a graphic of their own kind. Colours of
    // indicators, shapes and ratings are stored as plain values in the object fields.
    void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                   TCellVAlign val);
    TBitmap* CreateBitmap(int ACol, int ARow, bool transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    void RemoveBitmap(int ACol, int ARow);
    void AddIcon(int ACol, int ARow, TObject* AIcon, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow);
    // Image-list images: nothing happens (or false) while GridImages is unassigned.
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    void RemoveImageIdx(int ACol, int ARow);
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    // Empties the cell text whatever the graphic's kind.
    void RemoveDataImage(int ACol, int ARow);
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int ACol, int ARow);
    void AddPicture(int ACol, int ARow, TPicture* APicture, bool transparent,
                    TStretchMode stretchmode, int padding, TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int ACol, int ARow, bool transparent, TStretchMode stretchmode,
                            int padding, TCellHAlign hal, TCellVAlign val);
    TPicture* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
    void RemovePicture(int ACol, int ARow);
    void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                        TStretchMode stretchmode, int padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                    int padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int ACol, int ARow);
    void RemoveFilePicture(int ACol, int ARow);
    void AddInterfacedCell(int ACol, int ARow, TObject* AObject);
    TObject* GetInterfacedCell(int ACol, int ARow);
    void RemoveInterfacedCell(int ACol, int ARow);
    // Buttons. The column of SetButtonText, GetButtonText, PushButton and GetCellButtonRect is
    // a display column.
    void AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                   TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                      TBitmap* Glyph, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                             TCellHAlign hal, TCellVAlign val);
    void SetButtonText(int ACol, int ARow, const std::string& Caption);
    std::string GetButtonText(int ACol, int ARow);
    void PushButton(int ACol, int ARow, bool push);
    void RemoveButton(int ACol, int ARow);
    void RemoveBitButton(int ACol, int ARow);
    void RemoveAllButtons();
    TRect GetCellButtonRect(int ACol, int ARow);
    TRect GetExpandGlyphRect(int ACol, int ARow);
    // Indicators: the value shown is the cell's number.
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                       TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor,
                              TColor BKColor, TColor BKTextColor, const std::string& Fmt,
                              double Min, double Max);
    void RemoveProgress(int ACol, int ARow);
    void AddExProgress(int ACol, int ARow, double Min, double Max);
    void RemoveExProgress(int ACol, int ARow);
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow);
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                           bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow);
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                  TCellHAlign hal, TCellVAlign val);
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    // clNone without a shape.
    TColor GetShapeColor(int ACol, int ARow);
    void RemoveShape(int ACol, int ARow);
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    void RemoveRating(int ACol, int ARow);
    // Cell scroll bars, read on the base cell: -1 and (-1, -1) without one.
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    void RemoveScrollBar(int ACol, int ARow);
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow);
    // An auto-range scroll bar's page becomes the row height and its range the text height;
    // the cell-text-changed hook calls it.
    void UpdateAutoRangeScrollBar(int ACol, int ARow);
    // Comments: a corner triangle, the text shown as the cell's hint.
    void AddComment(int ACol, int ARow, const std::string& Comment);
    void AddColorComment(int ACol, int ARow, const std::string& Comment, TColor Color);
    void SetComment(int ACol, int ARow, const std::string& value);
    bool IsComment(int ACol, int ARow, std::string& comment);
    std::string GetComment(int ACol, int ARow);
    void RemoveComment(int ACol, int ARow);
    void RemoveAllComments();
    // Text markers: a run of the cell text marked; they ride on a graphic of any kind.
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    // Rotated text; angles are brought into 0..360.
    void AddRotated(int ACol, int ARow, int16_t AAngle, const std::string& s);
    void SetRotated(int ACol, int ARow, int16_t AAngle);
    bool IsRotated(int ACol, int ARow, int& aAngle);
    void RemoveRotated(int ACol, int ARow);
    using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
    using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
    using TRatingChangeEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
    using TColorSelectEvent = std::function<void(TObject* Sender, int Col, int RowEx, TColor Color,
                                                 const std::string& Value)>;
    using TImageSelectEvent = std::function<void(TObject* Sender, int Col, int RowEx, int Index)>;
    TCheckBoxClickEvent OnCheckBoxChange;
    TCanAddRowEvent OnCanAddRow;
    TCanInsertRowEvent OnCanInsertRow;
    TRatingChangeEvent OnRatingChange;
    TColorSelectEvent OnColorSelect;
    TImageSelectEvent OnImageSelect;

    // --- the grid's new virtual operations, in their order ------------------------------------
    virtual void CalculateFooter(int ACol);
    virtual void ClickSort(int ACol);
    virtual void F2KeyPressed() {}
    virtual void StoreEditorValue(int ACol, int ARow, const std::string& Value);
    virtual void KeySelectAll() {}
    virtual void SetPastedCell(int ACol, int ARow, const std::string& Value);
    virtual std::string GetCurrentCell();
    virtual void SetCurrentCellValue(const std::string& Value);
    virtual void GetCurrentCellText(std::string& S);
    virtual void SetCurrentCellText(const std::string& S);
    virtual void RestoreCellCache();
    virtual bool ToggleCheckBoxEx(int ACol, int ARow, bool Event);
    virtual bool ClickRadioButton(int ACol, int ARow, bool Event);
    virtual std::string GetFormattedCell(int ACol, int ARow);
    virtual std::string GetColumnFloatFormat(int ACol, int ARow);
    virtual TCellType GetCellType(int ACol, int ARow);
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    virtual TPoint GetCellGraphicSize(int ACol, int ARow);
    virtual TPoint CalcGraphicSize(int ACol, int ARow, int AvailWidth);
    virtual TPoint CalcPrintGraphicSize(int ACol, int ARow, int AvailWidth, int AvailHeight,
                                        double Scale);
    virtual void PrintGetPageNum(int PageNum, int PageColNum, std::string& PageNumString);
    virtual void GetEditorProp(int ACol, int ARow, TObject* AEditLink);
    virtual void CheckBoxClick(int ACol, int ARow, bool State);
    virtual void FixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStringList* Values);
    virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void EditorCaretChanged() {}
    virtual void UserInsertRow(int ARow);
    virtual void UserDeleteRow(int ARow);
    virtual void FilterDone();
    virtual void UpdateColumnSize(int ACol, int& Width);
    virtual void UpdateAutoColumnSize(int ACol, int& Width);
    virtual void ColumnHeadersChanged();
    virtual void EllipsClick(std::string& Value);
    virtual bool MatchFilter(int ARow);
    virtual void BeginPasteCells() {}
    virtual void EndPasteCells() {}
    virtual void RowsPasted(int FromRow, int RCount);
    virtual void GetCalculatedCell(int ACol, int ARow, std::string& S);
    virtual void SaveCell(int ACol, int ARow, std::string& S);
    virtual void LoadCell(int ACol, int ARow, const std::string& S);
    virtual void ColumnValueChanged(int ACol, int ARow);
    virtual void RememberCellState(int ACol, int ARow);
    virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void SearchFooterAction(const std::string& Value, int ACol, int ARow,
                                    TSearchAction SearchAction);
    virtual void ButtonClick(int ACol, int ARow);
    virtual void ExpandClick(int ACol, int ARow, bool Expanded);
    virtual void ComboCloseUp(int ARow, int ACol);
    virtual void ComboDropDown(int ARow, int ACol);
    virtual void GetCellCursor(int ACol, int ARow, int X, int Y);
    virtual void NotifyCellsChanged(const TRect& R);
    virtual void BulkCellsChanged();
    virtual void GridHint(int ACol, int ARow, std::string& HintStr, std::u16string& WideHint);
    virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                              TFont* AFont);
    virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                   TFont* AFont);
    virtual void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetFormat(int ACol, TSortStyle& AStyle, std::string& APrefix,
                           std::string& ASuffix);
    virtual void GetEditorTypeEvent(int ACol, int ARow, TEditorType& AEditor);
    virtual void GetEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual bool HasNoEditor(int ACol, int ARow);
    virtual void IsFixedCell(int ACol, int ARow, bool& IsFixed);
    virtual void QueryCanEdit(int ACol, int ARow, bool& CanEdit);
    virtual void CheckPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void GetWordWrap(int ACol, int ARow, bool& WordWrap);
    virtual bool HasComboBox(int ACol, int ARow);
    virtual bool HasSpinEdit(int ACol, int ARow);
    virtual void GetCheckTrue(int ACol, int ARow, std::string& Value);
    virtual void GetCheckFalse(int ACol, int ARow, std::string& Value);
    virtual std::string GetColumnFilter(int ACol);
    virtual TRect UsedCells();
    virtual void RemoveRowRange(int RowIndex, int RCount);
    virtual void CanAddRow(bool& CanAdd);
    virtual void CanInsertRow(int ARow, bool& CanInsert);
    virtual void AfterMouseWheel() {}
    virtual void AppendRow();
    virtual void CellSelectorClick() {}
    virtual void SetFormulaEditMode(bool) {}
    virtual void CornerSelectAll() {}
    virtual void MouseActionsChanged(TObject*) {}
    virtual void IsDesignTime(TObject* Sender, bool& IsDesigning);
    virtual void InvalidateGrid(TObject* Sender);
    virtual void DisableEditing(TObject* Sender);
    virtual void EditorKeyDown(WORD&, TShiftState) {}
    virtual void EditorKeyMessage(TMessage&) {}
    virtual void NavigationChanged(TObject*) {}
    virtual void GotoFirstRow();
    virtual bool AllowFmtClipboard();
    virtual void FilterSelect(int ItemIndex);
    virtual void FilterCheck();
    virtual void PaintDesignHelper();
    virtual void DesignHelperClick(int X, int Y);
    virtual void CheckBoxChange(int ACol, int ARow, bool State);
    virtual bool RatingChange(int ACol, int ARow, double& NewRate);
    virtual void ColorSelect(int ACol, int ARow, TColor Color);
    virtual void ImageSelect(int ACol, int ARow, int ImageIndex);
    virtual void CellChanging(int NewCol, int NewRow, bool& Allow);
    virtual void ScrollCell(int ACol, int ARow);
    virtual bool CanShowFixedDropDown(int ACol);
    virtual void StartBlockFocus();
    virtual void EndBlockFocus();
    virtual TObject* GetGridImageList(int ACol, int ARow);
    virtual void ExportNotification(TGridExportState, int) {}
    virtual void ImportNotification(TGridImportState, int) {}
    virtual void AssignCells(TObject* Source);
    virtual uint32_t GetVersionNr();
    virtual std::string GetVersionString();
    virtual bool ValidateCell(const std::string& NewValue);
    virtual bool ValidateCellWide(const std::u16string& NewValue);
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    virtual void RemoveRows(int RowIndex, int RCount);
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls);
    virtual void RemoveCols(int ColIndex, int CCount);
    virtual void InsertCols(int ColIndex, int CCount);
    virtual void SubGroup(int ColIndex);
    virtual void SubUnGroup();
    virtual void Group(int ColIndex);
    virtual void UnGroup();
    virtual void SortSwapRows(int ARow1, int ARow2);
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    virtual void SetStyle(int AStyle);
    virtual void QSort();
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();
    virtual void CalcFooter(int ACol);

    // --- row and column operations (ExGridRows.cpp, ExGridColumns.cpp, ExGridRowsCols.cpp) ----
    // Rows are display rows, columns real columns unless said otherwise. Inserted rows and
    // columns are empty; removals are cut to the cells that exist and never take the last
    // normal row or column, so the fixed rows and columns stay fixed. Cell properties travel
    // with their cells and are freed with them.
    void AddRow();
    void AddColumn();
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    // ACol is a display column; with DoCase texts differing only in case are not duplicates.
    void RemoveDuplicates(int ACol, bool DoCase);
    void MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    void Clear();
    void ClearAll();
    void TrimColumn(int ACol);
    void TrimRow(int ARow);
    void TrimAll();
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    void SplitColumnCells(int ColIndex);
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void SplitRowCells(int RowIndex);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitAllCells();
    // Display indexes; the grid's own moves (events, sort column, current column follow).
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    void MoveRows(int FromIndex, int ToIndex, int Count);
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);
    bool IsCell(const std::string& SubStr, int& ACol, int& ARow) const;
    bool IsWideCell(int ACol, int ARow) const;
    int SaveStartCol() const;
    int SaveStartRow() const;
    int SaveEndCol() const;
    int SaveEndRow() const;
    int SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }
    int SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }
    void UpdateEditMode() { CanSelectCell(Col(), Row()); }
    void ScrollInView(int ColIndex, int RowIndex);
    void ScreenToCell(TPoint pt, int& ACol, int& ARow) const;
    bool IsOnSizingBorder(int X, int Y) const;
    // The selected rows or columns: those flagged with disjunct selection, else the selection
    // rectangle's.
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void ClearSelection();
    bool ColMoveFlg = false; // a row or column was moved by the grid

    // The style interfaces.
    void SetComponentStyle(TULKStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;

    // --- plain settings (stored only; the features that read them live in their files) -------
    std::string FloatFormat = "%.2f";
    std::string CheckTrue = "Y";
    std::string CheckFalse = "N";
    std::string FilterDropDownClear = "(All)";
    std::string XMLEncoding = "ISO-8859-1";
    char PasswordChar = '*';
    char Delimiter = '\0'; // chosen from the file when 0
    TEditorType DefaultEditor = edNormal;
    bool EnableHTML = true;
    TInvalidEntryIcon InvalidEntryIcon = ieWarning;
    TColor HintColor = clInfoBk;
    TColor SelectionRectangleColor = clBlack;
    TColor DisabledFontColor = clSilver;
    TColor URLColor = clBlue;
    TColor ScrollColor = clNone;
    TScrollType ScrollType = ssNormal;
    int ScrollWidth = 17;
    bool Hovering = false;
    bool ShowColNrs = true;
    bool FitCellsInGrid = true;
    bool FilterNormalCellsOnly = true;
    bool AutoFilterUpdate = true;
    bool UseInternalHintClass = true;
    bool EnhRowColMove = true;
    bool UseDisabledFont = true;
    bool EnableWheel = true;
    bool IntelliZoom = true;
    bool LoadFirstRow = true;
    bool QuoteEmptyCells = true;
    bool ShowNullDates = true;
    bool SaveFixedCells = true;
    bool SaveVirtCells = true;
    bool SaveWithHTML = true;
    bool SaveWithRTF = false;
    bool FilterIncremental = false;
    bool SizeGrowOnly = false;
    bool HideFocusRect = false;
    bool FixedAsButtons = false;
    bool AlwaysQuotes = false;
    bool SaveFixedRows = false;
    bool SaveFixedCols = false;
    bool SaveHiddenCells = false;
    bool ClearTextOnly = false;
    bool ExcelClipboardFormat = false;
    bool JavaCSV = false;
    bool NoDefaultDraw = false;
    bool PrinterDriverFix = false;
    bool AnchorHint = false;
    bool AutoNumAlign = false;
    int MinRowHeight = 0;
    int MaxRowHeight = 0;
    int MinColWidth = 0;
    int MaxColWidth = 0;
    int ZoomFactor = 0;
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    THintShowLargeTextPos HintShowLargeTextPos = hpCell;
    THoverFixedCells HoverFixedCells = hfNone;
    TMouseSelectMode MouseSelectMode = msNormal;
    bool EditMode = false;
    TEditorType EditControl = edNormal;
    TULKStyle Style = tsWindowsXP;
    TColorTones Tones;
    TExStringGridCheck* CellChecker = nullptr;
    TPictureContainer* PictureContainer = nullptr;
    TObject* GridImages = nullptr;
    // Platform flags: visual styles, Windows 7, Vista, common controls 6 all answer as a
    // current desktop does.
    bool IsWinXP() const { return FIsWinXP; }
    bool IsWin7() const { return FIsWin7; }
    bool IsWinVista() const { return FIsWinVista; }
    bool IsComCtl6() const { return FIsComCtl6; }
    int GridTimerID() const { return FGridTimerID; }
    bool IsLoaded() const { return FLoaded; }

    // --- published events ---------------------------------------------------------------------
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TWordWrapEvent OnGetWordWrap;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TGridHintEvent OnGridHint;
    TGridWideHintEvent OnGridWideHint;
    TCellCursorEvent OnGetCellCursor;
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TSearchFooterActionEvent OnSearchFooterAction;
    TCanEditCellEvent OnCanEditCell;
    TFixedEditEvent OnFixedEdit;
    TIsFixedCellEvent OnIsFixedCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    THasComboEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TGetEditorTypeEvent OnGetEditorType;
    TButtonClickEvent OnButtonClick;
    TExpandClickEvent OnExpandClick;
    TComboDropEvent OnComboCloseUp;
    TComboDropEvent OnComboDropDown;
    TSelectionChangedEvent OnSelectionChanged;
    TNotifyEvent OnFilterDone;
    TCellSaveLoadEvent OnSaveCell;
    TCellSaveLoadEvent OnLoadCell;
    TNotifyEvent OnRichEditSelectionChange;
    TNotifyEvent OnPainted;
    // The events the table windows use, fired by the editing and mouse features.
    TClickCellEvent OnClickCell;
    TDblClickCellEvent OnDblClickCell;
    TCheckBoxClickEvent OnCheckBoxClick;
    TComboChangeEvent OnComboChange;

    // --- cell drawing (ExGridPainting.cpp, ExGridPaintCell.cpp, ExGridPaintText.cpp) ---------
    bool Multilinecells = false;      // a line break in a cell text starts a new line
    bool EnhTextSize = false;         // ellipsis instead of clipping; HTML without word wrap
    bool NoImageAndText = false;      // a cell with a graphic shows no text
    bool XYOffsetTopLeftOnly = false; // text margins at the left and top only

    // --- interaction: what editing, keyboard, selection and the editor controls call on each
    // other; each operation lives in the file of its feature ----------------------------------
    // Editing core (ExGridEditing.cpp). Columns are display columns unless said otherwise.
    bool IsEditable(int ACol, int ARow);
    bool CellAllowsEdit(int ACol, int ARow);
    void ShowInplaceEdit();
    void HideInplaceEdit();
    // An editor control ends editing with a leaving key; the grid moves on as the key says.
    void DoneInplaceEdit(WORD& Key, TShiftState Shift);
    void ShowCellEdit();
    void HideCellEdit();
    // Tab stays in the grid (through validation) instead of moving the window's focus.
    bool EditorWantsTab();
    // ACol a real column.
    void PostEditDone(int ACol, int ARow);
    void ShowEditorControl(int ACol, int ARow);
    void HideEditorControl(int ACol, int ARow);
    // The editor control of a kind that is neither a text kind nor a no-editor kind, created on
    // first use (ExGridEditorControls.cpp); nullptr where the kind has none.
    virtual TCellEditor* CellEditorOfKind(TEditorType Kind);
    // Keyboard (ExGridKeyboard.cpp).
    void NavigateFromEditor(bool Backward);
    bool IsOnLastDataRow();
    void AutoAddRow();
    // Selection (ExGridSelection.cpp): moves to the next cell to edit in the advance direction.
    void AdvanceCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool KeepOrigin,
                     bool ShowEditor);

    // --- editor controls: created on first use, one per family, reused for every cell -------
    TGridCombo* Combobox();
    TGridSpin* SpinEdit();
    TGridEditBtn* BtnEdit();
    TGridUnitEditBtn* BtnUnitEdit();
    TGridCheckBox* CheckEdit();
    TGridButton* Btn();
    TGridDatePicker* DateTimePicker();
    TGridDateTimePicker* DateAndTimePicker();
    TExRichEdit* InplaceRichEdit();
    // Hidden: loads rich-text cells to measure or draw them.
    TExRichEdit* RichEdit();
    // The custom editor of edCustom; the grid never frees it.
    TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(TEditLink* Value);
    // The editor of a drop-down kind over the control given for it (nullptr until then); the
    // grid takes the control over.
    TGridDropDownEditor* DropDownEditor(TEditorType Kind);
    void SetDropDownControl(TEditorType Kind, TDropDownCellControl* Control);
    // The shared item list of the combo editors (ExGridComboItems.cpp).
    void ClearComboString();
    void AddComboString(const std::string& S);
    void AddComboStringObject(const std::string& S, TObject* AObject);
    bool RemoveComboString(const std::string& S);
    bool SetComboSelectionString(const std::string& S);
    void SetComboSelection(int Index);
    int GetComboCount();
    int GetComboIndex(int ACol, int ARow);
    void SetComboIndex(int ACol, int ARow, int Index);
    // Rich text (ExGridRichText.cpp): Col a real column.
    void CellToRich(int Col, int Row, TRichEdit* Richeditor);
    void RichToCell(int Col, int Row, TRichEdit* Richeditor);
    std::string RichToString(TRichEdit* Richeditor);
    bool Lookup = false; // typing in a combo or edit-with-button completes from the items
    bool LookupCaseSensitive = false;
    bool LookupHistory = false; // a combo text that is no item becomes one when editing ends
    int MaxComboLength = 0;
    TEditChangeEvent OnEditChange;
    TComboObjectChangeEvent OnComboObjectChange;
    TSpinClickEvent OnSpinClick;
    TFloatSpinClickEvent OnFloatSpinClick;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TClipboardPasteEvent OnClipboardPaste;
    TClipboardBeforePasteCellEvent OnClipboardBeforePasteCell;
    TUnitChangedEvent OnUnitChanged;
    TCustomStrToDateEvent OnCustomStrToDate;
    TDateTimeChangeEvent OnDateTimeChange;
    TClickCellEvent OnDatePickerCloseUp;
    TClickCellEvent OnDatePickerDropDown;
    TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
    TDropDownButtonClickEvent OnDropDownFooterButtonClick;
    TEndRowSizeEvent OnEndRowSize;
    // Fixed cells (ExGridFixedEdit.cpp): the transient editors, created on first use.
    TGridTransEdit* EditTrans();
    TGridTransCombo* ComboTrans();
    // ACol a display column.
    void StartFixedCellEdit(int ACol, int ARow);
    void FixedCellEditChange(TObject* Sender);
    TCellValidateEvent OnCellValidate;
    TNotifyEvent OnEditingDone;
    // Control elements of a cell's mark-up (ExGridFixedEditControls.cpp); ACol a display column.
    void ShowCellControlEditor(const std::string& HTML, const std::string& CtrlType,
                               const std::string& CtrlID, const std::string& CtrlValue,
                               const TRect& Rect, int ACol, int RealCol, int ARow);
    void CommitCellControlEditor(TObject* Sender);
    void CellControlComboSelect(TObject* Sender);
    // Opens the next editable element of the cell after CtrlID; the grid takes the focus when
    // there is none.
    void EditNextCellControl(int ACol, int ARow, const std::string& CtrlID);
    TControlEdit* ControlEditor();
    TControlCombo* ControlComboEditor();
    TControlComboListEvent OnControlComboList;
    TControlComboSelectEvent OnControlComboSelect;
    TControlEditDoneEvent OnControlEditDone;
    bool URLShow = false; // cell texts holding a URL show as links
    bool URLFull = false; // links keep their scheme
    bool URLUnderlineOnHover = false;
    TGridGradientEvent OnGetCellGradient;
    TFloatFormatEvent OnGetFloatFormat;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    TGridBorderPropEvent OnGetCellBorderProp;
    // Horizontal and vertical alignment of the cell at real column ACol.
    void GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
    // Percent of Color1 blended over Color2, channel by channel.
    static TColor BlendColorPercent(TColor Color1, TColor Color2, int Percent);
    TColor MixedSelectionColor(TColor CellColor) const;

protected:
    // The editor controls and in-place editors take part in the edit road through this state.
    friend class TExInplaceEdit;
    friend class TGridCheckBox;
    friend class TGridSpin;
    friend class TGridCombo;
    friend class TGridEditBtn;
    friend class TGridUnitEditBtn;
    friend class TGridButton;
    friend class TGridDatePicker;
    friend class TGridDateTimePicker;
    friend class TEditLink;
    friend class TExRichEdit;
    friend class TGridTransEdit;
    friend class TGridTransCombo;
    friend class TControlEdit;
    friend class TControlCombo;
    friend class TGridDropDownEditor;
    // Editor controls: the key protocol they share, and the controls themselves.
    friend class TGridEditorKeys;
    TGridCombo* FEditCombo = nullptr;
    TGridSpin* FEditSpin = nullptr;
    TGridEditBtn* FEditBtn = nullptr;
    TGridUnitEditBtn* FUnitEditBtn = nullptr;
    TGridCheckBox* FEditCheck = nullptr;
    TGridButton* FGridButton = nullptr;
    TGridDatePicker* FEditDate = nullptr;
    TGridDateTimePicker* FEditDateTime = nullptr;
    TExRichEdit* FInplaceRichEdit = nullptr;
    TExRichEdit* FRichEdit = nullptr;
    TEditLink* FEditLink = nullptr;
    std::vector<TGridDropDownEditor*> FDropDownEditors;
    TDateTime FOriginalDateTime = 0;
    void DatePickerCloseUp(TObject* Sender);
    TGridTransEdit* FEditTrans = nullptr;
    TGridTransCombo* FComboTrans = nullptr;
    int FFixedColEdit = -1;
    int FFixedRowEdit = -1;
    TControlEdit* FEditControl = nullptr;
    TControlCombo* FComboControl = nullptr;
    TPoint FCtrlXY{-1, -1}; // (real column, row) of the edited element's cell
    std::string FCtrlID;
    std::string FCtrlType;
    bool FCtrlEditing = false;
    // Enter and Tab in an element editor: the exit commits the element, then the grid moves on.
    void CellControlKey(TWinControl* Editor, TChar& Key);
    // A transient editor's value through validation into the cell (ACol a real column).
    bool StopFixedCellEdit(TWinControl* Editor, int ACol, int ARow, const std::string& Text);

    // --- edit road state (set and cleared by the editing core) ---
    bool FEditing = false;       // the current cell is edited and awaits validation
    bool FSpecialEditor = false; // an editor control is up
    bool FEditActive = false;    // an editor control was shown and is not committed yet
    bool FEntered = false;       // editing was entered for the current cell
    bool FShowEditProcess = false;
    bool FNoEditChange = false;   // the editor is being filled: its change events stay quiet
    bool FBlockKill = false;      // a commit runs: editors ignore losing the focus
    bool FBlockFocus = false;     // a leave runs: editors ignore losing the focus
    bool FValidating = false;     // a validation runs: no editor is shown meanwhile
    bool FLastValidation = false; // the last value passed validation
    bool FNoAutoAdvance = false;  // the key that ended editing must not advance
    bool LButFlg = false;         // the editor was opened by a left-button click
    char16_t FStartEditChar = 0;  // the key that started editing, typed into the editor
    std::string FCellCache;       // the cell text when editing began (Escape restores it)
    std::string FNewCellText;     // the value as the last validation left it
    std::string FEditText;
    std::u16string FEditWideText;

    // Window creation: run when the grid gets a parent (and again whenever it is placed anew).
    virtual void CreateWnd();
    // The grid's window procedure.
    virtual void HandleWindowMessage(TMessage& Message);
    void WndProc(TMessage& Message) override { HandleWindowMessage(Message); }
    void Notification(TComponent* AComponent, bool removing) override;
    void Resize() override;
    void Paint() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void DroppingCells(const TGridRect& Range) override;
    void DrawGridCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool CanSelectCell(int ACol, int ARow) override;
    int CellEditLimit() override { return FMaxEditLength; }

    // TBaseGrid's slots.
    bool IsFixed(int ACol, int ARow) override;
    int GetRowIndent(int ARow) override;
    bool HasNodes() override;
    void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                         TGridDrawState AState) override;
    void LastRowChanged() override;
    void GetDisplText(int ACol, int ARow, std::string& Value) const override;
    void GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                  TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                  TAlignment& HA, TVAlignment& VA, bool& WW,
                                  TCellGradientDirection& GD) override;
    void CellTextChanged(int ACol, int ARow) override;
    bool HasCellBorders() override;
    bool UsesVCLStyles() override { return FUsesVCLStyles; }
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                             bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                             TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                             bool& WW, TCellGradientDirection& GD) override;

    // Cell drawing.
    // The cell's graphic with its size, placement and whether the text is drawn beside it.
    TCellGraphic* GetCellGraphicInfo(int ACol, int ARow, int& Width, int& Height, bool& DrawText,
                                     TCellHAlign& HAlign, TCellVAlign& VAlign);
    // Draws a cell graphic into ARect and leaves there the edges the cell drawer goes on with.
    virtual void DrawCellGraphic(TRect& ARect, TCellGraphic* Graphic, TVAlignment VAlign,
                                 TCellDrawContext& Context);

    // Hooks of other features the frame calls; neutral until those features are built.
    virtual void PaintOuterBorder();
    virtual void UpdateFooter();
    virtual void UpdateSearchPanel();
    virtual void AdaptToOfficeTheme();
    virtual void ApplyVCLStyleColors();
    virtual void InitOrigColSizes();
    virtual void ColumnStretchChanged(int OldColCount, int OldRowCount);
    virtual bool IsNode(int ARow);
    virtual bool IsSummary(int ARow);
    virtual int GetParentRow(int ARow);
    virtual void InsertNormalRow(int ARow);
    virtual void InsertChildRow(int ARow, int Level);
    virtual void RemoveNormalRow(int ARow);
    virtual void RemoveChildRow(int ARow);
    virtual int GetExpandHeight(int ACol, int ARow, bool Expanded);
    virtual void ClearRows(int RowIndex, int RCount);
    virtual void StartBalloons();
    virtual void EndBalloons();
    virtual void UpdateScrollProportional();
    virtual TPoint GetCellTextSize(int ACol, int ARow);
    virtual void AutoSizeColumns(bool DoFixedCols, int Padding);
    virtual void SaveColSizes();
    virtual void LoadColSizes();

    // Cell graphics and check boxes: the tree-row queries of the group toggle; neutral (no
    // group) until tree rows exist.
    // Rows of the node's group, the node row included; 0 for a row that is no node.
    virtual int GetNodeSpan(int ARow);
    // True while the node is contracted (its rows hidden).
    virtual bool GetNodeState(int ARow);

    // Row and column operations: the framework's move steps, and removal without freeing the
    // objects of the removed rows (their caller keeps them).
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void DeleteRowRange(int RowIndex, int RCount, bool UpdateControls);
    void InsertRowRange(int RowIndex, int RCount, bool UpdateCellControls);

    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool Loading() const { return ComponentState().Contains(csLoading); }
    bool Destroying() const { return ComponentState().Contains(csDestroying) || FDestroying; }

    // The row and column operations call these after changing the cell store, so that the
    // hidden rows and columns stay with their neighbours: display rows inserted or removed at
    // ARow, real columns inserted, removed or moved.
    void HiddenRowsFollowInsert(int ARow, int RCount);
    void HiddenRowsFollowRemove(int ARow, int RCount);
    void HiddenFollowColumnsInsert(int ACol, int CCount);
    void HiddenFollowColumnsRemove(int ACol, int CCount);
    void HiddenFollowColumnMove(int FromCol, int ToCol);

    // Frame state.
    int FUpdateCount = 0;
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FFixedRowHeight = 22;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    TAlignment FDefaultAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FVAlign = 0;
    bool FWordWrapEx = true;
    bool FLoaded = false;
    bool FIsWinXP = true;
    bool FIsWin7 = true;
    bool FIsWinVista = true;
    bool FIsComCtl6 = true;
    TCursor FOldCursor = crDefault;
    int FGridTimerID = 0;
    UINT wheelmsg = 0;
    int wheelscrl = 0;
    bool wheelpan = false;
    bool FSelectionChanged = false;
    bool FEditChange = false; // skips the next Invalidate
    bool FEditDisable = false;
    int FNumCellControls = 0;
    int FPrintPageFrom = 1;
    int FPrintPageTo = 1;
    int FPrintPageNum = 0;
    int FLastTabCol = -1;
    int FLastTabRow = -1;
    int FHoverlink = -1;
    int FOleDragCol = -1;
    int FLastDesignChoice = -1;
    int FFilterCol = -1;
    int FHoverFixedX = -1;
    int FHoverFixedY = -1;
    int FGroupColumn = -1;
    int Colclicked = -1;
    int Rowclicked = -1;
    int FOldSize = -1;
    int FMouseSelectStart = -1;
    int FOldRowSel = -1;
    int FComboIdx = -1;
    TPoint FPushedCellButton{-1, -1};
    TPoint FClipTopLeft{-1, -1};
    TPoint FLastHintPos{-1, -1};
    int FOldLeftCol = 0;
    int FOldTopRow = 0;
    bool FUsesVCLStyles = false;

private:
    // Runs a change of the hidden-row store (which answers the number of rows it moved) with
    // the rows cut off by a smaller RowCount set aside, then the frame's follow-ups.
    void ChangeRowsOnShow(const std::function<int()>& Change);
    // The frame's follow-ups of a change in the rows or columns on show made by hiding.
    void RowsOnShowChanged();
    void ColumnsOnShowChanged(int OldColCount);
    void CreateOwnedObjects();
    void CreateLateOwnedObjects();
    void ApplyDefaults();
    void FreeOwnedObjects();
    void ReturnObjectsKeptOutsideTheStore();
    void InvalidateUnlessLocked();
    // Integral height: the height that leaves no partial row.
    int IntegralHeightFor(int AHeight) const;
    template <typename T> void SetAndInvalidate(T& Field, T Value);
    template <typename T> void SetChangedAndInvalidate(T& Field, T Value);
    void KeepCutOffRows(int FromRow, int ToRow);
    void DiscardCutOffRows(int DroppedFrom);
    void BringBackCutOffRows(int FromRow, int ToRow);
    // Properties of (i, j) for readers: nullptr without them; nothing is created.
    TCellProperties* ExistingProperties(int i, int j) const;
    template <typename Apply> void ForRowCells(int j, Apply apply);
    void RepaintTypedCell(int i, int j);
    template <typename Fill> void FillRange(bool DoFixed, Fill fill);
    // Cell drawing steps.
    void DrawCellSteps(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
    void ApplySelectionColorSet(TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                TFont* AFont) const;
    void DrawFixedCellLook(TCellDrawContext& Ctx);
    void DrawFixedCellEdges(TCellDrawContext& Ctx);
    void DrawAlwaysVisibleButtons(TCellDrawContext& Ctx);
    void DrawCellText(TCellDrawContext& Ctx);
    void DrawSelectionRectangle(TCellDrawContext& Ctx, const TRect& R);
    void DrawPlainCellText(TCellDrawContext& Ctx, std::string Text, TRect R);
    void DrawCellBorders(TCellDrawContext& Ctx);
    void DrawCellFocus(TCellDrawContext& Ctx);

    // Cell graphics and check boxes.
    // The graphic that holds the check state of (ACol, ARealRow); OnlyDataKinds tells that only
    // its data and row check boxes may be read.
    TCellGraphic* CheckStateGraphic(int ACol, int ARealRow, bool& OnlyDataKinds);
    bool CheckTextIsTrue(int ACol, int ARealRow);
    void WriteCheckText(int ACol, int ARealRow, bool State);
    void RefuseInvalidCell(int ACol, int ARow) const;
    template <typename Apply> void ForCheckBoxRows(int ACol, Apply apply);
    void PropagateGroupCheck(int ACol, int ARow, bool State);

    // Row and column operations.
    int RemovableRows(int RowIndex, int RCount) const;
    int RemovableCols(int ColIndex, int CCount) const;
    // The one place rows and columns are opened and closed in the platform grid.
    void OpenRows(int At, int Count);
    void CloseRows(int At, int Count, bool FreeObjects);
    void OpenCols(int At, int Count);
    void CloseCols(int At, int Count);
    void EmptyCells(int ACol1, int ARow1, int ACol2, int ARow2);
    void PropertiesFollowCells();
    void RemoveRowsBottomUp(const std::vector<int>& Rows);
    void RemoveScatteredRows(const std::vector<int>& RowsDescending);
    void DropFlaggedRows(const std::vector<bool>& Removed, int First);
    int SwappedWidth() const;
    void SwapWholeRows(int ARow1, int ARow2);
    void KeepCurrentRowAfterRemoval(int OldRow, int OldTop);
    void MoveRowQuietly(int FromIndex, int ToIndex);
    // Display rows and columns flagged by disjunct selection; empty until the selection
    // feature keeps the flags.
    std::vector<int> DisjunctSelectedRows() const;
    std::vector<int> DisjunctSelectedCols() const;
    bool FNilObjects = false; // the next ClearRect only detaches cell objects
    bool FQuietMoves = false; // moves inside an operation: no events, nothing follows
    bool FSyncMoving = false; // this move repeats one of the synchronised grid

    // Owned objects, created in this order.
    TFooterPanel* FFooterPanel = nullptr; // owned as a component
    TSearchPanel* FSearchPanel = nullptr; // owned as a component
    std::unique_ptr<TFont> cf;
    std::unique_ptr<TFocusHelper> FFocusHelper;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TFloatingFooter> FFloatingFooter;
    std::unique_ptr<TPrintSettings> FPrintSettings;
    std::unique_ptr<THTMLSettings> FHTMLSettings;
    std::unique_ptr<TSortSettings> FSortSettings;
    std::unique_ptr<TDragDropSettings> FDragDropSettings;
    std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
    std::unique_ptr<TControlLook> FControlLook;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TColumnSize> FColumnSize;
    std::unique_ptr<TCellNode> FCellNode;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TGrouping> FGrouping;
    std::unique_ptr<TGridStrings> FColumnHeaders;
    std::unique_ptr<THTMLPictureCache> FImageCache;
    std::unique_ptr<TIntList> FOrigColSizes;
    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TFont> FActiveCellFont;
    std::unique_ptr<TGridStrings> FRowHeaders;
    std::unique_ptr<TStringList> FSortList;
    std::unique_ptr<TStringList> FLookupItems;
    std::vector<void*> FRowSelect;
    std::vector<void*> FColSelect;
    std::unique_ptr<TSortIndexList> FSortIndexes;
    std::unique_ptr<TIntList> FSortRowXRef;
    std::unique_ptr<TIntList> FUnSortRowXRef;
    std::unique_ptr<TIntList> FMergedColumns;
    std::unique_ptr<TIntList> FSelectedCells;
    std::unique_ptr<TIntList> FSelectedRows;
    std::unique_ptr<TIntList> FModifiedRows;
    std::unique_ptr<TIntList> FEnabledRows;
    std::unique_ptr<TBitmap> FRowIndicator;
    std::unique_ptr<TBackGround> FBackGround;
    std::unique_ptr<TControlList> FControlList;
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
    std::unique_ptr<TSyncGrid> FSyncGrid;
    // The mover is the row store's view of this grid and outlives the store.
    std::unique_ptr<TBaseGridRowMover> FRowMover;
    std::unique_ptr<THiddenRowStore> FGridItems;
    std::unique_ptr<THiddenColumnSet> FHiddenColumns;
    std::unique_ptr<TFilter> FFilter;
    std::unique_ptr<TBalloonSettings> FBalloonSettings;
    std::unique_ptr<TShowModified> FShowModified;
    std::vector<TGridChangeNotifier*> FNotifierList;
    std::unique_ptr<TIntList> FColumnOrder;
    std::unique_ptr<TCellGraphic> FCellGraphic;
    std::unique_ptr<TIntList> FIgnoreColumns;
    std::unique_ptr<TFilterDropDown> FFilterDropDown;
    TDropList* FDropList = nullptr;           // owned as a component
    TDropCheckList* FDropCheckList = nullptr; // owned as a component
    std::unique_ptr<TStringList> FFilterList;

    // Cells of the rows cut off by lowering RowCount: row k holds display row
    // FCutOffFirst + k. The rows always run on from RowCount.
    TGridCellStore FCutOffCells;
    int FCutOffFirst = 0;
    int FCutOffRows = 0;
    int FCutOffWidth = 0;
    bool FKeepingCutOffRows = false;

    ITExStringGridSelect* FSelListener = nullptr;
    bool FShowDesignHelper = true;
    TColor FHighlightColor = clHighlight;
    TColor FHighlightTextColor = clHighlightText;
    bool FActiveCellShow = false;
    TColor FActiveCellColor = clGray;
    TColor FActiveCellColorTo = clNone;
    TPoint FXYOffset{2, 2};
    TColor FSelectionColor = 0xEACAB6;
    TColor FSelectionColorTo = clNone;
    TColor FSelectionMirrorColor = clNone;
    TColor FSelectionMirrorColorTo = clNone;
    TColor FSelectionTextColor = clBlack;
    bool FSelectionColorMixer = false;
    int FSelectionColorMixerFactor = 50;
    bool FSelectionRectangle = false;
    bool FSelectionResizer = false;
    bool FShowSelection = true;
    int FMaxEditLength = 0;
    bool FSpreadSheet = false;
    bool FAutoSize = false;
    bool FFlat = false;
    TColor FBorderColor = 0xB99D7F;
    bool FAutoThemeAdapt = false;
    TGridLook FLook = glXP;
    TScrollBarAlways FScrollBarAlways = saNone;
    bool FIntegralHeight = false;
    bool FBorderSingle = true;
    TColor FULKGradientFrom = clWhite;
    TColor FULKGradientTo = 0;
    TColor FULKGradientMirrorFrom = clNone;
    TColor FULKGradientMirrorTo = clNone;
    // --- looks and styles ---
    TColor FULKGradientHoverFrom = clNone;
    TColor FULKGradientHoverTo = clNone;
    TColor FULKGradientHoverMirrorFrom = clNone;
    TColor FULKGradientHoverMirrorTo = clNone;
    TColor FULKGradientHoverBorder = clNone;
    TColor FULKGradientDownFrom = clNone;
    TColor FULKGradientDownTo = clNone;
    TColor FULKGradientDownMirrorFrom = clNone;
    TColor FULKGradientDownMirrorTo = clNone;
    TColor FULKGradientDownBorder = clNone;
    TOfficeTheme FLastOfficeTheme = otUnknown;
    // Writes the fixed-cell gradient the way the control-look settings pass theirs on to the
    // grid: From and To only when they are a colour, the mirror colours always.
    void ApplyFixedGradient(TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo);
    void ApplyPlainLookColours(TGridLook Value);
    void ApplyPresetStates(TExGridStyle AStyle);
    void SetHoverGradient(const TGradientColours& Hover);
    void SetDownGradient(const TGradientColours& Down);
    bool FUseHTMLHints = false;
    bool FDestroying = false;
};

// Unit-wide state of the string grid: the registered identifiers every grid uses.
extern int GridUnitInitCount;
extern UINT GridEditDoneMessage;
extern UINT DTPShiftFocusMessage;
extern unsigned GridCellsClipboardFormat;
extern TCursor GridLinkCursor;
extern TExStringGrid* FocusWindowGrid;
extern std::string HintFontName;
extern bool DatePickerAvailable;
// Start-up and shut-down of the unit, nested: only the first start-up and the last shut-down
// do their work. The unit starts itself up before main and shuts down after it.
void GridUnitStartUp();
void GridUnitShutDown();

// The user's locale conventions at this moment: separators (one character, UTF-8) and formats
// in the framework's letters. The short time format is the long one without its seconds.
std::string LocaleTimeSeparator();
std::string LocaleDateSeparator();
std::string LocaleThousandSeparator();
std::string LocaleDecimalSeparator();
std::string LocaleShortDateFormat();
std::string LocaleShortTimeFormat();
std::string LocaleLongTimeFormat();
// The first form up the parent chain of a control, nullptr when there is none.
TForm* FindParentForm(TControl* Control);

// The identifier of the grid timer (hint, blink and search resets), every 500 ms.
constexpr int GridTimerIdentifier = 111;
constexpr unsigned GridTimerInterval = 500;
