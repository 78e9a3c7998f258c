#include "WindowsFixture.h"

#include "app/controls/GlyphButton.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"

namespace {

class ConfigurationFoldersTest : public WindowsFixture {
protected:
    // Shows "New Configuration" from the main window and types the name, then presses OK.
    void Create_Named(const std::string& name) {
        Seam().OnModalShow = [name](TForm*) {
            FNew_Project->E_New_Proj->SetText(name);
            FNew_Project->Btn_OK->Click();
        };
        FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_New);
        Seam().OnModalShow = nullptr;
    }

    std::vector<std::string> Folders_Under_Program() const {
        std::vector<std::string> all;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Folder))
            if (entry.is_directory())
                all.push_back(std::filesystem::relative(entry.path(), Folder).string());
        std::sort(all.begin(), all.end());
        return all;
    }
};

TEST_F(ConfigurationFoldersTest, NewConfigurationCreatesItsFolderAndOpensIt) {
    Create_Windows();
    Create_Named("Boiler Room");
    EXPECT_TRUE(Shown_Messages().empty());
    EXPECT_TRUE(DirectoryExists(Path("PROJECTS/Boiler Room/bin")));
    EXPECT_EQ(AppState().Project_Name, "Boiler Room");
    EXPECT_EQ(AppState().Project_Path, Path("PROJECTS/Boiler Room"));
    EXPECT_EQ(AppState().ParGen_File, Path("PROJECTS/Boiler Room/ParGen.xml"));
    EXPECT_EQ(FVelmaroFirmWare->L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(FVelmaroFirmWare->L_Name_Conf_L2->Caption(), "Boiler Room");
}

TEST_F(ConfigurationFoldersTest, RefusedNamesCreateNothingAndKeepTheDialogOpen) {
    std::filesystem::create_directories(Folder / "PROJECTS" / "Plant");
    Create_Windows();
    const std::vector<std::string> before = Folders_Under_Program();
    struct Case {
        std::string Name;
        std::string Message;
    };
    const std::string notValid = "Error! Name project is not valid";
    const Case cases[] = {
        {"", "Error! Name Project is not valid"},
        {"PLANT", "Error! Name project is not valid because directory already exists"},
        {"Plant", "Error! Name project is not valid because directory already exists"},
        {"../Escaped", notValid},
        {"a/b", notValid},
        {"a\\b", notValid},
        {".", notValid},
        {"..", notValid},
        {"tab\there", notValid},
        {std::string("nul\0x", 5), notValid},
        {std::string(256, 'n'),
         "Error! Name project is too long: at most 255 characters (letters with accents count as "
         "two or more)"},
    };
    for (const Case& c : cases) {
        Seam().Reset();
        Seam().SetActive(true);
        Create_Named(c.Name);
        ASSERT_EQ(Shown_Messages().size(), 1u) << c.Name;
        EXPECT_EQ(Shown_Messages()[0], c.Message) << c.Name;
        EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
        EXPECT_TRUE(AppState().Project_Path.empty()) << c.Name;
        EXPECT_EQ(Folders_Under_Program(), before) << c.Name;
    }
}

TEST_F(ConfigurationFoldersTest, EnterInTheNameEditActsAsOk) {
    Create_Windows();
    FNew_Project->Show();
    FNew_Project->E_New_Proj->SetText("");
    TChar enter = 13;
    FNew_Project->E_New_ProjKeyPress(FNew_Project->E_New_Proj, enter);
    EXPECT_EQ(enter, 0);
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_EQ(Shown_Messages()[0], "Error! Name Project is not valid");
    EXPECT_EQ(FNew_Project->ModalResult(), mrNone);
    FNew_Project->Hide();
}

TEST_F(ConfigurationFoldersTest, OpenPreselectsTheOpenConfigurationInAnyCase) {
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        std::filesystem::create_directories(Folder / "PROJECTS" / name);
    Create_Windows();
    Select_Project("BETA");
    std::string preselected;
    Seam().OnModalShow = [&](TForm*) {
        preselected = FOpenConf->Name_Conf;
        EXPECT_EQ(FOpenConf->ListBox1->Count(), 3);
        FOpenConf->ListBox1->SetItemIndex(2);
        FOpenConf->ListBox1Click(FOpenConf->ListBox1);
        FOpenConf->Btn_OK->Click();
    };
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Open);
    EXPECT_EQ(preselected, "Beta");
    EXPECT_EQ(AppState().Project_Name, "Gamma");
    EXPECT_EQ(AppState().Project_Path, Path("PROJECTS/Gamma"));
    EXPECT_EQ(FVelmaroFirmWare->L_Name_Conf_L2->Caption(), "Gamma");
}

TEST_F(ConfigurationFoldersTest, OpenWithNothingOpenPreselectsTheFirst) {
    for (const char* name : {"Beta", "Alpha"})
        std::filesystem::create_directories(Folder / "PROJECTS" / name);
    Create_Windows();
    Seam().QueueModalResult(mrOk);
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Open);
    EXPECT_EQ(AppState().Project_Name, "Alpha");
}

TEST_F(ConfigurationFoldersTest, OpenWithAnEmptyListChangesNothing) {
    std::filesystem::create_directories(Folder / "PROJECTS" / "Kept");
    Create_Windows();
    // A first showing chooses a name, then that folder goes away.
    Seam().QueueModalResult(mrCancel);
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Open);
    EXPECT_EQ(FOpenConf->Name_Conf, "Kept");
    Select_Project("Kept");
    std::filesystem::remove_all(Folder / "PROJECTS" / "Kept");

    Seam().OnModalShow = [](TForm*) { FOpenConf->Btn_OK->Click(); };
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Open);
    EXPECT_TRUE(FOpenConf->Name_Conf.empty());
    EXPECT_EQ(AppState().Project_Name, "Kept");
    EXPECT_TRUE(Shown_Messages().empty());
}

TEST_F(ConfigurationFoldersTest, OpenRefusesAFolderRemovedWhileTheDialogWasShown) {
    for (const char* name : {"Alpha", "Beta"})
        std::filesystem::create_directories(Folder / "PROJECTS" / name);
    Create_Windows();
    Seam().OnModalShow = [this](TForm*) {
        std::filesystem::remove_all(Folder / "PROJECTS" / "Alpha");
        FOpenConf->Btn_OK->Click();
        EXPECT_EQ(FOpenConf->ModalResult(), mrNone);
        // The list was read again: what is left is offered.
        EXPECT_EQ(FOpenConf->ListBox1->Count(), 1);
        EXPECT_EQ(FOpenConf->Name_Conf, "Beta");
    };
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Open);
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_NE(Shown_Messages()[0].find("\"Alpha\" no longer exists"), std::string::npos);
    EXPECT_TRUE(AppState().Project_Path.empty());
}

TEST_F(ConfigurationFoldersTest, CancelChangesNothing) {
    std::filesystem::create_directories(Folder / "PROJECTS" / "Alpha");
    Create_Windows();
    Seam().QueueModalResult(mrCancel);
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Open);
    Seam().QueueModalResult(mrCancel);
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_New);
    EXPECT_TRUE(AppState().Project_Path.empty());
    EXPECT_EQ(FVelmaroFirmWare->L_Name_Conf->Caption(), "None Configuration Opened ");
}

} // namespace
