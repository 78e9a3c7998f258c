// The looks of a grid rendered into a bitmap: header states, the fixed-cell edges, the outer
// border, the row marks, comments, rotated text, markers and the background.
#include "ExGridTestGrid.h"
#include "GridPixels.h"

#include "grid/stringgrid/BackGround.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ShowModified.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace {

using GridPixels::White;
using GridPixels::Red;
using GridPixels::Green;
using GridPixels::Blue;
using GridPixels::Yellow;
using GridPixels::Orange;

// Four columns of 80 and four rows of 30 pixels, one fixed row and column.
std::unique_ptr<TTestExGrid> LookGrid(TGridLook Look = glStandard) {
    auto grid = std::make_unique<TTestExGrid>(nullptr);
    grid->SetLook(Look);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->SetDefaultColWidth(80);
    grid->SetDefaultRowHeight(30);
    grid->SetBounds(0, 0, 320, 120);
    grid->SetColor(White);
    grid->Font()->SetColor(clBlack);
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    return grid;
}

using GridPixels::ColourBox;
using GridPixels::InkBox;
using GridPixels::Render;
using GridPixels::Solid;

TRect CellArea(int c, int r) {
    return TRect{c * 80, r * 30, c * 80 + 79, r * 30 + 29};
}

TPoint Centre(int c, int r) {
    return TPoint{c * 80 + 40, r * 30 + 15};
}

// Plain colours for every header state, so that each state shows as one colour.
void ColourHeaderStates(TTestExGrid& g) {
    g.SetULKGradientFrom(Yellow);
    g.SetULKGradientTo(Yellow);
    g.SetULKGradientMirrorFrom(clNone);
    g.SetULKGradientMirrorTo(clNone);
    g.SetULKGradientHoverFrom(Green);
    g.SetULKGradientHoverTo(Green);
    g.SetULKGradientHoverMirrorFrom(clNone);
    g.SetULKGradientHoverMirrorTo(clNone);
    g.SetULKGradientDownFrom(Blue);
    g.SetULKGradientDownTo(Blue);
    g.SetULKGradientDownMirrorFrom(clNone);
    g.SetULKGradientDownMirrorTo(clNone);
    g.SetActiveCellShow(false);
    g.HoverFixedCells = hfAll;
}
} // namespace

TEST(ExGridLookDraw, EachHeaderStateShowsItsGradientInEveryHeaderLook) {
    struct State {
        const char* what;
        std::function<void(TTestExGrid&)> arrange;
        TColor color;
    };
    const State states[] = {
        {"normal", [](TTestExGrid&) {}, Yellow},
        {"hovered", [](TTestExGrid& g) { InputSimulation::MouseMove(&g, Centre(1, 0)); }, Green},
        {"pressed",
         [](TTestExGrid& g) {
             InputSimulation::MouseMove(&g, Centre(1, 0));
             InputSimulation::MouseDown(&g, mbLeft, Centre(1, 0));
         },
         Blue},
        {"sorted",
         [](TTestExGrid& g) {
             g.SortSettings()->Column = 1;
             g.SortSettings()->SetHeaderColor(Red);
         },
         Red},
    };
    for (TGridLook look : {glULK, glXP, glVista, glWin7, glOffice2007})
        for (const State& s : states) {
            auto grid = LookGrid(look);
            ColourHeaderStates(*grid);
            s.arrange(*grid);
            const auto bitmap = Render(*grid);
            EXPECT_EQ(bitmap->Pixel(120, 22), s.color) << "look " << look << ", " << s.what;
            // The neighbouring header keeps the normal look.
            EXPECT_EQ(bitmap->Pixel(200, 22), Yellow) << "look " << look << ", " << s.what;
        }
}

TEST(ExGridLookDraw, ListViewHeaderLightensWhenHotAndDarkensWhenPressed) {
    const auto lightness = [](TColor c) {
        return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
    };
    const auto headerFace = [](const std::function<void(TTestExGrid&)>& arrange) {
        auto grid = LookGrid(glListView);
        grid->HoverFixedCells = hfAll;
        arrange(*grid);
        const auto bitmap = Render(*grid);
        return std::pair{bitmap->Pixel(120, 15), bitmap->Pixel(200, 15)};
    };
    const auto [normal, normalNeighbour] = headerFace([](TTestExGrid&) {});
    const auto [hot, hotNeighbour] =
        headerFace([](TTestExGrid& g) { InputSimulation::MouseMove(&g, Centre(1, 0)); });
    const auto [pressed, pressedNeighbour] = headerFace([](TTestExGrid& g) {
        InputSimulation::MouseMove(&g, Centre(1, 0));
        InputSimulation::MouseDown(&g, mbLeft, Centre(1, 0));
    });
    EXPECT_GT(lightness(hot), lightness(normal));
    EXPECT_LT(lightness(pressed), lightness(normal));
    // The neighbouring header keeps the normal face.
    EXPECT_EQ(hotNeighbour, normal);
    EXPECT_EQ(pressedNeighbour, normal);
    EXPECT_EQ(normalNeighbour, normal);
}

TEST(ExGridLookDraw, TheThreePlainFixedCellLooksDrawTheirOwnEdges) {
    std::unique_ptr<TBitmap> pictures[3];
    const TGridLook looks[] = {glClassic, glSoft, glStandard};
    for (int i = 0; i < 3; ++i) {
        auto grid = LookGrid(looks[i]);
        pictures[i] = Render(*grid);
    }
    // glClassic: raised, white at the top and black at the right of a header cell.
    EXPECT_EQ(pictures[0]->Pixel(100, 0), White);
    EXPECT_EQ(pictures[0]->Pixel(79, 15), clBlack);
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j) {
            bool differ = false;
            for (int y = 0; y < 30 && !differ; ++y)
                for (int x = 80; x < 160 && !differ; ++x)
                    differ = pictures[i]->Pixel(x, y) != pictures[j]->Pixel(x, y);
            EXPECT_TRUE(differ) << "looks " << looks[i] << " and " << looks[j];
        }
}

TEST(ExGridLookDraw, TheOuterBorderInBorderColourOnlyForTheFramedLooks) {
    for (TGridLook look : {glSoft, glXP, glVista, glStandard, glClassic}) {
        auto grid = LookGrid(look);
        grid->SetBorderColor(Red);
        const bool framed = look != glStandard && look != glClassic;
        const auto bitmap = Render(*grid);
        EXPECT_EQ(bitmap->Pixel(0, 60) == Red, framed) << "look " << look;
        EXPECT_EQ(bitmap->Pixel(319, 60) == Red, framed) << "look " << look;
        grid->SetFlat(true);
        EXPECT_NE(Render(*grid)->Pixel(0, 60), Red) << "flat look " << look;
    }
}

TEST(ExGridLookDraw, CommentTriangleInTheTopRightCorner) {
    auto grid = LookGrid();
    grid->AddComment(1, 1, "note");
    grid->AddColorComment(2, 1, "note", Blue);
    const auto bitmap = Render(*grid);
    const auto red = ColourBox(*bitmap, CellArea(1, 1), Red);
    ASSERT_TRUE(red);
    EXPECT_GE(red->Left, 80 + 70);
    EXPECT_LE(red->Bottom, 30 + 8);
    EXPECT_TRUE(ColourBox(*bitmap, CellArea(2, 1), Blue)) << "the comment's own colour";
    grid->ControlLook()->SetCommentColor(clNone);
    EXPECT_FALSE(ColourBox(*Render(*grid), CellArea(2, 1), Blue)) << "no comments without colour";
}

TEST(ExGridLookDraw, RotatedTextStandsUpright) {
    auto grid = LookGrid();
    grid->SetDefaultRowHeight(70);
    grid->SetBounds(0, 0, 320, 300);
    grid->AddRotated(1, 1, 90, "Rotated");
    const auto bitmap = Render(*grid);
    const auto ink = InkBox(*bitmap, TRect{82, 72, 158, 138}, White);
    ASSERT_TRUE(ink);
    EXPECT_GT(ink->Bottom - ink->Top, 2 * (ink->Right - ink->Left));
}

TEST(ExGridLookDraw, MarkerUnderlinesItsRunOfTheText) {
    auto grid = LookGrid();
    grid->SetCells(1, 1, "abc defgh");
    grid->AddMarker(1, 1, 4, 5);
    const auto bitmap = Render(*grid);
    const auto red = ColourBox(*bitmap, CellArea(1, 1), Red);
    ASSERT_TRUE(red);
    const auto text = ColourBox(*bitmap, CellArea(1, 1), clBlack);
    ASSERT_TRUE(text);
    EXPECT_GT(red->Left, text->Left + 10) << "under the marked characters only";
    EXPECT_GE(red->Bottom, text->Bottom - 2);
}

TEST(ExGridLookDraw, RowIndicatorAndModifiedBarInTheFirstColumn) {
    auto grid = LookGrid();
    // Drawn transparent: its bottom-left pixel is the transparent colour.
    const auto indicator = Solid(8, 8, Green);
    indicator->Canvas()->SetPixel(0, 7, White);
    grid->SetRowIndicator(indicator.get());
    grid->ShowModified()->Enabled = true;
    grid->ShowModified()->SetColor(Orange);
    grid->SetRow(2);
    grid->SetRowModified(3, true);
    const auto bitmap = Render(*grid);
    const auto drawn = ColourBox(*bitmap, TRect{0, 0, 320, 120}, Green);
    ASSERT_TRUE(drawn);
    EXPECT_LE(drawn->Left, 4);
    EXPECT_GE(drawn->Top, 60);
    EXPECT_LE(drawn->Bottom, 90);
    const auto bar = ColourBox(*bitmap, TRect{0, 0, 320, 120}, Orange);
    ASSERT_TRUE(bar);
    EXPECT_GE(bar->Left, 72);
    EXPECT_LE(bar->Right, 80);
    EXPECT_GE(bar->Top, 90);
}

TEST(ExGridLookDraw, FilterButtonGlyphAtTheRightOfTheHeader) {
    auto grid = LookGrid();
    grid->SetCells(1, 1, "x");
    grid->SetCells(1, 2, "y");
    grid->SetFilterDropDownAuto(true);
    const auto bitmap = Render(*grid);
    const auto glyph = ColourBox(*bitmap, CellArea(1, 0), clBlack);
    ASSERT_TRUE(glyph);
    EXPECT_GE(glyph->Left, 160 - 18);
}

TEST(ExGridLookDraw, BackgroundBitmapAndGradientBehindTheCells) {
    auto tiled = LookGrid();
    tiled->BackGround()->SetBitmap(Solid(10, 10, Green).get());
    const auto bitmap = Render(*tiled);
    EXPECT_EQ(bitmap->Pixel(120, 45), Green) << "a normal cell";
    EXPECT_NE(bitmap->Pixel(120, 15), Green) << "not the fixed cells with bcNormal";

    auto gradient = LookGrid();
    gradient->BackGround()->SetDisplay(bdGradientVert);
    gradient->BackGround()->SetColor(Red);
    gradient->BackGround()->SetColorTo(Blue);
    const auto bands = Render(*gradient);
    const TColor top = bands->Pixel(120, 35);
    const TColor bottom = bands->Pixel(120, 115);
    EXPECT_GT(top & 0xFF, bottom & 0xFF) << "red at the top";
    EXPECT_LT((top >> 16) & 0xFF, (bottom >> 16) & 0xFF) << "blue at the bottom";
}
