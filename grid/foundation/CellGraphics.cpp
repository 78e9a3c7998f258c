#include "grid/foundation/CellGraphics.h"

#include "grid/foundation/CellGraphicsSupport.h"
#include "platform/core/CodePage.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Control.h"
#include "platform/ui/Font.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace CellGraphicsSupport;

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
    const bool endsInside = ErrLen < length - ErrPos;
    const int x1 = endsInside ? xOf(ErrPos + ErrLen - 1) : xOf(lastStart) + 4;
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
    const std::string text = ProgressBarText(FormatText, Value);
    int percent = Round(Value);
    if (!FormatText.empty())
        percent = Max != Min ? Round((Value - Min) * 100 / (Max - Min)) : (Value >= Max ? 100 : 0);
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
