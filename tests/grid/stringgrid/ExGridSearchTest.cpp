// Find, replace and incremental search: the walk order, the match rules, the restrictions and
// what a replace writes.
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/ExGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr TPoint None{-1, -1};

// A grid that records the search's progress notifications.
class TFindGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    std::vector<std::string> Notes;
    void ExportNotification(TGridExportState State, int ARow) override {
        static const char* names[] = {"start", "row", "done", "sel", "fail", "next"};
        Notes.push_back(std::string(names[State]) + " " + std::to_string(ARow));
    }
};

// One fixed row and column; the rows below are the table's data rows.
class ExGridFind : public ::testing::Test {
protected:
    void Fill(const std::vector<std::vector<std::string>>& rows) {
        grid.SetColCount(static_cast<int>(rows[0].size()) + 1);
        grid.SetRowCount(static_cast<int>(rows.size()) + 1);
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                grid.SetCells(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
    }
    // Every cell that FindFirst and then FindNext visit, in order.
    std::vector<TPoint> FindAll(const std::string& s, TFindParams params) {
        std::vector<TPoint> found;
        for (TPoint p = grid.FindFirst(s, params); !(p == None) && found.size() < 50;
             p = grid.FindNext())
            found.push_back(p);
        return found;
    }

    TFindGrid grid{nullptr};
};

void ExpectSearchCells(const std::vector<TPoint>& actual, const std::vector<TPoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].X, expected[i].X) << "match " << i;
        EXPECT_EQ(actual[i].Y, expected[i].Y) << "match " << i;
    }
}

TEST_F(ExGridFind, WalkOrderOfEachDirection) {
    Fill({{"a1", "a2"}, {"a3", "a4"}});
    struct Case {
        const char* name;
        TFindParams params;
        std::vector<TPoint> order;
    };
    const Case cases[] = {
        {"column by column", {}, {{1, 1}, {1, 2}, {2, 1}, {2, 2}}},
        {"row by row", {fnDirectionLeftRight}, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}},
        {"column by column backward", {fnBackward}, {{2, 2}, {2, 1}, {1, 2}, {1, 1}}},
        {"row by row backward",
         {fnDirectionLeftRight, fnBackward},
         {{2, 2}, {1, 2}, {2, 1}, {1, 1}}},
        {"fixed cells too",
         {fnIncludeFixed, fnDirectionLeftRight},
         {{1, 1}, {2, 1}, {1, 2}, {2, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSearchCells(FindAll("A", c.params), c.order);
    }
}

TEST_F(ExGridFind, AfterTheLastMatchNothingIsFoundThenTheSearchStartsOver) {
    Fill({{"x", "-"}, {"-", "x"}});
    ASSERT_EQ(grid.FindFirst("x", {}), (TPoint{1, 1}));
    EXPECT_TRUE(grid.FindBusy);
    ASSERT_EQ(grid.FindNext(), (TPoint{2, 2}));
    EXPECT_EQ(grid.FindNext(), None);
    EXPECT_FALSE(grid.FindBusy);
    EXPECT_EQ(grid.FindNext(), (TPoint{1, 1}));
}

TEST_F(ExGridFind, MatchRules) {
    Fill({{"cab", "abc"}, {"ab", ""}, {"12", "AB"}});
    struct Case {
        const char* text;
        TFindParams params;
        std::vector<TPoint> found;
    };
    const Case cases[] = {
        {"ab", {}, {{1, 1}, {1, 2}, {2, 1}, {2, 3}}},
        {"ab", {fnMatchCase}, {{1, 1}, {1, 2}, {2, 1}}},
        {"ab", {fnMatchStart}, {{1, 2}, {2, 1}, {2, 3}}},
        {"ab", {fnMatchFull}, {{1, 2}, {2, 3}}},
        {"ab", {fnMatchFull, fnMatchCase}, {{1, 2}}},
        {"\"\"", {}, {{2, 2}}},
        {">10&<20", {fnMatchRegular}, {{1, 3}}},
        {"a*|1?", {fnMatchRegular}, {{1, 2}, {1, 3}, {2, 1}, {2, 3}}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectSearchCells(FindAll(c.text, c.params), c.found);
    }
}

TEST_F(ExGridFind, TagsAreIgnoredOnlyWhenAsked) {
    Fill({{"<b>bo</b>ld"}});
    EXPECT_EQ(grid.FindFirst("bold", {}), None);
    EXPECT_EQ(grid.FindFirst("bold", {fnIgnoreHTMLTags}), (TPoint{1, 1}));
}

TEST_F(ExGridFind, RestrictionsKeepToTheirRowOrColumn) {
    Fill({{"x", "x", "x"}, {"x", "x", "x"}, {"x", "x", "x"}});
    grid.SetCol(2);
    grid.SetRow(3);
    grid.FindCol = 3;
    grid.FindRow = 1;
    struct Case {
        const char* name;
        TFindParams params;
        std::vector<TPoint> found;
    };
    const Case cases[] = {
        {"current column", {fnFindInCurrentCol}, {{2, 1}, {2, 2}, {2, 3}}},
        {"current column, row by row",
         {fnFindInCurrentCol, fnDirectionLeftRight},
         {{2, 1}, {2, 2}, {2, 3}}},
        {"current row", {fnFindInCurrentRow}, {{1, 3}, {2, 3}, {3, 3}}},
        {"current row, row by row",
         {fnFindInCurrentRow, fnDirectionLeftRight},
         {{1, 3}, {2, 3}, {3, 3}}},
        {"preset column backward", {fnFindInPresetCol, fnBackward}, {{3, 3}, {3, 2}, {3, 1}}},
        {"preset row and column", {fnFindInPresetCol, fnFindInPresetRow}, {{3, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSearchCells(FindAll("x", c.params), c.found);
    }
}

TEST_F(ExGridFind, SelectionLimitsTheArea) {
    Fill({{"x", "x", "x"}, {"x", "x", "x"}, {"x", "x", "x"}});
    grid.SetSelection(TGridRect{2, 2, 3, 3});
    ExpectSearchCells(FindAll("x", {fnSelectedCells, fnDirectionLeftRight}),
                {{2, 2}, {3, 2}, {2, 3}, {3, 3}});
}

TEST_F(ExGridFind, IgnoredColumnIsSkippedRowByRowOnly) {
    Fill({{"x", "x"}});
    grid.IgnoreColumns()->Add(1);
    ExpectSearchCells(FindAll("x", {fnDirectionLeftRight}), {{2, 1}});
    ExpectSearchCells(FindAll("x", {}), {{1, 1}, {2, 1}});
}

TEST_F(ExGridFind, HiddenColumnsAndRowsAreSearchedOnlyWhenAsked) {
    Fill({{"a", "hidden col"}, {"hidden row", "b"}, {"c", "d"}});
    grid.HideColumn(2);
    grid.HideRow(2);
    EXPECT_EQ(grid.FindFirst("hidden", {}), None);
    EXPECT_EQ(grid.FindFirst("hidden", {fnIncludeHiddenColumns}), (TPoint{2, 1}));
    // Rows are real rows then.
    EXPECT_EQ(grid.FindFirst("hidden row", {fnIncludeHiddenRows}), (TPoint{1, 2}));
    EXPECT_EQ(grid.FindFirst("b", {fnIncludeHiddenRows, fnIncludeHiddenColumns}), (TPoint{2, 2}));
}

TEST_F(ExGridFind, AutoGotoMakesTheFoundCellCurrent) {
    Fill({{"a", "b"}, {"c", "d"}, {"e", "f"}});
    grid.HideRow(1);
    grid.FindFirst("f", {fnAutoGoto});
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);
    // A match in a hidden row leaves the current cell where it was.
    grid.FindFirst("a", {fnAutoGoto, fnIncludeHiddenRows});
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);
    // A match in a row on show moves to its display row.
    grid.FindFirst("c", {fnAutoGoto, fnIncludeHiddenRows});
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(ExGridFind, ProgressIsReportedPerTestedCell) {
    Fill({{"-", "x"}});
    grid.Find(None, "x", {});
    EXPECT_EQ(grid.Notes, (std::vector<std::string>{"start -1", "row 1", "row 1", "fail -1"}));
    grid.Notes.clear();
    grid.Find(None, "zz", {fnDirectionLeftRight});
    EXPECT_EQ(grid.Notes, (std::vector<std::string>{"start -1", "row 1", "row 1", "done -1"}));
}

TEST_F(ExGridFind, WideSearchMatchesWithoutCase) {
    Fill({{"grün", "GRÜN"}});
    EXPECT_EQ(grid.FindWide(None, u"ÜN", {fnDirectionLeftRight}), (TPoint{1, 1}));
    EXPECT_EQ(grid.FindWide(None, u"ÜN", {fnMatchCase}), (TPoint{2, 1}));
}

TEST_F(ExGridFind, MalformedConditionIsRefusedWithItsReason) {
    Fill({{"12"}});
    const std::pair<const char*, const char*> cases[] = {
        {"(>10", "a \"(\" is never closed"},
        {">10)", "a \")\" has no \"(\" to close"},
        {"\"abc", "a double quote is never closed"},
    };
    grid.FindFirst("12", {});
    for (const auto& [condition, reason] : cases) {
        SCOPED_TRACE(condition);
        try {
            grid.Find(None, condition, {fnMatchRegular});
            ADD_FAILURE() << "no exception";
        } catch (const ROvoVariRodev& e) {
            EXPECT_EQ(e.Message, std::string("Invalid search expression: ") + reason);
        }
        EXPECT_EQ(grid.SearchCell(), (TPoint{1, 1})) << "the last search stays";
        EXPECT_THROW(grid.Replace(condition, "-", {fnMatchRegular}), ROvoVariRodev);
        EXPECT_EQ(grid.Cells(1, 1), "12");
    }
    EXPECT_EQ(grid.Find(None, "(>10)", {fnMatchRegular}), (TPoint{1, 1}));
}

// --- replace ------------------------------------------------------------------------------------

TEST_F(ExGridFind, ReplaceWritesWhatTheSearchFound) {
    struct Case {
        const char* name;
        const char* orig;
        const char* replacement;
        TFindParams params;
        std::vector<std::string> before;
        std::vector<std::string> after;
        int changed;
    };
    const Case cases[] = {
        {"every occurrence, case ignored",
         "x",
         "xx",
         {},
         {"xX", "ax", "b"},
         {"xxxx", "axx", "b"},
         2},
        {"match case", "x", "y", {fnMatchCase}, {"xX", "X", "x"}, {"yX", "X", "y"}, 2},
        {"whole text", "ab", "z", {fnMatchFull}, {"ab", "abc", "AB"}, {"z", "abc", "z"}, 2},
        {"leading only", "ab", "z", {fnMatchStart}, {"abab", "cab", "ab"}, {"zab", "cab", "z"}, 2},
        {"condition", ">10", "big", {fnMatchRegular}, {"12", "9", "100"}, {"big", "9", "big"}, 2},
        {"empty cells", "\"\"", "-", {}, {"", "a", ""}, {"-", "a", "-"}, 2},
        {"outside tags",
         "b",
         "i",
         {fnIgnoreHTMLTags},
         {"<b>b</b>", "a", "b"},
         {"<b>i</b>", "a", "i"},
         2},
        {"multi-byte case", "ä", "ae", {}, {"Ärger", "ä", "a"}, {"aerger", "ae", "a"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::vector<std::string>> rows;
        for (const std::string& text : c.before)
            rows.push_back({text});
        Fill(rows);
        EXPECT_EQ(grid.Replace(c.orig, c.replacement, c.params), c.changed);
        for (size_t r = 0; r < c.after.size(); ++r)
            EXPECT_EQ(grid.Cells(1, static_cast<int>(r) + 1), c.after[r]) << "row " << r + 1;
    }
}

TEST_F(ExGridFind, ReplaceInOneColumnRowByRowEnds) {
    Fill({{"x", "x"}, {"x", "x"}});
    grid.SetCol(2);
    EXPECT_EQ(grid.Replace("x", "xx", {fnFindInCurrentCol, fnDirectionLeftRight}), 2);
    EXPECT_EQ(grid.Cells(1, 1), "x");
    EXPECT_EQ(grid.Cells(2, 1), "xx");
    EXPECT_EQ(grid.Cells(2, 2), "xx");
}

TEST_F(ExGridFind, ReplaceChangesTheStoredTextNotTheDisplayText) {
    Fill({{"5"}, {"7"}});
    grid.OnGetDisplText = [](TObject*, int, int ARow, std::string& Value) {
        if (ARow > 0)
            Value += " kg";
    };
    EXPECT_EQ(grid.Replace("5", "6", {}), 1);
    EXPECT_EQ(grid.GetGridCell(1, 1), "6");
    EXPECT_EQ(grid.Cells(1, 1), "6 kg");
    // Found in the display text only: nothing stored to change.
    EXPECT_EQ(grid.Replace("kg", "g", {}), 0);
    EXPECT_EQ(grid.GetGridCell(1, 2), "7");
}

TEST_F(ExGridFind, ReplaceReachesHiddenRowsWhenAsked) {
    Fill({{"x"}, {"x"}});
    grid.HideRow(1);
    EXPECT_EQ(grid.Replace("x", "y", {fnIncludeHiddenRows}), 2);
    grid.UnHideRowsAll();
    EXPECT_EQ(grid.Cells(1, 1), "y");
    EXPECT_EQ(grid.Cells(1, 2), "y");
}

// --- incremental search
// ---------------------------------------------------------------------------

TEST_F(ExGridFind, IncrementalSearchLooksAtTheStartOfTheFirstNormalColumn) {
    Fill({{"Beta", "Alpha"}, {"<b>Al</b>pha", "x"}, {"älter", "x"}});
    struct Case {
        const char* typed; // upper-cased, as the keyboard passes it
        int row;
    };
    const Case cases[] = {{"AL", 2}, {"ALP", 2}, {"B", 1}, {"ÄL", 3}, {"", 1}, {"X", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(grid.Search(c.typed), c.row);
    }
    grid.SetRowCount(1);
    EXPECT_EQ(grid.Search(""), -1);
}

} // namespace
