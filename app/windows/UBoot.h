#pragma once

#include "devicelink/Device_Update.h"
#include "platform/ui/Form.h"

#include <initializer_list>
#include <string>

class TLabel;
class TPanel;
class TEdit;
class TComboBox;
class TCheckBox;
class TGlyphButton;
class TExColumnGrid;

// The layouts of the update window.
enum TBoot_Form_Type : int {
    Form_Type_Serial = 0,
    Form_Type_Ethernet = 1,
    Form_Type_USB = 2, // captions only
};

// The device update window, the last stage of "Update Device UDP": the user checks the device's
// address and what to update; the update button pings the device, writes the job file and runs
// the external updater. The main window opens only the Ethernet layout; the serial layout (a COM
// port instead of the address) is reached by setting Form_Type, and the device search panel
// stays hidden in every layout.
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
    TExColumnGrid* ACG_List_Devices = nullptr;
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

    // Where the serial device nodes of the COM port list are looked for.
    std::string Serial_Device_Folder = "/dev";

    void FormShow(TObject* Sender);
    void Set_Lang();
    // Ping, remember, write the job file, run the updater, and report what came of it. The
    // serial layout only keeps the update choices. Does nothing while an update is under way.
    void Btn_UpdateClick(TObject* Sender);
    void Btn_CancelClick(TObject* Sender);
    // The COM port list: "COM" and the number of each serial port that exists, the first one
    // selected.
    void update_ComPort();
    void Btn_COM_ListClick(TObject* Sender);
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
    void Show_Serial_Layout();
    // Stacks the panels under the title in this order, sizes the window to the shown ones and
    // gives the panels their tab order.
    void Stack_Panels(std::initializer_list<TPanel*> stacked,
                      std::initializer_list<TPanel*> tabOrder);
    void Show_Last_Update_Choices();
    void Report();
    void Update_Ethernet();

    bool FBusy = false;
};

extern TFBoot* FBoot;
