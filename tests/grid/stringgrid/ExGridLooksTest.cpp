// The grid's looks, style presets and XP colour schemes: the colours each one leaves on the grid.
#include "ExGridTestGrid.h"

#include "grid/foundation/SearchFooter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const TColor BtnFace = ColorToRGB(clBtnFace);

struct LookNameCase {
    TGridLook Look;
    const char* Name;
    const char* Caption;
};

const LookNameCase LookNameCases[] = {
    {glStandard, "glStandard", "Standard"},
    {glSoft, "glSoft", "Soft"},
    {glClassic, "glClassic", "Classic"},
    {glULK, "glULK", "ULK"},
    {glXP, "glXP", "Windows XP"},
    {glListView, "glListView", "ListView"},
    {glVista, "glVista", "Windows Vista"},
    {glWin7, "glWin7", "Windows 7"},
    {glOffice2007, "glOffice2007", "Office2007"},
};

TEST(ExGridLooks, EachLookHasItsSettingsNameAndCaption) {
    for (const auto& c : LookNameCases) {
        std::string name, caption;
        TExStringGrid::LookToString(c.Look, name);
        TExStringGrid::LookCaption(c.Look, caption);
        EXPECT_EQ(name, c.Name);
        EXPECT_EQ(caption, c.Caption);
    }
}

TEST(ExGridLooks, CustomLookHasNoNameAndLeavesTheTextAlone) {
    std::string name = "kept", caption = "kept";
    TExStringGrid::LookToString(glCustom, name);
    TExStringGrid::LookCaption(glCustom, caption);
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(caption, "kept");
}

struct LookCase {
    TGridLook Look;
    TColor GradientFrom, GradientTo;
    TColor ActiveCell, Selection, SelectionText;
    TColor FooterColor, FooterColorTo;
    TColor HoverFrom, DownMirrorTo;
};

const LookCase LookCases[] = {
    {glStandard, BtnFace, clNone, 0x808080, clHighlight, clHighlightText, clBtnFace, clBtnFace,
     clNone, clNone},
    {glSoft, BtnFace, clNone, 0x808080, clHighlight, clHighlightText, clBtnFace, clBtnFace, clNone,
     clNone},
    {glClassic, BtnFace, clNone, 0x808080, clHighlight, clHighlightText, clBtnFace, clBtnFace,
     clNone, clNone},
    {glULK, 0xFFFFFF, 0xC0C0C0, 0xEACAB6, 0xEACAB6, clBlack, 0xFFFFFF, BtnFace, 0xCFD0D1, 0x627376},
    {glXP, 0xFFFFFF, BtnFace, 0xEACAB6, 0xEACAB6, clBlack, 0xFFFFFF, BtnFace, 0xCFD0D1, 0x627376},
    {glListView, 0xFFFFFF, BtnFace, 0x808080, clHighlight, clHighlightText, clBtnFace, clBtnFace,
     clNone, clNone},
};

TEST(ExGridLooks, PlainLooksSetTheirColours) {
    for (const auto& c : LookCases) {
        SCOPED_TRACE(c.Look);
        TTestExGrid grid(nullptr);
        grid.SetLook(glCustom);
        grid.SetLook(c.Look);
        EXPECT_EQ(grid.Look(), c.Look);
        EXPECT_EQ(grid.ULKGradientFrom(), c.GradientFrom);
        EXPECT_EQ(grid.ULKGradientTo(), c.GradientTo);
        EXPECT_EQ(grid.ULKGradientMirrorFrom(), clNone);
        EXPECT_EQ(grid.ULKGradientMirrorTo(), clNone);
        EXPECT_EQ(grid.ActiveCellColor(), c.ActiveCell);
        EXPECT_EQ(grid.ActiveCellColorTo(), clNone);
        EXPECT_EQ(grid.SelectionColor(), c.Selection);
        EXPECT_EQ(grid.SelectionTextColor(), c.SelectionText);
        EXPECT_EQ(grid.SelectionStyle(), ssDefault);
        EXPECT_EQ(grid.GridLineColor(), 0xC0C0C0);
        EXPECT_EQ(grid.GridFixedLineColor(), 0x808080);
        EXPECT_EQ(grid.SearchFooter()->Color(), c.FooterColor);
        EXPECT_EQ(grid.SearchFooter()->ColorTo(), c.FooterColorTo);
        EXPECT_EQ(grid.ULKGradientHoverFrom(), c.HoverFrom);
        EXPECT_EQ(grid.ULKGradientDownMirrorTo(), c.DownMirrorTo);
        EXPECT_EQ(grid.BorderColor(), 0xB99D7F);
        EXPECT_EQ(grid.ScrollType, ssNormal);
    }
}

TEST(ExGridLooks, WritingTheCurrentLookKeepsTheUsersColours) {
    TTestExGrid grid(nullptr);
    ASSERT_EQ(grid.Look(), glXP);
    grid.SetActiveCellColor(0x123456);
    grid.SetGridLineColor(0x654321);
    grid.SetLook(glXP);
    EXPECT_EQ(grid.ActiveCellColor(), 0x123456);
    EXPECT_EQ(grid.GridLineColor(), 0x654321);
}

TEST(ExGridLooks, LookSetWhileLoadingLeavesTheColours) {
    TTestExGrid grid(nullptr);
    grid.SetLook(glCustom);
    grid.SetActiveCellColor(0x123456);
    grid.SetComponentState(csLoading, true);
    grid.SetLook(glStandard);
    EXPECT_EQ(grid.ActiveCellColor(), 0x123456);
    EXPECT_EQ(grid.ULKGradientFrom(), clNone);
}

struct StyleCase {
    TExGridStyle Style;
    TGridLook Look;
    TColor From, To, MirrorFrom, MirrorTo;
    TColor Active, ActiveTo;
    TColor Selection, SelectionTo, SelectionText;
    TColor Line, FixedLine;
    TGridSelectionStyle SelectionStyle;
};

// Each applied to a new grid (look glXP).
const StyleCase StyleCases[] = {
    {gsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB,
     0x1595EE, clBlack, 0xC0C0C0, 0x808080, ssDefault},
    {gsOffice2003Silver, glXP, 0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB,
     0x1595EE, clBlack, 0xC0C0C0, 0x808080, ssDefault},
    {gsOffice2003Olive, glXP, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB,
     0x1595EE, clBlack, 0xC0C0C0, 0x808080, ssDefault},
    {gsOffice2003Classic, glXP, 0xFFFFFF, 0xCCD4D8, clNone, clNone, 0xD8D5D4, 0xD8D5D4, clHighlight,
     clNone, clHighlightText, 0xC0C0C0, 0x808080, ssDefault},
    {gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, clNone, clNone, 0x9DD8F9, 0x5EC1F1,
     0x5EC1F1, clNone, clBlack, 0xF1EDEB, 0xD1BBA4, ssOffice2007},
    {gsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0xDEDEDE, clNone, clNone, 0x9DD8F9, 0x5EC1F1,
     0x5EC1F1, clNone, clBlack, 0xE5D7D0, 0x808080, ssOffice2007},
    {gsWindowsXP, glXP, BtnFace, BtnFace, clNone, clNone, clBtnFace, clBtnFace, clHighlight, clNone,
     clHighlightText, 0xC0C0C0, 0x808080, ssDefault},
    {gsWhidbey, glXP, 0xFFFFFF, BtnFace, clNone, clNone, 0x94E6FB, 0x1595EE, clHighlight, clNone,
     clHighlightText, 0xC0C0C0, 0x808080, ssDefault},
    {gsOffice2007Silver, glOffice2007, 0xF3F3F1, 0xCAC9C8, clNone, clNone, 0x99CCFF, 0x699CFF,
     0x95C7F5, clNone, clBlack, 0xE5D7D0, 0x808080, ssOffice2007},
    {gsWindowsVista, glVista, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xFDF8F1, 0xFCEFD5, 0xEACAB6,
     clNone, clBlack, 0xECECF0, 0xD4D2D1, ssVista},
    {gsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xEACAB6,
     clNone, clBlack, 0xECECF0, 0xD4D2D1, ssWin7},
    {gsOffice2010Blue, glOffice2007, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0x5BD5FF, 0x71EFFF,
     0xFFDBB7, clNone, clBlack, 0xC0C0C0, 0xC7B0A0, ssDefault},
    {gsOffice2010Silver, glOffice2007, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0x5BD5FF, 0x71EFFF,
     0xFFDBB7, clNone, clBlack, 0xC0C0C0, 0xBAB5B1, ssDefault},
    {gsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF,
     0xFFDBB7, clNone, clBlack, 0xC0C0C0, 0x444444, ssDefault},
};

TEST(ExGridLooks, EachPresetSetsItsLookAndColours) {
    for (const auto& c : StyleCases) {
        SCOPED_TRACE(c.Style);
        TTestExGrid grid(nullptr);
        grid.SetStyle(c.Style);
        EXPECT_EQ(grid.Look(), c.Look);
        EXPECT_EQ(grid.ULKGradientFrom(), c.From);
        EXPECT_EQ(grid.ULKGradientTo(), c.To);
        EXPECT_EQ(grid.ULKGradientMirrorFrom(), c.MirrorFrom);
        EXPECT_EQ(grid.ULKGradientMirrorTo(), c.MirrorTo);
        EXPECT_EQ(grid.ActiveCellColor(), c.Active);
        EXPECT_EQ(grid.ActiveCellColorTo(), c.ActiveTo);
        EXPECT_EQ(grid.SelectionColor(), c.Selection);
        EXPECT_EQ(grid.SelectionColorTo(), c.SelectionTo);
        EXPECT_EQ(grid.SelectionTextColor(), c.SelectionText);
        EXPECT_EQ(grid.GridLineColor(), c.Line);
        EXPECT_EQ(grid.GridFixedLineColor(), c.FixedLine);
        EXPECT_EQ(grid.SelectionStyle(), c.SelectionStyle);
        // The search footer follows the fixed-cell gradient.
        EXPECT_EQ(grid.SearchFooter()->Color(), c.From);
        EXPECT_EQ(grid.SearchFooter()->ColorTo(), c.MirrorTo);
    }
}

struct StateCase {
    TExGridStyle Style;
    TGradientColours Hover, Down;
};

const StateCase StateCases[] = {
    {gsOffice2007Luna,
     {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87},
     {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}},
    {gsWindowsVista,
     {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993},
     {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F}},
    {gsWindows7,
     {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3},
     {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA}},
    {gsOffice2010Black,
     {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8},
     {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2}},
};

TEST(ExGridLooks, PresetsSetTheHoverAndPressedGradients) {
    for (const auto& c : StateCases) {
        SCOPED_TRACE(c.Style);
        TTestExGrid grid(nullptr);
        grid.SetStyle(c.Style);
        EXPECT_EQ(grid.ULKGradientHoverFrom(), c.Hover.From);
        EXPECT_EQ(grid.ULKGradientHoverTo(), c.Hover.To);
        EXPECT_EQ(grid.ULKGradientHoverMirrorFrom(), c.Hover.MirrorFrom);
        EXPECT_EQ(grid.ULKGradientHoverMirrorTo(), c.Hover.MirrorTo);
        EXPECT_EQ(grid.ULKGradientHoverBorder(), c.Hover.Border);
        EXPECT_EQ(grid.ULKGradientDownFrom(), c.Down.From);
        EXPECT_EQ(grid.ULKGradientDownTo(), c.Down.To);
        EXPECT_EQ(grid.ULKGradientDownMirrorFrom(), c.Down.MirrorFrom);
        EXPECT_EQ(grid.ULKGradientDownMirrorTo(), c.Down.MirrorTo);
        EXPECT_EQ(grid.ULKGradientDownBorder(), c.Down.Border);
    }
}

TEST(ExGridLooks, Office2007SilverKeepsTheMirrorColoursOfTheOfficeLookBefore) {
    TTestExGrid grid(nullptr);
    grid.SetStyle(gsOffice2010Blue);
    grid.SetStyle(gsOffice2007Silver);
    EXPECT_EQ(grid.ULKGradientFrom(), 0xF3F3F1);
    EXPECT_EQ(grid.ULKGradientMirrorFrom(), 0xF5E7DA);
    EXPECT_EQ(grid.ULKGradientMirrorTo(), 0xF5E7DA);
}

TEST(ExGridLooks, CustomPresetOnlyResetsTheSelectionColours) {
    TTestExGrid grid(nullptr);
    grid.SetStyle(gsOffice2003Blue);
    grid.SetStyle(gsCustom);
    EXPECT_EQ(grid.Look(), glXP);
    EXPECT_EQ(grid.ULKGradientFrom(), 0xFCE1CB);
    EXPECT_EQ(grid.ActiveCellColor(), 0x94E6FB);
    EXPECT_EQ(grid.SearchFooter()->Color(), 0xFCE1CB);
    EXPECT_EQ(grid.SelectionColor(), clHighlight);
    EXPECT_EQ(grid.SelectionTextColor(), clHighlightText);
}

TEST(ExGridLooks, TerminalPresetIsTheStandardLook) {
    TTestExGrid grid(nullptr);
    grid.SetStyle(gsOffice2003Blue);
    grid.SetStyle(gsTerminal);
    EXPECT_EQ(grid.Look(), glStandard);
    EXPECT_EQ(grid.ULKGradientFrom(), BtnFace);
    EXPECT_EQ(grid.ActiveCellColor(), 0x808080);
    EXPECT_EQ(grid.SearchFooter()->Color(), clBtnFace);
}

TEST(ExGridLooks, PresetOrdinalOutsideTheListChangesNothing) {
    TTestExGrid grid(nullptr);
    grid.SetSelectionColor(0x123456);
    grid.SetStyle(-1);
    grid.SetStyle(gsOffice2010Black + 1);
    EXPECT_EQ(grid.SelectionColor(), 0x123456);
    EXPECT_EQ(grid.Look(), glXP);
}

TEST(ExGridLooks, ComponentStyleLeavesTheMetroScrollBarsOnlyForCustom) {
    TTestExGrid grid(nullptr);
    grid.ScrollType = ssMetro;
    grid.SetComponentStyle(tsCustom);
    EXPECT_EQ(grid.ScrollType, ssMetro);
    grid.SetComponentStyle(tsWindows7);
    EXPECT_EQ(grid.ScrollType, ssNormal);
    EXPECT_EQ(grid.Style, tsWindows7);
    EXPECT_EQ(grid.Look(), glWin7);
}

struct SchemeCase {
    TXPColorScheme Scheme;
    TColor From, To, MirrorFrom, MirrorTo, Active, ActiveTo, Footer, FooterTo;
};

const SchemeCase SchemeCases[] = {
    {xpBlue, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D},
    {xpGreen, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1},
    {xpGray, 0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
    {vistaAero, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
    {xpNone, 0xFFFFFF, BtnFace, clNone, clNone, 0xFFFFFF, 0xFFD9B3, 0xFFFFFF, 0xFFD9B3},
    {static_cast<TXPColorScheme>(7), 0xFFFFFF, BtnFace, clNone, clNone, 0xFFFFFF, 0xFFD9B3,
     0xFFFFFF, 0xFFD9B3},
};

TEST(ExGridLooks, XPColourSchemesSetTheFixedGradientAndActiveCell) {
    for (const auto& c : SchemeCases) {
        SCOPED_TRACE(c.Scheme);
        TTestExGrid grid(nullptr);
        grid.SetTheme(c.Scheme);
        EXPECT_EQ(grid.ULKGradientFrom(), c.From);
        EXPECT_EQ(grid.ULKGradientTo(), c.To);
        EXPECT_EQ(grid.ULKGradientMirrorFrom(), c.MirrorFrom);
        EXPECT_EQ(grid.ULKGradientMirrorTo(), c.MirrorTo);
        EXPECT_EQ(grid.ActiveCellColor(), c.Active);
        EXPECT_EQ(grid.ActiveCellColorTo(), c.ActiveTo);
        EXPECT_EQ(grid.SearchFooter()->Color(), c.Footer);
        EXPECT_EQ(grid.SearchFooter()->ColorTo(), c.FooterTo);
    }
}

} // namespace
