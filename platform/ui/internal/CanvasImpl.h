#pragma once

#include "platform/ui/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTransform>

#include <memory>
#include <vector>

struct TCanvas::Impl {
    struct SavedState {
        TPen Pen;
        TBrush Brush;
        TFont Font;
        QRegion Clip;
        bool HasClip = false;
    };

    QPainter* Painter = nullptr;
    std::unique_ptr<QPainter> ImagePainter;
    QImage* Image = nullptr;
    // The region drawing may touch: the paint event's region, or the clip set by the caller.
    QRegion Clip;
    bool HasClip = false;
    std::vector<std::unique_ptr<SavedState>> Saved;
    // A right-to-left control's canvas draws mirrored on MirrorWidth (0: not mirrored); Clip is
    // then kept in the mirrored coordinates. While suspended it draws in the control's own.
    int MirrorWidth = 0;
    bool MirrorSuspended = false;
    QTransform BaseTransform;
    bool DrawsMirrored() const { return MirrorWidth > 0 && !MirrorSuspended; }
    QTransform Mirror() const { return QTransform(-1, 0, 0, 1, MirrorWidth, 0); }
    // A rectangle given while the mirroring is suspended, in the mirrored coordinates.
    QRect ClipCoordinates(const QRect& r) const {
        return MirrorWidth > 0 && MirrorSuspended ? Mirror().mapRect(r) : r;
    }

    // The platform font of the canvas font, kept while the font stays the same: measuring text
    // is frequent while grids paint.
    const QFont& QtFont(const TFont& font);
    const QFontMetrics& Metrics(const TFont& font);
    // The font's line height and ascent, kept with the metrics: text is drawn cell by cell and
    // asking the metrics each time costs a font-engine look-up.
    int LineHeight(const TFont& font);
    int Ascent(const TFont& font);

    TFont CachedFor;
    std::unique_ptr<QFont> CachedFont;
    std::unique_ptr<QFontMetrics> CachedMetrics;
    int CachedLineHeight = 0;
    int CachedAscent = 0;

    // The painter to draw with, or nullptr when there is nothing to draw on.
    QPainter* Acquire();
    void ApplyClip();
};

// Text and pictures keep their reading direction on a mirrored canvas: the box they fill is
// turned over once more, so it lands mirrored as a whole but reads as drawn.
class UnturnedBox {
public:
    UnturnedBox(bool drawsMirrored, QPainter* painter, int left, int width)
        : FPainter(drawsMirrored ? painter : nullptr) {
        if (!FPainter)
            return;
        FPainter->save();
        FPainter->translate(2 * left + width, 0);
        FPainter->scale(-1, 1);
    }
    ~UnturnedBox() {
        if (FPainter)
            FPainter->restore();
    }
    UnturnedBox(const UnturnedBox&) = delete;
    UnturnedBox& operator=(const UnturnedBox&) = delete;

private:
    QPainter* FPainter;
};

// Pen, brush and font of a canvas as the painter needs them.
namespace CanvasStyle {
void PreparePen(QPainter& painter, const TPen& pen);
void PrepareBrush(QPainter& painter, const TBrush& brush);
void PrepareText(QPainter& painter, const TFont& font, const QFont& qtFont);
} // namespace CanvasStyle
