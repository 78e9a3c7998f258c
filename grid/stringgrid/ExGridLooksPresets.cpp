// The colour presets of the grid and the hover and pressed gradients they bring.
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/SearchFooter.h"

#include <optional>

namespace {

using TMaybeColor = std::optional<TColor>;

// A preset's own colours; an empty entry leaves the grid's value as it is.
struct TStylePreset {
    std::optional<TGridLook> Look;
    TMaybeColor GradientFrom, GradientTo, GradientMirrorFrom, GradientMirrorTo;
    TMaybeColor ActiveCellColor, ActiveCellColorTo;
    TMaybeColor SelectionColor, SelectionColorTo, SelectionTextColor;
    TMaybeColor GridLineColor, GridFixedLineColor;
};

constexpr TColor Office2003ActiveFrom = 0x94E6FB;
constexpr TColor Office2003ActiveTo = 0x1595EE;

TStylePreset Office2003(TColor From, TColor To) {
    return {glXP,
            From,
            To,
            clNone,
            clNone,
            Office2003ActiveFrom,
            Office2003ActiveTo,
            Office2003ActiveFrom,
            Office2003ActiveTo,
            clBlack,
            0xC0C0C0,
            0x808080};
}

TStylePreset Office2010(TColor Face, TColor FixedLine) {
    return {glOffice2007, Face,     Face, Face,    Face,     0x5BD5FF,
            0x71EFFF,     0xFFDBB7, {},   clBlack, 0xC0C0C0, FixedLine};
}

TStylePreset PresetOf(TExGridStyle AStyle) {
    switch (AStyle) {
    case gsOffice2003Blue:
        return Office2003(0xFCE1CB, 0xE0A57D);
    case gsOffice2003Silver:
        return Office2003(0xECE2E1, 0xB39698);
    case gsOffice2003Olive:
        return Office2003(0xCFF0EA, 0x8CC0B1);
    case gsOffice2003Classic:
        return {glXP,     0xFFFFFF, 0xCCD4D8, clNone, clNone,   0xD8D5D4,
                0xD8D5D4, {},       {},       {},     0xC0C0C0, 0x808080};
    case gsOffice2007Luna:
        return {glOffice2007, 0xFBF9F6, 0xE8DBD2, clNone,  clNone,   0x9DD8F9,
                0x5EC1F1,     0x5EC1F1, {},       clBlack, 0xF1EDEB, 0xD1BBA4};
    case gsOffice2007Obsidian:
        return {glOffice2007, 0xF7F7F7, 0xDEDEDE, clNone,  clNone,   0x9DD8F9,
                0x5EC1F1,     0x5EC1F1, {},       clBlack, 0xE5D7D0, 0x808080};
    case gsWindowsXP:
        return {glXP,      clBtnFace, clBtnFace, clNone, clNone,   clBtnFace,
                clBtnFace, {},        {},        {},     0xC0C0C0, 0x808080};
    case gsWhidbey:
        return {
            {}, 0xFFFFFF, clBtnFace, clNone,   clNone,  Office2003ActiveFrom, Office2003ActiveTo,
            {}, {},       {},        0xC0C0C0, 0x808080};
    case gsOffice2007Silver:
        return {glOffice2007, 0xF3F3F1, 0xCAC9C8, {},      {},       0x99CCFF,
                0x699CFF,     0x95C7F5, {},       clBlack, 0xE5D7D0, 0x808080};
    case gsWindowsVista:
        return {glVista,  0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xFDF8F1,
                0xFCEFD5, 0xEACAB6, {},       clBlack,  0xECECF0, 0xD4D2D1};
    case gsWindows7:
        return {glWin7,   0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xFCEBDC,
                0xFCDBC1, 0xEACAB6, {},       clBlack,  0xECECF0, 0xD4D2D1};
    case gsTerminal: {
        TStylePreset terminal;
        terminal.Look = glStandard;
        return terminal;
    }
    case gsOffice2010Blue:
        return Office2010(0xF5E7DA, 0xC7B0A0);
    case gsOffice2010Silver:
        return Office2010(0xE8E3DF, 0xBAB5B1);
    case gsOffice2010Black:
        return Office2010(0x6A6A6A, 0x444444);
    case gsCustom:
        break;
    }
    return {};
}

} // namespace

void TExStringGrid::SetStyle(int AStyle) {
    // An ordinal outside the presets (a corrupt settings file) is ignored.
    if (AStyle < gsOffice2003Blue || AStyle > gsOffice2010Black)
        return;
    const auto style = static_cast<TExGridStyle>(AStyle);
    SetSelectionColor(clHighlight);
    SetSelectionColorTo(clNone);
    SetSelectionTextColor(clHighlightText);
    SetSelectionStyle(ssDefault);
    // Resetting the control-look colours clears the hover and down mirror colours it passes on.
    FControlLook->Init();

    const TStylePreset preset = PresetOf(style);
    if (preset.Look)
        SetLook(*preset.Look);
    auto put = [](TColor& Field, const TMaybeColor& Value) {
        if (Value)
            Field = GradientColor(*Value);
    };
    put(FULKGradientFrom, preset.GradientFrom);
    put(FULKGradientTo, preset.GradientTo);
    put(FULKGradientMirrorFrom, preset.GradientMirrorFrom);
    put(FULKGradientMirrorTo, preset.GradientMirrorTo);
    if (preset.ActiveCellColor)
        SetActiveCellColor(*preset.ActiveCellColor);
    if (preset.ActiveCellColorTo)
        SetActiveCellColorTo(*preset.ActiveCellColorTo);
    const bool office2003 =
        style == gsOffice2003Blue || style == gsOffice2003Silver || style == gsOffice2003Olive;
    if (office2003) {
        // Stored directly: the final invalidate repaints.
        FSelectionColor = *preset.SelectionColor;
        FSelectionColorTo = *preset.SelectionColorTo;
        FSelectionTextColor = *preset.SelectionTextColor;
    } else {
        if (preset.SelectionColor)
            SetSelectionColor(*preset.SelectionColor);
        if (preset.SelectionColorTo)
            SetSelectionColorTo(*preset.SelectionColorTo);
        if (preset.SelectionTextColor)
            SetSelectionTextColor(*preset.SelectionTextColor);
    }
    if (preset.GridLineColor)
        SetGridLineColor(*preset.GridLineColor);
    if (preset.GridFixedLineColor)
        SetGridFixedLineColor(*preset.GridFixedLineColor);
    ApplyPresetStates(style);
    if (style != gsCustom && style != gsTerminal) {
        FSearchFooter->SetColor(FULKGradientFrom);
        FSearchFooter->SetColorTo(FULKGradientMirrorTo);
    }
    Invalidate();
}

void TExStringGrid::SetHoverGradient(const TGradientColours& Hover) {
    FULKGradientHoverFrom = Hover.From;
    FULKGradientHoverTo = Hover.To;
    FULKGradientHoverMirrorFrom = Hover.MirrorFrom;
    FULKGradientHoverMirrorTo = Hover.MirrorTo;
    FULKGradientHoverBorder = Hover.Border;
}

void TExStringGrid::SetDownGradient(const TGradientColours& Down) {
    FULKGradientDownFrom = Down.From;
    FULKGradientDownTo = Down.To;
    FULKGradientDownMirrorFrom = Down.MirrorFrom;
    FULKGradientDownMirrorTo = Down.MirrorTo;
    FULKGradientDownBorder = Down.Border;
}

void TExStringGrid::ApplyPresetStates(TExGridStyle AStyle) {
    switch (AStyle) {
    case gsOffice2007Luna:
        SetHoverGradient({0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87});
        SetDownGradient({0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D});
        if (FLook == glOffice2007)
            SetSelectionStyle(ssOffice2007);
        break;
    case gsWindowsVista:
        SetHoverGradient({0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993});
        SetDownGradient({0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F});
        SetSelectionStyle(ssVista);
        break;
    case gsWindows7:
        SetHoverGradient({0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3});
        SetDownGradient({0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA});
        SetSelectionStyle(ssWin7);
        break;
    case gsOffice2010Blue:
    case gsOffice2010Silver:
    case gsOffice2010Black:
        SetHoverGradient({0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8});
        SetDownGradient({0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2});
        SetSelectionStyle(ssDefault);
        break;
    default:
        break;
    }
}
