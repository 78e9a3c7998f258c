#include "RecordingControl.h"

#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MonthCalendar.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtDate.h"

#include <QAbstractItemView>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>

namespace {

constexpr TDateTime CalendarFirstDay = -693593; // 1 January 0001
constexpr TDateTime CalendarLastDay = 2958465;  // 31 December 9999
constexpr TDateTime CalendarLeapDay = 45351;    // 29 February 2024

class MonthCalendarTest : public ::testing::Test {
protected:
    MonthCalendarTest()
        : Form(std::make_unique<TestForm>(nullptr)), Calendar(new TMonthCalendar(Form.get())) {
        Calendar->SetParent(Form.get());
        Calendar->SetDate(CalendarLeapDay);
        Calendar->OnClick = [this](TObject*) { ++Chosen; };
    }
    std::unique_ptr<TestForm> Form;
    TMonthCalendar* Calendar;
    int Chosen = 0;
};

TEST_F(MonthCalendarTest, ArrowsMoveTheDayAndEnterChoosesIt) {
    InputSimulation::KeyPress(Calendar, VK_RIGHT);
    InputSimulation::KeyPress(Calendar, VK_DOWN);
    EXPECT_DOUBLE_EQ(Calendar->Date(), CalendarLeapDay + 8);
    EXPECT_EQ(Chosen, 0);
    InputSimulation::KeyPress(Calendar, VK_RETURN);
    EXPECT_EQ(Chosen, 1);
}

TEST_F(MonthCalendarTest, TheDayStaysWithinTheLimits) {
    Calendar->SetMaxDate(CalendarLeapDay + 1);
    InputSimulation::KeyPress(Calendar, VK_DOWN);
    EXPECT_DOUBLE_EQ(Calendar->Date(), CalendarLeapDay + 1);
    Calendar->SetMinDate(CalendarLeapDay);
    Calendar->SetDate(CalendarLeapDay - 5);
    EXPECT_DOUBLE_EQ(Calendar->Date(), CalendarLeapDay);
}

TEST_F(MonthCalendarTest, TakesYearsOneToNineThousandNineHundredNinetyNineOnly) {
    for (TDateTime day :
         {CalendarFirstDay, CalendarLastDay, CalendarFirstDay - 0.5, CalendarLastDay + 0.5}) {
        Calendar->SetDate(day);
        EXPECT_DOUBLE_EQ(Calendar->Date(), static_cast<double>(static_cast<long long>(day)));
    }
    for (TDateTime outside : {CalendarFirstDay - 1, CalendarLastDay + 1}) {
        EXPECT_THROW(Calendar->SetDate(outside), EConvertError);
        EXPECT_THROW(Calendar->SetMinDate(outside), EConvertError);
        EXPECT_THROW(Calendar->SetMaxDate(outside), EConvertError);
    }
    EXPECT_DOUBLE_EQ(Calendar->Date(), CalendarLastDay + 0.0);
    EXPECT_EQ(Calendar->MinDate(), 0);
    EXPECT_EQ(Calendar->MaxDate(), 0);
}

TEST_F(MonthCalendarTest, ShowsAWholeMonth) {
    const TSize size = Calendar->MinimumSize();
    EXPECT_GT(size.cx, 100);
    EXPECT_GT(size.cy, 100);
    Calendar->SetWeekNumbers(true);
    EXPECT_GT(Calendar->MinimumSize().cx, size.cx) << "week numbers take a column";
}

// The calendar as drawn, for a look and for counting pixels.
std::unique_ptr<TBitmap> DrawnCalendar(TMonthCalendar* calendar, bool today, bool circle) {
    calendar->SetShowToday(today);
    calendar->SetShowTodayCircle(circle);
    const TSize size = calendar->MinimumSize();
    calendar->SetBounds(0, 0, size.cx, size.cy);
    auto shot = std::make_unique<TBitmap>(size.cx, size.cy);
    calendar->PaintTo(shot->Canvas(), 0, 0);
    const std::string bmp = shot->SaveToBmpBytes();
    QImage::fromData(reinterpret_cast<const uchar*>(bmp.data()), static_cast<int>(bmp.size()))
        .save(QString::fromStdString(::testing::TempDir() + "month_calendar_today" +
                                     (today ? "_line" : "") + (circle ? "_circle" : "") + ".png"),
              "PNG");
    return shot;
}

// The pixels two pictures of one size differ in, within Area.
struct PixelDifference {
    int Count = 0;
    TRect Box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};
PixelDifference Differences(const TBitmap& a, const TBitmap& b, const TRect& area) {
    PixelDifference d;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                ++d.Count;
                d.Box = TRect{std::min(d.Box.Left, x), std::min(d.Box.Top, y),
                              std::max(d.Box.Right, x + 1), std::max(d.Box.Bottom, y + 1)};
            }
    return d;
}

template <typename Test> int PixelsWhere(const TBitmap& shot, const TRect& area, Test test) {
    int count = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) {
            const TColor c = shot.Pixel(x, y);
            count += test(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF) ? 1 : 0;
        }
    return count;
}
int DarkPixels(const TBitmap& shot, const TRect& area) {
    return PixelsWhere(shot, area, [](int r, int g, int b) { return r < 96 && g < 96 && b < 96; });
}
int ReddishPixels(const TBitmap& shot, const TRect& area) {
    return PixelsWhere(shot, area,
                       [](int r, int g, int b) { return r > 150 && g < 110 && b < 110; });
}

} // namespace

TEST_F(MonthCalendarTest, MarksTodayWithACircleAndATodayLineUnderTheDays) {
    TFormatSettings dayFirst;
    dayFirst.ShortDateFormat = "dd/mm/yyyy";
    OverrideFormatSettings(&dayFirst);
    EXPECT_TRUE(Calendar->ShowToday());
    EXPECT_TRUE(Calendar->ShowTodayCircle());
    const QDate today = QDate::currentDate();
    // Another day of today's month is the chosen one: the circle follows today, not the choice.
    const QDate chosen = today.addDays(today.day() <= 14 ? 7 : -7);
    Calendar->SetDate(QtDate::FromQDate(chosen));
    Form->Show();

    const auto plain = DrawnCalendar(Calendar, false, false);
    const auto circled = DrawnCalendar(Calendar, false, true);
    const auto lined = DrawnCalendar(Calendar, true, false);
    const auto both = DrawnCalendar(Calendar, true, true);

    // The circle: a ring over today's day cell and nowhere else.
    auto* days = NativeHost::Embedded(Calendar)->findChild<QAbstractItemView*>();
    ASSERT_NE(days, nullptr);
    const QPoint daysAt = days->viewport()->mapTo(NativeHost::Embedded(Calendar), QPoint(0, 0));
    const TRect daysArea =
        Bounds(daysAt.x(), daysAt.y(), days->viewport()->width(), days->viewport()->height());
    const TRect whole = Bounds(0, 0, plain->Width(), plain->Height());
    const PixelDifference ring = Differences(*plain, *circled, whole);
    ASSERT_GT(ring.Count, 20);
    EXPECT_EQ(Differences(*plain, *circled, daysArea).Count, ring.Count) << "only among the days";
    EXPECT_LT(ring.Box.Width(), daysArea.Width() / 7 + 2) << "one day's cell wide";
    const TPoint centre{(ring.Box.Left + ring.Box.Right) / 2, (ring.Box.Top + ring.Box.Bottom) / 2};
    EXPECT_EQ(plain->Pixel(centre.X, centre.Y), circled->Pixel(centre.X, centre.Y))
        << "a ring: the day's number inside stays as it was";
    const QModelIndex cell = days->indexAt(
        days->viewport()->mapFrom(NativeHost::Embedded(Calendar), QPoint(centre.X, centre.Y)));
    EXPECT_EQ(cell.data().toInt(), today.day()) << "around today's day";

    // The today line: a strip under the days with today's date in the short format.
    EXPECT_GT(lined->Height(), plain->Height());
    const TRect strip{0, plain->Height(), lined->Width(), lined->Height()};
    EXPECT_GT(DarkPixels(*lined, strip), 30) << "its text is drawn";
    auto* line = NativeHost::Embedded(Calendar)->findChild<QLabel*>(QStringLiteral("todayLine"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text().toStdString(),
              "Today: " + today.toString(QStringLiteral("dd/MM/yyyy")).toStdString());

    // With both, the circle's sample stands before the line's text, which moves right for it.
    const int textLeft = line->contentsMargins().left();
    const TRect beforeText{0, strip.Top, textLeft, strip.Bottom};
    EXPECT_EQ(DarkPixels(*both, beforeText), 0);
    EXPECT_GT(ReddishPixels(*both, beforeText), 10) << "the sample";
    EXPECT_EQ(ReddishPixels(*lined, strip), 0);
    EXPECT_GT(DarkPixels(*both, TRect{textLeft, strip.Top, strip.Right, strip.Bottom}), 30);
    EXPECT_EQ(Differences(*lined, *both, daysArea).Count, ring.Count);
    OverrideFormatSettings(nullptr);
}
