// Looks, colour schemes, colour tones and following the office theme.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/SortSettings.h"

#include <array>

namespace {

struct TLookNames {
    const char* Name;
    const char* Caption;
};

constexpr std::array<TLookNames, glCustom> LookNames{{{"glStandard", "Standard"},
                                                      {"glSoft", "Soft"},
                                                      {"glClassic", "Classic"},
                                                      {"glULK", "ULK"},
                                                      {"glXP", "Windows XP"},
                                                      {"glListView", "ListView"},
                                                      {"glVista", "Windows Vista"},
                                                      {"glWin7", "Windows 7"},
                                                      {"glOffice2007", "Office2007"}}};

bool HasNames(TGridLook ALook) {
    return ALook >= glStandard && ALook < glCustom;
}

} // namespace

void TExStringGrid::LookToString(TGridLook ALook, std::string& Text) {
    if (HasNames(ALook))
        Text = LookNames[ALook].Name;
}

void TExStringGrid::LookCaption(TGridLook ALook, std::string& Text) {
    if (HasNames(ALook))
        Text = LookNames[ALook].Caption;
}

void TExStringGrid::ApplyFixedGradient(TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo) {
    if (From != clNone)
        FULKGradientFrom = GradientColor(From);
    if (To != clNone)
        FULKGradientTo = GradientColor(To);
    FULKGradientMirrorFrom = GradientColor(MirrorFrom);
    FULKGradientMirrorTo = GradientColor(MirrorTo);
}

void TExStringGrid::SetLook(TGridLook Value) {
    if (FLook == Value)
        return;
    FLook = Value;
    if (Value != glCustom) {
        // A new look starts from plain fixed cells and an unmarked sorted header.
        FControlLook->SetFixedGradientMirrorFrom(clNone);
        FControlLook->SetFixedGradientMirrorTo(clNone);
        FControlLook->SetFixedGradientFrom(clNone);
        FControlLook->SetFixedGradientTo(clNone);
        FULKGradientFrom = clNone;
        FULKGradientTo = clNone;
        FULKGradientMirrorFrom = clNone;
        FULKGradientMirrorTo = clNone;
        FSortSettings->SetHeaderColor(clNone);
    }
    switch (Value) {
    case glVista:
        SetStyle(gsWindowsVista);
        Style = tsWindowsVista;
        SetSelectionStyle(ssVista);
        break;
    case glWin7:
        SetStyle(gsWindows7);
        Style = tsWindows7;
        SetSelectionStyle(ssWin7);
        break;
    case glOffice2007:
        SetStyle(gsOffice2007Luna);
        Style = tsOffice2007Luna;
        SetSelectionStyle(ssOffice2007);
        break;
    case glCustom:
        break;
    default:
        if (!Designing())
            StyleDropDownEditors(tsWindowsXP);
        SetSelectionStyle(ssDefault);
        if (!Loading())
            ApplyPlainLookColours(Value);
        break;
    }
    SetScrollType(ssNormal);
    FBorderStyle = bsSingle;
    FBorderColor = 0xB99D7F;
    Invalidate();
    if (!Loading())
        UpdateFooter();
}

void TExStringGrid::ApplyPlainLookColours(TGridLook Value) {
    const bool gradientLook = Value == glULK || Value == glXP || Value == glListView;
    if (gradientLook) {
        FControlLook->SetFixedGradientFrom(clWhite);
        FControlLook->SetFixedGradientTo(clBtnFace);
    } else {
        SetFixedColor(clBtnFace);
        FControlLook->SetFixedGradientFrom(clBtnFace);
        FControlLook->SetFixedGradientTo(clNone);
    }
    SetGridFixedLineColor(0x808080);
    FControlLook->SetFixedGradientMirrorFrom(clNone);
    FControlLook->SetFixedGradientMirrorTo(clNone);
    SetGridLineColor(0xC0C0C0);
    if (Value == glULK || Value == glXP) {
        SetActiveCellColor(0xEACAB6);
        SetActiveCellColorTo(clNone);
        SetSelectionColor(0xEACAB6);
        SetSelectionColorTo(clNone);
        SetSelectionTextColor(clBlack);
        FSearchFooter->SetColor(FULKGradientFrom);
        FSearchFooter->SetColorTo(FULKGradientTo);
        ApplyFixedGradient(clWhite, Value == glXP ? clBtnFace : TColor(0xC0C0C0), clNone, clNone);
        FULKGradientHoverFrom = 0xCFD0D1;
        FULKGradientHoverTo = 0xBEC6C8;
        FULKGradientHoverMirrorFrom = 0xBEC6C8;
        FULKGradientHoverMirrorTo = 0xABBCBF;
        FULKGradientDownFrom = 0x868788;
        FULKGradientDownTo = 0x737C7E;
        FULKGradientDownMirrorFrom = 0x737C7E;
        FULKGradientDownMirrorTo = 0x627376;
    } else {
        SetActiveCellColor(0x808080);
        SetActiveCellColorTo(clNone);
        SetSelectionColor(clHighlight);
        SetSelectionTextColor(clHighlightText);
        FSearchFooter->SetColor(clBtnFace);
        FSearchFooter->SetColorTo(clBtnFace);
    }
}

void TExStringGrid::SetComponentStyle(TULKStyle AStyle) {
    Style = AStyle;
    SetStyle(AStyle);
    if (!Designing())
        StyleDropDownEditors(AStyle);
    if (AStyle != tsCustom && ScrollType == ssMetro)
        ScrollType = ssNormal;
}

void TExStringGrid::SetTheme(TXPColorScheme Scheme) {
    TColor from = 0xFFFFFF, to = clBtnFace, mirrorFrom = clNone, mirrorTo = clNone;
    TColor activeFrom = 0x94E6FB, activeTo = 0x1595EE;
    TColor footerFrom = 0xECE2E1, footerTo = 0xB39698;
    switch (Scheme) {
    case xpBlue:
        from = footerFrom = 0xFCE1CB, to = footerTo = 0xE0A57D;
        break;
    case xpGreen:
        from = footerFrom = 0xCFF0EA, to = footerTo = 0x8CC0B1;
        break;
    case xpGray:
        from = 0xECE2E1, to = 0xB39698;
        break;
    case vistaAero:
        from = 0xFFFFFF, to = 0xFFFFFF, mirrorFrom = 0xFAF8F7, mirrorTo = 0xF4F2F1;
        break;
    default:
        activeFrom = footerFrom = 0xFFFFFF, activeTo = footerTo = 0xFFD9B3;
        break;
    }
    FULKGradientFrom = GradientColor(from);
    FULKGradientTo = GradientColor(to);
    FULKGradientMirrorFrom = mirrorFrom;
    FULKGradientMirrorTo = mirrorTo;
    FActiveCellColor = activeFrom;
    FActiveCellColorTo = activeTo;
    FSearchFooter->SetColor(footerFrom);
    FSearchFooter->SetColorTo(footerTo);
}

void TExStringGrid::AdaptToOfficeTheme() {
    if (Designing() || !FAutoThemeAdapt)
        return;
    const TOfficeTheme theme = DetectOfficeTheme();
    if (theme == FLastOfficeTheme)
        return;
    static constexpr std::array<TULKStyle, otUnknown> StyleOfTheme{
        tsOffice2003Blue,   tsOffice2003Silver, tsOffice2003Olive,    tsOffice2003Classic,
        tsOffice2007Luna,   tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue,
        tsOffice2010Silver, tsOffice2010Black};
    if (theme != otUnknown)
        SetComponentStyle(StyleOfTheme[theme]);
    FLastOfficeTheme = theme;
}

void TExStringGrid::ApplyVCLStyleColors() {}

void TExStringGrid::PaintDesignHelper() {}

void TExStringGrid::DesignHelperClick(int X, int Y) {}
