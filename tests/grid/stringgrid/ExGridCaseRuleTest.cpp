// Typing a row's first letters and replacing what the find found compare texts with the same
// case rule as the find and the filter: letters beyond ASCII and the sharp s included.
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ExGridCaseRule, TypedLettersFindTheRowWhateverTheirCase) {
    const struct {
        std::u16string Typed;
        int Row;
    } cases[] = {
        {u"b", 2}, {u"é", 3}, {u"É", 3}, {u"éC", 3}, {u"ü", 4}, {u"Ü", 4}, {u"st", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Typed.begin(), c.Typed.end()));
        TExStringGrid grid(nullptr);
        grid.SetColCount(3);
        grid.SetRowCount(6);
        const std::vector<std::string> texts = {"abc", "bcd", "École", "über", "straße"};
        for (size_t i = 0; i < texts.size(); ++i)
            grid.SetCells(1, static_cast<int>(i) + 1, texts[i]);
        grid.Navigation()->AutoGotoWhenSorted = true;
        grid.Navigation()->AutoGotoIncremental = true;
        grid.SetBounds(0, 0, 300, 200);
        grid.Show();
        grid.SetFocus();
        for (char16_t ch : c.Typed)
            InputSimulation::TypeChar(&grid, ch);
        EXPECT_EQ(grid.Row(), c.Row);
    }
}

TEST(ExGridCaseRule, ReplaceChangesWhatTheFindFinds) {
    const struct {
        const char* Cell;
        const char* Searched;
        const char* Replaced;
    } cases[] = {
        {"École", "éCOLE", "road"},
        {"straße", "STRASSE", "road"},
        {"STRAẞE", "strasse", "road"},
        {"in der straße", "STRASSE", "in der road"},
        {"straße", "S", "roadtraße"}, // half of the sharp s is no match
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Cell);
        TExStringGrid grid(nullptr);
        grid.SetColCount(3);
        grid.SetRowCount(3);
        grid.SetCells(1, 1, c.Cell);
        const TPoint found = grid.FindFirst(c.Searched, TFindParams{});
        ASSERT_EQ(found.X, 1);
        ASSERT_EQ(found.Y, 1);
        EXPECT_EQ(grid.Replace(c.Searched, "road", TFindParams{}), 1);
        EXPECT_EQ(grid.Cells(1, 1), c.Replaced);
    }
}

} // namespace
