#include "platform/ui/Canvas.h"

#include "platform/ui/internal/CanvasImpl.h"
#include "platform/ui/internal/QtConvert.h"

#include <QPaintEngine>
#include <QTransform>

#include <vector>

namespace {

// The pixels a flood fill may reach, in the canvas's coordinates: inside the picture the
// painter draws on and inside the clip, with the pixel colour deciding.
class FillArea {
public:
    FillArea(const QImage& image, QPoint offset, const QRegion& clip, QRgb key, bool border)
        : FImage(image), FOffset(offset), FClip(clip), FBox(clip.boundingRect()),
          FSimpleClip(clip.rectCount() == 1), FKey(key & 0xFFFFFF), FBorder(border),
          FSeen(static_cast<size_t>(FBox.width()) * static_cast<size_t>(FBox.height()), 0) {}

    bool Open(int x, int y) const {
        if (!FBox.contains(x, y) || Seen(x, y) || (!FSimpleClip && !FClip.contains(QPoint(x, y))))
            return false;
        bool matches = (FImage.pixel(x + FOffset.x(), y + FOffset.y()) & 0xFFFFFF) == FKey;
        return FBorder ? !matches : matches;
    }
    void Mark(int x, int y) { FSeen[Index(x, y)] = 1; }

private:
    bool Seen(int x, int y) const { return FSeen[Index(x, y)] != 0; }
    size_t Index(int x, int y) const {
        return static_cast<size_t>(y - FBox.top()) * static_cast<size_t>(FBox.width()) +
               static_cast<size_t>(x - FBox.left());
    }

    const QImage& FImage;
    QPoint FOffset;
    QRegion FClip;
    QRect FBox;
    bool FSimpleClip;
    QRgb FKey;
    bool FBorder;
    std::vector<unsigned char> FSeen;
};

// Scan-line fill: the runs of reachable pixels, each one row high.
std::vector<QRect> FillRuns(FillArea& area, QPoint start) {
    std::vector<QRect> runs;
    std::vector<QPoint> pending{start};
    while (!pending.empty()) {
        QPoint p = pending.back();
        pending.pop_back();
        if (!area.Open(p.x(), p.y()))
            continue;
        int left = p.x();
        int right = p.x();
        while (area.Open(left - 1, p.y()))
            --left;
        while (area.Open(right + 1, p.y()))
            ++right;
        for (int x = left; x <= right; ++x)
            area.Mark(x, p.y());
        runs.emplace_back(left, p.y(), right - left + 1, 1);
        for (int y : {p.y() - 1, p.y() + 1}) {
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                bool open = area.Open(x, y);
                if (open && !inRun)
                    pending.emplace_back(x, y);
                inRun = open;
            }
        }
    }
    return runs;
}

} // namespace

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle fillStyle) {
    QPainter* p = FImpl->Acquire();
    if (!p || FBrush->Style() == bsClear || !p->paintEngine())
        return;
    // The pixels are read from the picture under the painter: a bitmap, or the back buffer a
    // control paints into.
    QPaintDevice* device = p->paintEngine()->paintDevice();
    QTransform toDevice = p->deviceTransform();
    if (!device || device->devType() != QInternal::Image ||
        toDevice.type() > QTransform::TxTranslate)
        return;
    const QImage& image = *static_cast<const QImage*>(device);
    QPoint offset(qRound(toDevice.dx()), qRound(toDevice.dy()));
    QRegion reach(QRect(QPoint(0, 0), image.size()).translated(-offset));
    if (p->hasClipping())
        reach &= p->clipRegion();
    if (!reach.contains(QPoint(x, y)))
        return;
    TColor key = ColorToRGB(color);
    FillArea area(image, offset, reach, qRgb(GetRValue(key), GetGValue(key), GetBValue(key)),
                  fillStyle == fsBorder);
    std::vector<QRect> runs = FillRuns(area, QPoint(x, y));
    CanvasStyle::PrepareBrush(*p, *FBrush);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const QRect& run : runs)
        p->fillRect(run, p->brush());
}
