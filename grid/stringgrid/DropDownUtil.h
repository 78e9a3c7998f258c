#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <cstdint>
#include <string>
#include <string_view>

class TBitmap;
class TCanvas;
class TControl;
class TImageList;
class TPictureContainer;

// Drawing, colour, text and number routines shared by the drop-down controls and the grid.
// Colours are 0x00BBGGRR with clNone meaning no colour; rounding is to the nearest integer,
// halves to even. Nothing here keeps state; locale settings are read at every call.

// The first character of the locale's separators.
char32_t DropDownThousandSeparator();
char32_t DropDownDecimalSeparator();

// Fills R with Steps bands (0 counts as 1) going linearly from FromColor towards ToColor, left to
// right when Horizontal, else top to bottom; the last band stops one step short of ToColor.
// Nothing is drawn outside R. clNone is not handled: callers test it.
void DrawGradientBands(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R,
                       bool Horizontal);
// Percent >= 100 gives Color1 as given, <= 0 Color2 as given; otherwise the channels of the two
// resolved colours mixed Percent to 100 - Percent.
TColor MixColors(TColor Color1, TColor Color2, int Percent);
// A negative delta darkens a channel by that many percent, a positive one leaves it; a zero
// channel becomes the delta itself. Results stay within 0..255.
TColor ShadeColorChannels(TColor Color, int DR, int DG, int DB);
// Gradient (80 bands, top to bottom when Vertical) when ColorTo is set, else a solid fill when
// Color is set; then a frame of BorderWidth pixels inside R unless BorderColor is clNone.
void DrawAppearanceBackground(TCanvas* Canvas, TRect R, TColor Color, TColor ColorTo,
                              TColor BorderColor, int BorderWidth, bool Vertical);
// An image of the list at the left (when ImageIndex >= 0) and the text single-line, vertically
// centred, with an end ellipsis: left-aligned after the image, else centred.
void DrawImageAndText(TCanvas* Canvas, TRect R, const std::string& Text, const TImageList* Images,
                      int ImageIndex);
// Bitmap drawn into R (clipped to it) with its background, the colour of its top-left pixel,
// replaced by BackColor.
void PaintBitmapOnColor(TCanvas* Canvas, const TBitmap* Bitmap, TColor BackColor, const TRect& R);
// Width and height of the single-line text in the canvas's font; (0, 0) for an empty text.
TPoint MeasureTextExtent(TCanvas* Canvas, const std::string& Text);
// Text cut at its end (with "..." when Ellipsis) until narrower than MaxWidth; a text that fits,
// or one that fits at no length, comes back unchanged.
std::string ShortenText(TCanvas* Canvas, const std::string& Text, int MaxWidth, bool Ellipsis);
// Draws (or, without Draw, only measures) the mini-HTML text in R; Extent is its laid-out size.
void DrawHTMLText(TCanvas* Canvas, const std::string& Text, const TRect& R,
                  const TImageList* Images, bool Draw, const TControl* Handle, TPoint& Extent);
// As DrawHTMLText, with pictures from Container as well; returns the laid-out size.
TSize RenderHTMLText(TCanvas* Canvas, const std::string& Text, const TRect& R,
                     const TImageList* Images, TPictureContainer* Container, bool Draw,
                     const TControl* Handle);

// ",", "-" and ";".
bool IsRangeSeparatorChar(char32_t C);
// What a value text holds.
constexpr uint8_t ntInteger = 0;
constexpr uint8_t ntDecimal = 1;
constexpr uint8_t ntOther = 2;
constexpr uint8_t ntHex = 5;
// Integer: only digits and "-"; decimal: only digits, ",", "-", "." with locale thousand
// separators at least three positions apart and none first; hex: digits, "-", "A".."F",
// "a".."f". More than one "-" or locale decimal separator, and the empty text, are other text.
uint8_t ClassifyNumberText(std::string_view Text);
std::string RemoveThousandSeparators(std::string_view Text);
// 0..15 for a hex digit, 0 for anything else.
int HexDigitValue(char32_t C);
// Other characters count as digit 0; the value wraps round at 32 bits instead of overflowing.
int HexTextToInt(std::string_view Text);
// Upper case (beyond ASCII too) unless KeepCase.
std::string NormalizeCase(std::string_view Text, bool KeepCase);
