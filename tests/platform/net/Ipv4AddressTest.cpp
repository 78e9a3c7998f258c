#include "platform/net/Ipv4Address.h"

#include <gtest/gtest.h>

namespace {

struct TParseCase {
    const char* Text;
    bool Valid;
    TIpv4Octets Octets;
};

class ParseIPv4Test : public ::testing::TestWithParam<TParseCase> {};

TEST_P(ParseIPv4Test, AcceptsOnlyFourDecimalOctets) {
    const TParseCase& c = GetParam();
    const auto octets = ParseIPv4(c.Text);
    ASSERT_EQ(octets.has_value(), c.Valid) << c.Text;
    if (c.Valid) {
        EXPECT_EQ(*octets, c.Octets) << c.Text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIPv4Test,
    ::testing::Values(TParseCase{"192.168.2.205", true, {192, 168, 2, 205}},
                      TParseCase{"0.0.0.0", true, {0, 0, 0, 0}},
                      TParseCase{"255.255.255.255", true, {255, 255, 255, 255}},
                      // leading zeros stay decimal, never octal
                      TParseCase{"010.001.002.009", true, {10, 1, 2, 9}},
                      TParseCase{"192.168.0.256", false, {}}, TParseCase{"192.168.0", false, {}},
                      TParseCase{"1.2.3.4.5", false, {}}, TParseCase{" 1.2.3.4", false, {}},
                      TParseCase{"1.2.3.4 ", false, {}}, TParseCase{"1..3.4", false, {}},
                      TParseCase{"0x7f.0.0.1", false, {}}, TParseCase{"1.2.3.0004", false, {}},
                      TParseCase{"localhost", false, {}}, TParseCase{"", false, {}},
                      TParseCase{"-1.2.3.4", false, {}}));

TEST(FormatIPv4Test, WritesDottedDecimal) {
    EXPECT_EQ(FormatIPv4({127, 0, 0, 1}), "127.0.0.1");
    EXPECT_EQ(FormatIPv4({255, 0, 10, 200}), "255.0.10.200");
}

} // namespace
