// What the cell drawer adds to a cell's own content: links found in longer texts, the row count
// of a group, and the row-selection boxes of column 0 with the clicks on them.
#include "ExGridMouseTestGrid.h"
#include "ExGridSortingTestGrid.h"
#include "ExGridTestGrid.h"
#include "GridPixels.h"

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/BackGround.h"
#include "grid/stringgrid/CellGraphicObject.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/FooterPanel.h"
#include "grid/stringgrid/Grouping.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using GridPixels::Blue;
using GridPixels::White;

std::unique_ptr<TTestExGrid> TextGrid(int ColWidth) {
    auto grid = GridPixels::PlainGrid(ColWidth, 24, 0);
    grid->Font()->SetColor(clBlack);
    return grid;
}

TRect Inner(const TRect& Cell) {
    return TRect{Cell.Left + 1, Cell.Top + 1, Cell.Right - 1, Cell.Bottom - 1};
}

} // namespace

// Only the address becomes a link, drawn in the link colour; the text after the question mark
// stays plain, and without the option no link colour shows at all.
TEST(ExGridCellContent, LinkInsideLongerTextIsDrawnInTheLinkColour) {
    const std::string text = "see www.example.org?id=4 here";
    struct Case {
        bool inText;
        bool linkDrawn;
    };
    for (const Case c : {Case{true, true}, Case{false, false}}) {
        auto grid = TextGrid(300);
        grid->SetURLColor(Blue);
        grid->SetURLShowInText(c.inText);
        grid->SetCells(1, 1, text);
        const auto picture = GridPixels::Render(*grid);
        const TRect cell = Inner(grid->CellRect(1, 1));
        const auto link = GridPixels::ColourBox(*picture, cell, Blue);
        ASSERT_EQ(link.has_value(), c.linkDrawn) << c.inText;
        if (!c.linkDrawn)
            continue;
        const auto ink = GridPixels::InkBox(*picture, cell, White);
        ASSERT_TRUE(ink);
        const int before = grid->Canvas()->TextWidth("see ");
        const int address = grid->Canvas()->TextWidth("www.example.org");
        // The link starts after "see " and ends where the address ends, before the rest.
        EXPECT_GT(link->Left, ink->Left + before / 2);
        EXPECT_NEAR(link->Right - link->Left, address, 4);
        EXPECT_LT(link->Right + 10, ink->Right);
        EXPECT_EQ(grid->Cells(1, 1),
                  "see <a href=\"www.example.org\">www.example.org</a>?id=4 here");
    }
}

// A node of 5 rows counts its 4 other rows in column 1, in parentheses or as the format says;
// the count is drawn, so the text reaches further right.
TEST(ExGridCellContent, GroupRowShowsItsRowCount) {
    struct Case {
        bool show;
        const char* format;
        const char* shown;
    };
    const Case cases[] = {{false, "", "Group"},
                          {true, "", "Group (4)"},
                          {true, " - %d rows", "Group - 4 rows"},
                          {true, " %f", "Group (4)"}}; // a format for no whole number
    std::optional<int> plainRight;
    for (const Case& c : cases) {
        // A real grid: the test grid answers the node questions itself.
        auto grid = std::make_unique<TExStringGrid>(nullptr);
        grid->SetScrollBars(ssNone);
        grid->SetColCount(3);
        grid->SetFixedCols(0);
        grid->SetFixedRows(0);
        grid->SetDefaultColWidth(200);
        grid->SetDefaultRowHeight(24);
        grid->SetColor(White);
        grid->Font()->SetColor(clBlack);
        grid->SetSelection(TGridRect{-1, -1, -1, -1});
        grid->SetRowCount(8);
        grid->SetBounds(0, 0, 600, 8 * 24);
        grid->SetCells(1, 1, "Group");
        grid->AddNode(1, 5);
        grid->Grouping()->ShowGroupCount = c.show;
        grid->Grouping()->GroupCountFormat = c.format;
        EXPECT_EQ(grid->Cells(1, 1), c.shown) << c.format;
        EXPECT_EQ(grid->Cells(2, 1), "") << "only column 1 counts";
        const auto picture = GridPixels::Render(*grid);
        const auto ink = GridPixels::InkBox(*picture, Inner(grid->CellRect(1, 1)), White);
        ASSERT_TRUE(ink) << c.shown;
        if (!plainRight)
            plainRight = ink->Right;
        else
            EXPECT_GT(ink->Right, *plainRight + 10) << c.shown;
    }
}

// A node inside a node is no plain row of the outer one: the outer count leaves it out whichever
// node was made first, and a child row or a removed inner node changes the counts as it should.
TEST(ExGridCellContent, NestedGroupRowsCountTheirPlainRows) {
    enum Step { OuterFirst, InnerFirst, ChildRowInInner, InnerRemoved };
    const struct {
        const char* what;
        std::vector<Step> steps;
        const char* outer;
        const char* inner;
    } cases[] = {
        {"outer made first", {OuterFirst}, "Outer (4)", "Inner (2)"},
        {"inner made first", {InnerFirst}, "Outer (4)", "Inner (2)"},
        {"a child row in the inner node", {OuterFirst, ChildRowInInner}, "Outer (5)", "Inner (3)"},
        {"inner node removed", {InnerFirst, InnerRemoved}, "Outer (5)", "Inner"},
    };
    for (const auto& c : cases) {
        // Child rows are made by the grid's own row operations, open to this grid.
        auto grid = std::make_unique<SortGrid>(std::vector<SortTexts>{});
        grid->SetColCount(3);
        grid->SetRowCount(10);
        grid->SetCells(1, 1, "Outer");
        grid->SetCells(1, 2, "Inner");
        grid->Grouping()->ShowGroupCount = true;
        for (const Step step : c.steps)
            switch (step) {
            case OuterFirst:
                grid->AddNode(1, 6);
                grid->AddNode(2, 3);
                break;
            case InnerFirst:
                grid->AddNode(2, 3);
                grid->AddNode(1, 6);
                break;
            case ChildRowInInner:
                grid->InsertChildRow(3, 1);
                break;
            case InnerRemoved:
                grid->RemoveNode(2);
                break;
            }
        EXPECT_EQ(grid->Cells(1, 1), c.outer) << c.what;
        EXPECT_EQ(grid->Cells(1, 2), c.inner) << c.what;
    }
}

namespace {

// A grid whose column 0 holds the row-selection boxes.
class ExGridRowCheckBoxes : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetFixedRows(1);
        grid.SetFixedCols(1);
        grid.SetColor(White);
        grid.MouseActions()->SetHotmailRowSelect(true);
        grid.ControlLook()->SetControlStyle(csClassic);
    }
    // How dark the box of a row is drawn: the sum over its cell of each pixel's darkness, which
    // grows with a check mark and differs between an empty, a checked and a partly checked box.
    int InkInBox(const TBitmap& Picture, int ARow) {
        const TRect cell = grid.CellRect(0, ARow);
        int ink = 0;
        for (int y = cell.Top + 1; y < cell.Bottom - 1; ++y)
            for (int x = cell.Left + 1; x < cell.Right - 1; ++x) {
                const TColor p = Picture.Pixel(x, y);
                const int light = (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF);
                ink += light < 3 * 0x90 ? 3 * 0xFF - light : 0;
            }
        return ink;
    }
    std::unique_ptr<TBitmap> Picture() { return GridPixels::Render(grid); }
    TPoint BoxOf(int ARow) {
        const TRect cell = grid.CellRect(0, ARow);
        return TPoint{cell.Left + 8, (cell.Top + cell.Bottom) / 2};
    }
    TMouseTestGrid grid;
};

} // namespace

TEST_F(ExGridRowCheckBoxes, ClickOnARowBoxSelectsTheRowAndTheBoxShowsIt) {
    const int empty = InkInBox(*Picture(), 2);
    ASSERT_GT(empty, 0) << "an unchecked box is drawn";
    grid.ClickAt(BoxOf(2));
    EXPECT_TRUE(grid.GetRowSelect(2));
    EXPECT_TRUE(grid.IsChecked(0, 2));
    auto picture = Picture();
    EXPECT_GT(InkInBox(*picture, 2), empty + 500) << "the box shows the check mark";
    EXPECT_EQ(InkInBox(*picture, 3), empty) << "other rows stay unchecked";
    EXPECT_EQ(grid.Cells(0, 2), "") << "the box keeps no text in the cell";

    grid.ClickAt(BoxOf(2));
    EXPECT_FALSE(grid.GetRowSelect(2));
    EXPECT_EQ(InkInBox(*Picture(), 2), empty);
}

// The header's box: partly checked while some rows are selected, checked when all are; a click
// on it selects every row, a second one none.
TEST_F(ExGridRowCheckBoxes, HeaderBoxStandsForAllRows) {
    const int empty = InkInBox(*Picture(), 0);
    grid.ClickAt(BoxOf(3));
    const int partly = InkInBox(*Picture(), 0);
    EXPECT_NE(partly, empty) << "some rows selected: partly checked";
    grid.ClickAt(BoxOf(0));
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row)
        EXPECT_TRUE(grid.GetRowSelect(row)) << row;
    const int all = InkInBox(*Picture(), 0);
    EXPECT_NE(all, partly);
    EXPECT_NE(all, empty);
    grid.ClickAt(BoxOf(0));
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row)
        EXPECT_FALSE(grid.GetRowSelect(row)) << row;
    EXPECT_EQ(InkInBox(*Picture(), 0), empty);
}

namespace {

// Fills the rectangle it is given with one colour, or only its own size from the top-left.
class TSwatchObject : public TObject, public ICellGraphicObject {
public:
    TSwatchObject(int Width, int Height, bool UnderText)
        : FWidth(Width), FHeight(Height), FUnderText(UnderText) {}
    void Draw(TCanvas* Canvas, const TRect& R, int ACol, int ARow, bool Selected,
              TExStringGrid*) override {
        Drawn.push_back({ACol, ARow, Selected});
        Canvas->Brush()->SetColor(GridPixels::Yellow);
        Canvas->FillRect(TRect{R.Left, R.Top, FWidth ? R.Left + FWidth : R.Right + 50,
                               FHeight ? R.Top + FHeight : R.Bottom + 50});
    }
    int GetWidth() override { return FWidth; }
    int GetHeight() override { return FHeight; }
    bool DrawnUnderText() override { return FUnderText; }
    struct Call {
        int Col, Row;
        bool Selected;
    };
    std::vector<Call> Drawn;

private:
    int FWidth, FHeight;
    bool FUnderText;
};

} // namespace

// The object draws its cell and nothing beyond it; drawn under the text, the text shows over
// it, drawn over the text, it hides it.
TEST(ExGridCellContent, InterfacedCellDrawsItselfInsideItsCell) {
    struct Case {
        int width, height;
        bool underText;
        const char* text;
        bool textShows;
    };
    const Case cases[] = {{0, 0, true, "", false},
                          {0, 0, true, "WWWW", true},
                          {0, 0, false, "WWWW", false},
                          {30, 10, false, "", false},
                          {30, 10, true, "WWWW", true}};
    for (const Case& c : cases) {
        const std::string what =
            std::to_string(c.width) + (c.underText ? " under " : " over ") + c.text;
        auto grid = TextGrid(120);
        grid->SetCells(1, 1, c.text);
        TSwatchObject object(c.width, c.height, c.underText);
        grid->AddInterfacedCell(1, 1, &object);
        EXPECT_EQ(grid->GetInterfacedCell(1, 1), &object);
        const auto picture = GridPixels::Render(*grid);
        ASSERT_FALSE(object.Drawn.empty()) << what;
        EXPECT_EQ(object.Drawn.back().Col, 1);
        EXPECT_EQ(object.Drawn.back().Row, 1);
        const TRect cell = grid->CellRect(1, 1);
        const TRect around{0, 0, grid->Width(), grid->Height()};
        const auto swatch = GridPixels::ColourBox(*picture, around, GridPixels::Yellow);
        ASSERT_TRUE(swatch) << what;
        EXPECT_GE(swatch->Left, cell.Left - 1) << what;
        EXPECT_LE(swatch->Right, cell.Right + 1) << what;
        EXPECT_GE(swatch->Top, cell.Top - 1) << what;
        EXPECT_LE(swatch->Bottom, cell.Bottom + 1) << what;
        if (c.width) {
            EXPECT_NEAR(swatch->Right - swatch->Left, c.width, 1) << what;
            EXPECT_NEAR(swatch->Bottom - swatch->Top, c.height, 1) << what;
            EXPECT_EQ(grid->CalcGraphicSize(1, 1, 0).X, c.width);
        } else {
            EXPECT_EQ(grid->CalcGraphicSize(1, 1, 0).X, grid->CellSize(1, 1).X);
        }
        const auto text = GridPixels::Box(*picture, Inner(cell), [](TColor p) {
            return (p & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60;
        });
        EXPECT_EQ(text.has_value(), c.textShows) << what;
        grid->RemoveInterfacedCell(1, 1);
        EXPECT_EQ(grid->GetInterfacedCell(1, 1), nullptr);
    }
}

// Right of the last column and below the last row, the grid's background picture or gradient
// goes on; without one, or with a gradient lacking its second colour, the grid's colour shows.
TEST(ExGridCellContent, BackgroundContinuesBeyondTheLastCell) {
    const auto tile = GridPixels::Solid(8, 8, GridPixels::Green);
    struct Case {
        const char* what;
        TBackGroundDisplay display;
        TBackGroundCells cells; // bcFixed keeps the plain cells white
        bool picture;
        TColor colorTo;
        bool painted;
    };
    const Case cases[] = {
        {"no background", bdTile, bcFixed, false, clBtnFace, false},
        {"tiled picture", bdTile, bcNormal, true, clBtnFace, true},
        {"tiles only for the fixed cells", bdTile, bcFixed, true, clBtnFace, false},
        {"picture at a place", bdFixed, bcFixed, true, clBtnFace, true},
        {"horizontal gradient", bdGradientHorz, bcFixed, false, GridPixels::Blue, true},
        {"vertical gradient", bdGradientVert, bcFixed, false, GridPixels::Blue, true},
        {"gradient without its end", bdGradientHorz, bcFixed, false, clNone, false},
    };
    for (const Case& c : cases) {
        auto grid = GridPixels::PlainGrid(40, 20, 0);
        grid->SetBounds(0, 0, 200, 120);
        grid->BackGround()->SetCells(c.cells);
        grid->BackGround()->SetDisplay(c.display);
        grid->BackGround()->SetColor(GridPixels::Red);
        grid->BackGround()->SetColorTo(c.colorTo);
        if (c.picture) {
            auto big = GridPixels::Solid(200, 120, GridPixels::Green);
            grid->BackGround()->SetBitmap(c.display == bdTile ? tile.get() : big.get());
        }
        const auto picture = GridPixels::Render(*grid);
        const TRect right{125, 5, 195, 115};
        const TRect below{5, 65, 115, 115};
        for (const TRect& area : {right, below}) {
            const auto plain = GridPixels::ColourBox(*picture, area, White);
            const auto inked = GridPixels::InkBox(*picture, area, White);
            if (c.painted) {
                EXPECT_TRUE(inked) << c.what;
                EXPECT_FALSE(plain) << c.what << ": covered all over";
            } else {
                EXPECT_FALSE(inked) << c.what;
            }
        }
        if (c.cells == bcFixed)
            EXPECT_EQ(picture->Pixel(60, 30), White) << c.what << ": the cells stay plain";
    }
}

// The search footer and the floating footer keep the bottom of the client area for themselves:
// the background beyond the cells stops at their top edge. The grid is drawn without its child
// panels, so only its own painting shows below that edge.
TEST(ExGridCellContent, BackgroundBeyondTheCellsStopsAboveTheFooters) {
    enum Footer { NoFooter, SearchFooter, FloatingFooter };
    const struct {
        const char* what;
        Footer footer;
    } cases[] = {{"no footer", NoFooter},
                 {"search footer", SearchFooter},
                 {"floating footer", FloatingFooter}};
    for (const auto& c : cases) {
        auto grid = GridPixels::PlainGrid(40, 20, 0);
        grid->SetBounds(0, 0, 200, 160);
        grid->BackGround()->SetDisplay(bdGradientVert);
        grid->BackGround()->SetColor(GridPixels::Red);
        grid->BackGround()->SetColorTo(GridPixels::Blue);
        int footerHeight = 0;
        if (c.footer == SearchFooter) {
            grid->SearchFooter()->SetVisible(true);
            footerHeight = 32;
        } else if (c.footer == FloatingFooter) {
            grid->FloatingFooter()->SetVisible(true);
            ASSERT_NE(grid->FooterPanel(), nullptr);
            footerHeight = grid->FooterPanel()->Height();
            ASSERT_GT(footerHeight, 0);
        }
        auto picture = std::make_unique<TBitmap>(grid->Width(), grid->Height());
        picture->Canvas()->Brush()->SetColor(White);
        picture->Canvas()->FillRect(TRect{0, 0, grid->Width(), grid->Height()});
        grid->PaintOwnTo(picture->Canvas(), 0, 0);
        const int paintBottom = grid->ClientHeight() - footerHeight;
        const auto right = GridPixels::InkBox(*picture, TRect{125, 0, 195, 160}, White);
        ASSERT_TRUE(right) << c.what;
        EXPECT_NEAR(right->Bottom, paintBottom, 1) << c.what;
        const auto below = GridPixels::InkBox(*picture, TRect{5, 65, 115, 160}, White);
        ASSERT_TRUE(below) << c.what;
        EXPECT_NEAR(below->Bottom, paintBottom, 1) << c.what;
        // The gradient spans the shortened area: its last band is near the end colour.
        const TColor last = picture->Pixel(150, paintBottom - 2);
        EXPECT_GT((last >> 16) & 0xFF, 0xE0) << c.what;
    }
}

namespace {

std::string ManyLines() {
    std::string text;
    for (int i = 1; i <= 20; ++i)
        text += "line " + std::to_string(i) + (i < 20 ? "\r\n" : "");
    return text;
}

// A cell of 100 pixels holding twenty lines, with a scroll bar whose range follows the text.
std::unique_ptr<TMouseTestGrid> ScrollBarGrid(bool WithBar) {
    auto grid = std::make_unique<TMouseTestGrid>();
    grid->SetColor(White);
    grid->Font()->SetColor(clBlack);
    grid->Multilinecells = true;
    grid->SetColWidths(1, 150);
    grid->SetRowHeights(1, 100);
    grid->SetBounds(0, 0, 500, 400);
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    grid->SetCells(1, 1, ManyLines());
    if (WithBar)
        grid->AddScrollBar(1, 1, true);
    return grid;
}

} // namespace

// The bar stands at the cell's right edge, inside the cell, and the text keeps clear of it.
TEST(ExGridCellContent, CellScrollBarIsDrawnAtTheRightOfItsCell) {
    for (const bool withBar : {false, true}) {
        auto grid = ScrollBarGrid(withBar);
        const TScrollProp prop = grid->GetScrollProp(1, 1);
        if (withBar) {
            EXPECT_EQ(prop.PageSize, 100);
            EXPECT_GT(prop.Range, 200);
        }
        const auto picture = GridPixels::Render(*grid);
        const TRect cell = grid->CellRect(1, 1);
        const TRect barArea{cell.Right - TCellScrollBar::Width, cell.Top + 1, cell.Right - 1,
                            cell.Bottom - 1};
        const auto bar = GridPixels::InkBox(*picture, barArea, White);
        const TRect textArea{cell.Left + 1, cell.Top + 1, barArea.Left - 1, cell.Bottom - 1};
        EXPECT_TRUE(GridPixels::InkBox(*picture, textArea, White)) << "the text still shows";
        if (!withBar) {
            EXPECT_FALSE(bar);
            continue;
        }
        ASSERT_TRUE(bar);
        EXPECT_GT(bar->Bottom - bar->Top, 80) << "the bar runs down the cell";
        EXPECT_GE(bar->Left, barArea.Left);
        // Nothing of the bar spills into the next cells.
        const TRect next = grid->CellRect(2, 1);
        EXPECT_FALSE(GridPixels::InkBox(*picture, Inner(next), White));
    }
}

// The mouse over the cell brings a working bar: a click on its lower arrow scrolls the text by
// a line step and reports it, a click in its track by a page; moving to another cell hides it.
TEST(ExGridCellContent, CellScrollBarScrollsTheTextUnderTheMouse) {
    auto grid = ScrollBarGrid(true);
    std::vector<int> reported;
    grid->OnScrollCell = [&](TObject*, int ACol, int ARow, int Position, int, int) {
        EXPECT_EQ(ACol, 1);
        EXPECT_EQ(ARow, 1);
        reported.push_back(Position);
    };
    const auto before = GridPixels::Render(*grid);
    const TRect cell = grid->CellRect(1, 1);
    grid->Move(TPoint{cell.Left + 20, cell.Top + 20});
    ASSERT_TRUE(grid->FScrollBar && grid->FScrollBar->Visible());
    const TRect bar = grid->FScrollBar->BoundsRect();
    EXPECT_EQ(bar.Right, cell.Right - grid->GridLineWidth());
    EXPECT_EQ(bar.Right - bar.Left, TCellScrollBar::Width);

    const TPoint lowerArrow{(bar.Left + bar.Right) / 2, bar.Bottom - 4};
    grid->Press(lowerArrow);
    grid->Release(lowerArrow);
    EXPECT_EQ(grid->GetScrollPosition(1, 1), 10);
    EXPECT_EQ(reported, std::vector<int>{10});
    const auto scrolled = GridPixels::Render(*grid);
    const TRect textArea{cell.Left + 1, cell.Top + 1, bar.Left - 1, cell.Bottom - 1};
    const auto textBefore = GridPixels::InkBox(*before, textArea, White);
    const auto textAfter = GridPixels::InkBox(*scrolled, textArea, White);
    ASSERT_TRUE(textBefore && textAfter);
    EXPECT_LT(textAfter->Top, textBefore->Top + 1) << "the first line moved up under the edge";

    const TPoint track{(bar.Left + bar.Right) / 2, bar.Bottom - 22};
    for (int page = 0; page < 2; ++page) {
        grid->Press(track);
        grid->Release(track);
    }
    EXPECT_GE(reported.size(), 2u);
    const TScrollProp prop = grid->GetScrollProp(1, 1);
    EXPECT_EQ(grid->GetScrollPosition(1, 1), prop.Range - prop.PageSize)
        << "a page step ends where the last page shows";

    grid->Move(grid->Centre(3, 3));
    EXPECT_FALSE(grid->FScrollBar->Visible());
}

// The live bar goes along with its cell when the keyboard scrolls the grid under a still mouse,
// and leaves at once when the cell scrolls out of sight.
TEST(ExGridCellContent, CellScrollBarFollowsTheGridWhenItScrolls) {
    const struct {
        const char* what;
        WORD key;
        int presses;
        bool shown;
    } cases[] = {
        {"a row down", VK_DOWN, 1, true},
        {"a column right", VK_RIGHT, 1, true},
        {"pages down", VK_NEXT, 3, false},
    };
    for (const auto& c : cases) {
        auto grid = ScrollBarGrid(false);
        grid->SetColCount(30);
        grid->SetRowCount(60);
        grid->SetColWidths(3, 150);
        grid->SetRowHeights(4, 100);
        grid->SetCells(3, 4, ManyLines());
        grid->AddScrollBar(3, 4, true);
        // The current cell sits at the last full column or row, so one step more scrolls.
        const int lastCol = grid->LeftCol() + grid->VisibleColCount() - 1;
        const int lastRow = grid->TopRow() + grid->VisibleRowCount() - 1;
        grid->SetCol(c.key == VK_RIGHT ? lastCol : 1);
        grid->SetRow(c.key == VK_RIGHT ? 1 : lastRow);
        const TRect cellBefore = grid->CellRect(3, 4);
        grid->Move(TPoint{cellBefore.Left + 20, cellBefore.Top + 20});
        ASSERT_TRUE(grid->FScrollBar && grid->FScrollBar->Visible()) << c.what;
        const TRect barBefore = grid->FScrollBar->BoundsRect();
        for (int i = 0; i < c.presses; ++i)
            InputSimulation::KeyPress(grid.get(), c.key);
        EXPECT_EQ(grid->FScrollBar->Visible(), c.shown) << c.what;
        if (!c.shown) {
            EXPECT_GT(grid->TopRow(), 4) << c.what;
            continue;
        }
        const TRect cell = grid->CellRect(3, 4);
        ASSERT_NE(cell.Left - cellBefore.Left + cell.Top - cellBefore.Top, 0)
            << c.what << ": the grid scrolled";
        const TRect bar = grid->FScrollBar->BoundsRect();
        EXPECT_EQ(bar.Right, cell.Right - grid->GridLineWidth()) << c.what;
        EXPECT_EQ(bar.Top, cell.Top + grid->GridLineWidth()) << c.what;
        EXPECT_EQ(bar.Left - barBefore.Left, cell.Left - cellBefore.Left) << c.what;
        EXPECT_EQ(bar.Top - barBefore.Top, cell.Top - cellBefore.Top) << c.what;
    }
}
