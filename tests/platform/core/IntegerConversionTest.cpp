#include "platform/core/IntegerConversion.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

template <typename T> struct ConversionCase {
    const char* Text;
    std::optional<T> Expected; // nullopt: the conversion fails
};

template <typename T>
void ExpectConversion(const ConversionCase<T>& c, bool (*tryConvert)(std::string_view, T&)) {
    T value = 12345;
    EXPECT_EQ(tryConvert(c.Text, value), c.Expected.has_value()) << '"' << c.Text << '"';
    if (c.Expected) {
        EXPECT_EQ(value, *c.Expected) << '"' << c.Text << '"';
    }
}

using Int32Case = ConversionCase<int32_t>;
using Int64Case = ConversionCase<int64_t>;

class Int32Conversion : public ::testing::TestWithParam<Int32Case> {};

TEST_P(Int32Conversion, ReadsTextAsTheFrameworkDoes) {
    ExpectConversion(GetParam(), TryStrToInt);
    EXPECT_EQ(StrToIntDef(GetParam().Text, -77), GetParam().Expected.value_or(-77));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Int32Conversion,
    ::testing::Values(
        Int32Case{"0", 0}, Int32Case{"42", 42}, Int32Case{"010", 10}, Int32Case{"   42", 42},
        Int32Case{"+42", 42}, Int32Case{"-42", -42}, Int32Case{"  -7", -7}, Int32Case{"$1F", 31},
        Int32Case{"$1f", 31}, Int32Case{"x1F", 31}, Int32Case{"X1F", 31}, Int32Case{"0x1F", 31},
        Int32Case{"0X1f", 31}, Int32Case{"-$10", -16}, Int32Case{"2147483647", 2147483647},
        Int32Case{"-2147483648", INT32_MIN}, Int32Case{"$7FFFFFFF", INT32_MAX},
        Int32Case{"$FFFFFFFF", -1}, Int32Case{"$80000000", INT32_MIN},
        Int32Case{"$000000000001", 1},
        // failures
        Int32Case{"", std::nullopt}, Int32Case{"   ", std::nullopt}, Int32Case{"42 ", std::nullopt},
        Int32Case{"4 2", std::nullopt}, Int32Case{"\t42", std::nullopt},
        Int32Case{"42a", std::nullopt}, Int32Case{"1.5", std::nullopt},
        Int32Case{"-", std::nullopt}, Int32Case{"+", std::nullopt}, Int32Case{"$", std::nullopt},
        Int32Case{"0x", std::nullopt}, Int32Case{"x", std::nullopt}, Int32Case{"- 1", std::nullopt},
        Int32Case{"--1", std::nullopt}, Int32Case{"$G", std::nullopt},
        Int32Case{"2147483648", std::nullopt}, Int32Case{"-2147483649", std::nullopt},
        Int32Case{"$100000000", std::nullopt}, Int32Case{"99999999999999999999", std::nullopt}));

class Int64Conversion : public ::testing::TestWithParam<Int64Case> {};

TEST_P(Int64Conversion, ReadsTextAsTheFrameworkDoes) {
    ExpectConversion(GetParam(), TryStrToInt64);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Int64Conversion,
    ::testing::Values(Int64Case{"0xFFFFFFFFFF", 0xFFFFFFFFFF}, Int64Case{"$FFFFFFFF", 0xFFFFFFFF},
                      Int64Case{"9223372036854775807", INT64_MAX},
                      Int64Case{"-9223372036854775808", INT64_MIN},
                      Int64Case{"$FFFFFFFFFFFFFFFF", -1}, Int64Case{"-0x10", -16},
                      Int64Case{"9223372036854775808", std::nullopt},
                      Int64Case{"$10000000000000000", std::nullopt}, Int64Case{"", std::nullopt},
                      Int64Case{"0x", std::nullopt}));

TEST(StrToInt, ThrowsAConvertErrorQuotingTheText) {
    try {
        StrToInt("12a");
        FAIL() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message, "'12a' is not a valid integer value");
        EXPECT_STREQ(error.what(), error.Message.c_str());
    }
    EXPECT_THROW(StrToInt64(""), EConvertError);
    EXPECT_EQ(StrToInt(" -$A"), -10);
    EXPECT_EQ(StrToInt64("$FFFFFFFFFF"), 0xFFFFFFFFFF);
    EXPECT_EQ(StrToInt64Def("x", 9), 9);
}

TEST(IntToText, WritesDecimalAndUpperCaseHexadecimal) {
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToHex(0xAB, 4), "00AB");
    EXPECT_EQ(IntToHex(0x12345, 2), "12345");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToHex(UINT64_MAX, 1), "FFFFFFFFFFFFFFFF");
}

} // namespace
