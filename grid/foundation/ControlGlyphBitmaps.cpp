#include "grid/foundation/ControlGlyphBitmaps.h"

#include "grid/foundation/ExDrawing.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <array>
#include <optional>
#include <string>

namespace {

constexpr int ControlGlyphSize = 15;

struct TGlyphLook {
    TColor Border;
    TColor FillFrom;
    TColor FillTo;
    TColor Mark;
};

constexpr TGlyphLook EnabledLook{RGB(0x4D, 0x6D, 0x9E), RGB(0xFF, 0xFF, 0xFF),
                                 RGB(0xD6, 0xE3, 0xF5), RGB(0x1E, 0x39, 0x5B)};
constexpr TGlyphLook DisabledLook{RGB(0xB0, 0xB0, 0xB0), RGB(0xF4, 0xF4, 0xF4),
                                  RGB(0xF4, 0xF4, 0xF4), RGB(0xA0, 0xA0, 0xA0)};

// A framed square with cut corners; its corner pixels keep the background, which the
// transparent drawing takes from the bottom-left pixel.
void DrawCheckFace(TCanvas* Canvas, const TGlyphLook& Look, bool Checked) {
    DrawGradient(Canvas, Look.FillFrom, Look.FillTo, ControlGlyphSize,
                 TRect{1, 1, ControlGlyphSize - 1, ControlGlyphSize - 1}, false);
    Canvas->Pen()->SetColor(Look.Border);
    const int e = ControlGlyphSize - 1;
    Canvas->Polyline({TPoint{1, 0}, TPoint{e, 0}});
    Canvas->Polyline({TPoint{1, e}, TPoint{e, e}});
    Canvas->Polyline({TPoint{0, 1}, TPoint{0, e}});
    Canvas->Polyline({TPoint{e, 1}, TPoint{e, e}});
    if (!Checked)
        return;
    Canvas->Pen()->SetColor(Look.Mark);
    for (int dy = 0; dy < 2; ++dy)
        Canvas->Polyline({TPoint{3, 6 + dy}, TPoint{6, 9 + dy}, TPoint{11, 4 + dy}});
}

void DrawRadioFace(TCanvas* Canvas, const TGlyphLook& Look, bool Checked) {
    Canvas->Pen()->SetColor(Look.Border);
    Canvas->Brush()->SetColor(Look.FillTo);
    Canvas->Ellipse(0, 0, ControlGlyphSize, ControlGlyphSize);
    if (!Checked)
        return;
    Canvas->Pen()->SetColor(Look.Mark);
    Canvas->Brush()->SetColor(Look.Mark);
    Canvas->Ellipse(4, 4, ControlGlyphSize - 4, ControlGlyphSize - 4);
}

// The flat glyphs of the colour-tone look: a plain face in a dark frame.
constexpr TGlyphLook MetroLook{RGB(0x40, 0x40, 0x40), RGB(0xFF, 0xFF, 0xFF),
                               RGB(0xFF, 0xFF, 0xFF), RGB(0x20, 0x20, 0x20)};

struct TGlyphKind {
    bool Check;
    bool Checked;
    const TGlyphLook* Look;
};

std::optional<TGlyphKind> MetroGlyphKind(std::string_view Name) {
    if (Name == "metrocheckon")
        return TGlyphKind{true, true, &MetroLook};
    if (Name == "metrocheckoff")
        return TGlyphKind{true, false, &MetroLook};
    if (Name == "metroradioon")
        return TGlyphKind{false, true, &MetroLook};
    if (Name == "metroradiooff")
        return TGlyphKind{false, false, &MetroLook};
    return std::nullopt;
}

// "ESGCHK" or "ESGRAD" and the number: checked, unchecked, checked disabled, unchecked disabled.
std::optional<TGlyphKind> NumberedGlyphKind(std::string_view Name) {
    const bool check = Name.starts_with("ESGCHK");
    if (!check && !Name.starts_with("ESGRAD"))
        return std::nullopt;
    static constexpr std::array<std::string_view, 4> Numbers{"01", "02", "03", "04"};
    const std::string_view number = Name.substr(6);
    for (int i = 0; i < static_cast<int>(Numbers.size()); ++i)
        if (number == Numbers[i])
            return TGlyphKind{check, i % 2 == 0, i < 2 ? &EnabledLook : &DisabledLook};
    return std::nullopt;
}

} // namespace

bool BuildControlGlyph(std::string_view Name, TBitmap& Glyph) {
    std::optional<TGlyphKind> kind = NumberedGlyphKind(Name);
    if (!kind)
        kind = MetroGlyphKind(Name);
    if (!kind)
        return false;
    const bool check = kind->Check;
    const bool checked = kind->Checked;
    const TGlyphLook& look = *kind->Look;
    Glyph.SetSize(ControlGlyphSize, ControlGlyphSize);
    TCanvas* canvas = Glyph.Canvas();
    canvas->Brush()->SetColor(clFuchsia); // background, left out when drawn
    canvas->FillRect(TRect{0, 0, ControlGlyphSize, ControlGlyphSize});
    canvas->Pen()->SetWidth(1);
    if (check)
        DrawCheckFace(canvas, look, checked);
    else
        DrawRadioFace(canvas, look, checked);
    Glyph.SetTransparent(true);
    return true;
}
