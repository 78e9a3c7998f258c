#include "grid/stringgrid/GridCursors.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Screen.h"

#include <cmath>
#include <vector>

namespace {

constexpr int CursorSize = 32;
constexpr TColor SeeThrough = 0xFF00FF;

std::unique_ptr<TBitmap> BlankPicture() {
    auto picture = std::make_unique<TBitmap>(CursorSize, CursorSize);
    TCanvas* canvas = picture->Canvas();
    canvas->Brush()->SetColor(SeeThrough);
    canvas->FillRect(TRect{0, 0, CursorSize, CursorSize});
    picture->SetTransparentColor(SeeThrough);
    picture->SetTransparentMode(tmFixed);
    picture->SetTransparent(true);
    return picture;
}

// A black arrow with a white rim whose tip lies at Tip, pointing along (DX, DY), Length long.
void DrawArrow(TCanvas* canvas, TPoint Tip, int DX, int DY, int Length) {
    const double norm = std::hypot(DX, DY);
    const double ux = DX / norm;
    const double uy = DY / norm;
    // The outline of an arrow pointing right with its tip at the origin.
    const double head = Length * 0.45;
    const std::vector<std::pair<double, double>> outline = {
        {0, 0},         {-head, -head * 0.8}, {-head, -2.5},       {-Length, -2.5},
        {-Length, 2.5}, {-head, 2.5},         {-head, head * 0.8},
    };
    std::vector<TPoint> points;
    for (const auto& [x, y] : outline)
        points.push_back(TPoint{Tip.X + static_cast<int>(std::lround(x * ux - y * uy)),
                                Tip.Y + static_cast<int>(std::lround(x * uy + y * ux))});
    canvas->Pen()->SetColor(clWhite);
    canvas->Brush()->SetColor(clBlack);
    canvas->Polygon(points);
}

void Register(TCursor Id, const TBitmap& Picture, TPoint HotSpot) {
    Screen->SetCursorImage(Id, Picture, HotSpot);
}

// Where a pan cursor points: its id and direction.
struct PanDirection {
    TCursor Id;
    int DX, DY;
};
constexpr PanDirection PanDirections[] = {
    {crGridPanDown, 0, 1},      {crGridPanLeft, -1, 0},     {crGridPanRight, 1, 0},
    {crGridPanUp, 0, -1},       {crGridPanUpRight, 1, -1},  {crGridPanUpLeft, -1, -1},
    {crGridPanDownRight, 1, 1}, {crGridPanDownLeft, -1, 1},
};

void DrawPanCentre(TCanvas* canvas) {
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetColor(clWhite);
    canvas->Ellipse(12, 12, 21, 21);
    canvas->Brush()->SetColor(clBlack);
    canvas->Ellipse(15, 15, 18, 18);
}

} // namespace

void RegisterGridCursors() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    const TPoint centre{16, 16};
    // Whole rows, whole columns, everything: an arrow into the grid, aiming with its tip.
    auto row = BlankPicture();
    DrawArrow(row->Canvas(), TPoint{24, 16}, 1, 0, 18);
    Register(crGridRowSelect, *row, TPoint{24, 16});
    auto column = BlankPicture();
    DrawArrow(column->Canvas(), TPoint{16, 24}, 0, 1, 18);
    Register(crGridColSelect, *column, TPoint{16, 24});
    auto all = BlankPicture();
    DrawArrow(all->Canvas(), TPoint{22, 22}, 1, 1, 18);
    Register(crGridSelectAll, *all, TPoint{22, 22});
    // Picking cells: a cross hair with a hollow centre.
    auto selector = BlankPicture();
    TCanvas* canvas = selector->Canvas();
    canvas->Brush()->SetColor(clBlack);
    for (const TRect& bar :
         {TRect{15, 4, 18, 13}, TRect{15, 20, 18, 29}, TRect{4, 15, 13, 18}, TRect{20, 15, 29, 18}})
        canvas->FillRect(bar);
    Register(crGridCellSelector, *selector, centre);

    auto pan = BlankPicture();
    DrawPanCentre(pan->Canvas());
    Register(crGridPan, *pan, centre);
    for (const PanDirection& d : PanDirections) {
        auto picture = BlankPicture();
        DrawPanCentre(picture->Canvas());
        DrawArrow(picture->Canvas(), TPoint{16 + d.DX * 13, 16 + d.DY * 13}, d.DX, d.DY, 11);
        Register(d.Id, *picture, centre);
    }
}

TCursor PanCursor(int Vertical, int Horizontal) {
    if (Vertical == 0 && Horizontal == 0)
        return crGridPan;
    for (const PanDirection& d : PanDirections)
        if (d.DX == Horizontal && d.DY == Vertical)
            return d.Id;
    return crGridPan;
}

std::unique_ptr<TBitmap> PanGlyph(bool Vertical, bool Horizontal) {
    auto glyph = BlankPicture();
    TCanvas* canvas = glyph->Canvas();
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetColor(clWhite);
    canvas->Ellipse(1, 1, 31, 31);
    canvas->Brush()->SetColor(clBlack);
    canvas->Ellipse(14, 14, 19, 19);
    const auto head = [canvas](std::vector<TPoint> points) { canvas->Polygon(points); };
    if (Vertical) {
        head({{16, 4}, {11, 10}, {21, 10}});
        head({{16, 28}, {11, 22}, {21, 22}});
    }
    if (Horizontal) {
        head({{4, 16}, {10, 11}, {10, 21}});
        head({{28, 16}, {22, 11}, {22, 21}});
    }
    return glyph;
}
