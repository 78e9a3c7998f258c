// The header cells of the current cell's row and column, highlighted with ActiveCellShow, follow
// every move of the current cell the user makes, by key or by mouse.
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <utility>

namespace {

// Records the cells each paint draws.
class TPaintLogGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    std::set<std::pair<int, int>> Painted;

    void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                      TFont* AFont) override {
        Painted.insert({ACol, ARow});
        TExStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
    }
};

struct HeaderGrid {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TPaintLogGrid* Grid = new TPaintLogGrid(Form.get());

    HeaderGrid() {
        Form->SetClientWidth(500);
        Form->SetClientHeight(300);
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(6);
        Grid->SetRowCount(8);
        Grid->SetDefaultColWidth(60);
        Grid->SetDefaultRowHeight(24);
        Grid->SetBounds(0, 0, 480, 280);
        Grid->SetActiveCellShow(true);
        Form->Show();
        Grid->SetFocus();
        Grid->FocusCell(2, 3, true);
        Settle();
    }
    void Settle() {
        for (int i = 0; i < 3; ++i)
            Application->ProcessMessages();
        Grid->Painted.clear();
    }
};

TEST(ExGridActiveHeaders, FollowTheCurrentCellAfterKeyAndMouseMoves) {
    struct Case {
        const char* Name;
        std::function<void(TExStringGrid*)> Move;
        int Col, Row;
    };
    const Case cases[] = {
        {"down", [](TExStringGrid* g) { InputSimulation::KeyPress(g, VK_DOWN); }, 2, 4},
        {"right", [](TExStringGrid* g) { InputSimulation::KeyPress(g, VK_RIGHT); }, 3, 3},
        {"home", [](TExStringGrid* g) { InputSimulation::KeyPress(g, VK_HOME); }, 1, 3},
        {"page down", [](TExStringGrid* g) { InputSimulation::KeyPress(g, VK_NEXT); }, 2, 7},
        {"click",
         [](TExStringGrid* g) {
             const TRect r = g->CellRect(4, 5);
             InputSimulation::Click(g, TPoint{r.Left + 5, r.Top + 5});
         },
         4, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        HeaderGrid s;
        c.Move(s.Grid);
        ASSERT_EQ(s.Grid->Col(), c.Col);
        ASSERT_EQ(s.Grid->Row(), c.Row);
        Application->ProcessMessages();
        const auto& painted = s.Grid->Painted;
        for (const auto& header :
             {std::pair{0, 3}, std::pair{2, 0}, std::pair{0, c.Row}, std::pair{c.Col, 0}})
            EXPECT_TRUE(painted.count(header))
                << "header " << header.first << "," << header.second << " repainted";
    }
}

// The application repaints the headers of two cells of its choice: their row's cell in the
// fixed column and their column's cell in the fixed row; cells outside the grid have none.
TEST(ExGridActiveHeaders, RepaintingTheHeadersOfTwoCellsPaintsTheirFourHeaders) {
    HeaderGrid s;
    s.Grid->RepaintActiveHeaders(1, 1, 5, 6);
    Application->ProcessMessages();
    for (const auto& header : {std::pair{1, 0}, std::pair{0, 1}, std::pair{5, 0}, std::pair{0, 6}})
        EXPECT_TRUE(s.Grid->Painted.count(header)) << header.first << "," << header.second;
    s.Settle();
    s.Grid->RepaintActiveHeaders(-1, -1, 9, 9);
    Application->ProcessMessages();
    EXPECT_TRUE(s.Grid->Painted.empty());
}

} // namespace
