#pragma once

#include "grid/stringgrid/ExGridTypes.h"
#include "platform/ui/Types.h"

class TCanvas;
class TControlLook;

// The check boxes and radio buttons the grid draws in cells, in the glyph style of its control
// look.

// Whether Style draws through the desktop's visual style.
bool UsesThemedGlyphs(TGridControlStyle Style);

// One check box into R; Enabled gives way to the look's always-active switches.
void DrawCheckGlyph(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled, bool Grayed,
                    const TControlLook& Look);

// How a group of radio buttons is laid out in a style: the classic styles size their buttons by
// RadioSize, the others put each button in a 16-pixel cell with its caption beside it.
struct TRadioLayout {
    bool Classic = true;
    TPoint HorizontalCaption; // from the button's top-left
    TPoint VerticalCaption;   // X from the rectangle's left, Y from the button's top
};
constexpr int RadioGlyphCell = 16;
TRadioLayout RadioLayout(TGridControlStyle Style);

// One radio button; the classic styles fill Box, the others draw from its top-left.
void DrawRadioGlyph(TCanvas* Canvas, const TRect& Box, bool Checked, bool EnabledLook,
                    const TControlLook& Look);
