#include "platform/core/DateTimeValue.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(DateTimeValue, AcceptsYearsOneToNineThousandNineHundredNinetyNine) {
    EXPECT_TRUE(IsValidDateTime(MinDateTimeValue));
    EXPECT_TRUE(IsValidDateTime(MaxDateTimeValue));
    EXPECT_TRUE(IsValidDateTime(MinDateTimeValue - 0.75)) << "1 January 0001, 18:00";
    EXPECT_FALSE(IsValidDateTime(MinDateTimeValue - 1));
    EXPECT_FALSE(IsValidDateTime(2958466.0));
    EXPECT_FALSE(IsValidDateTime(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_THROW(CheckDateTime(-693594.0), EConvertError);
    EXPECT_DOUBLE_EQ(CheckDateTime(0.5), 0.5);
}

struct SplitCase {
    TDateTime Value;
    int64_t Day;
    int MSec;
};

class DateTimeSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(DateTimeSplit, SplitsIntoDayAndMillisecondAndBack) {
    const SplitCase& c = GetParam();
    const TDateTimeParts parts = SplitDateTime(c.Value);
    EXPECT_EQ(parts.Day, c.Day);
    EXPECT_EQ(parts.MSecOfDay, c.MSec);
    EXPECT_NEAR(ComposeDateTime(c.Day, c.MSec), c.Value, 1e-8);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DateTimeSplit,
    ::testing::Values(SplitCase{0.0, 0, 0}, SplitCase{45351.75, 45351, 64800000},
                      // before 30 December 1899 the fraction still counts forward in the day
                      SplitCase{-1.25, -1, 21600000}, SplitCase{-693593.5, -693593, 43200000},
                      SplitCase{2958465.0 + 86399999.0 / 86400000, 2958465, 86399999}));

TEST(DateTimeValue, RoundingToMidnightCarriesIntoTheNextDay) {
    const TDateTimeParts parts = SplitDateTime(45351.9999999999);
    EXPECT_EQ(parts.Day, 45352);
    EXPECT_EQ(parts.MSecOfDay, 0);
}

} // namespace
