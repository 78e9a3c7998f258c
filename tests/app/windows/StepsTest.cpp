#include "WindowsFixture.h"

#include "app/controls/GlyphButton.h"
#include "app/core/ParGenFile.h"
#include "platform/ui/Timer.h"

#include <csignal>
#include <sys/stat.h>

namespace {

class StepsTest : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        std::filesystem::create_directories(Folder / "PROJECTS" / "Plant" / "bin");
        Create_Windows();
        Select_Project("Plant");
    }

    void Write_ParGen() {
        TParGenValues values;
        values.PROFINET_NB_IN = "0";
        values.PROFINET_NB_OUT = "10";
        Write_ParGen_File(AppState().ParGen_File, values);
    }

    void Press_GSD() { FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_PROFIBUS_GSD); }

    std::string Script(const std::string& name, const std::string& body) {
        const std::string path = Path(name);
        Write_File(path, "#!/bin/sh\n" + body + "\n");
        chmod(path.c_str(), 0755);
        return path;
    }
};

TEST_F(StepsTest, GsdNeedsTheGeneralParametersFirst) {
    Press_GSD();
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_EQ(Shown_Messages()[0],
              "Error! Please set the Set Communication Parameter before to create the GSD file");
    EXPECT_TRUE(Seam().FileDialogs().empty());
}

TEST_F(StepsTest, GsdAppendsTheExtensionAndStartsInTheConfiguration) {
    Write_ParGen();
    Seam().QueueFileName(Path("PROJECTS/Plant/Device"));
    Press_GSD();
    ASSERT_EQ(Seam().FileDialogs().size(), 1u);
    const TFileDialogRequest& asked = Seam().FileDialogs()[0];
    EXPECT_TRUE(asked.Save);
    EXPECT_EQ(asked.InitialDir, AppState().Project_Path);
    EXPECT_EQ(asked.Filter, "Generic Station Description (*.gsd)|*.gsd");
    const std::string text = Read_File(Path("PROJECTS/Plant/Device.gsd"));
    EXPECT_NE(text.find("Max_Module=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("0x42,0x09,0x00,0x01"), std::string::npos);
    EXPECT_TRUE(Shown_Messages().empty());
}

TEST_F(StepsTest, GsdKeepsAnExtensionInAnyCase) {
    Write_ParGen();
    Seam().QueueFileName(Path("PROJECTS/Plant/Device.GSD"));
    Press_GSD();
    EXPECT_TRUE(FileExists(Path("PROJECTS/Plant/Device.GSD")));
    EXPECT_FALSE(FileExists(Path("PROJECTS/Plant/Device.GSD.gsd")));
}

TEST_F(StepsTest, GsdAsksBeforeOverwriting) {
    Write_ParGen();
    const std::string target = Path("PROJECTS/Plant/Device.gsd");
    Write_File(target, "old");
    struct Case {
        int Answer;
        bool Overwritten;
    };
    for (const Case& c : {Case{mrNo, false}, Case{mrYes, true}}) {
        Seam().Reset();
        Seam().SetActive(true);
        Seam().QueueFileName(target);
        Seam().QueueAnswer(c.Answer);
        Press_GSD();
        ASSERT_EQ(Shown_Messages().size(), 1u);
        EXPECT_EQ(Shown_Messages()[0], "File already exists! Do you want to overwrite the file?");
        EXPECT_EQ(Seam().Messages()[0].Kind, mtConfirmation);
        EXPECT_EQ(Read_File(target) != "old", c.Overwritten);
    }
}

TEST_F(StepsTest, GsdCancelledDialogWritesNothing) {
    Write_ParGen();
    Seam().QueueFileCancel();
    Press_GSD();
    for (const auto& entry : std::filesystem::directory_iterator(Folder / "PROJECTS" / "Plant"))
        EXPECT_NE(entry.path().extension(), ".gsd");
}

TEST_F(StepsTest, UpdateDeviceWritesBothBanksThenShowsTheUpdateWindow) {
    int shown = 0;
    FVelmaroFirmWare->Boot_Window.Show = [&] {
        ++shown;
        EXPECT_TRUE(FileExists(Path("PROJECTS/Plant/bin/bank1.bin")));
    };
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_CreateBin);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(FileExists(Path("PROJECTS/Plant/bin/bank2.bin")));
}

TEST_F(StepsTest, UpdateDeviceReportsABrokenFileAndShowsNoUpdateWindow) {
    Write_File(AppState().ParGen_File, "<Par_Gen><oops");
    int shown = 0;
    FVelmaroFirmWare->Boot_Window.Show = [&] { ++shown; };
    FVelmaroFirmWare->Btn_Click(FVelmaroFirmWare->Btn_CreateBin);
    EXPECT_EQ(shown, 0);
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
}

TEST_F(StepsTest, StartProgramWaitsForTheProgramAndGivesBackTheWindows) {
    FVelmaroFirmWare->Show();
    FVelmaroFirmWare->Start_Program_Limit = std::chrono::milliseconds(300);
    struct Case {
        std::string Program;
        TProgramOutcome Expected;
    };
    const Case cases[] = {
        {Script("quick.sh", "exit 3"), TProgramOutcome::Ended},
        {Path("missing-program"), TProgramOutcome::NotStarted},
        {Script("slow.sh", "exec sleep 30"), TProgramOutcome::TimedOut},
    };
    for (const Case& c : cases) {
        const TProgramRunResult result = FVelmaroFirmWare->Start_Program(c.Program, "", 0);
        EXPECT_EQ(result.Outcome, c.Expected) << c.Program;
        if (result.Outcome == TProgramOutcome::TimedOut && result.ProcessId > 0)
            kill(result.ProcessId, SIGKILL);
        EXPECT_TRUE(FVelmaroFirmWare->Enabled()) << c.Program;
    }
    FVelmaroFirmWare->Hide();
}

TEST_F(StepsTest, StartProgramTakesNoInputWhileWaiting) {
    FVelmaroFirmWare->Show();
    bool enabledDuringWait = true;
    FVelmaroFirmWare->Timer_Update->SetEnabled(true);
    // A timer of the test looks at the window while the program runs.
    TTimer probe(nullptr);
    probe.SetInterval(20);
    probe.SetOnTimer([&](TObject*) { enabledDuringWait = FVelmaroFirmWare->Enabled(); });
    probe.SetEnabled(true);
    FVelmaroFirmWare->Start_Program(Script("pause.sh", "sleep 0.3"), "", 0);
    probe.SetEnabled(false);
    EXPECT_FALSE(enabledDuringWait);
    EXPECT_TRUE(FVelmaroFirmWare->Enabled());
    EXPECT_TRUE(FVelmaroFirmWare->Timer_Update->Enabled());
    FVelmaroFirmWare->Hide();
}

} // namespace
