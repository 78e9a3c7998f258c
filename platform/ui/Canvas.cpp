#include "platform/ui/Canvas.h"

#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/CanvasImpl.h"
#include "platform/ui/internal/QtConvert.h"

#include <QPolygon>

#include <algorithm>
#include <cstdlib>

using QtConvert::ToQColor;
using QtConvert::ToQRect;

void TPen::Assign(const TPen& source) {
    FColor = source.FColor;
    FWidth = source.FWidth;
    FStyle = source.FStyle;
    FMode = source.FMode;
}

void TBrush::Assign(const TBrush& source) {
    FColor = source.FColor;
    FStyle = source.FStyle;
}

void TBrush::SetColor(TColor color) {
    FColor = color;
    if (color == clNone)
        FStyle = bsClear;
    else if (FStyle == bsClear)
        FStyle = bsSolid;
}

namespace CanvasStyle {

namespace {
QPainter::CompositionMode ModeFor(TPenMode mode) {
    switch (mode) {
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    case pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    case pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

Qt::BrushStyle BrushStyleFor(TBrushStyle style) {
    // In the order of TBrushStyle.
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                            Qt::VerPattern,   Qt::FDiagPattern,    Qt::BDiagPattern,
                                            Qt::CrossPattern, Qt::DiagCrossPattern};
    return styles[style];
}
} // namespace

void PreparePen(QPainter& painter, const TPen& pen) {
    if (pen.Style() == psClear) {
        painter.setPen(Qt::NoPen);
    } else {
        QPen qpen(ToQColor(pen.Color()));
        qpen.setWidth(pen.Width());
        static const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                              Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                              Qt::SolidLine};
        qpen.setStyle(styles[pen.Style()]);
        qpen.setCapStyle(Qt::FlatCap);
        qpen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(qpen);
    }
    painter.setCompositionMode(ModeFor(pen.Mode()));
    if (pen.Mode() == pmNot)
        painter.setPen(QPen(Qt::white, pen.Width()));
}

void PrepareBrush(QPainter& painter, const TBrush& brush) {
    painter.setBrush(QBrush(ToQColor(brush.Color()), BrushStyleFor(brush.Style())));
}

void PrepareText(QPainter& painter, const TFont& font, const QFont& qtFont) {
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(qtFont);
    painter.setPen(ToQColor(font.Color()));
    painter.setBrush(Qt::NoBrush);
}

} // namespace CanvasStyle

const QFont& TCanvas::Impl::QtFont(const TFont& font) {
    if (!CachedFont || !CachedFor.SameAs(font)) {
        CachedFor.Assign(font);
        CachedFont = std::make_unique<QFont>(QtConvert::ToQFont(font));
        CachedMetrics = std::make_unique<QFontMetrics>(*CachedFont);
        CachedLineHeight = CachedMetrics->height();
        CachedAscent = CachedMetrics->ascent();
    }
    return *CachedFont;
}

const QFontMetrics& TCanvas::Impl::Metrics(const TFont& font) {
    QtFont(font);
    return *CachedMetrics;
}

int TCanvas::Impl::LineHeight(const TFont& font) {
    QtFont(font);
    return CachedLineHeight;
}

int TCanvas::Impl::Ascent(const TFont& font) {
    QtFont(font);
    return CachedAscent;
}

QPainter* TCanvas::Impl::Acquire() {
    if (Painter)
        return Painter;
    if (!Image || Image->isNull())
        return nullptr;
    ImagePainter = std::make_unique<QPainter>(Image);
    Painter = ImagePainter.get();
    ApplyClip();
    return Painter;
}

void TCanvas::Impl::ApplyClip() {
    if (!Painter)
        return;
    if (!HasClip) {
        Painter->setClipping(false);
    } else if (MirrorWidth > 0 && MirrorSuspended) {
        Painter->setWorldTransform(Mirror() * BaseTransform);
        Painter->setClipRegion(Clip);
        Painter->setWorldTransform(BaseTransform);
    } else {
        Painter->setClipRegion(Clip);
    }
}

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>()), FImpl(std::make_unique<Impl>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::MoveTo(int x, int y) {
    FPenPos = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    TPoint from = FPenPos;
    FPenPos = {x, y};
    QPainter* p = FImpl->Acquire();
    if (!p || FPen->Style() == psClear || (from.X == x && from.Y == y))
        return;
    CanvasStyle::PreparePen(*p, *FPen);
    // With flat caps the end point is left out, as in the framework.
    p->drawLine(QPoint(from.X, from.Y), QPoint(x, y));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    QPainter* p = FImpl->Acquire();
    if (!p || x2 <= x1 || y2 <= y1)
        return;
    if (FBrush->Style() != bsClear) {
        CanvasStyle::PrepareBrush(*p, *FBrush);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), p->brush());
    }
    if (FPen->Style() != psClear) {
        CanvasStyle::PreparePen(*p, *FPen);
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
}

void TCanvas::FillRect(const TRect& r) {
    QPainter* p = FImpl->Acquire();
    if (!p || r.IsEmpty() || FBrush->Style() == bsClear)
        return;
    CanvasStyle::PrepareBrush(*p, *FBrush);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->fillRect(ToQRect(r), p->brush());
}

void TCanvas::FrameRect(const TRect& r) {
    QPainter* p = FImpl->Acquire();
    if (!p || r.IsEmpty() || FBrush->Style() == bsClear)
        return;
    // Drawn with the brush, as in the framework.
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setPen(QPen(ToQColor(FBrush->Color()), 1));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
    QPainter* p = FImpl->Acquire();
    if (!p || x2 <= x1 || y2 <= y1)
        return;
    CanvasStyle::PreparePen(*p, *FPen);
    CanvasStyle::PrepareBrush(*p, *FBrush);
    p->drawRoundedRect(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1), cornerWidth / 2.0,
                       cornerHeight / 2.0);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    QPainter* p = FImpl->Acquire();
    if (!p || x2 <= x1 || y2 <= y1)
        return;
    CanvasStyle::PreparePen(*p, *FPen);
    CanvasStyle::PrepareBrush(*p, *FBrush);
    p->drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

namespace {
QPolygon ToPolygon(const std::vector<TPoint>& points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const TPoint& point : points)
        polygon << QPoint(point.X, point.Y);
    return polygon;
}
} // namespace

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    QPainter* p = FImpl->Acquire();
    if (!p || points.empty())
        return;
    CanvasStyle::PreparePen(*p, *FPen);
    CanvasStyle::PrepareBrush(*p, *FBrush);
    p->drawPolygon(ToPolygon(points));
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    QPainter* p = FImpl->Acquire();
    if (!p || points.size() < 2 || FPen->Style() == psClear)
        return;
    CanvasStyle::PreparePen(*p, *FPen);
    p->setBrush(Qt::NoBrush);
    p->drawPolyline(ToPolygon(points));
    FPenPos = points.back();
}

void TCanvas::DrawFocusRect(const TRect& r) {
    QPainter* p = FImpl->Acquire();
    if (!p || r.IsEmpty())
        return;
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->setPen(QPen(Qt::white, 1));
    // Every other pixel along the frame, so a second call restores them.
    auto dot = [&](int x, int y) { p->drawPoint(x, y); };
    for (int x = r.Left; x < r.Right; x += 2)
        dot(x, r.Top);
    for (int x = r.Left + ((r.Height() - 1) % 2); x < r.Right; x += 2)
        if (r.Bottom - 1 > r.Top)
            dot(x, r.Bottom - 1);
    for (int y = r.Top + 2; y < r.Bottom - 1; y += 2)
        dot(r.Left, y);
    for (int y = r.Top + 1 + ((r.Width() - 1) % 2); y < r.Bottom - 1; y += 2)
        if (r.Right - 1 > r.Left)
            dot(r.Right - 1, y);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::Draw(int x, int y, const TBitmap* bitmap) {
    if (bitmap)
        StretchDraw(Bounds(x, y, bitmap->Width(), bitmap->Height()), bitmap);
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap* bitmap) {
    if (!bitmap || bitmap->Empty() || r.IsEmpty())
        return;
    QImage image = TBitmapAccess::DrawableImage(*bitmap);
    QPainter* p = FImpl->Acquire();
    if (!p)
        return;
    UnturnedBox unturned(FImpl->DrawsMirrored(), p, r.Left, r.Width());
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(ToQRect(r), image);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
    if (!source || dest.IsEmpty() || sourceRect.IsEmpty())
        return;
    QImage* sourceImage = TCanvasAccess::Image(*source);
    if (!sourceImage)
        return;
    QImage part = sourceImage->copy(ToQRect(sourceRect));
    QPainter* p = FImpl->Acquire();
    if (!p)
        return;
    UnturnedBox unturned(FImpl->DrawsMirrored(), p, dest.Left, dest.Width());
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(ToQRect(dest), part);
}

TColor TCanvas::Pixel(int x, int y) const {
    QImage* image = TCanvasAccess::Image(const_cast<TCanvas&>(*this));
    if (!image || !image->valid(x, y))
        return clNone;
    return QtConvert::ImagePixel(*image, x, y);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    QImage* image = TCanvasAccess::Image(*this);
    if (image) {
        if (image->valid(x, y) && (!FImpl->HasClip || FImpl->Clip.contains(QPoint(x, y))))
            QtConvert::SetImagePixel(*image, x, y, color);
        return;
    }
    if (QPainter* p = FImpl->Acquire()) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->setPen(QPen(ToQColor(color), 1));
        p->drawPoint(x, y);
    }
}

TRect TCanvas::ClipRect() const {
    if (FImpl->HasClip) {
        const QRect bounds = FImpl->Clip.boundingRect();
        return QtConvert::FromQRect(FImpl->MirrorSuspended ? FImpl->Mirror().mapRect(bounds)
                                                           : bounds);
    }
    if (FImpl->Image)
        return Rect(0, 0, FImpl->Image->width(), FImpl->Image->height());
    return {};
}

void TCanvas::SetClipRect(const TRect& r) {
    FImpl->Clip = QRegion(FImpl->ClipCoordinates(ToQRect(r)));
    FImpl->HasClip = true;
    FImpl->ApplyClip();
}

void TCanvas::IntersectClipRect(const TRect& r) {
    if (!FImpl->HasClip) {
        SetClipRect(FImpl->Image ? Rect(0, 0, FImpl->Image->width(), FImpl->Image->height()) : r);
    }
    FImpl->Clip = FImpl->Clip.intersected(FImpl->ClipCoordinates(ToQRect(r)));
    FImpl->ApplyClip();
}

void TCanvas::ExcludeClipRect(const TRect& r) {
    if (!FImpl->HasClip) {
        TRect all = ClipRect();
        if (all.IsEmpty())
            return;
        SetClipRect(all);
    }
    FImpl->Clip = FImpl->Clip.subtracted(FImpl->ClipCoordinates(ToQRect(r)));
    FImpl->ApplyClip();
}

void TCanvas::ResetClip() {
    FImpl->Clip = QRegion();
    FImpl->HasClip = false;
    FImpl->ApplyClip();
}

void TCanvas::SaveState() {
    auto state = std::make_unique<Impl::SavedState>();
    state->Pen.Assign(*FPen);
    state->Brush.Assign(*FBrush);
    state->Font.Assign(*FFont);
    state->Clip = FImpl->Clip;
    state->HasClip = FImpl->HasClip;
    FImpl->Saved.push_back(std::move(state));
}

void TCanvas::RestoreState() {
    if (FImpl->Saved.empty())
        return;
    Impl::SavedState& state = *FImpl->Saved.back();
    FPen->Assign(state.Pen);
    FBrush->Assign(state.Brush);
    FFont->Assign(state.Font);
    FImpl->Clip = state.Clip;
    FImpl->HasClip = state.HasClip;
    FImpl->Saved.pop_back();
    FImpl->ApplyClip();
}

void TCanvasAccess::BeginPaint(TCanvas& canvas, QPainter* painter, const QRegion& region,
                               int mirrorWidth) {
    ReleasePainter(canvas);
    TCanvas::Impl& impl = *canvas.FImpl;
    impl.Painter = painter;
    impl.MirrorWidth = std::max(mirrorWidth, 0);
    impl.MirrorSuspended = false;
    impl.BaseTransform = painter->worldTransform();
    if (impl.MirrorWidth > 0)
        painter->setWorldTransform(impl.Mirror(), true);
    canvas.FImpl->Clip = impl.MirrorWidth > 0 ? impl.Mirror().map(region) : region;
    canvas.FImpl->HasClip = true;
    canvas.FImpl->Saved.clear();
    canvas.FImpl->ApplyClip();
}

void TCanvasAccess::EndPaint(TCanvas& canvas) {
    if (canvas.FImpl->Painter && canvas.FImpl->MirrorWidth > 0)
        canvas.FImpl->Painter->setWorldTransform(canvas.FImpl->BaseTransform);
    canvas.FImpl->MirrorWidth = 0;
    canvas.FImpl->MirrorSuspended = false;
    canvas.FImpl->Painter = nullptr;
    canvas.FImpl->Clip = QRegion();
    canvas.FImpl->HasClip = false;
    canvas.FImpl->Saved.clear();
}

void TCanvasAccess::BindImage(TCanvas& canvas, QImage* image) {
    ReleasePainter(canvas);
    canvas.FImpl->Image = image;
}

void TCanvasAccess::ReleasePainter(TCanvas& canvas) {
    TCanvas::Impl& impl = *canvas.FImpl;
    if (impl.ImagePainter) {
        impl.ImagePainter->end();
        impl.ImagePainter.reset();
        impl.Painter = nullptr;
    }
}

QImage* TCanvasAccess::Image(TCanvas& canvas) {
    if (!canvas.FImpl->Image)
        return nullptr;
    ReleasePainter(canvas);
    return canvas.FImpl->Image;
}

QPainter* TCanvasAccess::Painter(TCanvas& canvas) {
    return canvas.FImpl->Acquire();
}

void TCanvasAccess::DrawImage(TCanvas& canvas, QPoint at, const QImage& image) {
    QPainter* p = canvas.FImpl->Acquire();
    if (!p || image.isNull())
        return;
    UnturnedBox unturned(canvas.FImpl->DrawsMirrored(), p, at.x(), image.width());
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(at, image);
}

void TCanvasAccess::StretchImage(TCanvas& canvas, const QRect& r, const QImage& image) {
    QPainter* p = canvas.FImpl->Acquire();
    if (!p || image.isNull() || r.isEmpty())
        return;
    UnturnedBox unturned(canvas.FImpl->DrawsMirrored(), p, r.x(), r.width());
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(r, image);
}

bool TCanvasAccess::DrawsMirrored(const TCanvas& canvas) {
    return canvas.FImpl->DrawsMirrored();
}

int TCanvasAccess::MirrorWidth(const TCanvas& canvas) {
    return canvas.FImpl->MirrorWidth;
}

void TCanvasAccess::SuspendMirror(TCanvas& canvas, bool suspend) {
    TCanvas::Impl& impl = *canvas.FImpl;
    if (impl.MirrorWidth <= 0 || impl.MirrorSuspended == suspend || !impl.Painter)
        return;
    impl.MirrorSuspended = suspend;
    impl.Painter->setWorldTransform(suspend ? impl.BaseTransform
                                            : impl.Mirror() * impl.BaseTransform);
}
