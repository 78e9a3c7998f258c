// Drawing the clock: the background cache, the dial, marks, numbers, AM/PM box and hands.
#include "grid/dropdown/ExWatch.h"

#include "grid/dropdown/WatchTime.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/LayoutRounding.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Image.h"

#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

using WatchTime::Decode;
using WatchTime::Encode;
using WatchTime::TTimeParts;

namespace {

constexpr int GradientBands = 80;
constexpr int FaceCorner = 20;
constexpr int AMPMCorner = 5;
constexpr auto AMPMFrameDelay = std::chrono::milliseconds(10);

double Radians(double Degrees) {
    return Degrees * std::numbers::pi / 180;
}

// A point at an angle clockwise from 12 and K radii from the centre, shifted by (DX, DY).
struct TDialPoint {
    TPoint Center;
    double Radius;
    TPoint operator()(double Angle, double K, int DX = 0, int DY = 0) const {
        const double a = Radians(Angle);
        return {RoundHalfEven(Center.X + DX + K * Radius * std::sin(a)),
                RoundHalfEven(Center.Y + DY - K * Radius * std::cos(a))};
    }
};

void Line(TCanvas* Canvas, TPoint From, TPoint To) {
    Canvas->MoveTo(From.X, From.Y);
    Canvas->LineTo(To.X, To.Y);
}

// The pen colour, or no pen at all for clNone.
void SetPen(TCanvas* Canvas, TColor Color, int Width) {
    Canvas->Pen()->SetStyle(Color == clNone ? psClear : psSolid);
    if (Color != clNone)
        Canvas->Pen()->SetColor(Color);
    Canvas->Pen()->SetWidth(Width);
}

void ClearBrush(TCanvas* Canvas) {
    Canvas->Brush()->SetStyle(bsClear);
}

void DrawPictureTransparent(TCanvas* Canvas, TPicture* Picture, const TRect& R) {
    if (!Canvas || !Picture || Picture->Empty() || R.IsEmpty())
        return;
    TBitmap bitmap(R.Width(), R.Height());
    bitmap.SetTransparentMode(tmAuto);
    bitmap.Canvas()->Draw(0, 0, Picture->Bitmap());
    bitmap.SetTransparent(true);
    Canvas->StretchDraw(R, &bitmap);
}

} // namespace

// --- the cache and the screen --------------------------------------------------------------------

TColor TExWatch::BackgroundColor() const {
    return Parent() ? Parent()->Color() : Color();
}

void TExWatch::BuildCache() {
    const TRect client = ClientRect();
    FBKGCache->SetSize(client.Width(), client.Height());
    TCanvas* cache = FBKGCache->Canvas();
    // The parent's background, painted rather than read back from the screen.
    FCacheBackground = BackgroundColor();
    cache->Brush()->SetColor(FCacheBackground);
    cache->Brush()->SetStyle(bsSolid);
    cache->FillRect(client);
    DrawFace(cache, client);
    DrawMarks(cache);
    DrawAMPM(cache);
    FCacheValid = true;
}

void TExWatch::PaintWatchTo(TCanvas* Canvas) {
    if (!FCacheValid || FBKGCache->Width() != ClientWidth() ||
        FBKGCache->Height() != ClientHeight() || FCacheBackground != BackgroundColor())
        BuildCache();
    Canvas->Draw(0, 0, FBKGCache.get());
    DrawPointers(Canvas);
}

void TExWatch::Paint() {
    if (FFrame) {
        Canvas()->Draw(0, 0, FFrame.get());
        return;
    }
    PaintWatchTo(Canvas());
}

void TExWatch::PaintWatch() {
    FCacheValid = false;
    Invalidate();
}

void TExWatch::RefreshPointers() {
    if (FSettings->Auto()) {
        // The box follows the running clock, without the scroll.
        FInternalSet = true;
        SetAMPM(Decode(GetCurrentTime()).H < 12);
        FInternalSet = false;
    }
    Repaint();
}

void TExWatch::ShowFrame(std::unique_ptr<TBitmap> Frame) {
    FFrame = std::move(Frame);
    Repaint();
    FFrame.reset();
}

void TExWatch::SetAMPM(bool AM) {
    if (AM == FAM)
        return;
    FAM = AM;
    if (FAnimation && FShowAMPM && FAppearance->AMPMColor() != clNone && !FInternalSet)
        ScrollAMPM();
    PaintWatch();
}

// --- the dial ------------------------------------------------------------------------------------

void TExWatch::DrawFace(TCanvas* Canvas, const TRect& R) {
    const TWatchShape shape = FAppearance->Shape();
    const TRect face = shape == wsCircle ? GetFaceRect() : R;
    const TRect clip = Rect(face.Left - 1, face.Top - 1, face.Right + 2, face.Bottom + 2);
    Canvas->SaveState();
    if (shape == wsCircle)
        Canvas->IntersectClipEllipse(clip);
    else if (shape == wsRoundRect)
        Canvas->IntersectClipRoundRect(clip, FaceCorner, FaceCorner);
    const TColor from = FAppearance->BackgroundColor();
    const TColor to = FAppearance->BackgroundColorTo();
    if (from != clNone && to != clNone) {
        DrawGradientBands(Canvas, from, to, GradientBands, face,
                          FAppearance->BackgroundGradient() == wgRadial);
    } else if (from != clNone) {
        Canvas->Brush()->SetColor(from);
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->FillRect(face);
    }
    const int width = FAppearance->BorderWidth();
    if (FAppearance->BorderColor() != clNone && width > 0) {
        SetPen(Canvas, FAppearance->BorderColor(), width);
        ClearBrush(Canvas);
        // A wide pen is centred on its path: the outline goes in by half of it so that the
        // whole border lies inside the dial's rectangle.
        const int in = width / 2;
        const TRect outline =
            Rect(face.Left + in, face.Top + in, face.Right - in, face.Bottom - in);
        if (shape == wsCircle)
            Canvas->Ellipse(outline);
        else if (shape == wsRect)
            Canvas->Rectangle(outline);
        else
            Canvas->RoundRect(outline.Left, outline.Top, outline.Right, outline.Bottom, FaceCorner,
                              FaceCorner);
    }
    Canvas->RestoreState();
    DrawPictureTransparent(Canvas, FAppearance->Picture(), R);
}

void TExWatch::DrawMarks(TCanvas* Canvas) {
    DrawTickMarks(Canvas);
    DrawNumbers(Canvas);
}

void TExWatch::DrawTickMarks(TCanvas* Canvas) {
    const TTickMarks marks = FAppearance->TickMarks();
    if (marks == tmNone)
        return;
    const TPoint c = GetFaceCenter();
    const double outer = GetFaceRadius() - FAppearance->BorderWidth() / 2;
    auto mark = [&](double Angle, double Inner, int DX, int DY) {
        const double a = Radians(Angle);
        Line(Canvas,
             {RoundHalfEven(c.X + Inner * std::cos(a)) + DX,
              RoundHalfEven(c.Y + Inner * std::sin(a)) + DY},
             {RoundHalfEven(c.X + outer * std::cos(a)) + DX,
              RoundHalfEven(c.Y + outer * std::sin(a)) + DY});
    };
    const int hourLength = FAppearance->HourMarkLength();
    const double hourInner = hourLength > 0 ? outer - hourLength : outer * 0.9;
    SetPen(Canvas, FAppearance->HourColor(), FAppearance->HourMarkWidth());
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int angle = quarter * 90;
        if (FAppearance->HourMarkStyle() == hmsQuartDblLine) {
            // The marks at 3 and 9 lie across y, those at 6 and 12 across x.
            const bool horizontal = quarter % 2 == 0;
            mark(angle, hourInner, horizontal ? 0 : -2, horizontal ? -2 : 0);
            mark(angle, hourInner, horizontal ? 0 : 2, horizontal ? 2 : 0);
        } else {
            mark(angle, hourInner, 0, 0);
        }
    }
    if (marks == tmAll || marks == tmHours)
        for (int i = 1; i <= 11; ++i)
            if (i % 3 != 0)
                mark(30 * i, hourInner, 0, 0);
    if (marks != tmAll)
        return;
    const int minuteLength = FAppearance->MinuteMarkLength();
    const double minuteInner = minuteLength > 0 ? outer - minuteLength : outer * 0.95;
    SetPen(Canvas, FAppearance->MinuteColor(), FAppearance->MinuteMarkWidth());
    for (int i = 0; i < 60; ++i)
        if (i % 5 != 0)
            mark(6 * i, minuteInner, 0, 0);
}

void TExWatch::DrawNumbers(TCanvas* Canvas) {
    const TTickMarks marks = FAppearance->TickMarks();
    if (!FShowNumbers || marks == tmNone || marks == tmHours)
        return;
    const TPoint c = GetFaceCenter();
    const double outer = GetFaceRadius() - FAppearance->BorderWidth() / 2;
    Canvas->Font()->Assign(*FAppearance->HourFont());
    ClearBrush(Canvas);
    const int hourLength = FAppearance->HourMarkLength();
    const int b = hourLength > 0 ? hourLength : RoundHalfEven(outer - outer * 0.9) + 2;
    const double numberRadius = outer - (b + 2) - b;
    const int f = b / 2;
    for (int i = 1; i <= 12; ++i) {
        if (marks == tmQuartHours && i % 3 != 0)
            continue;
        const std::string text = std::to_string(i);
        const TPoint extent = MeasureTextExtent(Canvas, text);
        // The two-digit numbers next to the 12 are pulled in so they keep off the marks.
        const int pull = i == 10   ? RoundHalfEven(extent.Y * 0.2)
                         : i == 11 ? RoundHalfEven(extent.Y * 0.15)
                                   : 0;
        const double a = Radians(i * 30);
        const double rho = numberRadius - pull + f;
        const int x0 = RoundHalfEven(std::sin(a) * rho) + c.X + 1;
        const int y0 = c.Y - RoundHalfEven(std::cos(a) * rho) + 1;
        const TRect box = Rect(x0 - f, y0 - f, x0 + f, y0 + f);
        Canvas->TextOut(box.Right - box.Width() / 2 - extent.X / 2 - 1,
                        box.Bottom - box.Height() / 2 - extent.Y / 2 - 1, text);
    }
}

void TExWatch::DrawAMPM(TCanvas* Canvas) {
    if (!Canvas || !FShowAMPM)
        return;
    TRect box = GetAMPMRect();
    const TColor fill = FAppearance->AMPMColor();
    const TColor border = FAppearance->AMPMBorderColor();
    if (fill != clNone || border != clNone) {
        if (fill == clNone) {
            ClearBrush(Canvas);
        } else {
            Canvas->Brush()->SetColor(fill);
            Canvas->Brush()->SetStyle(bsSolid);
        }
        SetPen(Canvas, border, 1);
        if (FAppearance->AMPMFrame() == apRect)
            Canvas->Rectangle(box);
        else
            Canvas->RoundRect(box.Left, box.Top, box.Right, box.Bottom, AMPMCorner, AMPMCorner);
    }
    ClearBrush(Canvas);
    Canvas->Font()->Assign(*FAppearance->AMPMFont());
    Canvas->DrawText(FAM ? "AM" : "PM", box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

// --- the hands -----------------------------------------------------------------------------------

void TExWatch::DrawPointers(TCanvas* Canvas) {
    if (!Canvas)
        return;
    const TTimeParts now = Decode(GetCurrentTime());
    const double hourAngle = (now.H % 12) * 30 + now.M / 12.0 * 6;
    const double minuteAngle = now.M * 6;
    switch (FAppearance->PointerStyle()) {
    case psPointer:
        DrawPointerHands(Canvas, hourAngle, minuteAngle);
        break;
    case psShortLine:
        DrawLineHands(Canvas, hourAngle, minuteAngle, 0.75, false);
        break;
    case psLineArrow:
        DrawLineHands(Canvas, hourAngle, minuteAngle, 1, true);
        break;
    case psLine:
        DrawLineHands(Canvas, hourAngle, minuteAngle, 1, false);
        break;
    }
    if (FSettings->Auto() && FSettings->Second())
        DrawSecondHand(Canvas, now.S * 6);
    DrawCenterPoint(Canvas);
}

void TExWatch::DrawLineHands(TCanvas* Canvas, double HourAngle, double MinuteAngle, double Length,
                             bool Arrow) {
    const TDialPoint p{GetFaceCenter(), GetFaceRadius()};
    const TWatchAppearance& a = *FAppearance;
    auto hand = [&](double Angle, double Tip, TColor Color, int Width, int DX, int DY) {
        if (Color == clNone)
            return;
        SetPen(Canvas, Color, Width);
        Line(Canvas, p(Angle, -0.1, DX, DY), p(Angle, Tip * Length, DX, DY));
        if (!Arrow)
            return;
        // A head at the tip, as wide as a few pens.
        const double spread = 4.0 + Width;
        const TPoint tip = p(Angle, Tip * Length + 0.08, DX, DY);
        const double back = Tip * Length * GetFaceRadius();
        const double side = std::atan2(spread, back) * 180 / std::numbers::pi;
        const double k = std::hypot(back, spread) / GetFaceRadius();
        Canvas->Brush()->SetColor(Color);
        Canvas->Brush()->SetStyle(bsSolid);
        SetPen(Canvas, Color, 1);
        Canvas->Polygon({tip, p(Angle + side, k, DX, DY), p(Angle - side, k, DX, DY)});
    };
    hand(HourAngle, 0.46, a.HourPointerShadow(), a.HourPointerSize(), -1, 3);
    hand(MinuteAngle, 0.65, a.MinutePointerShadow(), a.MinutePointerSize(), 0, 3);
    hand(HourAngle, 0.5, a.HourPointer(), a.HourPointerSize(), 0, 0);
    hand(MinuteAngle, 0.7, a.MinutePointer(), a.MinutePointerSize(), 0, 0);
}

void TExWatch::DrawPointerHands(TCanvas* Canvas, double HourAngle, double MinuteAngle) {
    const TDialPoint p{GetFaceCenter(), GetFaceRadius()};
    auto hand = [&](double Angle, double Tip, TColor Color, int DX, int DY) {
        if (Color == clNone)
            return;
        Canvas->Brush()->SetColor(Color);
        Canvas->Brush()->SetStyle(bsSolid);
        SetPen(Canvas, Color, 1);
        Canvas->Polygon({p(Angle, -0.1, DX, DY), p(Angle + 90, -0.05, DX, DY),
                         p(Angle, Tip, DX, DY), p(Angle - 90, -0.05, DX, DY)});
    };
    hand(HourAngle, 0.5, FAppearance->HourPointerShadow(), 1, 3);
    hand(HourAngle, 0.5, FAppearance->HourPointer(), 0, 0);
    hand(MinuteAngle, 0.7, FAppearance->MinutePointerShadow(), 1, 3);
    hand(MinuteAngle, 0.7, FAppearance->MinutePointer(), 0, 0);
}

void TExWatch::DrawSecondHand(TCanvas* Canvas, double Angle) {
    const TDialPoint p{GetFaceCenter(), GetFaceRadius()};
    SetPen(Canvas, FAppearance->SecondPointer(), FAppearance->SecondPointerSize());
    Line(Canvas, p(Angle, -0.2), p(Angle, 0.9));
}

void TExWatch::DrawCenterPoint(TCanvas* Canvas) {
    const int s = FAppearance->CenterPointSize();
    if (s <= 0)
        return;
    const TPoint c = GetFaceCenter();
    auto dot = [&](int Size) {
        const int left = RoundHalfEven(c.X - Size / 2.0);
        const int top = RoundHalfEven(c.Y - Size / 2.0);
        Canvas->Ellipse(left, top, left + Size, top + Size);
    };
    if (FAppearance->CenterPointColor() != clNone) {
        Canvas->Brush()->SetColor(FAppearance->CenterPointColor());
        Canvas->Brush()->SetStyle(bsSolid);
        SetPen(Canvas, FAppearance->CenterPointColor(), 1);
        dot(s);
    }
    int ring = 0;
    if (FAppearance->CenterPointOuterBorderColor() != clNone) {
        ring = RoundHalfEven(s * 0.2);
        ClearBrush(Canvas);
        SetPen(Canvas, FAppearance->CenterPointOuterBorderColor(), ring);
        dot(s);
    }
    if (FAppearance->CenterPointBorderColor() != clNone) {
        ClearBrush(Canvas);
        SetPen(Canvas, FAppearance->CenterPointBorderColor(), RoundHalfEven(s * 0.1));
        dot(s - ring);
    }
}

// --- the AM/PM scroll ----------------------------------------------------------------------------

void TExWatch::ScrollAMPM() {
    if (!FCacheValid)
        BuildCache();
    const TRect box = GetAMPMRect();
    const TRect inner = Rect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1);
    const int w = inner.Width();
    const int h = inner.Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap strip(w, 2 * h);
    TCanvas* s = strip.Canvas();
    s->Brush()->SetColor(FAppearance->AMPMColor());
    SetPen(s, FAppearance->AMPMColor(), 1);
    s->Rectangle(0, 0, w, 2 * h);
    ClearBrush(s);
    s->Font()->Assign(*FAppearance->AMPMFont());
    TRect am = Rect(0, 0, w, h);
    TRect pm = Rect(0, h, w, 2 * h);
    s->DrawText("AM", am, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    s->DrawText("PM", pm, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    // Towards AM the PM half shows first and scrolls down out of the box.
    int offset = FAM ? h : 0;
    const int direction = FAM ? -1 : 1;
    for (int frame = 0; frame < h; ++frame) {
        auto picture = std::make_unique<TBitmap>(ClientWidth(), ClientHeight());
        TCanvas* pc = picture->Canvas();
        pc->Draw(0, 0, FBKGCache.get());
        pc->CopyRect(inner, s, Rect(0, offset, w, offset + h));
        SetPen(pc, FAppearance->AMPMBorderColor(), 1);
        ClearBrush(pc);
        if (FAppearance->AMPMFrame() == apRect)
            pc->Rectangle(box);
        else
            pc->RoundRect(box.Left, box.Top, box.Right, box.Bottom, AMPMCorner, AMPMCorner);
        DrawPointers(pc);
        ShowFrame(std::move(picture));
        offset += direction;
        std::this_thread::sleep_for(AMPMFrameDelay);
    }
}
