// The spin edit's values, limits, keys, typing filter and stepping, driven through synthesised
// input as a person would use it.
#include "ScopedFormatSettings.h"

#include "grid/foundation/SpinDateTimeText.h"
#include "grid/foundation/esgspin.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MessageBeep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

struct SpinEditFixture : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TEsgSpinEdit* Edit = new TEsgSpinEdit(Form.get());
    std::vector<WORD> KeysSeen;

    SpinEditFixture() {
        Edit->SetParent(Form.get());
        Edit->OnKeyDown = [this](TObject*, WORD& key, TShiftState) { KeysSeen.push_back(key); };
    }

    // Puts the text and the caret (or a selection) in place, then presses the key.
    void Press(const std::string& text, int caret, WORD key, int selLength = 0) {
        Edit->SetText(text);
        Edit->SetSelStart(caret);
        Edit->SetSelLength(selLength);
        InputSimulation::KeyPress(Edit, key);
    }

    // Types one character over the text with the caret or selection given; true when the
    // character was taken (no beep).
    bool Typed(const std::string& text, int caret, int selLength, char16_t ch) {
        Edit->SetText(text);
        Edit->SetSelStart(caret);
        Edit->SetSelLength(selLength);
        int beeps = MessageBeepCount();
        InputSimulation::TypeChar(Edit, ch);
        return MessageBeepCount() == beeps;
    }
};

TEST_F(SpinEditFixture, StartsAsAnIntegerEditFromZeroToHundred) {
    EXPECT_EQ(Edit->Text(), "0");
    EXPECT_EQ(Edit->SpinType(), sptNormal);
    EXPECT_EQ(Edit->MinValue(), 0);
    EXPECT_EQ(Edit->MaxValue(), 100);
    EXPECT_EQ(Edit->MinFloatValue(), 0.0);
    EXPECT_EQ(Edit->MaxFloatValue(), 100.0);
    EXPECT_EQ(Edit->MinDateValue(), 0.0);
    EXPECT_EQ(Edit->MaxDateValue(), 0.0);
    EXPECT_EQ(Edit->Increment(), 1);
    EXPECT_DOUBLE_EQ(Edit->IncrementFloat(), 0.1);
    EXPECT_DOUBLE_EQ(Edit->IncrementFloatPage(), 1.0);
    EXPECT_EQ(Edit->IncrementHours(), 1);
    EXPECT_EQ(Edit->IncrementMinutes(), 1);
    EXPECT_EQ(Edit->IncrementSeconds(), 1);
    EXPECT_TRUE(Edit->EditorEnabled());
    EXPECT_TRUE(Edit->ShowSeconds());
    EXPECT_FALSE(Edit->ReturnIsTab());
    EXPECT_FALSE(Edit->AllowEmptyValue());
    EXPECT_EQ(Edit->Direction(), spVertical);
    EXPECT_EQ(Edit->EditAlign(), eaLeft);
    ASSERT_NE(Edit->Button(), nullptr);
    EXPECT_EQ(Edit->Button()->Parent(), Edit);
    EXPECT_EQ(Edit->Button()->FocusControl(), Edit);
    EXPECT_EQ(Edit->Button()->Width(), 15);
    EXPECT_TRUE(Edit->Button()->Visible());
}

TEST_F(SpinEditFixture, IntegerTextReadsWithBlanksHexAndFallbacks) {
    Edit->SetMinValue(5);
    struct Case {
        std::string Text;
        int Expected;
    };
    const std::vector<Case> cases = {
        {"", 0},    {"   ", 0},  {"abc", 5},   {"42", 42},         {"  7 ", 7},
        {"-3", -3}, {"$1F", 31}, {"0x10", 16}, {"99999999999", 5}, {"1.5", 5},
    };
    for (const Case& c : cases) {
        Edit->SetText(c.Text);
        EXPECT_EQ(Edit->Value(), c.Expected) << "'" << c.Text << "'";
    }
}

TEST_F(SpinEditFixture, IntegerWritesKeepInsideLimitsUnlessBothAreEqual) {
    struct Case {
        int Min, Max, Written;
        std::string Shown;
    };
    const std::vector<Case> cases = {
        {0, 100, 150, "100"}, {0, 100, -5, "0"}, {0, 100, 42, "42"}, {0, 0, 150, "150"},
        {0, 0, -5, "-5"},     {7, 7, 3, "3"},    {10, 20, 5, "10"},  {-50, -10, 0, "-10"},
    };
    for (const Case& c : cases) {
        Edit->SetMinValue(c.Min);
        Edit->SetMaxValue(c.Max);
        Edit->SetValue(c.Written);
        EXPECT_EQ(Edit->Text(), c.Shown) << c.Min << ".." << c.Max << " <- " << c.Written;
    }
}

TEST_F(SpinEditFixture, StepKeysChangeTheValueAndNeverReachOnKeyDown) {
    struct Case {
        TEsgSpinType Kind;
        std::string Before;
        WORD Key;
        std::string After;
    };
    const std::vector<Case> cases = {
        {sptNormal, "5", VK_UP, "6"},       {sptNormal, "5", VK_DOWN, "4"},
        {sptNormal, "5", VK_PRIOR, "6"},    {sptNormal, "5", VK_NEXT, "4"},
        {sptNormal, "0", VK_DOWN, "0"},     {sptNormal, "100", VK_UP, "100"},
        {sptNormal, "", VK_UP, "1"},        {sptNormal, "abc", VK_UP, "1"},
        {sptFloat, "1.5", VK_UP, "1.6"},    {sptFloat, "1.5", VK_DOWN, "1.4"},
        {sptFloat, "1.5", VK_PRIOR, "2.5"}, {sptFloat, "1.5", VK_NEXT, "0.5"},
        {sptFloat, "0.05", VK_DOWN, "0"},   {sptFloat, "99.5", VK_PRIOR, "100"},
    };
    ScopedFormatSettings english(ScopedFormatSettings::English());
    for (const Case& c : cases) {
        Edit->SetSpinType(c.Kind);
        Press(c.Before, 0, c.Key);
        EXPECT_EQ(Edit->Text(), c.After) << c.Before << " key " << c.Key;
    }
    EXPECT_TRUE(KeysSeen.empty());
    InputSimulation::KeyPress(Edit, VK_HOME);
    EXPECT_EQ(KeysSeen, std::vector<WORD>{VK_HOME});
}

TEST_F(SpinEditFixture, IntegerStepsSaturateWithoutLimits) {
    Edit->SetMinValue(0);
    Edit->SetMaxValue(0);
    Edit->SetIncrement(10);
    Press("2147483640", 0, VK_UP);
    EXPECT_EQ(Edit->Text(), "2147483647");
    Press("-2147483640", 0, VK_DOWN);
    EXPECT_EQ(Edit->Text(), "-2147483648");
}

TEST_F(SpinEditFixture, FloatTextFollowsPrecisionAndLocale) {
    struct Case {
        bool European;
        int Precision;
        double Written;
        std::string Shown;
    };
    const std::vector<Case> cases = {
        {false, 0, 2.5, "2.5"},
        {false, 2, 2.5, "2.50"},
        {true, 2, 2.5, "2,50"},
        {true, 0, 2.5, "2,5"},
        {false, 1, 150, "100.0"},
        {false, 3, -0.0001, "0.000"},
        {false, 0, 1.0 / 3, "0.333333333333333"},
    };
    Edit->SetSpinType(sptFloat);
    for (const Case& c : cases) {
        ScopedFormatSettings settings(c.European ? ScopedFormatSettings::European()
                                                 : ScopedFormatSettings::English());
        Edit->SetMinFloatValue(c.Written < 0 ? -1 : 0);
        Edit->SetPrecision(c.Precision);
        Edit->SetFloatValue(c.Written);
        EXPECT_EQ(Edit->Text(), c.Shown) << c.Written << " precision " << c.Precision;
    }
}

TEST_F(SpinEditFixture, FloatTextThatIsNoNumberReadsTheIntegerMinimum) {
    ScopedFormatSettings european(ScopedFormatSettings::European());
    Edit->SetSpinType(sptFloat);
    Edit->SetMinValue(7);
    Edit->SetMinFloatValue(2.5);
    Edit->SetText("1,25");
    EXPECT_DOUBLE_EQ(Edit->FloatValue(), 1.25);
    Edit->SetText("1.25");
    EXPECT_DOUBLE_EQ(Edit->FloatValue(), 7.0);
}

struct TypingCase {
    const char* Name;
    TEsgSpinType Kind;
    int Precision;
    bool EditorEnabled;
    std::string Before;
    int Caret, SelLength;
    char16_t Typed;
    bool Accepted;
    std::string After; // when accepted
};

TEST_F(SpinEditFixture, TypedCharactersAreFilteredByKindAndPlace) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    const std::vector<TypingCase> cases = {
        {"digit", sptNormal, 0, true, "12", 2, 0, u'3', true, "123"},
        {"letter", sptNormal, 0, true, "12", 2, 0, u'a', false, ""},
        {"decimal separator in integers", sptNormal, 0, true, "12", 2, 0, u'.', false, ""},
        {"date separator in integers", sptNormal, 0, true, "12", 2, 0, u'/', false, ""},
        {"time separator in integers", sptNormal, 0, true, "12", 2, 0, u':', false, ""},
        {"escape in integers", sptNormal, 0, true, "12", 2, 0, 0x1B, false, ""},
        {"enter", sptFloat, 0, true, "12", 2, 0, u'\r', false, ""},
        {"backspace", sptNormal, 0, true, "12", 2, 0, u'\b', true, "1"},
        {"backspace, editor off", sptNormal, 0, false, "12", 2, 0, u'\b', false, ""},
        {"digit, editor off", sptNormal, 0, false, "12", 2, 0, u'3', false, ""},
        {"minus at the start", sptNormal, 0, true, "12", 0, 0, u'-', true, "-12"},
        {"minus inside", sptNormal, 0, true, "12", 1, 0, u'-', false, ""},
        {"second minus", sptNormal, 0, true, "-12", 0, 0, u'-', false, ""},
        {"minus over the first", sptNormal, 0, true, "-12", 0, 1, u'-', true, "-12"},
        {"arabic-indic digit", sptNormal, 0, true, "1", 1, 0, u'\u0663', true, "1\u0663"},
        {"third decimal of two", sptFloat, 2, true, "1.25", 4, 0, u'3', false, ""},
        {"digit before the separator", sptFloat, 2, true, "1.25", 0, 0, u'3', true, "31.25"},
        {"digit over a selection", sptFloat, 2, true, "1.25", 2, 2, u'3', true, "1.3"},
        {"decimal with room", sptFloat, 2, true, "1.2", 3, 0, u'5', true, "1.25"},
        {"any decimals without precision", sptFloat, 0, true, "1.25", 4, 0, u'3', true, "1.253"},
        {"second decimal separator", sptFloat, 0, true, "1.2", 3, 0, u'.', false, ""},
        {"separator over the first", sptFloat, 0, true, "1.2", 1, 1, u'.', true, "1.2"},
        {"thousand separator in floats", sptFloat, 0, true, "1", 1, 0, u',', false, ""},
        {"escape in floats", sptFloat, 0, true, "1", 1, 0, 0x1B, true, "1"},
        {"letter in floats", sptFloat, 0, true, "1", 1, 0, u'e', false, ""},
        {"second time separator", sptTime, 0, true, "12:30", 5, 0, u':', true, "12:30:"},
        {"third time separator", sptTime, 0, true, "12:30:", 6, 0, u':', false, ""},
        {"time separator in dates", sptDate, 0, true, "1", 1, 0, u':', false, ""},
        {"date separator in dates", sptDate, 0, true, "1", 1, 0, u'/', true, "1/"},
        {"date separator in times", sptTime, 0, true, "1", 1, 0, u'/', false, ""},
        {"letter in dates", sptDate, 0, true, "1", 1, 0, u'x', false, ""},
    };
    for (const TypingCase& c : cases) {
        Edit->SetText("");
        Edit->SetSpinType(c.Kind);
        Edit->SetPrecision(c.Precision);
        Edit->SetEditorEnabled(c.EditorEnabled);
        bool accepted = Typed(c.Before, c.Caret, c.SelLength, c.Typed);
        EXPECT_EQ(accepted, c.Accepted) << c.Name;
        EXPECT_EQ(Edit->Text(), c.Accepted ? c.After : c.Before) << c.Name;
    }
}

TEST_F(SpinEditFixture, TimeSeparatorCountsAsNumberPunctuationWhereItEqualsTheDecimalOne) {
    TFormatSettings settings = ScopedFormatSettings::English();
    settings.TimeSeparator = ".";
    ScopedFormatSettings pinned(settings);
    Edit->SetSpinType(sptFloat);
    EXPECT_TRUE(Typed("1", 1, 0, u'.'));
    Edit->SetSpinType(sptDate);
    EXPECT_FALSE(Typed("1", 1, 0, u'.'));
}

TEST_F(SpinEditFixture, KeypadDecimalKeyTypesTheLocaleSeparator) {
    ScopedFormatSettings european(ScopedFormatSettings::European());
    Edit->SetSpinType(sptFloat);
    struct Case {
        const char* Name;
        bool ExcelStyle;
        WORD Key;
        const char* After; // the text after typing '.' behind "1"
    };
    const std::vector<Case> cases = {
        {"keypad decimal key", true, VK_DECIMAL, "1,"},
        {"full stop right after it", true, VK_OEM_PERIOD, "1"}, // '.' is refused
        {"option off", false, VK_DECIMAL, "1"},
    };
    for (const Case& c : cases) {
        Edit->SetExcelStyleDecimalSeparator(c.ExcelStyle);
        Edit->SetText("1");
        Edit->SetSelStart(1);
        InputSimulation::KeyPress(Edit, c.Key, u'.');
        EXPECT_EQ(Edit->Text(), c.After) << c.Name;
    }
    // The keypad's digits type digits.
    Edit->SetText("1,");
    Edit->SetSelStart(2);
    InputSimulation::KeyPress(Edit, VK_NUMPAD5, u'5');
    EXPECT_EQ(Edit->Text(), "1,5");
}

struct DateStepCase {
    const char* Format;
    std::string Before;
    int Caret;
    bool Up;
    std::string After;
};

TEST_F(SpinEditFixture, DateStepsTheFieldUnderTheCaret) {
    const std::vector<DateStepCase> cases = {
        {"dd/MM/yyyy", "31/01/2024", 4, true, "29/02/2024"},  // month, day clamped
        {"dd/MM/yyyy", "31/01/2024", 1, true, "01/02/2024"},  // day over the month end
        {"dd/MM/yyyy", "31/01/2024", 7, true, "31/01/2025"},  // year
        {"dd/MM/yyyy", "01/03/2024", 0, false, "29/02/2024"}, // day back into a leap February
        {"dd/MM/yyyy", "15/01/2024", 3, false, "15/12/2023"}, // month back over the year
        {"dd/MM/yyyy", "29/02/2024", 8, true, "28/02/2025"},  // year into a common year
        {"dd/MM/yyyy", "31/12/9999", 1, true, "31/12/9999"},  // no day after the last one
        {"dd/MM/yyyy", "15/06/9999", 8, true, "15/06/9999"},
        {"MM/dd/yyyy", "01/31/2024", 1, true, "02/29/2024"}, // month first
        {"MM/dd/yyyy", "01/31/2024", 4, true, "02/01/2024"},
    };
    for (const DateStepCase& c : cases) {
        TFormatSettings settings = ScopedFormatSettings::English();
        settings.ShortDateFormat = c.Format;
        ScopedFormatSettings pinned(settings);
        Edit->SetSpinType(sptDate);
        Press(c.Before, c.Caret, c.Up ? VK_UP : VK_DOWN);
        EXPECT_EQ(Edit->Text(), c.After) << c.Before << " caret " << c.Caret;
        EXPECT_EQ(Edit->SelStart(), c.Caret) << "the caret stays in its field";
        EXPECT_EQ(Edit->UsDates(), c.Format[0] == 'M');
    }
}

TEST_F(SpinEditFixture, DateTextReadsWithFallbacks) {
    ScopedFormatSettings european(ScopedFormatSettings::European());
    Edit->SetSpinType(sptDate);
    Edit->SetMinDateValue(TGridDate::EncodeDate(2000, 1, 1));
    Edit->SetMaxDateValue(TGridDate::EncodeDate(2030, 1, 1));
    Edit->SetText("05/06/2024");
    EXPECT_EQ(Edit->DateValue(), TGridDate::EncodeDate(2024, 6, 5));
    Edit->SetText("31/02/2024");
    EXPECT_EQ(Edit->DateValue(), TGridDate::EncodeDate(2000, 1, 1));
    for (const char* now : {"0", "", "  "}) {
        Edit->SetText(now);
        EXPECT_NEAR(Edit->DateValue(), SpinDateTimeText::Now(), 1.0 / 24) << "'" << now << "'";
    }
    Edit->SetDateValue(TGridDate::EncodeDate(1990, 5, 5));
    EXPECT_EQ(Edit->Text(), "01/01/2000");
    Edit->SetDateValue(TGridDate::EncodeDate(2040, 5, 5));
    EXPECT_EQ(Edit->Text(), "01/01/2030");
}

struct TimeStepCase {
    std::string Before;
    int Caret;
    bool Up;
    int Hours, Minutes, Seconds; // increments
    std::string After;
};

TEST_F(SpinEditFixture, TimeStepsTheFieldUnderTheCaretRoundMidnight) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    const std::vector<TimeStepCase> cases = {
        {"23:59:30", 4, true, 1, 1, 1, "00:00:30"},
        {"00:00:30", 4, false, 1, 1, 1, "23:59:30"},
        {"23:59:30", 0, true, 1, 1, 1, "00:59:30"},
        {"00:59:30", 1, false, 1, 1, 1, "23:59:30"},
        {"23:59:30", 6, true, 1, 1, 1, "23:59:31"},
        {"23:59:59", 7, true, 1, 1, 1, "00:00:00"},
        {"12:00:00", 5, true, 1, 15, 1, "12:15:00"}, // before the second separator: minutes
        {"12:00:00", 3, false, 1, 15, 1, "11:45:00"},
        {"01:00:00", 0, true, 25, 1, 1, "02:00:00"}, // a whole day and one hour
        {"12:00:00", 6, true, 1, 1, 90, "12:01:30"},
    };
    Edit->SetSpinType(sptTime);
    for (const TimeStepCase& c : cases) {
        Edit->SetIncrementHours(c.Hours);
        Edit->SetIncrementMinutes(c.Minutes);
        Edit->SetIncrementSeconds(c.Seconds);
        Press(c.Before, c.Caret, c.Up ? VK_UP : VK_DOWN);
        EXPECT_EQ(Edit->Text(), c.After) << c.Before << " caret " << c.Caret;
    }
}

TEST_F(SpinEditFixture, TimesWithoutSecondsShowHoursAndMinutes) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    Edit->SetSpinType(sptTime);
    Edit->SetShowSeconds(false);
    TDateTime time = 0;
    ASSERT_TRUE(TGridDate::TryEncodeTime(9, 5, 40, 0, time));
    Edit->SetTimeValue(time);
    EXPECT_EQ(Edit->Text(), "9:05");
    // Without seconds shown the field after the separator is the minutes.
    Press("9:05", 3, VK_UP);
    EXPECT_EQ(Edit->Text(), "9:06");
    Edit->SetText("nonsense");
    EXPECT_EQ(Edit->TimeValue(), 0.0);
}

TEST_F(SpinEditFixture, ChangingTheKindRewritesTheValueInItsForm) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    Edit->SetMaxValue(0);
    Edit->SetText("150");
    Edit->SetPrecision(1);
    Edit->SetSpinType(sptFloat);
    EXPECT_EQ(Edit->Text(), "100.0");
    Edit->SetPrecision(3);
    EXPECT_EQ(Edit->Text(), "100.000");
    Edit->SetSpinType(sptNormal);
    EXPECT_EQ(Edit->Text(), "0") << "100.000 is no integer: the minimum";
}

TEST_F(SpinEditFixture, LeavingTheEditPutsATypedValueInsideTheLimits) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    Edit->SetText("150");
    Edit->Perform(CM_EXIT);
    EXPECT_EQ(Edit->Text(), "100");
    Edit->SetSpinType(sptFloat);
    Edit->SetText("-2.5");
    Edit->Perform(CM_EXIT);
    EXPECT_EQ(Edit->Text(), "0");
    Edit->SetText("42.5");
    Edit->Perform(CM_EXIT);
    EXPECT_EQ(Edit->Text(), "42.5") << "inside the limits the text stays as typed";
}

TEST_F(SpinEditFixture, WithTheEditorOffOnlySteppingChangesTheValue) {
    Edit->SetEditorEnabled(false);
    Edit->SetValue(42);
    EXPECT_EQ(Edit->SelText(), "42") << "a written value is selected";
    Edit->SetSelStart(2);
    Edit->SetSelLength(0);
    Clipboard()->SetAsText("7");
    Edit->Perform(WM_PASTE);
    EXPECT_EQ(Edit->Text(), "42");
    Edit->SelectAll();
    Edit->Perform(WM_CUT);
    EXPECT_EQ(Edit->Text(), "42");
    Press("42", 0, VK_DELETE);
    EXPECT_EQ(Edit->Text(), "42");
    Press("42", 2, 'V', 0);
    InputSimulation::KeyPress(Edit, 'V', 0, {ssCtrl});
    EXPECT_EQ(Edit->Text(), "42");
    Press("42", 0, VK_UP);
    EXPECT_EQ(Edit->Text(), "43");

    Edit->SetEditorEnabled(true);
    Edit->SetSelStart(2);
    InputSimulation::KeyPress(Edit, 'V', 0, {ssCtrl});
    EXPECT_EQ(Edit->Text(), "437");
}

TEST_F(SpinEditFixture, ReadOnlyStepsOnlyBeep) {
    Edit->SetReadOnly(true);
    Edit->SetText("5");
    int beeps = MessageBeepCount();
    InputSimulation::KeyPress(Edit, VK_UP);
    Edit->StepDown(true);
    EXPECT_EQ(Edit->Text(), "5");
    EXPECT_EQ(MessageBeepCount(), beeps + 2);
}

TEST_F(SpinEditFixture, ReturnActsAsTabWhenAsked) {
    auto* next = new TEdit(Form.get());
    next->SetParent(Form.get());
    Form->Show();
    Edit->SetFocus();
    InputSimulation::KeyPress(Edit, VK_RETURN);
    Application->ProcessMessages();
    EXPECT_TRUE(Edit->Focused()) << "Enter stays Enter by default";

    Edit->SetReturnIsTab(true);
    KeysSeen.clear();
    InputSimulation::KeyPress(Edit, VK_RETURN);
    Application->ProcessMessages();
    EXPECT_EQ(KeysSeen, std::vector<WORD>{VK_TAB});
    EXPECT_TRUE(next->Focused());
}

TEST_F(SpinEditFixture, ArrowButtonsStepTheEdit) {
    Edit->SetText("5");
    TEsgSpinButton* button = Edit->Button();
    InputSimulation::Click(button->UpButton(), {3, 3});
    EXPECT_EQ(Edit->Text(), "6");
    InputSimulation::Click(button->DownButton(), {3, 3});
    InputSimulation::Click(button->DownButton(), {3, 3});
    EXPECT_EQ(Edit->Text(), "4");
}

// The grid's editor steps through the virtual slots; the arrows must call an override.
class TCountingSpinEdit : public TEsgSpinEdit {
public:
    using TEsgSpinEdit::TEsgSpinEdit;
    int Ups = 0;
    void SpinUp() override {
        TEsgSpinEdit::SpinUp();
        ++Ups;
    }
};

TEST(SpinEditOverride, ArrowsCallTheDescendantsStep) {
    TForm form(nullptr);
    auto* edit = new TCountingSpinEdit(&form);
    edit->SetParent(&form);
    InputSimulation::Click(edit->Button()->UpButton(), {3, 3});
    EXPECT_EQ(edit->Ups, 1);
    EXPECT_EQ(edit->Text(), "1");
}

TEST_F(SpinEditFixture, ButtonSitsAtTheRightEdgeLeftOfWhichTheTextLies) {
    Edit->SetBounds(0, 0, 120, 30);
    EXPECT_EQ(Edit->Button()->BoundsRect(), (TRect{100, 0, 115, 25}));
    EXPECT_EQ(Edit->EditRect(), (TRect{0, 0, 103, 31}));
    Edit->SetBorderStyle(bsNone);
    EXPECT_EQ(Edit->Button()->BoundsRect(), (TRect{104, 0, 119, 29}));
    EXPECT_EQ(Edit->EditRect(), (TRect{3, 3, 100, 31}));
    Edit->SetDirection(spHorizontal);
    EXPECT_EQ(Edit->Button()->Width(), 20);
    EXPECT_EQ(Edit->Button()->Left(), 120 - 20 - 1);
}

TEST_F(SpinEditFixture, HeightNeverGoesBelowWhatTheFontNeeds) {
    Edit->SetBounds(0, 0, 120, 2);
    EXPECT_EQ(Edit->Height(), Edit->MinHeight());
    EXPECT_GT(Edit->MinHeight(), 2 + 4);
}

class TLoadingSpinEdit : public TEsgSpinEdit {
public:
    using TEsgSpinEdit::TEsgSpinEdit;
    void SetLoading(bool on) { SetComponentState(csLoading, on); }
};

TEST(SpinEditLoading, DateAndTimeWritesWaitForTheEndOfLoading) {
    ScopedFormatSettings european(ScopedFormatSettings::European());
    TForm form(nullptr);
    auto* edit = new TLoadingSpinEdit(&form);
    edit->SetLoading(true);
    edit->SetSpinType(sptDate);
    edit->SetText("0");
    edit->SetDateValue(TGridDate::EncodeDate(2024, 3, 1));
    EXPECT_EQ(edit->Text(), "0");
    edit->SetLoading(false);
    edit->Loaded();
    EXPECT_EQ(edit->Text(), "01/03/2024");
}

} // namespace
