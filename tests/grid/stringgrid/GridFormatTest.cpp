// The grid's checked printf-style number formats.
#include "grid/stringgrid/GridFormat.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(GridFormat, FormatsNumbersOfTheirKind) {
    struct Case {
        const char* Format;
        std::string Expected;
    };
    const Case floats[] = {{"%.2f", "3.14"},       {"%8.3f", "   3.142"},
                           {"%-6.1f|", "3.1   |"}, {"%e", "3.141590e+00"},
                           {"%g", "3.14159"},      {"100%%: %.0f", "100%: 3"},
                           {"plain", "plain"}};
    for (const Case& c : floats)
        EXPECT_EQ(FormatValues(c.Format, {3.14159}), c.Expected) << c.Format;
    EXPECT_EQ(FormatValues("%d:%d", {4, 9}), "4:9");
    EXPECT_EQ(FormatValues("%03d|%x|%X", {7, 255, 255}), "007|ff|FF");
}

TEST(GridFormat, UsesTheGivenSeparators) {
    EXPECT_EQ(FormatValues("%.2f", {1234.5}, ","), "1234,50");
    EXPECT_EQ(FormatValues("%.2n", {1234567.5}, ",", "."), "1.234.567,50");
    EXPECT_EQ(FormatValues("%.0n", {-1234.0}), "-1,234");
    EXPECT_EQ(FormatValues("%.1n", {999.0}), "999.0");
}

TEST(GridFormat, RefusesFormatsThatDoNotMatchTheirArguments) {
    const char* refused[] = {"%s",     "%p",  "%d", "%.2f %f", "%*d", "%1000f",
                             "%.999f", "%ld", "%",  "%5",      "%n%n"};
    for (const char* format : refused)
        EXPECT_THROW(FormatValues(format, {1.5}), EConvertError) << format;
    EXPECT_THROW(FormatValues("%f", {3}), EConvertError);
    EXPECT_THROW(FormatValues("%d", {}), EConvertError);
}

} // namespace
