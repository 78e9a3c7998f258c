// Flat scroll bars on a grid's own bars: what the properties accept, how the part under the mouse
// shows in each look, and the room the bars take while shown, hidden and given back.
#include "platform/ui/FlatScrollBars.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"
#include "platform/ui/StringGridControl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// A shown grid 300 x 200 of one fixed and forty normal rows of 20 pixels, three columns of 50:
// only the vertical bar shows.
class FlatScrollBars : public ::testing::Test {
protected:
    FlatScrollBars() {
        Form.SetBounds(0, 0, 400, 300);
        Grid = new TStringGrid(&Form);
        Grid->SetParent(&Form);
        Grid->SetColCount(3);
        Grid->SetRowCount(41);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetBounds(0, 0, 300, 200);
        Form.Show();
        Application->ProcessMessages();
    }
    int VertBarWidth() const { return Grid->Width() - Grid->ClientWidth(); }
    // Pixels of Color in the vertical bar; with VELMARO_GRID_PICTURE_DIR set the rendering is
    // kept there as Picture.bmp.
    int InBar(TColor Color, const std::string& Picture = {}) const {
        TBitmap shot(Grid->Width(), Grid->Height());
        Grid->PaintTo(shot.Canvas(), 0, 0);
        if (const char* folder = std::getenv("VELMARO_GRID_PICTURE_DIR");
            folder && !Picture.empty())
            shot.SaveToFile(std::string(folder) + "/" + Picture + ".bmp");
        int count = 0;
        for (int y = 0; y < Grid->Height(); ++y)
            for (int x = Grid->ClientWidth(); x < Grid->Width(); ++x)
                count += shot.Pixel(x, y) == Color;
        return count;
    }

    TForm Form{nullptr};
    TStringGrid* Grid = nullptr; // owned by the form
};

TEST_F(FlatScrollBars, OnlyAControlWithItsOwnBarsTakesThemAndOnlyKnownValues) {
    TPanel panel(&Form);
    panel.SetParent(&Form);
    EXPECT_FALSE(TFlatScrollBars::Initialize(&panel));
    EXPECT_FALSE(TFlatScrollBars::SetScrollProp(Grid, WSB_PROP_CXVSCROLL, 10, true))
        << "a grid not initialised keeps its regular bars";
    EXPECT_FALSE(TFlatScrollBars::ShowScrollBar(Grid, SB_VERT, false));
    ASSERT_TRUE(TFlatScrollBars::Initialize(Grid));
    const struct {
        std::string Name;
        int Index;
        int Value;
        bool Taken;
    } props[] = {
        {"width", WSB_PROP_CXVSCROLL, 10, true},
        {"no width", WSB_PROP_CXVSCROLL, 0, false},
        {"height", WSB_PROP_CYHSCROLL, 12, true},
        {"colour", WSB_PROP_VBKGCOLOR, static_cast<int>(clRed), true},
        {"flat look", WSB_PROP_VSTYLE, FSB_FLAT_MODE, true},
        {"unknown look", WSB_PROP_HSTYLE, 3, false},
        {"unknown property", 0x1000, 1, false},
    };
    for (const auto& prop : props) {
        SCOPED_TRACE(prop.Name);
        int before = -1;
        TFlatScrollBars::GetScrollProp(Grid, prop.Index, before);
        EXPECT_EQ(TFlatScrollBars::SetScrollProp(Grid, prop.Index, prop.Value, true), prop.Taken);
        int after = -1;
        TFlatScrollBars::GetScrollProp(Grid, prop.Index, after);
        EXPECT_EQ(after, prop.Taken ? prop.Value : before) << "a refused value changes nothing";
    }
    EXPECT_EQ(VertBarWidth(), 10);
}

struct HoverCase {
    std::string Name;
    int Mode;
    TColor Grows;    // the colour the thumb under the mouse gains
    TColor NotGrown; // the other look's colour, which it does not gain
};

class FlatHover : public FlatScrollBars, public ::testing::WithParamInterface<HoverCase> {};

// Flat: the thumb under the mouse is shown inverted. Encarta: it rises with a light edge.
TEST_P(FlatHover, TheThumbUnderTheMouseShowsIt) {
    const HoverCase& c = GetParam();
    ASSERT_TRUE(TFlatScrollBars::Initialize(Grid));
    TFlatScrollBars::SetScrollProp(Grid, WSB_PROP_VSTYLE, c.Mode, true);
    TFlatScrollBars::SetScrollProp(Grid, WSB_PROP_VBKGCOLOR, static_cast<int>(clRed), true);
    Application->ProcessMessages();
    const int grows = InBar(ColorToRGB(c.Grows));
    const int notGrown = InBar(ColorToRGB(c.NotGrown));
    // The thumb starts under the upper arrow while the first rows show.
    const TPoint thumb{Grid->ClientWidth() + VertBarWidth() / 2, VertBarWidth() + 4};
    InputSimulation::MouseMove(Grid, thumb);
    Application->ProcessMessages();
    EXPECT_GT(InBar(ColorToRGB(c.Grows), "hover-" + c.Name), grows + 20);
    EXPECT_LE(InBar(ColorToRGB(c.NotGrown)), notGrown);
}

INSTANTIATE_TEST_SUITE_P(
    FlatScrollBars, FlatHover,
    ::testing::Values(HoverCase{"Flat", FSB_FLAT_MODE, clBtnShadow, clBtnHighlight},
                      HoverCase{"Encarta", FSB_ENCARTA_MODE, clBtnHighlight, clBtnShadow}),
    [](const auto& info) { return info.param.Name; });

// A bar hidden directly gives its room to the cells until the grid lays its bars out again;
// uninitialised bars have their regular thickness back.
TEST_F(FlatScrollBars, TheRoomTheBarsTake) {
    const int regular = GetSystemMetrics(SM_CXVSCROLL);
    ASSERT_TRUE(TFlatScrollBars::Initialize(Grid));
    EXPECT_EQ(VertBarWidth(), regular);
    TFlatScrollBars::SetScrollProp(Grid, WSB_PROP_CXVSCROLL, 9, true);
    EXPECT_EQ(VertBarWidth(), 9);
    EXPECT_TRUE(TFlatScrollBars::ShowScrollBar(Grid, SB_VERT, false));
    EXPECT_EQ(Grid->ClientWidth(), Grid->Width());
    Grid->SetRowCount(50);
    EXPECT_EQ(VertBarWidth(), 9) << "the rows beyond the view bring the bar back";
    EXPECT_TRUE(TFlatScrollBars::Uninitialize(Grid));
    EXPECT_EQ(VertBarWidth(), regular);
    EXPECT_FALSE(TFlatScrollBars::Initialized(Grid));
    EXPECT_FALSE(TFlatScrollBars::SetScrollProp(Grid, WSB_PROP_CXVSCROLL, 9, true));
}

} // namespace
