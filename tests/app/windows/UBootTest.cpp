#include "app/windows/UBoot.h"

#include "app/controls/GlyphButton.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "devicelink/Ethernet_Update_Job.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Timer.h"
#include "platform/xml/XmlDocument.h"
#include "tests/devicelink/UpdaterProgramFolder.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;

// The update window in a program folder of the test's own, with the stand-in updater beside it
// when a test asks for it. The shared values it changes are put back afterwards.
class UBootTest : public ::testing::Test {
protected:
    void SetUp() override {
        Set_Program_Folders(Program_Folder.Path());
        AppState().Project_Path = Program_Folder.File("PROJECTS/Plant");
        FBoot = new TFBoot(nullptr);
        FBoot->DoCreate();
    }

    void TearDown() override {
        delete FBoot;
        FBoot = nullptr;
        AppState() = FSaved_State;
    }

    // The device answers without the network: see TScripted_Echo.
    TScripted_Echo& Script_Echo() {
        Echo.Install(FBoot->Device_Update);
        return Echo;
    }

    // Shows the window as the update step does; `drive` acts while it is shown.
    TModalResult Show(const std::function<void()>& drive) {
        Seam().OnModalShow = [&](TForm*) { drive(); };
        const TModalResult result = FBoot->Show_Ethernet_Update();
        Seam().OnModalShow = nullptr;
        return result;
    }

    void Type_Address(const std::array<std::string, 4>& octets) {
        TEdit* edits[] = {FBoot->E_IP1, FBoot->E_IP2, FBoot->E_IP3, FBoot->E_IP4};
        for (size_t i = 0; i < octets.size(); ++i)
            edits[i]->SetText(octets[i]);
    }

    std::array<std::string, 4> Shown_Address() const {
        return {FBoot->E_IP1->Text(), FBoot->E_IP2->Text(), FBoot->E_IP3->Text(),
                FBoot->E_IP4->Text()};
    }

    TTestSeam& Seam() { return Application->TestSeam(); }

    TAppState FSaved_State = AppState();
    TUpdaterProgramFolder Program_Folder;
    TScripted_Echo Echo;
};

TEST_F(UBootTest, ShowsTheEthernetLayoutWithTheLastAddressAndChoices) {
    AppState().Last_IP_Address = "10.1.2.3";
    AppState().Update_Option_Index = Update_Configuration;
    AppState().Update_Read_Back = false;
    FBoot->Form_Type = Form_Type_Serial; // the step always asks for the Ethernet layout
    Show([&] {
        EXPECT_EQ(FBoot->Caption(), "Update Device by Ethernet (UDP)");
        EXPECT_EQ(FBoot->L_SW_Desc->Caption(), "Update Device Using the Ethernet Port");
        EXPECT_EQ(FBoot->L_SW_Code->Caption(), "CT40215");
        EXPECT_EQ(Shown_Address(), (std::array<std::string, 4>{"10", "1", "2", "3"}));
        ASSERT_EQ(FBoot->CB_Update_Options->Items()->Count(), 3);
        EXPECT_EQ(FBoot->CB_Update_Options->Text(), "Configuration");
        EXPECT_FALSE(FBoot->CB_Update_Option_Read_Back->Checked());
        EXPECT_EQ(FBoot->CB_Update_Option_Read_Back->Caption(), "Read Back");
        EXPECT_EQ(FBoot->Btn_Update->Caption(), "Execute Update Firmware");
        EXPECT_TRUE(FBoot->P_IP_Address->Visible());
        EXPECT_TRUE(FBoot->P_Options->Visible());
        EXPECT_FALSE(FBoot->P_Serial->Visible());
        EXPECT_FALSE(FBoot->P_Eth_Search->Visible());
        EXPECT_EQ(FBoot->ClientWidth(), 449);
        EXPECT_EQ(FBoot->ClientHeight(), 230);
        EXPECT_EQ(FBoot->P_IP_Address->Top(), FBoot->P_Title->Height());
        EXPECT_EQ(FBoot->P_Options->Top(),
                  FBoot->P_IP_Address->Top() + FBoot->P_IP_Address->Height());
        EXPECT_EQ(FBoot->ActiveControl(), FBoot->E_IP1);
        int order = 0;
        for (TPanel* panel : {FBoot->P_Title, FBoot->P_IP_Address, FBoot->P_Eth_Search,
                              FBoot->P_Options, FBoot->P_Button, FBoot->P_Serial})
            EXPECT_EQ(panel->TabOrder(), order++) << panel->Name();
    });
    EXPECT_EQ(FBoot->Form_Type, Form_Type_Ethernet);
    ASSERT_EQ(Seam().ModalForms().size(), 1u);
    EXPECT_EQ(Seam().ModalForms()[0], "FBoot");
}

TEST_F(UBootTest, EveryCaptionAndHintComesFromItsLanguageText) {
    struct Case {
        const char* What;
        std::function<std::string()> Shown;
        const char* Expected;
    };
    TFBoot* const w = FBoot;
    const Case cases[] = {
        {"L_IP_Address", [w] { return w->L_IP_Address->Caption(); },
         "Insert the IP Address of Device"},
        {"L_List_Device", [w] { return w->L_List_Device->Caption(); },
         "List of Devices Find in Network"},
        {"Btn_Search", [w] { return w->Btn_Search->Caption(); }, "Search"},
        {"CB_Find_All_QVL", [w] { return w->CB_Find_All_QVL->Caption(); },
         "Find all QuorvelCo Devices"},
        {"L_Update_Option", [w] { return w->L_Update_Option->Caption(); }, "Select Update Options"},
        {"Btn_Cancel", [w] { return w->Btn_Cancel->Caption(); }, "Cancel"},
        {"E_IP1 hint", [w] { return w->E_IP1->Hint(); }, "Insert first byte of IP Address"},
        {"E_IP2 hint", [w] { return w->E_IP2->Hint(); }, "Insert second byte of IP Address"},
        {"E_IP3 hint", [w] { return w->E_IP3->Hint(); }, "Insert third byte of IP Address"},
        {"E_IP4 hint", [w] { return w->E_IP4->Hint(); }, "Insert fourth byte of IP Address"},
        {"Btn_Search hint", [w] { return w->Btn_Search->Hint(); }, "Serch QVL Device in Network"},
        {"CB_Find_All_QVL hint", [w] { return w->CB_Find_All_QVL->Hint(); },
         "Enable or disable the option to find all QuorvelCo Devices"},
        {"CB_Update_Options hint", [w] { return w->CB_Update_Options->Hint(); },
         "Select the operation to do in update"},
        {"CB_Update_Option_Read_Back hint", [w] { return w->CB_Update_Option_Read_Back->Hint(); },
         "Enable or disable the possibility to read back the Firmware/Configuration"},
        {"Btn_Cancel hint", [w] { return w->Btn_Cancel->Hint(); }, "Exit without to do the Update"},
        {"Btn_Update hint", [w] { return w->Btn_Update->Hint(); }, "Start the update of Device"},
        {"L_COM_Port", [w] { return w->L_COM_Port->Caption(); },
         "Select the COM port for the Update"},
        {"Btn_COM_List hint", [w] { return w->Btn_COM_List->Hint(); }, "Update COM Ports List"},
        {"CB_COM_Port", [w] { return w->CB_COM_Port->Text(); }, "COM1"},
    };
    Show([&] {
        for (const Case& c : cases)
            EXPECT_EQ(c.Shown(), c.Expected) << c.What;
        std::vector<std::string> items;
        for (int i = 0; i < FBoot->CB_Update_Options->Items()->Count(); ++i)
            items.push_back((*FBoot->CB_Update_Options->Items())[i]);
        EXPECT_EQ(items, (std::vector<std::string>{"Firmware + Configuration", "Firmware",
                                                   "Configuration"}));
    });
}

TEST_F(UBootTest, AnAddressThatDoesNotSplitLeavesTheOctetsAsTheyWere) {
    for (const char* last : {"", "192.168.2", "a.b.c.d"}) {
        AppState().Last_IP_Address = last;
        Show([&] { EXPECT_EQ(Shown_Address(), (std::array<std::string, 4>{"0", "0", "0", "0"})); });
    }
}

TEST_F(UBootTest, TakesItsTextsFromTheLanguageEachTimeItIsShown) {
    Show([] {});
    AppState().Language_List[1502] = "Aggiorna via Ethernet";
    AppState().Language_List[1515] = "Tutto";
    Show([&] {
        EXPECT_EQ(FBoot->Caption(), "Aggiorna via Ethernet");
        EXPECT_EQ(FBoot->CB_Update_Options->Text(), "Tutto");
    });
    Load_Default_Language();
}

TEST_F(UBootTest, ADotMovesToTheNextOctetAndIsNeverTyped) {
    struct Case {
        TEdit* TFBoot::*Typed_In;
        TEdit* TFBoot::*Focused_After;
    };
    const Case cases[] = {{&TFBoot::E_IP1, &TFBoot::E_IP2},
                          {&TFBoot::E_IP2, &TFBoot::E_IP3},
                          {&TFBoot::E_IP3, &TFBoot::E_IP4},
                          {&TFBoot::E_IP4, &TFBoot::E_IP4}};
    AppState().Last_IP_Address = "1.2.3.4";
    Show([&] {
        for (const Case& c : cases) {
            TEdit* edit = FBoot->*c.Typed_In;
            edit->SetFocus();
            const std::string before = edit->Text();
            InputSimulation::TypeChar(edit, u'.');
            EXPECT_EQ(edit->Text(), before);
            EXPECT_TRUE((FBoot->*c.Focused_After)->Focused()) << edit->Hint();
        }
        FBoot->E_IP4->SetSelStart(1);
        FBoot->E_IP4->SetSelLength(0);
        InputSimulation::TypeChar(FBoot->E_IP4, u'7');
        EXPECT_EQ(FBoot->E_IP4->Text(), "47") << "other keys pass unchanged";
    });
}

TEST_F(UBootTest, CancelClosesTheWindow) {
    Show([&] {
        FBoot->Btn_Cancel->Click();
        EXPECT_EQ(FBoot->ModalResult(), mrCancel);
    });
}

TEST_F(UBootTest, ABadAddressIsRefusedWithoutAPing) {
    const std::array<std::string, 4> addresses[] = {{"192", "168", "2", "256"},
                                                    {"", "168", "2", "1"},
                                                    {"192", "x", "2", "1"},
                                                    {"a", "b", "c", "d"},
                                                    {"1", "2", "3", "4.5"}};
    for (const auto& address : addresses) {
        Seam().Reset();
        Seam().SetActive(true);
        Show([&] {
            Type_Address(address);
            FBoot->Btn_Update->Click();
            EXPECT_EQ(FBoot->ModalResult(), mrNone) << "the window stays open";
        });
        ASSERT_EQ(Seam().Messages().size(), 1u) << address[0];
        EXPECT_EQ(Seam().Messages()[0].Text, "Error!!! Check the Ip Address");
        EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
        EXPECT_EQ(FBoot->Device_Update.ping_res, 0) << "an echo was sent";
    }
    EXPECT_FALSE(FileExists(Program_Folder.Job_File()));
    EXPECT_EQ(AppState().Last_IP_Address, "192.168.2.205");
    EXPECT_EQ(AppState().Update_Option_Index, 0);
}

TEST_F(UBootTest, ATypedAddressIsPingedAndKeptAsDottedDecimal) {
    Program_Folder.Install_Updater();
    std::string pinged;
    FBoot->Device_Update.Echo = [&](const std::string& address) {
        pinged = address;
        return 8 + 1024;
    };
    Show([&] {
        // Blanks and a hex part pass Split_IP; the device and the updater get plain dotted decimal.
        Type_Address({" 127", "0", "0x0", "1 "});
        FBoot->Btn_Update->Click();
    });
    EXPECT_TRUE(Seam().Messages().empty());
    EXPECT_EQ(pinged, "127.0.0.1");
    EXPECT_EQ(AppState().Last_IP_Address, "127.0.0.1");
    TXMLDocument document;
    document.LoadFromString(ReadFileBytes(Program_Folder.Job_File()));
    EXPECT_EQ(document.DocumentElement().ChildNode("IP_Address_Dev").Text(), "127.0.0.1");
}

struct TPing_Report_Case {
    const char* Name;
    int Reply_Size;
    std::function<void()> Fault;
    const char* Text;
    TMsgDlgType Kind;
};

class UBootPingReportTest : public UBootTest,
                            public ::testing::WithParamInterface<TPing_Report_Case> {};

TEST_P(UBootPingReportTest, APingThatFailsIsToldAndTheWindowStaysOpen) {
    const TPing_Report_Case& c = GetParam();
    Program_Folder.Install_Updater();
    FBoot->Device_Update.Ping_Budget = std::chrono::milliseconds(50);
    TScripted_Echo& echo = Script_Echo();
    echo.Reply_Size = c.Reply_Size;
    echo.Fault = c.Fault;
    Show([&] {
        Type_Address({"127", "0", "0", "1"});
        FBoot->Btn_Update->Click();
        EXPECT_EQ(FBoot->ModalResult(), mrNone);
        EXPECT_TRUE(FBoot->Enabled());
    });
    ASSERT_EQ(Seam().Messages().size(), 1u);
    EXPECT_EQ(Seam().Messages()[0].Text, c.Text);
    EXPECT_EQ(Seam().Messages()[0].Kind, c.Kind);
    EXPECT_FALSE(FileExists(Program_Folder.Job_File()));
    EXPECT_FALSE(FileExists(Program_Folder.Log_File())) << "the updater ran";
    EXPECT_EQ(AppState().Last_IP_Address, "192.168.2.205");
}

INSTANTIATE_TEST_SUITE_P(
    Echoes, UBootPingReportTest,
    ::testing::Values(
        TPing_Report_Case{"no_reply", 0, nullptr, "Device Not Found!", mtWarning},
        TPing_Report_Case{"socket_error", 0,
                          [] { throw Exception("Cannot send an echo request to 127.0.0.1"); },
                          "Error!!! Check the Ip Address", mtError},
        TPing_Report_Case{"no_icmp_permission", 0,
                          [] { throw EIcmpNotPermitted("ICMP echo is not allowed for this user"); },
                          "Cannot send the ping: this user may not open ICMP sockets. Allow it "
                          "with: sysctl -w net.ipv4.ping_group_range=\"0 2147483647\" (or run "
                          "as root).",
                          mtError}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(UBootTest, AnAnsweringDeviceGetsTheJobWithTheChoiceMadeAndTheValuesAreKept) {
    REQUIRE_ICMP();
    Program_Folder.Install_Updater();
    Show([&] {
        Type_Address({"127", "0", "0", "1"});
        FBoot->CB_Update_Options->SetItemIndex(Update_Firmware);
        FBoot->CB_Update_Option_Read_Back->SetChecked(false);
        FBoot->Btn_Update->Click();
        EXPECT_EQ(FBoot->ModalResult(), mrNone) << "the window stays open after the update";
        EXPECT_TRUE(FBoot->Enabled());
    });
    EXPECT_TRUE(Seam().Messages().empty());
    EXPECT_EQ(FBoot->Device_Update.ping_res, 1);
    EXPECT_EQ(AppState().Last_IP_Address, "127.0.0.1");
    EXPECT_EQ(AppState().Update_Option_Index, Update_Firmware);
    EXPECT_FALSE(AppState().Update_Read_Back);

    const std::string job = ReadFileBytes(Program_Folder.Job_File());
    EXPECT_EQ(ReadFileBytes(Program_Folder.Log_File()), job)
        << "the updater did not run on the job";
    TXMLDocument document;
    document.LoadFromString(job);
    const auto operations =
        document.DocumentElement().ChildNode("Operations").ChildElements("Operation");
    ASSERT_EQ(operations.size(), 2u);
    EXPECT_EQ(operations[0].ChildNode("Ope_Start_Address").Text(), "0x8000");
    EXPECT_EQ(operations[1].ChildNode("Ope_Start_Address").Text(), "0xC0000");
    EXPECT_EQ(operations[1].ChildNode("Ope_Read_Back").Text(), "0");

    // The next showing brings the values of the update back.
    Show([&] {
        EXPECT_EQ(Shown_Address(), (std::array<std::string, 4>{"127", "0", "0", "1"}));
        EXPECT_EQ(FBoot->CB_Update_Options->ItemIndex(), Update_Firmware);
        EXPECT_FALSE(FBoot->CB_Update_Option_Read_Back->Checked());
    });
}

TEST_F(UBootTest, AMissingUpdaterIsShown) {
    Script_Echo();
    Show([&] {
        Type_Address({"127", "0", "0", "1"});
        FBoot->Btn_Update->Click();
    });
    ASSERT_EQ(Seam().Messages().size(), 1u);
    EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
    EXPECT_NE(Seam().Messages()[0].Text.find(Ethernet_Update_Program(Program_Folder.Path())),
              std::string::npos)
        << Seam().Messages()[0].Text;
    EXPECT_TRUE(FileExists(Program_Folder.Job_File()));
}

TEST_F(UBootTest, AJobFileThatCannotBeWrittenIsReportedAndTheUpdaterNotStarted) {
    Script_Echo();
    Program_Folder.Install_Updater();
    fs::create_directories(Program_Folder.Job_File()); // a folder where the file should go
    Show([&] {
        Type_Address({"127", "0", "0", "1"});
        FBoot->Btn_Update->Click();
        EXPECT_TRUE(FBoot->Enabled());
        EXPECT_FALSE(FBoot->Busy());
    });
    ASSERT_EQ(Seam().Messages().size(), 1u);
    EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
    EXPECT_NE(Seam().Messages()[0].Text.find(Ethernet_Update_Job_File), std::string::npos)
        << Seam().Messages()[0].Text;
    EXPECT_FALSE(FileExists(Program_Folder.Log_File()));
}

TEST_F(UBootTest, AnUpdaterThatOutlastsTheLimitIsLeftRunningAndSaidSo) {
    Script_Echo();
    Program_Folder.Install_Updater();
    ::setenv("ETHERNET_UPDATE_STUB_DELAY_MS", "30000", 1);
    FBoot->Device_Update.Updater_Time_Limit = std::chrono::milliseconds(200);
    Show([&] {
        Type_Address({"127", "0", "0", "1"});
        FBoot->Btn_Update->Click();
    });
    const int updater = FBoot->Last_Update.Updater_Process_Id;
    ASSERT_GT(updater, 0);
    EXPECT_EQ(::kill(updater, 0), 0) << "the updater was not left running";
    ::kill(updater, SIGKILL);
    ASSERT_EQ(Seam().Messages().size(), 1u);
    EXPECT_EQ(Seam().Messages()[0].Kind, mtWarning);
    EXPECT_NE(Seam().Messages()[0].Text.find("left running"), std::string::npos);
}

TEST_F(UBootTest, ButtonsAndCloseDoNothingWhileTheUpdaterRuns) {
    Script_Echo();
    Program_Folder.Install_Updater();
    ::setenv("ETHERNET_UPDATE_STUB_DELAY_MS", "400", 1);
    int probes = 0;
    bool busy_seen = true;
    bool busy_cursor_seen = true;
    bool enabled_seen = false;
    // A timer of the test presses everything while the updater runs; a second update would
    // find the broken address and say so.
    TTimer probe(nullptr);
    probe.SetInterval(20);
    probe.SetOnTimer([&](TObject*) {
        ++probes;
        busy_seen = busy_seen && FBoot->Busy();
        busy_cursor_seen = busy_cursor_seen && Screen->Cursor() == crHourGlass;
        enabled_seen = enabled_seen || FBoot->Enabled();
        FBoot->E_IP4->SetText("x");
        FBoot->Btn_Update->Click();
        FBoot->Btn_Cancel->Click();
        FBoot->Close();
    });
    Show([&] {
        Type_Address({"127", "0", "0", "1"});
        probe.SetEnabled(true);
        FBoot->Btn_Update->Click();
        probe.SetEnabled(false);
        EXPECT_EQ(FBoot->ModalResult(), mrNone) << "a close asked for during the update was kept";
        EXPECT_TRUE(FBoot->Enabled());
    });
    ASSERT_GT(probes, 0) << "the test timer never ran during the update";
    EXPECT_TRUE(busy_seen);
    EXPECT_TRUE(busy_cursor_seen) << "the busy cursor did not show while the updater ran";
    EXPECT_EQ(Screen->Cursor(), crDefault) << "the cursor was not given back";
    EXPECT_FALSE(enabled_seen) << "the window took input while the updater ran";
    EXPECT_TRUE(Seam().Messages().empty()) << Seam().Messages()[0].Text;
    EXPECT_EQ(AppState().Last_IP_Address, "127.0.0.1");
}

} // namespace
