// The date-and-time editor: loading and storing both parts, Escape and Enter.
#include "EditorControlHarness.h"

#include "grid/foundation/GridDate.h"
#include "grid/stringgrid/GridDateTimePicker.h"
#include "grid/stringgrid/GridEditorFactory.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/CellEditor.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

class GridDateTimePickerTest : public ::testing::Test {
protected:
    GridDateTimePickerTest() {
        Settings.ShortDateFormat = "dd/mm/yyyy";
        Settings.DateSeparator = "/";
        Settings.TimeSeparator = ":";
        Settings.LongTimeFormat = "hh:nn:ss";
        OverrideFormatSettings(&Settings);
    }
    ~GridDateTimePickerTest() override { OverrideFormatSettings(nullptr); }

    TGridDateTimePicker* Picker() {
        return dynamic_cast<TGridDateTimePicker*>(Harness.Open(edDateTimeEdit, 1, 1, Cell));
    }

    TFormatSettings Settings;
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

TEST_F(GridDateTimePickerTest, EnterNeverValidates) {
    TGridDateTimePicker* picker = Picker();
    Harness.RefuseWith("x");
    InputSimulation::KeyPress(picker, VK_RETURN, '\r');
    EXPECT_TRUE(Harness.Validated().empty());
}

} // namespace
