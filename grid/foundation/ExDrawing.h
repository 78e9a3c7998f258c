#pragma once

#include "grid/foundation/ExStyleIF.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <cstdint>
#include <string>
#include <string_view>

class TBitmap;
class TCanvas;
class TControl;
class TWinControl;

// Drawing helpers shared by the grids, their printing and the drop-down controls. Colours are
// 0x00BBGGRR; clNone means no colour. Nothing here keeps state.

// Colour arithmetic on the resolved colour (system colours looked up).
TColor HalveColor(TColor Color);
// Each channel grows by Percent of itself (a negative Percent darkens), kept within 0..255.
TColor ShadeColor(TColor Color, int Percent);
// The colour at Position of the way from FromColor (at Low) to ToColor (at High). A ToColor of
// clNone, or an empty range, gives FromColor.
TColor BlendColorStep(TColor FromColor, TColor ToColor, int Low, int High, int Position);

// Linear gradient in Steps bands (at most one per pixel), left to right when Horizontal, else
// top to bottom. With one colour clNone the rectangle is filled with the other.
void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R,
                  bool Horizontal);
// Direction of DrawMirrorGradient: colours change along x, or along y.
constexpr int mgdHorizontal = 0;
constexpr int mgdVertical = 1;
// Solid fill, gradient, or two halves each with its own gradient, then a frame (or only the
// side lines) in BorderColor unless it is clNone.
void DrawMirrorGradient(TCanvas* Canvas, TRect R, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, int Direction, TColor BorderColor, bool SidesOnly,
                        bool Fill);
// Where a selected cell sits in its run: alone, at the left end, at the right end, inside.
constexpr int sfpSingle = 0;
constexpr int sfpFirst = 1;
constexpr int sfpLast = 2;
constexpr int sfpMiddle = 3;
// Office-like frame and fill of a selected cell.
void DrawSelectionFrame(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, TColor UpperInnerColor, TColor LowerInnerColor,
                        TColor BorderColor, TColor InnerCornerColor, TColor OuterCornerColor,
                        TRect R, int Position);

// Editor buttons. Styles: the desktop's visual style, the classic frame, the flat classic frame,
// custom tones. States: normal, hot, down, disabled.
constexpr int bdsVisualStyle = 0;
constexpr int bdsClassic = 1;
constexpr int bdsFlat = 2;
constexpr int bdsTones = 3;
constexpr int bstNormal = 0;
constexpr int bstHot = 1;
constexpr int bstDown = 2;
constexpr int bstDisabled = 3;
// Filled triangle with corners (X - 3, Y), (X + 3, Y), (X, Y + 3).
void DrawDownTriangle(TCanvas* Canvas, int X, int Y, TColor Color);
// The 17-pixel drop-down button at the right of R.
void DrawDropDownButton(TCanvas* Canvas, const TControl* Window, TRect R, int Style, int State,
                        const TColorTones& Tones);
void DrawButtonFace(TCanvas* Canvas, const TControl* Window, TRect R, int Style, int State,
                    const TColorTones& Tones);
// The 15-pixel up and down buttons at the right of R.
void DrawSpinButtons(TCanvas* Canvas, const TControl* Window, TRect R, int Style, int State,
                     const TColorTones& Tones);

// Draws the bitmap at R's top-left corner in its own size, its background (the colour of its
// top-left pixel) replaced by Color.
void DrawBitmapOnColor(TCanvas* Canvas, const TBitmap* Bitmap, TColor Color, const TRect& R);
// The grid's built-in glyphs: "ESGLEAFCLOSE", "ESGLEAFOPEN", "XPNODEC", "XPNODEO", "ESGFILT".
// Unknown names draw nothing.
void DrawResourceBitmap(TCanvas* Canvas, TColor Color, const TRect& R, std::string_view Name);

// Layered windows are not offered here; callers take the missing call as done.
bool SafeUpdateLayeredWindow(TWinControl* Window, const TBitmap* Content, TPoint Position,
                             uint8_t Alpha);
bool SafeSetLayeredWindowAttributes(TWinControl* Window, TColor ColorKey, uint8_t Alpha,
                                    uint32_t Flags);

// Wraps an HTML fragment in the "HTML Format" clipboard layout: a header with the byte offsets
// of the document and the fragment, then the document around the fragment. Text is UTF-8.
void MakeCFHTML(std::string& Text);
