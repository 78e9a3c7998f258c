#include "grid/foundation/ExDrawing.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <array>

namespace {

constexpr int GlyphSize = 9;

constexpr int FilterGlyphSize = 12;

// The filter button: a funnel.
void BuildFilterGlyph(TBitmap& glyph) {
    glyph.SetSize(FilterGlyphSize, FilterGlyphSize);
    TCanvas* canvas = glyph.Canvas();
    canvas->Brush()->SetColor(clFuchsia); // background, replaced when drawn
    canvas->FillRect(Rect(0, 0, FilterGlyphSize, FilterGlyphSize));
    canvas->Pen()->SetColor(clBlack);
    for (int y = 2; y < 7; ++y) {
        canvas->MoveTo(1 + (y - 2), y);
        canvas->LineTo(FilterGlyphSize - 1 - (y - 2), y);
    }
    for (int y = 7; y < 11; ++y) {
        canvas->MoveTo(5, y);
        canvas->LineTo(7, y);
    }
}

// The node glyphs: a boxed plus (closed) or minus (open); the XP forms have a shaded box.
bool BuildGlyph(std::string_view name, TBitmap& glyph) {
    if (name == "ESGFILT") {
        BuildFilterGlyph(glyph);
        return true;
    }
    bool open;
    bool shaded;
    if (name == "ESGLEAFCLOSE" || name == "XPNODEC")
        open = false;
    else if (name == "ESGLEAFOPEN" || name == "XPNODEO")
        open = true;
    else
        return false;
    shaded = name.starts_with("XP");
    glyph.SetSize(GlyphSize, GlyphSize);
    TCanvas* canvas = glyph.Canvas();
    canvas->Brush()->SetColor(clFuchsia); // background, replaced when drawn
    canvas->FillRect(Rect(0, 0, GlyphSize, GlyphSize));
    canvas->Brush()->SetColor(shaded ? RGB(0xEE, 0xEE, 0xE6) : clWhite);
    canvas->Pen()->SetColor(shaded ? RGB(0x7A, 0x96, 0xDF) : clGray);
    canvas->Rectangle(Rect(0, 0, GlyphSize, GlyphSize));
    canvas->Pen()->SetColor(clBlack);
    canvas->MoveTo(2, 4);
    canvas->LineTo(7, 4);
    if (!open) {
        canvas->MoveTo(4, 2);
        canvas->LineTo(4, 7);
    }
    // The corner pixel decides the background: keep it the background colour.
    glyph.Canvas()->SetPixel(0, 0, clFuchsia);
    return true;
}

} // namespace

void DrawBitmapOnColor(TCanvas* Canvas, const TBitmap* Bitmap, TColor Color, const TRect& R) {
    if (Bitmap == nullptr || Bitmap->Empty())
        return;
    const int width = Bitmap->Width();
    const int height = Bitmap->Height();
    TBitmap copy(width, height);
    const TColor background = Bitmap->Pixel(0, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            TColor pixel = Bitmap->Pixel(x, y);
            copy.Canvas()->SetPixel(x, y, pixel == background ? Color : pixel);
        }
    Canvas->Draw(R.Left, R.Top, &copy);
}

void DrawResourceBitmap(TCanvas* Canvas, TColor Color, const TRect& R, std::string_view Name) {
    TBitmap glyph;
    if (BuildGlyph(Name, glyph))
        DrawBitmapOnColor(Canvas, &glyph, Color, R);
}

bool SafeUpdateLayeredWindow(TWinControl*, const TBitmap*, TPoint, uint8_t) {
    return true;
}

bool SafeSetLayeredWindowAttributes(TWinControl*, TColor, uint8_t, uint32_t) {
    return true;
}
