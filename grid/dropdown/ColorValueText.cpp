#include "grid/dropdown/ColorValueText.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace {
struct TWebColor {
    std::string_view Name; // without the "clWeb" that every name starts with
    unsigned RGBValue;     // 0xRRGGBB
};

// The web colours in the order a name is looked up; no two share a value.
constexpr std::array<TWebColor, 138> WebColors{{
    {"Snow", 0xFFFAFA},
    {"FloralWhite", 0xFFFAF0},
    {"LavenderBlush", 0xFFF0F5},
    {"OldLace", 0xFDF5E6},
    {"Ivory", 0xFFFFF0},
    {"CornSilk", 0xFFF8DC},
    {"Beige", 0xF5F5DC},
    {"AntiqueWhite", 0xFAEBD7},
    {"Wheat", 0xF5DEB3},
    {"AliceBlue", 0xF0F8FF},
    {"GhostWhite", 0xF8F8FF},
    {"Lavender", 0xE6E6FA},
    {"Seashell", 0xFFF5EE},
    {"LightYellow", 0xFFFFE0},
    {"PapayaWhip", 0xFFEFD5},
    {"NavajoWhite", 0xFFDEAD},
    {"Moccasin", 0xFFE4B5},
    {"Burlywood", 0xDEB887},
    {"Azure", 0xF0FFFF},
    {"Mintcream", 0xF5FFFA},
    {"Honeydew", 0xF0FFF0},
    {"Linen", 0xFAF0E6},
    {"LemonChiffon", 0xFFFACD},
    {"BlanchedAlmond", 0xFFEBCD},
    {"Bisque", 0xFFE4C4},
    {"PeachPuff", 0xFFDAB9},
    {"Tan", 0xD2B48C},
    {"Yellow", 0xFFFF00},
    {"DarkOrange", 0xFF8C00},
    {"Red", 0xFF0000},
    {"DarkRed", 0x8B0000},
    {"Maroon", 0x800000},
    {"IndianRed", 0xCD5C5C},
    {"Salmon", 0xFA8072},
    {"Coral", 0xFF7F50},
    {"Gold", 0xFFD700},
    {"Tomato", 0xFF6347},
    {"Crimson", 0xDC143C},
    {"Brown", 0xA52A2A},
    {"Chocolate", 0xD2691E},
    {"SandyBrown", 0xF4A460},
    {"LightSalmon", 0xFFA07A},
    {"LightCoral", 0xF08080},
    {"Orange", 0xFFA500},
    {"OrangeRed", 0xFF4500},
    {"Firebrick", 0xB22222},
    {"SaddleBrown", 0x8B4513},
    {"Sienna", 0xA0522D},
    {"Peru", 0xCD853F},
    {"DarkSalmon", 0xE9967A},
    {"RosyBrown", 0xBC8F8F},
    {"PaleGoldenrod", 0xEEE8AA},
    {"LightGoldenrodYellow", 0xFAFAD2},
    {"Olive", 0x808000},
    {"ForestGreen", 0x228B22},
    {"GreenYellow", 0xADFF2F},
    {"Chartreuse", 0x7FFF00},
    {"LightGreen", 0x90EE90},
    {"Aquamarine", 0x7FFFD4},
    {"SeaGreen", 0x2E8B57},
    {"GoldenRod", 0xDAA520},
    {"Khaki", 0xF0E68C},
    {"OliveDrab", 0x6B8E23},
    {"Green", 0x008000},
    {"YellowGreen", 0x9ACD32},
    {"LawnGreen", 0x7CFC00},
    {"PaleGreen", 0x98FB98},
    {"MediumAquamarine", 0x66CDAA},
    {"MediumSeaGreen", 0x3CB371},
    {"DarkGoldenRod", 0xB8860B},
    {"DarkKhaki", 0xBDB76B},
    {"DarkOliveGreen", 0x556B2F},
    {"Darkgreen", 0x006400},
    {"LimeGreen", 0x32CD32},
    {"Lime", 0x00FF00},
    {"SpringGreen", 0x00FF7F},
    {"MediumSpringGreen", 0x00FA9A},
    {"DarkSeaGreen", 0x8FBC8F},
    {"LightSeaGreen", 0x20B2AA},
    {"PaleTurquoise", 0xAFEEEE},
    {"LightCyan", 0xE0FFFF},
    {"LightBlue", 0xADD8E6},
    {"LightSkyBlue", 0x87CEFA},
    {"CornFlowerBlue", 0x6495ED},
    {"DarkBlue", 0x00008B},
    {"Indigo", 0x4B0082},
    {"MediumTurquoise", 0x48D1CC},
    {"Turquoise", 0x40E0D0},
    {"Cyan", 0x00FFFF},
    {"PowderBlue", 0xB0E0E6},
    {"SkyBlue", 0x87CEEB},
    {"RoyalBlue", 0x4169E1},
    {"MediumBlue", 0x0000CD},
    {"MidnightBlue", 0x191970},
    {"DarkTurquoise", 0x00CED1},
    {"CadetBlue", 0x5F9EA0},
    {"DarkCyan", 0x008B8B},
    {"Teal", 0x008080},
    {"DeepskyBlue", 0x00BFFF},
    {"DodgerBlue", 0x1E90FF},
    {"Blue", 0x0000FF},
    {"Navy", 0x000080},
    {"DarkViolet", 0x9400D3},
    {"DarkOrchid", 0x9932CC},
    {"Magenta", 0xFF00FF},
    {"DarkMagenta", 0x8B008B},
    {"MediumVioletRed", 0xC71585},
    {"PaleVioletRed", 0xDB7093},
    {"BlueViolet", 0x8A2BE2},
    {"MediumOrchid", 0xBA55D3},
    {"MediumPurple", 0x9370DB},
    {"Purple", 0x800080},
    {"DeepPink", 0xFF1493},
    {"LightPink", 0xFFB6C1},
    {"Violet", 0xEE82EE},
    {"Orchid", 0xDA70D6},
    {"Plum", 0xDDA0DD},
    {"Thistle", 0xD8BFD8},
    {"HotPink", 0xFF69B4},
    {"Pink", 0xFFC0CB},
    {"LightSteelBlue", 0xB0C4DE},
    {"MediumSlateBlue", 0x7B68EE},
    {"LightSlateGray", 0x778899},
    {"White", 0xFFFFFF},
    {"Lightgrey", 0xD3D3D3},
    {"Gray", 0x808080},
    {"SteelBlue", 0x4682B4},
    {"SlateBlue", 0x6A5ACD},
    {"SlateGray", 0x708090},
    {"WhiteSmoke", 0xF5F5F5},
    {"Silver", 0xC0C0C0},
    {"DimGray", 0x696969},
    {"MistyRose", 0xFFE4E1},
    {"DarkSlateBlue", 0x483D8B},
    {"DarkSlategray", 0x2F4F4F},
    {"Gainsboro", 0xDCDCDC},
    {"DarkGray", 0xA9A9A9},
    {"Black", 0x000000},
}};

std::string HTMLForm(int R, int G, int B) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", R & 0xFF, G & 0xFF, B & 0xFF);
    return text;
}
} // namespace

std::string ColorValueText(TColor Color, TColorValueText Form) {
    switch (Form) {
    case cvtNone:
        return {};
    case cvtHex: {
        char text[12];
        std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(Color));
        return text;
    }
    case cvtRGB:
    case cvtHTML:
    case cvtWebName:
        break;
    }
    const TColor rgb = ColorToRGB(Color);
    const int r = GetRValue(rgb);
    const int g = GetGValue(rgb);
    const int b = GetBValue(rgb);
    if (Form == cvtRGB)
        return "Red:" + std::to_string(r) + ",Green:" + std::to_string(g) +
               ",Blue:" + std::to_string(b);
    if (Form == cvtWebName) {
        const unsigned value = (static_cast<unsigned>(r) << 16) | (g << 8) | b;
        for (const TWebColor& web : WebColors)
            if (web.RGBValue == value)
                return "clWeb" + std::string(web.Name);
    }
    return HTMLForm(r, g, b);
}
