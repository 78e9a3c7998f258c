#pragma once

#include "devicelink/Device_Update.h"
#include "platform/ui/Form.h"

class TLabel;
class TPanel;
class TEdit;
class TComboBox;
class TCheckBox;
class TGlyphButton;

// The layouts of the update window.
enum TBoot_Form_Type : int {
    Form_Type_Serial = 0,
    Form_Type_Ethernet = 1,
    Form_Type_USB = 2, // captions only
};

// The device update window, the last stage of "Update Device UDP": the user checks the device's
// address and what to update; the update button pings the device, writes the job file and runs
// the external updater. Only the Ethernet layout is ever opened; the serial and search panels
// exist and stay hidden.
class TFBoot : public TForm {
public:
    explicit TFBoot(TComponent* AOwner);

    int Form_Type = Form_Type_Ethernet;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_IP_Address = nullptr;
    TLabel* L_IP_Address = nullptr;
    TEdit* E_IP1 = nullptr;
    TEdit* E_IP2 = nullptr;
    TEdit* E_IP3 = nullptr;
    TEdit* E_IP4 = nullptr;
    TPanel* P_Serial = nullptr;
    TLabel* L_COM_Port = nullptr;
    TComboBox* CB_COM_Port = nullptr;
    TGlyphButton* Btn_COM_List = nullptr;
    TPanel* P_Eth_Search = nullptr;
    TLabel* L_List_Device = nullptr;
    TGlyphButton* Btn_Search = nullptr;
    TCheckBox* CB_Find_All_QVL = nullptr;
    TPanel* P_Options = nullptr;
    TLabel* L_Update_Option = nullptr;
    TComboBox* CB_Update_Options = nullptr;
    TCheckBox* CB_Update_Option_Read_Back = nullptr;
    TPanel* P_Button = nullptr;
    TGlyphButton* Btn_Cancel = nullptr;
    TGlyphButton* Btn_Update = nullptr;

    // The ping, the job file and the updater run; its ping_res is the outcome of the last echo.
    // No echo is sent to an address Split_IP refuses.
    TDevice_Update Device_Update;
    // What the last press of the update button that got through came to.
    TDevice_Update_Result Last_Update;

    void FormShow(TObject* Sender);
    void Set_Lang();
    // Ping, remember, write the job file, run the updater, and report what came of it. Does
    // nothing while an update is already under way.
    void Btn_UpdateClick(TObject* Sender);
    void Btn_CancelClick(TObject* Sender);
    // "." moves on to the next octet edit and is never typed into one.
    void KeyPress(TObject* Sender, TChar& Key);

    // The window as the main window's update step shows it.
    TModalResult Show_Ethernet_Update();

    // True while the ping or the updater runs; the busy cursor shows meanwhile.
    bool Busy() const { return FBusy; }

private:
    class TBusy;

    void Build_IP_Address_Panel();
    void Build_Serial_Panel();
    void Build_Eth_Search_Panel();
    void Build_Options_Panel();
    void Build_Button_Panel();
    void Show_Ethernet_Layout();
    void Report();
    void Update_Ethernet();

    bool FBusy = false;
};

extern TFBoot* FBoot;
