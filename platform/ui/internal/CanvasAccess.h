#pragma once

// Binding a canvas to what it draws on, for the .cpp files of platform/ui.

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

class TCanvasAccess {
public:
    // A control's canvas draws through the painter of a paint event until EndPaint.
    // With mirrorWidth > 0 the canvas draws mirrored on that width (a right-to-left control).
    static void BeginPaint(TCanvas& canvas, QPainter* painter, const QRegion& region,
                           int mirrorWidth = 0);
    static void EndPaint(TCanvas& canvas);
    // A bitmap's canvas opens a painter on the image when it first draws.
    static void BindImage(TCanvas& canvas, QImage* image);
    // Ends the image painter, so the image can be read, resized or painted on by others.
    static void ReleasePainter(TCanvas& canvas);
    // Mirrored drawing of a right-to-left control's canvas (see platform/ui/BiDiMode.h).
    static bool DrawsMirrored(const TCanvas& canvas);
    static int MirrorWidth(const TCanvas& canvas);
    static void SuspendMirror(TCanvas& canvas, bool suspend);
    // The image a canvas draws on, or nullptr for a control's canvas.
    static QImage* Image(TCanvas& canvas);
    // The painter the canvas draws with now (a control's only while it paints), with the
    // canvas's clip applied; nullptr when there is nothing to draw on. Leave its state as found.
    static QPainter* Painter(TCanvas& canvas);
    // Draws a picture with its alpha channel onto the canvas, inside the canvas's clip.
    static void DrawImage(TCanvas& canvas, QPoint at, const QImage& image);
    // The picture stretched into r, inside the canvas's clip.
    static void StretchImage(TCanvas& canvas, const QRect& r, const QImage& image);
};

class TBitmapAccess {
public:
    // The picture with every pending drawing finished.
    static const QImage& Image(const TBitmap& bitmap);
    // The picture as drawn by Draw: transparent pixels cleared when Transparent is on.
    static QImage DrawableImage(const TBitmap& bitmap);
};
