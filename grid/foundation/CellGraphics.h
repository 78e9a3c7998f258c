#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <string>

class TCanvas;
class TFont;
class TWinControl;

// The graphics a grid draws in its cells and on paper: value bars, progress bars and pies,
// levelled progress, shapes and the spelling-error zigzag. Each draws only inside the
// rectangle (or box) it is given. Colours are 0x00BBGGRR; clNone is no colour. Where a function
// takes Print, the canvas's y axis points upward (paper) and offsets measured downward are
// negated. Nothing here keeps state.

enum TCellShape : int {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar
};

// How DrawLevelProgress looks; the grid fills it from its progress settings.
struct TLevelProgressAppearance {
    TColor Level0Color = clLime;
    TColor Level0ColorTo = clLime;
    TColor Level1Color = clYellow;
    TColor Level1ColorTo = clYellow;
    TColor Level2Color = 0x0080FF;
    TColor Level2ColorTo = 0x0080FF;
    TColor Level3Color = clRed;
    TColor Level3ColorTo = clRed;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    // Not owned; nullptr keeps the canvas's font.
    const TFont* Font = nullptr;
    TColor CompleteFontColor = clBlue;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 8;
    TColor UnCompleteColor = clNone;
    bool Vertical = false;
};

// A red zigzag under the characters ErrPos .. ErrPos + ErrLen - 1 (UTF-16 units) of Text as it
// lies at Rect's top-left in Owner's font, TextHeight below the characters' tops.
void DrawErrorUnderline(const TWinControl* Owner, TCanvas* Canvas, const std::string& Text,
                        const TRect& Rect, int TextHeight, int ErrPos, int ErrLen);

// A bar from the middle of Rect (shrunk by 2): to the right in PosColor for a positive Value,
// to the left in NegColor for a negative one, full at Range. Range 0 or less draws no bar.
void DrawValueBar(TCanvas* Canvas, const TRect& Rect, int Value, int Range, bool ShowValue,
                  TColor NegColor, TColor PosColor);

// A bar filled from the left in Color up to the percentage, the rest in BkColor, with the text
// centred and changing colour (TextColor, BkTextColor) where the fill ends, inside one frame
// in BorderColor (unless clNone) and one in the brush colour the canvas had. Text and
// percentage: the text is ProgressBarText, and with a FormatText the percentage is where Value
// lies in Min..Max (Max equal to Min: full once Value reaches Max).
void DrawProgressBar(TCanvas* Canvas, const TRect& Rect, TColor Color, TColor TextColor,
                     TColor BkColor, TColor BkTextColor, double Value, int MarginX, int MarginY,
                     int Min, int Max, const std::string& FormatText, TColor BorderColor,
                     bool Print);

// A grey circle with a hand at Value percent of a turn from twelve o'clock, the sector swept
// filled in Color.
void DrawProgressPie(TCanvas* Canvas, const TRect& Rect, TColor Color, int Value, bool Print);

// A progress bar whose colours follow the level reached (below Level1Perc, below Level2Perc,
// below 100, complete), or stacked segments per level, smooth or in blocks.
void DrawLevelProgress(TCanvas* Canvas, const TRect& Rect, int Percent,
                       const TLevelProgressAppearance& Look);

// One shape in the box X, Y, W, H: filled with FillColor, outlined with LineColor.
void DrawCellShape(TCanvas* Canvas, int X, int Y, int W, int H, TCellShape Shape, TColor FillColor,
                   TColor LineColor);

// FormatText with its first number conversion given Value, in the framework's notation
// ("%[-][width][.precision]type": d, u and x take Value rounded, e, f, g, n and m take it as
// it is, with the locale's decimal separator, and n with its thousand separators) and "%%" as
// "%"; anything else stays as written, so no text can fail.
std::string FormatProgressText(const std::string& FormatText, double Value);

// The text of a progress bar: Value rounded and "%" without a FormatText, else FormatText
// applied to Value. The conversion decides whether Value is rounded, so a "d" or "u" in the
// words around it ("%.1f used") does not.
std::string ProgressBarText(const std::string& FormatText, double Value);
