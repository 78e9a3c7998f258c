// The date-and-time editor: loading and storing both parts, Escape and Enter.
#include "EditorControlHarness.h"

#include "grid/foundation/GridDate.h"
#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/GridDateTimePicker.h"
#include "grid/stringgrid/GridEditorFactory.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/CellEditor.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

class GridDateTimePickerTest : public ::testing::Test {
protected:
    TGridDateTimePicker* Picker() {
        return dynamic_cast<TGridDateTimePicker*>(Harness.Open(edDateTimeEdit, 1, 1, Cell));
    }

    const TFormatSettings Settings = ScopedFormatSettings::DayFirst();
    const ScopedFormatSettings DayFirst{Settings};
    TEditorControlHarness Harness;
    std::string Cell = "24/12/2026 18:30";
};

TEST_F(GridDateTimePickerTest, StoresShortDateBlankShortTime) {
    TGridDateTimePicker* picker = Picker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(CellEditorOf(picker)->ApplyCellText(), "24/12/2026 18:30");
    EXPECT_EQ(Harness.OriginalDateTime(), picker->DateTime());
}

TEST_F(GridDateTimePickerTest, OutOfRangeValuesOpenOnTheNearerLimit) {
    TGridDateTimePicker* picker = Picker();
    picker->SetMaxDate(TGridDate::EncodeDate(2026, 6, 30));
    CellEditorOf(picker)->LoadCellText("24/12/2026 18:30");
    EXPECT_EQ(picker->Date(), TGridDate::EncodeDate(2026, 6, 30));
}

TEST_F(GridDateTimePickerTest, EscapeRestoresTheOriginalValue) {
    TGridDateTimePicker* picker = Picker();
    picker->SetDateTime(TGridDate::EncodeDate(2027, 1, 1));
    InputSimulation::KeyPress(picker, VK_ESCAPE, 27);
    EXPECT_EQ(CellEditorOf(picker)->ApplyCellText(), "24/12/2026 18:30");
}

TEST_F(GridDateTimePickerTest, EnterValidatesAndARefusedValueStays) {
    TGridDateTimePicker* picker = Picker();
    Harness.RefuseWith("01/01/2025 08:15");
    InputSimulation::KeyDown(picker, VK_RETURN);
    EXPECT_EQ(Harness.Validated(), std::vector<std::string>{"24/12/2026 18:30"});
    EXPECT_EQ(CellEditorOf(picker)->ApplyCellText(), "01/01/2025 08:15");
    EXPECT_TRUE(Harness.NoAutoAdvance());
    EXPECT_EQ(Harness.OriginalDateTime(), TGridDate::EncodeDate(2026, 12, 24) + 18.5 / 24)
        << "Escape still brings back what editing began with";
}

} // namespace
