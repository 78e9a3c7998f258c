// Drawing of the sort indicator and of the tree: which header cells show an indicator, the
// indicator's shape by direction and index position, node glyphs and tree lines.
#include "ExGridSortingTestGrid.h"

#include "grid/foundation/SortIndexList.h"
#include "grid/stringgrid/CellNode.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<TBitmap> BlackBitmap(int Width, int Height) {
    auto bitmap = std::make_unique<TBitmap>(Width, Height);
    bitmap->Canvas()->Brush()->SetColor(clBlack);
    bitmap->Canvas()->FillRect(TRect{0, 0, Width, Height});
    return bitmap;
}

bool Inked(TBitmap& Bitmap, int X, int Y) {
    return (Bitmap.Canvas()->Pixel(X, Y) & 0xFFFFFF) != 0;
}

bool HasColour(TBitmap& Bitmap, TColor Colour) {
    for (int y = 0; y < Bitmap.Height(); ++y)
        for (int x = 0; x < Bitmap.Width(); ++x)
            if ((Bitmap.Canvas()->Pixel(x, y) & 0xFFFFFF) == (Colour & 0xFFFFFF))
                return true;
    return false;
}

TEST(ExGridSortIndicator, ShowsOnTheSortedColumnsOfTheSortRow) {
    SortGrid grid({{"b", "a"}, {"1", "2"}, {"x", "y"}});
    grid.SortSettings()->SetShow(true);
    grid.Sort(1, sdAscending);
    grid.SortIndexes()->AddIndex(1, true);
    grid.SortIndexes()->AddIndex(3, true); // listed, but not first
    struct Case {
        int Col, Row;
        bool IndexShow, FixedCols, Shows;
    };
    const Case cases[] = {
        {1, 0, false, false, true},  // the sort column in the sort row
        {2, 0, false, false, false}, // another column
        {1, 1, false, false, false}, // not the sort row
        {3, 0, false, false, false}, // second in the index: only with IndexShow
        {3, 0, true, false, true},
    };
    for (const Case& c : cases) {
        grid.SortSettings()->SetIndexShow(c.IndexShow);
        grid.SortSettings()->FixedCols = c.FixedCols;
        EXPECT_EQ(grid.ShowsSortIndicator(c.Col, c.Row), c.Shows) << c.Col << " " << c.Row;
    }
    grid.Sort(0, sdAscending); // a fixed column shows one only with FixedCols
    grid.SortSettings()->SetIndexShow(false);
    EXPECT_FALSE(grid.ShowsSortIndicator(0, 0));
    grid.SortSettings()->FixedCols = true;
    EXPECT_TRUE(grid.ShowsSortIndicator(0, 0));
    grid.SortSettings()->SetShow(false);
    EXPECT_FALSE(grid.ShowsSortIndicator(0, 0));
}

TEST(ExGridSortIndicator, TheTriangleStandsOnItsBaseWhenAscending) {
    // The base is a line of the triangle's width: at the bottom ascending, at the top
    // descending.
    struct Case {
        TSortDirection Direction;
        bool BottomInked, TopInked;
    };
    const Case cases[] = {{sdAscending, true, false}, {sdDescending, false, true}};
    for (const Case& c : cases) {
        SortGrid grid({{"a"}});
        grid.SortSettings()->Direction = c.Direction;
        auto bitmap = BlackBitmap(40, 40);
        grid.DrawSortIndicator(bitmap->Canvas(), 1, 20, 20);
        EXPECT_EQ(Inked(*bitmap, 17, 24), c.BottomInked) << c.Direction;
        EXPECT_EQ(Inked(*bitmap, 17, 16), c.TopInked) << c.Direction;
    }
}

TEST(ExGridSortIndicator, IndexedSortsMarkTheirColumnsInTheIndexColour) {
    SortGrid grid({{"a"}, {"b"}});
    grid.SortSettings()->SetIndexShow(true);
    grid.SortIndexes()->AddIndex(2, false);
    auto listed = BlackBitmap(40, 40);
    grid.DrawSortIndicator(listed->Canvas(), 2, 20, 20);
    EXPECT_TRUE(HasColour(*listed, grid.SortSettings()->IndexColor));
    auto unlisted = BlackBitmap(40, 40);
    grid.DrawSortIndicator(unlisted->Canvas(), 1, 20, 20);
    EXPECT_FALSE(HasColour(*unlisted, grid.SortSettings()->IndexColor));
}

TEST(ExGridSortIndicator, GlyphsReplaceTheTriangleWhenBothAreSet) {
    SortGrid grid({{"a"}});
    TBitmap up(8, 8), down(8, 8);
    up.Canvas()->Brush()->SetColor(clRed);
    up.Canvas()->FillRect(TRect{0, 0, 8, 8});
    down.Canvas()->Brush()->SetColor(clBlue);
    down.Canvas()->FillRect(TRect{0, 0, 8, 8});
    grid.SortSettings()->SetUpGlyph(&up);
    grid.SortSettings()->SetDownGlyph(&down);
    auto bitmap = BlackBitmap(40, 40);
    grid.SortSettings()->Direction = sdDescending;
    grid.DrawSortIndicator(bitmap->Canvas(), 1, 20, 20);
    EXPECT_EQ(bitmap->Canvas()->Pixel(17, 17) & 0xFFFFFF, clBlue & 0xFFFFFF);
}

// --- tree
// ------------------------------------------------------------------------------------------

TEST(ExGridTreeDrawing, AContractedNodeShowsAPlusAndAnOpenOneAMinus) {
    SortGrid grid({{"a", "b", "c"}});
    grid.AddNode(1, 3);
    grid.CellNode()->NodeColor = clRed;
    const TRect cell{0, 0, 30, 20};
    // The glyph's centre: half an indent into the node's level, 2 pixels in.
    const int cx = (grid.CellNode()->NodeIndent() / 2) + 2, cy = 10;
    for (bool contracted : {false, true}) {
        if (contracted)
            grid.ContractNode(1);
        auto bitmap = BlackBitmap(30, 20);
        grid.DrawNodeGlyph(bitmap->Canvas(), 1, cell);
        EXPECT_EQ(bitmap->Canvas()->Pixel(cx + 1, cy) & 0xFFFFFF, clRed & 0xFFFFFF);
        EXPECT_EQ((bitmap->Canvas()->Pixel(cx, cy - 2) & 0xFFFFFF) == (clRed & 0xFFFFFF),
                  contracted);
    }
}

TEST(ExGridTreeDrawing, TreeLinesRunDownTheLevelOfEachRow) {
    SortGrid grid({{"a", "b", "c", "d"}});
    grid.AddNode(1, 3); // rows 1..3; row 3 is the last of the span
    grid.CellNode()->SetTreeColor(clLime);
    const int x = grid.CellNode()->NodeIndent() / 2 + 2;
    const TRect cell{0, 0, 30, 20};
    const auto inkAt = [&](int Row, int X, int Y) {
        auto bitmap = BlackBitmap(30, 20);
        grid.DrawTreeLines(bitmap->Canvas(), Row, cell);
        return (bitmap->Canvas()->Pixel(X, Y) & 0xFFFFFF) == (clLime & 0xFFFFFF);
    };
    EXPECT_TRUE(inkAt(2, x, 0)); // runs on through the row
    EXPECT_TRUE(inkAt(2, x, 18));
    EXPECT_TRUE(inkAt(3, x, 0)); // the last row ends the line in its middle
    EXPECT_FALSE(inkAt(3, x, 18));
    EXPECT_TRUE(inkAt(3, x + 2, 10)); // the branch to the text
    EXPECT_FALSE(inkAt(4, x, 0));     // outside every node
    grid.CellNode()->SetShowTree(false);
    EXPECT_FALSE(inkAt(2, x, 0));
}

} // namespace
