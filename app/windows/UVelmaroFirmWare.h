#pragma once

#include "platform/net/HttpClient.h"
#include "platform/shell/ProgramRunner.h"
#include "platform/ui/Form.h"
#include "platform/ui/LinkLabel.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TLabel;
class TShape;
class TTimer;
class TGlyphButton;
class TSaveDialog;

// A window that another part of the program provides (the update window, the HART scan and
// variables windows); the program block plugs it in so the main window can show and translate it
// without knowing its class.
struct TJoinedWindow {
    std::function<void()> Show;
    std::function<void()> Set_Lang;
};

// The main window: the numbered steps of the gateway's configuration, the step dispatch, the
// settings, the language and the update check.
class TFVelmaroFirmWare : public TForm {
public:
    explicit TFVelmaroFirmWare(TComponent* AOwner);
    ~TFVelmaroFirmWare() override;

    // The folder that MASTER, PROJECTS, LANGUAGE and the settings file stand in; empty means the
    // running program's folder. Tests point it at a folder of their own.
    static std::string Program_Folder;

    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLinkLabel* LL_Update = nullptr;
    TGlyphButton* Btn_Info = nullptr;
    TGlyphButton* Btn_Opz = nullptr;
    TGlyphButton* Btn_Close = nullptr;
    TTimer* Timer_Update = nullptr;
    THttpClient HTTP1;
    TLabel* L_Name_Conf = nullptr;
    TLabel* L_Name_Conf_L2 = nullptr;
    TShape* Shape2 = nullptr;
    TLabel* L_Begin = nullptr;
    TLabel* L_Step_1 = nullptr;
    TLabel* L_Step_2 = nullptr;
    TLabel* L_Step_3 = nullptr;
    TLabel* L_Step_4 = nullptr;
    TLabel* L_Step_5 = nullptr;
    TLabel* L_Step_6 = nullptr;
    TLabel* L_Step_7 = nullptr;
    TLabel* L_Step_8 = nullptr;
    TShape* Shape1 = nullptr;
    TLabel* L_Quorvel = nullptr;
    TGlyphButton* Btn_CreateBin = nullptr;
    TGlyphButton* Btn_PROFINET_Map = nullptr;
    TGlyphButton* Btn_PROFINET_XML = nullptr;
    TGlyphButton* Btn_HART_Variables = nullptr;
    TGlyphButton* Btn_Prm_Gen = nullptr;
    TGlyphButton* Btn_New = nullptr;
    TGlyphButton* Btn_Open = nullptr;
    TGlyphButton* Btn_HART_Gateway = nullptr;
    TGlyphButton* Btn_CAN_Rec_Frame = nullptr;
    TGlyphButton* Btn_CAN_Send_Frame = nullptr;
    TGlyphButton* Btn_BACnet_EDE_File = nullptr;
    TGlyphButton* Btn_BACnet_SetAccess = nullptr;
    TGlyphButton* Btn_SDO_Server_CANopen = nullptr;
    TGlyphButton* Btn_SDO_Client_CANopen = nullptr;
    TGlyphButton* Btn_PDO_CANopen = nullptr;
    TGlyphButton* Btn_CANopen_EDS = nullptr;
    TGlyphButton* Btn_MQTT_Set_Topic = nullptr;
    TGlyphButton* Btn_PROFIBUS_GSD = nullptr;
    TGlyphButton* Btn_SNMP_Trap = nullptr;
    TGlyphButton* Btn_SNMP_MIB = nullptr;
    // The save dialogs of the description files: EDE object list, EDS data sheet, MIB module.
    TSaveDialog* SD1 = nullptr;
    TSaveDialog* SaveEDS = nullptr;
    TSaveDialog* SaveMIB = nullptr;

    // Windows that join from other parts of the program.
    TJoinedWindow Boot_Window;
    TJoinedWindow HART_Scan_Window;
    TJoinedWindow HART_Variables_Window;
    // The table windows of the other gateway variants: each opened by its step's button (the
    // J1939 windows have none) while a configuration is open, and translated with the others.
    struct TProtocolWindow {
        TGlyphButton* Step = nullptr;
        TJoinedWindow Window;
    };
    std::vector<TProtocolWindow> Protocol_Windows;

    // How long Start_Program waits for the program it started.
    std::chrono::milliseconds Start_Program_Limit = DefaultProgramWaitLimit;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Btn_Click(TObject* Sender);
    void Set_Lang();
    void Set_Files();
    // Writes the settings file; a failure is reported and changes nothing else.
    void Save_Setting();
    void Open_Project();
    void Create_New_Project();
    void Update_Device();
    void GSD_Build_File();
    // The description files of the other gateway variants, each written where the user chooses.
    void Build_EDS_File();
    void BACnet_EDE_File();
    void PROFINET_XML();
    void ProfinetXML_Build_File(const std::string& Name);
    void MIB_Build_File();
    // "BACnet_Type" of the general parameters, 0 without one.
    int Get_Type_BACnet();
    // Starts the program and waits until it ends or the limit passes. Meanwhile the windows keep
    // painting but take no input. `Parameter` and `tipo` are kept for the callers; the program
    // is started without arguments.
    TProgramRunResult Start_Program(const std::string& NomeSW, const std::string& Parameter,
                                    uint8_t tipo);
    void Change_Language();
    void Timer_UpdateTimer(TObject* Sender);
    void LL_UpdateLinkClick(TObject* Sender, const std::string& Link, TSysLinkType LinkType);
    void L_QuorvelClick(TObject* Sender);

private:
    void Build_Layout();
    void Build_Step_Buttons();
    void Build_Save_Dialogs();
    void Show_Configuration_Name();
    void Switch_Update_Timer();
    // Runs a step, reporting a failure in the application's error box.
    void Run_Step(const std::function<void()>& step);
};

extern TFVelmaroFirmWare* FVelmaroFirmWare;
