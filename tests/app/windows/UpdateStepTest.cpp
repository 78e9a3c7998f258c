#include "WindowsFixture.h"

#include "app/controls/GlyphButton.h"
#include "app/windows/UBoot.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/ui/Panel.h"

namespace {

// The step "Update Device UDP" with the real update window joined as the program block joins it.
class UpdateStepTest : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        Create_Windows();
        FBoot = new TFBoot(nullptr);
        FBoot->DoCreate();
        FVelmaroFirmWare->Boot_Window = {[] { FBoot->Show_Ethernet_Update(); },
                                         [] { FBoot->Set_Lang(); }};
    }

    void TearDown() override {
        delete FBoot;
        FBoot = nullptr;
        WindowsFixture::TearDown();
    }

    void Press_Update_Device() { FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_CreateBin); }

    std::string Bank(const char* name) const {
        return Path(std::string("PROJECTS/Plant/bin/") + name);
    }
};

TEST_F(UpdateStepTest, NeedsAnOpenConfiguration) {
    Press_Update_Device();
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_EQ(Shown_Messages()[0], "Error! Project not Valid");
    EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
    EXPECT_TRUE(Seam().ModalForms().empty());
}

TEST_F(UpdateStepTest, WritesFreshBanksBeforeTheUpdateWindowOpensInItsEthernetLayout) {
    Write_File(Bank("bank1.bin"), "stale");
    Write_File(Bank("bank2.bin"), "stale");
    Select_Project("Plant");
    FBoot->Form_Type = Form_Type_Serial;
    bool shown = false;
    Seam().OnModalShow = [&](TForm* form) {
        shown = true;
        EXPECT_EQ(form, FBoot);
        EXPECT_EQ(FBoot->Form_Type, Form_Type_Ethernet);
        EXPECT_TRUE(FBoot->P_IP_Address->Visible());
        EXPECT_EQ(Read_File(Bank("bank1.bin")).size(), 2048u);
        EXPECT_NE(Read_File(Bank("bank2.bin")), "stale");
    };
    Press_Update_Device();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Shown_Messages().empty());
}

TEST_F(UpdateStepTest, ABankThatCannotBeWrittenStopsTheStepBeforeTheWindow) {
    Write_File(Path("PROJECTS/Plant/bin"),
               "not a folder"); // "bin" is a file, a barrier even for root
    Select_Project("Plant");
    Press_Update_Device();
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
    EXPECT_NE(Shown_Messages()[0].find("bank1.bin"), std::string::npos) << Shown_Messages()[0];
    EXPECT_TRUE(Seam().ModalForms().empty()) << "the update window opened on stale banks";
}

TEST_F(UpdateStepTest, ALanguageChangeReachesTheUpdateWindow) {
    FBoot->Form_Type = Form_Type_Ethernet;
    AppState().Language_List[1502] = "Aggiorna via Ethernet";
    AppState().Language_List[1512] = "Indirizzo MAC";
    FVelmaroFirmWare->Change_Language();
    EXPECT_EQ(FBoot->Caption(), "Aggiorna via Ethernet");
    EXPECT_EQ(FBoot->ACG_List_Devices->Columns()->GetItem(1)->Header(), "Indirizzo MAC");
}

} // namespace
