// Clip regions other than rectangles.
#include "platform/ui/Canvas.h"

#include "platform/ui/internal/CanvasImpl.h"
#include "platform/ui/internal/QtConvert.h"

#include <QPainterPath>
#include <QRegion>

namespace {

QRegion EllipseRegion(const TRect& r) {
    return QRegion(QtConvert::ToQRect(r), QRegion::Ellipse);
}

QRegion RoundRectRegion(const TRect& r, int cornerWidth, int cornerHeight) {
    QPainterPath path;
    path.addRoundedRect(QtConvert::ToQRect(r), cornerWidth / 2.0, cornerHeight / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

} // namespace

void TCanvas::IntersectClipEllipse(const TRect& r) {
    if (!FImpl->HasClip)
        SetClipRect(FImpl->Image ? Rect(0, 0, FImpl->Image->width(), FImpl->Image->height()) : r);
    FImpl->Clip = FImpl->Clip.intersected(EllipseRegion(r));
    FImpl->ApplyClip();
}

void TCanvas::IntersectClipRoundRect(const TRect& r, int cornerWidth, int cornerHeight) {
    if (!FImpl->HasClip)
        SetClipRect(FImpl->Image ? Rect(0, 0, FImpl->Image->width(), FImpl->Image->height()) : r);
    FImpl->Clip = FImpl->Clip.intersected(RoundRectRegion(r, cornerWidth, cornerHeight));
    FImpl->ApplyClip();
}

bool PointInEllipseRegion(const TRect& r, TPoint p) {
    return EllipseRegion(r).contains(QPoint(p.X, p.Y));
}
