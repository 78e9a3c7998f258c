#include "WindowsFixture.h"

#include "app/controls/GlyphButton.h"
#include "platform/core/Text.h"
#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"

#include <set>

namespace {

// The panels of the family's other variants in the general parameters window.
class ParGenPanelsTest : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        std::filesystem::create_directories(Folder / "PROJECTS" / "Plant");
        Create_Windows();
    }

    std::vector<TCategoryPanel*> Variant_Panels() const {
        TFParGen* f = FParGen;
        return {f->CP_Serial,
                f->CP_BACnet_Slave,
                f->CP_SNMP_Agent,
                f->CP_PROFINET,
                f->CP_EtherNetIP,
                f->CP_DeviceNet_Slave,
                f->CP_J1939,
                f->CP_CANopen,
                f->CP_CAN,
                f->CP_Modbus_Slave,
                f->CP_Modbus_TCP_Slave,
                f->CP_NTP,
                f->CP_TLS,
                f->CP_WiFi,
                f->CP_MQTT};
    }

    // The captions of the shown panels, top to bottom.
    std::vector<std::string> Shown_Titles() const {
        std::vector<std::pair<int, std::string>> shown;
        for (TCategoryPanel* panel : FParGen->CPG->Panels())
            if (panel->Visible())
                shown.emplace_back(panel->Top(), panel->Caption());
        std::sort(shown.begin(), shown.end());
        std::vector<std::string> titles;
        for (const auto& [top, title] : shown)
            titles.push_back(title);
        return titles;
    }

    void Hide_All_Panels() {
        for (TCategoryPanel* panel : FParGen->CPG->Panels())
            panel->SetVisible(false);
    }

    // Every control on a panel, by walking its surface.
    static std::vector<TControl*> Controls_Of(TCategoryPanel* panel) {
        std::vector<TControl*> controls;
        for (int i = 0; i < panel->Surface()->ControlCount(); ++i)
            controls.push_back(panel->Surface()->Controls(i));
        return controls;
    }
};

TEST_F(ParGenPanelsTest, TheOtherVariantsPanelsStayHiddenAfterCreationAndEveryShowing) {
    ASSERT_EQ(FParGen->CPG->Panels().size(), 19u);
    for (TCategoryPanel* panel : Variant_Panels())
        EXPECT_FALSE(panel->Visible());

    // Whatever their own choices say, and also when one of them changes a layout.
    FParGen->CB_BACnet_Slave_Type->SetItemIndex(1);
    FParGen->CB_TLS_Enable->SetChecked(true);
    FParGen->CB_SNMP_Agent_Version3->SetChecked(true);
    FParGen->CB_WiFi_Type->SetItemIndex(1);
    Select_Project("Plant");
    Seam().OnModalShow = [&](TForm*) {
        FParGen->CB_MQTT_WillFlag->SetChecked(true);
        EXPECT_TRUE(FParGen->Is_Change);
    };
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Prm_Gen);
    Seam().OnModalShow = nullptr;
    for (TCategoryPanel* panel : Variant_Panels())
        EXPECT_FALSE(panel->Visible()) << panel->Caption();
    EXPECT_EQ(Shown_Titles(), (std::vector<std::string>{"1. HART Master", "2. PROFIBUS",
                                                        "3. Ethernet", "4. Web Pages"}));
}

struct VariantCase {
    const char* Name;
    void (TFParGen::*Order)();
    void (TFParGen::*Heights)();
    std::vector<std::string> Titles;
};

class ParGenVariantTest : public ParGenPanelsTest,
                          public ::testing::WithParamInterface<VariantCase> {};

// Each variant's pair shows its panels stacked without gaps under numbered titles.
TEST_P(ParGenVariantTest, ShowsItsPanelsStackedUnderNumberedTitles) {
    const VariantCase& c = GetParam();
    Hide_All_Panels();
    (FParGen->*c.Order)();
    (FParGen->*c.Heights)();
    (FParGen->*c.Order)();
    EXPECT_EQ(Shown_Titles(), c.Titles);
    std::vector<TCategoryPanel*> shown;
    for (TCategoryPanel* panel : FParGen->CPG->Panels())
        if (panel->Visible())
            shown.push_back(panel);
    std::sort(shown.begin(), shown.end(),
              [](TCategoryPanel* a, TCategoryPanel* b) { return a->Top() < b->Top(); });
    EXPECT_EQ(shown.front()->Top(), 0);
    for (size_t i = 1; i < shown.size(); ++i)
        EXPECT_EQ(shown[i]->Top(), shown[i - 1]->Top() + shown[i - 1]->Height());
}

INSTANTIATE_TEST_SUITE_P(
    Variants, ParGenVariantTest,
    ::testing::Values(
        VariantCase{"V204",
                    &TFParGen::Order_TAB_Panels_204,
                    &TFParGen::RePosition_Objects_204,
                    {"1. HART Master", "2. Serial", "3. Ethernet", "4. Web Pages"}},
        VariantCase{"V208",
                    &TFParGen::Order_TAB_Panels_208,
                    &TFParGen::RePosition_Objects_208,
                    {"1. HART Master", "2. CAN", "3. Ethernet", "4. Web Pages"}},
        VariantCase{"V211",
                    &TFParGen::Order_TAB_Panels_211,
                    &TFParGen::RePosition_Objects_211,
                    {"1. HART Master", "2. DeviceNet Slave", "3. Ethernet", "4. Web Pages"}},
        VariantCase{"V213",
                    &TFParGen::Order_TAB_Panels_213,
                    &TFParGen::RePosition_Objects_213,
                    {"1. HART Master", "2. Ethernet", "3. Web Pages"}},
        VariantCase{"V215",
                    &TFParGen::Order_TAB_Panels_215,
                    &TFParGen::RePosition_Objects_215,
                    {"1. HART Master", "2. PROFIBUS", "3. Ethernet", "4. Web Pages"}},
        VariantCase{"V217",
                    &TFParGen::Order_TAB_Panels_217,
                    &TFParGen::RePosition_Objects_217,
                    {"1. HART Master", "2. EtherNet/IP", "3. Web Pages"}},
        VariantCase{"V219",
                    &TFParGen::Order_TAB_Panels_219,
                    &TFParGen::RePosition_Objects_219,
                    {"1. HART Master", "2. J1939", "3. Ethernet", "4. Web Pages"}},
        VariantCase{"V221",
                    &TFParGen::Order_TAB_Panels_221,
                    &TFParGen::RePosition_Objects_221,
                    {"1. HART Master", "2. Modbus Slave", "3. Ethernet", "4. Web Pages"}},
        VariantCase{"V223",
                    &TFParGen::Order_TAB_Panels_223,
                    &TFParGen::RePosition_Objects_223,
                    {"1. HART Master", "2. Modbus TCP Slave", "3. Web Pages"}},
        VariantCase{
            "V225",
            &TFParGen::Order_TAB_Panels_225,
            &TFParGen::RePosition_Objects_225,
            {"1. HART Master", "2. MQTT", "3. Ethernet", "4. TLS", "5. NTP", "6. Web Pages"}},
        VariantCase{"V227",
                    &TFParGen::Order_TAB_Panels_227,
                    &TFParGen::RePosition_Objects_227,
                    {"1. HART Master", "2. PROFINET", "3. Web Pages"}},
        VariantCase{"V238",
                    &TFParGen::Order_TAB_Panels_238,
                    &TFParGen::RePosition_Objects_238,
                    {"1. HART Master", "2. CANopen", "3. Ethernet", "4. Web Pages"}},
        VariantCase{"V295",
                    &TFParGen::Order_TAB_Panels_295,
                    &TFParGen::RePosition_Objects_295,
                    {"1. HART Master", "2. SNMP Agent", "3. Web Pages"}}),
    [](const auto& info) { return std::string(info.param.Name); });

// Web Pages goes below where the Ethernet panel stood, and Ethernet below BACnet; the titles
// keep the order 1 to 4.
TEST_F(ParGenPanelsTest, TheBACnetVariantTitlesWebPagesThirdAndEthernetFourth) {
    Hide_All_Panels();
    FParGen->Order_TAB_Panels_206();
    EXPECT_EQ(FParGen->CP_BACnet_Slave->Caption(), "2. BACnet Slave");
    EXPECT_EQ(FParGen->CP_Web_Pages->Caption(), "3. Web Pages");
    EXPECT_EQ(FParGen->CP_Ethernet->Caption(), "4. Ethernet");
    EXPECT_EQ(FParGen->CP_Web_Pages->TabOrder(), 2);
    EXPECT_EQ(FParGen->CP_Ethernet->TabOrder(), 3);
    EXPECT_EQ(FParGen->CP_BACnet_Slave->Top(), FParGen->CP_HART_Master->Height());
}

struct HeightCase {
    const char* Name;
    void (TFParGen::*Layout)();
    TCategoryPanel* TParGenVariantPanels::*Panel;
    int Height;
};

class ParGenPanelHeightTest : public ParGenPanelsTest,
                              public ::testing::WithParamInterface<HeightCase> {};

// The bottom of the last input + 12 + the header height (24), rows 28 pixels apart.
TEST_P(ParGenPanelHeightTest, FixedPanelsAreAsHighAsTheirLastRow) {
    const HeightCase& c = GetParam();
    (FParGen->*c.Layout)();
    EXPECT_EQ((FParGen->*c.Panel)->Height(), c.Height);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, ParGenPanelHeightTest,
    ::testing::Values(
        HeightCase{"Serial", &TFParGen::RePosition_Object_Serial, &TParGenVariantPanels::CP_Serial,
                   93 + 22 + 36},
        HeightCase{"CAN", &TFParGen::RePosition_Object_CAN, &TParGenVariantPanels::CP_CAN,
                   9 + 22 + 36},
        HeightCase{"CANopen", &TFParGen::RePosition_Object_CANopen,
                   &TParGenVariantPanels::CP_CANopen, 121 + 21 + 36},
        HeightCase{"J1939", &TFParGen::RePosition_Object_J1939, &TParGenVariantPanels::CP_J1939,
                   93 + 21 + 36},
        HeightCase{"DeviceNet", &TFParGen::RePosition_Object_DeviceNet_Slave,
                   &TParGenVariantPanels::CP_DeviceNet_Slave, 93 + 21 + 36},
        HeightCase{"EtherNetIP", &TFParGen::RePosition_Object_EtherNetIP,
                   &TParGenVariantPanels::CP_EtherNetIP, 149 + 21 + 36},
        HeightCase{"ModbusTCP", &TFParGen::RePosition_Object_Modbus_TCP_Slave,
                   &TParGenVariantPanels::CP_Modbus_TCP_Slave, 93 + 21 + 36},
        HeightCase{"NTP", &TFParGen::RePosition_Object_NTP, &TParGenVariantPanels::CP_NTP,
                   37 + 21 + 36},
        HeightCase{"PROFINET", &TFParGen::RePosition_Object_PROFINET,
                   &TParGenVariantPanels::CP_PROFINET, 205 + 21 + 36},
        // The "Serial" row goes and the rest moves up; the check box ends at 124 + 17.
        HeightCase{"ModbusSlave", &TFParGen::RePosition_Object_Modbus_Slave,
                   &TParGenVariantPanels::CP_Modbus_Slave, 124 + 17 + 36}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ParGenPanelsTest, ModbusSlaveMovesItsRowsUpIntoTheSerialRow) {
    FParGen->RePosition_Object_Modbus_Slave();
    EXPECT_FALSE(FParGen->L_ModbusSlave_Serial->Visible());
    EXPECT_FALSE(FParGen->CB_ModbusSlave_Serial->Visible());
    EXPECT_EQ(FParGen->L_ModbusSlave_Baudrate->Top(), 12);
    EXPECT_EQ(FParGen->CB_ModbusSlave_Baudrate->Top(), 9);
    EXPECT_EQ(FParGen->L_ModbusSlave_IDDevice->Top(), 96);
    EXPECT_EQ(FParGen->E_ModbusSlave_IDDevice->Top(), 93);
    EXPECT_EQ(FParGen->CB_ModbusSlave_ReadInput->Top(), 124);
}

TEST_F(ParGenPanelsTest, MQTTWillRowsComeWithTheWillFlag) {
    TFParGen* f = FParGen;
    f->RePosition_Object_MQTT();
    EXPECT_FALSE(f->E_MQTT_Will_TopicName->Visible());
    EXPECT_FALSE(f->CB_MQTT_Will_Retained->Visible());
    EXPECT_FALSE(f->L_MQTT_ASync_Send_Time->Visible());
    EXPECT_EQ(f->L_MQTT_Username->Top(), f->L_MQTT_Will_TopicName->Top());
    EXPECT_EQ(f->E_MQTT_Password->Top(), f->L_MQTT_Will_TopicName->Top() + 28 - 3);
    EXPECT_EQ(f->CP_MQTT->Height(), 205 + 21 + 36);

    f->CB_MQTT_WillFlag->SetChecked(true);
    f->RePosition_Object_MQTT();
    EXPECT_TRUE(f->E_MQTT_Will_TopicName->Visible());
    EXPECT_TRUE(f->CB_MQTT_Will_QoS->Visible());
    EXPECT_EQ(f->L_MQTT_Username->Top(), f->L_MQTT_Will_QoS->Top() + 28);
    EXPECT_EQ(f->CP_MQTT->Height(), 317 + 21 + 36);
    EXPECT_FALSE(f->E_MQTT_ASync_Send_Time->Visible());
}

TEST_F(ParGenPanelsTest, TLSRowsFollowItsThreeCheckBoxes) {
    TFParGen* f = FParGen;
    struct Case {
        bool Enable, Server, Client;
        bool Cert_Shown, Client_Rows_Shown;
        int Client_Auth_Top, Height;
    };
    const Case cases[] = {
        {false, true, true, false, false, -1, 12 + 17 + 36},
        {true, false, false, false, false, 40 + 28, 68 + 17 + 36},
        {true, true, false, true, false, 65 + 28, 93 + 17 + 36},
        {true, true, true, true, true, 65 + 28, 93 + 84 - 3 + 21 + 36},
        {true, false, true, false, true, 68, 68 + 84 - 3 + 21 + 36},
    };
    for (const Case& c : cases) {
        f->CB_TLS_Enable->SetChecked(c.Enable);
        f->CB_TLS_En_Server_Auth->SetChecked(c.Server);
        f->CB_TLS_En_Client_Auth->SetChecked(c.Client);
        f->RePosition_Object_TLS();
        SCOPED_TRACE(testing::Message() << c.Enable << c.Server << c.Client);
        EXPECT_EQ(f->CB_TLS_En_Server_Auth->Visible(), c.Enable);
        EXPECT_EQ(f->E_TLS_Server_Cert->Visible(), c.Cert_Shown);
        EXPECT_EQ(f->CB_TLS_En_Client_Auth->Visible(), c.Enable);
        EXPECT_EQ(f->E_TLS_Client_Cert_Key_Pass->Visible(), c.Client_Rows_Shown);
        EXPECT_EQ(f->E_TLS_Client_Cert->Visible(), c.Client_Rows_Shown);
        if (c.Enable)
            EXPECT_EQ(f->CB_TLS_En_Client_Auth->Top(), c.Client_Auth_Top);
        if (c.Client_Rows_Shown)
            EXPECT_EQ(f->L_TLS_Client_Cert->Top(), c.Client_Auth_Top + 28);
        EXPECT_EQ(f->CP_TLS->Height(), c.Height);
    }
}

TEST_F(ParGenPanelsTest, SNMPVersion3RowsFollowTheSecurityLevel) {
    TFParGen* f = FParGen;
    struct Case {
        bool Version3;
        int Level;
        bool User, Authority, Privacy;
        int Height;
    };
    const Case cases[] = {
        {false, 2, false, false, false, 180 + 17 + 36},
        {true, 0, true, false, false, 233 + 22 + 36},
        {true, 1, true, true, false, 289 + 22 + 36},
        {true, 2, true, true, true, 345 + 22 + 36},
    };
    for (const Case& c : cases) {
        f->CB_SNMP_Agent_Version3->SetChecked(c.Version3);
        f->CB_SNMP_Agent_SecurityLevel->SetItemIndex(c.Level);
        f->RePosition_Object_SNMP_Agent();
        SCOPED_TRACE(testing::Message() << c.Version3 << " level " << c.Level);
        EXPECT_EQ(f->E_SNMP_Agent_User->Visible(), c.User);
        EXPECT_EQ(f->CB_SNMP_Agent_SecurityLevel->Visible(), c.User);
        EXPECT_EQ(f->E_SNMP_Agent_Authority->Visible(), c.Authority);
        EXPECT_EQ(f->L_SNMP_Agent_AuthorityMode->Visible(), c.Authority);
        EXPECT_EQ(f->E_SNMP_Agent_Privacy->Visible(), c.Privacy);
        EXPECT_EQ(f->CB_SNMP_Agent_PrivacyMode->Visible(), c.Privacy);
        EXPECT_EQ(f->CP_SNMP_Agent->Height(), c.Height);
    }
}

TEST_F(ParGenPanelsTest, BACnetTypeSwapsTheIPRowsForTheMSTPRowsAndTheEthernetPanel) {
    TFParGen* f = FParGen;
    f->CB_BACnet_Slave_Type->SetItemIndex(1);
    f->RePosition_Object_BACnet_Slave();
    EXPECT_FALSE(f->E_BACnet_IP_Slave_IP1->Visible());
    EXPECT_FALSE(f->CB_BACnet_IP_Slave_GAT->Visible());
    EXPECT_FALSE(f->E_BACnet_IP_Slave_Device_Identifier->Visible());
    EXPECT_EQ(f->L_BACnet_MSTP_Slave_Baudrate->Top(), f->L_BACnet_IP_Slave_IP->Top());
    EXPECT_EQ(f->CB_BACnet_MSTP_Slave_Baudrate->Top(), f->E_BACnet_IP_Slave_IP1->Top());
    EXPECT_EQ(f->L_BACnet_MSTP_Slave_Network->Top(), 40 + 7 * 28);
    EXPECT_EQ(f->CB_BACnet_Slave_Desc_32_Chars->Top(), 40 + 8 * 28);
    EXPECT_TRUE(f->CP_Ethernet->Visible());
    EXPECT_EQ(f->CP_BACnet_Slave->Height(), 264 + 17 + 36);

    f->CB_BACnet_Slave_Type->SetItemIndex(0);
    f->RePosition_Object_BACnet_Slave();
    EXPECT_TRUE(f->E_BACnet_IP_Slave_IP1->Visible());
    EXPECT_TRUE(f->E_BACnet_IP_Slave_GAT4->Visible());
    EXPECT_FALSE(f->E_BACnet_MSTP_Slave_Network->Visible());
    EXPECT_FALSE(f->CB_BACnet_MSTP_Slave_Parity->Visible());
    EXPECT_EQ(f->CB_BACnet_Slave_Desc_32_Chars->Top(),
              f->L_BACnet_IP_Slave_Device_Identifier->Top() + 28);
    EXPECT_FALSE(f->CP_Ethernet->Visible());
    EXPECT_EQ(f->CP_BACnet_Slave->Height(), 208 + 17 + 36);
}

TEST_F(ParGenPanelsTest, WiFiAccessPointRowsFollowSecurityAndDHCP) {
    TFParGen* f = FParGen;
    f->CB_WiFi_Type->SetItemIndex(0);
    f->CB_WiFi_Secure_Type->SetItemIndex(0);
    f->RePosition_Object_WiFi();
    EXPECT_FALSE(f->CB_WiFi_IP_Auto->Visible());
    EXPECT_FALSE(f->CB_WiFi_En_WPS->Visible());
    EXPECT_FALSE(f->E_WiFi_Password->Visible());
    EXPECT_FALSE(f->E_WiFi_Name->Visible());
    EXPECT_FALSE(f->E_WiFi_Lease_Time->Visible());
    EXPECT_EQ(f->L_WiFi_IP->Top(), 12 + 28);
    EXPECT_EQ(f->CB_WiFi_En_DNS->Top(), 12 + 112);
    EXPECT_EQ(f->CB_WiFi_En_DHCP->Top(), 12 + 224);
    EXPECT_EQ(f->L_WiFi_Channel->Top(), 12 + 224 + 56);
    EXPECT_EQ(f->CP_WiFi->Height(), 289 + 22 + 36);

    f->CB_WiFi_Secure_Type->SetItemIndex(2);
    f->CB_WiFi_En_DHCP->SetChecked(true);
    f->RePosition_Object_WiFi();
    EXPECT_EQ(f->L_WiFi_Password->Top(), 12 + 224);
    EXPECT_EQ(f->CB_WiFi_En_DHCP->Top(), 12 + 252);
    EXPECT_TRUE(f->E_WiFi_DHCP_First_IP1->Visible());
    EXPECT_EQ(f->L_WiFi_Lease_Time->Top(), 12 + 252 + 84);
    EXPECT_EQ(f->L_WiFi_Max_Client->Top(), 12 + 252 + 112);
    EXPECT_EQ(f->CP_WiFi->Height(), 401 + 22 + 36);
}

TEST_F(ParGenPanelsTest, WiFiClientModeHidesTheAddressRowsWhenTheAddressIsAutomatic) {
    TFParGen* f = FParGen;
    f->CB_WiFi_Type->SetItemIndex(1);
    f->CB_WiFi_IP_Auto->SetChecked(true);
    f->RePosition_Object_WiFi();
    EXPECT_TRUE(f->CB_WiFi_IP_Auto->Visible());
    EXPECT_FALSE(f->E_WiFi_IP1->Visible());
    EXPECT_FALSE(f->CB_WiFi_En_DNS->Visible());
    EXPECT_TRUE(f->E_WiFi_Name->Visible());
    EXPECT_EQ(f->L_WiFi_Name->Top(), 12 + 56);
    EXPECT_EQ(f->L_WiFi_Password->Top(), 12 + 84 + 56);
    EXPECT_FALSE(f->CB_WiFi_Channel->Visible());
    EXPECT_FALSE(f->CB_WiFi_En_DHCP->Visible());
    EXPECT_EQ(f->CP_WiFi->Height(), 149 + 21 + 36);

    f->CB_WiFi_IP_Auto->SetChecked(false);
    f->RePosition_Object_WiFi();
    EXPECT_TRUE(f->E_WiFi_IP4->Visible());
    EXPECT_EQ(f->CB_WiFi_En_DNS->Top(), 12 + 140);
    EXPECT_FALSE(f->E_WiFi_Name->Visible());
    EXPECT_EQ(f->L_WiFi_Port->Top(), 12 + 168);
    EXPECT_EQ(f->CP_WiFi->Height(), 233 + 21 + 36);

    // Wi-Fi Direct leaves the layout as it is.
    f->CB_WiFi_Type->SetItemIndex(2);
    f->RePosition_Object_WiFi();
    EXPECT_EQ(f->L_WiFi_Port->Top(), 12 + 168);
    EXPECT_EQ(f->CP_WiFi->Height(), 233 + 21 + 36);
}

TEST_F(ParGenPanelsTest, CheckDeviceNameIsTrueForAnyCharacterButLettersAndDigits) {
    const std::pair<std::string, bool> cases[] = {
        {"", false},        {"Gateway01", false}, {"ABCxyz789", false},
        {"Gate way", true}, {"Gate-way", true},   {"Città", true},
        {"_", true},        {"name.", true},      {std::string("a\0b", 3), true},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(FParGen->Check_Device_Name(name), expected) << '"' << name << '"';
}

// Each caption, hint and refilled list takes the next text of its panel's block, in row order,
// and no slot of the blocks is left over.
TEST_F(ParGenPanelsTest, SetLangGivesEveryControlTheNextTextOfItsPanelsBlock) {
    const std::pair<int, int> blocks[] = {{412, 437}, {466, 540}, {542, 555}, {557, 560},
                                          {562, 573}, {575, 592}, {594, 595}, {597, 607},
                                          {609, 616}, {618, 625}, {627, 648}, {650, 676},
                                          {687, 724}, {726, 767}, {769, 776}};
    std::string file;
    std::set<std::string> expected;
    for (const auto& [first, last] : blocks) {
        for (int slot = first; slot <= last; ++slot) {
            file += "STR" + std::to_string(slot) + " = T" + std::to_string(slot) + "\r\n";
            expected.insert("T" + std::to_string(slot));
        }
    }
    Write_File(Path("LANGUAGE/Testing.lng"), file);
    AppState().Language_Name = "Testing";
    Load_Language();
    FVelmaroFirmWare->Change_Language();

    TFParGen* f = FParGen;
    std::set<std::string> shown;
    for (TCategoryPanel* panel : Variant_Panels()) {
        for (TControl* control : Controls_Of(panel)) {
            if (!dynamic_cast<TEdit*>(control) && !dynamic_cast<TRichEdit*>(control) &&
                !dynamic_cast<TComboBox*>(control) && control->Caption() != ".")
                shown.insert(control->Caption());
            if (!control->Hint().empty())
                shown.insert(control->Hint());
            if (auto* combo = dynamic_cast<TComboBox*>(control); combo)
                for (int i = 0; i < combo->Items()->Count(); ++i)
                    if ((*combo->Items())[i].starts_with("T"))
                        shown.insert((*combo->Items())[i]);
        }
    }
    shown.erase("1");
    shown.erase("2");
    shown.erase("3");
    EXPECT_EQ(shown, expected);

    struct Spot {
        std::string Text;
        std::string Expected;
    };
    const Spot spots[] = {
        {f->L_MQTT_Server->Caption(), "T412"},
        {f->E_MQTT_ASync_Send_Time->Hint(), "T437"},
        {f->CB_WiFi_Type->Hint(), "T467"},
        {f->CB_WiFi_Type->Items()->operator[](2), "T470"},
        {f->CB_WiFi_Secure_Type->Items()->operator[](0), "T505"},
        {f->CB_WiFi_Channel->Items()->operator[](11), "T540"},
        {f->CB_TLS_Enable->Caption(), "T542"},
        {f->E_TLS_Client_Cert_Key_Pass->Hint(), "T555"},
        {f->E_CANopen_NetOpe_Delay->Hint(), "T605"},
        {f->E_PROFINET_Diagnostic->Hint(), "T676"},
        {f->CB_SNMP_Agent_Version1->Caption(), "1"},
        {f->CB_SNMP_Agent_Version1->Hint(), "T710"},
        {f->CB_SNMP_Agent_Version3->Hint(), "T712"},
        {f->CB_BACnet_Slave_Desc_32_Chars->Hint(), "T767"},
        {f->CB_Serial_StopBits->Hint(), "T776"},
        // Lists that are not refilled keep their items.
        {f->CB_Serial_Baudrate->Text(), "115200"},
        {f->CB_MQTT_Will_QoS->Items()->operator[](2), "2"},
    };
    for (const Spot& s : spots)
        EXPECT_EQ(s.Text, s.Expected);
    EXPECT_EQ(f->CB_WiFi_Type->ItemIndex(), 0);
    EXPECT_EQ(f->CB_WiFi_Channel->ItemIndex(), 0);
}

// In English every caption and hint of the hidden panels says something.
TEST_F(ParGenPanelsTest, BuiltInEnglishLeavesNoControlWithoutItsText) {
    for (TCategoryPanel* panel : Variant_Panels()) {
        for (TControl* control : Controls_Of(panel)) {
            const bool isLabel = dynamic_cast<TLabel*>(control) != nullptr;
            if (!isLabel) {
                EXPECT_GT(Trim(control->Hint()).size(), 0u)
                    << panel->Caption() << " " << control->Caption();
            }
            if (isLabel || dynamic_cast<TCheckBox*>(control)) {
                EXPECT_GT(Trim(control->Caption()).size(), 0u);
            }
        }
    }
    EXPECT_EQ(FParGen->L_BACnet_MSTP_Slave_Network->Caption(), "NetWork");
    EXPECT_EQ(FParGen->CB_WiFi_Channel->Items()->operator[](0), "Auto Search");
    EXPECT_EQ(FParGen->CB_WiFi_Max_Client->Text(), "10");
}

} // namespace
