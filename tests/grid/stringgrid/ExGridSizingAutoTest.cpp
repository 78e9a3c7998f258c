// Sizing to the contents: columns, rows and cells measured in the fonts they are drawn with,
// columns fitted into the grid's width, the control sized to its cells, and the text measure
// itself.
#include "ExGridTestGrid.h"

#include "grid/stringgrid/ColumnSize.h"
#include "grid/stringgrid/ControlLook.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace {

// Records the progress AutoSizeRows reports; the measuring operations open to the tests.
class TProgressGrid : public TTestExGrid {
public:
    using TExStringGrid::AutoSizeColumns;
    using TExStringGrid::GetCellTextSize;
    using TTestExGrid::TTestExGrid;
    std::vector<std::pair<TGridExportState, int>> Progress;
    void ExportNotification(TGridExportState State, int ARow) override {
        Progress.emplace_back(State, ARow);
    }
};

int SumOfWidths(const TExStringGrid& grid, int first, int last) {
    int sum = 0;
    for (int c = first; c <= last; ++c)
        sum += grid.ColWidths(c);
    return sum;
}

class ExGridSizingAuto : public ::testing::Test {
protected:
    ExGridSizingAuto() {
        Grid.SetScrollBars(ssNone);
        Grid.SetColCount(4);
        Grid.SetRowCount(5);
        Grid.SetDefaultColWidth(50);
        Grid.SetDefaultRowHeight(20);
        Grid.SetBounds(0, 0, 300, 200);
    }

    // The width and line height of a text in the grid's font, as the grid measures it.
    int TextWidth(const std::string& text, int sizeChange = 0) {
        TCanvas* canvas = Grid.Canvas();
        canvas->Font()->Assign(*Grid.Font());
        canvas->Font()->SetSize(canvas->Font()->Size() + sizeChange);
        return canvas->TextWidth(text);
    }
    int FixedTextWidth(const std::string& text) {
        TCanvas* canvas = Grid.Canvas();
        canvas->Font()->Assign(*Grid.FixedFont());
        return canvas->TextWidth(text);
    }
    int LineHeight() {
        TCanvas* canvas = Grid.Canvas();
        canvas->Font()->Assign(*Grid.Font());
        return canvas->TextHeight("gh");
    }

    TProgressGrid Grid{nullptr};
};

// Two grid lines of one pixel and the margins of 2 pixels left and right.
constexpr int Frame = 2 * (1 + 1) + 2 * 2;

struct ColumnCase {
    std::string Name;
    std::function<void(TExStringGrid&)> Arrange;
    int Padding;
    // The expected width from the test's measure of "a longer text".
    std::function<int(int textWidth)> Expected;
};

class AutoSizeCol : public ExGridSizingAuto, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(AutoSizeCol, FitsTheWidestCellText) {
    const ColumnCase& c = GetParam();
    Grid.SetCells(1, 1, "ab");
    Grid.SetCells(1, 3, "a longer text");
    c.Arrange(Grid);
    const int textWidth = TextWidth("a longer text");
    Grid.AutoSizeCol(1, c.Padding);
    EXPECT_EQ(Grid.ColWidths(1), c.Expected(textWidth));
}

INSTANTIATE_TEST_SUITE_P(
    ExGridSizingAuto, AutoSizeCol,
    ::testing::Values(ColumnCase{"WidestText", [](auto&) {}, 0, [](int w) { return w + Frame; }},
                      ColumnCase{"Padding", [](auto&) {}, 7, [](int w) { return w + Frame + 7; }},
                      ColumnCase{"LeftMarginOnly", [](auto& g) { g.XYOffsetTopLeftOnly = true; }, 0,
                                 [](int w) { return w + Frame - 2; }},
                      ColumnCase{"WithinMaxColWidth", [](auto& g) { g.MaxColWidth = 30; }, 0,
                                 [](int) { return 30; }},
                      ColumnCase{"PaddingWithinMaxColWidth", [](auto& g) { g.MaxColWidth = 30; }, 7,
                                 [](int) { return 30; }},
                      ColumnCase{"HeaderRowOnly", [](auto& g) { g.ColumnSize()->Rows = arFixed; },
                                 0, [](int) { return Frame; }},
                      ColumnCase{"AlwaysVisibleComboButtons",
                                 [](auto& g) {
                                     g.ControlLook()->SetDropDownAlwaysVisible(true);
                                     g.OnHasComboBox = [](TObject*, int, int ARow, bool& HasCombo) {
                                         HasCombo = ARow == 3;
                                     };
                                 },
                                 0, [](int w) { return w + 16 + Frame; }},
                      ColumnCase{"UpdateColumnSizeHook",
                                 [](auto& g) {
                                     g.OnUpdateColumnSize = [](TObject*, int ACol, int& AWidth) {
                                         if (ACol == 1)
                                             AWidth += 100;
                                     };
                                 },
                                 0, [](int w) { return w + Frame + 100; }}),
    [](const auto& info) { return info.param.Name; });

TEST_F(ExGridSizingAuto, EmptyColumnBecomesGridLinesAndMarginsWithinTheLimits) {
    Grid.MinColWidth = 0;
    Grid.AutoSizeCol(2);
    EXPECT_EQ(Grid.ColWidths(2), Frame);
    Grid.MinColWidth = 10;
    Grid.AutoSizeCol(2);
    EXPECT_EQ(Grid.ColWidths(2), 10);
}

TEST_F(ExGridSizingAuto, SizeGrowOnlyNeverNarrows) {
    Grid.SizeGrowOnly = true;
    Grid.SetCells(1, 1, "a longer text");
    Grid.SetColWidths(1, 250);
    Grid.AutoSizeCol(1);
    EXPECT_EQ(Grid.ColWidths(1), 250);
    Grid.SetColWidths(1, 5);
    Grid.AutoSizeCol(1);
    EXPECT_EQ(Grid.ColWidths(1), TextWidth("a longer text") + Frame);
}

TEST_F(ExGridSizingAuto, AutoSizeColumnsLeavesTheFixedColumnsUnlessAsked) {
    Grid.SetCells(0, 1, "header text");
    Grid.SetCells(2, 1, "xy");
    Grid.AutoSizeColumns(false, 0);
    EXPECT_EQ(Grid.ColWidths(0), 50);
    EXPECT_EQ(Grid.ColWidths(2), TextWidth("xy") + Frame);
    Grid.AutoSizeColumns(true, 3);
    EXPECT_EQ(Grid.ColWidths(0), FixedTextWidth("header text") + Frame + 3)
        << "fixed cells measure in the fixed font";
}

TEST_F(ExGridSizingAuto, HiddenColumnsMeasureTheFontOfTheirOwnCell) {
    Grid.SetCells(3, 1, "wide");
    Grid.SetFontSizes(3, 1, Grid.Font()->Size() + 12);
    Grid.HideColumn(1);
    ASSERT_EQ(Grid.RealColIndex(2), 3);
    EXPECT_EQ(Grid.GetCellTextSize(3, 1).X, TextWidth("wide", 12));
    Grid.AutoSizeCol(2);
    EXPECT_EQ(Grid.ColWidths(2), TextWidth("wide", 12) + Frame);
}

TEST_F(ExGridSizingAuto, ZoomGrowsTheMeasuredFontAndMeasuringLeavesTheCanvasAlone) {
    Grid.SetCells(1, 1, "zoomed");
    Grid.ZoomFactor = 4;
    TCanvas* canvas = Grid.Canvas();
    canvas->Font()->SetSize(7);
    const TPoint size = Grid.GetCellTextSize(1, 1);
    EXPECT_EQ(canvas->Font()->Size(), 7);
    EXPECT_EQ(size.X, TextWidth("zoomed", 4));
}

TEST_F(ExGridSizingAuto, MultiLineTextMeasuresItsWidestLineAndEveryLine) {
    Grid.Multilinecells = true;
    Grid.SetCells(1, 1, "one\r\nthe widest\r\nthree");
    const TPoint size = Grid.GetCellTextSize(1, 1);
    EXPECT_EQ(size.X, TextWidth("the widest"));
    EXPECT_EQ(size.Y, 3 * LineHeight());
}

TEST_F(ExGridSizingAuto, CheckBoxRowIsAtLeastTheDefaultRowHeight) {
    Grid.Font()->SetSize(6);
    Grid.AddCheckBox(1, 2, false, false);
    Grid.MinRowHeight = 0;
    Grid.AutoSizeRow(2);
    // The default height plus the margins above and below and the grid lines.
    EXPECT_EQ(Grid.RowHeights(2), 20 + 2 * 2 + 2);
}

TEST_F(ExGridSizingAuto, AutoSizeRowsWithoutWordWrapCountsLines) {
    Grid.SetWordWrap(false);
    Grid.Multilinecells = true;
    Grid.SetCells(2, 2, "one\r\ntwo\r\nthree");
    Grid.SetCells(1, 3, "single");
    Grid.AutoSizeRows(false, 5);
    const int t = LineHeight();
    EXPECT_EQ(Grid.RowHeights(2), 5 + 3 * (t + t / 8));
    EXPECT_EQ(Grid.RowHeights(3), 5 + (t + t / 8));
    EXPECT_EQ(Grid.RowHeights(0), 20) << "fixed rows stay unless asked";
    const std::vector<std::pair<TGridExportState, int>> progress{
        {esExportStart, 1},   {esExportNextRow, 1}, {esExportNextRow, 2},
        {esExportNextRow, 3}, {esExportNextRow, 4}, {esExportDone, -1}};
    EXPECT_EQ(Grid.Progress, progress);
}

TEST_F(ExGridSizingAuto, AutoSizeCellsWidensColumnsToTheWidestCellAndOnlyGrowsRows) {
    Grid.SetCells(1, 1, "short");
    Grid.SetCells(1, 2, "the longest one");
    Grid.SetRowHeights(3, 60);
    Grid.SetColWidths(2, 200);
    Grid.AutoSizeCells(false, 4, 4);
    EXPECT_EQ(Grid.ColWidths(1), TextWidth("the longest one") + 4 + 2);
    EXPECT_EQ(Grid.ColWidths(2), 4 + 2) << "empty cells end a column at its padding";
    EXPECT_EQ(Grid.RowHeights(3), 60) << "rows never shrink";
    EXPECT_EQ(Grid.RowHeights(1), std::max(20, LineHeight() + 4 + 2));
    EXPECT_EQ(Grid.UpdateCount(), 0);
}

TEST_F(ExGridSizingAuto, AutoFitColumnsFillsTheWidthLessTheBorder) {
    const std::vector<int> start{30, 60, 90, 45};
    for (int c = 0; c < 4; ++c)
        Grid.SetColWidths(c, start[c]);
    Grid.AutoFitColumns(true);
    EXPECT_EQ(SumOfWidths(Grid, 0, 3), 300 - 4);
    // The proportions stay.
    EXPECT_LT(Grid.ColWidths(0), Grid.ColWidths(3));
    EXPECT_LT(Grid.ColWidths(3), Grid.ColWidths(1));
    EXPECT_LT(Grid.ColWidths(1), Grid.ColWidths(2));
}

TEST_F(ExGridSizingAuto, AutoFitNormalColumnsLeavesTheFixedColumn) {
    Grid.AutoFitColumns(false);
    EXPECT_EQ(Grid.ColWidths(0), 50);
    EXPECT_EQ(SumOfWidths(Grid, 1, 3), 300 - 50 - 4);
}

// Columns of no width have no proportions: fitting them leaves them, and divides by nothing.
TEST_F(ExGridSizingAuto, AutoFitColumnsOfNoWidthChangesNothing) {
    for (int c = 1; c < 4; ++c)
        Grid.SetColWidths(c, 0);
    Grid.AutoFitColumns(false);
    EXPECT_EQ(SumOfWidths(Grid, 1, 3), 0);
}

// A range that cannot be fitted (fixed columns wider than the grid) never gets a negative width.
TEST_F(ExGridSizingAuto, AutoFitColumnsNeverMakesAWidthNegative) {
    Grid.SetColWidths(0, 400);
    Grid.AutoFitColumns(false);
    for (int c = 0; c < 4; ++c)
        EXPECT_GE(Grid.ColWidths(c), 0) << c;
}

TEST_F(ExGridSizingAuto, SizeToCellsFitsTheClientAreaAndKeepsTheScrollBars) {
    Grid.SetScrollBars(ssVertical);
    Grid.SetColWidths(2, 80);
    Grid.SizeToCells();
    EXPECT_EQ(Grid.ScrollBars(), ssVertical);
    EXPECT_EQ(Grid.ClientWidth(), 50 * 3 + 80);
    EXPECT_EQ(Grid.ClientHeight(), 5 * 20);
}

TEST_F(ExGridSizingAuto, AutoRangeCellScrollBarFollowsTheCellText) {
    Grid.Multilinecells = true;
    Grid.SetRowHeights(1, 30);
    Grid.AddScrollBar(1, 1, true);
    Grid.SetCells(1, 1, "a\r\nb");
    EXPECT_EQ(Grid.GetScrollProp(1, 1).PageSize, 30);
    EXPECT_EQ(Grid.GetScrollProp(1, 1).Range, 2 * LineHeight());
    Grid.SetCells(1, 1, "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(Grid.GetScrollProp(1, 1).Range, 4 * LineHeight());
}

} // namespace
