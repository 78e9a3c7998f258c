// The program's windows as the program block creates them: each table window of the other
// gateways opens from its step in the main window, shows its configuration's table file and
// writes it back on OK.
#include "app/program/ProgramWindows.h"

#include "app/controls/GlyphButton.h"
#include "app/core/AppState.h"
#include "app/tables/TableWindow.h"
#include "app/windows/UVelmaroFirmWare.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string Read_File(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ProgramWindows, EachStepOpensItsTableWindowWhichKeepsItsFileThroughOk) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("velmaro_program_" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "PROJECTS" / "Plant" / "bin");
    TFVelmaroFirmWare::Program_Folder = folder.string();
    TTestSeam& seam = Application->TestSeam();
    seam.Reset();
    seam.SetActive(true);
    Application->CreateForm(FVelmaroFirmWare);
    Create_Other_Windows();
    Select_Project("Plant");
    TFVelmaroFirmWare* main = FVelmaroFirmWare;
    const TAppState& state = AppState();

    struct Step {
        TGlyphButton* Button;
        const char* Window;
        std::string File;
        const char* Fixture;
        bool Grid_Focused; // the CAN windows give their grid the focus, the others do not
    };
    const Step steps[] = {
        {main->Btn_HART_Gateway, "FHART_Gateway", state.HART_Gateway_File, "HART_Gateway.xml",
         false},
        {main->Btn_BACnet_SetAccess, "FBACnetSlaveSetAccess", state.BACnet_Slave_File,
         "BACnet_Slave.xml", false},
        {main->Btn_CAN_Rec_Frame, "FReceiveCAN", state.CAN_Rec_Frames_File, "CAN_Rec_Frames.xml",
         true},
        {main->Btn_CAN_Send_Frame, "FTransmitCAN", state.CAN_Send_Frames_File,
         "CAN_Send_Frames.xml", true},
        {main->Btn_PDO_CANopen, "FSet_PDO_Access", state.PDO_CANopen_File, "PDO_CANopen.xml",
         false},
        {main->Btn_SDO_Client_CANopen, "FSet_SDO_Client_Access", state.SDO_Client_CANopen_File,
         "SDO_Client_CANopen.xml", false},
        {main->Btn_SDO_Server_CANopen, "FSet_SDO_Server_Access", state.SDO_Server_CANopen_File,
         "SDO_Server_CANopen.xml", false},
        {main->Btn_MQTT_Set_Topic, "FMQTT_Set_Topic", state.MQTT_Set_Topic_File,
         "MQTT_Set_Topic.xml", false},
        {main->Btn_SNMP_Trap, "FSNMP_Trap_Access", state.SNMP_Trap_File, "SNMP_Trap.xml", false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Window);
        const std::string golden =
            Read_File(std::filesystem::path(VELMARO_FIXTURES) / "protocols" / step.Fixture);
        ASSERT_FALSE(golden.empty());
        std::ofstream(step.File, std::ios::binary) << golden;
        std::string shown;
        int rows = 0;
        bool focused = false;
        seam.OnModalShow = [&](TForm* form) {
            shown = form->Name();
            auto* window = dynamic_cast<TTableWindow*>(form);
            ASSERT_NE(window, nullptr);
            focused = window->Table_Grid()->Focused();
            for (int t = 0; t < window->Table_Count(); ++t)
                rows += window->Key_Rows(t);
            window->Btn_OKClick(window->Btn_OK);
        };
        main->Btn_Click(step.Button);
        seam.OnModalShow = nullptr;
        EXPECT_EQ(shown, step.Window);
        EXPECT_EQ(focused, step.Grid_Focused);
        EXPECT_GT(rows, 0) << "the file's rows were shown";
        EXPECT_TRUE(seam.Messages().empty()) << seam.Messages().front().Text;
        EXPECT_EQ(Read_File(step.File), golden);
        seam.Reset();
        seam.SetActive(true);
    }
    seam.Reset();
    TFVelmaroFirmWare::Program_Folder.clear();
    std::filesystem::remove_all(folder);
}

} // namespace
