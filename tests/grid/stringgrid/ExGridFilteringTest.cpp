// Filtering: conditions decide which normal rows stay on show; rows that fail leave as one
// filter level, levels stack and come off newest first; the drop-down's value list and its
// choices become column conditions.
#include "ExGridTestGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/FilterCondition.h"
#include "grid/stringgrid/Filter.h"
#include "grid/stringgrid/FilterDropDown.h"
#include "platform/core/Exception.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Plain rows only: the test grid's node and summary rows are for grouping tests, and filtering
// passes such rows over.
class TFilterTestGrid : public TTestExGrid {
public:
    using TTestExGrid::TTestExGrid;
    bool IsNode(int) override { return false; }
    bool IsSummary(int) override { return false; }
};

// One fixed row (headers) and a fixed column of row numbers; column 1 holds the cities, column
// 2 a code with blanks around it.
class ExGridFiltering : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetColCount(3);
        Fill({"Berlin", "berlin", "New York", "Bern", "Paris", "Rome"});
    }
    void Fill(const std::vector<std::string>& cities) {
        grid.SetRowCount(static_cast<int>(cities.size()) + 1);
        grid.SetCells(1, 0, "City");
        for (size_t i = 0; i < cities.size(); ++i) {
            const int r = static_cast<int>(i) + 1;
            grid.SetCells(0, r, std::to_string(r));
            grid.SetCells(1, r, cities[i]);
            grid.SetCells(2, r, "  c" + std::to_string(r) + " ");
        }
    }
    // Column 1 of the rows on show below the fixed row.
    std::vector<std::string> Shown() const {
        std::vector<std::string> cities;
        for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
            cities.push_back(grid.Cells(1, r));
        return cities;
    }
    TFilterData* AddCondition(int column, const std::string& condition) {
        TFilterData* item = grid.Filter()->Add();
        item->Column = static_cast<int16_t>(column);
        item->Condition = condition;
        return item;
    }

    TFilterTestGrid grid{nullptr};
};

using Cities = std::vector<std::string>;

TEST_F(ExGridFiltering, MatchFilterReadsTheTextEachConditionNames) {
    grid.SetCells(1, 1, "<b>Berlin</b>");
    grid.SetCells(2, 1, "$12 EUR");
    struct Case {
        const char* Name;
        int Column;
        TFilterCells Data;
        const char* Condition;
        const char* Prefix;
        const char* Suffix;
        TFilterMethod Method;
        bool Expected;
    };
    const Case cases[] = {
        {"stored text keeps the mark-up", 1, fcNormal, "<b>*", "", "", fmExpression, true},
        {"stripped text has none", 1, fcStripHTML, "Berlin", "", "", fmExpression, true},
        {"prefix and suffix come off", 2, fcNormal, "12", "$", " EUR", fmExpression, true},
        {"a suffix inside the text stays", 2, fcNormal, "12", "$", "1", fmExpression, false},
        {"literal is exact", 2, fcNormal, "$12 EUR", "", "", fmLiteral, true},
        {"literal is not a pattern", 2, fcNormal, "$12*", "", "", fmLiteral, false},
        {"whole row, any case", -1, fcRow, "berlin</B>", "", "", fmExpression, true},
        {"empty condition accepts", 1, fcNormal, "", "", "", fmExpression, true},
        {"column outside the grid", 9, fcNormal, "x", "", "", fmExpression, false},
        {"unclosed group matches nothing", 1, fcStripHTML, "(Berlin", "", "", fmExpression, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        grid.Filter()->Clear();
        TFilterData* item = AddCondition(c.Column, c.Condition);
        item->Data = c.Data;
        item->Prefix = c.Prefix;
        item->Suffix = c.Suffix;
        item->Method = c.Method;
        EXPECT_EQ(grid.MatchFilter(1), c.Expected);
    }
}

TEST_F(ExGridFiltering, WideCellTextsAreUnpackedBeforeMatching) {
    grid.SetCells(1, 1, PackWideText(u"Gr\u00FC\u00DFe"));
    AddCondition(1, "Gr\u00FC*");
    EXPECT_TRUE(grid.MatchFilter(1));
    EXPECT_FALSE(grid.MatchFilter(2));
}

TEST_F(ExGridFiltering, CellTextsAreTrimmedBeforeMatching) {
    AddCondition(2, "c3");
    EXPECT_TRUE(grid.MatchFilter(3));
    EXPECT_FALSE(grid.MatchFilter(4));
}

TEST_F(ExGridFiltering, OperationsJoinResultsLeftToRight) {
    struct Case {
        TFilterOperation Second;
        bool FirstMatches;
        bool SecondMatches;
        bool Expected;
    };
    const Case cases[] = {
        {foAND, true, false, false}, {foAND, true, true, true},    {foOR, false, true, true},
        {foOR, false, false, false}, {foXOR, true, true, false},   {foXOR, false, true, true},
        {foNONE, false, true, true}, {foNONE, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Second) + std::to_string(c.FirstMatches) +
                     std::to_string(c.SecondMatches));
        grid.Filter()->Clear();
        AddCondition(1, c.FirstMatches ? "Paris" : "Rome");
        AddCondition(2, c.SecondMatches ? "c5" : "c1")->Operation = c.Second;
        EXPECT_EQ(grid.MatchFilter(5), c.Expected); // row 5: Paris, c5
    }
}

// A grid counting the calculated-text reads, to see which conditions are evaluated.
class TCountingGrid : public TTestExGrid {
public:
    using TTestExGrid::TTestExGrid;
    int Reads = 0;
    void GetCalculatedCell(int ACol, int ARow, std::string& S) override {
        ++Reads;
        TTestExGrid::GetCalculatedCell(ACol, ARow, S);
    }
};

TEST(ExGridFilteringShort, AFailingShortConditionEndsTheEvaluation) {
    TCountingGrid grid(nullptr);
    grid.SetCells(1, 1, "a");
    for (const char* condition : {"b", "a", "a"}) {
        TFilterData* item = grid.Filter()->Insert(grid.Filter()->Count());
        item->Column = 1;
        item->Condition = condition;
        item->Data = fcCalculated;
    }
    EXPECT_EQ(grid.Filter()->Items(0)->Operation, foSHORT);
    EXPECT_FALSE(grid.MatchFilter(1));
    EXPECT_EQ(grid.Reads, 1);
}

TEST_F(ExGridFiltering, CustomFilterHasTheLastWord) {
    AddCondition(1, "Paris");
    grid.OnCustomFilter = [](TObject*, int ARow, bool& Accept) { Accept = Accept || ARow == 6; };
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(), (Cities{"Paris", "Rome"}));
}

TEST_F(ExGridFiltering, SwitchingOnHidesFailingRowsAndOffBringsThemBack) {
    AddCondition(1, "Ber*");
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(), (Cities{"Berlin", "Bern"}));
    EXPECT_EQ(grid.FilterLevel(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Cells(1, 0), "City");
    grid.SetFilterActive(false);
    EXPECT_EQ(Shown(), (Cities{"Berlin", "berlin", "New York", "Bern", "Paris", "Rome"}));
}

TEST_F(ExGridFiltering, NoConditionStillAddsALevel) {
    grid.SetFilterActive(true);
    EXPECT_EQ(grid.FilterLevel(), 1);
    EXPECT_EQ(Shown().size(), 6u);
}

TEST_F(ExGridFiltering, NoMatchingRowKeepsTheFixedRow) {
    grid.SetFixedRowAlways(true);
    AddCondition(1, "Madrid");
    grid.SetFilterActive(true);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(1, 0), "City");
    grid.SetFilterActive(false);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.FixedRows(), 1);
}

TEST_F(ExGridFiltering, ProgressRisesToAHundred) {
    std::vector<int> progress;
    grid.OnFilterProgress = [&](TObject*, int16_t p) { progress.push_back(p); };
    grid.ApplyFilter();
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(ExGridFiltering, LevelsComeOffNewestFirst) {
    AddCondition(1, "*r*");
    grid.ApplyFilter(); // Berlin berlin New York Bern Paris
    grid.Filter()->Clear();
    AddCondition(1, "B*");
    grid.ApplyFilter(); // Berlin Bern (case-sensitive)
    EXPECT_EQ(Shown(), (Cities{"Berlin", "Bern"}));
    EXPECT_EQ(grid.FilterLevel(), 2);
    EXPECT_FALSE(grid.RemoveLastFilter()); // one level remains
    EXPECT_EQ(Shown(), (Cities{"Berlin", "berlin", "New York", "Bern", "Paris"}));
    EXPECT_FALSE(grid.RemoveLastFilter());
    EXPECT_EQ(Shown().size(), 6u);
    EXPECT_FALSE(grid.RemoveLastFilter()); // nothing applied: nothing done
    EXPECT_EQ(grid.FilterLevel(), 0);
}

TEST_F(ExGridFiltering, RemoveAllFiltersShowsEverythingOrClearsConditions) {
    AddCondition(1, "Rome");
    grid.ApplyFilter();
    grid.ApplyFilter();
    grid.RemoveAllFilters();
    EXPECT_EQ(grid.FilterLevel(), 0);
    EXPECT_EQ(Shown().size(), 6u);
    EXPECT_EQ(grid.Filter()->Count(), 1); // levels came off, the condition stays
    grid.RemoveAllFilters();
    EXPECT_EQ(grid.Filter()->Count(), 0);
}

TEST_F(ExGridFiltering, FilterActiveReportsOffOnceEveryLevelIsRemoved) {
    AddCondition(1, "B*");
    grid.SetFilterActive(true);
    grid.RemoveAllFilters();
    EXPECT_FALSE(grid.FilterActive());
    grid.SetFilterActive(true); // switching on again filters again
    EXPECT_EQ(Shown(), (Cities{"Berlin", "Bern"}));
}

TEST_F(ExGridFiltering, NarrowDownStacksALevelPerTypedCharacter) {
    struct Step {
        const char* Text;
        int Levels;
        Cities Expected;
    };
    const Step steps[] = {
        {"e", 1, {"Berlin", "berlin", "New York", "Bern", "Rome"}},
        {"er", 2, {"Berlin", "berlin", "Bern"}},
        {"erl", 3, {"Berlin", "berlin"}},
        {"er", 2, {"Berlin", "berlin", "Bern"}},
        {"o", 1, {"New York", "Rome"}},
        {"", 0, {"Berlin", "berlin", "New York", "Bern", "Paris", "Rome"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Text);
        grid.NarrowDown(step.Text, 1);
        EXPECT_EQ(grid.FilterLevel(), step.Levels);
        EXPECT_EQ(Shown(), step.Expected);
    }
    EXPECT_TRUE(grid.FixedRowAlways());
}

TEST_F(ExGridFiltering, NarrowDownWideningAfterAPastedTextKeepsItsFilter) {
    grid.NarrowDown("erl", 1); // pasted at once: one level
    grid.NarrowDown("er", 1);
    EXPECT_EQ(Shown(), (Cities{"Berlin", "berlin", "Bern"}));
}

TEST_F(ExGridFiltering, NarrowDownFindsTheTypedTextWithBlanksAndSearchesWholeRows) {
    grid.NarrowDown("w Y", 1);
    EXPECT_EQ(grid.Filter()->Items(0)->Condition, "w Y");
    EXPECT_EQ(grid.Filter()->Items(0)->Method, fmContains);
    EXPECT_EQ(Shown(), (Cities{"New York"}));
    grid.NarrowDown("C5", -1); // any column, any case
    EXPECT_EQ(grid.Filter()->Items(0)->Data, fcRow);
    EXPECT_EQ(Shown(), (Cities{"Paris"}));
}

TEST_F(ExGridFiltering, NarrowDownWithEmptyTextEmptiesTheHiddenRowStore) {
    grid.HideRow(6);
    grid.NarrowDown("B", 1);
    grid.NarrowDown("", 1);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_EQ(Shown().size(), 6u);
}

TEST_F(ExGridFiltering, ValueListHoldsEachTextOnceSortedAfterTheClearEntry) {
    grid.SetFilterDropDownAuto(true);
    grid.SetCells(1, 5, "a=b");
    grid.HideRow(6); // Rome, hidden: still a value unless the list is incremental
    ASSERT_TRUE(grid.GetColumnFilter(1));
    std::vector<std::string> entries(grid.FilterList()->begin(), grid.FilterList()->end());
    EXPECT_EQ(entries, (std::vector<std::string>{"(All)", "a=b", "Berlin", "Bern",
                                                 "New York=\"New York\"", "Rome"}));
    std::string name;
    std::string condition;
    grid.FilterListEntry(4, name, condition);
    EXPECT_EQ(name, "New York");
    EXPECT_EQ(condition, "\"New York\"");
    grid.FilterListEntry(1, name, condition); // a value holding "=" is one whole value
    EXPECT_EQ(name, "a=b");
    EXPECT_EQ(condition, "a=b");

    grid.FilterIncremental = true;
    grid.GetColumnFilter(1);
    EXPECT_EQ(grid.FilterList()->IndexOf("Rome"), -1);
}

TEST_F(ExGridFiltering, ValueListIsEmptyWithoutAutoFillUnlessTheEventFillsIt) {
    EXPECT_FALSE(grid.GetColumnFilter(1));
    grid.OnGetColumnFilter = [](TObject*, int Column, TStringList* List) {
        List->Add("Capitals=Berlin|Paris|Rome");
        EXPECT_EQ(Column, 1);
    };
    EXPECT_TRUE(grid.GetColumnFilter(1));
    grid.SetFilterDropDownAuto(true);
    grid.OnGetColumnFilter = nullptr;
    EXPECT_FALSE(grid.GetColumnFilter(0)) << "fixed columns have no values";
    grid.FilterDropDownColumns = fdAll;
    EXPECT_TRUE(grid.GetColumnFilter(0));
}

TEST_F(ExGridFiltering, ChoosingAValueFiltersItsColumnAndTheClearEntryUndoesIt) {
    grid.SetFilterDropDownAuto(true);
    int done = 0;
    grid.OnFilterDone = [&](TObject*) { ++done; };
    AddCondition(2, "c?"); // another column's condition: rows 1..6 have it
    grid.SetFilterColumn(1);
    grid.FilterSelect(3); // (All) Berlin Bern New York ...
    EXPECT_EQ(Shown(), (Cities{"New York"}));
    EXPECT_EQ(grid.FilterColumn(), -1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(done, 1);

    grid.SetFilterColumn(1);
    grid.FilterSelect(0); // (All)
    EXPECT_FALSE(grid.Filter()->HasFilter(1));
    EXPECT_TRUE(grid.Filter()->HasFilter(2));
    EXPECT_TRUE(grid.FilterActive());
    EXPECT_EQ(Shown().size(), 6u);
}

// A value picked from the list is the cell text itself, not a condition; the empty text picks
// the empty cells.
TEST_F(ExGridFiltering, ChoosingAValueMatchesItLiterally) {
    const std::vector<std::string> values = {"a&b", "a|b", "x*", "!q", "", "xy", "a", "q"};
    Fill(values);
    grid.SetFilterDropDownAuto(true);
    for (const std::string& value : {"a&b", "a|b", "x*", "!q", ""}) {
        SCOPED_TRACE(value);
        grid.SetFilterActive(false);
        grid.Filter()->Clear();
        grid.GetColumnFilter(1);
        const int index = grid.FilterList()->IndexOf(value);
        ASSERT_GE(index, 0);
        grid.SetFilterColumn(1);
        grid.FilterSelect(index);
        EXPECT_EQ(Shown(), (Cities{value}));
    }
}

// Typed text is found as it is, with the grid's one case rule.
TEST_F(ExGridFiltering, NarrowDownFindsConditionCharactersAndFoldsCase) {
    Fill({"a&b", "a|b", "x*y", "STRASSE", "Iğdır", "other"});
    const struct {
        const char* Typed;
        Cities Expected;
    } steps[] = {{"&", {"a&b"}},
                 {"|", {"a|b"}},
                 {"*", {"x*y"}},
                 {"straße", {"STRASSE"}},
                 {"IĞDIR", {"Iğdır"}}};
    for (const auto& step : steps) {
        grid.NarrowDown("", 1);
        grid.NarrowDown(step.Typed, 1);
        EXPECT_EQ(Shown(), step.Expected) << step.Typed;
    }
}

TEST_F(ExGridFiltering, ChoiceOutsideTheListOrWithoutColumnOnlyClosesTheDropDown) {
    grid.SetFilterDropDownAuto(true);
    for (auto [column, index] : {std::pair{1, 99}, {1, -1}, {-1, 1}, {7, 1}}) {
        grid.SetFilterColumn(column);
        grid.FilterSelect(index);
        EXPECT_EQ(grid.FilterColumn(), -1);
        EXPECT_EQ(grid.Filter()->Count(), 0);
        EXPECT_FALSE(grid.FilterActive());
    }
}

TEST_F(ExGridFiltering, SelectedConditionCanBeChangedByTheEvent) {
    grid.SetFilterDropDownAuto(true);
    grid.OnFilterSelect = [](TObject*, int, int, const std::string& Name, std::string& Cond) {
        EXPECT_EQ(Name, "Bern");
        Cond = "Ber*";
    };
    grid.SetFilterColumn(1);
    grid.FilterSelect(2);
    EXPECT_EQ(Shown(), (Cities{"Berlin", "Bern"}));
}

TEST_F(ExGridFiltering, CheckedValuesAreAlternativesBesideOtherColumnsConditions) {
    grid.SetFilterDropDownAuto(true);
    AddCondition(2, "c1|c3|c5"); // Berlin, New York, Paris
    grid.SetFilterColumn(1);
    grid.GetColumnFilter(1); // (All) Berlin Bern New York Paris Rome
    grid.FilterCheckMarks = {false, true, false, true, false, true};
    std::vector<std::string> told;
    grid.OnFilterCheck = [&](TObject*, int Col, int, const std::string& Name, std::string&,
                             const std::vector<bool>&) {
        EXPECT_EQ(Col, 1);
        told.push_back(Name);
    };
    grid.FilterCheck();
    EXPECT_EQ(told, (std::vector<std::string>{"Berlin", "New York", "Rome"}));
    EXPECT_TRUE(grid.Filter()->HasFilter(2));
    EXPECT_EQ(Shown(), (Cities{"Berlin", "New York"}));
    EXPECT_EQ(grid.FilterColumn(), 1) << "the check list stays open";

    grid.FilterCheckMarks = {true, true, false, false, false, false}; // (All) ticked
    grid.FilterCheck();
    EXPECT_FALSE(grid.Filter()->HasFilter(1));
    EXPECT_EQ(Shown(), (Cities{"Berlin", "New York", "Paris"}));
}

TEST_F(ExGridFiltering, FilterButtonsStayInTheFixedRows) {
    grid.SetFixedRows(2);
    grid.SetFilterDropDownRow(1);
    EXPECT_EQ(grid.FilterDropDownRow(), 1);
    for (int ignored : {2, -1}) {
        grid.SetFilterDropDownRow(ignored);
        EXPECT_EQ(grid.FilterDropDownRow(), 1);
    }
}

TEST(Filter, AddInsertAndColumnConditions) {
    TFilter filter;
    EXPECT_EQ(filter.Add()->Operation, foNONE);
    EXPECT_EQ(filter.Add()->Operation, foAND);
    filter.Items(1)->Column = 4;
    TFilterData* inserted = filter.Insert(1);
    EXPECT_EQ(inserted->Operation, foSHORT);
    EXPECT_EQ(filter.Items(1), inserted);
    EXPECT_EQ(filter.Items(2)->Column, 4);
    EXPECT_EQ(filter.ColumnFilter(4), filter.Items(2));
    EXPECT_FALSE(filter.HasFilter(7));
    TFilterData* created = filter.ColumnFilter(7);
    EXPECT_EQ(created->Column, 7);
    EXPECT_EQ(created->Operation, foAND);
    filter.Insert(0)->Column = 4;
    filter.RemoveColumnFilter(4);
    EXPECT_EQ(filter.Count(), 3);
    EXPECT_FALSE(filter.HasFilter(4));
    EXPECT_EQ(filter.Items(3), nullptr);
}

TEST(Filter, AssignCopiesEveryConditionSetting) {
    TFilter source;
    TFilterData* item = source.Add();
    item->Column = 3;
    item->Condition = "x*";
    item->CaseSensitive = false;
    item->Prefix = "$";
    item->Suffix = "%";
    item->Data = fcStripHTML;
    item->Method = fmLiteral;
    TFilter copy;
    copy.Add();
    copy.Add();
    copy.Assign(&source);
    ASSERT_EQ(copy.Count(), 1);
    const TFilterData& c = *copy.Items(0);
    EXPECT_EQ(c.Column, 3);
    EXPECT_EQ(c.Condition, "x*");
    EXPECT_FALSE(c.CaseSensitive);
    EXPECT_EQ(c.Prefix, "$");
    EXPECT_EQ(c.Suffix, "%");
    EXPECT_EQ(c.Operation, foNONE);
    EXPECT_EQ(c.Data, fcStripHTML);
    EXPECT_EQ(c.Method, fmLiteral);
    TFilterData data;
    data.Assign(nullptr); // nothing
    EXPECT_THROW(data.Assign(&source), Exception);
}

TEST(PreparedCondition, AnswersAsTheConditionMatcherDoes) {
    const char* conditions[] = {
        "Item *7*", "*",  "",    "   ", "=Bern", "B?rn",    "b*N", "*e*e*", "a b", "?",    "**x",
        "x*",       ">5", "!a*", "a|b", "(a)",   "\"a b\"", "Bé*", "a\tb",  "=",   "*?*?",
    };
    const char* values[] = {
        "Item 17", "Item 12", "",   "Bern", "bern", "Béla", "Bärn", "ab",
        "a b",     "x",       "xx", "6",    "4",    "a",    "eee",  "B\xFFrn",
    };
    for (const char* condition : conditions)
        for (bool caseSensitive : {true, false}) {
            const TPreparedCondition prepared(condition, caseSensitive);
            for (const char* value : values) {
                SCOPED_TRACE(std::string(condition) + " | " + value + " | " +
                             (caseSensitive ? "case" : "no case"));
                EXPECT_EQ(prepared.Matches(value),
                          MatchFilterCondition(condition, value, caseSensitive));
            }
        }
}

TEST(FilterDropDown, AssignCopiesTheLookButAutoSizeAndGlyphChangesAreTold) {
    TFilterDropDown source;
    source.AutoSize = true;
    source.Height = 90;
    source.Width = 120;
    source.Color = clRed;
    source.ColumnWidth = true;
    source.Font()->SetName("Arial");
    TBitmap glyph(7, 5);
    source.SetGlyph(&glyph);
    TFilterDropDown copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_FALSE(copy.AutoSize);
    EXPECT_EQ(copy.Height, 90);
    EXPECT_EQ(copy.Width, 120);
    EXPECT_EQ(copy.Color, clRed);
    EXPECT_TRUE(copy.ColumnWidth);
    EXPECT_EQ(copy.Font()->Name(), "Arial");
    EXPECT_EQ(copy.Glyph()->Width(), 7);
    EXPECT_EQ(changes, 2); // both glyphs
}

} // namespace
