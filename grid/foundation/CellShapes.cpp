#include "grid/foundation/CellGraphics.h"

#include "grid/foundation/CellGraphicsSupport.h"
#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using namespace CellGraphicsSupport;

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
