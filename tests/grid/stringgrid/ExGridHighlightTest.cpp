// Highlighting and error marks written into cell texts, and the cell checker run over ranges.
#include "grid/foundation/ExStringGridCheck.h"
#include "grid/stringgrid/ExGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Grid = TExStringGrid;

TEST(ExGridHighlightText, WrapsOccurrencesAndEncodesTheRest) {
    struct Case {
        bool doCase;
        const char* text;
        const char* pattern;
        const char* highlighted;
    };
    const Case cases[] = {
        {false, "xABCy", "Abc", "x<hi>ABC</hi>y"},
        {true, "xABCy", "Abc", "xABCy"},
        {false, "a<b", "b", "a&lt;<hi>b</hi>"},
        {false, "a&b \"c\"", "c", "a&amp;b &quot;<hi>c</hi>&quot;"},
        {false, "aaaa", "aa", "<hi>aaaa</hi>"},
        {false, "abab", "b", "a<hi>b</hi>a<hi>b</hi>"},
        {false, "Straße", "SSE", "Straße"},
        {false, "Größe", "össe", "Größe"},
        {false, "Größe", "ÖSS", "Größe"},
        {false, "GRÖSSE", "ö", "GR<hi>Ö</hi>SSE"},
        {false, "no match <here>", "zz", "no match <here>"},
        {false, "", "a", ""},
        {false, "abc", "", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Grid::HilightText(c.doCase, c.text, c.pattern), c.highlighted);
        EXPECT_EQ(Grid::UnHilightText(Grid::HilightText(c.doCase, c.text, c.pattern)), c.text);
    }
}

TEST(ExGridHighlightText, RemovingGivesBackTheExactText) {
    // Texts that a naive decode would change: entities typed as text, quotes, other mark-up.
    const char* texts[] = {"a<b>cx",   "&lt;x", "&amp;lt;x",  "&quot;x&quot;", "a &amp; bx",
                           "<b>x</b>", "x&",    "&&lt;&gt;x", "ä<x>ö"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const std::string once = Grid::HilightText(false, text, "x");
        EXPECT_NE(once, text);
        EXPECT_EQ(Grid::HilightText(false, once, "x"), once) << "highlighting twice";
        EXPECT_EQ(Grid::UnHilightText(once), text);
        EXPECT_EQ(Grid::UnMarkText(Grid::MarkText(false, text, "x")), text);
    }
}

TEST(ExGridHighlightText, TextWithoutTheTagIsNeverDecoded) {
    for (const char* text : {"a &lt; b", "&amp;", "plain"}) {
        EXPECT_EQ(Grid::UnHilightText(text), text);
        EXPECT_EQ(Grid::UnMarkText(text), text);
    }
}

TEST(ExGridHighlightText, HighlightsAndMarksLiveSideBySide) {
    const std::string marked = Grid::MarkText(false, "a<b", "a<");
    EXPECT_EQ(marked, "<e>a&lt;</e>b");
    const std::string both = Grid::HilightText(false, marked, "<b");
    EXPECT_EQ(both, "<e>a</e><e><hi>&lt;</hi></e><hi>b</hi>");
    EXPECT_EQ(Grid::UnHilightText(both), marked);
    EXPECT_EQ(Grid::UnMarkText(Grid::UnHilightText(both)), "a<b");
    // Removing what is not there leaves the text as it is.
    EXPECT_EQ(Grid::UnHilightText(marked), marked);
}

// Columns 0..3 with column 0 fixed, rows 0..3 with row 0 fixed; every cell holds "x<c,r>".
class ExGridHighlightCells : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetColCount(4);
        grid.SetRowCount(4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                grid.SetCells(c, r, Text(c, r));
    }
    static std::string Text(int c, int r) {
        return "x<" + std::to_string(c) + "," + std::to_string(r) + ">";
    }
    static std::string Lit(int c, int r) {
        return "<hi>x</hi>&lt;" + std::to_string(c) + "," + std::to_string(r) + "&gt;";
    }
    // Which cells hold a highlight, as "c,r" names, real columns included.
    std::vector<std::string> Lighted(const char* tag = "<hi>") const {
        std::vector<std::string> cells;
        for (int r = 0; r < grid.RowCount(); ++r)
            for (int c = 0; c < grid.TotalColCount(); ++c)
                if (grid.GetGridCell(c, r).find(tag) != std::string::npos)
                    cells.push_back(std::to_string(c) + "," + std::to_string(r));
        return cells;
    }

    TExStringGrid grid{nullptr};
};

TEST_F(ExGridHighlightCells, RangesOfEachOperation) {
    grid.HideColumn(3); // on show: 0..2; column 3 lies past them
    struct Case {
        const char* name;
        std::function<void()> action;
        std::vector<std::string> cells;
        const char* tag = "<hi>";
    };
    const Case cases[] = {
        {"cell", [&] { grid.HilightInCell(false, 2, 1, "x"); }, {"2,1"}},
        {"column", [&] { grid.HilightInCol(false, false, 1, "x"); }, {"1,1", "1,2", "1,3"}},
        {"column with fixed",
         [&] { grid.HilightInCol(true, false, 1, "x"); },
         {"1,0", "1,1", "1,2", "1,3"}},
        {"row", [&] { grid.HilightInRow(false, false, 2, "x"); }, {"1,2", "2,2"}},
        {"grid reaches the hidden column",
         [&] { grid.HilightInGrid(false, false, "x"); },
         {"1,1", "2,1", "3,1", "1,2", "2,2", "3,2", "1,3", "2,3", "3,3"}},
        {"marks of the grid stop at the columns on show",
         [&] { grid.MarkInGrid(false, false, "x"); },
         {"1,1", "2,1", "1,2", "2,2", "1,3", "2,3"},
         "<e>"},
        {"outside the grid", [&] { grid.HilightInCell(false, 9, -1, "x"); }, {}},
        {"column outside the grid", [&] { grid.HilightInCol(true, false, 99, "x"); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.action();
        EXPECT_EQ(Lighted(c.tag), c.cells);
        grid.UnHilightInGrid(true);
        grid.UnMarkInGrid(true);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                EXPECT_EQ(grid.GetGridCell(c, r), Text(c, r)) << c << "," << r;
    }
}

TEST_F(ExGridHighlightCells, RemovalRangesLeaveTheRestAlone) {
    grid.HilightInGrid(true, false, "x");
    grid.UnHilightInRow(false, 1);
    grid.UnHilightInCol(false, 2);
    grid.UnHilightInCell(3, 3);
    EXPECT_EQ(Lighted(), (std::vector<std::string>{"0,0", "1,0", "2,0", "3,0", "0,1", "0,2", "1,2",
                                                   "3,2", "0,3", "1,3"}));
    EXPECT_EQ(grid.GetGridCell(1, 2), Lit(1, 2));
    EXPECT_EQ(grid.GetGridCell(1, 1), Text(1, 1));
}

TEST_F(ExGridHighlightCells, TheStoredTextIsMarkedNotTheDisplayText) {
    grid.OnGetDisplText = [](TObject*, int, int, std::string& Value) { Value += " kg"; };
    grid.HilightInCell(false, 1, 1, "kg");
    EXPECT_EQ(grid.GetGridCell(1, 1), Text(1, 1));
    grid.HilightInCell(false, 1, 1, "x");
    grid.UnHilightInCell(1, 1);
    EXPECT_EQ(grid.GetGridCell(1, 1), Text(1, 1));
}

// A checker that corrects "teh" and marks "wrng", counting its runs.
class TSpellCheck : public TExStringGridCheck {
public:
    using TExStringGridCheck::TExStringGridCheck;
    std::string Correct(int, int, const std::string& s) override {
        std::string t = s;
        for (size_t at = t.find("teh"); at != std::string::npos; at = t.find("teh"))
            t.replace(at, 3, "the");
        return t;
    }
    std::string MarkError(int, int, const std::string& s) override {
        return TExStringGrid::MarkText(true, s, "wrng");
    }
    void StartCheck() override { ++Starts; }
    void StopCheck() override { ++Stops; }
    int Starts = 0;
    int Stops = 0;
};

TEST_F(ExGridHighlightCells, WithoutCheckerNothingChanges) {
    EXPECT_TRUE(grid.CheckGrid(true));
    EXPECT_TRUE(grid.CheckCell(1, 1));
    EXPECT_EQ(grid.GetGridCell(1, 1), Text(1, 1));
}

TEST_F(ExGridHighlightCells, CheckerCorrectsAndMarks) {
    TSpellCheck checker(nullptr);
    checker.UseCorrect = true;
    checker.UseMarkError = true;
    grid.CellChecker = &checker;
    grid.SetCells(1, 1, "teh wrng <word>");
    grid.SetCells(2, 2, "fine");
    EXPECT_FALSE(grid.CheckCell(1, 1));
    EXPECT_EQ(grid.GetGridCell(1, 1), "the <e>wrng</e> &lt;word&gt;");
    // Checked again: the old mark goes first, so the text is found unchanged.
    EXPECT_FALSE(grid.CheckCell(1, 1));
    EXPECT_EQ(grid.GetGridCell(1, 1), "the <e>wrng</e> &lt;word&gt;");
    EXPECT_TRUE(grid.CheckCell(2, 2));
    EXPECT_EQ(grid.GetGridCell(2, 2), "fine");
    checker.UseMarkError = false;
    EXPECT_TRUE(grid.CheckCell(1, 1)) << "the corrected text needs no correction";
    EXPECT_EQ(grid.GetGridCell(1, 1), "the wrng <word>");
    grid.CellChecker = nullptr;
}

TEST_F(ExGridHighlightCells, CheckRangesTestEveryCellAndComeBackToTheCurrentCell) {
    TSpellCheck checker(nullptr);
    checker.UseCorrect = true;
    checker.GotoCell = true;
    grid.CellChecker = &checker;
    grid.SetCells(1, 1, "teh");
    grid.SetCells(2, 3, "teh");
    grid.SetCells(0, 2, "teh");
    grid.SetCol(2);
    grid.SetRow(2);
    EXPECT_FALSE(grid.CheckGrid(false));
    EXPECT_EQ(grid.GetGridCell(1, 1), "the");
    EXPECT_EQ(grid.GetGridCell(2, 3), "the");
    EXPECT_EQ(grid.GetGridCell(0, 2), "teh") << "fixed cells are left out";
    EXPECT_EQ(checker.Starts, 1);
    EXPECT_EQ(checker.Stops, 1);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_FALSE(grid.CheckRow(true, 2));
    EXPECT_EQ(grid.GetGridCell(0, 2), "the");
    EXPECT_TRUE(grid.CheckCol(true, 1));
    EXPECT_TRUE(grid.CheckCells(-5, -5, 50, 50)) << "clipped to the grid";
    grid.CellChecker = nullptr;
}

} // namespace
