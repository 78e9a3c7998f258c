#include "app/core/AppState.h"

#include "platform/core/Files.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

TEST(AppStateTest, StartValuesOfThisBuild) {
    const TAppState state;
    EXPECT_EQ(state.Language_Count, 2800);
    EXPECT_EQ(state.App_Title, "QuorvelCo - Configurator CT40215 - PROFIBUS Slave / HART Master ");
    EXPECT_EQ(state.SW_Code, "CT40215");
    EXPECT_EQ(state.SW_Desc, "PROFIBUS Slave / HART Master - Converter");
    EXPECT_EQ(state.Last_IP_Address, "192.168.2.205");
    EXPECT_EQ(state.Language_Name, "English");
    EXPECT_TRUE(state.Update_Read_Back);
    EXPECT_EQ(state.Update_Option_Index, 0);
    EXPECT_FALSE(state.Enable_Internet || state.Enable_Update || state.Enable_Jump_Field_Tables ||
                 state.Double_Click_Auto_Size);
    EXPECT_TRUE(state.Project_Path.empty());
    EXPECT_EQ(state.Row_Clipboard.Count(), 0);
}

TEST(AppStateTest, AppStateIsOneInstance) {
    EXPECT_EQ(&AppState(), &AppState());
}

TEST(AppStateTest, ProgramFoldersAreCreatedBesideTheProgram) {
    TTempFolder temp;
    Set_Program_Folders(temp.Path());
    EXPECT_EQ(AppState().Exe_Dir, temp.Path());
    EXPECT_EQ(AppState().Master_Dir, temp.File("MASTER"));
    EXPECT_EQ(AppState().Projects_Dir, temp.File("PROJECTS"));
    EXPECT_EQ(AppState().Language_Dir, temp.File("LANGUAGE"));
    for (const char* name : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(DirectoryExists(temp.File(name))) << name;
}

TEST(AppStateTest, SetFilesPutsTheTableFilesInTheConfigurationFolder) {
    TTempFolder temp;
    Set_Program_Folders(temp.Path());
    Select_Project("Plant A");
    const TAppState& state = AppState();
    const std::string folder = JoinPath(temp.File("PROJECTS"), "Plant A");
    EXPECT_EQ(state.Project_Path, folder);
    const std::pair<const std::string*, const char*> expected[] = {
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
    for (const auto& [path, name] : expected)
        EXPECT_EQ(*path, JoinPath(folder, name));
}

TEST(AppStateTest, WithoutConfigurationNoTablePathPointsAnywhere) {
    TTempFolder temp;
    Set_Program_Folders(temp.Path());
    Select_Project("Plant A");
    Select_Project("");
    EXPECT_TRUE(AppState().Project_Path.empty());
    EXPECT_TRUE(AppState().ParGen_File.empty());
    EXPECT_TRUE(AppState().SNMP_Trap_File.empty());
}

TEST(AppStateTest, ReopenLastProjectOnlyWhenItsFolderStillExists) {
    struct Case {
        const char* Name;
        bool Folder_Exists;
        bool Open;
    };
    const Case cases[] = {
        {"Plant A", true, true},
        {"Deleted", false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        TTempFolder temp;
        Set_Program_Folders(temp.Path());
        if (c.Folder_Exists)
            ForceDirectories(JoinPath(AppState().Projects_Dir, c.Name));
        AppState().Project_Name = c.Name;
        EXPECT_EQ(Reopen_Last_Project(), c.Open) << c.Name;
        EXPECT_EQ(AppState().Project_Path.empty(), !c.Open) << c.Name;
        EXPECT_EQ(AppState().Project_Name, c.Open ? c.Name : "") << c.Name;
    }
}

TEST(AppStateTest, ReopenLastProjectRefusesNamesLeadingOutOfProjects) {
    TTempFolder temp;
    Set_Program_Folders(temp.Path());
    // Every one of these names an existing folder outside PROJECTS.
    ForceDirectories(temp.File("Outside"));
    ForceDirectories(JoinPath(AppState().Projects_Dir, "a"));
    const std::string names[] = {"..", ".", "../Outside", "a/../../Outside", temp.File("Outside")};
    for (const std::string& name : names) {
        AppState().Project_Name = name;
        EXPECT_FALSE(Reopen_Last_Project()) << name;
        EXPECT_EQ(AppState().Project_Name, "") << name;
        EXPECT_TRUE(AppState().Project_Path.empty()) << name;
        EXPECT_TRUE(AppState().ParGen_File.empty()) << name;
    }
}
