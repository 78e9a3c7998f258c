#include "grid/dropdown/DropDownStylePresets.h"

namespace {

constexpr TColor BtnFace = clBtnFace;
constexpr TColor Highlight = clHighlight;
constexpr TColor InactiveCaption = clInactiveCaption;

// Popup, header and footer colours, with the header's and footer's usually the same.
constexpr TDropDownPopupColors Popup(TColor color, TColor colorTo, bool setsBorder, TColor border,
                                     TColor barColor, TColor barColorTo, TColor font,
                                     TColor barBorder) {
    return {color,    colorTo,    setsBorder, border,    barColor, barColorTo,
            barColor, barColorTo, font,       barBorder, barBorder};
}

// The Office 2007 set most presets share for their hot, down, disabled and checked buttons.
constexpr TDropDownButtonColors OfficeSet(TColor color, TColor colorTo) {
    return {color,    colorTo,  clNone,   0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF,
            0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
}

// The Office 2010 set.
constexpr TDropDownButtonColors TenSet(TColor color, TColor colorTo, TColor border) {
    return {color,  colorTo,  border,   0x8AE3FD, clNone,   0x58CAF1, 0x6CD0FF,
            clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone,   0x4FA0CE};
}

} // namespace

bool DropDownPopupPreset(TULKStyle Style, TDropDownPopupColors& Colors) {
    switch (Style) {
    case tsOffice2003Blue:
        Colors = Popup(0xFFFFFF, clNone, false, 0, 0xFCE1CB, 0xE0A57D, 0, 0);
        Colors.FooterBorderColor = 0x962D00;
        return true;
    case tsOffice2003Silver:
        Colors = Popup(0xFFFFFF, clNone, false, 0, 0xECE2E1, 0xB39698, 0, 0x947C7C);
        return true;
    case tsOffice2003Olive:
        Colors = Popup(0xFFFFFF, clNone, true, clNone, 0xCFF0EA, 0x8CC0B1, 0, 0x588060);
        return true;
    case tsOffice2003Classic:
        Colors = Popup(0xF2F2F2, 0xF2F2F2, true, clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080);
        return true;
    case tsOffice2007Luna:
        Colors = Popup(0xF3E5DA, 0xF0DED0, true, clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF);
        return true;
    case tsOffice2007Obsidian:
        Colors = Popup(0xFFFFFF, clNone, true, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C);
        return true;
    case tsWindowsXP:
        Colors = Popup(0xFFFFFF, clNone, false, 0, 0xFFFFFF, BtnFace, 0, 0x808080);
        return true;
    case tsWhidbey:
        Colors = Popup(0xF5F9FA, 0xF5F9FA, true, clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00);
        return true;
    case tsOffice2007Silver:
        Colors = Popup(0xF8F4F1, 0xF0E8E3, true, clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F);
        return true;
    case tsWindowsVista:
        Colors = Popup(0xFFFFFF, 0xFFFFFF, true, 0x979797, 0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA);
        Colors.FooterColor = 0xFFFAF0;
        Colors.FooterColorTo = 0xFFFDF9;
        return true;
    case tsWindows7:
        Colors = Popup(0xFFFFFF, 0xFFFFFF, true, 0x979797, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8);
        return true;
    case tsTerminal:
        Colors = Popup(0xFFFFFF, 0xFFFFFF, true, 0x808080, BtnFace, BtnFace, 0, clNone);
        return true;
    case tsOffice2010Blue:
        Colors = Popup(0xFFFFFF, 0xF1EFED, true, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F);
        return true;
    case tsOffice2010Silver:
        Colors = Popup(0xFFFFFF, 0xF1EFED, true, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8);
        return true;
    case tsOffice2010Black:
        Colors = Popup(0xFFFFFF, 0xF1EFED, true, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D);
        return true;
    case tsCustom:
        break;
    }
    return false;
}

bool DropDownButtonPreset(TULKStyle Style, TDropDownButtonColors& Colors) {
    switch (Style) {
    case tsOffice2003Blue:
        Colors = OfficeSet(0xFCE1CB, 0xE0A57D);
        return true;
    case tsOffice2003Silver:
        Colors = OfficeSet(0xECE2E1, 0xB39698);
        return true;
    case tsOffice2003Olive:
        Colors = OfficeSet(0xCFF0EA, 0x8CC0B1);
        return true;
    case tsOffice2003Classic:
        Colors = {0xFFFFFF, 0xC9D1D5, clNone,   0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285,
                  0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080};
        return true;
    case tsOffice2007Luna:
        Colors = OfficeSet(0xFFEFE3, 0xFFDDC4);
        return true;
    case tsOffice2007Obsidian:
        Colors = OfficeSet(0xF2F1F0, 0xC9C2BD);
        return true;
    case tsWindowsXP:
        Colors = {0xFFFFFF,  BtnFace,         clNone,          0xEFD3C6,  0xEFD3C6,
                  Highlight, InactiveCaption, InactiveCaption, Highlight, 0xB6B6B6,
                  0xB6B6B6,  0xB9D8DC,        0xB9D8DC,        0};
        return true;
    case tsWhidbey:
        Colors = OfficeSet(0xFFFFFF, 0xDFEDF0);
        return true;
    case tsOffice2007Silver:
        Colors = OfficeSet(0xF9F8F8, 0xE4E2DF);
        return true;
    case tsWindowsVista:
        // The checked border is the down border of the same preset.
        Colors = {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0,
                  0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A};
        return true;
    case tsWindows7:
        Colors = {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC,
                  0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D};
        return true;
    case tsTerminal:
        Colors = {BtnFace,   BtnFace,  clNone,  0xC0C0C0, 0xC0C0C0, 0x808080, Highlight,
                  Highlight, 0x808080, BtnFace, BtnFace,  BtnFace,  BtnFace,  Highlight};
        return true;
    case tsOffice2010Blue:
        Colors = TenSet(0xFDF6EF, 0xF0DAC7, 0xC7B29F);
        return true;
    case tsOffice2010Silver:
        Colors = TenSet(0xFFFFFF, 0xEDE5E0, 0xD2CDC8);
        return true;
    case tsOffice2010Black:
        Colors = TenSet(0xBFBFBF, 0x919191, 0xD7D7D6);
        return true;
    case tsCustom:
        break;
    }
    return false;
}
