#include "grid/foundation/CustomDateTimePicker.h"
#include "grid/foundation/EsgDateTimePicker.h"
#include "grid/foundation/GridDate.h"
#include "platform/core/Exception.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TEST(DateTimePickerTwins, StartWithTheirOwnLook) {
    TForm form(nullptr);
    auto* esg = new TEsgDateTimePicker(&form);
    auto* custom = new TCustomDateTimePicker(&form);

    EXPECT_TRUE(esg->Ctl3D());
    EXPECT_FALSE(custom->Ctl3D());
    EXPECT_EQ(esg->BorderColor(), clNone);
    EXPECT_EQ(custom->BorderColor(), clBlack);
    EXPECT_EQ(esg->BorderStyle(), bsNone);
    EXPECT_EQ(custom->BorderStyle(), bsNone);
    EXPECT_EQ(esg->Version(), "1.0.0.0");
    EXPECT_FALSE(custom->AutoTab());
    for (TStyledDateTimePicker* picker :
         {static_cast<TStyledDateTimePicker*>(esg), static_cast<TStyledDateTimePicker*>(custom)}) {
        EXPECT_FALSE(picker->MetroStyle());
        EXPECT_EQ(picker->ButtonColor(), clNone);
        EXPECT_EQ(picker->ButtonColorHot(), clNone);
        EXPECT_EQ(picker->ButtonColorDown(), clNone);
        EXPECT_EQ(picker->ButtonTextColor(), clNone);
        EXPECT_EQ(picker->ButtonBorderColor(), clNone);
        EXPECT_EQ(picker->FocusBorderColor(), clNone);
        EXPECT_EQ(picker->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 2);
        EXPECT_TRUE(picker->DoubleBuffered());
    }
}

TEST(DateTimePickerTwins, TheShiftMessageHasOneNumberForEveryone) {
    EXPECT_EQ(DTPShiftFocusMessage(), RegisterWindowMessage("DTPShiftFocus"));
    EXPECT_GE(DTPShiftFocusMessage(), 0xC000u);
}

class DateTimePickerHover : public ::testing::Test {
protected:
    DateTimePickerHover() : Picker(new TEsgDateTimePicker(&Form)) {
        Picker->SetParent(&Form);
        Picker->SetBounds(10, 10, 150, 21);
    }
    TForm Form{nullptr};
    TEsgDateTimePicker* Picker;
};

TEST_F(DateTimePickerHover, TracksTheMouseOverTheControlAndItsButton) {
    const int buttonLeft = Picker->Width() - Picker->ButtonWidth();
    InputSimulation::MouseEnter(Picker);
    EXPECT_TRUE(Picker->MouseInControl());

    struct Case {
        int X;
        bool OverButton;
    };
    for (const Case c : {Case{5, false}, Case{buttonLeft, false}, Case{buttonLeft + 1, true},
                         Case{Picker->Width() - 1, true}, Case{20, false}}) {
        InputSimulation::MouseMove(Picker, {c.X, 10});
        EXPECT_EQ(Picker->ButtonHover(), c.OverButton) << "x = " << c.X;
    }

    InputSimulation::MouseMove(Picker, {Picker->Width() - 2, 10});
    InputSimulation::MouseLeave(Picker);
    EXPECT_FALSE(Picker->MouseInControl());
    EXPECT_FALSE(Picker->ButtonHover()) << "leaving clears the button hover too";
}

TEST_F(DateTimePickerHover, ADisabledPickerDoesNotTakeTheMouse) {
    Picker->SetEnabled(false);
    InputSimulation::MouseEnter(Picker);
    EXPECT_FALSE(Picker->MouseInControl());
}

TEST_F(DateTimePickerHover, EnteringAndLeavingSetTheFocusFlag) {
    Picker->Perform(CM_ENTER);
    EXPECT_TRUE(Picker->HasFocus());
    Picker->Perform(CM_EXIT);
    EXPECT_FALSE(Picker->HasFocus());
}

// Hour, minute and second of the time picker's value.
std::string HMS(TDateTimePicker* picker) {
    int h = 0, m = 0, s = 0, ms = 0;
    TGridDate::DecodeTime(picker->DateTime(), h, m, s, ms);
    return std::to_string(h) + ":" + std::to_string(m) + ":" + std::to_string(s);
}

struct AutoTabCase {
    const char* Name;
    const char* StartTime; // hh:mm:ss
    const char* Typed;
    const char* Value;
    int FieldAfter;
};

class TimeAutoTab : public ::testing::TestWithParam<AutoTabCase> {};

TEST_P(TimeAutoTab, ADigitThatChangesATimePartMovesTheCaretOn) {
    const AutoTabCase& c = GetParam();
    TForm form(nullptr);
    auto* picker = new TCustomDateTimePicker(&form);
    picker->SetParent(&form);
    picker->SetKind(dtkTime);
    picker->SetFormat("HH:mm:ss");
    picker->SetAutoTab(true);
    picker->SetText(c.StartTime);

    for (const char* ch = c.Typed; *ch != '\0'; ++ch) {
        InputSimulation::TypeChar(picker, static_cast<TChar>(*ch));
        Application->ProcessMessages();
    }

    EXPECT_EQ(HMS(picker), c.Value);
    EXPECT_EQ(picker->CurrentField(), c.FieldAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TimeAutoTab,
    ::testing::Values(AutoTabCase{"ChangedHourMovesToTheMinutes", "10:20:30", "7", "7:20:30", 1},
                      AutoTabCase{"UnchangedHourStays", "01:20:30", "01", "1:20:30", 0},
                      AutoTabCase{"AnOpenPartWaits", "10:20:30", "1", "10:20:30", 0},
                      AutoTabCase{"EachCompletedPartMovesOn", "10:20:30", "345", "3:45:30", 2},
                      AutoTabCase{"LettersDoNotMove", "10:20:30", "x", "10:20:30", 0}),
    [](const auto& info) { return info.param.Name; });

TEST(DateTimePickerTwins, WithoutAutoTabTheCaretStays) {
    TForm form(nullptr);
    auto* picker = new TCustomDateTimePicker(&form);
    picker->SetParent(&form);
    picker->SetKind(dtkTime);
    picker->SetFormat("HH:mm:ss");
    InputSimulation::TypeChar(picker, '7');
    Application->ProcessMessages();
    EXPECT_EQ(picker->CurrentField(), 0);
}

TEST(DateTimePickerTwins, RefuseDatesOutsideYearsOneToNineThousandNineHundredNinetyNine) {
    TForm form(nullptr);
    auto* picker = new TEsgDateTimePicker(&form);
    const TDateTime first = TGridDate::EncodeDate(1, 1, 1);
    const TDateTime last = TGridDate::EncodeDate(9999, 12, 31);
    picker->SetDate(first);
    EXPECT_EQ(picker->Date(), first);
    picker->SetDate(last);
    EXPECT_EQ(picker->Date(), last);
    EXPECT_THROW(picker->SetDate(first - 1), EConvertError) << "31 December of year 0";
    EXPECT_THROW(picker->SetDate(last + 1), EConvertError) << "1 January 10000";
    EXPECT_THROW(TGridDate::EncodeDate(0, 12, 31), EConvertError);
    EXPECT_THROW(TGridDate::EncodeDate(10000, 1, 1), EConvertError);
    EXPECT_EQ(picker->Date(), last);
}

} // namespace
