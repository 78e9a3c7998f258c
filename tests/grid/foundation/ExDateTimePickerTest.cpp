#include "ScopedFormatSettings.h"

#include "grid/foundation/ExDateTimePicker.h"
#include "grid/foundation/GridDate.h"
#include "platform/core/Exception.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Label.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TDateTime At(int year, int month, int day, int hour = 0, int min = 0, int sec = 0, int msec = 0) {
    TDateTime time = 0;
    EXPECT_TRUE(TGridDate::TryEncodeTime(hour, min, sec, msec, time));
    return TGridDate::EncodeDate(year, month, day) + time;
}

class ExDateTimePickerTest : public ::testing::Test {
protected:
    ExDateTimePickerTest() : Picker(new TExDateTimePicker(&Form)) {
        Form.SetBounds(0, 0, 400, 200);
        Picker->SetParent(&Form);
        Picker->SetBounds(100, 40, 200, 24);
        Picker->SetDateTime(At(2024, 3, 1, 10, 20, 30));
    }

    void Type(TControl* target, const std::string& text) {
        for (char c : text) {
            InputSimulation::TypeChar(target, static_cast<TChar>(c));
            // The shift message, then the Right key it may post.
            Application->ProcessMessages();
            Application->ProcessMessages();
        }
    }

    TForm Form{nullptr};
    TExDateTimePicker* Picker;
};

TEST_F(ExDateTimePickerTest, StartsAsADateAndTimePickerWithItsOwnLook) {
    EXPECT_EQ(Picker->Kind(), dkDateTime);
    EXPECT_EQ(Picker->Version(), "1.2.0.0");
    EXPECT_EQ(Picker->BorderStyle(), bsSingle);
    EXPECT_EQ(Picker->BorderColor(), clBlack);
    EXPECT_TRUE(Picker->Ctl3D());
    EXPECT_FALSE(Picker->MetroStyle());
    EXPECT_FALSE(Picker->AutoTab());
    EXPECT_EQ(Picker->LabelPosition(), lpLeftTop);
    EXPECT_EQ(Picker->LabelMargin(), 4);
    EXPECT_EQ(Picker->PickerLabel(), nullptr);
    EXPECT_EQ(Picker->LabelCaption(), "");
}

TEST_F(ExDateTimePickerTest, TheTimeFieldSitsInsideLeftOfTheButtonAndFollowsTheKind) {
    TCustomDateTimePicker* time = Picker->TimePicker();
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->Parent(), Picker);
    EXPECT_TRUE(time->Visible());
    EXPECT_EQ(time->Kind(), dtkTime);
    EXPECT_GT(time->Left(), 0);
    EXPECT_LE(time->Left() + time->Width(), Picker->Width() - 21);

    Picker->SetKind(dkDate);
    EXPECT_EQ(Picker->TimePicker(), nullptr);
    EXPECT_EQ(Picker->TDateTimePicker::Kind(), dtkDate);
    Picker->SetKind(dkTime);
    EXPECT_EQ(Picker->TimePicker(), nullptr);
    EXPECT_EQ(Picker->TDateTimePicker::Kind(), dtkTime);
    Picker->SetKind(dkDateTime);
    ASSERT_NE(Picker->TimePicker(), nullptr);
    EXPECT_TRUE(Picker->TimePicker()->Visible());
}

TEST_F(ExDateTimePickerTest, TheTimeFieldIsAsWideAsItsTextAndMovesCloserWithTheMetroButton) {
    TCustomDateTimePicker* time = Picker->TimePicker();
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(*Picker->Font());
    const int a = measure.Canvas()->TextWidth(time->Text()) + 31;
    EXPECT_EQ(time->BoundsRect(), Bounds(200 - a - 34, 1, a, 24 - 2));

    Picker->SetMetroStyle(true);
    Picker->SetBounds(100, 40, 220, 26); // placed anew on a resize
    EXPECT_EQ(time->BoundsRect(), Bounds(220 - a - 21, 1, a, 26 - 2));
}

TEST_F(ExDateTimePickerTest, DateTimeKeepsWholeSecondsInBothFields) {
    Picker->SetDateTime(At(2024, 3, 1, 12, 34, 56, 789));
    EXPECT_DOUBLE_EQ(Picker->DateTime(), At(2024, 3, 1, 12, 34, 56));
    EXPECT_DOUBLE_EQ(Picker->TimePicker()->DateTime(), At(2024, 3, 1, 12, 34, 56));
}

TEST_F(ExDateTimePickerTest, TheGridWritesThroughThePlatformPickersSlot) {
    TDateTimePicker* editor = Picker;
    editor->SetDateTime(At(2025, 7, 4, 8, 9, 10, 500));
    EXPECT_DOUBLE_EQ(Picker->DateTime(), At(2025, 7, 4, 8, 9, 10));
    EXPECT_DOUBLE_EQ(Picker->TimePicker()->Time(), At(1899, 12, 30, 8, 9, 10));
}

TEST_F(ExDateTimePickerTest, WritingTheDateKeepsTheTimeTheTimeFieldShows) {
    InputSimulation::KeyPress(Picker->TimePicker(), VK_UP); // 11:20:30
    Picker->SetDate(At(2030, 12, 24, 23, 59));
    EXPECT_DOUBLE_EQ(Picker->DateTime(), At(2030, 12, 24, 11, 20, 30));
    EXPECT_DOUBLE_EQ(Picker->Time(), At(1899, 12, 30, 11, 20, 30));
}

struct RangeCase {
    const char* Name;
    TDateTime Value;
    bool Accepted;
};

class ExDateTimePickerRange : public ExDateTimePickerTest,
                              public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ExDateTimePickerRange, TakesYearsOneToNineThousandNineHundredNinetyNine) {
    const RangeCase& c = GetParam();
    const TDateTime before = Picker->DateTime();
    if (c.Accepted) {
        Picker->SetDateTime(c.Value);
        EXPECT_DOUBLE_EQ(Picker->DateTime(), c.Value);
        EXPECT_DOUBLE_EQ(Picker->TimePicker()->DateTime(), c.Value);
    } else {
        EXPECT_THROW(Picker->SetDateTime(c.Value), EConvertError);
        EXPECT_THROW(Picker->SetDate(c.Value), EConvertError);
        EXPECT_DOUBLE_EQ(Picker->DateTime(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, ExDateTimePickerRange,
                         ::testing::Values(RangeCase{"FirstDay", At(1, 1, 1), true},
                                           RangeCase{"FirstDayAtNoon", At(1, 1, 1, 12), true},
                                           RangeCase{"LastDayLate", At(9999, 12, 31, 23, 59, 59),
                                                     true},
                                           RangeCase{"YearZero", At(1, 1, 1) - 1, false},
                                           RangeCase{"Year10000", At(9999, 12, 31) + 1, false}),
                         [](const auto& info) { return info.param.Name; });

struct PickerAutoTabCase {
    const char* Name;
    const char* Format;
    const char* Typed;
    TDateTime Date;
    bool TimeFieldFocused;
    int CaretPart;
};

class ExDateTimePickerAutoTab : public ExDateTimePickerTest,
                                public ::testing::WithParamInterface<PickerAutoTabCase> {};

TEST_P(ExDateTimePickerAutoTab, CompletedDatePartsMoveOnAndTheLastOneIntoTheTime) {
    const PickerAutoTabCase& c = GetParam();
    TFormatSettings settings;
    settings.ShortDateFormat = "dd/mm/yyyy";
    ScopedFormatSettings pinned(settings);
    Picker->SetFormat(c.Format);
    Picker->SetAutoTab(true);
    Form.Show();
    Picker->SetFocus();

    Type(Picker, c.Typed);

    EXPECT_DOUBLE_EQ(Picker->Date(), c.Date);
    EXPECT_EQ(Picker->TimePicker()->Focused(), c.TimeFieldFocused);
    EXPECT_EQ(Picker->CurrentField(), c.CaretPart);
    EXPECT_NEAR(Picker->DateTime() - Picker->Date(), At(1899, 12, 30, 10, 20, 30), 1e-8)
        << "typing the date leaves the time alone";
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ExDateTimePickerAutoTab,
    ::testing::Values(
        PickerAutoTabCase{"NoFormatDayFirst", "", "15042030", At(2030, 4, 15), true, 2},
        PickerAutoTabCase{"DayMonthYear", "dd/MM/yyyy", "15042030", At(2030, 4, 15), true, 2},
        PickerAutoTabCase{"YearMonthDay", "yyyy-MM-dd", "20300415", At(2030, 4, 15), true, 2},
        PickerAutoTabCase{"DayOnly", "dd/MM/yyyy", "15", At(2024, 3, 15), false, 1},
        PickerAutoTabCase{"OpenYearWaits", "dd/MM/yyyy", "1504203", At(2024, 4, 15), false, 2},
        PickerAutoTabCase{"UnchangedDayStays", "dd/MM/yyyy", "01", At(2024, 3, 1), false, 0}),
    [](const auto& info) { return info.param.Name; });

TEST_F(ExDateTimePickerTest, TheTimeFieldFollowsTheCheckBox) {
    Picker->SetShowCheckbox(true);
    Picker->SetChecked(false);
    EXPECT_FALSE(Picker->TimePicker()->Enabled());

    InputSimulation::KeyPress(Picker, VK_SPACE);
    EXPECT_TRUE(Picker->Checked());
    EXPECT_TRUE(Picker->TimePicker()->Enabled());

    Picker->SetEnabled(false);
    EXPECT_FALSE(Picker->TimePicker()->Enabled());
}

TEST_F(ExDateTimePickerTest, KeysInTheTimeFieldReachThePickersEvents) {
    std::vector<std::string> events;
    Picker->OnKeyDown = [&](TObject* sender, WORD& key, TShiftState) {
        if (key == VK_UP)
            events.push_back(sender == Picker ? "picker key" : "other key");
    };
    Picker->OnChange = [&](TObject*) { events.push_back("change"); };
    Picker->OnTimeChange = [&](TObject*) { events.push_back("time change"); };

    InputSimulation::KeyPress(Picker->TimePicker(), VK_UP);

    EXPECT_EQ(events, (std::vector<std::string>{"picker key", "change", "time change"}));
    EXPECT_DOUBLE_EQ(Picker->DateTime(), At(2024, 3, 1, 11, 20, 30));
}

TEST_F(ExDateTimePickerTest, TimeFormatGoesToTheTimeField) {
    Picker->SetTimeFormat("HH:mm");
    EXPECT_EQ(Picker->TimePicker()->Text(), "10:20");
    EXPECT_EQ(Picker->Format(), "") << "a date picker keeps its own format";

    Picker->SetKind(dkTime);
    Picker->SetTimeFormat("H.mm");
    EXPECT_EQ(Picker->Format(), "H.mm") << "a time picker shows the time format itself";
    EXPECT_EQ(Picker->Text(), "10.20");
}

int CaptionWidth(TLabel* label) {
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(*label->Font());
    return measure.Canvas()->TextWidth(label->Caption());
}

TEST_F(ExDateTimePickerTest, TheLabelIsMadeByItsCaptionAndPlacedBesideThePicker) {
    Picker->SetLabelCaption("Start");
    TLabel* label = Picker->PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), &Form);
    EXPECT_EQ(Picker->LabelCaption(), "Start");
    EXPECT_EQ(label->Left(), 100 - CaptionWidth(label) - 4);
    EXPECT_EQ(label->Top(), 40);

    Picker->SetLabelPosition(lpBottomLeft);
    EXPECT_EQ(label->Left(), 100);
    EXPECT_EQ(label->Top(), 40 + 24 + 4);

    Picker->SetBounds(120, 60, 200, 24);
    EXPECT_EQ(label->Top(), 60 + 24 + 4) << "the label moves with the picker";

    Picker->SetVisible(false);
    EXPECT_FALSE(label->Visible());
}

TEST_F(ExDateTimePickerTest, TheLabelFollowsEnabledUnlessAlwaysEnabled) {
    Picker->SetLabelCaption("Start");
    int clicks = 0;
    Picker->OnLabelClick = [&](TObject* sender) { clicks += sender == Picker ? 1 : 100; };
    Picker->SetEnabled(false);
    EXPECT_FALSE(Picker->PickerLabel()->Enabled());
    Picker->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(Picker->PickerLabel()->Enabled());
    Picker->PickerLabel()->Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ExDateTimePickerTest, AFocusLabelTurnsBoldWhileThePickerHasTheFocus) {
    Picker->SetLabelCaption("Start");
    Picker->SetFocusLabel(true);
    Picker->Perform(CM_ENTER);
    EXPECT_TRUE(Picker->PickerLabel()->Font()->Style().Contains(fsBold));
    Picker->Perform(CM_EXIT);
    EXPECT_FALSE(Picker->PickerLabel()->Font()->Style().Contains(fsBold));
}

TEST(ExDateTimePickerLifetime, TheParentMayFreeTheLabelFirst) {
    auto form = std::make_unique<TForm>(nullptr);
    auto* picker = new TExDateTimePicker(form.get());
    picker->SetParent(form.get());
    picker->SetLabelCaption("Start");
    delete picker->PickerLabel();
    EXPECT_EQ(picker->PickerLabel(), nullptr);
    picker->SetLabelCaption("Again");
    form.reset(); // frees the label (a later child) before the picker
}

struct PlaceCase {
    TLabelPosition Position;
    TPoint Place;
};

class LabelPlacement : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(LabelPlacement, PutsTheLabelOnItsSide) {
    // Control at (100, 50), 80 x 20; caption 30 wide; label 34 x 14; margin 4.
    EXPECT_EQ(LabelPlace(GetParam().Position, Bounds(100, 50, 80, 20), 30, {34, 14}, 4),
              GetParam().Place);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, LabelPlacement,
    ::testing::Values(PlaceCase{lpLeftTop, {66, 50}}, PlaceCase{lpLeftCenter, {66, 53}},
                      PlaceCase{lpLeftBottom, {66, 56}}, PlaceCase{lpTopLeft, {100, 32}},
                      PlaceCase{lpBottomLeft, {100, 74}}, PlaceCase{lpLeftTopLeft, {96, 50}},
                      PlaceCase{lpLeftCenterLeft, {96, 53}}, PlaceCase{lpLeftBottomLeft, {96, 56}},
                      PlaceCase{lpTopCenter, {123, 32}}, PlaceCase{lpBottomCenter, {123, 74}},
                      PlaceCase{lpRightTop, {184, 50}}, PlaceCase{lpRightCenter, {184, 53}},
                      PlaceCase{lpRighBottom, {184, 56}}));

} // namespace
