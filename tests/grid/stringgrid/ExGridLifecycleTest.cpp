// The update lock, painting under it, the grid timer, the unit's registered identifiers and the
// cells cut off by smaller counts.
#include "ExGridTestGrid.h"
#include "ShownGrid.h"

#include "grid/foundation/CustomDateTimePicker.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/FooterPanel.h"
#include "grid/stringgrid/GridChangeNotifier.h"
#include "grid/stringgrid/GridStrings.h"
#include "grid/stringgrid/SearchPanel.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

// --- update lock ---------------------------------------------------------------------------------

TEST(ExGridUpdateLock, EveryBeginOrStartIsUndoneByOneEndWhateverTheVisibility) {
    struct Step {
        const char* What;
        bool Visible;
        int CountAfter;
    };
    const Step steps[] = {
        {"begin", true, 1}, {"begin", false, 2}, {"start", false, 3}, {"start", true, 4},
        {"end", false, 3},  {"end", true, 2},    {"end", false, 1},   {"end", true, 0},
        {"end", true, 0}, // an unmatched end keeps the count at zero
    };
    TTestExGrid grid(nullptr);
    for (const Step& step : steps) {
        grid.SetVisible(step.Visible);
        const std::string what = step.What;
        if (what == "begin")
            grid.BeginUpdate();
        else if (what == "start")
            grid.StartUpdate();
        else
            grid.EndUpdate();
        EXPECT_EQ(grid.UpdateCount(), step.CountAfter) << what << " visible " << step.Visible;
        EXPECT_EQ(grid.LockUpdate(), step.CountAfter != 0);
    }
}

TEST(ExGridUpdateLock, LockUpdateBeginsAndEnds) {
    TTestExGrid grid(nullptr);
    grid.SetLockUpdate(true);
    grid.SetLockUpdate(true);
    EXPECT_EQ(grid.UpdateCount(), 2);
    grid.SetLockUpdate(false);
    grid.SetLockUpdate(false);
    EXPECT_FALSE(grid.LockUpdate());
    grid.StartUpdate();
    grid.ResetUpdate();
    EXPECT_EQ(grid.UpdateCount(), 0);
}

TEST(ExGridUpdateLock, ALockedGridDefersItsPaintWithoutLoopingAndPaintsOnceAtTheEnd) {
    ShownGrid shown;
    TTestExGrid& grid = *shown.grid;
    int painted = 0;
    grid.OnPainted = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &grid);
        ++painted;
    };
    shown.Settle();
    painted = 0;
    // StartUpdate leaves drawing on, so the platform still asks for paints.
    grid.StartUpdate();
    grid.Invalidate();
    shown.Settle();
    const int pausedPaints = grid.Paints;
    shown.Settle();
    EXPECT_EQ(painted, 0);
    EXPECT_EQ(grid.Paints, pausedPaints) << "a locked paint asked for another one";
    grid.EndUpdate();
    shown.Settle();
    EXPECT_GE(painted, 1);
    const int after = painted;
    shown.Settle();
    EXPECT_EQ(painted, after);
}

TEST(ExGridUpdateLock, BeginUpdateOnAHiddenGridCannotLeaveItLocked) {
    ShownGrid shown;
    TTestExGrid& grid = *shown.grid;
    int painted = 0;
    grid.OnPainted = [&](TObject*) { ++painted; };
    grid.SetVisible(false);
    grid.BeginUpdate();
    grid.SetVisible(true);
    grid.EndUpdate();
    EXPECT_EQ(grid.UpdateCount(), 0);
    shown.Settle();
    EXPECT_GE(painted, 1);
}

TEST(ExGridUpdateLock, SettersSkipTheirRepaintWhileLocked) {
    ShownGrid shown;
    TTestExGrid& grid = *shown.grid;
    shown.Settle();
    grid.BeginUpdate();
    grid.SetVAlignment(vtaBottom);
    grid.SetColors(1, 1, clRed);
    EXPECT_EQ(grid.Colors(1, 1), clRed);
    grid.EndUpdate();
}

// --- window creation and the unit ----------------------------------------------------------------

TEST(ExGridWindow, TheGridTimerStartsWithTheWindowAndTicksEvery500ms) {
    ShownGrid shown;
    TTestExGrid& grid = *shown.grid;
    EXPECT_EQ(grid.GridTimerID(), 111);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (grid.Timer111Ticks == 0 && std::chrono::steady_clock::now() < deadline) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_GE(grid.Timer111Ticks, 1);
}

TEST(ExGridWindow, AGridWithoutParentHasNoTimer) {
    TTestExGrid grid(nullptr);
    EXPECT_EQ(grid.GridTimerID(), 0);
}

TEST(ExGridWindow, FooterAndSearchPanelsBecomeChildrenOfTheGrid) {
    ShownGrid shown;
    EXPECT_EQ(shown.grid->FooterPanel()->Parent(), shown.grid);
    EXPECT_EQ(shown.grid->SearchPanel()->Parent(), shown.grid);
    EXPECT_FALSE(shown.grid->FooterPanel()->Visible());
    EXPECT_EQ(shown.grid->SearchPanel()->Height(), 0);
}

TEST(ExGridUnit, NamesAreRegisteredThroughThePlatform) {
    EXPECT_GE(GridUnitInitCount, 1);
    EXPECT_EQ(GridEditDoneMessage, RegisterWindowMessage("GridEditDone"));
    EXPECT_EQ(DTPShiftFocusMessage(), RegisterWindowMessage("DTPShiftFocus"));
    EXPECT_EQ(GridCellsClipboardFormat, TClipboard::RegisterFormat("TExStringGrid Cells"));
    EXPECT_GE(GridEditDoneMessage, 0xC000u);
    EXPECT_NE(GridEditDoneMessage, DTPShiftFocusMessage());
}

TEST(ExGridUnit, NestedStartUpsOnlyCount) {
    const int before = GridUnitInitCount;
    const UINT message = GridEditDoneMessage;
    GridUnitStartUp();
    EXPECT_EQ(GridUnitInitCount, before + 1);
    GridUnitShutDown();
    EXPECT_EQ(GridUnitInitCount, before);
    EXPECT_EQ(GridEditDoneMessage, message);
}

// --- notifiers -----------------------------------------------------------------------------------

TEST(ExGridNotifiers, RegisteredOnceAndToldOfChangedRanges) {
    struct Recorder : TGridChangeNotifier {
        using TGridChangeNotifier::TGridChangeNotifier;
        std::vector<TRect> Ranges;
        void CellsChanged(const TRect& R) override { Ranges.push_back(R); }
    } notifier(nullptr);
    TTestExGrid grid(nullptr);
    grid.RegisterNotifier(&notifier);
    grid.RegisterNotifier(&notifier);
    EXPECT_EQ(grid.Notifiers().size(), 1u);
    grid.NotifyCellsChanged(Rect(1, 2, 3, 4));
    ASSERT_EQ(notifier.Ranges.size(), 1u);
    EXPECT_EQ(notifier.Ranges[0], Rect(1, 2, 3, 4));
    grid.UnRegisterNotifier(&notifier);
    grid.NotifyCellsChanged(Rect(0, 0, 0, 0));
    EXPECT_EQ(notifier.Ranges.size(), 1u);
}

// --- cells cut off by smaller counts -------------------------------------------------------------

TEST(ExGridCutOffCells, RowsCutOffComeBackWhenTheCountGrows) {
    TTestExGrid grid(nullptr);
    grid.SetRowCount(6);
    for (int r = 0; r < 6; ++r)
        grid.SetCells(2, r, "r" + std::to_string(r));
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Cells(2, 3), "r3");
    grid.SetRowCount(2);
    grid.SetRowCount(5);
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(grid.Cells(2, r), "r" + std::to_string(r)) << r;
    grid.SetRowCount(6);
    EXPECT_EQ(grid.Cells(2, 5), "r5");
    grid.SetRowCount(8);
    EXPECT_EQ(grid.Cells(2, 7), "");
}

TEST(ExGridCutOffCells, ColumnsCutOffComeBackWhenTheCountGrows) {
    TTestExGrid grid(nullptr);
    grid.SetCells(4, 3, "last column");
    grid.SetColCount(2);
    grid.SetColCount(5);
    EXPECT_EQ(grid.Cells(4, 3), "last column");
}

TEST(ExGridCutOffCells, CellPropertiesAndGraphicsComeBackWithTheirRows) {
    TTestExGrid grid(nullptr);
    grid.SetColors(3, 8, clRed);
    auto* graphic = new TCellGraphic;
    graphic->CellType = ctCheckBox;
    grid.SetGraphicObjects(2, 9, graphic);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Colors(3, 8), clNone);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Colors(3, 8), clRed);
    EXPECT_EQ(grid.GetCellType(2, 9), ctCheckBox);
}

TEST(ExGridCutOffCells, ArePartOfTheGridUntilItIsFreed) {
    // Run under the address sanitizer: properties of cut-off rows and columns must be freed
    // with the grid, once each.
    auto grid = std::make_unique<TTestExGrid>(nullptr);
    grid->SetColors(4, 9, clRed);
    grid->SetFontColors(1, 7, clBlue);
    grid->SetColors(4, 2, clGreen);
    grid->SetRowCount(5);
    grid->SetRowCount(2);
    grid->SetColCount(2);
    grid.reset();
}

TEST(ExGridCutOffCells, RowsDeletedByThePlatformGridDoNotComeBack) {
    TTestExGrid grid(nullptr);
    grid.SetCells(1, 9, "last");
    grid.DeleteRow(9);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cells(1, 9), "");
}

TEST(ExGridCutOffCells, KeptRowsGoWhenThePlatformGridDropsARowItself) {
    TTestExGrid grid(nullptr);
    grid.SetColors(1, 8, clRed);
    grid.SetCells(1, 8, "kept");
    grid.SetRowCount(5);
    grid.SetColors(2, 4, clBlue);
    grid.DeleteRow(4);
    EXPECT_EQ(grid.RowCount(), 4);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cells(1, 8), "");
    EXPECT_EQ(grid.Colors(1, 8), clNone);
    EXPECT_EQ(grid.Colors(2, 4), clNone);
    // Kept again from here on.
    grid.SetCells(1, 9, "again");
    grid.SetRowCount(3);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cells(1, 9), "again");
}

TEST(ExGridSync, TheSyncedGridFollowsTheCurrentColumn) {
    TTestExGrid grid(nullptr);
    TTestExGrid other(nullptr);
    grid.SyncGrid()->SetGrid(&other);
    grid.SetCol(3);
    EXPECT_EQ(other.Col(), 1) << "only with SelectionColumn";
    grid.SyncGrid()->SelectionColumn = true;
    grid.SetCol(2);
    EXPECT_EQ(other.Col(), 2);
    grid.SyncGrid()->SetGrid(&grid);
    EXPECT_EQ(grid.SyncGrid()->Grid(), &other) << "a grid cannot follow itself";
    grid.SyncGrid()->SetGrid(nullptr);
}

TEST(ExGridAssign, CopiesSettingsSizesAndCellsOfAnotherStringGrid) {
    TTestExGrid source(nullptr);
    source.SetColCount(7);
    source.SetRowCount(12);
    source.SetFixedRows(2);
    source.SetColWidths(3, 99);
    source.SetCells(6, 11, "corner");
    source.SetActiveCellShow(true);
    source.ColumnHeaders()->Add("H");
    TTestExGrid copy(nullptr);
    copy.Assign(&source);
    EXPECT_EQ(copy.ColCount(), 7);
    EXPECT_EQ(copy.RowCount(), 12);
    EXPECT_EQ(copy.FixedRows(), 2);
    EXPECT_EQ(copy.ColWidths(3), 99);
    EXPECT_EQ(copy.Cells(6, 11), "corner");
    EXPECT_EQ(copy.Cells(0, 0), "H");
    EXPECT_TRUE(copy.ActiveCellShow());
    TObject other;
    copy.Assign(&other);
    EXPECT_EQ(copy.ColCount(), 7);
}

} // namespace

namespace {

TEST(ExGridLocale, SeparatorsAndFormatsOfTheUser) {
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    settings.ThousandSeparator = "\xe2\x80\xaf"; // a narrow no-break space
    settings.DateSeparator = ".";
    settings.TimeSeparator = ":";
    settings.ShortDateFormat = "dd/mm/yyyy";
    settings.LongTimeFormat = "hh:nn:ss";
    OverrideFormatSettings(&settings);
    EXPECT_EQ(LocaleDecimalSeparator(), ",");
    EXPECT_EQ(LocaleThousandSeparator(), "\xe2\x80\xaf");
    EXPECT_EQ(LocaleDateSeparator(), ".");
    EXPECT_EQ(LocaleTimeSeparator(), ":");
    EXPECT_EQ(LocaleShortDateFormat(), "dd/mm/yyyy");
    EXPECT_EQ(LocaleLongTimeFormat(), "hh:nn:ss");
    EXPECT_EQ(LocaleShortTimeFormat(), "hh:nn");
    settings.LongTimeFormat = "h:nn:ss am/pm";
    OverrideFormatSettings(&settings);
    EXPECT_EQ(LocaleShortTimeFormat(), "h:nn am/pm");
    OverrideFormatSettings(nullptr);
}

TEST(ExGridLocale, FindParentFormWalksUpTheParents) {
    TForm form(nullptr);
    TPanel panel(&form);
    panel.SetParent(&form);
    TTestExGrid grid(&form);
    grid.SetParent(&panel);
    EXPECT_EQ(FindParentForm(&grid), &form);
    EXPECT_EQ(FindParentForm(&form), &form);
    TTestExGrid loose(nullptr);
    EXPECT_EQ(FindParentForm(&loose), nullptr);
    EXPECT_EQ(FindParentForm(nullptr), nullptr);
    grid.SetParent(nullptr);
}

} // namespace
