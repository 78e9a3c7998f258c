// The date, time and date-and-time editors: loading a cell inside the picker's range, storing
// the value, and the keys that leave.
#include "EditorControlHarness.h"
#include "EditorControlTestGrid.h"

#include "grid/foundation/GridDate.h"
#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/foundation/SpinDateTimeText.h"
#include "grid/stringgrid/GridDatePicker.h"
#include "grid/stringgrid/GridDateText.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class GridDatePickerTest : public EditorControlFixture, public ::testing::Test {
protected:
    TGridDatePicker* Picker() { return Grid->DateTimePicker(); }

    const TFormatSettings Settings = ScopedFormatSettings::DayFirst();
    const ScopedFormatSettings DayFirst{Settings};
};

TEST_F(GridDatePickerTest, DatesOutsideTheRangeOpenOnTheNearerLimitOthersAsTheyAre) {
    Picker()->SetMinDate(TGridDate::EncodeDate(2020, 1, 1));
    Picker()->SetMaxDate(TGridDate::EncodeDate(2020, 12, 31));
    struct Case {
        const char* Text;
        TDateTime Expected;
    };
    const Case cases[] = {
        {"15/06/2020", TGridDate::EncodeDate(2020, 6, 15)},
        {"01/01/2020", TGridDate::EncodeDate(2020, 1, 1)},
        {"31/12/2020", TGridDate::EncodeDate(2020, 12, 31)},
        {"05/03/2031", TGridDate::EncodeDate(2020, 12, 31)},
        {"05/03/1999", TGridDate::EncodeDate(2020, 1, 1)},
    };
    for (const Case& c : cases) {
        TCellEditor* editor = Open(edDateEdit, 1, 1, c.Text);
        EXPECT_EQ(Picker()->Date(), c.Expected) << c.Text;
        EXPECT_EQ(editor->ApplyCellText(), DateToText(c.Expected, Settings)) << c.Text;
    }
}

TEST_F(GridDatePickerTest, UnreadableOrEmptyTextOpensOnToday) {
    for (const char* text : {"", "no date", "31/02/2020"}) {
        Open(edDateEdit, 1, 1, text);
        EXPECT_NEAR(Picker()->Date(), std::trunc(SpinDateTimeText::Now()), 1.0) << text;
    }
}

TEST_F(GridDatePickerTest, ADigitThatChangesAPartMovesTheCaretOn) {
    struct Case {
        const char* Format;
        const char* Digits;
        int Rights;
    };
    // Day and month change once each; the year changes last and, ending the format, stays.
    const Case cases[] = {
        {"", "1503", 2}, {"", "15032021", 2}, {"dd/MM/yyyy", "15032021", 2}, {"", "01", 0}};
    for (const Case& c : cases) {
        // A picker of its own for each case: the caret starts in the first part.
        TEditorControlHarness harness;
        TGridDatePicker* picker = harness.Grid()->DateTimePicker();
        picker->SetFormat(c.Format);
        harness.Open(edDateEdit, 1, 1, "01/02/2020");
        int rights = 0;
        picker->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { rights += Key == VK_RIGHT; };
        for (const char* digit = c.Digits; *digit; ++digit) {
            InputSimulation::TypeChar(picker, static_cast<TChar>(*digit));
            Application->ProcessMessages();
        }
        EXPECT_EQ(rights, c.Rights) << c.Format << " " << c.Digits;
    }
}

TEST_F(GridDatePickerTest, KindSelectsPickerAndMode) {
    Open(edDateEditUpDown, 1, 1, "01/02/2020");
    EXPECT_EQ(Picker()->Kind(), dtkDate);
    EXPECT_EQ(Picker()->DateMode(), dmUpDown);
    TCellEditor* editor = Open(edTimeEdit, 1, 1, "10:20:30");
    EXPECT_EQ(Picker()->Kind(), dtkTime);
    EXPECT_EQ(editor->ApplyCellText(), "10:20:30");
}

TEST_F(GridDatePickerTest, NoPickerWhenPickersAreUnavailable) {
    DatePickerAvailable = false;
    EXPECT_EQ(Grid->CellEditorOfKind(edDateEdit), nullptr);
    EXPECT_EQ(Grid->CellEditorOfKind(edDateTimeEdit), nullptr);
    DatePickerAvailable = true;
    EXPECT_NE(Grid->CellEditorOfKind(edDateEdit), nullptr);
}

TEST_F(GridDatePickerTest, RefusedEnterKeepsThePickerOnTheValidatedValue) {
    Open(edDateEdit, 1, 1, "01/02/2020");
    Grid->RefuseWith = "03/04/2021";
    InputSimulation::KeyPress(Picker(), VK_RETURN, '\r');
    ASSERT_EQ(Grid->Validated.size(), 1u);
    EXPECT_EQ(Grid->Validated[0], "01/02/2020");
    EXPECT_EQ(Picker()->Date(), TGridDate::EncodeDate(2021, 4, 3));
    EXPECT_TRUE(Grid->FNoAutoAdvance);
}

TEST_F(GridDatePickerTest, PageKeysAndEndLeaveOnlyThroughValidation) {
    for (WORD key : {VK_PRIOR, VK_NEXT, VK_END}) {
        Open(edDateEdit, 1, 1, "01/02/2020");
        Grid->Validated.clear();
        Grid->RefuseWith = "03/04/2021";
        InputSimulation::KeyDown(Picker(), key);
        EXPECT_EQ(Grid->Validated, std::vector<std::string>{"01/02/2020"}) << key;
        EXPECT_EQ(Picker()->Date(), TGridDate::EncodeDate(2021, 4, 3)) << key;
    }
}

TEST_F(GridDatePickerTest, EscapeTakesTheCellValueBack) {
    Open(edDateEdit, 1, 1, "01/02/2020");
    Picker()->SetDate(TGridDate::EncodeDate(2022, 2, 2));
    InputSimulation::KeyPress(Picker(), VK_ESCAPE, 27);
    EXPECT_EQ(Picker()->Date(), TGridDate::EncodeDate(2020, 2, 1));
    EXPECT_TRUE(Grid->Validated.empty());
}

} // namespace
