// The main window's steps that write the description files of the family's other gateways: each
// asks where, asks before it replaces a file, and writes through its writer.
#include "WindowsFixture.h"

#include "app/controls/GlyphButton.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "protocols/descriptionfiles/DescriptionFiles.h"
#include "protocols/descriptionfiles/UProfinetXML.h"

namespace {

class DescriptionFileStepsTest : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        std::filesystem::create_directories(Folder / "PROJECTS" / "Plant" / "bin");
        Create_Windows();
        Select_Project("Plant");
    }

    void Press(TGlyphButton* step) { FVelmaroFirmWare->Btn_Click(step); }

    // Answers the file-name dialog with `userPart` and OK.
    void Name_Profinet_File(const std::string& userPart) {
        Seam().OnModalShow = [userPart](TForm* form) {
            ASSERT_EQ(form, FProfinetFileName);
            FProfinetFileName->E_XML_User->SetText(userPart);
            FProfinetFileName->Btn_OK_Click(FProfinetFileName->Btn_OK);
        };
    }

    static std::string Today_Part() {
        const TFileStamp today = File_Stamp_Now();
        return Profinet_Date_Part(today.Year, today.Month, today.Day);
    }
};

TEST_F(DescriptionFileStepsTest, ProfinetNameDialogComposesTheName) {
    EXPECT_EQ(FProfinetFileName->Caption(), "PROFINET XML File Name");
    EXPECT_EQ(FProfinetFileName->L_XML_Fix1->Caption(), "GSDML-V2.25-Quorvel-");
    EXPECT_EQ(FProfinetFileName->L_XML_Fix2->Caption(), Today_Part());
    EXPECT_EQ(FProfinetFileName->L_UsedPart->Caption(), "User Part");
    struct Case {
        std::string User_Part;
        std::string Middle; // between the fixed part and the date part
    };
    for (const Case& c : {Case{"", ""}, Case{"   ", ""}, Case{"Gateway1", "_Gateway1"},
                          Case{"_Gateway1", "_Gateway1"}}) {
        SCOPED_TRACE(c.User_Part);
        Name_Profinet_File(c.User_Part);
        EXPECT_EQ(FProfinetFileName->ShowModal(), mrOk);
        EXPECT_EQ(FProfinetFileName->Name_File_XML,
                  "GSDML-V2.25-Quorvel-" + c.Middle + Today_Part());
    }
}

TEST_F(DescriptionFileStepsTest, ProfinetNameRefusesAUserPartThatLeavesTheFolder) {
    for (const std::string& userPart :
         {std::string("../x"), std::string("a\\b"), std::string("a\nb")}) {
        Seam().Reset();
        Seam().SetActive(true);
        FProfinetFileName->Name_File_XML.clear();
        FProfinetFileName->E_XML_User->SetText(userPart);
        FProfinetFileName->Btn_OK_Click(FProfinetFileName->Btn_OK);
        EXPECT_EQ(FProfinetFileName->ModalResult(), mrNone);
        EXPECT_EQ(FProfinetFileName->Name_File_XML, "");
        ASSERT_EQ(Shown_Messages().size(), 1u);
        EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
    }
}

TEST_F(DescriptionFileStepsTest, ProfinetWritesTheComposedNameInTheChosenFolder) {
    Name_Profinet_File("Line2");
    const std::string name = "GSDML-V2.25-Quorvel-_Line2" + Today_Part();
    Seam().QueueFileName(Path("PROJECTS/Plant/typed-over.xml"));
    Press(FVelmaroFirmWare->Btn_PROFINET_XML);
    ASSERT_EQ(Seam().FileDialogs().size(), 1u);
    const TFileDialogRequest& asked = Seam().FileDialogs()[0];
    EXPECT_EQ(asked.Filter, "PROFINET XML (*.xml)|" + name);
    EXPECT_EQ(asked.FileName, name);
    EXPECT_EQ(asked.InitialDir, AppState().Project_Path);
    EXPECT_FALSE(FileExists(Path("PROJECTS/Plant/typed-over.xml")));
    const std::string text = Read_File(Path("PROJECTS/Plant/" + name));
    EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_TRUE(Shown_Messages().empty());

    Write_File(Path("PROJECTS/Plant/" + name), "old");
    Seam().QueueFileName(Path("PROJECTS/Plant/" + name));
    Seam().QueueAnswer(mrNo);
    Press(FVelmaroFirmWare->Btn_PROFINET_XML);
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_EQ(Shown_Messages()[0], "File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(Seam().Messages()[0].Buttons, mbYesNo);
    EXPECT_EQ(Read_File(Path("PROJECTS/Plant/" + name)), "old");
}

// Each step's overwrite question, its buttons, and what No (or Cancel) keeps.
TEST_F(DescriptionFileStepsTest, EachStepAsksBeforeItReplacesAFile) {
    struct Case {
        const char* Step;
        std::string Chosen;
        std::string Written;
        std::string Question; // empty: replaced without asking
        TMsgDlgButtons Buttons;
    };
    const std::string ede = "File already exists. Do you want to overwrite?";
    const Case cases[] = {
        {"EDS", "PROJECTS/Plant/dev.eds", "PROJECTS/Plant/dev.eds", "", {}},
        {"EDE", "PROJECTS/Plant/objects", "PROJECTS/Plant/objects.csv", ede, mbYesNoCancel},
        {"EDE upper case", "PROJECTS/Plant/OBJ.CSV", "PROJECTS/Plant/OBJ.CSV", ede,
         mbYesNoCancel},
        {"MIB", "PROJECTS/Plant/traps.mib", "PROJECTS/Plant/traps.mib", ede, mbYesNo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Step);
        TGlyphButton* step = std::string(c.Step) == "EDS"   ? FVelmaroFirmWare->Btn_CANopen_EDS
                             : std::string(c.Step) == "MIB" ? FVelmaroFirmWare->Btn_SNMP_MIB
                                                            : FVelmaroFirmWare->Btn_BACnet_EDE_File;
        const std::string target = Path(c.Written);
        for (int answer : {mrNo, mrCancel, mrYes}) {
            Write_File(target, "old");
            Seam().Reset();
            Seam().SetActive(true);
            Seam().QueueFileName(Path(c.Chosen));
            Seam().QueueAnswer(answer);
            Press(step);
            ASSERT_EQ(Seam().FileDialogs().size(), 1u);
            EXPECT_EQ(Seam().FileDialogs()[0].InitialDir, AppState().Project_Path);
            if (c.Question.empty()) {
                EXPECT_TRUE(Shown_Messages().empty());
                EXPECT_NE(Read_File(target), "old");
                continue;
            }
            ASSERT_EQ(Shown_Messages().size(), 1u);
            EXPECT_EQ(Shown_Messages()[0], c.Question);
            EXPECT_EQ(Seam().Messages()[0].Buttons, c.Buttons);
            // The MIB's question goes on with anything but No.
            const bool goesOn = answer == mrYes || (answer == mrCancel && c.Buttons == mbYesNo);
            EXPECT_EQ(Read_File(target) != "old", goesOn) << "answer " << answer;
        }
    }
}

TEST_F(DescriptionFileStepsTest, ACancelledSaveDialogWritesNothing) {
    for (TGlyphButton* step : {FVelmaroFirmWare->Btn_CANopen_EDS,
                               FVelmaroFirmWare->Btn_BACnet_EDE_File,
                               FVelmaroFirmWare->Btn_SNMP_MIB}) {
        Seam().QueueFileCancel();
        Press(step);
    }
    EXPECT_TRUE(Shown_Messages().empty());
    for (const auto& entry : std::filesystem::directory_iterator(Folder / "PROJECTS" / "Plant"))
        EXPECT_TRUE(entry.is_directory()) << entry.path();
}

TEST_F(DescriptionFileStepsTest, BacnetTypeComesFromTheGeneralParameters) {
    struct Case {
        const char* Name;
        const char* ParGen; // nullptr: no file
        int Type;
    };
    const Case cases[] = {
        {"no file", nullptr, 0},
        {"a number", "<Par_Gen><BACnet_Type>7</BACnet_Type></Par_Gen>", 7},
        {"no element", "<Par_Gen><Other>7</Other></Par_Gen>", 0},
        {"not a number", "<Par_Gen><BACnet_Type>seven</BACnet_Type></Par_Gen>", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove(AppState().ParGen_File);
        if (c.ParGen)
            Write_File(AppState().ParGen_File, c.ParGen);
        EXPECT_EQ(FVelmaroFirmWare->Get_Type_BACnet(), c.Type);
    }
}

} // namespace
