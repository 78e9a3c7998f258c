#pragma once

#include "app/controls/StepDialog.h"
#include "app/core/ParGenFile.h"
#include "app/windows/UParGenVariantPanels.h"

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

class TLabel;
class TEdit;
class TComboBox;
class TCheckBox;
class TGlyphButton;
class TCategoryPanel;
class TCategoryPanelGroup;
class TWinControl;
class TControl;

// "Set Communication": the general parameters of the open configuration in collapsible
// category panels, read from "ParGen.xml" at every showing and written back on OK after the
// checks. The panels of the family's other variants exist in the window and stay hidden.
class TFParGen : public TStepDialog, public TParGenVariantPanels {
public:
    explicit TFParGen(TComponent* AOwner);

    TCategoryPanelGroup* CPG = nullptr;
    TCategoryPanel* CP_HART_Master = nullptr;
    TCategoryPanel* CP_PROFIBUS = nullptr;
    TCategoryPanel* CP_Ethernet = nullptr;
    TCategoryPanel* CP_Web_Pages = nullptr;

    TLabel* L_HART_Master_Address = nullptr;
    TComboBox* CB_HART_Master_Address = nullptr;
    TLabel* L_HART_Master_RetryLimit = nullptr;
    TComboBox* CB_HART_Master_RetryLimit = nullptr;

    TLabel* L_PROFIBUS_IDDevice = nullptr;
    TEdit* E_PROFIBUS_IDDevice = nullptr;
    TLabel* L_PROFIBUS_Baudrate = nullptr;
    TComboBox* CB_PROFIBUS_Baudrate = nullptr;
    TLabel* L_PROFIBUS_NByte_In = nullptr;
    TEdit* E_PROFIBUS_NByte_In = nullptr;
    TLabel* L_PROFIBUS_NByte_Out = nullptr;
    TEdit* E_PROFIBUS_NByte_Out = nullptr;

    TLabel* L_Ethernet_IP = nullptr;
    TEdit* E_Ethernet_IP1 = nullptr;
    TEdit* E_Ethernet_IP2 = nullptr;
    TEdit* E_Ethernet_IP3 = nullptr;
    TEdit* E_Ethernet_IP4 = nullptr;
    TLabel* L_Ethernet_SM = nullptr;
    TEdit* E_Ethernet_SM1 = nullptr;
    TEdit* E_Ethernet_SM2 = nullptr;
    TEdit* E_Ethernet_SM3 = nullptr;
    TEdit* E_Ethernet_SM4 = nullptr;
    TCheckBox* CB_Ethernet_En_GAT = nullptr;
    TEdit* E_Ethernet_GAT1 = nullptr;
    TEdit* E_Ethernet_GAT2 = nullptr;
    TEdit* E_Ethernet_GAT3 = nullptr;
    TEdit* E_Ethernet_GAT4 = nullptr;
    TCheckBox* CB_Ethernet_DNS = nullptr;
    TEdit* E_Ethernet_DNS1 = nullptr;
    TEdit* E_Ethernet_DNS2 = nullptr;
    TEdit* E_Ethernet_DNS3 = nullptr;
    TEdit* E_Ethernet_DNS4 = nullptr;
    TLabel* L_Ethernet_TCP_Port = nullptr;
    TEdit* E_Ethernet_TCP_Port = nullptr;
    TLabel* L_Ethernet_UDP_Port = nullptr;
    TEdit* E_Ethernet_UDP_Port = nullptr;

    TLabel* L_WebPages_User = nullptr;
    TEdit* E_WebPages_User = nullptr;
    TLabel* L_WebPages_Password = nullptr;
    TEdit* E_WebPages_Password = nullptr;

    // Some value was changed since the window was last shown.
    bool Is_Change = false;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormResize(TObject* Sender);
    bool Controllo_Dati();
    void Btn_OKClick(TObject* Sender);
    void Btn_CancelClick(TObject* Sender);
    void On_Change(TObject* Sender);
    void On_Click(TObject* Sender);
    void KeyPress(TObject* Sender, TChar& Key);
    void Set_Lang();
    void Order_TAB_Panels();
    void Order_TAB_Panels_215();
    void Move_GroupBoxs();
    void RePosition_Objects_215();
    void RePosition_Object_HART_Master();
    void RePosition_Object_PROFIBUS();
    void RePosition_Object_Ethernet();
    void RePosition_Object_Web_Pages();

    // The layouts of the family's variants: panel order and titles, and panel heights.
    void Order_TAB_Panels_204();
    void Order_TAB_Panels_206();
    void Order_TAB_Panels_208();
    void Order_TAB_Panels_211();
    void Order_TAB_Panels_213();
    void Order_TAB_Panels_217();
    void Order_TAB_Panels_219();
    void Order_TAB_Panels_221();
    void Order_TAB_Panels_223();
    void Order_TAB_Panels_225();
    void Order_TAB_Panels_227();
    void Order_TAB_Panels_238();
    void Order_TAB_Panels_295();
    void RePosition_Objects_204();
    void RePosition_Objects_206();
    void RePosition_Objects_208();
    void RePosition_Objects_211();
    void RePosition_Objects_213();
    void RePosition_Objects_217();
    void RePosition_Objects_219();
    void RePosition_Objects_221();
    void RePosition_Objects_223();
    void RePosition_Objects_225();
    void RePosition_Objects_227();
    void RePosition_Objects_238();
    void RePosition_Objects_295();
    void RePosition_Object_Serial();
    void RePosition_Object_BACnet_Slave();
    void RePosition_Object_SNMP_Agent();
    void RePosition_Object_PROFINET();
    void RePosition_Object_EtherNetIP();
    void RePosition_Object_DeviceNet_Slave();
    void RePosition_Object_J1939();
    void RePosition_Object_CANopen();
    void RePosition_Object_CAN();
    void RePosition_Object_Modbus_TCP_Slave();
    void RePosition_Object_Modbus_Slave();
    void RePosition_Object_NTP();
    void RePosition_Object_TLS();
    void RePosition_Object_WiFi();
    void RePosition_Object_MQTT();

    // True as soon as Name holds a character other than an ASCII letter or digit.
    bool Check_Device_Name(const std::string& Name) const;

    // The values the controls hold, and the reverse.
    TParGenValues Values() const;
    void Show_Values(const TParGenValues& values);

private:
    friend class TParGenPanelBuilder;

    // What takes the next language text of a panel's block: a caption, a hint, or the items of
    // a list refilled from Count texts.
    struct TText_Target {
        enum TKind { Caption, Hint, Items };
        TKind Kind;
        TControl* Control;
        int Count = 1;
    };
    struct TPanel_Texts {
        int First_Text;
        std::vector<TText_Target> Targets;
    };

    void Build_HART_Master_Panel();
    void Build_PROFIBUS_Panel();
    void Build_Ethernet_Panel();
    void Build_Web_Pages_Panel();
    TCategoryPanel* Make_Panel();
    TEdit* Make_Edit(TWinControl* parent, int top, int left, int width);
    TComboBox* Make_Combo(TWinControl* parent, int row);
    TCheckBox* Make_Row_Check(TWinControl* parent, int row);
    void Make_Octet_Row(TWinControl* parent, int top, TEdit** first, TEdit** second, TEdit** third,
                        TEdit** fourth, TLabel** dots);
    void Fit_Panel(TCategoryPanel* panel, const TWinControl* lastInput);

    void Build_Serial_Panel();
    void Build_Modbus_Slave_Panel();
    void Build_CAN_Panel();
    void Build_CANopen_Panel();
    void Build_J1939_Panel();
    void Build_DeviceNet_Slave_Panel();
    void Build_Modbus_TCP_Slave_Panel();
    void Build_EtherNetIP_Panel();
    void Build_PROFINET_Panel();
    void Build_BACnet_Slave_Panel();
    void Build_SNMP_Agent_Panel();
    void Build_WiFi_Panel();
    void Build_MQTT_Panel();
    void Build_TLS_Panel();
    void Build_NTP_Panel();
    void Set_Lang_Variant_Panels();
    // A row, by the control that heads it: shown or hidden as one, or moved as one so that its
    // head stands at Top.
    void Show_Row(TControl* head, bool visible);
    void Move_Row(TControl* head, int top);
    // Shows the panels, stacks them in this order and titles them "1. ", "2. ", ... with their
    // language texts.
    void Order_Variant_Panels(std::initializer_list<std::pair<TCategoryPanel*, int>> panels);

    std::vector<TPanel_Texts> Variant_Panel_Texts;
    std::map<const TControl*, std::vector<TControl*>> Rows;

    // The "." labels between the DNS octets, hidden with their row.
    TLabel* DNS_Dots[3] = {};
};

extern TFParGen* FParGen;
