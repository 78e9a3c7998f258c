#pragma once

#include "platform/core/StringList.h"

#include <string>
#include <string_view>
#include <vector>

// The values every window of the configurator shares for the whole run. There is no in-memory
// configuration model: windows exchange data through the table files whose paths live here.
struct TAppState {
    TStringList Language_List;
    int Language_Count = 2800;

    std::string Exe_Dir;
    std::string Master_Dir;
    std::string Projects_Dir;
    std::string Language_Dir;

    // A configuration is open exactly when Project_Path is not empty.
    std::string Project_Name;
    std::string Project_Path;

    std::string App_Title = "QuorvelCo - Configurator CT40215 - PROFIBUS Slave / HART Master ";
    std::string SW_Code = "CT40215";
    std::string SW_Desc = "PROFIBUS Slave / HART Master - Converter";

    std::string Last_IP_Address = "192.168.2.205";
    int Update_Option_Index = 0;
    bool Update_Read_Back = true;
    std::string Language_Name = "English";

    bool Enable_Internet = false;
    bool Enable_Update = false;
    bool Enable_Jump_Field_Tables = false;
    bool Double_Click_Auto_Size = false;

    std::string ParGen_File;
    std::string HART_Gateway_File;
    std::string HART_Variables_File;
    std::string CAN_Rec_Frames_File;
    std::string CAN_Send_Frames_File;
    std::string BACnet_Slave_File;
    std::string SDO_Server_CANopen_File;
    std::string SDO_Client_CANopen_File;
    std::string PDO_CANopen_File;
    std::string J1939_Rec_Frames_File;
    std::string J1939_Send_Frames_File;
    std::string MQTT_Set_Topic_File;
    std::string SNMP_Trap_File;

    TStringList Row_Clipboard;
    // One entry per copied column: true where the copied cell was a check box.
    std::vector<bool> Row_Clipboard_Checks;

    TStringList MIB_Read_Descriptions;
    TStringList MIB_Write_Descriptions;
};

// The one instance of the run.
TAppState& AppState();

// Exe_Dir := folder; MASTER, PROJECTS and LANGUAGE beside it, each created when missing. A folder
// that cannot be created is not reported: whatever later uses it fails there.
void Set_Program_Folders(std::string_view folder);

// The 13 table-file paths inside Project_Path. With no configuration open they are emptied, so a
// stray use can never reach a file outside a configuration folder.
void Set_Files();

// Project_Name := name; Project_Path := its folder under Projects_Dir, or empty for an empty
// name; then Set_Files.
void Select_Project(std::string_view name);

// Reopens Project_Name when it is a valid configuration name (ConfigurationName.h) and its folder
// still exists; otherwise no configuration is open afterwards (both name and path emptied), so a
// name that would lead out of PROJECTS opens nothing. Returns whether a configuration is open.
bool Reopen_Last_Project();
