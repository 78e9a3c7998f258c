// The update window's serial layout and its device list.
#include "app/windows/UBoot.h"

#include "app/controls/GlyphButton.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/Files.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "tests/devicelink/UpdaterProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

// The update window in a program folder of the test's own, its COM ports looked for in a device
// folder of the test's own. The shared values it changes are put back afterwards.
class UBootSerialTest : public ::testing::Test {
protected:
    void SetUp() override {
        Set_Program_Folders(Program_Folder.Path());
        AppState().Project_Path = Program_Folder.File("PROJECTS/Plant");
        FBoot = new TFBoot(nullptr);
        FBoot->DoCreate();
        FBoot->Serial_Device_Folder = Devices.Path();
    }

    void TearDown() override {
        delete FBoot;
        FBoot = nullptr;
        AppState() = FSaved_State;
        Load_Default_Language();
    }

    // Shows the window in the given layout; `drive` acts while it is shown.
    TModalResult Show(int formType, const std::function<void()>& drive) {
        FBoot->Form_Type = formType;
        Seam().OnModalShow = [&](TForm*) { drive(); };
        const TModalResult result = FBoot->ShowModal();
        Seam().OnModalShow = nullptr;
        return result;
    }

    void Add_Device(const char* name) { Devices.Write(name, ""); }

    std::vector<std::string> COM_Ports() const {
        std::vector<std::string> items;
        for (int i = 0; i < FBoot->CB_COM_Port->Items()->Count(); ++i)
            items.push_back((*FBoot->CB_COM_Port->Items())[i]);
        return items;
    }

    TTestSeam& Seam() { return Application->TestSeam(); }

    TAppState FSaved_State = AppState();
    TUpdaterProgramFolder Program_Folder;
    TTempFolder Devices;
};

TEST_F(UBootSerialTest, ShowsTheSerialLayoutWithThePresentPortsAndTheLastChoices) {
    for (const char* device : {"ttyUSB1", "ttyS0", "ttyACM0", "ttyprintk"})
        Add_Device(device);
    AppState().Update_Option_Index = 2;
    AppState().Update_Read_Back = false;
    Show(Form_Type_Serial, [&] {
        EXPECT_EQ(FBoot->Caption(), "Update Device by Serial");
        EXPECT_EQ(FBoot->L_SW_Desc->Caption(), "Update Device Using the Serial Port");
        EXPECT_EQ(COM_Ports(), (std::vector<std::string>{"COM1", "COM66", "COM129"}));
        EXPECT_EQ(FBoot->CB_COM_Port->Text(), "COM1");
        EXPECT_EQ(FBoot->CB_Update_Options->Text(), "Configuration");
        EXPECT_FALSE(FBoot->CB_Update_Option_Read_Back->Checked());
        EXPECT_TRUE(FBoot->P_Serial->Visible());
        EXPECT_TRUE(FBoot->P_Options->Visible());
        EXPECT_FALSE(FBoot->P_IP_Address->Visible());
        EXPECT_FALSE(FBoot->P_Eth_Search->Visible());
        EXPECT_EQ(FBoot->ClientWidth(), 449);
        EXPECT_EQ(FBoot->ClientHeight(), 232);
        EXPECT_EQ(FBoot->P_Serial->Top(), FBoot->P_Title->Height());
        EXPECT_EQ(FBoot->P_Options->Top(), FBoot->P_Serial->Top() + FBoot->P_Serial->Height());
        EXPECT_EQ(FBoot->ActiveControl(), FBoot->CB_COM_Port);
        int order = 0;
        for (TPanel* panel : {FBoot->P_Title, FBoot->P_Serial, FBoot->P_Options, FBoot->P_Button,
                              FBoot->P_IP_Address, FBoot->P_Eth_Search})
            EXPECT_EQ(panel->TabOrder(), order++) << panel->Name();
        FBoot->SetModalResult(mrCancel);
    });
}

TEST_F(UBootSerialTest, TheRefreshButtonReadsThePortsAgain) {
    Show(Form_Type_Serial, [&] {
        EXPECT_TRUE(COM_Ports().empty());
        EXPECT_EQ(FBoot->CB_COM_Port->ItemIndex(), -1);
        Add_Device("ttyUSB0");
        Add_Device("ttyS3");
        FBoot->Btn_COM_List->Click();
        EXPECT_EQ(COM_Ports(), (std::vector<std::string>{"COM4", "COM65"}));
        EXPECT_EQ(FBoot->CB_COM_Port->Text(), "COM4");
        std::filesystem::remove(Devices.File("ttyS3"));
        FBoot->Btn_COM_List->Click();
        EXPECT_EQ(COM_Ports(), (std::vector<std::string>{"COM65"}));
        FBoot->SetModalResult(mrCancel);
    });
}

// The serial layout has no updater: the button keeps the choices for the next showing and
// neither pings, writes a job file nor starts a program.
TEST_F(UBootSerialTest, UpdateInTheSerialLayoutOnlyKeepsTheChoices) {
    Add_Device("ttyUSB0");
    Program_Folder.Install_Updater();
    Show(Form_Type_Serial, [&] {
        FBoot->CB_Update_Options->SetItemIndex(1);
        FBoot->CB_Update_Option_Read_Back->SetChecked(false);
        FBoot->Btn_Update->Click();
        EXPECT_EQ(FBoot->ModalResult(), mrNone);
        FBoot->SetModalResult(mrCancel);
    });
    EXPECT_EQ(AppState().Update_Option_Index, 1);
    EXPECT_FALSE(AppState().Update_Read_Back);
    EXPECT_TRUE(Seam().Messages().empty());
    EXPECT_FALSE(FileExists(Program_Folder.Job_File()));
    EXPECT_FALSE(FileExists(Program_Folder.Log_File()));
}

TEST_F(UBootSerialTest, TheUSBLayoutHasItsCaptionsAndNoPanel) {
    Show(Form_Type_USB, [&] {
        EXPECT_EQ(FBoot->Caption(), "Update Device by USB");
        EXPECT_EQ(FBoot->L_SW_Desc->Caption(), "Update Device Using the USB Port");
        for (TPanel* panel :
             {FBoot->P_Serial, FBoot->P_Options, FBoot->P_IP_Address, FBoot->P_Eth_Search})
            EXPECT_FALSE(panel->Visible()) << panel->Name();
        FBoot->SetModalResult(mrCancel);
    });
}

TEST_F(UBootSerialTest, TheDeviceListHasTwoColumnsWhoseHeadersFollowTheLanguage) {
    TExColumnGrid* grid = FBoot->ACG_List_Devices;
    Show(Form_Type_Ethernet, [&] { FBoot->SetModalResult(mrCancel); });
    ASSERT_EQ(grid->ColCount(), 2);
    ASSERT_EQ(grid->Columns()->Count(), 2);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->Columns()->GetItem(0)->Header(), "IP Address");
    EXPECT_EQ(grid->Columns()->GetItem(1)->Header(), "MAC Address");
    EXPECT_EQ(grid->Cells(0, 0), "IP Address");
    EXPECT_EQ(grid->Cells(1, 0), "MAC Address");
    EXPECT_EQ(grid->Hint(), "Select a device in the list");
    EXPECT_FALSE(grid->Visible() && FBoot->P_Eth_Search->Visible());

    AppState().Language_List[1511] = "Indirizzo IP";
    AppState().Language_List[1512] = "Indirizzo MAC";
    AppState().Language_List[1530] = "Scegli un dispositivo";
    FBoot->Set_Lang();
    EXPECT_EQ(grid->Columns()->GetItem(0)->Header(), "Indirizzo IP");
    EXPECT_EQ(grid->Cells(1, 0), "Indirizzo MAC");
    EXPECT_EQ(grid->Hint(), "Scegli un dispositivo");
}

} // namespace
