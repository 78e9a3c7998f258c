#include "WindowsFixture.h"

#include "app/controls/GlyphButton.h"
#include "app/core/SettingsFile.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Shape.h"
#include "platform/ui/Timer.h"

namespace {

class MainWindowTest : public WindowsFixture {};

TEST_F(MainWindowTest, FirstStartWithoutSettingsOpensNothingInEnglish) {
    Create_Windows();
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(DirectoryExists(Path(folder))) << folder;
    const TAppState& state = AppState();
    EXPECT_TRUE(state.Project_Name.empty());
    EXPECT_TRUE(state.Project_Path.empty());
    EXPECT_EQ(state.Language_Name, "English");
    EXPECT_EQ(state.Last_IP_Address, "192.168.2.205");
    EXPECT_FALSE(FVelmaroFirmWare->Timer_Update->Enabled());
    EXPECT_EQ(FVelmaroFirmWare->L_Name_Conf->Caption(), "None Configuration Opened ");
    EXPECT_EQ(FVelmaroFirmWare->L_Name_Conf_L2->Caption(),
              "Use Step1 to open or create new configuration");
    EXPECT_EQ(FVelmaroFirmWare->Caption(),
              "QuorvelCo - Configurator CT40215 - PROFIBUS Slave / HART Master ");
}

TEST_F(MainWindowTest, LaysOutTheStepsOfThisGateway) {
    Create_Windows();
    TFVelmaroFirmWare* w = FVelmaroFirmWare;
    EXPECT_EQ(w->ClientWidth(), 694);
    EXPECT_EQ(w->ClientHeight(), 440);
    TLabel* steps[] = {w->L_Step_1, w->L_Step_2, w->L_Step_3, w->L_Step_4, w->L_Step_5};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(steps[i]->Top(), 128 + 44 * i);
        EXPECT_TRUE(steps[i]->Visible());
    }
    for (TLabel* hidden : {w->L_Step_6, w->L_Step_7, w->L_Step_8})
        EXPECT_FALSE(hidden->Visible());
    for (TGlyphButton* shown : {w->Btn_New, w->Btn_Open, w->Btn_Prm_Gen, w->Btn_HART_Variables,
                                w->Btn_PROFIBUS_GSD, w->Btn_CreateBin}) {
        EXPECT_TRUE(shown->Visible()) << shown->Caption();
        EXPECT_FALSE(shown->Glyph()->Empty()) << shown->Caption();
        EXPECT_FALSE(shown->Caption().empty());
    }
    EXPECT_FALSE(w->Btn_HART_Gateway->Visible());
    EXPECT_FALSE(w->Btn_SNMP_MIB->Visible());
    EXPECT_EQ(w->Btn_Prm_Gen->Style(), bsNormal);
    EXPECT_EQ(w->Btn_New->Style(), bsEncarta);
    EXPECT_EQ(w->Btn_New->HotTrackColor(), clSkyBlue);
    EXPECT_EQ(w->Shape1->Top(), 339);
    EXPECT_EQ(w->L_Quorvel->Top(), 304);
}

class ReopenTest : public WindowsFixture {
protected:
    void Prepare() override {
        Write_File(Path("Velmaro.xml"),
                   "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
                   "<lastinternet><enable_internet>1</enable_internet>"
                   "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
    }
};

TEST_F(ReopenTest, ReopensTheLastConfigurationWhenItsFolderExists) {
    std::filesystem::create_directories(Folder / "PROJECTS" / "Plant");
    Create_Windows();
    EXPECT_EQ(AppState().Project_Name, "Plant");
    EXPECT_EQ(AppState().Project_Path, Path("PROJECTS/Plant"));
    EXPECT_EQ(AppState().ParGen_File, Path("PROJECTS/Plant/ParGen.xml"));
    EXPECT_EQ(FVelmaroFirmWare->L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(FVelmaroFirmWare->L_Name_Conf_L2->Caption(), "Plant");
    EXPECT_TRUE(FVelmaroFirmWare->Timer_Update->Enabled());
    EXPECT_EQ(FVelmaroFirmWare->Timer_Update->Interval(), 60000u);
}

TEST_F(ReopenTest, AVanishedConfigurationLeavesNothingOpenAndStepsRefuse) {
    Create_Windows();
    EXPECT_TRUE(AppState().Project_Path.empty());
    TFVelmaroFirmWare* w = FVelmaroFirmWare;
    for (TGlyphButton* step :
         {w->Btn_Prm_Gen, w->Btn_HART_Variables, w->Btn_PROFIBUS_GSD, w->Btn_CreateBin}) {
        Seam().Reset();
        Seam().SetActive(true);
        w->Btn_Click(step);
        ASSERT_EQ(Shown_Messages().size(), 1u) << step->Caption();
        EXPECT_EQ(Seam().Messages()[0].Text, "Error! Project not Valid");
        EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
        EXPECT_TRUE(Seam().ModalForms().empty());
    }
    // The settings written at the end name no configuration.
    TCloseAction action = caHide;
    w->FormClose(w, action);
    Load_Settings();
    EXPECT_TRUE(AppState().Project_Name.empty());
}

// A settings file naming a folder outside PROJECTS (edited by hand or from another program)
// opens nothing: no table file may be written beside the program or elsewhere.
class UnsafeReopenTest : public WindowsFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void Prepare() override {
        std::filesystem::create_directories(Folder / "PROJECTS" / "Plant");
        std::filesystem::create_directories(Folder / "Outside");
        Write_File(Path("Velmaro.xml"), std::string("<Conf_Settings><lastproj><projectname>") +
                                            GetParam() +
                                            "</projectname></lastproj></Conf_Settings>");
    }
};

TEST_P(UnsafeReopenTest, ANameLeavingTheConfigurationsFolderOpensNothing) {
    Create_Windows();
    EXPECT_TRUE(AppState().Project_Name.empty());
    EXPECT_TRUE(AppState().Project_Path.empty());
    EXPECT_EQ(FVelmaroFirmWare->L_Name_Conf->Caption(), "None Configuration Opened ");
}

INSTANTIATE_TEST_SUITE_P(Names, UnsafeReopenTest,
                         ::testing::Values("..", ".", "../Outside", "Plant/..", "Plant/../Plant"));

TEST_F(MainWindowTest, LanguageChangeReachesHiddenButtonsAndJoinedWindows) {
    Write_File(Path("LANGUAGE/Italiano.lng"), "STR15 = Nuova Configurazione\r\n"
                                              "STR29 = Gateway HART\r\n"
                                              "STR100 = Crea Configurazione\r\n");
    Create_Windows();
    int joined = 0;
    FVelmaroFirmWare->HART_Variables_Window.Set_Lang = [&] { ++joined; };
    AppState().Language_Name = "Italiano";
    Load_Language();
    FVelmaroFirmWare->Change_Language();
    EXPECT_EQ(FVelmaroFirmWare->Btn_New->Caption(), "Nuova Configurazione");
    EXPECT_EQ(FVelmaroFirmWare->Btn_HART_Gateway->Caption(), "Gateway HART");
    EXPECT_EQ(FNew_Project->Caption(), "Crea Configurazione");
    EXPECT_EQ(joined, 1);
}

TEST_F(MainWindowTest, CloseButtonWritesTheSettings) {
    Create_Windows();
    AppState().Last_IP_Address = "10.0.0.7";
    FVelmaroFirmWare->Show();
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Close);
    EXPECT_FALSE(FVelmaroFirmWare->Visible());
    EXPECT_NE(Read_File(Path("Velmaro.xml")).find("<ipaddress>10.0.0.7</ipaddress>"),
              std::string::npos);
}

TEST_F(MainWindowTest, InformationShowsTheAboutBox) {
    Create_Windows();
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Info);
    ASSERT_EQ(Seam().ModalForms().size(), 1u);
    EXPECT_EQ(Seam().ModalForms()[0], "FAbout");
    EXPECT_EQ(FAbout->Label9->Caption(), "CT40215");
    EXPECT_EQ(FAbout->Label10->Caption(), "1.000");
    EXPECT_EQ(FAbout->Label2->Caption(), "PROFIBUS Slave / HART Master - Converter");
}

TEST_F(MainWindowTest, TheAboutPictureShowsTheWindowBehindItsKeyColour) {
    Create_Windows();
    FAbout->Show();
    TBitmap shot(FAbout->ClientWidth(), FAbout->ClientHeight());
    FAbout->PaintTo(shot.Canvas(), 0, 0);
    const TRect picture = FAbout->Image2->BoundsRect();
    EXPECT_EQ(shot.Pixel(picture.Left + 1, picture.Top + 1), FAbout->Color());
    FAbout->Hide();
}

} // namespace

TEST_F(MainWindowTest, TheOtherVariantsStepsOpenTheirWindowsOnlyWithAConfigurationOpen) {
    Create_Windows();
    TFVelmaroFirmWare* w = FVelmaroFirmWare;
    std::vector<std::string> opened;
    int translated = 0;
    w->Protocol_Windows = {
        {w->Btn_CAN_Rec_Frame, {[&] { opened.push_back("CAN receive"); }, [&] { ++translated; }}},
        {nullptr, {[&] { opened.push_back("J1939 receive"); }, [&] { ++translated; }}}};
    Seam().Reset();
    Seam().SetActive(true);
    w->Btn_Click(w->Btn_CAN_Rec_Frame);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(Shown_Messages(), std::vector<std::string>{"Error! Project not Valid"});
    AppState().Project_Path = Folder.string();
    w->Btn_Click(w->Btn_CAN_Rec_Frame);
    w->Btn_Click(w->Btn_CAN_Send_Frame);
    EXPECT_EQ(opened, std::vector<std::string>{"CAN receive"});
    w->Change_Language();
    EXPECT_EQ(translated, 2);
}
