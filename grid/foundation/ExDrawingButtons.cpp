#include "grid/foundation/ExDrawing.h"

#include "grid/foundation/VisualStyleTable.h"
#include "platform/ui/Canvas.h"

#include <string_view>
#include <vector>

namespace {

const TColorTone& ToneOf(const TColorTones& tones, int state) {
    switch (state) {
    case bstHot:
        return tones.Hover;
    case bstDown:
        return tones.Selected;
    case bstDisabled:
        return tones.Disabled;
    default:
        return tones.Background;
    }
}

void FilledShape(TCanvas* canvas, TColor color, const std::vector<TPoint>& points) {
    canvas->Pen()->SetColor(color);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->Polygon(points);
}

void ToneRectangle(TCanvas* canvas, TColor fill, TColor outline, const TRect& r) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(fill);
    canvas->Pen()->SetColor(outline);
    canvas->Pen()->SetWidth(1);
    canvas->Rectangle(r);
}

void ThemePart(const TControl* window, std::string_view themeClass, TCanvas* canvas, int part,
               int state, const TRect& r) {
    TVisualStyleTable& styles = ExXPVS();
    HTHEME theme = styles.OpenThemeData(window, themeClass);
    styles.DrawThemeBackground(theme, canvas, part, state, r);
    styles.CloseThemeData(theme);
}

// The classic frame control: a raised face, sunken when down, a single line when flat.
void ClassicFace(TCanvas* canvas, TRect r, bool down, bool flat, bool hot) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(hot ? cl3DLight : clBtnFace);
    canvas->FillRect(r);
    auto edge = [canvas](TColor topLeft, TColor bottomRight, const TRect& e) {
        canvas->Pen()->SetWidth(1);
        canvas->Pen()->SetColor(topLeft);
        canvas->MoveTo(e.Left, e.Bottom - 1);
        canvas->LineTo(e.Left, e.Top);
        canvas->LineTo(e.Right - 1, e.Top);
        canvas->Pen()->SetColor(bottomRight);
        canvas->LineTo(e.Right - 1, e.Bottom - 1);
        canvas->LineTo(e.Left - 1, e.Bottom - 1);
    };
    if (flat) {
        edge(clBtnShadow, clBtnShadow, r);
        return;
    }
    if (down) {
        edge(clBtnShadow, clBtnShadow, r);
        return;
    }
    edge(clBtnHighlight, cl3DDkShadow, r);
    InflateRect(r, -1, -1);
    edge(cl3DLight, clBtnShadow, r);
}

// A classic scroll arrow centred in r.
void ClassicArrow(TCanvas* canvas, const TRect& r, bool up, bool inactive) {
    int cx = r.Left + r.Width() / 2;
    int cy = r.Top + r.Height() / 2;
    TColor color = inactive ? clGrayText : clBtnText;
    if (up)
        FilledShape(canvas, color, {{cx - 3, cy + 1}, {cx + 3, cy + 1}, {cx, cy - 2}});
    else
        FilledShape(canvas, color, {{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}});
}

int ThemeState(int state) {
    switch (state) {
    case bstHot:
        return TS_HOT;
    case bstDown:
        return TS_PRESSED;
    case bstDisabled:
        return TS_DISABLED;
    default:
        return TS_NORMAL;
    }
}

} // namespace

void DrawDownTriangle(TCanvas* Canvas, int X, int Y, TColor Color) {
    FilledShape(Canvas, Color, {{X - 3, Y}, {X + 3, Y}, {X, Y + 3}});
}

void DrawDropDownButton(TCanvas* Canvas, const TControl* Window, TRect R, int Style, int State,
                        const TColorTones& Tones) {
    R.Left = R.Right - 17;
    InflateRect(R, 0, -1);
    OffsetRect(R, -2, 0);
    bool disabled = State == bstDisabled;
    switch (Style) {
    case bdsVisualStyle:
        ThemePart(Window, "combobox", Canvas, CP_DROPDOWNBUTTON, disabled ? TS_DISABLED : TS_NORMAL,
                  R);
        break;
    case bdsClassic:
    case bdsFlat:
        ClassicFace(Canvas, R, State == bstDown, Style == bdsFlat, false);
        ClassicArrow(Canvas, R, false, disabled);
        break;
    default: {
        R.Left += 3;
        const TColorTone& tone = ToneOf(Tones, State);
        ToneRectangle(Canvas, tone.BrushColor, tone.BrushColor, R);
        Canvas->Pen()->SetColor(Tones.Background.BorderColor);
        Canvas->MoveTo(R.Left + 1, R.Top);
        Canvas->LineTo(R.Left + 1, R.Bottom);
        FilledShape(Canvas, Tones.Background.TextColor,
                    {{R.Left + 5, R.Top + 8}, {R.Left + 11, R.Top + 8}, {R.Left + 8, R.Top + 11}});
        break;
    }
    }
}

void DrawButtonFace(TCanvas* Canvas, const TControl* Window, TRect R, int Style, int State,
                    const TColorTones& Tones) {
    switch (Style) {
    case bdsVisualStyle:
        ThemePart(Window, "button", Canvas, BP_PUSHBUTTON, ThemeState(State), R);
        break;
    case bdsClassic:
    case bdsFlat:
        ClassicFace(Canvas, R, State == bstDown, Style == bdsFlat, State == bstHot);
        break;
    default: {
        const TColorTone& tone = ToneOf(Tones, State);
        ToneRectangle(Canvas, tone.BrushColor, tone.BorderColor, R);
        break;
    }
    }
}

void DrawSpinButtons(TCanvas* Canvas, const TControl* Window, TRect R, int Style, int State,
                     const TColorTones& Tones) {
    R.Left = R.Right - 15;
    OffsetRect(R, -1, -1);
    const int middle = R.Top + R.Height() / 2;
    TRect upper{R.Left, R.Top, R.Right, middle};
    bool disabled = State == bstDisabled;
    switch (Style) {
    case bdsVisualStyle: {
        int state = disabled ? TS_DISABLED : TS_NORMAL;
        ThemePart(Window, "spin", Canvas, SPNP_UP, state, upper);
        ThemePart(Window, "spin", Canvas, SPNP_DOWN, state,
                  TRect{R.Left, middle, R.Right, R.Bottom});
        break;
    }
    case bdsClassic:
    case bdsFlat: {
        TRect lower{R.Left, middle + 1, R.Right, R.Bottom};
        ClassicFace(Canvas, upper, State == bstDown, Style == bdsFlat, false);
        ClassicArrow(Canvas, upper, true, disabled);
        ClassicFace(Canvas, lower, State == bstDown, Style == bdsFlat, false);
        ClassicArrow(Canvas, lower, false, disabled);
        break;
    }
    default: {
        const TColorTone& tone = ToneOf(Tones, State);
        TRect lower{R.Left, middle + 1, R.Right, R.Bottom};
        ToneRectangle(Canvas, tone.BrushColor, tone.BrushColor, upper);
        ToneRectangle(Canvas, tone.BrushColor, tone.BrushColor, lower);
        FilledShape(Canvas, clBlack,
                    {{R.Left + 5, R.Top + 5}, {R.Left + 9, R.Top + 5}, {R.Left + 7, R.Top + 3}});
        const int t = lower.Top;
        FilledShape(Canvas, clBlack,
                    {{R.Left + 5, t + 1}, {R.Left + 9, t + 1}, {R.Left + 7, t + 3}});
        break;
    }
    }
}
