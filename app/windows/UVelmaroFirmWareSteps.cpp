// The step dispatch of the main window and the steps it runs itself.
#include "app/windows/UVelmaroFirmWare.h"

#include "app/controls/GlyphButton.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "app/core/UProfibus_GSD.h"
#include "app/core/USaveBincc.h"
#include "app/windows/UAbout.h"
#include "app/windows/UNew_Project.h"
#include "app/windows/UOpenConf.h"
#include "app/windows/UParGen.h"
#include "app/windows/USoftOptions.h"
#include "platform/core/Files.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

void TFVelmaroFirmWare::Run_Step(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& e) {
        Application->ShowException(e);
    }
}

void TFVelmaroFirmWare::Btn_Click(TObject* Sender) {
    if (Sender == Btn_New) {
        Create_New_Project();
    } else if (Sender == Btn_Open) {
        Open_Project();
    } else if (Sender == Btn_Close) {
        Close();
    } else if (Sender == Btn_Info) {
        if (FAbout)
            FAbout->ShowModal();
    } else if (Sender == Btn_Opz) {
        if (FSoftOptions && FSoftOptions->ShowModal() == mrOk) {
            Save_Setting();
            Switch_Update_Timer();
        }
    } else if (AppState().Project_Path.empty()) {
        MessageDlg(Lang_Str(18), mtError, {mbOK});
    } else if (Sender == Btn_Prm_Gen) {
        if (FParGen)
            FParGen->ShowModal();
    } else if (Sender == Btn_HART_Variables) {
        if (HART_Variables_Window.Show)
            Run_Step(HART_Variables_Window.Show);
    } else if (Sender == Btn_PROFIBUS_GSD) {
        Run_Step([this] { GSD_Build_File(); });
    } else if (Sender == Btn_CreateBin) {
        Run_Step([this] { Update_Device(); });
    } else if (Sender == Btn_CANopen_EDS) {
        Run_Step([this] { Build_EDS_File(); });
    } else if (Sender == Btn_BACnet_EDE_File) {
        Run_Step([this] { BACnet_EDE_File(); });
    } else if (Sender == Btn_PROFINET_XML) {
        Run_Step([this] { PROFINET_XML(); });
    } else if (Sender == Btn_SNMP_MIB) {
        Run_Step([this] { MIB_Build_File(); });
    } else {
        for (const TProtocolWindow& protocol : Protocol_Windows)
            if (Sender == protocol.Step && protocol.Window.Show)
                Run_Step(protocol.Window.Show);
    }
}

void TFVelmaroFirmWare::Open_Project() {
    if (!FOpenConf || FOpenConf->ShowModal() != mrOk)
        return;
    // An empty list offered nothing to open: the configuration open now stays open.
    if (FOpenConf->Name_Conf.empty())
        return;
    Select_Project(FOpenConf->Name_Conf);
    Show_Configuration_Name();
}

void TFVelmaroFirmWare::Create_New_Project() {
    if (FNew_Project && FNew_Project->ShowModal() == mrOk)
        Show_Configuration_Name();
}

void TFVelmaroFirmWare::Update_Device() {
    TBankBuilder banks;
    banks.Build_Banks();
    banks.Write_Bank_Files();
    if (Boot_Window.Show)
        Boot_Window.Show();
}

void TFVelmaroFirmWare::GSD_Build_File() {
    const TAppState& state = AppState();
    if (!FileExists(state.ParGen_File)) {
        MessageDlg(Lang_Str(1104), mtError, {mbOK});
        return;
    }
    const TGSD_Lengths lengths = GSD_Read_Lengths(state.ParGen_File);
    TSaveDialog dialog(nullptr);
    dialog.SetInitialDir(state.Project_Path);
    dialog.SetFilter("Generic Station Description (*.gsd)|*.gsd");
    if (!dialog.Execute())
        return;
    const std::string fileName = GSD_File_Name(dialog.FileName());
    if (FileExists(fileName) && MessageDlg(Lang_Str(1103), mtConfirmation, mbYesNo) != mrYes)
        return;
    GSD_Write(fileName, lengths);
}
