// Flat and encarta scroll bars: the grid's own bars, drawn flat with ScrollColor behind the thumb
// and ScrollWidth thick, working under the mouse as the regular bars do, until ssNormal gives
// the regular bars back.
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace {

// A shown grid 300 x 220 of one fixed and forty normal rows of 20 pixels, one fixed and eleven
// normal columns of 55: both bars show.
class ExGridFlatScrollBars : public ::testing::Test {
protected:
    ExGridFlatScrollBars() {
        Form.SetBounds(0, 0, 500, 400);
        Grid = new TExStringGrid(&Form);
        Grid->SetParent(&Form);
        Grid->SetGridLineWidth(0);
        Grid->SetColCount(12);
        Grid->SetRowCount(41);
        Grid->SetDefaultColWidth(55);
        Grid->SetDefaultRowHeight(20);
        Grid->SetBounds(0, 0, 300, 220);
        Form.Show();
        Pump();
    }
    void Pump() { Application->ProcessMessages(); }

    int VertBarWidth() const { return Grid->Width() - Grid->ClientWidth(); }
    int HorzBarHeight() const { return Grid->Height() - Grid->ClientHeight(); }

    // Pixels of Color in the vertical bar, the horizontal bar and the cells of a rendering.
    struct TColorCount {
        int VertBar = 0;
        int HorzBar = 0;
        int Cells = 0;
    };
    TColorCount CountColor(TColor Color, const std::string& Picture = {}) {
        TBitmap shot(Grid->Width(), Grid->Height());
        Grid->PaintTo(shot.Canvas(), 0, 0);
        if (const char* folder = std::getenv("VELMARO_GRID_PICTURE_DIR");
            folder && !Picture.empty())
            shot.SaveToFile(std::string(folder) + "/" + Picture + ".bmp");
        TColorCount count;
        for (int y = 0; y < Grid->Height(); ++y)
            for (int x = 0; x < Grid->Width(); ++x) {
                if (shot.Pixel(x, y) != Color)
                    continue;
                if (x >= Grid->ClientWidth())
                    ++count.VertBar;
                else if (y >= Grid->ClientHeight())
                    ++count.HorzBar;
                else
                    ++count.Cells;
            }
        return count;
    }

    TForm Form{nullptr};
    TExStringGrid* Grid = nullptr; // owned by the form
};

struct FlatLookCase {
    std::string Name;
    TScrollType Type;
    bool TypeFirst; // the type set before the colour and the width, or after them
};

class FlatLook : public ExGridFlatScrollBars, public ::testing::WithParamInterface<FlatLookCase> {};

TEST_P(FlatLook, BarsTakeTheWidthAndTheColourBehindTheThumbUntilNormalTypeIsBack) {
    const FlatLookCase& c = GetParam();
    const int regular = GetSystemMetrics(SM_CXVSCROLL);
    ASSERT_NE(regular, 10);
    if (c.TypeFirst)
        Grid->SetScrollType(c.Type);
    Grid->SetScrollColor(clRed);
    Grid->SetScrollWidth(10);
    if (!c.TypeFirst)
        Grid->SetScrollType(c.Type);
    Pump();
    EXPECT_EQ(VertBarWidth(), 10);
    EXPECT_EQ(HorzBarHeight(), 10);
    const TColorCount flat = CountColor(clRed, "flat-" + c.Name);
    // The track shows red around the thumb, along most of each bar.
    EXPECT_GT(flat.VertBar, 10 * Grid->ClientHeight() / 2);
    EXPECT_GT(flat.HorzBar, 10 * Grid->ClientWidth() / 2);
    EXPECT_EQ(flat.Cells, 0);

    Grid->SetScrollType(ssNormal);
    Pump();
    EXPECT_EQ(VertBarWidth(), regular);
    EXPECT_EQ(HorzBarHeight(), regular);
    const TColorCount normal = CountColor(clRed, "normal-after-" + c.Name);
    EXPECT_EQ(normal.VertBar + normal.HorzBar, 0);
}

INSTANTIATE_TEST_SUITE_P(ExGridFlatScrollBars, FlatLook,
                         ::testing::Values(FlatLookCase{"FlatTypeFirst", ssFlat, true},
                                           FlatLookCase{"FlatTypeLast", ssFlat, false},
                                           FlatLookCase{"EncartaTypeFirst", ssEncarta, true}),
                         [](const auto& info) { return info.param.Name; });

// Colour and width written while the bars are flat change them at once; clNone gives the track
// its regular colour back.
TEST_F(ExGridFlatScrollBars, ColourAndWidthFollowTheirSettings) {
    Grid->SetScrollType(ssFlat);
    const struct {
        std::string Name;
        std::function<void()> Change;
        int Width;
        TColor Track; // clNone: the regular track, neither red nor blue
    } steps[] = {
        {"red", [&] { Grid->SetScrollColor(clRed); }, GetSystemMetrics(SM_CXVSCROLL), clRed},
        {"wider", [&] { Grid->SetScrollWidth(24); }, 24, clRed},
        {"blue", [&] { Grid->SetScrollColor(clBlue); }, 24, clBlue},
        {"no colour", [&] { Grid->SetScrollColor(clNone); }, 24, clNone},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Name);
        step.Change();
        Pump();
        EXPECT_EQ(VertBarWidth(), step.Width);
        for (TColor colour : {clRed, clBlue})
            EXPECT_EQ(CountColor(colour).VertBar > 0, colour == step.Track) << std::hex << colour;
    }
}

// A grid that takes over a flat grid's settings shows the same flat bars.
TEST_F(ExGridFlatScrollBars, AGridAssignedFromAFlatOneShowsItsFlatBars) {
    Grid->SetScrollType(ssFlat);
    Grid->SetScrollColor(clRed);
    Grid->SetScrollWidth(10);
    auto* copy = new TExStringGrid(&Form);
    copy->SetParent(&Form);
    copy->Assign(Grid);
    copy->SetBounds(0, 0, 300, 220);
    Grid->SetVisible(false);
    Pump();
    EXPECT_EQ(copy->ScrollType, ssFlat);
    EXPECT_EQ(copy->Width() - copy->ClientWidth(), 10);
    std::swap(Grid, copy);
    EXPECT_GT(CountColor(clRed).VertBar, 10 * Grid->ClientHeight() / 2);
}

// The flat bar's arrows, track and thumb answer the mouse where they are drawn.
TEST_F(ExGridFlatScrollBars, TheNarrowFlatBarScrollsUnderTheMouse) {
    Grid->SetScrollType(ssFlat);
    Grid->SetScrollColor(clRed);
    Grid->SetScrollWidth(10);
    Pump();
    const int x = Grid->ClientWidth() + 5;
    const int bottom = Grid->ClientHeight();
    const int page = Grid->VisibleRowCount();
    const struct {
        std::string Name;
        TPoint Point;
        int TopRow;
    } clicks[] = {
        {"lower arrow", {x, bottom - 4}, 2},
        {"track below the thumb", {x, bottom - 20}, 2 + page},
        {"upper arrow", {x, 4}, 1 + page},
    };
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.Name);
        InputSimulation::MouseMove(Grid, click.Point);
        InputSimulation::Click(Grid, click.Point);
        Pump();
        EXPECT_EQ(Grid->TopRow(), click.TopRow);
    }
    Grid->ScrollSynch = true;
    Grid->SetTopRow(1);
    Pump();
    InputSimulation::MouseMove(Grid, {x, 14});
    InputSimulation::MouseDown(Grid, mbLeft, {x, 14});
    for (int y = 30; y <= 110; y += 20)
        InputSimulation::MouseMove(Grid, {x, y}, TShiftState{ssLeft});
    InputSimulation::MouseUp(Grid, mbLeft, {x, 110});
    Pump();
    EXPECT_GT(Grid->TopRow(), 10) << "the dragged thumb took the grid along";
}

} // namespace
