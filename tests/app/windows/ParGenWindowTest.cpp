#include "WindowsFixture.h"

#include "app/controls/GlyphButton.h"
#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ScrollBox.h"

namespace {

class ParGenWindowTest : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        std::filesystem::create_directories(Folder / "PROJECTS" / "Plant");
        Create_Windows();
        Select_Project("Plant");
    }

    // Shows the window from its step; `drive` acts while it is shown.
    void Show_ParGen(const std::function<void()>& drive) {
        Seam().OnModalShow = [&](TForm*) { drive(); };
        FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_Prm_Gen);
        Seam().OnModalShow = nullptr;
    }
};

TEST_F(ParGenWindowTest, WithoutAFileShowsTheDefaultsInFourPanels) {
    TParGenValues shown;
    Show_ParGen([&] { shown = FParGen->Values(); });
    EXPECT_EQ(shown, TParGenValues{});
    EXPECT_EQ(FParGen->CB_HART_Master_Address->Text(), "Primary Master");
    EXPECT_EQ(FParGen->CB_HART_Master_RetryLimit->Text(), "2");
    EXPECT_EQ(FParGen->E_Ethernet_IP4->Text(), "10");
    EXPECT_FALSE(FParGen->CB_Ethernet_En_GAT->Checked());

    struct Panel {
        TCategoryPanel* P;
        const char* Title;
        int Height;
    };
    const Panel panels[] = {{FParGen->CP_HART_Master, "1. HART Master", 95},
                            {FParGen->CP_PROFIBUS, "2. PROFIBUS", 150},
                            {FParGen->CP_Ethernet, "3. Ethernet", 123},
                            {FParGen->CP_Web_Pages, "4. Web Pages", 94}};
    for (const Panel& p : panels) {
        EXPECT_TRUE(p.P->Visible()) << p.Title;
        EXPECT_EQ(p.P->Caption(), p.Title);
        EXPECT_EQ(p.P->Height(), p.Height) << p.Title;
    }
    for (TControl* hidden : {static_cast<TControl*>(FParGen->CB_Ethernet_DNS),
                             static_cast<TControl*>(FParGen->E_Ethernet_DNS1),
                             static_cast<TControl*>(FParGen->E_Ethernet_TCP_Port),
                             static_cast<TControl*>(FParGen->E_Ethernet_UDP_Port)})
        EXPECT_FALSE(hidden->Visible());
}

TEST_F(ParGenWindowTest, OkWritesAFileThatReadsBackTheSame) {
    Show_ParGen([] {
        FParGen->CB_HART_Master_Address->SetItemIndex(1);
        FParGen->CB_HART_Master_RetryLimit->SetItemIndex(3);
        FParGen->E_Ethernet_IP1->SetText("010");
        FParGen->E_Ethernet_GAT4->SetText("254");
        FParGen->CB_Ethernet_En_GAT->SetChecked(true);
        FParGen->E_PROFIBUS_IDDevice->SetText("125");
        FParGen->E_PROFIBUS_NByte_In->SetText("0");
        FParGen->E_WebPages_User->SetText("admin");
        FParGen->E_WebPages_Password->SetText("s3cret");
        FParGen->Btn_OK->Click();
    });
    EXPECT_TRUE(Shown_Messages().empty());
    const TParGenValues written = Read_ParGen_File(AppState().ParGen_File);
    EXPECT_EQ(written.HART_Master_Address, 1);
    EXPECT_EQ(written.HART_Master_Retry_Limit, 3);
    EXPECT_EQ(written.Ethernet_IP[0], "010");
    EXPECT_TRUE(written.Ethernet_EN_GAT);
    EXPECT_EQ(written.Web_Pages_Password, "s3cret");

    TParGenValues shown;
    Show_ParGen([&] { shown = FParGen->Values(); });
    EXPECT_EQ(shown, written);
    EXPECT_FALSE(FParGen->Is_Change);
}

TEST_F(ParGenWindowTest, EachRefusalShowsItsMessageAndWritesNothing) {
    struct Case {
        std::function<void()> Edit;
        std::string Message;
    };
    const Case cases[] = {
        {[] { FParGen->E_Ethernet_IP1->SetText("abc"); },
         "Error Ethernet!! IP Address 1 must be between 0 and 255"},
        {[] { FParGen->E_Ethernet_IP4->SetText(""); },
         "Error Ethernet!! IP Address 4 must be between 0 and 255"},
        {[] { FParGen->E_Ethernet_SM2->SetText("256"); },
         "Error Ethernet!! SubNet Mask 2 must be between 0 and 255"},
        {[] {
             FParGen->CB_Ethernet_En_GAT->SetChecked(true);
             FParGen->E_Ethernet_GAT3->SetText("300");
         },
         "Error Ethernet!! GATEWAY IP 3 must be between 0 and 255"},
        {[] { FParGen->E_PROFIBUS_IDDevice->SetText("0"); },
         "Error PROFIBUS!! ID Device must be between 1 and 125"},
        {[] { FParGen->E_PROFIBUS_IDDevice->SetText("126"); },
         "Error PROFIBUS!! ID Device must be between 1 and 125"},
        {[] { FParGen->E_PROFIBUS_NByte_In->SetText("245"); },
         "Error PROFIBUS!! Number Bytes Input must be between 0 and 244"},
        {[] { FParGen->E_PROFIBUS_NByte_Out->SetText("-1"); },
         "Error PROFIBUS!! Number Bytes OutPut must be between 0 and 244"},
    };
    for (const Case& c : cases) {
        Seam().Reset();
        Seam().SetActive(true);
        TModalResult result = mrNone;
        Show_ParGen([&] {
            c.Edit();
            FParGen->Btn_OK->Click();
            result = FParGen->ModalResult();
        });
        EXPECT_EQ(result, mrNone) << c.Message;
        ASSERT_EQ(Shown_Messages().size(), 1u) << c.Message;
        EXPECT_EQ(Shown_Messages()[0], c.Message);
        EXPECT_FALSE(FileExists(AppState().ParGen_File)) << c.Message;
    }
}

TEST_F(ParGenWindowTest, GatewayOctetsAreNotCheckedWhileTheGatewayIsOff) {
    Show_ParGen([] {
        FParGen->E_Ethernet_GAT1->SetText("300");
        FParGen->Btn_OK->Click();
    });
    EXPECT_TRUE(Shown_Messages().empty());
    EXPECT_EQ(Read_ParGen_File(AppState().ParGen_File).Ethernet_GAT[0], "300");
}

TEST_F(ParGenWindowTest, AnUnreadableFileIsReportedAndTheDefaultsAreShown) {
    Show_ParGen([] {
        FParGen->E_PROFIBUS_IDDevice->SetText("77");
        FParGen->Btn_OK->Click();
    });
    Write_File(AppState().ParGen_File, "<Par_Gen><broken");
    TParGenValues shown;
    Show_ParGen([&] { shown = FParGen->Values(); });
    EXPECT_EQ(shown, TParGenValues{});
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_NE(Shown_Messages()[0].find("ParGen.xml"), std::string::npos) << Shown_Messages()[0];
}

TEST_F(ParGenWindowTest, CancelAsksOnlyAfterAChange) {
    TModalResult result = mrNone;
    Show_ParGen([&] {
        FParGen->Btn_Cancel->Click();
        result = FParGen->ModalResult();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_TRUE(Shown_Messages().empty());

    Show_ParGen([&] {
        FParGen->CB_Ethernet_En_GAT->SetChecked(true);
        Seam().QueueAnswer(mrNo);
        FParGen->Btn_Cancel->Click();
        EXPECT_EQ(FParGen->ModalResult(), mrNone);
        EXPECT_TRUE(FParGen->Is_Change);
        Seam().QueueAnswer(mrYes);
        FParGen->Btn_Cancel->Click();
        result = FParGen->ModalResult();
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(Shown_Messages().size(), 2u);
    EXPECT_EQ(Shown_Messages()[0], "Do you want to exit without saving changes?");
    EXPECT_EQ(Seam().Messages()[0].Kind, mtConfirmation);
    EXPECT_FALSE(FileExists(AppState().ParGen_File));
}

TEST_F(ParGenWindowTest, DotMovesAlongTheOctetsUntilTheHiddenRow) {
    FParGen->Show();
    FParGen->E_Ethernet_IP1->SetFocus();
    FParGen->E_Ethernet_IP1->SetText("192");
    InputSimulation::TypeChar(FParGen->E_Ethernet_IP1, u'.');
    EXPECT_EQ(FParGen->E_Ethernet_IP1->Text(), "192");
    EXPECT_TRUE(FParGen->E_Ethernet_IP2->Focused());

    FParGen->E_Ethernet_GAT4->SetFocus();
    InputSimulation::TypeChar(FParGen->E_Ethernet_GAT4, u'.');
    EXPECT_TRUE(FParGen->E_Ethernet_GAT4->Focused());
    EXPECT_EQ(FParGen->E_Ethernet_GAT4->Text().find('.'), std::string::npos);
    FParGen->Hide();
}

TEST_F(ParGenWindowTest, PanelTitlesKeepTheStartUpLanguage) {
    Write_File(Path("LANGUAGE/Italiano.lng"), "STR406 = Master HART\r\nSTR407 = Indirizzo\r\n");
    AppState().Language_Name = "Italiano";
    Load_Language();
    FVelmaroFirmWare->Change_Language();
    EXPECT_EQ(FParGen->L_HART_Master_Address->Caption(), "Indirizzo");
    EXPECT_EQ(FParGen->CP_HART_Master->Caption(), "1. HART Master");
}

TEST_F(ParGenWindowTest, PanelsStackInTheirNumberedOrderWithoutGaps) {
    Show_ParGen([&] {
        TCategoryPanel* panels[] = {FParGen->CP_HART_Master, FParGen->CP_PROFIBUS,
                                    FParGen->CP_Ethernet, FParGen->CP_Web_Pages};
        EXPECT_EQ(panels[0]->Top(), 0);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(panels[i]->TabOrder(), i);
            if (i > 0) {
                EXPECT_EQ(panels[i]->Top(), panels[i - 1]->Top() + panels[i - 1]->Height())
                    << panels[i]->Caption();
            }
        }
    });
}

// The buttons are neither default nor cancel: Enter in an edit neither saves nor leaves.
TEST_F(ParGenWindowTest, EnterAndEscapeInAnEditPressNoButton) {
    Show_ParGen([&] {
        FParGen->SetActiveControl(FParGen->E_PROFIBUS_IDDevice);
        InputSimulation::KeyPress(FParGen->E_PROFIBUS_IDDevice, VK_RETURN);
        InputSimulation::KeyPress(FParGen->E_PROFIBUS_IDDevice, VK_ESCAPE);
        EXPECT_EQ(FParGen->ModalResult(), mrNone);
    });
    EXPECT_FALSE(FileExists(AppState().ParGen_File));
}

// The wheel scrolls the panels only while the pointer is over them.
TEST_F(ParGenWindowTest, WheelScrollsThePanelsOnlyUnderThePointer) {
    FParGen->Show();
    FParGen->SetClientHeight(250);
    TControlScrollBar* bar = FParGen->CPG->VertScrollBar();
    ASSERT_GT(bar->MaxPosition(), 0);
    InputSimulation::Wheel(FParGen->P_Title, {100, 30}, -120);
    EXPECT_EQ(bar->Position(), 0);
    InputSimulation::Wheel(FParGen->CPG, {100, 60}, -120);
    EXPECT_GT(bar->Position(), 0);
    FParGen->Hide();
}

TEST_F(ParGenWindowTest, WidthSnapsBack) {
    FParGen->SetClientWidth(600);
    EXPECT_EQ(FParGen->ClientWidth(), 460);
}

} // namespace
