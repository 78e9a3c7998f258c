#pragma once

#include "app/controls/StepDialog.h"
#include "app/core/ParGenFile.h"

class TLabel;
class TEdit;
class TComboBox;
class TCheckBox;
class TGlyphButton;
class TCategoryPanel;
class TCategoryPanelGroup;
class TWinControl;

// "Set Communication": the general parameters of the open configuration in collapsible
// category panels, read from "ParGen.xml" at every showing and written back on OK after the
// checks.
class TFParGen : public TStepDialog {
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

    // The values the controls hold, and the reverse.
    TParGenValues Values() const;
    void Show_Values(const TParGenValues& values);

private:
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

    // The "." labels between the DNS octets, hidden with their row.
    TLabel* DNS_Dots[3] = {};
};

extern TFParGen* FParGen;
