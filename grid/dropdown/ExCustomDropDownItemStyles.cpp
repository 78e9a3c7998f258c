// The hot and selected colours that each style preset gives the items of the list-like pickers.
#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/dropdown/ItemSelector.h"

namespace {

struct TItemStyleColors {
    TColor Hot, HotTo, MirrorHot, MirrorHotTo;
    TColor Selected, SelectedTo, MirrorSelected, MirrorSelectedTo;
    TColor Border, BorderTop, BorderBottom, Edge;
    TColor SelectedText;
};

constexpr TColor None = clNone;
constexpr TColor SysHighlight = static_cast<TColor>(0xFF00000D);
constexpr TColor SysHighlightText = static_cast<TColor>(0xFF00000E);

constexpr TItemStyleColors Office2003{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF,
                                      0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, None,
                                      None,     None,     0};
constexpr TItemStyleColors Office2007{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF,
                                      0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF,
                                      0xCAF8FF, 0xC3D9DF, 0};
constexpr TItemStyleColors Office2003Classic{
    0xD2BDB6, 0xD2BDB6, None, None, 0xB59285, 0xB59285, None, None, 0x808080, None, None, None, 0};
constexpr TItemStyleColors WindowsXP{
    0xEFD3C6,     0xEFD3C6, None, None, SysHighlight,    None, None, None,
    SysHighlight, None,     None, None, SysHighlightText};
constexpr TItemStyleColors WindowsVista{0xFFFDF9, 0xFFFAF0, None, None,     0xFEF9F0,
                                        0xFDF0D7, None,     None, 0xFEDF9A, 0xFDFBF6,
                                        0xFDF5E7, 0xFCEDCB, 0};
constexpr TItemStyleColors Windows7{0xFDFBFA, 0xFDF3EB, None, None,     0xFCEBDC,
                                    0xFCDBC1, None,     None, 0xCEA27D, 0xFDF4EB,
                                    0xFDEADB, 0xE0C5AE, 0};
constexpr TItemStyleColors Terminal{
    0xC0C0C0, 0xC0C0C0, None, None, SysHighlight,    None, None, None,
    0x808080, None,     None, None, SysHighlightText};
constexpr TItemStyleColors Office2010{0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF,
                                      0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, None,
                                      None,     None,     0};

const TItemStyleColors* ItemStyleColors(TULKStyle Style) {
    switch (Style) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey:
        return &Office2003;
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver:
        return &Office2007;
    case tsOffice2003Classic:
        return &Office2003Classic;
    case tsWindowsXP:
        return &WindowsXP;
    case tsWindowsVista:
        return &WindowsVista;
    case tsWindows7:
        return &Windows7;
    case tsTerminal:
        return &Terminal;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
        return &Office2010;
    case tsCustom:
        break;
    }
    return nullptr;
}

} // namespace

void TExCustomDropDown::ApplyItemAppearanceStyle(TItemAppearance* Appearance, TULKStyle Style) {
    const TItemStyleColors* colors = ItemStyleColors(Style);
    if (!Appearance || !colors)
        return;
    Appearance->BorderColorHot = clNone;
    Appearance->BorderColorSelected = clNone;
    Appearance->ColorHotText = 0;
    Appearance->ColorHot = colors->Hot;
    Appearance->ColorHotTo = colors->HotTo;
    Appearance->ColorMirrorHot = colors->MirrorHot;
    Appearance->ColorMirrorHotTo = colors->MirrorHotTo;
    Appearance->ColorSelected = colors->Selected;
    Appearance->ColorSelectedTo = colors->SelectedTo;
    Appearance->ColorMirrorSelected = colors->MirrorSelected;
    Appearance->ColorMirrorSelectedTo = colors->MirrorSelectedTo;
    Appearance->BorderColor = colors->Border;
    Appearance->BorderColorTop = colors->BorderTop;
    Appearance->BorderColorBottom = colors->BorderBottom;
    Appearance->EdgeColor = colors->Edge;
    Appearance->ColorSelectedText = colors->SelectedText;
}
