#pragma once

#include "grid/dropdown/ExColumnListDropDown.h"
#include "grid/dropdown/ExCustomGridDropDownItems.h"
#include "grid/foundation/GridEvents.h"
#include "grid/stringgrid/ExGrid.h"

#include <memory>
#include <string>

class TBands;
class TMouseActions;
class TNavigation;
class TSearchFooter;
class TStringList;

namespace GridDropDown {

class TExColGrid;

enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
enum TDropDownStyle { dsDropDown, dsDropDownList };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

// A drop-down edit whose popup holds a whole string grid. With UseItems the grid shows the
// items, copied into it at every opening; without, it shows what the program put into the grid
// (GetGrid). LookupColumn gives the edit its text. Typed text finds a row by prefix (lmLookup)
// or narrows the grid's rows to those containing it (lmNarrowDown). The grid's events are
// re-published as OnGrid... events, raised with the grid's arguments unchanged.
//
// Split by feature: ExCustomGridDropDown.cpp (construction, properties, opening and closing),
// ExCustomGridDropDownKeys.cpp (row search, completion, keys), ExCustomGridDropDownEvents.cpp
// (the re-published events).
class TCustomExGridDropDown : public TExColumnListDropDown {
public:
    explicit TCustomExGridDropDown(TComponent* AOwner);
    ~TCustomExGridDropDown() override;

    // The grid in the popup; none in design mode.
    TExColGrid* GetGrid() const { return FExColGrid; }
    // The first row (UseItems: item) whose LookupColumn text starts with Text; case-blind
    // unless CaseSensitive. Found is that text as stored. An empty Text finds nothing.
    bool FindLookupRow(const std::string& Text, std::string& Found, int& Row) const;
    void BeginUpdate() {}
    // Rebuilds the completion list from the items.
    void EndUpdate() { UpdateLookupItems(); }
    void Loaded();

    int GetItemCount() const;
    int RowCount() const override { return GetItemCount(); }

    std::string Version() const { return "6.0.1.1"; }
    int GetVersionNr() const override { return 0x06000101; }

    // Properties.
    void SetItemIndex(int Value) override;
    // A text the program writes is taken as it is, never completed to an item's.
    void SetText(const std::string& Value) override;
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    void SetSearchFooter(const TSearchFooter& Value);
    TBands* Bands() const { return FBands.get(); }
    void SetBands(const TBands& Value);
    TNavigation* Navigation() const { return FNavigation.get(); }
    void SetNavigation(const TNavigation& Value);
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    void SetMouseActions(const TMouseActions& Value);
    TImageList* GridImages() const { return FGridImages; }
    // Reaches the grid at once.
    void SetGridImages(TImageList* Value);
    TDropDownStyle Style() const { return FStyle; }
    // dsDropDownList: the text only comes from the grid.
    void SetStyle(TDropDownStyle Value);

    bool AutoShowDropDown() const { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool Value) { FAutoShowDropDown = Value; }
    bool AutoSizeColumns() const { return FAutoSizeColumns; }
    void SetAutoSizeColumns(bool Value) { FAutoSizeColumns = Value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    // Below 1 is refused: the popup height is rounded to whole rows of this height.
    void SetDropDownRowHeight(int Value);
    bool ColumnMoving() const { return FColumnMoving; }
    void SetColumnMoving(bool Value) { FColumnMoving = Value; }
    bool RowSizing() const { return FRowSizing; }
    void SetRowSizing(bool Value) { FRowSizing = Value; }
    bool RowMoving() const { return FRowMoving; }
    void SetRowMoving(bool Value) { FRowMoving = Value; }
    bool GridEditable() const { return FGridEditable; }
    void SetGridEditable(bool Value) { FGridEditable = Value; }
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    TLookupMethod LookupMethod() const { return FLookupMethod; }
    void SetLookupMethod(TLookupMethod Value) { FLookupMethod = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    TGridSorting Sorting() const { return FSorting; }
    void SetSorting(TGridSorting Value) { FSorting = Value; }
    bool UseItems() const { return FUseItems; }
    void SetUseItems(bool Value) { FUseItems = Value; }
    // The characters typed so far for the row search.
    const std::string& LookupEntry() const { return FLookupEntry; }

    TNotifyEvent OnSelect;

    // The grid's events, raised with the grid's arguments unchanged and in order.
    TAnchorClickEvent OnGridAnchorClick;
    TAnchorEvent OnGridAnchorEnter;
    TAnchorEvent OnGridAnchorExit;
    TAnchorHintEvent OnGridAnchorHint;
    TCanSortEvent OnGridCanSort;
    TClickSortEvent OnGridClickSort;
    TCustomCompareEvent OnGridCustomCompare;
    TRawCompareEvent OnGridRawCompare;
    TCustomCellDrawEvent OnGridCustomCellDraw;
    TCustomCellDrawEvent OnGridCustomCellBkgDraw;
    TGridAlignEvent OnGridGetAlignment;
    TGridColorEvent OnGridGetCellColor;
    TGridGradientEvent OnGridGetCellGradient;
    TGetDisplTextEvent OnGridGetDiplText;
    TFloatFormatEvent OnGridGetFloatFormat;
    TGridFormatEvent OnGridGetFormat;
    TGridHintEvent OnGridHint;
    TClickCellEvent OnGridRightClickCell;
    TScrollHintEvent OnGridScrollHint;
    TMouseMoveEvent OnGridMouseMove;
    TMouseEvent OnGridMouseDown;
    TMouseEvent OnGridMouseUp;
    TKeyEvent OnGridKeyDown;
    TKeyEvent OnGridKeyUp;
    TKeyPressEvent OnGridKeyPress;
    TButtonClickEvent OnGridButtonClick;
    TCheckBoxClickEvent OnGridCheckBoxClick;
    TColumnSizeEvent OnGridColumnSize;
    TColumnSizingEvent OnGridColumnSizing;
    TEndColumnSizeEvent OnGridEndColumnSize;
    TRowSizeEvent OnGridRowSize;
    TRowSizingEvent OnGridRowSizing;
    TEndRowSizeEvent OnGridEndRowSize;
    TGetEditorTypeEvent OnGridGetEditorType;
    TClickCellEvent OnGridGetEditorProp;
    TCanEditCellEvent OnGridCanEditCell;
    TEllipsClickEvent OnGridEllipsClick;
    TGridBalloonEvent OnGridCellBalloon;
    TAutoInsertColEvent OnGridInsertCol;
    TAutoInsertRowEvent OnGridInsertRow;
    TAutoDeleteRowEvent OnGridDeleteRow;
    TAutoAddRowEvent OnGridAutoAddRow;
    TCanAddRowEvent OnGridCanAddRow;
    TCanDeleteRowEvent OnGridCanDeleteRow;
    TCanInsertRowEvent OnGridCanInsertRow;
    TExStringGrid::TCanMoveEvent OnGridColumnMove;
    TMovedEvent OnGridColumnMoved;
    TExStringGrid::TCanMoveEvent OnGridColumnMoving;
    TExStringGrid::TCanMoveEvent OnGridRowMove;
    TExStringGrid::TCanMoveEvent OnGridRowMoving;
    TMovedEvent OnGridRowMoved;
    TNotifyEvent OnGridTopLeftChanged;
    TSearchEditChangeEvent OnGridSearchEditChange;
    TSpinClickEvent OnGridSpinClick;

    void WndProc(TMessage& Message) override;

protected:
    virtual std::unique_ptr<TDropDownItems> CreateItems(TComponent* AOwner);

    // The dispatchers of the re-published events: each raises its event, when assigned, with
    // the arguments as the grid passed them.
    virtual void DoGridAnchorClick(TObject* Sender, int ARow, int ACol, const std::string& Anchor,
                                   bool& AutoHandle);
    virtual void DoGridAnchorEnter(TObject* Sender, int ARow, int ACol, const std::string& Anchor);
    virtual void DoGridAnchorExit(TObject* Sender, int ARow, int ACol, const std::string& Anchor);
    virtual void DoGridAnchorHint(TObject* Sender, int ARow, int ACol, std::string& Anchor);
    virtual void DoGridButtonClick(TObject* Sender, int ACol, int ARow);
    virtual void DoGridCanSort(TObject* Sender, int ACol, bool& DoSort);
    virtual void DoGridClickSort(TObject* Sender, int ACol);
    virtual void DoGridCustomCompare(TObject* Sender, const std::string& str1,
                                     const std::string& str2, int& Res);
    virtual void DoGridRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res);
    virtual void DoGridColumnSize(TObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnSizing(TObject* Sender, int ACol, int ColumnSize);
    virtual void DoGridEndColumnSize(TObject* Sender, int ACol);
    virtual void DoGridRowSize(TObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowSizing(TObject* Sender, int ARow, int RowSize);
    virtual void DoGridEndRowSize(TObject* Sender, int ARow);
    virtual void DoGridRowMove(TObject* Sender, int AIndex, bool& Allow);
    virtual void DoGridRowMoving(TObject* Sender, int AIndex, bool& Allow);
    virtual void DoGridRowMoved(TObject* Sender, int FromIndex, int ToIndex);
    virtual void DoGridColumnMove(TObject* Sender, int AIndex, bool& Allow);
    virtual void DoGridColumnMoving(TObject* Sender, int AIndex, bool& Allow);
    virtual void DoGridColumnMoved(TObject* Sender, int FromIndex, int ToIndex);
    virtual void DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                      TGridDrawState AState, const TRect& ARect, bool Printing);
    virtual void DoGridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                         TGridDrawState AState, const TRect& ARect, bool Printing);
    virtual void DoGridCellBalloon(TObject* Sender, int ACol, int ARow, std::string& ATitle,
                                   std::string& AText, int& AIcon);
    virtual void DoGridGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign,
                                    TVAlignment& VAlign);
    virtual void DoGridGetCellColor(TObject* Sender, int ARow, int ACol, TGridDrawState AState,
                                    TBrush* ABrush, TFont* AFont);
    virtual void DoGridGetCellGradient(TObject* Sender, int ARow, int ACol, TColor& Color,
                                       TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo,
                                       TCellGradientDirection& GD);
    virtual void DoGridGetFloatFormat(TObject* Sender, int ACol, int ARow, bool& IsFloat,
                                      std::string& FloatFormat);
    virtual void DoGridGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    virtual void DoGridGetEditorProp(TObject* Sender, int ARow, int ACol);
    virtual void DoGridCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit);
    virtual void DoGridEllipsClick(TObject* Sender, int ACol, int ARow, std::string& S);
    virtual void DoGridGetDisplText(TObject* Sender, int ACol, int ARow, std::string& Value);
    virtual void DoGridGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle,
                                 std::string& aPrefix, std::string& aSuffix);
    virtual void DoGridHint(TObject* Sender, int ARow, int ACol, std::string& hintstr);
    virtual void DoGridMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    virtual void DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                                 int Y);
    virtual void DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                               int Y);
    virtual void DoGridKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    virtual void DoGridKeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
    virtual void DoGridKeyPress(TObject* Sender, TChar& Key);
    virtual void DoGridRightClickCell(TObject* Sender, int ARow, int ACol);
    virtual void DoGridScrollHint(TObject* Sender, int ARow, std::string& hintstr);
    virtual void DoGridTopLeftChanged(TObject* Sender);
    virtual void DoGridSearchEditChange(TObject* Sender, const std::string& Value,
                                        bool& DefaultSearch);
    virtual void DoGridSpinClick(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown);
    virtual void DoGridAutoAddRow(TObject* Sender, int ARow);
    virtual void DoGridInsertRow(TObject* Sender, int ARow);
    virtual void DoGridInsertCol(TObject* Sender, int ACol);
    virtual void DoGridDeleteRow(TObject* Sender, int ARow);
    virtual void DoGridCanAddRow(TObject* Sender, bool& CanAdd);
    virtual void DoGridCanInsertRow(TObject* Sender, int ARow, bool& CanInsert);
    virtual void DoGridCanDeleteRow(TObject* Sender, int ARow, bool& CanDelete);
    void DoGridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);

    // Overrides of the drop-down base.
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void DoDropDown() override;
    void PlaceDropDownControl() override;
    void SizeDropDownForm() override;
    void DoHideDropDown(bool Cancelled) override;
    void ControlKeyDown(WORD& Key, TShiftState Shift) override;
    void ControlKeyUp(WORD& Key, TShiftState Shift) override;
    void ControlKeyPress(TChar& Key) override;
    void HandleKeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void Change() override;
    void DoEnter() override;
    void Notification(TComponent* component, bool removing) override;

private:
    friend class TExColGrid;

    // The grid row that holds Item; ItemIndex when no row does.
    int RowOfItem(int Item) const;
    int ItemOfRow(int Row) const;
    // The text stored in exactly this cell of the grid.
    std::string GridCell(int ACol, int ARow) const;
    void UpdateLookupItems();
    void SizeColumnsToDropDown() override;
    void BindGridEvents();
    // The row search of a character typed into the edit or the grid; the row or item found,
    // -1 for none.
    int LookupKey(TChar Key);
    void CompleteTypedText();
    void SelectTail(int From);
    // Keys that move in the grid: PageUp, PageDown, End, Home, Up and Down.
    static bool IsGridMoveKey(WORD Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }
    // The grid's cells can be edited (goEditing).
    bool GridEditing() const;
    void HandleEditKeyDownMessage(TMessage& Message);
    void HandleEditCharMessage(TMessage& Message);
    void GridSelectCell(int ACol, int ARow);
    void GridSelect();
    void GridCanSort();
    void GridClickSort();
    // Runs a handler with the popup kept open against a loss of activation.
    template <class THandler, class... TArgs>
    void RaiseBlockingActivate(THandler& Handler, TArgs&&... Args);

    bool FDesignTime = false;
    bool FBalloonInit = false;
    bool FColumnMoving = false;
    TLookupMethod FLookupMethod = lmLookup;
    bool FUseItems = true;
    TExColGrid* FExColGrid = nullptr; // owned as a component
    int FSelRow = 0;
    bool workmode = true;
    bool FRowSelect = true;
    std::unique_ptr<TStringList> FLookupItems;
    bool FItemChange = false;
    int FItemIdx = 0;
    int FItemSel = 0;
    bool FCompleting = false;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TMouseActions> FMouseActions;
    int FOldItemIndex = -1;
    int FDropDownRowHeight = 22;
    int FTempItemIndex = 0;
    TDropDownStyle FStyle = dsDropDown;
    std::string FLookupEntry;
    bool FHoverRow = false;
    TColor FHoverRowColor = 0xFF000018;
    TColor FHoverRowColorTo = clNone;
    TGridSorting FSorting = gsNone;
    bool FGridEditable = false;
    TImageList* FGridImages = nullptr;
    bool FRowMoving = false;
    bool FRowSizing = false;
    bool FAutoShowDropDown = false;
    bool FAutoSizeColumns = true;
};

} // namespace GridDropDown
