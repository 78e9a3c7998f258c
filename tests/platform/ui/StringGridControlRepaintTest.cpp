// What a cell write queues for repainting: exactly the written cell when it is on screen, and
// nothing when it is out of view or the grid cannot draw.
#include "RecordingControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StringGridControl.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records the area each paint was asked to renew.
class TPaintLogGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    std::vector<TRect> Painted;

protected:
    void Paint() override {
        Painted.push_back(Canvas()->ClipRect());
        TStringGrid::Paint();
    }
};

// 10 x 20 cells of 50 x 20 pixels with 1-pixel lines in a 300 x 200 grid on a shown form:
// columns 0..5 and rows 0..9 are on screen.
struct TShownGrid {
    std::unique_ptr<TestForm> Form = std::make_unique<TestForm>(nullptr);
    TPaintLogGrid* Grid = new TPaintLogGrid(Form.get());

    TShownGrid() {
        Form->SetClientWidth(400);
        Form->SetClientHeight(300);
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(10);
        Grid->SetRowCount(20);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetBounds(0, 0, 300, 200);
        Form->Show();
        Settle();
    }

    // Runs the queued paints and forgets them.
    void Settle() {
        for (int i = 0; i < 3; ++i)
            Application->ProcessMessages();
        Grid->Painted.clear();
    }

    std::vector<TRect> PaintsAfterWriting(int col, int row) {
        Grid->SetCells(col, row, "new");
        Application->ProcessMessages();
        return Grid->Painted;
    }

    // The cell with the lines after its right and bottom edges, as far as it is on the grid.
    std::vector<TRect> CellArea(int col, int row) const {
        const TRect r = Grid->CellRect(col, row);
        TRect shown;
        IntersectRect(shown, Rect(r.Left, r.Top, r.Right + 1, r.Bottom + 1), Grid->ClientRect());
        return {shown};
    }
};

struct GridRepaint : ::testing::Test, TShownGrid {};

TEST_F(GridRepaint, AWriteOnScreenRepaintsExactlyThatCell) {
    struct Case {
        int col, row, topRow;
    };
    const Case cases[] = {
        {2, 3, 1},  // a scrollable cell
        {0, 4, 1},  // a fixed column
        {3, 0, 1},  // a fixed row
        {5, 9, 1},  // the last column and row, partly on screen
        {2, 12, 6}, // scrolled into view
        {4, 0, 6},  // fixed rows stay on screen while scrolled
    };
    for (const Case& c : cases) {
        Grid->SetTopRow(c.topRow);
        Settle();
        ASSERT_FALSE(Grid->CellRect(c.col, c.row).IsEmpty());
        EXPECT_EQ(PaintsAfterWriting(c.col, c.row), CellArea(c.col, c.row))
            << c.col << "," << c.row << " from top row " << c.topRow;
    }
}

TEST_F(GridRepaint, AWriteOutOfViewRepaintsNothing) {
    struct Case {
        int col, row, topRow;
    };
    const Case cases[] = {
        {2, 10, 1},      // below the last row on screen
        {6, 3, 1},       // right of the last column on screen
        {2, 3, 6},       // scrolled away above
        {12, 3, 1},      // past the column count
        {2, 500'000, 1}, // far past the row count
    };
    for (const Case& c : cases) {
        Grid->SetTopRow(c.topRow);
        Settle();
        EXPECT_TRUE(PaintsAfterWriting(c.col, c.row).empty())
            << c.col << "," << c.row << " from top row " << c.topRow;
    }
}

TEST_F(GridRepaint, AHiddenGridOrOneWithDrawingOffQueuesNothing) {
    Grid->Hide();
    Settle();
    EXPECT_TRUE(PaintsAfterWriting(2, 3).empty()) << "hidden grid";
    Grid->Show();
    Settle();

    Form->Hide();
    Settle();
    EXPECT_TRUE(PaintsAfterWriting(2, 3).empty()) << "grid on a hidden form";
    Form->Show();
    Settle();

    Grid->Perform(WM_SETREDRAW, 0, 0);
    EXPECT_TRUE(PaintsAfterWriting(2, 3).empty()) << "drawing switched off";
    Grid->Perform(WM_SETREDRAW, 1, 0);
    Application->ProcessMessages();
    EXPECT_FALSE(Grid->Painted.empty()) << "drawing switched back on renews the grid";
    EXPECT_EQ(Grid->Cells(2, 3), "new");
}

TEST(GridRepaintView, FollowsScrollingSizingAndResizing) {
    // Each change moves which cells are on screen; a write right after it must see the new
    // view, not the one before.
    struct Case {
        const char* name;
        void (*change)(TStringGrid&);
        int col, row;
        bool onScreen;
    };
    const Case cases[] = {
        {"taller grid", [](TStringGrid& g) { g.SetHeight(300); }, 2, 12, true},
        {"taller row", [](TStringGrid& g) { g.SetRowHeights(1, 180); }, 2, 2, false},
        {"narrower columns", [](TStringGrid& g) { g.SetDefaultColWidth(20); }, 9, 3, true},
        {"scrolled down", [](TStringGrid& g) { g.SetTopRow(8); }, 2, 16, true},
        {"scrolled right", [](TStringGrid& g) { g.SetLeftCol(4); }, 1, 3, false},
        {"fewer rows",
         [](TStringGrid& g) {
             g.SetTopRow(8);
             g.SetRowCount(12);
         },
         2, 4, true},
        {"narrow column moved in",
         [](TStringGrid& g) {
             g.SetColWidths(8, 5);
             g.SetCells(0, 0, "seen"); // the view before the move is known
             g.MoveColumn(8, 1);
         },
         6, 3, true},
    };
    for (const Case& c : cases) {
        TShownGrid shown;
        shown.PaintsAfterWriting(1, 1); // a write before the change sees the view before it
        c.change(*shown.Grid);
        shown.Settle();
        const std::vector<TRect> painted = shown.PaintsAfterWriting(c.col, c.row);
        if (c.onScreen)
            EXPECT_EQ(painted, shown.CellArea(c.col, c.row)) << c.name;
        else
            EXPECT_TRUE(painted.empty()) << c.name;
    }
}

} // namespace
