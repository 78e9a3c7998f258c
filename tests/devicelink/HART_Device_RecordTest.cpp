#include "devicelink/HART_Device_Record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

THART_Device_Record Record_With_Name(const char* name, size_t size) {
    THART_Device_Record record{};
    std::memcpy(record.data() + 61, name, size);
    return record;
}

void Set_Variable_Count(THART_Device_Record& record, int32_t count) {
    const auto bits = static_cast<uint32_t>(count);
    for (size_t i = 0; i < 4; ++i)
        record[115 + i] = static_cast<uint8_t>(bits >> (8 * i));
}

TEST(HART_Device_RecordTest, AddressTakesBytesOneTwoThenNineToElevenAsUpperCaseHex) {
    THART_Device_Record record{};
    record[1] = 0x12;
    record[2] = 0x34;
    record[3] = 0xAB; // the preamble, between the address bytes
    record[9] = 0xAB;
    record[10] = 0xCD;
    record[11] = 0x0F;
    EXPECT_EQ(HART_Device_Address(record), "0x1234ABCD0F");
    EXPECT_EQ(HART_Device_Address(THART_Device_Record{}), "0x0000000000");
}

TEST(HART_Device_RecordTest, PreambleIsTheUnsignedByteAtOffsetThree) {
    THART_Device_Record record{};
    record[3] = 200;
    EXPECT_EQ(HART_Device_Preamble(record), 200);
}

struct TName_Case {
    std::string Raw; // bytes from offset 61
    std::string Expected;
};

class HART_Device_NameTest : public ::testing::TestWithParam<TName_Case> {};

TEST_P(HART_Device_NameTest, KeepsAllThirtyTwoCharactersWithControlsAsBlanks) {
    const TName_Case& c = GetParam();
    const auto record = Record_With_Name(c.Raw.data(), c.Raw.size());
    EXPECT_EQ(HART_Device_Name(record), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HART_Device_NameTest,
    ::testing::Values(
        TName_Case{std::string("TT-101") + std::string(26, ' '),
                   "TT-101                          "},
        // NUL padding, as many devices send it, becomes blanks instead of cutting the text
        TName_Case{std::string("PT-202\0\0", 8), "PT-202                          "},
        TName_Case{std::string("A\tB\r\nC\x7f\x85", 8), "A B  C                          "},
        // a byte above 0x9F is the Latin-1 character of that code
        TName_Case{std::string("\xB0"
                               "C \xE9",
                               4),
                   "\xC2\xB0"
                   "C \xC3\xA9" +
                       std::string(28, ' ')}));

struct TVariables_Case {
    int32_t Count;
    size_t Expected;
};

class HART_Device_VariablesTest : public ::testing::TestWithParam<TVariables_Case> {};

TEST_P(HART_Device_VariablesTest, ReadsOnlyEntriesInsideTheRecord) {
    THART_Device_Record record{};
    Set_Variable_Count(record, GetParam().Count);
    EXPECT_EQ(HART_Device_Variables(record).size(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, HART_Device_VariablesTest,
                         ::testing::Values(TVariables_Case{0, 0}, TVariables_Case{-5, 0},
                                           TVariables_Case{3, 3}, TVariables_Case{293, 293},
                                           TVariables_Case{1000, 293},
                                           TVariables_Case{INT32_MAX, 293}));

TEST(HART_Device_RecordTest, VariableEntriesAreCodeClassificationUnitTriples) {
    THART_Device_Record record{};
    Set_Variable_Count(record, 2);
    const uint8_t entries[] = {246, 64, 32, 7, 0, 200};
    std::memcpy(record.data() + 119, entries, sizeof(entries));
    const auto variables = HART_Device_Variables(record);
    ASSERT_EQ(variables.size(), 2u);
    EXPECT_EQ(variables[0].Code, 246);
    EXPECT_EQ(variables[0].Classification, 64);
    EXPECT_EQ(variables[0].Unit, 32);
    EXPECT_EQ(variables[1].Code, 7);
    EXPECT_EQ(variables[1].Unit, 200);
}

TEST(HART_Device_RecordTest, EntryTwoHundredNinetyTwoIsTheLastThatFitsTheRecord) {
    THART_Device_Record record{};
    Set_Variable_Count(record, 1000);
    record[995] = 248; // 119 + 3 * 292
    record[996] = 1;
    record[997] = 2;
    const auto variables = HART_Device_Variables(record);
    ASSERT_EQ(variables.size(), 293u);
    EXPECT_EQ(variables.back().Code, 248);
    EXPECT_EQ(variables.back().Unit, 2);
}

} // namespace
