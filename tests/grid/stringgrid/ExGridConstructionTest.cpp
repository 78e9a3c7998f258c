// A new string grid's defaults, its geometry setters, header lists and version.
#include "ExGridTestGrid.h"

#include "grid/foundation/Bands.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/BackGround.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/DragDropSettings.h"
#include "grid/stringgrid/DropList.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/GridStrings.h"
#include "grid/stringgrid/Grouping.h"
#include "grid/stringgrid/HiddenRowStore.h"
#include "platform/core/StringList.h"
#include "platform/ui/Font.h"
#include "platform/ui/InplaceEdit.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct NumberDefault {
    const char* Name;
    std::function<long long(TTestExGrid&)> Read;
    long long Expected;
};

TEST(ExGridConstruction, NumbersColoursAndFlagsStartAtTheirDefaults) {
    TTestExGrid grid(nullptr);
    const NumberDefault defaults[] = {
        {"RowCount", [](auto& g) { return g.RowCount(); }, 10},
        {"ColCount", [](auto& g) { return g.ColCount(); }, 5},
        {"FixedRows", [](auto& g) { return g.FixedRows(); }, 1},
        {"FixedCols", [](auto& g) { return g.FixedCols(); }, 1},
        {"DefaultRowHeight", [](auto& g) { return g.DefaultRowHeight(); }, 22},
        {"FixedRowHeight", [](auto& g) { return g.FixedRowHeight(); }, 22},
        {"FixedColWidth", [](auto& g) { return g.FixedColWidth(); }, 64},
        {"Width", [](auto& g) { return g.Width(); }, 400},
        {"Height", [](auto& g) { return g.Height(); }, 250},
        {"NumHiddenColumns", [](auto& g) { return g.NumHiddenColumns(); }, 0},
        {"TotalColCount", [](auto& g) { return g.TotalColCount(); }, 5},
        {"FixedRightCols", [](auto& g) { return g.FixedRightCols(); }, 0},
        {"FixedFooters", [](auto& g) { return g.FixedFooters(); }, 0},
        {"UpdateCount", [](auto& g) { return g.UpdateCount(); }, 0},
        {"Look", [](auto& g) { return g.Look(); }, glXP},
        {"DefaultAlignment", [](auto& g) { return g.DefaultAlignment(); }, taLeftJustify},
        {"VAlignment", [](auto& g) { return g.VAlignment(); }, vtaTop},
        {"WordWrap", [](auto& g) { return g.WordWrap(); }, 1},
        {"base WordWrap", [](auto& g) { return g.TBaseGrid::WordWrap(); }, 1},
        {"DefaultEditor", [](auto& g) { return g.DefaultEditor; }, edNormal},
        {"InvalidEntryIcon", [](auto& g) { return g.InvalidEntryIcon; }, ieWarning},
        {"HintColor", [](auto& g) { return g.HintColor; }, 0xFF000018},
        {"HighlightColor", [](auto& g) { return g.HighlightColor(); }, 0xFF00000D},
        {"HighlightTextColor", [](auto& g) { return g.HighlightTextColor(); }, 0xFF00000E},
        {"SelectionColor", [](auto& g) { return g.SelectionColor(); }, 0xEACAB6},
        {"SelectionColorTo", [](auto& g) { return g.SelectionColorTo(); }, 0x1FFFFFFF},
        {"SelectionMirrorColor", [](auto& g) { return g.SelectionMirrorColor(); }, 0x1FFFFFFF},
        {"SelectionMirrorColorTo", [](auto& g) { return g.SelectionMirrorColorTo(); }, 0x1FFFFFFF},
        {"SelectionTextColor", [](auto& g) { return g.SelectionTextColor(); }, 0},
        {"SelectionRectangleColor", [](auto& g) { return g.SelectionRectangleColor; }, 0},
        {"SelectionColorMixerFactor", [](auto& g) { return g.SelectionColorMixerFactor(); }, 50},
        {"ActiveCellColor", [](auto& g) { return g.ActiveCellColor(); }, 0x808080},
        {"ActiveCellColorTo", [](auto& g) { return g.ActiveCellColorTo(); }, 0x1FFFFFFF},
        {"DisabledFontColor", [](auto& g) { return g.DisabledFontColor; }, 0xC0C0C0},
        {"URLColor", [](auto& g) { return g.URLColor(); }, 0xFF0000},
        {"ScrollColor", [](auto& g) { return g.ScrollColor; }, 0x1FFFFFFF},
        {"ScrollType", [](auto& g) { return g.ScrollType; }, ssNormal},
        {"ScrollWidth", [](auto& g) { return g.ScrollWidth; }, GetSystemMetrics(SM_CXVSCROLL)},
        {"BorderColor", [](auto& g) { return g.BorderColor(); }, 0xB99D7F},
        {"ULKGradientFrom", [](auto& g) { return g.ULKGradientFrom(); }, 0xFFFFFF},
        {"ULKGradientTo", [](auto& g) { return g.ULKGradientTo(); }, ColorToRGB(clBtnFace)},
        {"ULKGradientMirrorFrom", [](auto& g) { return g.ULKGradientMirrorFrom(); }, 0x1FFFFFFF},
        {"ULKGradientMirrorTo", [](auto& g) { return g.ULKGradientMirrorTo(); }, 0x1FFFFFFF},
        {"Tones.Background.BrushColor", [](auto& g) { return g.Tones.Background.BrushColor; },
         0x1FFFFFFF},
        {"Tones.Hover.BorderColor", [](auto& g) { return g.Tones.Hover.BorderColor; }, 0x1FFFFFFF},
        {"ShowSelection", [](auto& g) { return g.ShowSelection(); }, 1},
        {"ShowDesignHelper", [](auto& g) { return g.ShowDesignHelper(); }, 1},
        {"EnableHTML", [](auto& g) { return g.EnableHTML; }, 1},
        {"ShowNullDates", [](auto& g) { return g.ShowNullDates; }, 1},
        {"SaveFixedCells", [](auto& g) { return g.SaveFixedCells; }, 1},
        {"SaveVirtCells", [](auto& g) { return g.SaveVirtCells; }, 1},
        {"SaveWithHTML", [](auto& g) { return g.SaveWithHTML; }, 1},
        {"AutoFilterUpdate", [](auto& g) { return g.AutoFilterUpdate; }, 1},
        {"UseDisabledFont", [](auto& g) { return g.UseDisabledFont; }, 1},
        {"EnableWheel", [](auto& g) { return g.EnableWheel; }, 1},
        {"AutoSize", [](auto& g) { return g.AutoSize(); }, 0},
        {"Flat", [](auto& g) { return g.Flat(); }, 0},
        {"ActiveCellShow", [](auto& g) { return g.ActiveCellShow(); }, 0},
        {"FixedRowAlways", [](auto& g) { return g.FixedRowAlways(); }, 0},
        {"FixedColAlways", [](auto& g) { return g.FixedColAlways(); }, 0},
        {"SaveHiddenCells", [](auto& g) { return g.SaveHiddenCells; }, 0},
        {"ClearTextOnly", [](auto& g) { return g.ClearTextOnly; }, 0},
        {"HideFocusRect", [](auto& g) { return g.HideFocusRect; }, 0},
        {"MinRowHeight", [](auto& g) { return g.MinRowHeight; }, 0},
        {"MaxColWidth", [](auto& g) { return g.MaxColWidth; }, 0},
        {"ZoomFactor", [](auto& g) { return g.ZoomFactor; }, 0},
        {"FilterDropDownColumns", [](auto& g) { return g.FilterDropDownColumns; }, fdNormal},
        {"HintShowLargeTextPos", [](auto& g) { return g.HintShowLargeTextPos; }, hpCell},
        {"HoverFixedCells", [](auto& g) { return g.HoverFixedCells; }, hfNone},
        {"ScrollBarAlways", [](auto& g) { return g.ScrollBarAlways(); }, saNone},
        {"ScrollBars", [](auto& g) { return g.ScrollBars(); }, ssBoth},
        {"XYOffset.X", [](auto& g) { return g.XYOffset().X; }, 2},
        {"XYOffset.Y", [](auto& g) { return g.XYOffset().Y; }, 2},
        {"EditControl", [](auto& g) { return g.EditControl; }, edNormal},
        {"Style", [](auto& g) { return g.Style; }, tsWindowsXP},
        {"NumCellControls", [](auto& g) { return g.NumCellControls(); }, 0},
        {"GridLinkCursor", [](auto&) { return GridLinkCursor; }, crHandPoint},
    };
    for (const NumberDefault& entry : defaults)
        // Colours are compared as their 32-bit patterns.
        EXPECT_EQ(static_cast<uint32_t>(entry.Read(grid)), static_cast<uint32_t>(entry.Expected))
            << entry.Name;
}

TEST(ExGridConstruction, TextDefaults) {
    TTestExGrid grid(nullptr);
    const std::pair<std::string, std::string> defaults[] = {
        {grid.FloatFormat, "%.2f"},
        {grid.CheckTrue, "Y"},
        {grid.CheckFalse, "N"},
        {grid.FilterDropDownClear, "(All)"},
        {grid.XMLEncoding, "ISO-8859-1"},
        {std::string(1, grid.PasswordChar), "*"},
        {grid.Version(), "6.2.1.3"},
        {grid.GetVersionString(), "6.2.1.3 Sep, 2012"},
        {grid.FixedFont()->Name(), "Tahoma"},
    };
    for (const auto& [actual, expected] : defaults)
        EXPECT_EQ(actual, expected);
    EXPECT_EQ(grid.Delimiter, '\0');
    EXPECT_TRUE(grid.FixedFont()->Style().Contains(fsBold));
    EXPECT_TRUE(grid.ActiveCellFont()->Style().Contains(fsBold));
}

TEST(ExGridConstruction, EveryColumnIsVisibleAndEveryOwnedObjectExists) {
    TTestExGrid grid(nullptr);
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    for (int col : {0, 1, 4, 511, 512, 5000})
        EXPECT_FALSE(grid.IsHiddenColumn(col)) << col;
    EXPECT_NE(grid.FooterPanel(), nullptr);
    EXPECT_NE(grid.SearchPanel(), nullptr);
    EXPECT_NE(grid.FocusHelper(), nullptr);
    EXPECT_FALSE(grid.SearchFooter()->Visible());
    EXPECT_FALSE(grid.FloatingFooter()->Visible);
    EXPECT_TRUE(grid.DragDropSettings()->OleAcceptText);
    EXPECT_EQ(grid.ControlLook()->ControlStyle(), csTheme);
    EXPECT_TRUE(grid.Navigation()->EditSelectAll);
    EXPECT_TRUE(grid.MouseActions()->AutoSizeColOnDblClick);
    EXPECT_FALSE(grid.Bands()->Active());
    EXPECT_EQ(grid.Grouping()->HeaderLineColor, clBlue);
    EXPECT_EQ(grid.Grouping()->HeaderLineWidth, 2);
    EXPECT_EQ(grid.BackGround()->Display(), bdTile);
    EXPECT_EQ(grid.BackGround()->ColorTo(), clBtnFace);
    EXPECT_EQ(grid.BackGround()->Color(), clWindow);
    EXPECT_EQ(grid.ColumnHeaders()->Count(), 0);
    EXPECT_EQ(grid.GridItems()->Count(), 0);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_TRUE(grid.FilterList()->Sorted());
    EXPECT_FALSE(grid.DropList()->Visible());
    EXPECT_EQ(grid.DropList()->Parent(), &grid);
    EXPECT_TRUE(grid.ControlStyle().Contains(csAcceptsControls));
}

TEST(ExGridConstruction, RowCountTellsTheBaseGridWhichRowsAreNormal) {
    TTestExGrid grid(nullptr);
    EXPECT_EQ(grid.FNormalRowCount, 10);
    grid.SetRowCount(250);
    EXPECT_EQ(grid.FNormalRowCount, 250);
    EXPECT_EQ(grid.MaxRowCount(), 250);
    grid.SetRowCount(20);
    EXPECT_EQ(grid.MaxRowCount(), 250);
    grid.SetColCount(8);
    grid.SetColCount(3);
    EXPECT_EQ(grid.MaxColCount(), 8);
}

// --- geometry ------------------------------------------------------------------------------------

TEST(ExGridGeometry, FixedRowAlwaysKeepsOneFixedRowAndGivesBackTheOneAskedFor) {
    TTestExGrid grid(nullptr);
    grid.SetFixedRowAlways(true);
    grid.SetRowCount(4);
    grid.SetFixedRows(4);
    EXPECT_EQ(grid.FixedRows(), 3);
    EXPECT_EQ(grid.FFixedRowsMin, 4);
    grid.SetFixedRows(0);
    EXPECT_EQ(grid.TBaseGrid::FixedRows(), 0);
    EXPECT_EQ(grid.FixedRows(), 1);
    grid.SetFixedRows(2);
    grid.SetRowCount(1);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.FixedRows(), 2);
}

TEST(ExGridGeometry, FixedColAlwaysKeepsOneFixedColumn) {
    TTestExGrid grid(nullptr);
    grid.SetFixedColAlways(true);
    grid.SetFixedCols(5);
    EXPECT_EQ(grid.FixedCols(), 4);
    grid.SetFixedCols(0);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FFixedColsMin, 0);
}

TEST(ExGridGeometry, FixedColWidthOfTheDefaultWidthChangesNothing) {
    TTestExGrid grid(nullptr);
    grid.SetFixedCols(2);
    grid.SetColWidths(0, 30);
    grid.SetColWidths(1, 30);
    grid.SetFixedColWidth(grid.DefaultColWidth());
    EXPECT_EQ(grid.ColWidths(0), 30);
    grid.SetFixedColWidth(90);
    EXPECT_EQ(grid.ColWidths(0), 90);
    EXPECT_EQ(grid.ColWidths(1), 90);
    EXPECT_EQ(grid.ColWidths(2), grid.DefaultColWidth());
}

TEST(ExGridGeometry, FixedRowHeightOfTheDefaultHeightResetsEveryRow) {
    TTestExGrid grid(nullptr);
    grid.SetFixedRowHeight(40);
    EXPECT_EQ(grid.RowHeights(0), 40);
    EXPECT_EQ(grid.RowHeights(1), 22);
    grid.SetRowHeights(5, 70);
    grid.SetFixedRowHeight(22);
    EXPECT_EQ(grid.FixedRowHeight(), 22);
    EXPECT_EQ(grid.RowHeights(0), 22);
    EXPECT_EQ(grid.RowHeights(5), 22);
}

TEST(ExGridGeometry, DefaultRowHeightSetsTheFloatingFooterHeight) {
    TTestExGrid grid(nullptr);
    grid.SetDefaultRowHeight(30);
    EXPECT_EQ(grid.FloatingFooter()->Height, 30);
    EXPECT_EQ(grid.RowHeights(7), 30);
}

TEST(ExGridGeometry, VAlignmentSetsTheTextDrawingFlag) {
    const std::pair<TVAlignment, int> cases[] = {{vtaTop, 0}, {vtaCenter, 4}, {vtaBottom, 8}};
    TTestExGrid grid(nullptr);
    for (auto [alignment, flag] : cases) {
        grid.SetVAlignment(alignment);
        EXPECT_EQ(grid.VAlign(), flag) << alignment;
    }
}

TEST(ExGridGeometry, WordWrapIsKeptInBothGrids) {
    TTestExGrid grid(nullptr);
    grid.SetWordWrap(false);
    EXPECT_FALSE(grid.WordWrap());
    EXPECT_FALSE(grid.TBaseGrid::WordWrap());
}

TEST(ExGridGeometry, SelectionColorMixerFactorIsClampedToAPercentage) {
    const std::pair<int, int> cases[] = {{150, 100}, {-5, 0}, {30, 30}, {100, 100}, {0, 0}};
    TTestExGrid grid(nullptr);
    for (auto [written, stored] : cases) {
        grid.SetSelectionColorMixerFactor(written);
        EXPECT_EQ(grid.SelectionColorMixerFactor(), stored) << written;
    }
}

TEST(ExGridGeometry, IntegralHeightLeavesNoPartialRow) {
    TTestExGrid grid(nullptr);
    grid.SetIntegralHeight(true);
    grid.SetBorderSingle(true);
    grid.SetBounds(0, 0, 400, 250);
    EXPECT_EQ(grid.Height(), 246);
    // Under the update lock the height is taken as asked.
    grid.StartUpdate();
    grid.SetBounds(0, 0, 400, 250);
    EXPECT_EQ(grid.Height(), 250);
    grid.EndUpdate();
}

TEST(ExGridGeometry, IntegralHeightCountsAHorizontalScrollBarWhenColumnsDoNotFit) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(40);
    grid.SetIntegralHeight(true);
    grid.SetBounds(0, 0, 400, 250);
    const int bar = GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(grid.Height(), 250 - ((250 - bar - 2) % 22) + 2);
}

TEST(ExGridGeometry, SpreadSheetTurnsOnRangeEditingWhateverTheValue) {
    TTestExGrid grid(nullptr);
    grid.SetSpreadSheet(false);
    EXPECT_TRUE(grid.SelectionRectangle());
    EXPECT_TRUE(grid.SelectionResizer());
    EXPECT_TRUE(grid.Navigation()->AllowSmartClipboard);
    EXPECT_TRUE(grid.Options().Contains(goEditing));
    EXPECT_TRUE(grid.Options().Contains(goRangeSelect));
    EXPECT_TRUE(grid.MouseActions()->RangeSelectAndEdit);
}

TEST(ExGridGeometry, MaxEditLengthLimitsTheInPlaceEditor) {
    TTestExGrid grid(nullptr);
    grid.SetOptions(grid.Options() + TGridOptions{goEditing});
    grid.SetMaxEditLength(5);
    grid.ShowEditor();
    ASSERT_NE(grid.InplaceEditor(), nullptr);
    EXPECT_EQ(grid.InplaceEditor()->MaxLength(), 5);
    grid.SetMaxEditLength(8);
    EXPECT_EQ(grid.InplaceEditor()->MaxLength(), 8);
}

TEST(ExGridGeometry, VersionCannotBeWritten) {
    TTestExGrid grid(nullptr);
    grid.SetVersion("1.0.0.0");
    EXPECT_EQ(grid.Version(), "6.2.1.3");
}

TEST(ExGridGeometry, ULKGradientColoursAreStoredAsRGB) {
    TTestExGrid grid(nullptr);
    grid.SetULKGradientFrom(clWindow);
    EXPECT_EQ(grid.ULKGradientFrom(), ColorToRGB(clWindow));
}

TEST(ExGridGeometry, ShowSelectionIsKeptInTheBaseGrid) {
    struct Probe : TTestExGrid {
        using TTestExGrid::TTestExGrid;
        bool BaseShowSel() const { return FShowSel; }
    } grid(nullptr);
    grid.SetShowSelection(false);
    EXPECT_FALSE(grid.BaseShowSel());
}

TEST(ExGridGeometry, CursorIsRememberedForTheEnd) {
    TTestExGrid grid(nullptr);
    grid.SetCursor(crHourGlass);
    EXPECT_EQ(grid.Cursor(), crHourGlass);
}

// --- loading a designed layout ------------------------------------------------------------------

TEST(ExGridLoading, StreamedSizesArriveWithoutSideEffectsAndLoadedFixesTheMinimums) {
    TTestExGrid grid(nullptr);
    grid.SetComponentState(csLoading, true);
    grid.SetRowCount(6);
    grid.SetFixedRows(2);
    grid.SetFixedColWidth(30);
    grid.SetFixedRowHeight(40);
    EXPECT_EQ(grid.FFixedRowsMin, 1) << "not remembered while loading";
    EXPECT_EQ(grid.ColWidths(0), 64) << "widths arrive on their own while loading";
    EXPECT_EQ(grid.RowHeights(0), 22);
    EXPECT_EQ(grid.FixedRowHeight(), 40);
    grid.SetOptions(grid.Options() + TGridOptions{goAlwaysShowEditor});
    grid.ColumnHeaders()->Add("Streamed");
    grid.SetComponentState(csLoading, false);
    grid.Loaded();
    EXPECT_TRUE(grid.IsLoaded());
    EXPECT_EQ(grid.FFixedRowsMin, 2);
    EXPECT_EQ(grid.FFixedColsMin, 1);
    EXPECT_EQ(grid.MinRowHeight, 22);
    EXPECT_EQ(grid.MinColWidth, 10);
    EXPECT_EQ(grid.MaxRowCount(), 6);
    EXPECT_TRUE(grid.Navigation()->AlwaysEdit);
    EXPECT_FALSE(grid.Options().Contains(goAlwaysShowEditor));
    EXPECT_EQ(grid.Cells(0, 0), "Streamed");
    EXPECT_EQ(grid.ColumnOrder()->Count(), 5);
}

TEST(ExGridLoading, ALayoutWithoutFixedRowHeightComesUpWith22) {
    TTestExGrid grid(nullptr);
    grid.SetComponentState(csLoading, true);
    grid.SetComponentState(csLoading, false);
    grid.Loaded();
    EXPECT_EQ(grid.FixedRowHeight(), 22);
}

TEST(ExGridLoading, AStreamedULKLookIsAppliedThroughItsSetter) {
    struct LookProbe : TTestExGrid {
        using TTestExGrid::TTestExGrid;
        std::vector<TGridLook> Applied;
        void SetLook(TGridLook Value) override {
            Applied.push_back(Look());
            TTestExGrid::SetLook(Value);
        }
    } grid(nullptr);
    grid.SetLook(glULK);
    grid.Applied.clear();
    grid.Loaded();
    ASSERT_EQ(grid.Applied.size(), 1u);
    EXPECT_EQ(grid.Applied[0], glCustom) << "the setter sees a change";
    EXPECT_EQ(grid.Look(), glULK);
}

TEST(ExGridLifeCycle, ResizeFiresOnResize) {
    TTestExGrid grid(nullptr);
    int resized = 0;
    grid.OnResize = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &grid);
        ++resized;
    };
    grid.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(resized, 1);
}

// --- header lists --------------------------------------------------------------------------------

TEST(ExGridHeaders, ColumnHeadersFillOnlyTheRealColumnsAndUnescapeLineBreaks) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(3);
    TStringList headers;
    for (const char* text : {"Name", "Two\\nLines", "Type", "Beyond"})
        headers.Add(text);
    grid.SetColumnHeaders(headers);
    EXPECT_EQ(grid.Cells(0, 0), "Name");
    EXPECT_EQ(grid.Cells(1, 0), "Two\rLines");
    EXPECT_EQ(grid.Cells(2, 0), "Type");
    EXPECT_EQ(grid.Cells(3, 0), "");
}

TEST(ExGridHeaders, ChangingTheHeaderListShowsItAgain) {
    TTestExGrid grid(nullptr);
    grid.ColumnHeaders()->Add("A");
    grid.ColumnHeaders()->Add("B");
    EXPECT_EQ(grid.Cells(1, 0), "B");
    grid.ColumnHeaders()->SetStrings(1, "C");
    EXPECT_EQ(grid.Cells(1, 0), "C");
}

TEST(ExGridHeaders, ClearColumnHeadersEmptiesOnlyTheColumnsOnShow) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(3);
    for (int c = 0; c < 5; ++c)
        grid.SetCells(c, 0, "h");
    grid.ClearColumnHeaders();
    EXPECT_EQ(grid.Cells(2, 0), "");
    EXPECT_EQ(grid.GetGridCell(3, 0), "h");
}

TEST(ExGridHeaders, RowHeadersFillColumnZero) {
    TTestExGrid grid(nullptr);
    grid.SetRowCount(2);
    TStringList headers;
    for (const char* text : {"r0", "r1", "r2"})
        headers.Add(text);
    grid.SetRowHeaders(headers);
    EXPECT_EQ(grid.Cells(0, 1), "r1");
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Cells(0, 2), "");
}

TEST(ExGridHeaders, HeadersAreNotShownWithoutFixedRows) {
    TTestExGrid grid(nullptr);
    grid.SetFixedRows(0);
    grid.ColumnHeaders()->Add("A");
    EXPECT_EQ(grid.Cells(0, 0), "");
}

} // namespace
