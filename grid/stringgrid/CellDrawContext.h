#pragma once

#include "grid/foundation/GridTypes.h"
#include "grid/stringgrid/CellGraphicAlign.h"
#include "platform/ui/Colors.h"
#include "platform/ui/StringGridControlTypes.h"
#include "platform/ui/Types.h"

#include <cstdint>

class TCanvas;
class TCellGraphic;
class TExStringGrid;

// What the drawing of one cell has decided so far. The cell drawer fills it step by step; the
// graphic drawer reads it (the text width for graphics after the text) and writes the button
// style and state of button kinds.
struct TCellDrawContext {
    TExStringGrid* Grid = nullptr;
    TCanvas* Canvas = nullptr;
    int DisplCol = 0;
    int RealCol = 0;
    int Row = 0;          // display row; cell access takes it unchanged
    int SelectionRow = 0; // the row the row-selection tests look up
    TRect Rect;           // the content rectangle; each step may move its edges
    TGridDrawState State;
    TColor SavedBrushColor = clNone;
    TColor SavedFontColor = clNone;
    TColor ColorTo = clNone;
    TColor MirrorColor = clNone;
    TColor MirrorColorTo = clNone;
    TCellGradientDirection GradientDirection = GradientVertical;
    bool WordWrap = false;
    TAlignment HAlign = taLeftJustify;
    TVAlignment VAlign = vtaTop;
    TCellGraphic* Graphic = nullptr;
    TCellHAlign GraphicHAlign = haLeft;
    TCellVAlign GraphicVAlign = vaTop;
    int GraphicWidth = 0;
    int GraphicHeight = 0;
    bool DrawText = true; // whether the cell's text is drawn beside its graphic
    bool Fixed = false;
    bool Styled = false;       // the background came from the platform style
    bool FilterButton = false; // the cell shows the filter drop-down glyph
    int CellScrollPosition = 0;
    int TextKind = 0;
    int TextWidth = 0; // drawn text width + 2, 0 before the text step
    int TextHeight = 0;
    uint8_t ButtonStyle = 0;
    uint8_t ButtonState = 0;
};
