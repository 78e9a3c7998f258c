#pragma once

#include "ExGridTestGrid.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// Pictures of grids for the drawing tests.
namespace GridPixels {

// Plain colours the drawing tests paint with and look for.
constexpr TColor White = 0xFFFFFF;
constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor Orange = 0x0080FF;
// The default fixed-cell fill and selection colour of a plain grid.
constexpr TColor FixedFill = 0xE0E0E0;
constexpr TColor Selected = 0xEACAB6;

// Text drawn in a strong red, anti-aliased edges included.
inline bool Reddish(TColor pixel) {
    const int r = pixel & 0xFF;
    const int g = (pixel >> 8) & 0xFF;
    const int b = (pixel >> 16) & 0xFF;
    return r > 150 && g < 90 && b < 90;
}

// A white grid of 3 x 3 cells of one size with the given fixed rows and columns, no scroll bars
// and no selection: what a drawing test looks at stands alone.
inline std::unique_ptr<TTestExGrid> PlainGrid(int ColWidth, int RowHeight, int Fixed) {
    auto grid = std::make_unique<TTestExGrid>(nullptr);
    grid->SetLook(glStandard);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetFixedCols(Fixed);
    grid->SetFixedRows(Fixed);
    grid->SetDefaultColWidth(ColWidth);
    grid->SetDefaultRowHeight(RowHeight);
    grid->SetBounds(0, 0, 3 * ColWidth, 3 * RowHeight);
    grid->SetColor(0xFFFFFF);
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    return grid;
}

inline std::unique_ptr<TBitmap> Render(TExStringGrid& Grid) {
    auto bitmap = std::make_unique<TBitmap>(Grid.Width(), Grid.Height());
    Grid.PaintTo(bitmap->Canvas(), 0, 0);
    return bitmap;
}

inline std::unique_ptr<TBitmap> Solid(int Width, int Height, TColor Color) {
    auto bitmap = std::make_unique<TBitmap>(Width, Height);
    bitmap->Canvas()->Brush()->SetColor(Color);
    bitmap->Canvas()->FillRect(TRect{0, 0, Width, Height});
    return bitmap;
}

// The box of the pixels in Area that Match accepts.
inline std::optional<TRect> Box(const TBitmap& Bitmap, const TRect& Area,
                                const std::function<bool(TColor)>& Match) {
    std::optional<TRect> box;
    for (int y = Area.Top; y < Area.Bottom; ++y)
        for (int x = Area.Left; x < Area.Right; ++x)
            if (Match(Bitmap.Pixel(x, y))) {
                if (!box)
                    box = TRect{x, y, x + 1, y + 1};
                box->Left = std::min(box->Left, x);
                box->Top = std::min(box->Top, y);
                box->Right = std::max(box->Right, x + 1);
                box->Bottom = std::max(box->Bottom, y + 1);
            }
    return box;
}

inline std::optional<TRect> ColourBox(const TBitmap& Bitmap, const TRect& Area, TColor Color) {
    return Box(Bitmap, Area, [Color](TColor pixel) { return pixel == Color; });
}

inline std::optional<TRect> InkBox(const TBitmap& Bitmap, const TRect& Area, TColor Background) {
    return Box(Bitmap, Area, [Background](TColor pixel) { return pixel != Background; });
}

// With VELMARO_RICH_CELL_PICTURES=<folder> a rendered picture is written there as <name>.bmp,
// for a person to look at; otherwise nothing is written.
inline void SaveRichCellPicture(const TBitmap& Bitmap, const std::string& Name) {
    if (const char* folder = std::getenv("VELMARO_RICH_CELL_PICTURES"))
        Bitmap.SaveToFile(std::string(folder) + "/" + Name + ".bmp");
}

} // namespace GridPixels
