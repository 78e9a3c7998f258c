#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLETags.h"

#include <string>

namespace {

struct NamedColor {
    std::string_view Name;
    TColor Color;
};

constexpr NamedColor basicColors[] = {
    {"clred", clRed},   {"clblack", clBlack},   {"clblue", clBlue},       {"clgreen", clGreen},
    {"claqua", clAqua}, {"clyellow", clYellow}, {"clfuchsia", clFuchsia}, {"clwhite", clWhite},
    {"cllime", clLime}, {"clsilver", clSilver}, {"clgray", clGray},       {"clolive", clOlive},
    {"clnavy", clNavy}, {"clpurple", clPurple}, {"clteal", clTeal},       {"clmaroon", clMaroon},
};

constexpr NamedColor systemColors[] = {
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = HTMLTags::UpperAscii(c);
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

int HexByte(std::string_view Text, size_t at) {
    int high = at < Text.size() ? HexDigit(Text[at]) : 0;
    int low = at + 1 < Text.size() ? HexDigit(Text[at + 1]) : 0;
    return high * 16 + low;
}

} // namespace

TColor HTMLColorByName(std::string_view Name) {
    std::string lower(Name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    for (const NamedColor& entry : basicColors)
        if (entry.Name == lower)
            return entry.Color;
    for (const NamedColor& entry : systemColors)
        if (entry.Name == lower)
            return entry.Color;
    return clBlack;
}

// Characters that are no hexadecimal digit count 0, so every result stays a colour.
TColor HexToColor(std::string_view Text) {
    return RGB(HexByte(Text, 1), HexByte(Text, 3), HexByte(Text, 5));
}
