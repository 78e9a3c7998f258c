#include "app/core/HartBank.h"

#include "app/core/USaveBincc.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string BankFixtures = std::string(VELMARO_FIXTURES) + "/app/core/banks/";

std::string BankRow(std::string_view attributes) {
    return "<row " + std::string(attributes) + "/>";
}

std::string Table(std::string_view rows) {
    return "<HART><HART_Variables>" + std::string(rows) +
           "</HART_Variables></HART><!--SW_VERSION = 1.000-->";
}

uint32_t BankU32At(std::string_view bytes, size_t offset) {
    const auto b = [&](size_t i) { return uint32_t(uint8_t(bytes[offset + i])); };
    return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}

class HartBankTest : public ::testing::Test {
protected:
    // The bank as it would be written, built from the given table file content.
    std::string Build(std::string_view table, std::string_view parGen = "<Par_Gen/>") {
        WriteFileAtomic(Temp.File("ParGen.xml"), parGen);
        if (!table.empty())
            WriteFileAtomic(Temp.File("HART_Variables.xml"), table);
        Builder.Build_Banks(Temp.File("ParGen.xml"), Temp.File("HART_Variables.xml"));
        return std::string(reinterpret_cast<const char*>(Builder.Bank2_Image.data()),
                           Builder.Bank2_Length);
    }

    TTempFolder Temp;
    TBankBuilder Builder;
};

} // namespace

TEST_F(HartBankTest, TablesGiveTheirGoldenBanks) {
    struct Case {
        const char* ParGen;
        const char* Table;
        const char* Golden;
    };
    const Case cases[] = {
        // Var, Var Burst and Command rows with a disabled row between them.
        {"ParGen.xml", "HART_Variables.xml", "bank2.bin"},
        // Odd rows: numbers in hexadecimal or after blanks, a Var row carrying parameters, a
        // comment, rows without a capital Y, a row with an empty address and a row after it, an
        // element not named "row", an odd count of parameter characters, non-hexadecimal pairs.
        {"ParGen_Odd.xml", "HART_Variables_Odd.xml", "bank2_odd.bin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        Builder.Build_Banks(BankFixtures + c.ParGen, BankFixtures + c.Table);
        const std::string golden = ReadFileBytes(BankFixtures + c.Golden);
        ASSERT_EQ(Builder.Bank2_Length, golden.size());
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(Builder.Bank2_Image.data()),
                              Builder.Bank2_Length),
                  golden);
    }
}

TEST_F(HartBankTest, FullTableOfLongestCommandsFitsWithItsParameters) {
    std::string rows;
    for (int i = 0; i < 100; ++i)
        rows += BankRow("Enable=\"Y\" Var_Cmd_Type=\"Command\" Position=\"" + std::to_string(i) +
                    "\" Cmd_Params=\"" + std::string(500, i % 2 ? 'F' : '0') + "\"");
    const std::string bank = Build(Table(rows));
    ASSERT_EQ(bank.size(), 36u + 100 * 76 + 100 * 250);
    EXPECT_EQ(BankU32At(bank, 0), 100u);
    const size_t last = 36 + 99 * 76;
    EXPECT_EQ(BankU32At(bank, last + 60), 0x00080000u + 36 + 100 * 76 + 99 * 250);
    EXPECT_EQ(BankU32At(bank, last + 64), 250u);
    EXPECT_EQ(BankU32At(bank, last + 68), 99u);
    EXPECT_EQ(bank.substr(36 + 100 * 76, 250), std::string(250, '\0'));
    EXPECT_EQ(bank.substr(bank.size() - 250), std::string(250, '\xFF'));
}

TEST_F(HartBankTest, NoEnabledRowGivesTheHeaderAlone) {
    const std::string bank =
        Build(Table(BankRow("Enable=\"N\" Device_Address=\"1\"") + BankRow("Device_Address=\"2\"")),
              "<Par_Gen><HART_Master_Retry_Limit>3</HART_Master_Retry_Limit></Par_Gen>");
    const std::string expected("\0\0\0\0"
                               "\0\0\0\0"
                               "\0\0\0\0"
                               "\0\0\0\0"
                               "\1\0\0\0"
                               "\1\0\0\0\0\0\0\0"
                               "\1\0\0\0"
                               "\0\0\0\0",
                               36);
    EXPECT_EQ(bank, expected);
}

TEST_F(HartBankTest, TablesTheBankCannotUseGiveTheHeaderAlone) {
    const char* const tables[] = {
        "",                                                                    // no file
        "<Other><HART_Variables><row Enable=\"Y\"/></HART_Variables></Other>", // another root
        "<HART><Rows><row Enable=\"Y\"/></Rows></HART>",                       // no section
    };
    for (const char* table : tables) {
        const std::string bank = Build(table);
        EXPECT_EQ(bank.size(), 36u) << table;
        EXPECT_EQ(BankU32At(bank, 0), 0u) << table;
        EXPECT_EQ(BankU32At(bank, 4), 0u) << table;
    }
}

TEST_F(HartBankTest, ParameterBytesFollowAllEntriesWithoutGaps) {
    const std::string bank =
        Build(Table(BankRow("Enable=\"Y\" Var_Cmd_Type=\"Command\" Cmd_Params=\"0102\"") +
                    BankRow("Enable=\"N\" Cmd_Params=\"FFFF\"") +
                    BankRow("Enable=\"Y\" Var_Cmd_Type=\"Command\" Cmd_Params=\"0A0B0C\"")));
    ASSERT_EQ(bank.size(), 36u + 2 * 76 + 5);
    EXPECT_EQ(BankU32At(bank, 0), 2u);
    EXPECT_EQ(BankU32At(bank, 4), 0x00080024u);
    EXPECT_EQ(BankU32At(bank, 36 + 60), 0x00080024u + 2 * 76);
    EXPECT_EQ(BankU32At(bank, 36 + 64), 2u);
    EXPECT_EQ(BankU32At(bank, 36 + 76 + 60), 0x00080024u + 2 * 76 + 2);
    EXPECT_EQ(BankU32At(bank, 36 + 76 + 64), 3u);
    EXPECT_EQ(bank.substr(36 + 152), std::string("\x01\x02\x0A\x0B\x0C"));
}

TEST_F(HartBankTest, EntryFieldsFromTheRowAttributes) {
    struct Case {
        const char* Description;
        const char* Attributes;
        size_t Offset; // within the entry
        uint32_t Value;
    };
    const Case cases[] = {
        {"ConvInt, Swap and x 100", "ConvInt=\"Y\" Swap=\"Y\" Var_Operation=\"x 100\"", 72, 22},
        {"Swap alone", "Swap=\"Y\" ConvInt=\"N\"", 72, 1},
        {"ConvInt alone", "ConvInt=\"Y\"", 72, 2},
        {"None", "Var_Operation=\"None\"", 72, 0},
        {"x 1000000", "Var_Operation=\"x 1000000\"", 72, 256},
        {"operation texts are exact", "Var_Operation=\"X 10\" Swap=\"y\"", 72, 0},
        {"Var", "Var_Cmd_Type=\"Var\"", 12, 0},
        {"Var Burst", "Var_Cmd_Type=\"Var Burst\"", 12, 1},
        {"Command", "Var_Cmd_Type=\"Command\"", 12, 2},
        {"missing type is a command", "", 12, 2},
        {"missing preamble count", "", 8, 5},
        {"preamble count not a number", "Preamble_Count=\"five\"", 8, 5},
        {"hexadecimal number", "Var_Cmd_Number=\"$FF\"", 16, 255},
        {"position", "Position=\"0x5A\"", 68, 90},
        {"time-out up to 0xFFFFFFFF", "TimeOut=\"4294967295\"", 48, 0xFFFFFFFF},
        {"negative time-out keeps its bit pattern", "TimeOut=\"-1\"", 48, 0xFFFFFFFF},
        {"time-out beyond 32 bits", "TimeOut=\"4294967296\"", 48, 0},
        {"time-out not a number", "TimeOut=\"1 s\"", 48, 0},
        {"device address low half", "Device_Address=\"0xFFFFFFFFFF\"", 0, 0xFFFFFFFF},
        {"device address high half", "Device_Address=\"0xFFFFFFFFFF\"", 4, 0xFF},
        {"device address not a number", "Device_Address=\"0x\"", 0, 0},
    };
    for (const Case& c : cases) {
        const std::string bank = Build(Table(BankRow(std::string("Enable=\"Y\" ") + c.Attributes)));
        ASSERT_EQ(BankU32At(bank, 0), 1u) << c.Description;
        EXPECT_EQ(BankU32At(bank, 36 + c.Offset), c.Value) << c.Description;
    }
}

TEST_F(HartBankTest, OnlyRowsEnabledWithCapitalYCount) {
    TXMLDocument xml;
    xml.LoadFromString(Table(BankRow("Enable=\"Y\"") + BankRow("Enable=\"y\"") + BankRow("") +
                             BankRow("Enable=\"N\"") + "<other Enable=\"Y\"/>"));
    EXPECT_EQ(Count_Enabled_Variables(xml.DocumentElement()), 2);
}

TEST(HexToBytesTest, PairsOfHexadecimalCharacters) {
    struct Case {
        const char* Text;
        std::vector<uint8_t> Bytes;
    };
    const Case cases[] = {
        {"0A1b", {0x0A, 0x1B}},
        {"ABC", {0xAB}},
        {"", {}},
        {"   ", {}},
        {" 0102 ", {0x01, 0x02}},
        {"G1ff", {0x00, 0xFF}},
        {"+1", {0x00}},
        {"\xC3\xA8"
         "1",
         {0x00}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Hex_To_Bytes(c.Text), c.Bytes) << c.Text;
}

TEST(HartBankStoreTest, BankLargerThanItsImageIsRefused) {
    THart_Bank bank;
    bank.hart_var_place.resize(1);
    bank.hart_var_place[0].params.resize(1000);
    std::vector<uint8_t> image(512);
    EXPECT_THROW(Store_Hart_Bank(bank, 0, image), Exception);
    std::vector<uint8_t> enough(36 + 76 + 1000);
    EXPECT_EQ(Store_Hart_Bank(bank, 0, enough), enough.size());
}
