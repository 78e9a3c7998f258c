#pragma once

#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/CellGraphics.h"
#include "grid/foundation/ExStyleIF.h"
#include "grid/foundation/GridDate.h"
#include "grid/stringgrid/BalloonList.h"
#include "grid/stringgrid/CellDrawContext.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ColumnSizeStorage.h"
#include "grid/stringgrid/EditorControlEvents.h"
#include "grid/stringgrid/ExGridEvents.h"
#include "grid/stringgrid/ExGridTypes.h"
#include "grid/stringgrid/Filter.h"
#include "grid/stringgrid/FindParams.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/GridLookTypes.h"
#include "grid/stringgrid/ScrollProp.h"
#include "platform/ui/CellScrollBar.h"
#include "grid/stringgrid/SizingTypes.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/ui/Form.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StringGridControlCells.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TBackGround;
class TBalloonSettings;
class TBands;
class TBitmap;
class TCellGraphic;
class ICellGraphicObject;
class TCellEditor;
class TCellNode;
class TIcon;
class TColumnSize;
class TControlList;
class TControlLook;
class TDragDropSettings;
class TGridDropTarget;
class TGridDropSource;
class TArrowWindow;
class THeaderDragButton;
class TListBox;
class TDragScrollOptions;
class TDropCheckList;
class TDropList;
class TExStringGridCheck;
class TExInplaceEdit;
class TInplaceEdit;
class TFilePicture;
class TFilter;
class TFilterDropDown;
class TFloatingFooter;
class TFocusHelper;
class TGridFocusWindow;
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
class TPopupMenu;
class TPrintSettings;
class TSearchFooter;
class TSearchPanel;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TStringList;
class TSyncGrid;
class TScrollControl;
struct TScrollInfo;
class TTimer;
class THTMLHintWindow;
class THTMLHintData;
class THintMonitor;
struct THintInfo;
class TBalloonWindow;
struct TStoredRow;
struct TBinStreamPlan;
struct TTextGridContent;
struct TGridGraphicPayload;
class TBaseGridRowMover;
class THiddenColumnSet;
class THiddenRowStore;
class TIniFile;
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
// The drop-down cell editors of grid/dropdown.
class TGridCalculatorDropDown;
class TGridColorDropDown;
class TGridDetailPickerDropDown;
class TGridExGridDropDown;
class TGridImageDropDown;
class TGridGridDropDown;
class TGridMemoDropDown;
class TGridTimepickerDropDown;
class TGridTrackbarDropDown;
class TGridSpin;
class TGridTransCombo;
class TGridTransEdit;
class TGridUnitEditBtn;
class TRichEdit;

// Progress of a file save or load in percent, fired when the value changes.
using TGridFileProgressEvent = std::function<void(TObject* Sender, int16_t Progress)>;
using TRowUpdateEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
// Sorting, grouping and tree rows: node clicks and the custom group calculation.
using TNodeClickEvent = std::function<void(TObject* Sender, int ARow, int ARowReal)>;
using TNodeAllowEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;

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
    // bsNone leaves the outer border out.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
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
    // The translucent frame around the cell being edited: a window of its own, 4 pixels wide
    // around R (client coordinates). Move puts it around the current cell again; Hide also
    // forgets the grid it followed.
    void ShowFocusWindow(const TRect& R);
    void HideFocusWindow();
    void MoveFocusWindow();
    TGridFocusWindow* FocusWindow() const { return FFocusWindow.get(); }
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
    // Shows every column and moves the columns back to the order first recorded.
    void ResetColumnOrder();
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
    TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow);
    // Image-list images: nothing happens (or false) while GridImages is unassigned.
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    void RemoveImageIdx(int ACol, int ARow);
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    // A data-image cell shows the image its number names, moved on by the graphic's index:
    // the image a text Text of the cell shows (-1 when it is no number), and the text that makes
    // the cell show Image.
    int DataImageShown(int ACol, int ARow, const std::string& Text);
    std::string DataImageText(int ACol, int ARow, int Image);
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
    // The self-drawing object of a graphic, or nullptr.
    static ICellGraphicObject* CellGraphicObjectOf(const TCellGraphic* Graphic);
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
    // The cell's value in a number format; its text as it is when the format does not fit it.
    std::string FormatCellValue(int ACol, int ARow, const std::string& Format,
                                const std::string& Text);
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
    virtual void RowsPasted(TPoint TopLeft, const TGridRect& ARect, TClipOperation Operation);
    virtual void GetCalculatedCell(int ACol, int ARow, std::string& S);
    virtual void SaveCell(int ACol, int ARow, std::string& S);
    virtual void LoadCell(int ACol, int ARow, std::string_view S);
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
    virtual bool GetColumnFilter(int ACol);
    virtual TRect UsedCells();
    virtual void RemoveRowRange(int RowIndex, int RCount);
    virtual void CanAddRow(bool& CanAdd);
    virtual void CanInsertRow(int ARow, bool& CanInsert);
    virtual void AfterMouseWheel() {}
    virtual void AppendRow();
    virtual void CellSelectorClick(int ACol, int ARow) {}
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

    // --- sorting, grouping and tree rows (ExGridSorting*.cpp, ExGridGrouping*.cpp,
    // ExGridNodes*.cpp) ---
    // Sort columns are real columns, rows display rows. Every sort is stable: rows that compare
    // equal keep their order. Whole rows move (texts, objects and cell properties, hidden
    // columns, heights); fixed rows and fixed footer rows stay.
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    bool SortLine(int Col, int ARow1, int ARow2);
    void InitSortXRef();
    // 1 when the cell of ARow1 sorts after that of ARow2 in ascending order, -1 before, 0 equal;
    // the custom and raw hooks' results as they come. Empty cells are placed by BlankPos.
    int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
    int CompareRowsFull(int ACol, int ARow1, int ARow2);
    int CompareRowsIndexed(int Index, int ARow1, int ARow2);
    // The sort a click on the header of real column ACol asks for; ExtendIndex is the state of
    // the key that adds a column to the sort index. Ends with ClickSort.
    void SortOnHeaderClick(int ACol, bool ExtendIndex);
    // Whether the cell shows a sort indicator place: the sort row of a grid that sorts.
    bool IsSortIndicatorRow(int ACol, int ARow);
    // Whether the header cell of real column ACol in row ARow shows the indicator now.
    bool ShowsSortIndicator(int ACol, int ARow);
    // The indicator of real column ACol centred on (X, Y).
    void DrawSortIndicator(TCanvas* ACanvas, int ACol, int X, int Y);
    int Compares = 0; // cell comparisons made, never reset by the grid
    int Swaps = 0;    // rows moved by sorts
    unsigned SortTime = 0;
    int SortDir = 1;
    int SortRow = 0;
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;
    // Tree rows. AddNode, RemoveNode, ExpandNode, ContractNode, InsertChildRow, RemoveChildRow,
    // InsertNormalRow and RemoveNormalRow take real rows; the queries take display rows.
    void AddNode(int ARow, int Span);
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    virtual void ExpandNode(int ARow);
    virtual void ContractNode(int ARow);
    void ExpandAll();
    void ContractAll();
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow);
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow);
    void UpdateSubNodeCount(int ARow, int Delta);
    int GetNodeSpanType(int ARow);
    virtual bool IsOnNodeGlyph(int ARow, int X);
    int NumNodes() const { return FNumNodes; }
    // Draws the glyph of a node row and the tree lines of column 0 into ARect.
    void DrawNodeGlyph(TCanvas* ACanvas, int ARow, const TRect& ARect);
    void DrawTreeLines(TCanvas* ACanvas, int ARow, const TRect& ARect);
    // Expand cells switch their row between two heights.
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    void RemoveExpand(int ACol, int ARow);
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    // Grouping: -1 when the grid is not grouped.
    int GroupColumn() const { return FGroupColumn; }
    void SetGroupColumn(int Value);
    // Per-group statistics into the header rows, or the summary rows with Grouping.Summary.
    void GroupCalc(int ColIndex, int Method);
    void GroupSum(int ColIndex);
    void GroupAvg(int ColIndex);
    void GroupMin(int ColIndex);
    void GroupMax(int ColIndex);
    void GroupCount(int ColIndex);
    void GroupCustomCalc(int ColIndex);
    void GroupDistinct(int ColIndex);
    void GroupStdDev(int ColIndex);
    // Column statistics over rows FromRow .. ToRow, which the group calculations ask for; neutral
    // (0) here until the column statistics are built.
    // --- filtering, column statistics and floating footer, settings persistence
    // (ExGridFiltering*.cpp, ExGridFooter*.cpp, ExGridPersistence*.cpp) ------------------------
    // Filtering: rows that fail the conditions leave for the hidden-row store as one filter
    // level; levels stack and are undone newest first.
    bool FilterActive() const { return FFilterActive; }
    void SetFilterActive(bool Value);
    void ApplyFilter();
    void FilterRow(int ARow);
    // True when more than one level remains; false (nothing done) when no level is applied.
    bool RemoveLastFilter();
    void RemoveAllFilters();
    // Narrowing as a search box is typed: a wildcard match anywhere in AColumn (-1: any).
    void NarrowDown(const std::string& ACondition, int AColumn);
    bool FilterDropDownAuto() const { return FFilterDropDownAuto; }
    void SetFilterDropDownAuto(bool Value);
    int FilterDropDownRow() const { return FFilterDropDownRow; }
    // Only a fixed row can carry the filter buttons; other values are ignored.
    void SetFilterDropDownRow(int Value);
    // The column whose filter drop-down is open, -1 when none; set by the code that opens it.
    int FilterColumn() const { return FFilterCol; }
    void SetFilterColumn(int Value) { FFilterCol = Value; }
    bool FilterDropDownCheck = false;
    // The check marks of the drop-down check list, one per FilterList entry; the check list
    // sets them before it reports a change through FilterCheck.
    std::vector<bool> FilterCheckMarks;
    // Entry Index of FilterList split into the name the drop-down shows and its condition: the
    // parts before and after the first "=", or the whole entry for both when it has none or is
    // a column value that itself holds "=".
    // Whether the entry stands for a cell text, which is then the condition to match literally.
    bool FilterListEntry(int Index, std::string& FriendlyName, std::string& Condition) const;
    TCustomFilterEvent OnCustomFilter;
    TFilterProgressEvent OnFilterProgress;
    TGetColumnFilterEvent OnGetColumnFilter;
    TFilterSelectEvent OnFilterSelect;
    TFilterCheckEvent OnFilterCheck;
    // Column statistics over rows FromRow..ToRow (-1 for either: the data rows); cells that
    // hold no number are left out.
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    TNodeClickEvent OnExpandNode;
    TNodeClickEvent OnContractNode;
    TNodeAllowEvent OnBeforeExpandNode;
    TNodeAllowEvent OnBeforeContractNode;
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double GroupCustomColumnCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int FromCol, int ToCol);
    double RowAvg(int ARow, int FromCol, int ToCol);
    double RowMin(int ARow, int FromCol, int ToCol);
    double RowMax(int ARow, int FromCol, int ToCol);
    // The cell's number; an empty cell is 0, other text throws ROvoVariRodev naming the cell.
    double CellToReal(int ACol, int ARow);
    TGroupCalcEvent OnColumnCalc;
    TGroupCalcEvent OnGroupCalc;
    TCellsChangedEvent OnCellsChanged;
    TCalcFooterEvent OnFooterCalc;
    TFooterPaintEvent OnFooterPaint;
    TNotifyEvent OnCreatedFloatingFooter;
    // Settings persistence: column count, widths, order and visibility as one string. A string
    // that does not describe this grid's columns throws Exception and changes nothing.
    std::string ColumnStatesToString();
    void StringToColumnStates(const std::string& Value);
    // Settings persistence: print settings and visual properties (ExGridPersistencePrint.cpp,
    // ExGridPersistenceVisual.cpp). Everything read is checked before anything changes: a
    // damaged file throws Exception saying why and leaves the grid as it was. The print
    // settings live in section Section of the INI file Key, or with clRegistry in the INI file
    // that stands in for the registry key Key.
    void SavePrintSettings(const std::string& Key, const std::string& Section,
                           TColumnSizeLocation Location = clIniFile);
    void LoadPrintSettings(const std::string& Key, const std::string& Section,
                           TColumnSizeLocation Location = clIniFile);
    // Colours, fonts and looks as Name=Value lines; a file that cannot be written throws
    // "Cannot Create <file>", one that cannot be read "Cannot open file <file>".
    void SaveVisualProps(const std::string& FileName);
    // Returns the lines skipped, as Name=Value: a choice none of whose names matches leaves its
    // setting as it was, and the rest of the file is applied.
    std::vector<std::string> LoadVisualProps(const std::string& FileName);
    // The text SaveVisualProps writes, and the reading of such a text by LoadVisualProps.
    std::string VisualPropsText();
    std::vector<std::string> ApplyVisualPropsText(std::string_view Text);
    // Where SaveColSizes, LoadColSizes, SaveColPositions and LoadColPositions keep the values.
    TColumnSizeStorage ColumnSizeStorage;
    // Column sizes users keep and restore: the widths stretching and synchronising start from,
    // the size a cell's text needs, and the widths kept in ColumnSizeStorage (LoadColSizes
    // throws Exception for a damaged file and then leaves the widths as they were).
    virtual void InitOrigColSizes();
    virtual TPoint GetCellTextSize(int ACol, int ARow);
    virtual void AutoSizeColumns(bool DoFixedCols, int Padding);
    virtual void SaveColSizes();
    virtual void LoadColSizes();

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
    // Real columns; virtual so that the column grid swaps its column items too.
    virtual void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);
    bool IsCell(const std::string& SubStr, int& ACol, int& ARow) const;
    bool IsWideCell(int ACol, int ARow) const;
    int SaveStartCol() const;
    int SaveStartRow() const;
    int SaveEndCol() const;
    int SaveEndRow() const;
    int SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }
    int SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }
    // CSV exchange: files in UTF-8 with a byte-order mark (Unicode) or ANSI; the Text forms
    // serve streams and tests. A damaged file is refused before any cell changes.
    void SaveToCSV(const std::string& FileName, bool Unicode = true);
    void AppendToCSV(const std::string& FileName, bool Unicode = true);
    void LoadFromCSV(const std::string& FileName, int MaxRows = -1);
    void InsertFromCSV(const std::string& FileName, int MaxRows = -1);
    std::string SaveToCSVText();
    void LoadFromCSVText(std::string_view Text, int MaxRows = -1);
    // --- binary grid stream, text grid file and stream, fixed-width text, CSV streams
    // (ExGridStream.cpp, ExGridTextFile*.cpp, ExGridCsv.cpp) ---
    // A stream or file is read whole and checked before the first cell changes: damaged input
    // throws (EReadError for the binary stream, ROvoVariRodev or Exception for the text forms)
    // and leaves the grid as it was. The binary stream carries cells with their properties and
    // graphics; it holds at most 65,535 rows and columns and refuses larger rectangles.
    void SaveRectToBinStream(const TRect& Rect, std::string& Stream);
    void SaveToBinStream(std::string& Stream);
    void SaveToBinFile(const std::string& FileName);
    void LoadAtPointFromBinStream(TPoint Point, std::string_view Stream);
    void LoadFromBinStream(std::string_view Stream);
    void LoadFromBinFile(const std::string& FileName);
    // The text grid file (UTF-16 with a byte-order mark when Unicode, else ANSI) and the text
    // grid stream (UTF-16 lines appended to Stream; the load starts at Position and leaves it at
    // the first line that is not the grid's).
    void SaveToFile(const std::string& FileName, bool Unicode = true);
    void LoadFromFile(const std::string& FileName);
    void SaveToStream(std::string& Stream);
    void LoadFromStream(std::string_view Stream, size_t& Position);
    // Fixed-width text: positions holds widths in characters to save (missing ones are measured
    // and appended), 1-based start positions to load (sorted in place).
    void SaveToFixed(const std::string& FileName, TIntList* positions);
    void LoadFromFixed(const std::string& FileName, TIntList* positions, bool DoTrim = true,
                       int MaxRows = -1);
    void LoadFromCSVStream(std::string_view Stream, int MaxRows = -1);
    bool OemConvert = false;
    TGridFileProgressEvent OnFileProgress;
    void UpdateEditMode() { CanSelectCell(Col(), Row()); }
    void ScrollInView(int ColIndex, int RowIndex);
    void ScreenToCell(TPoint pt, int& ACol, int& ARow) const;
    bool IsOnSizingBorder(int X, int Y) const;
    // The selected rows or columns: those flagged with disjunct selection, else the selection
    // rectangle's.
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    // The normal rows of the selection (or all the others) are hidden, each by its real row.
    void HideSelectedRows();
    void HideUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void ClearSelection();
    bool ColMoveFlg = false; // a row or column was moved by the grid

    // --- office and database exchange (ExGridOffice*.cpp, ExGridDatabase.cpp) ---------------
    // Workbooks: .xlsx read and written, .xls read; documents: .docx. Texts go through the save
    // and load hooks. Failures throw: ROvoVariRodev with the fixed texts, EOfficeError,
    // EDatabaseError or EFileError with the reason; a failed save never passes as done.
    std::unique_ptr<TStringList> GetXLSSheets(const std::string& FileName);
    void LoadFromXLS(const std::string& Filename);
    void LoadFromXLSSheet(const std::string& Filename, const std::string& SheetName);
    void SaveToXLS(const std::string& Filename, bool CreateNewSheet = true);
    void SaveToXLSSheet(const std::string& Filename, const std::string& SheetName);
    void SaveToDOC(const std::string& Filename, bool CreateNewDocument = true);
    void AppendToDoc(const std::string& Filename, const std::string& Bookmark);
    // An Access database through its ODBC driver.
    void LoadFromMDBSQL(const std::string& Filename, const std::string& SQL);
    void LoadFromMDBTable(const std::string& Filename, const std::string& Table);
    // Any ODBC data source, by its connection string.
    void LoadFromDatabaseSQL(const std::string& ConnectionString, const std::string& SQL);
    void LoadFromDatabaseTable(const std::string& ConnectionString, const std::string& Table);

private:
    void ReadXLS(const std::string& FileName, const std::string& SheetName);
    void WriteXLS(const std::string& FileName, const std::string& SheetName, bool CreateNewSheet);
    void WriteDOC(const std::string& FileName, const std::string& Bookmark, bool Append,
                  bool CreateNewDocument);

public:
    // --- end of office and database exchange --------------------------------------------------

    // The style interfaces.
    void SetComponentStyle(TULKStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;
    // The drop-down editors the grid already made take the style.
    void StyleDropDownEditors(TULKStyle AStyle);
    // The headers that mark the two cells' column and row.
    void RepaintActiveHeaders(int ACol1, int ARow1, int ACol2, int ARow2);

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
    TColorSelectedEvent OnColorSelected;
    TImageSelectedEvent OnImageSelected;
    // May change the size a cell asks for on paper.
    TCustomCellSizeEvent OnCustomCellSize;
    TComboChangeEvent OnComboChange;

    // --- sizing, zoom and scroll bars (ExGridSizing*.cpp, ExGridZoom.cpp, ExGridScrollBars*.cpp,
    // ExGridTextMeasure.cpp) ---
    // Columns are display columns. Automatic sizes keep within Min/MaxColWidth and
    // Min/MaxRowHeight; no size ever goes below 0.
    void StretchRightColumn();
    virtual void AutoSizeCol(int ACol, int Padding = 0);
    void AutoSizeRow(int ARow, int Padding = 0);
    void AutoSizeRows(bool DoFixedRows, int Padding);
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    void AutoFitColumns(bool DoFixedCells);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    // Steps that would leave -10 .. 10 are ignored as a whole.
    void Zoom(int x);
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    bool SizeWithForm() const { return FSizeWithForm; }
    // Takes over the owning form's OnResize (chaining the form's own handler) the first time.
    void SetSizeWithForm(bool Value);
    // The handler the grid installs as its form's OnResize.
    void FollowFormSize(TObject* Sender);
    // Text extent of the cell at real column ACol shown in display column DCol; VS measures
    // word-wrapped within the cell, SB leaves room for a sort glyph.
    TPoint MeasureCellText(int ACol, int DCol, int ARow, bool VS, bool SB);
    int AutoNumberStart = 0;
    int AutoNumberOffset = 0;
    TSortDirection AutoNumberDirection = sdAscending;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    TEndColumnSizeEvent OnEndColumnSize;
    TEndRowSizeEvent OnEndRowSize;
    // Scroll bars. ssFlat and ssEncarta make the bars flat, with ScrollColor behind the thumb
    // and ScrollWidth thick; ssMetro replaces the bars by thin indicators.
    void SetScrollType(TScrollType Value);
    void SetScrollColor(TColor Value);
    void SetScrollWidth(int Value);
    bool ScrollProportional() const { return FScrollProportional; }
    void SetScrollProportional(bool Value);
    void UpdateProportionalVertScroll();
    void UpdateProportionalHorzScroll();
    TScrollHintType ScrollHints = shNone;
    bool ScrollSynch = false;
    // The text the scroll hint shows while a thumb is dragged; empty while none shows.
    const std::string& ScrollHintText() const { return FScrollHintText; }
    bool ScrollHintShowing() const { return FScrollHintShow; }
    // The window the scroll hint shows in; nullptr before the first hint.
    const THTMLHintWindow* ScrollHintWindow() const { return FScrollHintWnd.get(); }
    // A line, page or track step on the scroll bar of cell (ACol, ARow) (a real column), as a
    // window scroll code; true when its position changed (the cell repaints and the ScrollCell
    // hook runs).
    bool ScrollCellBar(int ACol, int ARow, int Code, int TrackPos);
    // A drag at (X, Y) over the grid (client coordinates): near an edge it starts the
    // drag-scroll timer, which scrolls one row or column a step after a delay.
    void HandleDragOver(int X, int Y, TDragState State);
    TScrollHintEvent OnScrollHint;
    TScrollCellEvent OnScrollCell;
    TDragScrollEvent OnDragScroll;

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
    // Editing core, validation and the text editor: settings, events and queries.
    using TCellValidateEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid)>;
    using TCellValidateWideEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                                      std::u16string& Value, bool& Valid)>;
    using TEditChangeEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
    using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
    using TGetEditorPropEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, TObject* AEditLink)>;
    using TCellChangingEvent = std::function<void(TObject* Sender, int OldRow, int OldCol,
                                                  int NewRow, int NewCol, bool& Allow)>;
    using TRowColChangingEvent =
        std::function<void(TObject* Sender, int OldIndex, int NewIndex, bool& Allow)>;
    using TPrintPageNumEvent = std::function<void(TObject* Sender, int PageNum, int PageColNum,
                                                  std::string& PageNumString)>;
    using TCanShowFixedDropDownEvent =
        std::function<void(TObject* Sender, int ACol, bool& CanShow)>;
    using TGetEditMaskEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
    using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
    using TClipboardBeforePasteCellEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Allow)>;
    using TClipboardAfterPasteCellEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
    bool IsPasswordCell(int ACol, int ARow);
    // Editing was entered for the current cell with an editor control and is not committed yet.
    bool EditActive() const { return FEditActive; }
    TExInplaceEdit* NormalEdit() const;
    // The grid's modified flag: set when a validated edit changes a cell.
    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }
    bool GridModified() const { return FGridModified; }
    void SetGridModified(bool Value) { FGridModified = Value; }
    // Modified-row flags (one entry per row in ModifiedRows, 1 = modified).
    void SetRowModified(int ARow, bool Value);
    bool GetRowModified(int ARow) const;
    bool AlwaysValidate = false; // validate unchanged values too
    bool EditWithTags = false;   // mark-up is edited as text instead of being stripped
    // The characters edValidChars accepts (besides Backspace and Enter).
    std::string ValidChars;
    std::string EditMask;
    std::string InvalidEntryTitle;
    std::string InvalidEntryText;
    // A decimal point typed on the numeric keypad becomes the locale's decimal separator.
    bool ExcelStyleDecimalSeparator = false;
    bool Lookup = false;
    bool LookupCaseSensitive = false;
    bool LookupHistory = false;
    TNotifyEvent OnEditingDone;
    TEditCellDoneEvent OnEditCellDone;
    TCellValidateEvent OnCellValidate;
    TCellValidateWideEvent OnCellValidateWide;
    TEditChangeEvent OnEditChange;
    TEllipsClickEvent OnEllipsClick;
    TClickSortEvent OnClickSort;
    TGetEditorPropEvent OnGetEditorProp;
    TClickCellEvent OnGetEditorPropInt; // column in the first, row in the second argument
    TCellChangingEvent OnCellChanging;
    TRowColChangingEvent OnRowChanging;
    TRowColChangingEvent OnColChanging;
    TPrintPageNumEvent OnPrintGetPageNum;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
    TGetEditMaskEvent OnGetEditMask;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    TClipboardBeforePasteCellEvent OnClipboardBeforePasteCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;

    // --- HTML, XML and ASCII exchange; clipboard and drag and drop ----------------------------
    // (ExGridASCII.cpp, ExGridHTML*.cpp, ExGridXML*.cpp, ExGridClipboard*.cpp,
    // ExGridDragDrop*.cpp). Texts come from SaveCell and go back through LoadCell.
    // The aligned text report: UTF-16 with a byte-order mark when Unicode, else ANSI (an append
    // keeps the encoding of the file it extends).
    void SaveToASCII(const std::string& FileName, bool Unicode = false);
    void AppendToASCII(const std::string& FileName, bool Unicode = false);
    // The report's lines, without a file.
    std::vector<std::string> ASCIILines();
    // The HTML table; dir is the folder ("/" separators, trailing separator, or empty) below
    // which cell images go. Files are UTF-8 and say so (Unicode adds a byte-order mark).
    std::string SaveToHTMLString(const std::string& dir = "");
    void SaveToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);
    void AppendToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);
    // XML records: one RecordDescr element per row under ListDescr, one element per cell named
    // by FieldDescr (or "FIELD" and its number). Throws ROvoVariRodev when the file cannot be
    // created.
    void SaveToXML(const std::string& FileName, const std::string& ListDescr,
                   const std::string& RecordDescr, const TStringList* FieldDescr,
                   bool ExportEmptyCells);
    // The file's bytes, in XMLEncoding; an encoding that cannot be written throws Exception.
    std::string SaveToXMLText(const std::string& ListDescr, const std::string& RecordDescr,
                              const TStringList* FieldDescr, bool ExportEmptyCells);
    // Reads records of XML: a damaged document is refused before any cell changes.
    void LoadFromXML(const std::string& FileName, bool LevelToRow = false,
                     bool LoadFieldDescr = false);
    void LoadFromXMLText(std::string_view Text, bool LevelToRow = false,
                         bool LoadFieldDescr = false);
    // Clipboard: tab- and line-separated text (quoted multi-line cells), with RTF and the
    // binary cell stream beside it when the navigation settings allow them.
    virtual void CopySelectionToClipboard();
    virtual void CutSelectionToClipboard();
    virtual void PasteSelectionFromClipboard();
    void CopyToClipBoard();
    void CopyToClipBoardAsHTML();
    void CutToClipboard();
    void PasteFromClipboard();
    std::string GetSelectionAsText();
    void SetSelectionAsText(const std::string& Value);
    std::string SelectionAsText() { return GetSelectionAsText(); }
    // The text of a cell range as the clipboard gets it.
    std::string BuildSelectionText(const TGridRect& Rect, bool SelectedOnly);
    // Pastes a clipboard text at the cell; answers the number of cells it went through. The
    // grid grows first (as the navigation settings allow); nothing is written past its end.
    int PasteText(int ACol, int ARow, const std::string& Text);
    // A column dragged in from item AIndex of a column-chooser list.
    void OleColumnDragStart(int ACol, int AIndex, TListBox* AList);
    // Registers or revokes the grid as a drop target (DragDropSettings.OleDropTarget).
    void OleDropTargetChanged(bool Value);
    bool OleDropTargetAssigned() const { return FOleDropTargetAssigned; }
    using TClipboardBeforePasteWideCellEvent = std::function<void(
        TObject* Sender, int ACol, int ARow, std::u16string& Value, bool& Allow)>;
    using TClipboardAfterPasteWideCellEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, const std::u16string& Value)>;
    using TOleDropEvent = std::function<void(TObject* Sender, int ARow, int ACol,
                                             const std::string& Data, bool& Allow)>;
    using TOleDropColEvent = std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)>;
    using TOleDragOverEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
    using TOleDroppedEvent = std::function<void(TObject* Sender, const TGridRect& ARect)>;
    TClipboardBeforePasteWideCellEvent OnClipboardBeforePasteWideCell;
    TClipboardAfterPasteWideCellEvent OnClipboardAfterPasteWideCell;
    TOleDropEvent OnOleDrop;
    TOleDropEvent OnOleDropURL;
    TOleDropEvent OnOleDropFile;
    TOleDropColEvent OnOleDropCol;
    TOleDragOverEvent OnOleDragOver;
    TOleDroppedEvent OnOleDropped;
    TNotifyEvent FOnStartBlockFocus;
    TNotifyEvent FOnEndBlockFocus;
    // Keyboard (ExGridKeyboard.cpp).
    // False when the Tab was handed to the parent window.
    bool NavigateFromEditor(bool Backward);
    bool IsOnLastDataRow();
    void AutoAddRow();
    // Selection (ExGridSelection.cpp): moves to the next cell to edit in the advance direction.
    void AdvanceCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool KeepOrigin,
                     bool ShowEditor);
    // --- keyboard, selection, window messages, focus, timer and wheel ---
    // Keyboard (ExGridKeyboard*.cpp). Columns are display columns. A cell where keyboard
    // navigation may stop: editable with goEditing, else not fixed; OnSelectCell has the last
    // word. -1 when a row has no such cell.
    bool CanNavigateToCell(int ACol, int ARow);
    int FirstNavigableCol(int ARow);
    int LastNavigableCol(int ARow);
    int FirstNormalCol();
    int VisibleFixedRightCols() const;
    bool IsHoverFixedCell(int ACol, int ARow) const;
    // A '.' typed on the numeric keypad enters the locale's decimal separator.
    // Selection (ExGridSelection*.cpp). Rows are display rows unless said otherwise; flags of
    // rows and columns live as long as the grid and grow on demand. A negative row or column is
    // refused with ROvoVariRodev wherever a flag is read or written.
    using TBaseGrid::FocusCell;
    void GotoCell(int ACol, int ARow);
    void EditCell(int ACol, int ARow);
    void FocusCell(int ACol, int ARow);
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    void ClearRowSelect();
    void ClearColSelect();
    void ClearSelectedCells();
    bool GetRowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    bool GetColSelect(int ACol);
    void SetColSelect(int ACol, bool Value);
    int RowSelectCount();
    int ColSelectCount();
    int SelectedRowCount();
    int SelectedColCount();
    int SelectedCellsCount();
    // -1 beyond the selected rows.
    int GetSelectedRow(int i);
    // (-1, -1) beyond the selected cells.
    TGridCoord GetSelectedCell(int i);
    bool GetSelectedCells(int i, int j);
    void SetSelectedCells(int i, int j, bool Value);
    bool IsSelected(int ACol, int ARow);
    // Hiding remembers the selection and shows no cell as selected; unhiding brings it back
    // when it still fits the grid, else selects the first normal cell.
    void HideSelection();
    void UnHideSelection();
    bool SelHidden() const { return FSelHidden; }
    // Cells joined by tabs, rows by CR LF, nothing after the last.
    std::string SelectedText();
    int ModifiedRowCount() const;
    void ClearModifiedRows();
    bool GetRowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);
    void SelectionToRowSelect(bool All);
    void SelectionToColSelect(bool All);
    void InvalidateGridRect(const TGridRect& R);
    bool IsLastRowAboveSearchFooter();
    void ScrollAboveSearchFooter();
    void ScrollRowAboveSearchFooter(int ARow);
    std::string IncrSearchText() const { return SearchInc; }
    void SetIncrSearchText(const std::string& Value) { SearchInc = Value; }
    // The selection resizer: the handle at the bottom-right corner of the selection; a drag
    // from it fills the grown selection from a copy of the cells taken at the press, kept in
    // the grid (the user's clipboard is left alone).
    bool IsOnSelectionResizer(int X, int Y);
    void BeginSelectionResize();
    void EndSelectionResize();
    // --- selection resizer by mouse: a press on the handle begins the resize, the release
    // fills the new selection between OnSelectionResize and OnSelectionResized.
    using TSelectionResizeEvent = std::function<void(
        TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizeEvent OnSelectionResized;
    void PressSelectionResizer();
    void ReleaseSelectionResizer();
    // Focus: the cell-selection check for the current cell.
    void Select();
    using TRowChangingEvent =
        std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
    using TColChangingEvent =
        std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
    using TRowDisjunctSelectEvent =
        std::function<void(TObject* Sender, int ARow, bool Select, bool& Allow)>;
    using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;
    using TAutoAdvanceEvent = std::function<void(TObject* Sender, int OldRow, int OldCol,
                                                 int& NewRow, int& NewCol, bool& Allow)>;
    using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
    using TWheelEvent =
        std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
    TAutoAddRowEvent OnAutoAddRow;
    TAutoInsertRowEvent OnAutoInsertRow;
    TAutoInsertColEvent OnAutoInsertCol;
    TCanDeleteRowEvent OnCanDeleteRow;
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TRowDisjunctSelectedEvent OnRowDisjunctSelected;
    TAutoAdvanceEvent OnAutoAdvance;
    TRadioClickEvent OnRadioClick;
    TButtonClickEvent OnRadioButtonClick;
    TWheelEvent OnMouseWheelDown;
    TWheelEvent OnMouseWheelUp;
    // The grid timer's blinking state, flipped every tick with EnableBlink.
    bool EnableBlink = false;
    bool GridBlink() const { return FGridBlink; }
    int TimerTicks() const { return FTimerTicks; }
    // Panning with the middle button: a press starts it, the view (or the current cell) then
    // follows the mouse's direction from the press point every 10 ms, outside a dead zone of 5
    // pixels; the next button or key press ends it.
    enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
    TIntelliPan IntelliPan = ipVertical;
    bool Panning() const { return wheelpan; }

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
    // The drop-down editors, created on first use; defined in grid/dropdown, whose
    // RegisterGridDropDownEditors() lets the grid create them for their kinds.
    TGridCalculatorDropDown* CalculatorDropDown();
    TGridDetailPickerDropDown* DetailPickerDropDown();
    TGridColorDropDown* ColorPickerDropDown();
    TGridImageDropDown* ImagePickerDropDown();
    TGridExGridDropDown* ExGridDropDown();
    TGridTrackbarDropDown* TrackbarDropDown();
    TGridMemoDropDown* MemoDropDown();
    TGridTimepickerDropDown* TimePickerDropDown();
    TGridGridDropDown* GridDropDown();
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
    int MaxComboLength = 0;
    TComboObjectChangeEvent OnComboObjectChange;
    TSpinClickEvent OnSpinClick;
    TFloatSpinClickEvent OnFloatSpinClick;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TUnitChangedEvent OnUnitChanged;
    TCustomStrToDateEvent OnCustomStrToDate;
    TDateTimeChangeEvent OnDateTimeChange;
    TClickCellEvent OnDatePickerCloseUp;
    TClickCellEvent OnDatePickerDropDown;
    TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
    TDropDownButtonClickEvent OnDropDownFooterButtonClick;
    // Fixed cells (ExGridFixedEdit.cpp): the transient editors, created on first use.
    TGridTransEdit* EditTrans();
    TGridTransCombo* ComboTrans();
    // ACol a display column.
    void StartFixedCellEdit(int ACol, int ARow);
    void FixedCellEditChange(TObject* Sender);
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
    // Cell texts holding a URL show as links; a change repaints.
    bool URLShow() const { return FURLShow; }
    void SetURLShow(bool Value);
    // The colour of links; a change repaints while links are shown.
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor Value);
    // Links inside longer texts show as links too; a change repaints.
    bool URLShowInText() const { return FURLShowInText; }
    void SetURLShowInText(bool Value);
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

    // --- find, replace and incremental search, search footer, highlighting and cell checking
    // (ExGridSearch*.cpp, ExGridSearchFooter.cpp, ExGridHighlight.cpp) --------------------------
    // Cells are points (X the column, Y the row); (-1, -1) means none. Columns are display
    // columns, or real ones with fnIncludeHiddenColumns; rows are display rows, or real ones
    // with fnIncludeHiddenRows. A malformed condition with fnMatchRegular throws ROvoVariRodev
    // before anything is searched.
    TPoint Find(TPoint StartCell, const std::string& s, TFindParams FindParams);
    TPoint FindWide(TPoint StartCell, const std::u16string& s, TFindParams FindParams);
    TPoint FindFirst(const std::string& s, TFindParams FindParams);
    // Goes on after the last match of the last search; (-1, -1) after the last one, and the
    // call after that starts over.
    TPoint FindNext();
    // Replaces, in the stored text of every cell the search finds, what it found there: every
    // occurrence, the leading one with fnMatchStart, the whole text with fnMatchFull, with
    // fnMatchRegular or for the empty-cell search text. Answers the number of cells changed.
    int Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams);
    // Incremental search for the keyboard: the first normal row whose cell in the sort column
    // (stripped of tags, upper-cased) starts with s, which the caller upper-cases; -1 if none.
    int Search(const std::string& s);
    TFindParams FindParams() const { return FFindParams; }
    TPoint SearchCell() const { return FSearchCell; }
    int FindCol = 0;
    int FindRow = 0;
    bool FindBusy = false; // a search ran and, unless it is cleared, found something
    // The search footer's actions (its panel's controls call them).
    void SearchFooterEditChange();
    void SearchFooterFindNext();
    void SearchFooterFindPrevious();
    void SearchFooterHighlight();
    void SearchFooterClose();
    // The footer's accelerators: Alt plus a caption's underlined letter. Result 1 when handled.
    void HandleDialogChar(TMessage& Message);
    using TSearchEditChangeEvent =
        std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)>;
    TSearchEditChangeEvent OnSearchEditChange;
    TNotifyEvent OnSearchFooterClose;
    TNotifyEvent OnCreatedSearchFooter;
    // Highlighting (tag hi) and error marks (tag e) are written into the cell texts as mark-up.
    // The stored text is what is marked, never the display text; a cell where nothing is
    // found is left alone; removing the marks gives back the exact text the cell held; marking
    // a marked cell again does not encode it twice. Ranges are clipped to the grid; columns
    // are real columns, rows display rows. A text that holds hi or e tags of its own is taken
    // as marked.
    static std::string HilightText(bool DoCase, const std::string& S, const std::string& Text);
    static std::string UnHilightText(const std::string& S);
    static std::string MarkText(bool DoCase, const std::string& S, const std::string& Text);
    static std::string UnMarkText(const std::string& S);
    void HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);
    // Runs CellChecker over cells; True when it changed none. Without a checker: True.
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);
    // Operations of selection and grouping that the search calls; neutral here
    // (ExGridSearchNeutral.cpp) until those features are merged.
    // --- mouse: presses, releases, moves, clicks on cell controls and links, sizing and moving
    // by mouse (ExGridMouse*.cpp, ExGridCellClicks*.cpp, ExGridMouseSizing*.cpp) ---------------
    using TCanClickCellEvent =
        std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
    using TCanMoveEvent = std::function<void(TObject* Sender, int AIndex, bool& Allow)>;
    using TControlClickEvent =
        std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID,
                           const std::string& CtrlType, const std::string& CtrlVal)>;
    // A left press and release 2 pixels inside the cell's top-left corner through the
    // framework's own steps, with OnMouseDown and OnMouseUp detached meanwhile.
    void SimulateCellClick(int ACol, int ARow);
    // The menu of the drop-down button of hover-highlighted fixed cells (its Tag is the column);
    // OnFixedDropDownClick may replace it, or clear it to show none.
    using TFixedDropDownClickEvent = std::function<void(
        TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu, bool& KeepFixedCellHighlighted)>;
    TComponentLink<TPopupMenu> FixedDropDownMenu{this};
    TFixedDropDownClickEvent OnFixedDropDownClick;
    // Forgets the hovered fixed cell (repainting it) and lets mouse leaves reset hovering again.
    void ResetFixedCellHighlight();
    // A press on the drop-down button of a fixed cell: true when it was taken (and the framework's
    // press is skipped).
    bool PressFixedDropDownButton(int ACol, int ARow, int X);
    // The click on a radio group cell at (DX, DY) from its top-left corner; ACol a real column.
    void ToggleRadioInCell(int ACol, int ARow, int DX, int DY);
    bool HintShowSizing = false; // the width or height being dragged shows in a hint
    bool URLEdit = false;        // a right click on a link cell edits the link text
    TCanClickCellEvent OnCanClickCell;
    TClickCellEvent OnRightClickCell;
    TColumnSizeEvent OnColumnSize;
    TRowSizeEvent OnRowSize;
    TColumnSizingEvent OnColumnSizing;
    TRowSizingEvent OnRowSizing;
    TCanMoveEvent OnColumnMove;
    TCanMoveEvent OnRowMove;
    TCanMoveEvent OnColumnMoving;
    TCanMoveEvent OnRowMoving;
    TCheckBoxClickEvent OnCheckBoxMouseUp;
    TRadioClickEvent OnRadioMouseUp;
    TAnchorClickEvent OnAnchorClick;
    TAnchorEvent OnAnchorEnter;
    TAnchorEvent OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;
    TControlClickEvent OnControlClick;
    // Header click sorting: may refuse the sort of a real column.
    TCanSortEvent OnCanSort;

protected:
    // Set by a descendant that picks cells with the mouse: presses go to CellSelectorClick and
    // the cell-selector cursor shows.
    bool FCellSelectorMode = false;
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
    // The combo editor's change was told since its list last opened.
    bool FComboChangeReported = false;
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
    // The custom editor control's own procedure, kept while EditLinkWindowProc stands in for it.
    std::function<void(TMessage&)> FGridControlWndProc;
    void EditLinkWindowProc(TMessage& Message);
    std::vector<TGridDropDownEditor*> FDropDownEditors;
    TDateTime FOriginalDateTime = 0;
    void DatePickerDropDown(TObject* Sender);
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
    // An editor control hands the keyboard back to the grid: the checks of the current cell that
    // its leaving and the grid's focus run keep the cell cache, the text from when the edit began.
    bool FEditorHandingBack = false;
    bool FValidating = false;     // a validation runs: no editor is shown meanwhile
    bool FLastValidation = false; // the last value passed validation
    bool FNoAutoAdvance = false;  // the key that ended editing must not advance
    bool LButFlg = false;         // the editor was opened by a left-button click
    char16_t FStartEditChar = 0;  // the key that started editing, typed into the editor
    // The key that started editing is being typed into the editor: the grid's OnKeyPress had it
    // already, when it was typed on the grid.
    bool FTypingStartKey = false;
    std::string FCellCache;       // the cell text when editing began (Escape restores it)
    std::string FNewCellText;     // the value as the last validation left it
    std::string FEditText;
    std::u16string FEditWideText;
    // Editing core and validation: the cell under validation as it was entered.
    int FOldCol = -1;
    int FOldRow = -1;
    std::string FOldCellText;
    std::u16string FOldCellTextWide;
    bool FOldModifiedValue = false;
    bool FModified = false;
    bool FGridModified = false;
    bool FDisableChange = false; // OnCellChanging stays quiet
    bool CanEditShow() override;
    TInplaceEdit* CreateEditor() override;
    TRect EditorRect(int ACol, int ARow) const override;
    std::string GetEditorText(int ACol, int ARow) override;
    void SetEditorText(int ACol, int ARow, const std::string& Value) override;
    std::string CellEditMask(int ACol, int ARow) override;
    // The framework's click as the grid lets it through: remembers the current cell as entered.
    void ClickCell();

    // --- find: the match test of one cell against the last search, and the walk ---
    bool MatchFindCell(int ACol, int ARow, bool Wide);
    TPoint SearchCells(TPoint StartCell, const std::string& s, TFindParams FindParams, bool Wide,
                       const std::u16string& ws);

    // Window creation: run when the grid gets a parent (and again whenever it is placed anew).
    virtual void CreateWnd();
    // The grid's window procedure.
    virtual void HandleWindowMessage(TMessage& Message);
    void WndProc(TMessage& Message) override { HandleWindowMessage(Message); }
    // --- keyboard, selection, window messages, focus, timer and wheel ---
    void HandleKeyDownMessage(TMessage& Message);
    void HandleKeyDown(WORD& Key, TShiftState Shift) override;
    void HandleKeyUp(WORD& Key, TShiftState Shift) override;
    void HandleCharMessage(TMessage& Message);
    void HandleKeyPress(TChar& Key) override;
    void HandleTimer();
    void HandleWheelMessage(TMessage& Message, const TGridRect& Sel0);
    // The combo notifications of the grid's child controls (WM_COMMAND); false for any other
    // command.
    bool HandleChildNotification(const TMessage& Message);
    // The combo editor's list closed: with DirectComboClose the chosen item is stored and the
    // edit ends; OnComboCloseUp in every case.
    void ComboEditorClosedUp();
    bool HandleWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool HandleWheelUp(TShiftState Shift, TPoint MousePos) override;
    void HandleGetDlgCode(TMessage& Message);
    void HandleSetFocus(TMessage& Message);
    void HandleKillFocus(TMessage& Message);
    void DoEnter() override;
    void DoExit() override;
    // The platform grid's move of the current cell, with anchor and scrolling into view.
    virtual void MoveCurrentCell(int ACol, int ARow);
    // The row the incremental search finds for Text (upper-cased), -1 for none; the search
    // feature answers it.
    virtual int IncrementalSearchRow(const std::string& Text);
    // Starts the editor of the next "<CONTROL" element of a cell; the cell-control editors
    // answer it.
    // Ctrl with the wheel: zooms by Lines and sizes the cells anew.
    virtual void ZoomByWheel(int Lines);
    std::string SearchInc;
    int SearchTics = 0;
    TGridCoord FLastKeyCell{-1, -1};
    bool FUseEnabledRows = false;
    bool FIsDBVersion = false;
    bool FSelChange = false;
    bool InvokedFocusChange = false;
    int FAECol = -1;
    int FAERow = -1;
    int FTimerTicks = 0;
    bool FGridBlink = false;
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
    void AppendGroupCount(int ARow, std::string& Value) const;
    // The shared row-selection box of column 0, filled for one row; a press on it.
    void FillRowCheckBox(int ARow);
    void PressRowCheckBox(int ARow);
    TPoint InterfacedCellSize(int ACol, int ARow, const TCellGraphic& Graphic, bool Printing);
    void DrawInterfacedCell(TCellDrawContext& Ctx, const TRect& R);
    // The scroll bar of a scroll-bar cell: drawn in the cell, and laid over the cell under the
    // mouse so that it can be worked.
    void DrawCellScrollBar(TCellDrawContext& Ctx);
    void TrackCellScrollBar(int ACol, int ARow);
    void FollowCellScrollBar();
    std::unique_ptr<TCellScrollBar> FScrollBar;
    int FScrollCol = -1;
    int FScrollRow = -1;
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
    // The size a graphic is drawn at in ARect: its room beside the text where it has one, else
    // its own size, so that a graphic without room is drawn over the text, never at size 0.
    TPoint DrawnGraphicSize(int ACol, int ARow, const TCellGraphic& Graphic, const TRect& ARect,
                            TPoint Room);

    // Hooks of other features the frame calls; neutral until those features are built.
    virtual void PaintOuterBorder();
    // The background bitmap on the grid's canvas: placed at BackGround's Left and Top, or tiled
    // from R's top-left; for the area beyond the last cell.
    void PaintBackgroundFixed(const TRect& R);
    void PaintBackgroundTiled(const TRect& R);
    void PaintAreaBeyondCells();
    virtual void UpdateFooter();
    virtual void UpdateSearchPanel();
    virtual void AdaptToOfficeTheme();
    virtual void ApplyVCLStyleColors();
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
    // Filtering, footer and persistence state.
    friend class TFloatingFooter; // steers the hidden last row and the footer rows
    friend class TFooterPanel;
    bool FFilterActive = false;
    bool FFilterDropDownAuto = false;
    int FFilterDropDownRow = 0;
    int FFilterFixedRows = 0;
    std::string FLastFilter;
    int FNarrowLevels = 0; // filter levels the present run of narrowing steps applied
    // Value-list entries made from cell texts, each with the text it stands for: a value picked
    // from the list is matched literally, not read as a condition.
    std::vector<std::pair<std::string, std::string>> FFilterValueTexts;
    // The conditions made ready once while ApplyFilter tests every row; empty otherwise.
    std::vector<TPreparedCondition> FPreparedConditions;
    // The numbers of the counted cells of column ACol, rows FromRow..ToRow: real rows (hidden
    // ones included) with RealRows, else display rows. Node and summary rows of a grouped grid
    // and the covered cells of merged areas are left out, and so are cells holding no number.
    std::vector<double> CountedNumbers(int ACol, int FromRow, int ToRow, bool RealRows);
    // The statistic of a column range after the range rule; CalculateFooter names the mode.
    double ColumnStatistic(TColumnCalcType Kind, int ACol, int FromRow, int ToRow, bool RealRows);
    // Whether a range reaching to ToRow counts real rows, and the range made safe to read.
    bool UsesRealRows(int& FromRow, int& ToRow) const;
    // Moves the columns (none hidden) so that position p holds the column the order list calls
    // Order[p]; the order list follows every move, so it ends equal to Order.
    void ArrangeColumns(const std::vector<int>& Order);
    // The file of ColumnSizeStorage, nullptr when it names none or the grid is being designed.
    std::unique_ptr<TIniFile> OpenColumnStore() const;

    // Cell graphics and check boxes: the tree-row queries of the group toggle; neutral (no
    // group) until tree rows exist.
    // Rows of the node's group, the node row included; 0 for a row that is no node.
    virtual int GetNodeSpan(int ARow);
    // True while the node is contracted (its rows hidden).
    virtual bool GetNodeState(int ARow);
    // Sorting, grouping and tree rows.
    // Puts the rows of Order (display rows) at First, First + 1, ... with everything a row
    // carries; each row moves once.
    void PlaceRowsInOrder(int First, const std::vector<int>& Order);
    // The row order a sort of rows First .. Last asks for; Indexed sorts by SortIndexes.
    std::vector<int> SortedOrder(int Col, int First, int Last, bool Indexed);
    void SortRange(int Col, int First, int Last, bool Indexed);
    // QSort and QSortIndexed: the normal rows, with the current row, top row and footer kept.
    void SortNormalRows(bool Indexed);
    void SortGroups(bool Indexed);
    // The column the rows may not carry along: column 0 with NormalCellsOnly.
    int FirstMovedColumn() const;
    TCellGraphic* NodeGraphic(int ARow);
    void SetNodeLevelOfRows(int FromRow, int ToRow, int Delta);
    // Shows or hides node rows through the hidden-row store.
    void ExpandNodeRows(int ARow);
    void ContractNodeRows(int ARow);
    void ApplyGroupColours(int ARow, bool Header);
    void MergeGroupRow(int ARow, bool Header);
    double GroupValue(int ColIndex, int FromRow, int ToRow, int Method);
    void CloseSubGroup(int Header, int End, int ColIndex);
    int FNumNodes = 0;
    int FSubGroupColumn = -1;
    int FGroupWidth = 0;
    std::string FGroupCaption;
    std::string FGroupFooter;
    bool FIsGrouping = false;

    // Row and column operations: the framework's move steps, and removal without freeing the
    // objects of the removed rows (their caller keeps them).
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void DeleteRowRange(int RowIndex, int RCount, bool UpdateControls);
    void InsertRowRange(int RowIndex, int RCount, bool UpdateCellControls);

    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool Loading() const { return ComponentState().Contains(csLoading); }
    bool Destroying() const { return ComponentState().Contains(csDestroying) || FDestroying; }

    // The row operations call these after changing the cell store, so that the hidden rows stay
    // with their neighbours: display rows inserted or removed at ARow.
    void HiddenRowsFollowInsert(int ARow, int RCount);
    void HiddenRowsFollowRemove(int ARow, int RCount);
    // The same for the picked, disabled and modified row marks; called before the hidden rows
    // follow, while the display rows still map to their real rows.
    void RowMarksFollowInsert(int At, int Count);
    void RowMarksFollowRemoval(std::vector<int> Rows);
    int PickedRowMarkIndex(int ARow) const;

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
    // The page the next preview draws: a print's range is no preview's.
    int FPreviewPage = 1;
    int FPrintPageNum = 0;
    int FLastTabCol = -1;
    int FLastTabRow = -1;
    int FHoverlink = -1;
    int FOleDragCol = -1;
    int FLastDesignChoice = -1;
    int FFilterCol = -1;
    // The column whose filter list was open when the mouse went down, so that a click on its
    // own button closes it. A press moves the focus first and the list closes on losing it, so
    // the column is also kept from that closing until the press is handled.
    int FFilterColAtPress = -1;
    int FFilterColClosedByFocus = -1;
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

    // --- mouse ---
    // The platform's button, move and leave handlers lead into the grid's steps below.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void MouseLeave() override;
    // The platform clicks before the release is handled; the grid holds that click back so
    // that the release decides whether OnClick fires.
    void Click() override;
    // Lets OnColumnSize and OnRowSize refuse a sizing the framework would start.
    void HandleSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                           int& SizingOfs) override;
    // What a button message does before and after the framework's own handling.
    virtual void HandleLeftButtonDown(TShiftState Shift, int X, int Y);
    virtual void HandleLeftButtonUp(TShiftState Shift, int X, int Y);
    virtual void HandleDoubleClick(TShiftState Shift, int X, int Y);
    virtual void HandleRightButtonDown(TShiftState Shift, int X, int Y);
    // The framework's mouse steps as the grid extends them; they fire OnMouseDown, OnMouseUp
    // and OnMouseMove.
    virtual void HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void HandleMouseMove(TShiftState Shift, int X, int Y);
    virtual void HandleMouseLeave();
    // A release on a header cell that the mouse allows to sort (not on a border, a drop-down or
    // filter button or a check box, released in the row it was pressed in, no move ended, more
    // than two rows); ACol is a real column. Neutral until sorting takes header clicks.
    virtual void HeaderClickSort(int ACol, int ARow, TShiftState Shift);
    // The window that shows the size being dragged (nullptr until the first such hint).
    class THintWindow* SizingHintWindow() const;
    // Mouse state other features read.
    bool FForceSel = false;       // the cell-selection check only repaints row indicators, allows
    bool FSpinUpClick = false;    // the press hit the upper half of always-visible spin buttons
    bool FSpinDnClick = false;    // ... the lower half
    bool FCtrlDown = false;       // an HTML BUTTON control is held down in cell FCtrlXY
    bool FNoMouseLeave = false;   // a fixed-cell menu is open: hovering stays
    bool FSizeFixed = false;      // the mouse is over a sizable border of a fixed column
    bool FSizeFixedR = false;     // ... of a fixed row
    bool FSizingFixed = false;    // a fixed column is being sized
    bool FSizingFixedR = false;   // a fixed row is being sized
    bool ColSized = false;        // the framework is sizing a column
    bool Rowsized = false;        // the framework is sizing a row
    TPoint FHotFixedCell{-1, -1}; // the list-view look's hot fixed cell
    TPoint FHoverButton{-1, -1};  // the cell whose button or expand glyph is under the mouse
    TPoint FHoverCell{-1, -1};    // the cell whose link is under the mouse
    std::string FAnchor;          // the anchor under the mouse at the last move
    // --- sizing, zoom and scroll bars ---
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    // The footer panel under the cells follows the grid's layout direction.
    void BiDiModeChanged() override;
    void HandleSize(TMessage& Message) override;
    void HandleHorzScroll(TMessage& Message) override;
    void HandleVertScroll(TMessage& Message) override;
    void HandleTopLeftChange() override;
    void ApplyColumnStretch(int Index);
    void FitColumnWidth(int ACol, bool GrowOnly);
    void FitRowHeight(int ARow, bool GrowOnly, int Padding);
    void SetRowLines(int ARow, int Lines, int Padding);
    int HorzTextMargin() const;
    int VertTextMargin() const;
    void CreateScrollControls();
    void FreeScrollControls();
    // Flat scroll bars: the grid's own bars made flat (FIsFlat while they are), in the look of
    // ScrollType, with ScrollColor and ScrollWidth. Every call does nothing while they are not.
    void InitFlatScrollBars();
    void UninitFlatScrollBars();
    void UpdateFlatScrollBars();
    void ApplyFlatScrollStyle();
    void ApplyFlatScrollColor();
    void ApplyFlatScrollWidth();
    // The flat bar takes the range, page and position of the grid's own scroll information.
    void SyncFlatVertScroll();
    void SyncFlatHorzScroll();
    void SyncFlatScrollBars();
    // Only a bar that ScrollBars allows (Bar SB_HORZ, SB_VERT or SB_BOTH).
    void FlatShowScrollBar(int Bar, bool Show);
    void FlatSetScrollInfo(int Bar, const TScrollInfo& Info, bool Redraw);
    void FlatSetScrollProp(int Index, int Value, bool Redraw);
    bool FIsFlat = false;
    // The drag-scroll timer's step.
    void DragScrollStep();
    TTimer* FDragTmr = nullptr; // owned by the grid, so it never outlives it
    TDragScrollDirection FDragScrollDirection;
    // User sizing by mouse: set by the mouse feature, consumed by the width and height reactions.
    bool ColSizeFlg = false;
    int Colclickedsize = 0;
    int Rowclickedsize = 0;
    bool ColchgFlg = true;
    bool FIsColChanging = false;
    bool FScrollLock = false;
    int PrevSizeX = 0;
    int PrevSizeY = 0;

private:
    // CSV exchange: stores the records of Text from FirstRow on.
    void ReadCSV(std::string_view Text, int FirstRow, int MaxRows);
    // File exchange: fires OnFileProgress with Done / Max(1, Total) in percent, halves to even,
    // when it differs from LastFired (-1 before the first).
    void FireFileProgress(int Done, int Total, int& LastFired);
    // Runs Store under the update lock, then signals the change of the whole grid.
    void StoreLoadedCells(const std::function<void()>& Store);
    void PlaceTextGrid(const TTextGridContent& Content, bool Progress);
    // Binary grid stream: one pass checks, the next places (ExGridStream.cpp).
    void ReadBinStream(TPoint Point, std::string_view Stream, bool Apply, TBinStreamPlan& Plan);
    void PlaceStreamGraphic(int ACol, int ARow, const TCellGraphic& Graphic,
                            const TGridGraphicPayload& Payload);
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
    // Start-up: the saved column widths; a damaged settings file is reported, not fatal.
    void RestoreSavedColSizes();
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
    void DrawRotatedCellText(TCanvas* ACanvas, const TRect& ARect, const TCellGraphic& Graphic,
                             TCellDrawContext& Context);
    void DrawRowIndicator(TCellDrawContext& Ctx);
    void DrawListViewHeader(TCellDrawContext& Ctx);
    void DrawModifiedBar(TCellDrawContext& Ctx);
    void DrawFilterButton(TCellDrawContext& Ctx, const TRect& R);
    bool BackGroundCoversCell(const TCellDrawContext& Ctx) const;
    void DrawCellBackGround(TCellDrawContext& Ctx, const TRect& R);
    void DrawClassicFixedEdges(TCellDrawContext& Ctx);
    void PaintBackgroundFixedOn(TCanvas* ACanvas, const TRect& R);

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
    // Rows of a removal that exist (in front of a floating footer row).
    int RequestedRows(int RowIndex, int RCount) const;
    int NormalRowsOnShow() const;
    int RemovableRows(int RowIndex, int RCount) const;
    int RemovableCols(int ColIndex, int CCount) const;
    // The one place rows and columns are opened and closed in the platform grid.
    void OpenRows(int At, int Count);
    void CloseRows(int At, int Count, bool FreeObjects);
    void OpenCols(int At, int Count);
    void CloseCols(int At, int Count);
    void MoveRealColumn(int FromCol, int ToCol);
    void SortColumnsFollowMove(int FromCol, int ToCol);
    void UndoFollowsColumns(const std::function<int(int)>& NewColumn);
    void EmptyCells(int ACol1, int ARow1, int ACol2, int ARow2);
    void PropertiesFollowCells();
    void RemoveRowsBottomUp(const std::vector<int>& Rows);
    void HideRowsBottomUp(std::vector<int> Rows);
    // The rows of the disjunct row selection, or else of the selection rectangle.
    std::vector<int> RowsOfSelection() const;
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
    std::unique_ptr<TGridFocusWindow> FFocusWindow; // made when first shown
    TColor FURLColor = clBlue;
    bool FURLShow = false;
    bool FURLShowInText = false;
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
    bool FSelHidden = false;
    TGridRect FOldSelection{};
    int FMaxEditLength = 0;
    bool FSpreadSheet = false;
    bool FAutoSize = false;
    bool FFlat = false;
    TColor FBorderColor = 0xB99D7F;
    TBorderStyle FBorderStyle = bsSingle;
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
    void ApplyTonesToEditors(const TColorTones& ATones);
    void ApplyPresetStates(TExGridStyle AStyle);
    void SetHoverGradient(const TGradientColours& Hover);
    void SetDownGradient(const TGradientColours& Down);
    bool FUseHTMLHints = false;
    bool FDestroying = false;
    // --- find, search footer, highlighting ---
    TFindParams FFindParams;
    std::string SearchCache;        // the last search text, upper-cased unless fnMatchCase
    std::u16string SearchCacheWide; // the same for a wide search
    std::string FWideSearchText;    // SearchCacheWide in UTF-8, as the cells are matched
    TPoint FSearchCell{-1, -1};
    TPoint FindInArea(TPoint StartCell, TFindParams FindParams, bool Wide);
    void GotoFoundCell(TPoint Cell);
    int NodeRowOfRow(int ARow);
    std::string FindCellText(int ACol, int ARow, bool Wide);
    TFindParams SearchFooterParams(bool Backward, bool FromEdit);
    void SearchFooterHighlightRange(bool On);
    void KeepFoundRowAboveFloatingFooter();
    void KeepFoundRowAboveSearchFooter();
    void SearchFooterFind(bool Backward);
    template <typename Rewrite>
    void RewriteCells(int Col1, int Row1, int Col2, int Row2, Rewrite rewrite);
    void MarkRange(int Col1, int Row1, int Col2, int Row2, bool DoCase, const std::string& Text,
                   int Tag, bool On);
    // Editing core and validation.
    // The editor control up for EditControl; nullptr for none (or none available).
    TCellEditor* ActiveEditorControl();
    // Validates what the open editor (text editor or control) holds; false keeps it open.
    bool ValidatePendingValue();
    // The user went on to another control while the grid refused the editor's value: that value
    // cannot hold the keys back, so the edit is dropped as Escape drops it.
    bool KeysWentElsewhere() const;
    void DropRefusedEdit();
    bool CommitEditorControl(int ACol, int ARow);
    // A refused value: the cell gets Value back and the editor reopens on it.
    void ReopenRefusedEdit(int ACol, int ARow, const std::string& Value);
    void ShowInvalidEntryBalloon();
    bool FValidatedValuePending = false; // FNewCellText holds what the editor control stores
    // What the open editor control would store right after loading the cell: leaving it with
    // that value stores nothing, so an editor never rewrites a cell the user did not change.
    std::optional<std::string> FLoadedEditorValue;

    // --- mouse ---
    // What a link or HTML control hit test finds under the mouse.
    struct TAnchorHit {
        std::string Anchor;
        std::string Title;
        std::string ControlID;
        std::string ControlType;
        std::string ControlValue;
        TRect ControlRect{0, 0, 0, 0};
        int LinkIndex = -1;
    };
    // Press steps that end the press when they return true; columns are display columns and
    // RealCol the real column of ACol.
    void PressFramework(TShiftState Shift, int X, int Y, int ACol, int ARow, int LeftCol0,
                        int TopRow0);
    void DirectEditPress(int ACol, int ARow, bool DropDown);
    void PressEditsFixedCell(TMouseButton Button, int ACol, int ARow, int X, int Y);
    void PressSpinButtons(int ACol, int ARow, const TRect& CellR, int X, int Y);
    bool PressOnRadioGroup(int ACol, int ARow, int RealCol, const TRect& CellR, int X, int Y);
    bool PressOnRating(int ACol, int ARow, int RealCol, const TRect& CellR, int X);
    bool PressOnButtonOrExpand(int ACol, int ARow, int RealCol, int X, int Y);
    bool PressOnCheckBox(int ACol, int ARow, int RealCol, bool CanEdit, TShiftState Shift, int X,
                         int Y);
    bool PressOnLink(int ACol, int ARow, int ACol0, int ARow0, int X, int Y);
    void PressOnHeaderNodeGlyph(int ACol, int ARow, int X);
    bool PressOnNodeGlyph(int ACol, int ARow, int X, int Y, TShiftState Shift1);
    void PressFixedCellLook(const TRect& CellR, int ACol, int ARow);
    void HeaderSelectionPress(int ACol, int ARow, TShiftState Shift);
    void DisjunctCellPress(int ACol, int ARow, TShiftState Shift);
    bool DisjunctRowColPress(int ACol, int ARow, TShiftState Shift, const TGridRect& Sel0, int X,
                             int Y);
    bool CellControlEnabled(int RealCol, int ARow);
    bool AnchorAt(int ACol, int ARow, int X, int Y, TAnchorHit& Hit);
    void ClickHTMLControl(int ACol, int ARow, int RealCol, const TAnchorHit& Hit);
    void OpenAnchor(const std::string& Anchor);
    // Release steps.
    void ReleaseFixedCellLook();
    void ReleasePushedButton(int X, int Y);
    void ReleaseCellControls(int ACol, int ARow);
    void ReleaseHeaderClick(int DisplCol, int ARow, int X, int Y, TShiftState Shift);
    // A release on the filter button of a column with values opens that column's list; any
    // other release closes an open one.
    void ReleaseOnFilterButton(int X, int Y);
    void NoteFilterListAtPress();
    void FilterListClosedWithoutChoice();
    void OpenFilterList(int DisplCol, int RealCol);
    void PlaceFilterList(TListBox* List, int DisplCol, int Widest);
    void CloseFilterLists();
    void DisjunctRowColRelease(int ACol, int ARow, bool& RowUnselected);
    bool DisjunctCellRelease(TShiftState Shift, int ACol, int ARow);
    void FrameworkDoubleClick(TShiftState Shift, int X, int Y);
    void AutoSizeOnBorderDoubleClick(int ACol, int ARow, int X, TShiftState Shift, bool& Done);
    // Move steps.
    void TrackHoverFixedCell(int ACol, int ARow);
    void HoverButtons(int ACol, int ARow, int X, int Y);
    void HoverLinks(int ACol, int ARow, int X, int Y, bool& CursorSet);
    void LeaveAnchor(int ACol, int ARow);
    void HeaderDragMove(int ACol, int ARow, int Y, bool& ScrolledUp);
    void SelectBand(const TGridRect& Band);
    void UpdateMouseSelectMode(int ACol, int ARow, int X, int Y, bool ScrolledUp);
    void HandleSetCursor(int X, int Y);
    // Sizing and moving by mouse.
    int FixedBorderAt(int Pos, bool Columns) const;
    void UpdateFixedSizingZone(int ACol, int ARow, int X, int Y);
    void StartFixedSizing(int X, int Y, bool Column);
    void MoveFixedSizingLine(int X, int Y);
    void DrawFixedSizingLine();
    void DrawColSizingLine(int X);
    void DrawRowSizingLine(int Y);
    void DrawSizingLine(TPoint From, TPoint To);
    void FinishFixedSizing(int X, int Y);
    void FireSizingEvents(int X, int Y);
    void ShowSizingHint(int X, int Y);
    void HideSizingHint();
    void FollowMove(int ACol, int ARow, int X, int Y);
    bool FinishMove(int X, int Y);
    // What a column (row) move shows: the picture of what moves, following the mouse, and the
    // arrows at the place it would go.
    void ShowMovePicture(bool Columns, int ACol, int ARow, int X, int Y);
    void PlaceMoveArrows(bool Columns, int ACol, int ARow);
    void HideMovePicture();
    bool FDoOnClick = false;      // the release may fire OnClick
    bool FMouseDownMove = false;  // between a left press and its release
    bool FMouseKeepDown = false;  // ... also for keeping LeftCol while dragging
    bool FSelectionClick = false; // a press on the selection that a move may turn into a drag
    bool FDeselectState = false;  // a Ctrl press on a selected row or column: its release unselects
    bool FClickHeldBack = false;  // the platform's click of this release, not fired yet
    bool FDblClickHeldBack = false; // the platform's double click, not fired yet
    bool FFrameworkPressed = false; // the framework's press ran: its release may click
    bool FDblClk = false; // a double click auto-sized a column: its release only clears this
    bool FFixedCellPushed = false;
    TRect FPushedFixedCell{0, 0, 0, 0};
    bool FDropDownDown = false;
    bool FMovedByDrag = false;      // the release ended a row or column move
    bool FColSizeFlg = false;       // the release ended a framework sizing
    bool FMoveFocusBlocked = false; // a move blocks the focus until its release
    std::string FLastAnchorHint;
    int Clickposx = 0;
    int Clickposy = 0;
    int Clickposdx = 0;
    int Clickposdy = 0;
    int FOldKeepLeftCol = 0;
    int FSizingFixedCol = -1;
    int FSizingFixedRow = -1;
    int FSizeFixedX = 0;
    int FSizeFixedY = 0;
    int Movecell = -1;
    int MoveOfsX = 0;
    int MoveOfsY = 0;
    int FMoveColInd = -1;
    int FMoveRowInd = -1;
    TGridRect FSizeSelection{-1, -1, -1, -1};
    TGridRect FMoveSelection{-1, -1, -1, -1};

    // --- sizing, zoom and scroll bars ---
    // The common form of the row and column numbering.
    void AutoNumberLine(int Fixed, int Count, int Trailing,
                        const std::function<void(int, int)>& Set);
    // The widths of all columns but ACol: what a stretch column leaves to the others.
    int64_t WidthsBesides(int ACol) const;
    // Extra width a cell's buttons need beside its text when the column is fitted.
    int CellButtonsWidth(int ACol, int ARow);
    void ShowScrollHint(const std::string& Prefix, int Index);
    void HideScrollHint();
    void StopDragScrollTimer();
    bool FSizeWithForm = false;
    bool FFollowingForm = false;
    TOnResizeEvent FOnResize; // the form's own handler, chained
    bool ResizeAssigned = false;
    // Alive while the grid is: the form's OnResize checks it before calling into the grid.
    std::shared_ptr<bool> FAliveToken = std::make_shared<bool>(true);
    bool FScrollProportional = false;
    bool FScrollHintShow = false;
    std::string FScrollHintText;
    std::shared_ptr<THTMLHintWindow> FScrollHintWnd;
    TScrollControl* vscrlctrl = nullptr; // owned as a component
    TScrollControl* hscrlctrl = nullptr; // owned as a component
    // --- keyboard, selection, window messages, focus, timer and wheel ---
    bool HandleEnterOrF2(WORD Key, TShiftState Shift, int RealCol);
    bool HandleControlCellKey(WORD Key, int RealCol);
    bool HandleHomeEnd(WORD Key, TShiftState Shift);
    bool HandleMoveScrollOnly(WORD Key);
    bool HandleSkipFixedCells(WORD& Key, TShiftState Shift);
    bool HandleClipboardKeys(WORD Key, TShiftState Shift);
    void InsertRowByKey();
    void DeleteRowByKey();
    void SelectAllByKey();
    void DisjunctFlagsByKey(WORD Key, TShiftState Shift, int SelRow);
    void FireKeyDown(WORD Key, TShiftState Shift);
    void NotifySelectionIfMoved();
    bool NavigateForward();
    bool NavigateBackward();
    bool NavigateVertically(bool Backward);
    bool NavigateAtEnd();
    void TakeNavigatedCell(int ACol, int ARow);
    bool EditorValueAccepted();
    void WrapCursor(WORD Key);
    void SkipDisabledRow(WORD Key, int OldRow);
    void FocusSearchText();
    void MoveRowsByKey(WORD Key, TShiftState Shift);
    bool AdvanceTarget(int& ACol, int& ARow, bool Forward);
    int DataRowCount() const;
    int LastDataRow() const;
    void RowFlagGrow(int ARow);
    int SelectionRowOf(int ARow) const;
    void FlagDisjunctCell(TGridCoord Cell, bool Value);
    void DisjunctCellsByKey(WORD Key, TShiftState Shift, const TGridRect& Before);
    void HoverTick();
    void BlinkTick();
    // The disjunct cell selection in the order the cells were selected; full integers, so
    // rows and columns of any size keep their number.
    std::vector<TGridCoord> FDisjunctCells;
    // The cells copied at the start of a selection resize, row by row.
    std::vector<std::vector<std::string>> FResizeCopy;
    TGridRect FDropSelection{};
    bool FMouseResize = false;
    // The last mouse position over the grid, for hovering.
    TPoint FHoverPos{-1, -1};
    bool FMouseInside = false;
    TPoint wheelpanpos{0, 0};
    bool FPanHintWas = false;
    std::unique_ptr<TBitmap> FPanGlyph;
    void DrawIntelliPanGlyph();
    void StartIntelliPan(TPoint Pos);
    void StopIntelliPan();
    void IntelliPanStep();

    // --- cell hints and balloons ---------------------------------------------------------------
public:
    bool HintShowCells = false;     // a normal cell's text is its hint
    bool HintShowLargeText = false; // a text larger than its cell shows whole in the hint
    bool HTMLHint = false;          // cell texts keep their mini-HTML in the hint
    // Before a cell's balloon shows: the real column, the row, and the title, text and icon.
    TGridBalloonEvent OnCellBalloon;

    // A title and text for the cell's balloon: an empty cell gets a balloon graphic, a check box
    // or radio button keeps its kind and carries them; any other graphic is left alone.
    void AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text,
                    TBalloonIcon Icon);
    void RemoveBalloon(int ACol, int ARow);
    // True for a balloon graphic or a check box or radio button carrying one; then the title,
    // text and icon are given back, otherwise they are left untouched.
    bool IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon);
    // The balloon tip window while balloons are on, else nullptr.
    TBalloonWindow* BalloonWindow() const { return FBalloonWindow; }
    // The display column and row of the last cell a hint or balloon was asked for.
    TPoint LastHintCell() const { return FLastHintCell; }
    TPoint LastBalloonCell() const { return FLastBalloonCell; }

    // What the hint for the mouse at Info.CursorPos shows and where (the hint-show message).
    void BuildCellHint(THintInfo& Info);
    // The balloon's text for the mouse at ScreenPoint; readies the title and icon too.
    std::string BalloonTextAt(TPoint ScreenPoint);

private:
    void HandleHintShow(TMessage& Message);
    // Takes the shown hint away and lets the mouse resting at ClientPos ask for a fresh one, so
    // that another anchor of the same cell shows its own hint.
    void CancelCellHint(TPoint ClientPos);
    // A cell's text as its hint shows it: packed wide text unpacked, mini-HTML stripped unless
    // HTMLHint is set.
    std::string CellHintText(int RealCol, int ARow) const;
    THintMonitor* FHintMonitor = nullptr;     // owned as a component
    TBalloonWindow* FBalloonWindow = nullptr; // owned as a component of the grid
    std::unique_ptr<THTMLHintData> FHintData;
    TPoint FLastHintCell{-1, -1};
    TPoint FLastBalloonCell{-1, -1};

    // --- printing and print preview (ExGridPrint*.cpp) ----------------------------------------
    // Page geometry is in 0.1 mm with y pointing up: positions below the page top are negative.
public:
    enum TPrintPagesMode { ppmDrawPreview, ppmPrint, ppmCountPrint, ppmCountPreview };
    using TPrintStartEvent =
        std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)>;
    using TPrintPageEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int PageNr,
                                               int PageXSize, int PageYSize)>;
    using TPrintNewPageEvent = std::function<void(TObject* Sender, int ARow, bool& NewPage)>;
    using TPrintPageDoneEvent =
        std::function<void(TObject* Sender, TCanvas* Canvas, int LastRow, int LastRowOffset,
                           int LastPage, int PageXSize, int PageYSize)>;
    using TPrintCancelEvent = std::function<void(TObject* Sender, int PageNr, bool& Cancel)>;
    using TPrintSizeEvent = std::function<void(TObject* Sender, int Index, int& Size)>;
    using TFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;

    // On the application's printer (a PDF file when its OutputFileName is set).
    void Print();
    void PrintSelection();
    void PrintRect(const TGridRect& Gridrect);
    void PrintSelectedRows();
    void PrintSelectedCols();
    // The pages of the print range into any canvas, the page being Displayrect (its pixels).
    void PrintPreview(TCanvas* Canvas, const TRect& Displayrect);
    void PrintPreviewRect(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Gridrect);
    void PrintPreviewSelection(TCanvas* Canvas, const TRect& Displayrect);
    void PrintPreviewSelectedRows(TCanvas* Canvas, const TRect& Displayrect);
    void PrintPreviewSelectedCols(TCanvas* Canvas, const TRect& Displayrect);
    // Page 1 into any canvas, without the print start events.
    void PrintDraw(TCanvas* Canvas, const TRect& DrawRect);
    void PrintDrawRect(TCanvas* Canvas, const TRect& DrawRect, const TGridRect& Gridrect);
    int MapFontHeight(int PointSize) const;
    int MapFontSize(int Height) const;
    // After a pass; ROvoVariRodev "Columns is not in valid range" outside the layout arrays.
    int GetPrintColWidth(int ACol) const;
    int GetPrintColOffset(int ACol) const;
    int PreviewPage() const { return FPreviewPage; }
    void SetPreviewPage(int Value);
    int PrintNrOfPages() const { return FPrintPageNum; }
    TRect PrintPageRect() const;
    int PrintPageWidth() const;
    int PrintColStart() const;
    int PrintColEnd() const;
    int PrintPages(TCanvas* Canvas, TPrintPagesMode Mode, int PageCount, bool SelectedOnly);
    TPoint PrintCellSize(int ACol, int ARow);
    bool IsRowPrinted(int ARow);
    bool IsColumnPrinted(int ACol);
    std::string PageNumberText();
    int MaxLinesInRow(int ARow);
    int MaxColumnTextLength(int ACol);
    void PlaceRotatedText(TRect& Rect, int Angle, const std::string& Text, TAlignment HA,
                          TVAlignment VA);
    static void RotatedTextOrigin(TRect& Rect, TAlignment HA, TVAlignment VA, int Angle, int D,
                                  int C, int B, int A);
    static std::string JoinWithBlank(const std::string& A, const std::string& B);
    // Skips the page-count pass; a preview then lays out only up to its page.
    bool FastPrint = false;
    TPrintStartEvent OnPrintStart;
    TPrintPageEvent OnPrintPage;
    TPrintNewPageEvent OnPrintNewPage;
    TPrintPageDoneEvent OnPrintPageDone;
    TPrintCancelEvent OnPrintCancel;
    TPrintSizeEvent OnPrintSetColumnWidth;
    TPrintSizeEvent OnPrintSetRowHeight;
    TFitToPageEvent OnFitToPage;

protected:
    void RunPrint(const TGridRect& Gridrect, bool SelectedOnly);
    void RunPrintPreview(TCanvas* Canvas, const TRect& Displayrect, bool SelectedOnly,
                         const TGridRect& Gridrect);
    int PrintPageCells(int Y, int FromCol, int ToCol, int ARow);
    int PrintHeaderFooter();
    // True while the cell drawer draws for paper: print colours, no selection, focus or hover.
    bool PrintingCells() const { return FPrintingCells; }
    double PrintFontScale() const { return FPrintFontScale; }
    // The font at the pass's fit-to-page scale.
    void ScalePrintFont(TFont* AFont) const;
    // A cell's font sized as the cell is shown: at the print scale on paper, grown by the zoom
    // on screen.
    void SizeCellFont(TFont* AFont) const;

private:
    struct TPrintPass; // the state of one print or preview pass (PrintPass.h)
    std::unique_ptr<TPrintPass> FPrintPass;
    bool FPrintingCells = false;
    double FPrintFontScale = 1.0;
    void PrintColumnWidths();
    void PrintFitToPage();
    int PrintStrip(int FirstCol);
    int PrintRowHeight(int ARow);
    int PrintRowAdvance(int ARow);
    int PrintRowAcross(int Y, int ARow, bool ClipToBody);
    void PrintPageBorders(int FirstCol, int LastCol, int Y);
    void PrintNextPage(int PageIndex);
    void ComputeHeaderFooterHeights();
    bool PrintTitleIsHtml();
    // Whether the pass's current page is one of the print range's (0-based index + 1).
    bool PrintPageInRange() const;
    int PrintHtmlTitleHeight();
    void PrintCellContent(int DisplCol, int ARow, const TRect& Paper);
    void PrintCellBorders(int RealCol, int ARow, const TRect& Paper, int Advance);
    // --- HTML, XML and ASCII exchange; clipboard and drag and drop ---
    friend class TGridDropTarget;
    friend struct TXMLRecordReader;
    void WriteASCII(const std::string& FileName, bool Append, bool Unicode);
    void WriteHTMLFile(const std::string& FileName, bool Append, bool Unicode, bool Show);
    std::string MakeHTMLAnchors(const std::string& Text) const;
    std::string CellStyleToCSS(TFont* AFont, TBrush* ABrush, TAlignment HA, TVAlignment VA);
    std::string HTMLCellContent(int RealCol, int ARow, const std::string& Text,
                                const std::string& dir, int& ImageNumber);
    std::string ExportCellImage(TCellGraphic* Graphic, int Number, const std::string& dir);
    void CopyRange(const TGridRect& Rect, bool SelectedOnly);
    void CopyCellRTF(int ACol, int ARow);
    void CopyCellsBinary(const TGridRect& Rect);
    void AlignSelectionToMerged();
    int PasteRange(int ACol, int ARow, int& RowsOut, int& ColsOut);
    int PasteTextCounting(int ACol, int ARow, const std::string& Text, int& RowsOut, int& ColsOut);
    void SmartPaste(int Pasted, int RowsOut, int ColsOut);
    bool SeriesFill(const TGridRect& Sel, int Pasted);
    void RepeatBlock(const TGridRect& Sel, int RowsOut, int ColsOut);
    bool PasteTargetEditable(int ACol, int ARow);
    // The binary cell stream of the grid stream feature, kept behind these three so the
    // clipboard and drops need nothing else of it.
    std::optional<std::string> CellStreamOfRange(const TGridRect& Rect);
    bool CellStreamSize(const std::string& Stream, int& Cols, int& Rows, intptr_t& ID);
    void LoadCellStreamAt(int ACol, int ARow, const std::string& Stream);
    intptr_t CellStreamID() const;
    // Drag and drop.
    void DropTargetCell(TPoint pt, bool ColumnDrag, int& ACol, int& ARow, bool& Append);
    TClipOperation FClipLastOp = coCopy;
    bool FPasteAll = false;
    int FOleDragIndex = -1;
    TListBox* FOleDragList = nullptr;
    std::shared_ptr<TGridDropTarget> FGridDropTarget;
    bool FOleDropTargetAssigned = false;

    // --- dragging cells out of the grid (ExGridDragSource.cpp, ExGridDragImage.cpp) ----------
public:
    // The drag image of a cell range: a borderless, see-through top-most form owned by the
    // grid showing the cells as painted.
    TForm* SelectionToForm(const TGridRect& ARect);
    // The drag image while a drag with DragDropSettings.ShowCells runs.
    TForm* DragImageForm() const { return MoveForm; }
    // The header picture of a column drag without ShowCells (nullptr until first used).
    TCustomControl* HeaderDragButton() const;
    // The arrows that show where a drop would go (nullptr until first shown).
    TArrowWindow* DropArrow(TArrowDirection Direction) const;
    // OnOleDrag may refuse a drag before it starts; OnOleDragStop tells the effect of a drag
    // that was not cancelled (1 copy, 2 move).
    using TOleDragStartEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
    using TOleDragStopEvent = std::function<void(TObject* Sender, int OLEEffect)>;
    TOleDropEvent OnOleDrag;
    TOleDragStartEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;

private:
    friend class TGridDropSource;
    // A press on the selection that a move may turn into a drag; true when it was one.
    bool PressDragCandidate(int ACol, int ARow, int RealCol, const TRect& CellR, TShiftState Shift1,
                            int X, int Y);
    // A move far enough from such a press starts the drag; true when a drag ran.
    bool StartOleDrag(int ACol, int ARow, int X, int Y);
    // A release of such a press without a drag selects the cell; true when the release ends.
    bool ReleaseDragCandidate(TShiftState Shift, int ACol, int ARow, int X, int Y);
    void RunCellDrag(TGridDropSource& Source, int ACol, int ARow);
    void RunColumnDrag(TGridDropSource& Source, int RealCol, TPoint Screen);
    // After a move: the dragged cells or rows go, except where the drag dropped them again.
    void RemoveMovedCells();
    std::string ExportCellImage(const TBitmap* Picture, int Number, const std::string& dir);
    // Drop feedback of the drop target.
    void ShowDropArrows(bool ColumnDrag, int ACol, int ARow, bool Append);
    void HideDropArrows();
    void DragScrollForDrop(TPoint Client, int ACol, int ARow);
    TArrowWindow* EnsureDropArrow(TArrowWindow*& Arrow, TArrowDirection Direction);
    // A drop of this grid's own drag: where it landed, so a move keeps the dropped cells.
    void NoteOwnDrop(const TGridRect& Dropped);

    TForm* MoveForm = nullptr;
    THeaderDragButton* MoveButton = nullptr;
    TArrowWindow* ArwU = nullptr;
    TArrowWindow* ArwD = nullptr;
    TArrowWindow* ArwL = nullptr;
    TArrowWindow* ArwR = nullptr;
    bool FOleDragging = false;
    bool FOwnDropDone = false;
    TGridRect FOwnDropRect{};
};

// Unit-wide state of the string grid: the registered identifiers every grid uses.
extern int GridUnitInitCount;
extern UINT GridEditDoneMessage;
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
