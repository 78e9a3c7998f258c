// Settings of the look that change what the cells show repaint the grid when written; writes
// that change nothing on screen leave it be.
#include "ExGridTestGrid.h"
#include "ShownGrid.h"

#include "grid/stringgrid/BackGround.h"
#include "grid/stringgrid/ControlLook.h"
#include "platform/ui/Bitmap.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct WriteCase {
    const char* what;
    std::function<void(TTestExGrid&)> before; // set up without counting
    std::function<void(TTestExGrid&)> write;
    bool repaints;
};

} // namespace

TEST(ExGridLookRepaint, WritesRepaintWhenTheyChangeWhatShows) {
    const auto none = [](TTestExGrid&) {};
    const WriteCase cases[] = {
        {"control style", none, [](TTestExGrid& g) { g.ControlLook()->SetControlStyle(csBorland); },
         true},
        {"check size", none, [](TTestExGrid& g) { g.ControlLook()->SetCheckSize(21); }, true},
        {"radio size", none, [](TTestExGrid& g) { g.ControlLook()->SetRadioSize(14); }, true},
        {"link colour while links show", [](TTestExGrid& g) { g.SetURLShow(true); },
         [](TTestExGrid& g) { g.SetURLColor(clRed); }, true},
        {"link colour while no link shows", none, [](TTestExGrid& g) { g.SetURLColor(clRed); },
         false},
        {"the link colour it had", [](TTestExGrid& g) { g.SetURLShow(true); },
         [](TTestExGrid& g) { g.SetURLColor(g.URLColor()); }, false},
        {"links shown", none, [](TTestExGrid& g) { g.SetURLShow(true); }, true},
        {"links shown again", [](TTestExGrid& g) { g.SetURLShow(true); },
         [](TTestExGrid& g) { g.SetURLShow(true); }, false},
        {"links inside texts",
         [](TTestExGrid& g) { g.SetCells(1, 1, "see http://example.org here"); },
         [](TTestExGrid& g) { g.SetURLShowInText(true); }, true},
        {"links inside texts again", [](TTestExGrid& g) { g.SetURLShowInText(true); },
         [](TTestExGrid& g) { g.SetURLShowInText(true); }, false},
        {"drop-down buttons always shown", none,
         [](TTestExGrid& g) { g.ControlLook()->SetDropDownAlwaysVisible(true); }, true},
        {"spin buttons always shown", none,
         [](TTestExGrid& g) { g.ControlLook()->SetSpinButtonsAlwaysVisible(true); }, true},
        {"background colour", none, [](TTestExGrid& g) { g.BackGround()->SetColor(clRed); },
         true},
        {"background gradient end", none,
         [](TTestExGrid& g) { g.BackGround()->SetColorTo(clRed); }, true},
        {"background display", none,
         [](TTestExGrid& g) { g.BackGround()->SetDisplay(bdGradientVert); }, true},
        {"background cells", none, [](TTestExGrid& g) { g.BackGround()->SetCells(bcAll); },
         true},
        {"background offset", none, [](TTestExGrid& g) { g.BackGround()->SetLeft(5); }, true},
        {"background picture", none,
         [](TTestExGrid& g) {
             TBitmap picture(4, 4);
             g.BackGround()->SetBitmap(&picture);
         },
         true},
        {"outer border style", none, [](TTestExGrid& g) { g.SetBorderStyle(bsNone); }, true},
    };
    for (const WriteCase& c : cases) {
        ShownGrid shown;
        c.before(*shown.grid);
        shown.Settle();
        const int paints = shown.grid->Paints;
        c.write(*shown.grid);
        shown.Settle();
        EXPECT_EQ(shown.grid->Paints > paints, c.repaints) << c.what;
    }
}

TEST(ExGridLookRepaint, WrittenValuesReadBack) {
    TTestExGrid grid(nullptr);
    grid.ControlLook()->SetControlStyle(csULK);
    grid.ControlLook()->SetCheckSize(21);
    grid.ControlLook()->SetRadioSize(14);
    grid.SetURLColor(clRed);
    grid.SetURLShow(true);
    grid.SetURLShowInText(true);
    grid.ControlLook()->SetDropDownAlwaysVisible(true);
    grid.ControlLook()->SetSpinButtonsAlwaysVisible(true);
    EXPECT_EQ(grid.ControlLook()->ControlStyle(), csULK);
    EXPECT_EQ(grid.ControlLook()->CheckSize(), 21);
    EXPECT_EQ(grid.ControlLook()->RadioSize(), 14);
    EXPECT_EQ(grid.URLColor(), clRed);
    EXPECT_TRUE(grid.URLShow());
    EXPECT_TRUE(grid.URLShowInText());
    EXPECT_TRUE(grid.ControlLook()->DropDownAlwaysVisible());
    EXPECT_TRUE(grid.ControlLook()->SpinButtonsAlwaysVisible());
}
