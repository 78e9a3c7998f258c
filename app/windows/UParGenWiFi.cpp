// The general parameters window's Wi-Fi panel, whose rows follow the Wi-Fi type: an access point
// serves addresses, a client takes one.
#include "app/windows/UParGen.h"
#include "app/windows/UParGenPanelBuilder.h"

#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

using namespace ParGen_Geometry;

namespace {

enum TWiFi_Type { Access_Point = 0, Client_Mode = 1 };

} // namespace

void TFParGen::Build_WiFi_Panel() {
    TParGenPanelBuilder b(*this, CP_WiFi, 466);
    L_WiFi_Type = b.Label("Type");
    CB_WiFi_Type = b.Translated_Combo({"Access Point", "Client Mode", "WiFi Direct"});
    CB_WiFi_IP_Auto = b.Check("Obtain an IP Address automatically");
    L_WiFi_IP = b.Label("IP Address");
    b.Octets(E_WiFi_IP1, E_WiFi_IP2, E_WiFi_IP3, E_WiFi_IP4);
    L_WiFi_SM = b.Label("SubNet Mask");
    b.Octets(E_WiFi_SM1, E_WiFi_SM2, E_WiFi_SM3, E_WiFi_SM4);
    CB_WiFi_En_Gat = b.Check("Gateway");
    b.Octets(E_WiFi_GAT1, E_WiFi_GAT2, E_WiFi_GAT3, E_WiFi_GAT4);
    CB_WiFi_En_DNS = b.Check("DNS");
    b.Octets(E_WiFi_DNS1, E_WiFi_DNS2, E_WiFi_DNS3, E_WiFi_DNS4);
    L_WiFi_Port = b.Label("Port");
    E_WiFi_Port = b.Edit();
    CB_WiFi_En_WPS = b.Check("Enable WPS");
    L_WiFi_SSID = b.Label("SSID");
    E_WiFi_SSID = b.Edit();
    L_WiFi_Password = b.Label("Password");
    E_WiFi_Password = b.Edit();
    L_WiFi_Secure_Type = b.Label("Secure Type");
    CB_WiFi_Secure_Type = b.Translated_Combo({"Unsecured", "WPA", "WPA2", "WEP"});
    CB_WiFi_En_DHCP = b.Check("Enable DHCP");
    L_WiFi_DHCP_First_IP = b.Label("DHCP First IP Address");
    b.Octets(E_WiFi_DHCP_First_IP1, E_WiFi_DHCP_First_IP2, E_WiFi_DHCP_First_IP3,
             E_WiFi_DHCP_First_IP4);
    L_WiFi_DHCP_SM = b.Label("DHCP SubNet Mask");
    b.Octets(E_WiFi_DHCP_SM1, E_WiFi_DHCP_SM2, E_WiFi_DHCP_SM3, E_WiFi_DHCP_SM4);
    L_WiFi_Lease_Time = b.Label("Lease Time (seconds)");
    E_WiFi_Lease_Time = b.Edit();
    L_WiFi_Name = b.Label("Name");
    E_WiFi_Name = b.Edit();
    L_WiFi_Max_Client = b.Label("Max Client");
    CB_WiFi_Max_Client = b.Combo({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 9);
    L_WiFi_Channel = b.Label("Channel");
    CB_WiFi_Channel = b.Translated_Combo(
        {"Auto Search", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"});
}

void TFParGen::RePosition_Object_WiFi() {
    const int type = CB_WiFi_Type->ItemIndex();
    if (type != Access_Point && type != Client_Mode)
        return;
    const int t = L_WiFi_Type->Top();
    // Shows a row with its head at `top`.
    auto place = [this](TControl* head, int top) {
        Show_Row(head, true);
        Move_Row(head, top);
    };
    TControl* const addressRows[] = {L_WiFi_IP, L_WiFi_SM, CB_WiFi_En_Gat, CB_WiFi_En_DNS};
    TControl* const dhcpRows[] = {L_WiFi_DHCP_First_IP, L_WiFi_DHCP_SM, L_WiFi_Lease_Time};

    if (type == Access_Point) {
        Show_Row(CB_WiFi_IP_Auto, false);
        for (int i = 0; i < 4; ++i)
            place(addressRows[i], t + Row_Pitch * (i + 1));
        place(L_WiFi_Port, t + 140);
        Show_Row(CB_WiFi_En_WPS, false);
        place(L_WiFi_SSID, t + 168);
        place(L_WiFi_Secure_Type, t + 196);
        int next = t + 224;
        const bool secured = CB_WiFi_Secure_Type->ItemIndex() != 0;
        Show_Row(L_WiFi_Password, secured);
        if (secured) {
            Move_Row(L_WiFi_Password, next);
            next += Row_Pitch;
        }
        place(CB_WiFi_En_DHCP, next);
        next += Row_Pitch;
        const bool dhcp = CB_WiFi_En_DHCP->Checked();
        for (TControl* row : dhcpRows) {
            Show_Row(row, dhcp);
            if (dhcp) {
                Move_Row(row, next);
                next += Row_Pitch;
            }
        }
        Show_Row(L_WiFi_Name, false);
        place(L_WiFi_Max_Client, next);
        place(L_WiFi_Channel, next + Row_Pitch);
        Fit_Panel(CP_WiFi, CB_WiFi_Channel);
        return;
    }

    place(CB_WiFi_IP_Auto, t + 28);
    int port = t + 168;
    if (CB_WiFi_IP_Auto->Checked()) {
        for (TControl* row : addressRows)
            Show_Row(row, false);
        place(L_WiFi_Name, t + 56);
        port = t + 84;
    } else {
        for (int i = 0; i < 4; ++i)
            place(addressRows[i], t + Row_Pitch * (i + 2));
        Show_Row(L_WiFi_Name, false);
    }
    place(L_WiFi_Port, port);
    place(L_WiFi_SSID, port + 28);
    place(L_WiFi_Password, port + 56);
    TControl* const accessPointRows[] = {L_WiFi_Secure_Type, CB_WiFi_En_WPS, CB_WiFi_En_DHCP,
                                         L_WiFi_Max_Client, L_WiFi_Channel};
    for (TControl* row : accessPointRows)
        Show_Row(row, false);
    for (TControl* row : dhcpRows)
        Show_Row(row, false);
    Fit_Panel(CP_WiFi, E_WiFi_Password);
}
