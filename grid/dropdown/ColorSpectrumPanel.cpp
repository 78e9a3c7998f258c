#include "grid/dropdown/ColorSpectrumPanel.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Image.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr TColor SwatchFrame = 0x808080;

// Fully saturated hue h of [0, 6).
TColor Hue(double h) {
    const double x = 1.0 - std::abs(h - 2.0 * static_cast<int>(h / 2.0) - 1.0);
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(h)) {
    case 0:
        r = 1, g = x;
        break;
    case 1:
        r = x, g = 1;
        break;
    case 2:
        g = 1, b = x;
        break;
    case 3:
        g = x, b = 1;
        break;
    case 4:
        r = x, b = 1;
        break;
    default:
        r = 1, b = x;
        break;
    }
    return RGB(static_cast<int>(r * 255 + 0.5), static_cast<int>(g * 255 + 0.5),
               static_cast<int>(b * 255 + 0.5));
}

int Mix(int from, int to, double share) {
    return static_cast<int>(from + (to - from) * share + 0.5);
}

TColor Blend(TColor from, TColor to, double share) {
    return RGB(Mix(GetRValue(from), GetRValue(to), share),
               Mix(GetGValue(from), GetGValue(to), share),
               Mix(GetBValue(from), GetBValue(to), share));
}

// Hue from left to right; white at the top through the pure hue in the middle to black at the
// bottom.
void PaintSpectrum(TBitmap* bitmap, int size) {
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(size, size);
    const int half = size / 2;
    for (int y = 0; y < size; ++y) {
        uint8_t* row = bitmap->ScanLine(y);
        for (int x = 0; x < size; ++x) {
            const TColor hue = Hue(6.0 * x / size);
            const TColor c = y < half ? Blend(clWhite, hue, static_cast<double>(y) / half)
                                      : Blend(hue, clBlack, static_cast<double>(y - half) / half);
            row[3 * x] = static_cast<uint8_t>(GetBValue(c));
            row[3 * x + 1] = static_cast<uint8_t>(GetGValue(c));
            row[3 * x + 2] = static_cast<uint8_t>(GetRValue(c));
        }
    }
}

} // namespace

TExColorSpectrumPanel::TExColorSpectrumPanel(TComponent* AOwner)
    : TExCustomColorSelectorPanel(AOwner), FSpectrumImage(new TImage(this)) {
    FSpectrumImage->SetParent(this);
    FSpectrumImage->SetBounds(0, 0, SpectrumSize, SpectrumSize);
    PaintSpectrum(FSpectrumImage->Picture()->Bitmap(), SpectrumSize);
    FSpectrumImage->SetCursor(crCross);
    FSpectrumImage->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) {
        SpectrumMouseMove(X, Y);
    };
    FSpectrumImage->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int X, int Y) {
        SpectrumMouseDown(X, Y);
    };
    FSpectrumImage->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) {
        FireShouldHide();
    };
}

TExColorSpectrumPanel::~TExColorSpectrumPanel() = default;

void TExColorSpectrumPanel::ArrangeSpectrum() {
    SetBounds(Left(), Top(), 150, 174);
    const int w = FSpectrumImage->Width();
    const int h = FSpectrumImage->Height();
    FSpectrumImage->SetBounds((Width() - w) / 2, 10, w, h);
    const int l = FSpectrumImage->Left();
    const int t = FSpectrumImage->Top();
    FSelectedRect = Rect(l - 1, t + h + 8, l + w / 2 - 2, t + h + 28);
    FHotRect = Rect(FSelectedRect.Right + 4, FSelectedRect.Top, l + w + 1, FSelectedRect.Bottom);
    FHotColor = clNone;
    Invalidate();
}

TColor TExColorSpectrumPanel::SpectrumColorAt(int X, int Y) const {
    TBitmap* bitmap = FSpectrumImage->Picture()->Bitmap();
    if (X < 0 || Y < 0 || X >= bitmap->Width() || Y >= bitmap->Height())
        return clNone;
    return bitmap->Pixel(X, Y);
}

void TExColorSpectrumPanel::SpectrumMouseMove(int X, int Y) {
    FHotColor = SpectrumColorAt(X, Y);
    InvalidateSwatch(FHotRect);
}

void TExColorSpectrumPanel::SpectrumMouseDown(int X, int Y) {
    // The colour under the pointer, even when no move came before the press: a press never
    // chooses "no colour".
    const TColor picked = SpectrumColorAt(X, Y);
    if (picked == clNone)
        return;
    FHotColor = picked;
    FSelectedColor = picked;
    InvalidateSwatch(FHotRect);
    InvalidateSwatch(FSelectedRect);
    FireEvent(OnSelect, static_cast<TObject*>(this));
}

void TExColorSpectrumPanel::DrawSwatch(const TRect& R, TColor Color) {
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(SwatchFrame);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
    canvas->Pen()->SetColor(clWhite);
    // A swatch without a colour stays empty inside its frame.
    if (Color == clNone) {
        canvas->Rectangle(R);
        return;
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color);
    canvas->Rectangle(R);
}

void TExColorSpectrumPanel::InvalidateSwatch(const TRect& R) {
    InvalidateRect(Rect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1));
}

void TExColorSpectrumPanel::Paint() {
    TCanvas* canvas = Canvas();
    const TRect p = FSpectrumImage->BoundsRect();
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(clWhite);
    canvas->Rectangle(p.Left - 1, p.Top - 1, p.Right + 1, p.Bottom + 1);
    canvas->Pen()->SetColor(SwatchFrame);
    canvas->Rectangle(p.Left - 2, p.Top - 2, p.Right + 2, p.Bottom + 2);
    DrawSwatch(FSelectedRect, FSelectedColor);
    DrawSwatch(FHotRect, FHotColor);
}

void TExColorSpectrumPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    FireShouldHide();
}
