#include "app/controls/GlyphPictures.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr TColor Magenta = static_cast<TColor>(Glyph_Transparent_Color);
constexpr double Pi = 3.14159265358979323846;

// Draws in a square picture with coordinates in hundredths of its side, so one design serves
// every size.
class TGlyphPainter {
public:
    TGlyphPainter(TCanvas* canvas, int left, int size) : C(canvas), Left(left), Size(size) {}

    int X(double u) const { return Left + static_cast<int>(std::lround(u * (Size - 1) / 100.0)); }
    int Y(double u) const { return static_cast<int>(std::lround(u * (Size - 1) / 100.0)); }
    int Thick(double u) const {
        return std::max(1, static_cast<int>(std::lround(u * Size / 100.0)));
    }

    void Pen(TColor color, double width) {
        C->Pen()->SetStyle(psSolid);
        C->Pen()->SetColor(color);
        C->Pen()->SetWidth(Thick(width));
    }
    void NoPen() { C->Pen()->SetStyle(psClear); }
    void Fill(TColor color) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(color);
    }
    void NoFill() { C->Brush()->SetStyle(bsClear); }

    void Line(double x1, double y1, double x2, double y2) {
        C->MoveTo(X(x1), Y(y1));
        C->LineTo(X(x2), Y(y2));
    }
    void Lines(std::initializer_list<std::pair<double, double>> points) {
        std::vector<TPoint> p;
        for (auto [x, y] : points)
            p.push_back({X(x), Y(y)});
        C->Polyline(p);
    }
    void Poly(std::initializer_list<std::pair<double, double>> points) {
        std::vector<TPoint> p;
        for (auto [x, y] : points)
            p.push_back({X(x), Y(y)});
        C->Polygon(p);
    }
    void Box(double x1, double y1, double x2, double y2) {
        C->Rectangle(X(x1), Y(y1), X(x2) + 1, Y(y2) + 1);
    }
    void Disc(double x1, double y1, double x2, double y2) {
        C->Ellipse(X(x1), Y(y1), X(x2) + 1, Y(y2) + 1);
    }
    // An arc around (cx, cy) from angle a1 to a2 (degrees, counter-clockwise from east).
    void Arc(double cx, double cy, double r, double a1, double a2) {
        std::vector<TPoint> p;
        const int steps = 24;
        for (int i = 0; i <= steps; ++i) {
            const double a = (a1 + (a2 - a1) * i / steps) * Pi / 180.0;
            p.push_back({X(cx + r * std::cos(a)), Y(cy - r * std::sin(a))});
        }
        C->Polyline(p);
    }

    TCanvas* C;
    int Left;
    int Size;
};

using TDrawing = void (*)(TGlyphPainter&);

// A round badge with an outline, the ground of several pictures.
void Badge(TGlyphPainter& g, TColor edge, TColor fill) {
    g.Pen(edge, 4);
    g.Fill(fill);
    g.Disc(4, 4, 96, 96);
}

void DrawCheck(TGlyphPainter& g, TColor color) {
    g.Pen(color, 14);
    g.Lines({{14, 52}, {40, 78}, {86, 22}});
}

void DrawCross(TGlyphPainter& g, TColor color) {
    g.Pen(color, 14);
    g.Line(20, 20, 80, 80);
    g.Line(80, 20, 20, 80);
}

void DrawOk(TGlyphPainter& g) {
    DrawCheck(g, 0x008000);
}
void DrawCancel(TGlyphPainter& g) {
    DrawCross(g, 0x0000C0);
}

void DrawHelp(TGlyphPainter& g) {
    Badge(g, 0x800000, 0xE08040);
    g.Pen(clWhite, 12);
    g.Arc(50, 38, 16, 160, -60);
    g.Line(56, 52, 50, 62);
    g.NoPen();
    g.Fill(clWhite);
    g.Box(44, 72, 56, 84);
}

void DrawYes(TGlyphPainter& g) {
    Badge(g, 0x006000, 0x30A030);
    g.Pen(clWhite, 12);
    g.Lines({{24, 52}, {42, 70}, {76, 30}});
}

void DrawNo(TGlyphPainter& g) {
    Badge(g, 0x000080, 0x2020D0);
    g.NoPen();
    g.Fill(clWhite);
    g.Box(22, 42, 78, 58);
}

void DrawClose(TGlyphPainter& g) {
    g.Pen(0x204060, 4);
    g.Fill(0x3070B0);
    g.Box(22, 6, 74, 94);
    g.NoPen();
    g.Fill(0x00D0FF);
    g.Disc(60, 46, 68, 56);
    g.Pen(0x204060, 6);
    g.Line(8, 94, 90, 94);
}

void DrawRetry(TGlyphPainter& g) {
    g.Pen(0x008000, 12);
    g.Arc(50, 52, 34, 100, 400);
    g.NoPen();
    g.Fill(0x008000);
    g.Poly({{30, 4}, {56, 18}, {30, 34}});
}

void DrawIgnore(TGlyphPainter& g) {
    g.Pen(0x806000, 4);
    g.Fill(0xC0A000);
    g.Poly({{10, 20}, {46, 50}, {10, 80}});
    g.Poly({{50, 20}, {86, 50}, {50, 80}});
}

void DrawAll(TGlyphPainter& g) {
    g.Pen(0x008000, 11);
    g.Lines({{4, 46}, {24, 68}, {56, 24}});
    g.Lines({{36, 60}, {56, 82}, {94, 30}});
}

void DrawSheet(TGlyphPainter& g) {
    g.Pen(0x606060, 4);
    g.Fill(clWhite);
    g.Poly({{16, 4}, {64, 4}, {84, 24}, {84, 96}, {16, 96}});
    g.Lines({{64, 4}, {64, 24}, {84, 24}});
}

void DrawNewConfiguration(TGlyphPainter& g) {
    DrawSheet(g);
    g.NoPen();
    g.Fill(0x20A020);
    g.Box(48, 52, 62, 94);
    g.Box(34, 66, 76, 80);
}

void DrawOpenConfiguration(TGlyphPainter& g) {
    g.Pen(0x206080, 4);
    g.Fill(0x40B0E0);
    g.Poly({{4, 20}, {36, 20}, {44, 30}, {90, 30}, {90, 86}, {4, 86}});
    g.Fill(0x70E0FF);
    g.Poly({{4, 86}, {18, 44}, {98, 44}, {90, 86}});
}

void DrawSetCommunication(TGlyphPainter& g) {
    g.Pen(0x404040, 6);
    g.Line(50, 26, 20, 74);
    g.Line(50, 26, 80, 74);
    g.Line(20, 74, 80, 74);
    g.Pen(0x603000, 4);
    g.Fill(0xD08020);
    g.Disc(36, 8, 64, 36);
    g.Fill(0x20A0E0);
    g.Disc(6, 60, 34, 88);
    g.Fill(0x30B030);
    g.Disc(66, 60, 94, 88);
}

void DrawHartVariables(TGlyphPainter& g) {
    g.Pen(0x505050, 4);
    g.Fill(clWhite);
    g.Box(6, 10, 94, 90);
    g.NoPen();
    g.Fill(0xB06020);
    g.Box(8, 12, 92, 30);
    g.Pen(0x909090, 3);
    for (double y : {50.0, 70.0})
        g.Line(8, y, 92, y);
    for (double x : {36.0, 64.0})
        g.Line(x, 30, x, 88);
}

void DrawGsdFile(TGlyphPainter& g) {
    DrawSheet(g);
    g.NoPen();
    g.Fill(0x800080);
    g.Box(18, 30, 82, 44);
    g.Pen(0x808080, 5);
    for (double y : {58.0, 70.0, 82.0})
        g.Line(26, y, 74, y);
}

void DrawUpdateDevice(TGlyphPainter& g) {
    g.Pen(0x404040, 4);
    g.Fill(0x707070);
    g.Box(6, 62, 94, 94);
    g.NoPen();
    g.Fill(0x00E000);
    g.Box(14, 74, 24, 82);
    g.Fill(0x008000);
    g.Box(38, 4, 62, 34);
    g.Poly({{22, 32}, {78, 32}, {50, 58}});
}

void DrawInformation(TGlyphPainter& g) {
    Badge(g, 0x803000, 0xD07020);
    g.NoPen();
    g.Fill(clWhite);
    g.Disc(42, 18, 58, 34);
    g.Box(42, 42, 58, 80);
}

void DrawOptions(TGlyphPainter& g) {
    std::vector<TPoint> gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double r = (i % 2 == 0) ? 46 : 34;
        for (double d : {-9.0, 9.0}) {
            const double a = (i * 180.0 / teeth + d) * Pi / 180.0;
            gear.push_back({g.X(50 + r * std::cos(a)), g.Y(50 + r * std::sin(a))});
        }
    }
    g.Pen(0x404040, 3);
    g.Fill(0x909090);
    g.C->Polygon(gear);
    g.Fill(Magenta);
    g.Disc(36, 36, 64, 64);
}

void DrawExit(TGlyphPainter& g) {
    Badge(g, 0x000080, 0x2020D0);
    g.Pen(clWhite, 12);
    g.Line(32, 32, 68, 68);
    g.Line(68, 32, 32, 68);
}

void DrawCheckUpdate(TGlyphPainter& g) {
    g.Pen(0x804000, 6);
    g.Fill(0xF0C080);
    g.Disc(6, 6, 94, 94);
    g.Pen(0x804000, 4);
    g.Line(6, 50, 94, 50);
    g.NoFill();
    g.Disc(30, 6, 70, 94);
}

// A block arrow pointing left, or right when mirrored.
void DrawArrow(TGlyphPainter& g, bool pointsRight) {
    auto x = [pointsRight](double u) { return pointsRight ? 100 - u : u; };
    g.Pen(0x804000, 4);
    g.Fill(0xE08020);
    g.Poly(
        {{x(8), 50}, {x(48), 12}, {x(48), 34}, {x(92), 34}, {x(92), 66}, {x(48), 66}, {x(48), 88}});
}

void DrawPrevious(TGlyphPainter& g) {
    DrawArrow(g, false);
}
void DrawNext(TGlyphPainter& g) {
    DrawArrow(g, true);
}

// The gateway as the about box shows it: a rail-mounted module with its LEDs and connectors.
void DrawGateway(TGlyphPainter& g) {
    g.Pen(0x404040, 2);
    g.Fill(0xD8D8D8);
    g.Box(18, 4, 82, 96);
    g.Fill(0x606060);
    g.Box(10, 44, 90, 56);
    g.Fill(0x30A030);
    g.Box(26, 12, 74, 36);
    g.NoPen();
    for (double x : {30.0, 42.0, 54.0, 66.0}) {
        g.Fill(x < 50 ? 0x00E000 : 0x00C0FF);
        g.Disc(x, 62, x + 6, 68);
    }
    g.Fill(0x303030);
    g.Box(26, 76, 74, 90);
    g.Fill(0xC0C0C0);
    for (double x : {30.0, 40.0, 50.0, 60.0})
        g.Box(x, 80, x + 6, 86);
}

struct TGlyphEntry {
    const char* Name;
    int Width;
    int Height;
    int Count;
    TDrawing Draw;
};

// The bottom-left pixel stays magenta: it names the transparent colour.
void DrawArrowMark(TGlyphPainter& g) {
    for (int x = 0; x < 5; ++x)
        g.C->SetPixel(x, 0, clBlack);
    for (int x = 1; x < 4; ++x)
        g.C->SetPixel(x, 1, clBlack);
    g.C->SetPixel(2, 2, clBlack);
}

constexpr std::array<TGlyphEntry, 27> Glyphs = {{
    {"LBOK", 18, 18, 2, DrawOk},
    {"LBCANCEL", 18, 18, 2, DrawCancel},
    {"LBHELP", 18, 18, 2, DrawHelp},
    {"LBYES", 18, 18, 2, DrawYes},
    {"LBNO", 18, 18, 2, DrawNo},
    {"LBCLOSE", 18, 18, 2, DrawClose},
    {"LBABORT", 18, 18, 2, DrawCancel},
    {"LBRETRY", 18, 18, 2, DrawRetry},
    {"LBIGNORE", 18, 18, 2, DrawIgnore},
    {"LBALL", 18, 19, 2, DrawAll},
    {"LBARROW", 5, 3, 1, DrawArrowMark},
    {"NEW_CONF", 24, 24, 2, DrawNewConfiguration},
    {"OPEN_CONF", 24, 24, 2, DrawOpenConfiguration},
    {"SET_COMM", 24, 24, 2, DrawSetCommunication},
    {"HART_VARS", 24, 24, 2, DrawHartVariables},
    {"GSD_FILE", 24, 24, 2, DrawGsdFile},
    {"UPDATE_DEVICE", 24, 24, 2, DrawUpdateDevice},
    {"INFO", 32, 32, 2, DrawInformation},
    {"OPTIONS", 32, 32, 2, DrawOptions},
    {"EXIT", 32, 32, 2, DrawExit},
    {"OK", 18, 18, 2, DrawOk},
    {"CANCEL", 18, 18, 2, DrawCancel},
    {"CHECK_UPDATE", 18, 18, 2, DrawCheckUpdate},
    {"PREVIOUS", 18, 18, 2, DrawPrevious},
    {"NEXT", 18, 18, 2, DrawNext},
    {"HIDDEN_STEP", 24, 24, 2, DrawSheet},
    {"GATEWAY", 81, 81, 1, DrawGateway},
}};

const TGlyphEntry* FindGlyph(std::string_view name) {
    for (const TGlyphEntry& entry : Glyphs)
        if (name == entry.Name)
            return &entry;
    return nullptr;
}

// The disabled picture: every drawn pixel becomes a light grey of its brightness.
void GreyOut(TBitmap& bitmap, int fromX, int toX) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = fromX; x < toX; ++x) {
            const TColor c = bitmap.Pixel(x, y);
            if (c == Magenta)
                continue;
            const int lum = (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10;
            const int grey = 128 + lum / 2;
            bitmap.Canvas()->SetPixel(x, y, RGB(grey, grey, grey));
        }
    }
}

} // namespace

int Stock_Glyph_Count(std::string_view name) {
    const TGlyphEntry* entry = FindGlyph(name);
    return entry ? entry->Count : 0;
}

bool Load_Stock_Glyph(TBitmap& bitmap, std::string_view name) {
    const TGlyphEntry* entry = FindGlyph(name);
    if (!entry)
        return false;
    bitmap.SetSize(entry->Width * entry->Count, entry->Height);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Magenta);
    canvas->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    const int side = std::min(entry->Width, entry->Height);
    for (int picture = 0; picture < entry->Count; ++picture) {
        TGlyphPainter painter(canvas, picture * entry->Width, side);
        entry->Draw(painter);
    }
    if (entry->Count > 1)
        GreyOut(bitmap, entry->Width, 2 * entry->Width);
    // The bottom-left pixel names the transparent colour; keep it free of ink.
    canvas->SetPixel(0, entry->Height - 1, Magenta);
    bitmap.SetTransparent(true);
    bitmap.SetTransparentMode(tmAuto);
    return true;
}
