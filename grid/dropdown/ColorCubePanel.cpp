#include "grid/dropdown/ColorCubePanel.h"

#include "platform/ui/Canvas.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int RowCount = 13;
constexpr int MiddleRow = 7;

// Colours of the rows as RRGGBB, left to right; row n holds 13 - |n - 7| cells.
constexpr unsigned CubeColors[TExColorCubePanel::CellCount] = {
    0x003366, 0x336699, 0x3366CC, 0x003399, 0x000099, 0x0000CC, 0x000066, // row 1
    0x006666, 0x006699, 0x0099CC, 0x0066CC, 0x0033CC, 0x0000FF, 0x3333FF, 0x333399, 0x008080,
    0x009999, 0x33CCCC, 0x00CCFF, 0x0099FF, 0x0066FF, 0x3366FF, 0x3333CC, 0x666699, 0x339966,
    0x00CC99, 0x00FFCC, 0x00FFFF, 0x33CCFF, 0x3399FF, 0x6699FF, 0x6666FF, 0x6600FF,
    0x6600CC, // row 4
    0x339933, 0x00CC66, 0x00FF99, 0x66FFCC, 0x66FFFF, 0x66CCFF, 0x99CCFF, 0x9999FF, 0x9966FF,
    0x9933FF, 0x9900FF, // row 5
    0x006600, 0x00CC00, 0x00FF00, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCECFF, 0xCCCCFF, 0xCC99FF,
    0xCC66FF, 0xCC00FF, 0x9900CC, // row 6
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF,
    0xFF66FF, 0xFF00FF, 0xCC00CC, 0x660066, // row 7
    0x336600, 0x009900, 0x66FF33, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC,
    0xFF33CC, 0xCC0099, 0x800080, // row 8
    0x333300, 0x669900, 0x99FF33, 0xCCFF66, 0xFFFF99, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399,
    0xCC3399, 0x990099, // row 9
    0x666633, 0x99CC00, 0xCCFF33, 0xFFFF66, 0xFFCC66, 0xFF9966, 0xFF7C80, 0xFF0066, 0xD60093,
    0x993366, // row 10
    0x808000, 0xCCCC00, 0xFFFF00, 0xFFCC00, 0xFF9933, 0xFF6600, 0xFF5050, 0xCC0066, 0x660033,
    0x996633, 0xCC9900, 0xFF9900, 0xCC6600, 0xFF3300, 0xFF0000, 0xCC0000, 0x990033, 0x663300,
    0x996600, 0xCC3300, 0x993300, 0x990000, 0x800000, 0xA50021, // row 13
};

// The hexagon of half width b and quarter height a, pointed at top and bottom.
std::vector<TPoint> Hexagon(TPoint c, int b, int a) {
    return {{c.X - b, c.Y - a}, {c.X, c.Y - 2 * a}, {c.X + b, c.Y - a},
            {c.X + b, c.Y + a}, {c.X, c.Y + 2 * a}, {c.X - b, c.Y + a}};
}

void Frame(TCanvas* canvas, TPoint centre, TColor outer) {
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(outer);
    canvas->Polygon(Hexagon(centre, 5, 3));
    canvas->Pen()->SetColor(clWhite);
    canvas->Polygon(Hexagon(centre, 4, 2));
}

} // namespace

TExColorCubePanel::TExColorCubePanel(TComponent* AOwner) : TExCustomColorSelectorPanel(AOwner) {
    BuildCells();
    SetShowRGBHint(true);
}

void TExColorCubePanel::BuildCells() {
    FCubeSize = {6, 3};
    int number = 0;
    for (int row = 1; row <= RowCount; ++row) {
        const int indent = std::abs(row - MiddleRow);
        const int cells = RowCount - indent;
        for (int i = 0; i < cells; ++i, ++number)
            FCubeCells[number] = {{19 + 6 * indent + i * 2 * FCubeSize.X, 10 + 10 * row},
                                  WebColor(CubeColors[number])};
    }
}

void TExColorCubePanel::ResetHotCell() {
    FHotIndex = -1;
    SetBounds(Left(), Top(), 182, 160);
}

int TExColorCubePanel::CellAtPos(int X, int Y) const {
    const int reach = FCubeSize.X * FCubeSize.X;
    for (int number = 1; number <= CellCount; ++number) {
        const TPoint c = Cell(number).Centre;
        if ((c.X - X) * (c.X - X) + (c.Y - Y) * (c.Y - Y) <= reach)
            return number;
    }
    return -1;
}

void TExColorCubePanel::SetSelectedColor(TColor Value) {
    FSelectedColor = Value;
    FSelectedIndex = -1;
    for (int number = 1; number <= CellCount && FSelectedIndex < 0; ++number)
        if (Cell(number).Color == Value)
            FSelectedIndex = number;
}

void TExColorCubePanel::SetShowRGBHint(bool Value) {
    FShowRGBHint = Value;
    SetShowHint(Value);
}

void TExColorCubePanel::DrawCell(int Number, TCanvas* ACanvas) {
    if (Number < 1 || Number > CellCount)
        return;
    const TCubeCell& cell = Cell(Number);
    ACanvas->Pen()->SetColor(cell.Color);
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(cell.Color);
    ACanvas->Polygon(Hexagon(cell.Centre, FCubeSize.X, FCubeSize.Y));
    // The selected frame is drawn last, so it shows over the hot one.
    if (Number == FHotIndex)
        Frame(ACanvas, cell.Centre, clRed);
    if (Number == FSelectedIndex)
        Frame(ACanvas, cell.Centre, clBlack);
}

void TExColorCubePanel::InvalidateCell(int Number) {
    if (Number < 1 || Number > CellCount)
        return;
    const TPoint c = Cell(Number).Centre;
    InvalidateRect(Rect(c.X - FCubeSize.X - 1, c.Y - 2 * FCubeSize.Y - 1, c.X + FCubeSize.X + 2,
                        c.Y + 2 * FCubeSize.Y + 2));
}

void TExColorCubePanel::Paint() {
    for (int number = 1; number <= CellCount; ++number)
        DrawCell(number, Canvas());
}

void TExColorCubePanel::MouseMove(TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int hit = CellAtPos(X, Y);
    if (hit < 0) {
        // The last hot cell keeps its frame; only the hint goes.
        if (FShowRGBHint)
            SetHint("");
        return;
    }
    if (hit == FHotIndex)
        return;
    if (FHotIndex >= 0) {
        const int old = FHotIndex;
        FHotIndex = -1;
        InvalidateCell(old);
    }
    FHotIndex = hit;
    InvalidateCell(hit);
    if (FShowRGBHint) {
        const TColor c = Cell(hit).Color;
        char text[64];
        std::snprintf(text, sizeof text, "Red: %d,  Green: %d,  Blue: %d", GetRValue(c),
                      GetGValue(c), GetBValue(c));
        SetHint(text);
    }
}

void TExColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int hit = CellAtPos(X, Y);
    if (hit < 0)
        return;
    if (FSelectedIndex >= 0) {
        const int old = FSelectedIndex;
        FSelectedIndex = -1;
        InvalidateCell(old);
    }
    FSelectedColor = Cell(hit).Color;
    FSelectedIndex = hit;
    InvalidateCell(hit);
    FireEvent(OnSelect, static_cast<TObject*>(this));
}

void TExColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    FireShouldHide();
}
