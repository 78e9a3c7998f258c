// Tree rows and grouping: nodes, their levels, contracting and expanding, the parent of a row,
// groups with header and summary rows, group statistics and expand cells.
#include "ExGridSortingTestGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellNode.h"
#include "grid/stringgrid/Grouping.h"

#include <gtest/gtest.h>

namespace {

// Rows 1..10 named r1..r10 in column 1.
SortGrid TenRows() {
    SortTexts names;
    for (int r = 1; r <= 10; ++r)
        names.push_back("r" + std::to_string(r));
    return SortGrid({names});
}

// A node at row 1 spanning rows 1..6 with a node at row 2 spanning rows 2..4 inside it.
void NestedNodes(SortGrid& grid) {
    grid.AddNode(1, 6);
    grid.AddNode(2, 3);
}

TEST(ExGridNodes, NodeLevelsCountTheSpansARowLiesIn) {
    SortGrid grid = TenRows();
    NestedNodes(grid);
    EXPECT_TRUE(grid.HasNodes());
    EXPECT_EQ(grid.NumNodes(), 2);
    EXPECT_EQ(grid.GetNodeLevel(1), 1);
    EXPECT_EQ(grid.GetNodeLevel(2), 2);
    EXPECT_EQ(grid.GetNodeLevel(3), -1); // not a node
    EXPECT_EQ(grid.GetRowIndent(3), 2 * grid.CellNode()->NodeIndent());
    EXPECT_EQ(grid.GetRowIndent(5), grid.CellNode()->NodeIndent());
    EXPECT_EQ(grid.GetRowIndent(7), 0);
    EXPECT_EQ(grid.GetNodeSpan(2), 3);
    EXPECT_EQ(grid.GetNodeSpan(3), -1);
    EXPECT_EQ(grid.Col(), 1); // off the glyph column
}

TEST(ExGridNodes, ContractingHidesTheSpanAndExpandingShowsItAgain) {
    SortGrid grid = TenRows();
    NestedNodes(grid);
    grid.ContractNode(2);
    EXPECT_EQ(grid.RowCount(), 9);
    EXPECT_TRUE(grid.GetNodeState(2));
    grid.ContractNode(1);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Column(1), (SortTexts{"r1", "r7", "r8", "r9", "r10"}));
    // Opening the outer node shows its whole span, the inner node open too.
    grid.ExpandNode(1);
    EXPECT_EQ(grid.RowCount(), 11);
    EXPECT_FALSE(grid.GetNodeState(1));
    EXPECT_FALSE(grid.GetNodeState(2));
}

TEST(ExGridNodes, TheParentOfARowIsFoundPastContractedSiblings) {
    SortGrid grid = TenRows();
    grid.AddNode(1, 8);
    grid.AddNode(2, 3); // rows 2..4 inside row 1's node
    grid.ContractNode(2);
    // On show: r1, r2 (contracted), r5, r6, r7, r8, r9, r10.
    struct Case {
        int Row, Parent;
    };
    const Case cases[] = {{3, 1}, {5, 1}, {2, 1}, {1, 1}, {7, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(grid.GetParentRow(c.Row), c.Parent) << c.Row;
}

TEST(ExGridNodes, ExpandOneClosesEveryOtherNodeButTheAncestors) {
    SortGrid grid = TenRows();
    grid.CellNode()->ExpandOne = true;
    grid.AddNode(1, 6);
    grid.AddNode(2, 2);
    grid.AddNode(4, 2);
    grid.AddNode(7, 3);
    grid.ContractNode(2);
    grid.ExpandNode(2);
    EXPECT_FALSE(grid.GetNodeState(1)); // holds row 2: stays open
    EXPECT_FALSE(grid.GetNodeState(2));
    EXPECT_TRUE(grid.GetNodeState(4));
    EXPECT_TRUE(grid.GetNodeState(grid.DisplRowIndex(7)));
}

TEST(ExGridNodes, ContractAllAndExpandAll) {
    SortGrid grid = TenRows();
    NestedNodes(grid);
    grid.AddNode(7, 3);
    grid.ContractAll();
    EXPECT_EQ(grid.Column(1), (SortTexts{"r1", "r7", "r10"}));
    EXPECT_TRUE(grid.GetNodeState(1));
    EXPECT_TRUE(grid.GetNodeState(2));
    grid.ExpandAll();
    EXPECT_EQ(grid.RowCount(), 11);
    for (int r : {1, 2, 7})
        EXPECT_FALSE(grid.GetNodeState(r)) << r;
}

TEST(ExGridNodes, RemovingANodeShowsItsRowsAndLowersTheirLevel) {
    SortGrid grid = TenRows();
    NestedNodes(grid);
    grid.ContractNode(2);
    grid.RemoveNode(2);
    EXPECT_EQ(grid.RowCount(), 11);
    EXPECT_FALSE(grid.IsNode(2));
    EXPECT_EQ(grid.GetRowIndent(3), grid.CellNode()->NodeIndent());
    grid.RemoveAllNodes();
    EXPECT_FALSE(grid.HasNodes());
    EXPECT_EQ(grid.GetRowIndent(3), 0);
}

TEST(ExGridNodes, AChildRowGrowsItsNodeAndTheNodesAboveIt) {
    SortGrid grid = TenRows();
    NestedNodes(grid);
    grid.InsertChildRow(3, 1); // after r3, inside both nodes
    EXPECT_EQ(grid.GetGridCell(1, 4), "");
    EXPECT_EQ(grid.GetNodeSpan(2), 4);
    EXPECT_EQ(grid.GetNodeSpan(1), 7);
    EXPECT_EQ(grid.GetRowIndent(4), 2 * grid.CellNode()->NodeIndent());
    grid.RemoveChildRow(4);
    EXPECT_EQ(grid.GetNodeSpan(2), 3);
    EXPECT_EQ(grid.GetNodeSpan(1), 6);
    EXPECT_EQ(grid.RowCount(), 11);
}

TEST(ExGridNodes, AClickHitsTheGlyphOnlyWithinItsLevelsIndent) {
    SortGrid grid = TenRows();
    NestedNodes(grid); // level 1 at row 1, level 2 at row 2; indent 12, XP glyphs
    struct Case {
        int Row, X;
        bool Hit;
    };
    const Case cases[] = {{1, 4, false},  {1, 5, true},  {1, 15, true}, {1, 16, false},
                          {2, 16, false}, {2, 17, true}, {2, 27, true}, {2, 28, false}};
    for (const Case& c : cases)
        EXPECT_EQ(grid.IsOnNodeGlyph(c.Row, c.X), c.Hit) << c.Row << " " << c.X;
    grid.MouseActions()->PreciseNodeClick = false;
    EXPECT_TRUE(grid.IsOnNodeGlyph(1, 200));
}

TEST(ExGridNodes, SpanTypesTellNodesInnerRowsAndLastRows) {
    SortGrid grid = TenRows();
    NestedNodes(grid);
    struct Case {
        int Row, Type;
    };
    // Row 4 ends the inner node (row 5 is on a lower level), row 6 the outer one.
    const Case cases[] = {{1, 0}, {2, 0}, {3, 2}, {4, 1}, {5, 2}, {6, 1}, {10, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(grid.GetNodeSpanType(c.Row), c.Type) << c.Row;
}

TEST(ExGridNodes, SortingGroupsSortsTheChildRowsOfEachNode) {
    SortGrid grid({{"g1", "c", "a", "b", "g2", "z", "y"}});
    grid.AddNode(1, 4);
    grid.AddNode(5, 3);
    grid.SortSettings()->Column = 1;
    grid.QSortGroup();
    EXPECT_EQ(grid.Column(1), (SortTexts{"g1", "a", "b", "c", "g2", "y", "z"}));
}

TEST(ExGridExpandCells, TheToggleSwitchesBetweenTwoHeights) {
    SortGrid grid = TenRows();
    EXPECT_EQ(grid.GetExpandHeight(1, 1, true), grid.DefaultRowHeight());
    EXPECT_FALSE(grid.ToggleExpand(1, 1));
    grid.AddExpand(1, 1, 80);
    EXPECT_FALSE(grid.GetExpandState(1, 1));
    EXPECT_TRUE(grid.ToggleExpand(1, 1));
    EXPECT_TRUE(grid.GetExpandState(1, 1));
    EXPECT_EQ(grid.GetExpandHeight(1, 1, true), 80);
    EXPECT_EQ(grid.GetExpandHeight(1, 1, false), grid.DefaultRowHeight());
    grid.RemoveExpand(1, 1);
    EXPECT_FALSE(grid.HasExpand(1, 1));
}

// --- grouping
// -------------------------------------------------------------------------------------

TEST(ExGridGroup, GroupsByValueWithAHeaderRowPerValue) {
    SortGrid grid({{"x", "y", "z"}, {"B", "A", "B"}});
    grid.Group(2);
    EXPECT_EQ(grid.GroupColumn(), 2);
    EXPECT_EQ(grid.ColCount(), 2); // the grouped column is out
    EXPECT_EQ(grid.Column(1), (SortTexts{"A", "y", "B", "x", "z"}));
    EXPECT_TRUE(grid.IsNode(1));
    EXPECT_EQ(grid.GetNodeSpan(1), 2);
    EXPECT_TRUE(grid.IsNode(3));
    EXPECT_EQ(grid.GetNodeSpan(3), 3);

    grid.UnGroup();
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_FALSE(grid.HasNodes());
    EXPECT_EQ(grid.Column(1), (SortTexts{"y", "x", "z"}));
    EXPECT_EQ(grid.Column(2), (SortTexts{"A", "B", "B"}));
}

TEST(ExGridGroup, ColumnsThatHoldNoGroupsAreRefused) {
    for (int column : {0, -1, 9}) {
        SortGrid grid({{"x", "y"}, {"B", "A"}});
        grid.Group(column);
        EXPECT_EQ(grid.GroupColumn(), -1) << column;
        EXPECT_EQ(grid.RowCount(), 3) << column;
    }
    SortGrid grid({{"x", "y"}, {"B", "A"}});
    grid.SetFixedCols(2);
    grid.Group(1);
    EXPECT_EQ(grid.GroupColumn(), -1);
    grid.SetGroupColumn(0);
    EXPECT_EQ(grid.GroupColumn(), -1);
}

TEST(ExGridGroup, SummaryRowsFollowEachGroupAndTakeTheCount) {
    SortGrid grid({{"x", "y", "z"}, {"B", "A", "B"}});
    grid.Grouping()->Summary = true;
    grid.Group(2);
    // A-header, y, summary, B-header, x, z, summary.
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_TRUE(grid.IsSummary(3));
    EXPECT_TRUE(grid.IsSummary(7));
    grid.GroupCount(1);
    EXPECT_EQ(grid.GetGridCell(1, 3), "1");
    EXPECT_EQ(grid.GetGridCell(1, 7), "2");
    grid.OnGroupCalc = [](TObject*, int, int FromRow, int ToRow, double& Res) {
        Res = FromRow * 100 + ToRow;
    };
    grid.GroupCustomCalc(1);
    EXPECT_DOUBLE_EQ(grid.Floats(1, 3), 202);
    EXPECT_DOUBLE_EQ(grid.Floats(1, 7), 506);

    grid.UnGroup();
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Column(2), (SortTexts{"A", "B", "B"}));
}

TEST(ExGridGroup, SubGroupsSplitTheGroupsAndComeOutAgain) {
    SortGrid grid({{"x", "x", "y", "z"}, {"A", "A", "A", "B"}, {"1", "2", "3", "4"}});
    grid.Group(2); // columns now: 0, the x/y/z column, the numbers
    const SortTexts grouped = grid.Column(1);
    grid.SubGroup(1);
    // A, [x], 1, 2, [y], 3, B, [z], 4: sub-headers show their value right of the column.
    EXPECT_EQ(grid.Column(2), (SortTexts{"", "x", "1", "2", "y", "3", "", "z", "4"}));
    EXPECT_EQ(grid.Column(1), (SortTexts{"A", "", "", "", "", "", "B", "", ""}));
    EXPECT_EQ(grid.GetNodeSpan(1), 6);
    EXPECT_EQ(grid.GetNodeSpan(2), 3);
    EXPECT_EQ(grid.GetNodeSpan(5), 2);
    EXPECT_EQ(grid.GetNodeSpan(7), 3);
    EXPECT_EQ(grid.GetRowIndent(3), 2 * grid.CellNode()->NodeIndent());

    grid.SubUnGroup();
    EXPECT_EQ(grid.Column(1), grouped);
    EXPECT_EQ(grid.GetNodeSpan(1), 4);
    grid.UnGroup();
    EXPECT_EQ(grid.Column(1), (SortTexts{"x", "x", "y", "z"}));
    EXPECT_EQ(grid.Column(2), (SortTexts{"A", "A", "A", "B"}));
    EXPECT_FALSE(grid.HasNodes());
}

} // namespace
