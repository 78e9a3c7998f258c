// The search footer: typing searches, its buttons and Enter go on from the last match, its
// highlight follows the text, and its accelerators act only through usable buttons.
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/RetEdit.h"
#include "grid/stringgrid/SearchPanel.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Colors.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr TPoint NoFooterCell{-1, -1};

// Three data rows under one fixed row, two data columns right of one fixed column.
class ExGridSearchFooter : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetColCount(3);
        grid.SetRowCount(4);
        const char* texts[3][2] = {{"apple", "pear"}, {"plum", "apricot"}, {"Apple pie", "fig"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                grid.SetCells(c + 1, r + 1, texts[r][c]);
        footer()->SetFindNextCaption("Find &next");
        footer()->SetFindPrevCaption("Find &previous");
        footer()->SetHighLightCaption("&Highlight");
        footer()->SetVisible(true);
        grid.OnSearchFooterAction = [this](TObject*, const std::string& Value, int ACol, int ARow,
                                           TSearchAction Action) {
            actions.push_back(Value + " " + std::to_string(ACol) + "," + std::to_string(ARow) +
                              " " + std::to_string(static_cast<int>(Action)));
        };
    }
    TSearchFooter* footer() { return grid.SearchFooter(); }
    TSearchPanel* panel() { return grid.SearchPanel(); }
    void Type(const std::string& text) { panel()->SetSearchText(text); }
    TPoint Current() const { return TPoint{grid.Col(), grid.Row()}; }
    int Accelerator(char ch) {
        TMessage message{CM_DIALOGCHAR, static_cast<WPARAM>(ch), 0, 0};
        grid.HandleDialogChar(message);
        return static_cast<int>(message.Result);
    }

    TExStringGrid grid{nullptr};
    std::vector<std::string> actions;
};

TEST_F(ExGridSearchFooter, TypingSearchesFromTheTopLeftOnEveryChange) {
    Type("ap");
    EXPECT_EQ(grid.SearchCell(), (TPoint{1, 1}));
    EXPECT_EQ(Current(), (TPoint{1, 1}));
    Type("apr");
    EXPECT_EQ(grid.SearchCell(), (TPoint{2, 2}));
    EXPECT_EQ(Current(), (TPoint{2, 2}));
    EXPECT_EQ(panel()->SearchColor(), clWindow);
    Type("apx");
    EXPECT_EQ(grid.SearchCell(), NoFooterCell);
    EXPECT_EQ(panel()->SearchColor(), clRed);
    EXPECT_EQ(Current(), (TPoint{2, 2})) << "a failed search leaves the current cell";
    Type("");
    EXPECT_EQ(panel()->SearchColor(), clWindow);
    EXPECT_EQ(actions, (std::vector<std::string>{"ap 1,1 0", "apr 2,2 0", "apx -1,-1 0"}));
}

TEST_F(ExGridSearchFooter, EnterAndFindNextGoOnFromTheLastMatch) {
    Type("ap");
    InputSimulation::KeyPress(panel()->EditControl(), VK_RETURN, u'\r');
    EXPECT_EQ(Current(), (TPoint{1, 3}));
    InputSimulation::KeyPress(panel()->EditControl(), VK_RETURN, u'\r', {ssCtrl});
    EXPECT_EQ(Current(), (TPoint{1, 1}));
    EXPECT_EQ(panel()->SearchText(), "ap") << "Enter types no line break";
    grid.SearchFooterFindNext();
    grid.SearchFooterFindNext();
    EXPECT_EQ(Current(), (TPoint{2, 2}));
    grid.SearchFooterFindNext();
    EXPECT_EQ(grid.SearchCell(), NoFooterCell);
    EXPECT_EQ(actions.back(), "ap -1,-1 1");
}

TEST_F(ExGridSearchFooter, WithoutAutoSearchAChangedTextStartsOver) {
    footer()->AutoSearch = false;
    Type("ap");
    EXPECT_EQ(grid.SearchCell(), NoFooterCell) << "typing alone does not search";
    grid.SearchFooterFindNext();
    grid.SearchFooterFindNext();
    EXPECT_EQ(Current(), (TPoint{1, 3}));
    Type("p");
    grid.SearchFooterFindNext();
    EXPECT_EQ(Current(), (TPoint{1, 1}));
    EXPECT_EQ(footer()->LastSearch, "p");
    grid.SearchFooterFindNext();
    EXPECT_EQ(Current(), (TPoint{1, 2}));
}

TEST_F(ExGridSearchFooter, FindPreviousRowByRowIsFindNextReversed) {
    footer()->SearchDirection = sdLeftRight;
    footer()->AutoSearch = false;
    Type("p");
    std::vector<TPoint> forward, backward;
    for (grid.SearchFooterFindNext(); !(grid.SearchCell() == NoFooterCell); grid.SearchFooterFindNext())
        forward.push_back(grid.SearchCell());
    for (grid.SearchFooterFindPrevious(); !(grid.SearchCell() == NoFooterCell);
         grid.SearchFooterFindPrevious())
        backward.insert(backward.begin(), grid.SearchCell());
    ASSERT_EQ(forward.size(), 5u);
    EXPECT_EQ(forward[1], (TPoint{2, 1})) << "row by row";
    EXPECT_EQ(forward, backward);
}

TEST_F(ExGridSearchFooter, SearchColumnOutsideTheGridSearchesAllColumns) {
    struct Case {
        int column;
        TPoint found;
    };
    for (const Case& c : {Case{2, {2, 2}}, Case{99, {1, 1}}, Case{-1, {1, 1}}}) {
        footer()->SearchColumn = c.column;
        Type("");
        Type("ap");
        EXPECT_EQ(grid.SearchCell(), c.found) << "column " << c.column;
    }
}

TEST_F(ExGridSearchFooter, HighlightFollowsTheTextAndGoesWithTheFooter) {
    Type("ap");
    panel()->SetHighlightDown(true);
    grid.SearchFooterHighlight();
    EXPECT_EQ(grid.GetGridCell(1, 1), "<hi>ap</hi>ple");
    EXPECT_EQ(grid.GetGridCell(1, 3), "<hi>Ap</hi>ple pie");
    Type("pie");
    EXPECT_EQ(grid.GetGridCell(1, 1), "apple");
    EXPECT_EQ(grid.GetGridCell(1, 3), "Apple <hi>pie</hi>");
    EXPECT_EQ(Current(), (TPoint{1, 3}));
    Type("");
    EXPECT_EQ(grid.GetGridCell(1, 3), "Apple pie");
    Type("fig");
    EXPECT_EQ(grid.GetGridCell(2, 3), "<hi>fig</hi>");
    footer()->SetVisible(false);
    EXPECT_EQ(grid.GetGridCell(2, 3), "fig");
    EXPECT_EQ(panel()->Height(), 0);
}

TEST_F(ExGridSearchFooter, MatchCaseBoxMakesTheSearchCaseSensitive) {
    panel()->SetMatchCaseChecked(true);
    Type("Ap");
    EXPECT_EQ(grid.SearchCell(), (TPoint{1, 3}));
}

TEST_F(ExGridSearchFooter, HandlerCanTakeOverTheSearch) {
    std::string seen;
    grid.OnSearchEditChange = [&](TObject*, const std::string& Value, bool& DefaultSearch) {
        seen = Value;
        DefaultSearch = false;
    };
    Type("ap");
    EXPECT_EQ(seen, "ap");
    EXPECT_EQ(grid.SearchCell(), NoFooterCell);
    EXPECT_TRUE(actions.empty());
}

TEST_F(ExGridSearchFooter, ButtonsWorkOnlyWithText) {
    EXPECT_FALSE(panel()->ButtonUsable(TSearchPanel::fbFindNext));
    InputSimulation::KeyPress(panel()->EditControl(), VK_RETURN, u'\r');
    EXPECT_EQ(grid.SearchCell(), NoFooterCell) << "Enter in an empty edit finds nothing";
    Type("ap");
    EXPECT_TRUE(panel()->ButtonUsable(TSearchPanel::fbFindNext));
    EXPECT_TRUE(panel()->ButtonUsable(TSearchPanel::fbHighlight));
}

TEST_F(ExGridSearchFooter, AcceleratorsActThroughUsableButtonsOnly) {
    EXPECT_EQ(Accelerator('n'), 0) << "buttons disabled while the edit is empty";
    Type("ap");
    EXPECT_EQ(Accelerator('n'), 1);
    EXPECT_EQ(Current(), (TPoint{1, 3}));
    EXPECT_EQ(Accelerator('P'), 1);
    EXPECT_EQ(Current(), (TPoint{1, 1}));
    EXPECT_EQ(Accelerator('x'), 0);
    EXPECT_EQ(Accelerator('h'), 1);
    EXPECT_TRUE(panel()->HighlightDown());
    EXPECT_EQ(grid.GetGridCell(1, 1), "<hi>ap</hi>ple");
    EXPECT_EQ(Accelerator('h'), 1);
    EXPECT_EQ(grid.GetGridCell(1, 1), "apple");
    footer()->SetShowFindNext(false);
    EXPECT_EQ(Accelerator('n'), 0);
    footer()->SetVisible(false);
    EXPECT_EQ(Accelerator('p'), 0);
}

TEST_F(ExGridSearchFooter, PanelFollowsTheFooterSettings) {
    EXPECT_TRUE(panel()->Visible());
    EXPECT_EQ(panel()->Height(), 32);
    EXPECT_EQ(panel()->Button(TSearchPanel::fbFindNext)->Caption(), "Find &next");
    footer()->SetShowHighLight(false);
    EXPECT_FALSE(panel()->Button(TSearchPanel::fbHighlight)->Visible());
    EXPECT_EQ(panel()->Button(TSearchPanel::fbHighlight)->Height(), 0);
    footer()->SetColor(clYellow);
    EXPECT_EQ(panel()->Color(), clYellow);
    bool closed = false;
    grid.OnSearchFooterClose = [&](TObject*) { closed = true; };
    grid.SearchFooterClose();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(footer()->Visible());
    EXPECT_FALSE(panel()->Visible());
}

TEST_F(ExGridSearchFooter, PanelPaintsItsColoursAndTheGridLineOnTop) {
    grid.SetGridLineColor(0x00FF00);
    panel()->SetBounds(0, 0, 700, 32);
    struct Case {
        TColor color;
        TColor colorTo;
        TColor second; // the row under the line
        TColor bottom; // the last row
    };
    // A gradient runs from Color at the top towards ColorTo at the bottom in 32 bands, here
    // one pixel and eight steps of each channel per band.
    const Case cases[] = {{0x000080, clNone, 0x000080, 0x000080},
                          {0x000000, 0xF8F8F8, 0x080808, 0xF0F0F0}};
    for (const Case& c : cases) {
        footer()->SetColor(c.color);
        footer()->SetColorTo(c.colorTo);
        TBitmap shot(700, 32);
        panel()->PaintTo(shot.Canvas(), 0, 0);
        EXPECT_EQ(shot.Canvas()->Pixel(650, 0), 0x00FF00u);
        EXPECT_EQ(shot.Canvas()->Pixel(650, 1), c.second);
        EXPECT_EQ(shot.Canvas()->Pixel(650, 31), c.bottom);
    }
}

} // namespace
