// A string grid laid out right to left, drawn into bitmaps and worked with real key presses and
// clicks: its columns stand mirrored (column 0 at the right), text keeps its reading direction
// with its alignment mirrored, and mark-up text reads left to right inside its mirrored cell.
#include "ExGridTestGrid.h"
#include "GridPixels.h"

#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/FooterPanel.h"
#include "platform/ui/BiDiMode.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "tests/support/SystemLocaleReading.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

using GridPixels::Blue;
using GridPixels::Orange;
using GridPixels::Red;
using GridPixels::White;
constexpr int CellWidth = 60;
constexpr int CellHeight = 24;
constexpr int GridWidth = 3 * CellWidth;

using GridPixels::ColourBox;
using GridPixels::InkBox;
using GridPixels::PlainGrid;
using GridPixels::Render;

std::unique_ptr<TTestExGrid> MakeGrid(TBiDiMode Mode) {
    auto grid = PlainGrid(CellWidth, CellHeight, 1);
    grid->SetFixedColor(Orange);
    grid->Font()->SetColor(clBlack);
    grid->SetBiDiMode(Mode);
    return grid;
}

// The inside of cell (c, r) where a left-to-right grid shows it, two pixels off its lines.
TRect MirroredCellArea(int c, int r) {
    return TRect{c * CellWidth + 2, r * CellHeight, (c + 1) * CellWidth - 2,
                 (r + 1) * CellHeight - 1};
}

// The same area mirrored on the grid's width.
TRect Mirrored(const TRect& R) {
    return TRect{GridWidth - R.Right, R.Top, GridWidth - R.Left, R.Bottom};
}

// With VELMARO_RTL_PICTURES=<folder> the pictures are written there as <name>.bmp.
void Save(const TBitmap& Bitmap, const std::string& Name) {
    if (const char* folder = std::getenv("VELMARO_RTL_PICTURES"))
        Bitmap.SaveToFile(std::string(folder) + "/" + Name + ".bmp");
}
} // namespace

TEST(ExGridRightToLeft, ColumnsAndFixedColumnStandMirrored) {
    auto grid = MakeGrid(bdRightToLeft);
    grid->SetColors(1, 1, Red);
    grid->SetColors(2, 1, Blue);
    const auto bitmap = Render(*grid);
    Save(*bitmap, "columns");
    const TRect all{0, CellHeight, GridWidth, 3 * CellHeight};
    const auto fixed = ColourBox(*bitmap, all, Orange);
    ASSERT_TRUE(fixed);
    EXPECT_GE(fixed->Left, 2 * CellWidth) << "the fixed column stands at the right";
    EXPECT_EQ(fixed->Right, GridWidth);
    const auto red = ColourBox(*bitmap, all, Red);
    const auto blue = ColourBox(*bitmap, all, Blue);
    ASSERT_TRUE(red && blue);
    EXPECT_GE(red->Left, CellWidth - 1);
    EXPECT_LE(red->Right, 2 * CellWidth);
    EXPECT_LE(blue->Right, CellWidth) << "the last column stands at the left";
    EXPECT_EQ(blue->Top, CellHeight);
}

TEST(ExGridRightToLeft, TextAlignmentIsMirrored) {
    struct Case {
        const char* Name;
        TAlignment Alignment;
    };
    const Case cases[] = {{"left", taLeftJustify}, {"right", taRightJustify}, {"centre", taCenter}};
    for (const Case& c : cases) {
        std::optional<TRect> ink[2];
        std::unique_ptr<TBitmap> mirrored;
        for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
            auto grid = MakeGrid(mode);
            grid->SetCells(2, 1, "LLL");
            grid->SetAlignments(2, 1, c.Alignment);
            auto bitmap = Render(*grid);
            const TRect area =
                mode == bdLeftToRight ? MirroredCellArea(2, 1) : Mirrored(MirroredCellArea(2, 1));
            ink[mode == bdRightToLeft] = InkBox(*bitmap, area, White);
            if (mode == bdRightToLeft) {
                Save(*bitmap, std::string("align-") + c.Name);
                mirrored = std::move(bitmap);
            }
        }
        ASSERT_TRUE(ink[0] && ink[1]) << c.Name;
        const TRect expected = Mirrored(*ink[0]);
        EXPECT_NEAR(ink[1]->Left, expected.Left, 2) << c.Name;
        EXPECT_NEAR(ink[1]->Right, expected.Right, 2) << c.Name;
        EXPECT_NEAR(ink[1]->Width(), ink[0]->Width(), 1) << c.Name;
        // An L reads as L: the column with the most ink (its stem) comes first.
        int stem = -1, most = 0;
        for (int x = ink[1]->Left; x < ink[1]->Right; ++x) {
            int count = 0;
            for (int y = ink[1]->Top; y < ink[1]->Bottom; ++y)
                count += mirrored->Pixel(x, y) != White;
            if (count > most)
                stem = x, most = count;
        }
        EXPECT_LT(stem - ink[1]->Left, 3) << c.Name << ": the text is not turned over";
    }
}

TEST(ExGridRightToLeft, MarkUpReadsLeftToRightInsideTheMirroredCell) {
    const std::string html = "<b>Ab</b> <font color=\"#FF0000\">cd</font>";
    std::unique_ptr<TBitmap> bitmaps[2];
    std::optional<TRect> ink[2];
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        auto grid = MakeGrid(mode);
        grid->SetColWidths(2, 100);
        grid->SetBounds(0, 0, 2 * CellWidth + 100, 3 * CellHeight);
        grid->SetCells(2, 1, html);
        const int i = mode == bdRightToLeft;
        bitmaps[i] = Render(*grid);
        const TRect area =
            i ? TRect{2, CellHeight, 98, 2 * CellHeight - 1}
              : TRect{2 * CellWidth + 2, CellHeight, 2 * CellWidth + 98, 2 * CellHeight - 1};
        ink[i] = InkBox(*bitmaps[i], area, White);
    }
    Save(*bitmaps[1], "html");
    ASSERT_TRUE(ink[0] && ink[1]);
    ASSERT_EQ(ink[0]->Width(), ink[1]->Width());
    ASSERT_EQ(ink[0]->Height(), ink[1]->Height());
    EXPECT_LT(ink[1]->Left, 10) << "mark-up starts at the left of its cell";
    // The same pixels: the runs keep their order and their glyphs their direction.
    int differing = 0;
    for (int y = 0; y < ink[0]->Height(); ++y)
        for (int x = 0; x < ink[0]->Width(); ++x)
            differing += bitmaps[0]->Pixel(ink[0]->Left + x, ink[0]->Top + y) !=
                         bitmaps[1]->Pixel(ink[1]->Left + x, ink[1]->Top + y);
    EXPECT_EQ(differing, 0);
    const auto red = ColourBox(*bitmaps[1], *ink[1], 0x0000FF);
    ASSERT_TRUE(red);
    EXPECT_GT(red->Left, ink[1]->Left + ink[1]->Width() / 2) << "the red run comes second";
}

// Under a bidirectional system locale the mark-up of a right-to-left grid reads from the right
// as well: the runs change places and the line stands at the right of its cell.
TEST(ExGridRightToLeft, MarkUpReadsFromTheRightUnderABidirectionalLocale) {
    const SystemLocaleReading middleEast(true);
    const std::string html =
        "<font color=\"#0000FF\">First</font> <font color=\"#FF0000\">Second</font>";
    auto grid = MakeGrid(bdRightToLeft);
    grid->SetColWidths(2, 100);
    grid->SetBounds(0, 0, 2 * CellWidth + 100, 3 * CellHeight);
    grid->SetCells(2, 1, html);
    const auto bitmap = Render(*grid);
    Save(*bitmap, "html-read-from-the-right");
    const TRect cell{2, CellHeight, 98, 2 * CellHeight - 1};
    const auto ink = InkBox(*bitmap, cell, White);
    const auto first = ColourBox(*bitmap, cell, Blue);
    const auto second = ColourBox(*bitmap, cell, Red);
    ASSERT_TRUE(ink && first && second);
    EXPECT_LT(second->Right, first->Left) << "the second run stands left of the first";
    EXPECT_GT(ink->Right, cell.Right - 8) << "the line starts at the right of its cell";
    EXPECT_GT(ink->Left, cell.Left + 10);
}

TEST(ExGridRightToLeft, KeysAndClicksAddressTheCellsWhereTheyShow) {
    auto grid = MakeGrid(bdRightToLeft);
    grid->FocusCell(1, 1, true);
    InputSimulation::KeyPress(grid.get(), VK_LEFT);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{2, 1})) << "Left goes left";
    InputSimulation::KeyPress(grid.get(), VK_RIGHT);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{1, 1})) << "Right goes right";
    InputSimulation::KeyPress(grid.get(), VK_RIGHT);
    EXPECT_EQ(grid->Col(), 1) << "the fixed column at the right stops it";
    InputSimulation::Click(grid.get(), TPoint{CellWidth / 2, 2 * CellHeight + 5});
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{2, 2}))
        << "a click at the left picks the last column";
    InputSimulation::Click(grid.get(), TPoint{CellWidth + CellWidth / 2, CellHeight + 5});
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{1, 1}));
}

TEST(ExGridRightToLeft, TheFooterFollowsTheMirroredColumns) {
    TForm form(nullptr); // the footer shows on a grid that has a parent
    auto grid = MakeGrid(bdRightToLeft);
    grid->SetParent(&form);
    grid->SetRowCount(4);
    grid->SetBounds(0, 0, GridWidth, 5 * CellHeight);
    grid->FloatingFooter()->SetVisible(true);
    grid->SetCells(1, 3, "LLL");
    const auto bitmap = Render(*grid);
    Save(*bitmap, "footer");
    const int top = grid->Height() - grid->FooterPanel()->Height();
    const auto text =
        InkBox(*bitmap, TRect{CellWidth, top + 2, 2 * CellWidth - 2, grid->Height() - 2},
               bitmap->Pixel(CellWidth + 3, top + 4));
    ASSERT_TRUE(text) << "column 1's footer text shows under column 1";
    EXPECT_GT(text->Left, CellWidth + CellWidth / 3) << "at the right of its cell";
    EXPECT_FALSE(InkBox(*bitmap, TRect{2, top + 3, CellWidth - 4, grid->Height() - 3},
                        bitmap->Pixel(5, top + 5)))
        << "nothing under the last column";
}

// The picture in docs/: a right-to-left grid with both alignments and a mark-up column.
TEST(ExGridRightToLeft, DocumentationPicture) {
    auto grid = std::make_unique<TTestExGrid>(nullptr);
    grid->SetScrollBars(ssVertical);
    grid->SetColCount(4);
    grid->SetRowCount(8);
    grid->SetDefaultColWidth(110);
    grid->SetDefaultRowHeight(24);
    grid->SetBounds(0, 0, 460, 150);
    grid->SetColor(White);
    grid->SetBiDiMode(bdRightToLeft);
    const char* headers[] = {"#", "Left", "Right", "Mark-up"};
    for (int c = 0; c < 4; ++c)
        grid->SetCells(c, 0, headers[c]);
    for (int r = 1; r < 8; ++r) {
        grid->SetCells(0, r, std::to_string(r));
        grid->SetCells(1, r, "Text " + std::to_string(r));
        grid->SetCells(2, r, "Text " + std::to_string(r));
        grid->SetAlignments(2, r, taRightJustify);
        grid->SetCells(3, r, "<b>Bold</b> and <font color=\"#0000FF\">blue</font>");
    }
    grid->FocusCell(1, 2, true);
    const auto bitmap = Render(*grid);
    Save(*bitmap, "right-to-left");
    EXPECT_NE(bitmap->Pixel(455, 40), White) << "the fixed column at the right";
    EXPECT_EQ(bitmap->Pixel(245, 40), White) << "left-aligned text at the right of its cell";
}
