#include "platform/core/FormatSettings.h"
#include "tests/platform/core/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameworkFormatFromStrftime, TranslatesTheFieldsOfCommonLocales) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"%m/%d/%y", "mm/dd/yy"},  {"%d.%m.%Y", "dd.mm.yyyy"}, {"%Y-%m-%d", "yyyy-mm-dd"},
        {"%e/%m/%Y", "d/mm/yyyy"}, {"%H:%M:%S", "hh:nn:ss"},   {"%I:%M:%S %p", "hh:nn:ss am/pm"},
        {"%T", "hh:nn:ss"},        {"%D", "mm/dd/yy"},         {"%Ey", "yy"},
        {"%Z %H", " hh"},          {"100%%", "100%"},          {"trailing %", "trailing %"},
    };
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(FrameworkFormatFromStrftime(pattern), expected) << pattern;
}

TEST(FormatSeparator, IsTheFirstCharacterThatIsNoFieldKeptWhole) {
    struct Case {
        std::string Format, Expected;
    };
    const std::vector<Case> cases = {
        {"dd.mm.yyyy", "."},
        {"hh:nn:ss am/pm", ":"},
        {"yyyy\xE5\xB9\xB4mm\xE6\x9C\x88", "\xE5\xB9\xB4"}, // year and month signs
        {"hh\xEC\x8B\x9C nn", "\xEC\x8B\x9C"},
        {"yyyymmdd", "-"},
        {"", "-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatSeparator(c.Format, "-"), c.Expected) << c.Format;
}

TEST(CurrentFormatSettings, ReadsTheLocaleOfTheEnvironment) {
    ScopedEnvironment locale("LC_ALL", "C");
    const TFormatSettings settings = CurrentFormatSettings();
    EXPECT_EQ(settings.DecimalSeparator, ".");
    EXPECT_EQ(settings.ThousandSeparator, ",");
    EXPECT_EQ(settings.DateSeparator, "/");
    EXPECT_EQ(settings.TimeSeparator, ":");
    EXPECT_EQ(settings.ShortDateFormat, "mm/dd/yy");
    EXPECT_EQ(settings.LongTimeFormat, "hh:nn:ss");
}

TEST(CurrentFormatSettings, AnUnknownLocaleGivesTheDefaults) {
    ScopedEnvironment locale("LC_ALL", "xx_NOWHERE.UTF-8");
    const TFormatSettings settings = CurrentFormatSettings();
    EXPECT_EQ(settings.DecimalSeparator, TFormatSettings().DecimalSeparator);
    EXPECT_EQ(settings.ShortDateFormat, TFormatSettings().ShortDateFormat);
}

TEST(CurrentFormatSettings, AnOverrideWinsUntilItIsRemoved) {
    ScopedEnvironment locale("LC_ALL", "C");
    TFormatSettings german;
    german.DecimalSeparator = ",";
    german.ThousandSeparator = ".";
    german.DateSeparator = ".";
    german.ShortDateFormat = "dd.mm.yyyy";
    OverrideFormatSettings(&german);
    EXPECT_EQ(CurrentFormatSettings().DecimalSeparator, ",");
    EXPECT_EQ(CurrentFormatSettings().ShortDateFormat, "dd.mm.yyyy");
    OverrideFormatSettings(nullptr);
    EXPECT_EQ(CurrentFormatSettings().DecimalSeparator, ".");
}

} // namespace
