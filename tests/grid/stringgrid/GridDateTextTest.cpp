// Dates and times as cell texts in the user's formats.
#include "grid/stringgrid/GridDateText.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

namespace {

TFormatSettings Settings(const char* dateFormat, const char* separator) {
    TFormatSettings settings;
    settings.ShortDateFormat = dateFormat;
    settings.DateSeparator = separator;
    return settings;
}

TEST(GridDateText, DatesInTheShortDateFormat) {
    const TDateTime date = TGridDate::EncodeDate(2026, 3, 7);
    struct Case {
        const char* Format;
        const char* Separator;
        const char* Text;
    };
    const Case cases[] = {{"m/d/yyyy", "/", "3/7/2026"},
                          {"dd/mm/yyyy", ".", "07.03.2026"},
                          {"yyyy/mm/dd", "-", "2026-03-07"}};
    for (const Case& c : cases) {
        const TFormatSettings settings = Settings(c.Format, c.Separator);
        EXPECT_EQ(DateToText(date, settings), c.Text) << c.Format;
        EXPECT_EQ(StrToDateText(c.Text, settings), date) << c.Format;
    }
}

TEST(GridDateText, TwoDigitYearsFallIn1926To2025) {
    const TFormatSettings settings = Settings("dd/mm/yy", "/");
    EXPECT_EQ(DateToText(TGridDate::EncodeDate(2026, 3, 7), settings), "07/03/26");
    EXPECT_EQ(StrToDateText("07/03/26", settings), TGridDate::EncodeDate(1926, 3, 7));
    EXPECT_EQ(StrToDateText("07/03/25", settings), TGridDate::EncodeDate(2025, 3, 7));
}

TEST(GridDateText, RefusesTextsThatAreNoDate) {
    const TFormatSettings settings = Settings("dd/mm/yyyy", "/");
    for (const char* text :
         {"", "12", "31/02/2026", "1/2/3/4", "aa/bb/cccc", "1/13/2026", "01/01/123456"})
        EXPECT_THROW(StrToDateText(text, settings), EConvertError) << text;
}

TEST(GridDateText, TimesInTheLongTimeFormat) {
    TFormatSettings settings;
    TDateTime time = 0;
    ASSERT_TRUE(TGridDate::TryEncodeTime(9, 5, 3, 0, time));
    EXPECT_EQ(TimeToText(time, settings), "09:05:03");
    EXPECT_NEAR(StrToTimeText("9:05:03", settings), time, 1e-9);
    EXPECT_NEAR(StrToTimeText("9:05", settings), time - 3.0 / 86400, 1e-9);
    settings.LongTimeFormat = "h:nn am/pm";
    ASSERT_TRUE(TGridDate::TryEncodeTime(21, 30, 0, 0, time));
    EXPECT_EQ(TimeToText(time, settings), "9:30 PM");
    EXPECT_NEAR(StrToTimeText("9:30 PM", settings), time, 1e-9);
    for (const char* text : {"24:00", "x", "1:2:3:4", "13:00 PM", "100:00"})
        EXPECT_THROW(StrToTimeText(text, settings), EConvertError) << text;
}

} // namespace
