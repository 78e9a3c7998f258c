// The time picker drop-down: its masked text, typing, key steps, the clock in its popup, and
// cancel and accept.
#include "grid/dropdown/ExTimePickerDropDown.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExWatch.h"
#include "grid/dropdown/WatchTestTimes.h"

#include "grid/foundation/GridDate.h"
#include "grid/foundation/ScopedFormatSettings.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Panel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Clock(TDateTime T) {
    return TimeText(T, true);
}

TFormatSettings WithTimeSeparator(const std::string& Separator) {
    TFormatSettings settings = ScopedFormatSettings::English();
    settings.TimeSeparator = Separator;
    return settings;
}

class TimePicker : public ::testing::Test {
protected:
    explicit TimePicker(const std::string& Separator = ":")
        : Locale(WithTimeSeparator(Separator)), Form(std::make_unique<TForm>(nullptr)),
          Picker(new TExTimePickerDropDown(Form.get())) {
        Form->SetBounds(100, 100, 400, 300);
        Picker->SetParent(Form.get());
        Picker->SetBounds(10, 40, 120, 21);
        Form->Show();
        Picker->SetFocus();
        Picker->OnTimeChange = [this](TObject*) { ++TimeChanges; };
    }

    void Type(const std::string& Keys) {
        for (char key : Keys)
            InputSimulation::TypeChar(Picker, static_cast<TChar>(key));
    }
    void PopupKey(WORD Key, TShiftState Shift = {}) {
        Picker->DropDownForm()->OnKeyDown(Picker->DropDownForm(), Key, Shift);
    }
    bool PopupShown() const { return Picker->DropDownForm()->Visible(); }

    ScopedFormatSettings Locale;
    std::unique_ptr<TForm> Form;
    TExTimePickerDropDown* Picker;
    int TimeChanges = 0;
};

class TimePickerWithDots : public TimePicker {
protected:
    TimePickerWithDots() : TimePicker(".") {}
};

} // namespace

TEST_F(TimePicker, ANewPickerShowsMidnightWithSecondsAndTakesNoTyping) {
    EXPECT_EQ(Picker->EditText(), "00:00:00");
    EXPECT_EQ(Picker->Time(), 0);
    EXPECT_FALSE(Picker->EditorEnabled());
    EXPECT_TRUE(Picker->ShowSeconds());
    EXPECT_FALSE(Picker->ShowTimePicker());
    EXPECT_TRUE(Picker->DropDownEnabled());
    ASSERT_NE(Picker->Watch(), nullptr);
    EXPECT_EQ(Picker->Control(), Picker->Panel());
    EXPECT_EQ(Picker->WatchAppearance()->BackgroundColor(), TColor{0xFFEFE3})
        << "the clock's look of the first style";
}

TEST_F(TimePickerWithDots, TheLocalesSeparatorSplitsTheFields) {
    EXPECT_EQ(Picker->EditText(), "00.00.00");
    Picker->SetTime(At(7, 8, 9));
    EXPECT_EQ(Picker->EditText(), "07.08.09");
    Picker->SetEditorEnabled(true);
    Picker->SetSelStart(0);
    Type("123456");
    EXPECT_EQ(Clock(Picker->Time()), "12:34:56");
}

TEST_F(TimePicker, TimeWritesRewriteTheTextAndDropDateAndMilliseconds) {
    const struct {
        TDateTime Value;
        bool Seconds;
        const char* Text;
        const char* Stored;
    } cases[] = {
        {At(12, 34, 56), true, "12:34:56", "12:34:56"},
        {45000.0 + At(1, 2, 3) + 0.004 / 86400, true, "01:02:03", "01:02:03"},
        {At(12, 34, 56), false, "12:34", "12:34:00"},
    };
    for (const auto& c : cases) {
        Picker->SetShowSeconds(c.Seconds);
        Picker->SetTime(0);
        Picker->SetTime(c.Value);
        EXPECT_EQ(Picker->EditText(), c.Text);
        EXPECT_EQ(Clock(Picker->Time()), c.Stored);
        EXPECT_LT(Picker->Time(), 1.0) << "no date part";
    }
    EXPECT_EQ(TimeChanges, 0);
}

TEST_F(TimePicker, TypingAWholeTimeSetsItWithoutTheTimeChangeEvent) {
    const struct {
        bool Seconds;
        const char* Typed;
        const char* Stored;
    } cases[] = {
        {true, "123456", "12:34:56"},
        {true, "235959", "23:59:59"},
        {false, "1234", "12:34:00"},
        {false, "0905", "09:05:00"},
    };
    Picker->SetEditorEnabled(true);
    for (const auto& c : cases) {
        Picker->SetShowSeconds(c.Seconds);
        Picker->SetTime(At(10, 20, 30));
        Picker->SetSelStart(0);
        Type(c.Typed);
        EXPECT_EQ(Clock(Picker->Time()), c.Stored) << c.Typed;
    }
    EXPECT_EQ(TimeChanges, 0);
}

TEST_F(TimePicker, AWholeTextThatIsNoTimeLeavesTheTime) {
    const char* texts[] = {"25:00:00", "12:61:00", "12:00:60", "99:99:99"};
    for (const char* text : texts) {
        Picker->SetTime(At(10, 20, 30));
        Picker->SetTextDirect(text);
        EXPECT_EQ(Clock(Picker->Time()), "10:20:30") << text;
    }
}

TEST_F(TimePicker, AnUnfilledMinuteReadsAsZeroAndTheTextIsTidied) {
    Picker->SetShowSeconds(false);
    Picker->SetTime(At(10, 20));
    Picker->SetTextDirect("12:30");
    EXPECT_EQ(Clock(Picker->Time()), "12:30:00");
    EXPECT_EQ(Picker->EditText(), "12:30");
    // Deleting the first minute digit leaves a blank there.
    Picker->SetEditorEnabled(true);
    Picker->SetSelStart(3);
    InputSimulation::KeyPress(Picker, VK_DELETE);
    EXPECT_EQ(Clock(Picker->Time()), "12:00:00");
    EXPECT_EQ(Picker->EditText(), "12:00");
}

TEST_F(TimePicker, UpAndDownStepTheFieldUnderTheCaret) {
    const struct {
        TDateTime Start;
        int Caret;
        WORD Key;
        bool Seconds;
        const char* Expected;
    } cases[] = {
        {At(0, 15), 0, VK_UP, true, "23:15:00"},        {At(0, 15), 2, VK_DOWN, true, "01:15:00"},
        {At(23, 15), 1, VK_DOWN, true, "00:15:00"},     {At(10, 20), 3, VK_UP, true, "10:19:00"},
        {At(10, 59), 5, VK_DOWN, true, "10:00:00"},     {At(10, 0), 4, VK_UP, true, "10:59:00"},
        {At(10, 20, 59), 6, VK_DOWN, true, "10:20:00"}, {At(10, 20, 0), 8, VK_UP, true, "10:20:59"},
        {At(10, 20), 4, VK_UP, false, "10:19:00"},      {At(10, 20), 5, VK_DOWN, false, "10:21:00"},
    };
    for (bool editable : {false, true}) {
        Picker->SetEditorEnabled(editable);
        for (const auto& c : cases) {
            Picker->SetShowSeconds(c.Seconds);
            Picker->SetTime(c.Start);
            Picker->SetSelStart(c.Caret);
            TimeChanges = 0;
            InputSimulation::KeyDown(Picker, c.Key);
            EXPECT_EQ(Clock(Picker->Time()), c.Expected)
                << Clock(c.Start) << " caret " << c.Caret << " editable " << editable;
            EXPECT_EQ(TimeChanges, 1);
            // The caret stays in its field (a masked edit keeps it off the separators).
            const int field = c.Caret < 3 ? 0 : c.Caret < 6 ? 1 : 2;
            const int after = Picker->SelStart();
            EXPECT_EQ(after < 3 ? 0 : after < 6 ? 1 : 2, field) << Clock(c.Start);
        }
    }
}

TEST_F(TimePicker, CtrlAndAltArrowsDoNotStep) {
    Picker->SetTime(At(10, 20));
    Picker->SetSelStart(0);
    InputSimulation::KeyDown(Picker, VK_UP, {ssCtrl});
    EXPECT_EQ(Clock(Picker->Time()), "10:20:00");
    InputSimulation::KeyDown(Picker, VK_DOWN, {ssAlt});
    EXPECT_EQ(Clock(Picker->Time()), "10:20:00");
    EXPECT_TRUE(PopupShown()) << "Alt+Down opens the popup";
    EXPECT_EQ(TimeChanges, 0);
}

TEST_F(TimePicker, SwitchingSecondsOffShortensTextAndTime) {
    Picker->SetTime(At(10, 20, 30));
    Picker->SetShowSeconds(false);
    EXPECT_EQ(Picker->EditText(), "10:20");
    EXPECT_EQ(Clock(Picker->Time()), "10:20:00");
    Picker->SetShowSeconds(true);
    EXPECT_EQ(Picker->EditText(), "10:20:00");
}

TEST_F(TimePicker, ThePopupClockStartsAtTheTimeAndItsChangesReachTheEdit) {
    Picker->SetAnimation(false);
    Picker->SetTime(At(10, 20));
    Picker->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    TExWatch* clock = Picker->Watch();
    EXPECT_EQ(Clock(clock->Time()), "10:20:00");
    EXPECT_FALSE(clock->Animation());
    EXPECT_EQ(clock->Appearance()->BackgroundColor(), Picker->WatchAppearance()->BackgroundColor());

    PopupKey(VK_PRIOR);
    EXPECT_EQ(Clock(Picker->Time()), "11:20:00") << "Page Up is the clock's";
    EXPECT_EQ(Picker->EditText(), "11:20:00");
    Picker->SetSelStart(0);
    PopupKey(VK_UP);
    EXPECT_EQ(Clock(Picker->Time()), "11:20:00") << "Up is not passed to the edit";
    PopupKey(VK_RIGHT);
    EXPECT_EQ(Clock(Picker->Time()), "11:21:00");
    EXPECT_TRUE(PopupShown());
}

TEST_F(TimePicker, CancelRestoresTheTimeAndAcceptKeepsThePickedOne) {
    const struct {
        bool Cancel;
        const char* Expected;
    } cases[] = {{true, "10:20:00"}, {false, "11:21:00"}};
    Picker->SetAnimation(false);
    for (const auto& c : cases) {
        // A time written by the program, which the edit's restore text does not hold.
        Picker->SetTime(At(10, 20));
        ASSERT_EQ(Clock(Picker->Time()), "10:20:00");
        Picker->ShowDropDown();
        PopupKey(VK_PRIOR);
        PopupKey(VK_RIGHT);
        ASSERT_EQ(Clock(Picker->Time()), "11:21:00");
        Picker->HideDropDown(c.Cancel);
        EXPECT_FALSE(PopupShown());
        EXPECT_EQ(Clock(Picker->Time()), c.Expected) << c.Cancel;
        EXPECT_EQ(Picker->EditText(), c.Expected) << c.Cancel;
        EXPECT_EQ(Clock(Picker->Watch()->Time()), c.Expected) << c.Cancel;
    }
}

TEST_F(TimePicker, EscapeInThePopupCancels) {
    Picker->SetAnimation(false);
    Picker->SetText("08:00:00");
    Picker->ShowDropDown();
    PopupKey(VK_HOME);
    EXPECT_EQ(Clock(Picker->Time()), "12:00:00");
    PopupKey(VK_ESCAPE);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Clock(Picker->Time()), "08:00:00");
}

TEST_F(TimePicker, TheTimePickerUnderTheClockFollowsIt) {
    Picker->SetAnimation(false);
    Picker->SetShowTimePicker(true);
    Picker->SetTime(At(9, 30, 15));
    Picker->ShowDropDown();
    TDateTimePicker* under = Picker->DateTimePicker();
    ASSERT_NE(under, nullptr);
    EXPECT_TRUE(under->Visible());
    EXPECT_EQ(Clock(under->Time()), "09:30:15");
    EXPECT_EQ(Picker->Panel()->Height(), under->Height() + 170);
    PopupKey(VK_NEXT);
    EXPECT_EQ(Clock(under->Time()), "08:30:15");
    EXPECT_EQ(TimeChanges, 1);
    Picker->HideDropDown(false);

    Picker->SetShowTimePicker(false);
    Picker->ShowDropDown();
    EXPECT_FALSE(under->Visible());
    Picker->HideDropDown(true);
}

TEST_F(TimePicker, TheTimeChangeEventReadsTheNewTime) {
    Picker->SetAnimation(false);
    Picker->SetShowTimePicker(true);
    Picker->SetTime(At(9, 30));
    std::vector<std::string> seen;
    Picker->OnTimeChange = [&](TObject*) { seen.push_back(Clock(Picker->Time())); };
    InputSimulation::KeyPress(Picker, VK_F4);
    ASSERT_TRUE(PopupShown());
    InputSimulation::KeyPress(Picker->DropDownForm(), VK_PRIOR);
    EXPECT_EQ(seen, std::vector<std::string>{"10:30:00"});
    EXPECT_EQ(Picker->EditText(), "10:30:00");
}

TEST_F(TimePicker, ComponentStylesColourTheClocksLook) {
    Picker->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(Picker->WatchAppearance()->BackgroundColor(), TColor{0xFFD2AF});
    EXPECT_EQ(Picker->WatchAppearance()->SecondPointer(), clWhite);
}
