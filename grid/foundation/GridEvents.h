#pragma once

#include "grid/foundation/GridTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"
#include "platform/ui/StringGridControlTypes.h"
#include "platform/ui/Types.h"

#include <functional>
#include <string>

class TBaseGrid;
class TBrush;
class TCanvas;
class TFont;
class TPen;

// The grid events. Every event passes the sender first; a reference parameter is one the handler
// may change. Most pass the column before the row; the cell click, double-click and can-edit
// events and the anchor, colour, gradient, border, alignment and hint events pass the row first.

using TGetDisplTextEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TFloatFormatEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat,
                                             std::string& FloatFormat)>;
using TOnResizeEvent = std::function<void(TObject* Sender)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TColumnSizingEvent = std::function<void(TObject* Sender, int ACol, int ColumnSize)>;
using TRowSizingEvent = std::function<void(TObject* Sender, int ARow, int RowSize)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, std::string& hintstr)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TGetEditorTypeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TAnchorClickEvent = std::function<void(TObject* Sender, int ARow, int ACol,
                                             const std::string& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, std::string& Anchor)>;
using TAnchorEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor)>;
using TClickSortEvent = std::function<void(TObject* Sender, int ACol)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TCustomCompareEvent = std::function<void(TObject* Sender, const std::string& str1,
                                               const std::string& str2, int& Res)>;
using TRawCompareEvent =
    std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TGridFormatEvent = std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle,
                                            std::string& aPrefix, std::string& aSuffix)>;
using TCustomCellDrawEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                       const TRect& ARect, bool Printing)>;
using TGridColorEvent = std::function<void(TObject* Sender, int ARow, int ACol,
                                           TGridDrawState AState, TBrush* ABrush, TFont* AFont)>;
using TGridGradientEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                       TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen* LeftPen,
                                                TPen* TopPen, TPen* RightPen, TPen* BottomPen)>;
using TGridAlignEvent = std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign,
                                           TVAlignment& VAlign)>;
using TGridHintEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, std::string& hintstr)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& S)>;
using TGridBalloonEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                             std::string& ATitle, std::string& AText, int& AIcon)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TAutoAddRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int ACol)>;
using TSearchEditChangeEvent =
    std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)>;
using TSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = std::function<void(TObject* Sender, int Acol, int Arow)>;
using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;
// Text is UTF-8 throughout, so the wide-text variant carries the same string type.
using TGetDisplWideTextEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TExGridUndoRedoEvent =
    std::function<void(TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                       const std::string& OrigValue, const std::string& NewValue)>;
