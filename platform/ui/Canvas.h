#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Font.h"
#include "platform/ui/Object.h"
#include "platform/ui/Types.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TCanvasAccess;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

class TPen : public TObject {
public:
    void Assign(const TPen& source);
    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }
    int Width() const { return FWidth; }
    void SetWidth(int width) { FWidth = width < 1 ? 1 : width; }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style) { FStyle = style; }
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode mode) { FMode = mode; }

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

class TBrush : public TObject {
public:
    void Assign(const TBrush& source);
    TColor Color() const { return FColor; }
    // A colour other than clNone makes a clear brush solid again, as in the framework.
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style) { FStyle = style; }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

// What FloodFill spreads through: every pixel of the given colour, or every pixel up to a border
// of it.
enum TFillStyle { fsSurface, fsBorder };

// DrawText formats.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
// Right-to-left reading order: the runs of a line and the neutral characters between them are
// ordered from the right, as a Hebrew or Arabic line reads.
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

// Drawing surface with pen, brush and font. A control's canvas draws only while the control
// paints (inside Paint); outside it, measuring works and drawing is dropped. A bitmap's canvas
// draws at any time. Text drawn by TextOut and TextRect gets the brush as background unless the
// brush is clear, as in the framework.
class TCanvas : public TObject {
public:
    TCanvas();
    ~TCanvas() override;

    TPen* Pen() const { return FPen.get(); }
    TBrush* Brush() const { return FBrush.get(); }
    TFont* Font() const { return FFont.get(); }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint p) { FPenPos = p; }

    // Outline with the pen, filled with the brush; right and bottom exclusive.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);
    // Dotted frame; drawing it twice restores the pixels.
    void DrawFocusRect(const TRect& r);
    // Fills with the brush from (x, y) through the pixels reached across edges (not corners):
    // with fsBorder those that are not color, with fsSurface those that are. The fill stays
    // inside the clip; nothing happens when the start point lies outside it.
    void FloodFill(int x, int y, TColor color, TFillStyle fillStyle);

    void TextOut(int x, int y, const std::string& text);
    // Text turned counter-clockwise by escapement tenths of a degree about (x, y), where its
    // top-left corner lies before the turn; a solid brush fills behind it.
    void TextOutRotated(int x, int y, int escapement, const std::string& text);
    // Text at (x, y) clipped to r; a solid brush fills r first.
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    TSize TextExtent(const std::string& text) const;
    // The framework's DrawText: formats above; returns the height of the text drawn. With
    // DT_CALCRECT nothing is drawn and r's right and bottom are set to fit the text. A '&' marks
    // the next character as an accelerator (underlined, "&&" is '&') unless DT_NOPREFIX.
    int DrawText(const std::string& text, TRect& r, unsigned format);

    void Draw(int x, int y, const TBitmap* bitmap);
    void StretchDraw(const TRect& r, const TBitmap* bitmap);
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Clipping: drawing outside the clip region is dropped.
    TRect ClipRect() const;
    void SetClipRect(const TRect& r);
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    void ResetClip();
    // The clip narrowed to the ellipse inscribed in r, or to r with rounded corners (corner
    // ellipse cornerWidth by cornerHeight); right and bottom exclusive.
    void IntersectClipEllipse(const TRect& r);
    void IntersectClipRoundRect(const TRect& r, int cornerWidth, int cornerHeight);
    // Save and restore of clip, pen, brush and font, nested.
    void SaveState();
    void RestoreState();

    void Lock() {}
    void Unlock() {}

private:
    friend class TCanvasAccess;
    struct Impl;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TFont> FFont;
    TPoint FPenPos;
    std::unique_ptr<Impl> FImpl;
};

// Whether p lies in the elliptic region inscribed in r (right and bottom exclusive), the same
// pixels IntersectClipEllipse keeps.
bool PointInEllipseRegion(const TRect& r, TPoint p);
