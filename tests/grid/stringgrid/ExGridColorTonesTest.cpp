// Flat colour tones and what a new look starts from, seen on the drawn grid and in the settings
// they reach: the fixed and normal cells, the selection, the lines, the check box glyphs, the
// outer border, the sorted header and the editors.
#include "ExGridTestGrid.h"
#include "GridPixels.h"

#include "grid/foundation/EsgEditButton.h"
#include "grid/foundation/EsgSpinButton.h"
#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/CellNode.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/GridCombo.h"
#include "grid/stringgrid/GridEditBtn.h"
#include "grid/stringgrid/GridSpin.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/ui/Bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using GridPixels::Blue;
using GridPixels::ColourBox;
using GridPixels::Green;
using GridPixels::Orange;
using GridPixels::PlainGrid;
using GridPixels::Red;
using GridPixels::Render;
using GridPixels::White;
using GridPixels::Yellow;

constexpr TColor ToneDark = 0x202020;
constexpr TColor ToneFrame = 0x101080;

TColorTones ToneSet() {
    TColorTones tones;
    tones.Background = {0xF0F0F0, ToneFrame, ToneDark};
    tones.Foreground = {Yellow, Red, Blue};
    tones.Selected = {Orange, Green, White};
    tones.Hover = {Green, Blue, ToneDark};
    tones.Disabled = {0xC0C0C0, 0x808080, 0x808080};
    return tones;
}

// Three columns of 80 and rows of 30, one fixed row and column; cells (1, 1) to (2, 1) selected,
// a check box in (2, 2).
std::unique_ptr<TTestExGrid> TonedGrid() {
    auto grid = PlainGrid(80, 30, 1);
    grid->SetSelection(TGridRect{1, 1, 2, 1});
    grid->AddCheckBox(2, 2, true, false);
    grid->SetColorTones(ToneSet());
    return grid;
}

} // namespace

TEST(ExGridColorTones, TheGridIsDrawnInTheTones) {
    auto grid = TonedGrid();
    const auto bitmap = Render(*grid);
    struct Spot {
        const char* what;
        TPoint at;
        TColor color;
    } spots[] = {
        {"fixed cell: foreground brush", {120, 20}, Yellow},
        {"row header: foreground brush", {40, 70}, Yellow},
        {"normal cell: background brush", {100, 80}, 0xF0F0F0},
        {"selected cell: selected brush", {180, 50}, Orange},
        {"line between normal cells", {159, 80}, 0xE6E6E6},
        {"line below a fixed cell", {120, 29}, ShadeColor(Yellow, -20)},
    };
    for (const Spot& s : spots)
        EXPECT_EQ(bitmap->Pixel(s.at.X, s.at.Y), s.color) << s.what;
    // The check box is the flat glyph: its dark frame stands inside the cell.
    const auto glyph = ColourBox(*bitmap, TRect{160, 60, 240, 90}, 0x404040);
    ASSERT_TRUE(glyph) << "flat check box glyph";
    EXPECT_GE(glyph->Left, 160);
    EXPECT_LE(glyph->Right, 240);
    EXPECT_EQ(glyph->Right - glyph->Left, 15);
}

TEST(ExGridColorTones, SettingsTakeTheTones) {
    auto grid = TonedGrid();
    TExStringGrid& g = *grid;
    const TColorTones tones = ToneSet();
    struct Setting {
        const char* what;
        std::function<TColor()> actual;
        TColor expected;
    } settings[] = {
        {"fixed font colour", [&] { return g.FixedFont()->Color(); }, Blue},
        {"font colour", [&] { return g.Font()->Color(); }, ToneDark},
        {"selection text colour", [&] { return g.SelectionTextColor(); }, White},
        {"selection gradient end", [&] { return g.SelectionColorTo(); }, clNone},
        {"search footer", [&] { return g.SearchFooter()->Color(); }, Yellow},
        {"search footer end", [&] { return g.SearchFooter()->ColorTo(); }, Yellow},
        {"floating footer", [&] { return g.FloatingFooter()->Color(); }, Yellow},
        {"edit button face", [&] { return g.BtnEdit()->Button()->ButtonColor(); }, 0xF0F0F0},
        {"edit button hot", [&] { return g.BtnEdit()->Button()->ButtonColorHot(); }, Green},
        {"edit button down", [&] { return g.BtnEdit()->Button()->ButtonColorDown(); }, Orange},
        {"edit button frame", [&] { return g.BtnEdit()->Button()->ButtonBorderColor(); }, ToneFrame},
        {"combo frame: the grid colour", [&] { return g.Combobox()->BorderColor(); }, 0xF0F0F0},
        {"combo button hot", [&] { return g.Combobox()->ButtonColorHot(); }, Green},
        {"spin button down", [&] { return g.SpinEdit()->Button()->ButtonColorDown; }, Orange},
    };
    for (const Setting& s : settings)
        EXPECT_EQ(s.actual(), s.expected) << s.what;
    EXPECT_EQ(g.Look(), glClassic);
    EXPECT_TRUE(g.Flat());
    EXPECT_EQ(g.ScrollType, ssMetro);
    EXPECT_EQ(g.BorderStyle(), bsNone);
    EXPECT_EQ(g.ControlLook()->ControlStyle(), csGlyph);
    EXPECT_TRUE(g.ControlLook()->FlatButton());
    EXPECT_FALSE(g.ControlLook()->RadioOnGlyph()->Empty());
    EXPECT_FALSE(g.ControlLook()->RadioOffGlyph()->Empty());
    EXPECT_TRUE(g.Combobox()->Flat());
    EXPECT_EQ(g.CellNode()->NodeType(), cnFlat);
    EXPECT_EQ(g.Tones.Selected.BrushColor, tones.Selected.BrushColor);
}

// Every new look but glCustom starts from plain fixed cells, no sorted-header colour and a
// single outer border in its border colour.
TEST(ExGridColorTones, ANewLookStartsFromPlainHeadersAndItsBorder) {
    struct Case {
        TGridLook look;
        bool resets;
    } cases[] = {{glULK, true}, {glXP, true}, {glSoft, true}, {glCustom, false}};
    for (const Case& c : cases) {
        auto grid = PlainGrid(80, 30, 1);
        grid->SetLook(glVista);
        grid->SortSettings()->Column = 1;
        grid->SortSettings()->SetHeaderColor(Red);
        grid->SortSettings()->SetHeaderColorTo(Red);
        grid->ControlLook()->SetFixedGradientMirrorFrom(Green);
        grid->SetBorderStyle(bsNone);
        grid->SetLook(c.look);
        EXPECT_EQ(grid->SortSettings()->HeaderColor() == clNone, c.resets) << c.look;
        EXPECT_EQ(grid->ControlLook()->FixedGradientMirrorFrom() == clNone, c.resets) << c.look;
        EXPECT_EQ(grid->BorderStyle(), bsSingle) << c.look;
        EXPECT_EQ(grid->BorderColor(), TColor(0xB99D7F)) << c.look;
        if (c.look == glCustom)
            continue;
        const auto bitmap = Render(*grid);
        EXPECT_NE(bitmap->Pixel(120, 20), Red) << "sorted header unmarked, look " << c.look;
        EXPECT_EQ(bitmap->Pixel(0, 45), TColor(0xB99D7F)) << "outer border, look " << c.look;
    }
}
