#include "app/core/ParGenValidation.h"

#include "app/core/ULanguage.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class ParGenValidationTest : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Language(); }
};

struct TCase {
    const char* Description;
    std::function<void(TParGenValues&)> Change;
    // Empty when the values pass.
    std::string Element;
    int Lang_Index;
    const char* Message;
};

} // namespace

TEST_F(ParGenValidationTest, DefaultsPass) {
    const TParGenCheck check = Check_ParGen_Values(TParGenValues());
    EXPECT_TRUE(check.Passed);
    EXPECT_EQ(check.Lang_Index, 0);
}

TEST_F(ParGenValidationTest, FirstFailingValueNamesItsFieldAndMessage) {
    const TCase cases[] = {
        {"IP octet of letters", [](auto& v) { v.Ethernet_IP[0] = "abc"; }, "Ethernet_IP1", 801,
         "Error Ethernet!! IP Address 1 must be between 0 and 255"},
        {"empty IP octet", [](auto& v) { v.Ethernet_IP[3] = ""; }, "Ethernet_IP4", 804,
         "Error Ethernet!! IP Address 4 must be between 0 and 255"},
        {"IP octet 256", [](auto& v) { v.Ethernet_IP[1] = "256"; }, "Ethernet_IP2", 802,
         "Error Ethernet!! IP Address 2 must be between 0 and 255"},
        {"negative mask octet", [](auto& v) { v.Ethernet_SM[2] = "-1"; }, "Ethernet_SM3", 807,
         "Error Ethernet!! SubNet Mask 3 must be between 0 and 255"},
        {"decimal dot", [](auto& v) { v.Ethernet_SM[0] = "1.5"; }, "Ethernet_SM1", 805,
         "Error Ethernet!! SubNet Mask 1 must be between 0 and 255"},
        {"gateway octet 300 while the gateway is in use",
         [](auto& v) {
             v.Ethernet_EN_GAT = true;
             v.Ethernet_GAT[1] = "300";
         },
         "Ethernet_GAT2", 810, "Error Ethernet!! GATEWAY IP 2 must be between 0 and 255"},
        {"gateway octet 300 while the gateway is unused passes",
         [](auto& v) { v.Ethernet_GAT[1] = "300"; }, "", 0, ""},
        {"DNS octets are not checked", [](auto& v) { v.Ethernet_DNS[0] = "999"; }, "", 0, ""},
        {"station address 0", [](auto& v) { v.PROFIBUS_ID_Device = "0"; }, "PROFIBUS_ID_Device",
         880, "Error PROFIBUS!! ID Device must be between 1 and 125"},
        {"station address 126", [](auto& v) { v.PROFIBUS_ID_Device = "126"; }, "PROFIBUS_ID_Device",
         880, "Error PROFIBUS!! ID Device must be between 1 and 125"},
        {"station address 125 and byte counts 0 pass",
         [](auto& v) {
             v.PROFIBUS_ID_Device = "125";
             v.PROFINET_NB_IN = "0";
             v.PROFINET_NB_OUT = "0";
         },
         "", 0, ""},
        {"245 input bytes", [](auto& v) { v.PROFINET_NB_IN = "245"; }, "PROFINET_NB_IN", 881,
         "Error PROFIBUS!! Number Bytes Input must be between 0 and 244"},
        {"245 output bytes", [](auto& v) { v.PROFINET_NB_OUT = "245"; }, "PROFINET_NB_OUT", 882,
         "Error PROFIBUS!! Number Bytes OutPut must be between 0 and 244"},
        {"leading zeros are typed numbers", [](auto& v) { v.Ethernet_IP[0] = "010"; }, "", 0, ""},
        {"trailing blank does not convert", [](auto& v) { v.Ethernet_IP[0] = "10 "; },
         "Ethernet_IP1", 801, "Error Ethernet!! IP Address 1 must be between 0 and 255"},
        {"checks run in order: the mask before the station",
         [](auto& v) {
             v.PROFIBUS_ID_Device = "0";
             v.Ethernet_SM[3] = "x";
         },
         "Ethernet_SM4", 808, "Error Ethernet!! SubNet Mask 4 must be between 0 and 255"},
        // What passes is what the bank builder reads: the same conversion on both sides.
        {"hexadecimal octet and leading blanks pass",
         [](auto& v) {
             v.Ethernet_IP[0] = "$FF";
             v.Ethernet_SM[3] = "  0x0";
         },
         "", 0, ""},
        {"hexadecimal beyond the range", [](auto& v) { v.Ethernet_IP[2] = "0x100"; },
         "Ethernet_IP3", 803, "Error Ethernet!! IP Address 3 must be between 0 and 255"},
        {"blanks only", [](auto& v) { v.PROFINET_NB_OUT = "   "; }, "PROFINET_NB_OUT", 882,
         "Error PROFIBUS!! Number Bytes OutPut must be between 0 and 244"},
        {"log-in longer than 8 is not refused", [](auto& v) { v.Web_Pages_User = "administrator"; },
         "", 0, ""},
    };
    for (const TCase& c : cases) {
        TParGenValues values;
        c.Change(values);
        const TParGenCheck check = Check_ParGen_Values(values);
        EXPECT_EQ(check.Passed, c.Element.empty()) << c.Description;
        EXPECT_EQ(check.Element, c.Element) << c.Description;
        EXPECT_EQ(check.Lang_Index, c.Lang_Index) << c.Description;
        EXPECT_EQ(check.Message, c.Message) << c.Description;
    }
}
