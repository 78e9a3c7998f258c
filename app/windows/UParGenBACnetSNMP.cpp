// The general parameters window's panels of the building-automation and network-management
// variants: BACnet Slave and SNMP Agent, whose rows come and go with the choices made in them.
#include "app/windows/UParGen.h"
#include "app/windows/UParGenPanelBuilder.h"

#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

using namespace ParGen_Geometry;

void TFParGen::Build_BACnet_Slave_Panel() {
    TParGenPanelBuilder b(*this, CP_BACnet_Slave, 726);
    L_BACnet_Slave_Type = b.Label("Type");
    CB_BACnet_Slave_Type = b.Combo({"BACnet/IP", "BACnet MS/TP"});
    L_BACnet_IP_Slave_IP = b.Label("IP Address");
    b.Octets(E_BACnet_IP_Slave_IP1, E_BACnet_IP_Slave_IP2, E_BACnet_IP_Slave_IP3,
             E_BACnet_IP_Slave_IP4);
    L_BACnet_IP_Slave_SM = b.Label("SubNet Mask");
    b.Octets(E_BACnet_IP_Slave_SM1, E_BACnet_IP_Slave_SM2, E_BACnet_IP_Slave_SM3,
             E_BACnet_IP_Slave_SM4);
    CB_BACnet_IP_Slave_GAT = b.Check("Gateway");
    b.Octets(E_BACnet_IP_Slave_GAT1, E_BACnet_IP_Slave_GAT2, E_BACnet_IP_Slave_GAT3,
             E_BACnet_IP_Slave_GAT4);
    L_BACnet_IP_Slave_Port = b.Label("Port");
    E_BACnet_IP_Slave_Port = b.Edit();
    L_BACnet_IP_Slave_Device_Name = b.Label("BACnet Device Name");
    E_BACnet_IP_Slave_Device_Name = b.Edit(15);
    L_BACnet_IP_Slave_Device_Identifier = b.Label("Device Identifier");
    E_BACnet_IP_Slave_Device_Identifier = b.Edit();
    L_BACnet_MSTP_Slave_Baudrate = b.Label("Baudrate");
    CB_BACnet_MSTP_Slave_Baudrate =
        b.Combo({"9600", "19200", "38400", "57600", "76800", "115200"}, 5);
    L_BACnet_MSTP_Slave_Parity = b.Label("Parity");
    CB_BACnet_MSTP_Slave_Parity = b.Combo({"NONE", "ODD", "EVEN"});
    L_BACnet_MSTP_Slave_Device_Name = b.Label("BACnet Device Name");
    E_BACnet_MSTP_Slave_Device_Name = b.Edit(15);
    L_BACnet_MSTP_Slave_MAC_Address = b.Label("MAC Address");
    E_BACnet_MSTP_Slave_MAC_Address = b.Edit();
    L_BACnet_MSTP_Slave_Max_Master = b.Label("Max Master");
    E_BACnet_MSTP_Slave_Max_Master = b.Edit(15);
    L_BACnet_MSTP_Slave_Max_Info_Frame = b.Label("Max Info Frame");
    E_BACnet_MSTP_Slave_Max_Info_Frame = b.Edit();
    L_BACnet_MSTP_Slave_Device_Instance = b.Label("Device Instance");
    E_BACnet_MSTP_Slave_Device_Instance = b.Edit(15);
    L_BACnet_MSTP_Slave_Network = b.Label("NetWork");
    E_BACnet_MSTP_Slave_Network = b.Edit();
    CB_BACnet_Slave_Desc_32_Chars = b.Check("BACnet description up to 32 chars");
}

void TFParGen::Build_SNMP_Agent_Panel() {
    TParGenPanelBuilder b(*this, CP_SNMP_Agent, 687);
    L_SNMP_Agent_IP = b.Label("IP Address");
    b.Octets(E_SNMP_Agent_IP1, E_SNMP_Agent_IP2, E_SNMP_Agent_IP3, E_SNMP_Agent_IP4);
    L_SNMP_Agent_SM = b.Label("SubNet Mask");
    b.Octets(E_SNMP_Agent_SM1, E_SNMP_Agent_SM2, E_SNMP_Agent_SM3, E_SNMP_Agent_SM4);
    CB_SNMP_Agent_GAT = b.Check("Gateway");
    b.Octets(E_SNMP_Agent_GAT1, E_SNMP_Agent_GAT2, E_SNMP_Agent_GAT3, E_SNMP_Agent_GAT4);
    L_SNMP_Agent_NameStation = b.Label("Name of Station");
    E_SNMP_Agent_NameStation = b.Edit(15);
    L_SNMP_Agent_Contact = b.Label("Contact");
    E_SNMP_Agent_Contact = b.Edit(16);
    L_SNMP_Agent_Location = b.Label("Location");
    E_SNMP_Agent_Location = b.Edit(16);
    L_SNMP_Agent_Version = b.Label("Version");
    CB_SNMP_Agent_Version1 = b.Side_Check("1", Input_Left);
    CB_SNMP_Agent_Version2 = b.Side_Check("2", Input_Left + 50);
    CB_SNMP_Agent_Version3 = b.Side_Check("3", Input_Left + 100);
    L_SNMP_Agent_User = b.Label("User");
    E_SNMP_Agent_User = b.Edit(19);
    L_SNMP_Agent_SecurityLevel = b.Label("Security Level");
    CB_SNMP_Agent_SecurityLevel =
        b.Combo({"NoAuthority NoPrivacy", "Authority NoPrivacy", "Authority Privacy"});
    L_SNMP_Agent_Authority = b.Label("Authority");
    E_SNMP_Agent_Authority = b.Edit(15);
    L_SNMP_Agent_AuthorityMode = b.Label("Authority Mode");
    CB_SNMP_Agent_AuthorityMode = b.Combo({"MD5", "SHA"});
    L_SNMP_Agent_Privacy = b.Label("Privacy");
    E_SNMP_Agent_Privacy = b.Edit(15);
    L_SNMP_Agent_PrivacyMode = b.Label("Privacy Mode");
    CB_SNMP_Agent_PrivacyMode = b.Combo({"DES", "AES"});
}

void TFParGen::RePosition_Object_BACnet_Slave() {
    TControl* const ipRows[] = {L_BACnet_IP_Slave_IP,          L_BACnet_IP_Slave_SM,
                                CB_BACnet_IP_Slave_GAT,        L_BACnet_IP_Slave_Port,
                                L_BACnet_IP_Slave_Device_Name, L_BACnet_IP_Slave_Device_Identifier};
    TControl* const mstpRows[] = {
        L_BACnet_MSTP_Slave_Baudrate,        L_BACnet_MSTP_Slave_Parity,
        L_BACnet_MSTP_Slave_Device_Name,     L_BACnet_MSTP_Slave_MAC_Address,
        L_BACnet_MSTP_Slave_Max_Master,      L_BACnet_MSTP_Slave_Max_Info_Frame,
        L_BACnet_MSTP_Slave_Device_Instance, L_BACnet_MSTP_Slave_Network};
    const int type = CB_BACnet_Slave_Type->ItemIndex();
    if (type == 0) {
        for (TControl* row : ipRows)
            Show_Row(row, true);
        for (TControl* row : mstpRows)
            Show_Row(row, false);
        Move_Row(CB_BACnet_Slave_Desc_32_Chars,
                 L_BACnet_IP_Slave_Device_Identifier->Top() + Row_Pitch);
        // BACnet/IP has address rows of its own; the Ethernet panel would repeat them.
        CP_Ethernet->SetVisible(false);
    } else if (type == 1) {
        for (TControl* row : ipRows)
            Show_Row(row, false);
        // The MS/TP rows take the place of the BACnet/IP rows.
        int top = L_BACnet_IP_Slave_IP->Top();
        for (TControl* row : mstpRows) {
            Show_Row(row, true);
            Move_Row(row, top);
            top += Row_Pitch;
        }
        Move_Row(CB_BACnet_Slave_Desc_32_Chars, top);
        CP_Ethernet->SetVisible(true);
    }
    Fit_Panel(CP_BACnet_Slave, CB_BACnet_Slave_Desc_32_Chars);
}

void TFParGen::RePosition_Object_SNMP_Agent() {
    const bool version3 = CB_SNMP_Agent_Version3->Checked();
    const int level = CB_SNMP_Agent_SecurityLevel->ItemIndex();
    const bool authority = version3 && level >= 1;
    const bool privacy = version3 && level == 2;
    for (TControl* row : {L_SNMP_Agent_User, L_SNMP_Agent_SecurityLevel})
        Show_Row(row, version3);
    for (TControl* row : {L_SNMP_Agent_Authority, L_SNMP_Agent_AuthorityMode})
        Show_Row(row, authority);
    for (TControl* row : {L_SNMP_Agent_Privacy, L_SNMP_Agent_PrivacyMode})
        Show_Row(row, privacy);
    const TWinControl* last = privacy     ? CB_SNMP_Agent_PrivacyMode
                              : authority ? CB_SNMP_Agent_AuthorityMode
                              : version3
                                  ? static_cast<const TWinControl*>(CB_SNMP_Agent_SecurityLevel)
                                  : CB_SNMP_Agent_Version3;
    Fit_Panel(CP_SNMP_Agent, last);
}
