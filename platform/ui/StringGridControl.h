#pragma once

#include "platform/ui/BiDiMode.h"
#include "platform/ui/Control.h"
#include "platform/ui/StringGridControlAxis.h"
#include "platform/ui/StringGridControlCells.h"
#include "platform/ui/StringGridControlTypes.h"

#include <functional>
#include <memory>
#include <string>

class TInplaceEdit;
class TCanvas;
class TGridScrollBars;

// The framework's string grid: a custom-drawn table of text cells with an object slot each,
// fixed rows and columns, column widths and row heights, a current cell, a selection,
// scrolling and an in-place editor. Descendants shape it through the virtual hooks below.
//
// Cells are kept apart from the row and column counts (cells past ColCount keep their text),
// sizes are kept as running offsets, and a paint walks only the cells in the damaged area, so
// the cost of painting and hit-testing follows the visible cells, not the row count.
class TStringGrid : public TCustomControl {
public:
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    // Cells. Text empty and object nullptr for cells never written, also past the counts; a
    // write repaints the cell when it is on screen, and costs nothing more when it is not.
    std::string Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, std::string_view Value);
    // The stored text without a copy, for readers of many cells; valid until a cell changes.
    std::string_view CellTextView(int ACol, int ARow) const { return FCells.Text(ACol, ARow); }
    TObject* Objects(int ACol, int ARow) const {
        return static_cast<TObject*>(FCells.Object(ACol, ARow));
    }
    void SetObjects(int ACol, int ARow, TObject* Value);

    // Held by a bulk load while it writes: the rows of [First, First + Count) it creates come
    // from one block faulted in at once instead of one allocation each (see
    // TGridCellStore::ReserveRows), and the room they leave goes back when it ends. Nothing is
    // reserved for a sparse load, whose rows would mostly stay narrow: every stored cell takes
    // at least one byte of the `SourceBytes` read.
    class TRowReservation {
    public:
        TRowReservation(TStringGrid& Grid, int First, int Count, int Width, std::size_t SourceBytes)
            : FCells(Grid.FCells) {
            if (Count > 0 && Width > 0 &&
                std::size_t(Count) * std::size_t(Width) <= SourceBytes + std::size_t(Count))
                FCells.ReserveRows(First, Count, Width);
        }
        ~TRowReservation() { FCells.ReleaseReservedRows(); }
        TRowReservation(const TRowReservation&) = delete;
        TRowReservation& operator=(const TRowReservation&) = delete;

    private:
        TGridCellStore& FCells;
    };

    // Counts: at least 1; fixed counts are kept below them. Fewer rows drop the cells of the
    // rows past the count; fewer columns keep them (hidden columns live past the count).
    int ColCount() const { return FCols.Count(); }
    void SetColCount(int Value);
    int RowCount() const { return FRows.Count(); }
    void SetRowCount(int Value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int Value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int Value);

    int ColWidths(int ACol) const { return FCols.Size(ACol); }
    void SetColWidths(int ACol, int Value);
    int RowHeights(int ARow) const { return FRows.Size(ARow); }
    void SetRowHeights(int ARow, int Value);
    // Writing a default size gives every column (row) that size.
    int DefaultColWidth() const { return FCols.DefaultSize(); }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return FRows.DefaultSize(); }
    void SetDefaultRowHeight(int Value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    // Sum of the widths of the columns before ACol (heights of the rows before ARow), lines
    // excluded.
    int64_t ColsOffset(int ACol) const { return FCols.Offset(ACol); }
    int64_t RowsOffset(int ARow) const { return FRows.Offset(ARow); }
    // Sums over all columns / rows, grid lines included.
    int GridWidth() const;
    int GridHeight() const;

    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    // A bar kept on shows whatever the contents need, disabled while everything fits (bar
    // SB_HORZ or SB_VERT). Only bars that ScrollBars allows ever show.
    void SetScrollBarKeptOn(int Bar, bool Value);
    bool ScrollBarKeptOn(int Bar) const { return FBarKeptOn[Bar == SB_VERT]; }
    // Scroll information a descendant gives a bar, for a thumb proportional to the view: the
    // thumb then runs over the positions 0 .. Max - Page + 1, mapped linearly onto the
    // scrollable columns (rows). Max <= 0 gives the bar back its own range of one position per
    // column (row).
    void SetScrollInfo(int Bar, int Max, int Page);
    bool HasScrollInfo(int Bar) const { return FScrollInfo[Bar == SB_VERT].Max > 0; }
    // The bar's range, page and thumb position as they stand (Max and Page as given, for a bar
    // given its scroll information).
    void GetScrollInfo(int Bar, int& Max, int& Page, int& Position) const;
    // The first column (row) a thumb position stands for.
    int ScrollPositionToIndex(int Bar, int Position) const;
    // The thumb position a scroll message carries: the bars' own messages keep every bit of it,
    // messages from elsewhere its 16 in the high word.
    int ScrollMessagePos(int Bar, WPARAM WParam) const;

    // The current cell. Writes move it (when CanSelectCell agrees), collapse the selection
    // onto it and scroll it into view; an index outside the grid throws Exception.
    int Col() const { return FCurrent.X; }
    void SetCol(int Value);
    int Row() const { return FCurrent.Y; }
    void SetRow(int Value);
    // Moves the current cell; with MoveAnchor false and goRangeSelect the selection grows.
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& Value);
    // A hidden selection keeps its cells but paints none of them as selected.
    bool SelectionShown() const { return FSelectionShown; }
    void SetSelectionShown(bool Value);

    // The first scrollable column and row on show, kept within their possible range.
    int LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int Value);
    int TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int Value);
    // Scrollable columns / rows fully on show (at least 1 while there are any).
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // Client rectangle of a cell on show (lines excluded); empty for a cell out of view.
    TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; -1 for each coordinate outside the cells.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;

    // The in-place editor; created on first use through CreateEditor.
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool Value);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
    void ShowEditor();
    void HideEditor();
    // Opens the editor as typing Ch into the cell would: a character replaces the text,
    // Backspace empties it.
    void ShowEditorChar(TChar Ch);

    // Structural changes that carry cells, objects and sizes along.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // Row First + k takes the former row Order[k] with its cells, objects and height; Order is
    // a permutation of [First, First + Order.size()) within RowCount. Unlike MoveRow no
    // RowMoved notice is sent: the caller knows the whole reordering.
    void PermuteRows(int First, const std::vector<int>& Order);
    void DeleteColumn(int ACol);
    void DeleteRow(int ARow);

    // Writes to cells out of view make up most of a fill: they stop at this test.
    void InvalidateCell(int ACol, int ARow) {
        if (MayBeOnShow(ACol, ARow))
            InvalidateCellOnShow(ACol, ARow);
    }
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGrid() { Invalidate(); }
    TGridState GridState() const { return FGridState; }
    // With bdRightToLeft the grid is laid out from the right: column 0 and the fixed columns at
    // the right, the vertical scroll bar at the left, the mouse and the Left and Right keys
    // mirrored with it (see platform/ui/BiDiMode.h). The other right-to-left modes change the
    // reading order only.
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
    bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }

    // Every cell with an object, wherever it lies (also past the counts).
    void ForEachObject(const std::function<void(int ACol, int ARow, TObject* Object)>& visit) const;

    // Paints the cells that meet `area` (client coordinates) onto the grid's canvas.
    void PaintArea(const TRect& area);

    TSelectCellEvent OnSelectCell;
    TDrawCellEvent OnDrawCell;
    TNotifyEvent OnTopLeftChanged;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;

    int ClientWidth() const override;
    int ClientHeight() const override;
    void WndProc(TMessage& Message) override;

protected:
    friend class TInplaceEdit;

    // Hooks of the framework's grid.
    // Draws one cell; the base version draws its text (with DefaultDrawing) and fires
    // OnDrawCell. The canvas has the brush and font of the cell's state.
    virtual void DrawGridCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Asked before the current cell moves; the base version asks OnSelectCell.
    virtual bool CanSelectCell(int ACol, int ARow);
    virtual bool CanEditShow();
    virtual std::string GetEditorText(int ACol, int ARow);
    virtual void SetEditorText(int ACol, int ARow, const std::string& Value);
    virtual TInplaceEdit* CreateEditor();
    // Where the in-place editor lies over a cell; descendants widen it over merged areas.
    virtual TRect EditorRect(int ACol, int ARow) const;
    // Keyboard navigation: arrows, Home/End, PageUp/PageDown, Tab, Enter and F2 for the editor.
    virtual void HandleKeyDown(WORD& Key, TShiftState Shift);
    virtual void HandleKeyPress(TChar& Key);
    // After the key-up event; the base version does nothing.
    virtual void HandleKeyUp(WORD& Key, TShiftState Shift) {}
    // The wheel moves the current row; true when handled.
    virtual bool HandleWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool HandleWheelUp(TShiftState Shift, TPoint MousePos);
    // After LeftCol or TopRow changed; the base version fires OnTopLeftChanged.
    virtual void HandleTopLeftChange();
    virtual void HandleScaleChange(int M, int D) {}
    virtual void SizeChanged(int OldColCount, int OldRowCount) {}
    // Called before the cells of a range (rows past a smaller row count, a deleted column) are
    // dropped with their object slots; objects are the caller's, so the base version leaves
    // them alone.
    virtual void DroppingCells(const TGridRect& Range) {}
    virtual void ColWidthsChanged() {}
    // After BiDiMode changed; the base version does nothing.
    virtual void BiDiModeChanged() {}
    virtual void RowHeightsChanged() {}
    // WM_SIZE, WM_HSCROLL, WM_VSCROLL; the base versions are the framework grid's own steps.
    virtual void HandleSize(TMessage& Message);
    virtual void HandleHorzScroll(TMessage& Message);
    virtual void HandleVertScroll(TMessage& Message);
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    // The sizing state a press at (X, Y) would start: gsColSizing or gsRowSizing with the
    // column (row), the press position and its distance from the border; gsNormal otherwise.
    virtual void HandleSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                   int& SizingOfs);
    // Longest text the in-place editor takes; 0 for no limit.
    virtual int CellEditLimit() { return 0; }
    // Edit mask of a cell; the editor of this platform takes no masks, descendants may check
    // typed text against it themselves.
    virtual std::string CellEditMask(int ACol, int ARow) { return {}; }

    void Notification(TComponent* component, bool removing) override;
    void Paint() override;
    void Resize() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void DoEnter() override;
    void DoExit() override;

    // Moves the current cell without asking the range; ClampInView scrolls it into view.
    void MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
    // Descendants steer the mouse gesture: end it (gsNormal), or turn a press into a range drag.
    void SetGridState(TGridState Value) { FGridState = Value; }
    // The column (row) being sized or moved, -1 when none.
    int SizingIndex() const { return FSizingIndex; }
    // Drops the sizing in progress: the border goes back, and nothing follows.
    void CancelSizing();
    // True while the grid is on screen with drawing on: only then has invalidating any use.
    bool DrawsOnScreen() const;

private:
    // Pixel geometry (client coordinates, grid lines included in the strides).
    int FixedWidth() const;
    int FixedHeight() const;
    int64_t ColStart(int ACol) const;
    int64_t RowStart(int ARow) const;
    int MaxLeftCol() const;
    int MaxTopRow() const;
    int BottomDockedHeight() const;
    int LastFullyVisible(const TGridAxis& axis, int first, int fixedSize, int clientSize) const;
    int TopLeftEndingAt(const TGridAxis& axis, int fixedCount, int fixedSize, int clientSize,
                        int endIndex) const;
    TGridDrawState CellDrawState(int ACol, int ARow) const;
    // False for cells that cannot be on show (a cheap test against the cached view); true may
    // still mean a cell just out of view.
    bool MayBeOnShow(int ACol, int ARow) const {
        if (!FView.Valid || FView.Width != Width() || FView.Height != Height())
            CacheView();
        const bool colShown =
            ACol >= 0 && (ACol < FFixedCols || (ACol >= FTopLeft.X && ACol < FView.ColEnd));
        const bool rowShown =
            ARow >= 0 && (ARow < FFixedRows || (ARow >= FTopLeft.Y && ARow < FView.RowEnd));
        return colShown && rowShown;
    }
    void CacheView() const;
    void InvalidateCellOnShow(int ACol, int ARow);
    // Anything that moves cells on the screen (top-left cell, counts, sizes, client size)
    // calls this so the cached view is worked out again.
    void ViewChanged() { FView.Valid = false; }
    void PaintCell(int ACol, int ARow, const TRect& ARect);
    void PaintGridLines(const TRect& ARect, bool Fixed);

    void SetTopLeft(int ALeft, int ATop);
    void ClampInView(TGridCoord Coord);
    void ClampTopLeft();
    void InvalidateSelection(const TGridRect& Range);
    void ChangeCounts(int NewColCount, int NewRowCount);
    void SetFixedCount(int Value, int Count, int& Fixed, int TGridCoord::*Axis, const char* Name);
    void SetAxisSize(TGridAxis& Axis, int Index, int Value, void (TStringGrid::*Changed)());
    void ShowSizingSize(int Value);
    // The release of a sizing: what follows a size change, once.
    void EndSizing();
    void UpdateScrollBars();
    void HandleScroll(int Bar, int Position);
    void HandleScrollMessage(int Bar, WPARAM WParam);
    void HandleBarScroll(int Bar, int Code, int Position);
    int ScrollPositionOf(int Bar) const;
    void BarRange(int Bar, int& Maximum, int& Page, int& Position) const;

    void UpdateEditor();
    // The grid takes the focus before its editor hides: the focus then moves from a child to
    // its grid, which neither leaves nor enters the grid. Hidden first, the focus would drop to
    // the form and the keys would reach no control.
    void TakeFocusFromEditor();
    void CommitEditor();
    void CancelEditor();
    void EditorTextChanged();
    void UpdateSizingCursor(int X, int Y);

    TGridCellStore FCells;
    TGridAxis FCols{64};
    TGridAxis FRows{24};
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FGridLineWidth = 1;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TColor FFixedColor = clBtnFace;
    bool FDefaultDrawing = true;
    TScrollStyle FScrollBars = ssBoth;
    TBiDiMode FBiDiMode = bdLeftToRight;
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    bool FSelectionShown = true;
    TGridCoord FTopLeft{1, 1};
    TGridState FGridState = gsNormal;
    int FSizingIndex = -1; // column or row being sized or moved
    int FSizingOrigin = 0; // distance of the press from the border being dragged
    int FSizingStartSize = 0;
    bool FSizingCursor = false;
    TCursor FCursorBeforeSizing = crDefault;
    bool FEditorMode = false;
    TInplaceEdit* FInplaceEdit = nullptr;
    TGridCoord FEditCell{-1, -1};
    std::string FEditStartText;
    bool FUpdatingEditor = false;
    std::unique_ptr<TGridScrollBars> FScrollBarsImpl;
    struct TGivenScrollInfo {
        int Max = 0;
        int Page = 0;
    };
    TGivenScrollInfo FScrollInfo[2];     // by SB_HORZ, SB_VERT
    bool FBarKeptOn[2] = {false, false}; // by SB_HORZ, SB_VERT
    int FBarMessagePos[2] = {0, 0};
    bool FMessageFromBar = false;
    bool FBarCodesWired = false;
    // The scrollable columns (rows) before ColEnd (RowEnd) may start inside the client area
    // of Width x Height; fixed ones always may.
    struct TCachedView {
        bool Valid = false;
        int Width = 0;
        int Height = 0;
        int ColEnd = 0;
        int RowEnd = 0;
    };
    mutable TCachedView FView;
};
