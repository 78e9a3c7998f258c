#include "ScopedFormatSettings.h"
#include "grid/foundation/ExUtil.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
TDateTime Date(int y, int m, int d) {
    return TGridDate::EncodeDate(y, m, d);
}
} // namespace

TEST(GridDate, EncodesTheFrameworkDayNumbers) {
    EXPECT_EQ(Date(1899, 12, 30), 0);
    EXPECT_EQ(Date(1900, 1, 1), 2);
    EXPECT_EQ(Date(2000, 1, 1), 36526);
    int y = 0, m = 0, d = 0;
    for (TDateTime date :
         {Date(2020, 2, 29), Date(1, 1, 1), Date(9999, 12, 31), Date(1850, 3, 1)}) {
        TGridDate::DecodeDate(date, y, m, d);
        EXPECT_EQ(Date(y, m, d), date);
    }
    EXPECT_THROW(Date(2021, 2, 29), EConvertError);
    EXPECT_THROW(Date(2021, 13, 1), EConvertError);
}

TEST(ExUtilDate, TwoDigitYearsFallIn1926To2025) {
    struct Case {
        const char* Text;
        bool DayFirst;
        TDateTime Expected;
    };
    const std::vector<Case> cases = {
        {"31.12.05", true, Date(2005, 12, 31)},
        {"1/2/30", false, Date(1930, 1, 2)},
        {"12/31/99", false, Date(1999, 12, 31)},
        {"1-2-25", false, Date(2025, 1, 2)},
        {"1/2/26", false, Date(1926, 1, 2)},
        {"3/4/2030", false, Date(2030, 3, 4)},
        {"3/4/0099", false, Date(99, 3, 4)},
        {"x/4/20", false, 0},
        {"3/4", false, 0},
        {"3/4.20", false, 0},
    };
    for (const Case& c : cases) {
        TDateTime parsed = c.DayFirst ? ParseDateDMY(c.Text) : ParseDateMDY(c.Text);
        EXPECT_EQ(parsed, c.Expected) << c.Text;
    }
    EXPECT_THROW(ParseDateMDY("2/30/20"), EConvertError);
}

TEST(ExUtilDate, HasTwoDateSeparators) {
    ScopedFormatSettings locale(ScopedFormatSettings::English());
    EXPECT_TRUE(HasTwoDateSeparators("1/2/3"));
    EXPECT_FALSE(HasTwoDateSeparators("/2/3"));
    EXPECT_FALSE(HasTwoDateSeparators("1//3"));
    EXPECT_FALSE(HasTwoDateSeparators("1/23"));
}

TEST(ExUtilDate, IncDatePartsStepsOnePartOrTheDefault) {
    struct Case {
        uint16_t Years, Months, Days;
        TDateTime From, Expected;
    };
    const std::vector<Case> cases = {
        {0, 65535, 0, Date(2020, 1, 15), Date(2019, 12, 15)},
        {0, 1, 0, Date(2020, 12, 15), Date(2021, 1, 15)},
        {1, 0, 0, Date(2020, 3, 1), Date(2021, 3, 1)},
        {65535, 0, 0, Date(2020, 3, 1), Date(2019, 3, 1)},
        {0, 0, 3, Date(2020, 3, 1), Date(2020, 3, 4)},
        {0, 0, 65535, Date(2020, 3, 1), Date(2020, 2, 29)},
        {0, 1, 1, Date(2020, 3, 1), Date(2020, 3, 1) + 7},
        {0, 0, 0, Date(2020, 3, 1), Date(2020, 3, 1) + 7},
        // Before the day-count origin the fraction still counts the time of day.
        {1, 0, 0, Date(1899, 6, 1) - 0.25, Date(1900, 6, 1) + 0.25},
        {65535, 0, 0, Date(1900, 6, 1) + 0.25, Date(1899, 6, 1) - 0.25},
        {0, 1, 0, Date(1899, 12, 1) - 0.75, Date(1900, 1, 1) + 0.75},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IncDateParts(c.Years, c.Months, c.Days, 7, c.From), c.Expected)
            << c.Years << "/" << c.Months << "/" << c.Days;
    EXPECT_THROW(IncDateParts(1, 0, 0, 7, Date(2020, 2, 29)), EConvertError);
    EXPECT_THROW(IncDateParts(0, 1, 0, 7, Date(2020, 1, 31)), EConvertError);
}

TEST(ExUtilDate, IncDatePartsRefusesDatesOutsideTheCalendar) {
    const double outside[] = {Date(9999, 12, 31) + 1, Date(1, 1, 1) - 1, 1e12, -1e300,
                              std::numeric_limits<double>::quiet_NaN()};
    for (double date : outside) {
        EXPECT_THROW(IncDateParts(1, 0, 0, 7, date), EConvertError) << date;
        EXPECT_THROW(IncDateParts(0, 65535, 0, 7, date), EConvertError) << date;
        int y = -1, m = -1, d = -1;
        TGridDate::DecodeDate(date, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, 0) << date;
    }
    int y = 0, m = 0, d = 0;
    TGridDate::DecodeDate(Date(9999, 12, 31) + 0.5, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 99991231);
}
