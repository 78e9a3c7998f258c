// Sorting the rows: comparison styles, stability, tie-breaks, blanks, what moves with a row,
// the way back to the unsorted order and the indexed sort.
#include "ExGridSortingTestGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SortIndexList.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "platform/core/FloatConversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

// Column 1 sorted with the style a format hook gives; the expected texts top to bottom.
struct SortStyleCase {
    const char* Name;
    TSortStyle Style;
    std::string Prefix;
    TSortDirection Direction;
    SortTexts Cells;
    SortTexts Expected;
};

void SortColumnOne(SortGrid& grid, const SortStyleCase& c) {
    grid.OnGetFormat = [&](TObject*, int, TSortStyle& AStyle, std::string& APrefix, std::string&) {
        AStyle = c.Style;
        APrefix = c.Prefix;
    };
    grid.Sort(1, c.Direction);
}

TEST(ExGridSortStyles, EachStyleOrdersTheColumnByItsRule) {
    const ScopedFormat format{TFormatSettings{}}; // "/" dates, ":" times, "." decimals
    const SortStyleCase cases[] = {
        {"automatic numbers",
         ssAutomatic,
         "",
         sdAscending,
         {"10", "9", "100", "-1"},
         {"-1", "9", "10", "100"}},
        {"automatic texts after numbers",
         ssAutomatic,
         "",
         sdAscending,
         {"b", "10", "a", "9"},
         {"9", "10", "a", "b"}},
        {"automatic descending",
         ssAutomatic,
         "",
         sdDescending,
         {"b", "10", "a", "9"},
         {"b", "a", "10", "9"}},
        {"automatic dates",
         ssAutomatic,
         "",
         sdAscending,
         {"3/4/2021", "1/2/2020", "12/1/2020"},
         {"1/2/2020", "12/1/2020", "3/4/2021"}},
        {"automatic times",
         ssAutomatic,
         "",
         sdAscending,
         {"10:30", "09:15", "9:20"},
         {"09:15", "9:20", "10:30"}},
        {"alphabetic is ordinal", ssAlphabetic, "", sdAscending, {"b", "B", "a"}, {"B", "a", "b"}},
        {"no case keeps equal texts in order",
         ssAlphaNoCase,
         "",
         sdAscending,
         {"b", "B", "a", "A"},
         {"a", "A", "b", "B"}},
        {"numeric with a prefix",
         ssNumeric,
         "$",
         sdAscending,
         {"$10", "$9", "$100"},
         {"$9", "$10", "$100"}},
        {"numeric: no number after the numbers",
         ssNumeric,
         "",
         sdAscending,
         {"x", "5", "y", "1"},
         {"1", "5", "x", "y"}},
        {"numeric descending: no number first",
         ssNumeric,
         "",
         sdDescending,
         {"x", "5", "y", "1"},
         {"x", "y", "5", "1"}},
        {"numeric: an empty cell is 0",
         ssNumeric,
         "",
         sdAscending,
         {"3", "", "-2"},
         {"-2", "", "3"}},
        {"html tags do not count",
         ssHTML,
         "",
         sdAscending,
         {"<b>z</b>", "a", "<i>m</i>"},
         {"a", "<i>m</i>", "<b>z</b>"}},
        {"day first dates",
         ssShortDateEU,
         "",
         sdAscending,
         {"01/02/2020", "02/01/2020"},
         {"02/01/2020", "01/02/2020"}},
        {"month first dates",
         ssShortDateUS,
         "",
         sdAscending,
         {"02/01/2020", "01/02/2020"},
         {"01/02/2020", "02/01/2020"}},
        {"alphanumeric",
         ssAlphaNumeric,
         "",
         sdAscending,
         {"10", "9", "b", "a"},
         {"9", "10", "a", "b"}},
        // Without case the sharp s is "SS", as the find and the filter take it.
        {"collation without case folds as the find does",
         ssAnsiAlphaNoCase,
         "",
         sdAscending,
         {"strassez", "STRAßEA", "Straßeb"},
         {"STRAßEA", "Straßeb", "strassez"}},
    };
    for (const SortStyleCase& c : cases) {
        SortGrid grid({c.Cells});
        SortColumnOne(grid, c);
        EXPECT_EQ(grid.Column(1), c.Expected) << c.Name;
    }
}

TEST(ExGridSortStyles, LocaleSeparatorsTakePartInNumbers) {
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    settings.ThousandSeparator = ".";
    const ScopedFormat format(settings);
    const SortStyleCase cases[] = {
        {"financial",
         ssFinancial,
         "",
         sdAscending,
         {"1.234,5", "999", "-1.000"},
         {"-1.000", "999", "1.234,5"}},
        // 1,5 equals 1.5 once converted: the two keep their order both ways.
        {"decimal comma",
         ssNumeric,
         "",
         sdAscending,
         {"2", "1,5", "1.5", "1"},
         {"1", "1,5", "1.5", "2"}},
        {"decimal comma descending",
         ssNumeric,
         "",
         sdDescending,
         {"2", "1,5", "1.5", "1"},
         {"2", "1,5", "1.5", "1"}},
    };
    for (const SortStyleCase& c : cases) {
        SortGrid grid({c.Cells});
        SortColumnOne(grid, c);
        EXPECT_EQ(grid.Column(1), c.Expected) << c.Name;
    }
}

TEST(ExGridSortStyles, CustomAndRawStylesAskTheirHooks) {
    SortGrid grid({{"ccc", "a", "bb"}});
    grid.OnGetFormat = [](TObject*, int, TSortStyle& AStyle, std::string&, std::string&) {
        AStyle = ssCustom;
    };
    grid.OnCustomCompare = [](TObject*, const std::string& s1, const std::string& s2, int& Res) {
        Res = s1.size() < s2.size() ? -1 : (s1.size() > s2.size() ? 1 : 0);
    };
    grid.Sort(1, sdAscending);
    EXPECT_EQ(grid.Column(1), (SortTexts{"a", "bb", "ccc"}));

    // The raw hook gets the column and the rows.
    SortGrid raw({{"ccc", "a", "bb"}});
    raw.OnGetFormat = [](TObject*, int, TSortStyle& AStyle, std::string&, std::string&) {
        AStyle = ssRaw;
    };
    int factor = 1;
    raw.OnRawCompare = [&](TObject*, int ACol, int Row1, int Row2, int& Res) {
        EXPECT_EQ(ACol, 1);
        const int d = static_cast<int>(raw.GetGridCell(1, Row1).size()) -
                      static_cast<int>(raw.GetGridCell(1, Row2).size());
        Res = factor * (d > 0 ? 1 : (d < 0 ? -1 : 0));
    };
    // A result other than 1 or -1 orders nothing.
    factor = 5;
    raw.Sort(1, sdAscending);
    EXPECT_EQ(raw.Column(1), (SortTexts{"ccc", "a", "bb"}));
    factor = 1;
    raw.Sort(1, sdAscending);
    EXPECT_EQ(raw.Column(1), (SortTexts{"a", "bb", "ccc"}));
}

TEST(ExGridSortStyles, AnInconsistentHookCannotBreakTheSort) {
    SortTexts cells;
    for (int i = 0; i < 300; ++i)
        cells.push_back(std::to_string(i % 17));
    SortGrid grid({cells});
    grid.OnGetFormat = [](TObject*, int, TSortStyle& AStyle, std::string&, std::string&) {
        AStyle = ssCustom;
    };
    unsigned seed = 1;
    grid.OnCustomCompare = [&](TObject*, const std::string&, const std::string&, int& Res) {
        seed = seed * 1103515245 + 12345;
        Res = static_cast<int>((seed >> 16) % 3) - 1;
    };
    grid.Sort(1, sdAscending);
    SortTexts sorted = grid.Column(1);
    std::sort(sorted.begin(), sorted.end());
    std::sort(cells.begin(), cells.end());
    EXPECT_EQ(sorted, cells); // every row is still there once
}

TEST(ExGridSortStyles, CheckBoxesSortUncheckedFirst) {
    SortGrid grid({{"", "", ""}});
    grid.AddCheckBox(1, 1, true, false);
    grid.AddCheckBox(1, 2, false, false);
    grid.AddCheckBox(1, 3, true, false);
    grid.Sort(1, sdAscending);
    EXPECT_EQ(grid.Order(), (SortTexts{"2", "1", "3"}));
}

TEST(ExGridSort, RowsEqualOnTheSortColumnKeepTheirOrderBothWays) {
    for (TSortDirection direction : {sdAscending, sdDescending}) {
        SortGrid grid({{"b", "a", "b", "a", "b"}, {"3", "2", "1", "0", "9"}});
        grid.SortSettings()->Full = false;
        grid.Sort(1, direction);
        EXPECT_EQ(grid.Order(), direction == sdAscending ? (SortTexts{"2", "4", "1", "3", "5"})
                                                         : (SortTexts{"1", "3", "5", "2", "4"}));
    }
}

// Many rows whose keys differ in every byte of their order prefix, or only beyond it, sort as a
// plain stable sort of the same values does, both ways.
TEST(ExGridSort, ManyRowsSortAsAStableSortOfTheirValues) {
    const ScopedFormat format{TFormatSettings{}};
    SortTexts numbers, texts;
    uint32_t seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int r = 0; r < 400; ++r) {
        const double value = static_cast<int32_t>(next() % 2'000'001) - 1'000'000;
        numbers.push_back(FloatToStr(value / ((next() % 3) + 1) / (r % 7 == 0 ? 1e6 : 1)));
        texts.push_back("common prefix " + std::string(1, static_cast<char>('a' + next() % 4)) +
                        std::to_string(next() % 50));
    }
    struct Case {
        int Col;
        bool Numeric;
    };
    for (const Case c : {Case{1, true}, Case{2, false}})
        for (TSortDirection direction : {sdAscending, sdDescending}) {
            SortGrid grid({numbers, texts});
            grid.SortSettings()->Full = false;
            grid.Sort(c.Col, direction);
            const SortTexts& values = c.Numeric ? numbers : texts;
            std::vector<int> expected(values.size());
            std::iota(expected.begin(), expected.end(), 0);
            std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
                const auto less = [&](int x, int y) {
                    return c.Numeric ? StrToFloat(values[x]) < StrToFloat(values[y])
                                     : values[x] < values[y];
                };
                return direction == sdAscending ? less(a, b) : less(b, a);
            });
            SortTexts order;
            for (int i : expected)
                order.push_back(std::to_string(i + 1));
            EXPECT_EQ(grid.Order(), order) << c.Col << " " << direction;
        }
}

// Many ties, with keys whose first bytes agree (long texts, a NUL byte, fractions) and keys
// that differ early: every configuration sorts as a stable sort of a plain model does, the
// columns to the right breaking ties when Full is on.
TEST(ExGridSort, TiesSortAsTheModelWhetherOrNotTheFirstBytesTellTheKeysApart) {
    const ScopedFormat format{TFormatSettings{}};
    struct Pool {
        const char* Name;
        bool Numeric;
        SortTexts Values;
    };
    const Pool pools[] = {
        {"short texts", false, {"", "abc", "ab", "b", "zz", "a"}},
        {"long texts",
         false,
         {"", "abcdefgh1", "abcdefgh2", "abcdefgh", "abc", std::string("ab\0", 3),
          std::string("ab\0c", 4), "ab"}},
        {"integers", true, {"", "10", "9", "-3", "1e3", "0", "x"}},
        {"fractions", true, {"", "10", "0.1", "0.3", "-3", "0.30000000000000004", "x", "y"}},
    };
    for (const Pool& pool : pools) {
        SortTexts key, tie, last;
        uint32_t seed = 7;
        const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
        for (int r = 0; r < 300; ++r) {
            key.push_back(pool.Values[(next() >> 8) % pool.Values.size()]);
            tie.push_back(pool.Values[(next() >> 8) % pool.Values.size()]);
            last.push_back(std::to_string((next() >> 8) % 5));
        }
        const std::vector<SortTexts> columns = {key, tie, last};
        // Ascending comparison of one column's texts: numbers before other texts, which tie.
        const auto ascending = [&](const std::string& a, const std::string& b) {
            if (!pool.Numeric)
                return a < b ? -1 : (b < a ? 1 : 0);
            double x = 0, y = 0;
            const bool xNumber = a.empty() || TryStrToFloat(a, x);
            const bool yNumber = b.empty() || TryStrToFloat(b, y);
            if (xNumber != yNumber)
                return xNumber ? -1 : 1;
            return !xNumber ? 0 : (x < y ? -1 : (y < x ? 1 : 0));
        };
        for (bool full : {true, false})
            for (bool ignoreBlanks : {false, true})
                for (TSortDirection direction : {sdAscending, sdDescending}) {
                    SortGrid grid(columns);
                    grid.OnGetFormat = [&](TObject*, int, TSortStyle& AStyle, std::string&,
                                           std::string&) {
                        AStyle = pool.Numeric ? ssNumeric : ssAlphabetic;
                    };
                    grid.SortSettings()->Full = full;
                    grid.SortSettings()->IgnoreBlanks = ignoreBlanks;
                    grid.Sort(1, direction);
                    const auto compare = [&](int a, int b) {
                        for (size_t c = 0; c < columns.size(); ++c) {
                            const std::string& x = columns[c][a];
                            const std::string& y = columns[c][b];
                            int result = 0;
                            if (ignoreBlanks && x.empty() != y.empty())
                                result = x.empty() ? -1 : 1; // blFirst both ways
                            else
                                result =
                                    direction == sdAscending ? ascending(x, y) : -ascending(x, y);
                            if (result != 0 || !full)
                                return result;
                        }
                        return 0;
                    };
                    std::vector<int> expected(key.size());
                    std::iota(expected.begin(), expected.end(), 0);
                    std::stable_sort(expected.begin(), expected.end(),
                                     [&](int a, int b) { return compare(a, b) < 0; });
                    SortTexts order;
                    for (int i : expected)
                        order.push_back(std::to_string(i + 1));
                    EXPECT_EQ(grid.Order(), order) << pool.Name << " full " << full << " blanks "
                                                   << ignoreBlanks << " " << direction;
                }
    }
}

TEST(ExGridSort, TiesAreBrokenByTheColumnsOnTheRightOnly) {
    // Column 1 breaks no tie of column 2; column 3 does.
    SortGrid grid({{"z", "a", "m"}, {"x", "x", "x"}, {"2", "3", "1"}});
    grid.Sort(2, sdAscending);
    EXPECT_EQ(grid.Column(3), (SortTexts{"1", "2", "3"}));
    grid.Sort(2, sdDescending);
    EXPECT_EQ(grid.Column(3), (SortTexts{"3", "2", "1"}));
}

TEST(ExGridSort, IgnoredBlanksGoWhereBlankPosSays) {
    struct Case {
        TSortBlankPosition Pos;
        TSortDirection Direction;
        SortTexts Expected;
    };
    const Case cases[] = {
        {blLast, sdAscending, {"a", "c", "", ""}},
        {blLast, sdDescending, {"c", "a", "", ""}},
        {blFirst, sdAscending, {"", "", "a", "c"}},
        {blFirst, sdDescending, {"", "", "c", "a"}},
    };
    for (const Case& c : cases) {
        SortGrid grid({{"", "c", "", "a"}});
        grid.SortSettings()->IgnoreBlanks = true;
        grid.SortSettings()->BlankPos = c.Pos;
        grid.Sort(1, c.Direction);
        EXPECT_EQ(grid.Column(1), c.Expected) << c.Pos << " " << c.Direction;
    }
}

TEST(ExGridSort, AnIgnoredColumnSortsNothing) {
    SortGrid grid({{"c", "a", "b"}});
    grid.IgnoreColumns()->Add(1);
    grid.Sort(1, sdAscending);
    EXPECT_EQ(grid.Column(1), (SortTexts{"c", "a", "b"}));
}

TEST(ExGridSort, WholeRowsMoveButFixedRowsAndFootersStay) {
    SortGrid grid({{"c", "a", "b", "total"}, {"C", "A", "B", "T"}});
    grid.SetCells(1, 0, "head");
    grid.SetFixedFooters(1);
    auto* object = new TObject; // the cell's user object travels with the row
    grid.SetObjects(2, 1, reinterpret_cast<uintptr_t>(object));
    grid.SetColors(1, 2, clRed);
    grid.SetRowHeights(1, 40);
    grid.HideColumn(2);
    grid.Sort(1, sdAscending);
    grid.UnHideColumn(2);
    EXPECT_EQ(grid.Column(1), (SortTexts{"a", "b", "c", "total"}));
    EXPECT_EQ(grid.Column(2), (SortTexts{"A", "B", "C", "T"}));
    EXPECT_EQ(grid.GetGridCell(1, 0), "head");
    EXPECT_EQ(grid.Objects(2, 3), reinterpret_cast<uintptr_t>(object));
    EXPECT_EQ(grid.Colors(1, 1), clRed);
    EXPECT_EQ(grid.CellProperties(1, 1)->OwnerRow(), 1);
    EXPECT_EQ(grid.RowHeights(3), 40);
    delete object;
}

TEST(ExGridSort, NormalCellsOnlyKeepsTheRowNumbers) {
    SortGrid grid({{"c", "a", "b"}});
    grid.SortSettings()->NormalCellsOnly = true;
    grid.Sort(1, sdAscending);
    EXPECT_EQ(grid.Column(1), (SortTexts{"a", "b", "c"}));
    EXPECT_EQ(grid.Order(), (SortTexts{"1", "2", "3"}));
}

TEST(ExGridSort, SingleColumnMovesOnlyTheSortColumn) {
    SortGrid grid({{"c", "a", "b"}, {"1", "2", "3"}});
    grid.SortSettings()->SingleColumn = true;
    grid.Sort(1, sdAscending);
    EXPECT_EQ(grid.Column(1), (SortTexts{"a", "b", "c"}));
    EXPECT_EQ(grid.Column(2), (SortTexts{"1", "2", "3"}));
}

TEST(ExGridSort, UnSortGoesBackToTheOrderBeforeTheFirstSort) {
    SortGrid grid({{"c", "a", "b", "a"}, {"1", "3", "2", "0"}});
    grid.Sort(1, sdAscending);
    grid.Sort(2, sdDescending);
    ASSERT_NE(grid.Order(), (SortTexts{"1", "2", "3", "4"}));
    grid.QUnSort();
    EXPECT_EQ(grid.Order(), (SortTexts{"1", "2", "3", "4"}));
    EXPECT_EQ(grid.Column(1), (SortTexts{"c", "a", "b", "a"}));
}

TEST(ExGridSort, UnSortAfterTheRowCountChangedLeavesTheRows) {
    SortGrid grid({{"c", "a", "b"}});
    grid.Sort(1, sdAscending);
    grid.AddRow();
    grid.QUnSort();
    EXPECT_EQ(grid.Column(1), (SortTexts{"a", "b", "c", ""}));
}

TEST(ExGridSort, OneRowGridsAndMissingColumnsSortNothing) {
    SortGrid grid({SortTexts{"b", "a"}});
    grid.SetRowCount(1);
    grid.SortByColumn(1);
    EXPECT_EQ(grid.SortSettings()->Column, -1);
    grid.SetRowCount(3);
    grid.SetFixedRows(1);
    for (int column : {-1, 99, 1 << 20}) {
        grid.Sort(column, sdAscending);
        EXPECT_EQ(grid.Column(1), (SortTexts{"b", "a"})) << column;
    }
}

TEST(ExGridSort, TheCurrentRowFollowsItsDataOnlyWithMoveRowOnSort) {
    for (bool follow : {false, true}) {
        SortGrid grid({{"c", "a", "b"}});
        grid.Navigation()->MoveRowOnSort = follow;
        grid.SetRow(1); // "c"
        std::vector<std::pair<int, int>> updates;
        grid.OnRowUpdate = [&](TObject*, int OldRow, int NewRow) {
            updates.push_back({OldRow, NewRow});
        };
        grid.Sort(1, sdAscending);
        EXPECT_EQ(grid.Row(), follow ? 3 : 1);
        EXPECT_EQ(updates.size(), follow ? 0u : 1u);
    }
}

TEST(ExGridSort, TheFloatingFooterIsShownAgainAfterASort) {
    SortGrid grid({SortTexts{"b", "a"}});
    grid.FloatingFooter()->Visible = true;
    grid.Sort(1, sdAscending);
    EXPECT_TRUE(grid.FloatingFooter()->Visible);
    EXPECT_EQ(grid.UpdateCount(), 0);
}

TEST(ExGridSort, QuickSortSortsOnlyItsRange) {
    SortGrid grid({{"d", "c", "b", "a"}});
    grid.QuickSort(1, 2, 3);
    EXPECT_EQ(grid.Column(1), (SortTexts{"d", "b", "c", "a"}));
    grid.SortIndexes()->AddIndex(1, false);
    grid.QuickSortIndexed(1, 3);
    EXPECT_EQ(grid.Column(1), (SortTexts{"d", "c", "b", "a"}));
}

TEST(ExGridSort, SortLineSwapsTwoRowsThatAreOutOfOrder) {
    SortGrid grid({{"a", "a", "b"}, {"2", "1", "0"}});
    grid.Sort(1, sdAscending);           // (a, 1), (a, 2), (b, 0); SortDir +1
    EXPECT_TRUE(grid.SortLine(1, 2, 1)); // the tie on column 1 is broken by column 2
    EXPECT_EQ(grid.Column(2), (SortTexts{"2", "1", "0"}));
    EXPECT_FALSE(grid.SortLine(1, 1, 3));
}

TEST(ExGridSortCompare, CompareCellsAnswersInAscendingTerms) {
    SortGrid grid({{"1", "2", ""}});
    EXPECT_EQ(grid.CompareCells(1, 1, 2, sdAscending), -1);
    EXPECT_EQ(grid.CompareCells(1, 2, 1, sdDescending), 1);
    EXPECT_EQ(grid.CompareCells(1, 1, 1, sdAscending), 0);
    grid.SortSettings()->IgnoreBlanks = true; // blFirst: the empty cell first both ways
    EXPECT_EQ(grid.CompareCells(1, 3, 1, sdAscending), -1);
    EXPECT_EQ(grid.CompareCells(1, 3, 1, sdDescending), 1);
    const int before = grid.Compares;
    grid.CompareRowsFull(1, 1, 2);
    EXPECT_GT(grid.Compares, before);
}

// --- indexed sorts
// --------------------------------------------------------------------------------

TEST(ExGridSortIndexed, SortsByEachIndexEntryWithItsDirection) {
    SortGrid grid({{"b", "a", "b", "a"}, {"1", "2", "3", "4"}});
    grid.SortIndexes()->AddIndex(1, true);
    grid.SortIndexes()->AddIndex(2, false);
    grid.QSortIndexed();
    EXPECT_EQ(grid.Column(2), (SortTexts{"4", "2", "3", "1"}));
}

TEST(ExGridSortIndexed, AnEmptyIndexRaisesBeforeAnyRowMoves) {
    SortGrid grid({SortTexts{"b", "a"}});
    EXPECT_THROW(grid.QSortIndexed(), ROvoVariRodev);
    EXPECT_EQ(grid.Column(1), (SortTexts{"b", "a"}));
    EXPECT_EQ(grid.UpdateCount(), 0);
}

// --- sort state text
// ------------------------------------------------------------------------------

TEST(ExGridSortState, LoadingTheTextSortsAsItSays) {
    struct Case {
        const char* Text;
        SortTexts Expected; // column 1 afterwards
        bool IndexShow;
    };
    const Case cases[] = {
        {"d1", {"c", "b", "a"}, false},     {"u1", {"a", "b", "c"}, false},
        {"i;u1", {"a", "b", "c"}, true},    {"i;", {"b", "c", "a"}, true}, // only the flags
        {"uX", {"b", "c", "a"}, false},  // no column: nothing sorts
        {"u-1", {"b", "c", "a"}, false}, // no column
        {"u99999", {"b", "c", "a"}, false},
    };
    for (const Case& c : cases) {
        SortGrid grid({{"b", "c", "a"}});
        grid.SortSettings()->LoadFromString(c.Text);
        EXPECT_TRUE(grid.SortSettings()->Show()) << c.Text;
        EXPECT_EQ(grid.SortSettings()->IndexShow(), c.IndexShow) << c.Text;
        EXPECT_EQ(grid.Column(1), c.Expected) << c.Text;
    }
}

TEST(ExGridSortState, AOneCharacterTextRaisesAfterShowIsOn) {
    SortGrid grid({SortTexts{"b", "a"}});
    EXPECT_THROW(grid.SortSettings()->LoadFromString("u"), Exception);
    EXPECT_TRUE(grid.SortSettings()->Show());
    SortGrid other({SortTexts{"b", "a"}});
    other.SortSettings()->LoadFromString("");
    EXPECT_FALSE(other.SortSettings()->Show());
}

TEST(ExGridSortState, SavedTextLoadsBackToTheSameSort) {
    SortGrid grid({{"b", "c", "a"}, {"1", "2", "3"}});
    grid.Sort(2, sdDescending);
    EXPECT_EQ(grid.SortSettings()->SaveToString(), "d2");
    grid.SortSettings()->SetIndexShow(true);
    grid.SortIndexes()->AddIndex(2, true);
    grid.SortIndexes()->AddIndex(0, false);
    EXPECT_EQ(grid.SortSettings()->SaveToString(), "i;u2;d0");

    SortGrid copy({{"b", "c", "a"}, {"1", "2", "3"}});
    copy.SortSettings()->LoadFromString(grid.SortSettings()->SaveToString());
    EXPECT_EQ(copy.Column(2), (SortTexts{"1", "2", "3"}));
}

TEST(ExGridSortSettings, TheSortRowMustBeAFixedRow) {
    SortGrid grid({{"a"}});
    grid.SortSettings()->SetRow(1); // FixedRows itself is accepted
    EXPECT_THROW(grid.SortSettings()->SetRow(2), Exception);
    EXPECT_EQ(grid.SortSettings()->Row(), 1);
}

TEST(ExGridSortSettings, AssignCopiesAllButTheComparisonSource) {
    TSortSettings source, target;
    source.Column = 3;
    source.Direction = sdDescending;
    source.SetShow(true);
    source.SortOnVirtualCells = false;
    source.IgnoreCase = true;
    target.Assign(&source);
    EXPECT_EQ(target.Column, 3);
    EXPECT_EQ(target.Direction, sdDescending);
    EXPECT_TRUE(target.Show());
    EXPECT_TRUE(target.SortOnVirtualCells);
    EXPECT_FALSE(target.IgnoreCase);
}

// --- header clicks
// --------------------------------------------------------------------------------

TEST(ExGridSortClick, ThirdClickWithUndoSortRestoresTheUnsortedOrder) {
    SortGrid grid({{"b", "c", "a"}});
    grid.SortSettings()->UndoSort = true;
    grid.SortOnHeaderClick(1, false);
    EXPECT_EQ(grid.Column(1), (SortTexts{"a", "b", "c"}));
    grid.SortOnHeaderClick(1, false);
    EXPECT_EQ(grid.Column(1), (SortTexts{"c", "b", "a"}));
    grid.SortOnHeaderClick(1, false);
    EXPECT_EQ(grid.Column(1), (SortTexts{"b", "c", "a"}));
    EXPECT_EQ(grid.SortSettings()->Column, -1);
}

TEST(ExGridSortClick, TheExtendKeyAddsColumnsToTheIndex) {
    SortGrid grid({{"b", "a", "b", "a"}, {"1", "2", "3", "4"}});
    grid.SortSettings()->SetIndexShow(true);
    grid.SortOnHeaderClick(1, false);
    grid.SortOnHeaderClick(2, true);
    grid.SortOnHeaderClick(2, true); // toggles column 2 to descending
    EXPECT_EQ(grid.SortIndexes()->SaveToString(), "u1;d2");
    EXPECT_EQ(grid.Column(2), (SortTexts{"4", "2", "3", "1"}));
    grid.SortOnHeaderClick(2, false); // a plain click starts a new index
    EXPECT_EQ(grid.SortIndexes()->SaveToString(), "u2");
}

} // namespace
