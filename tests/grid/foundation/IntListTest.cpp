#include "grid/foundation/IntList.h"
#include "grid/foundation/SortIndexList.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ChangeLog {
    std::vector<std::pair<int, int>> Cells;
    void Attach(TIntList& list) {
        list.OnChange = [this](TObject*, int col, int row) { Cells.emplace_back(col, row); };
    }
};

std::vector<int> Entries(const TIntList& list) {
    std::vector<int> entries;
    for (int i = 0; i < list.Count(); ++i)
        entries.push_back(list[i]);
    return entries;
}

} // namespace

TEST(IntList, ChangesNotifyTheOwningCellButInsertAndClearStaySilent) {
    TIntList list(3, 7);
    ChangeLog log;
    log.Attach(list);

    list.Add(10);
    list.Insert(0, 5);
    list.SetItems(1, 11);
    list.DeleteValue(99); // absent: nothing happens
    list.DeleteValue(5);
    list.Clear();

    EXPECT_EQ(log.Cells, (std::vector<std::pair<int, int>>{{3, 7}, {3, 7}, {3, 7}}));
    EXPECT_EQ(list.Count(), 0);
}

TEST(IntList, StrValueJoinsWithCommasAndReadsCommaText) {
    TIntList list(0, 0);
    for (int value : {1, 20, 3})
        list.Add(value);
    EXPECT_EQ(list.StrValue(), "1,20,3");
    EXPECT_TRUE(list.HasValue(20));

    list.SetStrValue("4, 5 \"6\",-7");
    EXPECT_EQ(Entries(list), (std::vector<int>{4, 5, 6, -7}));
    EXPECT_EQ(TIntList(0, 0).StrValue(), "");
}

TEST(IntList, CommaTextEndsWithAnEmptyEntryOnlyWhenTheCommaIsLast) {
    struct Case {
        const char* Text;
        std::vector<std::string> Entries;
    };
    const std::vector<Case> cases = {
        {"1, ", {"1"}},
        {"1 ,\t", {"1"}},
        {"1,", {"1", ""}},
        {"a,,b", {"a", "", "b"}},
        {" \"x y\" z", {"x y", "z"}},
        {"\"a\"\"b\",c", {"a\"b", "c"}},
        {"  ", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCommaText(c.Text), c.Entries) << "'" << c.Text << "'";

    TIntList list(0, 0);
    list.SetStrValue("7, 8, ");
    EXPECT_EQ(Entries(list), (std::vector<int>{7, 8}));
}

TEST(IntList, BadEntryThrowsAndKeepsTheEntriesBeforeIt) {
    TIntList list(0, 0);
    EXPECT_THROW(list.SetStrValue("1,2,x,4"), EConvertError);
    EXPECT_EQ(Entries(list), (std::vector<int>{1, 2}));
}

TEST(IntList, IndexErrorsThrow) {
    TIntList list(0, 0);
    list.Add(1);
    EXPECT_THROW(list.Items(1), Exception);
    EXPECT_THROW(list.Delete(-1), Exception);
    EXPECT_THROW(list.Insert(3, 0), Exception);
    EXPECT_NO_THROW(list.Insert(1, 2)); // at the end is allowed
}

TEST(SortIndexList, DirectionsLiveInBit31) {
    TSortIndexList list;
    list.AddIndex(2, true);
    list.AddIndex(0, false);
    EXPECT_EQ(list.SaveToString(), "u2;d0");
    EXPECT_EQ(static_cast<uint32_t>(list[1]), 0x80000000u);
    EXPECT_EQ(list.FindIndex(0), 1); // found by its plain number although descending

    list.ToggleIndex(2);
    list.ToggleIndex(9); // not listed: nothing changes
    EXPECT_EQ(list.SaveToString(), "d2;d0");

    list.SetSortColumns(1, 5);
    EXPECT_EQ(list.SortColumns(1), 5);
    EXPECT_FALSE(list.SortDirections(1));
    list.SetSortDirections(1, true);
    EXPECT_EQ(list.SaveToString(), "d2;u5");
}

TEST(SortIndexList, SaveToStringWritesTheLow16Bits) {
    TSortIndexList list;
    list.AddIndex(3, false);
    EXPECT_EQ(list.SaveToString(), "d3");
    list.AddIndex(65536 + 7, true);
    EXPECT_EQ(list.SaveToString(), "d3;u7");
    EXPECT_EQ(TSortIndexList().SaveToString(), "");
}

TEST(SortIndexList, LoadFromStringSkipsShortPieces) {
    struct Case {
        const char* Text;
        std::vector<std::pair<int, bool>> Expected;
    };
    const std::vector<Case> cases = {
        {"u2;x5;;d", {{2, true}, {5, false}}},
        {"", {}},
        {"u10", {{10, true}}},
        {"U1;d4;", {{1, false}, {4, false}}}, // only a lower-case u is ascending
    };
    for (const Case& c : cases) {
        TSortIndexList list;
        list.AddIndex(99, true); // replaced by the load
        list.LoadFromString(c.Text);
        std::vector<std::pair<int, bool>> loaded;
        for (int i = 0; i < list.Count(); ++i)
            loaded.emplace_back(list.SortColumns(i), list.SortDirections(i));
        EXPECT_EQ(loaded, c.Expected) << c.Text;
    }
}
