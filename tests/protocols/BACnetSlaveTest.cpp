// The BACnet object tables: texts, columns, checks, the unit chooser, the table file and what
// the EDE writer reads of it.
#include "protocols/bacnet/UBACnetSlaveSetAccess.h"

#include "platform/core/IntegerConversion.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "protocols/bacnet/UBACnet_Eng_Unit.h"
#include "protocols/descriptionfiles/UBACnet_EDE_File.h"
#include "tests/protocols/ProtocolWindowFixture.h"

namespace {

using TWindow = TFBACnetSlaveSetAccess;

class BACnetSlaveTest : public ProtocolWindowFixture<TWindow, &TAppState::BACnet_Slave_File> {
protected:
    std::string File_Name() const override { return "BACnet_Slave.xml"; }

    void SetUp() override {
        ProtocolWindowFixture::SetUp();
        AppState().ParGen_File = Temp.Path() + "/ParGen.xml";
        Chooser = std::make_unique<TFBACnet_Eng_Unit>(nullptr);
        Chooser->DoCreate();
        FBACnet_Eng_Unit = Chooser.get();
    }
    void TearDown() override {
        FBACnet_Eng_Unit = nullptr;
        Chooser.reset();
        ProtocolWindowFixture::TearDown();
    }

    void Write_ParGen(const std::string& limit) {
        std::ofstream(AppState().ParGen_File) << "<Par_Gen><BACnet_Desc_Chars_Limit>" << limit
                                              << "</BACnet_Desc_Chars_Limit></Par_Gen>";
    }

    std::unique_ptr<TFBACnet_Eng_Unit> Chooser;
};

TEST_F(BACnetSlaveTest, TwoTablesOfObjectsWithTheirTextsAndEditors) {
    Expect_All_Texts_Set(false);
    Expect_Editable_Through_Column_Editors();
    EXPECT_EQ(Window->Caption(), "BACnet Slave Set Access");
    EXPECT_EQ(Window->Table_Page(TWindow::Table_Read)->Text(), "BACnet in Read");
    EXPECT_EQ(Window->Table_Page(TWindow::Table_Write)->Text(), "BACnet in Write");
    for (TExColumnGrid* grid : {Window->ACG_BACnet_in_Read, Window->ACG_BACnet_in_Write}) {
        EXPECT_EQ(grid->Cells(TWindow::Col_Eng_Unit, 0), "Eng. Unit");
        EXPECT_TRUE(grid->IsHiddenColumn(TWindow::Col_Swap));
        EXPECT_EQ(grid->AllColCount(), 8);
        EXPECT_EQ(grid->Columns()->Items(TWindow::Col_Position)->ComboItems()->Count(), 1440);
    }
    EXPECT_EQ(
        Window->ACG_BACnet_in_Read->Columns()->Items(TWindow::Col_Data_Type)->ComboItems()->Count(),
        13);
    EXPECT_EQ(Window->ACG_BACnet_in_Write->Columns()
                  ->Items(TWindow::Col_Data_Type)
                  ->ComboItems()
                  ->Count(),
              10);
}

TEST_F(BACnetSlaveTest, EachCheckReportsTheFirstFailureWithItsBound) {
    // Data Type|Eng. Unit|Position|Start Bit|Length|Swap|Mnemonic in row 5 of a table.
    const char* read = "!! [BACnet in Read] ";
    const char* write = "!! [BACnet in Write] ";
    const std::string tooMany = "Too many bytes to save starting from the Position indicate";
    struct Case {
        int Table;
        const char* Cells;
        std::string Error; // after "Error row 5"
    };
    const Case cases[] = {
        {0, "Analog Input|62|1436||4", ""},
        {0, "Analog Input|62|1438||4", read + tooMany},
        {0, "Analog Input|62|1440||1", std::string(read) + "Position must be between 0 and 1439"},
        {0, "Analog Input|62|-1||1", std::string(read) + "Position must be between 0 and 1439"},
        {0, "Analog Input|70000|0||1", std::string(read) + "Eng. Unit must be between 0 and 65535"},
        {0, "Analog Input|abc|0||1", std::string(read) + "Eng. Unit must be between 0 and 65535"},
        {0, "Analog Input|$FF|0||1", ""},
        {0, "Analog Input|0|0||x",
         std::string(read) + "Length with variable \"Analog Input\" must be between 1 and 4"},
        {0, "Binary Input|0|1439||", std::string(read) + "Bit must be between 0 and 7"},
        {0, "Binary Input|0|1439|8|", std::string(read) + "Bit must be between 0 and 7"},
        {0, "Binary Input|0|1439|7|99", ""},
        {0, "Integer Value|0|10||0", ""},
        {0, "Integer Value|0|10||12", ""},
        {0, "Integer Value|0|1430||12", read + tooMany},
        {0, "Life Safety Point|0|0||3",
         std::string(read) + "Length with variable \"Life Safety Point\" must be 1 or 2"},
        {0, "Access Door|0|0||2",
         std::string(read) + "Length with variable \"Access Door\" must be equal to 1"},
        {0, "Large Analog Value|0|1432||8", ""},
        {1, "Analog Out|0|0||5",
         std::string(write) + "Length with variable \"Analog Out\" must be between 1 and 4"},
        {1, "Large Analog Value|0|0||8", ""},
        {1, "Multi State Value|0|0||6",
         std::string(write) + "Length with variable \"Multi State Value\" must be between 1 and 4"},
        {1, "Integer Value|0|0||5",
         std::string(write) + "Length with variable \"Integer Value\" must be between 1 and 4"},
        {1, "Binary Out|0|1439|0|", ""},
        {1, "Binary Out|0|1439||", std::string(write) + "Bit must be between 0 and 7"},
        {1, "Analog Out|0|1437||4", write + tooMany},
        {1, "Analog Out|0|1440||4", std::string(write) + "Position must be between 0 and 1439"},
        {1, "Analog Out|65536|0||4", std::string(write) + "Eng. Unit must be between 0 and 65535"},
    };
    Show([&] {
        for (const Case& c : cases) {
            for (int t : {0, 1})
                for (int r = 1; r <= 5; ++r)
                    Set_Table_Row(t, r, t == c.Table && r < 5 ? "Binary Value|95|0|0|" : "");
            Set_Table_Row(c.Table, 5, c.Cells);
            EXPECT_EQ(Validation_Error(), c.Error.empty() ? "" : "Error row 5" + c.Error)
                << c.Table << " " << c.Cells;
        }
    });
}

TEST_F(BACnetSlaveTest, LongNamesHalveTheTablesAndTheObjectsOfBoth) {
    struct Case {
        const char* Limit;
        int Rows;
        int Read;
        int Write;
        std::string Error;
    };
    const Case cases[] = {
        {"1", 1001, 600, 401, "Error!! Too many Requests. Max requests 1000"},
        {"1", 1001, 600, 400, ""},
        {"0", 2001, 1000, 1001, "Error!! Too many Requests. Max requests 2000"},
        {"", 2001, 1000, 1000, ""},
    };
    for (const Case& c : cases) {
        Write_ParGen(c.Limit);
        Show([&] {
            EXPECT_EQ(Window->ACG_BACnet_in_Read->RowCount(), c.Rows) << c.Limit;
            EXPECT_EQ(Window->ACG_BACnet_in_Write->RowCount(), c.Rows) << c.Limit;
            for (int r = 1; r <= c.Read; ++r)
                Window->ACG_BACnet_in_Read->SetCells(TWindow::Col_Data_Type, r, "Access Door");
            for (int r = 1; r <= c.Write; ++r)
                Window->ACG_BACnet_in_Write->SetCells(TWindow::Col_Data_Type, r, "Access Door");
            for (TExColumnGrid* grid : {Window->ACG_BACnet_in_Read, Window->ACG_BACnet_in_Write})
                for (int r = 1; r < grid->RowCount(); ++r) {
                    grid->SetCells(TWindow::Col_Eng_Unit, r, "95");
                    grid->SetCells(TWindow::Col_Position, r, "0");
                    grid->SetCells(TWindow::Col_Length, r, "1");
                }
            EXPECT_EQ(Validation_Error(), c.Error) << c.Limit << " " << c.Read << "+" << c.Write;
        });
    }
}

TEST_F(BACnetSlaveTest, ChoosingAWriteTypeFillsInItsLength) {
    const std::pair<const char*, const char*> cases[] = {
        {"Analog Out", "4"},  {"Binary Value", "1"},       {"Large Analog Value", "8"},
        {"access door", "1"}, {"Multi State Output", "4"}, {"Octet String", "1"},
        {"Something", "7"},
    };
    Show([&] {
        for (const auto& [choice, length] : cases) {
            Window->ACG_BACnet_in_Write->SetCells(TWindow::Col_Length, 3, "7");
            Window->ACG_BACnet_in_WriteComboChange(Window->ACG_BACnet_in_Write,
                                                   TWindow::Col_Data_Type, 3, 0, choice);
            EXPECT_EQ(Window->ACG_BACnet_in_Write->Cells(TWindow::Col_Length, 3), length) << choice;
        }
        Window->ACG_BACnet_in_WriteComboChange(Window->ACG_BACnet_in_Write, TWindow::Col_Bit, 3, 0,
                                               "Analog Out");
        EXPECT_EQ(Window->ACG_BACnet_in_Write->Cells(TWindow::Col_Length, 3), "7");
    });
}

TEST_F(BACnetSlaveTest, DoubleClickOnAUnitPicksItInTheChooser) {
    Window->FormShow(Window.get());
    TExColumnGrid* grid = Window->ACG_BACnet_in_Write;
    grid->SetCells(TWindow::Col_Eng_Unit, 2, "62");
    std::string shownCode, shownName;
    TModalResult answer = mrCancel;
    Seam().OnModalShow = [&](TForm* form) {
        ASSERT_EQ(form, Chooser.get());
        shownCode = Chooser->E_Selected_EU->Text();
        shownName = Chooser->Label5->Caption();
        Chooser->CB_Select_Type->SetItemIndex(16);
        Chooser->CB_Select_TypeSelect(Chooser->CB_Select_Type);
        Chooser->CB_Select_Unit->SetItemIndex(2);
        Chooser->Btn_Select_Eng_UnitClick(Chooser->Btn_Select_Eng_Unit);
        Chooser->SetModalResult(answer);
    };
    grid->OnDblClickCell(grid, 2, TWindow::Col_Eng_Unit);
    EXPECT_EQ(shownCode, "62");
    EXPECT_EQ(shownName, "-> degrees-Celsius");
    EXPECT_EQ(grid->Cells(TWindow::Col_Eng_Unit, 2), "62");
    answer = mrOk;
    grid->OnDblClickCell(grid, 2, TWindow::Col_Eng_Unit);
    EXPECT_EQ(grid->Cells(TWindow::Col_Eng_Unit, 2), "181");
    grid->OnDblClickCell(grid, 2, TWindow::Col_Position);
    EXPECT_EQ(Seam().ModalForms().size(), 2u);
}

TEST_F(BACnetSlaveTest, RowsWithoutSwapLoadNAndOKWritesBothSectionsToTheirKeyEnd) {
    Write("<BACnet_to_Modbus><BACnet_in_Read>"
          "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" Length=\"4\" "
          "Mnemonic=\"temp\"/></BACnet_in_Read><BACnet_in_Write>"
          "<row Data_Type=\"Binary Out\" Eng_Unit=\"95\" Position=\"10\" Bit=\"3\" Length=\"1\" "
          "Swap=\"Y\" Mnemonic=\"valve\"/></BACnet_in_Write></BACnet_to_Modbus>");
    const TModalResult result = Show([&] {
        EXPECT_EQ(Table_Row(0, 1), "Analog Input|62|0||4|N|temp");
        EXPECT_EQ(Table_Row(1, 1), "Binary Out|95|10|3|1|Y|valve");
        Set_Table_Row(0, 2, "Multi State Input|95|4||2|N|mode");
        Set_Table_Row(0, 4, "Analog Value|95|8||4|N|lost");
        Window->Btn_OKClick(Window->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Read(), Golden("BACnet_Slave.xml"));
    Show([&] {
        EXPECT_EQ(Table_Row(0, 2), "Multi State Input|95|4||2|N|mode");
        EXPECT_EQ(Table_Row(0, 4), "|||||N|");
    });
}

TEST_F(BACnetSlaveTest, AFileThatCannotBeReadWholeIsReportedAndKeptUntilTheUserAgrees) {
    const std::pair<const char*, const char*> cases[] = {
        {"<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Position=\"0\" "
         "Bit=\"\" Length=\"4\" Mnemonic=\"t\"/></BACnet_in_Read><BACnet_in_Write/>"
         "</BACnet_to_Modbus>",
         "lacks the attribute \"Eng_Unit\""},
        {"<BACnet_to_Modbus><BACnet_in_Read/></BACnet_to_Modbus>",
         "the section \"BACnet_in_Write\" is missing"},
        {"<BACnet_to_Modbus><BACnet_in_Read>", ""},
    };
    for (const auto& entry : cases) {
        const std::string file = entry.first;
        const std::string reason = entry.second;
        Write(file);
        Seam().Reset();
        Show([&] {
            EXPECT_TRUE(Window->Load_Incomplete) << file;
            EXPECT_EQ(Table_Row(0, 1), "|||||N|") << file;
            Seam().QueueAnswer(mrNo);
            Window->Btn_OKClick(Window->Btn_OK);
        });
        ASSERT_FALSE(Shown_Messages().empty());
        EXPECT_NE(Shown_Messages().front().find(reason), std::string::npos)
            << Shown_Messages().front();
        EXPECT_EQ(Read(), file);
    }
}

TEST_F(BACnetSlaveTest, RowsBeyondTheTableAreReported) {
    Write_ParGen("1");
    std::string file = "<BACnet_to_Modbus><BACnet_in_Read>";
    for (int r = 0; r < 1001; ++r)
        file += "<row Data_Type=\"Access Door\" Eng_Unit=\"95\" Position=\"0\" Bit=\"\" "
                "Length=\"1\" Mnemonic=\"m\"/>";
    file += "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>";
    Write(file);
    Show([&] {
        EXPECT_TRUE(Window->Load_Incomplete);
        EXPECT_EQ(Table_Row(0, 1000), "Access Door|95|0||1|N|m");
    });
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_NE(Shown_Messages()[0].find("1000"), std::string::npos) << Shown_Messages()[0];
}

TEST_F(BACnetSlaveTest, ARowCopiedFromOneTableIsNotPastedIntoTheOther) {
    Show([&] {
        Set_Table_Row(0, 1, "Analog Input|62|0||4||temp");
        Window->Btn_CopyRowClick(Window->Btn_CopyRow);
        Window->Show_Table(1);
        Window->Btn_PasteRowClick(Window->Btn_PasteRow);
        EXPECT_EQ(Table_Row(1, 1), "|||||N|");
        Window->Show_Table(0);
        Window->ACG_BACnet_in_Read->SetRowEx(2);
        Window->Btn_PasteRowClick(Window->Btn_PasteRow);
        EXPECT_EQ(Table_Row(0, 2), "Analog Input|62|0||4||temp");
    });
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_EQ(Shown_Messages()[0], "Error!!! Copy a valid row before Paste it");
}

TEST_F(BACnetSlaveTest, WhatTheWindowWritesIsWhatTheEDEWriterReads) {
    Show([&] {
        Set_Table_Row(0, 1, "Analog Input|62|0||4||temp");
        Set_Table_Row(0, 2, "Binary Value|95|4|1|||alarm");
        Set_Table_Row(1, 1, "Multi State Output|95|0||4||mode");
        Window->Btn_OKClick(Window->Btn_OK);
    });
    TEdeRun run;
    EDE_Read_Objects(File(), run);
    ASSERT_EQ(run.Objects.size(), 3u);
    EXPECT_EQ(run.Objects[0].ObjectName, "temp");
    EXPECT_EQ(run.Objects[0].UnitCode, "62");
    EXPECT_EQ(run.Objects[0].ObjectType, IntToStr(BACnet_Object_Type_Code("Analog Input")));
    EXPECT_EQ(run.Objects[1].ObjectName, "alarm");
    EXPECT_EQ(run.Objects[2].ObjectName, "mode");
    EXPECT_EQ(run.Objects[2].ObjectType, IntToStr(BACnet_Object_Type_Code("Multi State Output")));
}

TEST_F(BACnetSlaveTest, InsertingIntoAFullTableAsksBeforeItsLastObjectFallsOff) {
    Show([&] {
        TExColumnGrid* grid = Window->ACG_BACnet_in_Write;
        Window->Show_Table(TWindow::Table_Write);
        grid->SetCells(TWindow::Col_Data_Type, 2000, "Analog Out");
        grid->SetCells(TWindow::Col_Data_Type, 1, "Binary Out");
        grid->SetRowEx(1);
        Seam().QueueAnswer(mrNo);
        Window->Btn_InsRowClick(Window->Btn_InsRow);
        EXPECT_EQ(grid->Cells(TWindow::Col_Data_Type, 1), "Binary Out");
        EXPECT_EQ(grid->Cells(TWindow::Col_Data_Type, 2000), "Analog Out");
        Seam().QueueAnswer(mrYes);
        Window->Btn_InsRowClick(Window->Btn_InsRow);
        EXPECT_EQ(grid->Cells(TWindow::Col_Data_Type, 1), "");
        EXPECT_EQ(grid->Cells(TWindow::Col_Data_Type, 2), "Binary Out");
    });
    ASSERT_EQ(Shown_Messages().size(), 2u);
    EXPECT_NE(Shown_Messages()[0].find("2000"), std::string::npos) << Shown_Messages()[0];
}

} // namespace
