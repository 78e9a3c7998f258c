#include "app/core/AppState.h"

#include "app/core/ConfigurationName.h"
#include "platform/core/Files.h"

#include <utility>

TAppState& AppState() {
    static TAppState state;
    return state;
}

void Set_Program_Folders(std::string_view folder) {
    TAppState& state = AppState();
    state.Exe_Dir = std::string(folder);
    state.Master_Dir = JoinPath(folder, "MASTER");
    state.Projects_Dir = JoinPath(folder, "PROJECTS");
    state.Language_Dir = JoinPath(folder, "LANGUAGE");
    for (const std::string* dir : {&state.Master_Dir, &state.Projects_Dir, &state.Language_Dir}) {
        if (!DirectoryExists(*dir))
            ForceDirectories(*dir);
    }
}

void Set_Files() {
    TAppState& state = AppState();
    const std::pair<std::string*, const char*> files[] = {
        {&state.ParGen_File, "ParGen.xml"},
        {&state.HART_Gateway_File, "HART_Gateway.xml"},
        {&state.HART_Variables_File, "HART_Variables.xml"},
        {&state.CAN_Rec_Frames_File, "CAN_Rec_Frames.xml"},
        {&state.CAN_Send_Frames_File, "CAN_Send_Frames.xml"},
        {&state.BACnet_Slave_File, "BACnet_Slave.xml"},
        {&state.SDO_Server_CANopen_File, "SDO_Server_CANopen.xml"},
        {&state.SDO_Client_CANopen_File, "SDO_Client_CANopen.xml"},
        {&state.PDO_CANopen_File, "PDO_CANopen.xml"},
        {&state.J1939_Rec_Frames_File, "J1939_Rec_Frames.xml"},
        {&state.J1939_Send_Frames_File, "J1939_Send_Frames.xml"},
        {&state.MQTT_Set_Topic_File, "MQTT_Set_Topic.xml"},
        {&state.SNMP_Trap_File, "SNMP_Trap.xml"},
    };
    for (const auto& [path, name] : files)
        *path = state.Project_Path.empty() ? std::string() : JoinPath(state.Project_Path, name);
}

void Select_Project(std::string_view name) {
    TAppState& state = AppState();
    state.Project_Name = std::string(name);
    state.Project_Path = name.empty() ? std::string() : JoinPath(state.Projects_Dir, name);
    Set_Files();
}

bool Reopen_Last_Project() {
    TAppState& state = AppState();
    if (!Is_Valid_Configuration_Name(state.Project_Name) ||
        !DirectoryExists(JoinPath(state.Projects_Dir, state.Project_Name)))
        state.Project_Name.clear();
    Select_Project(std::string(state.Project_Name));
    return !state.Project_Path.empty();
}
