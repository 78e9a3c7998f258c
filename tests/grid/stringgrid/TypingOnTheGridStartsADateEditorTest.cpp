// A digit typed on a date cell opens the date editor and goes into its first part, as the
// grid's other editors take the key that opened them.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/GridDatePicker.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridEditing, ADigitTypedOnADateCellIsTheEditorsFirstKey) {
    const struct {
        const char* Name;
        TEditorType Kind;
    } kinds[] = {{"calendar", edDateEdit}, {"up down", edDateEditUpDown}};
    const ScopedFormatSettings dayFirst(ScopedFormatSettings::DayFirst());
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.Name);
        EditingTest::TEditingForm f(kind.Kind);
        f.Grid->OfferFake = false;
        f.Grid->SetCells(1, 1, "01/02/2020");
        InputSimulation::KeyPress(f.Grid, '3', '3');
        f.Pump();
        ASSERT_TRUE(f.Grid->EditMode);
        EXPECT_EQ(InputSimulation::FocusedControl(), f.Grid->DateTimePicker());
        EXPECT_EQ(f.Grid->DateTimePicker()->Text(), "03/02/2020") << "the day typed";
        InputSimulation::KeyPressFocused(VK_RETURN, '\r');
        f.Pump();
        EXPECT_FALSE(f.Grid->EditMode);
        EXPECT_EQ(f.Grid->Cells(1, 1), "03/02/2020");
    }
}

} // namespace
