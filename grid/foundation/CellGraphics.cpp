#include "grid/foundation/CellGraphics.h"

#include "grid/foundation/ExDrawing.h"
#include "platform/core/CodePage.h"
#include "platform/core/IntegerConversion.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Control.h"
#include "platform/ui/Font.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

// Round with halves to the even neighbour.
int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Keeps the drawing inside r: the clip narrows to it for the call and is given back after,
// while pen, brush and font keep what the drawing left in them.
class ClipTo {
public:
    ClipTo(TCanvas* canvas, const TRect& r) : FCanvas(canvas) {
        FCanvas->SaveState();
        FCanvas->IntersectClipRect(r);
    }
    ~ClipTo() {
        TPen pen;
        TBrush brush;
        TFont font;
        pen.Assign(*FCanvas->Pen());
        brush.Assign(*FCanvas->Brush());
        font.Assign(*FCanvas->Font());
        FCanvas->RestoreState();
        FCanvas->Pen()->Assign(pen);
        FCanvas->Brush()->Assign(brush);
        FCanvas->Font()->Assign(font);
    }
    ClipTo(const ClipTo&) = delete;
    ClipTo& operator=(const ClipTo&) = delete;

private:
    TCanvas* FCanvas;
};

void SetFill(TCanvas* canvas, TColor color) {
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetStyle(psSolid);
}

// One number conversion: "%[-][width][.precision]type", width and precision kept small.
struct Conversion {
    size_t Start = 0;
    size_t End = 0;
    std::string Spec;
    char Type = 0;
};

bool ParseConversion(const std::string& format, size_t start, Conversion& conversion) {
    size_t i = start + 1;
    std::string spec = "%";
    if (i < format.size() && format[i] == '-')
        spec += format[i++];
    auto digits = [&](int limit) {
        size_t first = i;
        while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])))
            ++i;
        std::string number = format.substr(first, i - first);
        if (number.size() > 3 || (!number.empty() && std::stoi(number) > limit))
            return false;
        spec += number;
        return true;
    };
    if (!digits(64))
        return false;
    if (i < format.size() && format[i] == '.') {
        spec += format[i++];
        if (!digits(18))
            return false;
    }
    if (i >= format.size())
        return false;
    const char type = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
    if (std::string_view("duxefgnm").find(type) == std::string_view::npos)
        return false;
    conversion = {start, i + 1, spec, type};
    return true;
}

std::string ApplyConversion(const Conversion& conversion, double value) {
    char buffer[128];
    switch (conversion.Type) {
    case 'd':
    case 'u':
    case 'x': {
        const double rounded = std::clamp(std::nearbyint(value), -9.2e18, 9.2e18);
        const std::string spec = conversion.Spec + (conversion.Type == 'x' ? "llX" : "lld");
        std::snprintf(buffer, sizeof buffer, spec.c_str(), static_cast<long long>(rounded));
        break;
    }
    default: {
        // "n" and "m" are fixed-point numbers as well; two decimals unless told otherwise.
        std::string spec = conversion.Spec;
        if (spec.find('.') == std::string::npos && conversion.Type != 'e' && conversion.Type != 'g')
            spec += ".2";
        spec += conversion.Type == 'e' || conversion.Type == 'g' ? conversion.Type : 'f';
        std::snprintf(buffer, sizeof buffer, spec.c_str(), value);
        break;
    }
    }
    return buffer;
}

} // namespace

std::string FormatProgressText(const std::string& FormatText, double Value) {
    std::string result;
    bool converted = false;
    for (size_t i = 0; i < FormatText.size(); ++i) {
        if (FormatText[i] != '%') {
            result += FormatText[i];
            continue;
        }
        if (i + 1 < FormatText.size() && FormatText[i + 1] == '%') {
            result += '%';
            ++i;
            continue;
        }
        Conversion conversion;
        if (!converted && ParseConversion(FormatText, i, conversion)) {
            result += ApplyConversion(conversion, Value);
            converted = true;
            i = conversion.End - 1;
            continue;
        }
        result += '%';
    }
    return result;
}

void DrawErrorUnderline(const TWinControl* Owner, TCanvas* Canvas, const std::string& Text,
                        const TRect& Rect, int TextHeight, int ErrPos, int ErrLen) {
    if (!Canvas || Rect.IsEmpty())
        return;
    // Character positions as a single-line edit in the owner's font lays them out.
    TCanvas measure;
    measure.Font()->Assign(Owner ? *Owner->Font() : *Canvas->Font());
    const std::u16string text = Utf8ToUtf16(Text);
    const int length = static_cast<int>(text.size());
    auto xOf = [&](int index) {
        index = std::clamp(index, 0, length);
        return measure.TextWidth(Utf16ToUtf8(text.substr(0, static_cast<size_t>(index))));
    };
    ErrPos = std::max(ErrPos, 0);
    ErrLen = std::max(ErrLen, 0);
    const int lastStart = std::max(length - 1, 0);
    const int x0 = ErrPos < length ? xOf(ErrPos) : xOf(lastStart) + 4;
    const int x1 = ErrPos + ErrLen < length ? xOf(ErrPos + ErrLen - 1) : xOf(lastStart) + 4;
    const int y0 = 0;
    const int y1 = y0;

    ClipTo clip(Canvas, Rect);
    Canvas->Pen()->SetColor(clRed);
    Canvas->Pen()->SetWidth(2);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->MoveTo(Rect.Left + x0, Rect.Top + y0 + TextHeight + 3);
    int x = x0;
    int offset = 0;
    for (; x <= x1; x += 3) {
        Canvas->LineTo(Rect.Left + x + 3, Rect.Top + y1 + TextHeight + offset);
        offset = 3 - offset;
    }
    Canvas->LineTo(Rect.Left + x + 3, Rect.Top + y1 + TextHeight + offset);
}

void DrawValueBar(TCanvas* Canvas, const TRect& Rect, int Value, int Range, bool ShowValue,
                  TColor NegColor, TColor PosColor) {
    if (!Canvas)
        return;
    TRect r = Rect;
    InflateRect(r, -2, -2);
    // The value's text is not shown: the bar carries it.
    (void)ShowValue;
    if (Range <= 0 || r.IsEmpty())
        return;
    const int half = r.Width() / 2;
    const int value = std::clamp(Value, -Range, Range);
    const int w = Round(static_cast<double>(value) * half / Range);
    ClipTo clip(Canvas, Rect);
    if (value < 0) {
        SetFill(Canvas, NegColor);
        Canvas->Rectangle(r.Left + half + w, r.Top, r.Left + half, r.Bottom);
    } else {
        SetFill(Canvas, PosColor);
        Canvas->Rectangle(r.Left + half, r.Top, r.Left + half + w, r.Bottom);
    }
}

void DrawProgressBar(TCanvas* Canvas, const TRect& Rect, TColor Color, TColor TextColor,
                     TColor BkColor, TColor BkTextColor, double Value, int MarginX, int MarginY,
                     int Min, int Max, const std::string& FormatText, TColor BorderColor,
                     bool Print) {
    if (!Canvas)
        return;
    const TColor kept = Canvas->Brush()->Color();
    std::string text;
    int percent = 0;
    if (FormatText.empty()) {
        text = IntToStr(Round(Value)) + "%";
        percent = Round(Value);
    } else {
        const bool whole = FormatText.find_first_of("du") != std::string::npos;
        text = FormatProgressText(FormatText, whole ? std::nearbyint(Value) : Value);
        if (Max != Min)
            percent = Round((Value - Min) * 100 / (Max - Min));
        else
            percent = Value >= Max ? 100 : 0;
    }
    percent = std::clamp(percent, 0, 100);

    ClipTo clip(Canvas, Rect);
    TRect r = Rect;
    InflateRect(r, -MarginX, -MarginY);
    const int fill = Round(static_cast<double>(r.Width()) * percent / 100);
    const int textHeight = Canvas->TextHeight(text);
    const int x = r.Left + (r.Width() - Canvas->TextWidth(text)) / 2;
    const int y = r.Top + (r.Height() - (Print ? -textHeight : textHeight)) / 2;

    SetFill(Canvas, Color);
    Canvas->Font()->SetColor(TextColor);
    Canvas->TextRect(::Rect(r.Left, r.Top, r.Left + fill, r.Bottom), x, y, text);
    SetFill(Canvas, BkColor);
    Canvas->Font()->SetColor(BkTextColor);
    Canvas->TextRect(::Rect(r.Left + fill, r.Top, r.Right, r.Bottom), x, y, text);

    Canvas->Brush()->SetColor(BorderColor);
    Canvas->Pen()->SetColor(kept);
    InflateRect(r, 1, 1);
    if (BorderColor != clNone)
        Canvas->FrameRect(r);
    Canvas->Brush()->SetColor(kept);
    InflateRect(r, 1, 1);
    Canvas->FrameRect(r);
}

void DrawProgressPie(TCanvas* Canvas, const TRect& Rect, TColor Color, int Value, bool Print) {
    if (!Canvas || Rect.IsEmpty())
        return;
    constexpr TColor border = 0x808080;
    ClipTo clip(Canvas, Rect);
    Canvas->Pen()->SetColor(border);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Ellipse(Rect);
    const int w = Rect.Width();
    const int h = Rect.Height();
    const int cx = Rect.Left + w / 2;
    const int cy = Rect.Top + h / 2;
    const double angle = Value / 100.0 * 2 * std::numbers::pi;
    Canvas->MoveTo(cx, Rect.Top);
    Canvas->LineTo(cx, cy);
    Canvas->LineTo(cx + Round((w + 1) * 0.5 * std::sin(angle)),
                   cy - Round((h + 1) * 0.5 * std::cos(angle)));
    if (Value != 0) {
        Canvas->Brush()->SetColor(Color);
        Canvas->FloodFill(cx + 1, Print ? Rect.Top - 2 : Rect.Top + 2, border, fsBorder);
    }
}

namespace {

struct LevelColors {
    TColor Color;
    TColor ColorTo;
};

LevelColors ColorsOfLevel(const TLevelProgressAppearance& look, int level) {
    switch (level) {
    case 0:
        return {look.Level0Color, look.Level0ColorTo};
    case 1:
        return {look.Level1Color, look.Level1ColorTo};
    case 2:
        return {look.Level2Color, look.Level2ColorTo};
    default:
        return {look.Level3Color, look.Level3ColorTo};
    }
}

// Draws bar pieces along the bar: from the left edge, or from the bottom edge upward when
// vertical, inset from the frame.
class LevelBar {
public:
    LevelBar(TCanvas* canvas, const TRect& r, const TLevelProgressAppearance& look)
        : FCanvas(canvas), FRect(r), FLook(look) {}

    // A piece from start to start + length along the bar, inset pixels inside the frame.
    void Piece(int start, int length, int inset, LevelColors colors) const {
        if (length <= 0)
            return;
        TRect piece;
        if (FLook.Vertical)
            piece = Rect(FRect.Left + inset, FRect.Bottom - inset - start - length,
                         FRect.Right - inset, FRect.Bottom - inset - start);
        else
            piece = Rect(FRect.Left + inset + start, FRect.Top + inset,
                         FRect.Left + inset + start + length, FRect.Bottom - inset);
        if (piece.IsEmpty())
            return;
        if (!FLook.ShowGradient) {
            SetFill(FCanvas, colors.Color);
            FCanvas->FillRect(piece);
            return;
        }
        // Across the bar's thickness: the end colour at both edges, the colour in the middle.
        TRect first = piece;
        TRect second = piece;
        if (FLook.Vertical) {
            first.Right = second.Left = piece.Left + piece.Width() / 2;
            DrawGradient(FCanvas, colors.ColorTo, colors.Color, FLook.Steps, first, true);
            DrawGradient(FCanvas, colors.Color, colors.ColorTo, FLook.Steps, second, true);
        } else {
            first.Bottom = second.Top = piece.Top + piece.Height() / 2;
            DrawGradient(FCanvas, colors.ColorTo, colors.Color, FLook.Steps, first, false);
            DrawGradient(FCanvas, colors.Color, colors.ColorTo, FLook.Steps, second, false);
        }
    }

private:
    TCanvas* FCanvas;
    TRect FRect;
    const TLevelProgressAppearance& FLook;
};

void DrawStackedLevels(const LevelBar& bar, int percent, int size,
                       const TLevelProgressAppearance& look) {
    const int first = Round(size * std::min(percent, look.Level1Perc) / 100.0);
    bar.Piece(0, first, 1, ColorsOfLevel(look, 0));
    if (percent < look.Level1Perc)
        return;
    const int second = Round(size * (std::min(percent, look.Level2Perc) - look.Level1Perc) / 100.0);
    bar.Piece(first, second, 1, ColorsOfLevel(look, 1));
    if (percent < look.Level2Perc)
        return;
    const int third =
        percent >= 100 ? size - first - second : Round(size * (percent - look.Level2Perc) / 100.0);
    bar.Piece(first + second, std::min(third, size - first - second), 1, ColorsOfLevel(look, 3));
}

void DrawLevelBar(const LevelBar& bar, int percent, int size,
                  const TLevelProgressAppearance& look) {
    int level = 3;
    if (percent < look.Level1Perc)
        level = 0;
    else if (percent < look.Level2Perc)
        level = 1;
    else if (percent < 100)
        level = 2;
    const LevelColors colors = ColorsOfLevel(look, level);
    const int length = Round(std::min(percent, 100) * size / 100.0);
    if (look.CompletionSmooth) {
        bar.Piece(0, length, 1, colors);
        return;
    }
    if (length <= 1)
        return;
    if (length <= 9) {
        bar.Piece(0, length - 1, 2, colors);
        return;
    }
    for (int block = 0; block < length / 9; ++block)
        bar.Piece(block * 9, 7, 2, colors);
    if (length % 9 > 2)
        bar.Piece(length / 9 * 9, length % 9 - 1, 2, colors);
}

void DrawPercentage(TCanvas* canvas, const TRect& r, int percent,
                    const TLevelProgressAppearance& look) {
    if (look.Font)
        canvas->Font()->Assign(*look.Font);
    canvas->Font()->SetColor(look.CompleteFontColor);
    canvas->Brush()->SetStyle(bsClear);
    const std::string text = IntToStr(percent) + "%";
    const int cx = r.Left + r.Width() / 2;
    const int cy = r.Top + r.Height() / 2;
    if (look.Vertical)
        canvas->TextOutRotated(cx - canvas->TextHeight(text) / 2, cy + canvas->TextWidth(text) / 2,
                               900, text);
    else
        canvas->TextOut(cx - canvas->TextWidth(text) / 2, cy - canvas->TextHeight(text) / 2, text);
}

} // namespace

void DrawLevelProgress(TCanvas* Canvas, const TRect& Rect, int Percent,
                       const TLevelProgressAppearance& Look) {
    if (!Canvas || Rect.IsEmpty())
        return;
    ClipTo clip(Canvas, Rect);
    const TColor frame = Look.ShowBorder ? Look.BorderColor : Look.UnCompleteColor;
    Canvas->Brush()->SetColor(Look.UnCompleteColor);
    Canvas->Pen()->SetColor(frame);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(frame == clNone ? psClear : psSolid);
    Canvas->Rectangle(Rect);
    const int size = (Look.Vertical ? Rect.Height() : Rect.Width()) - 2;
    if (Percent > 0 && size > 0) {
        const LevelBar bar(Canvas, Rect, Look);
        if (Look.Stacked)
            DrawStackedLevels(bar, std::min(Percent, 100), size, Look);
        else
            DrawLevelBar(bar, Percent, size, Look);
    }
    if (Look.ShowPercentage)
        DrawPercentage(Canvas, Rect, Percent, Look);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(frame);
    Canvas->Pen()->SetStyle(frame == clNone ? psClear : psSolid);
    Canvas->Rectangle(Rect);
}

namespace {

constexpr double Degrees = std::numbers::pi / 180;

// The star's points k (every 36 degrees clockwise from twelve o'clock), the odd ones on a third
// of the radii.
TPoint StarPoint(int x, int y, int w, int h, int k) {
    const double rx = (k % 2 == 0) ? w / 2 : (w / 2) / 3.0;
    const double ry = (k % 2 == 0) ? h / 2 : (h / 2) / 3.0;
    const int cx = x + w / 2;
    const int cy = y + h / 2;
    return {cx + Round(std::sin(k * 36 * Degrees) * rx),
            cy - Round(std::cos(k * 36 * Degrees) * ry)};
}

std::vector<TPoint> ShapeOutline(int X, int Y, int w, int h, TCellShape shape) {
    switch (shape) {
    case csTriangleLeft:
        return {{X + w, Y}, {X + w, Y + h}, {X, Y + h / 2}};
    case csTriangleRight:
        return {{X, Y}, {X, Y + h}, {X + w, Y + h / 2}};
    case csTriangleUp:
        return {{X, Y + h}, {X + w, Y + h}, {X + w / 2, Y}};
    case csTriangleDown:
        return {{X, Y}, {X + w, Y}, {X + w / 2, Y + h}};
    case csDiamond:
        return {{X, Y + h / 2},
                {X + w / 2, Y},
                {X + 2 * (w / 2), Y + h / 2},
                {X + w / 2, Y + 2 * (h / 2)}};
    case csStar: {
        std::vector<TPoint> points;
        for (int k = 0; k < 10; ++k)
            points.push_back(StarPoint(X, Y, w, h, k));
        return points;
    }
    case csHalfStar: {
        std::vector<TPoint> points;
        for (int k : {0, 5, 6, 7, 8, 9})
            points.push_back(StarPoint(X, Y, w, h, k));
        return points;
    }
    case csArrowUp:
    case csArrowDown: {
        w -= w % 2;
        const int q = w / 4;
        const int mid = Y + h / 2;
        if (shape == csArrowUp)
            return {{X, mid},           {X + w / 2, Y}, {X + w, mid}, {X + 3 * q, mid},
                    {X + 3 * q, Y + h}, {X + q, Y + h}, {X + q, mid}};
        return {{X, mid},       {X + w / 2, Y + h}, {X + w, mid}, {X + 3 * q, mid},
                {X + 3 * q, Y}, {X + q, Y},         {X + q, mid}};
    }
    case csArrowLeft:
    case csArrowRight: {
        h -= h % 2;
        const int q = h / 4;
        const int mid = X + w / 2;
        if (shape == csArrowLeft)
            return {{X, Y + h / 2},     {mid, Y},         {mid, Y + q}, {X + w, Y + q},
                    {X + w, Y + 3 * q}, {mid, Y + 3 * q}, {mid, Y + h}};
        return {{X + w, Y + h / 2}, {mid, Y},         {mid, Y + q}, {X, Y + q},
                {X, Y + 3 * q},     {mid, Y + 3 * q}, {mid, Y + h}};
    }
    default:
        return {};
    }
}

} // namespace

void DrawCellShape(TCanvas* Canvas, int X, int Y, int W, int H, TCellShape Shape, TColor FillColor,
                   TColor LineColor) {
    if (!Canvas || W <= 0 || H <= 0 || Shape < csRectangle || Shape > csHalfStar)
        return;
    ClipTo clip(Canvas, Bounds(X, Y, W, H));
    Canvas->Brush()->SetColor(FillColor);
    Canvas->Pen()->SetColor(LineColor);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    int w = W;
    int h = H;
    if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare)
        w = h = std::min(W, H);
    switch (Shape) {
    case csRectangle:
    case csSquare:
        Canvas->Rectangle(X + 1, Y + 1, X + w - 1, Y + h - 1);
        break;
    case csCircle:
    case csEllips:
        Canvas->Ellipse(X, Y, X + w, Y + h);
        break;
    case csLineVert:
        Canvas->Rectangle(X + w / 2, Y, X + w / 2 + 1, Y + h);
        break;
    case csLineHorz:
        Canvas->Rectangle(X, Y + h / 2, X + w, Y + h / 2 + 1);
        break;
    case csRoundRect:
    case csRoundSquare:
        Canvas->RoundRect(X, Y, X + w, Y + h, 10, 10);
        break;
    default:
        Canvas->Polygon(ShapeOutline(X, Y, w, h, Shape));
        break;
    }
}
