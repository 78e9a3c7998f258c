#pragma once

#include "app/controls/GlyphButtonTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <string>

// The arithmetic of the glyph button's face, apart from any drawing, so that every style and
// layout can be checked by itself.

// Number of blend steps between the face and the hot-track colour.
constexpr int HotTrackSteps = 8;

// Each channel is face * (1 - step/8) + hot * step/8, truncated; both colours plain RGB.
TColor BlendHotTrack(TColor face, TColor hot, int step);

// Colour of gradient band `band` (0..31) from `from` to `to`: each channel grows by
// (to - from) / 31 per band and is truncated, so band 0 is `from` and band 31 (nearly) `to`.
TColor GradientBandColor(TColor from, TColor to, int band);

// What the placement of glyph and caption depends on; W and H are the drawing size, Offset the
// shift of a pressed button (1, or 0 for bsEncarta).
struct TGlyphFaceMetrics {
    int W = 0;
    int H = 0;
    int GlyphWidth = 0;  // one picture of the strip; 0 without glyph
    int GlyphHeight = 0; // 0 without glyph
    int TextWidth = 0;
    int TextHeight = 0;
    bool HasCaption = false;
    int Offset = 0;
};

struct TGlyphFacePlacement {
    TPoint Glyph;
    // The caption is drawn word-wrapped into this rectangle, aligned by the button's Alignment
    // unless CentreText says otherwise.
    TRect Text;
    bool CentreText = false;
};

// The styles whose rounded or shaped face leaves corners for what lies behind the button.
bool IsTransparentStyle(TGlyphButtonStyle style);

// Width the caption may take.
int CaptionAvailableWidth(TGlyphButtonStyle style, TGlyphButtonLayout layout, int W,
                          int glyphWidth);

TGlyphFacePlacement PlaceGlyphAndCaption(TGlyphButtonStyle style, TGlyphButtonLayout layout,
                                         TAlignment alignment, bool wordWrap,
                                         const TGlyphFaceMetrics& m);

// The character that follows the single '&' of a caption, upper-cased (ASCII), or 0.
char16_t CaptionAccelerator(const std::string& caption);

// Drops the last character (a whole UTF-8 sequence) of the text.
void DropLastCharacter(std::string& text);
