// The grid's events, re-published by the grid drop-down: each dispatcher passes the grid's
// arguments on unchanged and in order, so what a handler writes into a reference reaches the
// grid.
#include "grid/dropdown/ExCustomGridDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExGridDropDownGrid.h"
#include "grid/stringgrid/BalloonSettings.h"
#include "platform/ui/Canvas.h"

namespace GridDropDown {

void TCustomExGridDropDown::BindGridEvents() {
    TExColGrid& grid = *FExColGrid;
    grid.OnAnchorClick = [this](auto&&... A) { DoGridAnchorClick(A...); };
    grid.OnAnchorEnter = [this](auto&&... A) { DoGridAnchorEnter(A...); };
    grid.OnAnchorExit = [this](auto&&... A) { DoGridAnchorExit(A...); };
    grid.OnAnchorHint = [this](auto&&... A) { DoGridAnchorHint(A...); };
    grid.OnButtonClick = [this](auto&&... A) { DoGridButtonClick(A...); };
    // Bound as designed; the set-up then hands both to the drop-down's own sort handlers.
    grid.OnCanSort = [this](auto&&... A) { DoGridCanSort(A...); };
    grid.OnClickSort = [this](auto&&... A) { DoGridClickSort(A...); };
    grid.OnColumnSize = [this](auto&&... A) { DoGridColumnSize(A...); };
    grid.OnColumnSizing = [this](auto&&... A) { DoGridColumnSizing(A...); };
    grid.OnEndColumnSize = [this](auto&&... A) { DoGridEndColumnSize(A...); };
    grid.OnRowSize = [this](auto&&... A) { DoGridRowSize(A...); };
    grid.OnRowSizing = [this](auto&&... A) { DoGridRowSizing(A...); };
    grid.OnEndRowSize = [this](auto&&... A) { DoGridEndRowSize(A...); };
    grid.OnRowMove = [this](auto&&... A) { DoGridRowMove(A...); };
    grid.OnRowMoving = [this](auto&&... A) { DoGridRowMoving(A...); };
    grid.OnRowMoved = [this](auto&&... A) { DoGridRowMoved(A...); };
    grid.OnColumnMove = [this](auto&&... A) { DoGridColumnMove(A...); };
    grid.OnColumnMoving = [this](auto&&... A) { DoGridColumnMoving(A...); };
    grid.OnColumnMoved = [this](auto&&... A) { DoGridColumnMoved(A...); };
    // The drawing hooks cost every cell a call: bound only when someone listens.
    grid.OnCustomCellDraw = nullptr;
    if (OnGridCustomCellDraw)
        grid.OnCustomCellDraw = [this](auto&&... A) { DoGridCustomCellDraw(A...); };
    grid.OnCustomCellBkgDraw = nullptr;
    if (OnGridCustomCellBkgDraw)
        grid.OnCustomCellBkgDraw = [this](auto&&... A) { DoGridCustomCellBkgDraw(A...); };
    grid.OnCellBalloon = [this](auto&&... A) { DoGridCellBalloon(A...); };
    grid.OnGetAlignment = [this](auto&&... A) { DoGridGetAlignment(A...); };
    grid.OnGetCellColor = [this](auto&&... A) { DoGridGetCellColor(A...); };
    grid.OnGetCellGradient = [this](auto&&... A) { DoGridGetCellGradient(A...); };
    grid.OnGetFloatFormat = [this](auto&&... A) { DoGridGetFloatFormat(A...); };
    grid.OnGetEditorType = [this](auto&&... A) { DoGridGetEditorType(A...); };
    grid.OnGetEditorPropInt = [this](auto&&... A) { DoGridGetEditorProp(A...); };
    grid.OnCanEditCell = [this](auto&&... A) { DoGridCanEditCell(A...); };
    grid.OnEllipsClick = [this](auto&&... A) { DoGridEllipsClick(A...); };
    grid.OnGetDisplText = [this](auto&&... A) { DoGridGetDisplText(A...); };
    grid.OnGetFormat = [this](auto&&... A) { DoGridGetFormat(A...); };
    grid.OnGridHint = [this](auto&&... A) { DoGridHint(A...); };
    grid.OnMouseMove = [this](auto&&... A) { DoGridMouseMove(A...); };
    grid.OnMouseDown = [this](auto&&... A) { DoGridMouseDown(A...); };
    grid.OnMouseUp = [this](auto&&... A) { DoGridMouseUp(A...); };
    // The opening routes the key events to ControlKeyUp and its kin, which raise them.
    grid.OnKeyUp = [this](auto&&... A) { DoGridKeyUp(A...); };
    grid.OnRightClickCell = [this](auto&&... A) { DoGridRightClickCell(A...); };
    grid.OnScrollHint = [this](auto&&... A) { DoGridScrollHint(A...); };
    grid.OnTopLeftChanged = [this](auto&&... A) { DoGridTopLeftChanged(A...); };
    grid.OnSearchEditChange = [this](auto&&... A) { DoGridSearchEditChange(A...); };
    grid.OnAutoAddRow = [this](auto&&... A) { DoGridAutoAddRow(A...); };
    grid.OnAutoInsertRow = [this](auto&&... A) { DoGridInsertRow(A...); };
    grid.OnAutoInsertCol = [this](auto&&... A) { DoGridInsertCol(A...); };
    grid.OnAutoDeleteRow = [this](auto&&... A) { DoGridDeleteRow(A...); };
    grid.OnCanAddRow = [this](auto&&... A) { DoGridCanAddRow(A...); };
    grid.OnCanInsertRow = [this](auto&&... A) { DoGridCanInsertRow(A...); };
    grid.OnCanDeleteRow = [this](auto&&... A) { DoGridCanDeleteRow(A...); };
    grid.OnCheckBoxClick = [this](auto&&... A) { DoGridCheckBoxClick(A...); };
}

template <class THandler, class... TArgs>
void TCustomExGridDropDown::RaiseBlockingActivate(THandler& Handler, TArgs&&... Args) {
    if (!Handler)
        return;
    // A window the handler opens takes the activation: the popup stays open meanwhile.
    if (DropDownForm())
        DropDownForm()->SetBlockActivate(true);
    FireEvent(Handler, std::forward<TArgs>(Args)...);
    if (DropDownForm())
        DropDownForm()->SetBlockActivate(false);
}

void TCustomExGridDropDown::DoGridAnchorClick(TObject* Sender, int ARow, int ACol,
                                              const std::string& Anchor, bool& AutoHandle) {
    RaiseBlockingActivate(OnGridAnchorClick, Sender, ARow, ACol, Anchor, AutoHandle);
}

void TCustomExGridDropDown::DoGridAnchorEnter(TObject* Sender, int ARow, int ACol,
                                              const std::string& Anchor) {
    FireEvent(OnGridAnchorEnter, Sender, ARow, ACol, Anchor);
}

void TCustomExGridDropDown::DoGridAnchorExit(TObject* Sender, int ARow, int ACol,
                                             const std::string& Anchor) {
    FireEvent(OnGridAnchorExit, Sender, ARow, ACol, Anchor);
}

void TCustomExGridDropDown::DoGridAnchorHint(TObject* Sender, int ARow, int ACol,
                                             std::string& Anchor) {
    FireEvent(OnGridAnchorHint, Sender, ARow, ACol, Anchor);
}

void TCustomExGridDropDown::DoGridButtonClick(TObject* Sender, int ACol, int ARow) {
    RaiseBlockingActivate(OnGridButtonClick, Sender, ACol, ARow);
}

void TCustomExGridDropDown::DoGridCanSort(TObject* Sender, int ACol, bool& DoSort) {
    FireEvent(OnGridCanSort, Sender, ACol, DoSort);
}

void TCustomExGridDropDown::DoGridClickSort(TObject* Sender, int ACol) {
    FireEvent(OnGridClickSort, Sender, ACol);
}

void TCustomExGridDropDown::DoGridCustomCompare(TObject* Sender, const std::string& str1,
                                                const std::string& str2, int& Res) {
    FireEvent(OnGridCustomCompare, Sender, str1, str2, Res);
}

void TCustomExGridDropDown::DoGridRawCompare(TObject* Sender, int ACol, int Row1, int Row2,
                                             int& Res) {
    FireEvent(OnGridRawCompare, Sender, ACol, Row1, Row2, Res);
}

void TCustomExGridDropDown::DoGridColumnSize(TObject* Sender, int ACol, bool& Allow) {
    FireEvent(OnGridColumnSize, Sender, ACol, Allow);
}

void TCustomExGridDropDown::DoGridColumnSizing(TObject* Sender, int ACol, int ColumnSize) {
    FireEvent(OnGridColumnSizing, Sender, ACol, ColumnSize);
}

void TCustomExGridDropDown::DoGridEndColumnSize(TObject* Sender, int ACol) {
    FireEvent(OnGridEndColumnSize, Sender, ACol);
}

void TCustomExGridDropDown::DoGridRowSize(TObject* Sender, int ARow, bool& Allow) {
    FireEvent(OnGridRowSize, Sender, ARow, Allow);
}

void TCustomExGridDropDown::DoGridRowSizing(TObject* Sender, int ARow, int RowSize) {
    FireEvent(OnGridRowSizing, Sender, ARow, RowSize);
}

void TCustomExGridDropDown::DoGridEndRowSize(TObject* Sender, int ARow) {
    FireEvent(OnGridEndRowSize, Sender, ARow);
}

void TCustomExGridDropDown::DoGridRowMove(TObject* Sender, int AIndex, bool& Allow) {
    FireEvent(OnGridRowMove, Sender, AIndex, Allow);
}

void TCustomExGridDropDown::DoGridRowMoving(TObject* Sender, int AIndex, bool& Allow) {
    FireEvent(OnGridRowMoving, Sender, AIndex, Allow);
}

void TCustomExGridDropDown::DoGridRowMoved(TObject* Sender, int FromIndex, int ToIndex) {
    FireEvent(OnGridRowMoved, Sender, FromIndex, ToIndex);
}

void TCustomExGridDropDown::DoGridColumnMove(TObject* Sender, int AIndex, bool& Allow) {
    FireEvent(OnGridColumnMove, Sender, AIndex, Allow);
}

void TCustomExGridDropDown::DoGridColumnMoving(TObject* Sender, int AIndex, bool& Allow) {
    FireEvent(OnGridColumnMoving, Sender, AIndex, Allow);
}

void TCustomExGridDropDown::DoGridColumnMoved(TObject* Sender, int FromIndex, int ToIndex) {
    FireEvent(OnGridColumnMoved, Sender, FromIndex, ToIndex);
}

void TCustomExGridDropDown::DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int ACol,
                                                 int ARow, TGridDrawState AState,
                                                 const TRect& ARect, bool Printing) {
    const TRect cell = ARect;
    FireEvent(OnGridCustomCellDraw, Sender, Canvas, ACol, ARow, AState, cell, Printing);
}

void TCustomExGridDropDown::DoGridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, int ACol,
                                                    int ARow, TGridDrawState AState,
                                                    const TRect& ARect, bool Printing) {
    const TRect cell = ARect;
    FireEvent(OnGridCustomCellBkgDraw, Sender, Canvas, ACol, ARow, AState, cell, Printing);
}

void TCustomExGridDropDown::DoGridCellBalloon(TObject* Sender, int ACol, int ARow,
                                              std::string& ATitle, std::string& AText, int& AIcon) {
    FireEvent(OnGridCellBalloon, Sender, ACol, ARow, ATitle, AText, AIcon);
}

void TCustomExGridDropDown::DoGridGetAlignment(TObject* Sender, int ARow, int ACol,
                                               TAlignment& HAlign, TVAlignment& VAlign) {
    if (ACol >= 0 && ACol < FColumns->Count())
        HAlign = FColumns->GetItem(ACol)->Alignment();
    FireEvent(OnGridGetAlignment, Sender, ARow, ACol, HAlign, VAlign);
}

void TCustomExGridDropDown::DoGridGetCellColor(TObject* Sender, int ARow, int ACol,
                                               TGridDrawState AState, TBrush* ABrush,
                                               TFont* AFont) {
    if (ABrush && ACol >= 0 && ACol < FColumns->Count())
        ABrush->SetColor(FColumns->GetItem(ACol)->Color());
    FireEvent(OnGridGetCellColor, Sender, ARow, ACol, AState, ABrush, AFont);
}

void TCustomExGridDropDown::DoGridGetCellGradient(TObject* Sender, int ARow, int ACol,
                                                  TColor& Color, TColor& ColorTo,
                                                  TColor& ColorMirror, TColor& ColorMirrorTo,
                                                  TCellGradientDirection& GD) {
    FireEvent(OnGridGetCellGradient, Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo,
              GD);
}

void TCustomExGridDropDown::DoGridGetFloatFormat(TObject* Sender, int ACol, int ARow, bool& IsFloat,
                                                 std::string& FloatFormat) {
    // Numbers show as typed unless the handler gives a format.
    FloatFormat.clear();
    FireEvent(OnGridGetFloatFormat, Sender, ACol, ARow, IsFloat, FloatFormat);
}

void TCustomExGridDropDown::DoGridGetEditorType(TObject* Sender, int ACol, int ARow,
                                                TEditorType& AEditor) {
    FireEvent(OnGridGetEditorType, Sender, ACol, ARow, AEditor);
}

void TCustomExGridDropDown::DoGridGetEditorProp(TObject* Sender, int ARow, int ACol) {
    FireEvent(OnGridGetEditorProp, Sender, ARow, ACol);
}

void TCustomExGridDropDown::DoGridCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit) {
    FireEvent(OnGridCanEditCell, Sender, ARow, ACol, CanEdit);
}

void TCustomExGridDropDown::DoGridEllipsClick(TObject* Sender, int ACol, int ARow, std::string& S) {
    RaiseBlockingActivate(OnGridEllipsClick, Sender, ACol, ARow, S);
}

void TCustomExGridDropDown::DoGridGetDisplText(TObject* Sender, int ACol, int ARow,
                                               std::string& Value) {
    FireEvent(OnGridGetDiplText, Sender, ACol, ARow, Value);
}

void TCustomExGridDropDown::DoGridGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle,
                                            std::string& aPrefix, std::string& aSuffix) {
    FireEvent(OnGridGetFormat, Sender, ACol, AStyle, aPrefix, aSuffix);
}

void TCustomExGridDropDown::DoGridHint(TObject* Sender, int ARow, int ACol, std::string& hintstr) {
    FireEvent(OnGridHint, Sender, ARow, ACol, hintstr);
}

void TCustomExGridDropDown::DoGridMouseMove(TObject* Sender, TShiftState Shift, int X, int Y) {
    if (!FBalloonInit) {
        // The balloons of the grid were set up before it was shown: arm them again.
        if (FExColGrid && FExColGrid->Balloon()->Enable()) {
            FExColGrid->Balloon()->SetEnable(false);
            FExColGrid->Balloon()->SetEnable(true);
        }
        FBalloonInit = true;
    }
    FireEvent(OnGridMouseMove, Sender, Shift, X, Y);
}

void TCustomExGridDropDown::DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift,
                                            int X, int Y) {
    FireEvent(OnGridMouseDown, Sender, Button, Shift, X, Y);
}

void TCustomExGridDropDown::DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift,
                                          int X, int Y) {
    FireEvent(OnGridMouseUp, Sender, Button, Shift, X, Y);
}

void TCustomExGridDropDown::DoGridKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
    FireEvent(OnGridKeyDown, Sender, Key, Shift);
}

void TCustomExGridDropDown::DoGridKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) {
    FireEvent(OnGridKeyUp, Sender, Key, Shift);
}

void TCustomExGridDropDown::DoGridKeyPress(TObject* Sender, TChar& Key) {
    FireEvent(OnGridKeyPress, Sender, Key);
}

void TCustomExGridDropDown::DoGridRightClickCell(TObject* Sender, int ARow, int ACol) {
    FireEvent(OnGridRightClickCell, Sender, ARow, ACol);
}

void TCustomExGridDropDown::DoGridScrollHint(TObject* Sender, int ARow, std::string& hintstr) {
    FireEvent(OnGridScrollHint, Sender, ARow, hintstr);
}

void TCustomExGridDropDown::DoGridTopLeftChanged(TObject* Sender) {
    FireEvent(OnGridTopLeftChanged, static_cast<TObject*>(this));
}

void TCustomExGridDropDown::DoGridSearchEditChange(TObject* Sender, const std::string& Value,
                                                   bool& DefaultSearch) {
    FireEvent(OnGridSearchEditChange, Sender, Value, DefaultSearch);
}

void TCustomExGridDropDown::DoGridSpinClick(TObject* Sender, int ACol, int ARow, int AValue,
                                            bool UpDown) {
    FireEvent(OnGridSpinClick, Sender, ACol, ARow, AValue, UpDown);
}

void TCustomExGridDropDown::DoGridAutoAddRow(TObject* Sender, int ARow) {
    FireEvent(OnGridAutoAddRow, Sender, ARow);
}

void TCustomExGridDropDown::DoGridInsertRow(TObject* Sender, int ARow) {
    FireEvent(OnGridInsertRow, Sender, ARow);
}

void TCustomExGridDropDown::DoGridInsertCol(TObject* Sender, int ACol) {
    FireEvent(OnGridInsertCol, Sender, ACol);
}

void TCustomExGridDropDown::DoGridDeleteRow(TObject* Sender, int ARow) {
    FireEvent(OnGridDeleteRow, Sender, ARow);
}

void TCustomExGridDropDown::DoGridCanAddRow(TObject* Sender, bool& CanAdd) {
    FireEvent(OnGridCanAddRow, Sender, CanAdd);
}

void TCustomExGridDropDown::DoGridCanInsertRow(TObject* Sender, int ARow, bool& CanInsert) {
    FireEvent(OnGridCanInsertRow, Sender, ARow, CanInsert);
}

void TCustomExGridDropDown::DoGridCanDeleteRow(TObject* Sender, int ARow, bool& CanDelete) {
    FireEvent(OnGridCanDeleteRow, Sender, ARow, CanDelete);
}

void TCustomExGridDropDown::DoGridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State) {
    FireEvent(OnGridCheckBoxClick, Sender, ACol, ARow, State);
}

} // namespace GridDropDown
