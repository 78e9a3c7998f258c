// The general parameters window's layouts of the family's variants: which panels each shows, in
// which order and under which numbered titles, and which panel layouts set their heights. This
// build runs the PROFIBUS slave pair (215) only.
#include "app/windows/UParGen.h"

#include "app/core/ULanguage.h"
#include "platform/ui/CategoryPanelGroup.h"

namespace {

// The language texts of the panel titles.
constexpr int Title_HART_Master = 406;
constexpr int Title_MQTT = 411;
constexpr int Title_Ethernet = 438;
constexpr int Title_TLS = 541;
constexpr int Title_NTP = 556;
constexpr int Title_Modbus_Slave = 561;
constexpr int Title_Modbus_TCP_Slave = 574;
constexpr int Title_CAN = 593;
constexpr int Title_CANopen = 596;
constexpr int Title_J1939 = 608;
constexpr int Title_DeviceNet_Slave = 617;
constexpr int Title_EtherNetIP = 626;
constexpr int Title_PROFINET = 649;
constexpr int Title_PROFIBUS = 677;
constexpr int Title_SNMP_Agent = 686;
constexpr int Title_BACnet_Slave = 725;
constexpr int Title_Serial = 768;
constexpr int Title_Web_Pages = 913;

} // namespace

void TFParGen::Order_Variant_Panels(std::initializer_list<std::pair<TCategoryPanel*, int>> panels) {
    int top = 0;
    int number = 0;
    for (const auto& [panel, title] : panels) {
        panel->SetVisible(true);
        panel->SetTop(top);
        top += panel->Height();
        // Titles are set here only: a later language change leaves them as they are.
        panel->SetCaption(std::to_string(number + 1) + ". " + Lang_Str(title));
        panel->SetTabOrder(number++);
    }
}

void TFParGen::Order_TAB_Panels_204() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_Serial, Title_Serial},
                          {CP_Ethernet, Title_Ethernet},
                          {CP_Web_Pages, Title_Web_Pages}});
}

// Web Pages goes below the Ethernet panel where that stood before Ethernet moves below BACnet,
// so the titles and tab orders, not the tops, give the order 1 to 4.
void TFParGen::Order_TAB_Panels_206() {
    TCategoryPanel* const panels[] = {CP_HART_Master, CP_BACnet_Slave, CP_Web_Pages, CP_Ethernet};
    const int titles[] = {Title_HART_Master, Title_BACnet_Slave, Title_Web_Pages, Title_Ethernet};
    for (TCategoryPanel* panel : panels)
        panel->SetVisible(true);
    CP_HART_Master->SetTop(0);
    CP_BACnet_Slave->SetTop(CP_HART_Master->Top() + CP_HART_Master->Height());
    CP_Web_Pages->SetTop(CP_Ethernet->Top() + CP_Ethernet->Height());
    CP_Ethernet->SetTop(CP_BACnet_Slave->Top() + CP_BACnet_Slave->Height());
    for (int i = 0; i < 4; ++i) {
        panels[i]->SetCaption(std::to_string(i + 1) + ". " + Lang_Str(titles[i]));
        panels[i]->SetTabOrder(i);
    }
}

void TFParGen::Order_TAB_Panels_208() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_CAN, Title_CAN},
                          {CP_Ethernet, Title_Ethernet},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_211() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_DeviceNet_Slave, Title_DeviceNet_Slave},
                          {CP_Ethernet, Title_Ethernet},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_213() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_Ethernet, Title_Ethernet},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_215() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_PROFIBUS, Title_PROFIBUS},
                          {CP_Ethernet, Title_Ethernet},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_217() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_EtherNetIP, Title_EtherNetIP},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_219() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_J1939, Title_J1939},
                          {CP_Ethernet, Title_Ethernet},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_221() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_Modbus_Slave, Title_Modbus_Slave},
                          {CP_Ethernet, Title_Ethernet},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_223() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_Modbus_TCP_Slave, Title_Modbus_TCP_Slave},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_225() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_MQTT, Title_MQTT},
                          {CP_Ethernet, Title_Ethernet},
                          {CP_TLS, Title_TLS},
                          {CP_NTP, Title_NTP},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_227() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_PROFINET, Title_PROFINET},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_238() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_CANopen, Title_CANopen},
                          {CP_Ethernet, Title_Ethernet},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::Order_TAB_Panels_295() {
    Order_Variant_Panels({{CP_HART_Master, Title_HART_Master},
                          {CP_SNMP_Agent, Title_SNMP_Agent},
                          {CP_Web_Pages, Title_Web_Pages}});
}

void TFParGen::RePosition_Objects_204() {
    RePosition_Object_HART_Master();
    RePosition_Object_Serial();
    RePosition_Object_Ethernet();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_206() {
    RePosition_Object_HART_Master();
    RePosition_Object_BACnet_Slave();
    RePosition_Object_Web_Pages();
    RePosition_Object_Ethernet();
}

void TFParGen::RePosition_Objects_208() {
    RePosition_Object_HART_Master();
    RePosition_Object_CAN();
    RePosition_Object_Ethernet();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_211() {
    RePosition_Object_HART_Master();
    RePosition_Object_DeviceNet_Slave();
    RePosition_Object_Ethernet();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_213() {
    RePosition_Object_HART_Master();
    RePosition_Object_Ethernet();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_215() {
    RePosition_Object_HART_Master();
    RePosition_Object_PROFIBUS();
    RePosition_Object_Ethernet();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_217() {
    RePosition_Object_HART_Master();
    RePosition_Object_EtherNetIP();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_219() {
    RePosition_Object_HART_Master();
    RePosition_Object_J1939();
    RePosition_Object_Ethernet();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_221() {
    RePosition_Object_HART_Master();
    RePosition_Object_Modbus_Slave();
    RePosition_Object_Ethernet();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_223() {
    RePosition_Object_HART_Master();
    RePosition_Object_Modbus_TCP_Slave();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_225() {
    RePosition_Object_HART_Master();
    RePosition_Object_MQTT();
    RePosition_Object_Ethernet();
    RePosition_Object_TLS();
    RePosition_Object_NTP();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_227() {
    RePosition_Object_HART_Master();
    RePosition_Object_PROFINET();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_238() {
    RePosition_Object_HART_Master();
    RePosition_Object_CANopen();
    RePosition_Object_Ethernet();
    RePosition_Object_Web_Pages();
}

void TFParGen::RePosition_Objects_295() {
    RePosition_Object_HART_Master();
    RePosition_Object_SNMP_Agent();
    RePosition_Object_Web_Pages();
}

bool TFParGen::Check_Device_Name(const std::string& Name) const {
    for (const char c : Name) {
        const bool letterOrDigit =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letterOrDigit)
            return true;
    }
    return false;
}
