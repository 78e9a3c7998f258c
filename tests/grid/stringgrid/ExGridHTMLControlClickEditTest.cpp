// A click on an edit or combo element of a cell's mark-up opens that element's editor over it;
// what the user types or chooses there is stored into the element when Enter ends the edit.
#include "ExGridEditingTestGrid.h"

#include "platform/core/StringList.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using EditingTest::TEditingForm;

struct HTMLControlCase {
    const char* Name;
    const char* Markup;
    const char* ID;
    const char* Typed; // typed after End in the element's editor
    const char* Stored;
};

class HTMLControlClickEdit : public ::testing::TestWithParam<HTMLControlCase> {};

TEST_P(HTMLControlClickEdit, TheElementsEditorTakesTheKeysAndEnterStoresThem) {
    const HTMLControlCase& c = GetParam();
    TEditingForm f;
    f.Grid->SetColWidths(2, 200);
    f.Grid->SetRowHeights(3, 40);
    f.Grid->SetCells(2, 3, c.Markup);
    f.Grid->OnControlComboList = [](TObject*, int, int, const std::string&, const std::string&,
                                    const std::string&, TStringList* Values, bool& Editable, int&) {
        Values->Clear();
        Values->Add("one");
        Values->Add("two");
        Editable = true;
    };
    std::string clicked;
    f.Grid->OnControlClick = [&](TObject*, int, int, const std::string& ID, const std::string&,
                                 const std::string&) { clicked = ID; };
    const TRect cell = f.Grid->CellRect(2, 3);
    const TPoint onElement{cell.Left + 12, cell.Top + 10};
    InputSimulation::MouseMove(f.Grid, onElement);
    InputSimulation::Click(f.Grid, onElement);
    f.Pump();
    ASSERT_EQ(clicked, c.ID) << "the press did not land on the element";

    TControl* editor = InputSimulation::FocusedControl();
    EXPECT_NE(editor, f.Grid) << "no editor took the keys for the element";
    InputSimulation::KeyPressFocused(VK_END);
    InputSimulation::TypeTextFocused(c.Typed);
    InputSimulation::KeyPressFocused(VK_RETURN, '\r');
    f.Pump();
    EXPECT_EQ(f.Grid->ControlValues(2, 3, c.ID), c.Stored);
    EXPECT_EQ(InputSimulation::FocusedControl(), f.Grid) << "Enter gives the grid the keys";
}

INSTANTIATE_TEST_SUITE_P(
    ExGridCellClicks, HTMLControlClickEdit,
    ::testing::Values(
        HTMLControlCase{"Edit", "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"abc\" WIDTH=\"120\">",
                        "e1", "xy", "abcxy"},
        HTMLControlCase{"Combo", "<CONTROL TYPE=\"COMBO\" ID=\"k1\" VALUE=\"one\" WIDTH=\"120\">",
                        "k1", "s", "ones"}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
