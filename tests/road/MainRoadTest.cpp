// The configurator's main road as a person walks it, on the windows the program creates: a new
// configuration, its communication settings, HART variables typed by hand and imported from a
// scan of the gateway simulator, the GSD file and the device update through the stand-in updater.
// Every step is a click or a key delivered to the windows' own controls; message boxes, the file
// dialog and the modal runs go through the application's test seam.
#include "app/controls/GlyphButton.h"
#include "app/core/AppState.h"
#include "app/program/ProgramWindows.h"
#include "app/windows/UBoot.h"
#include "app/windows/UHARTVariables.h"
#include "app/windows/UHART_Scan.h"
#include "app/windows/UNew_Project.h"
#include "app/windows/UParGen.h"
#include "app/windows/UVelmaroFirmWare.h"
#include "devicelink/Ethernet_Update_Job.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/Files.h"
#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Panel.h"
#include "platform/xml/XmlDocument.h"
#include "tests/devicelink/UpdaterProgramFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;
using TCol = TFHARTVariables::TColumn;

// The gateway simulator program on a port the system picks; ended with the object.
class TSimulator_Process {
public:
    TSimulator_Process(const std::string& devices_file) {
        int out[2];
        if (::pipe(out) != 0)
            throw std::runtime_error("no pipe for the simulator");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const std::string program =
            std::string(VELMARO_TOOLS_DIR) + "/hart_simulator/hart_simulator";
        std::vector<std::string> arguments = {program,      "--port",       "0", "--devices",
                                              devices_file, "--busy-polls", "0"};
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        const int spawned =
            posix_spawn(&FPid, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        FOutput = out[0];
        if (spawned != 0)
            throw std::runtime_error("the simulator did not start: " +
                                     std::string(strerror(spawned)));
        // "HART gateway simulator on 127.0.0.1:<port> with ..."
        const std::string banner = Read_Line(10s);
        const size_t colon = banner.find("127.0.0.1:");
        if (colon != std::string::npos)
            FPort = static_cast<uint16_t>(std::stoi(banner.substr(colon + 10)));
    }
    ~TSimulator_Process() {
        if (FPid > 0) {
            ::kill(FPid, SIGTERM);
            ::waitpid(FPid, nullptr, 0);
        }
        ::close(FOutput);
    }
    TSimulator_Process(const TSimulator_Process&) = delete;
    TSimulator_Process& operator=(const TSimulator_Process&) = delete;

    uint16_t Port() const { return FPort; }

    // The commands the simulator reports having received ("<- F_TEST" lines), read until `last`
    // is among them: the simulator reports what it heard a tenth of a second at a time, so the
    // last requests of a finished scan may still be on their way.
    std::vector<std::string> Requests_Through(const std::string& last) {
        const auto until = std::chrono::steady_clock::now() + 10s;
        while (std::find(FRequests.begin(), FRequests.end(), last) == FRequests.end()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            const std::string line = Read_Line(std::max(left, 0ms));
            if (line.empty())
                break;
            if (line.rfind("<- ", 0) == 0)
                FRequests.push_back(line.substr(3));
        }
        return FRequests;
    }

private:
    // One line of the simulator's output, empty when none came within `wait`.
    std::string Read_Line(std::chrono::milliseconds wait) {
        const auto until = std::chrono::steady_clock::now() + wait;
        for (;;) {
            const size_t end = FPending.find('\n');
            if (end != std::string::npos) {
                std::string line = FPending.substr(0, end);
                FPending.erase(0, end + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            pollfd ready{FOutput, POLLIN, 0};
            if (::poll(&ready, 1, static_cast<int>(std::max<int64_t>(left.count(), 0))) <= 0)
                return {};
            char buffer[512];
            const ssize_t got = ::read(FOutput, buffer, sizeof buffer);
            if (got <= 0)
                return {};
            FPending.append(buffer, static_cast<size_t>(got));
        }
    }

    pid_t FPid = 0;
    int FOutput = -1;
    uint16_t FPort = 0;
    std::string FPending;
    std::vector<std::string> FRequests;
};

class MainRoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        Program.Install_Updater();
        TFVelmaroFirmWare::Program_Folder = Program.Path();
        Seam().OnModalShow = [this](TForm* form) {
            auto play = Plays.find(form);
            ASSERT_NE(play, Plays.end()) << form->Name() << " opened unasked";
            play->second();
        };
        // As the program block creates them.
        Application->CreateForm(FVelmaroFirmWare);
        Create_Other_Windows();
    }

    void TearDown() override {
        Seam().OnModalShow = nullptr;
        TFVelmaroFirmWare::Program_Folder.clear();
    }

    static TTestSeam& Seam() { return Application->TestSeam(); }

    // What the user does while `form` is shown modally.
    void When_Shown(TForm* form, std::function<void()> play) { Plays[form] = std::move(play); }

    // --- the user's hands -------------------------------------------------------------------

    static void Click_On(TControl* control) {
        InputSimulation::Click(control, {control->Width() / 2, control->Height() / 2});
    }

    // The control of `form` that has the keyboard.
    static TControl* Keyboard(TForm* form) {
        TControl* focused = form->ActiveControl();
        return focused ? focused : form;
    }

    static void Type(TForm* form, const std::string& text) {
        for (char ch : text)
            InputSimulation::TypeChar(Keyboard(form), static_cast<TChar>(ch));
    }

    static void Press(TForm* form, WORD key, TShiftState shift = {}) {
        InputSimulation::KeyPress(Keyboard(form), key, 0, shift);
    }

    // Enter types a carriage return as well.
    static void Press_Enter(TForm* form) { InputSimulation::TypeChar(Keyboard(form), '\r'); }

    // Clicks into the edit, selects what it holds and types over it.
    static void Type_Over(TEdit* edit, const std::string& text) {
        Click_On(edit);
        InputSimulation::KeyPress(edit, 'A', 0, TShiftState{ssCtrl});
        for (char ch : text)
            InputSimulation::TypeChar(edit, static_cast<TChar>(ch));
    }

    static void Type_Address(const std::vector<TEdit*>& octets, const std::string& dotted) {
        size_t from = 0;
        for (TEdit* octet : octets) {
            const size_t dot = dotted.find('.', from);
            Type_Over(octet, dotted.substr(from, dot - from));
            from = dot + 1;
        }
    }

    // --- the HART variables grid ------------------------------------------------------------

    TExStringGrid* Grid() const { return FHARTVariables->ESG; }

    void Click_Cell(int col, int row) {
        const TRect cell = Grid()->CellRect(col, row);
        InputSimulation::Click(Grid(),
                               {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
    }

    // Clicks the cell, types the text and confirms it with Enter.
    void Type_Cell(int col, int row, const std::string& text) {
        Click_Cell(col, row);
        Type(FHARTVariables, text);
        Press_Enter(FHARTVariables);
    }

    // Opens the cell's combo, drops its list with Alt+Down, walks to the item with the arrow keys
    // and takes it with Enter.
    void Pick_From_List(int col, int row, const std::string& item) {
        // The first click makes the cell current, the second opens its list editor.
        Click_Cell(col, row);
        Click_Cell(col, row);
        Press(FHARTVariables, VK_DOWN, TShiftState{ssAlt});
        const TStringList& items =
            col == TCol::Col_Type ? FHARTVariables->Type_SL : FHARTVariables->Operations_SL;
        const int wanted = items.IndexOf(item);
        ASSERT_GE(wanted, 0) << item;
        int at = items.IndexOf(Grid()->Cells(col, row));
        if (at < 0)
            at = 0;
        for (; at < wanted; ++at)
            Press(FHARTVariables, VK_DOWN);
        for (; at > wanted; --at)
            Press(FHARTVariables, VK_UP);
        Press_Enter(FHARTVariables);
        ASSERT_EQ(Grid()->Cells(col, row), item) << "column " << col << " row " << row;
    }

    // Opens the cell's combo, drops its list with a click on the combo's arrow and clicks the
    // item; the editor stays open.
    void Click_In_List(int col, int row, const std::string& item) {
        Click_Cell(col, row);
        Click_Cell(col, row);
        TControl* combo = Keyboard(FHARTVariables);
        InputSimulation::Click(combo, {combo->Width() - 6, combo->Height() / 2});
        const TStringList& items =
            col == TCol::Col_Type ? FHARTVariables->Type_SL : FHARTVariables->Operations_SL;
        InputSimulation::ClickListItem(combo, items.IndexOf(item));
        // The cell takes the pick when the editor is left.
        auto* shown = dynamic_cast<TComboBox*>(combo);
        ASSERT_NE(shown, nullptr) << "no combo opened in column " << col << " row " << row;
        ASSERT_EQ(shown->Text(), item) << "column " << col << " row " << row;
    }

    // A row as a person types it: every cell the row needs, the Type and Operation from lists.
    void Type_Row(int row, const std::string& address, const std::string& number,
                  const std::string& position, const std::string& operation,
                  const std::string& timeout, const std::string& mnemonic) {
        Type_Cell(TCol::Col_Device_Address, row, address);
        Type_Cell(TCol::Col_Preamble_Count, row, "5");
        Pick_From_List(TCol::Col_Type, row, "Var");
        Type_Cell(TCol::Col_Var_Cmd_Number, row, number);
        Type_Cell(TCol::Col_Position, row, position);
        Pick_From_List(TCol::Col_Operations, row, operation);
        Type_Cell(TCol::Col_TimeOut, row, timeout);
        Type_Cell(TCol::Col_Mnemonic, row, mnemonic);
    }

    // --- what the road leaves behind ------------------------------------------------------------

    // The mnemonic of an imported variable: the device's name as its record holds it (32
    // characters, blank-padded), then the variable's name.
    static std::string Scanned(const std::string& variable) {
        std::string name = "TT-ROAD";
        name.resize(32, ' ');
        return name + " - " + variable;
    }

    // One row of HART_Variables.xml: enabled, preamble 5, type "Var", Swap and Conv Int off.
    static std::string Row_Xml(const std::string& address, const std::string& number,
                               const std::string& params, const std::string& position,
                               const std::string& operation, const std::string& timeout,
                               const std::string& mnemonic) {
        return "<row Enable=\"Y\" Device_Address=\"" + address +
               "\" Preamble_Count=\"5\" Var_Cmd_Type=\"Var\" Var_Cmd_Number=\"" + number +
               "\" Cmd_Params=\"" + params + "\" Position=\"" + position +
               "\" Swap=\"N\" ConvInt=\"N\" Var_Operation=\"" + operation + "\" TimeOut=\"" +
               timeout + "\" Mnemonic=\"" + mnemonic + "\"/>";
    }

    static std::string Read(const std::string& path) { return TTempFolder::Read(path); }

    static uint32_t U32(const std::string& bytes, size_t at) {
        uint32_t value = 0;
        for (size_t i = 0; i < 4; ++i)
            value |= uint32_t(uint8_t(bytes.at(at + i))) << (8 * i);
        return value;
    }
    static uint64_t U64(const std::string& bytes, size_t at) {
        return U32(bytes, at) | uint64_t(U32(bytes, at + 4)) << 32;
    }

    TUpdaterProgramFolder Program;
    std::map<TForm*, std::function<void()>> Plays;
    std::vector<std::string> Rows_After_Import;
};

TEST_F(MainRoadTest, FromANewConfigurationToTheDeviceUpdate) {
    TFVelmaroFirmWare* main = FVelmaroFirmWare;
    const TTempFolder scratch;
    const std::string devices =
        scratch.Write("devices.txt", "0x0A0B0C0D0E | 5 | TT-ROAD | 246:64:32 247:64:32\n");
    TSimulator_Process gateway(devices);
    ASSERT_NE(gateway.Port(), 0) << "the simulator told no port";
    // The gateway's port is fixed in the product; only its stand-in here answers elsewhere.
    FHART_Scan->Scan_Link.Gateway_Port = gateway.Port();

    // Step 1: a new configuration.
    When_Shown(FNew_Project, [&] {
        Click_On(FNew_Project->E_New_Proj);
        Type(FNew_Project, "Road");
        Press_Enter(FNew_Project);
    });
    Click_On(main->Btn_New);
    const TAppState& state = AppState();
    ASSERT_EQ(state.Project_Name, "Road");
    ASSERT_TRUE(DirectoryExists(state.Project_Path));

    // Step 2: the gateway's address.
    When_Shown(FParGen, [&] {
        Type_Address({FParGen->E_Ethernet_IP1, FParGen->E_Ethernet_IP2, FParGen->E_Ethernet_IP3,
                      FParGen->E_Ethernet_IP4},
                     "127.0.0.1");
        Click_On(FParGen->Btn_OK);
    });
    Click_On(main->Btn_Prm_Gen);
    ASSERT_TRUE(Seam().Messages().empty()) << Seam().Messages().front().Text;
    ASSERT_TRUE(FileExists(state.ParGen_File));

    // Step 3: two rows by hand, one of them a command for a while; a row inserted between them;
    // the scanned variables appended; positions filled; OK.
    When_Shown(FHART_Scan, [&] {
        EXPECT_EQ(FHART_Scan->E_Discovery_IP1->Text(), "127");
        EXPECT_EQ(FHART_Scan->E_Discovery_IP4->Text(), "1");
        Click_On(FHART_Scan->Btn_StartScan);
        const auto until = std::chrono::steady_clock::now() + 30s;
        while (!FHART_Scan->P_HART_View_Vars->Visible() && !FHART_Scan->Btn_ScanAgain->Visible() &&
               std::chrono::steady_clock::now() < until) {
            Application->ProcessMessages();
            std::this_thread::sleep_for(5ms);
        }
        ASSERT_TRUE(FHART_Scan->P_HART_View_Vars->Visible()) << "the scan did not list results";
        ASSERT_EQ(FHART_Scan->ESG->RowCount(), 3) << "one device with two known variables";
        Click_On(FHART_Scan->Btn_OK);
    });
    When_Shown(FHARTVariables, [&] {
        Type_Row(1, "0x1A", "246", "0", "None", "1000", "Hand 1");
        if (HasFatalFailure())
            return;
        Type_Row(2, "0x2B", "247", "4", "None", "500", "Hand 2");
        if (HasFatalFailure())
            return;

        // Row 2 becomes a command with its parameters, then a variable again.
        Pick_From_List(TCol::Col_Type, 2, "Command");
        Type_Cell(TCol::Col_Params, 2, "0A0B");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Params, 2), "0A0B") << "a command row takes params";
        Click_In_List(TCol::Col_Type, 2, "Var");
        Pick_From_List(TCol::Col_Operations, 2, "x 10");
        if (HasFatalFailure())
            return;
        EXPECT_EQ(Grid()->Cells(TCol::Col_Type, 2), "Var");

        Click_Cell(TCol::Col_Device_Address, 2);
        Click_On(FHARTVariables->Btn_InsRow);
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 2), "");
        EXPECT_EQ(Grid()->Cells(TCol::Col_Device_Address, 3), "0x2B");

        Seam().QueueAnswer(mrNo); // keep the rows: append the scanned ones
        Click_On(FHARTVariables->Btn_Scan);
        for (int row = 1; row <= 5; ++row)
            Rows_After_Import.push_back(Grid()->Cells(TCol::Col_Device_Address, row));

        // The imported rows need a position, an operation and a time-out.
        int position = 8;
        for (int row = 1; row <= 5; ++row) {
            if (Grid()->Cells(TCol::Col_Mnemonic, row).rfind("TT-ROAD", 0) != 0)
                continue;
            Type_Cell(TCol::Col_Position, row, std::to_string(position));
            position += 4;
            Pick_From_List(TCol::Col_Operations, row, "None");
            Type_Cell(TCol::Col_TimeOut, row, "2000");
        }
        Click_On(FHARTVariables->Btn_OK);
    });
    Click_On(main->Btn_HART_Variables);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(Seam().ModalForms(), (std::vector<std::string>{"FNew_Project", "FParGen",
                                                             "FHARTVariables", "FHART_Scan"}));
    const std::vector<std::string> requests = gateway.Requests_Through("F_READ00");
    ASSERT_GE(requests.size(), 3u);
    EXPECT_EQ(requests.front(), "F_FULL_64");
    EXPECT_EQ(requests.back(), "F_READ00");
    std::vector<std::string> shown;
    for (const TShownMessage& message : Seam().Messages())
        shown.push_back(message.Text);
    EXPECT_EQ(shown, std::vector<std::string>{"Do you want to overwrite the existing variables?"});
    EXPECT_EQ(Rows_After_Import,
              (std::vector<std::string>{"0x1A", "0x0A0B0C0D0E", "0x2B", "0x0A0B0C0D0E", ""}))
        << "the import fills the inserted row and the free rows below, never a typed one";
    const std::string expected_rows =
        Row_Xml("0x1A", "246", "", "0", "None", "1000", "Hand 1") +
        Row_Xml("0x0A0B0C0D0E", "246", "", "8", "None", "2000", Scanned("Primary Variable")) +
        Row_Xml("0x2B", "247", "0A0B", "4", "x 10", "500", "Hand 2") +
        Row_Xml("0x0A0B0C0D0E", "247", "", "12", "None", "2000", Scanned("Secondary Variable"));
    EXPECT_EQ(Read(state.HART_Variables_File),
              "<HART><HART_Variables>" + expected_rows +
                  "</HART_Variables></HART><!--SW_VERSION = 1.000-->");

    // Step 4: the GSD file.
    const std::string gsd = state.Project_Path + "/Road.gsd";
    Seam().QueueFileName(gsd);
    Click_On(main->Btn_PROFIBUS_GSD);
    EXPECT_GT(Read(gsd).size(), 0u);

    // Step 5: the banks, then the update through the stand-in updater.
    When_Shown(FBoot, [&] {
        if (!Icmp_Refusal().empty()) {
            // This user may send no echo request: the device's answers come from its stand-in.
            FBoot->Device_Update.Echo = [](const std::string&) { return 8 + 1024; };
        }
        Type_Address({FBoot->E_IP1, FBoot->E_IP2, FBoot->E_IP3, FBoot->E_IP4}, "127.0.0.1");
        Click_On(FBoot->Btn_Update);
        Click_On(FBoot->Btn_Cancel);
    });
    Click_On(main->Btn_CreateBin);
    EXPECT_EQ(Seam().ModalForms().back(), "FBoot");
    EXPECT_EQ(Seam().Messages().size(), 1u) << Seam().Messages().back().Text;

    const std::string bank1 = Read(state.Project_Path + "/bin/bank1.bin");
    ASSERT_EQ(bank1.size(), 2048u);
    EXPECT_EQ(bank1.substr(40, 4), std::string("\x7F\x00\x00\x01", 4)) << "the device's address";
    EXPECT_EQ(U32(bank1, 1536), 0x80000u) << "where the HART bank goes";
    uint32_t sum = 0;
    for (size_t i = 0; i < 2044; ++i)
        sum += uint8_t(bank1[i]);
    EXPECT_EQ(U32(bank1, 2044), sum);

    // Four entries of 76 bytes after the 36-byte header, then the one row's parameter bytes.
    const std::string bank2 = Read(state.Project_Path + "/bin/bank2.bin");
    ASSERT_EQ(bank2.size(), 36u + 4 * 76 + 2);
    EXPECT_EQ(U32(bank2, 0), 4u);
    EXPECT_EQ(U32(bank2, 4), 0x80000u + 36);
    struct Entry {
        uint64_t Address;
        uint32_t Number, Position, Operation, TimeOut, Params;
    };
    const Entry entries[] = {{0x1A, 246, 0, 0, 1000, 0},
                             {0x0A0B0C0D0E, 246, 8, 0, 2000, 0},
                             {0x2B, 247, 4, 8, 500, 2},
                             {0x0A0B0C0D0E, 247, 12, 0, 2000, 0}};
    uint32_t params_at = 0x80000 + 36 + 4 * 76;
    for (size_t i = 0; i < std::size(entries); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const size_t at = 36 + 76 * i;
        EXPECT_EQ(U64(bank2, at), entries[i].Address);
        EXPECT_EQ(U32(bank2, at + 8), 5u) << "preamble";
        EXPECT_EQ(U32(bank2, at + 12), 0u) << "Var";
        EXPECT_EQ(U32(bank2, at + 16), entries[i].Number);
        EXPECT_EQ(U32(bank2, at + 48), entries[i].TimeOut);
        EXPECT_EQ(U32(bank2, at + 60), params_at);
        EXPECT_EQ(U32(bank2, at + 64), entries[i].Params);
        EXPECT_EQ(U32(bank2, at + 68), entries[i].Position);
        EXPECT_EQ(U32(bank2, at + 72), entries[i].Operation);
        params_at += entries[i].Params;
    }
    EXPECT_EQ(bank2.substr(36 + 4 * 76), std::string("\x0A\x0B", 2));

    // The job names both banks and the device's address, and the updater was started on it.
    std::string job =
        Read(std::string(VELMARO_FIXTURES) + "/devicelink/job_firmware_and_configuration.xml");
    ASSERT_FALSE(job.empty());
    auto replace_all = [&job](const std::string& from, const std::string& to) {
        for (size_t at = 0; (at = job.find(from, at)) != std::string::npos; at += to.size())
            job.replace(at, from.size(), to);
    };
    replace_all("/opt/velmaro/MASTER", state.Master_Dir);
    replace_all("/opt/velmaro/PROJECTS/Plant A", state.Project_Path);
    replace_all("192.168.2.205", "127.0.0.1");
    EXPECT_EQ(Read(Program.Job_File()), job);
    EXPECT_EQ(Read(Program.Log_File()), job) << "the updater read the job";
}

} // namespace
