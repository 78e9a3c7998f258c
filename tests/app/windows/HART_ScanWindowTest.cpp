// The HART scan dialog against the gateway simulator, in-process on the loopback address, with
// the worker's clock in the test's hand.
#include "WindowsFixture.h"

#include "app/controls/GlyphButton.h"
#include "app/core/ParGenFile.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "tests/devicelink/HART_Scan_Probe.h"
#include "tests/devicelink/HART_Stepped_Clock.h"
#include "tools/hart_simulator/HartGatewaySimulator.h"
#include "tools/hart_simulator/SimulatorOptions.h"

#include <chrono>
#include <functional>
#include <thread>

namespace {

class HART_ScanWindowTest : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        Create_Windows_With_Configuration("Plant");
        Settings.Port = 0;
        Settings.Devices = DefaultDevices();
        Settings.BusyPolls = 0;
    }

    void TearDown() override {
        Seam().OnModalShow = nullptr;
        WindowsFixture::TearDown();
        Gateway.reset();
    }

    // Starts the simulated gateway and points the dialog's worker at it.
    void Start_Gateway() {
        Gateway = std::make_unique<THartGatewaySimulator>(Settings);
        Gateway->Start();
        FHART_Scan->Scan_Link = THART_Scan_Link{Gateway->Port(), "127.0.0.1", Clock};
    }

    // The gateway's address typed into the dialog.
    void Type_Loopback_Address() {
        FHART_Scan->E_Discovery_IP1->SetText("127");
        FHART_Scan->E_Discovery_IP2->SetText("0");
        FHART_Scan->E_Discovery_IP3->SetText("0");
        FHART_Scan->E_Discovery_IP4->SetText("1");
    }

    // Presses Start Scan and steps the worker until the dialog shows the results or the failure.
    // While an answer is on its way time runs as for real; pauses and time-outs pass at once.
    void Run_Scan(long maxTicks = 20000) {
        TFHART_Scan* d = FHART_Scan;
        d->Btn_StartScanClick(d->Btn_StartScan);
        auto ended = [d] { return d->P_HART_View_Vars->Visible() || d->Btn_ScanAgain->Visible(); };
        while (!ended() && Clock->Ticks() < maxTicks) {
            const THART_Scan_State state = d->TR_HART_Scan->State();
            if (THART_Scan_Probe::Awaits_Reply(state.Step) && !state.Reply_Arrived &&
                !Settings.Silent) {
                const auto giveUp =
                    std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
                while (!d->TR_HART_Scan->State().Reply_Arrived &&
                       std::chrono::steady_clock::now() < giveUp)
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
            Clock->Step();
        }
        ASSERT_TRUE(ended()) << "the scan never ended";
    }

    // Shows the dialog modally; `while_shown` plays the user once the worker waits.
    TModalResult Show_Scan(const std::function<void()>& while_shown) {
        Seam().OnModalShow = [&](TForm* form) {
            if (form != FHART_Scan)
                return;
            Clock->Wait_For_Worker();
            while_shown();
        };
        return FHART_Scan->ShowModal();
    }

    bool Ticked(int row) {
        bool ticked = false;
        return FHART_Scan->ESG->GetCheckBoxState(1, row, ticked) && ticked;
    }

    TSimulatorSettings Settings;
    std::unique_ptr<THartGatewaySimulator> Gateway;
    std::shared_ptr<THART_Stepped_Clock> Clock = std::make_shared<THART_Stepped_Clock>();
};

TEST_F(HART_ScanWindowTest, ListsEveryKnownVariableOfEachDeviceWithAlternatingColours) {
    Start_Gateway();
    Type_Loopback_Address();
    Show_Scan([&] {
        EXPECT_TRUE(FHART_Scan->P_HART_Init_Scan->Visible());
        EXPECT_TRUE(FHART_Scan->Btn_StartScan->Visible());
        Run_Scan();
        TExStringGrid* g = FHART_Scan->ESG;
        ASSERT_TRUE(FHART_Scan->P_HART_View_Vars->Visible());
        // Three devices with two known variables each; the third's code 7 is not listed.
        ASSERT_EQ(g->RowCount(), 7);
        EXPECT_EQ(g->Cells(2, 1), "0x1234ABCDEF");
        EXPECT_EQ(g->Cells(3, 1), "5");
        EXPECT_EQ(g->Cells(4, 1), "TT-101 REACTOR TEMP             ");
        EXPECT_EQ(g->Cells(5, 1), "Primary Variable");
        EXPECT_EQ(g->Cells(6, 1), "Temperature");
        EXPECT_EQ(g->Cells(7, 1), "\xC2\xB0"
                                  "C (degrees Celsius)");
        EXPECT_EQ(g->Cells(5, 6), "Quaternary Variable");
        const TColor colours[] = {0x00FEFAE0, 0x00FEFAE0, 0x00A8FFA8,
                                  0x00A8FFA8, 0x00FEFAE0, 0x00FEFAE0};
        for (int r = 1; r <= 6; ++r) {
            EXPECT_TRUE(Ticked(r)) << r;
            EXPECT_EQ(g->Cells(0, r), std::to_string(r));
            EXPECT_EQ(g->Colors(4, r), colours[r - 1]) << r;
            EXPECT_TRUE(g->ReadOnly(5, r));
        }
        const std::pair<TGlyphButton*, int> shown[] = {{FHART_Scan->Btn_OK, 16},
                                                       {FHART_Scan->Btn_Cancel, 167},
                                                       {FHART_Scan->Btn_SelectAll, 318},
                                                       {FHART_Scan->Btn_UnSelectAll, 469},
                                                       {FHART_Scan->Btn_ScanAgain, 620}};
        for (const auto& [button, left] : shown) {
            EXPECT_TRUE(button->Visible());
            EXPECT_EQ(button->Left(), left);
        }
        FHART_Scan->Btn_SelectAllClick(FHART_Scan->Btn_UnSelectAll);
        for (int r = 1; r <= 6; ++r)
            EXPECT_FALSE(Ticked(r));
        FHART_Scan->Btn_SelectAllClick(FHART_Scan->Btn_SelectAll);
        EXPECT_TRUE(Ticked(4));
        FHART_Scan->Btn_ScanAgainClick(FHART_Scan->Btn_ScanAgain);
        EXPECT_TRUE(FHART_Scan->P_HART_Init_Scan->Visible());
        EXPECT_FALSE(FHART_Scan->P_HART_View_Vars->Visible());
        FHART_Scan->SetModalResult(mrCancel);
    });
    // Closing keeps the count of the scan and ends the worker.
    EXPECT_EQ(FHART_Scan->Num_Devices, 3);
    EXPECT_EQ(FHART_Scan->TR_HART_Scan, nullptr);
}

TEST_F(HART_ScanWindowTest, AFailedScanOffersScanAgain) {
    Settings.Silent = true;
    Start_Gateway();
    Type_Loopback_Address();
    Show_Scan([&] {
        Run_Scan();
        EXPECT_TRUE(FHART_Scan->P_HART_Scan_Wait->Visible());
        EXPECT_EQ(FHART_Scan->L_Discovery_Result->Caption(), "Search Finish with Errors");
        EXPECT_TRUE(FHART_Scan->Btn_ScanAgain->Visible());
        EXPECT_EQ(FHART_Scan->Btn_ScanAgain->Left(), 16);
        EXPECT_FALSE(FHART_Scan->Btn_OK->Visible());
    });
    EXPECT_EQ(FHART_Scan->Num_Devices, 0);
}

TEST_F(HART_ScanWindowTest, ClosingDuringAScanEndsTheWorkerAtOnce) {
    Start_Gateway();
    const TModalResult result = Show_Scan([&] {
        FHART_Scan->Btn_StartScanClick(FHART_Scan->Btn_StartScan);
        Clock->Step(3);
        EXPECT_TRUE(FHART_Scan->P_HART_Scan_Wait->Visible());
        FHART_Scan->SetModalResult(mrCancel);
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(FHART_Scan->TR_HART_Scan, nullptr);
    EXPECT_TRUE(Clock->Stopped());
}

TEST_F(HART_ScanWindowTest, TheDotKeyNeverTypesADotIntoTheAddress) {
    TEdit* octets[] = {FHART_Scan->E_Discovery_IP1, FHART_Scan->E_Discovery_IP2,
                       FHART_Scan->E_Discovery_IP3, FHART_Scan->E_Discovery_IP4};
    for (TEdit* octet : octets) {
        TChar key = u'.';
        FHART_Scan->KeyPress(octet, key);
        EXPECT_EQ(key, 0);
        TChar digit = u'7';
        FHART_Scan->KeyPress(octet, digit);
        EXPECT_EQ(digit, u'7');
    }
}

// The road from the HART variables window: its Scan button fills the address from ParGen.xml,
// and OK in the dialog imports the ticked rows.
class HART_ScanImportTest : public HART_ScanWindowTest {
protected:
    void SetUp() override {
        HART_ScanWindowTest::SetUp();
        TParGenValues values;
        values.Ethernet_IP = {"127", "0", "0", "1"};
        Write_ParGen_File(AppState().ParGen_File, values);
        Start_Gateway();
    }

    // Shows the HART variables window, presses Scan, and in the dialog scans and then `pick`s.
    void Scan_From_Variables(const std::function<void()>& pick) {
        Seam().OnModalShow = [&](TForm* form) {
            if (form == FHARTVariables) {
                FHARTVariables->ESG->SetCells(TFHARTVariables::Col_Device_Address, 1, "0x99");
                FHARTVariables->Btn_ScanClick(FHARTVariables->Btn_Scan);
                Rows = {FHARTVariables->ESG->Cells(TFHARTVariables::Col_Device_Address, 1),
                        FHARTVariables->ESG->Cells(TFHARTVariables::Col_Device_Address, 2),
                        FHARTVariables->ESG->Cells(TFHARTVariables::Col_Mnemonic, 2),
                        FHARTVariables->ESG->Cells(TFHARTVariables::Col_Device_Address, 7),
                        FHARTVariables->ESG->Cells(TFHARTVariables::Col_Device_Address, 8)};
            } else if (form == FHART_Scan) {
                Clock->Wait_For_Worker();
                Address = FHART_Scan->E_Discovery_IP1->Text() + "." +
                          FHART_Scan->E_Discovery_IP2->Text() + "." +
                          FHART_Scan->E_Discovery_IP3->Text() + "." +
                          FHART_Scan->E_Discovery_IP4->Text();
                Run_Scan();
                pick();
                FHART_Scan->SetModalResult(mrOk);
            }
        };
        FHARTVariables->ShowModal();
    }

    std::string Address;
    std::vector<std::string> Rows;
};

TEST_F(HART_ScanImportTest, OkAsksWhetherToOverwriteAndNoAppendsAfterTheFilledRows) {
    Seam().QueueAnswer(mrNo);
    Scan_From_Variables([] {});
    EXPECT_EQ(Address, "127.0.0.1");
    EXPECT_EQ(Shown_Messages(),
              std::vector<std::string>{"Do you want to overwrite the existing variables?"});
    EXPECT_EQ(Rows, (std::vector<std::string>{"0x99", "0x1234ABCDEF",
                                              "TT-101 REACTOR TEMP              - Primary Variable",
                                              "0x26A0000002", ""}));
}

TEST_F(HART_ScanImportTest, OverwriteAnsweredYesStartsAtTheFirstRow) {
    Seam().QueueAnswer(mrYes);
    Scan_From_Variables([] {});
    ASSERT_EQ(Rows.size(), 5u);
    EXPECT_EQ(Rows[0], "0x1234ABCDEF");
    EXPECT_EQ(Rows[4], "");
}

TEST_F(HART_ScanImportTest, UnselectAllImportsNothingAndAsksNothing) {
    Scan_From_Variables([] { FHART_Scan->Btn_SelectAllClick(FHART_Scan->Btn_UnSelectAll); });
    EXPECT_TRUE(Shown_Messages().empty());
    EXPECT_EQ(Rows, (std::vector<std::string>{"0x99", "", "", "", ""}));
}

} // namespace
