#include "platform/ui/Colors.h"

#include <array>
#include <mutex>

namespace {

// The palette of a current desktop with visual styles on, so every system colour has one value
// on every machine and in every test.
std::array<TColor, 31> DefaultPalette() {
    std::array<TColor, 31> p{};
    p[COLOR_SCROLLBAR] = RGB(200, 200, 200);
    p[COLOR_BACKGROUND] = RGB(0, 0, 0);
    p[COLOR_ACTIVECAPTION] = RGB(153, 180, 209);
    p[COLOR_INACTIVECAPTION] = RGB(191, 205, 219);
    p[COLOR_MENU] = RGB(240, 240, 240);
    p[COLOR_WINDOW] = RGB(255, 255, 255);
    p[COLOR_WINDOWFRAME] = RGB(100, 100, 100);
    p[COLOR_MENUTEXT] = RGB(0, 0, 0);
    p[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
    p[COLOR_CAPTIONTEXT] = RGB(0, 0, 0);
    p[COLOR_ACTIVEBORDER] = RGB(180, 180, 180);
    p[COLOR_INACTIVEBORDER] = RGB(244, 247, 252);
    p[COLOR_APPWORKSPACE] = RGB(171, 171, 171);
    p[COLOR_HIGHLIGHT] = RGB(0, 120, 215);
    p[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
    p[COLOR_BTNFACE] = RGB(240, 240, 240);
    p[COLOR_BTNSHADOW] = RGB(160, 160, 160);
    p[COLOR_GRAYTEXT] = RGB(109, 109, 109);
    p[COLOR_BTNTEXT] = RGB(0, 0, 0);
    p[COLOR_INACTIVECAPTIONTEXT] = RGB(0, 0, 0);
    p[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
    p[COLOR_3DDKSHADOW] = RGB(105, 105, 105);
    p[COLOR_3DLIGHT] = RGB(227, 227, 227);
    p[COLOR_INFOTEXT] = RGB(0, 0, 0);
    p[COLOR_INFOBK] = RGB(255, 255, 225);
    p[25] = RGB(180, 180, 180);
    p[COLOR_HOTLIGHT] = RGB(0, 102, 204);
    p[COLOR_GRADIENTACTIVECAPTION] = RGB(185, 209, 234);
    p[COLOR_GRADIENTINACTIVECAPTION] = RGB(215, 228, 242);
    p[COLOR_MENUHILIGHT] = RGB(0, 120, 215);
    p[COLOR_MENUBAR] = RGB(240, 240, 240);
    return p;
}

struct Palette {
    std::mutex Lock;
    std::array<TColor, 31> Colors = DefaultPalette();
};

Palette& ThePalette() {
    static Palette palette;
    return palette;
}

} // namespace

TColor GetSysColor(int index) {
    Palette& palette = ThePalette();
    std::lock_guard lock(palette.Lock);
    if (index < 0 || index >= static_cast<int>(palette.Colors.size()))
        return clBlack;
    return palette.Colors[static_cast<size_t>(index)];
}

void SetSysColor(int index, TColor rgb) {
    Palette& palette = ThePalette();
    std::lock_guard lock(palette.Lock);
    if (index >= 0 && index < static_cast<int>(palette.Colors.size()))
        palette.Colors[static_cast<size_t>(index)] = rgb & 0xFFFFFF;
}

TColor ColorToRGB(TColor color) {
    if (IsSystemColor(color))
        return GetSysColor(color & 0xFF);
    if (color == clNone || color == clDefault)
        return clBlack;
    return color & 0xFFFFFF;
}
