// Column statistics and the floating footer: statistics count the cells that hold numbers,
// the footer row is recalculated by its column kinds whenever the change hooks run.
#include "ExGridTestGrid.h"

#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/FooterPanel.h"
#include "grid/stringgrid/GridChangeNotifier.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/HintWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

class TFooterTestGrid : public TTestExGrid {
public:
    using TExStringGrid::FHideLastRow;
    using TTestExGrid::TTestExGrid;
    // Plain rows: the test grid's node and summary rows are for grouping tests.
    bool IsNode(int) override { return false; }
    bool IsSummary(int) override { return false; }
};

// Column 1 of the data rows 1.. holds the given texts; one fixed row.
class ExGridFooter : public ::testing::Test {
protected:
    void Column(const std::vector<std::string>& texts) {
        grid.SetColCount(4);
        grid.SetRowCount(static_cast<int>(texts.size()) + 1);
        for (size_t i = 0; i < texts.size(); ++i)
            grid.SetCells(1, static_cast<int>(i) + 1, texts[i]);
    }
    // The same with a footer row below them, shown.
    void ColumnWithFooter(const std::vector<std::string>& texts) {
        std::vector<std::string> withFooter = texts;
        withFooter.push_back("");
        Column(withFooter);
        grid.FloatingFooter()->SetVisible(true);
    }
    int Last() const { return grid.RowCount() - 1; }

    TFooterTestGrid grid{nullptr};
};

TEST_F(ExGridFooter, StatisticsCountOnlyCellsHoldingNumbers) {
    struct Case {
        const char* Name;
        std::vector<std::string> Texts;
        double Sum, Avg, Min, Max, StdDev, Distinct;
    };
    const Case cases[] = {
        {"empty and no-number cells are skipped", {"1", "", "1-2", "3"}, 4, 2, 1, 3, 1, 4},
        {"a first cell without a number is no error", {"1-2", "5", "7"}, 12, 6, 5, 7, 1, 3},
        {"text made plain first", {"x12", "-4", "(2)"}, 6, 2, -4, 12, std::sqrt(152.0 / 3), 3},
        {"no number at all", {"a", "", "b"}, 0, 0, 0, 0, 0, 3},
        {"texts equal but for case are one", {"abc", "ABC", "abc"}, 0, 0, 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Column(c.Texts);
        EXPECT_DOUBLE_EQ(grid.ColumnSum(1, -1, -1), c.Sum);
        EXPECT_DOUBLE_EQ(grid.ColumnAvg(1, -1, -1), c.Avg);
        EXPECT_DOUBLE_EQ(grid.ColumnMin(1, -1, -1), c.Min);
        EXPECT_DOUBLE_EQ(grid.ColumnMax(1, -1, -1), c.Max);
        EXPECT_DOUBLE_EQ(grid.ColumnStdDev(1, -1, -1), c.StdDev);
        EXPECT_DOUBLE_EQ(grid.ColumnDistinct(1, -1, -1), c.Distinct);
    }
}

TEST_F(ExGridFooter, RangesOutsideTheRowsReadNothingBeyondThem) {
    Column({"1", "2", "3"});
    EXPECT_DOUBLE_EQ(grid.ColumnAvg(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(grid.ColumnStdDev(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 2, 99), 5);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, -5, 1), 1);
}

TEST_F(ExGridFooter, RealRowRangesTakeInHiddenRows) {
    Column({"1", "2", "4", "8"});
    grid.HideRow(2);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, -1, -1), 13); // the rows on show
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 1, grid.TotalRowCount() - 1), 15);
    EXPECT_DOUBLE_EQ(grid.ColumnMax(1, 1, grid.TotalRowCount() - 1), 8);
}

TEST_F(ExGridFooter, MergedCellsCountOnce) {
    Column({"5", "7", "1"});
    grid.MergeCells(1, 1, 1, 2);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, -1, -1), 6);
}

TEST_F(ExGridFooter, RowStatisticsAlongOneRow) {
    Column({"1"});
    grid.SetColCount(5);
    for (auto [c, text] : {std::pair{0, "2"}, {1, "x"}, {2, "-3"}, {3, ""}, {4, "9"}})
        grid.SetCells(c, 1, text);
    EXPECT_DOUBLE_EQ(grid.RowSum(1, 0, 4), 8);
    EXPECT_DOUBLE_EQ(grid.RowAvg(1, 0, 4), 8.0 / 3);
    EXPECT_DOUBLE_EQ(grid.RowMin(1, 0, 4), -3);
    EXPECT_DOUBLE_EQ(grid.RowMax(1, 1, 3), -3);
    EXPECT_DOUBLE_EQ(grid.RowSum(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(grid.RowAvg(1, 3, 2), 0);
}

TEST_F(ExGridFooter, CellToRealNamesWhereTheNumberStops) {
    Column({"", "12.5", "1-2"});
    grid.SetCells(2, 3, "1-2");
    EXPECT_DOUBLE_EQ(grid.CellToReal(1, 1), 0);
    EXPECT_DOUBLE_EQ(grid.CellToReal(1, 2), 12.5);
    try {
        grid.CellToReal(2, 3);
        FAIL() << "no error";
    } catch (const ROvoVariRodev& e) {
        EXPECT_EQ(e.Message, "Error at position: 2 in Cell [2, 3].");
    }
}

TEST_F(ExGridFooter, CustomCalculationsAskTheirEvents) {
    Column({"1"});
    grid.OnColumnCalc = [](TObject*, int ACol, int From, int To, double& Res) {
        Res = ACol * 100 + From * 10 + To;
    };
    grid.OnGroupCalc = [](TObject*, int, int, int, double& Res) { Res = -1; };
    EXPECT_DOUBLE_EQ(grid.ColumnCustomCalc(2, -1, 5), 195); // arguments passed unchanged
    EXPECT_DOUBLE_EQ(grid.GroupCustomColumnCalc(2, 1, 1), -1);
}

TEST_F(ExGridFooter, VisibleFooterIsTheLastRowAndHidesIt) {
    Column({"1", "2"});
    grid.FloatingFooter()->SetVisible(true);
    EXPECT_EQ(grid.FixedFooters(), 1);
    EXPECT_TRUE(grid.FHideLastRow);
    EXPECT_EQ(grid.FooterPanel()->Height(), grid.FloatingFooter()->Height - 1);
    grid.FloatingFooter()->SetFooterStyle(fsColumnPreview);
    EXPECT_FALSE(grid.FHideLastRow);
    grid.FloatingFooter()->SetFooterStyle(fsFixedLastRow);
    grid.FloatingFooter()->SetVisible(false);
    EXPECT_EQ(grid.FixedFooters(), 0);
    EXPECT_FALSE(grid.FHideLastRow);
    EXPECT_EQ(grid.FooterPanel()->Height(), 0);
}

TEST_F(ExGridFooter, SettingAColumnKindComputesItsFooterAtOnce) {
    ColumnWithFooter({"2", "3", "x"});
    EXPECT_EQ(grid.FloatingFooter()->GetColumnCalc(1), acNONE);
    EXPECT_FALSE(grid.HasCellProperties(1, Last()));
    struct Case {
        TColumnCalcType Kind;
        const char* Expected;
    };
    for (const Case& c : {Case{acSUM, "5.00"}, Case{acAVG, "2.50"}, Case{acMAX, "3.00"},
                          Case{acDISTINCT, "3.00"}, Case{acCOUNT, "3"}}) {
        SCOPED_TRACE(c.Kind);
        grid.FloatingFooter()->SetColumnCalc(1, c.Kind);
        EXPECT_EQ(grid.FloatingFooter()->GetColumnCalc(1), c.Kind);
        EXPECT_EQ(grid.Cells(1, Last()), c.Expected);
    }
}

TEST_F(ExGridFooter, CustomFooterValuesComeFromTheGridEventFirst) {
    ColumnWithFooter({"2"});
    grid.FloatingFooter()->OnCalcFooter = [](TObject*, int, int, std::string& V) { V = "foot"; };
    grid.FloatingFooter()->SetColumnCalc(1, acCUSTOM);
    EXPECT_EQ(grid.Cells(1, Last()), "foot");
    grid.OnFooterCalc = [](TObject*, int ACol, int ARow, std::string& V) {
        V = std::to_string(ACol) + ":" + std::to_string(ARow);
    };
    grid.CalcFooter(1);
    EXPECT_EQ(grid.Cells(1, Last()), "1:2");
}

TEST_F(ExGridFooter, NothingIsCalculatedWhenTheFooterDoesNotShowValues) {
    ColumnWithFooter({"2", "3"});
    grid.FloatingFooter()->SetColumnCalc(1, acSUM);
    grid.SetCells(1, 1, "10");
    const auto recalculated = [&] {
        grid.SetCells(1, Last(), "old");
        grid.CalcFooter(-1);
        return grid.Cells(1, Last()) != "old";
    };
    grid.FloatingFooter()->EnableCalculation = false;
    EXPECT_FALSE(recalculated());
    grid.FloatingFooter()->EnableCalculation = true;
    grid.FloatingFooter()->SetFooterStyle(fsCustomPreview);
    EXPECT_FALSE(recalculated());
    grid.FloatingFooter()->SetFooterStyle(fsFixedLastRow);
    grid.FloatingFooter()->SetVisible(false);
    EXPECT_FALSE(recalculated());
    grid.FloatingFooter()->SetVisible(true);
    EXPECT_TRUE(recalculated());
    EXPECT_EQ(grid.Cells(1, Last()), "13.00");
}

TEST_F(ExGridFooter, HiddenRowsAreCountedWhenAskedFor) {
    // 10 rows on show (one fixed, the footer last) and 2 hidden.
    ColumnWithFooter({"1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    grid.HideRows(2, 3);
    ASSERT_EQ(grid.RowCount(), 10);
    grid.FloatingFooter()->SetColumnCalc(1, acCOUNT);
    grid.FloatingFooter()->SetColumnCalc(2, acSUM);
    EXPECT_EQ(grid.Cells(1, Last()), "10");
    EXPECT_EQ(grid.Cells(2, Last()), "0.00");
    grid.FloatingFooter()->CalculateHiddenRows = false;
    grid.CalcFooter(-1);
    EXPECT_EQ(grid.Cells(1, Last()), "8");
}

TEST_F(ExGridFooter, OneHiddenRowSumsTheDataRowsOnly) {
    ColumnWithFooter({"1", "2", "4"});
    grid.FloatingFooter()->SetColumnCalc(1, acSUM);
    grid.HideRow(2);
    grid.CalcFooter(1);
    EXPECT_EQ(grid.Cells(1, Last()), "7.00");
    grid.SetCells(1, Last(), "100"); // the footer row itself never counts
    grid.CalcFooter(1);
    EXPECT_EQ(grid.Cells(1, Last()), "7.00");
}

class TRecordingNotifier : public TGridChangeNotifier {
public:
    using TGridChangeNotifier::TGridChangeNotifier;
    std::vector<TRect> Changes;
    void CellsChanged(const TRect& R) override { Changes.push_back(R); }
};

TEST_F(ExGridFooter, ChangeHooksTellListenersAndRecalculate) {
    ColumnWithFooter({"2", "3"});
    grid.FloatingFooter()->SetColumnCalc(1, acMIN);
    TRecordingNotifier notifier(nullptr);
    grid.RegisterNotifier(&notifier);
    std::vector<TRect> told;
    grid.OnCellsChanged = [&](TObject*, const TRect& R) { told.push_back(R); };
    grid.SetCells(1, 1, "-1");
    grid.NotifyCellsChanged(TRect{1, 1, 1, 1});
    EXPECT_EQ(told.size(), 1u);
    EXPECT_EQ(notifier.Changes.size(), 1u);
    EXPECT_EQ(grid.Cells(1, Last()), "-1.00");
    grid.SetCells(1, 1, "not a number"); // an ordinary edit: nothing raises
    EXPECT_NO_THROW(grid.ColumnValueChanged(1, 1));
    EXPECT_EQ(grid.Cells(1, Last()), "3.00");
    grid.SetCells(1, 2, "");
    EXPECT_NO_THROW(grid.BulkCellsChanged());
    EXPECT_EQ(grid.Cells(1, Last()), "0.00");
    grid.UnRegisterNotifier(&notifier);
}

TEST_F(ExGridFooter, AssignCopiesTheFooterSettings) {
    Column({"1"});
    TFooterTestGrid other(nullptr);
    TFloatingFooter& source = *other.FloatingFooter();
    source.CalculateHiddenRows = false;
    source.SetColor(clRed);
    source.SetColumn(3);
    source.SetCustomTemplate("<#1>");
    source.SetFooterStyle(fsCustomPreview);
    source.SetVisible(true);
    source.SetShowHint(true);
    grid.FloatingFooter()->Assign(&source);
    const TFloatingFooter& copy = *grid.FloatingFooter();
    EXPECT_FALSE(copy.CalculateHiddenRows);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.Column(), 3);
    EXPECT_EQ(copy.CustomTemplate(), "<#1>");
    EXPECT_EQ(copy.FooterStyle(), fsCustomPreview);
    EXPECT_TRUE(copy.Visible);
    EXPECT_TRUE(copy.ShowHint());
    EXPECT_EQ(grid.FixedFooters(), 0) << "a preview footer is no grid row";
}

TEST_F(ExGridFooter, TemplatesTakeTheCurrentRowsCells) {
    Column({"a", "b"});
    grid.SetCells(1, 2, "7");
    grid.SetRow(2);
    struct Case {
        const char* Template;
        const char* Expected;
    };
    for (const Case& c : {Case{"Total <#1><#x>!", "Total 7!"}, Case{"<#1> of <#9>", "7 of "},
                          Case{"open <#1", "open <#1"}, Case{"", ""}}) {
        SCOPED_TRACE(c.Template);
        EXPECT_EQ(grid.FooterPanel()->ExpandTemplate(c.Template), c.Expected);
    }
}

TEST_F(ExGridFooter, ColumnUnderAPointFollowsTheScrolledColumns) {
    Column({"1"});
    grid.SetColCount(20);
    grid.SetDefaultColWidth(50);
    grid.SetLeftCol(6);
    ASSERT_EQ(grid.LeftCol(), 6);
    const int w = 50;
    struct Case {
        int X;
        int Expected;
    };
    for (const Case& c : {Case{0, 0}, Case{w - 1, 0}, Case{w, 6}, Case{w + 2 * w + 10, 8},
                          Case{-1, -1}, Case{w * 100, -1}}) {
        SCOPED_TRACE(c.X);
        EXPECT_EQ(grid.FooterPanel()->ColumnAt(c.X), c.Expected);
    }
    EXPECT_EQ(grid.FooterPanel()->FooterWidth(), w * 15);
}

TEST_F(ExGridFooter, HintsWordTheFooterCellUnderTheMouse) {
    Column({"1"});
    grid.SetColCount(20);
    grid.SetDefaultColWidth(50);
    grid.SetFixedCols(2);
    grid.SetLeftCol(6);
    grid.FooterPanel()->SetBounds(0, 0, 400, 21);
    grid.OnGridHint = [](TObject*, int ARow, int ACol, std::string& Hint) {
        Hint = std::to_string(ARow) + "," + std::to_string(ACol);
    };
    struct Case {
        bool ShowHint;
        int X;
        const char* Hint;
        TRect Rect;
        LRESULT Result;
    };
    for (const Case& c :
         {Case{true, 60, "1,1", TRect{50, 0, 100, 21}, 0},
          Case{true, 130, "1,6", TRect{100, 0, 150, 21}, 0},
          Case{false, 130, "1,6", TRect{100, 0, 150, 21}, 1}, Case{true, 5000, "", TRect{}, 0}}) {
        SCOPED_TRACE(c.X);
        grid.FloatingFooter()->SetShowHint(c.ShowHint);
        THintInfo info;
        info.CursorPos = TPoint{c.X, 5};
        const LRESULT result =
            grid.FooterPanel()->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.HintStr, c.Hint);
        EXPECT_EQ(info.CursorRect, c.Rect);
        EXPECT_EQ(result, c.Result);
    }
}

TEST_F(ExGridFooter, ClicksOnTheFooterAreClicksOnTheFooterRow) {
    Column({"1"});
    grid.SetColCount(20);
    grid.SetDefaultColWidth(50);
    grid.SetLeftCol(6);
    grid.FooterPanel()->SetBounds(0, 0, 400, 21);
    std::vector<std::string> clicks;
    grid.OnClick = [&](TObject* Sender) { clicks.push_back(Sender == &grid ? "grid" : "?"); };
    grid.OnClickCell = [&](TObject*, int ARow, int ACol) {
        clicks.push_back(std::to_string(ARow) + "," + std::to_string(ACol));
    };
    for (int x : {160, 399})
        grid.FooterPanel()->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    EXPECT_EQ(clicks, (std::vector<std::string>{"grid", "1,8", "grid", "1,12"}));
}

// The footer panel of a grid of five 60-pixel columns, painted into a bitmap wider than them.
class ExGridFooterPainting : public ExGridFooter {
protected:
    void SetUp() override {
        ColumnWithFooter({"1", "2"});
        grid.SetColCount(5);
        grid.SetDefaultColWidth(60);
        grid.SetColor(clWhite);
        grid.FloatingFooter()->SetColor(clYellow);
        grid.FooterPanel()->SetBounds(0, 0, 400, 21);
    }
    std::unique_ptr<TBitmap> Render() {
        auto bitmap = std::make_unique<TBitmap>(400, 21);
        grid.FooterPanel()->PaintTo(bitmap->Canvas(), 0, 0);
        return bitmap;
    }
};

TEST_F(ExGridFooterPainting, ColumnsLineUpAndTheRestTakesTheGridColour) {
    grid.SetColors(2, Last(), clRed);
    grid.FloatingFooter()->SetBorderColor(clBlue);
    const auto bitmap = Render();
    EXPECT_EQ(bitmap->Pixel(30, 10), ColorToRGB(clYellow)) << "fixed column";
    EXPECT_EQ(bitmap->Pixel(150, 18), ColorToRGB(clRed)) << "column 2 in its cell colour";
    EXPECT_EQ(bitmap->Pixel(350, 10), ColorToRGB(clWhite)) << "beyond the columns";
    EXPECT_EQ(bitmap->Pixel(10, 0), ColorToRGB(clBlue)) << "border line";
}

TEST_F(ExGridFooterPainting, FooterPaintEventDrawsTheScrollingColumns) {
    std::vector<std::pair<int, TRect>> painted;
    grid.OnFooterPaint = [&](TObject*, int Col, TCanvas*, const TRect& R) {
        painted.emplace_back(Col, R);
    };
    Render();
    ASSERT_EQ(painted.size(), 4u);
    EXPECT_EQ(painted[0].first, 1);
    EXPECT_EQ(painted[0].second.Left, 60);
    EXPECT_EQ(painted[0].second.Right, 119);
    EXPECT_EQ(painted[3].first, 4);

    painted.clear();
    grid.FloatingFooter()->SetFooterStyle(fsCustomPaint);
    grid.FloatingFooter()->SetColumn(3);
    Render();
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].first, 3);
    EXPECT_EQ(painted[0].second.Right, 400);
}

} // namespace
