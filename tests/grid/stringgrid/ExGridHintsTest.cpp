// Cell hints and balloons: what the hint of the cell under the mouse says and where it stands,
// the per-cell balloons and the balloon tip's text, title and icon.
#include "grid/stringgrid/BalloonSettings.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HTMLHintWindow.h"
#include "platform/ui/BalloonWindow.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/HintWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// 5 columns of 64 pixels, 10 rows of 22, one fixed row and column.
std::unique_ptr<TExStringGrid> HintGrid() {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetScrollBars(ssNone);
    grid->SetDefaultColWidth(64);
    return grid;
}

TPoint HintCentre(const TExStringGrid& Grid, int ACol, int ARow) {
    const TRect r = Grid.CellRect(ACol, ARow);
    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

THintInfo HintAt(TExStringGrid& Grid, TPoint P) {
    THintInfo info;
    info.HintControl = &Grid;
    info.CursorPos = P;
    EXPECT_EQ(Grid.Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)), 0);
    return info;
}

TPoint ClientHintPos(TExStringGrid& Grid, const THintInfo& Info) {
    return Grid.ScreenToClient(Info.HintPos);
}

} // namespace

TEST(ExGridBalloons, AddBalloonTakesEmptyCellsAndCheckBoxesAndLeavesOtherGraphics) {
    auto grid = HintGrid();
    TBitmap bitmap(4, 4);
    grid->AddCheckBox(2, 2, true, false);
    grid->AddBitmap(3, 3, &bitmap, false, haLeft, vaTop);
    for (const TPoint cell : {TPoint{1, 1}, TPoint{2, 2}, TPoint{3, 3}})
        grid->AddBalloon(cell.X, cell.Y, "Title", "Text", biWarning);

    std::string title, text;
    TBalloonIcon icon = biNone;
    EXPECT_TRUE(grid->HasBalloon(1, 1));
    EXPECT_TRUE(grid->IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(title, "Title");
    EXPECT_EQ(text, "Text");
    EXPECT_EQ(icon, biWarning);

    EXPECT_EQ(grid->GetCellType(2, 2), ctCheckBox) << "the check box stays";
    EXPECT_FALSE(grid->HasBalloon(2, 2)) << "a balloon on a check box is no balloon graphic";
    EXPECT_TRUE(grid->IsBalloon(2, 2, title, text, icon));

    EXPECT_EQ(grid->GetCellType(3, 3), ctBitmap);
    title = "untouched";
    EXPECT_FALSE(grid->IsBalloon(3, 3, title, text, icon));
    EXPECT_EQ(title, "untouched");

    grid->RemoveBalloon(2, 2);
    EXPECT_EQ(grid->GetCellType(2, 2), ctCheckBox) << "removing the balloon keeps the check box";
    EXPECT_FALSE(grid->IsBalloon(2, 2, title, text, icon));
    grid->RemoveBalloon(1, 1);
    EXPECT_FALSE(grid->HasBalloon(1, 1));
}

TEST(ExGridBalloons, SwitchingOffAndOnLeavesOneTipWindow) {
    auto grid = HintGrid();
    EXPECT_EQ(grid->BalloonWindow(), nullptr);
    grid->Balloon()->SetEnable(true);
    ASSERT_NE(grid->BalloonWindow(), nullptr);
    grid->Balloon()->SetEnable(false);
    EXPECT_EQ(grid->BalloonWindow(), nullptr);
    grid->Balloon()->SetEnable(true);
    grid->Balloon()->SetEnable(true);
    ASSERT_NE(grid->BalloonWindow(), nullptr);
    EXPECT_TRUE(grid->Balloon()->BalloonWindowCreated());
}

TEST(ExGridBalloons, TheTipShowsTheCellTextCutWithItsTitleAndIcon) {
    auto grid = HintGrid();
    grid->Balloon()->TextColor = clRed;
    grid->Balloon()->SetEnable(true);
    TBalloonWindow* tip = grid->BalloonWindow();
    ASSERT_NE(tip, nullptr);

    grid->SetCells(1, 1, std::string(3000, 'x'));
    std::string text = grid->BalloonTextAt(grid->ClientToScreen(HintCentre(*grid, 1, 1)));
    EXPECT_EQ(text, std::string(2045, 'x') + "...");
    EXPECT_EQ(tip->Title(), " ") << "a cell without a balloon of its own";
    EXPECT_EQ(tip->TitleIcon(), TTI_INFO);
    EXPECT_EQ(tip->TipTextColor(), clRed);
    EXPECT_EQ(tip->TrackRect(), grid->CellRect(1, 1));

    grid->SetCells(2, 1, "<b>bold</b>");
    grid->AddBalloon(2, 1, std::string(120, 't'), "balloon text", biError);
    text = grid->BalloonTextAt(grid->ClientToScreen(HintCentre(*grid, 2, 1)));
    EXPECT_EQ(text, "balloon text");
    EXPECT_EQ(tip->Title(), std::string(97, 't') + "...");
    EXPECT_EQ(tip->TitleIcon(), TTI_ERROR);
}

TEST(ExGridBalloons, TheEventGetsTheRealColumnAndHasTheLastWord) {
    auto grid = HintGrid();
    grid->Balloon()->SetEnable(true);
    grid->SetCells(3, 2, "<i>real</i>");
    grid->HideColumn(2);
    int seenCol = -1, seenRow = -1;
    std::string seenText;
    grid->OnCellBalloon = [&](TObject*, int ACol, int ARow, std::string& Title, std::string& Text,
                              int& Icon) {
        seenCol = ACol;
        seenRow = ARow;
        seenText = Text;
        Title = "From the event";
        Text = "changed";
        Icon = biWarning;
    };
    const std::string text = grid->BalloonTextAt(grid->ClientToScreen(HintCentre(*grid, 2, 2)));
    EXPECT_EQ(seenCol, 3);
    EXPECT_EQ(seenRow, 2);
    EXPECT_EQ(seenText, "real") << "HTML shows stripped of its tags";
    EXPECT_EQ(text, "changed");
    EXPECT_EQ(grid->BalloonWindow()->Title(), "From the event");
    EXPECT_EQ(grid->BalloonWindow()->TitleIcon(), TTI_WARNING);
    EXPECT_EQ(grid->LastBalloonCell(), (TPoint{2, 2}));
}

TEST(ExGridHints, ShowCellsGivesNormalCellsTheirTextAtTheCellsTop) {
    auto grid = HintGrid();
    grid->HintShowCells = true;
    grid->SetCells(0, 0, "header");
    grid->SetCells(3, 2, "<b>real</b> column");
    grid->HideColumn(2);
    const struct {
        const char* what;
        bool html;
        TPoint cell;
        const char* hint;
    } cases[] = {
        {"a normal cell, stripped of its mark-up, read from its real column",
         false,
         {2, 2},
         "real column"},
        {"with HTMLHint the mark-up stays", true, {2, 2}, "<b>real</b> column"},
        {"a fixed cell has none", false, {0, 0}, ""},
        {"an empty cell has none", false, {1, 3}, ""},
    };
    for (const auto& c : cases) {
        grid->HTMLHint = c.html;
        const THintInfo info = HintAt(*grid, HintCentre(*grid, c.cell.X, c.cell.Y));
        EXPECT_EQ(info.HintStr, c.hint) << c.what;
        EXPECT_EQ(info.CursorRect, grid->CellRect(c.cell.X, c.cell.Y)) << c.what;
        EXPECT_EQ(info.HintColor, grid->HintColor) << c.what;
        if (*c.hint) {
            EXPECT_EQ(ClientHintPos(*grid, info).Y, grid->CellRect(c.cell.X, c.cell.Y).Top)
                << c.what;
        }
        EXPECT_EQ(static_cast<bool>(info.HintWindowClass), c.html) << c.what;
    }
    EXPECT_EQ(grid->LastHintCell(), (TPoint{1, 3}));
}

TEST(ExGridHints, TheApplicationsEventGetsRowThenColumnAndDecides) {
    auto grid = HintGrid();
    grid->HintShowCells = true;
    grid->SetCells(2, 3, "cell");
    int seenRow = -1, seenCol = -1;
    std::string proposed;
    grid->OnGridHint = [&](TObject*, int ARow, int ACol, std::string& Hint) {
        seenRow = ARow;
        seenCol = ACol;
        proposed = Hint;
        Hint = "from the window";
    };
    const THintInfo info = HintAt(*grid, HintCentre(*grid, 2, 3));
    EXPECT_EQ(seenRow, 3);
    EXPECT_EQ(seenCol, 2);
    EXPECT_EQ(proposed, "cell");
    EXPECT_EQ(info.HintStr, "from the window");
}

TEST(ExGridHints, ACommentStandsAtTheCellsTopRightCorner) {
    auto grid = HintGrid();
    grid->AddComment(2, 2, "a comment");
    const THintInfo info = HintAt(*grid, HintCentre(*grid, 2, 2));
    EXPECT_EQ(info.HintStr, "a comment");
    const TRect r = grid->CellRect(2, 2);
    EXPECT_EQ(ClientHintPos(*grid, info), (TPoint{r.Right, r.Top}));
}

TEST(ExGridHints, ALargeTextShowsWholeOverItsCell) {
    auto grid = HintGrid();
    grid->HintShowLargeText = true;
    const std::string longText = "a text far wider than its column of sixty-four pixels";
    grid->SetCells(1, 1, longText);
    grid->SetCells(2, 1, "fits");
    THintInfo info = HintAt(*grid, HintCentre(*grid, 1, 1));
    EXPECT_EQ(info.HintStr, longText);
    const TRect r = grid->CellRect(1, 1);
    EXPECT_EQ(ClientHintPos(*grid, info), (TPoint{r.Left, r.Top}));
    info = HintAt(*grid, HintCentre(*grid, 2, 1));
    EXPECT_EQ(info.HintStr, "");
}

TEST(ExGridHints, OutsideTheCellsOnlyTheColourIsSet) {
    auto grid = HintGrid();
    grid->HintShowCells = true;
    grid->HintColor = clYellow;
    grid->SetBounds(0, 0, 600, 400);
    const THintInfo info = HintAt(*grid, TPoint{590, 390});
    EXPECT_EQ(info.HintStr, "");
    EXPECT_EQ(info.HintColor, clYellow);
}
