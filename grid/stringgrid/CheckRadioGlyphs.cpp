#include "grid/stringgrid/CheckRadioGlyphs.h"

#include "grid/foundation/ControlGlyphBitmaps.h"
#include "grid/stringgrid/ControlLook.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>
#include <string>

namespace {

TThemeStates CheckStates(bool Checked, bool Grayed, bool EnabledLook) {
    TThemeStates states = tsfNormal;
    if (Grayed)
        states |= tsfMixed;
    else if (Checked)
        states |= tsfChecked;
    if (!EnabledLook)
        states |= tsfDisabled;
    return states;
}

// Draws Glyph at (X, Y) leaving out its background colour; an empty glyph draws nothing.
void DrawGlyphTransparent(TCanvas* Canvas, int X, int Y, TBitmap* Glyph) {
    if (!Glyph || Glyph->Empty())
        return;
    const bool transparent = Glyph->Transparent();
    Glyph->SetTransparent(true);
    Canvas->Draw(X, Y, Glyph);
    Glyph->SetTransparent(transparent);
}

// The ULK glyphs are numbered checked, unchecked, checked disabled, unchecked disabled.
void DrawULKGlyph(TCanvas* Canvas, int X, int Y, const char* Prefix, bool Checked,
                  bool EnabledLook) {
    const int number = (Checked ? 1 : 2) + (EnabledLook ? 0 : 2);
    TBitmap glyph;
    if (BuildControlGlyph(std::string(Prefix) + "0" + std::to_string(number), glyph))
        DrawGlyphTransparent(Canvas, X, Y, &glyph);
}

// The unthemed check box: a framed square with a tick; grayed draws the tick on grey.
void DrawPlainCheck(TCanvas* Canvas, const TRect& Box, bool Checked, bool Grayed, bool EnabledLook,
                    bool Flat) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(EnabledLook && !Grayed ? clWhite : clSilver);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(Flat ? clGray : clBlack);
    Canvas->Rectangle(Box);
    if (!Flat) {
        Canvas->Pen()->SetColor(clGray);
        Canvas->Polyline({TPoint{Box.Left, Box.Bottom - 1}, TPoint{Box.Left, Box.Top},
                          TPoint{Box.Right - 1, Box.Top}});
    }
    if (!Checked && !Grayed)
        return;
    const int s = Box.Right - Box.Left;
    Canvas->Pen()->SetColor(EnabledLook && !Grayed ? clBlack : clGray);
    for (int dy = 0; dy < 2; ++dy)
        Canvas->Polyline({TPoint{Box.Left + 3, Box.Top + s / 2 - 1 + dy},
                          TPoint{Box.Left + s / 2 - 1, Box.Bottom - 4 + dy},
                          TPoint{Box.Right - 4, Box.Top + 3 + dy}});
}

// A raised button face with a tick in the look's mark colour.
void DrawBorlandCheck(TCanvas* Canvas, TRect R, bool Checked, bool EnabledLook,
                      const TControlLook& Look) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(EnabledLook ? clBtnFace : clBtnShadow);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(clBtnFace);
    Canvas->Rectangle(R);
    Canvas->Pen()->SetColor(clBtnHighlight);
    Canvas->Polyline({TPoint{R.Left, R.Bottom}, TPoint{R.Left, R.Top}, TPoint{R.Right, R.Top}});
    Canvas->Pen()->SetColor(clBtnShadow);
    Canvas->Polyline({TPoint{R.Right, R.Top}, TPoint{R.Right, R.Bottom}, TPoint{R.Left, R.Bottom}});
    if (!Checked)
        return;
    Canvas->Pen()->SetColor(EnabledLook ? Look.Color() : TColor{0x808080});
    const int t0 = R.Top;
    const int half = Look.CheckSize() / 2;
    R.Top = t0 - 1;
    R.Bottom -= 1;
    Canvas->Polyline({TPoint{R.Left + 2, t0 + half}, TPoint{R.Left + 2, R.Bottom - 1}});
    Canvas->Polyline({TPoint{R.Left + 3, R.Top + half}, TPoint{R.Left + 3, R.Bottom - 2}});
    Canvas->Polyline({TPoint{R.Left + 2, R.Bottom - 1}, TPoint{R.Right - 2, R.Top + 3}});
    Canvas->Polyline({TPoint{R.Left + 3, R.Bottom - 1}, TPoint{R.Right - 1, R.Top + 3}});
}

// A diamond lit from the top-left when off and from the bottom-right when on.
void DrawBorlandRadio(TCanvas* Canvas, int L, int T, bool Checked, TColor Mark) {
    const TColor before = Canvas->Brush()->Color();
    const TColor lit = Checked ? TColor{0x808080} : clWhite;
    const TColor shade = Checked ? clWhite : TColor{0x808080};
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->Pen()->SetColor(clBtnFace);
    Canvas->Polygon(
        {TPoint{L + 2, T + 8}, TPoint{L + 8, T + 2}, TPoint{L + 14, T + 8}, TPoint{L + 8, T + 14}});
    Canvas->Pen()->SetColor(lit);
    Canvas->Polyline({TPoint{L + 8, T + 14}, TPoint{L + 2, T + 8}, TPoint{L + 8, T + 2}});
    Canvas->Pen()->SetColor(shade);
    Canvas->Polyline({TPoint{L + 8, T + 2}, TPoint{L + 14, T + 8}, TPoint{L + 8, T + 14}});
    if (Checked) {
        Canvas->Pen()->SetColor(Mark);
        Canvas->Brush()->SetColor(Mark);
        Canvas->Polygon({TPoint{L + 6, T + 8}, TPoint{L + 8, T + 6}, TPoint{L + 10, T + 8},
                         TPoint{L + 8, T + 10}});
    }
    Canvas->Brush()->SetColor(before);
}

} // namespace

bool UsesThemedGlyphs(TGridControlStyle Style) {
    return (Style == csTheme || Style == csWinXP) && ThemeServicesActive();
}

void DrawCheckGlyph(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled, bool Grayed,
                    const TControlLook& Look) {
    const bool enabledLook = Look.NoDisabledCheckRadioLook() || Look.CheckAlwaysActive || Enabled;
    const int size = std::max(1, Look.CheckSize());
    switch (Look.ControlStyle()) {
    case csULK:
        DrawULKGlyph(Canvas, R.Left, R.Top, "ESGCHK", Checked, enabledLook);
        return;
    case csGlyph:
        DrawGlyphTransparent(Canvas, R.Left, R.Top,
                        Checked ? Look.CheckedGlyph() : Look.UnCheckedGlyph());
        return;
    case csBorland:
        DrawBorlandCheck(Canvas, R, Checked, enabledLook, Look);
        return;
    default:
        break;
    }
    if (UsesThemedGlyphs(Look.ControlStyle())) {
        const TRect box{R.Left, R.Top, R.Left + size, R.Top + size};
        if (DrawThemePart(Canvas, TThemePart::CheckBox, CheckStates(Checked, Grayed, enabledLook),
                          box))
            return;
    }
    const int left = R.Left + (R.Right - R.Left - size) / 2;
    const int top = R.Top + (R.Bottom - R.Top - size) / 2;
    DrawPlainCheck(Canvas, TRect{left, top, left + size, top + size}, Checked, Grayed, enabledLook,
                   Look.ControlStyle() != csClassic);
}

TRadioLayout RadioLayout(TGridControlStyle Style) {
    const bool themed = UsesThemedGlyphs(Style);
    if (Style == csBorland || (Style == csTheme && themed))
        return {false, {RadioGlyphCell, -2}, {20, -2}};
    if (Style == csULK || Style == csGlyph || (Style == csWinXP && themed))
        return {false, {RadioGlyphCell, 1}, {18, 1}};
    return {};
}

void DrawRadioGlyph(TCanvas* Canvas, const TRect& Box, bool Checked, bool EnabledLook,
                    const TControlLook& Look) {
    const TGridControlStyle style = Look.ControlStyle();
    switch (style) {
    case csBorland:
        DrawBorlandRadio(Canvas, Box.Left, Box.Top, Checked, Look.Color());
        return;
    case csULK:
        DrawULKGlyph(Canvas, Box.Left, Box.Top, "ESGRAD", Checked, EnabledLook);
        return;
    case csGlyph:
        DrawGlyphTransparent(Canvas, Box.Left, Box.Top,
                        Checked ? Look.RadioOnGlyph() : Look.RadioOffGlyph());
        return;
    default:
        break;
    }
    if (UsesThemedGlyphs(style) && DrawThemePart(Canvas, TThemePart::RadioButton,
                                                 CheckStates(Checked, false, EnabledLook), Box))
        return;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(EnabledLook ? clWhite : clSilver);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(style == csClassic ? clBlack : clGray);
    Canvas->Ellipse(Box);
    if (!Checked)
        return;
    const int inset = std::max(2, (Box.Right - Box.Left) / 3);
    const TColor mark = EnabledLook ? clBlack : clGray;
    Canvas->Brush()->SetColor(mark);
    Canvas->Pen()->SetColor(mark);
    Canvas->Ellipse(Box.Left + inset, Box.Top + inset, Box.Right - inset, Box.Bottom - inset);
}
