// A row whose cell the user changed (and left by a click on another cell) is marked in the first
// column in ShowModified's colour, and a new colour shows at once; an edit left unchanged marks
// nothing.
#include "ExGridEditingTestGrid.h"
#include "GridPixels.h"

#include "grid/stringgrid/ShowModified.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using EditingTest::TEditingForm;

struct ModifiedMarkCase {
    const char* Name;
    const char* Typed; // after F2 and End; empty: the edit is left untouched
    TEditorType Kind;
    bool Marked;
};

class ShowModifiedMark : public ::testing::TestWithParam<ModifiedMarkCase> {};

TEST_P(ShowModifiedMark, AnEditedRowIsMarkedInTheFirstColumn) {
    const ModifiedMarkCase& c = GetParam();
    TEditingForm f{c.Kind};
    f.Grid->OfferFake = false;
    f.Grid->ShowModified()->Enabled = true;
    f.Grid->ShowModified()->SetColor(GridPixels::Orange);
    f.Grid->SetCells(1, 1, "abc");
    InputSimulation::KeyPress(f.Grid, VK_F2);
    InputSimulation::KeyPressFocused(VK_END);
    InputSimulation::TypeTextFocused(c.Typed);
    f.ClickCell(3, 4);
    ASSERT_FALSE(f.Grid->EditMode);
    const TRect row1{0, f.Grid->CellRect(0, 1).Top, f.Grid->CellRect(0, 1).Right,
                     f.Grid->CellRect(0, 1).Bottom};
    auto drawn = GridPixels::Render(*f.Grid);
    EXPECT_EQ(GridPixels::ColourBox(*drawn, row1, GridPixels::Orange).has_value(), c.Marked);
    if (!c.Marked)
        return;
    f.Grid->ShowModified()->SetColor(GridPixels::Green);
    f.Pump();
    drawn = GridPixels::Render(*f.Grid);
    EXPECT_TRUE(GridPixels::ColourBox(*drawn, row1, GridPixels::Green).has_value());
    EXPECT_FALSE(GridPixels::ColourBox(*drawn, row1, GridPixels::Orange).has_value());
}

INSTANTIATE_TEST_SUITE_P(ExGridEditing, ShowModifiedMark,
                         ::testing::Values(ModifiedMarkCase{"TextTyped", "d", edNormal, true},
                                           ModifiedMarkCase{"TextUntouched", "", edNormal, false},
                                           ModifiedMarkCase{"RichTyped", "d", edRichEdit, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
