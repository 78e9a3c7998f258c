#pragma once

#include "platform/ui/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>

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

// Pen, brush and font of a canvas as the painter needs them.
namespace CanvasStyle {
void PreparePen(QPainter& painter, const TPen& pen);
void PrepareBrush(QPainter& painter, const TBrush& brush);
void PrepareText(QPainter& painter, const TFont& font, const QFont& qtFont);
} // namespace CanvasStyle
