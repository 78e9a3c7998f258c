#include "WindowsFixture.h"

#include "app/controls/GlyphButton.h"
#include "app/core/SettingsFile.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Timer.h"

namespace {

class SoftOptionsTest : public WindowsFixture {
protected:
    void Add_Languages(std::initializer_list<const char*> names) {
        for (const char* name : names)
            Write_File(Path(std::string("LANGUAGE/") + name + ".lng"),
                       "STR0 = " + std::string(name) + "\r\n");
    }

    // Shows the options from the main window; `drive` acts while they are shown.
    void Show_Options(const std::function<void()>& drive) {
        Seam().OnModalShow = [&](TForm*) { drive(); };
        FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Opz);
        Seam().OnModalShow = nullptr;
    }

    std::vector<bool> Slots_Shown() const {
        return {FSoftOptions->L_L1->Visible(), FSoftOptions->L_L2->Visible(),
                FSoftOptions->L_L3->Visible(), FSoftOptions->L_L4->Visible(),
                FSoftOptions->L_L5->Visible(), FSoftOptions->L_L6->Visible()};
    }
};

TEST_F(SoftOptionsTest, OkWritesTheSettingsAndSwitchesTheTimer) {
    Create_Windows();
    struct Case {
        bool Internet;
        bool Update;
        bool TimerOn;
    };
    const Case cases[] = {{true, false, false}, {true, true, true}, {false, true, false}};
    for (const Case& c : cases) {
        Show_Options([&] {
            FSoftOptions->CB_En_Con->SetChecked(c.Internet);
            FSoftOptions->CB_Update->SetChecked(c.Update);
            FSoftOptions->CB_Soft_Set_Jump_Table->SetChecked(true);
            FSoftOptions->Btn_OK->Click();
        });
        EXPECT_EQ(FVelmaroFirmWare->Timer_Update->Enabled(), c.TimerOn);
        AppState().Enable_Internet = !c.Internet;
        Load_Settings();
        EXPECT_EQ(AppState().Enable_Internet, c.Internet);
        EXPECT_EQ(AppState().Enable_Update, c.Update);
        EXPECT_TRUE(AppState().Enable_Jump_Field_Tables);
    }
}

TEST_F(SoftOptionsTest, CancelStoresNothing) {
    Create_Windows();
    Show_Options([] {
        FSoftOptions->CB_En_Con->SetChecked(true);
        FSoftOptions->Btn_Cancel->Click();
    });
    EXPECT_FALSE(AppState().Enable_Internet);
    EXPECT_FALSE(FileExists(Path("Velmaro.xml")));
}

TEST_F(SoftOptionsTest, InternetOffDisablesTheUpdateControlsButKeepsTheMark) {
    Create_Windows();
    AppState().Enable_Update = true;
    Show_Options([] {
        EXPECT_FALSE(FSoftOptions->CB_Update->Enabled());
        EXPECT_TRUE(FSoftOptions->CB_Update->Checked());
        EXPECT_FALSE(FSoftOptions->Btn_Check_Update->Enabled());
        FSoftOptions->CB_En_Con->SetChecked(true);
        EXPECT_TRUE(FSoftOptions->CB_Update->Enabled());
        EXPECT_TRUE(FSoftOptions->Btn_Check_Update->Enabled());
        FSoftOptions->CB_En_Con->SetChecked(false);
        FSoftOptions->Btn_OK->Click();
    });
    EXPECT_FALSE(AppState().Enable_Internet);
    EXPECT_TRUE(AppState().Enable_Update);
}

TEST_F(SoftOptionsTest, LanguagesArePagedSixAtATime) {
    Add_Languages(
        {"Deutsch", "english", "Espanol", "Francais", "Italiano", "Nederlands", "Polski"});
    Create_Windows();
    Show_Options([&] {
        EXPECT_EQ(FSoftOptions->L_Page_Lang->Caption(), "Page 1 / 2");
        EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(), "Selected Language : English");
        EXPECT_FALSE(FSoftOptions->Btn_Prev->Visible());
        EXPECT_TRUE(FSoftOptions->Btn_Next->Visible());
        EXPECT_EQ(Slots_Shown(), std::vector<bool>(6, true));
        EXPECT_EQ(FSoftOptions->L_L2->Caption(), "english");
        FSoftOptions->Btn_NextClick(FSoftOptions->Btn_Next);
        EXPECT_EQ(FSoftOptions->L_Page_Lang->Caption(), "Page 2 / 2");
        EXPECT_EQ(Slots_Shown(), (std::vector<bool>{true, false, false, false, false, false}));
        EXPECT_EQ(FSoftOptions->L_L1->Caption(), "Polski");
        EXPECT_TRUE(FSoftOptions->Btn_Prev->Visible());
        EXPECT_FALSE(FSoftOptions->Btn_Next->Visible());
    });
}

// Only a "<name>.lng" file can be loaded by its name, so only such files are offered: choosing
// one that cannot be loaded would silently give English.
TEST_F(SoftOptionsTest, OffersOnlyFilesThatLoadByTheirName) {
    Add_Languages({"Italiano"});
    Write_File(Path("LANGUAGE/Deutsch.LNG"), "STR0 = Deutsch\r\n");
    std::filesystem::create_directories(Folder / "LANGUAGE" / "Folder.lng");
    Create_Windows();
    Show_Options([&] {
        ASSERT_EQ(FSoftOptions->SL_Languages.Count(), 1);
        EXPECT_EQ(FSoftOptions->SL_Languages[0], "Italiano.lng");
        EXPECT_EQ(FSoftOptions->L_Page_Lang->Caption(), "Page 1 / 1");
    });
}

TEST_F(SoftOptionsTest, NoLanguageFileShowsAnEmptyFirstPage) {
    Create_Windows();
    Show_Options([&] {
        EXPECT_EQ(FSoftOptions->L_Page_Lang->Caption(), "Page 1 / 0");
        EXPECT_EQ(Slots_Shown(), std::vector<bool>(6, false));
        EXPECT_FALSE(FSoftOptions->Btn_Prev->Visible());
        EXPECT_TRUE(FSoftOptions->Btn_Next->Visible());
        FSoftOptions->Btn_NextClick(FSoftOptions->Btn_Next);
        EXPECT_EQ(FSoftOptions->Show_Page, 1);
    });
}

TEST_F(SoftOptionsTest, ALanguageWithoutItsFlagShowsTheDefaultFlag) {
    Add_Languages({"Deutsch", "Italiano"});
    Create_Windows();
    TBitmap flag(48, 48);
    flag.SaveToFile(Path("LANGUAGE/DefaultFlag.bmp"));
    Show_Options([&] {
        EXPECT_TRUE(FSoftOptions->I_L1->Visible());
        EXPECT_EQ(FSoftOptions->I_L1->Picture()->Width(), 48);
    });
    std::filesystem::remove(Path("LANGUAGE/DefaultFlag.bmp"));
    Show_Options([&] {
        EXPECT_FALSE(FSoftOptions->I_L1->Visible());
        EXPECT_TRUE(FSoftOptions->L_L1->Visible());
    });
}

TEST_F(SoftOptionsTest, ChoosingALanguageTranslatesAtOnceButStoresOnlyWithOk) {
    Write_File(Path("LANGUAGE/Italiano.lng"), "STR15 = Nuova Configurazione\r\n");
    Create_Windows();
    Show_Options([&] {
        Seam().QueueAnswer(mrYes);
        FSoftOptions->LangClick(FSoftOptions->L_L1);
        FSoftOptions->Btn_Cancel->Click();
    });
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_EQ(Shown_Messages()[0], "Do you want to change the Language from English to Italiano?");
    EXPECT_EQ(FVelmaroFirmWare->Btn_New->Caption(), "Nuova Configurazione");
    EXPECT_EQ(AppState().Language_Name, "English");

    Show_Options([&] {
        Seam().QueueAnswer(mrYes);
        FSoftOptions->LangClick(FSoftOptions->I_L1);
        EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(), "Selected Language : Italiano");
        FSoftOptions->Btn_OK->Click();
    });
    EXPECT_EQ(AppState().Language_Name, "Italiano");
    EXPECT_NE(Read_File(Path("Velmaro.xml")).find("<language>Italiano</language>"),
              std::string::npos);
}

TEST_F(SoftOptionsTest, AnsweringNoKeepsTheLanguage) {
    Write_File(Path("LANGUAGE/Italiano.lng"), "STR15 = Nuova Configurazione\r\n");
    Create_Windows();
    Show_Options([&] {
        Seam().QueueAnswer(mrNo);
        FSoftOptions->LangClick(FSoftOptions->L_L1);
        FSoftOptions->Btn_OK->Click();
    });
    EXPECT_EQ(FVelmaroFirmWare->Btn_New->Caption(), "New Configuration");
    EXPECT_EQ(AppState().Language_Name, "English");
}

} // namespace
