#include "app/core/USaveBincc.h"

#include "app/core/AppState.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "tests/support/TempFolder.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           uint32_t(bytes[offset + 3]) << 24;
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, size_t offset, size_t count) {
    return {bytes.begin() + offset, bytes.begin() + offset + count};
}

// The record the device gets when the configuration has no general parameters file.
std::vector<uint8_t> Record_Without_ParGen() {
    std::vector<uint8_t> expected(2048);
    const auto put = [&](size_t offset, std::vector<uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), expected.begin() + offset);
    };
    put(0, {0x90, 0xD0, 0x03, 0x00, 0x90, 0xD0, 0x03, 0x00});
    put(12, {0x80, 0x25, 0x00, 0x00});
    put(40, {192, 168, 2, 205, 255, 255, 255, 0, 255, 255, 255, 255});
    put(52, {0x10, 0x27, 0x11, 0x27, 0x11, 0x27});
    put(436, {8, 8, 8, 8, 8, 8, 8, 8});
    put(1536, {0x00, 0x00, 0x08, 0x00});
    put(1804, {0x00, 0x00, 0x0C, 0x00});
    put(2044, {0x96, 0x0D, 0x00, 0x00});
    return expected;
}

class BankBuilderTest : public ::testing::Test {
protected:
    std::vector<uint8_t> Build(std::string_view parGen) {
        WriteFileAtomic(Temp.File("ParGen.xml"), parGen);
        return Build_From(Temp.File("ParGen.xml"));
    }
    std::vector<uint8_t> Build_From(const std::string& parGenFile) {
        Builder.Build_Banks(parGenFile, Temp.File("HART_Variables.xml"));
        return Slice(Builder.Bank1_Image, 0, Builder.Bank1_Length);
    }

    TTempFolder Temp;
    TBankBuilder Builder;
};

} // namespace

TEST_F(BankBuilderTest, WithoutGeneralParametersTheRecordHoldsItsInitialValues) {
    const std::vector<uint8_t> record = Build_From(Temp.File("ParGen.xml"));
    ASSERT_EQ(record.size(), 2048u);
    EXPECT_EQ(record, Record_Without_ParGen());
    EXPECT_EQ(U32At(record, 2044), 3478u);
    EXPECT_EQ(Builder.Hart_Bank.address, 0u);
    EXPECT_EQ(Builder.Hart_Bank.retry_limit, 0u);
}

TEST_F(BankBuilderTest, RootOnlyFileTakesTheReadersDefaults) {
    const std::vector<uint8_t> record = Build("<Par_Gen/>");
    ASSERT_EQ(record.size(), 2048u);
    EXPECT_EQ(Slice(record, 40, 12),
              (std::vector<uint8_t>{192, 168, 0, 10, 255, 255, 255, 0, 255, 255, 255, 255}));
    EXPECT_EQ(Slice(record, 1420, 4), (std::vector<uint8_t>{255, 255, 255, 255}));
    EXPECT_EQ(record[129], 10);
    EXPECT_EQ(U32At(record, 116), 244u);
    EXPECT_EQ(U32At(record, 120), 244u);
    EXPECT_EQ(U32At(record, 2044), 4799u);
    EXPECT_EQ(Builder.Hart_Bank.address, 1u);
}

TEST_F(BankBuilderTest, OddGeneralParametersGiveTheGoldenRecord) {
    // Hexadecimal and negative octets, blanks before and after numbers, an empty element, one
    // holding an element, a repeated element, an unknown one, log-ins beyond ASCII and beyond 8.
    const std::string fixtures = std::string(VELMARO_FIXTURES) + "/app/core/banks/";
    const std::vector<uint8_t> record = Build_From(fixtures + "ParGen_Odd.xml");
    const std::string golden = ReadFileBytes(fixtures + "bank1_odd.bin");
    EXPECT_EQ(record, std::vector<uint8_t>(golden.begin(), golden.end()));
    EXPECT_EQ(Builder.Hart_Bank.address, 1u);
    EXPECT_EQ(Builder.Hart_Bank.retry_limit, 3u);
}

TEST_F(BankBuilderTest, GeneralParametersEnterTheRecord) {
    struct Case {
        const char* Description;
        const char* Elements;
        std::function<void(const std::vector<uint8_t>&)> Expect;
    };
    const Case cases[] = {
        {"gateway unused: its octets are ignored",
         "<Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_EN_GAT>0</Ethernet_EN_GAT>",
         [](auto& r) {
             EXPECT_EQ(Slice(r, 48, 4), (std::vector<uint8_t>{255, 255, 255, 255}));
         }},
        {"gateway in use: its octets, defaults for the missing ones",
         "<Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_GAT2>x</Ethernet_GAT2>"
         "<Ethernet_EN_GAT>1</Ethernet_EN_GAT>",
         [](auto& r) {
             EXPECT_EQ(Slice(r, 48, 4), (std::vector<uint8_t>{10, 168, 0, 1}));
         }},
        {"DNS in use",
         "<Ethernet_DNS1>1</Ethernet_DNS1><Ethernet_DNS4>$FF</Ethernet_DNS4>"
         "<Ethernet_EN_DNS>1</Ethernet_EN_DNS>",
         [](auto& r) {
             EXPECT_EQ(Slice(r, 1420, 4), (std::vector<uint8_t>{1, 8, 8, 255}));
         }},
        {"address and mask, hexadecimal and low 8 bits",
         "<Ethernet_IP1>0x0A</Ethernet_IP1><Ethernet_IP2>010</Ethernet_IP2>"
         "<Ethernet_IP3>257</Ethernet_IP3><Ethernet_IP4> 7</Ethernet_IP4>"
         "<Ethernet_SM4>7 </Ethernet_SM4>",
         [](auto& r) {
             EXPECT_EQ(Slice(r, 40, 8), (std::vector<uint8_t>{10, 10, 1, 7, 255, 255, 255, 0}));
         }},
        {"station and byte counts",
         "<PROFIBUS_ID_Device>125</PROFIBUS_ID_Device><PROFINET_NB_IN>32</PROFINET_NB_IN>"
         "<PROFINET_NB_OUT>16</PROFINET_NB_OUT>",
         [](auto& r) {
             EXPECT_EQ(r[129], 125);
             EXPECT_EQ(U32At(r, 120), 32u);
             EXPECT_EQ(U32At(r, 116), 16u);
         }},
        {"user abc", "<Web_Pages_User>abc</Web_Pages_User>",
         [](auto& r) {
             EXPECT_EQ(Slice(r, 1828, 8), (std::vector<uint8_t>{0x61, 0x62, 0x63, 0, 0, 0, 0, 0}));
         }},
        {"log-in longer than 8 is cut to its first 8, nothing beyond the field",
         "<Web_Pages_User>administrator</Web_Pages_User>"
         "<Web_Pages_Password>0123456789</Web_Pages_Password>",
         [](auto& r) {
             EXPECT_EQ(Slice(r, 1828, 8),
                       (std::vector<uint8_t>{'a', 'd', 'm', 'i', 'n', 'i', 's', 't'}));
             EXPECT_EQ(Slice(r, 1836, 9),
                       (std::vector<uint8_t>{'0', '1', '2', '3', '4', '5', '6', '7', 0}));
         }},
        {"a character is the low byte of its UTF-16 unit",
         "<Web_Pages_Password>\xC3\xA8\xE2\x82\xAC</Web_Pages_Password>",
         [](auto& r) {
             EXPECT_EQ(Slice(r, 1836, 3), (std::vector<uint8_t>{0xE8, 0xAC, 0}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Description);
        const std::vector<uint8_t> record =
            Build("<Par_Gen>" + std::string(c.Elements) + "</Par_Gen>");
        c.Expect(record);
        uint32_t sum = 0;
        for (size_t i = 0; i < 2044; ++i)
            sum += record[i];
        EXPECT_EQ(U32At(record, 2044), sum);
    }
}

TEST_F(BankBuilderTest, MasterAddressIsOneForEitherRoleAndRetryLimitIsItsListPosition) {
    struct Case {
        const char* Master;
        const char* Retry;
        uint32_t Retry_Limit;
    };
    const Case cases[] = {
        {"Primary Master", "2", 0},
        {"Secondary Master", "3", 1},
        {"", " 5", 3},
    };
    for (const Case& c : cases) {
        Build(std::string("<Par_Gen><HART_Master_Address>") + c.Master +
              "</HART_Master_Address><HART_Master_Retry_Limit>" + c.Retry +
              "</HART_Master_Retry_Limit></Par_Gen>");
        EXPECT_EQ(Builder.Hart_Bank.address, 1u) << c.Master;
        EXPECT_EQ(Builder.Hart_Bank.retry_limit, c.Retry_Limit) << c.Retry;
    }
}

TEST_F(BankBuilderTest, FileThatIsNotXmlStopsTheBuild) {
    EXPECT_THROW(Build("<Par_Gen><Ethernet_IP1>"), Exception);
    EXPECT_THROW(Build("x<Par_Gen/>"), Exception);
    EXPECT_THROW(Build("<Par_Gen><Ethernet_IP1>10</Ethernet_IP1></Par_Gen><Par_Gen/>"), Exception);
}

TEST_F(BankBuilderTest, BanksAreWrittenToTheBinFolderOfTheConfiguration) {
    Set_Program_Folders(Temp.Path());
    Select_Project("Plant A");
    ForceDirectories(AppState().Project_Path);
    Builder.Build_Banks();
    // The folder "bin" is made when the configuration lacks it.
    Builder.Write_Bank_Files();
    const std::string bin = JoinPath(AppState().Project_Path, "bin");
    const std::string bank1 = ReadFileBytes(JoinPath(bin, "bank1.bin"));
    EXPECT_EQ(std::vector<uint8_t>(bank1.begin(), bank1.end()), Record_Without_ParGen());
    EXPECT_EQ(ReadFileBytes(JoinPath(bin, "bank2.bin")).size(), 36u);
}

TEST_F(BankBuilderTest, BankThatCannotBeWrittenIsAnError) {
    Builder.Build_Banks(Temp.File("ParGen.xml"), Temp.File("HART_Variables.xml"));
    // A file where the folder "bin" should be.
    WriteFileAtomic(Temp.File("bin"), "");
    EXPECT_THROW(Builder.Write_Bank_Files(Temp.Path()), EFileError);
    EXPECT_THROW(Builder.Write_Bank_Files(""), Exception);
}
