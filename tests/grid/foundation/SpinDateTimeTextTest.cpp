// Dates and times written and read in the locale's formats, as the spin edit shows them.
#include "grid/foundation/SpinDateTimeText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TFormatSettings Settings(const std::string& dateFormat, const std::string& dateSep,
                         const std::string& timeFormat = "hh:nn:ss",
                         const std::string& timeSep = ":") {
    TFormatSettings settings;
    settings.ShortDateFormat = dateFormat;
    settings.DateSeparator = dateSep;
    settings.LongTimeFormat = timeFormat;
    settings.TimeSeparator = timeSep;
    return settings;
}

TEST(SpinDateTimeText, DatesFollowTheShortFormatBothWays) {
    struct Case {
        std::string Format, Separator;
        int Year, Month, Day;
        std::string Text;
    };
    const std::vector<Case> cases = {
        {"dd/MM/yyyy", "/", 2024, 2, 9, "09/02/2024"},
        {"M/d/yyyy", "/", 2024, 2, 9, "2/9/2024"},
        {"dd.mm.yyyy", "/", 2024, 12, 31, "31.12.2024"}, // literal characters stay
        {"yyyy/mm/dd", "-", 1, 1, 1, "0001-01-01"},
        {"dd/mm/yy", ".", 2024, 3, 5, "05.03.24"},
        {"dd/mm/yyyy", ". ", 9999, 12, 31, "31. 12. 9999"}, // a separator of two characters
    };
    for (const Case& c : cases) {
        TFormatSettings settings = Settings(c.Format, c.Separator);
        const TDateTime date = TGridDate::EncodeDate(c.Year, c.Month, c.Day);
        EXPECT_EQ(SpinDateTimeText::FormatDate(date, settings), c.Text) << c.Format;
        if (c.Format.find('.') != std::string::npos)
            continue;
        TDateTime read = 0;
        ASSERT_TRUE(SpinDateTimeText::TryParseDate(c.Text, settings, read)) << c.Text;
        EXPECT_EQ(read, date) << c.Text;
    }
}

TEST(SpinDateTimeText, TextThatIsNoDateIsRefused) {
    TFormatSettings settings = Settings("dd/MM/yyyy", "/");
    for (const char* text : {"", "31/02/2024", "1/2", "1/2/3/4", "a/b/c", "00/01/2024",
                             "01/13/2024", "1/1/10000", "1//2024", "-1/1/2024"}) {
        TDateTime read = 0;
        EXPECT_FALSE(SpinDateTimeText::TryParseDate(text, settings, read)) << text;
    }
}

TEST(SpinDateTimeText, MonthFirstFollowsTheFormat) {
    EXPECT_TRUE(SpinDateTimeText::MonthFirst(Settings("M/d/yyyy", "/")));
    EXPECT_TRUE(SpinDateTimeText::MonthFirst(Settings("yyyy/mm/dd", "/")));
    EXPECT_FALSE(SpinDateTimeText::MonthFirst(Settings("dd/MM/yyyy", "/")));
}

TEST(SpinDateTimeText, TimesFollowTheirFormatBothWays) {
    struct Case {
        std::string Format, Separator;
        int Hour, Minute, Second;
        std::string Text;
    };
    const std::vector<Case> cases = {
        {"hh:nn:ss", ":", 9, 5, 7, "09:05:07"},
        {"h:nn", ":", 9, 5, 0, "9:05"},
        {"h:nn:ss am/pm", ":", 0, 30, 0, "12:30:00 AM"},
        {"h:nn:ss am/pm", ":", 13, 0, 59, "1:00:59 PM"},
        {"hh:nn:ss", ".", 23, 59, 59, "23.59.59"},
    };
    for (const Case& c : cases) {
        TFormatSettings settings = Settings("dd/MM/yyyy", "/", c.Format, c.Separator);
        TDateTime time = 0;
        ASSERT_TRUE(TGridDate::TryEncodeTime(c.Hour, c.Minute, c.Second, 0, time));
        EXPECT_EQ(SpinDateTimeText::FormatTime(time, c.Format, settings), c.Text);
        TDateTime read = -1;
        ASSERT_TRUE(SpinDateTimeText::TryParseTime(c.Text, settings, read)) << c.Text;
        EXPECT_NEAR(read, time, 1e-9) << c.Text;
    }
    TFormatSettings settings = Settings("dd/MM/yyyy", "/");
    for (const char* text :
         {"", "12", "24:00", "12:60", "1:2:3:4", "13:00 PM", "ab:cd", "1:00 XM"}) {
        TDateTime read = 0;
        EXPECT_FALSE(SpinDateTimeText::TryParseTime(text, settings, read)) << text;
    }
}

} // namespace
