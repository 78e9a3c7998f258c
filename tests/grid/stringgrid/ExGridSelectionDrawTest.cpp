// What the selections and the disabled rows look like once drawn: picked cells in the selection
// colour and the current cell only when picked, picked rows other than the current one a little
// lighter, the text of disabled rows in the disabled font colour.
#include "ExGridMouseTestGrid.h"
#include "GridPixels.h"

#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/MouseActions.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using GridPixels::Orange;
using GridPixels::Render;
using GridPixels::White;

const TShiftState PickCtrl{ssCtrl};

struct PickClick {
    int Col, Row;
    TShiftState Keys;
};

// A white mouse grid in the standard look with a plain selection colour.
std::unique_ptr<TMouseTestGrid> PickGrid() {
    auto grid = std::make_unique<TMouseTestGrid>();
    grid->SetLook(glStandard);
    grid->SetColor(White);
    grid->SetSelectionColor(Orange);
    grid->SetSelectionColorTo(clNone);
    grid->HideFocusRect = true;
    return grid;
}

// A pixel well inside a cell, away from its text, lines and focus frame.
TColor SelectionFill(const TBitmap& Bitmap, const TMouseTestGrid& Grid, int ACol, int ARow) {
    const TRect r = Grid.CellRect(ACol, ARow);
    return Bitmap.Pixel(r.Right - 6, r.Bottom - 5);
}

} // namespace

TEST(ExGridSelectionDraw, PickedCellsShowSelectedAndTheCurrentCellOnlyWhenPicked) {
    struct Case {
        const char* what;
        std::vector<PickClick> clicks;
        std::vector<TPoint> picked;   // drawn in the selection colour
        std::vector<TPoint> unpicked; // drawn in the cell colour
    } cases[] = {
        {"a click picks the current cell", {{2, 2, {}}}, {{2, 2}}, {{3, 4}, {4, 5}}},
        {"PickCtrl adds cells", {{2, 2, {}}, {3, 4, PickCtrl}}, {{2, 2}, {3, 4}}, {{4, 5}}},
        {"the current cell taken out by PickCtrl shows unpicked",
         {{2, 2, {}}, {3, 4, PickCtrl}, {3, 4, PickCtrl}},
         {{2, 2}},
         {{3, 4}, {4, 5}}},
    };
    for (const Case& c : cases) {
        auto grid = PickGrid();
        grid->MouseActions()->SetDisjunctCellSelect(true);
        for (const PickClick& k : c.clicks)
            grid->ClickAt(grid->Centre(k.Col, k.Row), k.Keys);
        const auto bitmap = Render(*grid);
        for (const TPoint& p : c.picked)
            EXPECT_EQ(SelectionFill(*bitmap, *grid, p.X, p.Y), Orange) << c.what << " " << p.X << "," << p.Y;
        for (const TPoint& p : c.unpicked)
            EXPECT_EQ(SelectionFill(*bitmap, *grid, p.X, p.Y), White) << c.what << " " << p.X << "," << p.Y;
    }
}

TEST(ExGridSelectionDraw, PickedRowsOtherThanTheCurrentOneStandLighter) {
    constexpr TColor Grey = 0x808080;
    const TColor lighter = ShadeColor(Grey, 7);
    ASSERT_EQ(lighter, TColor(0x898989));
    struct Case {
        const char* what;
        TColor selectionTo;
        bool lighter; // row 2, picked first, against the current row 4
    } cases[] = {
        {"plain selection colour", clNone, true},
        {"a selection gradient keeps its colours", 0x404040, false},
    };
    for (const Case& c : cases) {
        auto grid = PickGrid();
        grid->SetSelectionColor(Grey);
        grid->SetSelectionColorTo(c.selectionTo);
        grid->MouseActions()->SetDisjunctRowSelect(true);
        grid->ClickAt(grid->Centre(2, 2));
        grid->ClickAt(grid->Centre(3, 4), PickCtrl);
        ASSERT_EQ(grid->Row(), 4);
        const auto bitmap = Render(*grid);
        const TRect other = grid->CellRect(3, 2);
        const TRect current = grid->CellRect(3, 4);
        const TColor otherTop = bitmap->Pixel(other.Left + 10, other.Top + 1);
        const TColor currentTop = bitmap->Pixel(current.Left + 10, current.Top + 1);
        if (c.lighter) {
            EXPECT_EQ(otherTop, lighter) << c.what;
            EXPECT_EQ(currentTop, Grey) << c.what;
        } else {
            EXPECT_EQ(otherTop, currentTop) << c.what;
        }
        EXPECT_EQ(SelectionFill(*bitmap, *grid, 3, 3), White) << c.what;
    }
}

TEST(ExGridSelectionDraw, DisabledRowsWriteInTheDisabledFontColour) {
    constexpr TColor Disabled = 0x00A000;
    struct Case {
        const char* what;
        bool useDisabledFont;
        bool gridEnabled;
        int disabledRow;
        TColor row2, row3;
    } cases[] = {
        {"row 3 disabled", true, true, 3, clBlack, Disabled},
        {"without the disabled font", false, true, 3, clBlack, clBlack},
        {"a disabled grid greys every row", true, false, -1, Disabled, Disabled},
    };
    for (const Case& c : cases) {
        auto grid = PickGrid();
        grid->SetSelection(TGridRect{-1, -1, -1, -1});
        grid->Font()->SetColor(clBlack);
        grid->Font()->SetSize(14);
        grid->Font()->SetStyle(TFontStyles{fsBold});
        grid->DisabledFontColor = Disabled;
        grid->UseDisabledFont = c.useDisabledFont;
        grid->SetCells(2, 2, "HHHH");
        grid->SetCells(2, 3, "HHHH");
        if (c.disabledRow >= 0)
            grid->SetRowEnabled(c.disabledRow, false);
        grid->SetEnabled(c.gridEnabled);
        const auto bitmap = Render(*grid);
        const auto count = [&](int ARow, TColor Ink) {
            const TRect r = grid->CellRect(2, ARow);
            int n = 0;
            for (int y = r.Top; y < r.Bottom; ++y)
                for (int x = r.Left; x < r.Right; ++x)
                    n += bitmap->Pixel(x, y) == Ink;
            return n;
        };
        EXPECT_GT(count(2, c.row2), 10) << c.what;
        EXPECT_GT(count(3, c.row3), 10) << c.what;
        const TColor other3 = c.row3 == Disabled ? clBlack : Disabled;
        EXPECT_EQ(count(3, other3), 0) << c.what;
    }
}
