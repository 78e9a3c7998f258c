// The style presets of the grid drop-down: the header and line colours it hands to its grid.
#include "grid/dropdown/ExCustomGridDropDown.h"

#include "platform/ui/Font.h"

#include <iterator>

namespace GridDropDown {

namespace {

// What a preset gives the drop-down besides the base's colours; tsCustom keeps everything.
struct TGridDropDownLook {
    TULKStyle Style;
    TColor HeaderColor;
    TColor HeaderColorTo;
    TColor HeaderFontColor; // clNone: unchanged
    TSelectionColorStyle SelectionStyle;
    TColor LineColor;
    TColor FixedLineColor;
    TColor SelectionTextColor;
    TColor SelectionColor; // scCustom only; clNone: the style's own
};

constexpr TGridDropDownLook Looks[] = {
    {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00, 0, clNone},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, clNone, scOffice2007, 0x947C7C, 0x947C7C, 0, clNone},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, clNone, scOffice2007, 0x588060, 0x588060, 0, clNone},
    {tsOffice2003Classic, 0x808080, 0x808080, clNone, scOffice2007, 0x808080, 0x808080, 0, clNone},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, scOffice2007, 0xFFD2AF, 0xFFD2AF, 0, clNone},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, scOffice2007, 0x5C534C, 0x5C534C, 0,
     clNone},
    {tsWindowsXP, clBtnFace, clBtnFace, 0, scCustom, 0xC0C0C0, 0, clHighlightText, clHighlight},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00, 0, clNone},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, scOffice2007, 0x74706F, 0x74706F, 0, clNone},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0, scWindowsVista, 0xFCF2DA, 0xFCF2DA, 0, clNone},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0, scWindows7, 0xFBD6B8, 0xFBD6B8, 0, clNone},
    {tsTerminal, clBtnFace, clBtnFace, 0, scCustom, 0x808080, 0x808080, clHighlightText,
     clHighlight},
};

} // namespace

void TCustomExGridDropDown::SetComponentStyle(TULKStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    // The Office 2010 presets and tsCustom take the base's colours only.
    for (const TGridDropDownLook& look : Looks) {
        if (look.Style != AStyle)
            continue;
        FHeaderColor = look.HeaderColor;
        FHeaderColorTo = look.HeaderColorTo;
        if (look.HeaderFontColor != clNone)
            FHeaderFont->SetColor(look.HeaderFontColor);
        SetSelectionColorStyle(look.SelectionStyle);
        FLineColor = look.LineColor;
        FFixedLineColor = look.FixedLineColor;
        FSelectionTextColor = look.SelectionTextColor;
        if (look.SelectionStyle == scCustom) {
            SetSelectionColor(look.SelectionColor);
            SetSelectionColorTo(look.SelectionColor);
        }
        return;
    }
}

void TCustomExGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    if (Value == scOffice2007) {
        FLineColor = 0xF1EDEB;
        FFixedLineColor = 0xD1BBA4;
    } else if (Value == scWindowsVista || Value == scWindows7) {
        FLineColor = 0xECECF0;
        FFixedLineColor = 0xD4D2D1;
    }
    TExCustomDropDown::SetSelectionColorStyle(Value);
}

} // namespace GridDropDown
