#include "platform/core/FloatConversion.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct FloatCase {
    const char* Text;
    const char* Separator;
    std::optional<double> Expected; // nullopt: the conversion fails
};

TEST(TryStrToFloat, ReadsPlainAndScientificNumbers) {
    const std::vector<FloatCase> cases = {
        {"1.5", ".", 1.5},
        {" -12.25 ", ".", -12.25},
        {"+3", ".", 3.0},
        {".5", ".", 0.5},
        {"5.", ".", 5.0},
        {"1,5", ",", 1.5},
        {"2E3", ".", 2000.0},
        {"2.5e-2", ".", 0.025},
        {"1e+2", ".", 100.0},
        {"", ".", std::nullopt},
        {".", ".", std::nullopt},
        {"1,5", ".", std::nullopt},
        {"1.5", ",", std::nullopt},
        {"1,234.5", ".", std::nullopt},
        {"1e", ".", std::nullopt},
        {"e5", ".", std::nullopt},
        {"1.2.3", ".", std::nullopt},
        {"inf", ".", std::nullopt},
        {"nan", ".", std::nullopt},
        {"1e999", ".", std::nullopt},
        {"- 1", ".", std::nullopt},
        {"0x10", ".", std::nullopt},
        {"1.5x", ".", std::nullopt},
    };
    for (const FloatCase& c : cases) {
        double value = -99;
        EXPECT_EQ(TryStrToFloat(c.Text, value, c.Separator), c.Expected.has_value()) << c.Text;
        if (c.Expected) {
            EXPECT_DOUBLE_EQ(value, *c.Expected) << c.Text;
        }
        EXPECT_DOUBLE_EQ(StrToFloatDef(c.Text, -99, c.Separator), c.Expected.value_or(-99));
    }
}

TEST(StrToFloat, ThrowsAConvertErrorQuotingTheText) {
    EXPECT_DOUBLE_EQ(StrToFloat("0.25"), 0.25);
    try {
        StrToFloat("abc");
        FAIL() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message, "'abc' is not a valid floating point value");
    }
}

TEST(FloatToStr, WritesTheShortestGeneralForm) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "0"},
        {1.0, "1"},
        {-1.5, "-1.5"},
        {100.0, "100"},
        {0.1, "0.1"},
        {1234.5678, "1234.5678"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {0.0001, "0.0001"},
        {1.5e-7, "1.5E-7"},
        {1e15, "1E15"},
        {123456789012345.0, "123456789012345"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {-2.5e20, "-2.5E20"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(FloatToStr(value), expected) << value;
    EXPECT_EQ(FloatToStr(1234.5, ","), "1234,5");
}

} // namespace
